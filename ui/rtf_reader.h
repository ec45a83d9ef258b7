#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// A reader for the Rich Text Format as word processors write it. It keeps text, character
// format (bold, italic, underline, size, colour, font) and paragraph format (alignment,
// indents, spacing) and drops everything else: pictures, objects, headers, footers, style
// sheets, field instructions, ignorable destinations. Damaged input never fails: whatever
// can be read is kept.

enum class RtfAlignment { Left, Center, Right, Justify };

struct RtfColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RtfColor&) const = default;
};

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;           // \fs, 1..3276
    std::optional<RtfColor> color; // empty: the automatic (default) colour
    QString fontFamily;            // empty: no font table entry for the selected font
    double pointSize() const { return halfPoints / 2.0; }
    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
    QString text; // never empty; \line is U+2028, \tab is '\t'
    RtfCharFormat format;
    bool operator==(const RtfRun&) const = default;
};

// Distances in twips (1/20 point), each clamped to +-31680 (22 inches).
struct RtfParagraph {
    RtfAlignment alignment = RtfAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<int> tabStops;      // \tx, ascending, measured from the left margin like the indents
    QList<RtfRun> runs;       // adjacent runs always differ in format
    RtfCharFormat markFormat; // the paragraph mark's format: the height of an empty line
    QString text() const;
};

struct RtfDocument {
    bool isRtf = false; // false: the input had no "{\rtf" header and was read as plain text
    QList<RtfParagraph> paragraphs;
    QString plainText() const; // paragraphs joined by '\n'
};

// Parses RTF; input without an "{\rtf" header is taken as plain Windows-1252 text, one
// paragraph per line, as rich text views do with such files.
RtfDocument ParseRtf(QByteArrayView data);

// Reads and parses a file. On failure returns false, sets `error` (when given) and leaves
// `doc` unchanged.
bool ReadRtfFile(const QString& path, RtfDocument& doc, QString* error = nullptr);

// Windows-1252 byte to Unicode; 0 for the five bytes the code page leaves undefined.
char16_t Cp1252ToUnicode(unsigned char byte);

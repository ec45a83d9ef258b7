#pragma once

#include "ui/rtf_reader.h"

#include <QString>

class QTextDocument;

// Replaces the whole content of `doc` with the paragraphs of `rtf`, each with its own
// formatting. Text read as plain text (no RTF header) takes the document's default font.
void FillTextDocument(QTextDocument& doc, const RtfDocument& rtf);

// Reads an RTF file into `doc`. Returns false and leaves `doc` as it was when the file
// cannot be read.
bool LoadRtfIntoDocument(const QString& path, QTextDocument& doc);

// Twips (1/20 point) to the pixels a text document lays out with, at 96 dots per inch.
constexpr double TwipsToPixels(int twips) {
    return twips / 15.0;
}

#include "ui/rtf_document.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

QTextCharFormat CharFormat(const RtfCharFormat& f) {
    QTextCharFormat out;
    out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.italic);
    out.setFontUnderline(f.underline);
    out.setFontPointSize(f.pointSize());
    if (f.color)
        out.setForeground(QColor(f.color->red, f.color->green, f.color->blue));
    if (!f.fontFamily.isEmpty())
        out.setFontFamilies(QStringList{f.fontFamily});
    return out;
}

QTextBlockFormat BlockFormat(const RtfParagraph& p) {
    QTextBlockFormat out;
    switch (p.alignment) {
    case RtfAlignment::Left:
        out.setAlignment(Qt::AlignLeft);
        break;
    case RtfAlignment::Center:
        out.setAlignment(Qt::AlignHCenter);
        break;
    case RtfAlignment::Right:
        out.setAlignment(Qt::AlignRight);
        break;
    case RtfAlignment::Justify:
        out.setAlignment(Qt::AlignJustify);
        break;
    }
    // A word processor lets a negative indent run into the page margin; the view has none.
    const int left = std::max(p.leftIndent, 0);
    const int indent = std::max(p.firstLineIndent, -left);
    out.setLeftMargin(TwipsToPixels(left));
    out.setRightMargin(TwipsToPixels(std::max(p.rightIndent, 0)));
    out.setTextIndent(TwipsToPixels(indent));
    out.setTopMargin(TwipsToPixels(p.spaceBefore));
    out.setBottomMargin(TwipsToPixels(p.spaceAfter));

    // A hanging first line has an implicit stop at the left indent (list bullets use it).
    QList<int> stops = p.tabStops;
    if (indent < 0 && !stops.contains(left))
        stops.insert(std::lower_bound(stops.begin(), stops.end(), left), left);
    // Stops count from the left margin here, from the start of the line in the layout.
    QList<QTextOption::Tab> tabs;
    for (int stop : stops)
        if (stop - (left + indent) > 0)
            tabs.append(QTextOption::Tab(TwipsToPixels(stop - (left + indent)), QTextOption::LeftTab));
    out.setTabPositions(tabs);
    return out;
}

} // namespace

void FillTextDocument(QTextDocument& doc, const RtfDocument& rtf) {
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& p : rtf.paragraphs) {
        const QTextBlockFormat block = rtf.isRtf ? BlockFormat(p) : QTextBlockFormat();
        const QTextCharFormat mark = rtf.isRtf ? CharFormat(p.markFormat) : QTextCharFormat();
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        for (const RtfRun& r : p.runs)
            cursor.insertText(r.text, rtf.isRtf ? CharFormat(r.format) : QTextCharFormat());
    }
    cursor.endEditBlock();
}

bool LoadRtfIntoDocument(const QString& path, QTextDocument& doc) {
    RtfDocument rtf;
    if (!ReadRtfFile(path, rtf))
        return false;
    FillTextDocument(doc, rtf);
    return true;
}

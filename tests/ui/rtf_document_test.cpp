#include "ui/rtf_document.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The fragments of a filled document, in order.
struct Fragment {
    QString text;
    QTextCharFormat format;
};

std::vector<Fragment> Fragments(const QTextDocument& doc) {
    std::vector<Fragment> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out.push_back({it.fragment().text(), it.fragment().charFormat()});
    return out;
}

QTextDocument* Filled(const QByteArray& rtf) {
    auto* doc = new QTextDocument;
    FillTextDocument(*doc, ParseRtf(rtf));
    return doc;
}

TEST(RtfDocument, CharacterFormatsCarryOver) {
    std::unique_ptr<QTextDocument> doc(
        Filled("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
               "{\\colortbl;\\red200\\green10\\blue20;}"
               "\\fs20 plain \\b\\fs32 bold \\b0\\i italic \\i0\\ul under\\ulnone "
               "\\f1\\cf1 red}"));
    const auto f = Fragments(*doc);
    ASSERT_EQ(f.size(), 5);
    EXPECT_EQ(f[0].text, "plain ");
    EXPECT_EQ(f[0].format.fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(f[0].format.fontPointSize(), 10.0);
    EXPECT_EQ(f[0].format.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_FALSE(f[0].format.hasProperty(QTextFormat::ForegroundBrush)); // automatic colour
    EXPECT_EQ(f[1].format.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(f[1].format.fontPointSize(), 16.0);
    EXPECT_TRUE(f[2].format.fontItalic());
    EXPECT_FALSE(f[2].format.fontUnderline());
    EXPECT_TRUE(f[3].format.fontUnderline());
    EXPECT_EQ(f[4].format.foreground().color(), QColor(200, 10, 20));
    EXPECT_EQ(f[4].format.fontFamilies().toStringList(), QStringList{"Courier New"});
}

TEST(RtfDocument, ParagraphsBecomeBlocksWithTheirFormat) {
    std::unique_ptr<QTextDocument> doc(Filled("{\\rtf1\\pard\\qc\\sb300\\sa150 one\\line two\\par"
                                              "\\pard\\qr\\li720\\ri1440\\fi360 three\\par"
                                              "\\pard\\qj\\li300\\fi-900 four\\par"
                                              "\\pard\\li-600 five\\par"
                                              "\\pard\\fs48\\par}"));
    ASSERT_EQ(doc->blockCount(), 5);
    QTextBlock b = doc->begin();
    EXPECT_EQ(b.text(), QString("one") + QChar(0x2028) + "two");
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(b.blockFormat().topMargin(), 20.0);
    EXPECT_DOUBLE_EQ(b.blockFormat().bottomMargin(), 10.0);
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_DOUBLE_EQ(b.blockFormat().leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(b.blockFormat().rightMargin(), 96.0);
    EXPECT_DOUBLE_EQ(b.blockFormat().textIndent(), 24.0);
    b = b.next();
    // A first line hanging further out than the indent stops at the view's edge.
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(b.blockFormat().leftMargin(), 20.0);
    EXPECT_DOUBLE_EQ(b.blockFormat().textIndent(), -20.0);
    b = b.next();
    EXPECT_DOUBLE_EQ(b.blockFormat().leftMargin(), 0.0);
    b = b.next();
    // An empty paragraph keeps the height of its mark.
    EXPECT_TRUE(b.text().isEmpty());
    EXPECT_DOUBLE_EQ(b.charFormat().fontPointSize(), 24.0);
}

TEST(RtfDocument, TabStopsCountFromTheMarginAndHangingLinesGetOne) {
    std::unique_ptr<QTextDocument> doc(Filled("{\\rtf1\\pard\\tx2880\\fi-2520\\li2880 key\\tab value\\par"
                                              "\\pard\\tx720\\tx1440 a\\tab b\\par"
                                              "\\pard\\fi-360\\li720 {\\pntext\\'b7\\tab}item\\par}"));
    auto tabs = [](const QTextBlock& b) {
        QList<double> at;
        for (const QTextOption::Tab& t : b.blockFormat().tabPositions())
            at.append(t.position);
        return at;
    };
    QTextBlock b = doc->begin();
    // The first line starts at 360 twips; the stop at 2880 lies 2520 twips = 168 px further.
    EXPECT_EQ(tabs(b), (QList<double>{168.0}));
    b = b.next();
    EXPECT_EQ(tabs(b), (QList<double>{48.0, 96.0}));
    b = b.next();
    EXPECT_EQ(tabs(b), (QList<double>{24.0}));
}

TEST(RtfDocument, PlainTextTakesTheDefaultFont) {
    std::unique_ptr<QTextDocument> doc(Filled("first line\nsecond line\n"));
    EXPECT_EQ(doc->blockCount(), 2);
    for (const Fragment& f : Fragments(*doc)) {
        EXPECT_FALSE(f.format.hasProperty(QTextFormat::FontPointSize)) << f.text.toStdString();
        EXPECT_FALSE(f.format.hasProperty(QTextFormat::FontWeight)) << f.text.toStdString();
    }
}

TEST(RtfDocument, FillingReplacesAndAFailedLoadKeepsTheContent) {
    QTextDocument doc;
    FillTextDocument(doc, ParseRtf("{\\rtf1 old\\par text}"));
    FillTextDocument(doc, ParseRtf("{\\rtf1 shown}"));
    EXPECT_EQ(doc.toPlainText(), "shown");

    QTemporaryDir dir;
    EXPECT_FALSE(LoadRtfIntoDocument(dir.filePath("missing.rtf"), doc));
    EXPECT_EQ(doc.toPlainText(), "shown");

    QFile f(dir.filePath("doc.rtf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 from \\b file}");
    f.close();
    EXPECT_TRUE(LoadRtfIntoDocument(f.fileName(), doc));
    EXPECT_EQ(doc.toPlainText(), "from file");
}

} // namespace

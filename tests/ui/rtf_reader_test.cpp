#include "ui/rtf_reader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

RtfDocument Parse(const QByteArray& rtf) {
    return ParseRtf(rtf);
}

QString Text(const QByteArray& rtf) {
    return Parse(rtf).plainText();
}

struct TextCase {
    const char* name;
    QByteArray input;
    QString expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfText, GivesTheDocumentText) {
    const TextCase& c = GetParam();
    EXPECT_EQ(Text(c.input), c.expected) << c.name;
}

QString U(std::initializer_list<char16_t> units) {
    QString s;
    for (char16_t u : units)
        s += QChar(u);
    return s;
}

// Plain ASCII and escapes, character sets, Unicode with its fallback, destinations.
INSTANTIATE_TEST_SUITE_P(
    Syntax, RtfText,
    ::testing::Values(
        TextCase{"plain", "{\\rtf1 Hello world}", "Hello world"},
        TextCase{"delimiting space is not text", "{\\rtf1\\b Bold\\b0  two}", "Bold two"},
        TextCase{"raw line ends are not text", "{\\rtf1 ab\r\ncd\nef\r}", "abcdef"},
        TextCase{"escaped specials", "{\\rtf1 \\{x\\} \\\\}", "{x} \\"},
        TextCase{"unknown words and symbols ignored", "{\\rtf1 \\foo12 a\\bar-3 b\\:\\|c}", "abc"},
        TextCase{"latin escapes", "{\\rtf1\\ansi\\ansicpg1252 Gr\\'fc\\'dfe \\'c4rger}",
                 QString::fromUtf8("Grüße Ärger")},
        TextCase{"cp1252 0x80-0x9F", "{\\rtf1 \\'80\\'84x\\'93\\'96\\'97\\'85\\'9f\\'8c\\'99}",
                 QString::fromUtf8("€„x“–—…ŸŒ™")},
        TextCase{"cp1252 undefined bytes dropped", "{\\rtf1 a\\'81\\'8d\\'8f\\'90\\'9db}", "ab"},
        TextCase{"upper-case hex", "{\\rtf1 \\'E4\\'F6}", QString::fromUtf8("äö")},
        TextCase{"raw 8-bit bytes in the code page", "{\\rtf1 \xe4\x80}", QString::fromUtf8("ä€")},
        TextCase{"unicode with fallback", "{\\rtf1 a\\u8364?b}", QString::fromUtf8("a€b")},
        TextCase{"fallback of two", "{\\rtf1\\uc2 \\u8364ab c}", QString::fromUtf8("€ c")},
        TextCase{"no fallback", "{\\rtf1\\uc0 \\u8364 x}", QString::fromUtf8("€x")},
        TextCase{"hex escape is one fallback character", "{\\rtf1 \\u8364\\'80 x}", QString::fromUtf8("€ x")},
        TextCase{"group end stops the fallback", "{\\rtf1{\\uc3\\u8364}ab}", QString::fromUtf8("€ab")},
        TextCase{"uc is scoped to its group", "{\\rtf1{\\uc0 x}\\u8364?y}", QString::fromUtf8("x€y")},
        TextCase{"negative wraps to 16 bits, pair joins", "{\\rtf1 \\u-10179?\\u-8704?}",
                 QString::fromUtf8("😀")},
        TextCase{"negative in the BMP", "{\\rtf1 \\u-4064?}", U({0xF020})},
        TextCase{"lone surrogate replaced", "{\\rtf1 \\u55357?x}", U({0xFFFD, u'x'})},
        TextCase{"NUL and controls from escapes dropped", "{\\rtf1 a\\u0 \\'00\\'0d\\'1fb}", "ab"},
        TextCase{"non-characters replaced", "{\\rtf1 \\u-560?\\u-1?}", U({0xFFFD, 0xFFFD})},
        TextCase{"special characters",
                 "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}",
                 QString::fromUtf8("—–•‘’“”")},
        TextCase{"nbsp, soft hyphen, non-breaking hyphen", "{\\rtf1 a\\~b\\-c\\_d}",
                 U({u'a', 0xA0, u'b', 0xAD, u'c', 0x2011, u'd'})},
        TextCase{"tab and line", "{\\rtf1 a\\tab b\\line c}", U({u'a', u'\t', u'b', 0x2028, u'c'})},
        TextCase{"raw tab is a tab", "{\\rtf1 a\tb}", "a\tb"},
        TextCase{"paragraphs", "{\\rtf1 a\\par b\\par\\pard c\\par}", "a\nb\nc"},
        TextCase{"empty paragraphs kept", "{\\rtf1 a\\par\\par b}", "a\n\nb"},
        TextCase{"backslash newline is a paragraph", "{\\rtf1 a\\\nb\\\rc}", "a\nb\nc"},
        TextCase{"page break after a paragraph adds none", "{\\rtf1 a\\par\\page b\\page c}", "a\nb\nc"},
        TextCase{"table cells and rows", "{\\rtf1\\trowd\\intbl a\\cell b\\cell\\row c}", "a\tb\t\nc"},
        TextCase{"ignorable destination", "{\\rtf1 a{\\*\\unknownthing hidden {nested} text}b}", "ab"},
        TextCase{"ignorable mark inside known words", "{\\rtf1 a{\\*\\bkmkstart x}b{\\*\\bkmkend x}c}",
                 "abc"},
        TextCase{"tables and info skipped",
                 "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
                 "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}Body}",
                 "Body"},
        TextCase{"headers and footers skipped", "{\\rtf1{\\header Head}{\\footer Foot}{\\headerl L}x}", "x"},
        TextCase{"picture skipped", "{\\rtf1 a{\\pict\\pngblip\\picw10 89504e470d0a1a0a}b}", "ab"},
        TextCase{"binary data skipped even with braces", "{\\rtf1 a{\\pict\\bin4 }}{x}b}", "ab"},
        TextCase{"field keeps its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Link}}.}",
                 "Link."},
        TextCase{"unstarred field instruction", "{\\rtf1{\\field{\\fldinst PAGE}{\\fldrslt 3}}}", "3"},
        TextCase{"footnote and annotation skipped", "{\\rtf1 a{\\footnote note}{\\annotation c}b}", "ab"},
        TextCase{"list bullet in a symbol font",
                 "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\listtext\\f1\\'b7\\tab}Item}",
                 QString::fromUtf8("•\tItem")},
        TextCase{"text after the document ignored", "{\\rtf1 a}b{c}", "a"},
        TextCase{"header after leading whitespace", "\r\n {\\rtf1 x}", "x"}));

// What broken or hostile input gives: never a crash, a hang or raw control text.
INSTANTIATE_TEST_SUITE_P(
    Damaged, RtfText,
    ::testing::Values(
        TextCase{"missing closing braces", "{\\rtf1 abc{\\b def", "abcdef"},
        TextCase{"surplus closing braces", "{\\rtf1 a}}}}", "a"},
        TextCase{"backslash at the end", "{\\rtf1 a\\", "a"},
        TextCase{"hex escape cut after the quote", "{\\rtf1 a\\'", "a"},
        TextCase{"hex escape with one digit", "{\\rtf1 \\'4x\\'e", "x"},
        TextCase{"hex escape with no digit", "{\\rtf1 a\\'zz}", "azz"},
        TextCase{"word cut at the end", "{\\rtf1 a\\pa", "a"},
        TextCase{"minus without digits", "{\\rtf1 \\fs- x}", "- x"},
        TextCase{"unicode without number", "{\\rtf1 a\\u b}", "ab"},
        TextCase{"unicode out of range", "{\\rtf1 \\u99999999999999999999?x}", U({0xFFFD, u'x'})},
        TextCase{"unicode hugely negative", "{\\rtf1 \\u-99999999999?x}", U({0xFFFD, u'x'})},
        TextCase{"huge fallback count clamped", "{\\rtf1\\uc99999999 \\u65 bcdefghijklmnopqrstuvwxyz}",
                 "Arstuvwxyz"},
        TextCase{"binary length beyond the end", "{\\rtf1 a\\bin99999999999 bcd}", "a"},
        TextCase{"negative binary length", "{\\rtf1 a\\bin-5 b}", "ab"},
        TextCase{"embedded NULs", QByteArray("{\\rtf1 a\0b\\\0c}", 14), "abc"},
        TextCase{"star outside a group", "{\\rtf1 a\\*\\foo b}", "a"},
        TextCase{"font table never closed", "{\\rtf1{\\fonttbl{\\f0 Arial;}text", ""},
        TextCase{"word of 40 letters", "{\\rtf1 \\abcdefghijabcdefghijabcdefghijabcdefghij x}", "x"},
        TextCase{"empty input", "", ""}, TextCase{"only a header", "{\\rtf", ""}));

TEST(RtfDepth, GroupsBeyondTheCapAreDroppedAndTheRestIsRead) {
    const QByteArray shallow = "{\\rtf1 a" + QByteArray(100, '{') + "x" + QByteArray(100, '}') + "b}";
    EXPECT_EQ(Text(shallow), "axb");
    const QByteArray deep = "{\\rtf1 a" + QByteArray(300, '{') + "x" + QByteArray(300, '}') + "b}";
    EXPECT_EQ(Text(deep), "ab");
}

TEST(RtfDepth, MillionsOfBracesParseQuickly) {
    QElapsedTimer timer;
    timer.start();
    const QByteArray open = "{\\rtf1 a" + QByteArray(2'000'000, '{') + "x";
    EXPECT_EQ(Text(open), "a");
    const QByteArray alternating = "{\\rtf1 " + QByteArray("{b}").repeated(500'000) + "}";
    EXPECT_EQ(Text(alternating).size(), 500'000);
    const QByteArray words = "{\\rtf1 " + QByteArray("\\b\\i0\\u65?\\'e4\\par").repeated(200'000) + "}";
    EXPECT_EQ(Parse(words).paragraphs.size(), 200'000);
    // Linear work: well under a second each here, even with sanitizers.
    EXPECT_LT(timer.elapsed(), 10'000);
}

struct RunView {
    QString text;
    bool bold, italic, underline;
    int halfPoints;
    bool operator==(const RunView&) const = default;
};

std::ostream& operator<<(std::ostream& os, const RunView& r) {
    return os << '"' << r.text.toStdString() << "\" b" << r.bold << " i" << r.italic << " u" << r.underline
              << " fs" << r.halfPoints;
}

std::vector<RunView> Runs(const QByteArray& rtf) {
    std::vector<RunView> out;
    for (const RtfParagraph& p : Parse(rtf).paragraphs)
        for (const RtfRun& r : p.runs)
            out.push_back({r.text, r.format.bold, r.format.italic, r.format.underline, r.format.halfPoints});
    return out;
}

TEST(RtfCharFormat, TogglesTurnOnAndOff) {
    EXPECT_EQ(Runs("{\\rtf1 n\\b b\\b0 n\\i i\\i0 n\\ul u\\ul0 n\\ul u\\ulnone n}"),
              (std::vector<RunView>{{"n", 0, 0, 0, 24},
                                    {"b", 1, 0, 0, 24},
                                    {"n", 0, 0, 0, 24},
                                    {"i", 0, 1, 0, 24},
                                    {"n", 0, 0, 0, 24},
                                    {"u", 0, 0, 1, 24},
                                    {"n", 0, 0, 0, 24},
                                    {"u", 0, 0, 1, 24},
                                    {"n", 0, 0, 0, 24}}));
    // A nonzero parameter turns on; underline styles are underlines; \ulc is only a colour.
    EXPECT_EQ(Runs("{\\rtf1\\b1\\i2 x\\uldb y\\ulnone\\ulc2 z}"),
              (std::vector<RunView>{{"x", 1, 1, 0, 24}, {"y", 1, 1, 1, 24}, {"z", 1, 1, 0, 24}}));
}

TEST(RtfCharFormat, GroupsScopeAndPlainResets) {
    EXPECT_EQ(Runs("{\\rtf1 a{\\b\\fs40 b{\\i c}d}e\\b\\i\\ul\\fs18 f\\plain g}"),
              (std::vector<RunView>{{"a", 0, 0, 0, 24},
                                    {"b", 1, 0, 0, 40},
                                    {"c", 1, 1, 0, 40},
                                    {"d", 1, 0, 0, 40},
                                    {"e", 0, 0, 0, 24},
                                    {"f", 1, 1, 1, 18},
                                    {"g", 0, 0, 0, 24}}));
}

TEST(RtfCharFormat, EqualNeighboursMergeAndFormatWithoutTextMakesNoRun) {
    EXPECT_EQ(Runs("{\\rtf1{\\b a}{\\b b}\\i\\i0\\b\\b0 c\\fs30\\fs24 d}"),
              (std::vector<RunView>{{"ab", 1, 0, 0, 24}, {"cd", 0, 0, 0, 24}}));
}

TEST(RtfCharFormat, FontSizesAreClamped) {
    EXPECT_EQ(Runs("{\\rtf1\\fs99999999999 a\\fs-7 b\\fs0 c\\fs d\\fs7 e}"),
              (std::vector<RunView>{
                  {"a", 0, 0, 0, 3276}, {"bc", 0, 0, 0, 1}, {"d", 0, 0, 0, 24}, {"e", 0, 0, 0, 7}}));
    EXPECT_DOUBLE_EQ(Parse("{\\rtf1\\fs21 x}").paragraphs[0].runs[0].format.pointSize(), 10.5);
}

TEST(RtfCharFormat, ColoursComeFromTheTableAndZeroIsAutomatic) {
    const RtfDocument doc = Parse("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;;"
                                  "\\red999\\blue-4;}"
                                  "a\\cf1 b\\cf2 c\\cf0 d\\cf3 e\\cf4 f\\cf77 g\\cf-1 h}");
    ASSERT_EQ(doc.paragraphs.size(), 1);
    std::map<QString, std::optional<RtfColor>> colours;
    for (const RtfRun& r : doc.paragraphs[0].runs)
        for (QChar ch : r.text)
            colours[QString(ch)] = r.format.color;
    EXPECT_EQ(colours["a"], std::nullopt);
    EXPECT_EQ(colours["b"], (RtfColor{255, 0, 0}));
    EXPECT_EQ(colours["c"], (RtfColor{0, 128, 0}));
    EXPECT_EQ(colours["d"], std::nullopt);
    EXPECT_EQ(colours["e"], std::nullopt);          // an entry without components is automatic
    EXPECT_EQ(colours["f"], (RtfColor{255, 0, 0})); // components clamped to 0..255
    EXPECT_EQ(colours["g"], std::nullopt);
    EXPECT_EQ(colours["h"], std::nullopt);
}

TEST(RtfCharFormat, FontsComeFromTheTable) {
    const RtfDocument doc =
        Parse("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
              "{\\f1\\fswiss\\fcharset0{\\*\\panose 020b0604020202020204}Arial{\\*\\falt Helvetica};}"
              "\\f2\\fnil M\\'fcller Sans;\\f3 Unclosed}"
              "a\\f0 b\\f2 c\\f9 d\\f3 e\\plain f}");
    std::map<QString, QString> family;
    for (const RtfRun& r : doc.paragraphs.at(0).runs)
        for (QChar ch : r.text)
            family[QString(ch)] = r.format.fontFamily;
    EXPECT_EQ(family["a"], "Arial"); // \deff
    EXPECT_EQ(family["b"], "Times New Roman");
    EXPECT_EQ(family["c"], QString::fromUtf8("Müller Sans"));
    EXPECT_EQ(family["d"], "");
    EXPECT_EQ(family["e"], "Unclosed");
    EXPECT_EQ(family["f"], "Arial"); // \plain goes back to the default font
}

bool CanDecode(const char* name) {
    return QStringDecoder(name).isValid();
}

TEST(RtfCodePage, DocumentAndFontCharsetsChooseTheDecoding) {
    if (!CanDecode("windows-1251"))
        GTEST_SKIP() << "no windows-1251 decoder in this Qt";
    // The document's code page, a font's character set, and a font that says ANSI.
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}"), QString::fromUtf8("При"));
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 A;}{\\f1\\fcharset204 B;}}\\'e4\\f1\\'e4}"),
              QString::fromUtf8("äд"));
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}{\\f1 B;}}\\'e4\\f1\\'e4}"),
              QString::fromUtf8("äд"));
    // A code page nobody can decode falls back to Windows-1252.
    EXPECT_EQ(Text("{\\rtf1\\ansicpg99999 \\'e4\\'80}"), QString::fromUtf8("ä€"));
}

TEST(RtfCodePage, DoubleByteCharactersJoinAcrossEscapes) {
    if (!CanDecode("Shift_JIS"))
        GTEST_SKIP() << "no Shift_JIS decoder in this Qt";
    // Lead byte escaped, trail byte raw, as Japanese Word writes them.
    EXPECT_EQ(Text("{\\rtf1\\ansicpg932 \\'82\\'a0\\'83A}"), QString::fromUtf8("あア"));
}

TEST(RtfParagraphFormat, AlignmentIndentsAndSpacingApplyToTheirParagraph) {
    const RtfDocument doc = Parse("{\\rtf1\\pard\\qc\\sb120\\sa240 centre\\par"
                                  "\\qr right\\par\\pard\\qj\\li720\\ri360\\fi-360 justified\\par "
                                  "left after pard\\pard\\par"
                                  "\\li99999999\\ri-99999999\\fi-99999999\\sb-5 clamped\\par"
                                  "{\\qc scoped}\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 6);
    const auto& p = doc.paragraphs;
    EXPECT_EQ(p[0].alignment, RtfAlignment::Center);
    EXPECT_EQ(p[0].spaceBefore, 120);
    EXPECT_EQ(p[0].spaceAfter, 240);
    EXPECT_EQ(p[1].alignment, RtfAlignment::Right);
    EXPECT_EQ(p[1].spaceBefore, 120); // no \pard in between
    EXPECT_EQ(p[2].alignment, RtfAlignment::Justify);
    EXPECT_EQ(p[2].leftIndent, 720);
    EXPECT_EQ(p[2].rightIndent, 360);
    EXPECT_EQ(p[2].firstLineIndent, -360);
    EXPECT_EQ(p[2].spaceBefore, 0);
    // A paragraph takes the properties in force at its end.
    EXPECT_EQ(p[3].alignment, RtfAlignment::Left);
    EXPECT_EQ(p[3].leftIndent, 0);
    EXPECT_EQ(p[4].leftIndent, 31680);
    EXPECT_EQ(p[4].rightIndent, -31680);
    EXPECT_EQ(p[4].firstLineIndent, -31680);
    EXPECT_EQ(p[4].spaceBefore, 0);
    EXPECT_EQ(p[5].alignment, RtfAlignment::Left);
}

TEST(RtfParagraphFormat, TabStopsAreSortedClampedAndResetByPard) {
    const RtfDocument doc = Parse("{\\rtf1\\tx2880\\tx720\\tx99999999\\tx-5\\tqr\\tx1440 a\\par "
                                  "b\\par\\pard c\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 3);
    EXPECT_EQ(doc.paragraphs[0].tabStops, (QList<int>{0, 720, 1440, 2880, 31680}));
    EXPECT_EQ(doc.paragraphs[1].tabStops, doc.paragraphs[0].tabStops);
    EXPECT_TRUE(doc.paragraphs[2].tabStops.isEmpty());
}

TEST(RtfParagraphFormat, EmptyParagraphKeepsTheMarkFormat) {
    const RtfDocument doc = Parse("{\\rtf1\\fs40\\b\\par\\plain x\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 2);
    EXPECT_TRUE(doc.paragraphs[0].runs.isEmpty());
    EXPECT_EQ(doc.paragraphs[0].markFormat.halfPoints, 40);
    EXPECT_TRUE(doc.paragraphs[0].markFormat.bold);
    EXPECT_EQ(doc.paragraphs[1].markFormat.halfPoints, 24);
}

TEST(RtfPlainText, InputWithoutHeaderIsReadAsLines) {
    const RtfDocument doc = Parse("Gr\xfc\xdf"
                                  "e\r\n\r\nzwei\rdrei\n\\b{x}\n");
    EXPECT_FALSE(doc.isRtf);
    EXPECT_EQ(doc.plainText(), QString::fromUtf8("Grüße\n\nzwei\ndrei\n\\b{x}"));
    EXPECT_TRUE(Parse("{\\rtf1 x}").isRtf);
}

TEST(RtfFile, MissingFileFailsAndLeavesTheDocument) {
    RtfDocument doc = Parse("{\\rtf1 before}");
    QString error;
    QTemporaryDir dir;
    EXPECT_FALSE(ReadRtfFile(dir.filePath("missing.rtf"), doc, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(doc.plainText(), "before");

    QFile f(dir.filePath("ok.rtf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 after}");
    f.close();
    EXPECT_TRUE(ReadRtfFile(f.fileName(), doc));
    EXPECT_EQ(doc.plainText(), "after");
}

// The documents the program ships: real text with headings, nothing of the RTF left over.
class ShippedDocument : public ::testing::TestWithParam<std::pair<const char*, std::vector<const char*>>> {};

TEST_P(ShippedDocument, ParsesToTextWithHeadings) {
    const auto& [file, words] = GetParam();
    RtfDocument doc;
    QString error;
    ASSERT_TRUE(ReadRtfFile(QStringLiteral(VELMORA_BUILD_DATA "/") + file, doc, &error))
        << error.toStdString();
    ASSERT_TRUE(doc.isRtf);
    const QString text = doc.plainText();
    EXPECT_GT(text.size(), 4000);
    for (QChar bad : {QChar('{'), QChar('}'), QChar(0xFFFD)})
        EXPECT_FALSE(text.contains(bad)) << file << " contains " << QString(bad).toStdString();
    const QRegularExpressionMatch word = QRegularExpression(R"(\\[a-z]+)").match(text);
    EXPECT_FALSE(word.hasMatch()) << file << " shows " << word.captured().toStdString();
    for (const char* w : words)
        EXPECT_TRUE(text.contains(QString::fromUtf8(w))) << file << " lacks " << w;

    // Body size: the size that carries the most text. A heading is all bold and larger.
    std::map<int, qsizetype> textBySize;
    for (const RtfParagraph& p : doc.paragraphs)
        for (const RtfRun& r : p.runs)
            textBySize[r.format.halfPoints] += r.text.size();
    const int body = std::max_element(textBySize.begin(), textBySize.end(), [](auto a, auto b) {
                         return a.second < b.second;
                     })->first;
    int headings = 0;
    for (const RtfParagraph& p : doc.paragraphs) {
        bool heading = !p.text().trimmed().isEmpty();
        for (const RtfRun& r : p.runs)
            heading = heading && r.format.bold && r.format.halfPoints > body;
        headings += heading ? 1 : 0;
    }
    EXPECT_GE(headings, 5) << file;
}

INSTANTIATE_TEST_SUITE_P(
    Data, ShippedDocument,
    ::testing::Values(std::pair<const char*, std::vector<const char*>>{"hilfe.rtf",
                                                                       {"Übung", "Interferenz", "Zeitvorgabe",
                                                                        "3000", "Escape", "Joystick",
                                                                        "Gesamtstatistik", "PDF", "„"}},
                      std::pair<const char*, std::vector<const char*>>{"ehilfe.rtf",
                                                                       {"exercise", "interference", "3000",
                                                                        "Escape", "joystick",
                                                                        "Global statistics", "PDF"}},
                      std::pair<const char*, std::vector<const char*>>{
                          "stat.rtf",
                          {"Richtige", "Standardabweichung", "Interferenz", "Eliminierte", "80 ms", "Correct",
                           "standard deviation", "Interference", "Eliminated"}}),
    [](const auto& info) { return std::string(QString(info.param.first).section('.', 0, 0).toStdString()); });

} // namespace

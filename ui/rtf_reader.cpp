#include "ui/rtf_reader.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace {

// Deeper groups are dropped with their content; real documents stay far below this.
constexpr int MaxDepth = 256;
constexpr qint64 ParamLimit = 1'000'000'000;
constexpr int MaxTwips = 31680;
constexpr int MaxHalfPoints = 3276;
constexpr int MaxFallback = 16;
constexpr int MaxTabStops = 64;
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// Pseudo code page for fonts of the symbol character set (list bullets in Symbol, Wingdings).
constexpr int SymbolCodePage = -2;
constexpr char16_t Replacement = 0xFFFD;
constexpr char16_t LineSeparator = 0x2028;

enum class Kw {
    Skip,
    FontTable,
    ColorTable,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Plain,
    FontSize,
    Color,
    Font,
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    Par,
    Line,
    Tab,
    SoftBreak,
    Char,
    Unicode,
    FallbackCount,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    Bin,
};

struct Keyword {
    std::string_view name;
    Kw kw;
    char16_t ch = 0;
};

constexpr auto Keywords = [] {
    auto table = std::to_array<Keyword>({
        // Destinations whose content is not document text.
        {"aftncn", Kw::Skip},
        {"aftnsep", Kw::Skip},
        {"aftnsepc", Kw::Skip},
        {"annotation", Kw::Skip},
        {"atnauthor", Kw::Skip},
        {"atnid", Kw::Skip},
        {"colorschememapping", Kw::Skip},
        {"datastore", Kw::Skip},
        {"do", Kw::Skip},
        {"docvar", Kw::Skip},
        {"filetbl", Kw::Skip},
        {"fldinst", Kw::Skip},
        {"footer", Kw::Skip},
        {"footerf", Kw::Skip},
        {"footerl", Kw::Skip},
        {"footerr", Kw::Skip},
        {"footnote", Kw::Skip},
        {"ftncn", Kw::Skip},
        {"ftnsep", Kw::Skip},
        {"ftnsepc", Kw::Skip},
        {"generator", Kw::Skip},
        {"header", Kw::Skip},
        {"headerf", Kw::Skip},
        {"headerl", Kw::Skip},
        {"headerr", Kw::Skip},
        {"info", Kw::Skip},
        {"latentstyles", Kw::Skip},
        {"listoverridetable", Kw::Skip},
        {"listtable", Kw::Skip},
        {"nonshppict", Kw::Skip},
        {"objdata", Kw::Skip},
        {"object", Kw::Skip},
        {"pgdsctbl", Kw::Skip},
        {"pict", Kw::Skip},
        {"pn", Kw::Skip},
        {"revtbl", Kw::Skip},
        {"rsidtbl", Kw::Skip},
        {"rxe", Kw::Skip},
        {"shp", Kw::Skip},
        {"stylesheet", Kw::Skip},
        {"tc", Kw::Skip},
        {"template", Kw::Skip},
        {"themedata", Kw::Skip},
        {"txe", Kw::Skip},
        {"userprops", Kw::Skip},
        {"xe", Kw::Skip},
        {"xmlnstbl", Kw::Skip},
        {"fonttbl", Kw::FontTable},
        {"colortbl", Kw::ColorTable},
        // Character format.
        {"b", Kw::Bold},
        {"i", Kw::Italic},
        {"ul", Kw::Underline},
        {"uld", Kw::Underline},
        {"uldash", Kw::Underline},
        {"uldashd", Kw::Underline},
        {"uldashdd", Kw::Underline},
        {"uldb", Kw::Underline},
        {"ulhwave", Kw::Underline},
        {"ulldash", Kw::Underline},
        {"ulth", Kw::Underline},
        {"ulthd", Kw::Underline},
        {"ulthdash", Kw::Underline},
        {"ulthdashd", Kw::Underline},
        {"ulthdashdd", Kw::Underline},
        {"ulthldash", Kw::Underline},
        {"ululdbwave", Kw::Underline},
        {"ulw", Kw::Underline},
        {"ulwave", Kw::Underline},
        {"ulnone", Kw::UnderlineNone},
        {"plain", Kw::Plain},
        {"fs", Kw::FontSize},
        {"cf", Kw::Color},
        {"f", Kw::Font},
        // Paragraph format.
        {"pard", Kw::Pard},
        {"ql", Kw::AlignLeft},
        {"qc", Kw::AlignCenter},
        {"qr", Kw::AlignRight},
        {"qj", Kw::AlignJustify},
        {"qd", Kw::AlignJustify},
        {"li", Kw::LeftIndent},
        {"ri", Kw::RightIndent},
        {"fi", Kw::FirstIndent},
        {"sb", Kw::SpaceBefore},
        {"sa", Kw::SpaceAfter},
        {"tx", Kw::TabStop},
        // Breaks; table cells become tabs, rows paragraphs.
        {"par", Kw::Par},
        {"row", Kw::Par},
        {"nestrow", Kw::Par},
        {"line", Kw::Line},
        {"tab", Kw::Tab},
        {"cell", Kw::Tab},
        {"nestcell", Kw::Tab},
        {"page", Kw::SoftBreak},
        {"sect", Kw::SoftBreak},
        {"column", Kw::SoftBreak},
        // Special characters.
        {"emdash", Kw::Char, 0x2014},
        {"endash", Kw::Char, 0x2013},
        {"emspace", Kw::Char, 0x2003},
        {"enspace", Kw::Char, 0x2002},
        {"qmspace", Kw::Char, 0x2005},
        {"bullet", Kw::Char, 0x2022},
        {"lquote", Kw::Char, 0x2018},
        {"rquote", Kw::Char, 0x2019},
        {"ldblquote", Kw::Char, 0x201C},
        {"rdblquote", Kw::Char, 0x201D},
        {"u", Kw::Unicode},
        {"uc", Kw::FallbackCount},
        // Character sets and tables.
        {"ansi", Kw::Ansi},
        {"mac", Kw::Mac},
        {"pc", Kw::Pc},
        {"pca", Kw::Pca},
        {"ansicpg", Kw::AnsiCodePage},
        {"deff", Kw::DefaultFont},
        {"fcharset", Kw::FontCharset},
        {"cpg", Kw::FontCodePage},
        {"red", Kw::Red},
        {"green", Kw::Green},
        {"blue", Kw::Blue},
        {"bin", Kw::Bin},
    });
    std::sort(table.begin(), table.end(), [](const Keyword& a, const Keyword& b) { return a.name < b.name; });
    return table;
}();

const Keyword* FindKeyword(std::string_view name) {
    const auto it = std::lower_bound(Keywords.begin(), Keywords.end(), name,
                                     [](const Keyword& k, std::string_view n) { return k.name < n; });
    return it != Keywords.end() && it->name == name ? &*it : nullptr;
}

constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// What may stand in a run: no control characters (they would break lines or blocks in a
// text view), no noncharacters and no object markers.
char16_t Sanitize(char16_t u) {
    if (u == u'\t' || u == LineSeparator)
        return u;
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
        return 0;
    if (u == 0x2029)
        return LineSeparator;
    if ((u >= 0xFDD0 && u <= 0xFDEF) || u >= 0xFFFE || u == 0xFFFC)
        return Replacement;
    return u;
}

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int CodePageOfCharset(int charset, int documentCodePage) {
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return SymbolCodePage;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return documentCodePage;
    }
}

QByteArray EncodingName(int codePage) {
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1361:
        return "johab";
    case 20127:
        return "US-ASCII";
    case 65001:
        return "UTF-8";
    default:
        break;
    }
    if (codePage == 874 || (codePage >= 1250 && codePage <= 1258))
        return "windows-" + QByteArray::number(codePage);
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    return "cp" + QByteArray::number(codePage);
}

QString DecodeCp1252(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const char16_t u = Cp1252ToUnicode(static_cast<unsigned char>(c));
        if (u != 0)
            out += QChar(u);
    }
    return out;
}

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int colorIndex = 0;
    int fontIndex = 0;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    RtfAlignment alignment = RtfAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<int> tabStops;
};

enum class Dest { Text, FontTable, ColorTable, Skip };

struct Group {
    Dest dest = Dest::Text;
    CharState chr;
    ParaState para;
    int fallback = 1; // \uc
};

struct Font {
    QString name;
    int codePage = 0; // 0: the document's code page
};

class Parser {
public:
    explicit Parser(QByteArrayView in) : m_in(in) { m_groups.emplace_back(); }
    RtfDocument Run();

private:
    Group& Top() { return m_groups.back(); }
    bool Ignoring() { return m_overflow > 0 || Top().dest == Dest::Skip; }
    bool TakeFallback();
    void OpenGroup();
    void CloseGroup();
    void Control();
    void Word(std::string_view name, bool hasParam, int param);
    void TextWord(const Keyword& k, bool hasParam, int param);
    void Symbol(char c);
    void Byte(unsigned char b);
    void Unicode(char16_t u);
    void SkipBinary(int count);

    void StartFontEntry(int number);
    void FinishFontEntry();
    int CodePageOf(int fontIndex) const;
    QString Decode(const QByteArray& bytes, int codePage);
    RtfCharFormat Resolve(const CharState& s) const;

    void PrepareText();
    void AppendUnit(char16_t u);
    void FlushBytes();
    void CommitText();
    bool ParagraphHasContent() const;
    void EndParagraph(const Group& g);

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    std::vector<Group> m_groups; // [0] is outside all braces
    int m_overflow = 0;
    bool m_done = false;
    int m_skip = 0; // fallback characters of the last \u still to drop

    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    std::map<int, Font> m_fonts;
    bool m_entryOpen = false;
    int m_entryNumber = 0;
    int m_entryCharset = -1;
    int m_entryCodePage = 0;
    QString m_entryName;
    QByteArray m_entryBytes;
    QList<std::optional<RtfColor>> m_colors;
    RtfColor m_colorEntry;
    bool m_colorEntrySet = false;
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;

    RtfDocument m_doc;
    RtfParagraph m_para;
    CharState m_textState;
    QByteArray m_bytes; // undecoded text bytes in m_textState's code page
    QString m_text;     // decoded text in m_textState, not yet a run
    char16_t m_high = 0;
};

RtfDocument Parser::Run() {
    m_doc.isRtf = true;
    while (m_pos < m_in.size() && !m_done) {
        const char c = m_in[m_pos++];
        switch (c) {
        case '{':
            OpenGroup();
            break;
        case '}':
            CloseGroup();
            break;
        case '\\':
            Control();
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        case '\t':
            if (!Ignoring() && !TakeFallback())
                Unicode(u'\t');
            break;
        default:
            if (!Ignoring() && !TakeFallback())
                Byte(static_cast<unsigned char>(c));
        }
    }
    if (Top().dest == Dest::FontTable)
        FinishFontEntry();
    CommitText();
    if (ParagraphHasContent())
        EndParagraph(Top());
    return std::move(m_doc);
}

// True when the current token is one of the fallback characters that follow \u.
bool Parser::TakeFallback() {
    if (m_skip == 0)
        return false;
    --m_skip;
    return true;
}

void Parser::OpenGroup() {
    m_skip = 0;
    if (m_overflow > 0 || static_cast<int>(m_groups.size()) > MaxDepth) {
        ++m_overflow;
        return;
    }
    m_groups.push_back(m_groups.back());
}

void Parser::CloseGroup() {
    m_skip = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (Top().dest == Dest::FontTable)
        FinishFontEntry();
    // Closing the outermost group ends the document; what follows it is not read.
    if (m_groups.size() <= 2) {
        m_done = true;
        return;
    }
    m_groups.pop_back();
}

void Parser::Control() {
    if (m_pos >= m_in.size())
        return;
    if (!IsLetter(m_in[m_pos])) {
        Symbol(m_in[m_pos++]);
        return;
    }
    const qsizetype start = m_pos;
    while (m_pos < m_in.size() && IsLetter(m_in[m_pos]))
        ++m_pos;
    const std::string_view name(m_in.data() + start, static_cast<size_t>(m_pos - start));
    bool negative = false;
    if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && IsDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParam = false;
    qint64 value = 0;
    while (m_pos < m_in.size() && IsDigit(m_in[m_pos])) {
        hasParam = true;
        if (value < ParamLimit)
            value = value * 10 + (m_in[m_pos] - '0');
        ++m_pos;
    }
    value = std::min(value, ParamLimit);
    if (m_pos < m_in.size() && m_in[m_pos] == ' ')
        ++m_pos;
    Word(name, hasParam, static_cast<int>(negative ? -value : value));
}

void Parser::SkipBinary(int count) {
    if (count > 0)
        m_pos += std::min<qsizetype>(count, m_in.size() - m_pos);
}

void Parser::Word(std::string_view name, bool hasParam, int param) {
    const Keyword* k = FindKeyword(name);
    if (k != nullptr && k->kw == Kw::Bin) {
        // Binary data may hold braces and backslashes: skip it whatever the destination.
        SkipBinary(hasParam ? param : 0);
        if (!Ignoring())
            TakeFallback();
        return;
    }
    if (Ignoring() || TakeFallback() || k == nullptr)
        return;
    Group& g = Top();
    switch (k->kw) {
    case Kw::Skip:
        g.dest = Dest::Skip;
        return;
    case Kw::FontTable:
        g.dest = Dest::FontTable;
        m_entryOpen = false;
        return;
    case Kw::ColorTable:
        g.dest = Dest::ColorTable;
        m_colors.clear();
        m_colorEntry = {};
        m_colorEntrySet = false;
        return;
    case Kw::FallbackCount:
        g.fallback = hasParam ? std::clamp(param, 0, MaxFallback) : 1;
        return;
    default:
        break;
    }
    switch (g.dest) {
    case Dest::FontTable:
        if (k->kw == Kw::Font)
            StartFontEntry(hasParam ? param : 0);
        else if (k->kw == Kw::FontCharset && hasParam)
            m_entryCharset = param;
        else if (k->kw == Kw::FontCodePage && hasParam)
            m_entryCodePage = param;
        else if (k->kw == Kw::Unicode && hasParam) {
            Unicode(static_cast<char16_t>(param < 0 ? param + 65536 : param));
            m_skip = g.fallback;
        }
        return;
    case Dest::ColorTable:
        if (k->kw == Kw::Red || k->kw == Kw::Green || k->kw == Kw::Blue) {
            const int v = std::clamp(hasParam ? param : 0, 0, 255);
            (k->kw == Kw::Red     ? m_colorEntry.red
             : k->kw == Kw::Green ? m_colorEntry.green
                                  : m_colorEntry.blue) = v;
            m_colorEntrySet = true;
        }
        return;
    default:
        TextWord(*k, hasParam, param);
    }
}

void Parser::TextWord(const Keyword& k, bool hasParam, int param) {
    Group& g = Top();
    const bool on = !hasParam || param != 0;
    const int twips = std::clamp(hasParam ? param : 0, -MaxTwips, MaxTwips);
    switch (k.kw) {
    case Kw::Bold:
        g.chr.bold = on;
        break;
    case Kw::Italic:
        g.chr.italic = on;
        break;
    case Kw::Underline:
        g.chr.underline = on;
        break;
    case Kw::UnderlineNone:
        g.chr.underline = false;
        break;
    case Kw::Plain:
        g.chr = CharState{};
        g.chr.fontIndex = m_defaultFont;
        break;
    case Kw::FontSize:
        g.chr.halfPoints = hasParam ? std::clamp(param, 1, MaxHalfPoints) : 24;
        break;
    case Kw::Color:
        g.chr.colorIndex = hasParam ? param : 0;
        break;
    case Kw::Font:
        g.chr.fontIndex = hasParam ? param : 0;
        break;
    case Kw::Pard:
        g.para = ParaState{};
        break;
    case Kw::AlignLeft:
        g.para.alignment = RtfAlignment::Left;
        break;
    case Kw::AlignCenter:
        g.para.alignment = RtfAlignment::Center;
        break;
    case Kw::AlignRight:
        g.para.alignment = RtfAlignment::Right;
        break;
    case Kw::AlignJustify:
        g.para.alignment = RtfAlignment::Justify;
        break;
    case Kw::LeftIndent:
        g.para.leftIndent = twips;
        break;
    case Kw::RightIndent:
        g.para.rightIndent = twips;
        break;
    case Kw::FirstIndent:
        g.para.firstLineIndent = twips;
        break;
    case Kw::SpaceBefore:
        g.para.spaceBefore = std::max(twips, 0);
        break;
    case Kw::SpaceAfter:
        g.para.spaceAfter = std::max(twips, 0);
        break;
    case Kw::TabStop:
        if (hasParam && g.para.tabStops.size() < MaxTabStops) {
            const int at = std::clamp(param, 0, MaxTwips);
            g.para.tabStops.insert(std::lower_bound(g.para.tabStops.begin(), g.para.tabStops.end(), at), at);
        }
        break;
    case Kw::Par:
        CommitText();
        EndParagraph(g);
        break;
    case Kw::SoftBreak:
        // A page or section break ends the paragraph only when text precedes it.
        CommitText();
        if (ParagraphHasContent())
            EndParagraph(g);
        break;
    case Kw::Line:
        Unicode(LineSeparator);
        break;
    case Kw::Tab:
        Unicode(u'\t');
        break;
    case Kw::Char:
        Unicode(k.ch);
        break;
    case Kw::Unicode:
        if (hasParam) {
            const int u = param < 0 ? param + 65536 : param;
            Unicode(u >= 0 && u <= 0xFFFF ? static_cast<char16_t>(u) : Replacement);
            m_skip = g.fallback;
        }
        break;
    case Kw::Ansi:
        m_documentCodePage = 1252;
        break;
    case Kw::Mac:
        m_documentCodePage = 10000;
        break;
    case Kw::Pc:
        m_documentCodePage = 437;
        break;
    case Kw::Pca:
        m_documentCodePage = 850;
        break;
    case Kw::AnsiCodePage:
        if (hasParam && param > 0)
            m_documentCodePage = param;
        break;
    case Kw::DefaultFont:
        m_defaultFont = hasParam ? param : 0;
        g.chr.fontIndex = m_defaultFont;
        break;
    default:
        break;
    }
}

void Parser::Symbol(char c) {
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_in.size() && HexValue(m_in[m_pos]) >= 0) {
            value = value * 16 + HexValue(m_in[m_pos++]);
            ++digits;
        }
        if (!Ignoring() && !TakeFallback() && digits > 0)
            Byte(static_cast<unsigned char>(value));
        return;
    }
    if (Ignoring() || TakeFallback())
        return;
    switch (c) {
    case '*':
        Top().dest = Dest::Skip;
        break;
    case '{':
    case '}':
    case '\\':
        Byte(static_cast<unsigned char>(c));
        break;
    case '~':
        Unicode(0x00A0);
        break;
    case '-':
        Unicode(0x00AD);
        break;
    case '_':
        Unicode(0x2011);
        break;
    case '\r':
    case '\n':
        if (Top().dest == Dest::Text) {
            CommitText();
            EndParagraph(Top());
        }
        break;
    default:
        break;
    }
}

void Parser::Byte(unsigned char b) {
    switch (Top().dest) {
    case Dest::Text:
        PrepareText();
        m_bytes += static_cast<char>(b);
        break;
    case Dest::FontTable:
        if (b == ';')
            FinishFontEntry();
        else if (m_entryOpen)
            m_entryBytes += static_cast<char>(b);
        break;
    case Dest::ColorTable:
        if (b == ';') {
            m_colors.append(m_colorEntrySet ? std::optional<RtfColor>(m_colorEntry) : std::nullopt);
            m_colorEntry = {};
            m_colorEntrySet = false;
        }
        break;
    case Dest::Skip:
        break;
    }
}

void Parser::Unicode(char16_t u) {
    switch (Top().dest) {
    case Dest::Text:
        PrepareText();
        FlushBytes();
        AppendUnit(u);
        break;
    case Dest::FontTable:
        if (m_entryOpen) {
            m_entryName += Decode(m_entryBytes, CodePageOfCharset(m_entryCharset, m_documentCodePage));
            m_entryBytes.clear();
            if (const char16_t s = Sanitize(u); s != 0 && !IsHighSurrogate(s) && !IsLowSurrogate(s))
                m_entryName += QChar(s);
        }
        break;
    default:
        break;
    }
}

void Parser::StartFontEntry(int number) {
    FinishFontEntry();
    m_entryOpen = true;
    m_entryNumber = number;
    m_entryCharset = -1;
    m_entryCodePage = 0;
}

void Parser::FinishFontEntry() {
    if (!m_entryOpen)
        return;
    m_entryOpen = false;
    Font font;
    font.codePage = m_entryCodePage > 0   ? m_entryCodePage
                    : m_entryCharset >= 0 ? CodePageOfCharset(m_entryCharset, 0)
                                          : 0;
    QString name =
        m_entryName + Decode(m_entryBytes, font.codePage != 0 ? font.codePage : m_documentCodePage);
    QString clean;
    for (QChar ch : name)
        if (const char16_t s = Sanitize(ch.unicode()); s != 0 && s != u'\t' && s != LineSeparator)
            clean += QChar(s);
    font.name = clean.trimmed();
    m_fonts[m_entryNumber] = font;
    m_entryName.clear();
    m_entryBytes.clear();
}

int Parser::CodePageOf(int fontIndex) const {
    const auto it = m_fonts.find(fontIndex);
    return it != m_fonts.end() && it->second.codePage != 0 ? it->second.codePage : m_documentCodePage;
}

QString Parser::Decode(const QByteArray& bytes, int codePage) {
    if (bytes.isEmpty())
        return {};
    if (codePage == SymbolCodePage) {
        QString out;
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            // The bullets word processors write in Symbol and Wingdings lists.
            out += b == 0xB7 ? QChar(0x2022) : b == 0xA7 ? QChar(0x25AA) : QChar(Cp1252ToUnicode(b));
        }
        return out;
    }
    if (codePage != 1252) {
        auto& decoder = m_decoders[codePage];
        if (!decoder)
            decoder = std::make_unique<QStringDecoder>(EncodingName(codePage).constData(),
                                                       QStringConverter::Flag::Stateless);
        if (decoder->isValid())
            return decoder->decode(bytes);
    }
    // Windows-1252 is also the fallback for code pages this system cannot decode.
    return DecodeCp1252(bytes);
}

RtfCharFormat Parser::Resolve(const CharState& s) const {
    RtfCharFormat f;
    f.bold = s.bold;
    f.italic = s.italic;
    f.underline = s.underline;
    f.halfPoints = s.halfPoints;
    if (s.colorIndex >= 0 && s.colorIndex < m_colors.size())
        f.color = m_colors[s.colorIndex];
    if (const auto it = m_fonts.find(s.fontIndex); it != m_fonts.end())
        f.fontFamily = it->second.name;
    return f;
}

void Parser::PrepareText() {
    if (Top().chr != m_textState) {
        CommitText();
        m_textState = Top().chr;
    }
}

void Parser::AppendUnit(char16_t u) {
    if (m_high != 0) {
        if (IsLowSurrogate(u)) {
            m_text += QChar(m_high);
            m_text += QChar(u);
            m_high = 0;
            return;
        }
        m_text += QChar(Replacement);
        m_high = 0;
    }
    if (IsHighSurrogate(u)) {
        m_high = u;
        return;
    }
    if (IsLowSurrogate(u)) {
        m_text += QChar(Replacement);
        return;
    }
    if (const char16_t s = Sanitize(u); s != 0)
        m_text += QChar(s);
}

void Parser::FlushBytes() {
    if (m_bytes.isEmpty())
        return;
    const QString decoded = Decode(m_bytes, CodePageOf(m_textState.fontIndex));
    m_bytes.clear();
    for (QChar ch : decoded)
        AppendUnit(ch.unicode());
}

void Parser::CommitText() {
    FlushBytes();
    if (m_high != 0) {
        m_text += QChar(Replacement);
        m_high = 0;
    }
    if (m_text.isEmpty())
        return;
    RtfCharFormat format = Resolve(m_textState);
    if (!m_para.runs.isEmpty() && m_para.runs.back().format == format)
        m_para.runs.back().text += m_text;
    else
        m_para.runs.append(RtfRun{m_text, std::move(format)});
    m_text.clear();
}

bool Parser::ParagraphHasContent() const {
    return !m_para.runs.isEmpty() || !m_text.isEmpty() || !m_bytes.isEmpty() || m_high != 0;
}

void Parser::EndParagraph(const Group& g) {
    m_para.alignment = g.para.alignment;
    m_para.leftIndent = g.para.leftIndent;
    m_para.rightIndent = g.para.rightIndent;
    m_para.firstLineIndent = g.para.firstLineIndent;
    m_para.spaceBefore = g.para.spaceBefore;
    m_para.spaceAfter = g.para.spaceAfter;
    m_para.tabStops = g.para.tabStops;
    m_para.markFormat = Resolve(g.chr);
    m_doc.paragraphs.append(std::move(m_para));
    m_para = RtfParagraph{};
}

RtfDocument ParsePlainText(QByteArrayView data) {
    RtfDocument doc;
    const QString text = DecodeCp1252(data);
    qsizetype start = 0;
    auto addLine = [&](qsizetype end) {
        RtfParagraph p;
        QString line;
        for (qsizetype i = start; i < end; ++i)
            if (const char16_t s = Sanitize(text[i].unicode()); s != 0)
                line += QChar(s);
        if (!line.isEmpty())
            p.runs.append(RtfRun{line, {}});
        doc.paragraphs.append(p);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        addLine(i);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        addLine(text.size());
    return doc;
}

// Where the "{\rtf" header starts after leading white space, or -1.
qsizetype RtfHeaderStart(QByteArrayView data) {
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf") ? i : -1;
}

} // namespace

char16_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return Cp1252High[byte - 0x80];
    return byte;
}

QString RtfParagraph::text() const {
    QString out;
    for (const RtfRun& r : runs)
        out += r.text;
    return out;
}

QString RtfDocument::plainText() const {
    QStringList lines;
    for (const RtfParagraph& p : paragraphs)
        lines.append(p.text());
    return lines.join(u'\n');
}

RtfDocument ParseRtf(QByteArrayView data) {
    const qsizetype start = RtfHeaderStart(data);
    if (start < 0)
        return ParsePlainText(data);
    return Parser(data.sliced(start)).Run();
}

bool ReadRtfFile(const QString& path, RtfDocument& doc, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > MaxFileSize) {
        if (error)
            *error = QStringLiteral("File too large");
        return false;
    }
    const QByteArray data = file.read(MaxFileSize);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    doc = ParseRtf(data);
    return true;
}

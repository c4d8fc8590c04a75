#include "Rtf.h"

#include "RtfCodePages.h"
#include "RtfUnits.h"

#include <QColor>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rtf {

bool beginsAsRtf(const QByteArray& data)
{
    return data.startsWith("{\\rtf");
}

namespace {

using namespace detail;

// Groups nested deeper than this are read as if their braces were not there.
constexpr int kMaxDepth = 200;
// Control words are at most 32 letters; longer runs of letters are read to their end and ignored.
constexpr int kMaxWordLength = 32;
// Digits past these are read and ignored, so a parameter always fits an int.
constexpr int kMaxDigits = 10;
constexpr int kMaxFontNameLength = 256;
constexpr int kMaxUnicodeSkip = 255;
// Without \ansicpg, bytes are read in the code page of the system's own texts.
constexpr int kDefaultCodePage = 1251;

enum class Dest : quint8 { Text, Skip, FontTable, ColorTable };

enum class Align : quint8 { Left, Right, Center, Justify };

struct CharProps
{
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    quint8 underline = QTextCharFormat::NoUnderline;
    quint8 vertical = QTextCharFormat::AlignNormal;
    quint8 caps = QFont::MixedCase;
    int halfPoints = kDefaultHalfPoints;
    int font = -1; // -1: the document's default font
    int foreground = 0;
    int background = 0;

    bool operator==(const CharProps& o) const
    {
        return bold == o.bold && italic == o.italic && strike == o.strike && hidden == o.hidden &&
               underline == o.underline && vertical == o.vertical && caps == o.caps && halfPoints == o.halfPoints &&
               font == o.font && foreground == o.foreground && background == o.background;
    }
    bool operator!=(const CharProps& o) const { return !(*this == o); }
};

// Lengths in twips.
struct ParaProps
{
    Align align = Align::Left;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
};

struct State
{
    Dest dest = Dest::Text;
    int unicodeSkip = 1;
    CharProps chr;
    ParaProps para;
};

struct FontDef
{
    QString name;
    int charset = -1;
    int codePage = 0;
};

enum class Op : quint8 {
    Dest,
    Char,
    Par,
    SoftBreak,
    Cell,
    Pard,
    Plain,
    Bold,
    Italic,
    Strike,
    Hidden,
    Underline,
    UnderlineNone,
    Vertical,
    Caps,
    FontSize,
    Font,
    Foreground,
    Background,
    Align,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    CodePage,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Bin,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
};

struct Keyword
{
    Op op;
    int arg = 0;
};

const std::unordered_map<std::string_view, Keyword>& keywords()
{
    static const std::unordered_map<std::string_view, Keyword> table = [] {
        std::unordered_map<std::string_view, Keyword> t;
        const auto dest = [&](Dest d, std::initializer_list<std::string_view> words) {
            for (const auto w : words)
                t.emplace(w, Keyword{Op::Dest, int(d)});
        };
        dest(Dest::FontTable, {"fonttbl"});
        dest(Dest::ColorTable, {"colortbl"});
        // Destinations whose text a word processor does not show in the body of the document. Fields show
        // their \fldrslt; \listtext and \pntext (a list item's number or bullet) show as text.
        dest(Dest::Skip, {"stylesheet", "info", "generator", "userprops", "docvar", "template", "private"});
        dest(Dest::Skip, {"filetbl", "revtbl", "rsidtbl", "pgdsctbl", "themedata", "colorschememapping"});
        dest(Dest::Skip, {"latentstyles", "datastore", "xmlnstbl", "mmathPr", "protusertbl", "falt", "panose"});
        dest(Dest::Skip, {"fname", "title", "subject", "author", "operator", "keywords", "comment", "doccomm"});
        dest(Dest::Skip, {"company", "category", "manager"});
        dest(Dest::Skip, {"header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf"});
        dest(Dest::Skip, {"footnote", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn"});
        dest(Dest::Skip, {"annotation", "atnid", "atnauthor", "atndate", "atnref", "atnicn"});
        dest(Dest::Skip, {"pict", "object", "objdata", "result", "blipuid", "picprop", "do"});
        dest(Dest::Skip, {"shp", "shpinst", "shppict", "nonshppict", "sp", "sn", "sv"});
        dest(Dest::Skip, {"listtable", "listoverridetable", "listpicture", "pn"});
        dest(Dest::Skip, {"fldinst", "datafield", "formfield", "xe", "tc", "txe", "rxe", "bkmkstart", "bkmkend"});
        dest(Dest::Skip, {"fchars", "lchars", "ud"});
        const auto chr = [&](std::string_view w, char16_t c) { t.emplace(w, Keyword{Op::Char, c}); };
        chr("tab", u'\t');
        chr("line", 0x2028);
        chr("emdash", 0x2014);
        chr("endash", 0x2013);
        chr("bullet", 0x2022);
        chr("lquote", 0x2018);
        chr("rquote", 0x2019);
        chr("ldblquote", 0x201C);
        chr("rdblquote", 0x201D);
        chr("emspace", 0x2003);
        chr("enspace", 0x2002);
        chr("qmspace", 0x2005);
        chr("zwj", 0x200D);
        chr("zwnj", 0x200C);
        chr("ltrmark", 0x200E);
        chr("rtlmark", 0x200F);
        const auto op = [&](std::string_view w, Op o, int arg = 0) { t.emplace(w, Keyword{o, arg}); };
        op("par", Op::Par);
        op("page", Op::SoftBreak);
        op("sect", Op::SoftBreak);
        op("row", Op::SoftBreak);
        op("nestrow", Op::SoftBreak);
        op("cell", Op::Cell);
        op("nestcell", Op::Cell);
        op("pard", Op::Pard);
        op("plain", Op::Plain);
        op("b", Op::Bold);
        op("i", Op::Italic);
        op("strike", Op::Strike);
        op("striked", Op::Strike);
        op("v", Op::Hidden);
        op("ul", Op::Underline, QTextCharFormat::SingleUnderline);
        op("ulw", Op::Underline, QTextCharFormat::SingleUnderline);
        op("uldb", Op::Underline, QTextCharFormat::SingleUnderline);
        op("ulth", Op::Underline, QTextCharFormat::SingleUnderline);
        op("uld", Op::Underline, QTextCharFormat::DotLine);
        op("ulthd", Op::Underline, QTextCharFormat::DotLine);
        op("uldash", Op::Underline, QTextCharFormat::DashUnderline);
        op("ulthdash", Op::Underline, QTextCharFormat::DashUnderline);
        op("ulldash", Op::Underline, QTextCharFormat::DashUnderline);
        op("uldashd", Op::Underline, QTextCharFormat::DashDotLine);
        op("ulthdashd", Op::Underline, QTextCharFormat::DashDotLine);
        op("uldashdd", Op::Underline, QTextCharFormat::DashDotDotLine);
        op("ulthdashdd", Op::Underline, QTextCharFormat::DashDotDotLine);
        op("ulwave", Op::Underline, QTextCharFormat::WaveUnderline);
        op("ulhwave", Op::Underline, QTextCharFormat::WaveUnderline);
        op("ululdbwave", Op::Underline, QTextCharFormat::WaveUnderline);
        op("ulnone", Op::UnderlineNone);
        op("super", Op::Vertical, QTextCharFormat::AlignSuperScript);
        op("sub", Op::Vertical, QTextCharFormat::AlignSubScript);
        op("nosupersub", Op::Vertical, QTextCharFormat::AlignNormal);
        op("caps", Op::Caps, QFont::AllUppercase);
        op("scaps", Op::Caps, QFont::SmallCaps);
        op("fs", Op::FontSize);
        op("f", Op::Font);
        op("cf", Op::Foreground);
        op("cb", Op::Background);
        op("highlight", Op::Background);
        op("chcbpat", Op::Background);
        op("ql", Op::Align, int(Align::Left));
        op("qr", Op::Align, int(Align::Right));
        op("qc", Op::Align, int(Align::Center));
        op("qj", Op::Align, int(Align::Justify));
        op("li", Op::LeftIndent);
        op("ri", Op::RightIndent);
        op("fi", Op::FirstIndent);
        op("sb", Op::SpaceBefore);
        op("sa", Op::SpaceAfter);
        op("sl", Op::LineSpacing);
        op("slmult", Op::LineMultiple);
        op("mac", Op::CodePage, 10000);
        op("pc", Op::CodePage, 437);
        op("pca", Op::CodePage, 850);
        op("ansicpg", Op::AnsiCodePage);
        op("deff", Op::DefaultFont);
        op("uc", Op::UnicodeSkip);
        op("u", Op::Unicode);
        op("bin", Op::Bin);
        op("fcharset", Op::FontCharset);
        op("cpg", Op::FontCodePage);
        op("red", Op::Red);
        op("green", Op::Green);
        op("blue", Op::Blue);
        return t;
    }();
    return table;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Characters that never become text: control characters, and QTextDocument's own frame and object marks,
// which would change the document's structure.
bool isDropped(char16_t u)
{
    return (u < 0x20 && u != u'\t') || u == 0x7F || u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC;
}

int clampTwips(int twips)
{
    return std::clamp(twips, -kMaxTwips, kMaxTwips);
}

// One pass over the data: every byte is looked at a bounded number of times, and the document grows by at
// most a few characters per byte, so time and memory are linear in the size of the input.
class Reader
{
public:
    Reader(const QByteArray& data, QTextDocument* doc)
        : m_pos(data.constData()), m_end(data.constData() + data.size()), m_cursor(doc)
    {
        m_stack.reserve(kMaxDepth + 1);
        m_stack.emplace_back();
    }

    void run();

private:
    State& state() { return m_stack.back(); }

    void openGroup();
    void closeGroup();
    void controlSymbol(char c);
    void controlWord();
    void applyWord(const Keyword& kw, bool hasParam, int param);
    void textWord(const Keyword& kw, bool hasParam, int param);
    void textByte(char c);

    int codePage() const;
    const FontDef* font(int number) const;
    void flushBytes();
    void deliver(const QString& text);
    void appendText(const QString& text);
    void flushRun();
    void endParagraph();
    void finish();
    void commitFont();
    void commitColor();

    QTextCharFormat charFormat(const CharProps& p) const;
    static QTextBlockFormat blockFormat(const ParaProps& p);

    const char* m_pos;
    const char* m_end;
    std::vector<State> m_stack;
    int m_flatDepth = 0; // groups opened past kMaxDepth and not yet closed
    bool m_done = false;
    int m_unicodeSkipLeft = 0;

    int m_documentCodePage = kDefaultCodePage;
    int m_defaultFont = 0;
    QHash<int, FontDef> m_fonts;
    QList<QColor> m_colors;
    CodePageDecoder m_decoder;
    QByteArray m_bytes; // text bytes not yet decoded; consecutive \'hh may form one double-byte character

    // The font table entry being read.
    bool m_fontOpen = false;
    int m_fontNumber = 0;
    FontDef m_fontEntry;
    // The colour table entry being read.
    bool m_colorSet = false;
    int m_red = 0, m_green = 0, m_blue = 0;

    QTextCursor m_cursor;
    QString m_runText;
    CharProps m_runProps;
    ParaProps m_lastTextPara;
    bool m_paraHasText = false;
    bool m_blockPending = false; // a \par ended the last block; the next one is made when text follows
    bool m_cellPending = false;  // a \cell ended a cell; a tab separates it from the next one's text
};

void Reader::run()
{
    // Inside an edit block the cursor does not lay out the block after each insertion, which would make
    // loading a long paragraph quadratic.
    m_cursor.beginEditBlock();
    while (m_pos < m_end && !m_done) {
        const char c = *m_pos++;
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            if (m_pos < m_end && isLetter(*m_pos))
                controlWord();
            else if (m_pos < m_end)
                controlSymbol(*m_pos++);
            break;
        case '\r':
        case '\n':
            break;
        default:
            textByte(c);
        }
    }
    finish();
    m_cursor.endEditBlock();
}

void Reader::openGroup()
{
    flushBytes();
    m_unicodeSkipLeft = 0;
    if (int(m_stack.size()) > kMaxDepth) {
        ++m_flatDepth;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void Reader::closeGroup()
{
    flushBytes();
    m_unicodeSkipLeft = 0;
    if (m_flatDepth > 0) {
        --m_flatDepth;
        return;
    }
    if (m_stack.size() == 1)
        return; // a stray brace before any group
    if (state().dest == Dest::FontTable)
        commitFont();
    if (m_stack.size() == 2) {
        // The document's outermost group ends the document; anything after it is not RTF.
        m_done = true;
        return;
    }
    m_stack.pop_back();
}

void Reader::controlSymbol(char c)
{
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_end && hexValue(*m_pos) >= 0) {
            value = value * 16 + hexValue(*m_pos++);
            ++digits;
        }
        if (digits == 0)
            return;
        if (m_unicodeSkipLeft > 0) {
            --m_unicodeSkipLeft;
            return;
        }
        const Dest dest = state().dest;
        if (dest == Dest::Text || dest == Dest::FontTable)
            m_bytes.append(char(value));
        return;
    }
    flushBytes();
    if (m_unicodeSkipLeft > 0) {
        --m_unicodeSkipLeft;
        return;
    }
    switch (c) {
    case '*':
        state().dest = Dest::Skip;
        break;
    case '\\':
    case '{':
    case '}':
        deliver(QString(QLatin1Char(c)));
        break;
    case '~':
        deliver(QString(QChar(0x00A0)));
        break;
    case '-':
        deliver(QString(QChar(0x00AD)));
        break;
    case '_':
        deliver(QString(QChar(0x2011)));
        break;
    case '\r':
    case '\n':
        if (state().dest == Dest::Text)
            endParagraph();
        break;
    case '\t':
        deliver(QStringLiteral("\t"));
        break;
    default:
        break; // \| \: and unknown symbols
    }
}

void Reader::controlWord()
{
    char word[kMaxWordLength + 1];
    int length = 0;
    bool tooLong = false;
    while (m_pos < m_end && isLetter(*m_pos)) {
        if (length < kMaxWordLength)
            word[length++] = *m_pos;
        else
            tooLong = true;
        ++m_pos;
    }
    bool negative = false;
    if (m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParam = false;
    long long value = 0;
    int digits = 0;
    while (m_pos < m_end && isDigit(*m_pos)) {
        if (digits < kMaxDigits)
            value = value * 10 + (*m_pos - '0');
        ++digits;
        hasParam = true;
        ++m_pos;
    }
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    if (negative)
        value = -value;
    const int param = int(std::clamp<long long>(value, INT_MIN + 1, INT_MAX));

    flushBytes();
    const std::string_view name(word, length);
    if (name == "bin") {
        // Binary data is skipped wherever it is, so that its bytes are never read as RTF.
        const long long count = std::clamp<long long>(param, 0, m_end - m_pos);
        m_pos += count;
        if (m_unicodeSkipLeft > 0)
            --m_unicodeSkipLeft;
        return;
    }
    if (m_unicodeSkipLeft > 0) {
        --m_unicodeSkipLeft;
        return;
    }
    if (tooLong || state().dest == Dest::Skip)
        return;
    const auto& table = keywords();
    const auto it = table.find(name);
    if (it != table.end())
        applyWord(it->second, hasParam, param);
}

void Reader::applyWord(const Keyword& kw, bool hasParam, int param)
{
    State& s = state();
    switch (kw.op) {
    case Op::Dest:
        if (kw.arg == int(Dest::FontTable)) {
            m_fontOpen = false;
            m_fontEntry = FontDef();
        } else if (kw.arg == int(Dest::ColorTable)) {
            m_colorSet = false;
            m_red = m_green = m_blue = 0;
        }
        s.dest = Dest(kw.arg);
        return;
    case Op::UnicodeSkip:
        s.unicodeSkip = std::clamp(hasParam ? param : 1, 0, kMaxUnicodeSkip);
        return;
    case Op::Unicode: {
        // Parameters above 32767 are written as negative signed 16-bit numbers.
        const int unit = std::clamp(param, -32768, 65535);
        deliver(QString(QChar(char16_t(unit < 0 ? unit + 65536 : unit))));
        m_unicodeSkipLeft = s.unicodeSkip;
        return;
    }
    case Op::CodePage:
        m_documentCodePage = kw.arg;
        return;
    case Op::AnsiCodePage:
        if (param > 0)
            m_documentCodePage = param;
        return;
    case Op::DefaultFont:
        m_defaultFont = param;
        return;
    default:
        break;
    }

    switch (s.dest) {
    case Dest::FontTable:
        if (kw.op == Op::Font) {
            commitFont();
            m_fontOpen = true;
            m_fontNumber = param;
        } else if (kw.op == Op::FontCharset) {
            m_fontEntry.charset = param;
        } else if (kw.op == Op::FontCodePage) {
            m_fontEntry.codePage = param;
        }
        return;
    case Dest::ColorTable: {
        const int v = std::clamp(param, 0, 255);
        if (kw.op == Op::Red)
            m_red = v;
        else if (kw.op == Op::Green)
            m_green = v;
        else if (kw.op == Op::Blue)
            m_blue = v;
        else
            return;
        m_colorSet = true;
        return;
    }
    case Dest::Text:
        textWord(kw, hasParam, param);
        return;
    case Dest::Skip:
        return;
    }
}

void Reader::textWord(const Keyword& kw, bool hasParam, int param)
{
    State& s = state();
    CharProps& c = s.chr;
    ParaProps& p = s.para;
    const bool on = !hasParam || param != 0;
    switch (kw.op) {
    case Op::Char:
        deliver(QString(QChar(char16_t(kw.arg))));
        break;
    case Op::Par:
        m_cellPending = false;
        endParagraph();
        break;
    case Op::SoftBreak:
        // Page, section and row ends break the text where it has any; they never make an empty paragraph.
        m_cellPending = false;
        if (m_paraHasText)
            endParagraph();
        break;
    case Op::Cell:
        m_cellPending = true;
        break;
    case Op::Pard:
        p = ParaProps();
        break;
    case Op::Plain:
        c = CharProps();
        break;
    case Op::Bold:
        c.bold = on;
        break;
    case Op::Italic:
        c.italic = on;
        break;
    case Op::Strike:
        c.strike = on;
        break;
    case Op::Hidden:
        c.hidden = on;
        break;
    case Op::Underline:
        c.underline = on ? kw.arg : QTextCharFormat::NoUnderline;
        break;
    case Op::UnderlineNone:
        c.underline = QTextCharFormat::NoUnderline;
        break;
    case Op::Vertical:
        c.vertical = on ? kw.arg : QTextCharFormat::AlignNormal;
        break;
    case Op::Caps:
        c.caps = on ? kw.arg : QFont::MixedCase;
        break;
    case Op::FontSize:
        c.halfPoints = hasParam ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    case Op::Font:
        c.font = param;
        break;
    case Op::Foreground:
        c.foreground = std::max(param, 0);
        break;
    case Op::Background:
        c.background = std::max(param, 0);
        break;
    case Op::Align:
        p.align = Align(kw.arg);
        break;
    case Op::LeftIndent:
        p.left = clampTwips(param);
        break;
    case Op::RightIndent:
        p.right = clampTwips(param);
        break;
    case Op::FirstIndent:
        p.first = clampTwips(param);
        break;
    case Op::SpaceBefore:
        p.before = clampTwips(param);
        break;
    case Op::SpaceAfter:
        p.after = clampTwips(param);
        break;
    case Op::LineSpacing:
        p.lineSpacing = clampTwips(param);
        break;
    case Op::LineMultiple:
        p.lineMultiple = on;
        break;
    default:
        break;
    }
}

void Reader::textByte(char c)
{
    if (m_unicodeSkipLeft > 0) {
        --m_unicodeSkipLeft;
        return;
    }
    switch (state().dest) {
    case Dest::Text:
        m_bytes.append(c);
        break;
    case Dest::FontTable:
        if (c == ';')
            commitFont();
        else
            m_bytes.append(c);
        break;
    case Dest::ColorTable:
        if (c == ';')
            commitColor();
        break;
    case Dest::Skip:
        break;
    }
}

const FontDef* Reader::font(int number) const
{
    const auto it = m_fonts.constFind(number);
    return it == m_fonts.constEnd() ? nullptr : &it.value();
}

int Reader::codePage() const
{
    const State& s = m_stack.back();
    const FontDef* def = nullptr;
    if (s.dest == Dest::FontTable)
        def = m_fontOpen ? &m_fontEntry : nullptr;
    else
        def = font(s.chr.font >= 0 ? s.chr.font : m_defaultFont);
    if (!def)
        return m_documentCodePage;
    if (def->codePage > 0)
        return def->codePage;
    return codePageForCharset(def->charset, m_documentCodePage);
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const QString text = m_decoder.decode(codePage(), m_bytes);
    m_bytes.clear();
    deliver(text);
}

void Reader::deliver(const QString& text)
{
    switch (state().dest) {
    case Dest::Text:
        appendText(text);
        break;
    case Dest::FontTable:
        if (!m_fontOpen)
            break;
        for (const QChar ch : text) {
            const char16_t u = ch.unicode();
            if (m_fontEntry.name.size() < kMaxFontNameLength && !isDropped(u) && u != u'\t' && u != 0x2028 &&
                u != 0x2029)
                m_fontEntry.name += ch;
        }
        break;
    default:
        break;
    }
}

void Reader::appendText(const QString& text)
{
    const State& s = state();
    if (s.chr.hidden)
        return;
    QString clean;
    clean.reserve(text.size() + 1);
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (isDropped(u))
            continue;
        if (u == 0x2029) {
            appendText(clean);
            clean.clear();
            endParagraph();
            continue;
        }
        if (m_cellPending) {
            m_cellPending = false;
            clean += u'\t';
        }
        clean += ch;
    }
    if (clean.isEmpty())
        return;
    if (m_blockPending) {
        m_cursor.insertBlock();
        m_blockPending = false;
    }
    if (s.chr != m_runProps) {
        flushRun();
        m_runProps = s.chr;
    }
    m_runText += clean;
    m_paraHasText = true;
    m_lastTextPara = s.para;
}

void Reader::flushRun()
{
    if (m_runText.isEmpty())
        return;
    m_cursor.insertText(m_runText, charFormat(m_runProps));
    m_runText.clear();
}

void Reader::endParagraph()
{
    if (m_blockPending)
        m_cursor.insertBlock();
    flushRun();
    m_cursor.setBlockFormat(blockFormat(state().para));
    m_blockPending = true;
    m_paraHasText = false;
}

void Reader::finish()
{
    flushBytes();
    flushRun();
    // A last \par with nothing after it ends the last paragraph; it does not open an empty one.
    if (!m_blockPending)
        m_cursor.setBlockFormat(blockFormat(m_paraHasText ? m_lastTextPara : state().para));
}

void Reader::commitFont()
{
    flushBytes();
    if (m_fontOpen) {
        m_fontEntry.name = m_fontEntry.name.trimmed();
        m_fonts.insert(m_fontNumber, m_fontEntry);
    }
    m_fontOpen = false;
    m_fontEntry = FontDef();
}

void Reader::commitColor()
{
    // An entry without components is "auto": the text keeps the default colour.
    m_colors.append(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
    m_colorSet = false;
    m_red = m_green = m_blue = 0;
}

QTextCharFormat Reader::charFormat(const CharProps& p) const
{
    QTextCharFormat f;
    f.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(p.italic);
    f.setFontStrikeOut(p.strike);
    f.setUnderlineStyle(QTextCharFormat::UnderlineStyle(p.underline));
    f.setFontPointSize(p.halfPoints / 2.0);
    if (p.vertical != QTextCharFormat::AlignNormal)
        f.setVerticalAlignment(QTextCharFormat::VerticalAlignment(p.vertical));
    if (p.caps != QFont::MixedCase)
        f.setFontCapitalization(QFont::Capitalization(p.caps));
    if (const FontDef* def = font(p.font >= 0 ? p.font : m_defaultFont); def && !def->name.isEmpty())
        f.setFontFamilies({def->name});
    if (p.foreground < m_colors.size() && m_colors.at(p.foreground).isValid())
        f.setForeground(m_colors.at(p.foreground));
    if (p.background < m_colors.size() && m_colors.at(p.background).isValid())
        f.setBackground(m_colors.at(p.background));
    return f;
}

QTextBlockFormat Reader::blockFormat(const ParaProps& p)
{
    QTextBlockFormat f;
    switch (p.align) {
    case Align::Left:
        break;
    case Align::Right:
        f.setAlignment(Qt::AlignRight);
        break;
    case Align::Center:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case Align::Justify:
        f.setAlignment(Qt::AlignJustify);
        break;
    }
    if (p.left != 0)
        f.setLeftMargin(p.left / kTwipsPerPixel);
    if (p.right != 0)
        f.setRightMargin(p.right / kTwipsPerPixel);
    if (p.first != 0)
        f.setTextIndent(p.first / kTwipsPerPixel);
    if (p.before != 0)
        f.setTopMargin(p.before / kTwipsPerPixel);
    if (p.after != 0)
        f.setBottomMargin(p.after / kTwipsPerPixel);
    if (p.lineSpacing != 0) {
        // \sl: positive "at least", negative "exactly"; with \slmult1 a multiple of single spacing.
        if (p.lineMultiple)
            f.setLineHeight(std::abs(p.lineSpacing) * 100.0 / kSingleLineTwips, QTextBlockFormat::ProportionalHeight);
        else if (p.lineSpacing > 0)
            f.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(-p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    }
    return f;
}

} // namespace

void read(const QByteArray& data, QTextDocument* doc)
{
    if (!doc)
        return;
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    {
        Reader reader(data, doc);
        reader.run();
    }
    doc->setUndoRedoEnabled(undo);
}

} // namespace rtf

#include "Rtf.h"

#include "RtfUnits.h"
#include "platform/Cp1251.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cmath>

namespace rtf {
namespace {

using namespace detail;

// The effective character format of a fragment: its own properties over the document's default font.
struct RunFormat
{
    QString family;
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    QFont::Capitalization caps = QFont::MixedCase;
    QColor foreground;
    QColor background;
};

int halfPointsOf(const QFont& font)
{
    if (font.pointSizeF() > 0)
        return int(std::lround(font.pointSizeF() * 2));
    if (font.pixelSize() > 0)
        return int(std::lround(font.pixelSize() * 72.0 / 96.0 * 2));
    return kDefaultHalfPoints;
}

RunFormat runFormat(const QTextCharFormat& f, const QFont& defaultFont)
{
    RunFormat r;
    const QStringList families = f.fontFamilies().toStringList();
    r.family = families.isEmpty() || families.first().isEmpty() ? defaultFont.family() : families.first();
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0)
        r.halfPoints = int(std::lround(f.fontPointSize() * 2));
    else if (f.hasProperty(QTextFormat::FontPixelSize) && f.intProperty(QTextFormat::FontPixelSize) > 0)
        r.halfPoints = int(std::lround(f.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0 * 2));
    else
        r.halfPoints = halfPointsOf(defaultFont);
    r.halfPoints = std::clamp(r.halfPoints, kMinHalfPoints, kMaxHalfPoints);
    const int weight = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : defaultFont.weight();
    r.bold = weight >= QFont::DemiBold;
    r.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : defaultFont.italic();
    r.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : defaultFont.strikeOut();
    if (f.hasProperty(QTextFormat::TextUnderlineStyle))
        r.underline = f.underlineStyle();
    else if (defaultFont.underline())
        r.underline = QTextCharFormat::SingleUnderline;
    r.vertical = f.verticalAlignment();
    r.caps = f.hasProperty(QTextFormat::FontCapitalization) ? f.fontCapitalization() : defaultFont.capitalization();
    if (f.foreground().style() != Qt::NoBrush)
        r.foreground = f.foreground().color();
    if (f.background().style() != Qt::NoBrush)
        r.background = f.background().color();
    return r;
}

const char* underlineWord(QTextCharFormat::UnderlineStyle style)
{
    switch (style) {
    case QTextCharFormat::SingleUnderline:
        return "\\ul";
    case QTextCharFormat::DashUnderline:
        return "\\uldash";
    case QTextCharFormat::DotLine:
        return "\\uld";
    case QTextCharFormat::DashDotLine:
        return "\\uldashd";
    case QTextCharFormat::DashDotDotLine:
        return "\\uldashdd";
    case QTextCharFormat::WaveUnderline:
        return "\\ulwave";
    default:
        return nullptr; // no underline; a spell-check mark is not part of the text
    }
}

int toTwips(qreal pixels)
{
    return std::clamp(int(std::lround(pixels * kTwipsPerPixel)), -kMaxTwips, kMaxTwips);
}

// True when c goes out as a Windows-1251 byte \'hh.
bool needsCodePage(QChar c)
{
    const int b = c.unicode() >= 0x80 ? cp1251::fromUnicode(c) : -1;
    return b >= 0x80 && b != 0x98;
}

class Writer
{
public:
    explicit Writer(const QTextDocument* doc) : m_doc(doc), m_defaultFont(doc->defaultFont()) {}

    QByteArray run();

private:
    void collectTables();
    int fontIndex(const QString& family) const { return m_fontIndex.value(family); }
    int colorIndex(const QColor& color) const { return m_colorIndex.value(color.rgb()); }
    // Both return whether they wrote any character.
    bool writeParagraph(const QTextBlock& block);
    bool writeText(const QString& text);

    const QTextDocument* m_doc;
    QFont m_defaultFont;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<bool> m_fontCyrillic;
    QList<QColor> m_colors;
    QHash<QRgb, int> m_colorIndex;
    QByteArray m_out;
};

void Writer::collectTables()
{
    const auto addFont = [this](const QString& family) {
        if (!m_fontIndex.contains(family)) {
            m_fontIndex.insert(family, int(m_fonts.size()));
            m_fonts.append(family);
            m_fontCyrillic.append(std::any_of(family.begin(), family.end(), needsCodePage));
        }
        return m_fontIndex.value(family);
    };
    const auto addColor = [this](const QColor& color) {
        if (color.isValid() && !m_colorIndex.contains(color.rgb())) {
            m_colorIndex.insert(color.rgb(), int(m_colors.size()) + 1);
            m_colors.append(color);
        }
    };
    addFont(m_defaultFont.family());
    for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const RunFormat r = runFormat(fragment.charFormat(), m_defaultFont);
            const int index = addFont(r.family);
            // A font that carries code-page bytes must declare the Cyrillic character set, so that other word
            // processors read its \'hh bytes as Windows-1251.
            if (!m_fontCyrillic[index]) {
                const QString text = fragment.text();
                m_fontCyrillic[index] = std::any_of(text.begin(), text.end(), needsCodePage);
            }
            addColor(r.foreground);
            addColor(r.background);
        }
    }
}

QByteArray Writer::run()
{
    collectTables();
    m_out += "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\r\n{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + (m_fontCyrillic[i] ? "204 " : "0 ");
        QString name = m_fonts[i];
        name.remove(u';');
        writeText(name);
        m_out += ";}";
    }
    m_out += "}\r\n{\\colortbl;";
    for (const QColor& c : std::as_const(m_colors)) {
        m_out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
                 QByteArray::number(c.blue()) + ';';
    }
    m_out += "}\r\n";
    for (QTextBlock block = m_doc->begin(); block.isValid(); block = block.next()) {
        const bool wrote = writeParagraph(block);
        // \par ends every paragraph but the last; a last paragraph that is empty gets its own \par, since
        // readers let a final \par end the paragraph before it rather than open an empty one.
        if (block.next().isValid() || !wrote)
            m_out += "\\par\r\n";
    }
    m_out += "}\r\n";
    return m_out;
}

bool Writer::writeParagraph(const QTextBlock& block)
{
    bool wrote = false;
    const QTextBlockFormat f = block.blockFormat();
    m_out += "\\pard";
    const Qt::Alignment align = f.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignRight)
        m_out += "\\qr";
    else if (align & Qt::AlignHCenter)
        m_out += "\\qc";
    else if (align & Qt::AlignJustify)
        m_out += "\\qj";
    const auto length = [this](const char* word, qreal pixels) {
        if (const int twips = toTwips(pixels))
            m_out += word + QByteArray::number(twips);
    };
    length("\\li", f.leftMargin() + f.indent() * m_doc->indentWidth());
    length("\\ri", f.rightMargin());
    length("\\fi", f.textIndent());
    length("\\sb", f.topMargin());
    length("\\sa", f.bottomMargin());
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        m_out += "\\sl" + QByteArray::number(std::lround(f.lineHeight() * kSingleLineTwips / 100.0)) + "\\slmult1";
        break;
    case QTextBlockFormat::FixedHeight:
        m_out += "\\sl" + QByteArray::number(-toTwips(f.lineHeight())) + "\\slmult0";
        break;
    case QTextBlockFormat::MinimumHeight:
        m_out += "\\sl" + QByteArray::number(toTwips(f.lineHeight())) + "\\slmult0";
        break;
    default:
        break; // single spacing; a distance between lines has no RTF form
    }
    m_out += ' ';

    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const RunFormat r = runFormat(fragment.charFormat(), m_defaultFont);
        m_out += "{\\f" + QByteArray::number(fontIndex(r.family)) + "\\fs" + QByteArray::number(r.halfPoints);
        if (r.bold)
            m_out += "\\b";
        if (r.italic)
            m_out += "\\i";
        if (const char* word = underlineWord(r.underline))
            m_out += word;
        if (r.strike)
            m_out += "\\strike";
        if (r.vertical == QTextCharFormat::AlignSuperScript)
            m_out += "\\super";
        else if (r.vertical == QTextCharFormat::AlignSubScript)
            m_out += "\\sub";
        if (r.caps == QFont::AllUppercase)
            m_out += "\\caps";
        else if (r.caps == QFont::SmallCaps)
            m_out += "\\scaps";
        if (r.foreground.isValid())
            m_out += "\\cf" + QByteArray::number(colorIndex(r.foreground));
        if (r.background.isValid())
            m_out += "\\highlight" + QByteArray::number(colorIndex(r.background));
        m_out += ' ';
        wrote |= writeText(fragment.text());
        m_out += '}';
    }
    return wrote;
}

bool Writer::writeText(const QString& text)
{
    const qsizetype start = m_out.size();
    static const char kHex[] = "0123456789abcdef";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            m_out += '\\';
            m_out += char(u);
        } else if (u >= 0x20 && u < 0x7F) {
            m_out += char(u);
        } else if (u == u'\t') {
            m_out += "\\tab ";
        } else if (u == 0x2028) {
            m_out += "\\line ";
        } else if (u == 0x2029) {
            m_out += "\\par ";
        } else if (u == 0x00A0) {
            m_out += "\\~";
        } else if (u == 0x00AD) {
            m_out += "\\-";
        } else if (u == 0x2011) {
            m_out += "\\_";
        } else if (u < 0x20 || u == 0x7F || u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC) {
            // control characters and QTextDocument's frame and object marks are not text
        } else if (needsCodePage(c)) {
            const int b = cp1251::fromUnicode(c);
            m_out += "\\'";
            m_out += kHex[b >> 4];
            m_out += kHex[b & 0xF];
        } else {
            // \u takes a signed 16-bit number; one '?' stands in for readers without Unicode.
            m_out += "\\u" + QByteArray::number(int(qint16(u))) + '?';
        }
    }
    return m_out.size() > start;
}

} // namespace

QByteArray write(const QTextDocument* doc)
{
    if (!doc)
        return QByteArray("{\\rtf1\\ansi\\ansicpg1251\\deff0 }");
    return Writer(doc).run();
}

} // namespace rtf

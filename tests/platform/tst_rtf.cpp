#include "platform/rtf/Rtf.h"

#include "TestPaths.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>

namespace {

// Blocks joined by '\n'; line separators, tabs and no-break spaces stay as they are.
QString textOf(const QTextDocument& doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(u'\n');
}

QString number(qreal v)
{
    return QString::number(v, 'g', 6);
}

// The effective character format as a short string: family (when not the document's default), size in points,
// then b i u s, vertical alignment, capitals and colours.
QString describeChar(const QTextCharFormat& f, const QFont& def)
{
    QStringList parts;
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && families.first() != def.family())
        parts << families.first();
    if (f.hasProperty(QTextFormat::FontPointSize))
        parts << number(f.fontPointSize());
    else if (f.hasProperty(QTextFormat::FontPixelSize))
        parts << number(f.intProperty(QTextFormat::FontPixelSize) * 0.75);
    else
        parts << number(def.pointSizeF());
    if ((f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : def.weight()) >= QFont::DemiBold)
        parts << "b";
    if (f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : def.italic())
        parts << "i";
    switch (f.underlineStyle()) {
    case QTextCharFormat::NoUnderline:
        break;
    case QTextCharFormat::WaveUnderline:
        parts << "u:wave";
        break;
    case QTextCharFormat::DotLine:
        parts << "u:dot";
        break;
    case QTextCharFormat::DashUnderline:
        parts << "u:dash";
        break;
    default:
        parts << "u";
    }
    if (f.fontStrikeOut())
        parts << "s";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        parts << "sup";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        parts << "sub";
    if (f.fontCapitalization() == QFont::AllUppercase)
        parts << "caps";
    if (f.foreground().style() != Qt::NoBrush)
        parts << "fg=" + f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush)
        parts << "bg=" + f.background().color().name();
    return parts.join(u' ');
}

// Alignment, then the lengths that are set, in pixels, and the line height.
QString describeBlock(const QTextBlockFormat& f)
{
    QStringList parts;
    const Qt::Alignment a = f.alignment();
    parts << (a & Qt::AlignRight     ? "right"
              : a & Qt::AlignHCenter ? "center"
              : a & Qt::AlignJustify ? "justify"
                                     : "left");
    const auto length = [&](const char* name, qreal v) {
        if (v != 0)
            parts << QString::fromLatin1(name) + '=' + number(v);
    };
    length("li", f.leftMargin());
    length("ri", f.rightMargin());
    length("fi", f.textIndent());
    length("sb", f.topMargin());
    length("sa", f.bottomMargin());
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        parts << "lh=" + number(f.lineHeight()) + '%';
        break;
    case QTextBlockFormat::FixedHeight:
        parts << "lh=" + number(f.lineHeight()) + "px";
        break;
    case QTextBlockFormat::MinimumHeight:
        parts << "lh>=" + number(f.lineHeight()) + "px";
        break;
    default:
        break;
    }
    return parts.join(u' ');
}

// One line per block: its format, then its text in runs of equal character format.
QStringList describeDocument(const QTextDocument& doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString line = describeBlock(b.blockFormat()) + ':';
        QString runText;
        QString runFormat;
        const auto endRun = [&] {
            if (!runText.isEmpty())
                line += " [" + runText + "]{" + runFormat + '}';
            runText.clear();
        };
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString format = describeChar(it.fragment().charFormat(), doc.defaultFont());
            if (format != runFormat)
                endRun();
            runFormat = format;
            runText += it.fragment().text();
        }
        endRun();
        lines << line;
    }
    return lines;
}

// The format of the first fragment that holds probe.
QString formatAt(const QTextDocument& doc, const QString& probe)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(probe))
                return describeChar(it.fragment().charFormat(), doc.defaultFont());
        }
    }
    return "<not found: " + probe + '>';
}

QStringList blockFormats(const QTextDocument& doc)
{
    QStringList formats;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        formats << describeBlock(b.blockFormat());
    return formats;
}

// Balanced braces, escapes taken into account, and nothing but 7-bit bytes.
bool isWellFormed(const QByteArray& rtf)
{
    int depth = 0;
    for (int i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
        if (c == '\\')
            ++i;
        else if (c == '{')
            ++depth;
        else if (c == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

const QByteArray kFormatHead = R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
                               R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void beginsAsRtf_data();
    void beginsAsRtf();
    void readText_data();
    void readText();
    void readOtherCodePages_data();
    void readOtherCodePages();
    void readCharFormat_data();
    void readCharFormat();
    void readBlockFormat_data();
    void readBlockFormat();
    void readHangingIndentLinesTextUp();
    void readOfficeFixture();
    void readReplacesContent();
    void roundTrip_data();
    void roundTrip();
    void writeOutput_data();
    void writeOutput();
    void brokenInput_data();
    void brokenInput();
};

void TestRtf::beginsAsRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("expected");
    QTest::addRow("rtf1") << QByteArray(R"({\rtf1\ansi x})") << true;
    QTest::addRow("bare prefix") << QByteArray(R"({\rtf)") << true;
    QTest::addRow("leading blank") << QByteArray(R"( {\rtf1})") << false;
    QTest::addRow("upper case") << QByteArray(R"({\RTF1})") << false;
    QTest::addRow("short") << QByteArray(R"({\rt)") << false;
    QTest::addRow("plain text") << QByteArray("rtf text") << false;
    QTest::addRow("empty") << QByteArray() << false;
}

void TestRtf::beginsAsRtf()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, expected);
    QCOMPARE(rtf::beginsAsRtf(data), expected);
}

void TestRtf::readText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::addRow("ascii") << QByteArray(R"({\rtf1\ansi Hello, world.})") << "Hello, world.";
    QTest::addRow("cp1251 hex by ansicpg")
        << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})") << u"Привет"_qs;
    QTest::addRow("cp1251 raw bytes") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0\xe8}") << u"При"_qs;
    QTest::addRow("fcharset204 in a cp1252 document")
        << QByteArray(R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fcharset204 Arial;}{\f1\fcharset0 Times;}})"
                      R"(\f0 \'cf\'f0\'e8 \f1 \'e0})")
        << u"При à"_qs;
    QTest::addRow("default font's charset") << QByteArray(R"({\rtf1\ansi\ansicpg1252\deff1)"
                                                          R"({\fonttbl{\f0 Arial;}{\f1\fcharset204 Times;}}\'e0})")
                                            << u"а"_qs;
    QTest::addRow("no ansicpg reads cp1251") << QByteArray(R"({\rtf1\ansi \'e0\'e1})") << u"аб"_qs;
    QTest::addRow("unicode skips one fallback") << QByteArray(R"({\rtf1 \u1055?\u1088?\u1080\'3f})") << u"При"_qs;
    QTest::addRow("uc0 has no fallback") << QByteArray(R"({\rtf1\uc0\u1055\u1088 x})") << u"Прx"_qs;
    QTest::addRow("uc2 skips two") << QByteArray(R"({\rtf1\uc2\u1055\'cf\'cf\u1088??x})") << u"Прx"_qs;
    QTest::addRow("uc belongs to its group") << QByteArray(R"({\rtf1{\uc2\u1055??}\u1088?x})") << u"Прx"_qs;
    QTest::addRow("fallback ends at a brace") << QByteArray(R"({\rtf1\uc3{\u1055?}x})") << u"Пx"_qs;
    QTest::addRow("fallback counts control words")
        << QByteArray(R"({\rtf1\u1055\'3f x\u1088\endash y})") << u"П xрy"_qs;
    QTest::addRow("negative unicode is UTF-16") << QByteArray(R"({\rtf1 \u-10179?\u-8704?\u8364?})") << u"😀€"_qs;
    QTest::addRow("control symbols") << QByteArray(R"({\rtf1 a\~b\-c\_d\{\}\\})") << u"a\u00A0b\u00ADc\u2011d{}\\"_qs;
    QTest::addRow("typographic words") << QByteArray(
                                              R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})")
                                       << u"—–•‘’“”"_qs;
    QTest::addRow("paragraph, line, tab")
        << QByteArray(R"({\rtf1 one\par two\line three\tab four})") << u"one\ntwo\u2028three\tfour"_qs;
    QTest::addRow("final par ends the last paragraph") << QByteArray(R"({\rtf1 one\par two\par })") << "one\ntwo";
    QTest::addRow("empty paragraphs stay") << QByteArray(R"({\rtf1 one\par\par two\par\par})") << "one\n\ntwo\n";
    QTest::addRow("line ends in the source") << QByteArray("{\\rtf1 on\r\ne\\\ntwo}") << "one\ntwo";
    QTest::addRow("skipped destinations")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}})"
                      R"({\info{\title T}}{\*\generator G;}{\header H}{\footerr F}{\*\unknown U}{\pict\pngblip 8950})"
                      R"({\object{\objdata 01}{\result R}}{\footnote N}text})")
        << "text";
    QTest::addRow("fields show their result")
        << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}} and {\field{\fldinst PAGE})"
                      R"({\fldrslt 3}}})")
        << "link and 3";
    QTest::addRow("list text shows, list definitions do not")
        << QByteArray(R"({\rtf1{\*\listtable{\list{\listlevel{\leveltext \'01\u8226 ?;}}}})"
                      R"({\listoverridetable{\listoverride\ls1}}{\listtext\'95\tab}item\par)"
                      R"({\pn\pnlvlblt{\pntxtb \'b7}}{\pntext 1.\tab}second})")
        << u"•\titem\n1.\tsecond"_qs;
    QTest::addRow("bin data skipped") << QByteArray(R"({\rtf1 a{\pict\bin4 }}{x}b\bin2 {}c})") << "abc";
    QTest::addRow("unknown words ignored") << QByteArray(R"({\rtf1\foo\bar12 x\baz-3 y})") << "xy";
    QTest::addRow("hidden text") << QByteArray(R"({\rtf1 a{\v hidden}b\v c\v0 d})") << "abd";
    QTest::addRow("table cells") << QByteArray(R"({\rtf1\trowd\cellx1000\cellx2000\intbl A\cell B\cell\row)"
                                               R"(\intbl C\cell D\cell\row after})")
                                 << "A\tB\nC\tD\nafter";
    QTest::addRow("page and section breaks")
        << QByteArray(R"({\rtf1 one\page two\par\sect three})") << "one\ntwo\nthree";
    QTest::addRow("text after the document") << QByteArray(R"({\rtf1 a}b)") << "a";
}

void TestRtf::readText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument doc;
    rtf::read(rtf, &doc);
    QCOMPARE(textOf(doc), expected);
}

void TestRtf::readOtherCodePages_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QByteArray>("decoder");
    QTest::addColumn<QString>("expected");
    QTest::addRow("ansicpg1252") << QByteArray(R"({\rtf1\ansi\ansicpg1252 \'80\'e0})") << QByteArray("windows-1252")
                                 << u"€à"_qs;
    QTest::addRow("fcharset238") << QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset238 A;}}\f0\'b9})")
                                 << QByteArray("windows-1250") << u"ą"_qs;
    QTest::addRow("ansicpg1253") << QByteArray(R"({\rtf1\ansi\ansicpg1253 \'e1})") << QByteArray("windows-1253")
                                 << u"α"_qs;
    QTest::addRow("mac") << QByteArray(R"({\rtf1\mac \'8a})") << QByteArray("macintosh") << u"ä"_qs;
    QTest::addRow("shift-jis double bytes")
        << QByteArray(R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0\'82\'a0\'82\'a2})")
        << QByteArray("Shift_JIS") << u"あい"_qs;
}

void TestRtf::readOtherCodePages()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QByteArray, decoder);
    QFETCH(QString, expected);
    if (!QStringDecoder(decoder.constData()).isValid())
        QSKIP("Qt has no decoder for this code page here");
    QTextDocument doc;
    rtf::read(rtf, &doc);
    QCOMPARE(textOf(doc), expected);
}

void TestRtf::readCharFormat_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");
    QTest::addRow("default") << QByteArray("x") << "Arial 12";
    QTest::addRow("bold") << QByteArray(R"({\b x})") << "Arial 12 b";
    QTest::addRow("bold off") << QByteArray(R"(\b a\b0 x)") << "Arial 12";
    QTest::addRow("italic") << QByteArray(R"(\i x)") << "Arial 12 i";
    QTest::addRow("underline") << QByteArray(R"(\ul x)") << "Arial 12 u";
    QTest::addRow("ulnone") << QByteArray(R"(\ul a\ulnone x)") << "Arial 12";
    QTest::addRow("ul0") << QByteArray(R"(\ul a\ul0 x)") << "Arial 12";
    QTest::addRow("wave underline") << QByteArray(R"(\ulwave x)") << "Arial 12 u:wave";
    QTest::addRow("strike") << QByteArray(R"(\strike x)") << "Arial 12 s";
    QTest::addRow("superscript") << QByteArray(R"(\super x)") << "Arial 12 sup";
    QTest::addRow("size in half-points") << QByteArray(R"(\fs21 x)") << "Arial 10.5";
    QTest::addRow("size clamped") << QByteArray(R"(\fs99999 x)") << "Arial 1638";
    QTest::addRow("font") << QByteArray(R"(\f1 x)") << "Times New Roman 12";
    QTest::addRow("unknown font") << QByteArray(R"(\f7 x)") << "12";
    QTest::addRow("colour") << QByteArray(R"(\cf1 x)") << "Arial 12 fg=#ff0000";
    QTest::addRow("auto colour") << QByteArray(R"(\cf1 a\cf0 x)") << "Arial 12";
    QTest::addRow("colour out of range") << QByteArray(R"(\cf99 x)") << "Arial 12";
    QTest::addRow("highlight") << QByteArray(R"(\highlight2 x)") << "Arial 12 bg=#0000ff";
    QTest::addRow("cb") << QByteArray(R"(\cb1 x)") << "Arial 12 bg=#ff0000";
    QTest::addRow("group restores") << QByteArray(R"({\b\i\cf1 a}x)") << "Arial 12";
    QTest::addRow("plain resets") << QByteArray(R"(\b\i\ul\strike\fs40\f1\cf1\cb2 a\plain x)") << "Arial 12";
    QTest::addRow("all at once") << QByteArray(R"(\f1\fs28\b\i\ul\strike\cf2\highlight1 x)")
                                 << "Times New Roman 14 b i u s fg=#0000ff bg=#ff0000";
}

void TestRtf::readCharFormat()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    QTextDocument doc;
    rtf::read(kFormatHead + body + '}', &doc);
    QCOMPARE(formatAt(doc, "x"), expected);
}

void TestRtf::readBlockFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("alignments last until pard") << QByteArray(R"({\rtf1\qc a\par\qr b\par\qj c\par d\par\pard e})")
                                                << QStringList{"center", "right", "justify", "justify", "left"};
    QTest::addRow("indents and spacing in twips") << QByteArray(R"({\rtf1\li300\ri150\fi-150\sb120\sa240 a})")
                                                  << QStringList{"left li=20 ri=10 fi=-10 sb=8 sa=16"};
    QTest::addRow("line spacing") << QByteArray(R"({\rtf1\sl360\slmult1 a\par\pard\sl300\slmult0 b\par)"
                                                R"(\pard\sl-300\slmult0 c\par\pard\sl0 d})")
                                  << QStringList{"left lh=150%", "left lh>=20px", "left lh=20px", "left"};
    QTest::addRow("format at the paragraph's end")
        << QByteArray(R"({\rtf1 a\qc\par\pard b})") << QStringList{"center", "left"};
    QTest::addRow("pard inside a group") << QByteArray(R"({\rtf1{\qc a\par}b})") << QStringList{"center", "left"};
    QTest::addRow("last paragraph without par")
        << QByteArray(R"({\rtf1 a\par{\qr b}})") << QStringList{"left", "right"};
    QTest::addRow("lengths clamped") << QByteArray(R"({\rtf1\li99999999\fi-99999999 a})")
                                     << QStringList{"left li=2112 fi=-2112"};
}

void TestRtf::readBlockFormat()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, expected);
    QTextDocument doc;
    rtf::read(rtf, &doc);
    QCOMPARE(blockFormats(doc), expected);
}

// The text after a bullet and a tab starts at the left indent, where the wrapped lines below it start.
void TestRtf::readHangingIndentLinesTextUp()
{
    QTextDocument doc;
    rtf::read(R"({\rtf1\pard\fi-280\li560 \bullet\tab Item})", &doc);
    doc.setTextWidth(600);
    doc.documentLayout()->documentSize(); // lays the document out
    const QTextBlock block = doc.begin();
    const QTextLine line = block.layout()->lineAt(0);
    QVERIFY(line.isValid());
    const qreal textX = line.cursorToX(2);
    QCOMPARE(qRound(textX), qRound(block.blockFormat().leftMargin()));
}

void TestRtf::readOfficeFixture()
{
    QFile file(QOR_TEST_DATA_DIR "/rtf/office-sample.rtf");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QVERIFY(rtf::beginsAsRtf(data));
    QTextDocument doc;
    rtf::read(data, &doc);
    QCOMPARE(textOf(doc), u"Быстрое чтение\n"
                          "Первый абзац: жирный, курсив, подчёркнутый текст. Mixed English words here.\n"
                          "Красный абзац по центру.\n"
                          "Третий абзац с символами: «ёлки», — тире, № 5, € евро, ✓ галочка.\n"
                          "•\tПункт один\n"
                          "•\tПункт два"_qs);
    QCOMPARE(formatAt(doc, u"Быстрое"_qs), "Liberation Sans Unicode MS 24 b");
    QCOMPARE(formatAt(doc, u"Первый"_qs), "DejaVu Serif 12");
    QCOMPARE(formatAt(doc, u"жирный"_qs), "DejaVu Serif 12 b");
    QCOMPARE(formatAt(doc, u"курсив"_qs), "DejaVu Serif 12 i");
    QCOMPARE(formatAt(doc, u"подчёркнутый"_qs), "DejaVu Serif 12 u");
    QCOMPARE(formatAt(doc, u"Красный"_qs), "DejaVu Serif 12 fg=#cc0000");
    QCOMPARE(blockFormats(doc),
             QStringList({"left sb=16 sa=18.8667", "left sa=18.8667", "center sa=18.8667", "left sa=18.8667",
                          "left li=47.2667 fi=-18.8667", "left li=47.2667 fi=-18.8667 sa=18.8667"}));
}

void TestRtf::readReplacesContent()
{
    QTextDocument doc;
    doc.setPlainText("old\ntext\nhere");
    rtf::read(R"({\rtf1 new})", &doc);
    QCOMPARE(textOf(doc), "new");
    QCOMPARE(doc.blockCount(), 1);
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(!doc.isUndoAvailable());
}

void TestRtf::roundTrip_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("html");

    QTest::addRow("empty") << QString() << false;
    QTest::addRow("one empty line") << "\n" << false;
    QTest::addRow("empty paragraphs") << "a\n\nb\n" << false;
    QTest::addRow("latin") << "Hello, world. 0123456789 ~!@#$%^&*()_+" << false;
    QTest::addRow("cyrillic") << u"Съешь же ещё этих мягких французских булок, да выпей чаю. ЁёЇїЎў"_qs << false;
    QTest::addRow("beyond cp1251") << u"中文 😀 ą α ✓ € « » — № \u0098"_qs << false;
    QTest::addRow("rtf specials") << "a\\b{c}d\\par{}" << false;
    QTest::addRow("tabs, line breaks, special spaces") << u"a\tb\u2028c\u00A0d\u00ADe\u2011f"_qs << false;
    QTest::addRow("character formats")
        << "<p><b>bold</b> <i>italic</i> <u>under</u> <s>strike</s> <span style='font-size:15pt'>big</span> "
           "<span style='font-size:20px'>pixels</span> <span style=\"font-family:'Courier New'\">mono</span> "
           "<span style='color:#ff0000'>red</span> <span style='background-color:#ffff00'>lit</span> "
           "<b><i><u><s><span style='color:#0000ff; background-color:#00ff00'>all</span></s></u></i></b> "
           "<sup>up</sup><sub>down</sub></p>"
        << true;
    QTest::addRow("cyrillic font name and text")
        << u"<p><span style=\"font-family:'Шрифт'\">текст</span> <b>жирный</b></p>"_qs << true;
    QTest::addRow("paragraph formats")
        << "<p align=center>c</p><p align=right>r</p><p align=justify>j</p>"
           "<p style='margin-left:20px; margin-right:10px; text-indent:-8px; margin-top:4px; margin-bottom:6px'>m</p>"
           "<p style='line-height:150%'>p</p><p style='line-height:20px'>h</p>"
        << true;
}

void TestRtf::roundTrip()
{
    QFETCH(QString, source);
    QFETCH(bool, html);
    QTextDocument original;
    if (html)
        original.setHtml(source);
    else
        original.setPlainText(source);

    const QByteArray written = rtf::write(&original);
    QVERIFY2(isWellFormed(written), written.constData());
    QTextDocument copy;
    rtf::read(written, &copy);
    QCOMPARE(textOf(copy), textOf(original));
    QCOMPARE(describeDocument(copy), describeDocument(original));
}

void TestRtf::writeOutput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArrayList>("present");
    QTest::addColumn<QByteArrayList>("absent");
    QTest::addRow("header") << "x" << QByteArrayList{R"({\rtf1\ansi\ansicpg1251\deff0)", R"({\fonttbl{\f0)"}
                            << QByteArrayList{};
    QTest::addRow("cyrillic as code-page bytes")
        << u"Привет"_qs << QByteArrayList{R"(\'cf\'f0\'e8\'e2\'e5\'f2)", R"(\fcharset204)"}
        << QByteArrayList{R"(\u10)"};
    QTest::addRow("ascii font is ansi") << "abc" << QByteArrayList{R"(\fcharset0)"}
                                        << QByteArrayList{R"(\fcharset204)"};
    QTest::addRow("unicode with one fallback")
        << u"中😀"_qs << QByteArrayList{R"(\u20013?\u-10179?\u-8704?)"} << QByteArrayList{};
    QTest::addRow("escapes") << "{a}\\" << QByteArrayList{R"(\{a\}\\)"} << QByteArrayList{};
    QTest::addRow("paragraphs") << "a\nb" << QByteArrayList{R"(a}\par)"} << QByteArrayList{R"(b}\par)"};
    QTest::addRow("empty last paragraph") << "a\n" << QByteArrayList{R"(a}\par)", R"(\pard \par)"} << QByteArrayList{};
}

void TestRtf::writeOutput()
{
    QFETCH(QString, text);
    QFETCH(QByteArrayList, present);
    QFETCH(QByteArrayList, absent);
    QTextDocument doc;
    doc.setPlainText(text);
    const QByteArray written = rtf::write(&doc);
    for (const QByteArray& s : std::as_const(present))
        QVERIFY2(written.contains(s), qPrintable("missing " + s + " in " + written));
    for (const QByteArray& s : std::as_const(absent))
        QVERIFY2(!written.contains(s), qPrintable("unexpected " + s + " in " + written));
}

void TestRtf::brokenInput_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("contains");

    const auto repeat = [](const QByteArray& part, int times) { return part.repeated(times); };
    QByteArray junk(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(20240611);
    for (char& c : junk)
        c = char(random.bounded(256));

    QTest::addRow("empty") << QByteArray() << "";
    QTest::addRow("lone brace") << QByteArray("{") << "";
    QTest::addRow("closing braces") << QByteArray("}}}}") << "";
    QTest::addRow("stray close before the document") << QByteArray(R"(}{\rtf1 x})") << "x";
    QTest::addRow("not rtf") << QByteArray("plain text") << "plain text";
    QTest::addRow("unterminated") << QByteArray(R"({\rtf1 abc)") << "abc";
    QTest::addRow("truncated hex") << QByteArray(R"({\rtf1 a\'4)") << "a";
    QTest::addRow("bad hex") << QByteArray(R"({\rtf1 a\'zzb})") << "azzb";
    QTest::addRow("truncated word") << QByteArray(R"({\rtf1 a\)") << "a";
    QTest::addRow("truncated unicode") << QByteArray(R"({\rtf1 a\u)") << "a";
    QTest::addRow("star at the top") << QByteArray(R"({\rtf1\* x})") << "";
    QTest::addRow("huge numbers")
        << QByteArray(R"({\rtf1\fs99999999999999999999\li-99999999999999\sl-2147483648\cf4294967296 a})") << "a";
    QTest::addRow("huge unicode skip") << QByteArray(R"({\rtf1{\uc999999999\u1055 abc}def})") << u"Пdef"_qs;
    QTest::addRow("huge unicode value") << QByteArray(R"({\rtf1 \u99999999999?\u-99999999999?a})") << "a";
    QTest::addRow("huge bin") << QByteArray(R"({\rtf1 a\bin99999999999 b})") << "a";
    QTest::addRow("negative bin") << QByteArray(R"({\rtf1 a\bin-5 b})") << "ab";
    QTest::addRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << "ab";
    QTest::addRow("structure characters by unicode")
        << QByteArray(R"({\rtf1 a\u10?\u13?\u-560?\u-559?\u-4?b\u8233?c})") << "ab\nc";
    QTest::addRow("deep nesting") << QByteArray(R"({\rtf1)") + repeat("{", 100000) + "deep" + repeat("}", 100001)
                                  << "deep";
    QTest::addRow("deep and unclosed") << QByteArray(R"({\rtf1)") + repeat("{\\b", 1000000) + " x"
                                       << "x";
    QTest::addRow("deep destinations") << QByteArray(R"({\rtf1)") + repeat("{\\*\\x", 300) + "y" + repeat("}", 300) +
                                              "z}"
                                       << "z";
    QTest::addRow("long control word") << QByteArray(R"({\rtf1 \)") + repeat("a", 1000000) + " b}"
                                       << "b";
    QTest::addRow("long number") << QByteArray(R"({\rtf1 \fs)") + repeat("9", 1000000) + " b}"
                                 << "b";
    QTest::addRow("many paragraphs") << QByteArray(R"({\rtf1 )") + repeat("p\\par ", 200000) + "}"
                                     << "p\np";
    QTest::addRow("many format changes") << QByteArray(R"({\rtf1 )") + repeat("{\\b a}{\\i\\fs30 b}", 100000) + "}"
                                         << "abab";
    QTest::addRow("many fonts") << QByteArray(R"({\rtf1{\fonttbl)") + repeat("{\\f7\\fcharset204 F;}", 100000) +
                                       "}\\f7 x}"
                                << "x";
    QTest::addRow("control characters in a font name")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 A\'01\u10?\u8232?B\tab;}}\f0 x})") << "x";
    QTest::addRow("font table unbalanced") << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial{\f1 Times}}x)") << "";
    QTest::addRow("colour table garbage") << QByteArray(R"({\rtf1{\colortbl\red999\green-5;;;\blue;}\cf1 x})") << "x";
    QTest::addRow("binary junk") << QByteArray(R"({\rtf1 )") + junk << "";
    QTest::addRow("junk without header") << junk << "";
}

void TestRtf::brokenInput()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, contains);
    QTextDocument doc;
    rtf::read(data, &doc);
    const QString text = textOf(doc);
    QVERIFY2(text.contains(contains), qPrintable(text.left(200)));
    // What was read can be written and read back.
    QTextDocument copy;
    rtf::read(rtf::write(&doc), &copy);
    QCOMPARE(textOf(copy), text);
    QCOMPARE(describeDocument(copy), describeDocument(doc));
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"

// libFuzzer target for the RTF reader. Any input must load without a crash, and what was read must survive
// a write and a second read with the same text and formats.
//
//   CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQOR_FUZZ=ON
//   cmake --build build-fuzz --target rtf_reader_fuzz
//   build-fuzz/tests/fuzz/rtf_reader_fuzz -dict=tests/fuzz/rtf.dict -max_total_time=300 CORPUS_DIR tests/data/rtf

#include "platform/rtf/Rtf.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void initApplication()
{
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "rtf_reader_fuzz";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

// The text with the effective formats: one line per block, its format and its runs of equal character format.
QString describe(const QTextDocument& doc)
{
    const QFont def = doc.defaultFont();
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        out += QString("%1 %2 %3 %4 %5 %6 %7 %8:")
                   .arg(int(bf.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(bf.leftMargin())
                   .arg(bf.rightMargin())
                   .arg(bf.textIndent())
                   .arg(bf.topMargin())
                   .arg(bf.bottomMargin())
                   .arg(bf.lineHeightType())
                   .arg(bf.lineHeight());
        QString last;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QStringList families = f.fontFamilies().toStringList();
            const QString format =
                QString("{%1 %2 %3 %4 %5 %6 %7 %8 %9 ")
                    .arg(families.isEmpty() ? def.family() : families.first())
                    .arg(f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : def.pointSizeF())
                    .arg(f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : def.weight())
                    .arg(f.fontItalic())
                    .arg(f.underlineStyle())
                    .arg(f.fontStrikeOut())
                    .arg(f.verticalAlignment())
                    .arg(f.fontCapitalization())
                    .arg(f.foreground().style() == Qt::NoBrush ? QString() : f.foreground().color().name()) +
                (f.background().style() == Qt::NoBrush ? QString() : f.background().color().name()) + '}';
            if (format != last)
                out += format;
            last = format;
            out += it.fragment().text();
        }
        out += u'\n';
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    initApplication();
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    rtf::read(input, &doc);
    const QByteArray written = rtf::write(&doc);
    QTextDocument copy;
    rtf::read(written, &copy);
    const QString first = describe(doc);
    const QString second = describe(copy);
    if (first != second) {
        std::fprintf(stderr, "round trip changed the document\nread:    %s\nreread:  %s\nwritten: %s\n",
                     first.toUtf8().toPercentEncoding(" {}:").constData(),
                     second.toUtf8().toPercentEncoding(" {}:").constData(), written.constData());
        std::abort();
    }
    return 0;
}

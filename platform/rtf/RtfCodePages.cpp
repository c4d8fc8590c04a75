#include "RtfCodePages.h"

#include "platform/Cp1251.h"

#include <QList>

namespace rtf::detail {

int codePageForCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 2:
        return kSymbolCodePage;
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

namespace {

QStringDecoder namedDecoder(int codePage)
{
    QList<QByteArray> names;
    switch (codePage) {
    case 10000:
        names = {"macintosh"};
        break;
    case 10007:
        names = {"x-mac-cyrillic"};
        break;
    case 20866:
        names = {"KOI8-R"};
        break;
    case 21866:
        names = {"KOI8-U"};
        break;
    case 65001:
        names = {"UTF-8"};
        break;
    case 932:
        names = {"windows-31j", "Shift_JIS"};
        break;
    case 936:
        names = {"GBK"};
        break;
    case 950:
        names = {"Big5"};
        break;
    default:
        if (codePage >= 28591 && codePage <= 28606)
            names = {"ISO-8859-" + QByteArray::number(codePage - 28590)};
        else if (codePage > 0)
            names = {"windows-" + QByteArray::number(codePage), "cp" + QByteArray::number(codePage)};
    }
    names << "windows-1252";
    for (const QByteArray& name : std::as_const(names)) {
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder(QStringConverter::Latin1);
}

} // namespace

QStringDecoder& CodePageDecoder::decoderFor(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it == m_decoders.end())
        it = m_decoders.emplace(codePage, namedDecoder(codePage)).first;
    return it->second;
}

QString CodePageDecoder::decode(int codePage, const QByteArray& bytes)
{
    if (codePage == 1251)
        return cp1251::decode(bytes);
    if (codePage == kSymbolCodePage) {
        // Symbol fonts draw their own glyphs; the bullets that list texts use get their Unicode meaning.
        QString text = decoderFor(1252).decode(bytes);
        for (QChar& c : text) {
            if (c == QChar(0xB7))
                c = QChar(0x2022);
            else if (c == QChar(0xA7))
                c = QChar(0x25AA);
        }
        return text;
    }
    QStringDecoder& decoder = decoderFor(codePage);
    decoder.resetState();
    return decoder.decode(bytes);
}

} // namespace rtf::detail

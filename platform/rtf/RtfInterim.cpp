// Interim reader and writer until the full RTF support lands: text only.
#include "Rtf.h"

#include "platform/Cp1251.h"

#include <QTextDocument>

namespace rtf {

bool beginsAsRtf(const QByteArray& data)
{
    return data.startsWith("{\\rtf");
}

void read(const QByteArray& data, QTextDocument* doc)
{
    QString text;
    int depth = 0;
    for (int i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
        else if (c == '\\') {
            int j = i + 1;
            while (j < data.size() && QChar(data[j]).isLetter())
                ++j;
            const QByteArray word = data.mid(i + 1, j - i - 1);
            while (j < data.size() && (QChar(data[j]).isDigit() || data[j] == '-'))
                ++j;
            if (j < data.size() && data[j] == ' ')
                ++j;
            if (word == "par")
                text += QLatin1Char('\n');
            i = j - 1;
        } else if (c != '\r' && c != '\n' && depth <= 1)
            text += cp1251::toUnicode(static_cast<unsigned char>(c));
    }
    doc->setPlainText(text);
}

QByteArray write(const QTextDocument* doc)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1251 ";
    for (const QChar c : doc->toPlainText()) {
        if (c == QLatin1Char('\n'))
            out += "\\par\r\n";
        else if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            out += '\\' + QByteArray(1, char(c.unicode()));
        else if (c.unicode() < 0x80)
            out += char(c.unicode());
        else
            out += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
    }
    return out + '}';
}

} // namespace rtf

#include "TextFiles.h"

#include "Cp1251.h"
#include "Errors.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

QList<QByteArray> splitLines(const QByteArray& data)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = data.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(data.mid(start, i - start));
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(data.mid(start));
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines)
{
    QByteArray out;
    qsizetype size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

void writeFileBytes(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw FileError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

QStringList readLines(const QString& path)
{
    QStringList lines;
    for (const auto& line : splitLines(readFileBytes(path)))
        lines.append(cp1251::decode(line));
    return lines;
}

void writeLines(const QString& path, const QStringList& lines)
{
    QList<QByteArray> encoded;
    encoded.reserve(lines.size());
    for (const auto& line : lines)
        encoded.append(cp1251::encode(line));
    writeFileBytes(path, joinLines(encoded));
}

QString decodeUserText(const QByteArray& data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data.mid(3));
    bool ascii = true;
    for (const char c : data) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(data);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    return cp1251::decode(data);
}

#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251, the code page of the trainer's own files (phrase files, logs, data files).
// Every byte maps to one character and back: byte 0x98, undefined in the code page, maps to U+0098.
namespace cp1251 {

QChar toUnicode(unsigned char byte);
// The byte for c, or -1 when the code page has no such character.
int fromUnicode(QChar c);

QString decode(const QByteArray& bytes);
// Characters the code page cannot hold become '?'.
QByteArray encode(const QString& text);
// True when every character of text has a byte in the code page.
bool canEncode(const QString& text);

} // namespace cp1251

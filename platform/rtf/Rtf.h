#pragma once

#include <QByteArray>

class QTextDocument;

namespace rtf {
// True when the data begins as RTF: its first bytes are "{\rtf".
bool beginsAsRtf(const QByteArray& data);
// Replaces the content of doc with the document that data describes. Never throws, never hangs, never crashes.
void read(const QByteArray& data, QTextDocument* doc);
// The whole document as RTF.
QByteArray write(const QTextDocument* doc);
} // namespace rtf

#pragma once

#include <QByteArray>

class QTextDocument;

// Rich Text Format for the rich-text boxes: our own reader (RTF -> QTextDocument) and writer
// (QTextDocument -> RTF). Both keep to what a word processor's rich-text box shows: text, character
// formats and paragraph formats; pictures, objects, lists and tables are read as their text only.
namespace rtf {

// True when the data begins as RTF: its first bytes are "{\rtf" (as a word processor's rich-text box decides).
bool beginsAsRtf(const QByteArray& data);

// Replaces the content of doc with the document that data describes. Never throws, never hangs, never crashes:
// broken or hostile input loads as much text as it holds, in time linear in its size.
void read(const QByteArray& data, QTextDocument* doc);

// The whole document as RTF: 7-bit ASCII, code page 1251, readable by other word processors.
QByteArray write(const QTextDocument* doc);

} // namespace rtf

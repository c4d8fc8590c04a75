#include "RichTextBox.h"

#include "Cp1251.h"
#include "TextFiles.h"
#include "rtf/Rtf.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString withCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
}

void RichTextBox::loadFile(const QString& path)
{
    loadData(readFileBytes(path));
}

void RichTextBox::loadData(const QByteArray& data)
{
    if (rtf::beginsAsRtf(data)) {
        rtf::read(data, document());
    } else {
        loadPlainText(decodeUserText(data));
    }
    document()->setModified(false);
}

void RichTextBox::loadPlainText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // QTextEdit would give the new text the character format at its cursor, say the bold title of an RTF file
    // loaded before.
    setCurrentCharFormat(QTextCharFormat());
    setPlainText(text);
    document()->setModified(false);
}

void RichTextBox::saveFile(const QString& path, Format format) const
{
    if (format == Format::Rich) {
        writeFileBytes(path, rtf::write(document()));
        return;
    }
    const QString plain = text();
    writeFileBytes(path, cp1251::canEncode(plain) ? cp1251::encode(plain) : "\xEF\xBB\xBF" + plain.toUtf8());
}

QStringList RichTextBox::lines() const
{
    QStringList result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    // An empty document still has one empty block; it holds no line.
    if (result.size() == 1 && result.constFirst().isEmpty())
        result.clear();
    return result;
}

void RichTextBox::setLines(const QStringList& lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}

void RichTextBox::addLine(const QString& line)
{
    if (document()->isEmpty() && document()->blockCount() == 1) {
        setPlainText(line);
        return;
    }
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(line);
}

QString RichTextBox::text() const
{
    return withCrLf(toPlainText());
}

int RichTextBox::charIndexAt(const QPoint& viewportPoint) const
{
    return cursorForPosition(viewportPoint).position();
}

int RichTextBox::selStart() const
{
    return textCursor().selectionStart();
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelection(int start, int length)
{
    const int last = qMax(0, document()->characterCount() - 1);
    QTextCursor cursor(document());
    cursor.setPosition(qBound(0, start, last));
    cursor.setPosition(qBound(0, start + length, last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox::selText() const
{
    return withCrLf(textCursor().selectedText());
}

bool RichTextBox::isModified() const
{
    return document()->isModified();
}

void RichTextBox::setModified(bool modified)
{
    document()->setModified(modified);
}

#pragma once

#include <QStringList>
#include <QTextEdit>

// The rich-text box of the trainers: a QTextEdit that loads and saves RTF or plain text files and answers the
// questions the trainers ask of it. Positions count from 0; a paragraph break counts as one character, as the
// document holds it, while text() spells it CR LF.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    enum class Format { Rich, Plain };

    // Loads a file: a file that begins as RTF is shown formatted, any other as plain text (UTF-8 when it is
    // valid UTF-8 with non-ASCII characters or a BOM, else Windows-1251). Throws FileError when it cannot be read.
    void loadFile(const QString& path);
    // Loads data already in memory by the same rule.
    void loadData(const QByteArray& data);
    // Shows a text unformatted; CR LF, CR and LF each end a line.
    void loadPlainText(QString text);
    // Saves the text as RTF, or as plain text (Windows-1251 when it can hold the text, else UTF-8 with a BOM)
    // with CR LF line ends. Throws FileError when it cannot be written.
    void saveFile(const QString& path, Format format = Format::Rich) const;

    // The paragraphs of the text, in order ("the lines").
    QStringList lines() const;
    void setLines(const QStringList& lines);
    // Adds a paragraph at the end.
    void addLine(const QString& line);
    // The whole text with CR LF between paragraphs.
    QString text() const;

    // The position of the character nearest to a point of the viewport.
    int charIndexAt(const QPoint& viewportPoint) const;
    int selStart() const;
    int selLength() const;
    void setSelection(int start, int length);
    // The selected text, with CR LF between paragraphs.
    QString selText() const;

    bool isModified() const;
    void setModified(bool modified);
};

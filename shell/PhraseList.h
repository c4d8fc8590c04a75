#pragma once

#include <QString>
#include <QStringList>

// A window's phrase list: English phrases of the program and the texts shown for them, one per line, as
// "phrase", or "phrase", one separator character, "text". Kept in a Windows-1251 file named after the window.
class PhraseList
{
public:
    // Replaces the list with the lines of the file, when it exists. Throws FileError when it cannot be read.
    void load(const QString& path);
    // Writes every line followed by CR LF, replacing the file. Throws FileError when it cannot be written.
    void save(const QString& path) const;

    // The text to show for phrase: the rest of the first line that begins with the phrase, after the separator
    // character, or the phrase itself when that rest is empty. An unknown phrase is appended to the list.
    QString LookupPhrase(const QString& phrase);

    const QStringList& lines() const { return m_lines; }
    void setLines(const QStringList& lines) { m_lines = lines; }

private:
    QStringList m_lines;
};

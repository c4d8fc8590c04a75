#include "PhraseList.h"

#include "platform/TextFiles.h"

#include <QFileInfo>

void PhraseList::load(const QString& path)
{
    m_lines.clear();
    if (QFileInfo::exists(path))
        m_lines = readLines(path);
}

void PhraseList::save(const QString& path) const
{
    writeLines(path, m_lines);
}

QString PhraseList::LookupPhrase(const QString& phrase)
{
    // Windows-1251 holds one byte per character, so comparing characters compares the file's bytes.
    const qsizetype n = phrase.size();
    for (const QString& line : std::as_const(m_lines)) {
        if (!line.startsWith(phrase, Qt::CaseSensitive))
            continue;
        const QString rest = line.mid(n + 1);
        return rest.isEmpty() ? phrase : rest;
    }
    m_lines.append(phrase);
    return phrase;
}

#include "KartoTask.h"

#include "platform/Random.h"

#include <QSet>
#include <algorithm>

QString letterEntry(const QString& line)
{
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    return blank < 0 ? line : line.left(blank);
}

QStringList letterEntries(const QStringList& lines)
{
    QStringList entries;
    for (const QString& line : lines) {
        if (entries.size() >= kMaxLetterEntries)
            break;
        entries.append(letterEntry(line));
    }
    return entries;
}

std::optional<LetterPair> chooseLetters(const QStringList& entries, Random& random)
{
    QSet<QString> letters;
    for (const QString& entry : entries)
        if (!entry.isEmpty())
            letters.insert(entry);
    if (letters.size() < 2)
        return std::nullopt;

    LetterPair pair;
    const int n = int(entries.size());
    while (pair.target == pair.distractor || pair.target.isEmpty() || pair.distractor.isEmpty()) {
        pair.distractor = entries.at(random.random(n));
        pair.target = entries.at(random.random(n));
    }
    return pair;
}

QStringList blankField(int blanks, int columns, int maxLines)
{
    QStringList lines;
    if (columns <= 0)
        return lines;
    for (int left = blanks; left > 0 && lines.size() < maxLines; left -= columns)
        lines.append(QString(qMin(left, columns), QLatin1Char(' ')));
    return lines;
}

QStringList rewrapField(const QStringList& lines, int columns)
{
    if (columns <= 0)
        return lines;
    const QString all = lines.join(QString());
    QStringList wrapped;
    for (qsizetype i = 0; i < all.size(); i += columns)
        wrapped.append(all.mid(i, columns));
    return wrapped;
}

namespace {

bool isFreeCell(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('.');
}

// The free cells of a line among the positions a letter can be drawn at: all but the last two characters.
int freeCells(const QString& line)
{
    int free = 0;
    for (qsizetype i = 0; i + 2 < line.size(); ++i)
        if (isFreeCell(line.at(i)))
            ++free;
    return free;
}

} // namespace

Placement placeLetters(QStringList& lines, const QString& letter, int count, int firstLine, int lineRange,
                       Random& random)
{
    // random(k) gives 0 for k <= 1, so the lines that can be drawn are firstLine ... firstLine + reach - 1.
    const int reach = qMax(1, lineRange);
    auto room = [&] {
        int free = 0;
        for (int line = firstLine; line < firstLine + reach && line < lines.size(); ++line)
            free += freeCells(lines.at(line));
        return free;
    };

    for (int placed = 0; placed < count; ++placed) {
        const bool enoughRoom = room() >= count - placed;
        for (;;) {
            const int line = firstLine + random.random(lineRange);
            if (line >= lines.size() || lines.at(line).isEmpty())
                return Placement::EmptyLine;
            if (!enoughRoom)
                return Placement::NoRoom;
            QString& text = lines[line];
            if (freeCells(text) == 0)
                continue;
            int position = random.random(int(text.size()) - 2);
            while (!isFreeCell(text.at(position)))
                position = random.random(int(text.size()) - 2);
            text.replace(position, 1, letter);
            break;
        }
    }
    return Placement::Placed;
}

void difficultyStep(KartoDifficulty& state, Random& random)
{
    // Wide arithmetic: stored and typed limits reach the whole int range.
    qint64 total = state.total;
    qint64 target = state.target;
    if (state.slow >= 100) {
        total -= 1 + random.random(5);
        target -= 1 + random.random(10);
    }
    if (state.success >= 100) {
        total += 1 + random.random(5);
        target += 1 + random.random(10);
    }
    total = std::clamp<qint64>(total, 1, 20);
    if (total + 3 < target)
        target += 3;
    state.total = int(total);
    state.target = int(std::clamp<qint64>(target, 1, kMaxTargetLimit));
    if (state.slow >= 100 || state.success >= 100) {
        state.slow = 0;
        state.success = 0;
    }
}

void clampKartoSettings(int& total, int& target)
{
    if (total <= 5)
        total = 5;
    if (target > total)
        target = 1;
    if (target < 3)
        target = 3;
}

#include "Rhythm.h"

#include <algorithm>
#include <limits>

namespace rhythm {

QList<Row> builtIn()
{
    return {
        {QStringLiteral("200"), QStringLiteral("5")}, {QStringLiteral("200"), QStringLiteral("5")},
        {QStringLiteral("400"), QStringLiteral("5")}, {QStringLiteral("400"), QStringLiteral("5")},
        {QStringLiteral("800"), QStringLiteral("5")}, {QStringLiteral("800"), QStringLiteral("5")},
        {QStringLiteral("800"), QStringLiteral("5")}, {QStringLiteral("800"), QStringLiteral("5")},
        {QStringLiteral("800"), QString()},
    };
}

std::optional<int> number(const QString& cell)
{
    const QString digits = cell.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return int(value);
}

bool endsRhythm(const QString& interval)
{
    return interval.isEmpty() || interval == QLatin1String("0") || !number(interval);
}

int beepCount(const QString& beeps)
{
    return qMin(number(beeps).value_or(0), kMaxBeepsPerBeat);
}

std::optional<QString> adjusted(const QString& interval, qint64 change)
{
    const std::optional<int> value = number(interval);
    if (!value)
        return std::nullopt;
    const qint64 result = std::clamp<qint64>(qint64(*value) - change, 1, std::numeric_limits<int>::max());
    return QString::number(result);
}

QList<Row> fromLines(const QStringList& lines)
{
    QList<Row> rows;
    for (const QString& line : lines) {
        if (rows.size() == kFileRows)
            break;
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        if (blank < 0)
            rows.append({line, QString()});
        else
            rows.append({line.left(blank), line.mid(blank + 1)});
    }
    return rows;
}

QStringList toLines(const QList<Row>& rows)
{
    QStringList lines;
    for (const Row& row : rows)
        if (!row.interval.isEmpty() || !row.beeps.isEmpty())
            lines.append(row.interval + QLatin1Char(' ') + row.beeps);
    return lines;
}

} // namespace rhythm

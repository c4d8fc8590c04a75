#include "Convert.h"

#include "Errors.h"

std::optional<int> parseInteger(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const int digit = text[i].isDigit() && text[i].unicode() < 128 ? text[i].unicode() - '0'
                          : base == 16 && QStringLiteral("abcdef").contains(text[i].toLower())
                              ? text[i].toLower().unicode() - 'a' + 10
                              : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > qint64(2147483648LL))
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL || value < -2147483648LL)
        return std::nullopt;
    return static_cast<int>(value);
}

int StrToInt(const QString& text)
{
    if (const auto value = parseInteger(text))
        return *value;
    throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int StrToIntDef(const QString& text, int fallback)
{
    return parseInteger(text).value_or(fallback);
}

QString trimControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

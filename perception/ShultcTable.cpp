#include "ShultcTable.h"

#include "platform/Random.h"

#include <QString>
#include <algorithm>

QVector<int> shultzNumbers(const QVector<int>& draws)
{
    struct Key
    {
        QString text;
        int cell;
    };
    QVector<Key> keys;
    keys.reserve(draws.size());
    for (int k = 0; k < draws.size(); ++k)
        keys.append({QString::number(101 + draws[k]) + QString::number(k), k});
    // Digits only, so comparing UTF-16 code units is the digit-by-digit order, a prefix sorting first.
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.text < b.text; });

    QVector<int> numbers(draws.size());
    for (int m = 0; m < keys.size(); ++m)
        numbers[keys[m].cell] = m + 1;
    return numbers;
}

QVector<int> generateShultzNumbers(int n, Random& random)
{
    QVector<int> draws;
    draws.reserve(n * n);
    for (int k = 0; k < n * n; ++k)
        draws.append(random.random(50));
    return shultzNumbers(draws);
}

#include "UgolTask.h"

#include "platform/Random.h"

#include <QtGlobal>

// The ten digits, the Latin and the Cyrillic letters in keyboard order, and a final blank that is never drawn.
const QString kUgolDefaultLibrary =
    QStringLiteral("0123456789qwertyuiopasdfghjklzxcvbnmйцукенгшщзхфывапролджэячсмитьбю ");
// Weight 1 for the digits, 0 for the letters: tasks consist of digits.
const QString kUgolDefaultMask = QStringLiteral("1111111111000000000000000000000000000000000000000000000000000000000 ");

bool isUsableCharacterPair(const QString& library, const QString& mask)
{
    if (mask.size() < 2 || library.size() < mask.size())
        return false;
    for (int i = 0; i < mask.size() - 1; ++i)
        if (mask[i] < QLatin1Char('0') || mask[i] > QLatin1Char('9'))
            return false;
    return true;
}

UgolTask generateUgolTask(int groupLength, const QString& library, const QString& mask, Random& random)
{
    Q_ASSERT(isUsableCharacterPair(library, mask));
    const int length = qMin(groupLength, kUgolMaxGroupLength);
    if (length < 1)
        return {};

    QString text;
    for (int i = 0; i < 2 * length; ++i) {
        int tries = 0;
        int weight = 0;
        int position = 0; // counted from 0
        while (weight < 5 && tries < 100) {
            ++tries;
            position = random.random(mask.size() - 1);
            const int r = random.random(10);
            weight = mask[position].digitValue() * r;
        }
        text.append(library[position]);
    }
    return {text.left(length), text.mid(length)};
}

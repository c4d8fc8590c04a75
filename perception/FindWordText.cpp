#include "FindWordText.h"

#include "platform/Convert.h"
#include "platform/Random.h"

namespace {

const QChar kBlank = QLatin1Char(' ');

// Character `position` of the text, counted from 1; position 0 and positions past the end hold no blank.
bool blankAt(const QString& text, int position)
{
    return position >= 1 && position <= text.size() && text.at(position - 1) == kBlank;
}

// The count characters from position (counted from 1; position 0 reads as 1), clipped to the text.
QString copy(const QString& text, int position, int count)
{
    return count <= 0 ? QString() : text.mid(qMax(1, position) - 1, count);
}

} // namespace

PhraseDraw phraseAt(const QString& text, int a, int wordCount)
{
    const int n = int(text.size());
    int s = a;
    while (s > 0 && !blankAt(text, s))
        --s;
    int e = a;
    for (int word = 0; word < wordCount; ++word) {
        while (e < n && !blankAt(text, e))
            ++e;
        ++e;
    }
    // With s > 0 the count starts at the blank before the phrase; at the start of the text there is no such blank,
    // so one character less is taken (else the phrase would end in the first letter of the next word).
    const int count = s > 0 ? e - s : e - 1;
    return {trimControls(copy(text, s, qMin(count, kMaxPhraseLength))), s};
}

std::optional<PhraseDraw> choosePhrase(const QString& text, int wordCount, Random& random, int maxDraws)
{
    for (int draw = 0; draw < maxDraws; ++draw) {
        PhraseDraw pick = phraseAt(text, random.random(int(text.size())), wordCount);
        if (pick.phrase.size() >= 4)
            return pick;
    }
    return std::nullopt;
}

QString normalisePhrase(const QString& phrase)
{
    // One pass over the runs of blanks and control characters: a run that holds a tab, CR or LF becomes one blank,
    // any other run keeps its characters with each row of blanks shrunk to one.
    QString result;
    result.reserve(phrase.size());
    for (qsizetype i = 0; i < phrase.size();) {
        if (!isBlankOrControl(phrase.at(i))) {
            result.append(phrase.at(i++));
            continue;
        }
        qsizetype end = i;
        bool breaks = false;
        for (; end < phrase.size() && isBlankOrControl(phrase.at(end)); ++end) {
            const QChar c = phrase.at(end);
            breaks = breaks || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
        }
        if (breaks) {
            result.append(kBlank);
        } else {
            for (qsizetype j = i; j < end; ++j)
                if (phrase.at(j) != kBlank || j == i || phrase.at(j - 1) != kBlank)
                    result.append(phrase.at(j));
        }
        i = end;
    }
    return result;
}

QString wordAt(const QString& text, int i)
{
    const int n = int(text.size());
    int s = i;
    while (s > 0 && !blankAt(text, s))
        --s;
    while (i < n && !blankAt(text, i))
        ++i;
    return trimControls(copy(text, s, i - s));
}

bool wordMatches(const QString& word, const QString& target)
{
    return !word.isEmpty() && target.contains(word);
}

namespace {

bool crLfAt(const QString& text, qsizetype i)
{
    return text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n');
}

} // namespace

int textOffsetOfBoxPosition(const QString& text, int boxPosition)
{
    qsizetype offset = 0;
    for (int position = 0; position < boxPosition && offset < text.size(); ++position)
        offset += crLfAt(text, offset) ? 2 : 1;
    return int(offset);
}

int boxPositionOfTextOffset(const QString& text, int offset)
{
    int position = 0;
    for (qsizetype i = 0; i < offset && i < text.size(); ++position)
        i += crLfAt(text, i) ? 2 : 1;
    return position;
}

#include "FrameCutter.h"

#include "platform/Convert.h"

#include <algorithm>
#include <limits>

QStringList cutFrames(const QString& text, int lettersPerFrame)
{
    QStringList frames;
    if (text.isEmpty())
        return frames;
    const int n = lettersPerFrame == 0 ? kDefaultLettersPerFrame : lettersPerFrame;
    // What remains to be cut is text[begin, end); p counts its characters from 1. Working on positions instead of
    // copies keeps the cut linear in the length of the text.
    int begin = 0;
    int end = text.size();
    int p = 1;
    while (p < end - begin - 1) {
        const QChar c = text[begin + p - 1];
        if ((c == QLatin1Char('.') && p > 4) || (p > n && c == QLatin1Char(' '))) {
            frames.append(text.mid(begin, p));
            begin += p;
            while (begin < end && isBlankOrControl(text[begin]))
                ++begin;
            while (end > begin && isBlankOrControl(text[end - 1]))
                --end;
            p = 1;
        } else {
            ++p;
        }
    }
    frames.append(text.mid(begin, end - begin));
    return frames;
}

bool holdsTwice(const QString& frame)
{
    if (frame.isEmpty())
        return false;
    const QChar last = frame.back();
    return last == QLatin1Char('.') || last == QLatin1Char(',') || last == QLatin1Char('!') || last == QLatin1Char('?');
}

int acceleratedShowTime(int showTime, int acceleration)
{
    const qint64 lowered = qint64(showTime) - acceleration;
    return int(std::clamp<qint64>(lowered, qMin(showTime, kMinShowTime), std::numeric_limits<int>::max()));
}

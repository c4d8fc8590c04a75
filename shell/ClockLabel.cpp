#include "ClockLabel.h"

QString clockLabelText(int seconds, const std::function<QString(const QString&)>& lookup, const QString& secondsPhrase)
{
    const int minutes = seconds / 60;
    const int rest = seconds - minutes * 60;
    return lookup(QStringLiteral("Time: ")) + (minutes > 0 ? QString::number(minutes) : QString()) +
           lookup(QStringLiteral("min. ")) + QString::number(rest) + lookup(secondsPhrase);
}

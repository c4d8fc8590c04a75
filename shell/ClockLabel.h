#pragma once

#include <QString>
#include <functional>

// The exercise clock's label for s seconds: "Time: " + minutes (only when above 0) + "min. " + seconds +
// the seconds phrase, each phrase passed through lookup.
QString clockLabelText(int seconds, const std::function<QString(const QString&)>& lookup, const QString& secondsPhrase);

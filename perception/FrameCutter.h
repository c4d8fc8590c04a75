#pragma once

#include <QString>
#include <QStringList>

// The frames of the flash reader and the timing rules of their show.

// Letters per frame used when none (0) is set.
constexpr int kDefaultLettersPerFrame = 15;
// The shortest show time the clock's acceleration may reach, in ms: a frame shown for less cannot be read.
constexpr int kMinShowTime = 30;

// Cuts a text into frames. A frame ends at the first full stop after its 4th character or at the first blank
// after its lettersPerFrame-th character, whichever comes first; the last two characters of what remains are
// never cut points. Each frame keeps its full stop or blank; what follows it is trimmed at both ends before the
// next frame is cut. The rest of the text, perhaps empty, is the last frame; line breaks stay inside frames.
// An empty text gives no frames. lettersPerFrame 0 means kDefaultLettersPerFrame.
QStringList cutFrames(const QString& text, int lettersPerFrame);

// True when a frame stays on screen twice the show time: it ends in ".", ",", "!" or "?".
bool holdsTwice(const QString& frame);

// The show time after one clock tick of acceleration: lowered by the acceleration but not below kMinShowTime
// (a show time already below it is not lowered further).
int acceleratedShowTime(int showTime, int acceleration);

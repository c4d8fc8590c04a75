#pragma once

#include <QString>

class Random;

// The characters a field-of-view task may use: the library holds the characters, the mask at the same position a
// decimal digit, the weight of that character. The last position of both is never drawn.
extern const QString kUgolDefaultLibrary;
extern const QString kUgolDefaultMask;

// True when the pair can be drawn from: a mask of at least 2 characters with a decimal digit at every drawn
// position, and a library at least as long (its characters past the mask are never drawn).
bool isUsableCharacterPair(const QString& library, const QString& mask);

struct UgolTask
{
    QString left;
    QString right;
};

// The longest group a task is given; a larger group count yields groups of this length. A group already runs
// off the screen long before, and an unbounded count would never finish drawing.
constexpr int kUgolMaxGroupLength = 100;

// Draws 2·groupLength characters: per character, up to 100 tries of a position p (1 … mask length − 1) and a
// value r (0 … 9), until weight(p) · r ≥ 5; the character at the last drawn position is taken. The first half
// is the left group, the second the right. A group length below 1 gives empty groups. The pair must be usable.
UgolTask generateUgolTask(int groupLength, const QString& library, const QString& mask, Random& random);

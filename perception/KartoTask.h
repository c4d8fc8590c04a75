#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Random;

// The tasks of the letter-counting trainer, apart from its window: the letter list, the choice of the two
// letters, the field of blanks cut into display lines and the letters scattered over it, and the difficulty step.

// The most entries the letter list keeps; further lines of the file are ignored.
constexpr int kMaxLetterEntries = 5000;
// The field of a task is one line of this many blanks wrapped into display lines.
constexpr int kFieldBlanks = 5001;

// The entry of a letter-list line: its text before the first blank, or the whole line when it has none.
QString letterEntry(const QString& line);
// The entries of the letter-list lines, in order, at most kMaxLetterEntries of them.
QStringList letterEntries(const QStringList& lines);

struct LetterPair
{
    QString target;
    QString distractor;
};

// Draws the distractor and then the target from the whole list until they differ (an empty entry is never a
// letter to count). Without two different non-empty entries no pair can be drawn: nullopt.
std::optional<LetterPair> chooseLetters(const QStringList& entries, Random& random);

// A line of `blanks` blanks wrapped into display lines of `columns` characters, keeping at most `maxLines` lines.
QStringList blankField(int blanks, int columns, int maxLines);

// Cuts the characters of the display lines again into lines of `columns` characters: the field as a text box
// wraps it once its width or font changes.
QStringList rewrapField(const QStringList& lines, int columns);

enum class Placement {
    Placed,
    // A drawn display line does not exist or is empty.
    EmptyLine,
    // Fewer free cells than letters to place on the lines that can be drawn.
    NoRoom,
};

// Places `count` copies of `letter`, each on the display line firstLine + random(lineRange), at a position drawn
// among the first length - 2 characters of that line until it holds a blank or a full stop, which the letter
// replaces. So letters never overwrite each other. A drawn line with no free cell is drawn again.
Placement placeLetters(QStringList& lines, const QString& letter, int count, int firstLine, int lineRange,
                       Random& random);

// The state the difficulty timer works on: the two limits and the slow and success bars (0 ... 100).
struct KartoDifficulty
{
    int total = 0;
    int target = 0;
    int slow = 0;
    int success = 0;
};

// The target count limit never passes the cells of a field: more target letters could never be placed, and a
// limit that grows by 3 every second stays far from overflowing.
constexpr int kMaxTargetLimit = kFieldBlanks;

// One tick of the difficulty timer: a full slow bar makes tasks easier, a full success bar harder; the limits
// are kept in their bounds (the target count limit within 1 ... kMaxTargetLimit) and both bars start again once
// either was full.
void difficultyStep(KartoDifficulty& state, Random& random);

// The limits confirmed in the settings window: at least 5 letters, and a target count limit of 3 or more that
// does not exceed the total (1, and so 3, when it does).
void clampKartoSettings(int& total, int& target);

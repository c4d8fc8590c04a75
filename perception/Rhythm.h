#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The metronome's rhythm: rows of an interval (milliseconds to wait before the row's beat) and a number of beeps,
// both kept as the text the user typed or a rhythm file held.
namespace rhythm {

// Rows of the metronome's table.
constexpr int kRows = 10;
// Rows a rhythm file fills; the last row of the table always stays empty after a load.
constexpr int kFileRows = kRows - 1;
// More beeps than this in one beat are not given: a typed "999999999" would otherwise hold the program for minutes.
constexpr int kMaxBeepsPerBeat = 100;

struct Row
{
    QString interval;
    QString beeps;
    bool operator==(const Row& other) const { return interval == other.interval && beeps == other.beeps; }
};

// The built-in rhythm, rows 0 to 8.
QList<Row> builtIn();

// The value of a cell that holds decimal digits (blanks around them allowed) and fits an int; nothing otherwise.
std::optional<int> number(const QString& cell);

// True when a row with this interval ends the rhythm: an empty cell, exactly "0", or text that is not a number.
bool endsRhythm(const QString& interval);

// The beeps a beat gives for its beep cell: 0 for an empty cell or text that is not a number, at most
// kMaxBeepsPerBeat.
int beepCount(const QString& beeps);

// The per-second pass on one interval: the value less change (positive speeds the rhythm up, negative slows it
// down), never below 1 nor above the largest int, in decimal. Nothing when the cell is not a number.
std::optional<QString> adjusted(const QString& interval, qint64 change);

// The rows of a rhythm file's lines: at most kFileRows rows, each line split at its first blank into the interval
// and the beeps (a line without a blank is all interval).
QList<Row> fromLines(const QStringList& lines);

// The lines of a rhythm file for rows: the interval, a blank, the beeps; rows with both cells empty are left out.
QStringList toLines(const QList<Row>& rows);

} // namespace rhythm

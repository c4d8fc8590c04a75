#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Line files of the trainer: CR LF, CR alone or LF alone end a line; a last line without an end counts; no empty
// line follows a final line end. Writing puts CR LF after every line and replaces the file atomically.

QList<QByteArray> splitLines(const QByteArray& data);
QByteArray joinLines(const QList<QByteArray>& lines);

// Reads a Windows-1251 line file. Throws FileError when the file cannot be opened.
QStringList readLines(const QString& path);
// Writes a Windows-1251 line file, replacing it whole. Throws FileError when it cannot be written.
void writeLines(const QString& path, const QStringList& lines);

// Reads a whole file. Throws FileError when it cannot be opened.
QByteArray readFileBytes(const QString& path);
// Replaces a file with data atomically. Throws FileError when it cannot be written.
void writeFileBytes(const QString& path, const QByteArray& data);

// A text the user opened: UTF-8 when it carries a BOM or is valid UTF-8 holding non-ASCII characters,
// otherwise Windows-1251.
QString decodeUserText(const QByteArray& data);

#pragma once

#include <QChar>
#include <QDir>
#include <QString>

// The folder that holds the executable, ending in the separator: the path up to its last separator (or its first
// character when it has none).
QString programFolderOf(const QString& executablePath, QChar separator = QDir::separator());

// The parent of the program folder, ending in the separator: the program folder without its last character, up
// to its last separator (or its first character when it has none).
QString installRootOf(const QString& programFolder, QChar separator = QDir::separator());

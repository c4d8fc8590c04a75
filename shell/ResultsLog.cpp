#include "ResultsLog.h"

#include "platform/TextFiles.h"

#include <QFileInfo>

void AppendResult(const QString& folder, const QString& fileName, const QString& line, ResultsVariant variant)
{
    constexpr qsizetype kKeep = 1000;
    const QString path = folder + fileName;
    QStringList lines;
    if (QFileInfo::exists(path))
        lines = readLines(path);
    if (variant == ResultsVariant::A)
        lines.append(line);
    if (lines.size() > kKeep)
        lines.remove(0, lines.size() - kKeep);
    if (variant == ResultsVariant::B)
        lines.append(line);
    writeLines(path, lines);
}

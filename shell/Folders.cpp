#include "Folders.h"

namespace {

// The path up to and including its last separator; its first character when there is none.
QString upToLastSeparator(const QString& path, QChar separator)
{
    const qsizetype at = path.lastIndexOf(separator);
    return path.left(at < 0 ? 1 : at + 1);
}

} // namespace

QString programFolderOf(const QString& executablePath, QChar separator)
{
    return upToLastSeparator(executablePath, separator);
}

QString installRootOf(const QString& programFolder, QChar separator)
{
    return upToLastSeparator(programFolder.chopped(programFolder.isEmpty() ? 0 : 1), separator);
}

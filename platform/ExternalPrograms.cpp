#include "ExternalPrograms.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QUrl toUrl(const QString& pathOrUrl)
{
    const QUrl url(pathOrUrl);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(pathOrUrl);
}

QString wordProcessor()
{
    for (const char* name : {"soffice", "libreoffice", "lowriter"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

// A GUI editor named by $VISUAL or $EDITOR; terminal editors would start without a terminal.
QString textEditor()
{
#ifdef Q_OS_WIN
    return QStringLiteral("notepad.exe");
#else
    static const QStringList terminalEditors = {"vi", "vim", "nvim", "nano", "emacs", "ed", "joe", "mcedit", "micro"};
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const QString editor = qEnvironmentVariable(variable).trimmed();
        if (!editor.isEmpty() && !terminalEditors.contains(QFileInfo(editor.section(' ', 0, 0)).fileName()))
            return editor;
    }
    return QString();
#endif
}

} // namespace

void DesktopPrograms::open(const QString& pathOrUrl)
{
    QDesktopServices::openUrl(toUrl(pathOrUrl));
}

void DesktopPrograms::openInTextEditor(const QString& path)
{
    const QString editor = textEditor();
    if (!editor.isEmpty()) {
        QStringList arguments = QProcess::splitCommand(editor);
        const QString program = arguments.takeFirst();
        if (QProcess::startDetached(program, arguments << path))
            return;
    }
    open(path);
}

void DesktopPrograms::openInWordProcessor(const QString& path)
{
    const QString office = wordProcessor();
    if (office.isEmpty() || !QProcess::startDetached(office, {QStringLiteral("--writer"), path}))
        open(path);
}

std::optional<QString> DesktopPrograms::convertToText(const QString& path)
{
    const QString office = wordProcessor();
    if (office.isEmpty() || !QFileInfo::exists(path))
        return std::nullopt;
    // A private folder for the result and for the office profile, so a running office instance does not take
    // the request over and nothing is left behind.
    QTemporaryDir work;
    if (!work.isValid())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(office,
                  {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(work.filePath("profile")).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                   QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"), work.filePath("out"), path});
    if (!process.waitForFinished(conversionTimeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        return std::nullopt;
    }
    QFile result(QDir(work.filePath("out")).filePath(QFileInfo(path).completeBaseName() + ".txt"));
    if (process.exitCode() != 0 || !result.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = result.readAll();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    return QString::fromUtf8(data);
}

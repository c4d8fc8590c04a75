#pragma once

// Runs the real program in a private copy of the built installation whose movies quit at once: the start movie
// ends, the menu movie sends "quit" as soon as it runs.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class ProgramRun
{
public:
    explicit ProgramRun(const QString& appDir)
    {
        QDirIterator it(appDir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = install.path() + source.mid(appDir.size());
            if (it.fileInfo().isDir()) {
                QDir().mkpath(target);
                continue;
            }
            QDir().mkpath(QFileInfo(target).path());
            if (!QFile::copy(source, target))
                return;
            QFile::setPermissions(target, QFile::permissions(source));
        }
        writeMovie("flash/read_start.qml",
                   "Timer { interval: 1; running: true; onTriggered: fscommand(\"quit\", \"\") }");
        writeMovie("flash/menue_read.qml",
                   "Timer { interval: 1; running: true; onTriggered: fscommand(\"quit\", \"\") }");
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", install.filePath("config"));
        if (!environment.contains("QT_QPA_PLATFORM"))
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        ready = true;
    }

    // Replaces a movie of the copy with a root Item holding body.
    void writeMovie(const QString& relative, const QByteArray& body)
    {
        QFile file(install.filePath(relative));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write("import QtQuick\nItem {\n    signal fscommand(string command, string args)\n    " + body + "\n}\n");
    }

    QString executable() const { return install.filePath("bin/qor"); }

    // Starts the program and waits for its end; false when it did not end in time.
    bool run(QProcess& process, int timeoutMs = 60000)
    {
        process.setProcessEnvironment(environment);
        process.start(executable(), {});
        return process.waitForFinished(timeoutMs);
    }

    QTemporaryDir install;
    QProcessEnvironment environment;
    bool ready = false;
};

#pragma once

#include "TestPaths.h"
#include "platform/Dialogs.h"
#include "platform/ExternalPrograms.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "shell/QorForm.h"
#include "shell/Roster.h"
#include "shell/Services.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A world of its own for one test: a temporary installation (bin/, help/, flash/, localization/), a settings
// file in it, scripted dialogs, a seeded generator, counted beeps, recorded outside programs and a roster.
class TestWorld
{
public:
    explicit TestWorld(quint32 seed = 1)
        : settings(dir.filePath(QStringLiteral("config/Qor.conf"))),
          services(dir.filePath(QStringLiteral("bin/qor")), settings, dialogs, random, sound, programs, roster)
    {
        for (const char* sub : {"bin", "help", "flash", "localization", "config"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
        random.seed(seed);
    }
    // The windows' destruction handlers run while the services they use still exist.
    ~TestWorld() { roster.destroyAll(); }

    // Folders as the windows compute them, with their trailing separator.
    QString installRoot() const { return dir.path() + QLatin1Char('/'); }
    QString programFolder() const { return installRoot() + QStringLiteral("bin/"); }
    QString path(const QString& relative) const { return installRoot() + relative; }

    // Copies a file of the shipped data (data/...) into the installation.
    void install(const QString& dataRelative, const QString& installRelative)
    {
        QFile::remove(path(installRelative));
        QVERIFY(QFile::copy(QStringLiteral(QOR_DATA_DIR "/") + dataRelative, path(installRelative)));
    }

    void writeFile(const QString& relative, const QByteArray& bytes)
    {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Builds a window, hands it to the roster and runs its creation handler, as start-up does.
    template <class Window> Window* create()
    {
        auto* window = new Window(services);
        roster.add(window);
        window->guard([window] { window->FormCreate(); });
        return window;
    }

    QTemporaryDir dir;
    SettingsStore settings;
    ScriptedDialogs dialogs;
    Random random;
    CountingSound sound;
    RecordingPrograms programs;
    Roster roster;
    Services services;
};

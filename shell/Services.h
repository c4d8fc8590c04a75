#pragma once

#include <QString>

class SettingsStore;
class Dialogs;
class Random;
class Sound;
class ExternalPrograms;
class Roster;

// What every window needs and tests replace. Nothing here is global: the program builds one world in main(),
// a test builds its own.
class Services
{
public:
    Services(const QString& executablePath, SettingsStore& settings, Dialogs& dialogs, Random& random, Sound& sound,
             ExternalPrograms& programs, Roster& roster)
        : m_executablePath(executablePath), m_settings(settings), m_dialogs(dialogs), m_random(random), m_sound(sound),
          m_programs(programs), m_roster(roster)
    {
    }

    // The running executable's full path; both folders of every window derive from it.
    const QString& executablePath() const { return m_executablePath; }
    SettingsStore& settings() const { return m_settings; }
    Dialogs& dialogs() const { return m_dialogs; }
    Random& random() const { return m_random; }
    Sound& sound() const { return m_sound; }
    ExternalPrograms& programs() const { return m_programs; }
    Roster& roster() const { return m_roster; }

private:
    QString m_executablePath;
    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    Random& m_random;
    Sound& m_sound;
    ExternalPrograms& m_programs;
    Roster& m_roster;
};

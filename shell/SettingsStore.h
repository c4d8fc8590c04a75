#pragma once

#include <QString>
#include <memory>

class QSettings;

// The settings kept between runs, one section per window, every value stored as text: the registry key
// HKEY_CURRENT_USER\Software\Qor on Windows, $XDG_CONFIG_HOME/Qor.conf (~/.config/Qor.conf) elsewhere.
class SettingsStore
{
public:
    // The user's store.
    SettingsStore();
    // A store in the given INI file (tests, benchmarks).
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    // The default when the value is missing or its text is not a decimal integer.
    int ReadInteger(const QString& section, const QString& key, int fallback) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
    // ReadInteger with the default as 0 or 1; true when the result is not 0.
    bool ReadBool(const QString& section, const QString& key, bool fallback) const;

    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteBool(const QString& section, const QString& key, bool value);

    bool ValueExists(const QString& section, const QString& key) const;
    // Writes pending values and picks up values changed by other processes.
    void sync();
    QString location() const;

private:
    QString key(const QString& section, const QString& key) const;
    std::unique_ptr<QSettings> m_settings;
};

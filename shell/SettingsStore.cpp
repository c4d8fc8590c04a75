#include "SettingsStore.h"

#include "platform/Convert.h"

#include <QSettings>

SettingsStore::SettingsStore()
#ifdef Q_OS_WIN
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Qor"), QSettings::NativeFormat))
#else
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Qor")))
#endif
{
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore()
{
    m_settings->sync();
}

QString SettingsStore::key(const QString& section, const QString& key) const
{
    return section + QLatin1Char('/') + key;
}

int SettingsStore::ReadInteger(const QString& section, const QString& key, int fallback) const
{
    const QVariant value = m_settings->value(this->key(section, key));
    if (!value.isValid())
        return fallback;
    return StrToIntDef(value.toString(), fallback);
}

QString SettingsStore::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const QVariant value = m_settings->value(this->key(section, key));
    return value.isValid() ? value.toString() : fallback;
}

bool SettingsStore::ReadBool(const QString& section, const QString& key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void SettingsStore::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void SettingsStore::WriteString(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(this->key(section, key), value);
}

void SettingsStore::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::ValueExists(const QString& section, const QString& key) const
{
    return m_settings->contains(this->key(section, key));
}

void SettingsStore::sync()
{
    m_settings->sync();
}

QString SettingsStore::location() const
{
    return m_settings->fileName();
}

#include "SettingsStore.h"

#include "platform/Convert.h"

#include <QIODevice>
#include <QMap>
#include <QSettings>

namespace {

// The settings file: "[Section]" lines and "key=value" lines, every value kept as the text it is. Qt's own INI
// format would read a value with a comma (a name typed by hand, "Ivanov, Ivan") as a list and quote values when
// writing; here a value is simply the rest of its line. Backslash, CR and LF are escaped so any text fits a line.
QString escapeValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString unescapeValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                   : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                              : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool readSettingsFile(QIODevice& device, QSettings::SettingsMap& map)
{
    QString section;
    const QStringList lines = QString::fromUtf8(device.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        map.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key, unescapeValue(line.mid(equals + 1)));
    }
    return true;
}

bool writeSettingsFile(QIODevice& device, const QSettings::SettingsMap& map)
{
    QMap<QString, QStringList> sections;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        sections[section].append(key + QLatin1Char('=') + escapeValue(it.value().toString()));
    }
    QString text;
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
        if (!it.key().isEmpty())
            text += QLatin1Char('[') + it.key() + QStringLiteral("]\n");
        text += it.value().join(QLatin1Char('\n')) + QStringLiteral("\n\n");
    }
    return device.write(text.toUtf8()) >= 0;
}

QSettings::Format settingsFileFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readSettingsFile, writeSettingsFile);
    return format;
}

} // namespace

SettingsStore::SettingsStore()
#ifdef Q_OS_WIN
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Qor"), QSettings::NativeFormat))
#else
    : m_settings(std::make_unique<QSettings>(settingsFileFormat(), QSettings::UserScope, QStringLiteral("Qor")))
#endif
{
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, settingsFileFormat()))
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

#include "platform/settingsfile.h"

#include <QSettings>

SettingsFile::SettingsFile(const QString& path)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{}

SettingsFile::~SettingsFile() = default;

QString SettingsFile::Get(const QString& key, const QString& defaultValue) const
{
    // Pick up edits made to the file since it was last read.
    m_settings->sync();
    const QVariant value = m_settings->value(QStringLiteral("Settings/") + key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with a comma reads back as a list; join it as it was written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsFile::Save(const QString& key, const QString& value)
{
    m_settings->setValue(QStringLiteral("Settings/") + key, value);
    m_settings->sync();
}

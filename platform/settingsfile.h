#pragma once
// The per-user settings store: the [Settings] section of an ini file, every value a text.

#include <QString>
#include <memory>

class QSettings;

class SettingsFile
{
public:
    explicit SettingsFile(const QString& path);
    ~SettingsFile();

    QString Get(const QString& key, const QString& defaultValue) const;
    /// Writes one key at once, so that nothing else in the file changes.
    void Save(const QString& key, const QString& value);

private:
    std::unique_ptr<QSettings> m_settings;
};

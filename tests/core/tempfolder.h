#pragma once
// A fresh temporary folder that points the XDG folders and HOME into itself, removed afterwards
// down to names that are not UTF-8.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempFolder
{
public:
    TempFolder();
    ~TempFolder();

    QString path(const QString& relative = {}) const;
    /// Creates a folder (and its parents) below the temporary folder; returns its full path.
    QString makeFolder(const QString& relative) const;
    /// Writes exact bytes to a file below the temporary folder; returns its full path.
    QString writeFile(const QString& relative, const QByteArray& bytes) const;
    /// Makes an empty file from the very bytes of its name, which need not be UTF-8; returns its full path.
    QByteArray touch(const QByteArray& relative) const;
    QByteArray readFile(const QString& relative) const;
    bool exists(const QString& relative) const;

    QString home() const { return path(QStringLiteral("home")); }
    QString dataFolder() const { return path(QStringLiteral("home/.local/share/Wayfolder")); }
    QString configFile() const { return path(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini")); }

private:
    QTemporaryDir m_dir;
    QByteArray m_savedEnv[6];
};

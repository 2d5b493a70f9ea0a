// The XDG base folders with their documented defaults, and the program's files within them.
#include "core/system/desktopfolders.h"

#include <QDir>

namespace {

QString baseFolder(const char* variable, const QString& fallbackUnderHome)
{
    // The XDG rules ignore a relative value.
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(DesktopFolders::Home() + QLatin1Char('/') + fallbackUnderHome);
}

} // namespace

namespace DesktopFolders {

QString Home()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : QDir::cleanPath(home);
}

QString Data()
{
    return baseFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/Wayfolder");
}

QString Config()
{
    return baseFolder("XDG_CONFIG_HOME", QStringLiteral(".config")) + QStringLiteral("/Wayfolder");
}

QString Cache()
{
    return baseFolder("XDG_CACHE_HOME", QStringLiteral(".cache")) + QStringLiteral("/Wayfolder");
}

QString SettingsFile()
{
    return Config() + QStringLiteral("/Wayfolder.ini");
}

} // namespace DesktopFolders

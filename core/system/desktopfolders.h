#pragma once
// Where the program keeps its files: the XDG base folders with their documented defaults.

#include <QString>

namespace DesktopFolders {
QString Home();
/// $XDG_DATA_HOME/Wayfolder, default ~/.local/share/Wayfolder.
QString Data();
/// $XDG_CONFIG_HOME/Wayfolder, default ~/.config/Wayfolder.
QString Config();
/// $XDG_CACHE_HOME/Wayfolder, default ~/.cache/Wayfolder.
QString Cache();
/// The settings file: Config() + "/Wayfolder.ini".
QString SettingsFile();
} // namespace DesktopFolders

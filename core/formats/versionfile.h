#pragma once
// The version file of the program's web server: comma-delimited items, one of which names this
// program and its newest version ("Wayfolder:2.7"), and the comparison with the running version.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace VersionFile {

/// The items of the file in order. An item ends at a comma or a line end (CR LF, CR or LF);
/// blanks around it are dropped; an item in double quotes may hold commas and loses its quotes,
/// and anything after the closing quote up to the next delimiter is ignored.
QStringList Items(const QString& text);

/// The first item that holds the program's title, in any case; nothing when no item does, which
/// includes an empty file and one of garbage. The bytes are UTF-8 when valid, else Windows-1252.
std::optional<QString> FindProgramItem(const QByteArray& bytes, const QString& title);

/// The newest version as the item gives it: everything after its first ":", or the whole item
/// when it has none.
QString NewestVersionText(const QString& item);

/// Whether the newest version is a higher number than the running one. Both are read as the
/// leading decimal number of the text, "." being the decimal point in every locale, so 2.71 is
/// newer than 2.7 and 2.10 is older. The numbers are compared digit by digit, exactly, however
/// long they are.
bool IsNewer(const QString& newestVersion, const QString& appVersion);

} // namespace VersionFile

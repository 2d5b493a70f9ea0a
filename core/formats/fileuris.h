#pragma once
// The two ways desktops pass files between programs, through the clipboard and by drag and drop:
// "text/uri-list" (file:// URLs, each line ended by CR LF) and "x-special/gnome-copied-files"
// ("copy" or "cut", then one URL per line, each ended by LF). Paths are raw bytes: every byte
// that is not unreserved or "/" is percent-encoded, so a name that is not UTF-8 travels intact.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace FileUris {

inline constexpr char UriListType[] = "text/uri-list";
inline constexpr char CopiedFilesType[] = "x-special/gnome-copied-files";

/// The file:// URL of a local path (as FileNameFromBytes keeps it).
QByteArray Url(const QString& path);
/// The local path of a file:// URL (host empty or "localhost"); empty for anything else.
QString PathOf(const QByteArray& url);

QByteArray ComposeUriList(const QStringList& paths);
QByteArray ComposeCopiedFiles(const QStringList& paths, bool cut);

/// The local paths a uri-list names; comment lines and other URLs are left out.
QStringList ReadUriList(const QByteArray& bytes);
/// The local paths of a gnome-copied-files text, and whether they were cut.
QStringList ReadCopiedFiles(const QByteArray& bytes, bool& cut);

} // namespace FileUris

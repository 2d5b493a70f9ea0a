#pragma once
// The desktop's application entries (XDG desktop entry files) and its MIME associations
// (mimeapps.list, mimeinfo.cache): the one reader behind the text editor choice and the
// "Open With…" list. Nothing here starts a program; it only says how one would be started.

#include <QString>
#include <QStringList>
#include <vector>

namespace DesktopEntries {

/// A program and its argument list, never a shell line.
struct Command
{
    QString program; // empty when nothing usable was found
    QStringList arguments;
    /// The line puts the target inside a quoted argument, where a program could read the name
    /// as code; such a line is never run.
    bool unsafe = false;
};

/// What a desktop entry's [Desktop Entry] group says; values already unescaped.
struct Entry
{
    QString id;   // "vendor-app.desktop"
    QString file; // where it was read from
    QString name; // in the language asked for when the entry has it
    QString exec;
    QString tryExec;
    QString type;
    /// A theme icon name or an absolute picture file; empty when the entry names none.
    QString icon;
    QStringList mimeTypes;
    bool terminal = false;
    bool hidden = false;
    /// Kept out of the desktop's menus.
    bool noDisplay = false;
};

/// The applications folders, most important first: $XDG_DATA_HOME, then $XDG_DATA_DIRS.
QStringList ApplicationDirs();

/// Reads a desktop entry file; an entry with an empty id when it cannot be read.
Entry Read(const QString& file, bool swedish = false);
/// The file of a desktop entry id in the applications folders; empty when there is none.
QString FindFile(const QString& id);

/// The desktop entry ids that mimeapps.list names as the default for a MIME type, most
/// important first.
QStringList DefaultApplications(const QString& mimeType);

/// The programs that can open something of these MIME types (the first type the most exact):
/// defaults and added associations of mimeapps.list first, then every other entry that declares
/// one of the types (through mimeinfo.cache or its own MimeType key) in name order. Entries that
/// are hidden, removed by mimeapps.list, need a terminal, or whose program is not installed are
/// left out.
std::vector<Entry> ApplicationsFor(const QStringList& mimeTypes, bool swedish = false);

/// What an application's Exec line can be given.
enum class Takes
{
    Files,    ///< %f, %F, %u or %U: a local file or a URL
    Addresses ///< %u or %U: a URL
};

/// Every application of the desktop's menus (not NoDisplay) that takes a file or a URL as
/// `takes` says, in name order, leaving out the ids in `except`. Hidden, terminal and
/// uninstalled programs are left out as in ApplicationsFor.
std::vector<Entry> ApplicationsTaking(Takes takes, const QStringList& except, bool swedish = false);

/// An Exec line (or a command typed by the user, read by the same rules) with its field codes
/// filled in for one target, a local file or a URL: %f/%F the path, %u/%U its URL (a URL is
/// passed as it is), other codes dropped, "%%" a percent sign; the target is appended when the
/// line has no code for it. The target is always an argument of its own and never part of code:
/// in a shell's "-c" script a code becomes "$1" and the target follows as that positional
/// argument; a code inside any other quoted argument makes the line unsafe. An empty program
/// when the line cannot be used or names a program that is not installed.
Command FromExecLine(const QString& exec, const QString& target);

} // namespace DesktopEntries

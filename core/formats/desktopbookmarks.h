#pragma once
// The desktop's own folder bookmarks, read and added to: the GTK bookmarks file (one
// "file:///percent-encoded/path label" per line) and the KDE places file (XBEL). Each format has
// one parser and one writer; the writer only ever appends, keeps every entry of the user's as it
// was, and replaces the file through the one locked, atomic writer.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace DesktopBookmarks {

/// A local folder as a bookmark: its path, the label or title, and this program's filter.
struct Bookmark
{
    QString path;
    QString title;
    QString filter;

    friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

/// What one bookmarks file holds.
struct BookmarkFile
{
    enum Status
    {
        Ok,
        Missing,
        Unreadable, ///< the file could not be read
        Malformed,  ///< not in the file's format; never written
        NotRegular, ///< a FIFO, device or folder: never read, never written over
        TooLarge,   ///< larger than MaxBytes: never read, never written over
    };
    Status status = Missing;
    QString error;           ///< the system's or the parser's reason
    QByteArray bytes;        ///< the file as read
    QList<Bookmark> folders; ///< the local bookmarks, in file order
    int otherEntries = 0;    ///< bookmarks of other kinds (network, trash, …): kept, not imported
    /// Entries whose path or label is not UTF-8: kept byte for byte, but a writer keeps a copy
    /// of the file as well.
    int undecodable = 0;

    bool contains(const QString& path) const;
};

/// Far beyond any bookmarks file a desktop writes; a larger one is not read.
constexpr qint64 MaxBytes = qint64{16} * 1024 * 1024;

/// $XDG_CONFIG_HOME/gtk-3.0/bookmarks
QString GtkPath();
/// $XDG_DATA_HOME/user-places.xbel
QString XbelPath();

/// This program's metadata owner in the XBEL file; its element holds the favorite's filter.
inline const QString XbelOwner = QStringLiteral("https://wayfolder.example.org/favorites");

/// The local path of a file URI in the desktop's percent-encoding; nothing for other URIs, and
/// `undecodable` set when its bytes are not UTF-8. `malformed` is set for text that is no URI.
std::optional<QString> LocalPath(const QByteArray& uri, bool* malformed = nullptr,
                                 bool* undecodable = nullptr);
/// The file URI of an absolute path, percent-encoded as the desktop writes it.
QByteArray FileUri(const QString& path);

BookmarkFile ParseGtk(const QByteArray& bytes);
BookmarkFile ParseXbel(const QByteArray& bytes);
BookmarkFile ReadGtk(const QString& path);
BookmarkFile ReadXbel(const QString& path);

/// The file with the bookmarks appended after the user's own entries.
QByteArray AppendGtk(const QByteArray& existing, const QList<Bookmark>& added);
/// The same for XBEL; nothing when the existing text is not XBEL.
std::optional<QByteArray> AppendXbel(const QByteArray& existing, const QList<Bookmark>& added);

/// What an export did to one file.
struct ExportResult
{
    BookmarkFile::Status status = BookmarkFile::Ok;
    int added = 0;
    int present = 0;     ///< folders that were there already
    bool backup = false; ///< a copy was kept as <file>.bak
    QString error;       ///< why nothing was written, when not empty
};

enum class Format
{
    Gtk,
    Xbel
};

/// Adds the folders that the file lacks, after the user's entries, under the file's lock from the
/// file as it is then. A malformed or unreadable file is left untouched; the first rewrite of an
/// XBEL file (which is written whole) keeps the user's file as <file>.bak.
ExportResult Export(Format format, const QString& path, const QList<Bookmark>& folders);

} // namespace DesktopBookmarks

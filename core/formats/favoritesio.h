#pragma once
// A favorites data file read and written whole, outside the window: the command line, the search
// across all five files and the desktop-bookmarks export use it. The line format, the text
// decoding and the atomic, checked writer are the window's own (favofile.h).

#include "core/formats/favofile.h"

#include <QList>
#include <QString>
#include <cstdint>

/// What a favorites file holds, read the way the window's loader reads it, without repairing it.
struct FavoritesFileContent
{
    enum Status
    {
        Ok,
        Missing,    ///< neither the data file nor its legacy file exists
        Unreadable, ///< the file exists but could not be read
        Faulty,     ///< a line the loader stops at; `entries` holds those before it
    };
    Status status = Missing;
    bool swedish = false;
    QList<FavoritesEntry> entries;
    int faultyLine = 0; ///< 1-based line number when Faulty
    QString error;      ///< the system's reason when Unreadable

    /// The list the window shows after loading: a missing file and one without entries are
    /// replaced by the default file with its one favorite for the home folder.
    QList<FavoritesEntry> shownEntries(const QString& homeFolder) const;
};

namespace FavoritesIo {

/// Favorites file `n` (1..5) in the data folder.
QString FilePath(const QString& dataFolder, int16_t n);

/// Reads the data file, or its legacy file while the data file is missing.
FavoritesFileContent Read(const QString& path);

/// The whole file as the saver writes it: the header of the language, then one line per entry.
QByteArray Compose(bool swedish, const QList<FavoritesEntry>& entries);

/// Replaces the file atomically (see WriteFavoFileBytes).
FavoWriteResult Write(const QString& path, bool swedish, const QList<FavoritesEntry>& entries);

/// A separator line of the list: its path is "-".
bool IsSeparator(const FavoritesEntry& entry);

} // namespace FavoritesIo

#pragma once
// A favorites data file read and written whole, outside the window's loader: the command line,
// the search across all five files and the desktop-bookmarks export use it. The bounded reader,
// the parser, the composer and the locked writer are the window's own.

#include "core/formats/favofile.h"
#include "core/system/atomicfile.h"

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
        NotRegular, ///< a FIFO, device or folder: never read, never written over
        TooLarge,   ///< larger than a favorites file can be: never read, never written over
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

/// What the bounded reader gave for the data file, parsed; a missing data file falls back to its
/// legacy file.
FavoritesFileContent Parse(const QString& path, const RegularFileRead& read);

/// Changes the file under its lock: `change` gets the content as it is now and returns the new
/// list, or nothing to leave the file as it is.
using ContentChange = std::function<std::optional<QList<FavoritesEntry>>(const FavoritesFileContent& now)>;
LockedWrite Update(const QString& path, const ContentChange& change, int waitMs = FileLockWaitMs);

/// A separator line of the list: its path is "-".
bool IsSeparator(const FavoritesEntry& entry);

} // namespace FavoritesIo

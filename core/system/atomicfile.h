#pragma once
// The one way the program replaces a file of its own or of the user's. Every write takes an
// exclusive lock on ".<file>.lock" beside the file (flock: a crash releases it), reads the file as
// it is now under that lock, decides the new bytes from what it read, and replaces the file
// through a temporary file renamed into place only when every byte was written. Two programs
// that change the same file in turn therefore never lose each other's change.

#include "core/system/regularfile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

struct AtomicWriteResult
{
    bool ok = false;
    QString error; ///< the system's reason when not ok
};

/// How long a writer waits for another one to finish before it gives up. Writers hold the lock
/// for one read and one write, so only a hung disk or a stopped process keeps it longer.
constexpr int FileLockWaitMs = 2000;

/// The outcome of a locked update.
struct LockedWrite
{
    enum Status
    {
        Written,
        Unchanged,  ///< the change asked to leave the file as it is
        Locked,     ///< another writer held the lock for longer than the wait
        NotRegular, ///< a FIFO, device or folder stands there: never read, never replaced
        TooLarge,   ///< the file on disk is larger than the bound: never read, never replaced
        ReadFailed,
        WriteFailed,
    };
    Status status = WriteFailed;
    QString error; ///< the system's reason for Locked, ReadFailed and WriteFailed
    bool ok() const { return status == Written || status == Unchanged; }
};

/// What the update makes of the file as it is now: the new bytes, or nothing to leave it.
using FileChange = std::function<std::optional<QByteArray>(const RegularFileRead& now)>;

/// Locks the file, reads it (a missing file reads as Missing with no bytes), asks `change`, and
/// writes its bytes atomically. A symbolic link stays a link: its target is replaced and locked.
LockedWrite UpdateFileLocked(const QString& path, qint64 maxBytes, const FileChange& change,
                             int waitMs = FileLockWaitMs);

/// Replaces the file with `bytes` under the lock, whatever it holds now (within the bound).
LockedWrite WriteFileLocked(const QString& path, const QByteArray& bytes, qint64 maxBytes);

/// Writes `bytes` to a new file at `path`, all or nothing, and never over an existing file:
/// fails with the system's EEXIST reason when the name is taken.
AtomicWriteResult WriteNewFile(const QString& path, const QByteArray& bytes);

/// The file that a write to `path` really replaces: the end of its chain of symbolic links (a
/// dangling link gives the path it points to, so the link survives the first save as well).
QString ResolveFileLinks(const QString& path);

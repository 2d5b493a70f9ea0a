#pragma once
// The one way the program replaces a file of its own or of the user's: the new bytes go to a
// temporary file beside it that is renamed into place only when every byte was written.

#include <QByteArray>
#include <QString>

struct AtomicWriteResult
{
    bool ok = false;
    QString error; ///< the system's reason when not ok
};

/// Replaces the file at `path` with `bytes`. A crash or a full disk never leaves a truncated
/// file, a symbolic link stays a link (its target is replaced), and a path that leads to
/// something other than a regular file (a FIFO, a device, a folder) is refused, never replaced.
AtomicWriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes);

/// The file that a write to `path` really replaces: the end of its chain of symbolic links (a
/// dangling link gives the path it points to, so the link survives the first save as well).
QString ResolveFileLinks(const QString& path);

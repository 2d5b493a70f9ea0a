#pragma once
// Reading a file that a user or another program may have replaced by something that is not a
// file: a FIFO would block open() forever, a device may never end, and a huge file would fill the
// memory. Only regular files (or links to them) up to a size bound are read.

#include <QByteArray>
#include <QString>

struct RegularFileRead
{
    enum Status
    {
        Ok,
        Missing,    ///< nothing at the path (or a dangling link)
        NotRegular, ///< a FIFO, device, socket or folder
        TooLarge,   ///< larger than the bound, or grew past it while read
        Failed,     ///< exists but cannot be opened or read
    };
    Status status = Failed;
    QByteArray bytes;
    QString error; ///< the system's reason for Failed
};

/// Reads the whole file at `path` when it is a regular file (or a link to one) of at most
/// `maxBytes`. The type is checked before the open and again on the opened file, and the open
/// never blocks, so a FIFO or device swapped in between is refused as well.
RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes);

enum class FileKind
{
    Missing,
    Regular,
    Other,
};

/// What is at `path`, following links: nothing, a regular file, or anything else.
FileKind KindOfFile(const QString& path);

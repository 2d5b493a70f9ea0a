#pragma once
// Reading a file that the user may have replaced by something else: only a regular file (or a
// link to one) is read, never more than a size bound, and a FIFO or device never blocks or
// floods the program. The same check tells a writer whether it may replace what is there.

#include <QByteArray>
#include <QString>

namespace SafeFileRead {

enum class Status
{
    Ok,
    Missing,        ///< nothing at the path (a dangling link included)
    NotRegularFile, ///< a folder, FIFO, socket or device, directly or through links
    TooLarge,       ///< more bytes than the bound
    Failed,         ///< the system refused to open or read it; see `reason`
};

struct Result
{
    Status status = Status::Failed;
    QByteArray bytes;
    QString reason; ///< the system's words when Failed
};

/// Reads the whole file when it is a regular file of at most `maxBytes` bytes.
Result ReadRegularFile(const QString& path, qint64 maxBytes);

/// What a save would write over: Ok for a regular file, Missing when there is nothing yet.
/// Anything else must not be replaced.
Status Inspect(const QString& path);

} // namespace SafeFileRead

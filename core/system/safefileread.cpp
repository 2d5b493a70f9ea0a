// Reading a file only when it is a regular file within a size bound, and telling what else stands there.
#include "core/system/safefileread.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFileRead {

namespace {

QString systemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

Status statusOf(const struct stat& st, qint64 maxBytes)
{
    if (!S_ISREG(st.st_mode))
        return Status::NotRegularFile;
    if (maxBytes >= 0 && st.st_size > maxBytes)
        return Status::TooLarge;
    return Status::Ok;
}

} // namespace

Status Inspect(const QString& path)
{
    struct stat st
    {};
    // stat follows links: a link to a device is a device.
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? Status::Missing : Status::Failed;
    return statusOf(st, -1);
}

Result ReadRegularFile(const QString& path, qint64 maxBytes)
{
    Result result;
    const QByteArray name = QFile::encodeName(path);
    struct stat st
    {};
    // Look before opening: opening some devices already does something (a tape rewinds).
    if (::stat(name.constData(), &st) != 0) {
        const int err = errno;
        result.status = err == ENOENT ? Status::Missing : Status::Failed;
        result.reason = systemReason(err);
        return result;
    }
    result.status = statusOf(st, maxBytes);
    if (result.status != Status::Ok)
        return result;

    // O_NONBLOCK: should the file be swapped for a FIFO after the look, open() still returns.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        result.status = err == ENOENT ? Status::Missing : Status::Failed;
        result.reason = systemReason(err);
        return result;
    }
    if (::fstat(fd, &st) != 0 || (result.status = statusOf(st, maxBytes)) != Status::Ok) {
        ::close(fd);
        return result;
    }

    // The file may grow while it is read; one byte past the bound is enough to know.
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                break;
            bytes.resize(std::min<qsizetype>(qsizetype(maxBytes) + 1, filled + 4096));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            result.status = Status::Failed;
            result.reason = systemReason(err);
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        filled += got;
    }
    ::close(fd);
    bytes.truncate(filled);
    if (filled > maxBytes) {
        result.status = Status::TooLarge;
        return result;
    }
    result.status = Status::Ok;
    result.bytes = std::move(bytes);
    return result;
}

} // namespace SafeFileRead

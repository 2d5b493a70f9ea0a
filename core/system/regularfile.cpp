// Bounded, non-blocking reading of regular files.

#include "core/system/regularfile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

struct Fd
{
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

FileKind KindOfFile(const QString& path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Other;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes)
{
    RegularFileRead result;
    const QByteArray name = QFile::encodeName(path);
    struct stat st = {};
    // The type is known before the open: opening some devices has effects of its own.
    if (::stat(name.constData(), &st) != 0) {
        result.status =
            (errno == ENOENT || errno == ENOTDIR) ? RegularFileRead::Missing : RegularFileRead::Failed;
        result.error = qt_error_string(errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = RegularFileRead::NotRegular;
        return result;
    }

    Fd file;
    do
        file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0) {
        result.status = errno == ENOENT ? RegularFileRead::Missing : RegularFileRead::Failed;
        result.error = qt_error_string(errno);
        return result;
    }
    // Whatever was swapped in between the two looks is judged by what was opened.
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result.status = RegularFileRead::NotRegular;
        return result;
    }
    if (st.st_size > maxBytes) {
        result.status = RegularFileRead::TooLarge;
        return result;
    }

    // One byte more than the bound tells a file that grew past it from one that fits exactly.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes) {
                result.status = RegularFileRead::TooLarge;
                return result;
            }
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, qsizetype(maxBytes) + 1));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.status = RegularFileRead::Failed;
            result.error = qt_error_string(errno);
            return result;
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes) {
        result.status = RegularFileRead::TooLarge;
        return result;
    }
    bytes.truncate(filled);
    result.status = RegularFileRead::Ok;
    result.bytes = std::move(bytes);
    return result;
}

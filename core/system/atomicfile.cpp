// The locked, atomic, checked writer of files.

#include "core/system/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An exclusive flock on ".<file>.lock", released by the kernel when the process ends however it
// ends. The lock file itself stays: removing it would let a third writer lock a new inode while
// a second one still holds the old.
class FileLock
{
public:
    FileLock(const QString& target, int waitMs)
    {
        // Hidden, so that it stays out of the user's way in the folder.
        const QFileInfo file(target);
        const QByteArray name =
            QFile::encodeName(file.path() + QStringLiteral("/.") + file.fileName() + QStringLiteral(".lock"));
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
        if (m_fd < 0) {
            m_error = qt_error_string(errno);
            return;
        }
        // Polled rather than blocking: a writer that never lets go must not hang this one.
        for (int waited = 0;; waited += 5) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
                m_locked = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                m_error = qt_error_string(errno);
                return;
            }
            if (waited >= waitMs) {
                m_error = QStringLiteral("locked by another program: ") + QFile::decodeName(name);
                return;
            }
            QThread::msleep(5);
        }
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return m_locked; }
    const QString& error() const { return m_error; }

private:
    int m_fd = -1;
    bool m_locked = false;
    QString m_error;
};

// Replaces the file whole or not at all. QSaveFile's commit() can report success after a short
// write, so every step is checked.
AtomicWriteResult writeAtomically(const QString& target, const QByteArray& bytes)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        // The file device loses the system's reason for a failed buffered write.
        const int err = errno;
        const QString error = err != 0 ? qt_error_string(err) : file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace

QString ResolveFileLinks(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

LockedWrite UpdateFileLocked(const QString& path, qint64 maxBytes, const FileChange& change, int waitMs)
{
    using L = LockedWrite;
    const QString target = ResolveFileLinks(path);
    // A FIFO is refused before its lock file is made: nothing is created beside a device.
    if (KindOfFile(target) == FileKind::Other)
        return {L::NotRegular, {}};
    // A first write may come before the folder exists (the command line before the window).
    QDir().mkpath(QFileInfo(target).absolutePath());
    const FileLock lock(target, waitMs);
    if (!lock.locked())
        return {L::Locked, lock.error()};

    const RegularFileRead now = ReadRegularFile(target, maxBytes);
    switch (now.status) {
    case RegularFileRead::Ok:
    case RegularFileRead::Missing:
        break;
    case RegularFileRead::NotRegular:
        return {L::NotRegular, {}};
    case RegularFileRead::TooLarge:
        return {L::TooLarge, {}};
    case RegularFileRead::Failed:
        return {L::ReadFailed, now.error};
    }
    const std::optional<QByteArray> bytes = change(now);
    if (!bytes)
        return {L::Unchanged, {}};
    const AtomicWriteResult written = writeAtomically(target, *bytes);
    if (!written.ok)
        return {L::WriteFailed, written.error};
    return {L::Written, {}};
}

LockedWrite WriteFileLocked(const QString& path, const QByteArray& bytes, qint64 maxBytes)
{
    return UpdateFileLocked(path, maxBytes, [&bytes](const RegularFileRead&) { return bytes; });
}

AtomicWriteResult WriteNewFile(const QString& path, const QByteArray& bytes)
{
    // Written under a name of its own, then linked to the final name, which fails rather than
    // replaces when the name is taken.
    const QString temporary = path + QStringLiteral(".new-") + QString::number(::getpid());
    const QByteArray tmpName = QFile::encodeName(temporary);
    AtomicWriteResult written = writeAtomically(temporary, bytes);
    if (!written.ok)
        return written;
    const int linked = ::link(tmpName.constData(), QFile::encodeName(path).constData());
    const int err = errno;
    ::unlink(tmpName.constData());
    if (linked != 0)
        return {false, qt_error_string(err)};
    return {true, {}};
}

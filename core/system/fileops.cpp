// Folder creation and renames on raw bytes, through the *at calls on the folder's descriptor.
#include "core/system/fileops.h"

#include "core/system/filename.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileOps {

namespace {

// Holds the folder open, so that both names of a rename are looked up in the same one.
class FolderFd
{
public:
    explicit FolderFd(const QString& folder)
        : m_fd(open(FileNameToBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {}
    ~FolderFd()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FolderFd(const FolderFd&) = delete;
    FolderFd& operator=(const FolderFd&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

int errorOf(int result)
{
    return result == 0 ? 0 : errno;
}

} // namespace

NameFault CheckName(const QString& name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return NameFault::Empty;
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return NameFault::Slash;
    return NameFault::None;
}

QString Join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

int MakeFolder(const QString& folder, const QString& name)
{
    const FolderFd dir(folder);
    if (dir.fd() < 0)
        return errno;
    return errorOf(mkdirat(dir.fd(), FileNameToBytes(name).constData(), 0777));
}

int RenameNoReplace(const QString& folder, const QString& from, const QString& to)
{
    return MoveNoReplace(Join(folder, from), Join(folder, to));
}

int MoveNoReplace(const QString& from, const QString& to)
{
    const QByteArray oldName = FileNameToBytes(from);
    const QByteArray newName = FileNameToBytes(to);
    if (renameat2(AT_FDCWD, oldName.constData(), AT_FDCWD, newName.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    // No RENAME_NOREPLACE here (some network and FUSE file systems). A link fails when the new
    // name exists, so a file is never replaced.
    struct stat st;
    if (fstatat(AT_FDCWD, oldName.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode)) {
        if (linkat(AT_FDCWD, oldName.constData(), AT_FDCWD, newName.constData(), 0) == 0)
            return errorOf(unlinkat(AT_FDCWD, oldName.constData(), 0));
        if (errno == EEXIST)
            return EEXIST;
    }
    // Folders cannot be linked: check, then rename; the gap is as small as the system allows.
    if (fstatat(AT_FDCWD, newName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return errorOf(renameat(AT_FDCWD, oldName.constData(), AT_FDCWD, newName.constData()));
}

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace FileOps

// The copy engine: plain POSIX calls on folder descriptors, raw names throughout.
#include "core/system/filecopy.h"

#include "core/system/filename.h"
#include "core/system/fileops.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace FileCopy {

namespace {

constexpr size_t BlockBytes = size_t(1) << 20;
constexpr int MostNumbers = 10000;

// A descriptor closed when it goes.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    /// Closes now, reporting what close() says (a late write error on some file systems).
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// The entries of a folder (without "." and ".."), read once.
int listFolder(int dirFd, std::vector<QByteArray>& names)
{
    const int fd = ::dup(dirFd);
    if (fd < 0)
        return errno;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    ::rewinddir(dir);
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
        errno = 0;
    }
    const int error = errno;
    ::closedir(dir);
    return error;
}

// Removes what this run created under a temporary name, folders with all they hold.
void removeTree(int dirFd, const QByteArray& name)
{
    struct stat st;
    if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        const Fd sub(::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        std::vector<QByteArray> names;
        if (sub.get() >= 0 && listFolder(sub.get(), names) == 0)
            for (const QByteArray& child : names)
                removeTree(sub.get(), child);
        ::unlinkat(dirFd, name.constData(), AT_REMOVEDIR);
        return;
    }
    ::unlinkat(dirFd, name.constData(), 0);
}

// realpath() of a path's bytes; empty when it cannot be resolved.
QByteArray resolved(const QString& path)
{
    char* real = ::realpath(FileNameToBytes(path).constData(), nullptr);
    if (!real)
        return {};
    QByteArray result(real);
    std::free(real);
    return result;
}

// Whether folder `outer` is `inner` or holds it.
bool holds(const QByteArray& outer, const QByteArray& inner)
{
    if (outer.isEmpty() || inner.isEmpty())
        return false;
    return inner == outer || inner.startsWith(outer.endsWith('/') ? outer : outer + '/');
}

// Renames `from` to `name`, or to the first free "name (n)" when that is taken; never replaces.
int renameFree(int fromFd, const QByteArray& from, int toFd, const QByteArray& name, bool folder,
               QByteArray& placedAs)
{
    const QString text = FileNameFromBytes(std::string_view(name.constData(), size_t(name.size())));
    for (int number = 1; number < MostNumbers; ++number) {
        const QByteArray candidate = number == 1 ? name : FileNameToBytes(NumberedName(text, number, folder));
        int error = 0;
        if (::renameat2(fromFd, from.constData(), toFd, candidate.constData(), RENAME_NOREPLACE) != 0)
            error = errno;
        if (error == EINVAL || error == ENOSYS || error == ENOTSUP) {
            // No RENAME_NOREPLACE on this file system: check, then rename.
            struct stat st;
            if (::fstatat(toFd, candidate.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                error = EEXIST;
            else
                error = ::renameat(fromFd, from.constData(), toFd, candidate.constData()) == 0 ? 0 : errno;
        }
        if (error == 0) {
            placedAs = candidate;
            return 0;
        }
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

class Engine
{
public:
    Engine(bool move, const std::map<QString, Answer>& answers, Progress& progress)
        : m_move(move), m_answers(answers), m_progress(progress)
    {}

    Outcome run(const QStringList& sources, const QString& target);

private:
    // A source entry: the folder that holds it, its name there, its path for messages, its kind.
    struct Source
    {
        int dirFd = -1;
        QByteArray name;
        QString path;
        struct stat st = {};
    };

    bool stopped() const { return m_outcome.error != 0 || m_outcome.cancelled; }
    bool fail(int error, const QString& path)
    {
        if (!stopped()) {
            m_outcome.error = error;
            m_outcome.failedPath = path;
        }
        return false;
    }
    bool cancelled()
    {
        if (m_progress.cancel.load())
            m_outcome.cancelled = true;
        return m_outcome.cancelled;
    }
    void step()
    {
        if (m_progress.step)
            m_progress.step();
    }
    void placedOne()
    {
        ++m_progress.done;
        step();
    }

    bool transfer(const Source& src, int targetFd, const QByteArray& name, Answer answer, dev_t targetDevice,
                  QByteArray& placedAs);
    bool copyEntry(const Source& src, int dirFd, const QByteArray& name, std::vector<QByteArray>& copied);
    bool copyData(const Source& src, int dirFd, const QByteArray& name);
    void deleteCopied(const std::vector<QByteArray>& copied);

    bool m_move;
    const std::map<QString, Answer>& m_answers;
    Progress& m_progress;
    Outcome m_outcome;
    int m_tempCounter = 0;
};

bool Engine::copyData(const Source& src, int dirFd, const QByteArray& name)
{
    const Fd in(::openat(src.dirFd, src.name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0)
        return fail(errno, src.path);
    Fd out(::openat(dirFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.get() < 0)
        return fail(errno, src.path);
    const auto removeOut = [&](int error) {
        out.close();
        ::unlinkat(dirFd, name.constData(), 0);
        return error ? fail(error, src.path) : false;
    };
    std::vector<char> block(BlockBytes);
    for (;;) {
        if (cancelled())
            return removeOut(0);
        const ssize_t got = ::read(in.get(), block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return removeOut(errno);
        if (got == 0)
            break;
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::write(out.get(), block.data() + written, size_t(got - written));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return removeOut(put < 0 ? errno : ENOSPC);
            written += put;
        }
        step();
    }
    const timespec times[2] = {src.st.st_atim, src.st.st_mtim};
    ::futimens(out.get(), times);
    if (::fchmod(out.get(), src.st.st_mode & 07777) != 0 || ::fsync(out.get()) != 0)
        return removeOut(errno);
    if (const int error = out.close(); error != 0) {
        ::unlinkat(dirFd, name.constData(), 0);
        return fail(error, src.path);
    }
    return true;
}

bool Engine::copyEntry(const Source& src, int dirFd, const QByteArray& name, std::vector<QByteArray>& copied)
{
    if (cancelled())
        return false;
    const QByteArray sourceBytes = FileNameToBytes(src.path);
    if (S_ISREG(src.st.st_mode)) {
        if (!copyData(src, dirFd, name))
            return false;
    } else if (S_ISLNK(src.st.st_mode)) {
        std::vector<char> link(size_t(src.st.st_size > 0 ? src.st.st_size : PATH_MAX) + 1);
        const ssize_t length = ::readlinkat(src.dirFd, src.name.constData(), link.data(), link.size());
        if (length < 0 || size_t(length) >= link.size())
            return fail(length < 0 ? errno : ENAMETOOLONG, src.path);
        link[size_t(length)] = '\0';
        if (::symlinkat(link.data(), dirFd, name.constData()) != 0)
            return fail(errno, src.path);
    } else if (S_ISDIR(src.st.st_mode)) {
        if (::mkdirat(dirFd, name.constData(), 0700) != 0)
            return fail(errno, src.path);
        const Fd into(::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        const Fd from(
            ::openat(src.dirFd, src.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        std::vector<QByteArray> names;
        int error = into.get() < 0 || from.get() < 0 ? errno : listFolder(from.get(), names);
        for (size_t i = 0; error == 0 && i < names.size(); ++i) {
            Source child{
                from.get(), names[i], FileOps::Join(src.path, FileNameFromBytes(names[i].constData())), {}};
            if (::fstatat(from.get(), names[i].constData(), &child.st, AT_SYMLINK_NOFOLLOW) != 0)
                error = errno;
            else if (!copyEntry(child, into.get(), names[i], copied))
                break;
        }
        if (error == 0 && !stopped()) {
            const timespec times[2] = {src.st.st_atim, src.st.st_mtim};
            ::futimens(into.get(), times);
            if (::fchmod(into.get(), src.st.st_mode & 07777) != 0 || ::fsync(into.get()) != 0)
                error = errno;
        }
        if (error != 0 || stopped()) {
            removeTree(dirFd, name);
            return error != 0 ? fail(error, src.path) : false;
        }
        copied.push_back(sourceBytes);
        return true;
    } else {
        // A pipe, device or socket has no content to copy; reading one could wait for ever.
        return fail(ENOTSUP, src.path);
    }
    copied.push_back(sourceBytes);
    placedOne();
    return true;
}

void Engine::deleteCopied(const std::vector<QByteArray>& copied)
{
    // Folders come after what they held, and go only when nothing else appeared in them since.
    for (const QByteArray& path : copied) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            continue;
        const int removed = S_ISDIR(st.st_mode) ? ::rmdir(path.constData()) : ::unlink(path.constData());
        // A move that leaves its source behind has made a copy: that is said, not hidden.
        if (removed != 0 && m_outcome.keptError == 0) {
            m_outcome.keptError = errno;
            m_outcome.keptPath = FileNameFromBytes(path.constData());
        }
    }
}

bool Engine::transfer(const Source& src, int targetFd, const QByteArray& name, Answer answer,
                      dev_t targetDevice, QByteArray& placedAs)
{
    if (cancelled())
        return false;
    struct stat there;
    const bool taken = ::fstatat(targetFd, name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0;
    if (taken && answer == Answer::Skip)
        return true;
    const bool replace = taken && answer == Answer::Replace;
    const bool folder = S_ISDIR(src.st.st_mode);
    if (replace && folder && S_ISDIR(there.st_mode)) {
        // A folder replacing a folder is merged into it, each of its entries replacing its namesake.
        const Fd into(::openat(targetFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        const Fd from(
            ::openat(src.dirFd, src.name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        std::vector<QByteArray> names;
        const int error = into.get() < 0 || from.get() < 0 ? errno : listFolder(from.get(), names);
        if (error != 0)
            return fail(error, src.path);
        for (const QByteArray& childName : names) {
            Source child{
                from.get(), childName, FileOps::Join(src.path, FileNameFromBytes(childName.constData())), {}};
            if (::fstatat(from.get(), childName.constData(), &child.st, AT_SYMLINK_NOFOLLOW) != 0)
                return fail(errno, child.path);
            QByteArray ignored;
            if (!transfer(child, into.get(), childName, Answer::Replace, targetDevice, ignored))
                return false;
        }
        if (m_move)
            ::unlinkat(src.dirFd, src.name.constData(), AT_REMOVEDIR);
        placedAs = name;
        return true;
    }
    if (m_move && src.st.st_dev == targetDevice) {
        int error = 0;
        if (replace)
            error = ::renameat(src.dirFd, src.name.constData(), targetFd, name.constData()) == 0 ? 0 : errno;
        else
            error = renameFree(src.dirFd, src.name, targetFd, name, folder, placedAs);
        if (error == 0) {
            if (replace)
                placedAs = name;
            placedOne();
            return true;
        }
        // One device number, yet two mounts (a bind mount): copy as across volumes.
        if (error != EXDEV)
            return fail(error, src.path);
    }
    QByteArray temp;
    struct stat st;
    do
        temp = ".wayfolder-" + QByteArray::number(::getpid()) + "-" + QByteArray::number(++m_tempCounter) +
               ".part";
    while (::fstatat(targetFd, temp.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0);
    std::vector<QByteArray> copied;
    if (!copyEntry(src, targetFd, temp, copied))
        return false;
    int error = 0;
    if (replace)
        error = ::renameat(targetFd, temp.constData(), targetFd, name.constData()) == 0 ? 0 : errno;
    else
        error = renameFree(targetFd, temp, targetFd, name, folder, placedAs);
    if (error != 0) {
        removeTree(targetFd, temp);
        return fail(error, src.path);
    }
    if (replace)
        placedAs = name;
    if (folder)
        ::fsync(targetFd);
    if (m_move)
        deleteCopied(copied);
    return true;
}

Outcome Engine::run(const QStringList& sources, const QString& target)
{
    const Fd targetFd(::open(FileNameToBytes(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat targetSt;
    if (targetFd.get() < 0 || ::fstat(targetFd.get(), &targetSt) != 0) {
        fail(errno, target);
        return m_outcome;
    }
    const QByteArray targetReal = resolved(target);
    for (const QString& path : sources) {
        if (stopped() || cancelled())
            break;
        const QFileInfo info(path);
        const Fd parent(::open(FileNameToBytes(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        Source src{parent.get(), FileNameToBytes(info.fileName()), path, {}};
        if (parent.get() < 0 ||
            ::fstatat(parent.get(), src.name.constData(), &src.st, AT_SYMLINK_NOFOLLOW) != 0) {
            fail(errno, path);
            break;
        }
        if (S_ISDIR(src.st.st_mode) && holds(resolved(path), targetReal)) {
            fail(EINVAL, path);
            break;
        }
        struct stat there;
        const bool self = ::fstatat(targetFd.get(), src.name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
                          there.st_dev == src.st.st_dev && there.st_ino == src.st.st_ino;
        if (self && m_move) {
            // Moved onto itself: nothing to do.
            placedOne();
            continue;
        }
        const auto answer = m_answers.find(path);
        QByteArray placedAs;
        if (!transfer(src, targetFd.get(), src.name,
                      self || answer == m_answers.end() ? Answer::KeepBoth : answer->second, targetSt.st_dev,
                      placedAs))
            break;
        if (!placedAs.isEmpty())
            m_outcome.placed << FileNameFromBytes(placedAs.constData());
    }
    ::fsync(targetFd.get());
    return m_outcome;
}

// Files and links below a folder, counted for the progress line.
int countFiles(int dirFd, const QByteArray& name)
{
    const Fd folder(::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    std::vector<QByteArray> names;
    if (folder.get() < 0 || listFolder(folder.get(), names) != 0)
        return 0;
    int count = 0;
    for (const QByteArray& child : names) {
        struct stat st;
        if (::fstatat(folder.get(), child.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        count += S_ISDIR(st.st_mode) ? countFiles(folder.get(), child) : 1;
    }
    return count;
}

} // namespace

Plan MakePlan(const QStringList& sources, const QString& target, bool move)
{
    Plan plan;
    const QByteArray targetBytes = FileNameToBytes(target);
    const QByteArray targetReal = resolved(target);
    struct stat targetSt;
    if (::stat(targetBytes.constData(), &targetSt) != 0) {
        plan.error = errno;
        plan.errorPath = target;
        return plan;
    }
    for (const QString& path : sources) {
        const QFileInfo info(path);
        const Fd parent(::open(FileNameToBytes(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        const QByteArray name = FileNameToBytes(info.fileName());
        struct stat st;
        if (parent.get() < 0 || ::fstatat(parent.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (plan.error == 0) {
                plan.error = errno;
                plan.errorPath = path;
            }
            continue;
        }
        const bool folder = S_ISDIR(st.st_mode);
        plan.sameVolume = plan.sameVolume && st.st_dev == targetSt.st_dev;
        if (folder && plan.intoItself.isEmpty() && holds(resolved(path), targetReal))
            plan.intoItself = path;
        struct stat there;
        const QByteArray targetName = targetBytes + '/' + name;
        if (::lstat(targetName.constData(), &there) == 0 &&
            !(there.st_dev == st.st_dev && there.st_ino == st.st_ino))
            plan.conflicts << path;
        plan.files += folder && !(move && st.st_dev == targetSt.st_dev) ? countFiles(parent.get(), name) : 1;
    }
    return plan;
}

Outcome Run(const QStringList& sources, const QString& target, bool move,
            const std::map<QString, Answer>& answers, Progress& progress)
{
    return Engine(move, answers, progress).run(sources, target);
}

QString NumberedName(const QString& name, int number, bool folder)
{
    const qsizetype dot = folder ? -1 : name.lastIndexOf(QLatin1Char('.'));
    QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    static const QRegularExpression counted(QStringLiteral(" \\(\\d+\\)$"));
    stem.remove(counted);
    return stem + QStringLiteral(" (") + QString::number(number) + QLatin1Char(')') + extension;
}

bool IsFullDisk(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

} // namespace FileCopy

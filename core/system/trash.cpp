// The trash on raw bytes: names that are not UTF-8 keep their bytes in the .trashinfo, and the
// name inside the trash is one that any program can show.
#include "core/system/trash.h"

#include "core/system/atomicfile.h"
#include "core/system/filename.h"
#include "core/system/fileops.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace Trash {

namespace {

bool statAt(const QString& path, struct stat& st, bool follow = true)
{
    const QByteArray bytes = FileNameToBytes(path);
    return (follow ? ::stat(bytes.constData(), &st) : ::lstat(bytes.constData(), &st)) == 0;
}

QString parentOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

// The device of the nearest folder that exists along `path`, the path itself first.
dev_t deviceOf(QString path)
{
    struct stat st;
    while (!statAt(path, st) && path != QLatin1String("/"))
        path = parentOf(path);
    return st.st_dev;
}

// The top folder of the volume that holds `folder`: the highest ancestor on the same device.
QString topOf(const QString& folder, dev_t device)
{
    QString top = folder;
    while (top != QLatin1String("/")) {
        struct stat st;
        const QString up = parentOf(top);
        if (!statAt(up, st) || st.st_dev != device)
            break;
        top = up;
    }
    return top;
}

int makeFolders(const QString& trash)
{
    for (const QString& folder : {trash, trash + QStringLiteral("/files"), trash + QStringLiteral("/info")}) {
        if (::mkdir(FileNameToBytes(folder).constData(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}

// A trash folder of ours: a real folder (never a link someone planted), owned by us.
bool ownFolder(const QString& path)
{
    struct stat st;
    return statAt(path, st, false) && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

} // namespace

QString HomeTrash(const QString& dataHome)
{
    return FileOps::Join(dataHome, QStringLiteral("Trash"));
}

Place PlaceFor(const QString& path, const QString& homeTrash, int& error)
{
    error = 0;
    struct stat st;
    if (!statAt(path, st, false)) {
        error = errno;
        return {};
    }
    if (deviceOf(homeTrash) == st.st_dev) {
        error = makeFolders(homeTrash);
        return error == 0 ? Place{homeTrash, {}} : Place{};
    }
    const QString top = topOf(parentOf(path), st.st_dev);
    const QString uid = QString::number(::getuid());
    // The administrator's shared ".Trash" counts only with the sticky bit and not as a link.
    struct stat shared;
    const QString sharedTrash = FileOps::Join(top, QStringLiteral(".Trash"));
    if (statAt(sharedTrash, shared, false) && S_ISDIR(shared.st_mode) && (shared.st_mode & S_ISVTX)) {
        const QString mine = FileOps::Join(sharedTrash, uid);
        if (makeFolders(mine) == 0 && ownFolder(mine))
            return {mine, top};
    }
    const QString own = FileOps::Join(top, QStringLiteral(".Trash-") + uid);
    error = makeFolders(own);
    if (error == 0 && !ownFolder(own))
        error = EPERM;
    return error == 0 ? Place{own, top} : Place{};
}

QByteArray InfoText(const QString& path, const QString& top, const QDateTime& deleted)
{
    QByteArray bytes = FileNameToBytes(path);
    // A volume's own trash names its files from the volume's top, which may be mounted
    // elsewhere next time.
    if (!top.isEmpty()) {
        const QByteArray prefix =
            FileNameToBytes(top.endsWith(QLatin1Char('/')) ? top : top + QLatin1Char('/'));
        if (bytes.startsWith(prefix))
            bytes = bytes.mid(prefix.size());
    }
    return "[Trash Info]\nPath=" + bytes.toPercentEncoding("/") +
           "\nDeletionDate=" + deleted.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + "\n";
}

int MoveToTrash(const QString& path, const QString& homeTrash)
{
    int error = 0;
    const Place place = PlaceFor(path, homeTrash, error);
    if (place.trash.isEmpty())
        return error;
    const QString name = FileNameForDisplay(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    const QByteArray info = InfoText(path, place.top, QDateTime::currentDateTime());
    // The .trashinfo is made first and never over another one: it claims the name in the trash.
    for (int copy = 1; copy < 10000; ++copy) {
        const QString trashName = copy == 1 ? name : name + QLatin1Char('.') + QString::number(copy);
        const QString infoFile =
            place.trash + QStringLiteral("/info/") + trashName + QStringLiteral(".trashinfo");
        const QString inTrash = place.trash + QStringLiteral("/files/") + trashName;
        struct stat st;
        if (statAt(inTrash, st, false) || statAt(infoFile, st, false))
            continue;
        const AtomicWriteResult written = WriteNewFile(infoFile, info);
        if (!written.ok) {
            if (statAt(infoFile, st, false))
                continue; // taken meanwhile
            return EIO;
        }
        const int moved = FileOps::MoveNoReplace(path, inTrash);
        if (moved != 0)
            ::unlink(FileNameToBytes(infoFile).constData());
        if (moved != EEXIST)
            return moved;
    }
    return EEXIST;
}

int DeleteForGood(const QString& path)
{
    const QByteArray bytes = FileNameToBytes(path);
    std::error_code failure;
    std::filesystem::remove_all(std::filesystem::path(bytes.toStdString()), failure);
    return failure.value();
}

} // namespace Trash

// Which mounted volume holds a path: the longest mount point that contains it.
#include "core/system/volumes.h"

#include <QDir>
#include <QStorageInfo>

namespace Volumes {

bool Holds(const QString& mountPoint, const QString& path)
{
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(mountPoint);
    return path == mountPoint ||
           (path.startsWith(mountPoint) && path.at(mountPoint.size()) == QLatin1Char('/'));
}

QString MountPointOf(const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    QString best = QStringLiteral("/");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (Holds(root, clean) && root.size() > best.size())
            best = root;
    }
    return best;
}

} // namespace Volumes

#pragma once
// The mounted volumes, read from the kernel's mount table without asking any of them anything, so
// that a volume that does not answer never holds up the list: the Linux stand-in for "the drive"
// of a path.

#include <QHash>
#include <QString>
#include <vector>

namespace Volumes {

/// One mounted file system as the mount table lists it.
struct Mount
{
    QString mountPoint;
    QString fsType;
    QString device; ///< e.g. /dev/sdb1 or server:/share
};

/// How full a volume is, as statfs tells it; asking may wait for a volume that does not answer.
struct Space
{
    bool known = false; ///< the volume answered
    qint64 total = 0;   ///< bytes
    qint64 free = 0;    ///< bytes an ordinary user may still write
};
/// Asks the volume mounted at `mountPoint`: for a worker, never the window's thread.
Space SpaceOf(const QString& mountPoint);

/// Every mount of this process's mount table (/proc/self/mountinfo), in its order.
std::vector<Mount> Mounted();
/// The mounts described by the text of a mountinfo file.
std::vector<Mount> ParseMountInfo(const QByteArray& text);

/// Volume labels by device (/dev/sdb1 -> "MYSTICK"), from the links the system keeps under
/// /dev/disk/by-label; the devices are resolved links, so look a mount's device up resolved too.
QHash<QString, QString> LabelsByDevice();

/// Whether `path` lies on or below the folder `mountPoint` (both absolute and clean).
bool Holds(const QString& mountPoint, const QString& path);

/// Mount point of the volume that holds `path` (the longest mount point that is a prefix of
/// it); "/" when nothing else matches. The path itself need not exist.
QString MountPointOf(const QString& path);

} // namespace Volumes

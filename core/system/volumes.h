#pragma once
// Which mounted volume holds a path: the Linux stand-in for "the drive" of a path.

#include <QString>

namespace Volumes {
/// Whether `path` lies on or below the folder `mountPoint` (both absolute and clean).
bool Holds(const QString& mountPoint, const QString& path);

/// Mount point of the volume that holds `path` (the longest mount point that is a prefix of
/// it); "/" when nothing else matches. The path itself need not exist.
QString MountPointOf(const QString& path);
} // namespace Volumes

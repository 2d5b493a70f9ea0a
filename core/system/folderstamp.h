#pragma once
// What a folder looked like on disk at one moment, taken with one stat: enough to tell whether
// its entries may have changed since, because adding, removing or renaming an entry changes the
// folder's modification and change times. A watcher can tell sooner; this costs nothing to keep.

#include <QString>
#include <ctime>
#include <sys/stat.h>
#include <sys/types.h>

class FolderStamp
{
public:
    /// A stamp of nothing: every folder has changed since.
    FolderStamp() = default;

    /// Taken just before the folder is read, so that a change during the read counts as later.
    static FolderStamp Take(const QString& folder);
    /// The stamp of a folder already looked at (a stat of it); nothing when it is not a folder.
    static FolderStamp Of(const struct stat& info);

    /// Whether the folder may differ from what was read after the stamp: another modification
    /// or change time, another folder under the name, no folder, or a stamp taken so soon after
    /// the folder's last change that the file system's coarse clock could hide a later one.
    bool Changed(const QString& folder) const;

private:
    bool m_valid = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    timespec m_modified{};
    timespec m_changed{};
    bool m_settled = false;
};

// Taking a folder's stamp with one stat, and telling from it whether the folder may have changed.
#include "core/system/folderstamp.h"

#include <QFile>
#include <sys/stat.h>

namespace {

// File systems store times as coarsely as 2 s; a change within that of the stamp may not show.
constexpr time_t SettleSeconds = 2;

bool operator==(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

FolderStamp FolderStamp::Take(const QString& folder)
{
    struct stat info = {};
    if (stat(QFile::encodeName(folder).constData(), &info) != 0)
        return {};
    return Of(info);
}

FolderStamp FolderStamp::Of(const struct stat& info)
{
    FolderStamp stamp;
    if (!S_ISDIR(info.st_mode))
        return stamp;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    stamp.m_valid = true;
    stamp.m_device = info.st_dev;
    stamp.m_inode = info.st_ino;
    stamp.m_modified = info.st_mtim;
    stamp.m_changed = info.st_ctim;
    const time_t last = std::max(info.st_mtim.tv_sec, info.st_ctim.tv_sec);
    stamp.m_settled = now.tv_sec - last > SettleSeconds;
    return stamp;
}

bool FolderStamp::Changed(const QString& folder) const
{
    if (!m_valid || !m_settled)
        return true;
    const FolderStamp now = Take(folder);
    return !now.m_valid || now.m_device != m_device || now.m_inode != m_inode ||
           !(now.m_modified == m_modified) || !(now.m_changed == m_changed);
}

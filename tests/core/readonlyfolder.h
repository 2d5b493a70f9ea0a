#pragma once
// A folder nothing may be written in, for tests. Root ignores file modes, so for root it is a
// small tmpfs mounted read-only over the folder; for anyone else the folder's mode says so.

#include <QByteArray>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class ReadOnlyFolder
{
public:
    /// Makes `folder` (which exists and is empty) read-only after `fill` has put files in it.
    template <typename Fill>
    ReadOnlyFolder(const QByteArray& folder, Fill fill) : m_folder(folder), m_mounted(::geteuid() == 0)
    {
        if (m_mounted && ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=1m") != 0) {
            m_failed = true;
            return;
        }
        fill();
        m_failed = m_mounted
                       ? ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0
                       : ::chmod(folder.constData(), 0555) != 0;
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
        else
            ::chmod(m_folder.constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    /// Whether the folder could not be made read-only (root without the right to mount).
    bool failed() const { return m_failed; }
    /// Whether it is a volume of its own, so that a move out of it is a copy and a delete.
    bool ownVolume() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted;
    bool m_failed = false;
};

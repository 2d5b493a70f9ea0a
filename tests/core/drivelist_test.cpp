// The drive list: which mounts are offered, and which volume a path belongs to.

#include "core/system/runtimeerror.h"
#include "core/toolkit/drivelist.h"
#include "core/toolkit/form.h"
#include "tempfolder.h"
#include "testhost.h"

#include <gtest/gtest.h>

namespace {

using Volume = DriveList::Volume;

QStringList mountPoints(const std::vector<Volume>& volumes)
{
    QStringList result;
    for (const Volume& volume : volumes)
        result.append(volume.mountPoint);
    return result;
}

Volume row(const char* mountPoint, const char* fsType, const char* label = "")
{
    return {QString::fromUtf8(mountPoint), QString::fromUtf8(fsType), QString::fromUtf8(label),
            QStringLiteral("dev")};
}

class DriveListTest : public ::testing::Test
{
protected:
    DriveListTest()
    {
        drives.Change = [this] { ++changes; };
        drives.setVolumes({row("/", "ext4"), row("/media/usb", "vfat", "MYSTICK"),
                           row("/media/usb2", "exfat"), row("/mnt/nas", "nfs4", "nas:/share")});
    }

    TempFolder temp;
    TestHost host;
    Form form{host, QStringLiteral("Test")};
    DriveList drives{form, QStringLiteral("Drives")};
    int changes = 0;
};

} // namespace

TEST(DriveListFilterTest, OffersRootHomeRemovableAndNetworkVolumesOnly)
{
    const std::vector<Volume> mounts = {
        row("/", "overlay"), // a container's root is still the root
        row("/proc", "proc"),
        row("/run/user/1000", "tmpfs"),
        row("/run/user/1000/gvfs", "fuse.gvfsd-fuse"),
        row("/run/media/anna/STICK", "vfat", "STICK"),
        row("/media/usb", "vfat"),
        row("/media/usb", "ext4", "NEWER"), // mounted over the first one
        row("/mnt/nas", "nfs4"),
        row("/mnt/ram", "tmpfs"),
        row("/srv/share", "cifs"),
        row("/home/anna/remote", "fuse.sshfs"),
        row("/home", "ext4"),
        row("/tmp", "tmpfs"),
        row("/snap/core/123", "squashfs"),
        row("/boot/efi", "vfat"),
        row("/var/lib/docker/overlay2/x/merged", "overlay"),
        row("/media", "ext4"),
    };
    const std::vector<Volume> picked = DriveList::UserVolumes(mounts, QStringLiteral("/home/anna"));
    EXPECT_EQ(mountPoints(picked), QStringList({"/", "/home", "/home/anna/remote", "/media/usb", "/mnt/nas",
                                                "/run/media/anna/STICK", "/srv/share"}));
    EXPECT_EQ(picked[3].label, QStringLiteral("NEWER"));
}

TEST(DriveListFilterTest, TheHomeVolumeIsOfferedWhateverItsKind)
{
    const std::vector<Volume> mounts = {row("/", "ext4"), row("/tmp", "tmpfs"),
                                        row("/run/user/1000", "tmpfs")};
    EXPECT_EQ(mountPoints(DriveList::UserVolumes(mounts, QStringLiteral("/tmp/x/home"))),
              QStringList({"/", "/tmp"}));
    EXPECT_EQ(mountPoints(DriveList::UserVolumes(mounts, QStringLiteral("/tmpother"))), QStringList({"/"}));
    EXPECT_EQ(mountPoints(DriveList::UserVolumes(mounts, QString())), QStringList({"/"}));
}

TEST_F(DriveListTest, ShowsMountPointAndLabel)
{
    ASSERT_EQ(drives.ListCount(), 4);
    EXPECT_EQ(drives.List(1), QStringLiteral("/media/usb  (MYSTICK)"));
    EXPECT_EQ(drives.List(2), QStringLiteral("/media/usb2"));
}

TEST_F(DriveListTest, APathChoosesTheVolumeWithTheLongestMountPointHoldingIt)
{
    // clang-format off
    struct Row { const char* path; const char* drive; int changes; };
    // clang-format on
    const Row rows[] = {
        {"/home/anna", "/", 1},          {"/media/usb2/photos/", "/media/usb2", 2},
        {"/media/usb", "/media/usb", 3}, {"/media/usb/../usb2", "/media/usb2", 4},
        {"/media/usbx", "/", 5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path);
        drives.setDrive(QString::fromUtf8(r.path));
        EXPECT_EQ(drives.Drive(), QString::fromUtf8(r.drive));
        EXPECT_EQ(drives.List(drives.ListIndex()).section(QStringLiteral("  "), 0, 0), drives.Drive());
        EXPECT_EQ(changes, r.changes);
    }
}

TEST_F(DriveListTest, PickingAnEntryChangesTheDrive)
{
    drives.setDrive(QStringLiteral("/"));
    drives.setListIndex(3);
    EXPECT_EQ(drives.Drive(), QStringLiteral("/mnt/nas"));
    EXPECT_EQ(changes, 2);
    drives.setListIndex(3);
    drives.setListIndex(9); // outside the list: nothing happens
    EXPECT_EQ(drives.Drive(), QStringLiteral("/mnt/nas"));
    EXPECT_EQ(drives.ListIndex(), 3);
    EXPECT_EQ(changes, 2);
}

TEST_F(DriveListTest, NoVolumeHoldingThePathIsDeviceUnavailable)
{
    drives.setDrive(QStringLiteral("/media/usb"));
    drives.setVolumes({row("/media/usb", "vfat")});
    for (const QString& path : {QString(), QStringLiteral("/home")}) {
        SCOPED_TRACE(path.toStdString());
        try {
            drives.setDrive(path);
            ADD_FAILURE() << "no error";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.Number(), ErrNo::DeviceUnavailable);
        }
        EXPECT_EQ(drives.Drive(), QStringLiteral("/media/usb"));
    }
}

TEST_F(DriveListTest, TheMountedVolumesIncludeTheRootAndHoldTheHomeFolder)
{
    drives.Refresh();
    ASSERT_GE(drives.ListCount(), 1);
    EXPECT_EQ(drives.List(0).section(QStringLiteral("  "), 0, 0), QStringLiteral("/"));
    drives.setDrive(temp.home());
    EXPECT_TRUE(temp.home().startsWith(drives.Drive()));
}

// The file-name filter, and the list models on real folders: the folder tree, the file list and the drive
// list (what is listed, in which order, through which pattern, path forms, events and failures), the file
// list's details columns (size texts, orders, which rows are read, a folder that does not
// answer), and reading folders at scale: one read per folder change for the tree and the file
// list, a filter that sorts only its matches, the names laid out in sorted order, and a tree that
// reaches every one of a hundred thousand subfolders.

#include "core/system/filelisting.h"
#include "core/system/filename.h"
#include "core/system/filepattern.h"
#include "core/system/folderstamp.h"
#include "core/system/runtimeerror.h"
#include "core/toolkit/drivelist.h"
#include "core/toolkit/filecolumns.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"
#include "tempfolder.h"
#include "testhost.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct Listing : ::testing::Test
{
    TempFolder temp;
    TestHost host;
    Form form{host, QStringLiteral("Test")};

    static QStringList shown(const FileList& list)
    {
        QStringList names;
        for (int i = 0; i < list.ListCount(); ++i)
            names << list.List(i);
        return names;
    }
    template <class List> static int16_t errorOf(List& list, const QString& path)
    {
        try {
            list.setPath(path);
        } catch (const RunTimeError& error) {
            return error.Number();
        }
        ADD_FAILURE() << "no error for " << path.toStdString();
        return 0;
    }
    static QStringList shown(const FileListing& listing)
    {
        QStringList names;
        for (int i = 0; i < listing.shownCount(); ++i)
            names << listing.shownText(i);
        return names;
    }
};

// The cases that make thousands of names, in CTest's `slow` label.
struct SlowListing : Listing
{};

struct FileListTest : Listing
{
    FileListTest()
    {
        QObject::connect(&fileList, &FileList::itemsChanged, [this] { ++itemsChanged; });
    }
    void touch(const char* utf8Name) const
    {
        temp.writeFile(QStringLiteral("f/") + QString::fromUtf8(utf8Name), {});
    }

    QString folder = temp.makeFolder(QStringLiteral("f"));
    FileList fileList{form, QStringLiteral("FileList")};
    int itemsChanged = 0;
};

struct FolderListTest : Listing
{
    FolderListTest()
    {
        dirList.Change = [this] {
            ++changes;
            pathAtChange = dirList.Path();
            countAtChange = dirList.ListCount();
        };
        dirList.Click = [this] { ++clicks; };
    }

    FolderList dirList{form, QStringLiteral("DirList")};
    int changes = 0;
    int clicks = 0;
    QString pathAtChange;
    int countAtChange = -1;
};

QStringList names(const FolderList& list)
{
    QStringList result;
    for (int i = 0; i < list.ListCount(); ++i)
        result.append(list.List(i).section(QLatin1Char('/'), -1));
    return result;
}

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

struct DriveListTest : Listing
{
    DriveListTest()
    {
        drives.Change = [this] { ++changes; };
        drives.setVolumes({row("/", "ext4"), row("/media/usb", "vfat", "MYSTICK"),
                           row("/media/usb2", "exfat"), row("/mnt/nas", "nfs4", "nas:/share")});
    }

    DriveList drives{form, QStringLiteral("Drives")};
    int changes = 0;
};

using FileColumns::Column;

struct DetailsList : FileListTest
{
    void make(const QString& name, int size, time_t modified) const
    {
        const QString path = temp.writeFile(QStringLiteral("f/") + name, QByteArray(size, 'x'));
        const timespec times[2] = {{modified, 0}, {modified, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }
    void makeMany(int count) const
    {
        for (int i = 0; i < count; ++i)
            temp.writeFile(QStringLiteral("f/%1.txt").arg(i, 4, 10, QLatin1Char('0')), {});
    }
    // The rows whose size has been read, as "first-last" runs.
    QString readRows() const
    {
        QStringList runs;
        for (int i = 0; i < fileList.ListCount(); ++i) {
            if (fileList.SizeText(i).isEmpty())
                continue;
            int end = i;
            while (end + 1 < fileList.ListCount() && !fileList.SizeText(end + 1).isEmpty())
                ++end;
            runs << QStringLiteral("%1-%2").arg(i).arg(end);
            i = end;
        }
        return runs.join(u' ');
    }
};

// Names whose order depends on case folding, on ties in byte order and on non-ASCII letters.
const char* const kNames[] = {"b.txt",      "A.txt",     "a.txt", "photo.JPG", "Åtgärd.txt",
                              "ärlig.jpg",  "ÄRLIG.JPG", "zeta",  "notes.TXT", "Σίσυφος.txt",
                              "data.7.txt", "x.jpg.bak", "12.jpg"};

// The file-name filter: wildcards, pattern lists, case and non-ASCII names.
struct PatternRow
{
    const char* pattern;
    const char* name; // UTF-8
    bool matches;
    bool everything; // whatever the name
};

const PatternRow kPatternRows[] = {
    // Everything.
    {"*.*", "README", true, true},
    {"*", "README", true, true},
    {"", "anything", true, true},
    {" ; ;", "anything", true, true},
    // Star.
    {"*.txt", "notes.txt", true, false},
    {"*.txt", "notes.txt.bak", false, false},
    {"*.txt", "txt", false, false},
    {"*.txt", ".txt", true, false},
    {"txt*", "txt.notes", true, false},
    {"*ab*", "xaab", true, false}, // needs the star to give back a character
    {"a*b*c", "aXbYcZ", false, false},
    {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false,
     false},
    // Question mark: exactly one character, also a character of several bytes.
    {"a?c", "abc", true, false},
    {"a?c", "ac", false, false},
    {"a?c", "abbc", false, false},
    {"a?c", "aÅc", true, false},
    {"a??c", "aÅc", false, false},
    // Case.
    {"*.TXT", "notes.txt", true, false},
    {"Abc", "aBC", true, false},
    {"abc", "abcd", false, false},
    // Lists.
    {"*.txt;*.doc", "x.md", false, false},
    {" *.txt ; *.DOC ", "x.doc", true, false},
    {"*.txt;;*.md", "r.md", true, false},
    {"*.txt;*", "x.md", true, true},
    {"*.", "x.md", false, false},
    // Other characters are literal.
    {"[ab]", "a", false, false},
    {"a.b", "aXb", false, false},
    // Letters beyond ASCII fold too, composed or not.
    {"*åtgärd*", "ÅTGÄRD.txt", true, false},
    {"å*", "A\xCC\x8Atgärd", true, false}, // Å written as A and a combining ring
    {"ö*", "äpple", false, false},
    {"Ÿ*", "ÿ.txt", true, false},
    {"Μ*", "µm", true, false},             // Greek capital mu and the micro sign
    {"*.txt", "bad\xFF.txt", true, false}, // not UTF-8 at all
};

} // namespace

TEST_F(FileListTest, TreeAndFileListShowTheVisibleEntriesOfTheirKindAndLinksToThemInCaseInsensitiveOrder)
{
    for (const char* name :
         {"beta", "alpha", "Alpha", ".hidden", "zeta", "Ärlig", "ÅTGÄRD", "åtgärd2", "Beta 2", "sub.txt"})
        temp.makeFolder(QStringLiteral("f/") + QString::fromUtf8(name));
    for (const char* name : {"b.txt", "a.txt", "A.txt", ".hidden.txt", "README", "zfile", "Åtgärd.doc",
                             "ärlig.txt", "ÄRLIG.TXT"})
        touch(name);
    temp.touch("f/bad\xFF.txt");
    for (const auto& [target, link] :
         {std::pair{"zeta", "linkdir"}, {"zfile", "link.txt"}, {"gone", "dead.txt"}})
        ASSERT_TRUE(
            QFile::link(temp.path(QStringLiteral("f/") + target), temp.path(QStringLiteral("f/") + link)));
    ASSERT_EQ(mkfifo(QFile::encodeName(temp.path(QStringLiteral("f/pipe"))).constData(), 0600), 0);

    FolderList tree(form, QStringLiteral("DirList"));
    tree.setPath(folder);
    fileList.setPath(folder + QStringLiteral("/"));

    EXPECT_EQ(tree.Path(), folder);
    EXPECT_EQ(tree.ListIndex(), -1);
    EXPECT_EQ(names(tree), QStringList({"Alpha", "alpha", "beta", "Beta 2", "linkdir", "sub.txt", "zeta",
                                        QString::fromUtf8("Ärlig"), QString::fromUtf8("ÅTGÄRD"),
                                        QString::fromUtf8("åtgärd2")}));
    EXPECT_EQ(tree.List(tree.ListCount()), QString());
    EXPECT_EQ(fileList.Path(), folder);
    EXPECT_EQ(fileList.Pattern(), QStringLiteral("*.*"));
    const QString bad = FileNameFromBytes("bad\xFF.txt");
    EXPECT_EQ(shown(fileList), QStringList({"A.txt", "a.txt", "b.txt", bad, "link.txt", "README", "zfile",
                                            QString::fromUtf8("ÄRLIG.TXT"), QString::fromUtf8("ärlig.txt"),
                                            QString::fromUtf8("Åtgärd.doc")}));
    EXPECT_EQ(fileList.List(fileList.ListCount()), QString());
    EXPECT_EQ(itemsChanged, 1);
    fileList.setPattern(QStringLiteral("*.TXT"));
    EXPECT_EQ(shown(fileList), QStringList({"A.txt", "a.txt", "b.txt", bad, "link.txt",
                                            QString::fromUtf8("ÄRLIG.TXT"), QString::fromUtf8("ärlig.txt")}));

    // -1 is the open folder, then each parent up to the root.
    ASSERT_EQ(tree.AncestorCount(), int(folder.count(QLatin1Char('/'))) + 1);
    EXPECT_EQ(tree.List(-1), folder);
    EXPECT_EQ(tree.List(-tree.AncestorCount()), QStringLiteral("/"));
    EXPECT_EQ(tree.List(-tree.AncestorCount() - 1), QString());
    for (int16_t i = -2; i >= -tree.AncestorCount(); --i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tree.List(i), QFileInfo(tree.List(i + 1)).path());
    }
}

TEST_F(FileListTest, PatternChangeShowsWhatIsOnDiskNow)
{
    touch("old.txt");
    fileList.setPath(folder);
    touch("new.txt");
    QFile::remove(temp.path(QStringLiteral("f/old.txt")));

    fileList.setPattern(QStringLiteral("*.txt"));
    EXPECT_EQ(shown(fileList), QStringList({"new.txt"}));
    // Typing on within the interval filters without asking the folder again; each keystroke
    // clears the selection and signals once.
    touch("later.txt");
    fileList.setListIndex(0);
    itemsChanged = 0;
    for (const char* pattern : {"*.t*", "*.tx*", "*.txt"})
        fileList.setPattern(QString::fromLatin1(pattern));
    EXPECT_EQ(host.testWorkers.started["stamp:" + folder], 1);
    EXPECT_EQ(shown(fileList), QStringList({"new.txt"}));
    EXPECT_EQ(fileList.ListIndex(), -1);
    EXPECT_EQ(itemsChanged, 3);
    host.runTimers();
    QFile::remove(temp.path(QStringLiteral("f/later.txt")));

    // A folder gone since: the last list, filtered.
    touch("other.doc");
    fileList.setPattern(QStringLiteral("*.*"));
    QDir(folder).removeRecursively();
    host.runTimers();
    fileList.setPattern(QStringLiteral("*.doc"));
    EXPECT_EQ(shown(fileList), QStringList({"other.doc"}));
    temp.makeFolder(QStringLiteral("f"));
    touch("new.txt");
    fileList.setPattern(QStringLiteral("*.txt"));

    // Setting the same path reads the folder again as well, and a refresh too.
    touch("newer.txt");
    for (const auto& relist : {std::function<void()>([&] { fileList.setPath(folder); }),
                               std::function<void()>([&] { fileList.Refresh(); })}) {
        fileList.setListIndex(1);
        itemsChanged = 0;
        relist();
        EXPECT_EQ(shown(fileList), QStringList({"new.txt", "newer.txt"}));
        EXPECT_EQ(fileList.ListIndex(), -1);
        EXPECT_EQ(itemsChanged, 1);
    }
}

TEST_F(FileListTest, FolderStampSettlesAndThenSeesEveryChangeOfTheEntries)
{
    // One folder per change, each with a file a.txt.
    const char* const names[] = {"added", "removed", "renamed", "gone", "untouched"};
    QStringList folders;
    for (const char* name : names) {
        folders << temp.makeFolder(QString::fromLatin1(name));
        temp.writeFile(QString::fromLatin1(name) + QStringLiteral("/a.txt"), {});
    }
    EXPECT_TRUE(FolderStamp().Changed(folders[0]));
    // Right after a change the file system's clock may hide the next one: a stamp says
    // changed until the folder has been quiet for a while.
    EXPECT_TRUE(FolderStamp::Take(folders[0]).Changed(folders[0]));
    const auto settled = [&] {
        for (const QString& f : folders) {
            if (FolderStamp::Take(f).Changed(f))
                return false;
        }
        return true;
    };
    QElapsedTimer clock;
    clock.start();
    while (!settled() && clock.elapsed() < 5000)
        QThread::msleep(50);
    ASSERT_TRUE(settled()) << "not settled in 5 s";

    std::vector<FolderStamp> stamps;
    for (const QString& f : folders)
        stamps.push_back(FolderStamp::Take(f));
    temp.writeFile(QStringLiteral("added/b.txt"), {});
    QFile::remove(folders[1] + QStringLiteral("/a.txt"));
    QFile::rename(folders[2] + QStringLiteral("/a.txt"), folders[2] + QStringLiteral("/c.txt"));
    QDir(folders[3]).removeRecursively();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(stamps[i].Changed(folders[i]), i < 4) << names[i];
}

TEST_F(FolderListTest, PathsAreWrittenAbsoluteAndAnotherFolderRunsChangeOnceWithTheNewListInPlace)
{
    const QString a = temp.makeFolder(QStringLiteral("a"));
    temp.makeFolder(QStringLiteral("a/one"));
    temp.makeFolder(QStringLiteral("a/two"));
    const QString b = temp.makeFolder(QStringLiteral("b/c"));
    // clang-format off
    struct Row { QString given; QString shown; int changes; };
    const Row rows[] = {
        {a,                                        a,                 1},
        // The same folder, however written, runs nothing and keeps the highlight.
        {a + QStringLiteral("//"),                 a,                 1},
        {a + QStringLiteral("/one/.."),            a,                 1},
        {QStringLiteral("."),                      a,                 1},
        {QStringLiteral("two"),                    a + "/two",        2}, // relative to the open folder
        {temp.path(QStringLiteral("b/./c/../c//")), b,                3},
        {QStringLiteral(".."),                     temp.path("b"),    4},
        {QStringLiteral("/"),                      QStringLiteral("/"), 5},
        {QStringLiteral("//"),                     QStringLiteral("/"), 5},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.given.toStdString());
        const int before = changes;
        dirList.setListIndex(1);
        dirList.setPath(row.given);
        EXPECT_EQ(dirList.Path(), row.shown);
        EXPECT_EQ(changes, row.changes);
        EXPECT_EQ(dirList.ListIndex(), changes > before ? -1 : 1);
        if (changes > before) { // the handler sees the new folder already listed
            EXPECT_EQ(pathAtChange, row.shown);
            EXPECT_EQ(countAtChange, dirList.ListCount());
        }
    }
    EXPECT_EQ(dirList.AncestorCount(), 1);
    EXPECT_EQ(dirList.List(-2), QString());
    ASSERT_GT(dirList.ListCount(), 0);
    EXPECT_FALSE(dirList.List(0).startsWith(QStringLiteral("//")));
}

TEST_F(FolderListTest, AFolderThatCannotBeShownLeavesTheTreeAndTheFileListAsTheyWere)
{
    const QString a = temp.makeFolder(QStringLiteral("a"));
    temp.makeFolder(QStringLiteral("a/sub"));
    temp.writeFile(QStringLiteral("a/file.txt"), "x");
    dirList.setPath(a);
    dirList.setListIndex(0);
    const int changesBefore = changes;
    FileList files(form, QStringLiteral("Files"));
    files.setPath(a);
    files.setListIndex(0);
    int filesChanged = 0;
    QObject::connect(&files, &FileList::itemsChanged, [&] { ++filesChanged; });
    ASSERT_TRUE(QFile::link(temp.path(QStringLiteral("loop")), temp.path(QStringLiteral("loop"))));

    // clang-format off
    struct Row { QString path; int16_t number; };
    // clang-format on
    const Row rows[] = {
        {QString(), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("missing")), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("a/file.txt")), ErrNo::PathNotFound},
        {temp.path(QString(300, QLatin1Char('n'))), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("loop")), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("a")) + QChar(0) + QStringLiteral("x"), ErrNo::InvalidArgument},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        EXPECT_EQ(errorOf(dirList, row.path), row.number);
        EXPECT_EQ(dirList.Path(), a);
        EXPECT_EQ(dirList.ListCount(), 1);
        EXPECT_EQ(dirList.ListIndex(), 0);
        EXPECT_EQ(changes, changesBefore);
        EXPECT_EQ(errorOf(files, row.path), row.number);
        EXPECT_EQ(files.Path(), a);
        EXPECT_EQ(shown(files), QStringList({"file.txt"}));
        EXPECT_EQ(files.ListIndex(), 0);
        EXPECT_EQ(filesChanged, 0);
    }
}

TEST_F(FolderListTest, AnUnreadableFolderIsAnAccessError)
{
    const QString locked = temp.makeFolder(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    // Root reads every folder, so a test run as root looks as an ordinary user for a while.
    const uid_t user = geteuid();
    if (user == 0 && seteuid(65534) != 0)
        GTEST_SKIP() << "cannot drop root";
    const int16_t number = errorOf(dirList, locked);
    if (user == 0) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_EQ(number, ErrNo::PathFileAccess);
    EXPECT_EQ(changes, 0);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FolderListTest, HighlightMovesWithinTheListAndNeverChangesPath)
{
    const QString a = temp.makeFolder(QStringLiteral("a"));
    temp.makeFolder(QStringLiteral("a/one"));
    temp.makeFolder(QStringLiteral("a/two"));
    dirList.setPath(a);
    // clang-format off
    struct Row { int16_t set; int16_t shown; };
    // clang-format on
    const Row rows[] = {{1, 1},
                        {2, -1},
                        {int16_t(-dirList.AncestorCount()), int16_t(-dirList.AncestorCount())},
                        {int16_t(-dirList.AncestorCount() - 1), -1},
                        {-32768, -1}};
    int expectedClicks = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.set);
        dirList.setListIndex(row.set);
        EXPECT_EQ(dirList.ListIndex(), row.shown);
        EXPECT_EQ(clicks, ++expectedClicks);
    }
    EXPECT_EQ(dirList.Path(), a);
    EXPECT_EQ(changes, 1);
}

TEST_F(FolderListTest, RefreshRereadsAndKeepsTheHighlightedFolder)
{
    const QString a = temp.makeFolder(QStringLiteral("a"));
    temp.makeFolder(QStringLiteral("a/m"));
    temp.makeFolder(QStringLiteral("a/z"));
    dirList.setPath(a);
    dirList.setListIndex(1); // z
    temp.makeFolder(QStringLiteral("a/b"));
    EXPECT_EQ(dirList.ListCount(), 2); // not read yet

    int itemsChanged = 0;
    QObject::connect(&dirList, &FolderList::itemsChanged, [&] { ++itemsChanged; });
    dirList.Refresh();
    EXPECT_EQ(itemsChanged, 1);
    EXPECT_EQ(names(dirList), QStringList({"b", "m", "z"}));
    EXPECT_EQ(dirList.ListIndex(), 2);
    EXPECT_EQ(changes, 1);

    QDir(temp.path(QStringLiteral("a/z"))).removeRecursively();
    dirList.Refresh();
    EXPECT_EQ(dirList.ListIndex(), -1);

    // The open folder vanishes: the old lists stay and nothing is thrown.
    temp.writeFile(QStringLiteral("a/x.txt"), {});
    FileList files(form, QStringLiteral("Files"));
    files.setPath(a);
    QDir(a).removeRecursively();
    EXPECT_NO_THROW(dirList.Refresh());
    EXPECT_EQ(dirList.Path(), a);
    EXPECT_EQ(names(dirList), QStringList({"b", "m"}));
    EXPECT_NO_THROW(files.Refresh());
    EXPECT_EQ(shown(files), QStringList({"x.txt"}));
}

TEST(DriveListFilterTest, OffersRootHomeRemovableAndNetworkVolumesOnlyAndTheHomeVolumeWhateverItsKind)
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

    // The home folder's volume whatever its kind.
    const std::vector<Volume> few = {row("/", "ext4"), row("/tmp", "tmpfs"), row("/run/user/1000", "tmpfs")};
    EXPECT_EQ(mountPoints(DriveList::UserVolumes(few, QStringLiteral("/tmp/x/home"))),
              QStringList({"/", "/tmp"}));
    EXPECT_EQ(mountPoints(DriveList::UserVolumes(few, QStringLiteral("/tmpother"))), QStringList({"/"}));
    EXPECT_EQ(mountPoints(DriveList::UserVolumes(few, QString())), QStringList({"/"}));
}

TEST_F(DriveListTest, APathChoosesTheLongestMountPointHoldingItPickingAnEntryChangesTheDriveOrNothing)
{
    // clang-format off
    struct Row { const char* path; const char* shown; int changes; };
    const Row rows[] = {
        {"/home/anna", "/", 1},                       {"/media/usb2/photos/", "/media/usb2", 2},
        {"/media/usb", "/media/usb  (MYSTICK)", 3},   {"/media/usb/../usb2", "/media/usb2", 4},
        {"/media/usbx", "/", 5},
    };
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.path);
        drives.setDrive(QString::fromUtf8(r.path));
        EXPECT_EQ(drives.List(drives.ListIndex()), QString::fromUtf8(r.shown));
        EXPECT_EQ(drives.Drive(), drives.List(drives.ListIndex()).section(QStringLiteral("  "), 0, 0));
        EXPECT_EQ(changes, r.changes);
    }
    drives.setListIndex(3);
    EXPECT_EQ(drives.Drive(), QStringLiteral("/mnt/nas"));
    EXPECT_EQ(changes, 6);
    drives.setListIndex(3);
    drives.setListIndex(9); // outside the list: nothing happens
    EXPECT_EQ(drives.Drive(), QStringLiteral("/mnt/nas"));
    EXPECT_EQ(drives.ListIndex(), 3);
    EXPECT_EQ(changes, 6);

    // No volume holds the path: the drive stays.
    drives.setVolumes({row("/media/usb", "vfat")});
    for (const QString& path : {QString(), QStringLiteral("/home")}) {
        SCOPED_TRACE(path.toStdString());
        try {
            drives.setDrive(path);
            ADD_FAILURE() << "no error";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.Number(), ErrNo::DeviceUnavailable);
        }
        EXPECT_EQ(drives.Drive(), QStringLiteral("/mnt/nas"));
    }
}

TEST_F(Listing, AFolderChangeReadsTheFolderOnceForTreeAndFileList)
{
    const QString f = temp.makeFolder("f");
    temp.makeFolder("f/sub");
    temp.writeFile("f/one.txt", {});
    temp.writeFile("f/two.txt", {});
    FolderList tree(form, "DirList");
    FileList files(form, "FileList");
    tree.feedFiles(&files);
    // The change handler deletes a file before the file list is set: a second read would miss it.
    tree.Change = [&] {
        QFile::remove(f + "/two.txt");
        files.setPath(tree.Path());
    };
    tree.setPath(f);
    EXPECT_EQ(tree.ListCount(), 1);
    EXPECT_EQ(shown(files), QStringList({"one.txt", "two.txt"}));
    EXPECT_EQ(files.TotalCount(), 2);

    // Outside a folder change the file list reads the disk itself.
    files.setPath(f);
    EXPECT_EQ(shown(files), QStringList({"one.txt"}));
    files.Refresh();
    EXPECT_EQ(shown(files), QStringList({"one.txt"}));

    // An offer for one folder is never taken for another.
    const QString g = temp.makeFolder("g");
    temp.writeFile("g/three.txt", {});
    tree.Change = [&] { files.setPath(f); };
    tree.setPath(g);
    EXPECT_EQ(shown(files), QStringList({"one.txt"}));
}

TEST_F(Listing, AFilterBeforeTheReadShowsWhatFilteringAfterTheReadShows)
{
    const QString f = temp.makeFolder("f");
    for (const char* name : kNames)
        temp.writeFile(QStringLiteral("f/") + QString::fromUtf8(name), {});
    const QString patterns[] = {"*jpg*", "*.txt", "*A*", "?.txt", "*t*;*g", "nothing", "*.*"};
    for (const QString& pattern : patterns) {
        FileList sortedFirst(form, "A");
        sortedFirst.setPath(f);
        sortedFirst.setPattern(pattern);

        FileList filteredFirst(form, "B");
        filteredFirst.setPattern(pattern);
        filteredFirst.setPath(f);
        EXPECT_EQ(shown(filteredFirst), shown(sortedFirst)) << pattern.toStdString();

        // The next keystroke on a listing that sorted only its matches.
        for (const QString& next : patterns) {
            FileList later(form, "C");
            later.setPattern(pattern);
            later.setPath(f);
            later.setPattern(next);
            sortedFirst.setPattern(next);
            EXPECT_EQ(shown(later), shown(sortedFirst))
                << pattern.toStdString() << " then " << next.toStdString();
            sortedFirst.setPattern(pattern);
        }
    }
}

TEST_F(Listing, SortingEverythingLaterKeepsTheViewAndLaysTheNamesOutInOrder)
{
    const QString f = temp.makeFolder("f");
    for (const char* name : kNames)
        temp.writeFile(QStringLiteral("f/") + QString::fromUtf8(name), {});
    FileListing listing(f, FileListing::Kind::Files);
    listing.filter(FilePattern("*jpg*"));
    ASSERT_FALSE(listing.isSorted());
    const QStringList matches = shown(listing);
    EXPECT_EQ(matches, QStringList({"12.jpg", "photo.JPG", "x.jpg.bak", "ÄRLIG.JPG", "ärlig.jpg"}));

    listing.layOutSorted();
    EXPECT_EQ(shown(listing), matches);
    ASSERT_EQ(listing.count(), int(std::size(kNames)));
    for (int i = 0; i + 1 < listing.count(); ++i) {
        const std::string_view name = listing.name(i);
        EXPECT_EQ(name.data() + name.size(), listing.name(i + 1).data()) << "entry " << i;
    }
}

TEST_F(SlowListing, SortsByFoldedNameThenBytesWhateverTheNamesShare)
{
    // Names built to reach every path of the sort: long shared prefixes (past the sixteen bytes
    // compared inline), groups large and small, case and Latin-1 ties, names outside Latin-1
    // and bytes that are not UTF-8. The order must be that of the folded names, ties in bytes.
    const QString f = temp.makeFolder("f");
    // clang-format off
    const char* const stems[] = {"file_", "FILE_", "File_", "a_very_long_shared_prefix_",
                                 "A_VERY_LONG_SHARED_PREFIX_", "Åtgärd_", "åTGÄRD_", "Σίσυφος_", "σίσυφος_",
                                 "bad\xFF_", "x", ""};
    // clang-format on
    std::vector<std::string> names;
    unsigned seed = 7;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const std::string stem = stems[(seed >> 16) % std::size(stems)];
        const std::string name = stem + std::to_string((seed >> 8) % 500) + ((seed & 1) ? ".txt" : ".TXT");
        if (std::find(names.begin(), names.end(), name) != names.end())
            continue;
        names.push_back(name);
        temp.touch("f/" + QByteArray::fromStdString(name));
    }
    std::vector<std::pair<std::string, std::string>> expected;
    for (const std::string& name : names) {
        std::string key;
        FilePattern::appendFolded(key, name);
        expected.emplace_back(key, name);
    }
    std::sort(expected.begin(), expected.end());

    FileListing listing(f, FileListing::Kind::Files);
    listing.sort();
    ASSERT_EQ(listing.count(), int(expected.size()));
    for (int i = 0; i < listing.count(); ++i)
        ASSERT_EQ(listing.name(i), expected[size_t(i)].second) << "position " << i;
    listing.layOutSorted();
    for (int i = 0; i < listing.count(); ++i)
        ASSERT_EQ(listing.name(i), expected[size_t(i)].second) << "position " << i << " after the layout";

    // A filter that sorts only its matches gives the same order.
    FileListing matches(f, FileListing::Kind::Files);
    matches.filter(FilePattern(QStringLiteral("*1*")));
    std::vector<std::string> expectedMatches;
    for (const auto& [key, name] : expected)
        if (key.find('1') != std::string::npos)
            expectedMatches.push_back(name);
    ASSERT_EQ(matches.shownCount(), int(expectedMatches.size()));
    for (int i = 0; i < matches.shownCount(); ++i)
        ASSERT_EQ(matches.shownName(i), expectedMatches[size_t(i)]) << "row " << i;
}

TEST_F(SlowListing, EveryOneOfAHundredThousandSubfoldersCanBeReachedAndOpened)
{
    constexpr int kFolders = 100000;
    // In memory where there is a memory file system: a disk spends minutes on the folders.
    QTemporaryDir where(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                            ? QStringLiteral("/dev/shm/wayfolder-XXXXXX")
                            : QDir::tempPath() + QStringLiteral("/wayfolder-XXXXXX"));
    ASSERT_TRUE(where.isValid());
    const QString f = where.path() + QStringLiteral("/many");
    ASSERT_TRUE(QDir().mkpath(f));
    const QByteArray base = QFile::encodeName(f) + "/d";
    for (int i = 0; i < kFolders; ++i)
        ASSERT_EQ(mkdir((base + QByteArray::number(i)).constData(), 0700), 0) << i;
    FolderList tree(form, "DirList");
    tree.setPath(f);
    ASSERT_EQ(tree.ListCount(), kFolders);
    // The last in sorted order ("d99999") sits far beyond the reach of a 16-bit index.
    const int last = kFolders - 1;
    EXPECT_EQ(tree.List(last), f + "/d99999");
    tree.setListIndex(last);
    EXPECT_EQ(tree.ListIndex(), last);
    tree.setListIndex(kFolders);
    EXPECT_EQ(tree.ListIndex(), -1);
    tree.setListIndex(70000);
    const QString picked = tree.List(tree.ListIndex());
    tree.Refresh();
    EXPECT_EQ(tree.List(tree.ListIndex()), picked);
    tree.setPath(picked);
    EXPECT_EQ(tree.Path(), picked);
    EXPECT_EQ(tree.List(-2), f);
}

TEST(FileColumns, SizesInEachLanguagesNumberFormat)
{
    struct Row
    {
        uint64_t bytes;
        const char16_t* english;
        const char16_t* swedish;
    };
    // clang-format off
    const Row rows[] = {
        {0,                                     u"0 bytes",   u"0 byte"},
        {1,                                     u"1 byte",    u"1 byte"},
        {999,                                   u"999 bytes", u"999 byte"},
        {1000,                                  u"1.0 kB",    u"1,0 kB"},
        {1249,                                  u"1.2 kB",    u"1,2 kB"},
        {1250,                                  u"1.3 kB",    u"1,3 kB"},
        {999949,                                u"999.9 kB",  u"999,9 kB"},
        {999950,                                u"1.0 MB",    u"1,0 MB"},
        {1234567,                               u"1.2 MB",    u"1,2 MB"},
        {12345678901,                           u"12.3 GB",   u"12,3 GB"},
        {999999999999999,                       u"1.0 PB",    u"1,0 PB"},
        {std::numeric_limits<uint64_t>::max(),  u"18.4 EB",   u"18,4 EB"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(FileColumns::SizeText(row.bytes, false), QString::fromUtf16(row.english)) << row.bytes;
        EXPECT_EQ(FileColumns::SizeText(row.bytes, true), QString::fromUtf16(row.swedish)) << row.bytes;
    }
}

TEST_F(DetailsList, AHeaderClickSortsByItsColumnAndAgainReversesWhileNamesOnlyKeepsNameOrder)
{
    make("a.txt", 30, 2000000);
    make("B.txt", 10, 3000000);
    make("c.txt", 20, 1000000);
    make("d.txt", 10, 1000000);
    struct Row
    {
        bool details;
        std::vector<Column> clicks;
        QStringList order;
    };
    // clang-format off
    const Row rows[] = {
        {true,  {},                                   {"a.txt", "B.txt", "c.txt", "d.txt"}},
        {true,  {Column::Name},                       {"d.txt", "c.txt", "B.txt", "a.txt"}},
        {true,  {Column::Size},                       {"B.txt", "d.txt", "c.txt", "a.txt"}},
        {true,  {Column::Size, Column::Size},         {"a.txt", "c.txt", "d.txt", "B.txt"}},
        {true,  {Column::Modified},                   {"c.txt", "d.txt", "a.txt", "B.txt"}},
        {true,  {Column::Size, Column::Modified},     {"c.txt", "d.txt", "a.txt", "B.txt"}},
        {true,  {Column::Modified, Column::Modified}, {"B.txt", "a.txt", "d.txt", "c.txt"}},
        {false, {Column::Size},                       {"a.txt", "B.txt", "c.txt", "d.txt"}},
        {false, {Column::Name},                       {"a.txt", "B.txt", "c.txt", "d.txt"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.order.join(u' ').toStdString());
        FileList files{form, QStringLiteral("Files")};
        files.setPath(folder);
        files.setDetails(row.details);
        files.setVisibleRows(0, 0);
        // The chosen files stay chosen, whatever row they move to.
        files.setListIndex(files.IndexOf("a.txt"));
        files.toggleSelected(files.IndexOf("c.txt"));
        for (Column column : row.clicks)
            files.sortBy(column);
        EXPECT_EQ(shown(files), row.order);
        EXPECT_EQ(files.List(files.ListIndex()), "c.txt");
        QStringList chosen;
        for (int i : files.SelectedIndexes())
            chosen << files.List(i);
        chosen.sort();
        EXPECT_EQ(chosen, QStringList({"a.txt", "c.txt"}));
        // Back to names only: the described order.
        files.setDetails(false);
        EXPECT_EQ(files.List(0), "a.txt");
    }
}

TEST_F(DetailsList, OnlyTheRowsOnScreenAreReadAndAFolderShowsNoSize)
{
    makeMany(200);
    fileList.setPath(folder);
    fileList.setVisibleRows(10, 19);
    EXPECT_EQ(readRows(), ""); // names only: nothing read
    fileList.setDetails(true);
    EXPECT_EQ(readRows(), "10-19");
    fileList.setVisibleRows(150, 400);
    EXPECT_EQ(readRows(), "10-19 150-199");
    EXPECT_EQ(fileList.SizeText(150), "0 bytes");
    // A name that became a folder after the listing: a time, no size.
    ASSERT_TRUE(QFile::remove(folder + "/0050.txt"));
    ASSERT_TRUE(QDir(folder).mkdir("0050.txt"));
    fileList.setVisibleRows(50, 50);
    EXPECT_EQ(fileList.SizeText(50), "");
    EXPECT_FALSE(fileList.ModifiedText(50).isEmpty());
    // A folder read again forgets what it knew and reads the rows on screen anew.
    temp.writeFile("f/0051.txt", QByteArray(2000, 'x'));
    fileList.Refresh();
    EXPECT_EQ(fileList.List(50), "0051.txt");
    EXPECT_EQ(readRows(), "50-50");
    EXPECT_EQ(fileList.SizeText(50), "2.0 kB");
}

TEST_F(DetailsList, AFolderThatDoesNotAnswerHoldsOneReadAndNeverTheWindow)
{
    makeMany(200);
    temp.makeFolder("g");
    temp.writeFile("g/other.txt", "x");
    fileList.setPath(folder);
    fileList.setDetails(true);
    int changed = 0;
    QObject::connect(&fileList, &FileList::detailsChanged, [&changed] { ++changed; });
    const QString key = QStringLiteral("details:") + folder;
    host.testWorkers.hold(folder);
    fileList.setVisibleRows(0, 9);
    EXPECT_EQ(readRows(), "");
    // Scrolled away while the disk hangs: no second read starts beside the waiting one.
    fileList.setVisibleRows(100, 109);
    fileList.setVisibleRows(120, 129);
    EXPECT_EQ(host.testWorkers.started[key], 1);
    // When it answers, the read of the rows scrolled away has stopped and the rows now shown come.
    host.testWorkers.release(folder);
    EXPECT_EQ(readRows(), "120-129");
    EXPECT_EQ(host.testWorkers.started[key], 2);
    EXPECT_GT(changed, 0);
    // A read held when the folder changes never fills the new folder's rows.
    host.testWorkers.hold(folder);
    fileList.Refresh();
    fileList.setVisibleRows(0, 9);
    fileList.setPath(temp.path("g"));
    fileList.setVisibleRows(0, 9);
    host.testWorkers.release(folder);
    EXPECT_EQ(fileList.List(0), "other.txt");
    EXPECT_EQ(readRows(), "0-0");
}

TEST(FilePatternTest, MatchesTheTable)
{
    EXPECT_TRUE(FilePattern().matchesEverything());
    for (const PatternRow& row : kPatternRows) {
        SCOPED_TRACE(std::string("pattern \"") + row.pattern + "\", name \"" + row.name + "\"");
        const FilePattern pattern(QString::fromUtf8(row.pattern));
        EXPECT_EQ(pattern.matches(row.name), row.matches);
        EXPECT_EQ(pattern.matchesEverything(), row.everything);
        // A listing folds each name once and matches the folded form: both ways must agree.
        std::string folded;
        FilePattern::appendFolded(folded, row.name);
        EXPECT_EQ(pattern.matchesFolded(folded), row.matches);
    }
}

TEST(FilePatternTest, EightBytesAtOnceFoldAsEachByteAlone)
{
    // Every byte value in every lane, beside neighbours that would expose a carry between lanes.
    for (unsigned value = 0; value < 256; ++value) {
        for (unsigned lane = 0; lane < 8; ++lane) {
            for (const uint64_t around : {uint64_t{0}, ~uint64_t{0}, 0x5A415B40C39E9F97u}) {
                uint64_t bytes = around & ~(uint64_t{0xFF} << (8 * lane));
                bytes |= uint64_t{value} << (8 * lane);
                uint64_t expected = 0;
                for (unsigned i = 0; i < 8; ++i) {
                    const auto byte = static_cast<unsigned char>(bytes >> (8 * i));
                    expected |= uint64_t{FilePattern::foldByte(byte)} << (8 * i);
                }
                ASSERT_EQ(FilePattern::foldBytes(bytes), expected) << "byte " << value << " in lane " << lane;
            }
        }
    }
}

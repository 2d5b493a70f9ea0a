// Reading folders at scale: one read per folder change for the tree and the file list, a
// filter that sorts only its matches, the names laid out in sorted order, and a tree that
// reaches every one of a hundred thousand subfolders.

#include "platform/filelist.h"
#include "platform/filelisting.h"
#include "platform/folderlist.h"
#include "platform/form.h"
#include "tempfolder.h"
#include "testhost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    static QStringList shown(const FileListing& listing)
    {
        QStringList names;
        for (int i = 0; i < listing.shownCount(); ++i)
            names << listing.shownText(i);
        return names;
    }
};

// Names whose order depends on case folding, on ties in byte order and on non-ASCII letters.
const char* const kNames[] = {"b.txt",      "A.txt",     "a.txt", "photo.JPG", "Åtgärd.txt",
                              "ärlig.jpg",  "ÄRLIG.JPG", "zeta",  "notes.TXT", "Σίσυφος.txt",
                              "data.7.txt", "x.jpg.bak", "12.jpg"};

} // namespace

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

    listing.sortAll();
    EXPECT_EQ(shown(listing), matches);
    ASSERT_EQ(listing.count(), int(std::size(kNames)));
    for (int i = 0; i + 1 < listing.count(); ++i) {
        const std::string_view name = listing.name(i);
        EXPECT_EQ(name.data() + name.size(), listing.name(i + 1).data()) << "entry " << i;
    }
}

TEST_F(Listing, EveryOneOfAHundredThousandSubfoldersCanBeReachedAndOpened)
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

// Reading folders at scale: one read per folder change for the tree and the file list, a
// filter that sorts only its matches, the names laid out in sorted order, and a tree that
// reaches every one of a hundred thousand subfolders.

#include "core/system/filelisting.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"
#include "tempfolder.h"
#include "testhost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
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

// The file list model on real folders: what is listed, in which order, through which pattern,
// and when the disk is read.

#include "core/system/folderstamp.h"
#include "core/system/runtimeerror.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/form.h"
#include "tempfolder.h"
#include "testhost.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class FileListTest : public ::testing::Test
{
protected:
    FileListTest()
    {
        QObject::connect(&fileList, &FileList::itemsChanged, [this] { ++itemsChanged; });
    }

    QStringList shown() const
    {
        QStringList result;
        for (int i = 0; i < fileList.ListCount(); ++i)
            result.append(fileList.List(i));
        return result;
    }

    void touch(const char* utf8Name) const
    {
        temp.writeFile(QStringLiteral("f/") + QString::fromUtf8(utf8Name), {});
    }

    TempFolder temp;
    TestHost host;
    Form form{host, QStringLiteral("Test")};
    FileList fileList{form, QStringLiteral("FileList")};
    int itemsChanged = 0;
};

} // namespace

TEST_F(FileListTest, ListsVisibleRegularFilesAndLinksToThemInCaseInsensitiveOrder)
{
    const QString f = temp.makeFolder(QStringLiteral("f"));
    for (const char* name :
         {"b.txt", "a.txt", "A.txt", ".hidden", "README", "zeta", "Åtgärd.doc", "ärlig.txt", "ÄRLIG.TXT"})
        touch(name);
    temp.makeFolder(QStringLiteral("f/sub"));
    temp.makeFolder(QStringLiteral("f/sub.txt"));
    ASSERT_TRUE(QFile::link(temp.path(QStringLiteral("f/zeta")), temp.path(QStringLiteral("f/link.txt"))));
    ASSERT_TRUE(QFile::link(temp.path(QStringLiteral("f/sub")), temp.path(QStringLiteral("f/linkdir"))));
    ASSERT_TRUE(QFile::link(temp.path(QStringLiteral("f/gone")), temp.path(QStringLiteral("f/dead.txt"))));
    ASSERT_EQ(mkfifo(QFile::encodeName(temp.path(QStringLiteral("f/pipe"))).constData(), 0600), 0);

    fileList.setPath(f + QStringLiteral("/"));

    EXPECT_EQ(fileList.Path(), f);
    EXPECT_EQ(fileList.Pattern(), QStringLiteral("*.*"));
    EXPECT_EQ(shown(), QStringList({"A.txt", "a.txt", "b.txt", "link.txt", "README", "zeta",
                                    QString::fromUtf8("ÄRLIG.TXT"), QString::fromUtf8("ärlig.txt"),
                                    QString::fromUtf8("Åtgärd.doc")}));
    EXPECT_EQ(fileList.List(fileList.ListCount()), QString());
    EXPECT_EQ(itemsChanged, 1);
}

TEST_F(FileListTest, PatternFiltersTheSortedList)
{
    const QString f = temp.makeFolder(QStringLiteral("f"));
    for (const char* name : {"notes.txt", "Notes.TXT", "todo.md", "txt.log", "README", "ÅTGÄRD.txt"})
        touch(name);
    fileList.setPath(f);

    // clang-format off
    struct Row { const char* pattern; QStringList expected; };
    // clang-format on
    const Row rows[] = {
        {"*.txt", {"Notes.TXT", "notes.txt", QString::fromUtf8("ÅTGÄRD.txt")}},
        {"*.md; readme", {"README", "todo.md"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pattern);
        fileList.setPattern(QString::fromUtf8(row.pattern));
        EXPECT_EQ(fileList.Pattern(), QString::fromUtf8(row.pattern));
        EXPECT_EQ(shown(), row.expected);
    }
}

TEST_F(FileListTest, PatternChangeShowsWhatIsOnDiskNow)
{
    const QString f = temp.makeFolder(QStringLiteral("f"));
    touch("old.txt");
    fileList.setPath(f);
    touch("new.txt");
    QFile::remove(temp.path(QStringLiteral("f/old.txt")));

    fileList.setPattern(QStringLiteral("*.txt"));
    EXPECT_EQ(shown(), QStringList({"new.txt"}));
    // Typing on within the interval filters without asking the folder again.
    touch("later.txt");
    for (const char* pattern : {"*.t*", "*.tx*", "*.txt"})
        fileList.setPattern(QString::fromLatin1(pattern));
    EXPECT_EQ(host.testWorkers.started["stamp:" + f], 1);
    EXPECT_EQ(shown(), QStringList({"new.txt"}));
    host.runTimers();
    QFile::remove(temp.path(QStringLiteral("f/later.txt")));

    // A folder gone since: the last list, filtered.
    touch("other.doc");
    fileList.setPattern(QStringLiteral("*.*"));
    QDir(f).removeRecursively();
    host.runTimers();
    fileList.setPattern(QStringLiteral("*.doc"));
    EXPECT_EQ(shown(), QStringList({"other.doc"}));
    temp.makeFolder(QStringLiteral("f"));
    touch("new.txt");
    fileList.setPattern(QStringLiteral("*.txt"));

    // Setting the same path reads the folder again as well.
    touch("newer.txt");
    fileList.setPath(f);
    EXPECT_EQ(shown(), QStringList({"new.txt", "newer.txt"}));
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

TEST_F(FileListTest, EveryRelistClearsTheSelectionAndSignalsOnce)
{
    const QString f = temp.makeFolder(QStringLiteral("f"));
    const QString g = temp.makeFolder(QStringLiteral("g"));
    touch("a.txt");
    touch("b.txt");
    fileList.setPath(f);

    const std::pair<const char*, std::function<void()>> steps[] = {
        {"pattern", [&] { fileList.setPattern(QStringLiteral("*.txt")); }},
        {"same path", [&] { fileList.setPath(f); }},
        {"refresh", [&] { fileList.Refresh(); }},
        {"other path", [&] { fileList.setPath(g); }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        fileList.setListIndex(static_cast<int>(fileList.ListCount()) - 1);
        itemsChanged = 0;
        step();
        EXPECT_EQ(fileList.ListIndex(), -1);
        EXPECT_EQ(itemsChanged, 1);
    }
}

TEST_F(FileListTest, AFolderThatCannotBeReadLeavesTheListAsItWas)
{
    const QString f = temp.makeFolder(QStringLiteral("f"));
    touch("a.txt");
    fileList.setPath(f);
    fileList.setListIndex(0);
    itemsChanged = 0;

    const std::pair<QString, int16_t> rows[] = {
        {QString(), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("f/a.txt")), ErrNo::PathNotFound},
    };
    for (const auto& [path, number] : rows) {
        SCOPED_TRACE(path.toStdString());
        try {
            fileList.setPath(path);
            ADD_FAILURE() << "no error";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.Number(), number);
        }
        EXPECT_EQ(fileList.Path(), f);
        EXPECT_EQ(shown(), QStringList({"a.txt"}));
        EXPECT_EQ(fileList.ListIndex(), 0);
        EXPECT_EQ(itemsChanged, 0);
    }

    // A folder that vanishes keeps its last list on Refresh.
    QDir(f).removeRecursively();
    EXPECT_NO_THROW(fileList.Refresh());
    EXPECT_EQ(shown(), QStringList({"a.txt"}));
}

TEST_F(FileListTest, NamesThatAreNotUtf8AreStillListedAndFiltered)
{
    const QString f = temp.makeFolder(QStringLiteral("f"));
    temp.touch("f/bad\xFF.txt");
    touch("good.txt");

    fileList.setPath(f);
    fileList.setPattern(QStringLiteral("*.TXT"));
    ASSERT_EQ(fileList.ListCount(), 2);
    EXPECT_TRUE(fileList.List(0).startsWith(QStringLiteral("bad")));
    EXPECT_TRUE(fileList.List(0).endsWith(QStringLiteral(".txt")));
    EXPECT_EQ(fileList.List(1), QStringLiteral("good.txt"));
}

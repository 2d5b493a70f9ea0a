// The panes follow the disk: a burst of changes makes one re-read after the interval, the
// highlighted file stays highlighted, and a folder removed while shown gives way to its nearest
// ancestor that still exists.

#include "appfixture.h"
#include "core/mainform/panewatch.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct WatchApp : AppFixture
{
    QString work = tmp.makeFolder("home/work");
    QString deep = tmp.makeFolder("home/work/a/b/c");

    WatchApp()
    {
        for (const char* name : {"one.txt", "two.txt", "three.txt"})
            tmp.writeFile(QStringLiteral("home/work/") + name, "x");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
    }
    int fileListReads = 0;
    void countReads()
    {
        QObject::connect(&form.FileList, &FileList::itemsChanged, [this] { ++fileListReads; });
    }
};

TEST(PaneWatch, WatchesTheOpenFolderAndItsParent)
{
    WatchApp app;
    app.start();
    EXPECT_EQ(app.host.watched, QStringList({app.work, app.tmp.home()}));
    app.form.DirList.setPath(app.deep);
    EXPECT_EQ(app.host.watched, QStringList({app.deep, app.work + "/a/b"}));
    app.form.DirList.setPath("/");
    EXPECT_EQ(app.host.watched, QStringList({"/"}));
}

TEST(PaneWatch, ABurstOfChangesMakesOneRereadThatKeepsTheSelection)
{
    WatchApp app;
    app.start();
    app.form.FileList.setListIndex(app.form.FileList.IndexOf("two.txt"));
    app.countReads();
    app.host.timers.clear();

    for (int i = 0; i < 500; ++i) {
        app.tmp.writeFile(QStringLiteral("home/work/new%1.txt").arg(i), "x");
        app.host.folderChanged(app.work);
    }
    QDir().mkdir(app.work + "/Fresh");
    app.host.folderChanged(app.work);
    ASSERT_EQ(app.host.timers.size(), 1u);
    EXPECT_EQ(app.host.timers[0].milliseconds, PaneWatch::IntervalMilliseconds);
    EXPECT_EQ(app.fileListReads, 0);

    app.host.runTimers();
    EXPECT_EQ(app.fileListReads, 1);
    EXPECT_EQ(app.form.paneWatch().rereads(), 1);
    EXPECT_EQ(app.form.FileList.ListCount(), 503);
    EXPECT_EQ(app.form.FileList.List(app.form.FileList.ListIndex()), "two.txt");
    EXPECT_EQ(app.form.DirList.List(app.form.DirList.ListCount() - 1), app.work + "/Fresh");
    EXPECT_EQ(app.form.Label_FileStatus.Caption(), "503 files");

    // The next change after the re-read is a new burst.
    app.host.folderChanged(app.work);
    EXPECT_EQ(app.host.timers.size(), 1u);
}

TEST(PaneWatch, NoRereadForAChangeBesideTheOpenFolderOrAfterTheWindowHasClosed)
{
    WatchApp app;
    app.start();
    app.countReads();
    QDir().mkdir(app.tmp.home() + "/sibling");
    app.host.folderChanged(app.tmp.home());
    app.host.runTimers();
    EXPECT_EQ(app.fileListReads, 0);
    EXPECT_EQ(app.form.DirList.Path(), app.work);

    const int rereads = app.form.paneWatch().rereads();
    app.host.folderChanged(app.work);
    app.exit();
    app.host.runTimers();
    EXPECT_EQ(app.form.paneWatch().rereads(), rereads);
}

TEST(PaneWatch, RemovedFolderMovesTheTreeToTheNearestExistingAncestor)
{
    struct Row
    {
        const char* name;
        const char* removed; // below home/work
        const char* reportedBy;
        const char* expected;
    };
    const Row rows[] = {
        {"the open folder itself", "a/b/c", "a/b/c", "a/b"},
        {"two levels at once", "a", "a/b/c", ""},
        {"renamed away, seen from the parent", "a/b/c", "a/b", "a/b"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WatchApp app;
        app.start();
        app.form.DirList.setPath(app.deep);
        if (QString(row.reportedBy) == "a/b")
            QDir().rename(app.deep, app.work + "/a/b/moved");
        else
            QDir(app.work + "/" + row.removed).removeRecursively();
        app.host.folderChanged(app.work + "/" + row.reportedBy);
        app.host.runTimers();
        const QString expected = *row.expected ? app.work + "/" + row.expected : app.work;
        EXPECT_EQ(app.form.DirList.Path(), expected);
        EXPECT_EQ(app.form.FileList.Path(), expected);
        EXPECT_TRUE(app.host.messages.empty());
    }
}

} // namespace

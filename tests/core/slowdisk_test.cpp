// A folder on a share that does not answer: the window opens it at once and keeps working, fills
// it in when the read ends, drops the read when the user moves on, says after a while that the
// folder is not answering, and still saves at the end of the session.

#include "appfixture.h"
#include "core/mainform/filestatus.h"
#include "core/toolkit/control.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(ReadStatus, CountsInEachLanguage)
{
    using FileStatus::ReadNote;
    struct Row
    {
        ReadNote note;
        int files;
        const char* english;
        const char* swedish;
    };
    // clang-format off
    const Row rows[] = {
        {ReadNote::Reading, 1234, "Reading\u2026 1,234 files", "L\u00e4ser\u2026 1\u00a0234 filer"},
        {ReadNote::NotAnswering, 0, "/n/%1 is not answering", "/n/%1 svarar inte"},
        {ReadNote::Failed, 0, "/n/%1 could not be read", "/n/%1 kunde inte l\u00e4sas"},
        {ReadNote::Stopped, 20000, "Reading stopped: 20,000 files", "L\u00e4sningen avbr\u00f6ts: 20\u00a0000 filer"},
    };
    // clang-format on
    for (const Row& row : rows)
        for (const bool sv : {false, true})
            EXPECT_EQ(FileStatus::ReadText(row.note, row.files, QStringLiteral("/n/%1"), sv).toStdString(),
                      sv ? row.swedish : row.english);
}

// Two favorites: a folder on the local disk, and one on a share the test holds.
struct SlowShare : AppFixture, ::testing::Test
{
    QString fast = tmp.makeFolder("home/fast");
    QString slow = tmp.makeFolder("home/slow");

    SlowShare()
    {
        tmp.makeFolder("home/slow/sub");
        for (const char* name : {"fast/a.txt", "fast/b.log", "slow/y.txt", "slow/x.txt", "slow/z.dat"})
            tmp.writeFile(QStringLiteral("home/") + name, "x");
        writeFavoFile("Enter below\r\nFast*" + fast.toUtf8() + "\r\nSlow*" + slow.toUtf8() + "***.txt");
        start();
        host.testWorkers.hold(slow);
    }
    QString status() const { return form.Label_FileStatus.Caption(); }
};

TEST_F(SlowShare, OpensAtOnceAndFillsInWhenTheReadEnds)
{
    form.FavoDirList.setListIndex(1);
    EXPECT_EQ(form.DirList.Path(), slow);
    EXPECT_TRUE(form.DirList.Reading());
    EXPECT_EQ(form.FavoDirList.ListIndex(), 1);
    EXPECT_EQ(form.FileFind.Text(), "*.txt");
    EXPECT_EQ(files(), QStringList());
    EXPECT_EQ(status(), "Reading\u2026 0 files");
    // The rest of the window answers meanwhile.
    form.FileFind.setText(QStringLiteral("z"));
    host.runTimers();
    EXPECT_EQ(status(), slow + " is not answering");

    host.testWorkers.release(slow);
    EXPECT_FALSE(form.DirList.Reading());
    EXPECT_EQ(form.DirList.List(0), slow + "/sub");
    EXPECT_EQ(files(), QStringList{"z.dat"});
    EXPECT_EQ(status(), "1 of 3 files shown (filter: *z*)");
}

TEST_F(SlowShare, MovingOnDropsTheRead)
{
    struct Row
    {
        const char* way;
        std::function<void(MainForm&)> move;
        QString path;
        QStringList files;
        const char* status;
    };
    // clang-format off
    const Row rows[] = {
        {"another favorite", [](MainForm& f) { f.FavoDirList.setListIndex(0); }, fast, {"a.txt", "b.log"}, "2 files"},
        {"up one level", [](MainForm& f) { f.Command_UpOneLevel_Click(); }, tmp.home(), {}, "Empty folder"},
        {"Escape in the file list", [](MainForm& f) { f.FileList.RaiseKeyDown(KeyCode::Escape, 0); }, slow, {}, "Reading stopped: 0 files"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.way);
        form.FileFind.setText({});
        form.FavoDirList.setListIndex(1);
        ASSERT_TRUE(form.DirList.Reading());
        form.FilterWarningPending = false;
        row.move(form);
        host.testWorkers.release(slow);
        EXPECT_EQ(form.DirList.Path(), row.path);
        EXPECT_EQ(files(), row.files);
        EXPECT_EQ(status(), row.status);
        EXPECT_EQ(form.DirList.ListCount(), row.path == tmp.home() ? 2 : 0);
        host.testWorkers.hold(slow);
        host.runTimers();
    }
}

TEST_F(SlowShare, ASecondClickWaitsForTheSameRead)
{
    for (const int favorite : {1, 0, 1, 0, 1})
        form.FavoDirList.setListIndex(int16_t(favorite));
    EXPECT_EQ(host.testWorkers.started["list:" + slow], 1);
    host.testWorkers.release(slow);
    EXPECT_EQ(files(), (QStringList{"x.txt", "y.txt"}));
}

TEST_F(SlowShare, AFolderGoneBeforeItAnsweredSaysSo)
{
    form.FavoDirList.setListIndex(1);
    ASSERT_TRUE(QDir(slow).removeRecursively());
    host.testWorkers.release(slow);
    EXPECT_EQ(files(), QStringList());
    EXPECT_EQ(status(), slow + " could not be read");
    EXPECT_FALSE(form.DirList.Reading());
}

TEST_F(SlowShare, SessionEndSavesWhileAReadHangs)
{
    form.FavoDirList.setListIndex(1);
    addEntry({QStringLiteral("New"), fast, {}});
    module.FavoListChanged = true;
    form.SessionEnd();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(readFavoFile().endsWith("\r\nNew*" + fast.toUtf8()));
    host.testWorkers.release(slow);
}

} // namespace

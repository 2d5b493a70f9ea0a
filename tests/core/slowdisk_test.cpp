// The status line's texts, and a folder on a share that does not answer: the window opens it at once and
// keeps working, fills it in when the read ends, drops the read when the user moves on, says after a while
// that the folder is not answering, and still saves at the end of the session.

#include "appfixture.h"
#include "core/dialogs/changedriveform.h"
#include "core/mainform/filestatus.h"
#include "core/system/volumes.h"
#include "core/toolkit/control.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(FileStatus, TextsForEachCaseInEachLanguage)
{
    // clang-format off
    struct Row { bool listed; int shown, total; bool filtered; const char* pattern; const char* english; const char* swedish; };
    const Row rows[] = {
        {false, 0, 0, false, "*.*", "", ""},
        {true, 0, 0, false, "*.*", "Empty folder", "Tom mapp"},
        {true, 0, 0, true, "*x*", "Empty folder", "Tom mapp"},
        {true, 340, 340, false, "*.*", "340 files", "340 filer"},
        {true, 1, 1, false, "*.*", "1 file", "1 fil"},
        {true, 12, 340, true, "*rep*", "12 of 340 files shown (filter: *rep*)", "12 av 340 filer visas (filter: *rep*)"},
        {true, 0, 340, true, "*zz*", "0 of 340 files shown (filter: *zz*)", "0 av 340 filer visas (filter: *zz*)"},
        {true, 0, 1, true, "*.c", "0 of 1 file shown (filter: *.c)", "0 av 1 fil visas (filter: *.c)"},
        {true, 100000, 100000, false, "*.*", "100,000 files", "100\u00a0000 filer"},
        {true, 5, 7, true, "*%1*", "5 of 7 files shown (filter: *%1*)", "5 av 7 filer visas (filter: *%1*)"},
    };
    // clang-format on
    for (const Row& row : rows)
        for (const bool sv : {false, true})
            EXPECT_EQ(FileStatus::Text(row.listed, row.shown, row.total, row.filtered, row.pattern, sv)
                          .toStdString(),
                      sv ? row.swedish : row.english);

    // While a folder is read, and when the read ends without a list.
    using FileStatus::ReadNote;
    struct ReadRow
    {
        ReadNote note;
        int files;
        const char* english;
        const char* swedish;
    };
    // clang-format off
    const ReadRow readRows[] = {
        {ReadNote::Reading, 1234, "Reading\u2026 1,234 files", "L\u00e4ser\u2026 1\u00a0234 filer"},
        {ReadNote::NotAnswering, 0, "/n/%1 is not answering", "/n/%1 svarar inte"},
        {ReadNote::Failed, 0, "/n/%1 could not be read", "/n/%1 kunde inte l\u00e4sas"},
        {ReadNote::Stopped, 20000, "Reading stopped: 20,000 files", "L\u00e4sningen avbr\u00f6ts: 20\u00a0000 filer"},
    };
    // clang-format on
    for (const ReadRow& row : readRows)
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

TEST_F(SlowShare, OpensAtOnceAndFillsInWhenTheReadEndsAndASecondClickWaitsForTheSameRead)
{
    for (const int favorite : {1, 0, 1, 0, 1})
        form.FavoDirList.setListIndex(int16_t(favorite));
    EXPECT_EQ(host.testWorkers.started["list:" + slow], 1);
    EXPECT_EQ(form.DirList.Path(), slow);
    EXPECT_TRUE(form.DirList.Reading());
    EXPECT_EQ(form.FavoDirList.ListIndex(), 1);
    EXPECT_EQ(form.FileFind.Text(), "*.txt");
    EXPECT_EQ(files(), QStringList());
    EXPECT_EQ(status(), "Reading\u2026 0 files");
    // The rest of the window answers meanwhile.
    form.FileFind.setText(QStringLiteral("z"));
    EXPECT_EQ(form.DirList.Note(), "");
    host.runTimers();
    EXPECT_EQ(status(), slow + " is not answering");
    EXPECT_EQ(form.DirList.Note(), "not answering");

    host.testWorkers.release(slow);
    EXPECT_FALSE(form.DirList.Reading());
    EXPECT_EQ(form.DirList.Note(), "");
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
        // Whatever the tree announces next, a folder that does not answer is never watched: the
        // watch's lookup would hold the window up.
        emit form.DirList.itemsChanged();
        EXPECT_FALSE(host.watched.contains(slow));
        host.testWorkers.release(slow);
        EXPECT_EQ(form.DirList.Path(), row.path);
        EXPECT_EQ(files(), row.files);
        EXPECT_EQ(status(), row.status);
        EXPECT_EQ(form.DirList.ListCount(), row.path == tmp.home() ? 2 : 0);
        host.testWorkers.hold(slow);
        host.runTimers();
    }
}

TEST_F(SlowShare, AFavoriteThatDidNotAnswerAsksBeforeItOpens)
{
    host.runTimers();
    ASSERT_EQ(host.folderChecks.size(), 1u);
    host.answerCheck(0, {slow});
    struct Row
    {
        const char* answer;
        QString path;
        bool reading;
    };
    for (const Row& row : {Row{"No", fast, false}, Row{"Yes", slow, true}}) {
        SCOPED_TRACE(row.answer);
        host.answer(QString::fromLatin1(row.answer));
        form.FavoDirList.setListIndex(1);
        EXPECT_TRUE(host.scriptsDone());
        EXPECT_EQ(host.messages.back().prompt.left(slow.size() + 11), "The folder " + slow);
        EXPECT_EQ(form.DirList.Path(), row.path);
        EXPECT_EQ(form.DirList.Reading(), row.reading);
    }
}

TEST_F(SlowShare, AFolderGoneBeforeItAnsweredGivesTheMessageOfOneGoneAtOnce)
{
    form.FavoDirList.setListIndex(0);
    host.testWorkers.release(slow);
    ASSERT_TRUE(QDir(slow).removeRecursively());
    const QString before = form.DirList.Path();
    struct Row
    {
        const char* way;
        bool sv;
        std::function<void(MainForm&)> open;
    };
    // clang-format off
    const Row rows[] = {
        {"favorite", false, [](MainForm& f) { f.FavoDirList.setListIndex(1); }},
        {"favorite", true, [](MainForm& f) { f.FavoDirList.setListIndex(1); }},
        {"tree", false, [this](MainForm& f) { f.DirList.setPath(slow); }},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.way) + (row.sv ? " sv" : " en"));
        module.SwedishLanguage = row.sv;
        // What a click on the favorite gives when the disk answers at once.
        const QString cancel = row.sv ? QStringLiteral("Avbryt") : QStringLiteral("Cancel");
        host.answer(cancel);
        form.FavoDirList.setListIndex(1);
        ASSERT_FALSE(host.messages.empty());
        const TestHost::Message atOnce = host.messages.back();
        const int16_t favorite = form.FavoDirList.ListIndex();
        ASSERT_EQ(form.DirList.Path(), before);

        host.testWorkers.hold(slow);
        row.open(form);
        ASSERT_TRUE(form.DirList.Reading());
        const size_t shown = host.messages.size();
        host.answer(row.way[0] == 't' ? QStringLiteral("OK") : cancel);
        host.testWorkers.release(slow);
        ASSERT_EQ(host.messages.size(), shown + 1);
        const TestHost::Message& late = host.messages.back();
        EXPECT_EQ(late.title, atOnce.title);
        if (row.way[0] == 'f') {
            EXPECT_EQ(late.prompt, atOnce.prompt);
            EXPECT_EQ(late.style, atOnce.style);
            EXPECT_EQ(form.FavoDirList.ListIndex(), favorite);
        } else {
            EXPECT_TRUE(atOnce.prompt.startsWith(late.prompt + "\n")) << late.prompt.toStdString();
            EXPECT_EQ(late.style, MsgStyle::OKOnly);
        }
        EXPECT_EQ(form.DirList.Path(), before);
        EXPECT_EQ(form.FileList.Path(), before);
        EXPECT_TRUE(host.scriptsDone());
        form.FavoDirList.setListIndex(-1);
        form.FileFind.setText({});
    }
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

TEST_F(SlowShare, ChangeDriveFillsInEachVolumeAsItAnswersAndStillOpensOneThatDoesNot)
{
    for (const bool sv : {false, true}) {
        module.SwedishLanguage = sv;
        form.FavoDirList.setListIndex(0);
        const QString free = sv ? " ledigt av " : " free of ";
        const QString silent = sv ? "(svarar inte)" : "(not answering)";
        onDialog<ChangeDriveForm>("ChangeDriveForm", [&](ChangeDriveForm& d) {
            const int asked = host.testWorkers.started["statfs:" + slow];
            d.Drives.setVolumes({{"/", "ext4", "", "/dev/sda1"}, {slow, "nfs", "NAS", "nas:/share"}});
            d.Drives.CheckVolumes();
            d.Drives.CheckVolumes();
            EXPECT_EQ(host.testWorkers.started["statfs:" + slow], asked + 1);
            EXPECT_EQ(d.Drives.List(1), slow + "  (NAS)");
            host.runTimers();
            EXPECT_TRUE(d.Drives.List(0).startsWith("/  ") && d.Drives.List(0).contains(free))
                << d.Drives.List(0).toStdString();
            EXPECT_EQ(d.Drives.List(1), slow + "  (NAS)  " + silent);
            host.testWorkers.release(slow);
            EXPECT_TRUE(d.Drives.List(1).startsWith(slow + "  (NAS)  ") && d.Drives.List(1).contains(free) &&
                        !d.Drives.List(1).contains(silent))
                << d.Drives.List(1).toStdString();
            host.testWorkers.hold(slow);
            d.Drives.setListIndex(1);
            d.Command_OK_Click();
        });
        form.Menu_ChangeDrive.RaiseClick();
        EXPECT_EQ(form.DirList.Path(), slow);
        EXPECT_TRUE(form.DirList.Reading());
    }
}

TEST(MountTable, MountPointsTypesAndDevices)
{
    const QByteArray table = "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                             "30 22 0:40 / /media/my\\040stick rw shared:9 master:2 - vfat /dev/sdb1 rw\n"
                             "31 22 0:41 / /mnt/nas rw - nfs4 nas:/share rw\n"
                             "garbage line\n";
    const std::vector<Volumes::Mount> mounts = Volumes::ParseMountInfo(table);
    QStringList parsed;
    for (const Volumes::Mount& mount : mounts)
        parsed << mount.mountPoint + "|" + mount.fsType + "|" + mount.device;
    EXPECT_EQ(parsed, QStringList({"/|ext4|/dev/sda1", "/media/my stick|vfat|/dev/sdb1",
                                   "/mnt/nas|nfs4|nas:/share"}));
}

TEST(SlowStart, AStartFolderThatDoesNotAnswerGivesTheNormalWindow)
{
    for (const bool fromCommandLine : {false, true}) {
        SCOPED_TRACE(fromCommandLine ? "command line" : "start folder");
        AppFixture app;
        const QString fast = app.tmp.makeFolder("home/fast");
        const QString slow = app.tmp.path("home/slow");
        app.writeFavoFile("Enter below\r\nFast*" + fast.toUtf8());
        app.writeSettings("UseDefaultPath=1\nDefaultPath=" + slow.toUtf8() + "\n");
        if (fromCommandLine)
            app.form.CommandLinePath = slow;
        // Not there at all: a look on the window's thread would say so at once.
        app.host.testWorkers.hold(slow);
        app.start();
        EXPECT_TRUE(app.host.messages.empty());
        EXPECT_EQ(app.form.FavoDirList.ListCount(), 1);
        EXPECT_EQ(app.form.DirList.Path(), slow);
        EXPECT_TRUE(app.form.DirList.Reading());
        EXPECT_EQ(app.form.Label_FileStatus.Caption(), "Reading\u2026 0 files");
        app.host.answer(QStringLiteral("OK"));
        app.host.testWorkers.release(slow);
        // Back in the folder shown before it, as when the start folder is missing at once.
        EXPECT_EQ(app.form.DirList.Path(), fast);
        ASSERT_EQ(app.host.messages.size(), 1u);
        EXPECT_EQ(app.host.messages[0].prompt, "The Folder \"" + slow + "\" does not exist.");
    }
}

} // namespace

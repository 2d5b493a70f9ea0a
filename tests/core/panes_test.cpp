// The folder tree, file list and filter box of the main window: opening folders and files, the
// status line, the startup folder modes and the change-drive dialog, and following the disk (a
// burst of changes makes one re-read after the interval, a folder removed while shown gives way
// to its nearest ancestor that still exists).

#include "appfixture.h"
#include "core/dialogs/changedriveform.h"
#include "core/mainform/panewatch.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Panes : AppFixture
{
    QString work = tmp.makeFolder("home/work");

    Panes()
    {
        for (const char* folder : {"Letters", "my docs"})
            tmp.makeFolder(QStringLiteral("home/work/") + folder);
        for (const char* name :
             {"report.txt", "notes.TXT", "txtfile.dat", "abc.log", "a1c.log", "README", ".hidden.txt"})
            tmp.writeFile(QStringLiteral("home/work/") + name, "x");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
    }
};

struct WatchApp : Panes
{
    QString deep = tmp.makeFolder("home/work/a/b/c");
    int fileListReads = 0;
    void countReads()
    {
        QObject::connect(&form.FileList, &FileList::itemsChanged, [this] { ++fileListReads; });
    }
};

} // namespace

TEST(Panes, FilterTextBecomesThePatternOfTheFileListAndTheStatusLineFollows)
{
    // clang-format off
    struct Row { const char* filter; QStringList files; bool armed; const char* status; };
    const Row rows[] = {
        {"", {"a1c.log", "abc.log", "notes.TXT", "README", "report.txt", "txtfile.dat"}, false, "6 files"},
        {"txt", {"notes.TXT", "report.txt", "txtfile.dat"}, true, "3 of 6 files shown (filter: *txt*)"},
        {"*.txt", {"notes.TXT", "report.txt"}, true, "2 of 6 files shown (filter: *.txt)"},
        {"a?c", {"a1c.log", "abc.log"}, true, "2 of 6 files shown (filter: *a?c*)"},
        {"*.log;readme", {"a1c.log", "abc.log", "README"}, true, "3 of 6 files shown (filter: *.log;readme)"},
        {"*.zip", {}, true, "0 of 6 files shown (filter: *.zip)"},
    };
    // clang-format on
    Panes app;
    app.start();
    const auto status = [&] { return app.form.Label_FileStatus.Caption(); };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        app.form.FileFind.setText(row.filter);
        EXPECT_EQ(app.files(), row.files);
        EXPECT_EQ(app.form.FilterWarningPending, row.armed);
        EXPECT_EQ(status(), row.status);
    }
    app.form.FileFind.setText("txt");
    app.form.FileFind_DblClick();
    EXPECT_EQ(app.form.FileFind.Text(), "");
    EXPECT_EQ(app.files().size(), 6);
    EXPECT_EQ(status(), "6 files");
    app.tmp.writeFile("home/work/d.txt", "x");
    EXPECT_EQ(status(), "6 files"); // not read yet
    app.form.Command_RefreshFileList_Click();
    EXPECT_EQ(status(), "7 files");
    app.form.DirList.setPath(app.work + "/Letters");
    EXPECT_EQ(status(), "Empty folder");
    app.form.Menu_Language_Click();
    EXPECT_EQ(status(), "Tom mapp");
}

TEST(Panes, EnterOnTheTreeOpensTheHighlightedFolderUpClimbsToTheRootAndSpaceCyclesTheFocus)
{
    Panes app;
    app.start();
    ASSERT_EQ(app.form.DirList.List(0), app.work + "/Letters");
    app.form.DirList.setListIndex(0);
    EXPECT_EQ(app.form.DirList.Path(), app.work); // a highlight alone does not open
    int16_t enter = 13;
    app.form.DirList_KeyPress(enter);
    EXPECT_EQ(app.form.DirList.Path(), app.work + "/Letters");
    EXPECT_TRUE(app.form.Command_UpOneLevel.Enabled());
    app.form.FileList.SetFocus();
    app.form.Command_UpOneLevel_Click();
    EXPECT_EQ(app.form.DirList.Path(), app.work);
    EXPECT_TRUE(app.form.DirList.HasFocus());

    app.form.DirList.setListIndex(1);
    QDir(app.work + "/my docs").removeRecursively();
    app.form.DirList_KeyPress(enter);
    EXPECT_EQ(app.form.DirList.Path(), app.work);
    EXPECT_EQ(app.form.DirList.ListCount(), 1);

    app.form.DirList.setPath("/tmp");
    app.form.Command_UpOneLevel_Click();
    EXPECT_EQ(app.form.DirList.Path(), "/");
    EXPECT_FALSE(app.form.Command_UpOneLevel.Enabled());

    // Space moves the focus on through the panes, Shift back.
    int16_t space = 32;
    app.form.FavoDirList.SetFocus();
    app.form.FavoDirList_KeyDown(space, 0);
    EXPECT_TRUE(app.form.DirList.HasFocus());
    EXPECT_TRUE(app.form.Command_OpenExplorer.Enabled());
    app.form.DirList_KeyDown(space, 0);
    EXPECT_TRUE(app.form.FileList.HasFocus());
    EXPECT_FALSE(app.form.Command_OpenExplorer.Enabled());
    app.form.FileList_KeyDown(space, 0);
    EXPECT_TRUE(app.form.FavoDirList.HasFocus());

    app.form.FavoDirList_KeyDown(space, 1);
    EXPECT_TRUE(app.form.FileList.HasFocus());
    app.form.FileList_KeyDown(space, 2);
    EXPECT_TRUE(app.form.DirList.HasFocus());
    app.form.DirList_KeyDown(space, 4);
    EXPECT_TRUE(app.form.FavoDirList.HasFocus());
}

TEST(Panes, OpeningAFolderOrAFileUsesTheHighlightAndAMissingOneOffersARefresh)
{
    Panes app;
    app.start();
    app.form.Command_OpenExplorer_Click(); // nothing highlighted: the open folder
    app.form.DirList.setListIndex(1);
    app.form.Menu_OpenFolder_Click();
    EXPECT_TRUE(app.form.DirList.HasFocus());
    app.selectFile("report.txt");
    app.form.FileList_DblClick();
    app.form.FileList.setListIndex(-1); // nothing selected: nothing happens
    app.form.FileList_DblClick();
    const std::vector<QString> opened{app.work, app.work + "/my docs", app.work + "/report.txt"};
    EXPECT_EQ(app.host.shellOpened, opened);

    QDir(app.work + "/my docs").removeRecursively();
    for (const char* answer : {"No", "Yes"}) {
        app.form.DirList.setListIndex(1);
        app.host.answer(answer);
        app.form.Command_OpenExplorer_Click();
        EXPECT_EQ(app.host.messages.back().title, "Open Folder Error");
        EXPECT_EQ(app.host.messages.back().prompt,
                  "The folder \"" + app.work +
                      "/my docs\" does not exist.\n\nDo you want to refresh the list ?");
        EXPECT_EQ(app.form.DirList.ListCount(), QByteArray(answer) == "Yes" ? 1 : 2);
        EXPECT_TRUE(app.form.DirList.HasFocus());
    }
    QFile::remove(app.work + "/abc.log");
    for (const char* answer : {"No", "Yes"}) {
        app.selectFile("abc.log");
        app.host.answer(answer);
        int16_t enter = 13;
        app.form.FileList_KeyPress(enter);
        EXPECT_EQ(app.host.messages.back().title, "Open File Error");
        EXPECT_EQ(app.host.messages.back().prompt,
                  "The file \"abc.log\" does not exist.\n\nDo you want to refresh the list ?");
        EXPECT_EQ(app.files().contains("abc.log"), QByteArray(answer) == "No");
    }
    EXPECT_EQ(app.host.shellOpened, opened);
}

TEST(Panes, RefreshOfADeletedFolderOpensTheNearestAncestorAndTellsOnce)
{
    // clang-format off
    struct Row { const char* name; std::function<void(Panes&)> refresh; };
    // clang-format on
    const Row rows[] = {
        {"folder refresh button", [](Panes& app) { app.form.Command_RefreshFolderList_Click(); }},
        {"file refresh button", [](Panes& app) { app.form.Command_RefreshFileList_Click(); }},
        {"yes to refresh after opening a listed file",
         [](Panes& app) {
             app.selectFile("report.txt");
             app.form.FileList_DblClick();
         }},
    };
    for (const bool swedish : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (swedish ? " (Swedish)" : ""));
            Panes app;
            app.tmp.makeFolder("home/work/Letters/2024/May");
            app.start();
            app.module.SwedishLanguage = swedish;
            app.form.DirList.setPath(app.work + "/Letters/2024/May");
            app.tmp.writeFile("home/work/Letters/2024/May/report.txt", "x");
            app.form.FileList.Refresh();
            QDir(app.work + "/Letters/2024").removeRecursively();
            app.host.messages.clear();
            if (std::string(row.name).starts_with("yes"))
                app.host.answer(swedish ? "Ja" : "Yes");
            app.host.answer("OK");
            row.refresh(app);
            EXPECT_EQ(app.form.DirList.Path(), app.work + "/Letters");
            EXPECT_EQ(app.form.FileList.Path(), app.work + "/Letters");
            EXPECT_EQ(app.files(), QStringList());
            const TestHost::Message& told = app.host.messages.back();
            EXPECT_EQ(told.title, swedish ? "Folder saknas" : "Folder Missing");
            EXPECT_EQ(told.prompt,
                      swedish ? "Foldern " + app.work + "/Letters/2024/May finns inte längre.\nVisar " +
                                    app.work + "/Letters i stället."
                              : "The folder " + app.work + "/Letters/2024/May no longer exists.\nShowing " +
                                    app.work + "/Letters instead.");
            EXPECT_TRUE(app.host.scriptsDone());
            const size_t shown = app.host.messages.size();
            app.form.Command_RefreshFileList_Click(); // once only
            EXPECT_EQ(app.host.messages.size(), shown);
        }
    }
}

TEST(StartFolder, ModeItemsCarryOneCheckMarkAndSetTheSavedFolderControls)
{
    Panes app;
    app.start();
    MainForm& f = app.form;
    f.FileFind.setText("txt");
    app.host.answer("OK");
    // clang-format off
    struct Step { MenuItem& item; int mode; bool saved; };
    const Step steps[] = {{f.Menu_UseCurrentPath, 1, true}, {f.Menu_UseExitPath, 2, false}, {f.Menu_NoDefaultPath, 0, false}};
    // clang-format on
    for (const Step& step : steps) {
        SCOPED_TRACE(step.mode);
        step.item.RaiseClick();
        EXPECT_EQ(f.StartFolderMode, step.mode);
        for (const MenuItem* item : {&f.Menu_UseCurrentPath, &f.Menu_UseExitPath, &f.Menu_NoDefaultPath})
            EXPECT_EQ(item->Checked(), item == &step.item) << item->Name().toStdString();
        EXPECT_EQ(f.Menu_SavePath.Enabled(), step.saved);
        EXPECT_EQ(f.Menu_GoToSavedPath.Enabled(), step.saved);
        EXPECT_EQ(f.Command_GotoSavedPath.Enabled(), step.saved);
    }
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_EQ(app.host.messages[0].title, "Startup Folder & Filter");
    EXPECT_EQ(app.host.messages[0].prompt, "Current Folder and Filter Saved as Startup");
    EXPECT_EQ(f.DefaultPath, app.work);
    EXPECT_EQ(f.DefaultFilter, "txt");
    app.exit();
    EXPECT_EQ(app.host.settingWrites, (std::vector<std::pair<QString, QString>>{{"UseDefaultPath", "0"}}));
}

TEST(StartFolder, ExitFolderModeOpensTheExitFolderAndFilterAtTheNextStart)
{
    TempFolder tmp;
    const QString work = tmp.makeFolder("home/work");
    tmp.makeFolder("home/work/Letters");
    tmp.writeFile("home/.local/share/Wayfolder/FavoDirs.dat", "Enter below: x\r\nWork*" + work.toUtf8());
    {
        AppRun run;
        run.start();
        run.form.Menu_UseExitPath_Click();
        run.form.DirList.setPath(work + "/Letters");
        run.form.FileFind.setText("txt");
        run.exit();
    }
    AppRun next;
    next.start();
    EXPECT_EQ(next.form.StartFolderMode, 2);
    EXPECT_EQ(next.form.DirList.Path(), work + "/Letters");
    EXPECT_EQ(next.form.FileFind.Text(), "txt");
    EXPECT_TRUE(next.host.messages.empty());
    EXPECT_TRUE(next.form.Menu_UseExitPath.Checked());
}

TEST(StartFolder, SavedFolderButtonsFollowTheOpenFolderAndAVanishedSavedFolderDisablesThem)
{
    Panes app;
    app.writeSettings("UseDefaultPath=1\nDefaultPath=" + app.work.toUtf8() + "\n");
    app.start();
    EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
    app.form.DirList.setPath(app.work + "/Letters");
    EXPECT_TRUE(app.form.Command_GotoSavedPath.Enabled());
    EXPECT_TRUE(app.form.Menu_GoToSavedPath.Enabled());
    app.form.FileFind.setText("x");
    app.form.Menu_SavePath_Click();

    app.host.answer("No"); // leaving the filtered folder warns; No clears the filter
    app.form.DirList.setPath(app.work);
    EXPECT_EQ(app.form.FileFind.Text(), "");
    app.form.Command_GotoSavedPath_Click();
    EXPECT_EQ(app.form.DirList.Path(), app.work + "/Letters");
    EXPECT_EQ(app.form.FileFind.Text(), "x");
    EXPECT_TRUE(app.form.DirList.HasFocus());
    EXPECT_FALSE(app.form.Menu_GoToSavedPath.Enabled());

    app.host.answer("Yes");
    app.form.DirList.setPath(app.work);
    QDir(app.work + "/Letters").removeRecursively();
    app.host.answer("OK");
    app.form.Menu_GoToSavedPath_Click();
    EXPECT_EQ(app.host.messages.back().prompt, "The saved folder " + app.work + "/Letters  can't be found.");
    EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
    EXPECT_FALSE(app.form.Menu_GoToSavedPath.Enabled());
    EXPECT_EQ(app.form.StartFolderMode, 1);
}

TEST(ChangeDrive, OKIsEnabledOnlyForAnotherVolumeAndAVolumeThatCannotBeShownKeepsTheDialogOpen)
{
    Panes app;
    app.start();
    const QString usb = app.tmp.makeFolder("media/usb");
    bool okAtOpen = true;
    app.host.onModal("ChangeDriveForm", [&](Form& f) {
        auto& d = static_cast<ChangeDriveForm&>(f);
        okAtOpen = d.Command_OK.Enabled();
        d.Drives.setVolumes({{"/", "ext4", "", "/dev/sda1"},
                             {"/gone", "nfs", "", "server:/gone"},
                             {usb, "vfat", "STICK", "/dev/sdb1"}});
        d.Drives.setDrive(d.StartDrive);
        EXPECT_FALSE(d.Command_OK.Enabled());
        d.Drives.setListIndex(1);
        EXPECT_TRUE(d.Command_OK.Enabled());
        app.host.answer("OK");
        d.Command_OK_Click(); // "/gone" cannot be shown
        EXPECT_TRUE(d.IsLoaded());
        d.Drives.setListIndex(2);
        d.Command_OK_Click();
    });
    app.form.Menu_ChangeDrive.RaiseClick();
    EXPECT_FALSE(okAtOpen);
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_EQ(app.host.messages[0].title, "Disk Error");
    EXPECT_EQ(app.host.messages[0].prompt, "Drive /gone is not ready !");
    EXPECT_EQ(app.form.DirList.Path(), usb);
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), -1);
}

TEST(PaneWatch, ABurstOfChangesMakesOneRereadThatKeepsTheSelection)
{
    WatchApp app;
    app.start();
    app.form.FileList.setListIndex(app.form.FileList.IndexOf("report.txt"));
    app.countReads();
    app.host.timers.clear();

    for (int i = 0; i < 500; ++i) {
        app.tmp.writeFile(QStringLiteral("home/work/new%1.txt").arg(i), "x");
        app.host.folderChanged(app.work);
    }
    QDir().mkdir(app.work + "/Zeta");
    app.host.folderChanged(app.work);
    ASSERT_EQ(app.host.timers.size(), 1u);
    EXPECT_EQ(app.host.timers[0].milliseconds, PaneWatch::IntervalMilliseconds);
    EXPECT_EQ(app.fileListReads, 0);

    app.host.runTimers();
    EXPECT_EQ(app.fileListReads, 1);
    EXPECT_EQ(app.form.paneWatch().rereads(), 1);
    EXPECT_EQ(app.form.FileList.ListCount(), 506);
    EXPECT_EQ(app.form.FileList.List(app.form.FileList.ListIndex()), "report.txt");
    EXPECT_EQ(app.form.DirList.List(app.form.DirList.ListCount() - 1), app.work + "/Zeta");
    EXPECT_EQ(app.form.Label_FileStatus.Caption(), "506 files");

    // The next change after the re-read is a new burst.
    app.host.folderChanged(app.work);
    EXPECT_EQ(app.host.timers.size(), 1u);
}

TEST(PaneWatch, WatchesTheOpenFolderAndItsParentAndRereadsNothingBesideItOrAfterTheWindowHasClosed)
{
    WatchApp app;
    app.start();
    EXPECT_EQ(app.host.watched, QStringList({app.work, app.tmp.home()}));
    app.form.DirList.setPath(app.deep);
    EXPECT_EQ(app.host.watched, QStringList({app.deep, app.work + "/a/b"}));
    app.form.DirList.setPath("/");
    EXPECT_EQ(app.host.watched, QStringList({"/"}));
    app.form.DirList.setPath(app.work);
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

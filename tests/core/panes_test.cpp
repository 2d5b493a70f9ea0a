// The folder tree, file list and filter box of the main window, and opening folders and files.

#include "appfixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Panes : AppFixture
{
    QString work;

    Panes()
    {
        work = tmp.makeFolder("home/work");
        tmp.makeFolder("home/work/Letters");
        tmp.makeFolder("home/work/my docs");
        for (const char* name : {"report.txt", "notes.TXT", "txtfile.dat", "abc.log", "a1c.log", "README"})
            tmp.writeFile(QStringLiteral("home/work/") + name, "x");
        tmp.writeFile("home/work/.hidden.txt", "x");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
    }
};

} // namespace

TEST(Panes, FilterTextBecomesThePatternOfTheFileList)
{
    // clang-format off
    struct Row { const char* filter; QStringList files; bool armed; };
    // clang-format on
    const Row rows[] = {
        {"", {"a1c.log", "abc.log", "notes.TXT", "README", "report.txt", "txtfile.dat"}, false},
        {"txt", {"notes.TXT", "report.txt", "txtfile.dat"}, true},
        {"*.txt", {"notes.TXT", "report.txt"}, true},
        {"a?c", {"a1c.log", "abc.log"}, true},
        {"*.log;readme", {"a1c.log", "abc.log", "README"}, true},
    };
    Panes app;
    app.start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        app.form.FileFind.setText(row.filter);
        EXPECT_EQ(app.files(), row.files);
        EXPECT_EQ(app.form.FilterWarningPending, row.armed);
    }
    app.form.FileFind.setText("txt");
    app.form.FileFind_DblClick();
    EXPECT_EQ(app.form.FileFind.Text(), "");
    EXPECT_EQ(app.files().size(), 6);
}

TEST(Panes, UpOneLevelClimbsToTheRootAndIsDisabledThere)
{
    Panes app;
    app.start();
    app.form.DirList.setPath(app.work + "/Letters");
    EXPECT_TRUE(app.form.Command_UpOneLevel.Enabled());
    app.form.Command_UpOneLevel_Click();
    EXPECT_EQ(app.form.DirList.Path(), app.work);
    EXPECT_TRUE(app.form.DirList.HasFocus());

    app.form.DirList.setPath("/tmp");
    app.form.Command_UpOneLevel_Click();
    EXPECT_EQ(app.form.DirList.Path(), "/");
    EXPECT_FALSE(app.form.Command_UpOneLevel.Enabled());
}

TEST(Panes, EnterOnTheTreeOpensTheHighlightedFolderAndAVanishedOneRefreshesTheTree)
{
    Panes app;
    app.start();
    ASSERT_EQ(app.form.DirList.List(0), app.work + "/Letters");
    app.form.DirList.setListIndex(0);
    EXPECT_EQ(app.form.DirList.Path(), app.work); // a highlight alone does not open
    int16_t enter = 13;
    app.form.DirList_KeyPress(enter);
    EXPECT_EQ(app.form.DirList.Path(), app.work + "/Letters");

    app.form.Command_UpOneLevel_Click();
    app.form.DirList.setListIndex(1);
    QDir(app.work + "/my docs").removeRecursively();
    app.form.DirList_KeyPress(enter);
    EXPECT_EQ(app.form.DirList.Path(), app.work);
    EXPECT_EQ(app.form.DirList.ListCount(), 1);
}

TEST(Panes, SpaceCyclesTheFocusThroughThePanesBothWays)
{
    Panes app;
    app.start();
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

TEST(Panes, OpeningAFolderUsesTheHighlightAndAMissingOneOffersARefresh)
{
    Panes app;
    app.start();
    app.form.Command_OpenExplorer_Click();
    EXPECT_EQ(app.host.shellOpened, std::vector<QString>({app.work}));

    app.form.DirList.setListIndex(1);
    app.form.Menu_OpenFolder_Click();
    EXPECT_EQ(app.host.shellOpened.back(), app.work + "/my docs");
    EXPECT_TRUE(app.form.DirList.HasFocus());

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
    EXPECT_EQ(app.host.shellOpened.size(), 2u);
}

TEST(Panes, OpeningAFileHandsItToTheDesktopAndAMissingOneOffersARefresh)
{
    Panes app;
    app.start();
    app.selectFile("report.txt");
    app.form.FileList_DblClick();
    EXPECT_EQ(app.host.shellOpened, std::vector<QString>({app.work + "/report.txt"}));

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
    EXPECT_EQ(app.host.shellOpened.size(), 1u);

    app.form.FileList.setListIndex(-1); // nothing selected: nothing happens
    app.form.FileList_DblClick();
    EXPECT_EQ(app.host.shellOpened.size(), 1u);
}

TEST(Panes, RefreshOfADeletedFolderOpensTheNearestAncestorAndTellsOnce)
{
    // clang-format off
    struct Row { const char* name; std::function<void(Panes&)> refresh; };
    // clang-format on
    const Row rows[] = {
        {"folder refresh button", [](Panes& app) { app.form.Command_RefreshFolderList_Click(); }},
        {"file refresh button", [](Panes& app) { app.form.Command_RefreshFileList_Click(); }},
        {"folder refresh menu", [](Panes& app) { app.form.Menu_RefreshFolderList_Click(); }},
        {"file refresh menu", [](Panes& app) { app.form.Menu_RefreshFilesList_Click(); }},
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

TEST(Panes, RightClicksOpenTheirDialogsOnlyWithASelection)
{
    Panes app;
    app.start();
    app.form.DirList.setPath(app.work + "/Letters"); // clears the favorites selection
    app.form.FileFind_MouseDown(2, 0, 0, 0);
    app.form.FileList.setListIndex(-1);
    app.form.FileList_MouseDown(2, 0, 0, 0);
    EXPECT_TRUE(app.host.scriptsDone());

    app.form.FavoDirList.setListIndex(0);
    bool filterOnly = false;
    app.host.onModal("RenameDirForm", [&](Form& f) {
        filterOnly = app.module.EditFilterOnly;
        f.Unload();
    });
    app.form.FileFind_MouseDown(2, 0, 0, 0);
    EXPECT_TRUE(filterOnly);
    EXPECT_FALSE(app.module.EditFilterOnly);
    EXPECT_TRUE(app.form.FileFind.Enabled());

    app.selectFile("README");
    app.host.onModal("AddFilterForm", [](Form& f) { f.Unload(); });
    app.form.FileList_MouseDown(2, 0, 0, 0);
    EXPECT_TRUE(app.host.scriptsDone());
}

TEST(Panes, SavedFolderButtonsFollowTheOpenFolderOnlyWithAStartupFolder)
{
    Panes app;
    app.writeSettings(QByteArray("UseDefaultPath=1\nDefaultPath=") + app.work.toUtf8() + "\n");
    app.start();
    EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
    app.form.DirList.setPath(app.work + "/Letters");
    EXPECT_TRUE(app.form.Command_GotoSavedPath.Enabled());
    EXPECT_TRUE(app.form.Menu_GoToSavedPath.Enabled());
    app.form.DirList.setPath(app.work);
    EXPECT_FALSE(app.form.Menu_GoToSavedPath.Enabled());
}

// Start and exit of the main window: the settings read at load, the first activation, and
// what is written back at unload.

#include "app/startsettings.h"
#include "appfixture.h"

#include <gtest/gtest.h>

namespace {

const QByteArray DefaultHeader =
    "Enter below: [Folder Shortcut name][*][Full path] without brackets - don't remove this line !";

QStringList writtenKeys(const TestHost& host)
{
    QStringList keys;
    for (const auto& [key, value] : host.settingWrites)
        keys << key;
    return keys;
}

QString written(const TestHost& host, const QString& key)
{
    QString result;
    for (const auto& [k, value] : host.settingWrites)
        if (k == key)
            result = value;
    return result;
}

} // namespace

TEST(Startup, FirstRunCentresTheWindowCreatesTheDefaultFileAndWritesNothingAtExit)
{
    AppFixture app;
    app.start();

    EXPECT_EQ(app.form.Left(), 28800 / 2 - app.form.Width() / 2);
    EXPECT_EQ(app.form.Top(), int(std::lround(16200 / 2.0f - app.form.Height() / 2.0f)));
    EXPECT_TRUE(app.form.Menu_NoDefaultPath.Checked());
    EXPECT_FALSE(app.form.Menu_GoToSavedPath.Enabled());
    EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
    EXPECT_FALSE(app.form.Menu_SavePath.Enabled());
    EXPECT_TRUE(app.form.Menu_FavoFile(1).Checked());
    EXPECT_FALSE(app.form.Menu_FF(1).Enabled());
    EXPECT_TRUE(app.form.Menu_FF(2).Enabled());
    EXPECT_FALSE(app.form.Menu_UndoChanges.Enabled());
    EXPECT_FALSE(app.form.Menu_SaveFavoFile.Enabled());

    EXPECT_EQ(app.readFavoFile(), DefaultHeader + "\r\nHome*" + app.tmp.home().toUtf8());
    ASSERT_EQ(app.form.FavoDirList.ListCount(), 1);
    EXPECT_EQ(app.form.FavoDirList.List(0), "Home");
    EXPECT_EQ(app.form.FavoDirPath.List(0), app.tmp.home());

    app.exit();
    EXPECT_TRUE(app.host.settingWrites.empty()) << writtenKeys(app.host).join(',').toStdString();
    EXPECT_FALSE(app.tmp.exists("home/.config/Wayfolder/Wayfolder.ini"));
    EXPECT_EQ(app.readFavoFile(), DefaultHeader + "\r\nHome*" + app.tmp.home().toUtf8());
}

TEST(Startup, StoredValuesOutsideTheirMeaningReadAsDefaults)
{
    struct Row
    {
        const char* ini;
        int16_t favoFile;
        int16_t mode;
        bool savedPosition;
    };
    const Row rows[] = {
        {"DefaultFavoFile=3\n", 3, 0, false},
        {"DefaultFavoFile= 2x\n", 2, 0, false},
        {"DefaultFavoFile=7\n", 1, 0, false},
        {"DefaultFavoFile=0\n", 1, 0, false},
        {"DefaultFavoFile=abc\n", 1, 0, false},
        {"DefaultFavoFile=99999999\n", 1, 0, false},
        {"UseDefaultPath=2\nDefaultPath=/nonexistent-wayfolder\n", 1, 2, false},
        {"UseDefaultPath=5\n", 1, 0, false},
        {"UseDefaultPath=-1\n", 1, 0, false},
        {"UseDefaultPath=yes\n", 1, 0, false},
        {"UseSavedStartPosition=True\n", 1, 0, true},
        {"UseSavedStartPosition=true\n", 1, 0, true},
        {"UseSavedStartPosition=-1\n", 1, 0, true},
        {"UseSavedStartPosition=False\n", 1, 0, false},
        {"UseSavedStartPosition=maybe\n", 1, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ini);
        AppFixture app;
        app.writeSettings(row.ini);
        if (row.mode != 0)
            app.host.answer("OK"); // the missing startup folder
        app.start();
        EXPECT_EQ(app.form.CurFavoFile, row.favoFile);
        EXPECT_EQ(app.form.StartFolderMode, row.mode);
        EXPECT_EQ(app.form.Menu_StartPosition.Checked(), row.savedPosition);
        EXPECT_TRUE(app.form.Menu_FavoFile(row.favoFile).Checked());
        EXPECT_TRUE(app.host.scriptsDone());
    }
}

TEST(Startup, SavedPositionIsUsedOnlyWhenItIsOnTheScreen)
{
    struct Row
    {
        const char* x;
        const char* y;
        bool used;
    };
    const Row rows[] = {
        {"1500", "900", true}, {"0", "0", true},        {"-40000", "900", false}, {"1500", "99999", false},
        {"abc", "900", false}, {"28500", "900", false}, {"1500", "-300", false},  {"1500.4", "899.6", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.x) + "," + row.y);
        AppFixture app;
        app.writeSettings(QByteArray("UseSavedStartPosition=True\nStartPosX=") + row.x +
                          "\nStartPosY=" + row.y + "\n");
        app.start();
        if (row.used) {
            EXPECT_EQ(app.form.Left(), int(std::lround(QByteArray(row.x).toDouble())));
            EXPECT_EQ(app.form.Top(), int(std::lround(QByteArray(row.y).toDouble())));
        } else {
            EXPECT_EQ(app.form.Left(), 28800 / 2 - app.form.Width() / 2);
        }
    }
}

TEST(Startup, PositionIsWrittenOnlyWithTheCheckMarkAndWhenItMoved)
{
    {
        AppFixture app; // no check mark: a moved window stores nothing
        app.start();
        app.form.Move(100, 200, app.form.Width(), app.form.Height());
        app.exit();
        EXPECT_TRUE(app.host.settingWrites.empty());
    }
    {
        AppFixture app; // check mark set during the run
        app.start();
        app.form.Menu_StartPosition.setChecked(true);
        app.form.Move(1500, 900, app.form.Width(), app.form.Height());
        app.exit();
        EXPECT_EQ(writtenKeys(app.host), QStringList({"UseSavedStartPosition", "StartPosX", "StartPosY"}));
        EXPECT_EQ(written(app.host, "UseSavedStartPosition"), "True");
        EXPECT_EQ(written(app.host, "StartPosX"), "1500");
        EXPECT_EQ(written(app.host, "StartPosY"), "900");
    }
    {
        AppFixture app; // saved position, window not moved: nothing to write
        app.writeSettings("UseSavedStartPosition=True\nStartPosX=1500\nStartPosY=900\n");
        app.start();
        app.exit();
        EXPECT_TRUE(app.host.settingWrites.empty());
    }
    {
        AppFixture app; // closed while minimised: the stored position stays
        app.writeSettings("UseSavedStartPosition=True\nStartPosX=1500\nStartPosY=900\n");
        app.start();
        app.form.setMinimized(true);
        app.form.Move(-32000, -32000, app.form.Width(), app.form.Height());
        app.exit();
        EXPECT_TRUE(app.host.settingWrites.empty());
    }
    {
        AppFixture app; // the check mark toggled twice writes nothing
        app.start();
        app.form.Menu_StartPosition.setChecked(true);
        app.form.Menu_StartPosition.setChecked(false);
        app.exit();
        EXPECT_TRUE(app.host.settingWrites.empty());
    }
}

TEST(Startup, ExitFolderModeStoresTheHighlightedFolderAndTheFilterWhenTheyChanged)
{
    AppFixture app;
    const QString start = app.tmp.makeFolder("home/docs");
    app.tmp.makeFolder("home/docs/letters");
    app.writeSettings(QByteArray("UseDefaultPath=2\nDefaultPath=") + start.toUtf8() +
                      "\nDefaultFilter=txt\n");
    app.start();
    EXPECT_EQ(app.form.DirList.Path(), start);
    EXPECT_EQ(app.form.FileFind.Text(), "txt");
    EXPECT_TRUE(app.form.Menu_UseExitPath.Checked());

    app.form.DirList.setListIndex(0); // highlight "letters" without opening it
    app.form.FileFind.setText("*.doc");
    app.exit();
    EXPECT_EQ(writtenKeys(app.host), QStringList({"DefaultPath", "DefaultFilter"}));
    EXPECT_EQ(written(app.host, "DefaultPath"), start + "/letters");
    EXPECT_EQ(written(app.host, "DefaultFilter"), "*.doc");
}

TEST(Startup, ExitFolderModeWritesNothingWhenFolderAndFilterAreAsRead)
{
    AppFixture app;
    const QString start = app.tmp.makeFolder("home/docs");
    app.writeSettings(QByteArray("UseDefaultPath=2\nDefaultPath=") + start.toUtf8() + "\nDefaultFilter=\n");
    app.start();
    app.exit();
    EXPECT_TRUE(app.host.settingWrites.empty()) << writtenKeys(app.host).join(',').toStdString();
}

TEST(Startup, MissingStartupFolderIsReportedAndTheHomeFolderOpens)
{
    for (const bool swedish : {false, true}) {
        AppFixture app;
        if (swedish)
            app.writeFavoFile("Fyll i nedan: x\r\nHem*" + app.tmp.home().toUtf8());
        app.writeSettings("UseDefaultPath=1\nDefaultPath=/gone/away\nDefaultFilter=txt\n");
        app.host.answer("OK");
        app.start();
        ASSERT_EQ(app.host.messages.size(), 1u);
        const auto& message = app.host.messages.front();
        if (swedish) {
            EXPECT_EQ(message.title, "Sökvägsfel");
            EXPECT_EQ(message.prompt, "StartFolder  /gone/away  kan inte hittas.\nStartar med  " +
                                          app.tmp.home() + "  i stället.");
        } else {
            EXPECT_EQ(message.title, "Path Error");
            EXPECT_EQ(message.prompt, "The Startup folder /gone/away  can't be found.\nWill start with  " +
                                          app.tmp.home() + "  instead.");
        }
        EXPECT_EQ(message.style, 0);
        EXPECT_EQ(app.form.DirList.Path(), app.tmp.home());
        EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
        EXPECT_FALSE(app.form.Menu_GoToSavedPath.Enabled());

        app.exit(); // neither the folder nor the mode is changed by the failure
        EXPECT_TRUE(app.host.settingWrites.empty());
    }
}

TEST(Startup, ModeChangedDuringTheRunIsWrittenAtExit)
{
    AppFixture app;
    app.start();
    app.form.StartFolderMode = 0;
    app.form.StartFolderModeChanged = true;
    app.exit();
    EXPECT_EQ(writtenKeys(app.host), QStringList({"UseDefaultPath"}));
    EXPECT_EQ(written(app.host, "UseDefaultPath"), "0");
}

TEST(Startup, SwitchedFavoritesFileIsRememberedAndSettingsFileKeepsOtherKeys)
{
    AppFixture app;
    app.writeSettings("DefaultFavoFile=3\nSomethingElse=kept\n");
    app.start();
    EXPECT_EQ(app.form.FavoFilePath, app.favoFile("FavoDirs3.dat"));
    app.form.CurFavoFile = 2;
    app.exit();
    EXPECT_EQ(written(app.host, "DefaultFavoFile"), "2");
    const QByteArray ini = app.tmp.readFile("home/.config/Wayfolder/Wayfolder.ini");
    EXPECT_TRUE(ini.contains("SomethingElse=kept")) << ini.constData();
    EXPECT_TRUE(ini.contains("DefaultFavoFile=2")) << ini.constData();
}

TEST(Startup, ChangedFavoritesAreSavedAtExitWithoutAsking)
{
    AppFixture app;
    app.start();
    app.form.FavoDirList.AddItem("Docs");
    app.form.FavoDirPath.AddItem("/docs");
    app.form.FavoFileFilter.AddItem("*.txt");
    app.module.FavoListChanged = true;
    app.exit();
    EXPECT_TRUE(app.readFavoFile().endsWith("\r\nDocs*/docs***.txt"));
    EXPECT_TRUE(app.host.messages.empty());
}

// The startup folder modes, the saved folder and the change-drive dialog.

#include "appfixture.h"
#include "core/dialogs/changedriveform.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct StartFolder : AppFixture
{
    QString work;
    StartFolder()
    {
        work = tmp.makeFolder("home/work");
        tmp.makeFolder("home/work/sub");
        writeFavoFile("Enter below: x\r\nWork*" + work.toUtf8());
    }
};

} // namespace

TEST(StartFolder, ModeItemsCarryOneCheckMarkAndSetTheSavedFolderControls)
{
    StartFolder app;
    app.start();
    app.form.FileFind.setText("txt");
    app.host.answer("OK");
    app.form.Menu_UseCurrentPath.RaiseClick();
    EXPECT_EQ(app.host.messages.back().title, "Startup Folder & Filter");
    EXPECT_EQ(app.host.messages.back().prompt, "Current Folder and Filter Saved as Startup");
    EXPECT_EQ(app.form.StartFolderMode, 1);
    EXPECT_EQ(app.form.DefaultPath, app.work);
    EXPECT_EQ(app.form.DefaultFilter, "txt");
    EXPECT_TRUE(app.form.Menu_UseCurrentPath.Checked());
    EXPECT_FALSE(app.form.Menu_NoDefaultPath.Checked());
    EXPECT_TRUE(app.form.Menu_SavePath.Enabled());
    EXPECT_TRUE(app.form.Command_GotoSavedPath.Enabled());

    app.form.Menu_UseExitPath.RaiseClick();
    EXPECT_TRUE(app.form.Menu_UseExitPath.Checked());
    EXPECT_FALSE(app.form.Menu_UseCurrentPath.Checked());
    EXPECT_FALSE(app.form.Menu_SavePath.Enabled());
    EXPECT_FALSE(app.form.Menu_GoToSavedPath.Enabled());

    app.form.Menu_NoDefaultPath.RaiseClick();
    EXPECT_TRUE(app.form.Menu_NoDefaultPath.Checked());
    EXPECT_FALSE(app.form.Menu_UseExitPath.Checked());
    app.exit();
    EXPECT_EQ(app.host.settingWrites, (std::vector<std::pair<QString, QString>>{{"UseDefaultPath", "0"}}));
}

TEST(StartFolder, ExitFolderModeOpensTheExitFolderAndFilterAtTheNextStart)
{
    TempFolder tmp;
    const QString work = tmp.makeFolder("home/work");
    tmp.makeFolder("home/work/sub");
    tmp.writeFile("home/.local/share/Wayfolder/FavoDirs.dat", "Enter below: x\r\nWork*" + work.toUtf8());
    {
        AppRun run;
        run.start();
        run.form.Menu_UseExitPath_Click();
        run.form.DirList.setPath(work + "/sub");
        run.form.FileFind.setText("txt");
        run.exit();
    }
    AppRun next;
    next.start();
    EXPECT_EQ(next.form.StartFolderMode, 2);
    EXPECT_EQ(next.form.DirList.Path(), work + "/sub");
    EXPECT_EQ(next.form.FileFind.Text(), "txt");
    EXPECT_TRUE(next.host.messages.empty());
    EXPECT_TRUE(next.form.Menu_UseExitPath.Checked());
}

TEST(StartFolder, GoingToAVanishedSavedFolderTellsAndDisablesBothControls)
{
    StartFolder app;
    app.start();
    app.host.answer("OK");
    app.form.Menu_UseCurrentPath_Click();
    app.form.DirList.setPath(app.work + "/sub");
    app.form.FileFind.setText("x");
    app.form.Menu_SavePath_Click();

    app.host.answer("No"); // leaving the filtered folder warns; No clears the filter
    app.form.DirList.setPath(app.work);
    EXPECT_EQ(app.form.FileFind.Text(), "");
    app.form.Command_GotoSavedPath_Click();
    EXPECT_EQ(app.form.DirList.Path(), app.work + "/sub");
    EXPECT_EQ(app.form.FileFind.Text(), "x");
    EXPECT_TRUE(app.form.DirList.HasFocus());

    app.host.answer("Yes");
    app.form.DirList.setPath(app.work);
    QDir(app.work + "/sub").removeRecursively();
    app.host.answer("OK");
    app.form.Menu_GoToSavedPath_Click();
    EXPECT_EQ(app.host.messages.back().prompt, "The saved folder " + app.work + "/sub  can't be found.");
    EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
    EXPECT_FALSE(app.form.Menu_GoToSavedPath.Enabled());
    EXPECT_EQ(app.form.StartFolderMode, 1);
}

TEST(ChangeDrive, OKIsEnabledOnlyForAnotherVolumeAndAVolumeThatCannotBeShownKeepsTheDialogOpen)
{
    StartFolder app;
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

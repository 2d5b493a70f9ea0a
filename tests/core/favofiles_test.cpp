// Saving, undoing, switching between the five favorites files and editing the active one.

#include "appfixture.h"
#include "core/dialogs/messbox.h"

#include <gtest/gtest.h>

namespace {

struct FiveFiles : AppFixture
{
    FiveFiles()
    {
        writeFavoFile("Enter below: x\r\nOne*" + tmp.home().toUtf8());
        writeFavoFile("Fyll i nedan: x\r\nTre*" + tmp.home().toUtf8() + "\r\nTre B*" + tmp.home().toUtf8(),
                      "FavoDirs3.dat");
        start();
    }
    void addFavorite(const QString& name)
    {
        addEntry({name, tmp.home(), {}});
        module.FavoListChanged = true;
        form.Menu_SaveFavoFile.setEnabled(true);
        form.Menu_UndoChanges.setEnabled(true);
    }
};

} // namespace

TEST(FavoFiles, SwitchingLoadsTheOtherFileWithItsLanguageAndMarksTheMenus)
{
    FiveFiles app;
    app.form.Menu_FF(3).RaiseClick();
    EXPECT_EQ(app.form.CurFavoFile, 3);
    EXPECT_EQ(app.form.FavoDirList.Items(), QStringList({"Tre", "Tre B"}));
    EXPECT_TRUE(app.module.SwedishLanguage);
    EXPECT_EQ(app.form.Caption(), "Wayfolder, v2.7 - Feb 2025 / ZQ    [Aktiv Favoritfil:  FF3]");
    for (int16_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(app.form.Menu_FavoFile(i).Checked(), i == 3);
        EXPECT_EQ(app.form.Menu_FF(i).Enabled(), i != 3);
    }

    app.form.Menu_FavoFile(1).RaiseClick();
    EXPECT_EQ(app.form.FavoDirList.Items(), QStringList({"One"}));
    EXPECT_FALSE(app.module.SwedishLanguage);
    EXPECT_TRUE(app.form.Caption().startsWith("Wayfolder, v2.7 - Feb 2025 / ZQ    ["))
        << app.form.Caption().toStdString();
    EXPECT_TRUE(app.form.Caption().endsWith("FF1]")) << app.form.Caption().toStdString();

    app.form.Menu_FavoFile(1).RaiseClick(); // the active file: nothing at all
    EXPECT_TRUE(app.host.messages.empty());
}

TEST(FavoFiles, SwitchWithUnsavedChangesAsksAndEachAnswerDoesItsPart)
{
    // clang-format off
    struct Row { const char* answer; int16_t fileAfter; bool oldFileHasNew; };
    // clang-format on
    for (const Row& row : {Row{"Yes", 3, true}, Row{"No", 3, false}, Row{"Cancel", 1, false}}) {
        SCOPED_TRACE(row.answer);
        FiveFiles app;
        app.addFavorite("New");
        app.host.answer(row.answer);
        app.form.Menu_FavoFile_Click(3);
        ASSERT_EQ(app.host.messages.size(), 1u);
        EXPECT_EQ(app.host.messages[0].prompt,
                  "Do you want to save all changes done to the current Favorites file ?");
        EXPECT_EQ(app.host.messages[0].style, 3);
        EXPECT_EQ(app.form.CurFavoFile, row.fileAfter);
        EXPECT_EQ(app.readFavoFile().contains("New*"), row.oldFileHasNew);
        if (row.fileAfter == 1) {
            EXPECT_TRUE(app.module.FavoListChanged);
            EXPECT_TRUE(app.form.Menu_FavoFile(1).Checked());
            EXPECT_EQ(app.form.FavoDirList.ListCount(), 2);
        } else {
            EXPECT_FALSE(app.module.FavoListChanged);
        }
    }
}

TEST(FavoFiles, LanguageSwitchOffersSaveAndUndoIsKeptBySaveDroppedByUndoOnlyAfterOKAndAloneNotSavedAtExit)
{
    {
        FiveFiles app;
        app.form.Menu_Language.RaiseClick();
        EXPECT_TRUE(app.module.SwedishLanguage);
        EXPECT_TRUE(app.form.Menu_UndoChanges.Enabled());
        EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
        EXPECT_FALSE(app.module.FavoListChanged);
        app.form.Menu_SaveFavoFile_Click();
        EXPECT_TRUE(app.readFavoFile().startsWith("Fyll i nedan:"));
        EXPECT_FALSE(app.form.Menu_SaveFavoFile.Enabled());
    }
    {
        FiveFiles app; // Undo reloads the file, language and all, only after OK
        app.form.Menu_Language_Click();
        app.addFavorite("New");
        app.host.answer("Avbryt");
        app.form.Menu_UndoChanges_Click();
        EXPECT_EQ(app.host.messages.back().prompt, "Ångra alla ändringar ?");
        EXPECT_EQ(app.host.messages.back().style, 1);
        EXPECT_EQ(app.form.FavoDirList.ListCount(), 2);
        app.host.answer("OK");
        app.form.Menu_UndoChanges_Click();
        EXPECT_EQ(app.form.FavoDirList.Items(), QStringList({"One"}));
        EXPECT_FALSE(app.module.FavoListChanged);
        EXPECT_FALSE(app.form.Menu_UndoChanges.Enabled());
        EXPECT_FALSE(app.form.Menu_SaveFavoFile.Enabled());
        EXPECT_FALSE(app.module.SwedishLanguage);
        EXPECT_EQ(app.form.Menu_Language.Caption(), "S&venska");
    }
    {
        FiveFiles app; // a switch plus a real change is saved at exit in the new language
        app.form.Menu_Language_Click();
        app.addFavorite("New");
        app.exit();
        EXPECT_TRUE(app.readFavoFile().startsWith("Fyll i nedan:"));
        EXPECT_TRUE(app.readFavoFile().endsWith("New*" + app.tmp.home().toUtf8()));
    }
    {
        FiveFiles app;
        const QByteArray before = app.readFavoFile();
        app.form.Menu_Language.RaiseClick();
        app.exit();
        EXPECT_EQ(app.readFavoFile(), before);
    }
}

TEST(FavoFiles, EditingStartsTheDesktopEditorOnTheFileThenOffersAReloadOrSaysItCannot)
{
    FiveFiles app;
    // A terminal editor is passed over.
    app.tmp.writeFile("home/.config/mimeapps.list",
                      "[Default Applications]\ntext/plain=vim.desktop;myedit.desktop;\n");
    app.tmp.writeFile("home/.local/share/applications/vim.desktop",
                      "[Desktop Entry]\nExec=/bin/false %F\nTerminal=true\n");
    app.tmp.writeFile("home/.local/share/applications/myedit.desktop",
                      "[Desktop Entry]\nType=Application\nName=My Editor\nExec=/bin/true --new-window %F\n");
    app.addFavorite("New");

    app.host.answer("Yes"); // save first
    app.host.onModal("MessBox", [&](Form& box) {
        // The user edits the file in the editor before answering.
        app.writeFavoFile("Enter below: x\r\nEdited*" + app.tmp.home().toUtf8());
        app.host.messages.back().answer = "Yes";
        static_cast<MessBox&>(box).Button_Click(1);
    });
    app.form.Menu_EditFavoFile_Click();

    ASSERT_EQ(app.host.startedProcesses.size(), 1u);
    EXPECT_EQ(app.host.startedProcesses[0].first, "/bin/true");
    EXPECT_EQ(app.host.startedProcesses[0].second, QStringList({"--new-window", app.favoFile()}));
    ASSERT_EQ(app.host.messages.size(), 2u);
    EXPECT_EQ(app.host.messages[0].prompt,
              "Do you want save previous changes before editing the Favorites file ?");
    EXPECT_EQ(app.host.messages[1].prompt,
              "If changes were made to the Favorite Folder datafile the Favorites List "
              "must be refreshed .\n\nDo you want to refresh now ?");
    EXPECT_EQ(app.form.FavoDirList.Items(), QStringList({"Edited"}));

    // An editor that cannot start is reported without the reload question.
    app.host.processesStart = false;
    app.host.answer("OK");
    app.form.Menu_EditFavoFile_Click();
    ASSERT_EQ(app.host.messages.size(), 3u);
    EXPECT_EQ(app.host.messages[2].title, "Favorites List File Error");
    EXPECT_EQ(app.host.messages[2].prompt,
              "The Favorites List file can't be opened since the program Notepad can't be found.");
}

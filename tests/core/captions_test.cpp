// The main window's captions in both languages and the language switch.

#include "appfixture.h"

#include <gtest/gtest.h>

TEST(Captions, WindowCaptionNamesVersionAndActiveFileInBothLanguages)
{
    AppFixture app;
    app.start();
    EXPECT_EQ(app.module.AppVersion, "2.7");
    EXPECT_EQ(app.form.Caption(), "Wayfolder, v2.7 - Feb 2025 / ZQ    [Active Favorite File:  FF1]");

    app.form.CurFavoFile = 3;
    app.module.SwedishLanguage = true;
    app.form.SetCaptions();
    EXPECT_EQ(app.form.Caption(), "Wayfolder, v2.7 - Feb 2025 / ZQ    [Aktiv Favoritfil:  FF3]");
}

TEST(Captions, EveryLanguageDependentCaptionFollowsTheLanguage)
{
    AppFixture app;
    app.start();
    MainForm& f = app.form;
    struct Row
    {
        std::function<QString()> caption;
        const char* english;
        const char* swedish;
    };
    const Row rows[] = {
        {[&] { return f.Menu_File.Caption(); }, "&File", "&Arkiv"},
        {[&] { return f.Menu_FavoFile(4).Caption(); }, "Favorite File &4", "Favorit-fil &4"},
        {[&] { return f.Menu_DefaultPath.Caption(); }, "Startup Folder && Filter", "&StartFolder && Filter"},
        {[&] { return f.Menu_UseExitPath.Caption(); }, "Use &Exit Folder && Filter",
         "Använd Folder && Filter som är aktiv vid &Exit"},
        {[&] { return f.Menu_Language.Caption(); }, "S&venska", "&English"},
        {[&] { return f.Menu_OpenFolder.Caption(); }, "&Open Current Folder with Windows Explorer",
         "&Öppna vald Folder med Explorer"},
        {[&] { return f.Menu_EditFavoFile.Caption(); }, "Edit &Favorite Folders Datafile",
         "Redigera &Favorit-Datafil"},
        {[&] { return f.Menu_About.Caption(); }, "&About", "&Om"},
        {[&] { return f.Label3.Caption(); }, "Files / Filter", "Filer / Filter"},
        {[&] { return f.Command_GotoSavedPath.Caption(); }, "&Go To Saved", "&Gå till sparad"},
        {[&] { return f.Command_RefreshFileList.Caption(); }, "R&efresh", "U&ppdatera"},
    };
    for (const bool swedish : {false, true}) {
        app.module.SwedishLanguage = swedish;
        f.SetCaptions();
        for (const Row& row : rows)
            EXPECT_EQ(row.caption(), QString::fromUtf8(swedish ? row.swedish : row.english));
        // Captions that are the same in both languages are left alone.
        EXPECT_EQ(f.Menu_Exit.Caption(), "E&xit");
        EXPECT_EQ(f.Command_Exit.Caption(), "E&xit");
        EXPECT_EQ(f.Menu_FF(5).Caption(), "FF&5");
    }
}

TEST(Captions, LanguageSwitchFlipsBackAndEnablesSaveAndUndoWithoutMarkingAChange)
{
    AppFixture app;
    app.start();
    const QByteArray before = app.readFavoFile();

    app.form.Menu_Language.RaiseClick();
    EXPECT_TRUE(app.module.SwedishLanguage);
    EXPECT_EQ(app.form.Caption(), "Wayfolder, v2.7 - Feb 2025 / ZQ    [Aktiv Favoritfil:  FF1]");
    EXPECT_TRUE(app.form.Menu_UndoChanges.Enabled());
    EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
    EXPECT_FALSE(app.module.FavoListChanged);

    app.form.Menu_Language.RaiseClick();
    EXPECT_FALSE(app.module.SwedishLanguage);
    EXPECT_EQ(app.form.Menu_Language.Caption(), "S&venska");

    app.form.Menu_Language.RaiseClick();
    app.exit(); // a switch alone does not rewrite the data file
    EXPECT_EQ(app.readFavoFile(), before);
}

TEST(Captions, SwedishHeaderOpensTheWindowInSwedish)
{
    AppFixture app;
    app.writeFavoFile("Fyll i nedan: ...\r\nHem*" + app.tmp.home().toUtf8());
    app.start();
    EXPECT_TRUE(app.module.SwedishLanguage);
    EXPECT_EQ(app.form.Menu_Language.Caption(), "&English");
    EXPECT_EQ(app.form.Label1.Caption(), "Favoriter");
}

// The add-folder dialog: which folder it takes, the proposed name and filter, the filter
// question, and what Save appends to the favorites.

#include "appfixture.h"
#include "favoedit/adddirform.h"
#include "favorites/favofile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Two favorites: A (folder a with a subfolder Projects) and B (folder b, filter "txt").
struct AddDir : AppFixture
{
    QString a;
    QString b;
    QString projects;

    AddDir()
    {
        a = tmp.makeFolder("home/fav/a");
        b = tmp.makeFolder("home/fav/b");
        projects = tmp.makeFolder("home/fav/a/Projects");
        tmp.writeFile("home/fav/a/notes.txt", "x");
        tmp.writeFile("home/fav/b/notes.txt", "x");
        writeFavoFile("Enter below: header\r\nA*" + a.toUtf8() + "\r\nB*" + b.toUtf8() + "**txt");
    }

    void onDialog(std::function<void(AddDirForm&)> script)
    {
        host.onModal("AddDirForm", [script](Form& f) { script(static_cast<AddDirForm&>(f)); });
    }

    FavoritesEntry entry(int16_t i) const
    {
        return {form.FavoDirList.List(i), form.FavoDirPath.List(i), form.FavoFileFilter.List(i)};
    }
};

} // namespace

TEST(AddDirForm, ProposedNameIsTheLastComponentOfTheFolder)
{
    const std::pair<QString, QString> rows[] = {
        {"/home/user/Projects", "Projects"},
        {"/home/user/Projects/", "Projects"},
        {"/home", "home"},
        {"/", "/"},
        {"Projects", "Projects"},
        {"/home/my docs", "my docs"},
    };
    for (const auto& [folder, proposal] : rows)
        EXPECT_EQ(AddDirForm::ProposedName(folder), proposal) << folder.toStdString();
}

TEST(AddDirForm, OpenFolderIsAppendedSelectedAndMarkedChanged)
{
    AddDir app;
    app.start();
    app.form.DirList.setPath(app.projects);
    app.onDialog([&](AddDirForm& d) {
        EXPECT_EQ(d.Caption(), "Add Current Folder");
        EXPECT_EQ(d.Width(), 7050 + 90);
        EXPECT_EQ(d.Height(), 1860 + 375);
        EXPECT_EQ(d.Label_Path.Caption(), app.projects);
        EXPECT_EQ(d.Text_FavoName.Text(), "Projects");
        EXPECT_EQ(d.Text_FileFilter.Text(), "");
        EXPECT_TRUE(d.Command_Save.Enabled());
        EXPECT_EQ(d.ActiveControl(), &d.Text_FavoName);
        d.Command_Save_Click();
    });
    app.form.Menu_AddDir_Click();

    ASSERT_EQ(app.form.FavoDirList.ListCount(), 3);
    EXPECT_EQ(app.entry(2), (FavoritesEntry{"Projects", app.projects, ""}));
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 2);
    EXPECT_EQ(app.form.DirList.Path(), app.projects);
    EXPECT_TRUE(app.module.FavoListChanged);
    EXPECT_TRUE(app.form.Menu_UndoChanges.Enabled());
    EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
    EXPECT_TRUE(app.host.messages.empty());
}

TEST(AddDirForm, RootIsStoredWithItsSlashAndNamedAfterIt)
{
    AddDir app;
    app.start();
    app.form.DirList.setPath("/");
    app.onDialog([](AddDirForm& d) {
        EXPECT_EQ(d.Label_Path.Caption(), "/");
        EXPECT_EQ(d.Text_FavoName.Text(), "/");
        d.Command_Save_Click();
    });
    app.form.Menu_AddDir_Click();
    EXPECT_EQ(app.entry(2), (FavoritesEntry{"/", "/", ""}));
    EXPECT_EQ(app.form.DirList.Path(), "/");
}

TEST(AddDirForm, HighlightedFolderClearsTheMainFilterAtOnceEvenWhenCancelled)
{
    AddDir app;
    app.start();
    for (int16_t highlighted : {int16_t(0), int16_t(-2)}) {
        SCOPED_TRACE(highlighted);
        app.form.FileFind.setText("txt");
        app.form.DirList.setListIndex(highlighted);
        const QString folder = app.form.DirList.List(highlighted);
        ASSERT_EQ(folder, highlighted == 0 ? app.projects : app.tmp.path("home/fav"));
        app.onDialog([&](AddDirForm& d) {
            EXPECT_EQ(d.Label_Path.Caption(), folder);
            EXPECT_EQ(app.form.FileFind.Text(), "");
            EXPECT_EQ(d.Text_FileFilter.Text(), "");
            d.Command_Cancel_Click();
        });
        app.form.Menu_AddDir_Click();
        EXPECT_EQ(app.form.FileFind.Text(), "");
        EXPECT_EQ(app.form.FavoDirList.ListCount(), 2);
        EXPECT_EQ(app.form.DirList.Path(), app.a);
        EXPECT_FALSE(app.module.FavoListChanged);
        EXPECT_FALSE(app.form.Menu_SaveFavoFile.Enabled());
    }
}

TEST(AddDirForm, FilterQuestionDecidesTheStoredFilterAndTheMainFilter)
{
    struct Row
    {
        const char* answer;
        const char* stored;
    };
    for (const Row& row : {Row{"Yes", "txt"}, Row{"No", ""}}) {
        SCOPED_TRACE(row.answer);
        AddDir app;
        app.start();
        app.form.FavoDirList.setListIndex(1);
        ASSERT_EQ(app.form.FileFind.Text(), "txt");
        app.onDialog([](AddDirForm& d) {
            EXPECT_EQ(d.Text_FileFilter.Text(), "txt");
            d.Command_Save_Click();
        });
        app.host.answer(row.answer);
        app.form.Menu_AddDir_Click();

        ASSERT_EQ(app.host.messages.size(), 1u);
        EXPECT_EQ(app.host.messages[0].title, "File Filter");
        EXPECT_EQ(app.host.messages[0].prompt, "Are you sure you want to keep the File Filter ?");
        EXPECT_EQ(app.host.messages[0].style, 4);
        EXPECT_EQ(app.entry(2), (FavoritesEntry{"b", app.b, row.stored}));
        EXPECT_EQ(app.form.FileFind.Text(), row.stored);
        EXPECT_EQ(app.form.FavoDirList.ListIndex(), 2);
    }
}

TEST(AddDirForm, EnterWithAnEmptyNameStoresNothingAndEscClosesWithoutChange)
{
    AddDir app;
    app.start();
    app.onDialog([](AddDirForm& d) {
        d.Text_FavoName.RaiseDblClick();
        EXPECT_EQ(d.Text_FavoName.Text(), "");
        EXPECT_FALSE(d.Command_Save.Enabled());
        d.Text_FavoName.RaiseKeyPress(13);
        EXPECT_TRUE(d.IsLoaded());
        d.Text_FavoName.setText("n");
        EXPECT_TRUE(d.Command_Save.Enabled());
        d.Text_FileFilter.RaiseKeyPress(13); // Enter in the filter box is no Save
        EXPECT_TRUE(d.IsLoaded());
        d.Text_FileFilter.RaiseKeyPress(27);
        EXPECT_FALSE(d.IsLoaded());
    });
    app.form.Menu_AddDir_Click();
    EXPECT_EQ(app.form.FavoDirList.ListCount(), 2);
    EXPECT_FALSE(app.module.FavoListChanged);

    // Enter with a name saves; the next opening starts afresh from the design state.
    app.onDialog([](AddDirForm& d) {
        EXPECT_EQ(d.Text_FavoName.Text(), "a");
        EXPECT_TRUE(d.Command_Save.Enabled());
        d.Text_FavoName.RaiseKeyPress(13);
    });
    app.form.Menu_AddDir_Click();
    EXPECT_EQ(app.entry(2), (FavoritesEntry{"a", app.a, ""}));
}

TEST(AddDirForm, EntriesThatWouldNotReadBackAreRefusedOthersSurviveSaveAndLoad)
{
    struct Row
    {
        const char* what;
        QString name;
        QString folder; // below home/fav; empty: the open folder a
        QString filter;
        bool storable;
    };
    const Row rows[] = {
        {"star in name", "a*b", {}, {}, false},
        {"line break in name", "a\nb", {}, {}, false},
        {"double star inside the filter", "n", {}, "x**y", false},
        {"double star in the folder", "n", "p**q", {}, false},
        {"folder ending in a star, with filter", "n", "p*", "txt", false},
        {"filter starting with a star", "n", {}, "*.txt", true},
        {"filter starting with two stars", "n", {}, "**x", true},
        {"star inside the folder", "n", "p*q", "txt", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        AddDir app;
        app.start();
        QString folder = app.a;
        if (!row.folder.isEmpty()) {
            folder = app.tmp.makeFolder("home/fav/" + row.folder);
            app.form.DirList.setPath(folder);
        }
        app.form.FileFind.setText(row.filter);
        app.onDialog([&](AddDirForm& d) {
            d.Text_FavoName.setText(row.name);
            d.Command_Save_Click();
            EXPECT_EQ(d.IsLoaded(), !row.storable);
            if (d.IsLoaded())
                d.Command_Cancel_Click();
        });
        if (row.storable) {
            if (!row.filter.isEmpty())
                app.host.answer("Yes");
        } else {
            app.host.answer("OK");
        }
        app.form.Menu_AddDir_Click();
        EXPECT_TRUE(app.host.scriptsDone());

        if (!row.storable) {
            ASSERT_EQ(app.host.messages.size(), 1u);
            EXPECT_EQ(app.host.messages[0].title, "Invalid Favorite");
            EXPECT_EQ(app.host.messages[0].prompt,
                      "The name, path or filter contains characters that the Favorites file cannot store:\n"
                      "a \"*\" in the name, or \"**\" in the path or filter.");
            EXPECT_EQ(app.host.messages[0].style, 0);
            EXPECT_EQ(app.form.FavoDirList.ListCount(), 2);
            EXPECT_FALSE(app.module.FavoListChanged);
            continue;
        }
        const FavoritesEntry added{row.name, folder, row.filter};
        ASSERT_EQ(app.form.FavoDirList.ListCount(), 3);
        EXPECT_EQ(app.entry(2), added);
        app.form.SaveFavoFile();
        app.form.LoadFavoFile();
        ASSERT_EQ(app.form.FavoDirList.ListCount(), 3);
        EXPECT_EQ(app.entry(2), added);
    }
}

TEST(AddDirForm, SwedishCaptionsAndQuestionAndBackToEnglish)
{
    AddDir app;
    app.start();
    app.module.SwedishLanguage = true;
    app.form.FavoDirList.setListIndex(1);
    app.onDialog([](AddDirForm& d) {
        EXPECT_EQ(d.Caption(), "Lägg till vald Folder");
        EXPECT_EQ(d.Label1.Caption(), "Sökväg");
        EXPECT_EQ(d.Label2.Caption(), "Favoritnamn:");
        EXPECT_EQ(d.Label3.Caption(), "Filfilter:");
        EXPECT_EQ(d.Command_Save.Caption(), "&Spara");
        EXPECT_EQ(d.Command_Cancel.Caption(), "&Avbryt");
        d.Text_FavoName.setText("x*");
        d.Command_Save_Click();
        d.Text_FavoName.setText("x");
        d.Command_Save_Click();
    });
    app.host.answer("OK");
    app.host.answer("Ja");
    app.form.Menu_AddDir_Click();
    ASSERT_EQ(app.host.messages.size(), 2u);
    EXPECT_EQ(app.host.messages[0].title, "Ogiltig Favorit");
    EXPECT_EQ(app.host.messages[0].prompt,
              "Namnet, sökvägen eller filtret innehåller tecken som Favoritfilen inte kan lagra:\n"
              "en \"*\" i namnet, eller \"**\" i sökvägen eller filtret.");
    EXPECT_EQ(app.host.messages[1].title, "Filfilter");
    EXPECT_EQ(app.host.messages[1].prompt, "Är du säker på att du vill behålla Filfiltret ?");

    app.module.SwedishLanguage = false;
    app.onDialog([](AddDirForm& d) {
        EXPECT_EQ(d.Caption(), "Add Current Folder");
        EXPECT_EQ(d.Label1.Caption(), "Path:");
        EXPECT_EQ(d.Label2.Caption(), "Favorite Name:");
        EXPECT_EQ(d.Label3.Caption(), "File Filter:");
        EXPECT_EQ(d.Command_Save.Caption(), "&Save");
        EXPECT_EQ(d.Command_Cancel.Caption(), "&Cancel");
        d.Command_Cancel_Click();
    });
    app.form.Menu_AddDir_Click();
}

// The edit-favorite dialog: full edit and filter-only edit, the entry replaced in place and
// selected again once the dialog has closed, and what it refuses.

#include "appfixture.h"
#include "favoedit/renamedirform.h"
#include "favorites/favofile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Three favorites: A (folder a), B (folder b, filter "txt"), C (folder c).
struct Rename : AppFixture
{
    QString a;
    QString b;
    QString c;

    Rename()
    {
        a = tmp.makeFolder("home/fav/a");
        b = tmp.makeFolder("home/fav/b");
        c = tmp.makeFolder("home/fav/c");
        for (const char* folder : {"a", "b", "c"}) {
            tmp.writeFile(QStringLiteral("home/fav/%1/notes.txt").arg(folder), "x");
            tmp.writeFile(QStringLiteral("home/fav/%1/image.png").arg(folder), "x");
        }
        writeFavoFile("Enter below: header\r\nA*" + a.toUtf8() + "\r\nB*" + b.toUtf8() + "**txt\r\nC*" +
                      c.toUtf8());
    }

    void onDialog(std::function<void(RenameDirForm&)> script)
    {
        host.onModal("RenameDirForm", [script](Form& f) { script(static_cast<RenameDirForm&>(f)); });
    }

    FavoritesEntry entry(int16_t i) const
    {
        return {form.FavoDirList.List(i), form.FavoDirPath.List(i), form.FavoFileFilter.List(i)};
    }
};

} // namespace

TEST(RenameDirForm, FullEditWaitsForAChangeThenReplacesTheEntryInPlace)
{
    Rename app;
    app.start();
    app.form.FavoDirList.setListIndex(1);
    app.onDialog([&](RenameDirForm& d) {
        EXPECT_EQ(d.Caption(), "Edit Favorite");
        EXPECT_EQ(d.Width(), 5400 + 90);
        EXPECT_EQ(d.Height(), 3315 + 375);
        EXPECT_EQ(d.FavoIndex, 1);
        EXPECT_EQ(d.Label_FavoName.Caption(), "B");
        EXPECT_EQ(d.Label_FavoPath.Caption(), app.b);
        EXPECT_EQ(d.Label_FileFilter.Caption(), "txt");
        EXPECT_EQ(d.Text_NewFavoName.Text(), "B");
        EXPECT_EQ(d.Text_NewFavoPath.Text(), app.b);
        EXPECT_EQ(d.Text_NewFileFilter.Text(), "txt");
        EXPECT_FALSE(d.Command_Save.Enabled());
        EXPECT_EQ(d.ActiveControl(), &d.Text_NewFavoName);
        d.Text_NewFavoName.setText("Bee");
        EXPECT_TRUE(d.Command_Save.Enabled());
        d.Text_NewFavoPath.setText(app.c);
        d.Text_NewFileFilter.setText("png");
        d.Command_Save_Click();
    });
    app.form.Menu_RenameFolder_Click();

    EXPECT_EQ(app.form.FavoDirList.Items(), QStringList({"A", "Bee", "C"}));
    EXPECT_EQ(app.entry(1), (FavoritesEntry{"Bee", app.c, "png"}));
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 1);
    EXPECT_EQ(app.form.DirList.Path(), app.c);
    EXPECT_EQ(app.form.FileFind.Text(), "png");
    EXPECT_TRUE(app.module.FavoListChanged);
    EXPECT_TRUE(app.form.Menu_UndoChanges.Enabled());
    EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
}

TEST(RenameDirForm, EntryIsSelectedAgainOnlyAfterTheDialogHasClosed)
{
    for (int16_t index : {int16_t(0), int16_t(2)}) {
        SCOPED_TRACE(index);
        Rename app;
        app.start();
        app.form.FavoDirList.setListIndex(index);
        std::vector<bool> dialogLoadedAtClick;
        app.form.FavoDirList.Click = [&] {
            dialogLoadedAtClick.push_back(app.module.renameDirForm().IsLoaded());
            app.form.FavoDirList_Click();
        };
        app.onDialog([](RenameDirForm& d) {
            d.Text_NewFavoName.setText("Renamed");
            d.Command_Save_Click();
        });
        app.form.Menu_RenameFolder_Click();
        EXPECT_EQ(dialogLoadedAtClick, std::vector<bool>{false});
        EXPECT_EQ(app.form.FavoDirList.List(index), "Renamed");
        EXPECT_EQ(app.form.FavoDirList.ListIndex(), index);
        EXPECT_EQ(app.form.FavoDirList.ListCount(), 3);
    }
}

TEST(RenameDirForm, MissingFolderAfterSaveOffersTheDialogAgainWithTheNewValues)
{
    Rename app;
    app.start();
    const QString missing = app.tmp.path("home/fav/gone");
    app.onDialog([&](RenameDirForm& d) {
        d.Text_NewFavoPath.setText(missing);
        d.Command_Save_Click();
    });
    app.host.answer("No"); // "No" edits the favorite whose folder cannot be opened
    app.onDialog([&](RenameDirForm& d) {
        EXPECT_EQ(d.FavoIndex, 0);
        EXPECT_EQ(d.Label_FavoPath.Caption(), missing);
        d.Text_NewFavoPath.setText(app.c);
        d.Command_Save_Click();
    });
    app.form.Menu_RenameFolder_Click();

    EXPECT_TRUE(app.host.scriptsDone());
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_EQ(app.host.messages[0].title, "Path Error");
    EXPECT_EQ(app.entry(0), (FavoritesEntry{"A", app.c, ""}));
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 0);
    EXPECT_EQ(app.form.DirList.Path(), app.c);
}

TEST(RenameDirForm, FilterOnlyEditStoresTheMainFilterAndTheNextOpeningStartsAfresh)
{
    Rename app;
    app.start();
    app.form.FileFind.setText("png");
    app.onDialog([&](RenameDirForm& d) {
        EXPECT_EQ(d.Caption(), "Edit Filter");
        for (TextBox* box : {&d.Text_NewFavoName, &d.Text_NewFavoPath}) {
            EXPECT_FALSE(box->Enabled()) << box->Name().toStdString();
            EXPECT_TRUE(box->FontItalic()) << box->Name().toStdString();
        }
        EXPECT_TRUE(d.Text_NewFileFilter.Enabled());
        EXPECT_EQ(d.Label_FileFilter.Caption(), "");
        EXPECT_EQ(d.Text_NewFileFilter.Text(), "png");
        EXPECT_TRUE(d.Command_Save.Enabled());
        EXPECT_EQ(d.ActiveControl(), &d.Text_NewFileFilter);
        d.Text_NewFileFilter.RaiseKeyPress(13);
    });
    app.form.FileFind_MouseDown(2, 0, 0, 0);
    EXPECT_FALSE(app.module.EditFilterOnly);
    EXPECT_EQ(app.entry(0), (FavoritesEntry{"A", app.a, "png"}));
    EXPECT_TRUE(app.module.FavoListChanged);

    app.onDialog([](RenameDirForm& d) {
        EXPECT_EQ(d.Caption(), "Edit Favorite");
        for (TextBox* box : {&d.Text_NewFavoName, &d.Text_NewFavoPath, &d.Text_NewFileFilter}) {
            EXPECT_TRUE(box->Enabled()) << box->Name().toStdString();
            EXPECT_FALSE(box->FontItalic()) << box->Name().toStdString();
        }
        EXPECT_EQ(d.Text_NewFileFilter.Text(), "png");
        EXPECT_FALSE(d.Command_Save.Enabled());
        d.Command_Cancel_Click();
    });
    app.form.Menu_RenameFolder_Click();
}

TEST(RenameDirForm, WithNoFavoriteSelectedTheDialogNeverShows)
{
    Rename app;
    app.start();
    app.form.DirList.setPath(app.c); // a folder change by hand clears the selection
    ASSERT_EQ(app.form.FavoDirList.ListIndex(), -1);
    for (bool filterOnly : {false, true}) {
        app.module.EditFilterOnly = filterOnly;
        app.module.renameDirForm().ShowModal();
        EXPECT_FALSE(app.module.renameDirForm().IsLoaded());
    }
    app.module.EditFilterOnly = false;
    EXPECT_EQ(app.form.FavoDirList.ListCount(), 3);
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), -1);
    EXPECT_FALSE(app.module.FavoListChanged);
}

TEST(RenameDirForm, EnterNeverStoresWhatSaveRefusesAndEscChangesNothing)
{
    Rename app;
    app.start();
    app.onDialog([](RenameDirForm& d) {
        d.Text_NewFavoName.RaiseKeyPress(13); // nothing changed yet
        EXPECT_TRUE(d.IsLoaded());
        d.Text_NewFavoPath.RaiseDblClick();
        EXPECT_EQ(d.Text_NewFavoPath.Text(), "");
        EXPECT_FALSE(d.Command_Save.Enabled());
        d.Text_NewFavoPath.RaiseKeyPress(13);
        EXPECT_TRUE(d.IsLoaded());
        d.Text_NewFavoPath.setText("/x");
        d.Text_NewFavoName.RaiseDblClick();
        EXPECT_FALSE(d.Command_Save.Enabled());
        d.Text_NewFileFilter.RaiseKeyPress(13);
        EXPECT_TRUE(d.IsLoaded());
        d.Text_NewFavoName.setText("n");
        d.Text_NewFileFilter.RaiseDblClick();
        EXPECT_TRUE(d.Command_Save.Enabled()); // an empty filter is fine
        d.Text_NewFileFilter.RaiseKeyPress(27);
        EXPECT_FALSE(d.IsLoaded());
    });
    app.form.Menu_RenameFolder_Click();
    EXPECT_EQ(app.entry(0), (FavoritesEntry{"A", app.a, ""}));
    EXPECT_FALSE(app.module.FavoListChanged);
    EXPECT_FALSE(app.form.Menu_UndoChanges.Enabled());
}

TEST(RenameDirForm, EntriesThatWouldNotReadBackAreRefusedOthersSurviveSaveAndLoad)
{
    struct Row
    {
        const char* what;
        QString name;
        QString path;
        QString filter;
        bool storable;
    };
    // Paths below home/fav; the storable ones are made real so the main window can open them.
    const Row rows[] = {
        {"star in name", "B*", "b", {}, false},
        {"double star inside the path", "B", "b**c", {}, false},
        {"path ending in a star, with filter", "B", "b*", "txt", false},
        {"double star inside the filter", "B", "b", "x**y", false},
        {"line break in path", "B", "b\r/c", {}, false},
        {"filter starting with a star", "B", "b", "*.txt", true},
        {"star inside the path", "B", "b*c", "txt", true},
        {"separator", "-", "-", {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Rename app;
        app.start();
        app.form.FavoDirList.setListIndex(1);
        QString path = row.path;
        if (path != "-")
            path = row.storable ? app.tmp.makeFolder("home/fav/" + path) : app.tmp.path("home/fav/" + path);
        app.onDialog([&](RenameDirForm& d) {
            d.Text_NewFavoName.setText(row.name);
            d.Text_NewFavoPath.setText(path);
            d.Text_NewFileFilter.setText(row.filter);
            d.Command_Save_Click();
            EXPECT_EQ(d.IsLoaded(), !row.storable);
            if (d.IsLoaded())
                d.Command_Cancel_Click();
        });
        if (!row.storable)
            app.host.answer("OK");
        app.form.Menu_RenameFolder_Click();

        if (!row.storable) {
            ASSERT_EQ(app.host.messages.size(), 1u);
            EXPECT_EQ(app.host.messages[0].title, "Invalid Favorite");
            EXPECT_EQ(app.entry(1), (FavoritesEntry{"B", app.b, "txt"}));
            EXPECT_FALSE(app.module.FavoListChanged);
            continue;
        }
        EXPECT_TRUE(app.host.messages.empty());
        const FavoritesEntry edited{row.name, path, row.filter};
        EXPECT_EQ(app.entry(1), edited);
        app.form.SaveFavoFile();
        app.form.LoadFavoFile();
        ASSERT_EQ(app.form.FavoDirList.ListCount(), 3);
        EXPECT_EQ(app.entry(1), edited);
    }
}

TEST(RenameDirForm, SwedishCaptionsInBothModes)
{
    Rename app;
    app.start();
    app.module.SwedishLanguage = true;
    app.onDialog([](RenameDirForm& d) {
        EXPECT_EQ(d.Caption(), "Redigera Favorit");
        EXPECT_EQ(d.Label1.Caption(), "Nuvarande Favoritnamn: ");
        EXPECT_EQ(d.Label2.Caption(), "Nytt Favoritnamn: ");
        EXPECT_EQ(d.Label3.Caption(), "Nuvarande Favoritsökväg: ");
        EXPECT_EQ(d.Label4.Caption(), "Ny Favoritsökväg: ");
        EXPECT_EQ(d.Label5.Caption(), "Nuvarande Filfilter: ");
        EXPECT_EQ(d.Label6.Caption(), "Nytt Filfilter: ");
        EXPECT_EQ(d.Command_Save.Caption(), "&OK");
        EXPECT_EQ(d.Command_Cancel.Caption(), "&Avbryt");
        d.Command_Cancel_Click();
    });
    app.form.Menu_RenameFolder_Click();
    app.onDialog([](RenameDirForm& d) {
        EXPECT_EQ(d.Caption(), "Redigera Filter");
        d.Command_Cancel_Click();
    });
    app.form.FileFind_MouseDown(2, 0, 0, 0);

    app.module.SwedishLanguage = false;
    app.onDialog([](RenameDirForm& d) {
        EXPECT_EQ(d.Caption(), "Edit Favorite");
        EXPECT_EQ(d.Label1.Caption(), "Current Favorite  Name: ");
        EXPECT_EQ(d.Label3.Caption(), "Current Favorite  Path: ");
        EXPECT_EQ(d.Command_Cancel.Caption(), "&Cancel");
        d.Command_Cancel_Click();
    });
    app.form.Menu_RenameFolder_Click();
}

// The edit-favorite dialog: full edit and filter-only edit, the entry replaced in place and
// selected again once the dialog has closed, and what it refuses.

#include "appfixture.h"
#include "core/dialogs/renamedirform.h"

#include <gtest/gtest.h>

namespace {

// Three favorites: A (folder a), B (folder b, filter "txt"), C (folder c).
struct Rename : AppFixture
{
    QString a = tmp.makeFolder("home/fav/a"), b = tmp.makeFolder("home/fav/b"),
            c = tmp.makeFolder("home/fav/c");

    Rename()
    {
        writeFavoFile("Enter below: header\r\nA*" + a.toUtf8() + "\r\nB*" + b.toUtf8() + "**txt\r\nC*" +
                      c.toUtf8());
        start();
    }
    void onDialog(std::function<void(RenameDirForm&)> script)
    {
        AppFixture::onDialog("RenameDirForm", std::move(script));
    }
};

} // namespace

TEST(RenameDirForm, FullEditWaitsForAChangeThenReplacesTheEntryInPlaceOnceClosed)
{
    for (int16_t index : {int16_t(1), int16_t(2)}) {
        SCOPED_TRACE(index);
        Rename app;
        app.form.FavoDirList.setListIndex(index);
        std::vector<bool> dialogLoadedAtClick;
        app.form.FavoDirList.Click = [&] {
            dialogLoadedAtClick.push_back(app.module.renameDirForm().IsLoaded());
            app.form.FavoDirList_Click();
        };
        const FavoritesEntry before = app.entry(index);
        app.onDialog([&](RenameDirForm& d) {
            EXPECT_EQ(d.Caption(), "Edit Favorite");
            EXPECT_EQ(d.Label_FavoName.Caption(), before.name);
            EXPECT_EQ(d.Label_FavoPath.Caption(), before.path);
            EXPECT_EQ(d.Label_FileFilter.Caption(), before.filter);
            EXPECT_EQ(d.Text_NewFileFilter.Text(), before.filter);
            EXPECT_FALSE(d.Command_Save.Enabled());
            EXPECT_EQ(d.ActiveControl(), &d.Text_NewFavoName);
            d.Text_NewFavoName.setText("Bee");
            EXPECT_TRUE(d.Command_Save.Enabled());
            d.Text_NewFavoPath.setText(app.a);
            d.Text_NewFileFilter.setText("png");
            d.Command_Save_Click();
        });
        app.form.Menu_RenameFolder_Click();
        EXPECT_EQ(dialogLoadedAtClick, std::vector<bool>{false});
        EXPECT_EQ(app.form.FavoDirList.ListCount(), 3);
        EXPECT_EQ(app.entry(index), (FavoritesEntry{"Bee", app.a, "png"}));
        EXPECT_EQ(app.form.FavoDirList.ListIndex(), index);
        EXPECT_EQ(app.form.DirList.Path(), app.a);
        EXPECT_EQ(app.form.FileFind.Text(), "png");
        EXPECT_TRUE(app.module.FavoListChanged);
        EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
    }
}

TEST(RenameDirForm, MissingFolderAfterSaveOffersTheDialogAgainWithTheNewValues)
{
    Rename app;
    const QString missing = app.tmp.path("home/fav/gone");
    app.onDialog([&](RenameDirForm& d) {
        d.Text_NewFavoPath.setText(missing);
        d.Command_Save_Click();
    });
    app.host.answer("No"); // "No" edits the favorite whose folder cannot be opened
    app.onDialog([&](RenameDirForm& d) {
        EXPECT_EQ(d.Label_FavoPath.Caption(), missing);
        d.Text_NewFavoPath.setText(app.c);
        d.Command_Save_Click();
    });
    app.form.Menu_RenameFolder_Click();
    EXPECT_TRUE(app.host.scriptsDone());
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_EQ(app.host.messages[0].title, "Path Error");
    EXPECT_EQ(app.entry(0), (FavoritesEntry{"A", app.c, ""}));
    EXPECT_EQ(app.form.DirList.Path(), app.c);
}

TEST(RenameDirForm, FilterOnlyEditStoresTheMainFilterAndTheNextOpeningStartsAfresh)
{
    Rename app;
    app.form.FileFind.setText("png");
    app.onDialog([&](RenameDirForm& d) {
        EXPECT_EQ(d.Caption(), "Edit Filter");
        for (TextBox* box : {&d.Text_NewFavoName, &d.Text_NewFavoPath}) {
            EXPECT_FALSE(box->Enabled()) << box->Name().toStdString();
            EXPECT_TRUE(box->FontItalic()) << box->Name().toStdString();
        }
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
        for (TextBox* box : {&d.Text_NewFavoName, &d.Text_NewFavoPath}) {
            EXPECT_TRUE(box->Enabled()) << box->Name().toStdString();
            EXPECT_FALSE(box->FontItalic()) << box->Name().toStdString();
        }
        EXPECT_FALSE(d.Command_Save.Enabled());
        d.Command_Cancel_Click();
    });
    app.form.Menu_RenameFolder_Click();
}

TEST(RenameDirForm, WithNoFavoriteSelectedTheDialogNeverShows)
{
    Rename app;
    app.form.DirList.setPath(app.c); // a folder change by hand clears the selection
    ASSERT_EQ(app.form.FavoDirList.ListIndex(), -1);
    for (bool filterOnly : {false, true}) {
        app.module.EditFilterOnly = filterOnly;
        app.module.renameDirForm().ShowModal();
        EXPECT_FALSE(app.module.renameDirForm().IsLoaded());
    }
    EXPECT_FALSE(app.module.FavoListChanged);
}

TEST(RenameDirForm, EnterNeverStoresWhatSaveRefusesAndEscChangesNothing)
{
    Rename app;
    app.onDialog([](RenameDirForm& d) {
        d.Text_NewFavoPath.RaiseDblClick();
        EXPECT_EQ(d.Text_NewFavoPath.Text(), "");
        d.Text_NewFavoPath.RaiseKeyPress(13);
        EXPECT_TRUE(d.IsLoaded());
        d.Text_NewFavoPath.setText("/x");
        d.Text_NewFavoName.RaiseDblClick();
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
}

TEST(RenameDirForm, EnterWithTheValuesUnchangedRewritesThemAndMarksTheListChanged)
{
    for (const char* box : {"name", "path", "filter"}) {
        SCOPED_TRACE(box);
        Rename app;
        app.form.FavoDirList.setListIndex(1);
        app.onDialog([box](RenameDirForm& d) {
            EXPECT_FALSE(d.Command_Save.Enabled());
            TextBox& target = box == std::string("name")   ? d.Text_NewFavoName
                              : box == std::string("path") ? d.Text_NewFavoPath
                                                           : d.Text_NewFileFilter;
            target.RaiseKeyPress(13);
            EXPECT_FALSE(d.IsLoaded());
        });
        app.form.Menu_RenameFolder_Click();
        EXPECT_EQ(app.entry(1), (FavoritesEntry{"B", app.b, "txt"}));
        EXPECT_EQ(app.form.FavoDirList.ListCount(), 3);
        EXPECT_TRUE(app.module.FavoListChanged);
        EXPECT_TRUE(app.form.Menu_UndoChanges.Enabled());
        EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
    }
}

TEST(RenameDirForm, EntriesThatWouldNotReadBackAreRefusedOthersSurviveSaveAndLoad)
{
    struct Row
    {
        const char* what;
        QString name, path, filter; // path below home/fav
        bool storable;
    };
    const Row rows[] = {
        {"star in name", "B*", "b", {}, false},
        {"double star inside the path: written with an empty filter", "B", "b**c", {}, true},
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
        app.form.FavoDirList.setListIndex(1);
        QString path = row.path;
        if (path != "-") // the storable ones are made real so the main window can open them
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
        app.form.Menu_SaveFavoFile_Click();
        app.reload();
        EXPECT_EQ(app.entry(1), edited);
    }
}

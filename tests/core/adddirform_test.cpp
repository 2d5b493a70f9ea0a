// The add-folder dialog: which folder it takes, the proposed name and filter, the filter
// question, and what Save appends to the favorites.

#include "appfixture.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/adddirformtexts.h"
#include "core/dialogs/storablefavorite.h"

#include <gtest/gtest.h>

namespace {

// Two favorites: A (folder a with a subfolder Projects) and B (folder b, filter "txt").
struct AddDir : AppFixture
{
    QString a = tmp.makeFolder("home/fav/a"), b = tmp.makeFolder("home/fav/b");
    QString projects = tmp.makeFolder("home/fav/a/Projects");

    AddDir()
    {
        tmp.writeFile("home/fav/b/notes.txt", "x");
        writeFavoFile("Enter below: header\r\nA*" + a.toUtf8() + "\r\nB*" + b.toUtf8() + "**txt");
        start();
    }
    void onDialog(std::function<void(AddDirForm&)> script)
    {
        AppFixture::onDialog("AddDirForm", std::move(script));
    }
};

} // namespace

TEST(AddDirForm, ProposedNameIsTheLastComponentOfTheFolder)
{
    const std::pair<QString, QString> rows[] = {{"/home/user/Projects/", "Projects"},
                                                {"/", "/"},
                                                {"Projects", "Projects"},
                                                {"/home/my docs", "my docs"}};
    for (const auto& [folder, proposal] : rows)
        EXPECT_EQ(AddDirForm::ProposedName(folder), proposal) << folder.toStdString();
}

TEST(AddDirForm, OpenFolderIsAppendedSelectedAndMarkedChanged)
{
    for (const bool root : {false, true}) {
        AddDir app;
        const QString folder = root ? QStringLiteral("/") : app.projects;
        app.form.DirList.setPath(folder);
        app.onDialog([&](AddDirForm& d) {
            EXPECT_EQ(d.Label_Path.Caption(), folder);
            EXPECT_EQ(d.Text_FavoName.Text(), root ? "/" : "Projects");
            EXPECT_EQ(d.Text_FileFilter.Text(), "");
            EXPECT_EQ(d.ActiveControl(), &d.Text_FavoName);
            d.Command_Save_Click();
        });
        app.form.Menu_AddDir_Click();
        ASSERT_EQ(app.form.FavoDirList.ListCount(), 3);
        EXPECT_EQ(app.entry(2), (FavoritesEntry{root ? "/" : "Projects", folder, ""}));
        EXPECT_EQ(app.form.FavoDirList.ListIndex(), 2);
        EXPECT_EQ(app.form.DirList.Path(), folder);
        EXPECT_TRUE(app.module.FavoListChanged);
        EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
        EXPECT_TRUE(app.host.messages.empty());
    }
}

TEST(AddDirForm, HighlightedFolderClearsTheMainFilterAtOnceEvenWhenCancelled)
{
    AddDir app;
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
    }
}

TEST(AddDirForm, FilterQuestionDecidesTheStoredFilterAndTheMainFilter)
{
    for (const auto& [answer, stored] : {std::pair{"Yes", "txt"}, std::pair{"No", ""}}) {
        SCOPED_TRACE(answer);
        AddDir app;
        app.form.FavoDirList.setListIndex(1);
        app.onDialog([](AddDirForm& d) {
            EXPECT_EQ(d.Text_FileFilter.Text(), "txt");
            d.Command_Save_Click();
        });
        app.host.answer(answer);
        app.form.Menu_AddDir_Click();
        ASSERT_EQ(app.host.messages.size(), 1u);
        EXPECT_EQ(app.host.messages[0].prompt, AddDirFormText::KeepFilterPrompt.english);
        EXPECT_EQ(app.host.messages[0].style, MsgStyle::YesNo);
        EXPECT_EQ(app.entry(2), (FavoritesEntry{"b", app.b, stored}));
        EXPECT_EQ(app.form.FileFind.Text(), stored);
    }
}

TEST(AddDirForm, EnterWithAnEmptyNameStoresNothingAndEscClosesWithoutChange)
{
    AddDir app;
    app.onDialog([](AddDirForm& d) {
        d.Text_FavoName.RaiseDblClick();
        EXPECT_EQ(d.Text_FavoName.Text(), "");
        EXPECT_FALSE(d.Command_Save.Enabled());
        d.Text_FavoName.RaiseKeyPress(13);
        EXPECT_TRUE(d.IsLoaded());
        d.Text_FavoName.setText("n");
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
        d.Text_FavoName.RaiseKeyPress(13);
    });
    app.form.Menu_AddDir_Click();
    EXPECT_EQ(app.entry(2), (FavoritesEntry{"a", app.a, ""}));
}

TEST(AddDirForm, EntriesThatWouldNotReadBackAreRefusedInBothLanguagesOthersSurviveSaveAndLoad)
{
    struct Row
    {
        const char* what;
        QString name, folder, filter; // folder below home/fav; empty: the open folder a
        bool storable;
    };
    const Row rows[] = {
        {"star in name", "a*b", {}, {}, false},
        {"line break in name", "a\nb", {}, {}, false},
        {"tab in name", "a\tb", {}, {}, false},
        {"tab in filter", "n", {}, "*.c\t*.h", false},
        {"double star inside the filter", "n", {}, "x**y", false},
        {"double star in the folder: written with an empty filter", "n", "p**q", {}, true},
        {"folder ending in a star, with filter", "n", "p*", "txt", false},
        {"filter starting with a star", "n", {}, "*.txt", true},
        {"filter starting with two stars", "n", {}, "**x", true},
        {"star inside the folder", "n", "p*q", "txt", true},
    };
    for (const bool swedish : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << row.what << (swedish ? " (Swedish)" : ""));
            AddDir app;
            app.module.SwedishLanguage = swedish;
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
            if (!row.storable || !row.filter.isEmpty())
                app.host.answer(!row.storable ? "OK" : swedish ? "Ja" : "Yes");
            app.form.Menu_AddDir_Click();
            EXPECT_TRUE(app.host.scriptsDone());

            if (!row.storable) {
                ASSERT_EQ(app.host.messages.size(), 1u);
                EXPECT_EQ(app.host.messages[0].title, StorableFavoriteText::Title.text(swedish));
                EXPECT_EQ(app.host.messages[0].prompt, StorableFavoriteText::Prompt.text(swedish));
                EXPECT_EQ(app.form.FavoDirList.ListCount(), 2);
                EXPECT_FALSE(app.module.FavoListChanged);
                continue;
            }
            if (!row.filter.isEmpty()) {
                EXPECT_EQ(app.host.messages[0].prompt, AddDirFormText::KeepFilterPrompt.text(swedish));
            }
            const FavoritesEntry added{row.name, folder, row.filter};
            EXPECT_EQ(app.entry(2), added);
            app.form.Menu_SaveFavoFile_Click();
            app.reload();
            ASSERT_EQ(app.form.FavoDirList.ListCount(), 3);
            EXPECT_EQ(app.entry(2), added);
        }
    }
}

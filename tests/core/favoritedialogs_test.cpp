// The dialogs that add a favorite, edit one, or take a file's name as the filter: what each
// proposes, what Save and Enter store, what they refuse, and when they do not open at all.

#include "appfixture.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/adddirformtexts.h"
#include "core/dialogs/addfilterform.h"
#include "core/dialogs/renamedirform.h"
#include "core/dialogs/storablefavorite.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Three favorites: A (folder a: the subfolder Projects and three files), B (folder b, filter "txt"),
// C (folder c).
struct Dialogs : AppFixture
{
    QString a = tmp.makeFolder("home/fav/a"), b = tmp.makeFolder("home/fav/b"),
            c = tmp.makeFolder("home/fav/c"), projects = tmp.makeFolder("home/fav/a/Projects");

    Dialogs()
    {
        for (const char* file : {"a/report.txt", "a/notes.txt", "a/image.png", "b/notes.txt"})
            tmp.writeFile(QStringLiteral("home/fav/") + file, "x");
        writeFavoFile("Enter below: header\r\nA*" + a.toUtf8() + "\r\nB*" + b.toUtf8() + "**txt\r\nC*" +
                      c.toUtf8());
        start();
    }
    std::vector<FavoritesEntry> entries() const
    {
        std::vector<FavoritesEntry> all;
        for (int16_t i = 0; i < form.FavoDirList.ListCount(); ++i)
            all.push_back(entry(i));
        return all;
    }
    void rightClickFile() { form.FileList_MouseDown(2, 0, 0, 0); }
    void onAddDir(std::function<void(AddDirForm&)> s) { onDialog("AddDirForm", std::move(s)); }
    void onRename(std::function<void(RenameDirForm&)> s) { onDialog("RenameDirForm", std::move(s)); }
    void onAddFilter(std::function<void(AddFilterForm&)> s) { onDialog("AddFilterForm", std::move(s)); }
};

template <class C> C& control(const Form& form, const QString& name)
{
    for (Control* each : form.Controls())
        if (auto* found = dynamic_cast<C*>(each); found && each->Name() == name)
            return *found;
    throw std::invalid_argument("no control " + name.toStdString());
}

TextBox& box(const Form& form, const QString& name)
{
    return control<TextBox>(form, name);
}

} // namespace

TEST(AddDirForm, ProposedNameIsTheLastComponentOfTheFolder)
{
    // clang-format off
    const std::pair<QString, QString> rows[] = {
        {"/home/user/Projects/", "Projects"}, {"/", "/"}, {"Projects", "Projects"}, {"/home/my docs", "my docs"}};
    // clang-format on
    for (const auto& [folder, proposal] : rows)
        EXPECT_EQ(AddDirForm::ProposedName(folder), proposal) << folder.toStdString();
}

// The add dialog takes the highlighted folder, else the open one, and a selected favorite's filter;
// a highlighted folder clears the main filter at once, even when the dialog is cancelled.
TEST(AddDirForm, ProposesTheFolderAtHandAndSaveAppendsItSelectedAndMarkedChanged)
{
    // clang-format off
    struct Row { const char* what; std::function<QString(Dialogs&)> pick; const char* name, *filter; bool save; const char* answer, *filterAfter; };
    const Row rows[] = {
        {"open folder", [](Dialogs& app) { app.form.DirList.setPath(app.projects); return app.projects; }, "Projects", "", true, nullptr, ""},
        {"root", [](Dialogs& app) { app.form.DirList.setPath("/"); return QString("/"); }, "/", "", true, nullptr, ""},
        {"highlighted subfolder, cancelled", [](Dialogs& app) { app.form.FileFind.setText("txt"); app.form.DirList.setListIndex(0); return app.projects; }, "Projects", "", false, nullptr, ""},
        {"highlighted parent, cancelled", [](Dialogs& app) { app.form.FileFind.setText("txt"); app.form.DirList.setListIndex(-2); return app.tmp.path("home/fav"); }, "fav", "", false, nullptr, ""},
        {"favorite's filter kept", [](Dialogs& app) { app.form.FavoDirList.setListIndex(1); return app.b; }, "b", "txt", true, "Yes", "txt"},
        {"favorite's filter dropped", [](Dialogs& app) { app.form.FavoDirList.setListIndex(1); return app.b; }, "b", "txt", true, "No", ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Dialogs app;
        const QString openBefore = app.form.DirList.Path();
        const QString folder = row.pick(app);
        app.onAddDir([&](AddDirForm& d) {
            EXPECT_EQ(d.Label_Path.Caption(), folder);
            EXPECT_EQ(d.Text_FavoName.Text(), row.name);
            EXPECT_EQ(d.Text_FileFilter.Text(), row.filter);
            EXPECT_EQ(app.form.FileFind.Text(), row.filter);
            EXPECT_EQ(d.ActiveControl(), &d.Text_FavoName);
            row.save ? d.Command_Save_Click() : d.Command_Cancel_Click();
        });
        if (row.answer)
            app.host.answer(row.answer);
        app.form.Menu_AddDir_Click();
        EXPECT_TRUE(app.host.scriptsDone());
        ASSERT_EQ(app.host.messages.size(), row.answer ? 1u : 0u);
        if (row.answer) {
            EXPECT_EQ(app.host.messages[0].prompt, AddDirFormText::KeepFilterPrompt.english);
            EXPECT_EQ(app.host.messages[0].style, MsgStyle::YesNo);
        }
        EXPECT_EQ(app.form.FileFind.Text(), row.filterAfter);
        EXPECT_EQ(app.module.FavoListChanged, row.save);
        EXPECT_EQ(app.form.Menu_SaveFavoFile.Enabled(), row.save);
        if (!row.save) {
            EXPECT_EQ(app.form.FavoDirList.ListCount(), 3);
            EXPECT_EQ(app.form.DirList.Path(), openBefore);
            continue;
        }
        ASSERT_EQ(app.form.FavoDirList.ListCount(), 4);
        EXPECT_EQ(app.entry(3), (FavoritesEntry{row.name, folder, row.filterAfter}));
        EXPECT_EQ(app.form.FavoDirList.ListIndex(), 3);
        EXPECT_EQ(app.form.DirList.Path(), folder);
    }
}

TEST(RenameDirForm, FullEditWaitsForAChangeThenReplacesTheEntryInPlaceOnceClosed)
{
    for (int16_t index : {int16_t(1), int16_t(2)}) {
        SCOPED_TRACE(index);
        Dialogs app;
        app.form.FavoDirList.setListIndex(index);
        std::vector<bool> dialogLoadedAtClick;
        app.form.FavoDirList.Click = [&] {
            dialogLoadedAtClick.push_back(app.module.renameDirForm().IsLoaded());
            app.form.FavoDirList_Click();
        };
        const FavoritesEntry before = app.entry(index);
        app.onRename([&](RenameDirForm& d) {
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
    Dialogs app;
    const QString missing = app.tmp.path("home/fav/gone");
    app.onRename([&](RenameDirForm& d) {
        d.Text_NewFavoPath.setText(missing);
        d.Command_Save_Click();
    });
    app.host.answer("No"); // "No" edits the favorite whose folder cannot be opened
    app.onRename([&](RenameDirForm& d) {
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
    Dialogs app;
    app.form.FileFind.setText("png");
    for (const bool filterOnly : {true, false}) {
        app.onRename([&](RenameDirForm& d) {
            EXPECT_EQ(d.Caption(), filterOnly ? "Edit Filter" : "Edit Favorite");
            for (TextBox* box : {&d.Text_NewFavoName, &d.Text_NewFavoPath}) {
                EXPECT_EQ(box->Enabled(), !filterOnly) << box->Name().toStdString();
                EXPECT_EQ(box->FontItalic(), filterOnly) << box->Name().toStdString();
            }
            EXPECT_EQ(d.Command_Save.Enabled(), filterOnly);
            if (!filterOnly)
                return d.Command_Cancel_Click();
            EXPECT_EQ(d.Label_FileFilter.Caption(), "");
            EXPECT_EQ(d.Text_NewFileFilter.Text(), "png");
            EXPECT_EQ(d.ActiveControl(), &d.Text_NewFileFilter);
            d.Text_NewFileFilter.RaiseKeyPress(13);
        });
        if (filterOnly)
            app.form.FileFind_MouseDown(2, 0, 0, 0);
        else
            app.form.Menu_RenameFolder_Click();
        EXPECT_FALSE(app.module.EditFilterOnly);
        EXPECT_EQ(app.entry(0), (FavoritesEntry{"A", app.a, "png"}));
        EXPECT_TRUE(app.module.FavoListChanged);
    }
}

TEST(AddFilterForm, FileNameBecomesTheFilterAndAnActiveFilterWarnsFirst)
{
    // clang-format off
    struct Row { const char* filterBefore; const char* answer; const char* filterAfter; };
    const Row rows[] = {{"", nullptr, "report.txt"}, {"txt", "Cancel", "txt"}, {"txt", "OK", "report.txt"}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer ? row.answer : "no filter");
        Dialogs app;
        app.form.FileFind.setText(row.filterBefore);
        ASSERT_TRUE(app.selectFile("report.txt"));
        const bool opens = !row.answer || row.answer == std::string("OK");
        app.onAddFilter([&](AddFilterForm& d) {
            EXPECT_EQ(d.IsLoaded(), opens); // Cancel in the warning closes the dialog
            if (!opens)
                return;
            d.Activate(); // the window becomes active again once the warning has closed
            EXPECT_EQ(d.Label_FileName.Caption(), "report.txt");
            EXPECT_EQ(d.Text_NewFilterName.Text(), "report.txt");
            EXPECT_TRUE(d.Command_Save.Enabled());
            EXPECT_EQ(d.ActiveControl(), &d.Text_NewFilterName);
            d.Command_Save.RaiseClick();
        });
        if (row.answer)
            app.host.answer(row.answer);
        app.rightClickFile();
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_EQ(app.form.FileFind.Text(), row.filterAfter);
        EXPECT_FALSE(app.module.FavoListChanged);
        if (!row.answer) {
            EXPECT_TRUE(app.host.messages.empty());
            EXPECT_EQ(app.files(), QStringList({"report.txt"}));
            continue;
        }
        ASSERT_EQ(app.host.messages.size(), 1u);
        EXPECT_EQ(app.host.messages[0].title, "Add Filter Warning");
        EXPECT_EQ(app.host.messages[0].prompt, "There is already an active Filter !");
        EXPECT_EQ(app.host.messages[0].style, 1);
    }
}

TEST(AddFilterForm, CopyPathJoinsFolderAndNameWithOneSlashAndLeavesTheFilter)
{
    Dialogs app;
    app.host.clipboard = "old";
    ASSERT_TRUE(app.selectFile("notes.txt"));
    app.onAddFilter([](AddFilterForm& d) {
        d.Text_NewFilterName.setText("edited");
        d.Command_CopyPath.RaiseClick();
    });
    app.rightClickFile();
    EXPECT_EQ(app.host.clipboard, app.a + "/notes.txt");
    EXPECT_EQ(app.form.FileFind.Text(), "");

    // At the root the folder already ends in its slash.
    app.form.DirList.setPath("/");
    QString rootFile;
    for (int i = 0; i < app.form.FileList.ListCount() && rootFile.isEmpty(); ++i)
        rootFile = app.form.FileList.List(i);
    if (rootFile.isEmpty())
        GTEST_SKIP() << "no visible file in /";
    ASSERT_TRUE(app.selectFile(rootFile));
    app.onAddFilter([](AddFilterForm& d) { d.Command_CopyPath_Click(); });
    app.rightClickFile();
    EXPECT_EQ(app.host.clipboard, "/" + rootFile);
}

TEST(FavoriteDialogs, WithoutASelectedFavoriteOrFileTheyNeverShow)
{
    Dialogs app;
    app.form.DirList.setPath(app.c); // a folder change by hand clears the selection; c holds no file
    ASSERT_EQ(app.form.FavoDirList.ListIndex(), -1);
    ASSERT_EQ(app.form.FileList.ListIndex(), -1);
    for (bool filterOnly : {false, true}) {
        app.module.EditFilterOnly = filterOnly;
        app.module.renameDirForm().ShowModal();
        EXPECT_FALSE(app.module.renameDirForm().IsLoaded());
    }
    app.module.addFilterForm().ShowModal();
    EXPECT_FALSE(app.module.addFilterForm().IsLoaded());
    EXPECT_TRUE(app.host.messages.empty());
    EXPECT_FALSE(app.module.FavoListChanged);
}

// An emptied required box disables Save, and Enter in any box then stores nothing; Esc closes
// without a change. The next opening starts afresh: Enter in `enterSaves` stores what is proposed,
// Enter in a `noSave` box never stores.
TEST(FavoriteDialogs, EnterNeverStoresWhatSaveRefusesEscChangesNothingTheNextOpeningStartsAfresh)
{
    const auto addDir = [](Dialogs& app) { app.form.Menu_AddDir_Click(); };
    const auto rename = [](Dialogs& app) { app.form.Menu_RenameFolder_Click(); };
    const auto addFilter = [](Dialogs& app) {
        app.selectFile("notes.txt");
        app.rightClickFile();
    };
    const auto rewritten = [](Dialogs& app) {
        EXPECT_TRUE(app.module.FavoListChanged);
        EXPECT_TRUE(app.form.Menu_UndoChanges.Enabled());
        EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
    };
    // clang-format off
    struct Row { const char* dialog; QStringList required, optional; const char* proposed; QString noSave, enterSaves; std::function<void(Dialogs&)> open, saved; };
    const Row rows[] = {
        {"AddDirForm", {"Text_FavoName"}, {"Text_FileFilter"}, "a", "Text_FileFilter", "Text_FavoName", addDir, [](Dialogs& app) { EXPECT_EQ(app.entry(3), (FavoritesEntry{"a", app.a, ""})); }},
        {"RenameDirForm", {"Text_NewFavoName", "Text_NewFavoPath"}, {"Text_NewFileFilter"}, "A", {}, "Text_NewFavoName", rename, rewritten},
        {"RenameDirForm", {"Text_NewFavoName", "Text_NewFavoPath"}, {"Text_NewFileFilter"}, "A", {}, "Text_NewFavoPath", rename, rewritten},
        {"RenameDirForm", {"Text_NewFavoName", "Text_NewFavoPath"}, {"Text_NewFileFilter"}, "A", {}, "Text_NewFileFilter", rename, rewritten},
        {"AddFilterForm", {"Text_NewFilterName"}, {}, "notes.txt", {}, "Text_NewFilterName", addFilter, [](Dialogs& app) { EXPECT_EQ(app.form.FileFind.Text(), "notes.txt"); }},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dialog + (" " + row.enterSaves.toStdString()));
        Dialogs app;
        const std::vector<FavoritesEntry> before = app.entries();
        app.host.onModal(row.dialog, [&](Form& d) {
            auto& save = control<CommandButton>(d, "Command_Save");
            for (const QString& required : row.required) {
                box(d, required).RaiseDblClick();
                EXPECT_EQ(box(d, required).Text(), "");
                EXPECT_FALSE(save.Enabled()) << required.toStdString();
                for (const QString& any : row.required + row.optional) {
                    box(d, any).RaiseKeyPress(13);
                    EXPECT_TRUE(d.IsLoaded())
                        << required.toStdString() << " empty, Enter in " << any.toStdString();
                }
                box(d, required).setText("n");
            }
            for (const QString& optional : row.optional) {
                box(d, optional).RaiseDblClick();
                EXPECT_TRUE(save.Enabled()) << optional.toStdString() << " empty";
            }
            box(d, row.required.last()).RaiseKeyPress(27);
            EXPECT_FALSE(d.IsLoaded());
        });
        row.open(app);
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_EQ(app.entries(), before);
        EXPECT_FALSE(app.module.FavoListChanged);
        EXPECT_EQ(app.form.FileFind.Text(), "");

        app.host.onModal(row.dialog, [&](Form& d) {
            EXPECT_EQ(box(d, row.required[0]).Text(), row.proposed);
            if (!row.noSave.isEmpty()) {
                box(d, row.noSave).RaiseKeyPress(13);
                EXPECT_TRUE(d.IsLoaded());
            }
            box(d, row.enterSaves).RaiseKeyPress(13);
            EXPECT_FALSE(d.IsLoaded());
        });
        row.open(app);
        EXPECT_TRUE(app.host.scriptsDone());
        row.saved(app);
        EXPECT_EQ(app.form.FavoDirList.ListCount(), std::string(row.dialog) == "AddDirForm" ? 4 : 3);
    }
}

// What the favorites file could not read back as it was entered is refused in both languages;
// the rest survives a save and a reload. The add dialog takes the open folder and the main filter.
TEST(FavoriteDialogs, EntriesThatWouldNotReadBackAreRefusedOthersSurviveSaveAndLoad)
{
    // clang-format off
    struct Row { const char* what; bool add; QString name, folder, filter; bool storable; }; // folder below home/fav; empty: a
    const Row rows[] = {
        {"star in name", true, "a*b", {}, {}, false},
        {"line break in name", true, "a\nb", {}, {}, false},
        {"tab in name", true, "a\tb", {}, {}, false},
        {"tab in filter", true, "n", {}, "*.c\t*.h", false},
        {"double star inside the filter", true, "n", {}, "x**y", false},
        {"double star in the folder: written with an empty filter", true, "n", "p**q", {}, true},
        {"folder ending in a star, with filter", true, "n", "p*", "txt", false},
        {"filter starting with a star", true, "n", {}, "*.txt", true},
        {"filter starting with two stars", true, "n", {}, "**x", true},
        {"star inside the folder", true, "n", "p*q", "txt", true},
        {"edit: star in name", false, "B*", "b", {}, false},
        {"edit: line break in path", false, "B", "b\r/c", {}, false},
        {"edit: star inside the path", false, "B", "b*c", "txt", true},
        {"edit: separator", false, "-", "-", {}, true},
    };
    // clang-format on
    for (const bool swedish : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << row.what << (swedish ? " (Swedish)" : ""));
            Dialogs app;
            app.module.SwedishLanguage = swedish;
            const QString folder = row.folder.isEmpty() ? app.a
                                   : row.folder == "-"  ? row.folder
                                                        : app.tmp.makeFolder("home/fav/" + row.folder);
            const int16_t index = row.add ? 3 : 1;
            if (row.add && !row.folder.isEmpty())
                app.form.DirList.setPath(folder);
            if (row.add) {
                app.form.FileFind.setText(row.filter);
            } else {
                app.form.FavoDirList.setListIndex(1);
            }
            const std::vector<FavoritesEntry> before = app.entries();
            app.host.onModal(row.add ? "AddDirForm" : "RenameDirForm", [&](Form& d) {
                box(d, row.add ? "Text_FavoName" : "Text_NewFavoName").setText(row.name);
                if (!row.add) {
                    box(d, "Text_NewFavoPath").setText(folder);
                    box(d, "Text_NewFileFilter").setText(row.filter);
                }
                control<CommandButton>(d, "Command_Save").RaiseClick();
                EXPECT_EQ(d.IsLoaded(), !row.storable);
                if (d.IsLoaded())
                    control<CommandButton>(d, "Command_Cancel").RaiseClick();
            });
            const bool keepFilterAsked = row.storable && row.add && !row.filter.isEmpty();
            if (!row.storable || keepFilterAsked)
                app.host.answer(!row.storable ? "OK" : swedish ? "Ja" : "Yes");
            row.add ? app.form.Menu_AddDir_Click() : app.form.Menu_RenameFolder_Click();
            EXPECT_TRUE(app.host.scriptsDone());

            if (!row.storable) {
                ASSERT_EQ(app.host.messages.size(), 1u);
                EXPECT_EQ(app.host.messages[0].title, StorableFavoriteText::Title.text(swedish));
                EXPECT_EQ(app.host.messages[0].prompt, StorableFavoriteText::Prompt.text(swedish));
                EXPECT_EQ(app.entries(), before);
                EXPECT_FALSE(app.module.FavoListChanged);
                continue;
            }
            ASSERT_EQ(app.host.messages.size(), keepFilterAsked ? 1u : 0u);
            if (keepFilterAsked) {
                EXPECT_EQ(app.host.messages[0].prompt, AddDirFormText::KeepFilterPrompt.text(swedish));
            }
            const FavoritesEntry stored{row.name, folder, row.filter};
            EXPECT_EQ(app.entry(index), stored);
            app.form.Menu_SaveFavoFile_Click();
            app.reload();
            ASSERT_EQ(app.form.FavoDirList.ListCount(), row.add ? 4 : 3);
            EXPECT_EQ(app.entry(index), stored);
        }
    }
}

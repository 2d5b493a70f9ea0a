// Favorites beyond the open file, through the main window's handlers: type-ahead in the list,
// finding a favorite in all five files, and importing and exporting the desktop's bookmarks.

#include "appfixture.h"
#include "core/dialogs/findfavoriteform.h"
#include "core/dialogs/importbookmarksform.h"
#include "core/formats/desktopbookmarks.h"
#include "core/formats/favoritesio.h"

#include <QDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct Travel : AppFixture
{
    QString work, music, docs;

    Travel()
    {
        work = tmp.makeFolder("home/Work");
        music = tmp.makeFolder("home/Music");
        docs = tmp.makeFolder("home/docs/Reports 2024");
        writeFavoFile("Enter below\r\nWork*" + work.toUtf8() + "\r\n-*-\r\nWiki*" + work.toUtf8() +
                      "\r\nmusic*" + music.toUtf8() + "**.mp3");
        writeFavoFile("Enter below\r\nYearly*" + docs.toUtf8() + "\r\nMixed*" + music.toUtf8(),
                      "FavoDirs3.dat");
        start();
    }
    void type(const char* text)
    {
        for (const char* c = text; *c; ++c) {
            int16_t key = static_cast<unsigned char>(*c);
            form.FavoDirList.RaiseKeyPress(key);
        }
    }
    /// Opens the find dialog, types `query` and answers with `pick` (a hit's text start) or Cancel.
    QStringList find(const QString& query, const QString& pick = {}, const QString& saveAnswer = {})
    {
        QStringList hits;
        onDialog<FindFavoriteForm>("FindFavoriteForm", [&](FindFavoriteForm& f) {
            f.Text_Search.setText(query);
            hits = f.List_Hits.Items();
            for (int16_t i = 0; i < f.List_Hits.ListCount(); ++i) {
                if (!pick.isEmpty() && f.List_Hits.List(i).startsWith(pick)) {
                    f.List_Hits.setListIndex(i);
                    int16_t enter = KeyCode::Enter;
                    f.Text_Search.RaiseKeyPress(enter);
                    return;
                }
            }
            f.Command_Cancel_Click();
        });
        if (!saveAnswer.isEmpty())
            host.answer(saveAnswer);
        form.Menu_FindFavorite.RaiseClick();
        return hits;
    }
};

} // namespace

TEST(FavoritesTravel, TypeAheadHighlightsWithoutOpeningUntilEnter)
{
    Travel app;
    ASSERT_EQ(app.form.FavoDirList.ListIndex(), 0);
    app.form.FavoDirList.setListIndex(3); // music
    ASSERT_EQ(app.form.DirList.Path(), app.music);

    app.type("w");
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 0); // wraps past the end to Work
    app.type("i");
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 2); // "wi": Wiki, skipping the separator
    EXPECT_EQ(app.form.DirList.Path(), app.music);  // nothing opened yet
    EXPECT_EQ(app.form.FileFind.Text(), ".mp3");

    app.type("\r");
    EXPECT_EQ(app.form.DirList.Path(), app.work);
    EXPECT_EQ(app.form.FileFind.Text(), "");
    EXPECT_EQ(app.form.TypeAheadIndex, -1);

    // A left press on the highlighted row opens it, as a press on any row does.
    app.type(" m");
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 3);
    app.form.FavoDirList.RaiseMouseDown(MouseButton::Left, 0, 0, 0);
    app.form.FavoDirList.RaiseMouseUp(MouseButton::Left, 0, 0, 0);
    EXPECT_EQ(app.form.DirList.Path(), app.music);
    EXPECT_FALSE(app.module.FavoListChanged);
    // Enter without a highlight does nothing.
    app.type("\r");
    EXPECT_TRUE(app.host.messages.empty());
}

TEST(TypeAhead, FindsTheNextNameByPrefixIgnoringCaseAndPauses)
{
    const QStringList names{"Alpha", "beta", "Bravo", "-", "bob"};
    const auto separator = [&](int i) { return names.at(i) == "-"; };
    // clang-format off
    struct Row { const char* keys; int current; qint64 gapMs; int expected; };
    // clang-format on
    // clang-format off
    const Row rows[] = {
        {"b", 0, 0, 1}, {"b", 1, 0, 2}, {"br", 1, 0, 2}, {"bo", 0, 0, 4}, {"bbb", 0, 0, 4}, {"x", 2, 0, -1},
        {"-", 0, 0, -1}, {"a", -1, 0, 0},
        {"bo", 0, 2000, -1}, // after a pause "o" starts a search of its own
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        TypeAhead typeAhead;
        int current = row.current;
        qint64 t = 10000;
        int found = -1;
        for (const char* c = row.keys; *c; ++c) {
            found = typeAhead.next(names, current, QChar(*c), t, separator);
            if (found >= 0)
                current = found;
            t += row.gapMs + 100;
        }
        EXPECT_EQ(found, row.expected);
    }
}

TEST(FavoritesTravel, FindMatchesNamesPathsAndFolderNamesInAllFilesAndOpensInTheRightFileOrSaysItIsGone)
{
    Travel app;
    // The active file as held, with an unsaved edit.
    app.addEntry({"Unsaved", app.docs, {}});
    app.module.FavoListChanged = true;

    EXPECT_EQ(app.find("MIXE"), QStringList({"Mixed   " + app.music + "   [FF3]"}));
    // Folder names that start with the text, in file order; then names and paths that contain it.
    EXPECT_EQ(app.find("reports"),
              QStringList({"Unsaved   " + app.docs + "   [FF1]", "Yearly   " + app.docs + "   [FF3]"}));
    EXPECT_EQ(app.find("work"),
              QStringList({"Work   " + app.work + "   [FF1]", "Wiki   " + app.work + "   [FF1]"}));
    EXPECT_TRUE(app.find("").isEmpty());
    EXPECT_TRUE(app.find("   ").isEmpty());

    // Switching asks to save first, as switching does; Cancel stays.
    app.find("yearly", "Yearly", "Cancel");
    EXPECT_EQ(app.form.CurFavoFile, 1);

    app.find("yearly", "Yearly", "No");
    EXPECT_EQ(app.form.CurFavoFile, 3);
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 0);
    EXPECT_EQ(app.form.DirList.Path(), app.docs);
    EXPECT_EQ(app.form.ActiveControl(), &app.form.FavoDirList);

    // A hit that leaves its file while the dialog is open is reported.
    app.onDialog<FindFavoriteForm>("FindFavoriteForm", [&](FindFavoriteForm& f) {
        f.Text_Search.setText("wiki");
        app.writeFavoFile("Enter below\r\nOther*" + app.work.toUtf8());
        f.Command_Open_Click();
    });
    app.host.answer("OK");
    app.form.Menu_FindFavorite.RaiseClick();
    EXPECT_EQ(app.form.CurFavoFile, 1);
    EXPECT_EQ(app.host.messages.back().prompt, "The favorite \"Wiki\" is no longer in favorites file 1.");
}

TEST(FavoritesTravel, AFavoritesFileThatDoesNotAnswerJoinsTheHitsWhenItDoes)
{
    Travel app;
    const QString third = FavoritesIo::FilePath(app.host.DataFolder(), 3);
    app.host.testWorkers.hold(third);
    // Opened twice while the file hangs: the second opening waits for the same read.
    for (const bool answers : {false, true}) {
        SCOPED_TRACE(answers ? "answers" : "hangs");
        app.onDialog<FindFavoriteForm>("FindFavoriteForm", [&](FindFavoriteForm& f) {
            f.Text_Search.setText("music");
            EXPECT_EQ(f.List_Hits.Items(), QStringList{"music   " + app.music + "   [FF1]"});
            if (answers) {
                app.host.testWorkers.release(third);
                EXPECT_EQ(f.List_Hits.Items(), (QStringList{"music   " + app.music + "   [FF1]",
                                                            "Mixed   " + app.music + "   [FF3]"}));
            }
            f.Command_Cancel_Click();
        });
        app.form.Menu_FindFavorite.RaiseClick();
    }
    EXPECT_EQ(app.host.testWorkers.started["favorites:" + third], 1);
}

TEST(FavoritesTravel, ImportOffersBothFilesOnceMarksKnownFoldersAndAppendsAsAnEdit)
{
    Travel app;
    app.tmp.writeFile("home/.config/gtk-3.0/bookmarks", "file://" + app.work.toUtf8() + "\nfile://" +
                                                            DesktopBookmarks::FileUri(app.docs).mid(7) +
                                                            " Reports\nsftp://host/x Remote\n");
    app.tmp.writeFile(
        "home/.local/share/user-places.xbel",
        "<?xml version=\"1.0\"?>\n<xbel>\n <bookmark href=\"" + DesktopBookmarks::FileUri(app.docs) +
            "\"><title>R</title><info><metadata owner=\"" + DesktopBookmarks::XbelOwner.toUtf8() +
            "\"><filter>*.pdf</filter></metadata></info></bookmark>\n</xbel>\n");
    const QByteArray before = app.readFavoFile();
    app.onDialog<ImportBookmarksForm>("ImportBookmarksForm", [&](ImportBookmarksForm& f) {
        ASSERT_EQ(f.List_Folders.ListCount(), 2);
        EXPECT_EQ(f.List_Folders.List(0), "Work   " + app.work + "   (already in the list)");
        EXPECT_FALSE(f.List_Folders.Checked(0));
        EXPECT_EQ(f.List_Folders.List(1), "Reports   " + app.docs + "   filter: *.pdf");
        EXPECT_TRUE(f.List_Folders.Checked(1));
        f.List_Folders.setChecked(1, false);
        EXPECT_FALSE(f.Command_Import.Enabled());
        f.List_Folders.setChecked(1, true);
        f.Command_Import.RaiseClick();
    });
    app.form.Menu_ImportBookmarks.RaiseClick();
    EXPECT_EQ(app.form.FavoDirList.Items().last(), "Reports");
    EXPECT_EQ(app.form.FavoDirPath.Items().last(), app.docs);
    EXPECT_EQ(app.form.FavoFileFilter.Items().last(), "*.pdf");
    EXPECT_TRUE(app.module.FavoListChanged);
    EXPECT_TRUE(app.form.Menu_SaveFavoFile.Enabled());
    EXPECT_EQ(app.readFavoFile(), before); // held in memory until saved
}

TEST(FavoritesTravel, ImportReportsAMalformedFileAndLeavesItUntouched)
{
    Travel app;
    const QByteArray bad = "<xbel><bookmark href=\"file:///x\">";
    app.tmp.writeFile("home/.local/share/user-places.xbel", bad);
    app.host.answer("OK");
    app.host.answer("OK");
    app.form.Menu_ImportBookmarks.RaiseClick();
    ASSERT_EQ(app.host.messages.size(), 2u);
    EXPECT_TRUE(app.host.messages[0].prompt.contains("is not a valid bookmarks file and was left untouched"));
    EXPECT_TRUE(app.host.messages[1].prompt.startsWith("No folders were found"));
    EXPECT_EQ(app.tmp.readFile("home/.local/share/user-places.xbel"), bad);
}

TEST(FavoritesTravel, ImportStopsAtTheListsLimitAndSaysHowManyWereAdded)
{
    AppFixture app;
    QByteArray list = FavoHeaderEnglish.toUtf8();
    for (int i = 0; i < 32700; ++i)
        list += "\r\nF" + QByteArray::number(i) + "*" + app.tmp.home().toUtf8();
    app.writeFavoFile(list);
    QByteArray bookmarks;
    for (int i = 0; i < 100; ++i)
        bookmarks += "file:///b/" + QByteArray::number(i) + "\n";
    app.tmp.writeFile("home/.config/gtk-3.0/bookmarks", bookmarks);
    app.start();
    app.onDialog<ImportBookmarksForm>("ImportBookmarksForm",
                                      [](ImportBookmarksForm& f) { f.Command_Import.RaiseClick(); });
    app.host.answer("OK");
    app.form.Menu_ImportBookmarks.RaiseClick();
    EXPECT_EQ(app.form.Favorites.count(), MaxFavorites);
    EXPECT_EQ(app.form.Favorites.at(MaxFavorites - 1).path, "/b/66");
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_EQ(app.host.messages[0].title, "Favorites List Full");
    EXPECT_TRUE(app.host.messages[0].prompt.contains("67 of the chosen folders were added; the other 33"));

    // The list saves whole and loads back whole.
    app.form.Menu_SaveFavoFile_Click();
    app.reload();
    EXPECT_EQ(app.form.Favorites.count(), MaxFavorites);
}

TEST(FavoritesTravel, ExportAddsTheListsFoldersThatStillExistToBothFilesAndSaysHowManyAreGone)
{
    // clang-format off
    struct Row { bool swedish; int gone; const char* message; QStringList exported; };
    const Row rows[] = {
        {false, 0, "Add the 2 folder(s)", {"Work", "music"}},
        {false, 1, "\n\n1 folder(s) of the list no longer exist and are left out.\n\nFolders already", {"Work"}},
        {true,  1, "\n\n1 folder(s) i listan finns inte längre och utelämnas.\n\nFoldrar som", {"Work"}},
        {false, 2, "The list holds no folders to export.\n\n2 folder(s) of the list no longer exist", {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        Travel app;
        app.module.SwedishLanguage = row.swedish;
        for (const QString& folder : QStringList{app.music, app.work}.first(row.gone))
            QDir(folder).removeRecursively();
        app.host.answer("OK");
        app.host.answer("OK");
        app.form.Menu_ExportBookmarks.RaiseClick();
        app.host.answerCheck(app.host.folderChecks.size() - 1);
        ASSERT_FALSE(app.host.messages.empty());
        EXPECT_TRUE(app.host.messages[0].prompt.contains(row.message))
            << app.host.messages[0].prompt.toStdString();
        if (row.gone == 0) {
            EXPECT_TRUE(app.host.messages.back().prompt.contains(": 2 added, 0 already there"));
        }
        // Only the XBEL file keeps the filter.
        QList<DesktopBookmarks::Bookmark> gtk, xbel;
        for (const QString& name : row.exported) {
            const QString path = name == "Work" ? app.work : app.music;
            gtk.append({path, name, ""});
            xbel.append({path, name, name == "music" ? ".mp3" : ""});
        }
        EXPECT_EQ(DesktopBookmarks::ReadGtk(DesktopBookmarks::GtkPath()).folders, gtk);
        EXPECT_EQ(DesktopBookmarks::ReadXbel(DesktopBookmarks::XbelPath()).folders, xbel);
    }
}

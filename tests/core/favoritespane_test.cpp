// The favorites pane: a click opens the folder with its filter in the right order, failures offer
// remove or edit, drag reorder, removing and separators, and notes on favorites whose folder is gone.

#include "appfixture.h"
#include "core/dialogs/renamedirform.h"
#include "core/mainform/favoedittexts.h"
#include "core/mainform/favoritecheck.h"
#include "core/mainform/mainformtexts.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Six favorites a..f, each a real folder with a few files; entry 1 has the filter "txt".
struct Favorites : AppFixture
{
    QStringList folders;

    Favorites()
    {
        QByteArray file = "Enter below: header";
        for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
            folders << tmp.makeFolder(QStringLiteral("home/fav/%1/sub").arg(name)).chopped(4);
            tmp.writeFile(QStringLiteral("home/fav/%1/notes.txt").arg(name), "x");
            tmp.writeFile(QStringLiteral("home/fav/%1/image.png").arg(name), "x");
            file += "\r\n" + QByteArray(name).toUpper() + "*" + folders.last().toUtf8() +
                    (*name == 'b' ? "**txt" : "");
        }
        writeFavoFile(file);
        start();
    }
    QStringList names() const { return form.FavoDirList.Items(); }
};

// Favorites whose folder is gone are dimmed with a note saying why: checked after the load and
// after each edit, one check per burst of edits, answers to an older list dropped.
struct CheckApp : AppFixture
{
    QString work = tmp.makeFolder("home/work");
    QString gone = tmp.path("home/gone");
    QString net = tmp.makeFolder("home/net");

    CheckApp()
    {
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8() + "\r\n-*-\r\nGone*" + gone.toUtf8() +
                      "\r\nNet*" + net.toUtf8() + "\r\nWork again*" + work.toUtf8() + "**txt");
    }
    /// Removes an entry as the list's edits do, without their questions.
    void remove(int16_t i)
    {
        form.FavoDirList.RemoveItem(i);
        form.FavoDirPath.RemoveItem(i);
        form.FavoFileFilter.RemoveItem(i);
    }
    QStringList notes() const
    {
        QStringList result;
        for (int16_t i = 0; i < form.FavoDirList.ListCount(); ++i)
            result << form.FavoDirList.ItemNote(i);
        return result;
    }
};

} // namespace

TEST(FavoritesPane, ClickAppliesFilterThenFolderKeepsSelectionAndArmsTheWarningOnlyAfterwards)
{
    Favorites app;
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 0); // the start shows the first one, no warning armed
    EXPECT_EQ(app.files(), QStringList({"image.png", "notes.txt"}));
    EXPECT_FALSE(app.form.FilterWarningPending);
    std::vector<std::string> events;
    app.form.FileFind.Change = [&] {
        events.push_back("filter:" + app.form.FileFind.Text().toStdString());
        app.form.FileFind_Change();
    };
    app.form.DirList.Change = [&] {
        events.push_back(std::string("folder, warning armed: ") +
                         (app.form.FilterWarningPending ? "yes" : "no"));
        app.form.DirList_Change();
    };

    app.form.FavoDirList.setListIndex(1);
    EXPECT_EQ(events, std::vector<std::string>({"filter:txt", "folder, warning armed: no"}));
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 1);
    EXPECT_EQ(app.form.DirList.Path(), app.folders[1]);
    EXPECT_EQ(app.files(), QStringList({"notes.txt"}));
    EXPECT_TRUE(app.form.FilterWarningPending);
    EXPECT_TRUE(app.host.messages.empty());

    // Clicked again after the user cleared the filter, the favorite applies it again.
    app.form.FileFind.setText("");
    app.form.FavoDirList.setListIndex(1);
    EXPECT_EQ(app.form.FileFind.Text(), "txt");
    // A separator opens nothing.
    app.addEntry({"-", "-", ""});
    app.form.FavoDirList.setListIndex(6);
    EXPECT_EQ(app.form.DirList.Path(), app.folders[1]);
    // A folder changed by hand is no favorite's: the selection goes.
    app.host.answer("Yes");
    app.form.DirList.setPath(app.folders[1] + "/sub");
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), -1);
}

TEST(FavoritesPane, AFolderThatIsGoneOrLeadsNowhereOffersRemoveOrEditAndSkipsTheNextRelease)
{
    const auto gone = [](Favorites& app) {
        QDir(app.folders[3]).removeRecursively();
        return QString();
    };
    // clang-format off
    struct Row { const char* answer; const char* what; std::function<QString(Favorites&)> make; }; // the new path, if any
    const Row rows[] = {
        {"Yes", "removed", gone}, {"No", "removed", gone}, {"Cancel", "removed", gone},
        {"Cancel", "link loop", [](Favorites& app) { QString loop = app.tmp.path("home/fav/loop"); EXPECT_TRUE(QFile::link(loop, loop)); return loop; }},
        {"Cancel", "name longer than the system takes", [](Favorites& app) { return app.tmp.path("home/fav/") + QString(300, u'n'); }},
        // A path wider than the screen is shown wrapped and elided.
        {"Cancel", "path longer than the system takes", [](Favorites& app) { return app.tmp.path("home") + QString("/abcdefgh").repeated(500); }},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.answer) + ", " + row.what);
        Favorites app;
        const QString path = row.make(app);
        if (!path.isEmpty()) {
            app.form.FavoDirPath.RemoveItem(3);
            app.form.FavoDirPath.AddItem(path, 3);
        }
        const QString answer = QString::fromLatin1(row.answer);
        app.host.answer(answer);
        if (answer == "Yes")
            app.host.answer("OK"); // the removal asks once more
        if (answer == "No")
            app.host.onModal("RenameDirForm", [](Form& f) { f.Unload(); });
        app.form.FavoDirList_MouseDown(1, 0, 0, 0);
        app.form.FavoDirList.setListIndex(3);

        ASSERT_GE(app.host.messages.size(), 1u);
        EXPECT_EQ(app.host.messages[0].title, MainFormText::PathErrorTitle.english);
        EXPECT_TRUE(!path.isEmpty() || app.host.messages[0].prompt.contains(app.folders[3]));
        EXPECT_TRUE(app.host.messages[0].prompt.endsWith(FavoEditText::RemoveOrEdit.english));
        EXPECT_EQ(app.host.messages[0].style, MsgStyle::YesNoCancel);
        EXPECT_TRUE(app.host.scriptsDone());
        if (answer == "Yes") {
            EXPECT_EQ(app.names(), QStringList({"A", "B", "C", "E", "F"}));
            EXPECT_EQ(app.form.DirList.Path(), app.folders[4]); // the entry that moved up is opened
        } else {
            EXPECT_EQ(app.names().size(), 6);
        }
        const QStringList before = app.names();
        app.form.FavoDirList_MouseUp(1, 0, 0, 0); // skipped: no reorder
        EXPECT_EQ(app.names(), before);
        EXPECT_FALSE(app.form.SkipFavoMouseUp);
    }
    AppFixture app; // the first favorite, opened at the start
    app.writeFavoFile("Fyll i nedan\r\nBorta*/no/such/folder\r\nHem*" + app.tmp.home().toUtf8());
    app.host.answer("Avbryt");
    app.start();
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_TRUE(app.host.messages[0].prompt.endsWith(FavoEditText::RemoveOrEdit.swedish));
}

TEST(FavoritesPane, RelativePathOpensTheSameFolderBelowHomeAtEveryClick)
{
    Favorites app;
    app.addEntry({"Rel", "fav/c/", ""});
    for (const QString& from : {app.folders[0], app.folders[2] + "/sub", app.folders[3]}) {
        SCOPED_TRACE(from.toStdString());
        app.form.DirList.setPath(from);
        app.form.FavoDirList.setListIndex(6);
        EXPECT_EQ(app.form.DirList.Path(), app.folders[2]);
        EXPECT_EQ(app.form.FavoDirList.ListIndex(), 6);
    }
    EXPECT_TRUE(app.host.messages.empty());
}

TEST(FavoritesPane, DragMovesTheEntryWithPathAndFilterBothWays)
{
    const std::pair<std::pair<int16_t, int16_t>, QStringList> rows[] = {
        {{2, 5}, {"A", "B", "D", "E", "F", "C"}},  {{5, 2}, {"A", "B", "F", "C", "D", "E"}},
        {{1, 0}, {"B", "A", "C", "D", "E", "F"}},  {{3, 3}, {"A", "B", "C", "D", "E", "F"}},
        {{-1, 2}, {"A", "B", "C", "D", "E", "F"}}, // a press below the last entry, nothing selected
    };
    for (const auto& [move, order] : rows) {
        const auto [from, to] = move;
        SCOPED_TRACE(std::to_string(from) + "->" + std::to_string(to));
        Favorites app;
        app.form.FavoDirList.setListIndex(from);
        app.form.FavoDirList_MouseDown(1, 0, 0, 0);
        app.form.FavoDirList.setListIndex(to); // the selection follows the pointer
        app.form.FavoDirList_MouseUp(1, 0, 0, 0);

        EXPECT_EQ(app.names(), order);
        for (int16_t i = 0; i < 6; ++i) {
            const int original = order[i].at(0).unicode() - 'A';
            EXPECT_EQ(app.entry(i),
                      (FavoritesEntry{order[i], app.folders[original], original == 1 ? "txt" : ""}));
        }
        EXPECT_EQ(app.form.FavoDirList.ListIndex(), to);
        EXPECT_EQ(app.form.DirList.Path(), app.form.FavoDirPath.List(to));
        const bool moved = order != rows[3].second;
        EXPECT_EQ(app.module.FavoListChanged, moved);
        EXPECT_EQ(app.form.Menu_SaveFavoFile.Enabled(), moved);
    }
}

TEST(FavoritesPane, RemovingSelectsTheNextOrTheNewLastEntryNeverEmptiesTheListAndASeparatorGoesBelow)
{
    Favorites app;
    app.form.FavoDirList.setListIndex(5);
    app.host.answer("OK");
    app.form.Menu_RemoveFolder_Click();
    EXPECT_TRUE(app.host.messages.back().prompt.contains("\"F\""));
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 4);
    EXPECT_EQ(app.form.DirList.Path(), app.folders[4]);

    app.form.FavoDirList.setListIndex(1);
    app.host.answer("Cancel");
    app.form.Menu_RemoveFolder_Click();
    EXPECT_EQ(app.names().size(), 5);
    app.host.answer("OK");
    app.form.Menu_RemoveFolder_Click();
    EXPECT_EQ(app.names(), QStringList({"A", "C", "D", "E"}));
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 1);
    EXPECT_TRUE(app.module.FavoListChanged);

    for (int i = 0; i < 3; ++i) {
        app.host.answer("OK");
        app.form.Menu_RemoveFolder_Click();
    }
    ASSERT_EQ(app.names().size(), 1);
    app.host.answer("OK");
    app.form.Menu_RemoveFolder_Click(); // the last entry stays
    EXPECT_EQ(app.host.messages.back().title, FavoEditText::RemoveItemErrorTitle.english);
    EXPECT_EQ(app.names().size(), 1);

    app.form.FavoDirList.setListIndex(-1); // nothing selected: nothing to do, nothing asked
    const size_t shown = app.host.messages.size();
    app.form.Menu_RemoveFolder_Click();
    app.form.Menu_AddSeparator_Click();
    EXPECT_EQ(app.host.messages.size(), shown);

    // A separator goes after the selected entry and is saved as a line of its own.
    app.form.FavoDirList.setListIndex(0);
    app.host.answer("OK");
    app.form.Menu_AddSeparator_Click();
    EXPECT_TRUE(app.host.messages.back().prompt.contains("\"A\""));
    EXPECT_EQ(app.form.FavoDirList.ListIndex(), 0);
    EXPECT_EQ(app.entry(1), (FavoritesEntry{"-", "-", ""}));
    app.exit();
    EXPECT_TRUE(app.readFavoFile().endsWith("\r\nA*" + app.folders[0].toUtf8() + "\r\n-*-"));
}

TEST(FavoritesPane, MenuItemsFollowTheFocusedControl)
{
    Favorites app;
    for (const bool favorites : {false, true}) {
        if (favorites) {
            app.form.FavoDirList.SetFocus();
            app.form.FavoDirList_MouseDown(2, 0, 0, 0);
        } else {
            app.form.DirList.SetFocus();
            app.form.DirList_MouseDown(2, 0, 0, 0);
            EXPECT_EQ(app.host.popups, std::vector<QString>({"Menu_FavoDirs"}));
        }
        EXPECT_EQ(app.form.Menu_OpenFolder.Enabled(), !favorites);
        EXPECT_EQ(app.form.Menu_AddDir.Enabled(), !favorites);
        EXPECT_EQ(app.form.Command_OpenExplorer.Enabled(), !favorites);
        EXPECT_EQ(app.form.Menu_AddSeparator.Enabled(), favorites);
        EXPECT_EQ(app.form.Menu_RemoveFolder.Enabled(), favorites);
        EXPECT_EQ(app.form.Menu_RenameFolder.Enabled(), favorites);
    }
}

TEST(FavoriteCheck, NotesForMissingAndUnansweredFoldersComeFromTheNewestCheckAndMoveWithTheirEntries)
{
    CheckApp app;
    app.start();
    EXPECT_TRUE(app.host.folderChecks.empty()); // not while the load runs
    app.host.runTimers();
    ASSERT_EQ(app.host.folderChecks.size(), 1u); // the load's many additions make one check
    EXPECT_EQ(app.host.folderChecks[0].folders, QStringList({app.work, app.gone, app.net}));
    EXPECT_EQ(app.host.folderChecks[0].timeout, FavoriteCheck::TimeoutMilliseconds);

    app.remove(0);
    app.host.runTimers();
    ASSERT_EQ(app.host.folderChecks.size(), 2u);
    app.host.answerCheck(0, {app.work}); // late answer for the list before the edit
    EXPECT_EQ(app.notes(), QStringList({"", "", "", ""}));
    app.host.answerCheck(1, {app.net});
    const QString goneNote = "This folder no longer exists:\n" + app.gone;
    EXPECT_EQ(
        app.notes(),
        QStringList({"", goneNote,
                     "This folder did not answer in time (an unreachable network drive?):\n" + app.net, ""}));
    app.form.Menu_Language_Click();
    EXPECT_EQ(app.form.FavoDirList.ItemNote(1), "Den här mappen finns inte längre:\n" + app.gone);
    app.form.Menu_Language_Click();

    // Removing the entry above moves the note up with its entry.
    app.remove(0);
    EXPECT_EQ(app.form.FavoDirList.List(0), "Gone");
    EXPECT_EQ(app.form.FavoDirList.ItemNote(0), goneNote);

    // The folder comes back; the check after the edit clears the note.
    QDir().mkpath(app.gone);
    app.host.runTimers();
    ASSERT_EQ(app.host.folderChecks.size(), 3u);
    app.host.answerCheck(2);
    EXPECT_EQ(app.form.FavoDirList.ItemNote(0), "");
}

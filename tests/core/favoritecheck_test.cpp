// Favorites whose folder is gone are dimmed with a note saying why: checked after the load and
// after each edit, one check per burst of edits, answers to an older list dropped.

#include "appfixture.h"
#include "core/mainform/favoritecheck.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

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

TEST(FavoriteCheck, MissingAndUnansweredFoldersGetANoteAfterTheLoad)
{
    CheckApp app;
    app.start();
    EXPECT_TRUE(app.host.folderChecks.empty()); // not while the load runs
    app.host.runTimers();
    ASSERT_EQ(app.host.folderChecks.size(), 1u); // the load's many additions make one check
    EXPECT_EQ(app.host.folderChecks[0].folders, QStringList({app.work, app.gone, app.net}));
    EXPECT_EQ(app.host.folderChecks[0].timeout, FavoriteCheck::TimeoutMilliseconds);
    EXPECT_EQ(app.notes(), QStringList({"", "", "", "", ""}));

    app.host.answerCheck(0, {app.net});
    EXPECT_EQ(
        app.notes(),
        QStringList({"", "", "This folder no longer exists:\n" + app.gone,
                     "This folder did not answer in time (an unreachable network drive?):\n" + app.net, ""}));

    app.form.Menu_Language_Click();
    EXPECT_EQ(app.form.FavoDirList.ItemNote(2), "Den här mappen finns inte längre:\n" + app.gone);
}

TEST(FavoriteCheck, AnAnswerToAnOlderListIsDroppedNotesMoveWithTheirEntriesAndEditsCheckAgain)
{
    CheckApp app;
    app.start();
    app.host.runTimers();
    app.remove(0);
    app.host.runTimers();
    ASSERT_EQ(app.host.folderChecks.size(), 2u);
    app.host.answerCheck(0, {app.work}); // late answer for the list before the edit
    EXPECT_EQ(app.notes(), QStringList({"", "", "", ""}));
    app.host.answerCheck(1);
    const QString goneNote = "This folder no longer exists:\n" + app.gone;
    EXPECT_EQ(app.form.FavoDirList.ItemNote(1), goneNote);

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

} // namespace

// The real host's services that keep the window in step with the desktop: the folder watcher
// re-reads the panes once per burst and keeps the view where it was, the opener's failure is
// reported without blocking, folder checks answer within their time limit even when a folder
// hangs, and the shell shows the status line and dimmed favorites.

#include "core/mainform/panewatch.h"
#include "qtinput.h"
#include "shell/host/desktopfollower.h"
#include "shownwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <future>

using QtInput::waitFor;

namespace {

struct FollowingWindow : ShownWindow
{
    QString work = tmp.makeFolder(QStringLiteral("home/work"));

    void SetUp() override
    {
        for (int i = 0; i < 200; ++i)
            tmp.writeFile(QStringLiteral("home/work/file%1.txt").arg(i, 3, 10, QLatin1Char('0')), "x");
        tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"),
                      "Enter below: header\r\nWork*" + work.toUtf8() + "\r\nGone*" + work.toUtf8() + "/gone");
        ShownWindow::SetUp();
        form.Load();
        form.Activate();
        ASSERT_EQ(form.DirList.Path(), work);
    }
    bool listed(const QString& name) const { return form.FileList.IndexOf(name) >= 0; }
};

TEST_F(FollowingWindow, NewFilesAppearWithOneRereadPerBurstAndTheViewStaysPut)
{
    QListView& files = widget<QListView>(form.FileList);
    form.FileList.setListIndex(150);
    QScrollBar& bar = *files.verticalScrollBar();
    ASSERT_GT(bar.value(), 0);
    const int scrolled = bar.value();

    QElapsedTimer burst;
    burst.start();
    for (int i = 0; i < 100; ++i)
        tmp.writeFile(QStringLiteral("home/work/new%1.txt").arg(i), "x");
    const qint64 burstTook = burst.elapsed();
    ASSERT_TRUE(waitFor([&] { return listed(QStringLiteral("new99.txt")); }));
    // The burst took well under an interval here, so it may take two re-reads at most.
    if (burstTook < PaneWatch::IntervalMilliseconds / 2) {
        EXPECT_LE(form.paneWatch().rereads(), 2);
    }
    EXPECT_EQ(form.FileList.List(form.FileList.ListIndex()), QStringLiteral("file150.txt"));
    EXPECT_EQ(bar.value(), scrolled);
    EXPECT_EQ(widget<QLabel>(form.Label_FileStatus).text(), QStringLiteral("300 files"));
}

TEST_F(FollowingWindow, RemovedOpenFolderMovesTheTreeUp)
{
    const QString inner = tmp.makeFolder(QStringLiteral("home/work/inner"));
    form.DirList.setPath(inner);
    ASSERT_TRUE(QDir(inner).removeRecursively());
    EXPECT_TRUE(waitFor([&] { return form.DirList.Path() == work; }));
    EXPECT_EQ(form.FileList.Path(), work);
}

TEST_F(FollowingWindow, StatusLineShowsTheFilter)
{
    QLabel& status = widget<QLabel>(form.Label_FileStatus);
    EXPECT_EQ(status.text(), QStringLiteral("200 files"));
    form.FileFind.setText(QStringLiteral("file00"));
    EXPECT_EQ(status.text(), QStringLiteral("10 of 200 files shown (filter: *file00*)"));
    // Under the filter box, inside the window.
    const QWidget& filter = *window.view().widgetFor(&form.FileFind);
    EXPECT_GE(status.geometry().top(), filter.geometry().bottom());
    EXPECT_LE(status.geometry().bottom(), window.clientArea().height());
}

TEST_F(FollowingWindow, MissingFavoriteIsDimmedWithItsReason)
{
    QListView& favorites = widget<QListView>(form.FavoDirList);
    const QModelIndex gone = favorites.model()->index(1, 0);
    ASSERT_TRUE(waitFor([&] { return !gone.data(Qt::ToolTipRole).toString().isEmpty(); }));
    EXPECT_EQ(gone.data(Qt::ToolTipRole).toString(), "This folder no longer exists:\n" + work + "/gone");
    EXPECT_EQ(gone.data(Qt::ForegroundRole).value<QBrush>().color(),
              favorites.palette().color(QPalette::Disabled, QPalette::Text));
    EXPECT_TRUE(gone.data(Qt::FontRole).value<QFont>().italic());
    const QModelIndex present = favorites.model()->index(0, 0);
    EXPECT_FALSE(present.data(Qt::ToolTipRole).isValid());
    EXPECT_FALSE(present.data(Qt::ForegroundRole).isValid());
}

TEST(DesktopFollower, OpenerFailureIsReportedWithoutBlocking)
{
    TempFolder tmp;
    const QString failing = tmp.writeFile(QStringLiteral("bin/fails"), "#!/bin/sh\nexit 3\n");
    const QString working = tmp.writeFile(QStringLiteral("bin/works"), "#!/bin/sh\nexit 0\n");
    for (const QString& script : {failing, working})
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    DesktopFollower follower;
    int failures = 0;
    follower.startChecked(failing, {QStringLiteral("x")}, [&] { ++failures; });
    EXPECT_EQ(failures, 0); // never inside the call
    EXPECT_TRUE(waitFor([&] { return failures == 1; }));

    follower.startChecked(working, {QStringLiteral("x")}, [&] { ++failures; });
    EXPECT_TRUE(waitFor([&] { return follower.runningOpeners() == 0; }));
    EXPECT_EQ(failures, 1);

    follower.startChecked(QStringLiteral("wayfolder-no-such-opener"), {}, [&] { ++failures; });
    EXPECT_EQ(failures, 1);
    EXPECT_TRUE(waitFor([&] { return failures == 2; }));
}

TEST(DesktopFollower, FolderCheckAnswersInTimeEvenWhenAFolderHangs)
{
    TempFolder tmp;
    const QString there = tmp.makeFolder(QStringLiteral("there"));
    const QString hung = tmp.path(QStringLiteral("hung"));
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    DesktopFollower follower;
    follower.setFolderProbe([hung, released](const QString& folder) {
        if (folder == hung)
            released.wait(); // a network mount that does not answer
        return QFileInfo(folder).isDir();
    });

    std::optional<std::vector<Host::FolderState>> states;
    QElapsedTimer took;
    took.start();
    follower.checkFolders({there, tmp.path(QStringLiteral("missing")), hung}, 300,
                          [&](const std::vector<Host::FolderState>& s) { states = s; });
    EXPECT_FALSE(states); // never inside the call
    ASSERT_TRUE(waitFor([&] { return states.has_value(); }));
    EXPECT_GE(took.elapsed(), 290);
    EXPECT_EQ(*states, (std::vector<Host::FolderState>{Host::FolderState::Present, Host::FolderState::Missing,
                                                       Host::FolderState::NoAnswer}));
    release.set_value();

    // Without a hung folder the answer comes as soon as every folder has answered.
    states.reset();
    took.restart();
    follower.checkFolders({there}, 5000, [&](const std::vector<Host::FolderState>& s) { states = s; });
    ASSERT_TRUE(waitFor([&] { return states.has_value(); }));
    EXPECT_LT(took.elapsed(), 4000);
}

} // namespace

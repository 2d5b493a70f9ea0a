// The real host's services: programs start with an argument list and never through a shell,
// settings and the clipboard round-trip, a watched file outlasts an atomic save by another
// program, the folder watcher re-reads the panes once per burst and keeps the view where it was,
// the opener's failure is reported without blocking, folder checks answer in time and never
// probe a hung folder twice, the workers keep to their bound of threads with news for every job
// on the window's thread, and the shell shows the status line under the filter box and dimmed
// favorites.

#include "core/mainform/panewatch.h"
#include "core/system/atomicfile.h"
#include "qtinput.h"
#include "shell/host/desktopfollower.h"
#include "shell/host/threadworkers.h"
#include "shownwindow.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <condition_variable>
#include <future>
#include <map>
#include <mutex>

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
    // The status line stands under the filter box, inside the window.
    EXPECT_GE(widget(form.Label_FileStatus).geometry().top(), widget(form.FileFind).geometry().bottom());
    EXPECT_LE(widget(form.Label_FileStatus).geometry().bottom(), window.clientArea().height());
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

TEST(QtHost, StartsProgramsWithAnArgumentListAndReportsMissingOnes)
{
    TempFolder tmp;
    QtHost host;
    EXPECT_FALSE(host.StartProcess(QStringLiteral("wayfolder-no-such-program"), {}));

    // A shell would split this name at the blank and run what follows the semicolon.
    const QString name = tmp.path(QStringLiteral("a b;touch c"));
    ASSERT_TRUE(host.StartProcess(QStringLiteral("touch"), {name}));
    EXPECT_TRUE(waitFor([&] { return QFileInfo::exists(name); }));
    EXPECT_FALSE(QFileInfo::exists(tmp.path(QStringLiteral("c"))));
}

TEST(QtHost, SettingsAndClipboardRoundTrip)
{
    TempFolder tmp;
    {
        QtHost host;
        EXPECT_EQ(host.GetSetting(QStringLiteral("StartPosX"), QStringLiteral("none")),
                  QStringLiteral("none"));
        host.SaveSetting(QStringLiteral("StartPosX"), QStringLiteral("1234"));
        EXPECT_EQ(host.DataFolder(), tmp.dataFolder());
        host.ClipboardSetText(QStringLiteral("/home/user/file.txt"));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("/home/user/file.txt"));
    }
    QtHost again;
    EXPECT_EQ(again.GetSetting(QStringLiteral("StartPosX"), {}), QStringLiteral("1234"));
    EXPECT_TRUE(QFileInfo::exists(tmp.configFile()));
}

TEST(FileWatch, AFileReplacedByRenameIsStillWatched)
{
    TempFolder tmp;
    const QString path = tmp.writeFile(QStringLiteral("FavoDirs.dat"), "one");
    QtHost host;
    int calls = 0;
    host.WatchFile(path, [&] { ++calls; });

    for (const char* content : {"two", "three", "four"}) {
        SCOPED_TRACE(content);
        const int before = calls;
        ASSERT_TRUE(WriteFileLocked(path, content, 1 << 20).ok());
        EXPECT_TRUE(waitFor([&] { return calls > before; }));
    }
    host.WatchFile(path, {});
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

// A folder check answers within its time limit however long a folder hangs, and never probes a
// folder whose probe still waits, however many checks the edits ask for.
TEST(DesktopFollower, FolderCheckAnswersInTimeAndProbesAHungFolderOnce)
{
    TempFolder tmp;
    const QString there = tmp.makeFolder(QStringLiteral("there"));
    const QString hung = tmp.makeFolder(QStringLiteral("hung"));
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    auto probes = std::make_shared<std::pair<std::mutex, std::map<QString, int>>>();
    DesktopFollower follower;
    follower.setFolderProbe([hung, released, probes](const QString& folder) {
        {
            const std::lock_guard lock(probes->first);
            ++probes->second[folder];
        }
        if (folder == hung)
            released.wait(); // a network mount that does not answer
        return QFileInfo(folder).isDir();
    });
    using S = Host::FolderState;
    const auto check = [&](const QStringList& folders, int limit) {
        std::optional<std::vector<S>> states;
        follower.checkFolders(folders, limit, [&](const std::vector<S>& s) { states = s; });
        EXPECT_FALSE(states); // never inside the call
        EXPECT_TRUE(waitFor([&] { return states.has_value(); }));
        return states.value_or(std::vector<S>{});
    };

    QElapsedTimer took;
    took.start();
    EXPECT_EQ(check({there, tmp.path(QStringLiteral("missing")), hung}, 300),
              (std::vector<S>{S::Present, S::Missing, S::NoAnswer}));
    EXPECT_GE(took.elapsed(), 290);
    for (int edit = 0; edit < 2; ++edit)
        EXPECT_EQ(check({there, hung}, 100), (std::vector<S>{S::Present, S::NoAnswer}));
    {
        const std::lock_guard lock(probes->first);
        EXPECT_EQ(probes->second[hung], 1);
        EXPECT_GE(probes->second[there], 3);
    }
    // Without a hung folder the answer comes as soon as every folder has answered.
    took.restart();
    EXPECT_EQ(check({there}, 5000), std::vector<S>{S::Present});
    EXPECT_LT(took.elapsed(), 4000);
    release.set_value();
    // Once it answers, it is seen again (how soon depends on the machine's load).
    EXPECT_TRUE(waitFor([&] { return check({there, hung}, 100) == std::vector<S>{S::Present, S::Present}; }));
}

// Jobs that wait at a gate, counting how many wait at once.
struct Gate
{
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    int waiting = 0;
    int most = 0;
};

class GateJob : public WorkerJob
{
public:
    GateJob(QString key, std::shared_ptr<Gate> gate) : WorkerJob(std::move(key)), m_gate(std::move(gate)) {}

protected:
    void run() override
    {
        std::unique_lock lock(m_gate->mutex);
        m_gate->most = std::max(m_gate->most, ++m_gate->waiting);
        m_gate->opened.wait(lock, [this] { return m_gate->open; });
        --m_gate->waiting;
    }

private:
    std::shared_ptr<Gate> m_gate;
};

TEST(ThreadWorkers, NoMoreThreadsThanTheBoundAndNewsForEveryJob)
{
    ThreadWorkers workers;
    auto gate = std::make_shared<Gate>();
    const int jobs = ThreadWorkers::MaxThreads + 4;
    int news = 0;
    std::vector<WorkerJob::Watch> watches;
    for (int i = 0; i < jobs; ++i) {
        auto job = std::make_shared<GateJob>(QString::number(i), gate);
        watches.push_back(job->watch([&news, job] { news += job->ended() ? 1 : 0; }));
        workers.start(job);
    }
    const auto waiting = [&] {
        const std::lock_guard lock(gate->mutex);
        return gate->waiting;
    };
    EXPECT_TRUE(waitFor([&] { return waiting() >= ThreadWorkers::MaxThreads; }));
    // Time for a thread beyond the bound to reach the gate as well.
    EXPECT_FALSE(waitFor([&] { return waiting() > ThreadWorkers::MaxThreads; }, 300));
    EXPECT_EQ(workers.busy(), jobs);
    EXPECT_TRUE(workers.running<GateJob>(QStringLiteral("0")));
    {
        const std::lock_guard lock(gate->mutex);
        gate->open = true;
    }
    gate->opened.notify_all();
    EXPECT_TRUE(waitFor([&] { return news == jobs; }));
    EXPECT_EQ(workers.busy(), 0);
    EXPECT_FALSE(workers.running<GateJob>(QStringLiteral("0")));
    const std::lock_guard lock(gate->mutex);
    EXPECT_EQ(gate->most, ThreadWorkers::MaxThreads);
}

} // namespace

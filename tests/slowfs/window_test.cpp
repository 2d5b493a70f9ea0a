// The real window on a share that is slow or does not answer at all (a FUSE mirror with a delay
// and a hang switch): it keeps answering, fills in a slow folder as its names come, says when a
// folder is not answering, and the real program saves and ends on SIGTERM while a read hangs.

#include "core/dialogs/changedriveform.h"
#include "core/dialogs/module1.h"
#include "core/mainform/mainform.h"
#include "core/tempfolder.h"
#include "shell/drivenprogram.h"
#include "shell/host/qthost.h"
#include "shell/qtinput.h"
#include "shell/windows/mainwindow.h"
#include "slowmount.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

using QtInput::waitFor;

// Whether the process's main thread has ended: the process is gone, or only threads stuck in the
// kernel keep it (its leader a zombie).
bool mainThreadEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(") ") + 2;
    return state < 2 || state >= line.size() || line.at(state) == 'Z' || line.at(state) == 'X';
}

// How long a call on the window's thread kept it.
qint64 msTaken(const std::function<void()>& call)
{
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.elapsed();
}

// A home with a local folder, and a share of `files` files mounted through slowfs; the first
// favorite is the share's folder when `shareFirst`.
struct Share
{
    TempFolder tmp;
    QString local = tmp.makeFolder(QStringLiteral("home/local"));
    QString source = tmp.makeFolder(QStringLiteral("source/sub"));
    std::unique_ptr<SlowMount> mount;
    QString folder;

    Share(int files, bool shareFirst, int folders = 0)
    {
        tmp.writeFile(QStringLiteral("home/local/a.txt"), "x");
        for (int i = 0; i < files; ++i)
            tmp.writeFile(QStringLiteral("source/sub/f%1.txt").arg(i), {});
        for (int i = 0; i < folders; ++i)
            tmp.makeFolder(QStringLiteral("source/sub/d%1").arg(i));
        mount = std::make_unique<SlowMount>(tmp.path(QStringLiteral("source")).toStdString());
        folder = QString::fromStdString(mount->mountPoint()) + QStringLiteral("/sub");
        const QByteArray shareLine = "\r\nShare*" + folder.toUtf8();
        const QByteArray localLine = "\r\nLocal*" + local.toUtf8();
        tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"),
                      "Enter below" + (shareFirst ? shareLine + localLine : localLine + shareLine));
    }
};

struct Window
{
    QtHost host;
    Module1 module{host};
    MainForm& form = module.mainForm();
    std::unique_ptr<MainWindow> window;

    Window()
    {
        form.Load();
        window = std::make_unique<MainWindow>(form, host.scale());
        window->show();
        form.Activate();
    }
    QString status() const { return form.Label_FileStatus.Caption(); }
};

TEST(SlowShareWindow, AnswersWhileAReadIsSlowOrHangsAndMovesOnAtOnce)
{
    Share share(20, false);
    ASSERT_TRUE(share.mount->ok()) << share.mount->error();
    const std::pair<const char*, std::function<bool()>> rows[] = {
        {"two seconds an operation", [&] { return share.mount->setDelay(2000); }},
        {"hung", [&] { return share.mount->hang(); }}};
    for (const auto& [name, slowDown] : rows) {
        SCOPED_TRACE(name);
        // A window whose check of the favorites is done: one that found the share not answering
        // would ask before opening it.
        Window w;
        ASSERT_EQ(w.form.DirList.Path(), share.local);
        ASSERT_TRUE(waitFor([&] { return w.host.workers().busy() == 0; }, 5000));
        ASSERT_TRUE(slowDown());
        EXPECT_LT(msTaken([&] { w.form.FavoDirList.setListIndex(1); }), 1000);
        EXPECT_EQ(w.form.DirList.Path(), share.folder);
        EXPECT_TRUE(waitFor([&] { return w.status() == share.folder + " is not answering"; }, 5000))
            << w.status().toStdString();
        EXPECT_EQ(w.form.DirList.Note(), "not answering");
        // Another favorite opens at once; the end of the share's read is dropped.
        EXPECT_LT(msTaken([&] { w.form.FavoDirList.setListIndex(0); }), 1000);
        EXPECT_EQ(w.form.FileList.ListCount(), 1);
        ASSERT_TRUE(share.mount->release() && share.mount->setDelay(0));
        EXPECT_TRUE(waitFor([&] { return w.host.workers().busy() == 0; }, 30000));
        EXPECT_EQ(w.form.DirList.Path(), share.local);
        EXPECT_EQ(w.form.FileList.ListCount(), 1);
    }
}

TEST(SlowShareWindow, AStartFolderThatHangsGivesAWorkingWindowAndChangeDriveListsAtOnce)
{
    Share share(3, false);
    ASSERT_TRUE(share.mount->ok()) << share.mount->error();
    share.tmp.writeFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"),
                        "[Settings]\nUseDefaultPath=1\nDefaultPath=" + share.folder.toUtf8() + "\n");
    ASSERT_TRUE(share.mount->hang());
    std::unique_ptr<Window> w;
    EXPECT_LT(msTaken([&] { w = std::make_unique<Window>(); }), 1500);
    EXPECT_EQ(w->form.FavoDirList.ListCount(), 2);
    EXPECT_EQ(w->form.DirList.Path(), share.folder);
    EXPECT_TRUE(waitFor([&] { return w->status() == share.folder + " is not answering"; }, 5000));
    EXPECT_LT(msTaken([&] { w->form.FavoDirList.setListIndex(0); }), 1000);
    EXPECT_EQ(w->form.FileList.ListCount(), 1);
    // The volumes are listed at once while one of them hangs.
    ChangeDriveForm& drive = w->module.changeDriveForm();
    EXPECT_LT(msTaken([&] { drive.Load(); }), 1500);
    EXPECT_GT(drive.Drives.ListCount(), 0);
    drive.Unload();
    ASSERT_TRUE(share.mount->release());
}

TEST(SlowShareWindow, ASlowFolderFillsInAsItsNamesCome)
{
    Share share(20000, false, 500);
    ASSERT_TRUE(share.mount->ok()) << share.mount->error();
    Window w;
    ASSERT_TRUE(share.mount->setDelay(200));
    QElapsedTimer since;
    since.start();
    EXPECT_LT(msTaken([&] { w.form.FavoDirList.setListIndex(1); }), 1000);
    ASSERT_TRUE(waitFor([&] { return w.form.FileList.ListCount() > 0; }, 20000));
    const qint64 firstNames = since.elapsed();
    EXPECT_EQ(w.form.FileList.State(), FileList::ReadState::Reading);
    // The tree fills in the same way.
    ASSERT_TRUE(waitFor([&] { return w.form.DirList.ListCount() > 0; }, 20000));
    EXPECT_TRUE(w.form.DirList.Reading());
    ASSERT_TRUE(waitFor([&] { return w.form.FileList.State() == FileList::ReadState::Done; }, 60000));
    EXPECT_EQ(w.form.FileList.ListCount(), 20000);
    EXPECT_EQ(w.form.DirList.ListCount(), 500);
    EXPECT_EQ(w.form.DirList.List(0), share.folder + "/d0");
    EXPECT_EQ(w.form.FileList.List(0), "f0.txt");
    EXPECT_EQ(w.form.FileList.List(1), "f1.txt");
    std::printf("first names after %lld ms, all after %lld ms\n", static_cast<long long>(firstNames),
                static_cast<long long>(since.elapsed()));
}

TEST(SlowShareProgram, SigtermWhileAReadHangsSavesAndEnds)
{
    Share share(3, true);
    ASSERT_TRUE(share.mount->ok()) << share.mount->error();
    ASSERT_TRUE(share.mount->hang());
    QProcess program;
    ASSERT_TRUE(StartDrivenProgram(program)) << program.readAllStandardError().toStdString();

    const qint64 pid = program.processId();
    ASSERT_EQ(::kill(pid_t(pid), SIGTERM), 0);
    // A worker stuck on the share may keep the process until the share answers; its main
    // thread ends all the same.
    const QDeadlineTimer deadline(2000);
    while (!mainThreadEnded(pid) && !deadline.hasExpired())
        program.waitForFinished(20);
    EXPECT_TRUE(mainThreadEnded(pid)) << "the main thread still runs 2 s after SIGTERM";
    EXPECT_TRUE(share.tmp.readFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"))
                    .contains("\r\n-*-\r\n"));
    share.mount->release();
    program.waitForFinished(10000);
}

} // namespace

// The real program, ended by a signal with unsaved edits, saves them as Exit does. A small
// library preloaded into it makes the edits through its menus and says when they are made.

#include "core/tempfolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(SessionEnd, EachEndSignalSavesTheUnsavedFavoritesAndSettings)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(strsignal(signal));
        TempFolder tmp;
        const QByteArray home = tmp.home().toUtf8();
        const QByteArray unedited = "Enter below\r\nA*" + home;
        tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"), unedited);
        tmp.writeFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"), "# mine\n[Settings]\n");

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(SESSION_DRIVER));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::SeparateChannels);
        program.start(QStringLiteral(WAYFOLDER_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted(10000));

        const QDeadlineTimer deadline(30000);
        QByteArray output;
        while (!output.contains("ready") && program.state() == QProcess::Running && !deadline.hasExpired()) {
            program.waitForReadyRead(int(deadline.remainingTime()));
            output += program.readAllStandardOutput();
        }
        ASSERT_TRUE(output.contains("ready")) << program.readAllStandardError().toStdString();
        EXPECT_EQ(tmp.readFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat")), unedited)
            << "saved before the signal";

        ASSERT_EQ(::kill(pid_t(program.processId()), signal), 0);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitCode(), 0);

        EXPECT_TRUE(tmp.readFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"))
                        .endsWith("\r\nA*" + home + "\r\n-*-"));
        const QByteArray settings = tmp.readFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"));
        EXPECT_TRUE(settings.startsWith("# mine\n[Settings]\nUseSavedStartPosition=True\n"))
            << settings.toStdString();
    }
}

TEST(SessionEnd, AFileChangedFromTheShellMeanwhileIsMergedWithoutAQuestion)
{
    TempFolder tmp;
    const QByteArray home = tmp.home().toUtf8();
    tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"), "Enter below\r\nA*" + home);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    QProcessEnvironment driven = environment;
    driven.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(SESSION_DRIVER));
    program.setProcessEnvironment(driven);
    program.start(QStringLiteral(WAYFOLDER_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    QByteArray output;
    const QDeadlineTimer deadline(30000);
    while (!output.contains("ready") && program.state() == QProcess::Running && !deadline.hasExpired()) {
        program.waitForReadyRead(int(deadline.remainingTime()));
        output += program.readAllStandardOutput();
    }
    ASSERT_TRUE(output.contains("ready"));

    const QString shellFolder = tmp.makeFolder(QStringLiteral("home/From shell"));
    QProcess add;
    add.setProcessEnvironment(environment);
    add.start(QStringLiteral(WAYFOLDER_PROGRAM), {QStringLiteral("--add"), shellFolder});
    ASSERT_TRUE(add.waitForFinished(10000));
    ASSERT_EQ(add.exitCode(), 0);

    ASSERT_EQ(::kill(pid_t(program.processId()), SIGTERM), 0);
    ASSERT_TRUE(program.waitForFinished(10000)) << "a question kept the program up";
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray saved = tmp.readFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"));
    EXPECT_TRUE(saved.contains("\r\n-*-")) << "the window's edit";
    EXPECT_TRUE(saved.contains("From shell*" + shellFolder.toUtf8())) << "the shell's favorite";
    const QStringList copies = QDir(tmp.dataFolder()).entryList({QStringLiteral("FavoDirs.dat.merged-*")});
    EXPECT_EQ(copies.size(), 1);
}

} // namespace

// The real program, ended by a signal with unsaved edits, saves them as Exit does. A small
// library preloaded into it makes the edits through its menus and says when they are made.

#include "core/tempfolder.h"

#include <QDeadlineTimer>
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

} // namespace

// The real program, ended by a signal with unsaved edits, saves them as Exit does; a favorites
// file changed from the shell meanwhile is merged without a question.

#include "core/tempfolder.h"
#include "drivenprogram.h"

#include <QDir>
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
        ASSERT_TRUE(StartDrivenProgram(program)) << program.readAllStandardError().toStdString();
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
    tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"),
                  "Enter below\r\nA*" + tmp.home().toUtf8());
    QProcess program;
    ASSERT_TRUE(StartDrivenProgram(program));

    const QString shellFolder = tmp.makeFolder(QStringLiteral("home/From shell"));
    QProcess add;
    add.start(QStringLiteral(WAYFOLDER_PROGRAM), {QStringLiteral("--add"), shellFolder});
    ASSERT_TRUE(add.waitForFinished(10000));
    ASSERT_EQ(add.exitCode(), 0);

    ASSERT_EQ(::kill(pid_t(program.processId()), SIGTERM), 0);
    ASSERT_TRUE(program.waitForFinished(10000)) << "a question kept the program up";
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray saved = tmp.readFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"));
    EXPECT_TRUE(saved.contains("\r\n-*-")) << "the window's edit";
    EXPECT_TRUE(saved.contains("From shell*" + shellFolder.toUtf8())) << "the shell's favorite";
    EXPECT_EQ(QDir(tmp.dataFolder()).entryList({QStringLiteral("FavoDirs.dat.merged-*")}).size(), 1);
}

} // namespace

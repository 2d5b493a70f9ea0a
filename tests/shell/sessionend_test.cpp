// The real program, ended by a signal with unsaved edits, saves them as Exit does; a favorites
// file changed from the shell meanwhile is merged without a question.

#include "core/tempfolder.h"
#include "drivenprogram.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(SessionEnd, EachEndSignalSavesTheUnsavedEditsMergingAFavoriteAddedFromTheShell)
{
    for (const auto& [signal, shellAdds] : {std::pair{SIGTERM, true}, {SIGHUP, false}, {SIGINT, false}}) {
        SCOPED_TRACE(strsignal(signal));
        TempFolder tmp;
        const QString favorites = QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat");
        const QByteArray home = tmp.home().toUtf8();
        const QByteArray unedited = "Enter below\r\nA*" + home;
        tmp.writeFile(favorites, unedited);
        tmp.writeFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"), "# mine\n[Settings]\n");
        QProcess program;
        ASSERT_TRUE(StartDrivenProgram(program)) << program.readAllStandardError().toStdString();
        EXPECT_EQ(tmp.readFile(favorites), unedited) << "saved before the signal";
        const QString shellFolder = tmp.makeFolder(QStringLiteral("home/From shell"));
        if (shellAdds) {
            QProcess add;
            add.start(QStringLiteral(WAYFOLDER_PROGRAM), {QStringLiteral("--add"), shellFolder});
            ASSERT_TRUE(add.waitForFinished(10000));
            ASSERT_EQ(add.exitCode(), 0);
        }

        ASSERT_EQ(::kill(pid_t(program.processId()), signal), 0);
        ASSERT_TRUE(program.waitForFinished(30000)) << "a question kept the program up";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << program.readAllStandardError().toStdString();
        EXPECT_EQ(program.exitCode(), 0);
        const QByteArray saved = tmp.readFile(favorites);
        const QByteArray added = shellAdds ? "\r\nFrom shell*" + shellFolder.toUtf8() : QByteArray();
        EXPECT_TRUE(saved.endsWith("\r\nA*" + home + "\r\n-*-" + added)) << saved.toStdString();
        EXPECT_EQ(QDir(tmp.dataFolder()).entryList({QStringLiteral("FavoDirs.dat.merged-*")}).size(),
                  shellAdds ? 1 : 0);
        const QByteArray settings = tmp.readFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"));
        EXPECT_TRUE(settings.startsWith("# mine\n[Settings]\nUseSavedStartPosition=True\n"))
            << settings.toStdString();
    }
}

} // namespace

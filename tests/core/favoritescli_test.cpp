// The favorites command line, run in-process on a temporary home: what it prints, what it
// writes, and that it writes nothing else (failed writes and files that are not files: tests/cli).

#include "core/cli/favoritescli.h"
#include "core/formats/favoritesio.h"
#include "tempfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

struct Cli
{
    TempFolder tmp;
    QString out;
    QString err;

    std::optional<int> run(QStringList args)
    {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        args.prepend(QStringLiteral("wayfolder"));
        return runFavoritesCommand(args, o, e);
    }
    QString file(int n = 1) const { return FavoritesIo::FilePath(tmp.dataFolder(), int16_t(n)); }
    void write(const QByteArray& bytes, int n = 1) const
    {
        tmp.writeFile(QFileInfo(file(n)).absoluteFilePath().mid(tmp.path().size() + 1), bytes);
    }
    QByteArray read(int n = 1) const
    {
        QFile f(file(n));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    /// Every file below the temporary folder with its size and time, to prove nothing else changed.
    QStringList snapshot() const
    {
        QStringList files;
        QDirIterator it(tmp.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            files << info.filePath() + QString::number(info.size()) +
                         QString::number(info.lastModified().toMSecsSinceEpoch());
        }
        files.sort();
        return files;
    }
};

const QByteArray kFile = "Enter below: x\r\n"
                         "Work*/srv/work\r\n"
                         "-*-\r\n"
                         "workshop*/srv/shop**  *.txt\r\n"
                         "Music*/home/u/Music***.mp3\r\n"
                         "Mus B*/home/u/mb";

} // namespace

TEST(FavoritesCli, ReadingCommandsAndWrongArgumentsPrintAndTouchNothing)
{
    Cli cli;
    cli.write(kFile);
    cli.write("Fyll i nedan\r\nTre*/tre", 3);
    const QStringList before = cli.snapshot();
    // clang-format off
    struct Row { QStringList args; std::optional<int> code; const char* out; const char* err; };
    const Row rows[] = {
        {{}, {}, "", ""}, {{"/some/folder"}, {}, "", ""}, {{"--help"}, {}, "", ""}, {{"--", "--list"}, {}, "", ""},
        {{"--list"}, 0, "Work\t/srv/work\t\nworkshop\t/srv/shop\t  *.txt\nMusic\t/home/u/Music\t*.mp3\nMus B\t/home/u/mb\t\n", ""},
        {{"--list", "--set", "3"}, 0, "Tre\t/tre\t\n", ""},
        {{"--path=Work"}, 0, "/srv/work\n", ""},
        {{"--path", "WORK"}, 0, "/srv/work\n", ""},  // equal ignoring case beats the longer prefix match
        {{"--path", "works"}, 0, "/srv/shop\n", ""}, // unique prefix
        {{"--path", "Mus B"}, 0, "/home/u/mb\n", ""},
        {{"--path", "mus"}, 1, "", "Several favorites start with \"mus\":\n\tMusic\t/home/u/Music\n\tMus B\t/home/u/mb\n"},
        {{"--path", "-"}, 1, "", "No favorite is named \"-\"\n"}, // separators never match
        {{"--path", "Nope"}, 1, "", "No favorite is named \"Nope\"\n"},
        // Wrong arguments: exit code 2 and a message that starts so.
        {{"--list", "--path", "Work"}, 2, "", "Give only one of"},
        {{"--list", "--set", "6"}, 2, "", "--set takes"},
        {{"--list", "--set", "x"}, 2, "", "--set takes"},
        {{"--list", "--name", "n"}, 2, "", "--name and --filter belong"},
        {{"--path"}, 2, "", ""},
        {{"--list", "--bogus"}, 2, "", ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        EXPECT_EQ(cli.run(row.args), row.code);
        EXPECT_EQ(cli.out, row.out);
        EXPECT_TRUE(row.code == 2 ? cli.err.startsWith(row.err) && !cli.err.isEmpty() : cli.err == row.err)
            << cli.err.toStdString();
    }
    EXPECT_EQ(cli.snapshot(), before);

    // The file the program starts with is the default.
    cli.tmp.writeFile("home/.config/Wayfolder/Wayfolder.ini", "[Settings]\nDefaultFavoFile=3\n");
    EXPECT_EQ(cli.run({"--list"}), 0);
    EXPECT_EQ(cli.out, "Tre\t/tre\t\n");
}

TEST(FavoritesCli, AMissingOrEmptyFileGivesTheDefaultFavoriteAndOnlyAnAddCreatesTheChosenSet)
{
    Cli cli;
    EXPECT_EQ(cli.run({"--list"}), 0);
    EXPECT_EQ(cli.out, "Home\t" + cli.tmp.home() + "\t\n");
    EXPECT_FALSE(QFileInfo::exists(cli.file()));
    const QString folder = cli.tmp.makeFolder("home/x");
    EXPECT_EQ(cli.run({"--add", folder, "--name", "X", "--set", "4"}), 0);
    EXPECT_EQ(cli.read(4), FavoHeaderEnglish.toUtf8() + "\r\nHome*" + cli.tmp.home().toUtf8() + "\r\nX*" +
                               folder.toUtf8());
    EXPECT_FALSE(QFileInfo::exists(cli.file(1)));
    cli.write("Enter below: x\r\n\r\n");
    EXPECT_EQ(cli.run({"--path", "home"}), 0);
    EXPECT_EQ(cli.out, cli.tmp.home() + "\n");
}

TEST(FavoritesCli, AddAppendsWithTheDialogsChecksAndWritesOnlyTheFavoritesFile)
{
    Cli cli;
    cli.write("Fyll i nedan: x\r\nWork*/srv/work");
    const QString folder = cli.tmp.makeFolder("home/my docs");
    EXPECT_EQ(cli.run({"--add", folder + "/", "--filter", "*.odt"}), 0);
    EXPECT_EQ(cli.read(),
              FavoHeaderSwedish.toUtf8() + "\r\nWork*/srv/work\r\nmy docs*" + folder.toUtf8() + "***.odt");
    EXPECT_TRUE(cli.out.startsWith("Lade till \"my docs\""));
    EXPECT_EQ(cli.run({"--path", "my"}), 0);
    EXPECT_EQ(cli.out, folder + "\n");

    const QStringList before = cli.snapshot();
    // clang-format off
    struct Row { QStringList args; const char* err; };
    // clang-format on
    const Row refused[] = {
        {{"--add", cli.tmp.path("nowhere")}, "Foldern \""},
        {{"--add", folder, "--name", ""}, "Favoritens namn är tomt"},
        {{"--add", folder, "--name", "a*b"}, "Namnet, sökvägen eller filtret"},
        {{"--add", folder, "--filter", "a**b"}, "Namnet, sökvägen eller filtret"},
        {{"--add", folder, "--name", "two\nlines"}, "Namnet, sökvägen eller filtret"},
    };
    for (const Row& row : refused) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        EXPECT_EQ(cli.run(row.args), 1);
        EXPECT_TRUE(cli.err.startsWith(row.err)) << cli.err.toStdString();
    }
    EXPECT_EQ(cli.snapshot(), before);
}

TEST(FavoritesCli, AFaultyFileIsListedUpToTheFaultButNeverAppendedTo)
{
    Cli cli;
    const QByteArray faulty = "Enter below\r\nA*/a\r\nno star here\r\nB*/b";
    cli.write(faulty);
    EXPECT_EQ(cli.run({"--list"}), 1);
    EXPECT_EQ(cli.out, "A\t/a\t\n");
    EXPECT_TRUE(cli.err.contains("faulty line 3")) << cli.err.toStdString();
    EXPECT_EQ(cli.run({"--add", cli.tmp.home()}), 1);
    EXPECT_EQ(cli.read(), faulty);
}

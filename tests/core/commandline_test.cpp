// The command line: what each argument asks for, and the folder it names opened at start.

#include "appfixture.h"
#include "core/cli/commandline.h"
#include "core/system/filename.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// clang-format off
struct ParseRow { const char* name; QStringList arguments; bool swedish; CommandLine::Action action; int exitCode;
                  QString outputStart; QString errorsStart; QString startPath; };
// clang-format on

} // namespace

TEST(CommandLine, EachArgumentGivesItsActionTextsAndStartPath)
{
    using A = CommandLine::Action;
    const QString cwd = QDir::currentPath();
    const QString usage = QStringLiteral("Usage: wayfolder [options] [folder]\n");
    // clang-format off
    const std::vector<ParseRow> rows{
        {"no argument", {}, false, A::Start, 0, {}, {}, {}},
        {"version", {"--version"}, false, A::Exit, 0, "Wayfolder 2.7.0\n", {}, {}},
        {"short version", {"-v"}, true, A::Exit, 0, "Wayfolder 2.7.0\n", {}, {}},
        {"help", {"--help"}, false, A::Exit, 0, usage, {}, {}},
        {"help wins over a folder", {"-h", "/tmp"}, false, A::Exit, 0, usage, {}, {}},
        {"unknown option", {"--bogus", "-x"}, false, A::Exit, 2, {}, "Unknown option: --bogus, -x\n\n" + usage, {}},
        {"unknown option in Swedish", {"--bogus"}, true, A::Exit, 2, {}, "Okänd flagga: --bogus\n\nAnvändning: ", {}},
        {"two folders", {"/a", "/b"}, false, A::Exit, 2, {}, "Only one folder can be given: /a /b\n", {}},
        {"remote URL", {"sftp://host/x"}, false, A::Exit, 2, {}, "Only local folders and file:// URLs", {}},
        {"absolute folder is cleaned", {"/tmp/x/../y/"}, false, A::Start, 0, {}, {}, "/tmp/y"},
        {"relative folder", {"sub"}, false, A::Start, 0, {}, {}, cwd + "/sub"},
        {"file URL is decoded", {"file:///tmp/a%20b"}, false, A::Start, 0, {}, {}, "/tmp/a b"},
        {"a dash name after --", {"--", "-dash"}, false, A::Start, 0, {}, {}, cwd + "/-dash"},
    };
    // clang-format on
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        const CommandLine result =
            CommandLine::Parse(QStringList{"/usr/bin/wayfolder"} + row.arguments, row.swedish);
        EXPECT_EQ(result.action, row.action);
        EXPECT_EQ(result.ExitCode, row.exitCode);
        EXPECT_TRUE(result.Output.startsWith(row.outputStart)) << result.Output.toStdString();
        EXPECT_EQ(result.Output.isEmpty(), row.outputStart.isEmpty());
        EXPECT_TRUE(result.Errors.startsWith(row.errorsStart)) << result.Errors.toStdString();
        EXPECT_EQ(result.Errors.isEmpty(), row.errorsStart.isEmpty());
        EXPECT_EQ(result.StartPath, row.startPath);
    }
}

TEST(CommandLine, HelpNamesEveryOptionInBothLanguages)
{
    for (const bool swedish : {false, true}) {
        const QString help = CommandLine::Parse({"wayfolder", "--help"}, swedish).Output;
        EXPECT_TRUE(help.contains("-h, --help")) << swedish;
        EXPECT_TRUE(help.contains("-v, --version")) << swedish;
        for (const char* command : {"--list", "--path", "--add", "--name", "--filter", "--set"})
            EXPECT_TRUE(help.contains(command)) << command << swedish;
        for (const QString& line : help.split('\n'))
            EXPECT_LE(line.size(), 79) << line.toStdString();
    }
}

namespace {

struct CommandLineStart : AppFixture
{
    QString work = tmp.makeFolder("home/work");
    QString other = tmp.makeFolder("home/other");
    CommandLineStart()
    {
        tmp.writeFile("home/other/a.doc", "");
        tmp.writeFile("home/other/b.txt", "");
        // The first favorite's filter would hide b.txt; the saved startup folder is `work`.
        writeFavoFile("Enter below: x\r\nWork*" + work.toUtf8() + "***.doc");
        writeSettings("UseDefaultPath=1\nDefaultPath=" + work.toUtf8() + "\nDefaultFilter=txt\n");
    }
};

} // namespace

TEST(CommandLine, ANamedFolderOrFileOpensForThisRunOnlyFromItsBytesAndAMissingOneIsReported)
{
    // clang-format off
    struct Row { const char* name; const char* path; const char* opened; const char* selected; };
    const Row rows[] = {
        {"folder: opens in place of the startup folder, without the filter", "other", "other", ""},
        {"file: its folder opens with the file selected", "other/b.txt", "other", "b.txt"},
        {"missing: reported, and the usual start follows", "gone", "work", ""},
        {"folder whose name is not UTF-8", "other/caf\xe9", "other/caf\xe9", ""},
        {"file in it", "other/caf\xe9/\xff.txt", "other/caf\xe9", "\xff.txt"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CommandLineStart app;
        const QByteArray home = QFile::encodeName(app.tmp.home()) + '/';
        ASSERT_EQ(mkdir((home + "other/caf\xe9").constData(), 0700), 0);
        app.tmp.touch("home/other/caf\xe9/\xff.txt");
        QByteArray argument = home + row.path;
        char* argv[] = {const_cast<char*>("wayfolder"), argument.data()};
        app.form.CommandLinePath = CommandLine::Parse(CommandLine::Arguments(2, argv), false).StartPath;
        const bool missing = QByteArray(row.path) == "gone";
        if (missing)
            app.host.answer("OK");
        app.start();
        ASSERT_EQ(app.host.messages.size(), missing ? 1u : 0u);
        if (missing) {
            EXPECT_TRUE(app.host.messages[0].prompt.contains(app.form.CommandLinePath));
        }
        EXPECT_EQ(FileNameToBytes(app.form.DirList.Path()), home + row.opened);
        EXPECT_EQ(app.form.FileFind.Text(), missing ? "txt" : "");
        const int selected = app.form.FileList.ListIndex();
        EXPECT_EQ(selected >= 0 ? FileNameToBytes(app.form.FileList.List(selected)) : QByteArray(),
                  QByteArray(row.selected));
        if (&row == &rows[0]) {
            EXPECT_EQ(app.files(), (QStringList{"a.doc", "b.txt"}));
        }
        app.exit();
        EXPECT_TRUE(app.host.settingWrites.empty());
    }
}

// The command line: what each argument asks for, and the folder it names opened at start.

#include "appfixture.h"
#include "core/cli/commandline.h"
#include "core/system/filename.h"

#include <QDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(CommandLine, ANamedFolderOrFileOpensForThisRunOnlyAndAMissingOneIsReported)
{
    // clang-format off
    struct Row { const char* name; const char* path; bool missing; const char* selected; };
    const Row rows[] = {
        {"folder: opens in place of the startup folder, without the filter", "other", false, nullptr},
        {"file: its folder opens with the file selected", "other/b.txt", false, "b.txt"},
        {"missing: reported, and the usual start follows", "gone", true, nullptr},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CommandLineStart app;
        app.form.CommandLinePath = app.tmp.path("home/" + QString::fromUtf8(row.path));
        if (row.missing)
            app.host.answer("OK");
        app.start();
        ASSERT_EQ(app.host.messages.size(), row.missing ? 1u : 0u);
        if (row.missing) {
            EXPECT_TRUE(app.host.messages[0].prompt.contains(app.form.CommandLinePath));
        }
        EXPECT_EQ(app.form.DirList.Path(), row.missing ? app.work : app.other);
        EXPECT_EQ(app.form.FileFind.Text(), row.missing ? "txt" : "");
        const int selected = app.form.FileList.ListIndex();
        EXPECT_EQ(selected >= 0 ? app.form.FileList.List(selected) : QString(),
                  QString::fromUtf8(row.selected));
        if (!row.missing && !row.selected) {
            EXPECT_EQ(app.files(), (QStringList{"a.doc", "b.txt"}));
        }
        app.exit();
        EXPECT_TRUE(app.host.settingWrites.empty());
    }
}

TEST(CommandLine, NameThatIsNotUtf8OpensFromTheArgumentsBytes)
{
    // clang-format off
    const struct { const char* name; const char* argument; const char* selected; } rows[] = {
        {"folder", "/caf\xe9", nullptr},
        {"file in it", "/caf\xe9/\xff.txt", "\xff.txt"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CommandLineStart app;
        const QByteArray folder = QFile::encodeName(app.other) + "/caf\xe9";
        ASSERT_EQ(mkdir(folder.constData(), 0700), 0);
        ::close(::open((folder + "/\xff.txt").constData(), O_CREAT | O_WRONLY, 0600));
        QByteArray argument = QFile::encodeName(app.other) + row.argument;
        char* argv[] = {const_cast<char*>("wayfolder"), argument.data()};
        app.form.CommandLinePath = CommandLine::Parse(CommandLine::Arguments(2, argv), false).StartPath;
        app.start();
        EXPECT_TRUE(app.host.messages.empty());
        EXPECT_EQ(FileNameToBytes(app.form.DirList.Path()), folder);
        const int selected = app.form.FileList.ListIndex();
        EXPECT_EQ(selected >= 0 ? FileNameToBytes(app.form.FileList.List(selected)) : QByteArray(),
                  QByteArray(row.selected));
    }
}

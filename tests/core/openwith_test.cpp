// When the desktop's opener fails, the user is told and offered the programs whose desktop
// entries declare the file's type, or a command of their own; each starts with an argument list.

#include "appfixture.h"
#include "core/dialogs/aboutform.h"
#include "core/dialogs/openwithform.h"
#include "core/dialogs/openwithtexts.h"
#include "core/system/desktopentries.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct OpenWithApp : AppFixture
{
    QString work = tmp.makeFolder("home/work");

    OpenWithApp()
    {
        // Only the test's own entries: no system folder takes part. The home folder puts them back.
        qputenv("XDG_DATA_DIRS", tmp.path("system/share").toUtf8());
        qputenv("XDG_CONFIG_DIRS", tmp.path("system/xdg").toUtf8());
        // The desktop's MIME database, found through the same folders; no applications come with it.
        QDir().mkpath(tmp.path("system/share"));
        QFile::link("/usr/share/mime", tmp.path("system/share/mime"));
        tmp.writeFile("home/work/notes.txt", "hello\n");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
        app("home/.local/share/applications/zed.desktop", "Zed Editor", "/bin/true --new %F", "text/plain;");
        app("home/.local/share/applications/kinds/alpha.desktop", "Alpha", "/bin/echo %u", "text/plain;");
        app("system/share/applications/viewer.desktop", "Viewer", "true %f", "");
        app("system/share/applications/term.desktop", "Term Edit", "/bin/true %f", "text/plain;",
            "Terminal=true\n");
        app("system/share/applications/gone.desktop", "Gone", "no-such-program-here %f", "text/plain;");
        app("system/share/applications/removed.desktop", "Removed", "/bin/true %f", "text/plain;");
        app("system/share/applications/hidden.desktop", "Hidden", "/bin/true %f", "text/plain;",
            "Hidden=true\n");
        app("system/share/applications/html.desktop", "Browser", "/bin/true %u", "text/html;");
        tmp.writeFile("system/share/applications/mimeinfo.cache",
                      "[MIME Cache]\ntext/plain=viewer.desktop;gone.desktop;\n");
        tmp.writeFile("home/.config/mimeapps.list", "[Default Applications]\ntext/plain=kinds-alpha.desktop\n"
                                                    "[Removed Associations]\ntext/plain=removed.desktop;\n");
    }
    void app(const char* file, const char* name, const char* exec, const char* mime, const char* extra = "")
    {
        tmp.writeFile(file, QByteArray("[Desktop Entry]\nType=Application\nName=") + name + "\nName[sv]=" +
                                name + " (sv)\nExec=" + exec + "\nMimeType=" + mime + "\n" + extra);
    }
    void openNotes()
    {
        selectFile("notes.txt");
        form.FileList_DblClick();
    }
};

TEST(OpenWith, ExecLinesFillTheirFieldCodes)
{
    const QString file = "/data/my file.txt";
    struct Row
    {
        const char* exec;
        QString target;
        QStringList arguments; // empty program expected when the list is empty
    };
    const Row rows[] = {
        {"/bin/true %f", file, {file}},
        {"/bin/true --new %F", file, {"--new", file}},
        {"/bin/true %u", file, {"file:///data/my%20file.txt"}},
        {"/bin/true %U %i %c %k", file, {"file:///data/my%20file.txt"}},
        {"/bin/true --open=%f", file, {"--open=" + file}},
        {"/bin/true 100%%", file, {"100%", file}},
        {"/bin/true", file, {file}},
        {"\"/bin/true\" \"a b\" %u", "https://example.org/x?a=1", {"a b", "https://example.org/x?a=1"}},
        {"/bin/true %f", "https://example.org/", {"https://example.org/"}},
        {"true %f", file, {file}},
        {"\"/bin/true\" \"%f\"", file, {file}},
        {"sh -c \"cat %f\"", file, {"-c", "cat \"$1\"", "sh", file}},
        {"/bin/true \"--open=%f\"", file, {}}, // a code inside a quoted argument
        {"\"/bin/true %f", file, {}},          // unclosed quote
        {"no-such-program-here %f", file, {}},
        {"", file, {}},
    };
    for (const Row& row : rows) {
        const DesktopEntries::Command command = DesktopEntries::FromExecLine(row.exec, row.target);
        EXPECT_EQ(command.arguments, row.arguments) << row.exec;
        EXPECT_EQ(command.program.isEmpty(), row.arguments.isEmpty()) << row.exec;
    }
}

TEST(OpenWith, MimeTypesOfFilesAndAddresses)
{
    OpenWithApp app;
    const QStringList text = OpenWithForm::MimeTypesOf(app.work + "/notes.txt");
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(text.first(), "text/plain");
    EXPECT_TRUE(text.contains("application/octet-stream"));
    EXPECT_EQ(OpenWithForm::MimeTypesOf("https://example.org/a.htm"),
              QStringList({"x-scheme-handler/https", "text/html"}));
    EXPECT_EQ(OpenWithForm::MimeTypesOf("mailto:a@b.example"), QStringList({"x-scheme-handler/mailto"}));
}

TEST(OpenWith, FailedOpenAsksInTheUsersLanguageNoDeclinesYesOffersTheListAndStartsTheChoice)
{
    OpenWithApp app;
    app.start();
    const QString path = app.work + "/notes.txt";
    app.module.SwedishLanguage = true;
    app.openNotes();
    app.host.answer("Nej");
    app.host.finishOpen(false);
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_EQ(app.host.messages[0].title, OpenWithText::FailedTitle.swedish);
    EXPECT_TRUE(app.host.startedProcesses.empty());

    app.module.SwedishLanguage = false;
    app.openNotes();
    ASSERT_EQ(app.host.shellOpened, std::vector<QString>(2, path));
    EXPECT_EQ(app.host.messages.size(), 1u); // nothing said before the opener's verdict
    app.host.answer("Yes");
    app.onDialog<OpenWithForm>("OpenWithForm", [&](OpenWithForm& f) {
        // The default, the others declared for the type by name, then the rest; programs for a
        // terminal, hidden or not installed are left out.
        EXPECT_EQ(f.List_Programs.Items(),
                  QStringList({"Alpha", "Viewer", "Zed Editor", "Browser", "Removed"}));
        EXPECT_FALSE(f.Command_Open.Enabled());
        f.List_Programs.setListIndex(2);
        EXPECT_EQ(f.Text_Command.Text(), "/bin/true --new %F");
        EXPECT_TRUE(f.Command_Open.Enabled());
        f.Command_Open_Click();
    });
    app.host.finishOpen(false);
    ASSERT_EQ(app.host.messages.size(), 2u);
    EXPECT_EQ(app.host.messages[1].prompt,
              OpenWithText::Failed1.text(false) + "notes.txt" + OpenWithText::Failed2.text(false));
    EXPECT_EQ(app.host.messages[1].style, MsgStyle::YesNo);
    ASSERT_EQ(app.host.startedProcesses.size(), 1u);
    EXPECT_EQ(app.host.startedProcesses[0].first, "/bin/true");
    EXPECT_EQ(app.host.startedProcesses[0].second, QStringList({"--new", path}));
    EXPECT_TRUE(app.host.scriptsDone());
}

TEST(OpenWith, TypedCommandIsSplitNeverShelledAndReportedWhenItFails)
{
    OpenWithApp app;
    app.start();
    const QString path = app.work + "/notes.txt";
    app.host.processesStart = true;
    app.onDialog<OpenWithForm>("OpenWithForm", [&](OpenWithForm& f) {
        app.host.answer("OK");
        f.Text_Command.setText("no-such-program-here --x");
        f.Command_Open_Click();
        EXPECT_TRUE(f.IsLoaded());
        app.host.answer("OK");
        app.host.processesStart = false;
        f.Text_Command.setText("/bin/true 'a b' ; rm -rf x");
        f.Command_Open_Click();
        EXPECT_TRUE(f.IsLoaded());
        app.host.processesStart = true;
        int16_t enter = KeyCode::Enter;
        f.Text_Command_KeyPress(enter);
    });
    OpenWithForm form(app.module, path);
    form.ShowModal();
    ASSERT_EQ(app.host.messages.size(), 2u);
    EXPECT_TRUE(app.host.messages[0].prompt.endsWith(OpenWithText::NotFound2.english));
    EXPECT_TRUE(app.host.messages[1].prompt.endsWith(OpenWithText::NotStarted2.english));
    ASSERT_EQ(app.host.startedProcesses.size(), 2u);
    EXPECT_EQ(app.host.startedProcesses[1].second, QStringList({"'a", "b'", ";", "rm", "-rf", "x", path}));
    EXPECT_FALSE(form.IsLoaded());
}

TEST(OpenWith, AFileOfAnUnknownTypeIsOfferedEveryProgramThatTakesFilesWithASearch)
{
    OpenWithApp app;
    app.app("system/share/applications/menuless.desktop", "Menuless", "/bin/true %f", "", "NoDisplay=true\n");
    app.app("system/share/applications/plain.desktop", "Plain", "/bin/true --no-file", "");
    app.app("system/share/applications/pic.desktop", "Pictures", "/bin/true %U", "", "Icon=image-viewer\n");
    app.tmp.writeFile("home/work/data.qqq", QByteArray("\x01\x02\xff\x00", 4));
    app.start();
    // clang-format off
    const struct { const char* search; QStringList shown; int pick; const char* command; } rows[] = {
        {"",    {"Alpha", "Browser", "Pictures", "Removed", "Viewer", "Zed Editor"}, 2, "/bin/true %U"},
        {"E",   {"Browser", "Pictures", "Removed", "Viewer", "Zed Editor"},          4, "/bin/true --new %F"},
        {"zed", {"Zed Editor"},                                                       0, "/bin/true --new %F"},
        {"xyz", {},                                                                  -1, ""},
    };
    // clang-format on
    app.onDialog<OpenWithForm>("OpenWithForm", [&](OpenWithForm& f) {
        EXPECT_TRUE(f.Label_Prompt.Caption().startsWith("No program is set up for \"data.qqq\""));
        for (const auto& row : rows) {
            SCOPED_TRACE(row.search);
            f.Text_Command.setText(QString());
            f.Text_Search.setText(row.search);
            EXPECT_EQ(f.List_Programs.Items(), row.shown);
            f.List_Programs.setListIndex(int16_t(row.pick));
            EXPECT_EQ(f.Text_Command.Text(), row.command);
        }
        f.Text_Search.setText("pict");
        EXPECT_EQ(f.List_Programs.ItemIcon(0), "image-viewer");
        f.Command_Cancel_Click();
    });
    OpenWithForm form(app.module, app.work + "/data.qqq");
    form.ShowModal();
    EXPECT_TRUE(app.host.scriptsDone());
}

TEST(OpenWith, HomePageWithoutABrowserIsOfferedToo)
{
    OpenWithApp app;
    app.start();
    app.module.SwedishLanguage = true; // the programs' Swedish names are shown
    AboutForm& about = app.module.aboutForm();
    about.WebServer = "https://updates.test";
    const QString homePage = "https://updates.test/dl/Wayfolder.htm";
    app.host.answer("Ja"); // the failed download's offer of the home page
    about.CheckUpdate_Click();
    ASSERT_EQ(app.host.shellOpened, std::vector<QString>{homePage});

    app.host.answer("Ja");
    app.onDialog<OpenWithForm>("OpenWithForm", [&](OpenWithForm& f) {
        EXPECT_EQ(f.List_Programs.Items(), QStringList({"Browser (sv)", "Alpha (sv)"}));
        f.List_Programs.setListIndex(0);
        f.List_Programs_DblClick();
    });
    app.host.finishOpen(false);
    ASSERT_EQ(app.host.messages.size(), 2u);
    EXPECT_EQ(app.host.messages[1].prompt.section('\n', 1, 1), homePage);
    ASSERT_EQ(app.host.startedProcesses.size(), 1u);
    EXPECT_EQ(app.host.startedProcesses[0].second, QStringList({homePage}));
}

} // namespace

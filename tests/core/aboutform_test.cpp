// The About box: its captions in both languages, the e-mail link, and the update check's reading
// of the version file and its messages, on the scripted host and its scripted web.

#include "about/aboutform.h"
#include "about/versionfile.h"
#include "appfixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString joinLines(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* line : lines)
        list.append(QString::fromUtf8(line));
    return list.join(u'\n');
}

const QString EnglishDescription = joinLines({
    "This is a simple file manager which allows you to save Favorite folders as shortcuts in a list.",
    "",
    "Features:",
    "    You can have up to 5 different Favorites Lists.",
    "    A filter can be entered so only selected files are shown in the Files list.",
    "    Any selected folder in the Folders list can be opened with Windows Explorer.",
    "    Any file in the Files list can be opened as usual by a double click.",
    "    Any change of Favorite List is saved at Exit.",
    "",
    "Some of the Menu items are:",
    "   Save Path and Filter as default, either current or last opened before Exit.",
    "   Select Language (English or Swedish).",
    "   Save any open Folder including Filter setting as a Favorite.",
    "   Edit the Favorites list.",
    "   Edit the Favorites data file.",
    "   Undo changes.",
    "",
    "",
});

const QString SwedishDescription = joinLines({
    "Detta är en enkel filhanterare som låter dej spara Favoritfoldrar som genvägar i en lista.",
    "",
    "Funktioner:",
    "    Du kan ha upp till 5 olika Favoritlistor.",
    "    Ett filter kan anges så att endast valda filer visas i Fil-listan.",
    "    En markerad folder i Folderlistan kan öppnas med Windows Explorer.",
    "    Alla filer i Fillistan kan öppnas som vanligt med dubbelclick.",
    "    Alla ändringar i Favoritlistan sparas när programmet stängs.",
    "",
    "Några Menufunktioner är:",
    "   Spara sökväg och filter att visas vid nästa start, antingen nuvarande eller senaste vid Exit.",
    "   Byt språk (Engelska eller Svenska).",
    "   Spara en öppen folder inklusive Filter som en Favorit.",
    "   Redigera Favoritlista.",
    "   Redigera Favoritdatafil.",
    "   Ångra gjorda ändringar.",
    "",
    "",
});

struct AboutFixture : AppFixture
{
    AboutForm& about = module.aboutForm();

    AboutFixture()
    {
        start();
        about.WebServer = QStringLiteral("https://updates.test");
    }
    QString versionUrl() const { return QStringLiteral("https://updates.test/dl/swv.txt"); }
    QString homePage() const { return QStringLiteral("https://updates.test/dl/Wayfolder.htm"); }
    QString localFile() const { return tmp.home() + QStringLiteral("/.cache/Wayfolder/versions.txt"); }
};

} // namespace

TEST(AboutBox, CaptionsFollowTheLanguageAtEachLoadAndAnEnglishLoadRestoresTheDesignCaptions)
{
    AboutFixture app;
    struct Row
    {
        bool swedish;
        const char* caption;
        const char* checkUpdate;
        const char* close;
        const QString& description;
    };
    // Swedish first: the English load after it must not keep the Swedish button captions.
    const Row rows[] = {
        {true, "Om Wayfolder", "Sök efter Uppdateringar", "Stäng", SwedishDescription},
        {false, "About Wayfolder", "Check for Updates", "Close", EnglishDescription},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.swedish ? "Swedish" : "English");
        app.module.SwedishLanguage = row.swedish;
        app.host.onModal("AboutForm", [&](Form&) {
            EXPECT_EQ(app.about.Caption(), QString::fromUtf8(row.caption));
            EXPECT_EQ(app.about.lblTitle.Caption(), "Wayfolder");
            EXPECT_EQ(app.about.lblVersion.Caption(), "Version 2.7.0");
            EXPECT_EQ(app.about.lblDescription.Caption(), row.description);
            EXPECT_EQ(app.about.CheckUpdate.Caption(), QString::fromUtf8(row.checkUpdate));
            EXPECT_EQ(app.about.cmdOK.Caption(), QString::fromUtf8(row.close));
            EXPECT_EQ(app.about.lblEmail.Caption(), AboutForm::AuthorEmail());
            EXPECT_TRUE(app.about.cmdOK.HasFocus());
            app.about.cmdOK.RaiseClick();
        });
        app.form.Menu_About.RaiseClick();
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_FALSE(app.about.IsLoaded());
    }
    // The same version, as the main window's caption and the update check know it.
    EXPECT_EQ(app.module.AppVersion, "2.7");
    EXPECT_TRUE(app.about.cmdOK.Default());
    EXPECT_TRUE(app.about.cmdOK.Cancel());
    EXPECT_FALSE(app.about.CheckUpdate.Default());
    EXPECT_FALSE(app.about.CheckUpdate.Cancel());
}

TEST(AboutBox, OpensCentredOverTheMainWindow)
{
    AboutFixture app;
    app.form.Move(3000, 1500, app.form.Width(), app.form.Height());
    app.about.Load();
    // Centres agree to the rounding of a half twip.
    EXPECT_NEAR(app.about.Left() + app.about.Width() / 2.0, 3000 + app.form.Width() / 2.0, 1.0);
    EXPECT_NEAR(app.about.Top() + app.about.Height() / 2.0, 1500 + app.form.Height() / 2.0, 1.0);
    EXPECT_EQ(app.about.Width() - 90, AboutForm::ClientWidth);
    EXPECT_EQ(app.about.Height() - 375, AboutForm::ClientHeight);
}

TEST(AboutBox, MailtoAddressGetsOnePrefixAndJoinsSubjectAndBody)
{
    struct Row
    {
        const char* name;
        const char* address;
        const char* subject;
        const char* body;
        const char* expected;
    };
    const Row rows[] = {
        {"plain address", "me@example.org", "", "", "mailto:me@example.org"},
        {"lower-case prefix kept", "mailto:me@example.org", "", "", "mailto:me@example.org"},
        {"upper-case prefix kept", "MAILTO:me@example.org", "", "", "MAILTO:me@example.org"},
        {"mixed-case prefix kept", "MailTo:me@example.org", "", "", "MailTo:me@example.org"},
        {"prefix only later in the text", "x mailto:me", "", "", "mailto:x mailto:me"},
        {"shorter than the prefix", "mail", "", "", "mailto:mail"},
        {"empty address", "", "", "", "mailto:"},
        {"subject only", "me@example.org", "Wayfolder", "", "mailto:me@example.org?subject=Wayfolder"},
        {"body only joins with ?", "me@example.org", "", "Hi there", "mailto:me@example.org?body=Hi there"},
        {"subject and body join with &", "me@example.org", "Wayfolder", "Hi",
         "mailto:me@example.org?subject=Wayfolder&body=Hi"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AboutForm::MailtoAddress(QString::fromUtf8(row.address), QString::fromUtf8(row.subject),
                                           QString::fromUtf8(row.body)),
                  QString::fromUtf8(row.expected))
            << row.name;
}

TEST(AboutBox, EmailLinkOpensAMessageToTheAuthorAboutTheProgram)
{
    AboutFixture app;
    app.about.Load();
    app.about.lblEmail.RaiseClick();
    ASSERT_EQ(app.host.shellOpened.size(), 1u);
    EXPECT_EQ(app.host.shellOpened[0], "mailto:" + AboutForm::AuthorEmail() + "?subject=Wayfolder");
    EXPECT_TRUE(app.about.OpenEmail(QStringLiteral("a@b.c")));
    app.host.processesStart = false;
    EXPECT_FALSE(app.about.OpenEmail(QStringLiteral("a@b.c")));
}

TEST(AboutBox, BuiltInAddressesAreUsableDefaults)
{
    EXPECT_TRUE(AboutForm::BuiltInWebServer().startsWith("https://"));
    EXPECT_FALSE(AboutForm::BuiltInWebServer().endsWith("/"));
    EXPECT_TRUE(AboutForm::AuthorEmail().contains(u'@'));
    AboutFixture app;
    EXPECT_EQ(AboutForm(app.module).WebServer, AboutForm::BuiltInWebServer());
}

TEST(VersionFileItems, SplitAtCommasAndLineEndsWithQuotesAndBlanks)
{
    struct Row
    {
        const char* name;
        const char* text;
        QStringList items;
    };
    const Row rows[] = {
        {"empty text", "", {}},
        {"one item", "Wayfolder:2.7", {"Wayfolder:2.7"}},
        {"commas", "a,b,c", {"a", "b", "c"}},
        {"blanks around items dropped", "  a  ,\tb\t, c", {"a", "b", "c"}},
        {"blanks inside kept", "a b , c  d", {"a b", "c  d"}},
        {"CR LF, CR and LF end items", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"last line end adds nothing", "a,b\r\n", {"a", "b"}},
        {"empty items between commas", "a,,b", {"a", "", "b"}},
        {"trailing comma adds nothing", "a,", {"a"}},
        {"empty line is an empty item", "a\n\nb", {"a", "", "b"}},
        {"quotes hold commas and go", "\"a,b\",c", {"a,b", "c"}},
        {"quoted blanks kept", "\" a \",b", {" a ", "b"}},
        {"text after the closing quote ignored", "\"a\"xyz,b", {"a", "b"}},
        {"unclosed quote runs to the end", "x,\"a,b", {"x", "a,b"}},
        {"quote inside an item stays", "a\"b,c", {"a\"b", "c"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(VersionFile::Items(QString::fromUtf8(row.text)), row.items) << row.name;
}

TEST(VersionFileItems, ProgramItemIsTheFirstHoldingTheTitleInAnyCase)
{
    struct Row
    {
        const char* name;
        QByteArray bytes;
        std::optional<QString> item;
    };
    const Row rows[] = {
        {"second item of the line", "x,Wayfolder:9.9", QStringLiteral("Wayfolder:9.9")},
        {"upper case", "Other:1\r\nWAYFOLDER:3\r\n", QStringLiteral("WAYFOLDER:3")},
        {"first of two", "wayfolder:1,Wayfolder:2", QStringLiteral("wayfolder:1")},
        {"title inside a longer item", "get MyWayfolderTool:4", QStringLiteral("get MyWayfolderTool:4")},
        {"quoted", "\"Wayfolder: 2,8\"", QStringLiteral("Wayfolder: 2,8")},
        {"Windows-1252 bytes", "\xE5\xE4\xF6,Wayfolder:3", QStringLiteral("Wayfolder:3")},
        {"no item names it", "Other:1,Another:2", std::nullopt},
        {"title split by a comma", "Way,folder:3", std::nullopt},
        {"empty file", "", std::nullopt},
        {"only line ends", "\r\n\r\n", std::nullopt},
        {"binary garbage", QByteArray("\x00\xFF\x89PNG\r\n\x1A\n\x00\x00", 12), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(VersionFile::FindProgramItem(row.bytes, QStringLiteral("Wayfolder")), row.item) << row.name;
}

TEST(VersionFileItems, NewestVersionIsTheNumberAfterTheFirstColon)
{
    struct Row
    {
        const char* name;
        const char* item;
        const char* newest;
        bool newerThan27;
    };
    const Row rows[] = {
        {"higher minor", "Wayfolder:2.8", "2.8", true},
        {"more decimals, higher value", "Wayfolder:2.71", "2.71", true},
        {"equal", "Wayfolder:2.7", "2.7", false},
        {"equal with trailing zero", "Wayfolder:2.70", "2.70", false},
        {"2.10 is a lower number", "Wayfolder:2.10", "2.10", false},
        {"whole number", "WAYFOLDER:3", "3", true},
        {"older", "Wayfolder:1.9", "1.9", false},
        {"three parts read to the second point", "Wayfolder:2.7.5", "2.7.5", false},
        {"blank after the colon", "Wayfolder: 2.9", " 2.9", true},
        {"comma is no decimal point", "Wayfolder:2,9", "2,9", false},
        {"only the first colon splits", "Wayfolder:v:9", "v:9", false},
        {"no colon: the whole item, no number", "Wayfolder", "Wayfolder", false},
        {"nothing after the colon", "Wayfolder:", "", false},
    };
    for (const Row& row : rows) {
        const QString newest = VersionFile::NewestVersionText(QString::fromUtf8(row.item));
        EXPECT_EQ(newest, QString::fromUtf8(row.newest)) << row.name;
        EXPECT_EQ(VersionFile::IsNewer(newest, QStringLiteral("2.7")), row.newerThan27) << row.name;
    }
}

TEST(VersionFileItems, ComparisonIgnoresTheLocalesDecimalComma)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_TRUE(VersionFile::IsNewer(QStringLiteral("2.71"), QStringLiteral("2.7")));
    EXPECT_FALSE(VersionFile::IsNewer(QStringLiteral("2.7"), QStringLiteral("2.71")));
    QLocale::setDefault(saved);
}

TEST(UpdateCheck, EachOutcomeShowsItsMessageInBothLanguages)
{
    const char* const question[] = {"Goto the Program Homepage for info ?",
                                    "Gå till programmets hemsida för info ?"};
    struct Row
    {
        const char* name;
        std::optional<std::optional<QByteArray>> web; // missing: the server has no file
        const char* english;
        const char* swedish;
        int16_t style;
    };
    const Row rows[] = {
        {"download failed", std::nullopt, "Web Datafile not found.", "Web datafil kunde inte hittas.", 4},
        {"downloaded file missing", std::optional<QByteArray>(), "Downloaded Datafile not foud.",
         "Den nedladdade datafilen kunde inte hittas.", 4},
        {"empty file", QByteArray(), "Data for this program not found.", "Data för detta program saknas.", 4},
        {"garbled file", QByteArray("\x00\x01\xFE\xFF,,\"\r\n\x7F", 10), "Data for this program not found.",
         "Data för detta program saknas.", 4},
        {"no item names the program", QByteArray("Other:9.9,Another:1"), "Data for this program not found.",
         "Data för detta program saknas.", 4},
        {"newer version", QByteArray("x,Wayfolder:9.9"), "A newer version  ( 9.9 )  is available.",
         "En ny version  ( 9.9 )  finns.", 4},
        {"newer in upper case", QByteArray("WAYFOLDER:3\r\n"), "A newer version  ( 3 )  is available.",
         "En ny version  ( 3 )  finns.", 4},
        {"same version", QByteArray("Wayfolder:2.7"), "This is the latest version.",
         "Detta är den senaste versionen.", 0},
        {"item without a version", QByteArray("Wayfolder"), "This is the latest version.",
         "Detta är den senaste versionen.", 0},
    };
    for (const Row& row : rows) {
        for (const bool swedish : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (swedish ? " (Swedish)" : " (English)"));
            AboutFixture app;
            app.module.SwedishLanguage = swedish;
            if (row.web)
                app.host.web[app.versionUrl()] = *row.web;
            app.host.answer(QString::fromUtf8(row.style == 0 ? "OK" : swedish ? "Nej" : "No"));
            app.about.CheckUpdate_Click();

            ASSERT_EQ(app.host.messages.size(), 1u);
            const TestHost::Message& message = app.host.messages[0];
            EXPECT_EQ(message.title, swedish ? "Nuvarande version: 2.7" : "Current Version: 2.7");
            QString prompt = QString::fromUtf8(swedish ? row.swedish : row.english);
            if (row.style != 0)
                prompt += "\n\n" + QString::fromUtf8(question[swedish]);
            EXPECT_EQ(message.prompt, prompt);
            EXPECT_EQ(message.style, row.style);
            EXPECT_TRUE(app.host.shellOpened.empty());
            EXPECT_EQ(app.host.downloads, std::vector<QString>{app.versionUrl()});
        }
    }
}

TEST(UpdateCheck, HomePageOpensOnAnyAnswerButNo)
{
    struct Row
    {
        const char* name;
        std::function<void(TestHost&)> answer;
        bool opened;
    };
    const Row rows[] = {
        {"Yes", [](TestHost& host) { host.answer("Yes"); }, true},
        {"No", [](TestHost& host) { host.answer("No"); }, false},
        // The close control answers as the rightmost button, No.
        {"closed by the window system", [](TestHost& host) { host.answerByClosing(); }, false},
    };
    for (const QByteArray& file : {QByteArray("Wayfolder:9.9"), QByteArray("nothing here")}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name + (" on " + file.toStdString()));
            AboutFixture app;
            app.host.web[app.versionUrl()] = file;
            row.answer(app.host);
            app.about.CheckUpdate_Click();
            EXPECT_EQ(app.host.shellOpened,
                      row.opened ? std::vector<QString>{app.homePage()} : std::vector<QString>{});
        }
    }
    // Also after a failed download.
    AboutFixture app;
    app.host.answer("Yes");
    app.about.CheckUpdate_Click();
    EXPECT_EQ(app.host.shellOpened, std::vector<QString>{app.homePage()});
}

TEST(UpdateCheck, VersionFileGoesToTheCacheFolderWhichIsMadeOnlyWhenMissing)
{
    AboutFixture app;
    const QString cache = app.tmp.home() + "/.cache/Wayfolder";
    ASSERT_FALSE(QFileInfo::exists(cache));
    app.host.web[app.versionUrl()] = QByteArray("Wayfolder:2.7");
    app.host.answer("OK");
    app.about.CheckUpdate_Click();
    EXPECT_TRUE(QFileInfo(cache).isDir());
    EXPECT_EQ(app.tmp.readFile("home/.cache/Wayfolder/versions.txt"), "Wayfolder:2.7");

    // An existing folder is reused with what else it holds, and the file replaced.
    app.tmp.writeFile("home/.cache/Wayfolder/other.txt", "keep");
    app.host.web[app.versionUrl()] = QByteArray("Wayfolder:3");
    app.host.answer("No");
    app.about.CheckUpdate_Click();
    EXPECT_EQ(app.tmp.readFile("home/.cache/Wayfolder/other.txt"), "keep");
    EXPECT_EQ(app.tmp.readFile("home/.cache/Wayfolder/versions.txt"), "Wayfolder:3");
    EXPECT_EQ(app.host.messages.back().prompt.left(24), "A newer version  ( 3 )  ");
}

TEST(UpdateCheck, BuiltInServerIsAskedByDefault)
{
    AboutFixture app;
    app.about.WebServer = AboutForm::BuiltInWebServer();
    app.host.answer("No");
    app.about.CheckUpdate_Click();
    EXPECT_EQ(app.host.downloads, std::vector<QString>{AboutForm::BuiltInWebServer() + "/dl/swv.txt"});
}

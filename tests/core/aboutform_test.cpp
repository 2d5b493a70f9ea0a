// The About box: its captions in both languages, the e-mail link, and the update check's reading
// of the version file and its messages, on the scripted host and its scripted web.

#include "appfixture.h"
#include "core/dialogs/aboutform.h"
#include "core/dialogs/abouttexts.h"
#include "core/formats/versionfile.h"

#include <gtest/gtest.h>

namespace {

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
};

} // namespace

TEST(AboutBox, OpensCentredOverTheMainWindowAndItsEmailLinkWritesToTheAuthorAboutTheProgram)
{
    AboutFixture app;
    app.form.Move(3000, 1500, app.form.Width(), app.form.Height());
    app.about.Load();
    // Centres agree to the rounding of a half twip.
    EXPECT_NEAR(app.about.Left() + app.about.Width() / 2.0, 3000 + app.form.Width() / 2.0, 1.0);
    EXPECT_NEAR(app.about.Top() + app.about.Height() / 2.0, 1500 + app.form.Height() / 2.0, 1.0);
    EXPECT_EQ(app.about.Width() - 90, AboutForm::ClientWidth);
    EXPECT_EQ(app.about.Height() - 375, AboutForm::ClientHeight);

    app.about.lblEmail.RaiseClick();
    EXPECT_EQ(app.host.shellOpened,
              std::vector<QString>{"mailto:" + AboutForm::AuthorEmail() + "?subject=Wayfolder"});
}

TEST(AboutBox, MailtoAddressGetsOnePrefixAndJoinsSubjectAndBody)
{
    // clang-format off
    struct Row { const char* name; const char* address; const char* subject; const char* body; const char* expected; };
    const Row rows[] = {
        {"plain address", "me@example.org", "", "", "mailto:me@example.org"},
        {"lower-case prefix kept", "mailto:me@example.org", "", "", "mailto:me@example.org"},
        {"upper-case prefix kept", "MAILTO:me@example.org", "", "", "MAILTO:me@example.org"},
        {"prefix only later in the text", "x mailto:me", "", "", "mailto:x mailto:me"},
        {"empty address", "", "", "", "mailto:"},
        {"body only joins with ?", "me@example.org", "", "Hi there", "mailto:me@example.org?body=Hi there"},
        {"subject and body join with &", "me@example.org", "Wayfolder", "Hi", "mailto:me@example.org?subject=Wayfolder&body=Hi"},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(AboutForm::MailtoAddress(QString::fromUtf8(row.address), QString::fromUtf8(row.subject),
                                           QString::fromUtf8(row.body)),
                  QString::fromUtf8(row.expected))
            << row.name;
}

TEST(VersionFileItems, SplitAtCommasAndLineEndsWithQuotesAndBlanks)
{
    // clang-format off
    struct Row { const char* name; const char* text; QStringList items; };
    // clang-format on
    const Row rows[] = {
        {"empty text", "", {}},
        {"blanks around items dropped", "  a  ,\tb\t, c", {"a", "b", "c"}},
        {"blanks inside kept", "a b , c  d", {"a b", "c  d"}},
        {"CR LF, CR and LF end items", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"last line end adds nothing", "a,b\r\n", {"a", "b"}},
        {"empty items between commas", "a,,b", {"a", "", "b"}},
        {"trailing comma adds nothing", "a,", {"a"}},
        {"quotes hold commas and go", "\"a,b\",c", {"a,b", "c"}},
        {"text after the closing quote ignored", "\"a\"xyz,b", {"a", "b"}},
        {"unclosed quote runs to the end", "x,\"a,b", {"x", "a,b"}},
        {"quote inside an item stays", "a\"b,c", {"a\"b", "c"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(VersionFile::Items(QString::fromUtf8(row.text)), row.items) << row.name;
}

TEST(VersionFileItems, ProgramItemIsTheFirstHoldingTheTitleInAnyCase)
{
    // clang-format off
    struct Row { const char* name; QByteArray bytes; std::optional<QString> item; };
    // clang-format on
    const Row rows[] = {
        {"second item of the line", "x,Wayfolder:9.9", QStringLiteral("Wayfolder:9.9")},
        {"upper case", "Other:1\r\nWAYFOLDER:3\r\n", QStringLiteral("WAYFOLDER:3")},
        {"title inside a longer item", "get MyWayfolderTool:4", QStringLiteral("get MyWayfolderTool:4")},
        {"quoted", "\"Wayfolder: 2,8\"", QStringLiteral("Wayfolder: 2,8")},
        {"Windows-1252 bytes", "\xE5\xE4\xF6,Wayfolder:3", QStringLiteral("Wayfolder:3")},
        {"no item names it", "Other:1,Another:2", std::nullopt},
        {"title split by a comma", "Way,folder:3", std::nullopt},
        {"empty file", "", std::nullopt},
        {"binary garbage", QByteArray("\x00\xFF\x89PNG\r\n\x1A\n\x00\x00", 12), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(VersionFile::FindProgramItem(row.bytes, QStringLiteral("Wayfolder")), row.item) << row.name;
}

TEST(VersionFileItems, NewestVersionIsTheNumberAfterTheFirstColon)
{
    // clang-format off
    struct Row { const char* name; const char* item; const char* newest; bool newerThan27; };
    // clang-format on
    const Row rows[] = {
        {"higher minor", "Wayfolder:2.8", "2.8", true},
        {"more decimals, higher value", "Wayfolder:2.71", "2.71", true},
        {"equal", "Wayfolder:2.7", "2.7", false},
        {"2.10 is a lower number", "Wayfolder:2.10", "2.10", false},
        {"whole number", "WAYFOLDER:3", "3", true},
        {"three parts read to the second point", "Wayfolder:2.7.5", "2.7.5", false},
        {"blank after the colon", "Wayfolder: 2.9", " 2.9", true},
        {"comma is no decimal point", "Wayfolder:2,9", "2,9", false},
        {"only the first colon splits", "Wayfolder:v:9", "v:9", false},
        {"no colon: the whole item, no number", "Wayfolder", "Wayfolder", false},
    };
    for (const Row& row : rows) {
        const QString newest = VersionFile::NewestVersionText(QString::fromUtf8(row.item));
        EXPECT_EQ(newest, QString::fromUtf8(row.newest)) << row.name;
        EXPECT_EQ(VersionFile::IsNewer(newest, QStringLiteral("2.7")), row.newerThan27) << row.name;
    }
}

TEST(VersionFileItems, ComparisonIsExactForNumbersOfAnyLength)
{
    const QString nines400(400, u'9');
    const QString long60k = "2.7" + QString(60000, u'0') + "1";
    // clang-format off
    struct Row { const char* name; QString newest, current; bool newer; };
    // clang-format on
    const Row rows[] = {
        {"400 nines", nines400, "2.7", true},
        {"400 nines against itself", nines400, nines400, false},
        {"one more in the last place", nines400 + "9", nines400, true},
        {"a fraction 60,000 digits long", long60k, "2.7", true},
        {"leading and trailing zeros", "002.700", "2.7", false},
        {"zero against nothing", "0.0", "x", false},
        {"negative numbers", "-3", "-2.5", false},
        {"minus zero", "-0", "0", false},
        {"positive against negative", "0.1", "-9", true},
        {"more decimals", "2.71", "2.7", true},
        {"fewer decimals", "2.7", "2.71", false},
    };
    const QLocale saved; // a locale's decimal comma changes nothing
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Swedish, QLocale::Sweden)}) {
        QLocale::setDefault(locale);
        for (const Row& row : rows)
            EXPECT_EQ(VersionFile::IsNewer(row.newest, row.current), row.newer)
                << row.name << " " << locale.name().toStdString();
    }
    QLocale::setDefault(saved);
}

TEST(UpdateCheck, EachOutcomeShowsItsMessageInBothLanguages)
{
    namespace T = AboutFormText;
    const QByteArray hidden =
        QString::fromUtf16(u"Wayfolder:9.9\u202Etxt.exe\u2066\u200F\x07\x1B[2J").toUtf8();
    // The message is `text`, then `shown` (the newest version, the local copy's reason), and the
    // question whether to open the home page unless the program is up to date.
    // clang-format off
    struct Row { const char* name; std::optional<std::optional<QByteArray>> web; const Bilingual& text; QString shown; };
    const Row rows[] = {
        {"download failed", std::nullopt, T::WebFileNotFound, {}},
        {"downloaded file missing", std::optional<QByteArray>(), T::DownloadedFileNotFound, {}},
        {"empty file", QByteArray(), T::ProgramDataNotFound, {}},
        {"garbled file", QByteArray("\x00\x01\xFE\xFF,,\"\r\n\x7F", 10), T::ProgramDataNotFound, {}},
        {"newer version", QByteArray("x,Wayfolder:9.9"), T::NewerVersionBefore, "9.9"},
        {"control and bidi characters not shown", hidden, T::NewerVersionBefore, "9.9txt.exe[2J"},
        {"same version", QByteArray("Wayfolder:2.7"), T::LatestVersion, {}},
        {"item without a version", QByteArray("Wayfolder"), T::LatestVersion, {}},
        {"local copy not written", QByteArray("Wayfolder:9.9"), T::LocalCopyNotWritten1, "\nNot a directory"},
    };
    // clang-format on
    for (const Row& row : rows) {
        for (const bool sv : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (sv ? " (Swedish)" : " (English)"));
            AboutFixture app;
            app.module.SwedishLanguage = sv;
            if (row.shown.startsWith(u'\n'))
                app.tmp.writeFile("home/.cache/Wayfolder", "a file where the folder belongs");
            if (row.web)
                app.host.web[app.versionUrl()] = *row.web;
            const bool latest = &row.text == &T::LatestVersion;
            app.host.answer(latest ? "OK" : sv ? "Ja" : "No"); // Yes opens the home page, No does not
            app.about.CheckUpdate_Click();

            ASSERT_EQ(app.host.messages.size(), 1u);
            const TestHost::Message& message = app.host.messages[0];
            EXPECT_EQ(message.title, T::TitlePrefix.text(sv) + "2.7");
            EXPECT_TRUE(message.prompt.startsWith(row.text.text(sv))) << message.prompt.toStdString();
            EXPECT_TRUE(message.prompt.contains(row.shown)) << message.prompt.toStdString();
            EXPECT_EQ(message.prompt.endsWith("\n\n" + T::GotoHomePage.text(sv)), !latest);
            EXPECT_EQ(message.style, latest ? MsgStyle::OKOnly : MsgStyle::YesNo);
            EXPECT_EQ(app.host.shellOpened,
                      sv && !latest ? std::vector<QString>{app.homePage()} : std::vector<QString>{});
            EXPECT_EQ(app.host.downloads, std::vector<QString>{app.versionUrl()});
            if (row.web && *row.web && !row.shown.startsWith(u'\n')) { // the copy goes to the cache folder
                EXPECT_EQ(app.tmp.readFile("home/.cache/Wayfolder/versions.txt"), **row.web);
            }
        }
    }
}

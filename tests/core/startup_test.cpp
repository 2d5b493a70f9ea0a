// Start and exit of the main window: the settings read at load, the language of a first start,
// the first activation, and what is written back at unload or at the end of the session.

#include "appfixture.h"
#include "core/mainform/startfoldertexts.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

QStringList written(const TestHost& host)
{
    QStringList pairs;
    for (const auto& [key, value] : host.settingWrites)
        pairs << key + "=" + value;
    return pairs;
}

int centredLeft(const AppFixture& app)
{
    return 28800 / 2 - app.form.Width() / 2;
}

int centredTop(const AppFixture& app)
{
    return int(std::lround(16200 / 2.0f - float(app.form.Height()) / 2.0f));
}

QSize size(const AppFixture& app)
{
    return {app.form.Width(), app.form.Height()};
}

const QSize designSize(MainForm::ClientWidth + MainForm::FrameWidth,
                       MainForm::ClientHeight + MainForm::FrameHeight);

} // namespace

TEST(Startup, StoredValuesOutsideTheirMeaningReadAsDefaults)
{
    // clang-format off
    struct Row { const char* ini; int16_t favoFile, mode; bool savedPosition; };
    // clang-format on
    const Row rows[] = {
        {"DefaultFavoFile=3\n", 3, 0, false},
        {"DefaultFavoFile= 2x\n", 2, 0, false},
        {"DefaultFavoFile=7\n", 1, 0, false},
        {"DefaultFavoFile=0\n", 1, 0, false},
        {"DefaultFavoFile=abc\n", 1, 0, false},
        {"DefaultFavoFile=99999999\n", 1, 0, false},
        {"UseDefaultPath=2\nDefaultPath=/nonexistent-wayfolder\n", 1, 2, false},
        {"UseDefaultPath=5\n", 1, 0, false},
        {"UseDefaultPath=-1\n", 1, 0, false},
        {"UseDefaultPath=yes\n", 1, 0, false},
        {"UseSavedStartPosition=true\n", 1, 0, true},
        {"UseSavedStartPosition=-1\n", 1, 0, true},
        {"UseSavedStartPosition=False\nStartWidth=20000\nStartHeight=9000\n", 1, 0, false},
        {"UseSavedStartPosition=maybe\n", 1, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ini);
        AppFixture app;
        app.writeSettings(row.ini);
        if (row.mode != 0)
            app.host.answer("OK"); // the missing startup folder
        app.start();
        EXPECT_EQ(app.form.CurFavoFile, row.favoFile);
        EXPECT_EQ(app.form.StartFolderMode, row.mode);
        EXPECT_EQ(app.form.Menu_StartPosition.Checked(), row.savedPosition);
        EXPECT_TRUE(app.form.Menu_FavoFile(row.favoFile).Checked());
        EXPECT_EQ(size(app), designSize); // a stored size counts only with the check mark
        EXPECT_TRUE(app.host.scriptsDone());
    }
}

TEST(Startup, SavedPositionAndSizeAreUsedOnlyWhenOnAScreenAndUsable)
{
    // A second screen to the right of the first, lower down.
    const std::vector<QRect> twoScreens{QRect(0, 0, 28800, 16200), QRect(28800, 3000, 19200, 14400)};
    const std::vector<QRect> one{QRect(0, 0, 28800, 16200)};
    // clang-format off
    struct Row { const char* ini; std::vector<QRect> screens; std::optional<QPoint> at; QSize size = designSize; }; // at: nothing is centred
    const Row rows[] = {
        {"StartPosX=1500\nStartPosY=900", one, QPoint(1500, 900)},
        {"StartPosX=0\nStartPosY=0", one, QPoint(0, 0)},
        {"StartPosX=1500.4\nStartPosY=899.6", one, QPoint(1500, 900)},
        {"StartPosX=-40000\nStartPosY=900", one, std::nullopt},
        {"StartPosX=1500\nStartPosY=99999", one, std::nullopt},
        {"StartPosX=28500\nStartPosY=900", one, std::nullopt},
        {"StartPosX=1500\nStartPosY=-300", one, std::nullopt},
        // A missing edge, or one without a number, reads as 0.
        {"StartPosY=900", one, QPoint(0, 900)},
        {"StartPosX=1500", one, QPoint(1500, 0)},
        {"StartPosX=abc\nStartPosY=900", one, QPoint(0, 900)},
        // On the second screen; below the first screen's bottom but on the second; off both.
        {"StartPosX=30000\nStartPosY=4000", twoScreens, QPoint(30000, 4000)},
        {"StartPosX=30000\nStartPosY=16000", twoScreens, QPoint(30000, 16000)},
        {"StartPosX=30000\nStartPosY=1000", twoScreens, std::nullopt},
        {"StartPosX=30000\nStartPosY=4000", one, std::nullopt},
        // A stored size is used when both edges are numbers that fit.
        {"StartWidth=20000\nStartHeight=9000", one, QPoint(0, 0), QSize(20000, 9000)},
        {"StartWidth=20000", one, QPoint(0, 0)},
        {"StartWidth=abc\nStartHeight=9000", one, QPoint(0, 0)},
        {"StartWidth=-5\nStartHeight=9000", one, QPoint(0, 0)},
        {"StartWidth=20000\nStartHeight=99999999999", one, QPoint(0, 0)},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.ini) + (row.screens.size() > 1 ? " (two screens)" : ""));
        AppFixture app;
        app.host.screens = row.screens;
        app.writeSettings(QByteArray("UseSavedStartPosition=True\n") + row.ini + "\n");
        app.start();
        const QPoint at = row.at.value_or(QPoint(centredLeft(app), centredTop(app)));
        EXPECT_EQ(QPoint(app.form.Left(), app.form.Top()), at);
        EXPECT_EQ(size(app), row.size);
    }
}

TEST(Startup, PositionAndSizeAreWrittenOnlyWithTheCheckMarkAndWhenTheyChanged)
{
    const QByteArray saved = "UseSavedStartPosition=True\nStartPosX=1500\nStartPosY=900\n";
    const auto move = [](AppFixture& app, int x, int y, int width = 0, int height = 0) {
        app.form.Move(x, y, width ? width : app.form.Width(), height ? height : app.form.Height());
    };
    const auto check = [](AppFixture& app, bool on) { app.form.Menu_StartPosition.setChecked(on); };
    // clang-format off
    struct Row { const char* name; QByteArray ini; std::function<void(AppFixture&)> run; QStringList written; };
    const Row rows[] = {
        {"no check mark: a moved, resized window stores nothing", {}, [&](AppFixture& app) { move(app, 100, 200, 20000, 9000); }, {}},
        {"check mark set during the run", {}, [&](AppFixture& app) { check(app, true); move(app, 1500, 900); }, {"UseSavedStartPosition=True", "StartPosX=1500", "StartPosY=900"}},
        {"saved position, window not moved", saved, [](AppFixture&) {}, {}},
        {"closed while minimised: the stored position stays", saved, [&](AppFixture& app) { app.form.setMinimized(true); move(app, -32000, -32000); }, {}},
        {"check mark toggled twice", {}, [&](AppFixture& app) { check(app, true); check(app, false); }, {}},
        {"resized with the check mark", saved, [&](AppFixture& app) { move(app, 1500, 900, 20000, 9000); }, {"StartWidth=20000", "StartHeight=9000"}},
        {"only the height changed", saved + "StartWidth=20000\nStartHeight=9000\n", [&](AppFixture& app) { move(app, 1500, 900, 20000, 8000); }, {"StartHeight=8000"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppFixture app;
        if (!row.ini.isEmpty())
            app.writeSettings(row.ini);
        app.start();
        row.run(app);
        app.exit();
        EXPECT_EQ(written(app.host), row.written);
    }
}

TEST(Startup, ExitFolderModeStoresTheHighlightedFolderAndTheFilterOnlyWhenTheyChanged)
{
    for (const bool change : {true, false}) {
        SCOPED_TRACE(change ? "changed" : "as read");
        AppFixture app;
        const QString start = app.tmp.makeFolder("home/docs/letters").chopped(8);
        app.writeSettings("UseDefaultPath=2\nDefaultPath=" + start.toUtf8() + "\nDefaultFilter=txt\n");
        app.start();
        EXPECT_EQ(app.form.DirList.Path(), start);
        EXPECT_EQ(app.form.FileFind.Text(), "txt");
        EXPECT_TRUE(app.form.Menu_UseExitPath.Checked());
        if (change) {
            app.form.DirList.setListIndex(0); // highlight "letters" without opening it
            app.form.FileFind.setText("*.doc");
        }
        app.exit();
        EXPECT_EQ(written(app.host),
                  change ? QStringList({"DefaultPath=" + start + "/letters", "DefaultFilter=*.doc"})
                         : QStringList());
    }
}

// The first favorite's filter still warns when its folder is left for the home folder.
TEST(Startup, MissingStartupFolderIsReportedWithoutControlOrBidiCharactersAndTheHomeFolderOpens)
{
    // clang-format off
    struct Row { bool swedish; QString stored, shown; const char* filterReply; };
    const Row rows[] = {{false, "/gone/away", "/gone/away", nullptr}, {true, "/gone/away", "/gone/away", nullptr},
                        {false, QString::fromUtf16(u"/gone/\u202Eyawa\t"), "/gone/yawa", nullptr},
                        {false, "/gone/away", "/gone/away", "Yes"}, {false, "/gone/away", "/gone/away", "No"}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shown.toStdString() + (row.swedish ? " (Swedish)" : "") +
                     (row.filterReply ? row.filterReply : ""));
        AppFixture app;
        const QString docs = app.tmp.makeFolder("home/docs");
        if (row.swedish)
            app.writeFavoFile("Fyll i nedan: x\r\nHem*" + app.tmp.home().toUtf8());
        if (row.filterReply)
            app.writeFavoFile("Enter below: x\r\nDocs*" + docs.toUtf8() + "**txt");
        app.writeSettings("UseDefaultPath=1\nDefaultPath=" + row.stored.toUtf8() + "\n");
        app.host.answer("OK");
        if (row.filterReply)
            app.host.answer(row.filterReply);
        app.start();
        ASSERT_EQ(app.host.messages.size(), row.filterReply ? 2u : 1u);
        namespace T = StartFolderText;
        EXPECT_EQ(app.host.messages[0].prompt, T::StartFolderMissing1.text(row.swedish) + row.shown +
                                                   T::StartFolderMissing2.text(row.swedish) + app.tmp.home() +
                                                   T::StartFolderMissing3.text(row.swedish));
        EXPECT_EQ(app.form.DirList.Path(), app.tmp.home());
        if (row.filterReply) {
            EXPECT_EQ(app.host.messages[1].title, "Filter WARNING");
            EXPECT_EQ(app.form.FileFind.Text(), row.filterReply == std::string("Yes") ? "txt" : "");
            EXPECT_FALSE(app.form.FilterWarningPending);
        } else {
            EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
        }
        app.exit(); // neither the folder nor the mode is changed by the failure
        EXPECT_EQ(written(app.host), QStringList());
    }
}

// Exit and the end of the session save alike, without asking.
TEST(Startup, ModeFileAndChangedFavoritesAreWrittenAtExitAndAtTheEndOfTheSession)
{
    for (const bool sessionEnd : {false, true}) {
        SCOPED_TRACE(sessionEnd ? "session end" : "exit");
        AppFixture app;
        app.writeSettings("DefaultFavoFile=3\nSomethingElse=kept\n");
        app.start();
        EXPECT_EQ(app.form.FavoFilePath, app.favoFile("FavoDirs3.dat"));
        app.form.StartFolderMode = 0;
        app.form.StartFolderModeChanged = true;
        app.form.CurFavoFile = 2;
        app.addEntry({"Docs", "/docs", "*.txt"});
        app.module.FavoListChanged = true;
        sessionEnd ? app.form.SessionEnd() : app.exit();
        EXPECT_FALSE(app.form.IsLoaded());
        EXPECT_EQ(written(app.host), QStringList({"DefaultFavoFile=2", "UseDefaultPath=0"}));
        const QByteArray ini = app.tmp.readFile("home/.config/Wayfolder/Wayfolder.ini");
        EXPECT_TRUE(ini.contains("SomethingElse=kept")) << ini.constData();
        EXPECT_TRUE(ini.contains("DefaultFavoFile=2")) << ini.constData();
        EXPECT_TRUE(app.readFavoFile("FavoDirs3.dat").endsWith("\r\nDocs*/docs***.txt"));
        EXPECT_TRUE(app.host.messages.empty());
    }
}

TEST(LocaleIsSwedish, FirstSetVariableWins)
{
    // clang-format off
    struct Row { const char* lcAll; const char* lcMessages; const char* lang; bool swedish; };
    // clang-format on
    const Row rows[] = {
        {"", "", "sv_SE.UTF-8", true},
        {"", "", "sv", true},
        {"", "", "en_GB.UTF-8", false},
        {"", "", "", false},
        {"", "en_US.UTF-8", "sv_SE.UTF-8", false}, // LC_MESSAGES before LANG
        {"", "sv_FI.UTF-8", "en_US.UTF-8", true},
        {"C", "sv_SE.UTF-8", "sv_SE.UTF-8", false}, // LC_ALL before both
        {"sv_SE.UTF-8", "en_US.UTF-8", "", true},
        {"", "", "SV_se", false}, // locale names are case-sensitive
    };
    for (const Row& row : rows) {
        const auto env = [&row](const QString& name) {
            return QString::fromLatin1(name == "LC_ALL" ? row.lcAll
                                       : name == "LANG" ? row.lang
                                                        : row.lcMessages);
        };
        EXPECT_EQ(LocaleIsSwedish(env), row.swedish)
            << row.lcAll << " / " << row.lcMessages << " / " << row.lang;
    }
}

TEST(FirstStartLanguage, TheLocaleChoosesTheNewFilesHeaderAnExistingFileKeepsItsOwnAndNothingIsWrittenBack)
{
    // clang-format off
    struct Row { const char* name; const char* lcAll; bool existing; bool swedish; };
    const Row rows[] = {
        {"Swedish locale writes and loads the Swedish header", "", false, true},
        {"another locale writes the described English header", "C.UTF-8", false, false},
        {"an existing file keeps its header", "", true, false},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppFixture app;
        const QByteArray english = FavoHeaderEnglish.toUtf8() + "\r\nWork*" + app.tmp.home().toUtf8();
        if (row.existing)
            app.writeFavoFile(english);
        if (*row.lcAll)
            app.host.environment[QStringLiteral("LC_ALL")] = QString::fromLatin1(row.lcAll);
        app.host.environment[QStringLiteral("LANG")] = QStringLiteral("sv_SE.UTF-8");
        app.start();
        EXPECT_EQ(app.module.SwedishLanguage, row.swedish);
        const QString header = row.swedish ? FavoHeaderSwedish : FavoHeaderDefault;
        EXPECT_EQ(app.readFavoFile(),
                  row.existing ? english : header.toUtf8() + "\r\nHome*" + app.tmp.home().toUtf8());
        EXPECT_EQ(app.form.FavoDirPath.List(0), app.tmp.home());
        EXPECT_EQ(app.form.Menu_File.Caption(), row.swedish ? "&Arkiv" : "&File");
        EXPECT_EQ(QPoint(app.form.Left(), app.form.Top()), QPoint(centredLeft(app), centredTop(app)));
        EXPECT_TRUE(app.form.Menu_NoDefaultPath.Checked());
        EXPECT_FALSE(app.form.Command_GotoSavedPath.Enabled());
        EXPECT_FALSE(app.form.Menu_SaveFavoFile.Enabled());
        const QByteArray file = app.readFavoFile();
        app.exit(); // a first run writes nothing back
        EXPECT_EQ(written(app.host), QStringList());
        EXPECT_FALSE(app.tmp.exists("home/.config/Wayfolder/Wayfolder.ini"));
        EXPECT_EQ(app.readFavoFile(), file);
    }
}

// The settings file is the user's: values read as the text after "=", a save rewrites only the
// changed key's line, files the earlier QSettings-based store wrote read as before, and anything
// that is not a regular file is neither read nor written over.

#include "appfixture.h"
#include "core/dialogs/messbox.h"
#include "core/mainform/settingsfiletexts.h"
#include "core/system/settingsfile.h"
#include "core/system/settingstext.h"
#include "filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString S = QStringLiteral("Settings");
const QString Filter = QStringLiteral("DefaultFilter");

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(SettingsText, ValueIsTheTextAfterTheEqualsSign)
{
    // clang-format off
    struct Row { const char* name; QByteArray file; std::optional<QString> value; };
    const Row rows[] = {
        {"semicolon", "[Settings]\nDefaultFilter=*.jpg;*.png\n", q("*.jpg;*.png")},
        {"comma and blank", "[Settings]\nDefaultFilter=a, b\n", q("a, b")},
        {"hash", "[Settings]\nDefaultFilter=#1 # x\n", q("#1 # x")},
        {"equals", "[Settings]\nDefaultFilter=a=b\n", q("a=b")},
        {"blanks around", "[Settings]\n  DefaultFilter \t=  *.txt \t\n", q("*.txt")},
        {"non-ASCII", "[Settings]\nDefaultFilter=caf\xc3\xa9 \xe6\x97\xa5\n", q("café 日")},
        {"empty", "[Settings]\nDefaultFilter=\n", q("")},
        {"CR LF", "[Settings]\r\nDefaultFilter=x\r\n", q("x")},
        {"no line end", "[Settings]\nDefaultFilter=x", q("x")},
        {"last of two wins", "[Settings]\nDefaultFilter=a\n[Other]\nDefaultFilter=o\n[Settings]\nDefaultFilter=b\n", q("b")},
        {"other section only", "[Other]\nDefaultFilter=o\n", std::nullopt},
        {"comment line", "[Settings]\n;DefaultFilter=c\n#DefaultFilter=d\n", std::nullopt},
        {"key case", "[Settings]\ndefaultfilter=x\n", std::nullopt},
        {"unknown backslash", "[Settings]\nDefaultFilter=a\\qb\\\n", q("a\\qb\\")},
        // As the earlier store wrote them.
        {"quoted", "[Settings]\nDefaultFilter=\"*.jpg;*.png\"\n", q("*.jpg;*.png")},
        {"quoted blanks", "[Settings]\nDefaultFilter=\" lead \"\n", q(" lead ")},
        {"escaped quote and backslash", "[Settings]\nDefaultFilter=say \\\"hi\\\" a\\\\b\n", q("say \"hi\" a\\b")},
        {"quoted with escapes", "[Settings]\nDefaultFilter=\"a;\\\"b\\\\\"\n", q("a;\"b\\")},
        {"control escapes", "[Settings]\nDefaultFilter=\\t\\x1\\x66\n", q("\t\x01" "f")},
        {"at sign", "[Settings]\nDefaultFilter=@@x\n", q("@x")},
        {"NUL", "[Settings]\nDefaultFilter=@String(a\\0z)\n", q("a") + QChar(0) + q("z")},
        {"quotes not around all", "[Settings]\nDefaultFilter=\"a\" b\n", q("\"a\" b")},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(SettingsText::Value(row.file, S, Filter), row.value) << row.name;
    }
}

TEST(SettingsText, SavingRewritesOnlyTheKeysLine)
{
    const QByteArray userFile = "; my settings\r\n"
                                "\r\n"
                                "[Settings]\r\n"
                                "  DefaultFilter = *.old   \r\n"
                                "# keep me, \"quoted\" \\ too\r\n"
                                "Unknown=a;b, c\r\n"
                                "\r\n"
                                "[Mine]\r\n"
                                "x=1";
    // clang-format off
    struct Row { const char* name; QByteArray file; QString key; QString value; QByteArray expected; };
    const Row rows[] = {
        {"existing key keeps its spacing", userFile, Filter, q("*.jpg;*.png"),
         QByteArray(userFile).replace("*.old   ", "\"*.jpg;*.png\"")},
        {"new key at the end of its section", userFile, q("StartPosX"), q("15"),
         QByteArray(userFile).replace("Unknown=a;b, c\r\n", "Unknown=a;b, c\r\nStartPosX=15\r\n")},
        {"new section at the end", "[Mine]\nx=1", Filter, q("a"), "[Mine]\nx=1\n\n[Settings]\nDefaultFilter=a\n"},
        {"empty file", "", Filter, q("a"), "[Settings]\nDefaultFilter=a\n"},
        {"header ends the file", "[Settings]", Filter, q("a"), "[Settings]\nDefaultFilter=a\n"},
        {"leading blanks and backslash", "[Settings]\nDefaultFilter=x\n", Filter, q(" a\\b"),
         "[Settings]\nDefaultFilter=\" a\\\\b\"\n"},
        {"non-ASCII as UTF-8", "[Settings]\n", Filter, q("Å,ö"), "[Settings]\nDefaultFilter=\"\xc3\x85,\xc3\xb6\"\n"},
    };
    // clang-format on
    for (const Row& row : rows) {
        const QByteArray written = SettingsText::WithValue(row.file, S, row.key, row.value);
        EXPECT_EQ(written, row.expected) << row.name;
        EXPECT_EQ(SettingsText::Value(written, S, row.key), row.value) << row.name;
    }
}

// Older releases read the file through QSettings: what they wrote reads as before here, and what
// is written here reads the same there.
TEST(SettingsText, ValuesReadTheSameAsThroughQSettings)
{
    TempFolder tmp;
    // clang-format off
    const QStringList values = {q("plain"), q("*.jpg;*.png"), q("a, b"), q("#x"), q("a=b"), q(" lead"), q("trail "), q("  "),
                                q("say \"hi\""), q("\"q\""), q("C:\\temp\\n"), q("tab\there"), q("nl\nx\r"), q("\x01" "f\x1f" "9"),
                                q("@at"), q("@@"), q("@String(x)"), q("é ü 日本 😀"), q(""), q("x\\"), q("n") + QChar(0) + q("0")};
    // clang-format on
    const QString path = tmp.path(QStringLiteral("q.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        for (int i = 0; i < values.size(); ++i)
            settings.setValue(QStringLiteral("Settings/K%1").arg(i), values[i]);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray ours = file.readAll();
    for (int i = 0; i < values.size(); ++i) {
        const QString key = QStringLiteral("K%1").arg(i);
        EXPECT_EQ(SettingsText::Value(ours, S, key), values[i]) << "written by QSettings: " << i;
        ours = SettingsText::WithValue(ours, S, QStringLiteral("N%1").arg(i), values[i]);
    }
    const QString oursPath = tmp.writeFile(QStringLiteral("ours.ini"), ours);
    QSettings older(oursPath, QSettings::IniFormat);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(older.value(QStringLiteral("Settings/N%1").arg(i)).toString(), values[i])
            << "written here: " << i;
}

struct SettingsFileTest : ::testing::Test
{
    TempFolder tmp;
    QString path = tmp.configFile();
    SettingsFile settings{path};

    void SetUp() override { QDir().mkpath(QFileInfo(path).absolutePath()); }
};

TEST_F(SettingsFileTest, ASaveKeepsEveryOtherByteAndALink)
{
    const QByteArray before = "# mine\n[Settings]\nDefaultFilter=*.a;*.b\nStartPosX=1\n[X]\ny=2\n";
    const QString target = tmp.writeFile(QStringLiteral("real.ini"), before);
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);

    EXPECT_EQ(settings.Get(Filter, {}), q("*.a;*.b"));
    EXPECT_TRUE(settings.Save(q("StartPosX"), q("-30")));
    EXPECT_EQ(tmp.readFile(QStringLiteral("real.ini")), QByteArray(before).replace("X=1", "X=-30"));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(settings.Problem().kind, SettingsFileProblem::None);
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheFileAndSaysWhy)
{
    const QByteArray before = "[Settings]\nDefaultFilter=a\n" + QByteArray(8000, '#') + "\n";
    tmp.writeFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"), before);
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(settings.Save(Filter, q("b")));
    }
    EXPECT_EQ(settings.Problem().kind, SettingsFileProblem::WriteFailed);
    EXPECT_FALSE(settings.Problem().reason.isEmpty());
    EXPECT_EQ(tmp.readFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini")), before);
}

TEST_F(SettingsFileTest, WhatIsNotARegularFileIsNeitherReadNorWrittenOver)
{
    // clang-format off
    struct Row { const char* name; std::function<void(const QString&)> make; SettingsFileProblem::Kind kind; };
    // clang-format on
    const auto link = [](const char* to) {
        return [to](const QString& at) { ASSERT_EQ(::symlink(to, QFile::encodeName(at).constData()), 0); };
    };
    // clang-format off
    const Row rows[] = {
        {"FIFO", [](const QString& at) { ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0600), 0); },
         SettingsFileProblem::NotRegularFile},
        {"link to an endless device", link("/dev/zero"), SettingsFileProblem::NotRegularFile},
        {"link to a device node", link("/dev/null"), SettingsFileProblem::NotRegularFile},
        {"folder", [](const QString& at) { ASSERT_TRUE(QDir().mkpath(at)); }, SettingsFileProblem::NotRegularFile},
        {"huge file",
         [](const QString& at) {
             QFile file(at);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.write("[Settings]\nDefaultFilter=x\n") > 0);
             ASSERT_TRUE(file.resize(SettingsFile::MaxBytes + 1));
         },
         SettingsFileProblem::TooLarge},
    };
    // clang-format on
    for (const Row& row : rows) {
        QFile::remove(path);
        QDir(path).removeRecursively();
        row.make(path);
        struct stat before
        {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &before), 0) << row.name;

        EXPECT_EQ(settings.Get(Filter, q("default")), q("default")) << row.name;
        EXPECT_EQ(settings.Problem().kind, row.kind) << row.name;
        EXPECT_FALSE(settings.Save(Filter, q("new"))) << row.name;
        EXPECT_EQ(settings.Problem().kind, row.kind) << row.name;

        struct stat after
        {};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &after), 0) << row.name;
        EXPECT_EQ(after.st_ino, before.st_ino) << row.name;
        EXPECT_EQ(after.st_mode, before.st_mode) << row.name;
        EXPECT_EQ(after.st_size, before.st_size) << row.name;
    }
}

// The program around it: the user hears of a settings file that was not read or not written.

// The end of the session may come while Exit's failure is shown: nothing is saved twice.
TEST(SettingsAtStartAndExit, AFifoIsReportedAtStartAndAtExitInTheFavoritesLanguage)
{
    for (const bool sessionEndsMeanwhile : {false, true}) {
        SCOPED_TRACE(sessionEndsMeanwhile ? "the session ends while the message is up" : "exit");
        AppFixture app;
        const QString config = app.tmp.configFile();
        app.tmp.makeFolder(QStringLiteral("home/.config/Wayfolder"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(config).constData(), 0600), 0);
        app.writeFavoFile("Fyll i nedan\r\nA*" + app.tmp.home().toUtf8());
        app.host.answer(QStringLiteral("OK"));
        app.start();
        ASSERT_EQ(app.host.messages.size(), 1u);
        namespace T = SettingsFileText;
        EXPECT_EQ(app.host.messages[0].title, T::Title.swedish);
        EXPECT_EQ(app.host.messages[0].prompt, T::NotRead1.text(true) + config + T::NotRead2.text(true) +
                                                   T::NotRegularFile.text(true) + T::NotRead3.text(true));

        app.form.Menu_StartPosition_Click();
        app.host.onModal(QStringLiteral("MessBox"), [&](Form& box) {
            if (sessionEndsMeanwhile)
                app.form.SessionEnd();
            static_cast<MessBox&>(box).Button_Click(0);
        });
        app.exit();
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_FALSE(app.form.IsLoaded());
        ASSERT_EQ(app.host.messages.size(), 2u);
        EXPECT_EQ(app.host.messages[1].prompt,
                  T::NotSaved1.text(true) + config + T::NotSaved2.text(true) + T::NotRegularFile.text(true));
        struct stat st
        {};
        ASSERT_EQ(::lstat(QFile::encodeName(config).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
    }
}

TEST(SettingsAtStartAndExit, AFailedWriteAtExitIsReportedOnceInEnglish)
{
    AppFixture app;
    app.writeSettings(QByteArray(8000, ';') + "\n");
    app.start();
    app.form.Menu_StartPosition_Click();
    app.host.answer(QStringLiteral("OK"));
    {
        FileSizeLimit limit(4096);
        app.exit();
    }
    ASSERT_EQ(app.host.messages.size(), 1u);
    EXPECT_EQ(app.host.messages[0].title, SettingsFileText::Title.english);
    EXPECT_TRUE(app.host.messages[0].prompt.startsWith(SettingsFileText::NotSaved1.text(false) +
                                                       app.tmp.configFile()))
        << app.host.messages[0].prompt.toStdString();
}

} // namespace

// The language of a first start follows the locale: the default data file gets the Swedish
// header when the locale asks for Swedish; a file that exists keeps the header it has.

#include "appfixture.h"

#include <gtest/gtest.h>

namespace {

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
        const std::map<QString, QString> env{
            {QStringLiteral("LC_ALL"), QString::fromLatin1(row.lcAll)},
            {QStringLiteral("LC_MESSAGES"), QString::fromLatin1(row.lcMessages)},
            {QStringLiteral("LANG"), QString::fromLatin1(row.lang)}};
        EXPECT_EQ(LocaleIsSwedish([&env](const QString& name) { return env.at(name); }), row.swedish)
            << row.lcAll << " / " << row.lcMessages << " / " << row.lang;
    }
}

TEST(FirstStartLanguage, TheLocaleChoosesTheNewFilesHeaderAndAnExistingFileKeepsItsOwn)
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
    }
}

} // namespace

// The language of a first start follows the locale: the default data file gets the Swedish
// header when the locale asks for Swedish; a file that exists keeps the header it has.

#include "appfixture.h"

#include <gtest/gtest.h>

namespace {

struct FirstStartLanguage : AppFixture, ::testing::Test
{};

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

TEST_F(FirstStartLanguage, SwedishLocaleWritesAndLoadsTheSwedishHeader)
{
    host.environment[QStringLiteral("LANG")] = QStringLiteral("sv_SE.UTF-8");
    start();
    EXPECT_TRUE(module.SwedishLanguage);
    EXPECT_EQ(readFavoFile(), FavoHeaderSwedish.toUtf8() + "\r\nHome*" + tmp.home().toUtf8());
    EXPECT_EQ(form.FavoDirPath.List(0), tmp.home());
    EXPECT_EQ(form.Menu_File.Caption(), QStringLiteral("&Arkiv"));
}

TEST_F(FirstStartLanguage, OtherLocaleWritesTheDescribedEnglishHeader)
{
    host.environment[QStringLiteral("LC_ALL")] = QStringLiteral("C.UTF-8");
    host.environment[QStringLiteral("LANG")] = QStringLiteral("sv_SE.UTF-8");
    start();
    EXPECT_FALSE(module.SwedishLanguage);
    EXPECT_EQ(readFavoFile(), FavoHeaderDefault.toUtf8() + "\r\nHome*" + tmp.home().toUtf8());
}

TEST_F(FirstStartLanguage, ExistingFileKeepsItsHeader)
{
    const QByteArray english = FavoHeaderEnglish.toUtf8() + "\r\nWork*" + tmp.home().toUtf8();
    writeFavoFile(english);
    host.environment[QStringLiteral("LANG")] = QStringLiteral("sv_SE.UTF-8");
    start();
    EXPECT_FALSE(module.SwedishLanguage);
    EXPECT_EQ(readFavoFile(), english);
}

} // namespace

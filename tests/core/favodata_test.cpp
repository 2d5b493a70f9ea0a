// The favorites data file as the user's only copy of years of favorites: lists beyond the 16-bit
// limit, and a second window or an editor writing the same file.

#include "appfixture.h"
#include "core/dialogs/favodatafiletexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct FavoData : AppFixture, ::testing::Test
{
    QByteArray manyEntries(bool swedish, int count) const
    {
        QByteArray file = (swedish ? FavoHeaderSwedish : FavoHeaderEnglish).toUtf8();
        for (int i = 0; i < count; ++i)
            file += "\r\nF" + QByteArray::number(i) + "*" + tmp.home().toUtf8();
        return file;
    }
};

// A longer file loads up to the limit naming the count; the list at the limit refuses every
// addition, and a save writes it whole, only after a copy of the longer file.
TEST_F(FavoData, AListAtTheLimitRefusesEveryAdditionAndSavesWholeAfterACopyOfTheLongerFile)
{
    for (const bool swedish : {false, true}) {
        SCOPED_TRACE(swedish ? "Swedish" : "English");
        QFile::remove(favoFile("FavoDirs.dat.bak"));
        writeFavoFile(manyEntries(swedish, MaxFavorites + 10));
        const QByteArray whole = readFavoFile();
        host.messages.clear();
        host.answer(QStringLiteral("OK"));
        reload();
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, FavoDataFileText::TooManyTitle.text(swedish));
        const QString said = host.messages[0].prompt;
        EXPECT_TRUE(said.contains(QStringLiteral("32767")) && said.contains(favoFile()))
            << said.toStdString();
        EXPECT_EQ(form.Favorites.count(), MaxFavorites);
        EXPECT_EQ(form.FavoDirList.ListIndex(), 0);
        EXPECT_FALSE(module.FavoListChanged);

        // clang-format off
        const std::pair<const char*, std::function<void()>> attempts[] = {
            {"separator", [&] { form.Menu_AddSeparator_Click(); }},
            {"add folder", [&] { form.Menu_AddDir_Click(); }},
            {"drag", [&] { form.FavoDirList.setListIndex(3); form.FavoDirList_MouseDown(1, 0, 0, 0);
                           form.FavoDirList.setListIndex(5); form.FavoDirList_MouseUp(1, 0, 0, 0); }},
        };
        // clang-format on
        for (const auto& [name, attempt] : attempts) {
            SCOPED_TRACE(name);
            host.messages.clear();
            form.FavoDirList.setListIndex(0);
            host.answer(QStringLiteral("OK"));
            attempt();
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].title, FavoDataFileText::TooManyTitle.text(swedish));
            EXPECT_TRUE(host.messages[0].prompt.contains(QStringLiteral("32767")));
            EXPECT_EQ(form.Favorites.count(), MaxFavorites);
            EXPECT_EQ(form.Favorites.at(3).name, QStringLiteral("F3"));
            EXPECT_FALSE(module.FavoListChanged);
        }

        form.Favorites.replace(0, {QStringLiteral("First"), tmp.home(), {}});
        module.FavoListChanged = true;
        form.Menu_SaveFavoFile_Click();
        EXPECT_EQ(readFavoFile("FavoDirs.dat.bak"), whole);
        host.messages.clear();
        reload();
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(form.Favorites.count(), MaxFavorites);
        EXPECT_EQ(form.Favorites.at(0).name, QStringLiteral("First"));
        EXPECT_EQ(form.Favorites.at(MaxFavorites - 1).name, QStringLiteral("F32766"));
    }
}

QStringList namesIn(const QString& path)
{
    QStringList names;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const FavoritesEntry& entry : ParseFavoFile(file.readAll()).entries)
        names << entry.name;
    return names;
}

// Two copies of the program on one home, as two windows of one user.
struct TwoRuns
{
    TempFolder tmp;
    AppRun first;
    AppRun second;
    QString path;

    TwoRuns()
    {
        tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"),
                      FavoHeaderEnglish.toUtf8() + "\r\nHome*" + tmp.home().toUtf8());
        first.start();
        second.start();
        path = first.form.FavoFilePath;
    }
    static void add(AppRun& run, const QString& name)
    {
        run.form.Favorites.append({name, QStringLiteral("/"), {}});
        run.module.FavoListChanged = true;
    }
    QStringList names(AppRun& run) const { return run.form.FavoDirList.Items(); }
    QStringList namesOnDisk() const { return namesIn(path); }
};
struct TwoWindows : TwoRuns, ::testing::Test
{};

QStringList mergedCopies(const QString& path)
{
    const QFileInfo file(path);
    return QDir(file.path()).entryList({file.fileName() + QStringLiteral(".merged-*")}, QDir::Files);
}

TEST(TwoWindowsExit, AfterTheOtherWindowSavedAsksAndEachAnswerDoesItsPart)
{
    // clang-format off
    struct Row { QStringList answers; bool stillOpen; QStringList onDisk; QStringList secondList; int copies; };
    const Row rows[] = {
        {{"Yes"},          false, {"Home", "Second", "First"}, {"Home", "Second", "First"}, 1},
        {{"No", "Yes"},    false, {"Home", "Second"},          {"Home", "Second"},          0},
        {{"No", "No"},     false, {"Home", "First"},           {"Home", "First"},           0},
        {{"No", "Cancel"}, true,  {"Home", "First"},           {"Home", "Second"},          0},
        {{"Cancel"},       true,  {"Home", "First"},           {"Home", "Second"},          0},
        {{},               false, {"Home", "Second", "First"}, {"Home", "Second", "First"}, 1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answers.join(u'+').toStdString());
        TwoRuns fresh;
        TwoRuns::add(fresh.first, QStringLiteral("First"));
        fresh.first.form.Command_Exit_Click();
        ASSERT_TRUE(fresh.first.host.messages.empty());

        TwoRuns::add(fresh.second, QStringLiteral("Second"));
        for (const QString& answer : row.answers)
            fresh.second.host.answer(answer);
        if (row.answers.isEmpty())
            fresh.second.form.SessionEnd();
        else
            fresh.second.form.Command_Exit_Click();
        ASSERT_EQ(fresh.second.host.messages.size(), size_t(row.answers.size()));
        for (qsizetype i = 0; i < row.answers.size(); ++i) {
            const Bilingual& prompt = i == 0 ? FavoDataFileText::MergeAsk : FavoDataFileText::Changed;
            EXPECT_EQ(fresh.second.host.messages[i].prompt, prompt.text(false).arg(fresh.path));
            EXPECT_EQ(fresh.second.host.messages[i].style, MsgStyle::YesNoCancel);
        }
        EXPECT_EQ(fresh.second.form.IsLoaded(), row.stillOpen);
        EXPECT_EQ(fresh.namesOnDisk(), row.onDisk);
        EXPECT_EQ(fresh.names(fresh.second), row.secondList);
        EXPECT_EQ(fresh.second.module.FavoListChanged, row.stillOpen);
        EXPECT_EQ(mergedCopies(fresh.path).size(), row.copies);
        if (row.copies == 0)
            continue;
        // The copy holds the other window's version whole.
        const QString copy = QFileInfo(fresh.path).path() + u'/' + mergedCopies(fresh.path).first();
        EXPECT_EQ(namesIn(copy), (QStringList{"Home", "First"}));

        // A session end said nothing then; the next start says it, once.
        AppRun next;
        if (row.answers.isEmpty())
            next.host.answer(QStringLiteral("OK"));
        next.start();
        ASSERT_EQ(next.host.messages.size(), row.answers.isEmpty() ? 1u : 0u);
        if (row.answers.isEmpty()) {
            EXPECT_EQ(next.host.messages[0].prompt,
                      FavoDataFileText::MergedAtEnd.text(false).arg(fresh.path, copy));
        }
        AppRun third;
        third.start();
        EXPECT_TRUE(third.host.messages.empty());
    }
}

TEST_F(TwoWindows, TheQuestionIsSwedishInASwedishWindowAndOwnSavesNeverAsk)
{
    second.module.SwedishLanguage = true;
    add(second, QStringLiteral("Mine"));
    second.form.Menu_SaveFavoFile_Click();
    add(second, QStringLiteral("Mine again"));
    second.form.Menu_SaveFavoFile_Click();
    EXPECT_TRUE(second.host.messages.empty());

    add(first, QStringLiteral("Other"));
    first.host.answer(QStringLiteral("Cancel"));
    first.form.Menu_SaveFavoFile_Click();
    ASSERT_EQ(first.host.messages.size(), 1u);
    add(second, QStringLiteral("Third"));
    tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"),
                  FavoHeaderEnglish.toUtf8() + "\r\nEditor*/");
    second.host.answer(QStringLiteral("Nej"));
    second.host.answer(QStringLiteral("Ja"));
    second.form.Menu_SaveFavoFile_Click();
    ASSERT_EQ(second.host.messages.size(), 2u);
    EXPECT_EQ(second.host.messages[0].title, FavoDataFileText::ChangedTitle.text(true));
    EXPECT_EQ(second.host.messages[0].prompt, FavoDataFileText::MergeAsk.text(true).arg(path));
    EXPECT_EQ(second.host.messages[1].prompt, FavoDataFileText::Changed.text(true).arg(path));
    EXPECT_EQ(namesOnDisk(), (QStringList{"Home", "Mine", "Mine again", "Third"}));
}

TEST_F(TwoWindows, AChangeOnDiskReloadsQuietlyOnlyWhileThereAreNoUnsavedEdits)
{
    ASSERT_EQ(second.host.watches.count(path), 1u);
    add(first, QStringLiteral("First"));
    first.form.Menu_SaveFavoFile_Click();
    // The first window's own save is no news to it.
    first.host.fileChanged(path);
    EXPECT_EQ(names(first), (QStringList{"Home", "First"}));

    second.host.fileChanged(path);
    EXPECT_EQ(names(second), (QStringList{"Home", "First"}));
    EXPECT_TRUE(second.host.messages.empty());
    EXPECT_FALSE(second.module.FavoListChanged);

    // With unsaved edits the list stays as the user left it.
    add(second, QStringLiteral("Unsaved"));
    add(first, QStringLiteral("More"));
    first.form.Menu_SaveFavoFile_Click();
    second.host.fileChanged(path);
    EXPECT_EQ(names(second), (QStringList{"Home", "First", "Unsaved"}));

    // A faulty file written by an editor is not taken over quietly.
    second.reload();
    tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat"),
                  FavoHeaderEnglish.toUtf8() + "\r\nbroken line");
    second.host.fileChanged(path);
    EXPECT_EQ(names(second), (QStringList{"Home", "First", "More"}));
    EXPECT_TRUE(second.host.messages.empty());
}

} // namespace

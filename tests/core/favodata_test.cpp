// The favorites data file as the user's only copy of years of favorites: every list the reader
// accepts is written back so that it reads the same, lists beyond the 16-bit limit, a second
// window or an editor writing the same file, and "files" that are pipes, devices or huge.

#include "appfixture.h"
#include "core/dialogs/favodatafiletexts.h"
#include "core/mainform/favoritestexts.h"
#include "core/system/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

std::string show(const QString& text)
{
    return text.toStdString();
}

// Every line of up to seven characters over "N", "a" and "*" that the reader takes as an entry
// reads back as the same entry from the line the writer composes for it, and so does the whole
// list as a file.
TEST(FavoRoundTrip, EveryAcceptedLineShapeReadsBackAsLoaded)
{
    const QChar alphabet[] = {u'N', u'a', u'*'};
    QList<FavoritesEntry> all;
    for (int length = 1; length <= 7; ++length) {
        int combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= 3;
        for (int n = 0; n < combinations; ++n) {
            QString line;
            for (int i = 0, rest = n; i < length; ++i, rest /= 3)
                line += alphabet[rest % 3];
            const ParsedFavoLine loaded = ParseFavoLine(line);
            if (loaded.outcome != ParsedFavoLine::Entry)
                continue;
            const QString written = ComposeFavoLine(loaded.entry);
            const ParsedFavoLine reloaded = ParseFavoLine(written);
            ASSERT_EQ(reloaded.outcome, ParsedFavoLine::Entry)
                << "line " << show(line) << " written as " << show(written);
            ASSERT_EQ(reloaded.entry, loaded.entry)
                << "line " << show(line) << " written as " << show(written);
            all.append(loaded.entry);
        }
    }
    const ParsedFavoFile file = ParseFavoFile(ComposeFavoFile(false, all));
    EXPECT_EQ(file.stop, ParsedFavoEntries::None);
    EXPECT_TRUE(file.entries == all);
}

struct FavoData : AppFixture, ::testing::Test
{
    QByteArray header = FavoHeaderEnglish.toUtf8();
    QByteArray home8() const { return tmp.home().toUtf8(); }

    void edit()
    {
        form.Favorites.append({QStringLiteral("Edited"), tmp.home(), {}});
        module.FavoListChanged = true;
        form.Menu_SaveFavoFile.setEnabled(true);
        form.Menu_UndoChanges.setEnabled(true);
    }
    QByteArray manyEntries(int count) const
    {
        QByteArray file = header;
        for (int i = 0; i < count; ++i)
            file += "\r\nF" + QByteArray::number(i) + "*" + home8();
        return file;
    }
};

TEST_F(FavoData, ExplicitEmptyFilterSurvivesSaveAndLoad)
{
    writeFavoFile(header + "\r\nH*" + home8() + "\r\nN*a**b**\r\nN***b**");
    start();
    const QList<FavoritesEntry> loaded = form.Favorites.entries();
    ASSERT_EQ(loaded.size(), 3);
    EXPECT_EQ(loaded[1], (FavoritesEntry{"N", "a**b", ""}));
    EXPECT_EQ(loaded[2], (FavoritesEntry{"N", "**b", ""}));

    edit();
    form.Menu_SaveFavoFile_Click();
    EXPECT_TRUE(host.messages.empty());
    reload();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(form.Favorites.entries().mid(0, 3), loaded);
}

TEST_F(FavoData, LoadStopsAtTheLimitNamingTheCountAndTheFileIsKeptWholeInTheBak)
{
    const std::pair<bool, const char*> languages[] = {{false, "English"}, {true, "Swedish"}};
    for (const auto& [swedish, language] : languages) {
        SCOPED_TRACE(language);
        QFile::remove(favoFile("FavoDirs.dat.bak"));
        header = (swedish ? FavoHeaderSwedish : FavoHeaderEnglish).toUtf8();
        writeFavoFile(manyEntries(MaxFavorites + 10));
        host.messages.clear();
        host.answer(QStringLiteral("OK"));
        reload();

        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, FavoDataFileText::TooManyTitle.text(swedish));
        EXPECT_TRUE(host.messages[0].prompt.contains(QStringLiteral("32767")))
            << show(host.messages[0].prompt);
        EXPECT_TRUE(host.messages[0].prompt.contains(favoFile())) << show(host.messages[0].prompt);
        EXPECT_EQ(form.Favorites.count(), MaxFavorites);
        EXPECT_EQ(form.FavoDirList.ListIndex(), 0);
        EXPECT_FALSE(module.FavoListChanged);

        // A save writes the list at the limit whole, and only after a copy of the longer file.
        form.Favorites.remove(0);
        module.FavoListChanged = true;
        const QByteArray whole = readFavoFile();
        form.Menu_SaveFavoFile_Click();
        EXPECT_EQ(readFavoFile("FavoDirs.dat.bak"), whole);
        host.messages.clear();
        reload();
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(form.Favorites.count(), MaxFavorites - 1);
        EXPECT_EQ(form.Favorites.at(0).name, QStringLiteral("F1"));
        EXPECT_EQ(form.Favorites.at(MaxFavorites - 2).name, QStringLiteral("F32766"));
    }
}

TEST_F(FavoData, AListAtTheLimitRefusesEveryAdditionAndSavesWhole)
{
    writeFavoFile(manyEntries(MaxFavorites));
    start();
    ASSERT_TRUE(host.messages.empty());
    ASSERT_EQ(form.Favorites.count(), MaxFavorites);

    const std::pair<const char*, std::function<void()>> attempts[] = {
        {"separator", [&] { form.Menu_AddSeparator_Click(); }},
        {"add folder", [&] { form.Menu_AddDir_Click(); }},
        {"drag",
         [&] {
             form.FavoDirList.setListIndex(3);
             form.FavoDirList_MouseDown(1, 0, 0, 0);
             form.FavoDirList.setListIndex(5);
             form.FavoDirList_MouseUp(1, 0, 0, 0);
         }},
    };
    for (const auto& [name, attempt] : attempts) {
        SCOPED_TRACE(name);
        host.messages.clear();
        form.FavoDirList.setListIndex(0);
        host.answer(QStringLiteral("OK"));
        attempt();
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, FavoDataFileText::TooManyTitle.text(false));
        EXPECT_TRUE(host.messages[0].prompt.contains(QStringLiteral("32767")));
        EXPECT_EQ(form.Favorites.count(), MaxFavorites);
        EXPECT_EQ(form.Favorites.at(3).name, QStringLiteral("F3"));
        EXPECT_FALSE(module.FavoListChanged);
    }

    form.Favorites.replace(0, {QStringLiteral("First"), tmp.home(), {}});
    module.FavoListChanged = true;
    form.Menu_SaveFavoFile_Click();
    reload();
    EXPECT_EQ(form.Favorites.count(), MaxFavorites);
    EXPECT_EQ(form.Favorites.at(0).name, QStringLiteral("First"));
    EXPECT_EQ(form.Favorites.at(MaxFavorites - 1).name, QStringLiteral("F32766"));
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
    QStringList namesOnDisk() const
    {
        QStringList result;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        for (const FavoritesEntry& entry : ParseFavoFile(file.readAll()).entries)
            result << entry.name;
        return result;
    }
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
        QFile copy(QFileInfo(fresh.path).path() + u'/' + mergedCopies(fresh.path).first());
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        QStringList copied;
        for (const FavoritesEntry& entry : ParseFavoFile(copy.readAll()).entries)
            copied << entry.name;
        EXPECT_EQ(copied, (QStringList{"Home", "First"}));

        // A session end said nothing then; the next start says it, once.
        AppRun next;
        if (row.answers.isEmpty())
            next.host.answer(QStringLiteral("OK"));
        next.start();
        ASSERT_EQ(next.host.messages.size(), row.answers.isEmpty() ? 1u : 0u);
        if (row.answers.isEmpty()) {
            EXPECT_EQ(next.host.messages[0].prompt,
                      FavoDataFileText::MergedAtEnd.text(false).arg(fresh.path, copy.fileName()));
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

// A data file that is not a regular file is reported and left alone, in both languages.
struct NotAFileRow
{
    const char* what;
    std::function<bool(const QString& path, TempFolder& tmp)> make; // false: cannot be made here
    bool tooLarge;
};

TEST_F(FavoData, PipesDevicesAndHugeFilesAreNeitherReadNorWrittenOver)
{
    // clang-format off
    const NotAFileRow rows[] = {
        {"FIFO", [](const QString& p, TempFolder&) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }, false},
        {"link to a device that never ends",
         [](const QString& p, TempFolder& t) {
             const QString device = t.path(QStringLiteral("zero"));
             return mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0 &&
                    QFile::link(device, p);
         },
         false},
        {"folder", [](const QString& p, TempFolder&) { return QDir().mkpath(p); }, false},
        {"huge file",
         [](const QString& p, TempFolder&) {
             QFile file(p);
             return file.open(QIODevice::WriteOnly) && file.resize(MaxFavoFileBytes + 1);
         },
         true},
    };
    // clang-format on
    for (const NotAFileRow& row : rows) {
        for (const bool swedish : {false, true}) {
            SCOPED_TRACE(std::string(row.what) + (swedish ? " (Swedish)" : " (English)"));
            AppFixture app;
            const QString path = app.favoFile();
            QDir().mkpath(app.tmp.dataFolder());
            if (!row.make(path, app.tmp))
                GTEST_SKIP() << "cannot make a " << row.what << " here";
            struct stat before = {};
            ASSERT_EQ(stat(QFile::encodeName(path).constData(), &before), 0);

            app.module.SwedishLanguage = swedish;
            app.host.answer(QStringLiteral("OK"));
            app.reload();
            ASSERT_EQ(app.host.messages.size(), 1u);
            EXPECT_EQ(app.host.messages[0].title, FavoritesText::DataErrorTitle.text(swedish));
            const Bilingual& text =
                row.tooLarge ? FavoDataFileText::FileTooLarge : FavoDataFileText::NotAFile;
            EXPECT_TRUE(app.host.messages[0].prompt.startsWith(text.text(swedish).arg(path).left(20)))
                << show(app.host.messages[0].prompt);

            app.form.Favorites.append({QStringLiteral("Mine"), QStringLiteral("/"), {}});
            app.module.FavoListChanged = true;
            app.host.answer(QStringLiteral("OK"));
            app.form.Menu_SaveFavoFile_Click();
            EXPECT_EQ(app.host.messages.size(), 2u);
            EXPECT_TRUE(app.module.FavoListChanged);
            struct stat after = {};
            ASSERT_EQ(stat(QFile::encodeName(path).constData(), &after), 0);
            EXPECT_EQ(after.st_ino, before.st_ino);
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(after.st_size, before.st_size);
            EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bak")));
        }
    }
}

TEST(RegularFile, ReadsOnlyRegularFilesWithinTheBound)
{
    TempFolder tmp;
    const QString small = tmp.writeFile(QStringLiteral("small"), "12345");
    QFile::link(small, tmp.path(QStringLiteral("link")));
    mkfifo(QFile::encodeName(tmp.path(QStringLiteral("fifo"))).constData(), 0600);
    // clang-format off
    struct Row { const char* name; qint64 bound; RegularFileRead::Status status; };
    // clang-format on
    const Row rows[] = {
        {"small", 5, RegularFileRead::Ok},        {"small", 4, RegularFileRead::TooLarge},
        {"link", 5, RegularFileRead::Ok},         {"fifo", 5, RegularFileRead::NotRegular},
        {"missing", 5, RegularFileRead::Missing}, {"", 5, RegularFileRead::NotRegular},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RegularFileRead read = ReadRegularFile(tmp.path(QString::fromLatin1(row.name)), row.bound);
        EXPECT_EQ(read.status, row.status);
        EXPECT_EQ(read.bytes, row.status == RegularFileRead::Ok ? QByteArray("12345") : QByteArray());
    }
}

} // namespace

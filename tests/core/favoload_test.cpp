// Loading and saving the favorites data file through the main window: recovery of missing and
// empty files, data errors, exact bytes written back, and saves that cannot complete.

#include "appfixture.h"
#include "core/mainform/favoritestexts.h"
#include "filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QByteArray CrLf = "\r\n";

struct FavoLoad : AppFixture, ::testing::Test
{
    QByteArray home8() const { return tmp.home().toUtf8(); }

    /// The three lists as favorites, asserting that they stay parallel.
    std::vector<FavoritesEntry> entries() const
    {
        EXPECT_EQ(form.FavoDirPath.ListCount(), form.FavoDirList.ListCount());
        EXPECT_EQ(form.FavoFileFilter.ListCount(), form.FavoDirList.ListCount());
        std::vector<FavoritesEntry> result;
        for (int16_t i = 0; i < form.FavoDirList.ListCount(); ++i)
            result.push_back(entry(i));
        return result;
    }

    /// The state of an edited list, which a load or save must clear.
    void markChanged()
    {
        module.FavoListChanged = true;
        form.Menu_UndoChanges.setEnabled(true);
        form.Menu_SaveFavoFile.setEnabled(true);
    }
    void expectChanged(bool changed)
    {
        EXPECT_EQ(module.FavoListChanged, changed);
        EXPECT_EQ(form.Menu_UndoChanges.Enabled(), changed);
        EXPECT_EQ(form.Menu_SaveFavoFile.Enabled(), changed);
    }
    void expectOneMessage(const QString& title, const QString& prompt)
    {
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, title);
        EXPECT_EQ(host.messages[0].prompt.toStdString(), prompt.toStdString());
        EXPECT_EQ(host.messages[0].style, 0);
    }

    QByteArray defaultFile() const { return FavoHeaderDefault.toUtf8() + CrLf + "Home*" + home8(); }
    FavoritesEntry homeEntry() const { return {QStringLiteral("Home"), tmp.home(), {}}; }
    QStringList dataFolderFiles() const
    {
        // Every file but the writers' lock, which stays on purpose.
        QStringList files =
            QDir(tmp.dataFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
        files.removeIf([](const QString& name) {
            return name.startsWith(u'.') && name.endsWith(QLatin1String(".lock"));
        });
        return files;
    }
};

TEST_F(FavoLoad, MissingFileAndFoldersGetTheDefaultFile)
{
    const QString dataHome = tmp.path(QStringLiteral("xdg/data")); // not even its parent exists
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    markChanged();
    reload();
    EXPECT_EQ(form.FavoFilePath, dataHome + QStringLiteral("/Wayfolder/FavoDirs.dat"));
    EXPECT_EQ(tmp.readFile(QStringLiteral("xdg/data/Wayfolder/FavoDirs.dat")), defaultFile());
    EXPECT_EQ(entries(), std::vector{homeEntry()});
    EXPECT_EQ(form.FavoDirList.ListIndex(), 0);
    expectChanged(false);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FavoLoad, RecoveryOfMissingAndEmptyFiles)
{
    const QByteArray sv = FavoHeaderSwedish.toUtf8();
    const QByteArray legacy = "Fyll i nedan\r\nM\xE5la*" + tmp.home().toLatin1(); // Windows-1252
    const std::vector<FavoritesEntry> homeOnly{homeEntry()};
    const std::vector<FavoritesEntry> legacyEntries{{QStringLiteral("Måla"), tmp.home(), {}}};
    // clang-format off
    struct Row { const char* name; std::optional<QByteArray> data, legacy; bool swedishBefore;
                 std::optional<QByteArray> dataAfter; /* none: the default file */ bool swedish;
                 const std::vector<FavoritesEntry>& entries; bool legacyStays; };
    const Row rows[] = {
        {"missing, legacy present", {}, legacy, false, legacy, true, legacyEntries, false},
        {"missing, no legacy", {}, {}, true, {}, false, homeOnly, false},
        {"empty file: its default entry line read as header", "", {}, true, {}, false, homeOnly, false},
        {"empty file beside a legacy file", "", legacy, false, {}, false, homeOnly, true},
        {"header only keeps its language", sv, {}, false, {}, true, homeOnly, false},
        {"header with line end keeps its language", sv + CrLf, {}, false, {}, true, homeOnly, false},
        {"header only, English", FavoHeaderEnglish.toUtf8(), {}, true, {}, false, homeOnly, false},
        {"header only beside a legacy file", sv, legacy, false, {}, true, homeOnly, true},
        {"legacy file with header only", {}, sv, false, {}, true, homeOnly, false},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QDir(tmp.dataFolder()).removeRecursively();
        QDir().mkpath(tmp.dataFolder());
        if (row.data)
            writeFavoFile(*row.data);
        if (row.legacy)
            writeFavoFile(*row.legacy, QStringLiteral("FavoDirs.txt"));
        module.SwedishLanguage = row.swedishBefore;
        markChanged();

        reload();

        EXPECT_EQ(readFavoFile(), row.dataAfter.value_or(defaultFile()));
        EXPECT_EQ(module.SwedishLanguage, row.swedish);
        EXPECT_EQ(entries(), row.entries);
        EXPECT_EQ(form.FavoDirList.ListIndex(), 0);
        expectChanged(false);
        EXPECT_EQ(QFileInfo::exists(favoFile(QStringLiteral("FavoDirs.txt"))), row.legacyStays);
        if (row.legacyStays) {
            EXPECT_EQ(readFavoFile(QStringLiteral("FavoDirs.txt")), *row.legacy);
        }
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(FavoLoad, EveryLineEndAndBlankLinesReadAndTheFileStaysAsItWas)
{
    // LF only, CR only and CR LF in one file, with blank lines between.
    const QByteArray body = "A*" + home8() + "\n\nSep*-\rDocs*/d**r\r\n\r\n";
    for (const QByteArray& header : {FavoHeaderEnglish.toUtf8(), QByteArray("Fyll")}) {
        SCOPED_TRACE(header.constData());
        const QByteArray file = header + "\n" + body;
        writeFavoFile(file);
        reload();
        EXPECT_EQ(entries(), (std::vector<FavoritesEntry>{
                                 {"A", tmp.home(), {}}, {"Sep", "-", {}}, {"Docs", "/d", "r"}}));
        EXPECT_EQ(module.SwedishLanguage, header == "Fyll");
        EXPECT_EQ(readFavoFile(), file);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FavoLoad, FaultyLineStopsTheLoadAndKeepsTheEntriesBeforeIt)
{
    // The message names the first file whichever file is active.
    for (const auto& [swedish, file] : {std::pair{false, int16_t(1)}, std::pair{true, int16_t(3)}}) {
        SCOPED_TRACE(file);
        host.messages.clear();
        form.CurFavoFile = file;
        const QByteArray header = (swedish ? FavoHeaderSwedish : FavoHeaderEnglish).toUtf8();
        writeFavoFile(header + "\r\nA*" + home8() + "\r\nB*/b**f\r\nName**flt\r\nC*/c", FavoFileName(file));
        markChanged();
        host.answer(QStringLiteral("OK"));
        reload();
        expectOneMessage(FavoritesText::DataErrorTitle.text(swedish), FavoritesText::DataError.text(swedish));
        EXPECT_EQ(entries(), (std::vector<FavoritesEntry>{{"A", tmp.home(), {}}, {"B", "/b", "f"}}));
        EXPECT_EQ(form.FavoDirList.ListIndex(), -1); // nothing selected, the list keeps its state
        expectChanged(true);
        EXPECT_TRUE(form.FavoData.isPartial());
    }
}

TEST_F(FavoLoad, OtherFailuresShowTheUnknownErrorAndNeverLoop)
{
    const QString dataRel = QStringLiteral("home/.local/share/Wayfolder");
    const QByteArray english = FavoHeaderEnglish.toUtf8();
    // clang-format off
    struct Row { const char* name; std::function<void()> prepare; bool swedish; bool writeRefused; QStringList files; };
    const Row rows[] = {
        {"data folder cannot be created", [&] { tmp.writeFile(dataRel, "a file in the way"); }, false, false, {}},
        {"only blank lines after the header", [&] { writeFavoFile(FavoHeaderSwedish.toUtf8() + "\r\n\r\n\r\n"); }, true, false, {}},
        {"separator beyond the 16-bit positions", [&] { writeFavoFile("h\r\n" + QByteArray(40000, 'n') + "*/p"); }, false, false, {}},
        // The recovery's own write refused: nothing is left behind, and a header-only file stays as it was.
        {"missing file, write refused", [&] { QDir().mkpath(tmp.dataFolder()); }, false, true, {}},
        {"header-only file, write refused", [&] { writeFavoFile(english); }, false, true, {"FavoDirs.dat"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(tmp.dataFolder());
        QDir(tmp.dataFolder()).removeRecursively();
        host.messages.clear();
        row.prepare();
        markChanged();
        host.answer(QStringLiteral("OK"));
        {
            std::optional<FileSizeLimit> limit;
            if (row.writeRefused)
                limit.emplace(16);
            reload();
        }
        expectOneMessage(row.swedish ? "Fel" : "Error", row.swedish ? "Okänt Fel" : "Unknown Error");
        EXPECT_EQ(form.FavoDirList.ListIndex(), -1);
        expectChanged(true);
        if (row.writeRefused) {
            EXPECT_EQ(dataFolderFiles(), row.files);
        }
        if (!row.files.isEmpty()) {
            EXPECT_EQ(readFavoFile(), english);
        }
    }
}

TEST_F(FavoLoad, SavedFileReadsBackToTheSameBytes)
{
    const QByteArray entriesText =
        "Hem*" + home8() +
        "\r\n-*-\r\nBilder \xC3\xA5\xC3\xA4\xC3\xB6*/m\xC3\xB6/b***.jpg;*.png\r\n Blank * /x y ** z "
        "\r\nN*a**b**\r\nN***b**"; // explicit empty filters
    for (const QString& header : {FavoHeaderEnglish, FavoHeaderSwedish}) {
        SCOPED_TRACE(header.toStdString());
        const QByteArray file = header.toUtf8() + CrLf + entriesText;
        writeFavoFile(file);
        reload();
        ASSERT_EQ(entries().size(), 6u);
        EXPECT_EQ(entries()[2].filter, QStringLiteral("*.jpg;*.png"));
        EXPECT_EQ(entries()[4], (FavoritesEntry{"N", "a**b", ""}));
        EXPECT_EQ(entries()[5], (FavoritesEntry{"N", "**b", ""}));
        markChanged();
        form.Menu_SaveFavoFile_Click();
        EXPECT_EQ(readFavoFile(), file);
        expectChanged(false);
        module.SwedishLanguage = !module.SwedishLanguage;
        reload();
        EXPECT_EQ(module.SwedishLanguage, header == FavoHeaderSwedish);
    }
    EXPECT_EQ(dataFolderFiles(), QStringList{"FavoDirs.dat"});

    // A Windows-1252 file is written back as UTF-8.
    writeFavoFile("Fyll i\r\nH\xE4m*" + tmp.home().toLatin1() + "\r\nEuro*/\x80");
    reload();
    form.Menu_SaveFavoFile_Click();
    EXPECT_EQ(readFavoFile(),
              FavoHeaderSwedish.toUtf8() + "\r\nH\xC3\xA4m*" + home8() + "\r\nEuro*/\xE2\x82\xAC");

    // No entries: only the header, and no nameless entry is invented.
    for (ListBox* list : {&form.FavoDirList, &form.FavoDirPath, &form.FavoFileFilter})
        list->Clear();
    form.Menu_SaveFavoFile_Click();
    EXPECT_EQ(readFavoFile(), FavoHeaderSwedish.toUtf8());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FavoLoad, SaveThatCannotCompleteLeavesTheOldFileAndTheChangedList)
{
    const QByteArray old = FavoHeaderEnglish.toUtf8() + "\r\nA*" + home8();
    writeFavoFile(old);
    reload();
    for (int i = 0; i < 50; ++i)
        addEntry({"More", "/more", {}});
    for (const bool swedish : {false, true}) {
        SCOPED_TRACE(swedish);
        module.SwedishLanguage = swedish;
        host.messages.clear();
        markChanged();
        host.answer(QStringLiteral("OK"));
        {
            FileSizeLimit limit(old.size() + 100); // room for the old file, not for the new one
            form.Menu_SaveFavoFile_Click();
        }
        // The reason is the system's own, not a generic text.
        expectOneMessage(FavoritesText::FavoFileErrorTitle.text(swedish),
                         FavoritesText::SaveError1.text(swedish) + favoFile() +
                             FavoritesText::SaveError2.text(swedish) + u'\n' + qt_error_string(EFBIG));
        EXPECT_EQ(readFavoFile(), old);
        EXPECT_EQ(dataFolderFiles(), QStringList{"FavoDirs.dat"});
        expectChanged(true);
    }
}

TEST_F(FavoLoad, SavingOverAFaultyFileKeepsACopyOfItOnce)
{
    const QByteArray faulty = FavoHeaderEnglish.toUtf8() + "\r\nA*" + home8() + "\r\nbroken\r\nB*/b";
    const QString bak = QStringLiteral("FavoDirs.dat.bak");
    writeFavoFile(faulty);
    host.answer(QStringLiteral("OK"));
    reload();
    form.Menu_SaveFavoFile_Click();
    EXPECT_EQ(readFavoFile(bak), faulty);
    EXPECT_EQ(readFavoFile(), FavoHeaderEnglish.toUtf8() + "\r\nA*" + home8());
    form.Menu_SaveFavoFile_Click(); // a second save does not replace the copy with the shortened file
    EXPECT_EQ(readFavoFile(bak), faulty);

    QFile::remove(favoFile(bak)); // after a clean load no copy is made
    reload();
    form.Menu_SaveFavoFile_Click();
    EXPECT_FALSE(QFileInfo::exists(favoFile(bak)));
}

TEST_F(FavoLoad, AFaultyFileReplacedByAFolderIsNamedAsTheCauseNotTheCopy)
{
    // Replaced by a folder after the load (root reads a file of mode 000, a folder no one can):
    // the message names what is wrong with the original, not the backup copy.
    writeFavoFile(FavoHeaderSwedish.toUtf8() + "\r\nA*" + home8() + "\r\nbroken");
    host.answer(QStringLiteral("OK"));
    reload();
    ASSERT_TRUE(QFile::remove(favoFile()));
    ASSERT_TRUE(QDir().mkdir(favoFile()));
    host.answer(QStringLiteral("OK"));
    form.Menu_SaveFavoFile_Click();
    ASSERT_EQ(host.messages.size(), 2u);
    const QString reason = host.messages[1].prompt.section(u'\n', 1);
    EXPECT_TRUE(reason.startsWith(favoFile() + " är inte en vanlig fil")) << reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(favoFile("FavoDirs.dat.bak")));
}

TEST_F(FavoLoad, SymlinkedDataFileStaysALink)
{
    const QString target =
        tmp.writeFile("sync/favorites.dat", FavoHeaderEnglish.toUtf8() + "\r\nA*" + home8());
    QDir().mkpath(tmp.dataFolder());
    ASSERT_TRUE(QFile::link(target, favoFile()));
    reload();
    addEntry({"B", "/b", "*.txt"});
    form.Menu_SaveFavoFile_Click();
    EXPECT_TRUE(QFileInfo(favoFile()).isSymLink());
    EXPECT_EQ(tmp.readFile("sync/favorites.dat"),
              FavoHeaderEnglish.toUtf8() + "\r\nA*" + home8() + "\r\nB*/b***.txt");
}

} // namespace

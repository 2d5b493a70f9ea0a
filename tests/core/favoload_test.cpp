// Loading and saving the favorites data file through the main window: recovery of missing and
// empty files, data errors, exact bytes written back, and saves that cannot complete.

#include "appfixture.h"
#include "favorites/favofile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>

namespace {

const QByteArray CrLf = "\r\n";

const QString DataErrorEnglish =
    QStringLiteral("FavoDirs.dat file contains invalid data e.g. line missing * .\n"
                   "Select Edit Favorite Folders and correct data !");
const QString DataErrorSwedish = QStringLiteral("FavoDirs.dat fil innehåller felaktig data, t.ex. * saknas.\n"
                                                "Välj Redigera Favorit Foldrar datafil och korrigera data !");

/// Files may not grow beyond `bytes` while it lives; the signal is ignored so a write fails
/// with EFBIG instead of ending the test program.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
};

struct FavoLoad : AppFixture, ::testing::Test
{
    QString home() const { return tmp.home(); }

    /// The three lists as favorites, asserting that they stay parallel.
    std::vector<FavoritesEntry> entries() const
    {
        EXPECT_EQ(form.FavoDirPath.ListCount(), form.FavoDirList.ListCount());
        EXPECT_EQ(form.FavoFileFilter.ListCount(), form.FavoDirList.ListCount());
        std::vector<FavoritesEntry> result;
        for (int16_t i = 0; i < form.FavoDirList.ListCount(); ++i)
            result.push_back(
                {form.FavoDirList.List(i), form.FavoDirPath.List(i), form.FavoFileFilter.List(i)});
        return result;
    }

    void addEntry(const FavoritesEntry& entry)
    {
        form.FavoDirList.AddItem(entry.name);
        form.FavoDirPath.AddItem(entry.path);
        form.FavoFileFilter.AddItem(entry.filter);
    }
    void removeEntry(int16_t index)
    {
        form.FavoDirList.RemoveItem(index);
        form.FavoDirPath.RemoveItem(index);
        form.FavoFileFilter.RemoveItem(index);
    }

    /// The state of an edited list, which a load or save must clear.
    void markChanged()
    {
        module.FavoListChanged = true;
        form.Menu_UndoChanges.setEnabled(true);
        form.Menu_SaveFavoFile.setEnabled(true);
    }
    void expectUnchangedState()
    {
        EXPECT_FALSE(module.FavoListChanged);
        EXPECT_FALSE(form.Menu_UndoChanges.Enabled());
        EXPECT_FALSE(form.Menu_SaveFavoFile.Enabled());
    }
    void expectChangedState()
    {
        EXPECT_TRUE(module.FavoListChanged);
        EXPECT_TRUE(form.Menu_UndoChanges.Enabled());
        EXPECT_TRUE(form.Menu_SaveFavoFile.Enabled());
    }

    QByteArray defaultFile() const { return FavoHeaderDefault.toUtf8() + CrLf + "Home*" + home().toUtf8(); }
    FavoritesEntry homeEntry() const { return {QStringLiteral("Home"), home(), {}}; }

    QStringList dataFolderFiles() const
    {
        return QDir(tmp.dataFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

TEST_F(FavoLoad, MissingFileAndFoldersGetTheDefaultFile)
{
    // Not even the parent of the data folder exists yet.
    const QString dataHome = tmp.path(QStringLiteral("xdg/data"));
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    markChanged();

    form.LoadFavoFile();

    EXPECT_EQ(form.FavoFilePath, dataHome + QStringLiteral("/Wayfolder/FavoDirs.dat"));
    EXPECT_EQ(tmp.readFile(QStringLiteral("xdg/data/Wayfolder/FavoDirs.dat")), defaultFile());
    EXPECT_EQ(entries(), std::vector{homeEntry()});
    EXPECT_EQ(form.FavoDirList.ListIndex(), 0);
    EXPECT_FALSE(module.SwedishLanguage);
    expectUnchangedState();
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FavoLoad, RecoveryOfMissingAndEmptyFiles)
{
    const QByteArray swedishHeader = FavoHeaderSwedish.toUtf8();
    // An earlier release wrote Windows-1252.
    const QByteArray legacy = "Fyll i nedan\r\nM\xE5la*" + home().toLatin1();
    struct Row
    {
        const char* name;
        std::optional<QByteArray> data;
        std::optional<QByteArray> legacy;
        bool swedishBefore;
        // Expected:
        std::optional<QByteArray> dataAfter; // empty: the default file
        bool swedish;
        std::vector<FavoritesEntry> entries;
        bool legacyStays;
    };
    const std::vector<FavoritesEntry> homeOnly{homeEntry()};
    const std::vector<FavoritesEntry> legacyEntries{{QStringLiteral("Måla"), home(), {}}};
    const Row rows[] = {
        {"missing, legacy present", {}, legacy, false, legacy, true, legacyEntries, false},
        {"missing, no legacy", {}, {}, true, {}, false, homeOnly, false},
        {"empty file: default written, its entry line read as header",
         "",
         {},
         true,
         {},
         false,
         homeOnly,
         false},
        {"empty file beside a legacy file", "", legacy, false, {}, false, homeOnly, true},
        {"header only keeps its language", swedishHeader, {}, false, {}, true, homeOnly, false},
        {"header with line end keeps its language",
         swedishHeader + CrLf,
         {},
         false,
         {},
         true,
         homeOnly,
         false},
        {"header only, English", FavoHeaderEnglish.toUtf8(), {}, true, {}, false, homeOnly, false},
        {"header only beside a legacy file", swedishHeader, legacy, false, {}, true, homeOnly, true},
        {"legacy file with header only", {}, swedishHeader, false, {}, true, homeOnly, false},
    };
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

        form.LoadFavoFile();

        EXPECT_EQ(readFavoFile(), row.dataAfter.value_or(defaultFile()));
        EXPECT_EQ(module.SwedishLanguage, row.swedish);
        EXPECT_EQ(entries(), row.entries);
        EXPECT_EQ(form.FavoDirList.ListIndex(), 0);
        expectUnchangedState();
        EXPECT_EQ(QFileInfo::exists(favoFile(QStringLiteral("FavoDirs.txt"))), row.legacyStays);
        if (row.legacyStays) {
            EXPECT_EQ(readFavoFile(QStringLiteral("FavoDirs.txt")), *row.legacy);
        }
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(FavoLoad, EveryLineEndAndBlankLinesReadAndTheFileStaysAsItWas)
{
    const QByteArray body = "A*" + home().toUtf8() + "\n\nSep*-\rDocs*/d**r\r\n\r\n";
    for (const QByteArray& header : {FavoHeaderEnglish.toUtf8(), QByteArray("Fyll")}) {
        SCOPED_TRACE(header.constData());
        const QByteArray file = header + "\n" + body;
        writeFavoFile(file);
        form.LoadFavoFile();
        EXPECT_EQ(entries(), (std::vector<FavoritesEntry>{
                                 {QStringLiteral("A"), home(), {}},
                                 {QStringLiteral("Sep"), QStringLiteral("-"), {}},
                                 {QStringLiteral("Docs"), QStringLiteral("/d"), QStringLiteral("r")}}));
        EXPECT_EQ(module.SwedishLanguage, header == "Fyll");
        EXPECT_EQ(readFavoFile(), file);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FavoLoad, FaultyLineStopsTheLoadAndKeepsTheEntriesBeforeIt)
{
    struct Row
    {
        const char* name;
        QByteArray header;
        int16_t file;
        QString title;
        QString prompt;
    };
    const Row rows[] = {
        {"English", FavoHeaderEnglish.toUtf8(), 1, QStringLiteral("Data File Error"), DataErrorEnglish},
        // The message names the first file whichever file is active.
        {"Swedish, file 3", FavoHeaderSwedish.toUtf8(), 3, QStringLiteral("Datafil Fel"), DataErrorSwedish},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host.messages.clear();
        form.CurFavoFile = row.file;
        writeFavoFile(row.header + "\r\nA*" + home().toUtf8() + "\r\nB*/b**f\r\nName**flt\r\nC*/c",
                      FavoFileName(row.file));
        markChanged();
        host.answer(QStringLiteral("OK"));

        form.LoadFavoFile();

        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, row.title);
        EXPECT_EQ(host.messages[0].prompt, row.prompt);
        EXPECT_EQ(host.messages[0].style, 0);
        EXPECT_EQ(entries(), (std::vector<FavoritesEntry>{
                                 {QStringLiteral("A"), home(), {}},
                                 {QStringLiteral("B"), QStringLiteral("/b"), QStringLiteral("f")}}));
        // Nothing selected, and the list keeps the state it had.
        EXPECT_EQ(form.FavoDirList.ListIndex(), -1);
        expectChangedState();
        EXPECT_EQ(form.FaultyFavoFilePath, form.FavoFilePath);
    }
}

TEST_F(FavoLoad, OtherFailuresShowTheUnknownError)
{
    struct Row
    {
        const char* name;
        std::function<void()> prepare;
        bool swedish;
    };
    const Row rows[] = {
        {"data file is a folder",
         [&] { tmp.makeFolder(QStringLiteral("home/.local/share/Wayfolder/FavoDirs.dat")); }, false},
        {"data folder cannot be created",
         [&] { tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder"), "a file in the way"); }, false},
        {"only blank lines after the header",
         [&] { writeFavoFile(FavoHeaderSwedish.toUtf8() + "\r\n\r\n\r\n"); }, true},
        {"separator beyond the 16-bit positions",
         [&] { writeFavoFile("h\r\n" + QByteArray(40000, 'n') + "*/p"); }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(tmp.dataFolder());
        QDir(tmp.dataFolder()).removeRecursively();
        host.messages.clear();
        row.prepare();
        markChanged();
        host.answer(QStringLiteral("OK"));

        form.LoadFavoFile();

        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, row.swedish ? QStringLiteral("Fel") : QStringLiteral("Error"));
        EXPECT_EQ(host.messages[0].prompt,
                  row.swedish ? QStringLiteral("Okänt Fel") : QStringLiteral("Unknown Error"));
        EXPECT_EQ(host.messages[0].style, 0);
        EXPECT_EQ(form.FavoDirList.ListIndex(), -1);
        expectChangedState();
    }
}

TEST_F(FavoLoad, RecoveryThatCannotWriteStopsWithTheUnknownError)
{
    for (const bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing file" : "header-only file");
        QDir(tmp.dataFolder()).removeRecursively();
        QDir().mkpath(tmp.dataFolder());
        if (!missing)
            writeFavoFile(FavoHeaderEnglish.toUtf8());
        host.messages.clear();
        host.answer(QStringLiteral("OK"));
        {
            FileSizeLimit limit(16);
            form.LoadFavoFile();
        }
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].prompt, QStringLiteral("Unknown Error"));
        EXPECT_EQ(dataFolderFiles(), missing ? QStringList() : QStringList{QStringLiteral("FavoDirs.dat")});
        if (!missing) {
            EXPECT_EQ(readFavoFile(), FavoHeaderEnglish.toUtf8());
        }
    }
}

TEST_F(FavoLoad, SaveWritesTheExactFormat)
{
    form.FavoFilePath = favoFile();
    QDir().mkpath(tmp.dataFolder());
    const FavoritesEntry list[] = {
        {QStringLiteral("Docs"), QStringLiteral("C:\\Docs"), QStringLiteral("report")},
        {QStringLiteral("-"), QStringLiteral("-"), {}},
        {QStringLiteral("C-Root"), QStringLiteral("C:\\"), {}}};
    for (const FavoritesEntry& entry : list)
        addEntry(entry);
    markChanged();

    form.SaveFavoFile();

    EXPECT_EQ(readFavoFile(), FavoHeaderEnglish.toUtf8() + "\r\nDocs*C:\\Docs**report\r\n-*-\r\nC-Root*C:\\");
    expectUnchangedState();

    // Down to one entry, and then none: no nameless entry is invented.
    module.SwedishLanguage = true;
    removeEntry(0);
    removeEntry(0);
    form.SaveFavoFile();
    EXPECT_EQ(readFavoFile(), FavoHeaderSwedish.toUtf8() + "\r\nC-Root*C:\\");
    removeEntry(0);
    form.SaveFavoFile();
    EXPECT_EQ(readFavoFile(), FavoHeaderSwedish.toUtf8());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FavoLoad, SavedFileReadsBackToTheSameBytes)
{
    const QByteArray entriesText = "Hem*" + home().toUtf8() +
                                   "\r\n-*-\r\nBilder \xC3\xA5\xC3\xA4\xC3\xB6*/m\xC3\xB6/b**"
                                   "*.jpg;*.png\r\n Blank * /x y ** z ";
    for (const QString& header : {FavoHeaderEnglish, FavoHeaderSwedish}) {
        SCOPED_TRACE(header.toStdString());
        const QByteArray file = header.toUtf8() + CrLf + entriesText;
        writeFavoFile(file);
        form.LoadFavoFile();
        ASSERT_EQ(entries().size(), 4u);
        EXPECT_EQ(entries()[2].filter, QStringLiteral("*.jpg;*.png"));
        markChanged();

        form.SaveFavoFile();
        EXPECT_EQ(readFavoFile(), file);
        expectUnchangedState();

        module.SwedishLanguage = !module.SwedishLanguage;
        form.LoadFavoFile();
        EXPECT_EQ(module.SwedishLanguage, header == FavoHeaderSwedish);
    }
    EXPECT_EQ(dataFolderFiles(), QStringList{QStringLiteral("FavoDirs.dat")});
}

TEST_F(FavoLoad, Windows1252FileIsSavedAsUtf8)
{
    writeFavoFile("Fyll i\r\nH\xE4m*" + home().toLatin1() + "\r\nEuro*/\x80");
    form.LoadFavoFile();
    form.SaveFavoFile();
    EXPECT_EQ(readFavoFile(),
              FavoHeaderSwedish.toUtf8() + "\r\nH\xC3\xA4m*" + home().toUtf8() + "\r\nEuro*/\xE2\x82\xAC");
}

TEST_F(FavoLoad, EachFileNumberHasItsOwnFile)
{
    QDir().mkpath(tmp.dataFolder());
    writeFavoFile(FavoHeaderEnglish.toUtf8() + "\r\nOne*" + home().toUtf8());
    writeFavoFile(FavoHeaderEnglish.toUtf8() + "\r\nThree*" + home().toUtf8(),
                  QStringLiteral("FavoDirs3.dat"));
    const QByteArray first = readFavoFile();

    form.CurFavoFile = 3;
    form.LoadFavoFile();
    EXPECT_EQ(form.FavoFilePath, favoFile(QStringLiteral("FavoDirs3.dat")));
    EXPECT_EQ(form.FavoDirList.List(0), QStringLiteral("Three"));
    addEntry({QStringLiteral("Four"), QStringLiteral("/4"), {}});
    form.SaveFavoFile();
    EXPECT_EQ(readFavoFile(QStringLiteral("FavoDirs3.dat")),
              FavoHeaderEnglish.toUtf8() + "\r\nThree*" + home().toUtf8() + "\r\nFour*/4");
    EXPECT_EQ(readFavoFile(), first);

    form.CurFavoFile = 1;
    form.LoadFavoFile();
    EXPECT_EQ(form.FavoDirList.List(0), QStringLiteral("One"));
    EXPECT_EQ(dataFolderFiles(),
              (QStringList{QStringLiteral("FavoDirs.dat"), QStringLiteral("FavoDirs3.dat")}));
}

TEST_F(FavoLoad, SaveThatCannotCompleteLeavesTheOldFileAndTheChangedList)
{
    const QByteArray old = FavoHeaderEnglish.toUtf8() + "\r\nA*" + home().toUtf8();
    writeFavoFile(old);
    form.LoadFavoFile();
    for (int i = 0; i < 50; ++i)
        addEntry({QStringLiteral("More"), QStringLiteral("/more"), {}});
    struct Row
    {
        bool swedish;
        QString title;
        QString prompt;
    };
    const Row rows[] = {
        {false, QStringLiteral("Favorites List File Error"),
         QStringLiteral("The Favorites List file ") + favoFile() + QStringLiteral(" could not be saved.\n")},
        {true, QStringLiteral("Favoritlistfil Fel"),
         QStringLiteral("Favoritlistfilen ") + favoFile() + QStringLiteral(" kunde inte sparas.\n")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title.toStdString());
        module.SwedishLanguage = row.swedish;
        host.messages.clear();
        markChanged();
        host.answer(QStringLiteral("OK"));
        {
            // Room for the old file's size, not for the new one.
            FileSizeLimit limit(old.size() + 100);
            form.SaveFavoFile();
        }
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, row.title);
        // The reason is the system's own, not a generic text.
        EXPECT_EQ(host.messages[0].prompt.toStdString(), (row.prompt + qt_error_string(EFBIG)).toStdString());
        EXPECT_EQ(host.messages[0].style, 0);
        EXPECT_EQ(readFavoFile(), old);
        EXPECT_EQ(dataFolderFiles(), QStringList{QStringLiteral("FavoDirs.dat")});
        expectChangedState();
    }
}

TEST_F(FavoLoad, SavingOverAFaultyFileKeepsACopyOfIt)
{
    const QByteArray faulty = FavoHeaderEnglish.toUtf8() + "\r\nA*" + home().toUtf8() + "\r\nbroken\r\nB*/b";
    writeFavoFile(faulty);
    host.answer(QStringLiteral("OK"));
    form.LoadFavoFile();
    ASSERT_EQ(host.messages.size(), 1u);

    form.SaveFavoFile();
    EXPECT_EQ(readFavoFile(QStringLiteral("FavoDirs.dat.bak")), faulty);
    EXPECT_EQ(readFavoFile(), FavoHeaderEnglish.toUtf8() + "\r\nA*" + home().toUtf8());

    // The copy is made once: a second save does not replace it with the shortened file.
    form.SaveFavoFile();
    EXPECT_EQ(readFavoFile(QStringLiteral("FavoDirs.dat.bak")), faulty);

    // After a clean load no copy is made.
    QFile::remove(favoFile(QStringLiteral("FavoDirs.dat.bak")));
    form.LoadFavoFile();
    EXPECT_TRUE(form.FaultyFavoFilePath.isEmpty());
    form.SaveFavoFile();
    EXPECT_FALSE(QFileInfo::exists(favoFile(QStringLiteral("FavoDirs.dat.bak"))));
}

TEST_F(FavoLoad, SymlinkedDataFileStaysALink)
{
    const QString target = tmp.writeFile(QStringLiteral("sync/favorites.dat"),
                                         FavoHeaderEnglish.toUtf8() + "\r\nA*" + home().toUtf8());
    QDir().mkpath(tmp.dataFolder());
    ASSERT_TRUE(QFile::link(target, favoFile()));

    form.LoadFavoFile();
    ASSERT_EQ(entries().size(), 1u);
    addEntry({QStringLiteral("B"), QStringLiteral("/b"), QStringLiteral("*.txt")});
    form.SaveFavoFile();

    EXPECT_TRUE(QFileInfo(favoFile()).isSymLink());
    EXPECT_EQ(tmp.readFile(QStringLiteral("sync/favorites.dat")),
              FavoHeaderEnglish.toUtf8() + "\r\nA*" + home().toUtf8() + "\r\nB*/b***.txt");
}

TEST_F(FavoLoad, FileMenusMarkTheActiveFile)
{
    for (int16_t active = 1; active <= 5; ++active) {
        form.CurFavoFile = active;
        form.MarkFavoFileMenus();
        for (int16_t i = 1; i <= 5; ++i) {
            SCOPED_TRACE(testing::Message() << "active " << active << ", item " << i);
            EXPECT_EQ(form.Menu_FavoFile(i).Checked(), i == active);
            EXPECT_EQ(form.Menu_FF(i).Enabled(), i != active);
        }
    }
}

} // namespace

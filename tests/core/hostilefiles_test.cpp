// Every door to a user file against the same things that are not files: each one refuses at
// once, says so, and leaves what stands there as it was.

#include "appfixture.h"
#include "core/cli/favoritescli.h"
#include "core/dialogs/importbookmarksform.h"
#include "core/formats/desktopbookmarks.h"
#include "core/formats/favoritesio.h"
#include "core/system/regularfile.h"
#include "core/system/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Hostile
{
    const char* what;
    void (*make)(const QByteArray& path);
    bool (*intact)(const QByteArray& path);
};

// clang-format off
const Hostile hostiles[] = {
    {"FIFO",           [](const QByteArray& p) { ASSERT_EQ(::mkfifo(p.constData(), 0600), 0); },
                       [](const QByteArray& p) { struct stat st{}; return ::lstat(p.constData(), &st) == 0 && S_ISFIFO(st.st_mode); }},
    {"link to a device", [](const QByteArray& p) { ASSERT_EQ(::symlink("/dev/zero", p.constData()), 0); },
                       [](const QByteArray& p) { return QFile::symLinkTarget(QString::fromUtf8(p)) == "/dev/zero"; }},
    {"folder",         [](const QByteArray& p) { ASSERT_EQ(::mkdir(p.constData(), 0700), 0); },
                       [](const QByteArray& p) { return QFileInfo(QString::fromUtf8(p)).isDir(); }},
    {"oversized file", [](const QByteArray& p) { QFile f(QString::fromUtf8(p)); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); f.resize(qint64{100} << 20); },
                       [](const QByteArray& p) { return QFileInfo(QString::fromUtf8(p)).size() == qint64{100} << 20; }},
};
// clang-format on

// What a door said about the file, and whether it refused it.
struct Door
{
    const char* name;
    QString file; // below the temporary home
    std::function<QString(AppFixture&)> use;
};

bool saysNotAFile(const QString& said)
{
    for (const char* words :
         {"is not a regular file", "is larger than", "är inte en vanlig fil", "är större än"})
        if (said.contains(QString::fromUtf8(words)))
            return true;
    return false;
}

QString lastMessage(const AppFixture& app)
{
    return app.host.messages.empty() ? QString() : app.host.messages.back().prompt;
}

QString cli(const QStringList& args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const std::optional<int> code = runFavoritesCommand(QStringList{"wayfolder"} + args, o, e);
    return code == 1 ? err : QStringLiteral("exit %1").arg(code.value_or(-1));
}

TEST(HostileFiles, EveryDoorRefusesAtOnceAndLeavesItAsItWas)
{
    const QString favorites = "home/.local/share/Wayfolder/FavoDirs.dat";
    const QList<DesktopBookmarks::Bookmark> folders{{"/tmp", "T", {}}};
    const auto notAFile = [](bool refused) {
        return refused ? QStringLiteral("is not a regular file") : QString();
    };
    // clang-format off
    const Door doors[] = {
        {"window load, Swedish", favorites, [](AppFixture& app) {
             app.module.SwedishLanguage = true;
             app.host.answer("OK");
             app.reload();
             return app.host.messages.size() == 1 && app.host.messages[0].title == "Datafil Fel" ? lastMessage(app) : QString(); }},
        // The list stays unsaved, and nothing is copied aside.
        {"window save", favorites, [](AppFixture& app) {
             app.form.Favorites.append({"New", "/tmp", {}});
             app.module.FavoListChanged = true;
             app.host.answer("OK");
             app.form.Menu_SaveFavoFile_Click();
             const bool kept = app.module.FavoListChanged && !QFileInfo::exists(app.favoFile("FavoDirs.dat.bak"));
             return kept ? lastMessage(app) : QString(); }},
        {"settings", "home/.config/Wayfolder/Wayfolder.ini", [&](AppFixture& app) {
             SettingsFile settings(app.tmp.configFile());
             settings.Get("DefaultPath", {});
             const auto kind = settings.Problem().kind;
             const bool saved = settings.Save("DefaultPath", "/x");
             return notAFile((kind == SettingsFileProblem::NotRegularFile || kind == SettingsFileProblem::TooLarge) && !saved); }},
        {"--list", favorites, [](AppFixture&) { return cli({"--list"}); }},
        {"--path", favorites, [](AppFixture&) { return cli({"--path", "Home"}); }},
        {"--add", favorites, [](AppFixture& app) { return cli({"--add", app.tmp.home()}); }},
        {"Find's other files", "home/.local/share/Wayfolder/FavoDirs2.dat", [&](AppFixture& app) {
             const auto status = FavoritesIo::Read(app.favoFile("FavoDirs2.dat")).status;
             return notAFile(status == FavoritesFileContent::NotRegular || status == FavoritesFileContent::TooLarge); }},
        {"Import", "home/.config/gtk-3.0/bookmarks", [](AppFixture&) { return CollectDesktopBookmarks(false).problems.join(u'\n'); }},
        {"Export", "home/.local/share/user-places.xbel", [&folders](AppFixture&) {
             const auto result = DesktopBookmarks::Export(DesktopBookmarks::Format::Xbel, DesktopBookmarks::XbelPath(), folders);
             return BookmarkFileProblem("x", result.status, result.error, false).value_or(QString()); }},
    };
    // clang-format on
    for (const Hostile& hostile : hostiles) {
        for (const Door& door : doors) {
            SCOPED_TRACE(std::string(door.name) + " / " + hostile.what);
            AppFixture app;
            if (QLatin1String(door.name) == QLatin1String("window save")) {
                app.writeFavoFile(FavoHeaderEnglish.toUtf8() + "\r\nHome*/");
                app.start();
                QFile::remove(app.favoFile());
            }
            const QByteArray path = QFile::encodeName(app.tmp.path(door.file));
            QDir().mkpath(QFileInfo(QString::fromUtf8(path)).path());
            hostile.make(path);
            const QString said = door.use(app);
            EXPECT_TRUE(saysNotAFile(said)) << said.toStdString();
            EXPECT_TRUE(hostile.intact(path));
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

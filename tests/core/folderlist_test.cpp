// The folder tree model on real folders: indices, order, path forms, events and failures.

#include "core/system/runtimeerror.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"
#include "tempfolder.h"
#include "testhost.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class FolderListTest : public ::testing::Test
{
protected:
    FolderListTest()
    {
        dirList.Change = [this] {
            ++changes;
            // The handler sees the new folder already listed.
            pathAtChange = dirList.Path();
            countAtChange = dirList.ListCount();
        };
        dirList.Click = [this] { ++clicks; };
    }

    QString folder(const QString& relative) const { return temp.makeFolder(relative); }

    int16_t expectError(const QString& path)
    {
        try {
            dirList.setPath(path);
        } catch (const RunTimeError& error) {
            return error.Number();
        }
        ADD_FAILURE() << "no error for " << path.toStdString();
        return 0;
    }

    TempFolder temp;
    TestHost host;
    Form form{host, QStringLiteral("Test")};
    FolderList dirList{form, QStringLiteral("DirList")};
    int changes = 0;
    int clicks = 0;
    QString pathAtChange;
    int countAtChange = -1;
};

QStringList names(const FolderList& list)
{
    QStringList result;
    for (int i = 0; i < list.ListCount(); ++i)
        result.append(list.List(i).section(QLatin1Char('/'), -1));
    return result;
}

} // namespace

TEST_F(FolderListTest, ListsAncestorsAboveAndVisibleSubfoldersInCaseInsensitiveOrder)
{
    const QString top = folder(QStringLiteral("top"));
    for (const char* name :
         {"beta", "alpha", "Alpha", ".hidden", "zeta", "Ärlig", "ÅTGÄRD", "åtgärd2", "Beta 2"})
        folder(QStringLiteral("top/") + QString::fromUtf8(name));
    temp.writeFile(QStringLiteral("top/file.txt"), "x");
    ASSERT_TRUE(QFile::link(temp.path(QStringLiteral("top/zeta")), temp.path(QStringLiteral("top/linkdir"))));
    ASSERT_TRUE(
        QFile::link(temp.path(QStringLiteral("top/file.txt")), temp.path(QStringLiteral("top/linkfile"))));
    ASSERT_TRUE(
        QFile::link(temp.path(QStringLiteral("top/gone")), temp.path(QStringLiteral("top/dangling"))));

    dirList.setPath(top);

    EXPECT_EQ(dirList.Path(), top);
    EXPECT_EQ(dirList.ListIndex(), -1);
    EXPECT_EQ(names(dirList),
              QStringList({"Alpha", "alpha", "beta", "Beta 2", "linkdir", "zeta", QString::fromUtf8("Ärlig"),
                           QString::fromUtf8("ÅTGÄRD"), QString::fromUtf8("åtgärd2")}));
    EXPECT_EQ(dirList.List(dirList.ListCount()), QString());

    // -1 is the open folder, then each parent up to the root.
    const int depth = int(top.count(QLatin1Char('/')));
    ASSERT_EQ(dirList.AncestorCount(), depth + 1);
    EXPECT_EQ(dirList.List(-1), top);
    EXPECT_EQ(dirList.List(-dirList.AncestorCount()), QStringLiteral("/"));
    EXPECT_EQ(dirList.List(-dirList.AncestorCount() - 1), QString());
    for (int16_t i = -2; i >= -dirList.AncestorCount(); --i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dirList.List(i), QFileInfo(dirList.List(i + 1)).path());
    }
}

TEST_F(FolderListTest, AnotherFolderRunsChangeOnceWithTheNewListInPlace)
{
    const QString a = folder(QStringLiteral("a"));
    folder(QStringLiteral("a/one"));
    folder(QStringLiteral("a/two"));
    dirList.setPath(a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pathAtChange, a);
    EXPECT_EQ(countAtChange, 2);

    // The same folder, however written, runs nothing.
    for (const QString& same :
         QStringList{a, a + QStringLiteral("//"), a + QStringLiteral("/one/.."), QStringLiteral(".")}) {
        SCOPED_TRACE(same.toStdString());
        dirList.setListIndex(1);
        dirList.setPath(same);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(dirList.ListIndex(), 1);
    }

    dirList.setPath(QStringLiteral("two")); // relative to the open folder
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(dirList.Path(), a + QStringLiteral("/two"));
    EXPECT_EQ(dirList.ListIndex(), -1);
}

TEST_F(FolderListTest, PathsAreWrittenAbsoluteWithoutTrailingSlash)
{
    const QString a = folder(QStringLiteral("a/b"));
    // clang-format off
    struct Row { QString given; QString shown; };
    // clang-format on
    const Row rows[] = {
        {temp.path(QStringLiteral("a/./b/../b//")), temp.path(QStringLiteral("a/b"))},
        {QStringLiteral(".."), temp.path(QStringLiteral("a"))},
        {QStringLiteral("/"), QStringLiteral("/")},
        {QStringLiteral("//"), QStringLiteral("/")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.given.toStdString());
        dirList.setPath(row.given);
        EXPECT_EQ(dirList.Path(), row.shown);
    }
    EXPECT_EQ(dirList.AncestorCount(), 1);
    EXPECT_EQ(dirList.List(-2), QString());
    ASSERT_GT(dirList.ListCount(), 0);
    EXPECT_FALSE(dirList.List(0).startsWith(QStringLiteral("//")));
}

TEST_F(FolderListTest, AFolderThatCannotBeShownLeavesEverythingAsItWas)
{
    const QString a = folder(QStringLiteral("a"));
    folder(QStringLiteral("a/sub"));
    temp.writeFile(QStringLiteral("a/file.txt"), "x");
    dirList.setPath(a);
    dirList.setListIndex(0);
    const int changesBefore = changes;
    ASSERT_TRUE(QFile::link(temp.path(QStringLiteral("loop")), temp.path(QStringLiteral("loop"))));

    // clang-format off
    struct Row { QString path; int16_t number; };
    // clang-format on
    const Row rows[] = {
        {QString(), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("missing")), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("a/file.txt")), ErrNo::PathNotFound},
        {temp.path(QString(300, QLatin1Char('n'))), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("loop")), ErrNo::PathNotFound},
        {temp.path(QStringLiteral("a")) + QChar(0) + QStringLiteral("x"), ErrNo::InvalidArgument},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        EXPECT_EQ(expectError(row.path), row.number);
        EXPECT_EQ(dirList.Path(), a);
        EXPECT_EQ(dirList.ListCount(), 1);
        EXPECT_EQ(dirList.ListIndex(), 0);
        EXPECT_EQ(changes, changesBefore);
    }
}

TEST_F(FolderListTest, AnUnreadableFolderIsAnAccessError)
{
    const QString locked = folder(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    // Root reads every folder, so a test run as root looks as an ordinary user for a while.
    const uid_t user = geteuid();
    if (user == 0 && seteuid(65534) != 0)
        GTEST_SKIP() << "cannot drop root";
    const int16_t number = expectError(locked);
    if (user == 0) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_EQ(number, ErrNo::PathFileAccess);
    EXPECT_EQ(changes, 0);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FolderListTest, HighlightMovesWithinTheListAndNeverChangesPath)
{
    const QString a = folder(QStringLiteral("a"));
    folder(QStringLiteral("a/one"));
    folder(QStringLiteral("a/two"));
    dirList.setPath(a);
    // clang-format off
    struct Row { int16_t set; int16_t shown; };
    // clang-format on
    const Row rows[] = {{1, 1},
                        {2, -1},
                        {int16_t(-dirList.AncestorCount()), int16_t(-dirList.AncestorCount())},
                        {int16_t(-dirList.AncestorCount() - 1), -1},
                        {-32768, -1}};
    int expectedClicks = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.set);
        dirList.setListIndex(row.set);
        EXPECT_EQ(dirList.ListIndex(), row.shown);
        EXPECT_EQ(clicks, ++expectedClicks);
    }
    EXPECT_EQ(dirList.Path(), a);
    EXPECT_EQ(changes, 1);
}

TEST_F(FolderListTest, RefreshRereadsAndKeepsTheHighlightedFolder)
{
    const QString a = folder(QStringLiteral("a"));
    folder(QStringLiteral("a/m"));
    folder(QStringLiteral("a/z"));
    dirList.setPath(a);
    dirList.setListIndex(1); // z
    folder(QStringLiteral("a/b"));
    EXPECT_EQ(dirList.ListCount(), 2); // not read yet

    int itemsChanged = 0;
    QObject::connect(&dirList, &FolderList::itemsChanged, [&] { ++itemsChanged; });
    dirList.Refresh();
    EXPECT_EQ(itemsChanged, 1);
    EXPECT_EQ(names(dirList), QStringList({"b", "m", "z"}));
    EXPECT_EQ(dirList.ListIndex(), 2);
    EXPECT_EQ(changes, 1);

    QDir(temp.path(QStringLiteral("a/z"))).removeRecursively();
    dirList.Refresh();
    EXPECT_EQ(dirList.ListIndex(), -1);

    // The open folder vanishes: the old list stays and nothing is thrown.
    QDir(a).removeRecursively();
    EXPECT_NO_THROW(dirList.Refresh());
    EXPECT_EQ(dirList.Path(), a);
    EXPECT_EQ(names(dirList), QStringList({"b", "m"}));
}

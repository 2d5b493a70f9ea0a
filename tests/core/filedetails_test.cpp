// The details columns of the file list on real folders: the size texts, the orders, which rows
// are read, and a folder that does not answer.

#include "core/toolkit/filecolumns.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/form.h"
#include "tempfolder.h"
#include "testhost.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

namespace {

using FileColumns::Column;

struct DetailsList : ::testing::Test
{
    TempFolder temp;
    TestHost host;
    Form form{host, QStringLiteral("Test")};
    FileList list{form, QStringLiteral("FileList")};
    QString folder = temp.makeFolder(QStringLiteral("f"));

    void make(const QString& name, int size, time_t modified) const
    {
        const QString path = temp.writeFile(QStringLiteral("f/") + name, QByteArray(size, 'x'));
        const timespec times[2] = {{modified, 0}, {modified, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }
    void makeMany(int count) const
    {
        for (int i = 0; i < count; ++i)
            temp.writeFile(QStringLiteral("f/%1.txt").arg(i, 4, 10, QLatin1Char('0')), {});
    }
    // The rows whose size has been read, as "first-last" runs.
    QString readRows() const
    {
        QStringList runs;
        for (int i = 0; i < list.ListCount(); ++i) {
            if (list.SizeText(i).isEmpty())
                continue;
            int end = i;
            while (end + 1 < list.ListCount() && !list.SizeText(end + 1).isEmpty())
                ++end;
            runs << QStringLiteral("%1-%2").arg(i).arg(end);
            i = end;
        }
        return runs.join(u' ');
    }
};

} // namespace

TEST(FileColumns, SizesInEachLanguagesNumberFormat)
{
    struct Row
    {
        uint64_t bytes;
        const char16_t* english;
        const char16_t* swedish;
    };
    // clang-format off
    const Row rows[] = {
        {0,                                     u"0 bytes",   u"0 byte"},
        {1,                                     u"1 byte",    u"1 byte"},
        {999,                                   u"999 bytes", u"999 byte"},
        {1000,                                  u"1.0 kB",    u"1,0 kB"},
        {1249,                                  u"1.2 kB",    u"1,2 kB"},
        {1250,                                  u"1.3 kB",    u"1,3 kB"},
        {999949,                                u"999.9 kB",  u"999,9 kB"},
        {999950,                                u"1.0 MB",    u"1,0 MB"},
        {1234567,                               u"1.2 MB",    u"1,2 MB"},
        {12345678901,                           u"12.3 GB",   u"12,3 GB"},
        {999999999999999,                       u"1.0 PB",    u"1,0 PB"},
        {std::numeric_limits<uint64_t>::max(),  u"18.4 EB",   u"18,4 EB"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(FileColumns::SizeText(row.bytes, false), QString::fromUtf16(row.english)) << row.bytes;
        EXPECT_EQ(FileColumns::SizeText(row.bytes, true), QString::fromUtf16(row.swedish)) << row.bytes;
    }
}

TEST_F(DetailsList, AHeaderClickSortsByItsColumnAndAgainReversesWhileNamesOnlyKeepsNameOrder)
{
    make("a.txt", 30, 2000000);
    make("B.txt", 10, 3000000);
    make("c.txt", 20, 1000000);
    make("d.txt", 10, 1000000);
    struct Row
    {
        bool details;
        std::vector<Column> clicks;
        QStringList order;
    };
    // clang-format off
    const Row rows[] = {
        {true,  {},                                   {"a.txt", "B.txt", "c.txt", "d.txt"}},
        {true,  {Column::Name},                       {"d.txt", "c.txt", "B.txt", "a.txt"}},
        {true,  {Column::Size},                       {"B.txt", "d.txt", "c.txt", "a.txt"}},
        {true,  {Column::Size, Column::Size},         {"a.txt", "c.txt", "d.txt", "B.txt"}},
        {true,  {Column::Modified},                   {"c.txt", "d.txt", "a.txt", "B.txt"}},
        {true,  {Column::Size, Column::Modified},     {"c.txt", "d.txt", "a.txt", "B.txt"}},
        {true,  {Column::Modified, Column::Modified}, {"B.txt", "a.txt", "d.txt", "c.txt"}},
        {false, {Column::Size},                       {"a.txt", "B.txt", "c.txt", "d.txt"}},
        {false, {Column::Name},                       {"a.txt", "B.txt", "c.txt", "d.txt"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.order.join(u' ').toStdString());
        FileList files{form, QStringLiteral("Files")};
        files.setPath(folder);
        files.setDetails(row.details);
        files.setVisibleRows(0, 0);
        // The chosen files stay chosen, whatever row they move to.
        files.setListIndex(files.IndexOf("a.txt"));
        files.toggleSelected(files.IndexOf("c.txt"));
        for (Column column : row.clicks)
            files.sortBy(column);
        QStringList order;
        for (int i = 0; i < files.ListCount(); ++i)
            order << files.List(i);
        EXPECT_EQ(order, row.order);
        EXPECT_EQ(files.List(files.ListIndex()), "c.txt");
        QStringList chosen;
        for (int i : files.SelectedIndexes())
            chosen << files.List(i);
        chosen.sort();
        EXPECT_EQ(chosen, QStringList({"a.txt", "c.txt"}));
        // Back to names only: the described order.
        files.setDetails(false);
        EXPECT_EQ(files.List(0), "a.txt");
    }
}

TEST_F(DetailsList, OnlyTheRowsOnScreenAreReadAndAFolderShowsNoSize)
{
    makeMany(200);
    list.setPath(folder);
    list.setVisibleRows(10, 19);
    EXPECT_EQ(readRows(), ""); // names only: nothing read
    list.setDetails(true);
    EXPECT_EQ(readRows(), "10-19");
    list.setVisibleRows(150, 400);
    EXPECT_EQ(readRows(), "10-19 150-199");
    EXPECT_EQ(list.SizeText(150), "0 bytes");
    // A name that became a folder after the listing: a time, no size.
    ASSERT_TRUE(QFile::remove(folder + "/0050.txt"));
    ASSERT_TRUE(QDir(folder).mkdir("0050.txt"));
    list.setVisibleRows(50, 50);
    EXPECT_EQ(list.SizeText(50), "");
    EXPECT_FALSE(list.ModifiedText(50).isEmpty());
    // A folder read again forgets what it knew and reads the rows on screen anew.
    temp.writeFile("f/0051.txt", QByteArray(2000, 'x'));
    list.Refresh();
    EXPECT_EQ(list.List(50), "0051.txt");
    EXPECT_EQ(readRows(), "50-50");
    EXPECT_EQ(list.SizeText(50), "2.0 kB");
}

TEST_F(DetailsList, AFolderThatDoesNotAnswerHoldsOneReadAndNeverTheWindow)
{
    makeMany(200);
    temp.makeFolder("g");
    temp.writeFile("g/other.txt", "x");
    list.setPath(folder);
    list.setDetails(true);
    int changed = 0;
    QObject::connect(&list, &FileList::detailsChanged, [&changed] { ++changed; });
    const QString key = QStringLiteral("details:") + folder;
    host.testWorkers.hold(folder);
    list.setVisibleRows(0, 9);
    EXPECT_EQ(readRows(), "");
    // Scrolled away while the disk hangs: no second read starts beside the waiting one.
    list.setVisibleRows(100, 109);
    list.setVisibleRows(120, 129);
    EXPECT_EQ(host.testWorkers.started[key], 1);
    // When it answers, the read of the rows scrolled away has stopped and the rows now shown come.
    host.testWorkers.release(folder);
    EXPECT_EQ(readRows(), "120-129");
    EXPECT_EQ(host.testWorkers.started[key], 2);
    EXPECT_GT(changed, 0);
    // A read held when the folder changes never fills the new folder's rows.
    host.testWorkers.hold(folder);
    list.Refresh();
    list.setVisibleRows(0, 9);
    list.setPath(temp.path("g"));
    list.setVisibleRows(0, 9);
    host.testWorkers.release(folder);
    EXPECT_EQ(list.List(0), "other.txt");
    EXPECT_EQ(readRows(), "0-0");
}

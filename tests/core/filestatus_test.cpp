// The status line under the file list: counts that tell an empty folder, a full one and a filter
// that matches nothing apart, in both languages, kept up to date by every way the list changes.

#include "appfixture.h"
#include "core/mainform/filestatus.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(FileStatus, TextForEachCase)
{
    // clang-format off
    struct Row { bool listed; int shown, total; bool filtered; const char* pattern; const char* english; const char* swedish; };
    const Row rows[] = {
        {false, 0, 0, false, "*.*", "", ""},
        {true, 0, 0, false, "*.*", "Empty folder", "Tom mapp"},
        {true, 0, 0, true, "*x*", "Empty folder", "Tom mapp"},
        {true, 340, 340, false, "*.*", "340 files", "340 filer"},
        {true, 1, 1, false, "*.*", "1 file", "1 fil"},
        {true, 12, 340, true, "*rep*", "12 of 340 files shown (filter: *rep*)", "12 av 340 filer visas (filter: *rep*)"},
        {true, 0, 340, true, "*zz*", "0 of 340 files shown (filter: *zz*)", "0 av 340 filer visas (filter: *zz*)"},
        {true, 0, 1, true, "*.c", "0 of 1 file shown (filter: *.c)", "0 av 1 fil visas (filter: *.c)"},
        {true, 100000, 100000, false, "*.*", "100,000 files", "100\u00a0000 filer"},
        {true, 5, 7, true, "*%1*", "5 of 7 files shown (filter: *%1*)", "5 av 7 filer visas (filter: *%1*)"},
    };
    // clang-format on
    for (const Row& row : rows) {
        for (const bool sv : {false, true}) {
            EXPECT_EQ(FileStatus::Text(row.listed, row.shown, row.total, row.filtered,
                                       QString::fromUtf8(row.pattern), sv)
                          .toStdString(),
                      sv ? row.swedish : row.english);
        }
    }
}

struct StatusApp : AppFixture
{
    QString work = tmp.makeFolder("home/work");
    QString empty = tmp.makeFolder("home/work/empty");

    StatusApp()
    {
        for (const char* name : {"a.txt", "b.txt", "c.log"})
            tmp.writeFile(QStringLiteral("home/work/") + name, "x");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
    }
    QString status() const { return form.Label_FileStatus.Caption(); }
};

TEST(FileStatus, FollowsFolderFilterRefreshAndLanguage)
{
    StatusApp app;
    app.start();
    EXPECT_EQ(app.status(), "3 files");

    app.form.FileFind.setText("txt");
    EXPECT_EQ(app.status(), "2 of 3 files shown (filter: *txt*)");
    app.form.FileFind.setText("*.zip");
    EXPECT_EQ(app.status(), "0 of 3 files shown (filter: *.zip)");
    app.form.FileFind.setText("");
    EXPECT_EQ(app.status(), "3 files");

    app.tmp.writeFile("home/work/d.txt", "x");
    EXPECT_EQ(app.status(), "3 files"); // not read yet
    app.form.Command_RefreshFileList_Click();
    EXPECT_EQ(app.status(), "4 files");

    app.form.DirList.setPath(app.empty);
    EXPECT_EQ(app.status(), "Empty folder");

    app.form.Menu_Language_Click();
    EXPECT_EQ(app.status(), "Tom mapp");
}

} // namespace

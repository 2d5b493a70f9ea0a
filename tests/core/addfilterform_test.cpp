// The copy-path and add-filter dialog: the file name as the proposed filter, the full path on the
// clipboard, the warning when a filter is active, and the dialog refusing to open without a file.

#include "appfixture.h"
#include "core/dialogs/addfilterform.h"

#include <gtest/gtest.h>

namespace {

struct AddFilter : AppFixture
{
    QString work = tmp.makeFolder("home/work");

    AddFilter()
    {
        for (const char* name : {"report.txt", "notes.txt", "image.png"})
            tmp.writeFile(QStringLiteral("home/work/") + name, "x");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
        start();
    }
    void onDialog(std::function<void(AddFilterForm&)> script)
    {
        AppFixture::onDialog("AddFilterForm", std::move(script));
    }
    void rightClickFile() { form.FileList_MouseDown(2, 0, 0, 0); }
};

} // namespace

TEST(AddFilterForm, WithoutAnActiveFilterTheFileNameBecomesTheFilter)
{
    AddFilter app;
    ASSERT_TRUE(app.selectFile("report.txt"));
    app.onDialog([](AddFilterForm& d) {
        EXPECT_EQ(d.Label_FileName.Caption(), "report.txt");
        EXPECT_EQ(d.Text_NewFilterName.Text(), "report.txt");
        EXPECT_TRUE(d.Command_Save.Enabled());
        EXPECT_EQ(d.ActiveControl(), &d.Text_NewFilterName);
        d.Command_Save.RaiseClick();
    });
    app.rightClickFile();
    EXPECT_TRUE(app.host.messages.empty());
    EXPECT_EQ(app.form.FileFind.Text(), "report.txt");
    EXPECT_EQ(app.files(), QStringList({"report.txt"}));
    EXPECT_FALSE(app.module.FavoListChanged);
}

TEST(AddFilterForm, CopyPathJoinsFolderAndNameWithOneSlashAndLeavesTheFilter)
{
    AddFilter app;
    app.host.clipboard = "old";
    ASSERT_TRUE(app.selectFile("notes.txt"));
    app.onDialog([](AddFilterForm& d) {
        d.Text_NewFilterName.setText("edited");
        d.Command_CopyPath.RaiseClick();
    });
    app.rightClickFile();
    EXPECT_EQ(app.host.clipboard, app.work + "/notes.txt");
    EXPECT_EQ(app.form.FileFind.Text(), "");

    // At the root the folder already ends in its slash.
    app.form.DirList.setPath("/");
    QString rootFile;
    for (int i = 0; i < app.form.FileList.ListCount() && rootFile.isEmpty(); ++i)
        rootFile = app.form.FileList.List(i);
    if (rootFile.isEmpty())
        GTEST_SKIP() << "no visible file in /";
    ASSERT_TRUE(app.selectFile(rootFile));
    app.onDialog([](AddFilterForm& d) { d.Command_CopyPath_Click(); });
    app.rightClickFile();
    EXPECT_EQ(app.host.clipboard, "/" + rootFile);
}

TEST(AddFilterForm, ActiveFilterWarnsOnceCancelClosesOkLetsAddReplaceIt)
{
    // clang-format off
    struct Row { const char* answer; const char* filterAfter; };
    // clang-format on
    for (const Row& row : {Row{"Cancel", "txt"}, Row{"OK", "report.txt"}}) {
        SCOPED_TRACE(row.answer);
        AddFilter app;
        app.form.FileFind.setText("txt");
        ASSERT_TRUE(app.selectFile("report.txt"));
        app.onDialog([&](AddFilterForm& d) {
            EXPECT_EQ(d.IsLoaded(), std::string(row.answer) == "OK");
            if (!d.IsLoaded())
                return;
            d.Activate(); // the window becomes active again once the warning has closed
            d.Command_Save_Click();
        });
        app.host.answer(row.answer);
        app.rightClickFile();

        ASSERT_EQ(app.host.messages.size(), 1u);
        EXPECT_EQ(app.host.messages[0].title, "Add Filter Warning");
        EXPECT_EQ(app.host.messages[0].prompt, "There is already an active Filter !");
        EXPECT_EQ(app.host.messages[0].style, 1);
        EXPECT_EQ(app.form.FileFind.Text(), row.filterAfter);
    }
}

TEST(AddFilterForm, EmptyFilterDisablesAddAndEnterThenChangesNothing)
{
    AddFilter app;
    ASSERT_TRUE(app.selectFile("notes.txt"));
    app.onDialog([](AddFilterForm& d) {
        d.Text_NewFilterName.RaiseDblClick();
        EXPECT_EQ(d.Text_NewFilterName.Text(), "");
        EXPECT_FALSE(d.Command_Save.Enabled());
        d.Text_NewFilterName.RaiseKeyPress(13);
        EXPECT_TRUE(d.IsLoaded());
        d.Text_NewFilterName.setText("n");
        EXPECT_TRUE(d.Command_Save.Enabled());
        d.Text_NewFilterName.RaiseKeyPress(27);
        EXPECT_FALSE(d.IsLoaded());
    });
    app.rightClickFile();
    EXPECT_EQ(app.form.FileFind.Text(), "");

    app.onDialog([](AddFilterForm& d) {
        EXPECT_EQ(d.Text_NewFilterName.Text(), "notes.txt");
        d.Text_NewFilterName.setText("*.txt");
        d.Text_NewFilterName.RaiseKeyPress(13);
    });
    app.rightClickFile();
    EXPECT_EQ(app.form.FileFind.Text(), "*.txt");
    EXPECT_EQ(app.files(), QStringList({"notes.txt", "report.txt"}));
}

TEST(AddFilterForm, WithNoFileSelectedTheDialogNeverShows)
{
    AddFilter app;
    app.form.FileList.setListIndex(-1);
    app.module.addFilterForm().ShowModal();
    EXPECT_FALSE(app.module.addFilterForm().IsLoaded());
    EXPECT_TRUE(app.host.messages.empty());
}

// The desktop's usual keys run the existing commands, show in the menus (and in the README and
// the man page), and leave the keys the lists and the filter box handle themselves alone; typing
// in the favorites highlights without opening; Escape closes Change Drive as Cancel does.

#include "core/dialogs/changedriveform.h"
#include "modal.h"
#include "qtinput.h"
#include "shownwindow.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct KeysTest : ShownWindow
{};

// The keys an action shows: the text after a tab, or its own shortcut.
void collectKeys(const QList<QAction*>& actions, QStringList& keys)
{
    for (const QAction* action : actions) {
        if (action->menu())
            collectKeys(action->menu()->actions(), keys);
        else if (action->text().contains(u'\t'))
            keys << action->text().section(u'\t', 1);
        else if (!action->shortcut().isEmpty())
            keys << action->shortcut().toString(QKeySequence::NativeText);
    }
}

QString sourceText(const char* relative)
{
    QFile file(QStringLiteral(WAYFOLDER_SOURCE_DIR "/") + QLatin1String(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative;
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST_F(KeysTest, EachKeyChoosesItsCommandAndItsMenuShowsIt)
{
    // clang-format off
    struct Row { QKeyCombination key; MenuItem* item; bool shownInMenu; };
    // clang-format on
    const Row rows[] = {
        {Qt::Key_F5, &form.Menu_RefreshFilesList, true},
        {Qt::SHIFT | Qt::Key_F5, &form.Menu_RefreshFolderList, true},
        {Qt::CTRL | Qt::Key_S, &form.Menu_SaveFavoFile, true},
        {Qt::CTRL | Qt::Key_Z, &form.Menu_UndoChanges, true},
        {Qt::CTRL | Qt::Key_D, &form.Menu_AddDir, true},
        {Qt::CTRL | Qt::Key_Q, &form.Menu_Exit, true},
        {Qt::CTRL | Qt::Key_W, &form.Menu_Exit, false},
        {Qt::Key_F1, &form.Menu_About, false}, // a command on the menu bar itself
        {Qt::CTRL | Qt::SHIFT | Qt::Key_N, &form.Menu_NewFolder, true},
        {Qt::Key_F2, &form.Menu_RenameFile, true},
        {Qt::CTRL | Qt::Key_H, &form.Menu_ShowHidden, true},
        {Qt::ALT | Qt::Key_Left, &form.Menu_Back, true},
        {Qt::ALT | Qt::Key_Right, &form.Menu_Forward, true},
        {Qt::CTRL | Qt::Key_L, &form.Menu_Location, true},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_F, &form.Menu_FindFavorite, false},
    };
    form.DirList.SetFocus();
    for (const Row& row : rows) {
        SCOPED_TRACE(QKeySequence(row.key).toString().toStdString());
        row.item->setEnabled(true);
        int chosen = 0;
        row.item->Click = [&] { ++chosen; };
        QTest::keyClick(QApplication::focusWidget(), row.key.key(), row.key.keyboardModifiers());
        EXPECT_EQ(chosen, 1);
        if (row.shownInMenu) {
            EXPECT_EQ(action(row.item->Name()).text(),
                      row.item->Caption() + "\t" + QKeySequence(row.key).toString(QKeySequence::NativeText));
        }
        row.item->Click = {};
    }
}

TEST_F(KeysTest, AMenuKeyOpensItsMenuFirstAndChoosesNothingTheMenuDisabled)
{
    // The favorites menu enables "Add" only away from the favorites list, as when opened by mouse.
    int added = 0;
    form.Menu_AddDir.Click = [&] { ++added; };
    form.FavoDirList.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(added, 0);
    form.FileList.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(added, 1);
}

TEST_F(KeysTest, UpAndFilterKeysPressTheButtonOrFocusTheBoxButTypingKeepsBackspace)
{
    int up = 0;
    form.Command_UpOneLevel.Click = [&] { ++up; };
    form.FileList.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(up, 2);

    form.DirList.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(form.ActiveControl(), &form.FileFind);
    EXPECT_EQ(QApplication::focusWidget(), &widget(form.FileFind));
    QTest::keyClicks(&widget(form.FileFind), QStringLiteral("ab"));
    QTest::keyClick(&widget(form.FileFind), Qt::Key_Backspace);
    EXPECT_EQ(form.FileFind.Text(), QStringLiteral("a"));
    EXPECT_EQ(up, 2);
}

TEST_F(KeysTest, TheListsKeepTheirOwnKeysAsVirtualKeyCodesAndCharacters)
{
    std::vector<std::pair<int, int>> downs;
    std::vector<int> presses;
    form.FavoDirList.KeyDown = [&](int16_t& code, int16_t shift) { downs.emplace_back(code, shift); };
    form.FavoDirList.KeyPress = [&](int16_t& ascii) { presses.push_back(ascii); };
    form.FavoDirList.SetFocus();
    // A letter is a key and a character: the favorites' type-ahead is built on both.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Return, Qt::Key_B})
        QTest::keyClick(&widget(form.FavoDirList), key);
    QTest::keyClick(&widget(form.FavoDirList), Qt::Key_Space, Qt::ShiftModifier); // Shift is a key too
    EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{
                         {32, 0}, {45, 0}, {46, 0}, {13, 0}, {66, 0}, {16, 1}, {32, 1}}));
    EXPECT_EQ(presses, (std::vector<int>{32, 13, 98, 32}));

    // In the panes Delete and Shift+Delete remove files, and show in the menu.
    struct Row
    {
        QKeyCombination key;
        MenuItem* item;
    };
    for (const Row& row : {Row{Qt::Key_Delete, &form.Menu_TrashFiles},
                           Row{Qt::SHIFT | Qt::Key_Delete, &form.Menu_DeleteFiles}}) {
        int chosen = 0;
        row.item->Click = [&] { ++chosen; };
        for (Control* pane : {static_cast<Control*>(&form.FileList), static_cast<Control*>(&form.DirList)}) {
            pane->SetFocus();
            QTest::keyClick(QApplication::focusWidget(), row.key.key(), row.key.keyboardModifiers());
        }
        EXPECT_EQ(chosen, 2);
        EXPECT_TRUE(action(row.item->Name())
                        .text()
                        .endsWith("\t" + QKeySequence(row.key).toString(QKeySequence::NativeText)));
        row.item->Click = {};
    }
}

TEST_F(KeysTest, TheFocusedListShowsAFrameInTheHighlightColour)
{
    const auto edge = [&](const Control& list) {
        return widget(list).grab().toImage().pixelColor(0, widget(list).height() / 2);
    };
    const QColor highlight = widget(form.DirList).palette().color(QPalette::Active, QPalette::Highlight);
    form.FavoDirList.SetFocus();
    EXPECT_EQ(edge(form.FavoDirList), highlight);
    EXPECT_NE(edge(form.DirList), highlight);
    EXPECT_NE(edge(form.FileList), highlight);
    form.FileList.SetFocus();
    EXPECT_EQ(edge(form.FileList), highlight);
    EXPECT_NE(edge(form.FavoDirList), highlight);
}

TEST_F(KeysTest, EscapeClosesChangeDriveAsCancelDoes)
{
    tmp.makeFolder("home/sub");
    form.DirList.setPath(tmp.home() + QStringLiteral("/sub"));
    int cancelled = 0;
    const bool seen = Modal::Inspect([&] { form.Menu_ChangeDrive_Click(); },
                                     [&](FormDialog& dialog) {
                                         ChangeDriveForm& drive = module.changeDriveForm();
                                         auto run = drive.Command_Cancel.Click;
                                         drive.Command_Cancel.Click = [&, run] {
                                             ++cancelled;
                                             run();
                                         };
                                         QTest::keyClick(&dialog, Qt::Key_Escape);
                                         EXPECT_FALSE(drive.IsLoaded());
                                     });
    EXPECT_TRUE(seen);
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(form.DirList.Path(), tmp.home() + QStringLiteral("/sub"));
}

TEST_F(KeysTest, F2EditsTheFileNameInPlaceEnterRenamesEscapeKeeps)
{
    const QString folder = tmp.makeFolder("home/work");
    tmp.writeFile("home/work/report.txt", "x");
    form.DirList.setPath(folder);
    form.FileList.setListIndex(form.FileList.IndexOf("report.txt"));
    form.FileList.SetFocus();
    struct Row
    {
        const char* typed; // replaces the selection
        Qt::Key end;
        const char* after;
    };
    const Row rows[] = {
        {"kept", Qt::Key_Escape, "report.txt"},
        {"summary", Qt::Key_Return, "summary.txt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->selectedText(), QStringLiteral("report"));
        QTest::keyClicks(editor, row.typed);
        QTest::keyClick(editor, row.end);
        EXPECT_FALSE(form.FileList.NameEdit.Active());
        EXPECT_TRUE(QFileInfo::exists(folder + "/" + row.after));
        EXPECT_EQ(form.FileList.List(form.FileList.ListIndex()), row.after);
        EXPECT_EQ(QApplication::focusWidget(), &widget(form.FileList));
    }
}

TEST_F(KeysTest, TheMouseBackButtonGoesBackAnywhereInTheWindow)
{
    const QString folder = tmp.makeFolder("home/work/inner");
    form.DirList.setPath(tmp.home());
    form.DirList.setPath(folder);
    QTest::mouseClick(widget(form.FileList).findChild<QWidget*>("qt_scrollarea_viewport"), Qt::BackButton);
    EXPECT_EQ(form.DirList.Path(), tmp.home());
    QTest::mouseClick(&widget(form.DirList), Qt::ForwardButton);
    EXPECT_EQ(form.DirList.Path(), folder);
}

TEST_F(KeysTest, CtrlAndShiftWidenTheFileSelectionAPlainClickSelectsOne)
{
    tmp.makeFolder("home/work");
    for (const char* name : {"a", "b", "c", "d", "e"})
        tmp.writeFile(QStringLiteral("home/work/") + name, "x");
    form.DirList.setPath(tmp.path("home/work"));
    auto& view = static_cast<QListView&>(widget(form.FileList));
    const auto at = [&](int row) { return view.visualRect(view.model()->index(row, 0)).center(); };
    struct Step
    {
        Qt::KeyboardModifiers modifiers;
        int row; // clicked; -1: Shift+Down
        std::vector<int> selected;
    };
    const Step steps[] = {
        {Qt::NoModifier, 1, {1}},        {Qt::ShiftModifier, 3, {1, 2, 3}}, {Qt::ControlModifier, 2, {1, 3}},
        {Qt::ShiftModifier, -1, {2, 3}}, {Qt::NoModifier, 0, {0}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.row);
        if (step.row >= 0)
            QTest::mouseClick(view.viewport(), Qt::LeftButton, step.modifiers, at(step.row));
        else
            QTest::keyClick(&view, Qt::Key_Down, step.modifiers);
        EXPECT_EQ(form.FileList.SelectedIndexes(), step.selected);
        EXPECT_EQ(view.selectionModel()->selectedRows().size(), qsizetype(step.selected.size()));
    }
}

TEST_F(KeysTest, CtrlCAndCtrlXPutBothFileFormatsOnTheClipboardCtrlVPastesAndACutLeavesItEmpty)
{
    tmp.makeFolder("home/work");
    tmp.makeFolder("home/other");
    tmp.writeFile("home/work/a b.txt", "x");
    tmp.writeFile("home/other/c.txt", "y");
    form.DirList.setPath(tmp.path("home/work"));
    form.FileList.setListIndex(0);
    const QByteArray url = "file://" + tmp.path("home/work").toUtf8() + "/a%20b.txt";
    for (const auto& [key, action] :
         {std::pair{Qt::Key_X, QByteArray("cut\n")}, std::pair{Qt::Key_C, QByteArray("copy\n")}}) {
        form.FileList.SetFocus();
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->data("text/uri-list"), url + "\r\n");
        EXPECT_EQ(data->data("x-special/gnome-copied-files"), action + url + "\n");
    }
    // Copied last, pasted into another folder: a copy, the clipboard kept for another paste.
    form.DirList.setPath(tmp.path("home/other"));
    form.FileList.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tmp.exists("home/other/a b.txt"); }));
    EXPECT_TRUE(tmp.exists("home/work/a b.txt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Menu_CancelCopy.Enabled(); }));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("x-special/gnome-copied-files"));
    // Cut by another program: moved, and the clipboard emptied.
    auto* cut = new QMimeData;
    cut->setData("x-special/gnome-copied-files",
                 "cut\nfile://" + tmp.path("home/other/c.txt").toUtf8() + "\n");
    QGuiApplication::clipboard()->setMimeData(cut);
    form.DirList.setPath(tmp.path("home/work"));
    form.DirList.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return tmp.exists("home/work/c.txt") && !tmp.exists("home/other/c.txt"); }));
    EXPECT_TRUE(QTest::qWaitFor([] {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return !data || !data->hasFormat("x-special/gnome-copied-files");
    }));
}

TEST_F(KeysTest, ReadmeAndManPageNameEveryKeyTheMenusShow)
{
    QStringList keys;
    collectKeys(window.menuBar().actions(), keys);
    ASSERT_GE(keys.size(), 6);
    const QString readme = sourceText("README.md");
    const QString manPage = sourceText("data/wayfolder.1.in");
    for (const QString& key : keys) {
        // A table row starts with the keys: "| Ctrl+S" in the README, "Ctrl+S<TAB>" in the page.
        const QRegularExpression readmeRow(QStringLiteral("^\\| (.*, )?") + QRegularExpression::escape(key) +
                                               QStringLiteral("[ ,]"),
                                           QRegularExpression::MultilineOption);
        const QRegularExpression manRow(QStringLiteral("^(.*, )?") + QRegularExpression::escape(key) +
                                            QStringLiteral("[\t,]"),
                                        QRegularExpression::MultilineOption);
        EXPECT_TRUE(readme.contains(readmeRow)) << "README.md lacks " << key.toStdString();
        EXPECT_TRUE(manPage.contains(manRow)) << "the man page lacks " << key.toStdString();
    }
    EXPECT_EQ(readme.count(QStringLiteral("\n## Command line\n")), 1);
}

// The desktop's usual keys run the existing commands, show in the menus, and leave the keys the
// lists and the filter box handle themselves alone; Escape closes Change Drive as Cancel does.

#include "core/dialogs/changedriveform.h"
#include "modal.h"
#include "qtinput.h"
#include "shownwindow.h"

#include <QLineEdit>

namespace {

struct KeysTest : ShownWindow
{
    QWidget& widget(const Control& control) { return MainWindowWorld::widget(control); }
    QAction* action(const MenuItem& item) { return &MainWindowWorld::action(item.Name()); }
};

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
    };
    form.DirList.SetFocus();
    for (const Row& row : rows) {
        const std::string name =
            row.item->Name().toStdString() + " " + QKeySequence(row.key).toString().toStdString();
        SCOPED_TRACE(name);
        row.item->setEnabled(true);
        int chosen = 0;
        row.item->Click = [&] { ++chosen; };
        QTest::keyClick(QApplication::focusWidget(), row.key.key(), row.key.keyboardModifiers());
        EXPECT_EQ(chosen, 1);
        if (row.shownInMenu) {
            ASSERT_NE(action(*row.item), nullptr);
            EXPECT_EQ(action(*row.item)->text(),
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

    for (const Qt::Key key : {Qt::Key_F, Qt::Key_L}) {
        form.DirList.SetFocus();
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        EXPECT_EQ(form.ActiveControl(), &form.FileFind);
        EXPECT_EQ(QApplication::focusWidget(), &widget(form.FileFind));
    }
    QTest::keyClicks(&widget(form.FileFind), QStringLiteral("ab"));
    QTest::keyClick(&widget(form.FileFind), Qt::Key_Backspace);
    EXPECT_EQ(form.FileFind.Text(), QStringLiteral("a"));
    EXPECT_EQ(up, 2);
}

TEST_F(KeysTest, TheListsKeepTheirOwnKeys)
{
    std::vector<int> keys;
    form.FavoDirList.KeyDown = [&](int16_t& code, int16_t) { keys.push_back(code); };
    form.FavoDirList.SetFocus();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Return})
        QTest::keyClick(&widget(form.FavoDirList), key);
    EXPECT_EQ(keys, std::vector<int>({32, 45, 46, 13}));
}

TEST_F(KeysTest, TheFocusedListShowsAFrameInTheHighlightColour)
{
    const auto edge = [&](const Control& list) {
        return widget(list).grab().toImage().pixelColor(0, widget(list).height() / 2);
    };
    const QColor highlight = widget(form.DirList).palette().color(QPalette::Active, QPalette::Highlight);
    for (ListBox* focusedList : {&form.FavoDirList}) {
        focusedList->SetFocus();
        EXPECT_EQ(edge(*focusedList), highlight);
        EXPECT_NE(edge(form.DirList), highlight);
        EXPECT_NE(edge(form.FileList), highlight);
    }
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

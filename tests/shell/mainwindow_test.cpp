// The main window's widgets drive the core: clicks, drags, typing, keys, double clicks, menus
// and focus reach the control models' events, and the widgets show what the models hold.

#include "core/system/runtimeerror.h"
#include "core/toolkit/checklist.h"
#include "qtinput.h"
#include "shell/widgets/controlbinding.h"
#include "shownwindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <vector>

using namespace QtInput;

namespace {

struct MouseCall
{
    int16_t button, shift;
    float x, y;
    int16_t listIndex; // the control's ListIndex when the event arrived
};

class MainWindowTest : public ShownWindow
{
protected:
    /// These tests prove the binding alone: each one connects the events it watches.
    void SetUp() override
    {
        for (Control* control : form.Controls()) {
            control->GotFocus = {};
            control->KeyDown = {};
            control->KeyPress = {};
            control->MouseDown = {};
            control->MouseUp = {};
        }
        for (ListBox* list : {&form.FavoDirList, &form.FavoDirPath, &form.FavoFileFilter}) {
            list->Click = {};
            list->DblClick = {};
        }
        form.DirList.Change = {};
        form.DirList.Click = {};
        form.FileList.Click = {};
        form.FileList.DblClick = {};
        form.FileFind.Change = {};
        form.FileFind.DblClick = {};
        ShownWindow::SetUp();
    }
    std::function<void(int16_t, int16_t, float, float)> recordMouse(std::vector<MouseCall>& calls,
                                                                    ListBox& list)
    {
        return [&](int16_t b, int16_t s, float x, float y) {
            calls.push_back({b, s, x, y, list.ListIndex()});
        };
    }
};

} // namespace

TEST_F(MainWindowTest, AClickOrADragOnAFavoriteSelectsBeforeMouseDownAndRunsClickOncePerRowEvenWhenItThrows)
{
    for (int i = 0; i < 6; ++i)
        form.FavoDirList.AddItem(QStringLiteral("Entry %1").arg(i));
    std::vector<int16_t> clicks;
    std::vector<MouseCall> downs, ups;
    form.FavoDirList.Click = [&] { clicks.push_back(form.FavoDirList.ListIndex()); };
    form.FavoDirList.MouseDown = recordMouse(downs, form.FavoDirList);
    form.FavoDirList.MouseUp = recordMouse(ups, form.FavoDirList);
    QListView& view = widget<QListView>(form.FavoDirList);
    QWidget& viewport = *view.viewport();

    for (int i = 0; i < 2; ++i) { // the selected row clicked again changes nothing: no second Click
        press(viewport, Qt::LeftButton, rowCentre(view, 1));
        release(viewport, Qt::LeftButton, rowCentre(view, 1));
    }
    EXPECT_EQ(clicks, std::vector<int16_t>{1});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].button, MouseButton::Left);
    EXPECT_EQ(downs[0].listIndex, 1) << "MouseDown must see the pressed row selected already";

    // A right press reports button 2 and leaves the selection alone.
    press(viewport, Qt::RightButton, rowCentre(view, 2));
    release(viewport, Qt::RightButton, rowCentre(view, 2));
    EXPECT_EQ(form.FavoDirList.ListIndex(), 1);
    ASSERT_EQ(downs.size(), 3u);
    EXPECT_EQ(downs[2].button, MouseButton::Right);

    // A drag with the left button moves the selection row by row, and its release raises MouseUp.
    press(viewport, Qt::LeftButton, rowCentre(view, 0));
    for (const QPoint& to :
         {rowCentre(view, 1), rowCentre(view, 1) + QPoint(3, 1), rowCentre(view, 2), rowCentre(view, 3)})
        moveHeld(viewport, Qt::LeftButton, to);
    release(viewport, Qt::LeftButton, rowCentre(view, 3));
    EXPECT_EQ(clicks, (std::vector<int16_t>{1, 0, 1, 2, 3}));
    ASSERT_EQ(downs.size(), 4u);
    EXPECT_EQ(downs[3].listIndex, 0);
    ASSERT_EQ(ups.size(), 4u);
    EXPECT_EQ(ups[3].button, MouseButton::Left);
    EXPECT_EQ(ups[3].listIndex, 3);
    // Without the button held the pointer selects nothing.
    moveHeld(viewport, Qt::NoButton, rowCentre(view, 5));
    EXPECT_EQ(form.FavoDirList.ListIndex(), 3);
    EXPECT_EQ(clicks.size(), 5u);

    // The view follows the model when the program selects.
    form.FavoDirList.setListIndex(2);
    EXPECT_EQ(view.currentIndex().row(), 2);
    form.FavoDirList.setListIndex(-1);
    EXPECT_FALSE(view.selectionModel()->hasSelection());

    // A handler that throws does not escape into the event loop.
    form.FavoDirList.Click = [] { throw RunTimeError(ErrNo::PathNotFound); };
    form.FavoDirList.MouseDown = [](int16_t, int16_t, float, float) { throw std::runtime_error("down"); };
    press(viewport, Qt::LeftButton, rowCentre(view, 0));
    release(viewport, Qt::LeftButton, rowCentre(view, 0));
    EXPECT_EQ(form.FavoDirList.ListIndex(), 0);
    EXPECT_EQ(view.currentIndex().row(), 0);
}

TEST_F(MainWindowTest, TheFilterBoxTakesTypingShowsTheProgramsTextAndReportsMouseButtons)
{
    QLineEdit& edit = widget<QLineEdit>(form.FileFind);
    std::vector<QString> changes;
    form.FileFind.Change = [&] { changes.push_back(form.FileFind.Text()); };

    QTest::keyClicks(&edit, QStringLiteral("txt"));
    EXPECT_EQ(form.FileFind.Text(), QStringLiteral("txt"));
    EXPECT_EQ(changes, (std::vector<QString>{"t", "tx", "txt"}));

    form.FileFind.setText(QStringLiteral("*.doc"));
    EXPECT_EQ(edit.text(), QStringLiteral("*.doc"));
    EXPECT_EQ(changes.size(), 4u);
    form.FileFind.setFontItalic(true);
    EXPECT_TRUE(edit.font().italic());

    // A right press raises MouseDown with button two, a double click raises DblClick.
    std::vector<MouseCall> downs;
    int doubleClicks = 0;
    form.FileFind.MouseDown = [&](int16_t b, int16_t s, float x, float y) {
        downs.push_back({b, s, x, y, 0});
    };
    form.FileFind.DblClick = [&] { ++doubleClicks; };
    const QPoint at(30, 6);
    press(edit, Qt::RightButton, at, Qt::ShiftModifier | Qt::ControlModifier);
    release(edit, Qt::RightButton, at);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, MouseButton::Right);
    EXPECT_EQ(downs[0].shift, ShiftMask::Shift | ShiftMask::Ctrl);
    EXPECT_EQ(downs[0].x, float(host.scale().toTwips(at.x())));
    EXPECT_EQ(downs[0].y, float(host.scale().toTwips(at.y())));

    doubleClick(edit, at);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(MainWindowTest, ADoubleClickOnAFolderOpensItAndASingleClickOnlyMovesTheHighlight)
{
    const QString root = tmp.makeFolder(QStringLiteral("tree"));
    tmp.makeFolder(QStringLiteral("tree/alpha"));
    tmp.makeFolder(QStringLiteral("tree/beta"));
    int changes = 0;
    form.DirList.Change = [&] { ++changes; };
    form.DirList.setPath(root);
    QListView& view = widget<QListView>(form.DirList);
    QWidget& viewport = *view.viewport();

    const int openRow = form.DirList.AncestorCount() - 1;
    EXPECT_EQ(view.currentIndex().row(), openRow) << "the open folder is highlighted";
    const int betaRow = openRow + 2;
    ASSERT_EQ(view.model()->index(betaRow, 0).data().toString(), QStringLiteral("beta"));

    press(viewport, Qt::LeftButton, rowCentre(view, betaRow));
    release(viewport, Qt::LeftButton, rowCentre(view, betaRow));
    EXPECT_EQ(form.DirList.ListIndex(), 1);
    EXPECT_EQ(form.DirList.Path(), root);

    doubleClick(viewport, rowCentre(view, betaRow));
    EXPECT_EQ(form.DirList.Path(), root + QStringLiteral("/beta"));
    EXPECT_EQ(changes, 2);

    // The parent is an ancestor row now; a double click there goes back up.
    doubleClick(viewport, rowCentre(view, form.DirList.AncestorCount() - 2));
    EXPECT_EQ(form.DirList.Path(), root);
}

TEST_F(MainWindowTest, MenusRaiseClickOnOpeningAndOnChoosingAndShowTheModelsCheckMarks)
{
    QAction& ff2 = action("Menu_FF2");
    EXPECT_TRUE(window.menuBar().actions().contains(&ff2)) << "a command on the menu bar is no menu";
    EXPECT_EQ(ff2.menu(), nullptr);

    int fileOpened = 0;
    form.Menu_File.Click = [&] { ++fileOpened; };
    QMenu* fileMenu = action("Menu_File").menu();
    ASSERT_NE(fileMenu, nullptr);
    Q_EMIT fileMenu->aboutToShow();
    EXPECT_EQ(fileOpened, 1);

    // A check mark shows only on a checked item, and choosing the item leaves it to the model.
    form.Menu_StartPosition.setChecked(true);
    QAction& startPosition = action("Menu_StartPosition");
    EXPECT_FALSE(action("Menu_UseExitPath").isCheckable());
    int chosen = 0;
    form.Menu_StartPosition.Click = [&] { ++chosen; };
    startPosition.trigger();
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(startPosition.isChecked());

    form.Menu_About.setCaption(QStringLiteral("&Om"));
    EXPECT_EQ(action("Menu_About").text(), QStringLiteral("&Om"));
    form.Menu_FF(2).setEnabled(false);
    EXPECT_FALSE(ff2.isEnabled());
}

TEST_F(MainWindowTest, FocusFollowsTheActiveControlBothWaysAndTabReadsLeftToRightTopToBottom)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int dirFocus = 0;
    form.DirList.GotFocus = [&] { ++dirFocus; };
    widget<QListView>(form.DirList).setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form.ActiveControl(), &form.DirList);
    EXPECT_EQ(dirFocus, 1);
    form.FileList.SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), &widget<QListView>(form.FileList));

    form.FavoDirList.SetFocus();
    for (Control* next : std::vector<Control*>{
             &form.DirList, &form.FileList, &form.FileFind, &form.Command_GotoSavedPath,
             &form.Command_UpOneLevel, &form.Command_RefreshFolderList, &form.Command_OpenExplorer,
             &form.Command_RefreshFileList, &form.Command_Exit, &form.FavoDirList}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(form.ActiveControl(), next) << "expected " << next->Name().toStdString();
    }
}

TEST_F(MainWindowTest, APopUpMenuRunsTheMenusClickFirstAndTheChosenItemsClickOnceItHasClosed)
{
    std::vector<QString> events;
    form.Menu_FavoDirs.Click = [&] {
        events.push_back(QStringLiteral("opening"));
        form.Menu_AddDir.setEnabled(false); // what the opening handler decides is what the pop-up shows
    };
    form.Menu_RemoveFolder.Click = [&] {
        events.push_back(QApplication::activePopupWidget() ? QStringLiteral("chosen while open")
                                                           : QStringLiteral("chosen"));
    };
    bool addDirShownEnabled = true;
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        for (QAction* item : popup->actions()) {
            if (item->objectName() == QLatin1String("Menu_AddDir"))
                addDirShownEnabled = item->isEnabled();
            if (item->objectName() == QLatin1String("Menu_RemoveFolder"))
                popup->setActiveAction(item);
        }
        QTest::keyClick(popup, Qt::Key_Return);
    });
    host.PopupMenu(form, form.Menu_FavoDirs);
    EXPECT_EQ(events, (std::vector<QString>{"opening", "chosen"}));
    EXPECT_FALSE(addDirShownEnabled);
}

TEST_F(MainWindowTest, TheExitButtonAndTheWindowSystemUnloadTheFormAndCloseTheWindow)
{
    int unloads = 0;
    QObject::connect(&form, &Form::unloaded, [&] { ++unloads; });
    form.Command_Exit.Click = [&] { form.Command_Exit_Click(); };
    const std::function<void()> closes[] = {
        [&] { QTest::mouseClick(&widget<QPushButton>(form.Command_Exit), Qt::LeftButton); },
        [&] { window.close(); },
    };
    for (const auto& close : closes) {
        form.Load();
        window.show();
        close();
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(unloads, 2);
}

// The favorites pane may hold the focus with nothing selected: Space or Tab must not open the
// first favorite.
TEST_F(ShownWindow, FocusAloneSelectsNoRowInAnyList)
{
    tmp.makeFolder("home/a");
    tmp.writeFile("home/a.txt", "x");
    for (const char* name : {"One", "Two"}) {
        form.FavoDirList.AddItem(QString::fromLatin1(name));
        form.FavoDirPath.AddItem(tmp.home());
        form.FavoFileFilter.AddItem(QString());
    }
    form.DirList.setPath(tmp.home());
    int clicks = 0;
    form.FavoDirList.Click = [&] { ++clicks; };

    for (Control* control :
         {static_cast<Control*>(&form.FavoDirList), static_cast<Control*>(&form.FileList)}) {
        SCOPED_TRACE(control->Name().toStdString());
        QListView& view = list(*control);
        view.setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), &view);
        EXPECT_FALSE(view.selectionModel()->hasSelection());
    }
    EXPECT_EQ(form.FavoDirList.ListIndex(), -1);
    EXPECT_EQ(form.FileList.ListIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST(CheckListWidget, ACheckBoxClickReachesTheModelAndTheModelIsShown)
{
    QtHost host;
    Form form(host, QStringLiteral("Check"));
    CheckList list(form, QStringLiteral("List"));
    list.Move(0, 0, 3000, 2000);
    list.AddItem(QStringLiteral("one"), true);
    list.AddItem(QStringLiteral("two"), false);
    std::vector<int> checks;
    list.ItemCheck = [&](int i) { checks.push_back(i); };
    QWidget parent;
    FormView view(form, host.scale(), &parent);
    auto* widget = qobject_cast<QListWidget*>(view.add(list, parent));
    ASSERT_NE(widget, nullptr);
    ASSERT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->item(0)->checkState(), Qt::Checked);
    widget->item(1)->setCheckState(Qt::Checked); // what a click on the box does
    EXPECT_TRUE(list.Checked(1));
    EXPECT_EQ(checks, std::vector<int>{1});
    list.setChecked(0, false);
    EXPECT_EQ(widget->item(0)->checkState(), Qt::Unchecked);
}

// Giving a list the focus chooses no row: the favorites pane may hold the focus with nothing
// selected, and Space or Tab must not open the first favorite.

#include "core/dialogs/module1.h"
#include "core/mainform/mainform.h"
#include "core/tempfolder.h"
#include "shell/host/qthost.h"
#include "shell/widgets/formview.h"
#include "shell/windows/mainwindow.h"

#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

TEST(ListFocus, FocusAloneSelectsNoRowInAnyList)
{
    TempFolder tmp;
    tmp.makeFolder("home/a");
    tmp.writeFile("home/a.txt", "x");
    QtHost host;
    Module1 module{host};
    MainForm& form = module.mainForm();
    MainWindow window{form, host.scale()};
    for (const char* name : {"One", "Two"}) {
        form.FavoDirList.AddItem(QString::fromLatin1(name));
        form.FavoDirPath.AddItem(tmp.home());
        form.FavoFileFilter.AddItem(QString());
    }
    form.DirList.setPath(tmp.home());
    int clicks = 0;
    form.FavoDirList.Click = [&] { ++clicks; };
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (Control* control :
         {static_cast<Control*>(&form.FavoDirList), static_cast<Control*>(&form.FileList)}) {
        SCOPED_TRACE(control->Name().toStdString());
        auto* view = qobject_cast<QListView*>(window.view().widgetFor(control));
        ASSERT_NE(view, nullptr);
        view->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), view);
        EXPECT_FALSE(view->selectionModel()->hasSelection());
    }
    EXPECT_EQ(form.FavoDirList.ListIndex(), -1);
    EXPECT_EQ(form.FileList.ListIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

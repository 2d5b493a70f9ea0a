#pragma once
// The real main window on the Qt host in a temporary home, and the same window shown and active:
// the world of the Qt tests, with its widgets found by their control models.

#include "core/dialogs/module1.h"
#include "core/mainform/mainform.h"
#include "core/tempfolder.h"
#include "shell/host/qthost.h"
#include "shell/widgets/formview.h"
#include "shell/windows/mainwindow.h"

#include <QAction>
#include <QListView>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

struct MainWindowWorld
{
    TempFolder tmp;
    QtHost host;
    Module1 module{host};
    MainForm& form = module.mainForm();
    MainWindow window{form, host.scale()};

    template <class W = QWidget> W& widget(const Control& control)
    {
        auto* found = qobject_cast<W*>(window.view().widgetFor(&control));
        if (!found)
            throw std::runtime_error("no widget for " + control.Name().toStdString());
        return *found;
    }
    QListView& list(const Control& control) { return widget<QListView>(control); }
    static QPoint rowCentre(QListView& view, int row)
    {
        return view.visualRect(view.model()->index(row, 0)).center();
    }
    QAction& action(const QString& name)
    {
        auto* found = window.menuBar().findChild<QAction*>(name);
        if (!found)
            throw std::runtime_error("no action " + name.toStdString());
        return *found;
    }
};

struct ShownWindow : MainWindowWorld, testing::Test
{
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

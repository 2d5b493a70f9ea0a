#pragma once
// The desktop's usual keys for the main window. Each one does what an existing command does:
// a menu command's key opens its menus' Click as a mouse would (so that they can enable or
// disable it) and then chooses the command if it is still available; it is shown next to the
// command in its menu. The button and filter keys press the button or focus the box.

#include <QKeySequence>
#include <QList>
#include <QObject>

class Control;
class MainForm;
class MenuItem;
class QMenuBar;
class QWidget;

class MainShortcuts : public QObject
{
    Q_OBJECT

public:
    MainShortcuts(MainForm& form, QWidget& window, QMenuBar& menuBar);

    /// Keys that choose a menu command only while one of `widgets` has the focus, for keys that
    /// other controls keep for themselves (Delete in the favorites list).
    void addForMenuOn(MenuItem& item, const QList<QKeySequence>& keys, const QList<QWidget*>& widgets);

protected:
    /// The mouse's back and forward buttons, wherever in the window they are pressed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addForMenu(MenuItem& item, const QList<QKeySequence>& keys);
    void addForControl(Control& control, const QList<QKeySequence>& keys,
                       void (MainShortcuts::*run)(Control&));
    void chooseMenu(MenuItem& item);
    void pressButton(Control& button);
    void focusControl(Control& control);

    MainForm& m_form;
    QWidget& m_window;
    QMenuBar& m_menuBar;
};

#pragma once
// A MenuItem shown as a QAction in a menu bar or menu: a menu with sub-items gets a QMenu whose
// opening raises the menu's Click; a command raises its Click when chosen; "-" is a separator.
// Check marks appear only on checked items, and the model's check state is the one shown.

#include <QKeySequence>
#include <QObject>

class MenuItem;
class QAction;
class QMenu;
class QWidget;

class MenuBinding : public QObject
{
    Q_OBJECT

public:
    /// Whether choosing a command raises its Click at once, or leaves it to whoever ran the menu
    /// (a pop-up menu raises it after it has closed).
    enum class Choice
    {
        RaiseClick,
        Return
    };

    /// Adds the item, and its sub-items below it, to `container` (a QMenuBar or QMenu).
    MenuBinding(MenuItem& item, QWidget& container, Choice choice);

    QAction& action() const { return *m_action; }
    MenuItem& item() const { return m_item; }
    /// Shows the keys that choose the command in the menu's shortcut column; the window handles
    /// the keys themselves, so that they can open the menus first.
    void setKeys(const QKeySequence& keys);

    /// The item an action of a bound menu stands for; nullptr for any other action.
    static MenuItem* itemFor(const QAction* action);

private:
    void update();

    MenuItem& m_item;
    QAction* m_action;
    QString m_keys;
};

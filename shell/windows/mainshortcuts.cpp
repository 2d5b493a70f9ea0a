// The main window's desktop shortcuts, each one running a menu command, a button or a focus move.
#include "shell/windows/mainshortcuts.h"

#include "core/mainform/mainform.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/menubinding.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>

namespace {

// The menus from the menu bar down to `item`, `item` last; empty when it is in none.
bool pathTo(const std::vector<MenuItem*>& items, const MenuItem& item, std::vector<MenuItem*>& path)
{
    for (MenuItem* candidate : items) {
        path.push_back(candidate);
        if (candidate == &item || pathTo(candidate->Items(), item, path))
            return true;
        path.pop_back();
    }
    return false;
}

} // namespace

MainShortcuts::MainShortcuts(MainForm& form, QWidget& window, QMenuBar& menuBar)
    : QObject(&window), m_form(form), m_window(window), m_menuBar(menuBar)
{
    addForMenu(form.Menu_RefreshFilesList, {Qt::Key_F5});
    addForMenu(form.Menu_RefreshFolderList, {Qt::SHIFT | Qt::Key_F5});
    addForMenu(form.Menu_SaveFavoFile, {Qt::CTRL | Qt::Key_S});
    addForMenu(form.Menu_UndoChanges, {Qt::CTRL | Qt::Key_Z});
    addForMenu(form.Menu_AddDir, {Qt::CTRL | Qt::Key_D});
    addForMenu(form.Menu_Exit, {Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_W});
    addForMenu(form.Menu_About, {Qt::Key_F1});
    addForControl(form.Command_UpOneLevel, {Qt::ALT | Qt::Key_Up, Qt::Key_Backspace},
                  &MainShortcuts::pressButton);
    addForControl(form.FileFind, {Qt::CTRL | Qt::Key_F}, &MainShortcuts::focusControl);
    addForMenu(form.Menu_Location, {Qt::CTRL | Qt::Key_L});
    addForMenu(form.Menu_NewFolder, {Qt::CTRL | Qt::SHIFT | Qt::Key_N});
    addForMenu(form.Menu_RenameFile, {Qt::Key_F2});
    addForMenu(form.Menu_ShowHidden, {Qt::CTRL | Qt::Key_H});
    addForMenu(form.Menu_Back, {Qt::ALT | Qt::Key_Left});
    addForMenu(form.Menu_Forward, {Qt::ALT | Qt::Key_Right});
    addForMenu(form.Menu_Details, {Qt::CTRL | Qt::SHIFT | Qt::Key_D});
    qApp->installEventFilter(this);
}

bool MainShortcuts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &m_window)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::BackButton)
        chooseMenu(m_form.Menu_Back);
    else if (button == Qt::ForwardButton)
        chooseMenu(m_form.Menu_Forward);
    else
        return false;
    return true;
}

void MainShortcuts::addForMenu(MenuItem& item, const QList<QKeySequence>& keys)
{
    // A command in a menu shows its first key there; the menu bar itself has no room for keys.
    auto* action = m_menuBar.findChild<QAction*>(item.Name());
    auto* binding = action ? action->findChild<MenuBinding*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (binding && !m_menuBar.actions().contains(action))
        binding->setKeys(keys.front());
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, &m_window);
        connect(shortcut, &QShortcut::activated, this, [this, &item] { chooseMenu(item); });
    }
}

void MainShortcuts::addForMenuOn(MenuItem& item, const QList<QKeySequence>& keys,
                                 const QList<QWidget*>& widgets)
{
    auto* action = m_menuBar.findChild<QAction*>(item.Name());
    auto* binding = action ? action->findChild<MenuBinding*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (binding)
        binding->setKeys(keys.front());
    for (QWidget* widget : widgets) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, widget, nullptr, nullptr, Qt::WidgetShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, &item] { chooseMenu(item); });
        }
    }
}

void MainShortcuts::addForControl(Control& control, const QList<QKeySequence>& keys,
                                  void (MainShortcuts::*run)(Control&))
{
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, &m_window);
        connect(shortcut, &QShortcut::activated, this, [this, &control, run] { (this->*run)(control); });
    }
}

void MainShortcuts::chooseMenu(MenuItem& item)
{
    std::vector<MenuItem*> path;
    if (!pathTo(m_form.MenuBar(), item, path))
        return;
    EventGuard::run("menu Click", [&] {
        for (MenuItem* step : path) {
            // A menu opens only while it is there to open; its Click may change what follows.
            if (!step->Enabled() || !step->Visible())
                return;
            const bool loaded = m_form.IsLoaded();
            step->RaiseClick();
            if (loaded && !m_form.IsLoaded())
                return;
        }
    });
}

void MainShortcuts::pressButton(Control& button)
{
    auto* command = qobject_cast<CommandButton*>(&button);
    if (command && command->Enabled() && command->Visible())
        EventGuard::run("Click", [command] { command->RaiseClick(); });
}

void MainShortcuts::focusControl(Control& control)
{
    if (control.Enabled() && control.Visible())
        EventGuard::run("GotFocus", [&] { control.SetFocus(); });
}

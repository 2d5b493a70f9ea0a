// Showing a MenuItem as a QAction or QMenu: caption, check mark, state, and Click when chosen or opened.
#include "shell/widgets/menubinding.h"

#include "core/toolkit/menuitem.h"
#include "shell/widgets/eventguard.h"

#include <QAction>
#include <QMenu>

MenuBinding::MenuBinding(MenuItem& item, QWidget& container, Choice choice) : m_item(item)
{
    if (!item.Items().empty()) {
        auto* menu = new QMenu(&container);
        m_action = menu->menuAction();
        connect(menu, &QMenu::aboutToShow, this,
                [this] { EventGuard::run("menu Click", [this] { m_item.RaiseClick(); }); });
        for (MenuItem* sub : item.Items())
            new MenuBinding(*sub, *menu, choice);
    } else {
        m_action = new QAction(&container);
        if (choice == Choice::RaiseClick) {
            connect(m_action, &QAction::triggered, this, [this] {
                EventGuard::run("menu Click", [this] { m_item.RaiseClick(); });
                // Qt toggled the check mark itself; the model decides what it shows.
                update();
            });
        }
    }
    setParent(m_action);
    m_action->setObjectName(item.Name());
    container.addAction(m_action);
    connect(&item, &MenuItem::changed, this, &MenuBinding::update);
    update();
}

MenuItem* MenuBinding::itemFor(const QAction* action)
{
    if (!action)
        return nullptr;
    const auto* binding = action->findChild<MenuBinding*>(QString(), Qt::FindDirectChildrenOnly);
    return binding ? &binding->item() : nullptr;
}

void MenuBinding::setKeys(const QKeySequence& keys)
{
    m_keys = keys.toString(QKeySequence::NativeText);
    update();
}

void MenuBinding::update()
{
    m_action->setSeparator(m_item.IsSeparator());
    if (!m_item.IsSeparator())
        m_action->setText(m_keys.isEmpty() ? m_item.Caption()
                                           : m_item.Caption() + QLatin1Char('\t') + m_keys);
    // Only a checked item reserves room for a check mark, as the classic menus show it.
    m_action->setCheckable(m_item.Checked());
    m_action->setChecked(m_item.Checked());
    m_action->setEnabled(m_item.Enabled());
    m_action->setVisible(m_item.Visible());
}

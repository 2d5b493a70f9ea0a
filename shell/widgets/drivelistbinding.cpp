// Showing a DriveList as a combo box of the mounted volumes; choosing one sets ListIndex.
#include "shell/widgets/drivelistbinding.h"

#include "core/toolkit/drivelist.h"
#include "shell/widgets/eventguard.h"

#include <QComboBox>
#include <QSignalBlocker>

DriveListBinding::DriveListBinding(DriveList& list, QComboBox& widget, const TwipsScale& scale)
    : ControlBinding(list, widget, scale), m_list(list), m_widget(widget)
{
    connect(&list, &DriveList::itemsChanged, this, &DriveListBinding::showItems);
    connect(&list, &DriveList::listIndexChanged, this, &DriveListBinding::showCurrent);
    connect(&widget, &QComboBox::activated, this, [this](int index) {
        EventGuard::run("Change", [&] { m_list.setListIndex(int16_t(index)); });
        showCurrent();
    });
    showItems();
    refresh();
}

void DriveListBinding::showItems()
{
    const QSignalBlocker blocker(m_widget);
    m_widget.clear();
    for (int16_t i = 0; i < m_list.ListCount(); ++i)
        m_widget.addItem(m_list.List(i));
    showCurrent();
}

void DriveListBinding::showCurrent()
{
    const QSignalBlocker blocker(m_widget);
    m_widget.setCurrentIndex(m_list.ListIndex());
}

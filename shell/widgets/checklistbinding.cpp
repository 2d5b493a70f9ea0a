// Showing a CheckList as checkable rows of a QListWidget, and the user's check marks back to the model.
#include "shell/widgets/checklistbinding.h"

#include "core/toolkit/checklist.h"
#include "shell/widgets/eventguard.h"

#include <QListWidget>

CheckListBinding::CheckListBinding(CheckList& list, QListWidget& view, const TwipsScale& scale)
    : ControlBinding(list, view, scale), m_list(list), m_view(view)
{
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    connect(&list, &CheckList::itemsChanged, this, &CheckListBinding::rebuild);
    connect(&list, &CheckList::checkChanged, this, &CheckListBinding::showCheck);
    connect(&view, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (m_showing)
            return;
        const int row = m_view.row(item);
        const bool checked = item->checkState() == Qt::Checked;
        EventGuard::run("ItemCheck", [this, row, checked] { m_list.setChecked(row, checked); });
        // The handler may have refused the change.
        showCheck(row);
    });
    rebuild();
    refresh();
}

void CheckListBinding::rebuild()
{
    m_showing = true;
    m_view.clear();
    for (int i = 0; i < m_list.ListCount(); ++i) {
        auto* item = new QListWidgetItem(m_list.List(i), &m_view);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(m_list.Checked(i) ? Qt::Checked : Qt::Unchecked);
    }
    m_showing = false;
}

void CheckListBinding::showCheck(int index)
{
    QListWidgetItem* item = m_view.item(index);
    if (!item)
        return;
    m_showing = true;
    item->setCheckState(m_list.Checked(index) ? Qt::Checked : Qt::Unchecked);
    m_showing = false;
}

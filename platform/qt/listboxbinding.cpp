#include "platform/qt/listboxbinding.h"

#include "platform/listbox.h"

#include <QListView>

ListBoxBinding::ListBoxBinding(ListBox& list, QListView& view, const TwipsScale& scale)
    : ListViewBinding(list, view, scale), m_list(list)
{
    connect(&list, &ListBox::itemsChanged, this, &ListBoxBinding::itemsChanged);
    connect(&list, &ListBox::listIndexChanged, this, &ListBoxBinding::showCurrentRow);
    attachModel();
    refresh();
}

int ListBoxBinding::currentRow() const
{
    return m_list.ListIndex();
}

void ListBoxBinding::selectRow(int row)
{
    m_list.setListIndex(int16_t(row));
}

void ListBoxBinding::doubleClicked(int)
{
    m_list.RaiseDblClick();
}

int ListBoxBinding::rowCount() const
{
    return m_list.ListCount();
}

QVariant ListBoxBinding::rowData(int row, int role) const
{
    if (role == Qt::DisplayRole)
        return m_list.List(int16_t(row));
    return {};
}

// Showing a ListBox as a list view: clicks, arrows and drags set ListIndex; a double click raises DblClick.
#include "shell/widgets/listboxbinding.h"

#include "core/toolkit/listbox.h"
#include "shell/widgets/controllistmodel.h"

#include <QDir>
#include <QFont>
#include <QIcon>
#include <QListView>
#include <QPalette>

ListBoxBinding::ListBoxBinding(ListBox& list, QListView& view, const TwipsScale& scale)
    : ListViewBinding(list, view, scale), m_list(list)
{
    connect(&list, &ListBox::itemsChanged, this, &ListBoxBinding::itemsChanged);
    connect(&list, &ListBox::listIndexChanged, this, &ListBoxBinding::showCurrentRow);
    connect(&list, &ListBox::itemNotesChanged, this, [this] { model().refreshRows(); });
    connect(&list, &ListBox::itemIconsChanged, this, [this] { model().refreshRows(); });
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
    if (role == Qt::DecorationRole) {
        const QString icon = m_list.ItemIcon(int16_t(row));
        if (icon.isEmpty())
            return {};
        return QDir::isAbsolutePath(icon) ? QIcon(icon) : QIcon::fromTheme(icon);
    }
    // An entry with a note (a favorite whose folder is gone) is dimmed, in italics so that it
    // reads as different without colour too, and tells why when the pointer rests on it.
    const QString note = m_list.ItemNote(int16_t(row));
    if (note.isEmpty())
        return {};
    switch (role) {
    case Qt::ToolTipRole:
        return note;
    case Qt::ForegroundRole:
        return view().palette().brush(QPalette::Disabled, QPalette::Text);
    case Qt::FontRole: {
        QFont font = view().font();
        font.setItalic(true);
        return font;
    }
    default:
        return {};
    }
}

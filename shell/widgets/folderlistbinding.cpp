// Showing a FolderList as a list view: the folder's ancestors and subfolders, indented by depth.
#include "shell/widgets/folderlistbinding.h"

#include "core/system/filename.h"
#include "core/system/runtimeerror.h"
#include "core/toolkit/folderlist.h"
#include "shell/widgets/rowdelegate.h"

#include <QListView>
#include <QPalette>

FolderListBinding::FolderListBinding(FolderList& list, QListView& view, const TwipsScale& scale)
    : ListViewBinding(list, view, scale), m_list(list), m_icons(*view.style())
{
    // Rows are indented by their depth, so that the flat list reads as a tree.
    delete view.itemDelegate();
    view.setItemDelegate(new RowDelegate(&view, view.fontMetrics().height(), DepthRole));
    connect(&list, &FolderList::itemsChanged, this, &FolderListBinding::itemsChanged);
    connect(&list, &FolderList::listIndexChanged, this, &FolderListBinding::showCurrentRow);
    attachModel();
    attachRowEdit(list.NameEdit);
    refresh();
}

QString FolderListBinding::displayName(const QString& path)
{
    if (path == QLatin1String("/"))
        return path;
    return path.section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
}

int FolderListBinding::listIndex(int row) const
{
    return row - m_list.AncestorCount();
}

int FolderListBinding::rowOf(int index) const
{
    return index + m_list.AncestorCount();
}

int FolderListBinding::currentRow() const
{
    return m_list.ListIndex() + m_list.AncestorCount();
}

void FolderListBinding::selectRow(int row)
{
    m_list.setListIndex(listIndex(row));
}

void FolderListBinding::doubleClicked(int row)
{
    if (listIndex(row) >= m_list.ListCount())
        return; // the note below the subfolders
    try {
        m_list.setPath(m_list.List(listIndex(row)));
    } catch (const RunTimeError&) {
        // The folder vanished since the tree was read: show the tree as it is now.
        m_list.Refresh();
    }
}

int FolderListBinding::rowCount() const
{
    // A note, when the list has one, is the last row.
    return m_list.AncestorCount() + m_list.ListCount() + (m_list.Note().isEmpty() ? 0 : 1);
}

QVariant FolderListBinding::rowData(int row, int role) const
{
    const int index = listIndex(row);
    if (index >= m_list.ListCount()) {
        switch (role) {
        case Qt::DisplayRole:
            return m_list.Note();
        case Qt::ForegroundRole:
            return view().palette().brush(QPalette::Disabled, QPalette::Text);
        case DepthRole:
            return m_list.AncestorCount();
        default:
            return {};
        }
    }
    switch (role) {
    case Qt::DisplayRole:
        return FileNameForDisplay(displayName(m_list.List(index)));
    case Qt::DecorationRole:
        return index < 0 ? m_icons.openFolder() : m_icons.folder();
    case DepthRole:
        return index < 0 ? row : m_list.AncestorCount();
    default:
        return {};
    }
}

QString FolderListBinding::contentKey() const
{
    return m_list.Path();
}

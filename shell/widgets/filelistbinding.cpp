// Showing a FileList as a list view whose rows are read from the control as they are drawn.
#include "shell/widgets/filelistbinding.h"

#include "core/system/filename.h"
#include "core/toolkit/filelist.h"
#include "shell/widgets/controllistview.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/filedetailscolumns.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QStyle>

FileListBinding::FileListBinding(FileList& list, ControlListView& view, const TwipsScale& scale)
    : ListViewBinding(list, view, scale), m_list(list), m_icons(*view.style()),
      m_details(new FileDetailsColumns(list, view))
{
    connect(&list, &FileList::itemsChanged, this, [this] {
        itemsChanged();
        m_details->update();
    });
    connect(&list, &FileList::listIndexChanged, this, &FileListBinding::showCurrentRow);
    connect(&list, &FileList::selectionChanged, this, [this] { showSelectedRows(m_list.SelectedIndexes()); });
    attachModel();
    attachRowEdit(list.NameEdit);
    refresh();
}

int FileListBinding::currentRow() const
{
    return m_list.ListIndex();
}

void FileListBinding::selectRow(int row)
{
    m_list.setListIndex(row);
}

void FileListBinding::doubleClicked(int)
{
    m_list.RaiseDblClick();
}

int FileListBinding::rowCount() const
{
    return m_list.ListCount();
}

QVariant FileListBinding::rowData(int row, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return FileNameForDisplay(m_list.List(row));
    case Qt::DecorationRole:
        return m_icons.forFile(m_list.List(row));
    case FileDetailsDelegate::SizeRole:
        return m_list.SizeText(row);
    case FileDetailsDelegate::ModifiedRole:
        return m_list.ModifiedText(row);
    default:
        return {};
    }
}

QString FileListBinding::contentKey() const
{
    return m_list.Path() + QLatin1Char('\n') + m_list.Pattern();
}

bool FileListBinding::selectWithModifiers(int row, Qt::KeyboardModifiers modifiers)
{
    EventGuard::run("Click", [&] {
        if (modifiers & Qt::ShiftModifier)
            m_list.selectRangeTo(row);
        else
            m_list.toggleSelected(row);
    });
    return true;
}

int FileListBinding::nameRight() const
{
    // In the details view the edit leaves the size and date in sight.
    const QHeaderView& header = m_details->header();
    return header.isHidden() ? ListViewBinding::nameRight()
                             : header.sectionViewportPosition(0) + header.sectionSize(0) - 1;
}

bool FileListBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &view() && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const int step = key.key() == Qt::Key_Up ? -1 : key.key() == Qt::Key_Down ? 1 : 0;
        if (step != 0 && key.modifiers() == Qt::ShiftModifier) {
            EventGuard::run("Click", [&] { m_list.selectRangeTo(m_list.ListIndex() + step); });
            return true;
        }
    }
    return ListViewBinding::eventFilter(watched, event);
}

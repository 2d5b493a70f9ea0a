#include "platform/qt/folderlistbinding.h"

#include "platform/filename.h"
#include "platform/folderlist.h"
#include "platform/runtimeerror.h"

#include <QListView>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

// Shifts each row right by its depth, so that the flat list reads as a tree.
class IndentDelegate : public QStyledItemDelegate
{
public:
    IndentDelegate(int step, QObject* parent) : QStyledItemDelegate(parent), m_step(step) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    int indent(const QModelIndex& index) const
    {
        return index.data(FolderListBinding::DepthRole).toInt() * m_step;
    }

    int m_step;
};

} // namespace

FolderListBinding::FolderListBinding(FolderList& list, QListView& view, const TwipsScale& scale)
    : ListViewBinding(list, view, scale), m_list(list),
      m_openIcon(view.style()->standardIcon(QStyle::SP_DirOpenIcon)),
      m_closedIcon(view.style()->standardIcon(QStyle::SP_DirClosedIcon))
{
    // Rows differ in width by their indent; heights stay uniform.
    view.setItemDelegate(new IndentDelegate(view.fontMetrics().height(), &view));
    connect(&list, &FolderList::itemsChanged, this, &FolderListBinding::itemsChanged);
    connect(&list, &FolderList::listIndexChanged, this, &FolderListBinding::showCurrentRow);
    attachModel();
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
    try {
        m_list.setPath(m_list.List(listIndex(row)));
    } catch (const RunTimeError&) {
        // The folder vanished since the tree was read: show the tree as it is now.
        m_list.Refresh();
    }
}

int FolderListBinding::rowCount() const
{
    return m_list.AncestorCount() + m_list.ListCount();
}

QVariant FolderListBinding::rowData(int row, int role) const
{
    const int index = listIndex(row);
    switch (role) {
    case Qt::DisplayRole:
        return FileNameForDisplay(displayName(m_list.List(index)));
    case Qt::DecorationRole:
        return index < 0 ? m_openIcon : m_closedIcon;
    case DepthRole:
        return index < 0 ? row : m_list.AncestorCount();
    default:
        return {};
    }
}

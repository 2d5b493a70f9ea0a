// The item model over a list control, which asks the binding for its row count and each row's data.
#include "shell/widgets/controllistmodel.h"

#include <utility>

ControlListModel::ControlListModel(CountFunction count, DataFunction data, QObject* parent)
    : QAbstractListModel(parent), m_count(std::move(count)), m_data(std::move(data))
{}

int ControlListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count();
}

QVariant ControlListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count())
        return {};
    return m_data(index.row(), role);
}

void ControlListModel::reset()
{
    beginResetModel();
    endResetModel();
}

void ControlListModel::refreshRows()
{
    const int rows = m_count();
    if (rows > 0)
        emit dataChanged(index(0), index(rows - 1));
}

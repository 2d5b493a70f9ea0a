#pragma once
// A read-only item model over a list control: the binding tells it how many rows there are and
// what each row shows. No item is stored, so a list of any length costs nothing until it is
// drawn; the binding resets the model when the control's items change.

#include <QAbstractListModel>
#include <functional>

class ControlListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using CountFunction = std::function<int()>;
    using DataFunction = std::function<QVariant(int row, int role)>;

    ControlListModel(CountFunction count, DataFunction data, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    /// The control's items changed: every row is read anew.
    void reset();
    /// Only how the rows look changed: the views draw them again, keeping selection and scroll.
    void refreshRows();

private:
    CountFunction m_count;
    DataFunction m_data;
};

#pragma once
// The details view of the file list: a header over the list view whose clicks sort the control,
// rows drawn in its three columns, and the rows on screen told to the control, which reads their
// details as they come into view.

#include "shell/widgets/rowdelegate.h"

#include <QObject>

class ControlListView;
class FileList;
class QHeaderView;
class QStandardItemModel;

/// Draws a row as RowDelegate does, or, while the header shows, in the header's columns.
class FileDetailsDelegate : public RowDelegate
{
    Q_OBJECT

public:
    static constexpr int SizeRole = Qt::UserRole + 1;
    static constexpr int ModifiedRole = Qt::UserRole + 2;

    FileDetailsDelegate(QObject* parent, const QHeaderView& header);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    QStyleOptionViewItem nameColumn(const QStyleOptionViewItem& option) const;

    const QHeaderView& m_header;
};

class FileDetailsColumns : public QObject
{
    Q_OBJECT

public:
    FileDetailsColumns(FileList& list, ControlListView& view);

    QHeaderView& header() const { return *m_header; }
    /// The control's rows or view changed: shows or hides the header, its texts and order.
    void update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void tellVisibleRowsSoon();
    void tellVisibleRows();

    FileList& m_list;
    ControlListView& m_view;
    QStandardItemModel* m_captions;
    QHeaderView* m_header;
    bool m_telling = false;
};

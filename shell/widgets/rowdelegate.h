#pragma once
// Draws the rows of the list controls: every row of a list as high as a line of text or an
// icon, whatever its characters; names that do not fit are shortened in the middle, and the
// tooltip of such a row gives the whole name. A list whose rows are indented (the folder tree)
// names the role that holds each row's depth.

#include <QStyledItemDelegate>

class RowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    /// `depthRole` 0: no indent.
    explicit RowDelegate(QObject* parent, int indentStep = 0, int depthRole = 0);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    /// The whole text of a row drawn in `option`, when the row can show only part of it; else empty.
    QString hiddenText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    /// The height of every row in a list drawn with `option`'s font and icon size.
    static int rowHeight(const QStyleOptionViewItem& option);

private:
    QStyleOptionViewItem indented(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    int m_indentStep;
    int m_depthRole;
};

// Draws the list rows at one height, shortening names in the middle, with the whole name as tooltip.
#include "shell/widgets/rowdelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

RowDelegate::RowDelegate(QObject* parent, int indentStep, int depthRole)
    : QStyledItemDelegate(parent), m_indentStep(indentStep), m_depthRole(depthRole)
{}

QStyleOptionViewItem RowDelegate::indented(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem shifted = option;
    if (m_depthRole != 0)
        shifted.rect.setLeft(option.rect.left() + index.data(m_depthRole).toInt() * m_indentStep);
    return shifted;
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, indented(option, index), index);
}

int RowDelegate::rowHeight(const QStyleOptionViewItem& option)
{
    // One pixel above and below, as the style's own rows have for the focus rectangle.
    return std::max(option.fontMetrics.height(), option.decorationSize.height()) + 2;
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // Narrow on purpose: rows then span the list's width and long names are shortened rather
    // than scrolled out of sight.
    const int indent = m_depthRole != 0 ? index.data(m_depthRole).toInt() * m_indentStep : 0;
    return {indent + option.decorationSize.width() + option.fontMetrics.averageCharWidth(),
            rowHeight(option)};
}

QString RowDelegate::hiddenText(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = indented(option, index);
    initStyleOption(&item, index);
    if (item.text.isEmpty())
        return {};
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int room = textRect.width() - 2 * margin;
    return item.fontMetrics.horizontalAdvance(item.text) > room ? item.text : QString();
}

bool RowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                            const QModelIndex& index)
{
    // A tooltip of the row's own (a reason, a warning) comes first.
    if (event->type() != QEvent::ToolTip || index.data(Qt::ToolTipRole).isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = hiddenText(option, index);
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    return true;
}

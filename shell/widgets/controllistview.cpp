// The list controls' view: the focus frame in the highlight colour, and no row chosen by the view itself.
#include "shell/widgets/controllistview.h"

#include <QFocusEvent>
#include <QPainter>
#include <algorithm>

void ControlListView::focusInEvent(QFocusEvent* event)
{
    // QAbstractItemView makes the first row current when a list without one gets the focus;
    // for the favorites that would open the first favorite just because Space or Tab arrived.
    QAbstractScrollArea::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call): skipped on purpose
    viewport()->update();
    update();
}

void ControlListView::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    update();
}

bool ControlListView::event(QEvent* event)
{
    const bool handled = QListView::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        // Over the frame the style drew; the rows inside stay as they are.
        QPainter painter(this);
        const int width = std::max(1, frameWidth());
        QPen pen(palette().color(QPalette::Active, QPalette::Highlight), width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal inset = width / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
    return handled;
}

void ControlListView::keyboardSearch(const QString& search)
{
    if (m_keyboardSearch)
        QListView::keyboardSearch(search);
}

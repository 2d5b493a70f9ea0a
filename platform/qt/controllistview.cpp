#include "platform/qt/controllistview.h"

#include <QFocusEvent>

void ControlListView::focusInEvent(QFocusEvent* event)
{
    // QAbstractItemView makes the first row current when a list without one gets the focus;
    // for the favorites that would open the first favorite just because Space or Tab arrived.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ControlListView::keyboardSearch(const QString& search)
{
    if (m_keyboardSearch)
        QListView::keyboardSearch(search);
}

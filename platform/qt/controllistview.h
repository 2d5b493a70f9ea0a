#pragma once
// The list view of the list controls: a row is chosen only by the user's click or keys or by
// the model, never by the view on its own.

#include <QListView>

class ControlListView : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

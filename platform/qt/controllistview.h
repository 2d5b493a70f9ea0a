#pragma once
// The list view of the list controls: a row is chosen only by the user's click or keys or by
// the model, never by the view on its own. The list that has the keyboard focus shows it with a
// frame in the highlight colour, so that the three lists side by side tell which one keys reach.

#include <QListView>

class ControlListView : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
};

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

    /// Off: typed letters do not move the current row (the control does its own type-ahead).
    void setKeyboardSearch(bool enabled) { m_keyboardSearch = enabled; }
    void keyboardSearch(const QString& search) override;
    /// Room above the rows, for a header over them.
    void setTopMargin(int height) { setViewportMargins(0, height, 0, 0); }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool m_keyboardSearch = true;
};

#pragma once
// What the three list controls share: a QListView over a ControlListModel whose highlighted row
// follows the control's ListIndex, and mouse input that works as a classic list's does. A left
// press selects the row under the pointer before MouseDown is raised; while the button is held
// the selection follows the pointer row by row; the release raises MouseUp. Other buttons raise
// their events without touching the selection.

#include "shell/widgets/controlbinding.h"

#include <QString>
#include <vector>

class ControlListModel;
class QLineEdit;
class QListView;
class RowEdit;

class ListViewBinding : public ControlBinding
{
    Q_OBJECT

public:
    ListViewBinding(Control& control, QListView& view, const TwipsScale& scale);

    QListView& view() const { return m_view; }
    ControlListModel& model() const { return *m_model; }

protected:
    /// The row the control has selected, -1 for none.
    virtual int currentRow() const = 0;
    /// The user selected a row: sets the control's ListIndex, which runs its Click.
    virtual void selectRow(int row) = 0;
    virtual void doubleClicked(int row) = 0;
    virtual int rowCount() const = 0;
    virtual QVariant rowData(int row, int role) const = 0;
    /// What the rows were read from (a folder, a folder and pattern); while it stays the same a
    /// re-read keeps the scroll position, as a change on disk must not move the view.
    virtual QString contentKey() const { return {}; }

    /// Puts the model into the view; the leaf's constructor calls it once it can answer rows.
    void attachModel();
    /// Shows the control's in-place edits as an edit box over the row.
    void attachRowEdit(RowEdit& edit);
    /// The view's row of the control's index.
    virtual int rowOf(int index) const { return index; }
    /// Where a row's name ends in the viewport, the right edge of an in-place edit.
    virtual int nameRight() const;
    /// The control's items changed: re-read all rows and the selection.
    void itemsChanged();
    /// The control's selection changed: show it without raising anything.
    void showCurrentRow();
    /// Shows these rows selected, the current one among them, without raising anything.
    void showSelectedRows(const std::vector<int>& rows);
    /// A left press with Ctrl or Shift; true when the list took it as a widening of its selection.
    virtual bool selectWithModifiers(int /*row*/, Qt::KeyboardModifiers /*modifiers*/) { return false; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool viewportEvent(QEvent* event);
    void openEditor();
    void closeEditor();
    void userSelects(int row);

    QListView& m_view;
    ControlListModel* m_model;
    bool m_showing = false;
    QString m_contentKey;
    bool m_leftHeld = false;
    RowEdit* m_rowEdit = nullptr;
    QLineEdit* m_editor = nullptr;
};

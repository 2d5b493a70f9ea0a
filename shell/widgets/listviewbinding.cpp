// What the three list bindings share: the model, the row that follows ListIndex, and classic mouse input.
#include "shell/widgets/listviewbinding.h"

#include "core/toolkit/rowedit.h"
#include "shell/widgets/controllistmodel.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/rowdelegate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>

ListViewBinding::ListViewBinding(Control& control, QListView& view, const TwipsScale& scale)
    : ControlBinding(control, view, scale), m_view(view),
      m_model(new ControlListModel([this] { return rowCount(); },
                                   [this](int row, int role) { return rowData(row, role); }, this))
{
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setUniformItemSizes(true);
    view.setTextElideMode(Qt::ElideMiddle);
    view.setItemDelegate(new RowDelegate(&view));
    // Icons as tall as a line of text keep the rows as dense as the design's.
    const int icon = view.fontMetrics().height();
    view.setIconSize(QSize(icon, icon));
    view.viewport()->installEventFilter(this);
}

void ListViewBinding::attachModel()
{
    m_contentKey = contentKey();
    m_view.setModel(m_model);
    connect(m_view.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                // Keys move the current row; the model's own changes are shown, not raised.
                if (!m_showing && current.isValid())
                    userSelects(current.row());
            });
    showCurrentRow();
}

void ListViewBinding::itemsChanged()
{
    const QString key = contentKey();
    const bool sameContent = key == m_contentKey;
    m_contentKey = key;
    const int scrolled = m_view.verticalScrollBar()->value();
    m_showing = true;
    m_model->reset();
    m_showing = false;
    if (sameContent)
        m_view.verticalScrollBar()->setValue(scrolled);
    showCurrentRow();
}

void ListViewBinding::showCurrentRow()
{
    m_showing = true;
    QItemSelectionModel& selection = *m_view.selectionModel();
    const int row = currentRow();
    if (row >= 0 && row < m_model->rowCount()) {
        const QModelIndex index = m_model->index(row);
        selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_view.scrollTo(index);
    } else {
        selection.clear();
    }
    m_showing = false;
}

void ListViewBinding::showSelectedRows(const std::vector<int>& rows)
{
    showCurrentRow();
    if (rows.size() < 2)
        return;
    m_showing = true;
    QItemSelection selection;
    // Runs of rows as one range each: a selection of thousands stays a few ranges.
    for (size_t i = 0; i < rows.size();) {
        size_t end = i;
        while (end + 1 < rows.size() && rows[end + 1] == rows[end] + 1)
            ++end;
        selection.select(m_model->index(rows[i]), m_model->index(rows[end]));
        i = end + 1;
    }
    m_view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_showing = false;
}

void ListViewBinding::userSelects(int row)
{
    if (row == currentRow())
        return;
    EventGuard::run("Click", [this, row] { selectRow(row); });
    // A handler may have moved the selection elsewhere, or refused it.
    showCurrentRow();
}

void ListViewBinding::attachRowEdit(RowEdit& edit)
{
    m_rowEdit = &edit;
    connect(&edit, &RowEdit::started, this, &ListViewBinding::openEditor);
    connect(&edit, &RowEdit::ended, this, &ListViewBinding::closeEditor);
}

void ListViewBinding::openEditor()
{
    closeEditor();
    const QModelIndex index = m_model->index(rowOf(m_rowEdit->Index()));
    m_view.scrollTo(index);
    QRect place = m_view.visualRect(index);
    // The name's part of the row: the icon stays visible to its left.
    const int icon = m_view.iconSize().width() + 4;
    place.setLeft(place.left() + icon);
    place.setRight(nameRight());
    m_editor = new QLineEdit(m_view.viewport());
    m_editor->setObjectName(QStringLiteral("RowEditor"));
    m_editor->setGeometry(place.adjusted(0, -2, 0, 2));
    m_editor->setText(m_rowEdit->Text());
    m_editor->setSelection(0, m_rowEdit->SelectLength());
    m_editor->installEventFilter(this);
    m_editor->show();
    m_editor->setFocus();
}

int ListViewBinding::nameRight() const
{
    return m_view.viewport()->width() - 1;
}

void ListViewBinding::closeEditor()
{
    if (!m_editor)
        return;
    QLineEdit* editor = std::exchange(m_editor, nullptr);
    editor->removeEventFilter(this);
    const bool hadFocus = editor->hasFocus();
    editor->hide();
    editor->deleteLater();
    if (hadFocus)
        m_view.setFocus();
}

bool ListViewBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (m_editor && watched == m_editor) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                const QString text = m_editor->text();
                EventGuard::run("rename", [this, &text] { m_rowEdit->Finish(text); });
                return true;
            }
            if (key == Qt::Key_Escape) {
                m_rowEdit->Cancel();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Clicking elsewhere drops the edit, as Escape does: nothing is renamed by accident.
            m_rowEdit->Cancel();
        }
        return false;
    }
    if (watched == m_view.viewport())
        return viewportEvent(event);
    return ControlBinding::eventFilter(watched, event);
}

bool ListViewBinding::viewportEvent(QEvent* event)
{
    QWidget& viewport = *m_view.viewport();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() == Qt::LeftButton) {
            m_leftHeld = true;
            const QModelIndex index = m_view.indexAt(mouse.position().toPoint());
            const bool widened = index.isValid() &&
                                 (mouse.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) &&
                                 selectWithModifiers(index.row(), mouse.modifiers());
            if (widened)
                m_leftHeld = false;
            else if (index.isValid())
                userSelects(index.row());
        }
        raiseMouse(mouse, viewport, true);
        return true;
    }
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (m_leftHeld && (mouse.buttons() & Qt::LeftButton)) {
            const QModelIndex index = m_view.indexAt(mouse.position().toPoint());
            if (index.isValid())
                userSelects(index.row());
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() == Qt::LeftButton)
            m_leftHeld = false;
        raiseMouse(mouse, viewport, false);
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        m_leftHeld = false;
        if (mouse.button() == Qt::LeftButton) {
            const QModelIndex index = m_view.indexAt(mouse.position().toPoint());
            if (index.isValid())
                EventGuard::run("DblClick", [this, &index] { doubleClicked(index.row()); });
        }
        return true;
    }
    default:
        return false;
    }
}

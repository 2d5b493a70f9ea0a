// The main window's layout at any size: columns that share the width, controls kept to their column.
#include "shell/windows/mainlayout.h"

#include "core/mainform/mainform.h"

#include <algorithm>
#include <cmath>

namespace {

// Room kept between a column's left-anchored and right-anchored controls, in twips.
constexpr int ControlGap = 120;
// Every list keeps at least this height: some five rows.
constexpr int MinimumListHeight = 1500;

} // namespace

MainLayout::MainLayout(const MainForm& form)
    : m_form(form), m_columns{Column{form.FavoDirList.Left(), form.FavoDirList.Width()},
                              Column{form.DirList.Left(), form.DirList.Width()},
                              Column{form.FileList.Left(), form.FileList.Width()}},
      m_rightMargin(MainForm::ClientWidth - (form.FileList.Left() + form.FileList.Width()))
{
    m_shortestList = std::min({form.FavoDirList.Height(), form.DirList.Height(), form.FileList.Height()});
    measure([](const Control& control) {
        return QRect(control.Left(), control.Top(), control.Width(), control.Height());
    });
    setClientSize({MainForm::ClientWidth, MainForm::ClientHeight});
}

const MainLayout::Column* MainLayout::columnOf(const Control& control) const
{
    // A control belongs to the column it starts in, the gap after a column included.
    const Column* found = &m_columns.front();
    for (const Column& column : m_columns) {
        if (control.Left() >= column.left)
            found = &column;
    }
    return found;
}

bool MainLayout::anchoredRight(const Column& column, const Control& control)
{
    return 2 * control.Left() + control.Width() > 2 * column.left + column.width;
}

bool MainLayout::fillsColumn(const Column& column, const Control& control)
{
    return 5 * control.Width() > 4 * column.width;
}

void MainLayout::measure(const std::function<QRect(const Control&)>& shown)
{
    for (Column& column : m_columns) {
        int leftEnd = 0;
        int rightEnd = 0;
        for (const Control* control : m_form.Controls()) {
            if (!control->Visible() || columnOf(*control) != &column || fillsColumn(column, *control))
                continue;
            const QRect extent = shown(*control);
            if (extent.isEmpty())
                continue;
            if (anchoredRight(column, *control))
                rightEnd = std::max(rightEnd, column.left + column.width - extent.left());
            else
                leftEnd = std::max(leftEnd, extent.left() + extent.width() - column.left);
        }
        column.minimum = std::min(column.width, leftEnd + ControlGap + rightEnd);
    }
    setClientSize(m_client.isEmpty() ? QSize(MainForm::ClientWidth, MainForm::ClientHeight) : m_client);
}

QSize MainLayout::minimumClientSize() const
{
    int width = m_columns.front().left + m_rightMargin;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        width += m_columns[i].minimum;
        if (i + 1 < m_columns.size())
            width += m_columns[i + 1].left - (m_columns[i].left + m_columns[i].width);
    }
    return {width, MainForm::ClientHeight - (m_shortestList - MinimumListHeight)};
}

void MainLayout::setClientSize(QSize twips)
{
    m_client = twips;
    const double ratio = double(twips.width()) / MainForm::ClientWidth;
    const size_t last = m_columns.size() - 1;
    int room = twips.width() - m_columns.front().left - m_rightMargin;
    for (size_t i = 0; i < last; ++i)
        room -= m_columns[i + 1].left - (m_columns[i].left + m_columns[i].width);
    // The first columns in proportion, the last one the rest; it never gets less than its
    // minimum while the others can still give way.
    int rest = room;
    for (size_t i = 0; i < last; ++i) {
        m_columns[i].placedWidth =
            std::max(m_columns[i].minimum, int(std::lround(m_columns[i].width * ratio)));
        rest -= m_columns[i].placedWidth;
    }
    for (size_t i = 0; i < last && rest < m_columns[last].minimum; ++i) {
        const int give =
            std::min(m_columns[last].minimum - rest, m_columns[i].placedWidth - m_columns[i].minimum);
        m_columns[i].placedWidth -= give;
        rest += give;
    }
    m_columns[last].placedWidth = rest;
    int left = m_columns.front().left;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        m_columns[i].placedLeft = left;
        if (i < last)
            left +=
                m_columns[i].placedWidth + m_columns[i + 1].left - (m_columns[i].left + m_columns[i].width);
    }
}

QRect MainLayout::place(const Control& control) const
{
    const Column& column = *columnOf(control);
    const int grow = m_client.height() - MainForm::ClientHeight;
    QRect rect(control.Left(), control.Top(), control.Width(), control.Height());

    if (fillsColumn(column, control)) {
        const int leftInset = control.Left() - column.left;
        const int rightInset = column.left + column.width - (control.Left() + control.Width());
        rect.setLeft(column.placedLeft + leftInset);
        rect.setWidth(column.placedWidth - leftInset - rightInset);
    } else if (anchoredRight(column, control)) {
        rect.moveLeft(column.placedLeft + column.placedWidth - (column.left + column.width - control.Left()));
    } else {
        rect.moveLeft(column.placedLeft + control.Left() - column.left);
    }

    // Tall controls stretch to the bottom edge; those below the lists' tops follow it.
    if (2 * control.Height() > MainForm::ClientHeight)
        rect.setHeight(control.Height() + grow);
    else if (2 * control.Top() > MainForm::ClientHeight)
        rect.moveTop(control.Top() + grow);
    return rect;
}

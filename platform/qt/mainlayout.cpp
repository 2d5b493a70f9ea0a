#include "platform/qt/mainlayout.h"

#include "app/mainform.h"

#include <algorithm>
#include <cmath>

namespace {

// Room kept between a column's left-anchored and right-anchored controls, in twips.
constexpr int ControlGap = 60;
// Every list keeps at least this height: some five rows.
constexpr int MinimumListHeight = 1500;

} // namespace

MainLayout::MainLayout(const MainForm& form)
    : m_columns{Column{form.FavoDirList.Left(), form.FavoDirList.Width()},
                Column{form.DirList.Left(), form.DirList.Width()},
                Column{form.FileList.Left(), form.FileList.Width()}},
      m_rightMargin(MainForm::ClientWidth - (form.FileList.Left() + form.FileList.Width()))
{
    m_shortestList = std::min({form.FavoDirList.Height(), form.DirList.Height(), form.FileList.Height()});
    computeMinimums(form);
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
    return 2 * control.Width() > column.width;
}

void MainLayout::computeMinimums(const MainForm& form)
{
    for (Column& column : m_columns) {
        int leftEnd = 0;
        int rightEnd = 0;
        for (const Control* control : form.Controls()) {
            if (!control->Visible() || columnOf(*control) != &column || fillsColumn(column, *control))
                continue;
            if (anchoredRight(column, *control))
                rightEnd = std::max(rightEnd, column.left + column.width - control->Left());
            else
                leftEnd = std::max(leftEnd, control->Left() + control->Width() - column.left);
        }
        column.minimum = std::min(column.width, leftEnd + ControlGap + rightEnd);
    }
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
    int left = m_columns.front().left;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Column& column = m_columns[i];
        column.placedLeft = left;
        if (i + 1 < m_columns.size()) {
            column.placedWidth = std::max(column.minimum, int(std::lround(column.width * ratio)));
            left += column.placedWidth + m_columns[i + 1].left - (column.left + column.width);
        } else {
            column.placedWidth = twips.width() - m_rightMargin - left;
        }
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

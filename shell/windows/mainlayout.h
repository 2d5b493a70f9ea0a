#pragma once
// The main window's layout at any size. The three lists are columns: when the window grows or
// shrinks, the favorites and folder columns change width in proportion and the file list takes
// the rest; the lists and the filter box follow the bottom edge. A small control keeps its place
// relative to its column: to the column's left edge when it sits in its left half, to the right
// edge otherwise. The designed size gives the designed layout exactly.

#include "shell/widgets/controlplacement.h"

#include <QSize>
#include <array>
#include <functional>

class MainForm;

class MainLayout : public ControlPlacement
{
public:
    explicit MainLayout(const MainForm& form);

    /// Takes the minimum column widths from the controls as they are shown at the designed size
    /// (a caption wider than its button widens it), in twips.
    void measure(const std::function<QRect(const Control&)>& shown);

    /// The client area the controls fill, in twips.
    void setClientSize(QSize twips);
    QSize clientSize() const { return m_client; }

    /// The smallest client area, in twips, in which no two controls overlap and every list shows
    /// a few rows.
    QSize minimumClientSize() const;

    QRect place(const Control& control) const override;

private:
    struct Column
    {
        int left = 0;  // as designed
        int width = 0; // as designed
        int minimum = 0;
        int placedLeft = 0;
        int placedWidth = 0;
    };

    const Column* columnOf(const Control& control) const;
    static bool anchoredRight(const Column& column, const Control& control);
    static bool fillsColumn(const Column& column, const Control& control);

    const MainForm& m_form;
    std::array<Column, 3> m_columns;
    int m_rightMargin = 0;
    int m_shortestList = 0;
    QSize m_client;
};

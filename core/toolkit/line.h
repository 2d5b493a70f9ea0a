#pragma once
// A straight line, one pixel wide, drawn in the system's window-text colour.

#include "core/toolkit/control.h"

class Line : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    /// End points in twips, relative to the container that holds the line. The line keeps no
    /// Left/Top/Width/Height of its own: the view takes its extent from these.
    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    int X2() const { return m_x2; }
    int Y2() const { return m_y2; }
    void setX2(int twips) { setEnds(m_x1, m_y1, twips, m_y2); }
    void setEnds(int x1, int y1, int x2, int y2)
    {
        if (m_x1 == x1 && m_y1 == y1 && m_x2 == x2 && m_y2 == y2)
            return;
        m_x1 = x1;
        m_y1 = y1;
        m_x2 = x2;
        m_y2 = y2;
        emit changed();
    }

private:
    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
};

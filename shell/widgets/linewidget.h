#pragma once
// Draws a straight one-pixel line between two points of its parent, in the colour of its
// foreground role (the window text unless set otherwise).

#include <QLine>
#include <QWidget>

class LineWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LineWidget(QWidget* parent);

    /// Ends in the parent's pixels; the widget covers just the line.
    void setLine(QLine line);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line;
};

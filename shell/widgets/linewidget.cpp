// Draws a one-pixel line between two points of its parent in the foreground colour.
#include "shell/widgets/linewidget.h"

#include <QPainter>
#include <algorithm>

LineWidget::LineWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setLine(QLine line)
{
    m_line = line;
    const QRect bounds(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                       QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2())));
    setGeometry(bounds);
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 0));
    painter.drawLine(m_line.translated(-pos()));
}

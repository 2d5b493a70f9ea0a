#include "platform/qt/framebinding.h"

#include "platform/frame.h"

#include <QFrame>
#include <QPalette>

FrameBinding::FrameBinding(Frame& frame, QFrame& widget, const TwipsScale& scale)
    : ControlBinding(frame, widget, scale), m_frame(frame), m_widget(widget)
{
    widget.setAutoFillBackground(true);
    widget.setFocusPolicy(Qt::NoFocus);
    refresh();
}

void FrameBinding::update()
{
    QPalette palette = m_widget.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(m_frame.BackColor()));
    m_widget.setPalette(palette);
    m_widget.setFrameStyle(m_frame.BorderStyle() == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    ControlBinding::update();
}

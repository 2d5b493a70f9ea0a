// Showing a Frame as a plain panel in its background colour, with a border when it asks for one.
#include "shell/widgets/framebinding.h"

#include "core/toolkit/frame.h"
#include "shell/widgets/contrast.h"

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
    const QColor back = QColor::fromRgb(m_frame.BackColor());
    palette.setColor(QPalette::Window, back);
    // A panel of a fixed colour gets a text colour to match, whatever the theme's text colour;
    // the labels and lines inside inherit it.
    palette.setColor(QPalette::WindowText, Contrast::TextOn(back));
    palette.setColor(QPalette::Text, Contrast::TextOn(back));
    m_widget.setPalette(palette);
    m_widget.setFrameStyle(m_frame.BorderStyle() == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    ControlBinding::update();
}

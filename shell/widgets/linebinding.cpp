// Showing a Line model as a LineWidget between its two end points.
#include "shell/widgets/linebinding.h"

#include "core/toolkit/line.h"
#include "shell/widgets/linewidget.h"
#include "shell/widgets/twips.h"

LineBinding::LineBinding(Line& line, LineWidget& widget, const TwipsScale& scale)
    : ControlBinding(line, widget, scale), m_line(line), m_widget(widget)
{
    refresh();
}

void LineBinding::update()
{
    // A line has no box of its own: its ends are its geometry.
    m_widget.setLine(QLine(scale().toPixels(m_line.X1()), scale().toPixels(m_line.Y1()),
                           scale().toPixels(m_line.X2()), scale().toPixels(m_line.Y2())));
    m_widget.setEnabled(m_line.Enabled());
    m_widget.setVisible(m_line.Visible());
}

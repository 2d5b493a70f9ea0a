// Showing a Label as a QLabel of plain text, never narrower than its text.
#include "shell/widgets/labelbinding.h"

#include "core/toolkit/label.h"

#include <QLabel>
#include <algorithm>

LabelBinding::LabelBinding(Label& label, QLabel& widget, const TwipsScale& scale)
    : ControlBinding(label, widget, scale), m_label(label), m_widget(widget)
{
    widget.setTextFormat(Qt::PlainText);
    widget.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget.setWordWrap(false);
    refresh();
}

void LabelBinding::update()
{
    m_widget.setText(m_label.Caption());
    ControlBinding::update();
}

QRect LabelBinding::pixelGeometry() const
{
    QRect rect = ControlBinding::pixelGeometry();
    const QSize text = m_widget.fontMetrics().size(0, m_label.Caption());
    rect.setWidth(std::max(rect.width(), text.width()));
    rect.setHeight(std::max(rect.height(), text.height()));
    return rect;
}

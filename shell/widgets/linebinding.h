#pragma once
// A Line shown as a LineWidget between its two end points.

#include "shell/widgets/controlbinding.h"

class Line;
class LineWidget;

class LineBinding : public ControlBinding
{
    Q_OBJECT

public:
    LineBinding(Line& line, LineWidget& widget, const TwipsScale& scale);

protected:
    void update() override;

private:
    Line& m_line;
    LineWidget& m_widget;
};

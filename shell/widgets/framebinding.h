#pragma once
// A Frame shown as a plain panel in its background colour, its text in black or white to match, with a
// single-line border when its BorderStyle asks for one. The controls it holds are created as children of its
// widget.

#include "shell/widgets/controlbinding.h"

class Frame;
class QFrame;

class FrameBinding : public ControlBinding
{
    Q_OBJECT

public:
    FrameBinding(Frame& frame, QFrame& widget, const TwipsScale& scale);

protected:
    void update() override;

private:
    Frame& m_frame;
    QFrame& m_widget;
};

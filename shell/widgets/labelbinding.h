#pragma once
// A Label shown as a QLabel: its caption as plain text, at least as wide as that text so that a
// font wider than the design's never clips it.

#include "shell/widgets/controlbinding.h"

class Label;
class QLabel;

class LabelBinding : public ControlBinding
{
    Q_OBJECT

public:
    LabelBinding(Label& label, QLabel& widget, const TwipsScale& scale);

protected:
    void update() override;
    QRect pixelGeometry() const override;

private:
    Label& m_label;
    QLabel& m_widget;
};

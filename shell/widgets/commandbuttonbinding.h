#pragma once
// A CommandButton shown as a QPushButton: caption with "&" access keys, or a picture from the
// resources. A click, Space, or Enter on the focused button raises Click. No button becomes the
// default by Qt's own rules: Enter goes to the focused button, or to the model's Default one.

#include "shell/widgets/controlbinding.h"

class CommandButton;
class QPushButton;

class CommandButtonBinding : public ControlBinding
{
    Q_OBJECT

public:
    CommandButtonBinding(CommandButton& button, QPushButton& widget, const TwipsScale& scale);

    /// The resource path of a button picture by its name.
    static QString picturePath(const QString& picture);
    /// The freedesktop icon that stands for a button picture; empty when none does.
    static QString themeIconName(const QString& picture);

protected:
    void update() override;
    /// The designed box, widened about its centre when the caption would not fit in it.
    QRect pixelGeometry() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CommandButton& m_button;
    QPushButton& m_widget;
};

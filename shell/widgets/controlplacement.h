#pragma once
// Where a window puts its controls when it is not at its designed size: maps each control's
// designed rectangle to the one it takes now, in twips. A window without one shows the design.

#include <QRect>

class Control;

class ControlPlacement
{
public:
    virtual ~ControlPlacement() = default;

    /// The control's rectangle in twips for the window's current size.
    virtual QRect place(const Control& control) const = 0;
};

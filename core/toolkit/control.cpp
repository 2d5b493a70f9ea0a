// The control model's setters for geometry, state and focus, and the raising of its key and mouse events.
#include "core/toolkit/control.h"

#include "core/toolkit/form.h"

Control::Control(Form& form, const QString& name) : m_form(form), m_name(name)
{
    setObjectName(name);
    form.registerControl(*this);
}

void Control::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit changed();
}

void Control::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit changed();
}

void Control::setLeft(int twips)
{
    Move(twips, m_top, m_width, m_height);
}

void Control::setTop(int twips)
{
    Move(m_left, twips, m_width, m_height);
}

void Control::setWidth(int twips)
{
    Move(m_left, m_top, twips, m_height);
}

void Control::setHeight(int twips)
{
    Move(m_left, m_top, m_width, twips);
}

void Control::Move(int left, int top, int width, int height)
{
    if (m_left == left && m_top == top && m_width == width && m_height == height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    emit changed();
}

void Control::SetFocus()
{
    m_form.setActiveControl(this);
}

bool Control::HasFocus() const
{
    return m_form.ActiveControl() == this;
}

void Control::RaiseKeyDown(int16_t keyCode, int16_t shift)
{
    if (KeyDown)
        KeyDown(keyCode, shift);
}

void Control::RaiseKeyPress(int16_t keyAscii)
{
    if (KeyPress)
        KeyPress(keyAscii);
}

void Control::RaiseMouseDown(int16_t button, int16_t shift, float x, float y)
{
    if (MouseDown)
        MouseDown(button, shift, x, y);
}

void Control::RaiseMouseUp(int16_t button, int16_t shift, float x, float y)
{
    if (MouseUp)
        MouseUp(button, shift, x, y);
}

// The form model's geometry setters, its load, activate and unload, and the focus between its controls.
#include "core/toolkit/form.h"

#include "core/system/host.h"
#include "core/toolkit/control.h"

Form::Form(Host& host, const QString& name) : m_host(host), m_name(name)
{
    setObjectName(name);
}

Form::~Form() = default;

void Form::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit changed();
}

void Form::setLeft(int twips)
{
    Move(twips, m_top, m_width, m_height);
}

void Form::setTop(int twips)
{
    Move(m_left, twips, m_width, m_height);
}

void Form::setWidth(int twips)
{
    Move(m_left, m_top, twips, m_height);
}

void Form::setHeight(int twips)
{
    Move(m_left, m_top, m_width, twips);
}

void Form::Move(int left, int top, int width, int height)
{
    if (m_left == left && m_top == top && m_width == width && m_height == height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    emit changed();
}

void Form::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_activeControl = nullptr;
    Form_Load();
    emit loaded();
}

void Form::Unload()
{
    // A second request while Form_Unload waits on a message (the session ends during Exit's
    // save) must not save again.
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    m_unloading = false;
    m_loaded = false;
    emit unloaded();
}

void Form::Activate()
{
    if (m_loaded)
        Form_Activate();
}

void Form::ShowModal()
{
    Load();
    if (m_loaded)
        m_host.ShowModal(*this);
}

void Form::setActiveControl(Control* control)
{
    if (m_activeControl == control)
        return;
    m_activeControl = control;
    emit focusChanged(control);
    if (control && control->GotFocus)
        control->GotFocus();
}

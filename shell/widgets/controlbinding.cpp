// The widget binding's base: geometry and state from the model, and focus, keys and mouse as its events.
#include "shell/widgets/controlbinding.h"

#include "core/toolkit/control.h"
#include "core/toolkit/form.h"
#include "shell/widgets/controlplacement.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

ControlBinding::ControlBinding(Control& control, QWidget& widget, const TwipsScale& scale)
    : QObject(&widget), m_control(control), m_widget(widget), m_scale(scale)
{
    widget.setObjectName(control.Name());
    widget.installEventFilter(this);
    connect(&control, &Control::changed, this, &ControlBinding::refresh);
}

void ControlBinding::update()
{
    m_widget.setGeometry(pixelGeometry());
    m_widget.setEnabled(m_control.Enabled());
    m_widget.setVisible(m_control.Visible());
    // A screen reader lists hidden widgets as well; one that takes no focus is passed over.
    if (!m_control.Visible() && m_widget.focusPolicy() != Qt::NoFocus) {
        m_shownFocusPolicy = m_widget.focusPolicy();
        m_widget.setFocusPolicy(Qt::NoFocus);
    } else if (m_control.Visible() && m_shownFocusPolicy) {
        m_widget.setFocusPolicy(*m_shownFocusPolicy);
        m_shownFocusPolicy.reset();
    }
}

void ControlBinding::place()
{
    m_widget.setGeometry(pixelGeometry());
}

QRect ControlBinding::pixelGeometry() const
{
    if (!m_placement)
        return m_scale.geometry(m_control);
    const QRect twips = m_placement->place(m_control);
    return m_scale.toPixels(twips.x(), twips.y(), twips.width(), twips.height());
}

bool ControlBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_widget)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        EventGuard::run("GotFocus", [this] { m_control.Parent().setActiveControl(&m_control); });
        break;
    case QEvent::KeyPress:
        raiseKeys(static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::MouseButtonPress:
        raiseMouse(static_cast<const QMouseEvent&>(*event), m_widget, true);
        break;
    case QEvent::MouseButtonRelease:
        raiseMouse(static_cast<const QMouseEvent&>(*event), m_widget, false);
        break;
    default:
        break;
    }
    return false;
}

void ControlBinding::raiseKeys(const QKeyEvent& event)
{
    // Tab and Backtab move the focus between controls and reach no handler.
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return;
    const int16_t code = keyCode(event.key());
    const int16_t shift = shiftMask(event.modifiers());
    const QString text = event.text();
    EventGuard::run("KeyDown", [&] {
        if (code != 0)
            m_control.RaiseKeyDown(code, shift);
    });
    if (text.isEmpty())
        return;
    const char16_t character = text.at(0).unicode();
    // Control characters other than Backspace, Enter and Escape, and DEL, type nothing.
    if (character > 0x7FFF || character == 0x7F ||
        (character < 0x20 && character != 8 && character != 13 && character != 27))
        return;
    EventGuard::run("KeyPress", [&] { m_control.RaiseKeyPress(int16_t(character)); });
}

void ControlBinding::raiseMouse(const QMouseEvent& event, QWidget& source, bool down)
{
    const int16_t button = mouseButton(event.button());
    if (button == 0)
        return;
    const int16_t shift = shiftMask(event.modifiers());
    const QPoint at = twipsPosition(event, source);
    EventGuard::run(down ? "MouseDown" : "MouseUp", [&] {
        if (down)
            m_control.RaiseMouseDown(button, shift, float(at.x()), float(at.y()));
        else
            m_control.RaiseMouseUp(button, shift, float(at.x()), float(at.y()));
    });
}

QPoint ControlBinding::twipsPosition(const QMouseEvent& event, QWidget& source) const
{
    return m_scale.toTwips(source.mapTo(&m_widget, event.position().toPoint()));
}

int16_t ControlBinding::keyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return int16_t(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return int16_t(112 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int16_t ControlBinding::shiftMask(Qt::KeyboardModifiers modifiers)
{
    int16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= ShiftMask::Shift;
    if (modifiers & Qt::ControlModifier)
        mask |= ShiftMask::Ctrl;
    if (modifiers & Qt::AltModifier)
        mask |= ShiftMask::Alt;
    return mask;
}

int16_t ControlBinding::mouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return 0;
    }
}

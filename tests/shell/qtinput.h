#pragma once
// Input for the Qt tests: mouse events sent straight to a widget, and waiting on a condition
// with a deadline instead of sleeping.

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace QtInput {

inline void mouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                  QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held, modifiers);
    QApplication::sendEvent(&widget, &event);
}

inline void press(QWidget& widget, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {})
{
    mouse(widget, QEvent::MouseButtonPress, button, button, at, modifiers);
}

inline void release(QWidget& widget, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {})
{
    mouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, at, modifiers);
}

inline void moveHeld(QWidget& widget, Qt::MouseButton held, QPoint at)
{
    mouse(widget, QEvent::MouseMove, Qt::NoButton, held, at);
}

inline void doubleClick(QWidget& widget, QPoint at)
{
    press(widget, Qt::LeftButton, at);
    release(widget, Qt::LeftButton, at);
    mouse(widget, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, at);
    release(widget, Qt::LeftButton, at);
}

/// Lets events run until `done` holds or `ms` have passed; returns whether it held.
inline bool waitFor(const std::function<bool()>& done, int ms = 5000)
{
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace QtInput

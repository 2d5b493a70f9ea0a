#pragma once
// Runs a handler that opens a modal window through the real host, hands the window to a check
// once it is on the screen, and closes it through its form. A window still open after five
// seconds is closed all the same, so that a test never hangs.

#include "core/toolkit/form.h"
#include "shell/windows/formdialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace Modal {

/// Returns whether `inspect` ran.
inline bool Inspect(const std::function<void()>& open, const std::function<void(FormDialog&)>& inspect)
{
    bool inspected = false;
    QTimer poll;
    const QDeadlineTimer deadline(5000);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<FormDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        QPointer<FormDialog> alive(dialog);
        if (!inspected) {
            inspected = true;
            inspect(*dialog);
        }
        if (alive && (inspected || deadline.hasExpired()) && dialog->form().IsLoaded())
            dialog->form().Unload();
    });
    poll.start(10);
    open();
    return inspected;
}

} // namespace Modal

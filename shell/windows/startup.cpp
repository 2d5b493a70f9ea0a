// The start of the main window: shown first, its first activation once it has painted.

#include "shell/windows/startup.h"

#include "core/mainform/mainform.h"
#include "shell/widgets/eventguard.h"
#include "shell/windows/mainwindow.h"

#include <QEvent>
#include <QTimer>

namespace {

constexpr int kUnpaintedActivationMs = 1000;

// Waits for the window's first paint, then lets the paint reach the screen before the
// activation's work blocks the event loop.
class FirstPaintActivation : public QObject
{
public:
    FirstPaintActivation(MainWindow& window, MainForm& form) : QObject(&window), m_form(form)
    {
        window.installEventFilter(this);
        QTimer::singleShot(kUnpaintedActivationMs, this, &FirstPaintActivation::activate);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_scheduled) {
            m_scheduled = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstPaintActivation::activate);
        }
        return false;
    }

private:
    void activate()
    {
        if (m_done)
            return;
        m_done = true;
        EventGuard::run("Form_Activate", [this] { m_form.Activate(); });
    }

    MainForm& m_form;
    bool m_scheduled = false;
    bool m_done = false;
};

} // namespace

void ShowThenActivate(MainWindow& window, MainForm& form)
{
    new FirstPaintActivation(window, form);
    window.show();
}

// The modal window of a form: its size and caption, activation, staying on screen, and closing.
#include "shell/windows/formdialog.h"

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/formview.h"
#include "shell/widgets/twips.h"
#include "shell/windows/screenfit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

FormDialog::FormDialog(Form& form, const TwipsScale& scale, QWidget* parent)
    : QDialog(parent), m_form(form), m_scale(scale), m_view(new FormView(form, scale, this))
{
    setObjectName(form.Name());
    setModal(true);
    setSizeGripEnabled(false);
    // A fixed dialog frame: a title and a close control, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    connect(&form, &Form::changed, this, &FormDialog::update);
    connect(&form, &Form::unloaded, this, [this] { done(0); });
}

FormDialog* FormDialog::generic(Form& form, const TwipsScale& scale, QWidget* parent)
{
    auto* dialog = new FormDialog(form, scale, parent);
    dialog->view().addRemaining(*dialog);
    dialog->finish();
    return dialog;
}

void FormDialog::finish()
{
    m_view->applyTabOrder();
    update();
    m_view->focusActiveControl();
}

QSize FormDialog::clientSize() const
{
    return {m_scale.toPixels(m_form.Width() - Form::FrameWidth),
            m_scale.toPixels(m_form.Height() - Form::FrameHeight)};
}

void FormDialog::update()
{
    setWindowTitle(m_form.Caption());
    setFixedSize(clientSize());
}

void FormDialog::centreOver(const QWidget* over)
{
    const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect area = over ? over->frameGeometry() : available;
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(ScreenFit::movedInside(frame, available).topLeft());
}

void FormDialog::activate()
{
    EventGuard::run("Form_Activate", [this] { m_form.Activate(); });
}

void FormDialog::keepOnScreen()
{
    // The window system's frame is known only once the dialog is shown.
    if (const QScreen* shown = screen()) {
        const QRect frame = frameGeometry();
        const QRect inside = ScreenFit::movedInside(frame, shown->availableGeometry());
        if (inside != frame)
            move(inside.topLeft());
    }
}

void FormDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    refitOnNewFrame();
}

void FormDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    refitOnNewFrame();
}

void FormDialog::refitOnNewFrame()
{
    const QSize margins = frameGeometry().size() - size();
    if (margins == m_frameMargins)
        return;
    m_frameMargins = margins;
    keepOnScreen();
}

void FormDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    keepOnScreen();
    m_leftForOwnWindow = false;
    // Queued, so that a form unloading itself at once ends exec() rather than a hidden dialog.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) {
            keepOnScreen();
            activate();
        }
    });
}

void FormDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        if (m_leftForOwnWindow) {
            m_leftForOwnWindow = false;
            activate();
        }
    } else if (QApplication::activeWindow()) {
        // Another window of the program took over (a message box): coming back activates again.
        m_leftForOwnWindow = true;
    }
}

void FormDialog::closeByWindowSystem()
{
    m_form.Unload();
}

void FormDialog::closeEvent(QCloseEvent* event)
{
    if (m_form.IsLoaded())
        EventGuard::run("close", [this] { closeByWindowSystem(); });
    if (m_form.IsLoaded())
        event->ignore();
    else
        event->accept();
}

void FormDialog::reject()
{
    // Only the window system's close control comes here; Escape never does.
    if (m_form.IsLoaded())
        EventGuard::run("close", [this] { closeByWindowSystem(); });
}

void FormDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Escape presses the form's Cancel button, when it has one, and nothing else.
    for (Control* control : m_form.Controls()) {
        auto* button = qobject_cast<CommandButton*>(control);
        if (!button || !button->Cancel() || !button->Visible() || !button->Enabled())
            continue;
        if (auto* widget = qobject_cast<QPushButton*>(m_view->widgetFor(button)))
            widget->click();
        return;
    }
    event->ignore();
}

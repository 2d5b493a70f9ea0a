#pragma once
// A modal window for a form: fixed to the form's size, titled with its caption, closed when the
// form unloads. Form_Activate runs when the dialog is shown and whenever it becomes active
// again after another window of the program. Neither Escape nor the window system's close
// control rejects the dialog behind the form's back: the form's handlers decide.

#include <QDialog>

class Form;
class FormView;
class TwipsScale;

class FormDialog : public QDialog
{
    Q_OBJECT

public:
    FormDialog(Form& form, const TwipsScale& scale, QWidget* parent);

    Form& form() const { return m_form; }
    FormView& view() const { return *m_view; }

    /// A dialog with every control of the form at its place; for forms without a view of their own.
    static FormDialog* generic(Form& form, const TwipsScale& scale, QWidget* parent);

    /// Places the dialog centred over `over` (or the screen when null), kept on the screen.
    void centreOver(const QWidget* over);

protected:
    /// Closing through the window system; a form that has its own rule overrides it.
    virtual void closeByWindowSystem();
    /// The client area in pixels; the form's outer size less the frame by default.
    virtual QSize clientSize() const;
    /// Reads caption and size from the form again.
    virtual void update();

    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

    const TwipsScale& scale() const { return m_scale; }
    /// Finishes building: tab order, focus, and the form's state. Subclasses call it at the end
    /// of their constructor.
    void finish();

private:
    void activate();
    void keepOnScreen();
    void refitOnNewFrame();

    Form& m_form;
    const TwipsScale& m_scale;
    FormView* m_view;
    bool m_leftForOwnWindow = false;
    /// What the window manager's frame adds, as last seen: it arrives some time after the
    /// dialog is mapped, and the dialog is fitted again when it does.
    QSize m_frameMargins;
};

#pragma once
// The widgets of one form's controls: creates the binding that fits each control's kind, keeps
// the keyboard focus on the form's ActiveControl, and orders Tab by TabIndex. Windows and dialogs
// own one and decide which parent widget each control goes into.

#include <QObject>
#include <map>

class Control;
class ControlPlacement;
class Form;
class QWidget;
class TwipsScale;

class FormView : public QObject
{
    Q_OBJECT

public:
    FormView(Form& form, const TwipsScale& scale, QObject* parent);

    Form& form() const { return m_form; }
    const TwipsScale& scale() const { return m_scale; }

    /// Creates the widget and binding for a control inside `parent`; nullptr for a kind that has
    /// no view.
    QWidget* add(Control& control, QWidget& parent);
    /// Adds every control of the form not added yet.
    void addRemaining(QWidget& parent);

    QWidget* widgetFor(const Control* control) const;

    /// Places the controls added from now on, and those already there, by `placement`.
    void setPlacement(const ControlPlacement* placement);
    /// Puts every widget where its control belongs now.
    void relayout();

    /// Orders Tab through the widgets by the controls' TabIndex.
    void applyTabOrder();
    /// Orders Tab through the widgets as they are read: by rows from the top, each row from the
    /// left. For a window whose designed TabIndex order jumps about.
    void applyReadingTabOrder();
    /// Gives the keyboard focus to the widget of the form's active control.
    void focusActiveControl();

private:
    Form& m_form;
    const TwipsScale& m_scale;
    std::map<const Control*, QWidget*> m_widgets;
    const ControlPlacement* m_placement = nullptr;
};

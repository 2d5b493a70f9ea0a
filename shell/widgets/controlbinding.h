#pragma once
// Base of every widget binding: shows a control model's geometry, enabled and visible state,
// and turns the widget's focus, key and mouse input into the model's events. A binding holds no
// state of the program; everything it shows it reads from the model.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>

class Control;
class ControlPlacement;
class QKeyEvent;
class QMouseEvent;
class QWidget;
class TwipsScale;

class ControlBinding : public QObject
{
    Q_OBJECT

public:
    /// The binding becomes a child of `widget` and lives as long as it does.
    ControlBinding(Control& control, QWidget& widget, const TwipsScale& scale);

    Control& control() const { return m_control; }
    QWidget& widget() const { return m_widget; }

    /// Reads every property the widget shows from the model again.
    void refresh() { update(); }
    /// Lets a resizable window decide where the control goes; nullptr shows the design.
    void setPlacement(const ControlPlacement* placement) { m_placement = placement; }
    /// Puts the widget where the control belongs now, after the window's size changed.
    void place();

    /// The key code of KeyDown for a Qt key: the virtual-key numbering, 0 for keys it lacks.
    static int16_t keyCode(int qtKey);
    /// The shift mask of key and mouse events for Qt's modifiers.
    static int16_t shiftMask(Qt::KeyboardModifiers modifiers);
    /// The mouse button number of MouseDown and MouseUp; 0 for other buttons.
    static int16_t mouseButton(Qt::MouseButton button);

protected:
    /// Applies the model's state to the widget; overrides add their own properties.
    virtual void update();
    virtual QRect pixelGeometry() const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Raises KeyDown and, for a key that types a character, KeyPress. The key goes on to the
    /// widget afterwards whatever the handlers did.
    void raiseKeys(const QKeyEvent& event);
    /// Raises MouseDown or MouseUp with the position in twips relative to the control.
    void raiseMouse(const QMouseEvent& event, QWidget& source, bool down);
    QPoint twipsPosition(const QMouseEvent& event, QWidget& source) const;

    const TwipsScale& scale() const { return m_scale; }

private:
    Control& m_control;
    QWidget& m_widget;
    /// The focus policy a hidden widget gets back when it is shown.
    std::optional<Qt::FocusPolicy> m_shownFocusPolicy;
    const TwipsScale& m_scale;
    const ControlPlacement* m_placement = nullptr;
};

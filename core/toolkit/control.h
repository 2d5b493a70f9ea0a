#pragma once
// Base of every control model: geometry in twips, enabled and visible state, focus and the
// keyboard and mouse events that every kind of control can raise.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class Form;

/// Shift mask of key and mouse events.
namespace ShiftMask {
constexpr int16_t Shift = 1;
constexpr int16_t Ctrl = 2;
constexpr int16_t Alt = 4;
} // namespace ShiftMask

/// Mouse buttons of MouseDown and MouseUp.
namespace MouseButton {
constexpr int16_t Left = 1;
constexpr int16_t Right = 2;
constexpr int16_t Middle = 4;
} // namespace MouseButton

/// Key codes of KeyDown and character codes of KeyPress that the program tests.
namespace KeyCode {
constexpr int16_t Enter = 13;
constexpr int16_t Escape = 27;
constexpr int16_t Space = 32;
constexpr int16_t Insert = 45;
constexpr int16_t Delete = 46;
} // namespace KeyCode

class Control : public QObject
{
    Q_OBJECT

public:
    Control(Form& form, const QString& name);

    Form& Parent() const { return m_form; }
    const QString& Name() const { return m_name; }

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void Move(int left, int top, int width, int height);

    int16_t TabIndex() const { return m_tabIndex; }
    void setTabIndex(int16_t index) { m_tabIndex = index; }

    /// Makes this the form's active control; runs GotFocus when the focus moves here.
    void SetFocus();
    bool HasFocus() const;

    // Events; the form connects its handlers, the view raises them from user input.
    std::function<void()> GotFocus;
    std::function<void(int16_t& keyCode, int16_t shift)> KeyDown;
    std::function<void(int16_t& keyAscii)> KeyPress;
    std::function<void(int16_t button, int16_t shift, float x, float y)> MouseDown;
    std::function<void(int16_t button, int16_t shift, float x, float y)> MouseUp;

    void RaiseKeyDown(int16_t keyCode, int16_t shift);
    void RaiseKeyPress(int16_t keyAscii);
    void RaiseMouseDown(int16_t button, int16_t shift, float x, float y);
    void RaiseMouseUp(int16_t button, int16_t shift, float x, float y);

signals:
    /// Any property that a view shows has changed.
    void changed();

protected:
    static void raise(const std::function<void()>& event)
    {
        if (event)
            event();
    }

private:
    Form& m_form;
    QString m_name;
    bool m_enabled = true;
    bool m_visible = true;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int16_t m_tabIndex = 0;
};

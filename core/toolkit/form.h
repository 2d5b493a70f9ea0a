#pragma once
// Base of every window model: caption and outer geometry in twips, load, activate and unload,
// and the active (focused) control.

#include <QObject>
#include <QString>
#include <vector>

class Control;
class Host;

class Form : public QObject
{
    Q_OBJECT

public:
    Form(Host& host, const QString& name);
    ~Form() override;

    /// The window frame that Width and Height include around the client area, in twips: the
    /// border at the left, right and bottom, and the title bar with its border at the top.
    static constexpr int FrameSide = 45;
    static constexpr int FrameTop = 330;
    /// The menu bar below the title bar, on a window that has one.
    static constexpr int MenuBarHeight = 300;
    /// What the frame adds to the client area of a window without a menu bar.
    static constexpr int FrameWidth = 2 * FrameSide;
    static constexpr int FrameHeight = FrameTop + FrameSide;

    Host& host() const { return m_host; }
    const QString& Name() const { return m_name; }

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    /// Outer geometry in twips, frame and title bar included.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void Move(int left, int top, int width, int height);

    /// True while the window is minimised; its position then means nothing.
    bool Minimized() const { return m_minimized; }
    void setMinimized(bool minimized) { m_minimized = minimized; }

    bool IsLoaded() const { return m_loaded; }
    /// Runs Form_Load unless the form is loaded already.
    void Load();
    /// Runs Form_Unload and tells the view to close; does nothing when not loaded or unloading.
    void Unload();
    /// Runs Form_Activate; the view calls it whenever the window becomes active.
    void Activate();
    /// Loads the form and shows it modally through the host; returns once it has unloaded.
    /// A form whose work must follow its closing overrides it.
    virtual void ShowModal();

    Control* ActiveControl() const { return m_activeControl; }
    /// Moves the focus; runs the control's GotFocus when it is a different control.
    void setActiveControl(Control* control);

    /// Every control of the form in the order of construction.
    const std::vector<Control*>& Controls() const { return m_controls; }
    void registerControl(Control& control) { m_controls.push_back(&control); }

signals:
    void changed();
    void focusChanged(Control* control);
    void loaded();
    void unloaded();

protected:
    /// A control's name from its identifier in the source, which is plain ASCII.
    static QString controlName(const char* identifier) { return QString::fromLatin1(identifier); }

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

private:
    Host& m_host;
    QString m_name;
    QString m_caption;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_minimized = false;
    bool m_loaded = false;
    bool m_unloading = false;
    Control* m_activeControl = nullptr;
    std::vector<Control*> m_controls;
};

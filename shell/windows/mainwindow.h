#pragma once
// The main window: the menu bar and every control of MainForm in a client area that starts at
// the designed size and can be resized and maximised, the controls following the MainLayout.
// The window shows the form's caption, position and size, is kept on its screen, reports moves,
// resizing and minimising back to the form, hands closing by the window system to QueryClose,
// and ends the program when the form unloads.

#include <QWidget>
#include <array>
#include <memory>

class FormView;
class LineWidget;
class MainForm;
class MainLayout;
class QMenuBar;
class TwipsScale;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(MainForm& form, const TwipsScale& scale);
    ~MainWindow() override;

    FormView& view() const { return *m_view; }
    QWidget& clientArea() const { return *m_client; }
    QMenuBar& menuBar() const { return *m_menuBar; }

    /// Moves and, where needed, shrinks the window so that its frame lies on its screen.
    void keepOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    /// Fits the window again when the window manager's frame has appeared or changed.
    void refitOnNewFrame();
    void formUnloaded();
    void relayout();
    /// The client area the form's outer size stands for, in twips.
    QSize formClientTwips() const;
    /// Whether the window shows a size of its own, which the form should remember.
    bool hasNormalGeometry() const;

    MainForm& m_form;
    const TwipsScale& m_scale;
    std::unique_ptr<MainLayout> m_layout;
    QMenuBar* m_menuBar;
    QWidget* m_client;
    FormView* m_view;
    std::array<LineWidget*, 2> m_rules{};
    bool m_leftForOwnWindow = false;
    /// What the window manager's frame adds to the window, as last seen: it arrives some time
    /// after the window is mapped, and the window is fitted again when it does.
    QSize m_frameMargins;
};

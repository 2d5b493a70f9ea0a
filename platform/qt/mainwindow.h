#pragma once
// The main window: the menu bar and every control of MainForm at its designed place in a client
// area of fixed size. The window shows the form's caption and position, reports moves and
// minimising back to it, hands closing by the window system to QueryClose, and ends the
// program when the form unloads.

#include <QWidget>

class FormView;
class MainForm;
class QMenuBar;
class TwipsScale;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(MainForm& form, const TwipsScale& scale);

    FormView& view() const { return *m_view; }
    QWidget& clientArea() const { return *m_client; }
    QMenuBar& menuBar() const { return *m_menuBar; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void update();
    void formUnloaded();

    MainForm& m_form;
    const TwipsScale& m_scale;
    QMenuBar* m_menuBar;
    QWidget* m_client;
    FormView* m_view;
    bool m_leftForOwnWindow = false;
};

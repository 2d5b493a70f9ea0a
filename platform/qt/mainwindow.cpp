#include "platform/qt/mainwindow.h"

#include "app/mainform.h"
#include "platform/qt/controllistview.h"
#include "platform/qt/eventguard.h"
#include "platform/qt/formview.h"
#include "platform/qt/linewidget.h"
#include "platform/qt/menubinding.h"
#include "platform/qt/twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPalette>
#include <QVBoxLayout>

namespace {

// The etched rule under the menu bar: a dark line with a white one below it.
constexpr int RuleLeft = 60;
constexpr int RuleRight = 12600;
constexpr int RuleGap = 15;

} // namespace

MainWindow::MainWindow(MainForm& form, const TwipsScale& scale)
    : m_form(form), m_scale(scale), m_menuBar(new QMenuBar(this)), m_client(new QWidget(this)),
      m_view(new FormView(form, scale, this))
{
    setObjectName(form.Name());

    for (MenuItem* item : form.MenuBar())
        new MenuBinding(*item, *m_menuBar, MenuBinding::Choice::RaiseClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_client->setFixedSize(scale.toPixels(MainForm::ClientWidth), scale.toPixels(MainForm::ClientHeight));

    for (int i = 0; i < 2; ++i) {
        auto* rule = new LineWidget(m_client);
        if (i == 1) {
            QPalette palette = rule->palette();
            palette.setColor(QPalette::WindowText, Qt::white);
            rule->setPalette(palette);
        } else {
            QPalette palette = rule->palette();
            palette.setColor(QPalette::WindowText, palette.color(QPalette::Dark));
            rule->setPalette(palette);
        }
        const int y = scale.toPixels(i * RuleGap);
        rule->setLine(QLine(scale.toPixels(RuleLeft), y, scale.toPixels(RuleRight), y));
    }

    m_view->addRemaining(*m_client);
    m_view->applyTabOrder();
    // The favorites list has its own type-ahead, which highlights without opening.
    if (auto* favorites = qobject_cast<ControlListView*>(m_view->widgetFor(&form.FavoDirList)))
        favorites->setKeyboardSearch(false);
    // The search across the favorites files; the menu shows its shortcut.
    if (auto* find = m_menuBar->findChild<QAction*>(form.Menu_FindFavorite.Name()))
        find->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));

    connect(&form, &Form::changed, this, &MainWindow::update);
    connect(&form, &Form::unloaded, this, &MainWindow::formUnloaded);
    update();
    m_view->focusActiveControl();
}

void MainWindow::update()
{
    setWindowTitle(m_form.Caption());
    const QPoint at(m_scale.toPixels(m_form.Left()), m_scale.toPixels(m_form.Top()));
    // A position that came back from a move differs from the window's by rounding at most.
    if (m_scale.toTwips(frameGeometry().topLeft()) != QPoint(m_form.Left(), m_form.Top()))
        move(at);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!isVisible() || isMinimized())
        return;
    const QPoint at = m_scale.toTwips(frameGeometry().topLeft());
    m_form.Move(at.x(), at.y(), m_form.Width(), m_form.Height());
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_form.setMinimized(isMinimized());
    } else if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (m_leftForOwnWindow) {
                m_leftForOwnWindow = false;
                EventGuard::run("Form_Activate", [this] { m_form.Activate(); });
            }
        } else if (QApplication::activeWindow()) {
            m_leftForOwnWindow = true;
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_form.IsLoaded())
        EventGuard::run("QueryClose", [this] { m_form.QueryClose(); });
    event->accept();
}

void MainWindow::formUnloaded()
{
    close();
    QCoreApplication::quit();
}

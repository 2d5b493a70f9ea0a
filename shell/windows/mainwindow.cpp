// The main window: the menu bar and MainForm's controls, resizing, screen placement and closing.
#include "shell/windows/mainwindow.h"

#include "core/dialogs/module1.h"
#include "core/mainform/mainform.h"
#include "shell/widgets/controllistview.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/formview.h"
#include "shell/widgets/linewidget.h"
#include "shell/widgets/menubinding.h"
#include "shell/widgets/twips.h"
#include "shell/windows/filedrops.h"
#include "shell/windows/mainlayout.h"
#include "shell/windows/mainshortcuts.h"
#include "shell/windows/screenfit.h"
#include "shell/windows/tooltiptexts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The etched rule under the menu bar: a dark line with a light one below it, as wide as the
// client area less these margins.
constexpr int RuleLeft = 60;
constexpr int RuleRightMargin = MainForm::ClientWidth - 12600;
constexpr int RuleGap = 15;

} // namespace

MainWindow::MainWindow(MainForm& form, const TwipsScale& scale)
    : m_form(form), m_scale(scale), m_layout(std::make_unique<MainLayout>(form)),
      m_menuBar(new QMenuBar(this)), m_client(new QWidget(this)), m_view(new FormView(form, scale, this))
{
    setObjectName(form.Name());

    for (MenuItem* item : form.MenuBar())
        new MenuBinding(*item, *m_menuBar, MenuBinding::Choice::RaiseClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client);
    m_client->installEventFilter(this);

    for (size_t i = 0; i < m_rules.size(); ++i) {
        m_rules[i] = new LineWidget(m_client);
        m_rules[i]->setForegroundRole(i == 0 ? QPalette::Dark : QPalette::Light);
    }

    m_view->addRemaining(*m_client);
    // The widgets stand at their designed places now, captions widening them where needed.
    m_layout->measure([this](const Control& control) {
        const QWidget* widget = m_view->widgetFor(&control);
        if (!widget)
            return QRect();
        const QRect shown = widget->geometry();
        return QRect(m_scale.toTwips(shown.left()), m_scale.toTwips(shown.top()),
                     m_scale.toTwips(shown.width()), m_scale.toTwips(shown.height()));
    });
    m_view->setPlacement(m_layout.get());
    const QSize minimum = m_layout->minimumClientSize();
    m_client->setMinimumSize(scale.toPixels(minimum.width()), scale.toPixels(minimum.height()));
    m_view->applyReadingTabOrder();
    auto* shortcuts = new MainShortcuts(form, *this, *m_menuBar);
    // Delete keeps its meaning in the favorites list; in the panes it removes files.
    const QList<QWidget*> panes{m_view->widgetFor(&form.FileList), m_view->widgetFor(&form.DirList)};
    shortcuts->addForMenuOn(form.Menu_TrashFiles, {Qt::Key_Delete}, panes);
    shortcuts->addForMenuOn(form.Menu_DeleteFiles, {Qt::SHIFT | Qt::Key_Delete}, panes);
    shortcuts->addForMenuOn(form.Menu_CopyFiles, {Qt::CTRL | Qt::Key_C}, panes);
    shortcuts->addForMenuOn(form.Menu_CutFiles, {Qt::CTRL | Qt::Key_X}, panes);
    shortcuts->addForMenuOn(form.Menu_PasteFiles, {Qt::CTRL | Qt::Key_V}, panes);
    // Escape stops a copy from anywhere in the window, and only while one runs: the action is
    // disabled otherwise, and a disabled action leaves the key to the control that has the focus.
    if (auto* cancel = m_menuBar->findChild<QAction*>(form.Menu_CancelCopy.Name()))
        cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    new FileDrops(form, *m_view->widgetFor(&form.FileList), *m_view->widgetFor(&form.DirList), this);
    // The favorites list has its own type-ahead, which highlights without opening.
    if (auto* favorites = qobject_cast<ControlListView*>(m_view->widgetFor(&form.FavoDirList)))
        favorites->setKeyboardSearch(false);
    // The search across the favorites files; the menu shows its shortcut.
    if (auto* find = m_menuBar->findChild<QAction*>(form.Menu_FindFavorite.Name()))
        find->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));

    connect(&form, &Form::changed, this, &MainWindow::update);
    connect(&form, &Form::unloaded, this, &MainWindow::formUnloaded);
    update();
    keepOnScreen();
    m_view->focusActiveControl();
}

MainWindow::~MainWindow() = default;

QSize MainWindow::formClientTwips() const
{
    return {m_form.Width() - MainForm::FrameWidth, m_form.Height() - MainForm::FrameHeight};
}

bool MainWindow::hasNormalGeometry() const
{
    return isVisible() &&
           !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void MainWindow::update()
{
    setWindowTitle(m_form.Caption());
    // The language may have changed with the captions.
    ToolTipTexts::Apply(*m_view, m_form.module().SwedishLanguage);
    if (!isVisible() || hasNormalGeometry()) {
        // A size that came back from a resize differs from the window's by rounding at most.
        const QSize twips = formClientTwips();
        const QSize wanted(m_scale.toPixels(twips.width()), m_scale.toPixels(twips.height()));
        if (wanted != m_client->size())
            resize(wanted + QSize(0, m_menuBar->heightForWidth(wanted.width())));
    }
    const QPoint at(m_scale.toPixels(m_form.Left()), m_scale.toPixels(m_form.Top()));
    // A position that came back from a move differs from the window's by rounding at most.
    if (m_scale.toTwips(frameGeometry().topLeft()) != QPoint(m_form.Left(), m_form.Top())) {
        move(at);
        // The form centres itself on its own idea of the screen; whatever it asks, stay on it.
        keepOnScreen();
    }
}

void MainWindow::keepOnScreen()
{
    const QScreen* shown = screen();
    if (!shown || isMaximized() || isFullScreen())
        return;
    const QRect available = shown->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize room = available.size() - frame;
    // The minimum size gives way too: a window that fits beats one with roomier lists.
    const QSize clientRoom(room.width(), room.height() - m_menuBar->heightForWidth(room.width()));
    m_client->setMinimumSize(m_client->minimumSize().boundedTo(clientRoom.expandedTo(QSize(1, 1))));
    if (width() > room.width() || height() > room.height()) {
        const QSize fitted = size().boundedTo(room);
        resize(fitted);
        // The form takes the size at once: a retitle before the window system confirms the
        // resize would otherwise give the window the form's larger size back.
        const QSize client(fitted.width(), fitted.height() - m_menuBar->heightForWidth(fitted.width()));
        m_form.Move(m_form.Left(), m_form.Top(), m_scale.toTwips(client.width()) + MainForm::FrameWidth,
                    m_scale.toTwips(client.height()) + MainForm::FrameHeight);
    }
    const QRect inside = ScreenFit::movedInside(frameGeometry(), available);
    if (inside.topLeft() != frameGeometry().topLeft())
        move(inside.topLeft());
}

void MainWindow::relayout()
{
    // The designed size in pixels stands for exactly the designed twips, rounding aside.
    const QSize design(MainForm::ClientWidth, MainForm::ClientHeight);
    const QSize twips(
        m_client->width() == m_scale.toPixels(design.width()) ? design.width()
                                                              : m_scale.toTwips(m_client->width()),
        m_client->height() == m_scale.toPixels(design.height()) ? design.height()
                                                                : m_scale.toTwips(m_client->height()));
    m_layout->setClientSize(twips);
    m_view->relayout();
    for (size_t i = 0; i < m_rules.size(); ++i) {
        const int y = m_scale.toPixels(int(i) * RuleGap);
        m_rules[i]->setLine(
            QLine(m_scale.toPixels(RuleLeft), y, m_client->width() - m_scale.toPixels(RuleRightMargin), y));
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        relayout();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    keepOnScreen();
    // The window system adds its frame after showing; check again once it has.
    QTimer::singleShot(0, this, [this] { keepOnScreen(); });
}

void MainWindow::refitOnNewFrame()
{
    const QSize margins = frameGeometry().size() - size();
    if (margins == m_frameMargins)
        return;
    m_frameMargins = margins;
    keepOnScreen();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    refitOnNewFrame();
    if (!hasNormalGeometry())
        return;
    const QPoint at = m_scale.toTwips(frameGeometry().topLeft());
    m_form.Move(at.x(), at.y(), m_form.Width(), m_form.Height());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    refitOnNewFrame();
    if (!hasNormalGeometry())
        return;
    const QSize twips = formClientTwips();
    if (QSize(m_scale.toPixels(twips.width()), m_scale.toPixels(twips.height())) == m_client->size())
        return;
    m_form.Move(m_form.Left(), m_form.Top(), m_scale.toTwips(m_client->width()) + MainForm::FrameWidth,
                m_scale.toTwips(m_client->height()) + MainForm::FrameHeight);
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
    // The form may stay loaded (the user cancelled the save at exit): then the window stays.
    if (m_form.IsLoaded())
        event->ignore();
    else
        event->accept();
}

void MainWindow::formUnloaded()
{
    close();
    QCoreApplication::quit();
}

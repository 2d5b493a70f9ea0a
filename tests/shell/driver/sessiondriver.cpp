// Preloaded into the real program by the session-end test. Once the favorites are on the
// screen it makes two unsaved edits through the real menus (the start-position setting and a
// separator after the first favorite, confirming the question), then prints "ready".

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

QWidget* mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("MainForm") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

void step(QTimer* timer)
{
    static int stage = 0;
    static int rowsBefore = 0;
    QWidget* window = mainWindow();
    auto* favorites = window ? window->findChild<QListView*>(QStringLiteral("FavoDirList")) : nullptr;
    if (!favorites || !favorites->model())
        return;
    switch (stage) {
    case 0:
        if (favorites->model()->rowCount() == 0 || !favorites->currentIndex().isValid())
            return;
        rowsBefore = favorites->model()->rowCount();
        window->findChild<QAction*>(QStringLiteral("Menu_StartPosition"))->trigger();
        // The separator's question is modal: trigger from the event loop and answer it below.
        QTimer::singleShot(0, window->findChild<QAction*>(QStringLiteral("Menu_AddSeparator")),
                           &QAction::trigger);
        stage = 1;
        return;
    case 1:
        if (QWidget* box = QApplication::activeModalWidget()) {
            for (QPushButton* button : box->findChildren<QPushButton*>()) {
                if (button->isVisible() && button->text().remove(u'&') == QLatin1String("OK")) {
                    button->click();
                    stage = 2;
                }
            }
        }
        return;
    default:
        if (favorites->model()->rowCount() == rowsBefore + 1) {
            timer->stop();
            std::puts("ready");
            std::fflush(stdout);
        }
        return;
    }
}

void startDriver()
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, timer, [timer] { step(timer); });
    timer->start(10);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)

// Wayfolder: the application, the real host, the main window.

#include "app/mainform.h"
#include "app/module1.h"
#include "favorites/favoritescli.h"
#include "platform/qt/eventguard.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/qthost.h"
#include "platform/qt/sessionend.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    // The favorites commands print and end before any window or display is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (FavoritesCli::IsFavoritesCommand(arguments)) {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Wayfolder"));
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runFavoritesCommand(QCoreApplication::arguments(), out, err).value_or(0);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wayfolder"));
    // The main form's unload ends the program, not the closing of its last window.
    QApplication::setQuitOnLastWindowClosed(false);

    QtHost host;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/wayfolder/wayfolder.png")));
    Module1 module(host);
    MainForm& form = module.mainForm();
    // Logging out, shutting down or kill save as Exit does.
    SessionEnd sessionEnd([&form] { EventGuard::run("SessionEnd", [&form] { form.SessionEnd(); }); });
    EventGuard::run("Form_Load", [&] { form.Load(); });
    if (!form.IsLoaded())
        return 0;

    MainWindow window(form, host.scale());
    window.show();
    // The first activation loads the favorites and may show messages; it runs once the event
    // loop has put the window on the screen.
    QTimer::singleShot(0, &window,
                       [&form] { EventGuard::run("Form_Activate", [&form] { form.Activate(); }); });
    return QApplication::exec();
}

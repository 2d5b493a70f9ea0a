// Wayfolder: the application, the real host, the main window.

#include "app/mainform.h"
#include "app/module1.h"
#include "platform/qt/eventguard.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/qthost.h"
#include "platform/qt/sessionend.h"
#include "platform/qt/startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
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
    // The first activation loads the favorites and opens the start folder, which may take a
    // listing of many files; it runs once the window has painted.
    ShowThenActivate(window, form);
    return QApplication::exec();
}

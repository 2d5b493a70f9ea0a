// Wayfolder: the application, the real host, the main window.

#include "core/cli/commandline.h"
#include "core/cli/favoritescli.h"
#include "core/dialogs/module1.h"
#include "core/mainform/mainform.h"
#include "core/system/memoryreuse.h"
#include "shell/host/qthost.h"
#include "shell/host/sessionend.h"
#include "shell/widgets/eventguard.h"
#include "shell/windows/mainwindow.h"
#include "shell/windows/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QTextStream>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    KeepFreedMemoryForReuse();
    // A write past the file-size limit then fails with EFBIG and is reported like any other.
    std::signal(SIGXFSZ, SIG_IGN);

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

    // Read before any window exists: --help, --version and wrong options never need a display.
    const CommandLine command =
        CommandLine::Parse(CommandLine::Arguments(argc, argv), CommandLine::SwedishLocale());
    if (command.action == CommandLine::Action::Exit) {
        std::fputs(command.Output.toLocal8Bit().constData(), stdout);
        std::fputs(command.Errors.toLocal8Bit().constData(), stderr);
        return command.ExitCode;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wayfolder"));
    QApplication::setApplicationVersion(VersionLine().section(QLatin1Char(' '), 1));
    // Ties the windows to the installed desktop entry, so docks show its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(WAYFOLDER_APP_ID));
    // The main form's unload ends the program, not the closing of its last window.
    QApplication::setQuitOnLastWindowClosed(false);

    QtHost host;
    // The installed icon theme's picture when there is one, else the one built in.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(WAYFOLDER_APP_ID),
                                                 QIcon(QStringLiteral(":/wayfolder/wayfolder.png"))));
    Module1 module(host);
    host.setSwedishLanguage([&module] { return module.SwedishLanguage; });
    MainForm& form = module.mainForm();
    // Logging out, shutting down or kill save as Exit does.
    SessionEnd sessionEnd([&form] { EventGuard::run("SessionEnd", [&form] { form.SessionEnd(); }); });
    form.CommandLinePath = command.StartPath;
    EventGuard::run("Form_Load", [&] { form.Load(); });
    if (!form.IsLoaded())
        return 0;

    MainWindow window(form, host.scale());
    // The first activation loads the favorites and opens the start folder, which may take a
    // listing of many files; it runs once the window has painted.
    ShowThenActivate(window, form);
    const int code = QApplication::exec();
    // Everything is saved by now. A worker stuck on a share that does not answer can be neither
    // joined nor killed; ending here skips whatever might still wait for it.
    if (host.workers().busy() > 0) {
        std::fflush(nullptr);
        _exit(code);
    }
    return code;
}

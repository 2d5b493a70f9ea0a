#pragma once
// The real program on the offscreen platform with the session driver preloaded, which makes two
// unsaved edits through the menus and then says "ready".

#include <QDeadlineTimer>
#include <QProcess>

/// Starts the program in `environment` (the test's own by default); true once the driver said
/// "ready" within 30 s.
inline bool StartDrivenProgram(QProcess& program,
                               QProcessEnvironment environment = QProcessEnvironment::systemEnvironment())
{
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(SESSION_DRIVER));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(WAYFOLDER_PROGRAM), {});
    const QDeadlineTimer deadline(30000);
    QByteArray output;
    while (program.waitForStarted(10000) && !output.contains("ready") && !deadline.hasExpired()) {
        program.waitForReadyRead(int(deadline.remainingTime()));
        output += program.readAllStandardOutput();
    }
    return output.contains("ready");
}

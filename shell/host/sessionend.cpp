// The end of the session (signals or the session manager) turned into one call from the event loop.
#include "shell/host/sessionend.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> EndSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe outlives every SessionEnd: a signal may arrive while one is being destroyed.
int g_pipe[2] = {-1, -1};

extern "C" void onEndSignal(int)
{
    // Only async-signal-safe calls here; errno belongs to the code the signal interrupted.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

SessionEnd::SessionEnd(std::function<void()> onEnd, QObject* parent)
    : QObject(parent), m_onEnd(std::move(onEnd))
{
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        qWarning("SessionEnd: no pipe for the end signals; they end the program without saving");
    }
    if (g_pipe[0] >= 0) {
        m_notifier = new QSocketNotifier(qintptr(g_pipe[0]), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char bytes[64];
            while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
            }
            end();
        });
        struct sigaction action
        {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : EndSignals)
            ::sigaction(signal, &action, nullptr);
    }
#ifndef QT_NO_SESSIONMANAGER
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            // Asked first, so that a failed save may show its message during the logout.
            manager.allowsInteraction();
            end();
        });
    }
#endif
}

SessionEnd::~SessionEnd()
{
    // From here on a signal ends the program as it would without us.
    struct sigaction action
    {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : EndSignals)
        ::sigaction(signal, &action, nullptr);
}

void SessionEnd::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_onEnd();
    QCoreApplication::quit();
}

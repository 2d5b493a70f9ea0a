#pragma once
// The end of the session reaches the program as SIGTERM, SIGHUP or SIGINT, or as the session
// manager's request to save. Each becomes one call of `onEnd` from the event loop, so that the
// core can save as Exit does; the signal handler itself only writes a byte to a pipe.

#include <QObject>
#include <functional>

class QSocketNotifier;

class SessionEnd : public QObject
{
    Q_OBJECT

public:
    /// Catches the signals from now on; `onEnd` runs once, whichever comes first.
    explicit SessionEnd(std::function<void()> onEnd, QObject* parent = nullptr);
    ~SessionEnd() override;

private:
    void end();

    std::function<void()> m_onEnd;
    QSocketNotifier* m_notifier = nullptr;
    bool m_ended = false;
};

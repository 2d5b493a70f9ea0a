#pragma once
// The Qt side of what keeps the program in step with the desktop: a folder watcher on inotify,
// timers, the opener run as a child so that its exit code can be read without waiting for it,
// and folder checks on worker threads with a time limit. QtHost hands these services to
// the core through Host.

#include "core/system/host.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QFileSystemWatcher;

class DesktopFollower : public QObject
{
    Q_OBJECT

public:
    /// How long the opener may run before it counts as having succeeded: xdg-open reports a
    /// missing association at once, and some desktops keep it running as long as the program.
    static constexpr int OpenerVerdictMilliseconds = 30000;

    /// Checks folders on `workers`, or on workers of its own when none are given.
    explicit DesktopFollower(Workers* workers = nullptr, QObject* parent = nullptr);
    ~DesktopFollower() override;

    void watchFolders(const QStringList& folders, std::function<void(const QString&)> changed);
    void startTimer(int milliseconds, std::function<void()> callback);

    /// Starts `program` with `arguments` and calls `failed` when it cannot start or exits with a
    /// non-zero code or a crash within the verdict time.
    void startChecked(const QString& program, const QStringList& arguments, std::function<void()> failed);
    /// Openers started and not yet finished.
    int runningOpeners() const { return m_runningOpeners; }

    /// The test that tells whether a folder is there; a test may put in one that hangs.
    using FolderProbe = std::function<bool(const QString&)>;
    void setFolderProbe(FolderProbe probe) { m_probe = std::move(probe); }
    /// A folder whose earlier check still waits for its answer is not probed again: the new
    /// check waits for the same answer.
    void checkFolders(const QStringList& folders, int timeoutMilliseconds,
                      std::function<void(const std::vector<Host::FolderState>&)> done);

private:
    std::unique_ptr<Workers> m_ownWorkers;
    Workers& m_workers;
    QFileSystemWatcher* m_watcher;
    std::function<void(const QString&)> m_changed;
    FolderProbe m_probe;
    int m_runningOpeners = 0;
};

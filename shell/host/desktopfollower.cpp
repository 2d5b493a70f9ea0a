// The Qt services that follow the desktop: folder watches, timers, checked openers, timed folder checks.
#include "shell/host/desktopfollower.h"

#include "shell/widgets/eventguard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// What the threads of one folder check share with the window's thread. Threads stuck on a hung
// mount may outlive the check, and even the program's window, so they hold it by shared pointer.
struct CheckState
{
    std::mutex mutex;
    std::vector<std::optional<bool>> present;
    int answered = 0;
    bool delivered = false;
};

} // namespace

DesktopFollower::DesktopFollower(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)),
      m_probe([](const QString& folder) { return QFileInfo(folder).isDir(); })
{
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        if (m_changed)
            EventGuard::run("folder change", [&] { m_changed(folder); });
    });
}

DesktopFollower::~DesktopFollower() = default;

void DesktopFollower::watchFolders(const QStringList& folders, std::function<void(const QString&)> changed)
{
    m_changed = std::move(changed);
    const QStringList old = m_watcher->directories();
    QStringList gone;
    for (const QString& folder : old)
        if (!folders.contains(folder))
            gone << folder;
    if (!gone.isEmpty())
        m_watcher->removePaths(gone);
    QStringList added;
    for (const QString& folder : folders)
        if (!old.contains(folder))
            added << folder;
    // A folder that cannot be watched (no inotify watches left, no access) is simply not
    // followed; Refresh still works.
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}

void DesktopFollower::startTimer(int milliseconds, std::function<void()> callback)
{
    QTimer::singleShot(milliseconds, this,
                       [callback = std::move(callback)] { EventGuard::run("timer", callback); });
}

void DesktopFollower::startChecked(const QString& program, const QStringList& arguments,
                                   std::function<void()> failed)
{
    const QString found =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (found.isEmpty() || !QFileInfo(found).isExecutable()) {
        // Told from the event loop, as a verdict always is.
        startTimer(0, std::move(failed));
        return;
    }
    auto* process = new QProcess(this);
    // The program the opener starts may outlive this one: it must not write into our pipes.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto verdictDue = std::make_shared<QDeadlineTimer>(OpenerVerdictMilliseconds);
    auto report = std::make_shared<std::function<void()>>(std::move(failed));
    ++m_runningOpeners;
    connect(process, &QProcess::finished, this,
            [this, process, verdictDue, report](int exitCode, QProcess::ExitStatus status) {
                --m_runningOpeners;
                process->deleteLater();
                if ((status != QProcess::NormalExit || exitCode != 0) && !verdictDue->hasExpired())
                    EventGuard::run("opener failed", *report);
            });
    connect(process, &QProcess::errorOccurred, this, [this, process, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        --m_runningOpeners;
        process->deleteLater();
        EventGuard::run("opener failed", *report);
    });
    process->start(found, arguments);
}

void DesktopFollower::checkFolders(const QStringList& folders, int timeoutMilliseconds,
                                   std::function<void(const std::vector<Host::FolderState>&)> done)
{
    auto state = std::make_shared<CheckState>();
    state->present.resize(size_t(folders.size()));
    auto report =
        std::make_shared<std::function<void(const std::vector<Host::FolderState>&)>>(std::move(done));
    QPointer<DesktopFollower> self(this);

    // Runs on the window's thread, once: when every folder answered, or at the time limit.
    const auto deliver = [state, report] {
        std::vector<Host::FolderState> states;
        {
            const std::lock_guard lock(state->mutex);
            if (state->delivered)
                return;
            state->delivered = true;
            for (const std::optional<bool>& present : state->present)
                states.push_back(!present   ? Host::FolderState::NoAnswer
                                 : *present ? Host::FolderState::Present
                                            : Host::FolderState::Missing);
        }
        EventGuard::run("folder check", [&] { (*report)(states); });
    };
    if (folders.isEmpty()) {
        QTimer::singleShot(0, this, deliver);
        return;
    }
    QTimer::singleShot(timeoutMilliseconds, this, deliver);
    const FolderProbe probe = m_probe;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        // One thread per folder: one hung mount must not hold up the answers of the others.
        std::thread([state, probe, folder = folders.at(i), i, self, deliver, count = folders.size()] {
            const bool present = probe(folder);
            bool all = false;
            {
                const std::lock_guard lock(state->mutex);
                state->present[size_t(i)] = present;
                all = ++state->answered == count;
            }
            // Only the application object is safe to name from here; whether this follower
            // still lives is asked on the window's thread.
            if (all && QCoreApplication::instance())
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [self, deliver] {
                        if (self)
                            deliver();
                    },
                    Qt::QueuedConnection);
        }).detach();
    }
}

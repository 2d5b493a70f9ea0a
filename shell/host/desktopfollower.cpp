// The Qt services that follow the desktop: folder watches, timers, checked openers, timed folder checks.
#include "shell/host/desktopfollower.h"

#include "shell/host/threadworkers.h"
#include "shell/widgets/eventguard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <optional>

namespace {

using FolderProbeJob = WorkerCall<bool>;

// One check on the window's thread: the probes it waits for, answered once.
struct Check
{
    std::vector<std::shared_ptr<FolderProbeJob>> probes;
    std::vector<WorkerJob::Watch> watches;
    std::function<void(const std::vector<Host::FolderState>&)> done;
    bool delivered = false;
};

} // namespace

DesktopFollower::DesktopFollower(Workers* workers, QObject* parent)
    : QObject(parent), m_ownWorkers(workers ? nullptr : std::make_unique<ThreadWorkers>()),
      m_workers(workers ? *workers : *m_ownWorkers), m_watcher(new QFileSystemWatcher(this)),
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
    auto check = std::make_shared<Check>();
    check->done = std::move(done);
    // Once: when every folder answered, or at the time limit. Runs on the window's thread.
    const auto deliver = [check](bool timeUp) {
        if (check->delivered)
            return;
        std::vector<Host::FolderState> states;
        for (const auto& probe : check->probes) {
            const std::optional<bool> present = probe->ended() ? probe->result() : std::nullopt;
            if (!present && !timeUp)
                return;
            states.push_back(!present   ? Host::FolderState::NoAnswer
                             : *present ? Host::FolderState::Present
                                        : Host::FolderState::Missing);
        }
        check->delivered = true;
        check->watches.clear();
        EventGuard::run("folder check", [&] { check->done(states); });
    };
    for (const QString& folder : folders) {
        const QString key = QStringLiteral("exists:") + folder;
        std::shared_ptr<FolderProbeJob> probe = m_workers.running<FolderProbeJob>(key);
        const bool started = !probe;
        if (started)
            probe =
                std::make_shared<FolderProbeJob>(key, [probe = m_probe, folder] { return probe(folder); });
        check->probes.push_back(probe);
        check->watches.push_back(probe->watch([deliver] { deliver(false); }));
        if (started)
            m_workers.start(probe);
    }
    QTimer::singleShot(0, this, [deliver] { deliver(false); });
    QTimer::singleShot(timeoutMilliseconds, this, [deliver] { deliver(true); });
}

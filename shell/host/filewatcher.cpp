// The file watch behind QtHost::WatchFile.

#include "shell/host/filewatcher.h"

#include <QApplication>
#include <QFileInfo>
#include <utility>

FileWatcher::FileWatcher(QObject* parent) : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileWatcher::somethingChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileWatcher::somethingChanged);
}

FileWatcher::~FileWatcher() = default;

void FileWatcher::watch(const QString& path, std::function<void()> changed)
{
    if (const auto it = m_watches.find(path); it != m_watches.end()) {
        // The call being delivered may come from this very timer.
        it->second.timer.release()->deleteLater();
        m_watches.erase(it);
    }
    m_watcher.removePath(path);
    const QString folder = QFileInfo(path).absolutePath();
    bool folderInUse = false;
    for (const auto& [other, watch] : m_watches)
        folderInUse = folderInUse || QFileInfo(other).absolutePath() == folder;
    if (!folderInUse)
        m_watcher.removePath(folder);
    if (!changed)
        return;

    Watch& watch = m_watches[path];
    watch.changed = std::move(changed);
    watch.timer = std::make_unique<QTimer>();
    watch.timer->setSingleShot(true);
    watch.timer->setInterval(QuietMs);
    connect(watch.timer.get(), &QTimer::timeout, this, [this, path] { deliver(path); });
    rewatch(path);
}

void FileWatcher::rewatch(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_watcher.directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(path) && QFileInfo::exists(path))
        m_watcher.addPath(path);
}

void FileWatcher::somethingChanged(const QString& path)
{
    for (auto& [file, watch] : m_watches) {
        if (file == path || QFileInfo(file).absolutePath() == path)
            watch.timer->start();
    }
}

void FileWatcher::deliver(const QString& path)
{
    const auto it = m_watches.find(path);
    if (it == m_watches.end())
        return;
    // A modal window's loop is no time to change the list under it: try again once it is gone.
    if (QApplication::activeModalWidget() != nullptr) {
        it->second.timer->start();
        return;
    }
    rewatch(path);
    // The call may stop or renew this very watch.
    const std::function<void()> changed = it->second.changed;
    changed();
}

#pragma once
// Behind Host::WatchFile: a file system watcher on each watched file and its folder (an atomic
// save replaces the file, and the watch on the old one ends with it), with a short quiet time so
// a burst of changes gives one call, and no call while a modal window runs its own loop.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

class FileWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FileWatcher(QObject* parent = nullptr);
    ~FileWatcher() override;

    /// Calls `changed` after the file changed; an empty `changed` stops watching `path`.
    void watch(const QString& path, std::function<void()> changed);

    /// How long the file must be quiet before the call, in milliseconds.
    static constexpr int QuietMs = 300;

private:
    struct Watch
    {
        std::function<void()> changed;
        std::unique_ptr<QTimer> timer;
    };
    void somethingChanged(const QString& path);
    void deliver(const QString& path);
    void rewatch(const QString& path);

    QFileSystemWatcher m_watcher;
    std::map<QString, Watch> m_watches;
};

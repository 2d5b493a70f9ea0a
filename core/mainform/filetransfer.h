#pragma once
// A paste or a drop as the window sees it: the plan and the copy run on a worker, the window asks
// about taken names in between, shows the progress in the status line and tells how it ended.
// One runs at a time; Cancel stops it at the next block of bytes.

#include "core/system/filecopy.h"
#include "core/system/workers.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class Module1;
class CopyJob;

class FileTransfer
{
public:
    enum class Kind
    {
        Copy,
        Move,
        /// A move within one volume, a copy across volumes, as desktop file managers drop.
        ByVolume,
    };
    struct Calls
    {
        /// Shows a text in the status line.
        std::function<void(const QString&)> status;
        /// The work ended (also when cancelled or failed): the target and the names placed in it.
        std::function<void(const QString& target, const QStringList& placed)> finished;
        /// Whether one runs changed: the Cancel command follows it.
        std::function<void(bool running)> runningChanged;
    };
    FileTransfer(Module1& module, Calls calls);
    ~FileTransfer();
    FileTransfer(const FileTransfer&) = delete;
    FileTransfer& operator=(const FileTransfer&) = delete;

    /// Copies or moves `sources` into `target`; `moved` runs once a move has placed everything
    /// (a cut's clipboard is cleared then).
    void start(const QStringList& sources, const QString& target, Kind kind,
               std::function<void()> moved = {});
    bool running() const { return m_running; }
    void cancel();

private:
    void planned(const FileCopy::Plan& plan);
    void news();
    void ended();
    void setRunning(bool running);
    /// Asks about each taken name; false when the user cancelled.
    bool askAnswers(const FileCopy::Plan& plan, std::map<QString, FileCopy::Answer>& answers);
    QString busyText() const;
    /// "1 file", "3 files" in the language shown.
    static QString files(int count, bool swedish);

    Module1& m_module;
    Calls m_calls;
    bool m_running = false;
    QStringList m_sources;
    QString m_target;
    Kind m_kind = Kind::Copy;
    bool m_move = false;
    int m_total = 0;
    std::function<void()> m_moved;
    std::shared_ptr<WorkerJob> m_planJob;
    std::shared_ptr<CopyJob> m_copyJob;
    WorkerJob::Watch m_watch;
};

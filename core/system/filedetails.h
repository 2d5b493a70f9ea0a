#pragma once
// The size and time of change of files, read with statx on a worker for the names the window
// shows at the moment. A share that stops answering holds one worker, never the window.

#include "core/system/workers.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

/// What one name's statx found.
struct FileDetails
{
    enum class Kind : uint8_t
    {
        File,
        Folder, ///< a link in the list that now leads to a folder, or a name replaced by one
        Gone,   ///< could not be read (removed, no permission, a dead link)
    };
    Kind kind = Kind::Gone;
    uint64_t size = 0;
    /// Milliseconds since the epoch.
    int64_t modified = 0;
};

class FileDetailsRead : public WorkerJob
{
public:
    /// Reads `names` (the bytes of entries of `folder`) in the order given.
    FileDetailsRead(const QString& folder, std::vector<std::string> names);

    /// Key of the reads of one folder, so that a folder that does not answer holds one worker.
    static QString KeyOf(const QString& folder);

    const QString& folder() const { return m_folder; }
    /// The names asked for, in order.
    const std::vector<std::string>& names() const { return m_names; }

    /// Any thread: the rest is no longer wanted. A statx already waiting on the disk ends first.
    void stop() { m_stopped = true; }
    bool stopped() const { return m_stopped; }

    /// Window's thread: what was read since the last call.
    std::vector<std::pair<std::string, FileDetails>> takeRead();

protected:
    void run() override;

private:
    QString m_folder;
    std::vector<std::string> m_names;
    std::atomic<bool> m_stopped = false;
    // Guarded by m_mutex.
    std::vector<std::pair<std::string, FileDetails>> m_read;
};

/// Reads one entry of an open folder (following a link): never waits for a sync with a network
/// server and never mounts what an automounter would.
FileDetails ReadFileDetails(int folderFd, const char* name);

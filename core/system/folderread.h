#pragma once
// One read of a folder on a worker: its files and subfolders, the stamp taken just before, and,
// while a slow disk keeps it going, the names read so far for the window to show.

#include "core/system/filelisting.h"
#include "core/system/folderstamp.h"
#include "core/system/workers.h"

#include <QString>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

class FolderRead : public WorkerJob
{
public:
    explicit FolderRead(const QString& folder, bool withHidden = false);

    /// The read of `folder` still running (a second request for a folder that does not answer
    /// waits for the same read), else a new one, started. Hidden names are read when asked.
    static std::shared_ptr<FolderRead> Start(Workers& workers, const QString& folder,
                                             bool withHidden = false);

    const QString& folder() const { return m_folder; }
    bool withHidden() const { return m_withHidden; }

    /// The file names read so far, from position `from` on: nothing before the short wait is over.
    std::vector<std::string> filesFrom(size_t from) const;
    /// How many files have been read so far.
    size_t filesSoFar() const;
    /// The subfolder names read so far, from position `from` on, as filesFrom.
    std::vector<std::string> foldersFrom(size_t from) const;

    // Once ended. Each part is taken once; both throw RunTimeError when the folder could not be read.
    std::unique_ptr<FileListing> takeFiles();
    std::unique_ptr<FileListing> takeFolders();
    /// What the folder looked like just before it was read.
    FolderStamp stamp() const;

protected:
    void run() override;

private:
    void progress(const FileListing::Contents& soFar);
    void throwIfFailed() const;

    QString m_folder;
    bool m_withHidden;
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::time_point m_notified;
    // Copied out of the read as it goes, guarded by m_mutex.
    std::vector<std::string> m_filesSoFar;
    std::vector<std::string> m_foldersSoFar;
    // Set once, when the work ends.
    FileListing::Contents m_contents;
    FolderStamp m_stamp;
    int16_t m_error = 0;
};

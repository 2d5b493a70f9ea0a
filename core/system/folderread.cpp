// Reading a folder on a worker, with the names read so far copied out for a window that waits.
#include "core/system/folderread.h"

#include "core/system/runtimeerror.h"

namespace {

using Clock = std::chrono::steady_clock;

// News at most this often: each one makes the window filter and sort everything read so far.
constexpr auto NewsInterval = std::chrono::milliseconds(100);

// Reads with and without hidden names are different jobs: neither may stand in for the other.
QString readKey(const QString& folder, bool withHidden)
{
    return (withHidden ? QStringLiteral("listall:") : QStringLiteral("list:")) + folder;
}

} // namespace

FolderRead::FolderRead(const QString& folder, bool withHidden)
    : WorkerJob(readKey(folder, withHidden)), m_folder(folder), m_withHidden(withHidden)
{}

std::shared_ptr<FolderRead> FolderRead::Start(Workers& workers, const QString& folder, bool withHidden)
{
    if (auto running = workers.running<FolderRead>(readKey(folder, withHidden)))
        return running;
    auto read = std::make_shared<FolderRead>(folder, withHidden);
    workers.start(read);
    return read;
}

void FolderRead::run()
{
    m_started = Clock::now();
    m_notified = m_started;
    // The stamp comes from the read's own open: one look at a slow disk fewer.
    FolderStamp stamp;
    FileListing::Contents contents;
    int16_t error = 0;
    // Where news cannot reach the window (jobs run at once), the read is the plain one.
    FileListing::Progress progress;
    if (newsReachTheWindow())
        progress = [this](const FileListing::Contents& soFar) { this->progress(soFar); };
    try {
        contents = FileListing::read(m_folder, progress, m_withHidden, &stamp);
    } catch (const RunTimeError& failure) {
        error = failure.Number();
    }
    const std::lock_guard lock(m_mutex);
    m_contents = std::move(contents);
    m_stamp = stamp;
    m_error = error;
}

void FolderRead::progress(const FileListing::Contents& soFar)
{
    // A read done within the short wait is taken whole: nothing to copy.
    const Clock::time_point now = Clock::now();
    if (now - m_started < std::chrono::milliseconds(Workers::ShortWaitMilliseconds))
        return;
    {
        const std::lock_guard lock(m_mutex);
        for (int i = int(m_filesSoFar.size()); i < soFar.files->count(); ++i)
            m_filesSoFar.emplace_back(soFar.files->readName(i));
        for (int i = int(m_foldersSoFar.size()); i < soFar.folders->count(); ++i)
            m_foldersSoFar.emplace_back(soFar.folders->readName(i));
    }
    if (now - m_notified >= NewsInterval) {
        m_notified = now;
        notify();
    }
}

std::vector<std::string> FolderRead::filesFrom(size_t from) const
{
    const std::lock_guard lock(m_mutex);
    if (from >= m_filesSoFar.size())
        return {};
    return {m_filesSoFar.begin() + qsizetype(from), m_filesSoFar.end()};
}

std::vector<std::string> FolderRead::foldersFrom(size_t from) const
{
    const std::lock_guard lock(m_mutex);
    if (from >= m_foldersSoFar.size())
        return {};
    return {m_foldersSoFar.begin() + qsizetype(from), m_foldersSoFar.end()};
}

size_t FolderRead::filesSoFar() const
{
    const std::lock_guard lock(m_mutex);
    return m_filesSoFar.size();
}

void FolderRead::throwIfFailed() const
{
    if (m_error != 0)
        throw RunTimeError(m_error, m_folder);
}

std::unique_ptr<FileListing> FolderRead::takeFiles()
{
    const std::lock_guard lock(m_mutex);
    throwIfFailed();
    return m_contents.files ? std::move(m_contents.files) : FileListing::Empty();
}

std::unique_ptr<FileListing> FolderRead::takeFolders()
{
    const std::lock_guard lock(m_mutex);
    throwIfFailed();
    return m_contents.folders ? std::move(m_contents.folders) : FileListing::Empty();
}

FolderStamp FolderRead::stamp() const
{
    const std::lock_guard lock(m_mutex);
    return m_stamp;
}

// Reads the details of a batch of names with statx, handing them over as they come.
#include "core/system/filedetails.h"

#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileDetailsRead::FileDetailsRead(const QString& folder, std::vector<std::string> names)
    : WorkerJob(KeyOf(folder)), m_folder(folder), m_names(std::move(names))
{}

QString FileDetailsRead::KeyOf(const QString& folder)
{
    return QStringLiteral("details:") + folder;
}

std::vector<std::pair<std::string, FileDetails>> FileDetailsRead::takeRead()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_read, {});
}

void FileDetailsRead::run()
{
    const int folderFd = ::open(QFile::encodeName(m_folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    std::vector<std::pair<std::string, FileDetails>> batch;
    auto handOver = [&] {
        const std::lock_guard lock(m_mutex);
        for (auto& entry : batch)
            m_read.push_back(std::move(entry));
        batch.clear();
    };
    // A slow disk shows its first rows while the rest are read.
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastNews = Clock::now();
    for (const std::string& name : m_names) {
        if (m_stopped)
            break;
        batch.emplace_back(name, folderFd >= 0 ? ReadFileDetails(folderFd, name.c_str()) : FileDetails{});
        if (Clock::now() - lastNews > std::chrono::milliseconds(100)) {
            handOver();
            notify();
            lastNews = Clock::now();
        }
    }
    handOver();
    if (folderFd >= 0)
        ::close(folderFd);
}

FileDetails ReadFileDetails(int folderFd, const char* name)
{
    struct statx found
    {};
    if (::statx(folderFd, name, AT_STATX_DONT_SYNC | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_SIZE | STATX_MTIME,
                &found) != 0)
        return {};
    FileDetails details;
    details.kind = S_ISDIR(found.stx_mode) ? FileDetails::Kind::Folder : FileDetails::Kind::File;
    details.size = found.stx_size;
    details.modified = found.stx_mtime.tv_sec * 1000 + found.stx_mtime.tv_nsec / 1000000;
    return details;
}

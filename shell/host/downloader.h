#pragma once
// Downloads one small file over HTTP(S) while the program's windows stay painted: a nested event
// loop that takes no user input, a busy pointer, one time limit for the whole request and caps
// on the header and the body. Nothing of it runs on once it has returned. The local file is
// replaced only when the whole answer arrived.

#include <QString>
#include <QUrl>
#include <chrono>

class Downloader
{
public:
    /// Every way a download ends; Ok is 0, so that the value serves as the host's result.
    enum class Result
    {
        Ok = 0,
        Failed,    ///< no connection, an error status, a broken answer
        TimedOut,  ///< no complete answer within the time limit
        TooLarge,  ///< the answer's header or body is larger than its cap
        Refused,   ///< a scheme other than http(s), or a redirect to a less safe one
        NotWritten ///< the local file could not be written
    };

    static constexpr std::chrono::milliseconds DefaultTimeLimit{10000};
    static constexpr qint64 DefaultSizeCap = 64 * 1024;
    /// Far above any real server's header, far below what would hurt.
    static constexpr qint64 DefaultHeaderCap = 32 * 1024;

    std::chrono::milliseconds timeLimit() const { return m_timeLimit; }
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }

    /// Returns once the download has ended one way or another, at the latest after the time limit.
    /// When the local file cannot be written, `writeError` (if given) receives the system's reason.
    Result download(const QUrl& url, const QString& localPath, QString* writeError = nullptr) const;

private:
    std::chrono::milliseconds m_timeLimit = DefaultTimeLimit;
};

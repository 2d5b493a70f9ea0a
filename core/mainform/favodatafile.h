#pragma once
// The active favorites data file on disk: reading it for the loader (with the repair of a
// missing or empty file), the locked, atomic save with its .bak copy, which refuses to write over
// a file somebody else changed since this run read or wrote it, and the watch that tells when
// somebody did.

#include "core/formats/favofile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class Host;

class FavoDataFile
{
public:
    explicit FavoDataFile(Host& host);
    ~FavoDataFile();
    FavoDataFile(const FavoDataFile&) = delete;
    FavoDataFile& operator=(const FavoDataFile&) = delete;

    const QString& path() const { return m_path; }
    /// Points at another file; what was known about the previous one is dropped.
    void setPath(const QString& path);

    // Reading, line by line as the loader goes. A read past the last line is the cue for the
    // repair.
    enum class Open
    {
        Ok,
        Missing,
        NotRegular, ///< a FIFO, device, folder: never read, never written over
        TooLarge,   ///< larger than MaxFavoFileBytes: never read, never written over
        Failed,
    };
    Open open();
    bool readLine(QString& line);
    bool atEnd() const { return m_next >= m_lines.size(); }
    /// The lines not read yet, all at once.
    QStringList takeRemainingLines();
    /// Repairs a missing file (FileNotFound) or a read past the end (InputPastEnd) so that the
    /// failed step can be tried again; false when the repair itself failed.
    bool recover(int16_t error);

    /// The last load stopped before the end of the file: the next save first keeps a copy of
    /// the file as <name>.bak, so the lines it could not read are never lost silently.
    void setPartial(bool partial) { m_partial = partial; }
    bool isPartial() const { return m_partial; }

    struct SaveResult
    {
        enum Status
        {
            Ok,
            Changed, ///< somebody else wrote the file since this run read or wrote it
            BackupFailed,
            BackupUnreadable, ///< the file to keep a copy of could not be read
            NotRegular,       ///< the path leads to something that is not a regular file
            TooLarge,         ///< the file on disk is larger than the loader reads
            ListTooLarge,     ///< the new bytes are more than the loader would read back
            WriteFailed,
        };
        Status status = WriteFailed;
        QString error;     ///< the system's reason for BackupFailed, BackupUnreadable and WriteFailed
        QByteArray onDisk; ///< for Changed: the file as it is now
    };
    /// Writes `bytes` under the file's lock, unless the file on disk is no longer what this run
    /// last read or wrote (other bytes, or a file where none was read; a file that is gone is
    /// no change): then nothing is written and the result is Changed with what is there, unless
    /// that is exactly `overwriting`, the version the caller has merged or chosen to replace.
    SaveResult save(const QByteArray& bytes, const std::optional<QByteArray>& overwriting = std::nullopt);

    /// The file's entries as this run last read or wrote them: what both sides of a merge grew
    /// from. Empty when this run has not read the file.
    QList<FavoritesEntry> knownEntries() const;

    /// Keeps `bytes` as a new file beside the data file, "<name>.merged-<date>-<time>[-n]",
    /// never over an earlier one. Its path, or nothing with the reason in `error`.
    std::optional<QString> keepCopy(const QByteArray& bytes, QString& error) const;

    /// The file as it is on disk now, when it changed since this run last read or wrote it and
    /// reads whole (no faulty line, within the limits); remembered as read when returned.
    std::optional<ParsedFavoFile> readChangedWhole();

    /// Calls `changed` (through the host, later) whenever the file may have changed on disk.
    void watch(std::function<void()> changed);

private:
    void stopWatching();
    /// A default file written on a Swedish locale gets the Swedish header.
    bool swedishLocale() const;

    Host& m_host;
    QString m_path;
    QStringList m_lines;
    qsizetype m_next = 0;
    int m_recoveries = 0;
    bool m_partial = false;
    /// The bytes this run last read or wrote, compared whole: a file touched without a change of
    /// its bytes is the same list.
    std::optional<QByteArray> m_known;
    std::function<void()> m_changed;
    QString m_watched;
};

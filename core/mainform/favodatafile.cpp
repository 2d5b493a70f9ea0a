// The active favorites data file: bounded reading, repair, the locked save with .bak that never
// writes over another program's change, the copy kept by a merge, and the watch.

#include "core/mainform/favodatafile.h"

#include "core/system/atomicfile.h"
#include "core/system/host.h"
#include "core/system/regularfile.h"
#include "core/system/runtimeerror.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <utility>

FavoDataFile::FavoDataFile(Host& host) : m_host(host) {}

FavoDataFile::~FavoDataFile()
{
    stopWatching();
}

void FavoDataFile::setPath(const QString& path)
{
    m_path = path;
    m_lines.clear();
    m_next = 0;
    m_recoveries = 0;
    m_partial = false;
    m_known.reset();
    if (m_changed)
        watch(m_changed);
}

FavoDataFile::Open FavoDataFile::open()
{
    m_lines.clear();
    m_next = 0;
    const RegularFileRead read = ReadRegularFile(m_path, MaxFavoFileBytes);
    switch (read.status) {
    case RegularFileRead::Ok:
        break;
    case RegularFileRead::Missing:
        return Open::Missing;
    case RegularFileRead::NotRegular:
        return Open::NotRegular;
    case RegularFileRead::TooLarge:
        return Open::TooLarge;
    case RegularFileRead::Failed:
        return Open::Failed;
    }
    m_known = read.bytes;
    m_lines = SplitFavoLines(DecodeFavoText(read.bytes));
    return Open::Ok;
}

bool FavoDataFile::readLine(QString& line)
{
    if (atEnd())
        return false;
    line = m_lines.at(m_next++);
    return true;
}

QStringList FavoDataFile::takeRemainingLines()
{
    QStringList rest = m_lines.mid(m_next);
    m_next = m_lines.size();
    return rest;
}

bool FavoDataFile::swedishLocale() const
{
    return LocaleIsSwedish([this](const QString& name) { return m_host.Environment(name); });
}

bool FavoDataFile::recover(int16_t error)
{
    // Two default files after a legacy rename are the most a sound file system needs.
    if (++m_recoveries > 3)
        return false;
    const QString legacy = LegacyFavoFilePath(m_path);
    // A legacy file is only taken while the data file is missing: an existing data file
    // without entries is replaced by the default file and the legacy file stays untouched.
    if (error == ErrNo::FileNotFound && QFileInfo(legacy).isFile()) {
        if (!QFile::rename(legacy, m_path))
            return false;
    } else if (!WriteFileLocked(m_path, DefaultFavoFileBytes(m_host.HomeFolder(), swedishLocale()),
                                MaxFavoFileBytes)
                    .ok()) {
        return false;
    }
    if (open() != Open::Ok)
        return false;
    if (error == ErrNo::InputPastEnd) {
        QString header;
        return readLine(header);
    }
    return true;
}

FavoDataFile::SaveResult FavoDataFile::save(const QByteArray& bytes,
                                            const std::optional<QByteArray>& overwriting)
{
    using R = SaveResult;
    if (bytes.size() > MaxFavoFileBytes)
        return {R::ListTooLarge, {}, {}};

    SaveResult result{R::Ok, {}, {}};
    // Everything from the look at the file to the rename happens under its lock: a command-line
    // add that comes between is either seen here or waits for this write.
    const LockedWrite written = UpdateFileLocked(
        m_path, MaxFavoFileBytes, [&](const RegularFileRead& now) -> std::optional<QByteArray> {
            if (now.status == RegularFileRead::Ok && now.bytes != m_known && now.bytes != overwriting) {
                result = {R::Changed, {}, now.bytes};
                return std::nullopt;
            }
            if (m_partial && now.status == RegularFileRead::Ok) {
                // The lines the last load could not read are never lost silently.
                const LockedWrite backup =
                    WriteFileLocked(m_path + QStringLiteral(".bak"), now.bytes, MaxFavoFileBytes);
                if (!backup.ok()) {
                    result = {R::BackupFailed, backup.error, {}};
                    return std::nullopt;
                }
            }
            return bytes;
        });
    if (result.status != R::Ok)
        return result;
    switch (written.status) {
    case LockedWrite::Written:
    case LockedWrite::Unchanged:
        break;
    case LockedWrite::NotRegular:
        return {R::NotRegular, {}, {}};
    case LockedWrite::TooLarge:
        return {R::TooLarge, {}, {}};
    case LockedWrite::ReadFailed:
        return {m_partial ? R::BackupUnreadable : R::WriteFailed, written.error, {}};
    case LockedWrite::Locked:
    case LockedWrite::WriteFailed:
        return {R::WriteFailed, written.error, {}};
    }
    m_partial = false;
    m_known = bytes;
    return result;
}

QList<FavoritesEntry> FavoDataFile::knownEntries() const
{
    if (!m_known)
        return {};
    return ParseFavoFile(*m_known).entries;
}

std::optional<QString> FavoDataFile::keepCopy(const QByteArray& bytes, QString& error) const
{
    const QString stem = m_path + QStringLiteral(".merged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 100; ++n) {
        const QString name = n == 1 ? stem : stem + u'-' + QString::number(n);
        const AtomicWriteResult written = WriteNewFile(name, bytes);
        if (written.ok)
            return name;
        error = written.error;
        // Only a taken name is worth another try.
        if (!QFileInfo::exists(name))
            break;
    }
    return std::nullopt;
}

std::optional<ParsedFavoFile> FavoDataFile::readChangedWhole()
{
    const RegularFileRead now = ReadRegularFile(m_path, MaxFavoFileBytes);
    if (now.status != RegularFileRead::Ok)
        return std::nullopt;
    if (now.bytes == m_known)
        return std::nullopt;
    ParsedFavoFile parsed = ParseFavoFile(now.bytes);
    if (parsed.stop != ParsedFavoEntries::None || parsed.entries.isEmpty())
        return std::nullopt;
    m_known = now.bytes;
    m_partial = false;
    return parsed;
}

void FavoDataFile::watch(std::function<void()> changed)
{
    stopWatching();
    m_changed = std::move(changed);
    if (!m_changed || m_path.isEmpty())
        return;
    m_watched = m_path;
    m_host.WatchFile(m_watched, m_changed);
}

void FavoDataFile::stopWatching()
{
    if (m_watched.isEmpty())
        return;
    m_host.WatchFile(m_watched, {});
    m_watched.clear();
}

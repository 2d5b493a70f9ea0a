// The active favorites data file: bounded reading, repair, atomic save with .bak, the check for
// changes by others, and the watch.

#include "core/mainform/favodatafile.h"

#include "core/system/atomicfile.h"
#include "core/system/host.h"
#include "core/system/regularfile.h"
#include "core/system/runtimeerror.h"

#include <QCryptographicHash>
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

FavoDataFile::Stamp FavoDataFile::stampOf(const QByteArray& bytes, const QString& path)
{
    return {bytes.size(), QFileInfo(path).lastModified(),
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
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
    m_known = stampOf(read.bytes, m_path);
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
    } else if (!WriteFileAtomically(m_path, DefaultFavoFileBytes(m_host.HomeFolder(), swedishLocale())).ok) {
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

bool FavoDataFile::changedOnDisk() const
{
    const RegularFileRead now = ReadRegularFile(m_path, MaxFavoFileBytes);
    // What cannot be read cannot be compared; the save itself refuses or reports it.
    if (now.status != RegularFileRead::Ok)
        return false;
    if (!m_known)
        return true;
    // A file touched without a change of its bytes is the same list.
    return now.bytes.size() != m_known->size ||
           QCryptographicHash::hash(now.bytes, QCryptographicHash::Sha256) != m_known->hash;
}

FavoDataFile::SaveResult FavoDataFile::save(const QByteArray& bytes)
{
    using R = SaveResult;
    if (bytes.size() > MaxFavoFileBytes)
        return {R::ListTooLarge, {}};

    if (m_partial) {
        const RegularFileRead faulty = ReadRegularFile(m_path, MaxFavoFileBytes);
        switch (faulty.status) {
        case RegularFileRead::Ok: {
            const AtomicWriteResult backup =
                WriteFileAtomically(m_path + QStringLiteral(".bak"), faulty.bytes);
            if (!backup.ok)
                return {R::BackupFailed, backup.error};
            break;
        }
        case RegularFileRead::Missing:
            break;
        case RegularFileRead::NotRegular:
            return {R::NotRegular, {}};
        case RegularFileRead::TooLarge:
            return {R::TooLarge, {}};
        case RegularFileRead::Failed:
            return {R::BackupUnreadable, faulty.error};
        }
        m_partial = false;
    }

    if (KindOfFile(ResolveFileLinks(m_path)) == FileKind::Other)
        return {R::NotRegular, {}};
    const AtomicWriteResult written = WriteFileAtomically(m_path, bytes);
    if (!written.ok)
        return {R::WriteFailed, written.error};
    m_known = stampOf(bytes, m_path);
    return {R::Ok, {}};
}

std::optional<ParsedFavoFile> FavoDataFile::readChangedWhole()
{
    const RegularFileRead now = ReadRegularFile(m_path, MaxFavoFileBytes);
    if (now.status != RegularFileRead::Ok)
        return std::nullopt;
    const Stamp stamp = stampOf(now.bytes, m_path);
    if (m_known && m_known->size == stamp.size && m_known->hash == stamp.hash)
        return std::nullopt;
    ParsedFavoFile parsed = ParseFavoFile(now.bytes);
    if (parsed.stop != ParsedFavoEntries::None || parsed.entries.isEmpty())
        return std::nullopt;
    m_known = stamp;
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

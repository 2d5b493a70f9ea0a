// The settings file: reading a key, and saving one by an atomic rewrite that changes only its line.
#include "core/system/settingsfile.h"

#include "core/system/atomicfile.h"
#include "core/system/regularfile.h"
#include "core/system/settingstext.h"

namespace {

const QString Section = QStringLiteral("Settings");

SettingsFileProblem::Kind problemOf(RegularFileRead::Status status)
{
    switch (status) {
    case RegularFileRead::Ok:
    case RegularFileRead::Missing:
        return SettingsFileProblem::None;
    case RegularFileRead::NotRegular:
        return SettingsFileProblem::NotRegularFile;
    case RegularFileRead::TooLarge:
        return SettingsFileProblem::TooLarge;
    case RegularFileRead::Failed:
        break;
    }
    return SettingsFileProblem::ReadFailed;
}

SettingsFileProblem::Kind problemOf(LockedWrite::Status status)
{
    switch (status) {
    case LockedWrite::Written:
    case LockedWrite::Unchanged:
        return SettingsFileProblem::None;
    case LockedWrite::NotRegular:
        return SettingsFileProblem::NotRegularFile;
    case LockedWrite::TooLarge:
        return SettingsFileProblem::TooLarge;
    case LockedWrite::ReadFailed:
        return SettingsFileProblem::ReadFailed;
    case LockedWrite::Locked:
    case LockedWrite::WriteFailed:
        break;
    }
    return SettingsFileProblem::WriteFailed;
}

} // namespace

SettingsFile::SettingsFile(const QString& path) : m_path(path)
{
    m_problem.path = path;
}

QString SettingsFile::Get(const QString& key, const QString& defaultValue) const
{
    const RegularFileRead read = ReadRegularFile(m_path, MaxBytes);
    m_problem.kind = problemOf(read.status);
    m_problem.reason = read.error;
    if (read.status != RegularFileRead::Ok)
        return defaultValue;
    return SettingsText::Value(read.bytes, Section, key).value_or(defaultValue);
}

bool SettingsFile::Save(const QString& key, const QString& value)
{
    // Read afresh under the lock: lines edited by hand, or by another copy of the program, since
    // the start stay as they are now.
    const LockedWrite written =
        UpdateFileLocked(m_path, MaxBytes, [&](const RegularFileRead& now) -> std::optional<QByteArray> {
            if (SettingsText::Value(now.bytes, Section, key) == value)
                return std::nullopt;
            return SettingsText::WithValue(now.bytes, Section, key, value);
        });
    m_problem.kind = problemOf(written.status);
    m_problem.reason = written.error;
    return written.ok();
}

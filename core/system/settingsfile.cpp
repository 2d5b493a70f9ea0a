// The settings file: reading a key, and saving one by an atomic rewrite that changes only its line.
#include "core/system/settingsfile.h"

#include "core/system/safefileread.h"
#include "core/system/settingstext.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

const QString Section = QStringLiteral("Settings");

SettingsFileProblem::Kind problemOf(SafeFileRead::Status status)
{
    switch (status) {
    case SafeFileRead::Status::Ok:
    case SafeFileRead::Status::Missing:
        return SettingsFileProblem::None;
    case SafeFileRead::Status::NotRegularFile:
        return SettingsFileProblem::NotRegularFile;
    case SafeFileRead::Status::TooLarge:
        return SettingsFileProblem::TooLarge;
    case SafeFileRead::Status::Failed:
        break;
    }
    return SettingsFileProblem::ReadFailed;
}

// The file a save really replaces: a link stays a link, its target is rewritten.
QString resolveLinks(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Replaces the file whole or not at all. QSaveFile's commit() can report success after a short
// write, so every step is checked.
QString writeAtomically(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const int err = errno;
        QString error = err != 0 ? qt_error_string(err) : file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

SettingsFile::SettingsFile(const QString& path) : m_path(path)
{
    m_problem.path = path;
}

QString SettingsFile::Get(const QString& key, const QString& defaultValue) const
{
    const SafeFileRead::Result read = SafeFileRead::ReadRegularFile(m_path, MaxBytes);
    m_problem.kind = problemOf(read.status);
    m_problem.reason = read.reason;
    if (read.status != SafeFileRead::Status::Ok)
        return defaultValue;
    return SettingsText::Value(read.bytes, Section, key).value_or(defaultValue);
}

bool SettingsFile::Save(const QString& key, const QString& value)
{
    // Read afresh: lines edited by hand since the start stay as they are now.
    const SafeFileRead::Result read = SafeFileRead::ReadRegularFile(m_path, MaxBytes);
    m_problem.kind = problemOf(read.status);
    m_problem.reason = read.reason;
    if (m_problem.kind != SettingsFileProblem::None)
        return false;
    if (SettingsText::Value(read.bytes, Section, key) == value)
        return true;

    const QString target = resolveLinks(m_path);
    // A link to something that is not a regular file is not replaced by one.
    const SafeFileRead::Status there = SafeFileRead::Inspect(target);
    if (there != SafeFileRead::Status::Ok && there != SafeFileRead::Status::Missing) {
        m_problem.kind = SettingsFileProblem::NotRegularFile;
        return false;
    }
    const QString error = writeAtomically(target, SettingsText::WithValue(read.bytes, Section, key, value));
    if (!error.isEmpty()) {
        m_problem.kind = SettingsFileProblem::WriteFailed;
        m_problem.reason = error;
        return false;
    }
    return true;
}

#pragma once
// The per-user settings store: the [Settings] section of an ini file, every value a text.
// The file is the user's: only the lines of keys that change are rewritten, and something that
// is not a regular file is never read nor written over.

#include <QString>
#include <cstdint>

/// What kept the settings file from being read or written; kind None when nothing did.
struct SettingsFileProblem
{
    enum Kind
    {
        None,
        NotRegularFile,
        TooLarge,
        ReadFailed,
        WriteFailed,
    };
    Kind kind = None;
    QString path;
    QString reason; ///< the system's words for ReadFailed and WriteFailed
};

class SettingsFile
{
public:
    /// Far above any settings file the program writes; a larger one is not the program's.
    static constexpr qint64 MaxBytes = qint64{1024} * 1024;

    explicit SettingsFile(const QString& path);

    const QString& Path() const { return m_path; }

    /// Reads the file afresh, so that edits made while the program runs are seen.
    QString Get(const QString& key, const QString& defaultValue) const;
    /// Rewrites the one key's line through a temporary file renamed into place; false when the
    /// file could not be read or written, which leaves it as it was.
    bool Save(const QString& key, const QString& value);

    /// The outcome of the last Get or Save.
    const SettingsFileProblem& Problem() const { return m_problem; }

private:
    QString m_path;
    mutable SettingsFileProblem m_problem;
};

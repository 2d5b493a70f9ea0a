#pragma once
// Copying and moving files and folders into a folder, the way a paste or a drop does it. Each
// file is written under a temporary name in the target folder, flushed to the disk and only then
// given its final name, never over a name that exists unless the user chose Replace; a folder is
// built under a temporary name the same way. A failure or a cancel removes what was half done, so
// no partial file ever carries a final name. A move within one volume is a rename; across volumes
// it is a copy, after which only what was copied completely is deleted. Names are raw bytes as
// FileNameFromBytes keeps them. Everything here blocks on the disk: run it on a worker.

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <map>

namespace FileCopy {

/// What to do with a source whose name exists in the target folder.
enum class Answer
{
    KeepBoth, ///< place it under the next free "name (2).ext"; also what happens unasked
    Replace,  ///< a file takes the place of the one there; a folder is merged into the one there
    Skip,
};

/// What a paste or drop would do, found before anything changes.
struct Plan
{
    /// Files and links to place (a folder moved by a rename counts as one).
    int files = 0;
    /// Sources whose name is taken in the target folder by something else than themselves.
    QStringList conflicts;
    /// Whether every source lies on the target's volume, where a move is a rename.
    bool sameVolume = true;
    /// A source folder that holds the target folder; nothing may be done then.
    QString intoItself;
    /// The first source that could not be read, and why (errno); 0 when all could.
    int error = 0;
    QString errorPath;
};
Plan MakePlan(const QStringList& sources, const QString& target, bool move);

/// Shared by the window and the worker while the work runs.
struct Progress
{
    /// Set by the window; the work stops at the next block of bytes.
    std::atomic<bool> cancel{false};
    /// Files and links placed so far.
    std::atomic<int> done{0};
    /// Worker side, after each block of bytes and each file placed.
    std::function<void()> step;
};

/// How the work ended.
struct Outcome
{
    bool cancelled = false;
    /// errno of the failure that stopped the work, and the source it stopped at; 0 when none did.
    int error = 0;
    QString failedPath;
    /// errno of the first source a move copied but could not delete, and its path; 0 when none.
    int keptError = 0;
    QString keptPath;
    /// The names given in the target folder, in the order of the sources (skipped ones left out).
    QStringList placed;
};
/// Copies (or moves) `sources` into the folder `target`. `answers` says, per source, what to do
/// when its name is taken; a source of the target folder itself that is copied there is kept
/// beside itself, and one moved there is left alone.
Outcome Run(const QStringList& sources, const QString& target, bool move,
            const std::map<QString, Answer>& answers, Progress& progress);

/// "name (2).ext" for `name` and 2; a name that already ends in " (n)" before its extension
/// counts on from there. Folders keep their whole name before the number.
QString NumberedName(const QString& name, int number, bool folder);

/// Whether an errno means that the target volume is full (or the file may not grow).
bool IsFullDisk(int error);

} // namespace FileCopy

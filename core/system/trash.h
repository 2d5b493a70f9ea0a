#pragma once
// The desktop's trash: a file or folder moved into "files" of a trash folder, beside an
// "info/<name>.trashinfo" that records where it came from and when, as every desktop's trash
// reads it. The home trash serves the volume of the user's data folder; another volume has its
// own at its top folder (".Trash/<uid>" when the administrator made ".Trash", else
// ".Trash-<uid>"), so that nothing is copied across volumes.

#include <QDateTime>
#include <QString>

namespace Trash {

/// The home trash: `dataHome` + "/Trash" ($XDG_DATA_HOME, else ~/.local/share).
QString HomeTrash(const QString& dataHome);

/// Where a path goes: the trash folder, and the top folder of its volume (empty for the home trash).
struct Place
{
    QString trash;
    QString top;
};
/// The trash that takes `path`: the home trash when it is on the same volume, else the trash at
/// the top of the path's volume; an empty trash (with `error` set) when there is none to use.
Place PlaceFor(const QString& path, const QString& homeTrash, int& error);

/// The whole .trashinfo text: the path's bytes with every one that is not unreserved or "/"
/// percent-encoded (relative to `top` when given), and the local time of the deletion.
QByteArray InfoText(const QString& path, const QString& top, const QDateTime& deleted);

/// Moves `path` into the trash that takes it; 0, or the errno of the failure. Nothing is left
/// behind in the trash when the move fails.
int MoveToTrash(const QString& path, const QString& homeTrash);

/// Deletes `path` for good: a file, a link, or a folder with all it holds. 0, or the errno of
/// the first failure.
int DeleteForGood(const QString& path);

} // namespace Trash

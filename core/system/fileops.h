#pragma once
// Changes to the user's files and folders: a new folder, a rename that never replaces, checked
// names. Names are taken as FileNameFromBytes keeps them, so a name that is not UTF-8 is changed
// byte for byte. Each returns 0 or the errno of the failure.

#include <QString>

namespace FileOps {

/// Why a name typed for a file or folder cannot be used as it is.
enum class NameFault
{
    None,
    Empty, ///< nothing, ".", "..", or only spaces
    Slash, ///< holds "/" (or a zero byte)
};
NameFault CheckName(const QString& name);

/// The path of `name` inside `folder`.
QString Join(const QString& folder, const QString& name);

/// Creates `folder`/`name`; EEXIST when anything of that name is there.
int MakeFolder(const QString& folder, const QString& name);

/// Renames `from` to `to` inside `folder`, never over an existing name (EEXIST then). Where the
/// file system cannot refuse by itself, a file is linked under the new name and then unlinked
/// under the old one; a folder is renamed after a check.
int RenameNoReplace(const QString& folder, const QString& from, const QString& to);

/// Moves `from` to `to` (full paths on one volume) the same way, never over an existing name.
int MoveNoReplace(const QString& from, const QString& to);

/// The system's words for an errno.
QString ErrorText(int error);

} // namespace FileOps

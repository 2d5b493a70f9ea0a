#pragma once
// The favorites from the shell: --list, --path NAME and --add FOLDER, each with --set N. They run
// on QCoreApplication before any window exists, read the favorites file with the window's rules
// and write only that file, through the same atomic writer.

#include "core/formats/favofile.h"

#include <QList>
#include <QStringList>
#include <optional>

class QTextStream;

namespace FavoritesCli {

/// True when the arguments ask for one of the favorites commands.
bool IsFavoritesCommand(const QStringList& arguments);

/// Runs the favorites command that the arguments (program name first) ask for, printing to
/// `out` and `err`; its exit code, or nothing when no favorites command was asked for.
/// 0 success, 1 the command failed (nothing or several found, a file not readable or writable),
/// 2 the arguments are wrong.
std::optional<int> Run(const QStringList& arguments, QTextStream& out, QTextStream& err);

/// The favorite for a name: an exact match, else the only one whose name equals it ignoring case,
/// else the only one whose name starts with it ignoring case. Separators never match. The
/// indexes of every candidate when there is no single one (empty when nothing matched).
struct NameMatch
{
    qsizetype index = -1;
    QList<qsizetype> candidates;
};
NameMatch FindByName(const QList<FavoritesEntry>& entries, const QString& name);

} // namespace FavoritesCli

/// The command line hook for main(): the favorites commands' exit code, or nothing.
std::optional<int> runFavoritesCommand(const QStringList& args, QTextStream& out, QTextStream& err);

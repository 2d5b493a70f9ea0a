// Looking at a path on a worker with the short wait.
#include "core/system/pathcheck.h"

#include "core/system/filename.h"

namespace PathCheck {

Found At(Workers& workers, const QString& path)
{
    const std::optional<Found> found = workers.ask<Found>(QStringLiteral("what:") + path, [path] {
        return IsFolderAt(path) ? Found::Folder : IsFileAt(path) ? Found::File : Found::Nothing;
    });
    return found.value_or(Found::NoAnswer);
}

} // namespace PathCheck

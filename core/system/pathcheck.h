#pragma once
// What is at a path, asked off the window's thread: a share that does not answer makes the
// answer "no answer" after the short wait, never a frozen window.

#include "core/system/workers.h"

#include <QString>

namespace PathCheck {

enum class Found
{
    Folder,
    File, ///< a regular file (links followed)
    Nothing,
    NoAnswer, ///< the disk did not answer within the short wait
};

/// Looks at `path` on a worker; a look at the same path still waiting is not started again.
Found At(Workers& workers, const QString& path);

/// A folder, or a path whose disk did not say otherwise in time: worth trying to open.
inline bool MayBeFolder(Found found)
{
    return found == Found::Folder || found == Found::NoAnswer;
}

} // namespace PathCheck

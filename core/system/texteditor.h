#pragma once
// Finds the desktop's text editor for a file: the default application for text/plain from the
// desktop's mimeapps.list, else a known graphical editor on PATH. Terminal-only editors are
// passed over: started without a terminal they would show nothing.

#include "core/system/desktopentries.h"

#include <QString>
#include <QStringList>

namespace TextEditor {

using Command = DesktopEntries::Command;

/// The editor command that opens `filePath`.
Command Find(const QString& filePath);

/// The command of a desktop entry's Exec line with its field codes filled in for one file;
/// an empty program when the line cannot be used.
Command FromExecLine(const QString& exec, const QString& filePath);

/// The desktop entry ids listed as the default for a MIME type in the mimeapps.list files,
/// most important first.
QStringList DefaultApplications(const QString& mimeType);

} // namespace TextEditor

// Finding the desktop's text editor for a file: the text/plain default, else a graphical editor on PATH.
#include "core/system/texteditor.h"

#include <QStandardPaths>

namespace TextEditor {

namespace {

Command fromDesktopEntry(const QString& id, const QString& filePath)
{
    const QString file = DesktopEntries::FindFile(id);
    if (file.isEmpty())
        return {};
    const DesktopEntries::Entry entry = DesktopEntries::Read(file);
    if (entry.terminal)
        return {};
    return DesktopEntries::FromExecLine(entry.exec, filePath);
}

} // namespace

Command FromExecLine(const QString& exec, const QString& filePath)
{
    return DesktopEntries::FromExecLine(exec, filePath);
}

QStringList DefaultApplications(const QString& mimeType)
{
    return DesktopEntries::DefaultApplications(mimeType);
}

Command Find(const QString& filePath)
{
    for (const QString& id : DefaultApplications(QStringLiteral("text/plain"))) {
        Command command = fromDesktopEntry(id, filePath);
        if (!command.program.isEmpty())
            return command;
    }
    static const char* const knownEditors[] = {"gnome-text-editor", "gedit", "kate",    "kwrite",
                                               "mousepad",          "xed",   "pluma",   "featherpad",
                                               "leafpad",           "geany", "l3afpad", "xedit"};
    for (const char* editor : knownEditors) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!program.isEmpty())
            return {program, {filePath}};
    }
    return {};
}

} // namespace TextEditor

// Following the disk for the two panes: the watch on the open folder, the paced re-read, the move upwards.
#include "core/mainform/panewatch.h"

#include "core/mainform/mainform.h"
#include "core/system/host.h"
#include "core/system/pathcheck.h"
#include "core/system/runtimeerror.h"

PaneWatch::PaneWatch(MainForm& form) : m_form(form) {}

void PaneWatch::follow()
{
    // Adding a watch looks the folder up on its disk: a folder still being read may not answer.
    // The end of its read comes back here.
    if (m_form.DirList.Reading())
        return;
    const QString folder = m_form.DirList.Path();
    if (folder == m_folder)
        return;
    // A folder whose read was dropped may still not answer; it is watched once a later change of
    // the tree finds it answering.
    if (PathCheck::At(m_form.host().workers(), folder) != PathCheck::Found::Folder)
        return;
    m_folder = folder;
    m_parent = folder == QLatin1String("/") ? QString() : m_form.DirList.List(-2);
    QStringList folders{folder};
    if (!m_parent.isEmpty())
        folders << m_parent;
    m_form.host().WatchFolders(folders, [this](const QString& changed) { folderChanged(changed); });
}

void PaneWatch::folderChanged(const QString& folder)
{
    // A change beside the open folder only matters when it took the open folder away, which a
    // look at that one folder tells; a change inside it means reading it again.
    if (folder == m_folder)
        m_folderChanged = true;
    else if (folder != m_parent)
        return;
    if (m_pending)
        return;
    m_pending = true;
    m_form.host().StartTimer(IntervalMilliseconds, [this] {
        m_pending = false;
        reread();
    });
}

void PaneWatch::reread()
{
    if (m_folder.isEmpty() || !m_form.IsLoaded())
        return;
    const PathCheck::Found found = PathCheck::At(m_form.host().workers(), m_folder);
    // A folder too slow to answer is left as it is until it answers a later change.
    if (found == PathCheck::Found::NoAnswer)
        return;
    if (found != PathCheck::Found::Folder) {
        m_folderChanged = false;
        moveToExistingAncestor();
        return;
    }
    if (!m_folderChanged)
        return;
    m_folderChanged = false;
    ++m_rereads;
    m_form.DirList.Refresh();
    ::FileList& files = m_form.FileList;
    const QString selected = files.List(files.ListIndex());
    files.Refresh();
    const int row = files.IndexOf(selected);
    if (row >= 0)
        files.setListIndex(row);
}

void PaneWatch::moveToExistingAncestor()
{
    QString folder = m_folder;
    while (folder != QLatin1String("/")) {
        folder = folder.left(folder.lastIndexOf(QLatin1Char('/')));
        if (folder.isEmpty())
            folder = QStringLiteral("/");
        if (PathCheck::At(m_form.host().workers(), folder) != PathCheck::Found::Folder)
            continue;
        try {
            m_form.DirList.setPath(folder);
            return;
        } catch (const RunTimeError&) {
            // Present but unreadable: one more level up.
        }
    }
}

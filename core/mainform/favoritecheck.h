#pragma once
// Shows which favorites point at folders that are gone: after every load and edit of the list the
// host checks each favorite's folder off the window's thread, with a time limit so that a hung
// network mount never freezes the window, and the entries whose folder is missing or did not
// answer are dimmed with a note that says why.

#include "core/system/host.h"

#include <QHash>
#include <QString>

class MainForm;

class FavoriteCheck
{
public:
    /// How long one folder may take to answer before it counts as unreachable.
    static constexpr int TimeoutMilliseconds = 2000;

    explicit FavoriteCheck(MainForm& form);

    /// Checks the list once the running handler is done; many edits in a row make one check.
    void schedule();
    /// Writes the notes again in the current language.
    void showNotes();
    /// What the last check found at a favorite's folder; Present when it was not checked.
    Host::FolderState state(const QString& path) const
    {
        return m_states.value(path, Host::FolderState::Present);
    }

private:
    void run();

    MainForm& m_form;
    bool m_scheduled = false;
    unsigned m_generation = 0;
    QHash<QString, Host::FolderState> m_states;
};

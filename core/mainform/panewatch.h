#pragma once
// Keeps the folder tree and the file list in step with the disk: watches the open folder (and its
// parent, to see it renamed or removed) through the host, and re-reads both panes at most once per
// interval however many changes arrive, keeping the highlighted file. When the open folder has
// gone, the tree moves to its nearest ancestor that still exists.

#include <QString>

class MainForm;

class PaneWatch
{
public:
    /// The shortest time between two re-reads: at most four a second.
    static constexpr int IntervalMilliseconds = 250;

    explicit PaneWatch(MainForm& form);

    /// Watches the folder the tree shows now; nothing happens when it is watched already.
    void follow();
    /// The host saw a change in a watched folder.
    void folderChanged(const QString& folder);

    /// Re-reads done since the start, for tests and the benchmark.
    int rereads() const { return m_rereads; }

private:
    void reread();
    void moveToExistingAncestor();

    MainForm& m_form;
    QString m_folder;
    QString m_parent;
    bool m_pending = false;
    bool m_folderChanged = false;
    int m_rereads = 0;
};

#pragma once
// The files of one folder that match a pattern, in case-insensitive name order. Folders and
// anything but regular files (and links to them) are never listed; hidden files only on request.

#include "core/system/filepattern.h"
#include "core/system/folderstamp.h"
#include "core/system/workers.h"
#include "core/toolkit/control.h"
#include "core/toolkit/rowedit.h"

#include <QString>
#include <memory>
#include <vector>

class FileListing;
class FolderRead;

class FileList : public Control
{
    Q_OBJECT

public:
    FileList(Form& form, const QString& name);
    ~FileList() override;

    const QString& Path() const { return m_path; }
    /// Reads a folder (again, when it is the one listed) and lists its files through the
    /// pattern. Throws RunTimeError when it cannot be read, leaving the list as it was. A folder
    /// that does not answer within the short wait is listed at once as empty and filled in as
    /// its names arrive, sorted in full when its read ends.
    void setPath(const QString& path);

    /// Where the list stands with its folder.
    enum class ReadState
    {
        Done,    ///< listed (or nothing asked yet)
        Reading, ///< names still arriving; TotalCount counts those that came
        Failed,  ///< the read ended in an error after the short wait
        Stopped, ///< the read was dropped by StopReading
    };
    ReadState State() const { return m_state; }
    /// How long a check of the folder's stamp stands for the keystrokes that follow it.
    static constexpr int StampCheckMilliseconds = 500;
    /// Counts the reads that did not end within the short wait, so that a timer can tell
    /// whether the read it was started for still runs.
    int ReadNumber() const { return m_readNumber; }
    /// Drops a read still running: the names that came stay, and no more come.
    void StopReading();

    /// "*" and "?" wildcards, case-insensitive, ";" between patterns; "*.*" matches every name.
    /// Setting it filters the files read by the last setPath or Refresh again, going back to
    /// the disk only when the folder has changed since (FolderStamp). The folder is asked at
    /// most once per StampCheckMilliseconds, on a worker.
    const QString& Pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);

    /// File name (no folder) of entry `index`; empty outside the list. Bytes of the name that
    /// are not UTF-8 come back as FileNameFromBytes keeps them, so a path built from it opens.
    QString List(int index) const;
    /// Number of files that match the pattern (the entries shown).
    int ListCount() const;
    /// Files the last read found, before the pattern; false from Listed before any read.
    int TotalCount() const;
    bool Listed() const { return m_listing != nullptr; }
    /// Index of the shown file of this name, -1 when it is not shown.
    int IndexOf(const QString& name) const;

    /// The current entry; setting it selects that one entry alone, as a plain click does.
    int ListIndex() const { return m_listIndex; }
    void setListIndex(int index);

    /// More than one selected entry (Ctrl-click, Shift-click, Shift+arrows). The selection is the
    /// current entry alone until one of these widens it, and is dropped when the list changes.
    bool Selected(int index) const;
    /// The selected entries in list order.
    std::vector<int> SelectedIndexes() const;
    /// Ctrl-click: adds or removes one entry and makes it the current one.
    void toggleSelected(int index);
    /// Shift-click or Shift+arrow: selects from the last plainly chosen entry to this one.
    void selectRangeTo(int index);

    /// Re-reads the folder from disk. When it can no longer be read the list stays as it was.
    void Refresh();

    /// Whether names starting with "." are listed; setting it reads the folder again.
    bool ShowHidden() const { return m_showHidden; }
    void setShowHidden(bool show);

    /// Hands over the read of a folder that the folder tree has just made (ended or still
    /// running), so that a folder change reads the disk once: the next setPath of that folder
    /// takes its files instead of reading again. Null withdraws the offer.
    void offerRead(std::shared_ptr<FolderRead> read);

    /// Renaming a row in place.
    RowEdit NameEdit;

    std::function<void()> Click;
    std::function<void()> DblClick;
    void RaiseDblClick() { raise(DblClick); }

signals:
    void itemsChanged();
    void listIndexChanged();
    void selectionChanged();

private:
    void showListing(std::unique_ptr<FileListing> listing);
    bool reread();
    void sortWhenIdle();
    void watchRead(std::shared_ptr<FolderRead> read, bool refreshing);
    void readNews();
    void stopWatching();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    FilePattern m_filePattern{m_pattern};
    std::unique_ptr<FileListing> m_listing;
    FolderStamp m_stamp;
    std::shared_ptr<FolderRead> m_offered;
    int m_listIndex = -1;
    int m_anchor = -1;            // where a range starts
    std::vector<int> m_selection; // sorted; empty: the current entry alone
    void dropSelection()
    {
        m_selection.clear();
        m_anchor = -1;
    }
    std::shared_ptr<FolderRead> m_read; // the read the list waits for
    WorkerJob::Watch m_readWatch;
    bool m_refreshing = false; // the read replaces a list already shown
    size_t m_taken = 0;        // names of the read already in the list
    ReadState m_state = ReadState::Done;
    int m_readNumber = 0;
    bool m_showHidden = false;
    // The folder whose stamp a keystroke checked lately: typing on filters without asking again.
    QString m_stampChecked;
    // Lets a timer find out whether the list still exists.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

#pragma once
// The files of one folder that match a pattern, in case-insensitive name order. Folders and
// anything but regular files (and links to them) are never listed; hidden files only on request.

#include "core/system/filedetails.h"
#include "core/system/filepattern.h"
#include "core/system/folderstamp.h"
#include "core/system/workers.h"
#include "core/toolkit/control.h"
#include "core/toolkit/filecolumns.h"
#include "core/toolkit/rowedit.h"

#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
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

    /// Whether the list shows the columns Size and Modified beside the names. Their values are
    /// read on a worker only for the rows on screen (see setVisibleRows) and fill in as they
    /// arrive; off, the list is the names alone in name order.
    bool Details() const { return m_details; }
    void setDetails(bool on);
    /// The rows the window shows now, `last` included; their details are read when missing. A
    /// read of rows no longer shown is stopped, and only one read per folder runs at a time, so
    /// a folder that does not answer holds one worker, never the window.
    void setVisibleRows(int first, int last);
    /// The order of the details view: by a column, again by the same column reversed. Sorting by
    /// size or time waits, in name order, until every shown file's details are in.
    FileColumns::Column SortColumn() const { return m_sortColumn; }
    bool SortDescending() const { return m_sortDescending; }
    void sortBy(FileColumns::Column column);
    /// The texts of entry `index`'s columns in the language set; empty while not read, and for
    /// a size that is no file's.
    QString SizeText(int index) const;
    QString ModifiedText(int index) const;
    QString ColumnCaption(FileColumns::Column column) const
    {
        return FileColumns::Caption(column, m_swedish);
    }
    void setSwedish(bool swedish);

    /// Renaming a row in place.
    RowEdit NameEdit;

    std::function<void()> Click;
    std::function<void()> DblClick;
    void RaiseDblClick() { raise(DblClick); }

signals:
    void itemsChanged();
    void listIndexChanged();
    void selectionChanged();
    /// Texts of the details columns changed (values arrived, language), not the rows.
    void detailsChanged();

private:
    void showListing(std::unique_ptr<FileListing> listing);
    bool reread();
    void sortWhenIdle();
    void watchRead(std::shared_ptr<FolderRead> read, bool refreshing);
    void readNews();
    void stopWatching();
    int shownRow(int index) const { return m_rows.empty() ? index : m_rows[static_cast<size_t>(index)]; }
    const FileDetails* detailsOf(int index) const;
    bool everyRowRead() const;
    void arrangeRows(bool keepSelection);
    void readDetails();
    void detailsNews();
    void forgetDetails();

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

    // The details view.
    struct NameHash
    {
        using is_transparent = void;
        size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
    };
    bool m_details = false;
    bool m_swedish = false;
    FileColumns::Column m_sortColumn = FileColumns::Column::Name;
    bool m_sortDescending = false;
    std::vector<int> m_rows; // the listing's shown row at each index; empty: the listing's order
    int m_firstVisible = 0;
    int m_lastVisible = -1;
    std::unordered_map<std::string, FileDetails, NameHash, std::equal_to<>> m_known;
    std::shared_ptr<FileDetailsRead> m_detailsRead; // the one read of this folder's details
    WorkerJob::Watch m_detailsWatch;
    int m_readFirst = 0; // the rows m_detailsRead was started for
    int m_readLast = -1;
    bool m_readAll = false; // for a sort, every row
};

#pragma once
// The folder tree: the open folder with its ancestors above it and its subfolders below it.
// Index -1 is the open folder, -2 its parent, -3 the grandparent and so on up to the root;
// 0 .. ListCount-1 are the subfolders, hidden ones left out unless asked, in case-insensitive order. Indexes
// are plain ints: a folder with a hundred thousand subfolders shows every one of them.

#include "core/system/workers.h"
#include "core/toolkit/control.h"
#include "core/toolkit/rowedit.h"

#include <QStringList>
#include <memory>

class FileList;
class FileListing;
class FolderRead;

class FolderList : public Control
{
    Q_OBJECT

public:
    FolderList(Form& form, const QString& name);
    ~FolderList() override;

    /// The open folder: absolute, never ending in "/" except the root.
    const QString& Path() const { return m_path; }
    /// Opens a folder and runs Change when it differs from the open one. A trailing "/" names
    /// the same folder. Throws RunTimeError (76, 75, 68, 5) when the folder cannot be shown,
    /// leaving the list as it was. A folder that does not answer within the short wait is opened
    /// at once without subfolders, which come when its read ends (Reading() until then); a read
    /// that fails then leaves it empty.
    void setPath(const QString& path);
    /// Whether the subfolders of the open folder are still being read. They show in batches as
    /// they come, sorted each time.
    bool Reading() const { return m_read != nullptr; }
    /// What the tree says below the subfolders: NotAnsweringNote while a read has brought
    /// nothing for a while, else empty.
    QString Note() const { return m_silent ? NotAnsweringNote : QString(); }
    /// Says that a folder does not answer, in the form's language.
    QString NotAnsweringNote;
    /// The last folder opened whose read did not fail: where a late failure goes back to.
    const QString& LastRead() const { return m_lastRead; }
    /// Drops the read still running: the list stays as it is.
    void StopReading();

    /// Full path of an entry; List(-1) is Path, List(-2) the parent; empty outside the list.
    QString List(int index) const;
    /// Number of subfolders.
    int ListCount() const;
    /// Number of entries above the subfolders: the open folder and its ancestors.
    int AncestorCount() const { return static_cast<int>(m_ancestors.size()); }

    /// The highlighted entry; moving it does not change Path.
    int ListIndex() const { return m_listIndex; }
    void setListIndex(int index);

    /// Re-reads the subfolders of the open folder from disk. When the folder can no longer be
    /// read the list stays as it was; the next setPath reports the failure. A slow disk shows
    /// the new list when its read ends.
    void Refresh();

    /// Whether subfolders starting with "." are listed; setting it reads the folder again.
    bool ShowHidden() const { return m_showHidden; }
    void setShowHidden(bool show);

    /// The absolute form of a folder path as Path shows it: resolved against `base` (the
    /// working folder when empty), "." and ".." and repeated or trailing "/" removed. ".." is
    /// taken by name, as the tree shows it, not through links.
    static QString AbsolutePath(const QString& path, const QString& base);

    /// The file list that shows the open folder's files: a folder change reads the folder once
    /// and hands its files over before Change runs.
    void feedFiles(FileList* files) { m_files = files; }

    std::function<void()> Change;
    /// Renaming a row in place.
    RowEdit NameEdit;

    std::function<void()> Click;
    /// A read that outlasted the short wait failed (the error number setPath would have thrown);
    /// Path is still the folder that could not be read.
    std::function<void(int16_t errorNumber)> ReadFailed;

signals:
    void itemsChanged();
    void listIndexChanged();

private:
    void show(const QString& folder, std::unique_ptr<FileListing> subfolders);
    void showRefreshed(std::unique_ptr<FileListing> listing);
    void readNews();
    void watchRead(std::shared_ptr<FolderRead> read, bool refreshing);

    QString m_path;
    QStringList m_ancestors;                   // root first, the open folder last
    std::unique_ptr<FileListing> m_subfolders; // names only, sorted
    int m_listIndex = -1;
    FileList* m_files = nullptr;
    std::shared_ptr<FolderRead> m_read; // the read the list waits for
    WorkerJob::Watch m_readWatch;
    bool m_refreshing = false; // the read replaces a list already shown
    size_t m_taken = 0;        // subfolders of the read already in the list
    bool m_silent = false;     // the read brought nothing within the time
    QString m_lastRead;
    // Lets a timer started for a read find out whether the list still exists.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
    bool m_showHidden = false;
};

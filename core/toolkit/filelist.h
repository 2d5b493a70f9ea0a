#pragma once
// The files of one folder that match a pattern, in case-insensitive name order. Hidden files,
// folders and anything but regular files (and links to them) are never listed.

#include "core/system/filepattern.h"
#include "core/system/folderstamp.h"
#include "core/toolkit/control.h"

#include <QString>
#include <memory>

class FileListing;

class FileList : public Control
{
    Q_OBJECT

public:
    FileList(Form& form, const QString& name);
    ~FileList() override;

    const QString& Path() const { return m_path; }
    /// Reads a folder (again, when it is the one listed) and lists its files through the
    /// pattern. Throws RunTimeError when it cannot be read, leaving the list as it was.
    void setPath(const QString& path);

    /// "*" and "?" wildcards, case-insensitive, ";" between patterns; "*.*" matches every name.
    /// Setting it filters the files read by the last setPath or Refresh again, going back to
    /// the disk only when the folder has changed since (FolderStamp).
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

    int ListIndex() const { return m_listIndex; }
    void setListIndex(int index);

    /// Re-reads the folder from disk. When it can no longer be read the list stays as it was.
    void Refresh();

    /// Hands over the files of a folder that the folder tree has just read, so that a folder
    /// change reads the disk once: the next setPath of that folder takes them instead of
    /// reading again. An empty folder withdraws the offer.
    void offerListing(const QString& folder, std::unique_ptr<FileListing> files);

    std::function<void()> Click;
    std::function<void()> DblClick;
    void RaiseDblClick() { raise(DblClick); }

signals:
    void itemsChanged();
    void listIndexChanged();

private:
    void showListing(std::unique_ptr<FileListing> listing);
    bool reread();
    void sortWhenIdle();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    FilePattern m_filePattern{m_pattern};
    std::unique_ptr<FileListing> m_listing;
    FolderStamp m_stamp;
    QString m_offeredFolder;
    std::unique_ptr<FileListing> m_offered;
    int m_listIndex = -1;
};

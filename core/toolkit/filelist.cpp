// The file list model: one FileListing per read of the folder, filtered again on every change
// of the pattern.

#include "core/toolkit/filelist.h"

#include "core/system/filelisting.h"
#include "core/system/folderstamp.h"
#include "core/system/runtimeerror.h"
#include "core/toolkit/folderlist.h"

#include <QCoreApplication>
#include <QTimer>

FileList::FileList(Form& form, const QString& name) : Control(form, name) {}

FileList::~FileList() = default;

void FileList::setPath(const QString& path)
{
    if (path.isEmpty())
        throw RunTimeError(ErrNo::PathNotFound, path);
    if (path.contains(QChar(0)))
        throw RunTimeError(ErrNo::InvalidArgument, path);
    const QString folder = FolderList::AbsolutePath(path, m_path);
    FolderStamp stamp = FolderStamp::Take(folder);
    std::unique_ptr<FileListing> listing;
    if (m_offered && folder == m_offeredFolder)
        listing = std::move(m_offered);
    else
        listing = std::make_unique<FileListing>(folder, FileListing::Kind::Files);
    offerListing({}, nullptr);
    m_path = folder;
    m_stamp = stamp;
    showListing(std::move(listing));
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    m_filePattern = FilePattern(pattern);
    // Filtering the names in memory is fast, but the list must show what is on disk now.
    if (m_listing && m_stamp.Changed(m_path) && reread())
        return;
    if (m_listing)
        m_listing->filter(m_filePattern);
    m_listIndex = -1;
    emit itemsChanged();
}

void FileList::offerListing(const QString& folder, std::unique_ptr<FileListing> files)
{
    m_offeredFolder = folder;
    m_offered = std::move(files);
}

void FileList::Refresh()
{
    if (!m_path.isEmpty())
        reread();
}

bool FileList::reread()
{
    try {
        FolderStamp stamp = FolderStamp::Take(m_path);
        showListing(std::make_unique<FileListing>(m_path, FileListing::Kind::Files));
        m_stamp = stamp;
        return true;
    } catch (const RunTimeError&) {
        // The folder has gone or become unreadable: the old list is the best we have.
        return false;
    }
}

void FileList::showListing(std::unique_ptr<FileListing> listing)
{
    m_listing = std::move(listing);
    m_listing->filter(m_filePattern);
    m_listIndex = -1;
    emit itemsChanged();
    sortWhenIdle();
}

void FileList::sortWhenIdle()
{
    // A filtered listing sorted only its matches, and a full one only its order; the next
    // keystroke would pay for the rest. Once the list is on screen, sort and lay the names out
    // while the user reads them.
    if (m_listing->isLaidOut() || QCoreApplication::instance() == nullptr)
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_listing)
            m_listing->layOutSorted();
    });
}

QString FileList::List(int index) const
{
    if (!m_listing || index < 0 || index >= m_listing->shownCount())
        return {};
    return m_listing->shownText(index);
}

int FileList::ListCount() const
{
    return m_listing ? m_listing->shownCount() : 0;
}

int FileList::TotalCount() const
{
    return m_listing ? m_listing->count() : 0;
}

int FileList::IndexOf(const QString& name) const
{
    if (!m_listing || name.isEmpty())
        return -1;
    // Compared as bytes, so that finding one name never decodes the whole list.
    const QByteArray bytes = name.toUtf8();
    const std::string_view wanted(bytes.constData(), size_t(bytes.size()));
    for (int row = 0; row < m_listing->shownCount(); ++row)
        if (m_listing->shownName(row) == wanted)
            return row;
    for (int row = 0; row < m_listing->shownCount(); ++row)
        if (m_listing->shownText(row) == name) // a name that is not UTF-8 on disk
            return row;
    return -1;
}

void FileList::setListIndex(int index)
{
    m_listIndex = (index >= 0 && index < ListCount()) ? index : -1;
    emit listIndexChanged();
    raise(Click);
}

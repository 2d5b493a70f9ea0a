// The file list model: one FileListing per read of the folder, filtered again on every change
// of the pattern.

#include "platform/filelist.h"

#include "platform/filelisting.h"
#include "platform/folderlist.h"
#include "platform/runtimeerror.h"

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
    std::unique_ptr<FileListing> listing;
    if (m_offered && folder == m_offeredFolder)
        listing = std::move(m_offered);
    else
        listing = std::make_unique<FileListing>(folder, FileListing::Kind::Files);
    offerListing({}, nullptr);
    m_path = folder;
    showListing(std::move(listing));
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    m_filePattern = FilePattern(pattern);
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
    if (m_path.isEmpty())
        return;
    try {
        showListing(std::make_unique<FileListing>(m_path, FileListing::Kind::Files));
    } catch (const RunTimeError&) {
        // The folder has gone or become unreadable: the old list is the best we have.
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
    // A filtered listing sorted only its matches; the next keystroke would pay for sorting
    // everything. Once the matches are on screen, sort the rest while the user reads them.
    if (m_listing->isSorted() || QCoreApplication::instance() == nullptr)
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_listing)
            m_listing->sortAll();
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

int FileList::ListedCount() const
{
    return m_listing ? m_listing->count() : 0;
}

void FileList::setListIndex(int index)
{
    m_listIndex = (index >= 0 && index < ListCount()) ? index : -1;
    emit listIndexChanged();
    raise(Click);
}

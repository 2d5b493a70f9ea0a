// The file list model: one FileListing per read of the folder, filtered again on every change
// of the pattern.

#include "core/toolkit/filelist.h"

#include "core/system/filelisting.h"
#include "core/system/folderread.h"
#include "core/system/folderstamp.h"
#include "core/system/host.h"
#include "core/system/runtimeerror.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

FileList::FileList(Form& form, const QString& name) : Control(form, name) {}

FileList::~FileList() = default;

void FileList::setPath(const QString& path)
{
    if (path.isEmpty())
        throw RunTimeError(ErrNo::PathNotFound, path);
    if (path.contains(QChar(0)))
        throw RunTimeError(ErrNo::InvalidArgument, path);
    const QString folder = FolderList::AbsolutePath(path, m_path);
    Workers& workers = Parent().host().workers();
    std::shared_ptr<FolderRead> read =
        m_offered && m_offered->folder() == folder && m_offered->withHidden() == m_showHidden
            ? m_offered
            : FolderRead::Start(workers, folder, m_showHidden);
    offerRead(nullptr);
    if (!workers.wait(*read, Workers::ShortWaitMilliseconds)) {
        stopWatching();
        m_path = folder;
        m_stamp = {};
        ++m_readNumber;
        m_state = ReadState::Reading;
        watchRead(read, false);
        showListing(FileListing::Empty());
        return;
    }
    std::unique_ptr<FileListing> listing = read->takeFiles();
    stopWatching();
    m_state = ReadState::Done;
    m_path = folder;
    m_stamp = read->stamp();
    showListing(std::move(listing));
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    m_filePattern = FilePattern(pattern);
    // Filtering the names in memory is fast, but the list must show what is on disk now; a disk
    // too slow to tell counts as unchanged.
    if (m_listing && m_state == ReadState::Done && !m_read && m_stampChecked != m_path) {
        Host& host = Parent().host();
        const bool changed =
            host.workers()
                .ask<bool>(QStringLiteral("stamp:") + m_path,
                           [stamp = m_stamp, folder = m_path] { return stamp.Changed(folder); })
                .value_or(false);
        // A worker per keystroke would cost more than the filtering itself.
        m_stampChecked = m_path;
        host.StartTimer(StampCheckMilliseconds, [this, alive = std::weak_ptr<int>(m_alive)] {
            if (!alive.expired())
                m_stampChecked.clear();
        });
        if (changed && reread())
            return;
    }
    if (m_listing)
        m_listing->filter(m_filePattern);
    m_listIndex = -1;
    dropSelection();
    emit itemsChanged();
}

void FileList::offerRead(std::shared_ptr<FolderRead> read)
{
    m_offered = std::move(read);
}

void FileList::Refresh()
{
    if (!m_path.isEmpty() && m_state != ReadState::Reading)
        reread();
}

void FileList::setShowHidden(bool show)
{
    if (show == m_showHidden)
        return;
    m_showHidden = show;
    // A read still running has the other kind of names: start over.
    if (m_state == ReadState::Reading && !m_path.isEmpty()) {
        const QString folder = m_path;
        m_path.clear();
        setPath(folder);
        return;
    }
    Refresh();
}

bool FileList::reread()
{
    Workers& workers = Parent().host().workers();
    std::shared_ptr<FolderRead> read = FolderRead::Start(workers, m_path, m_showHidden);
    if (!workers.wait(*read, Workers::ShortWaitMilliseconds)) {
        // The list stays as it is until the new one is read.
        stopWatching();
        watchRead(read, true);
        return false;
    }
    try {
        std::unique_ptr<FileListing> listing = read->takeFiles();
        stopWatching();
        m_state = ReadState::Done;
        m_stamp = read->stamp();
        showListing(std::move(listing));
        return true;
    } catch (const RunTimeError&) {
        // The folder has gone or become unreadable: the old list is the best we have.
        return false;
    }
}

void FileList::watchRead(std::shared_ptr<FolderRead> read, bool refreshing)
{
    m_read = std::move(read);
    m_refreshing = refreshing;
    m_taken = 0;
    m_readWatch = m_read->watch([this] { readNews(); });
}

void FileList::stopWatching()
{
    m_readWatch.reset();
    m_read.reset();
    m_refreshing = false;
}

void FileList::StopReading()
{
    const bool reading = m_state == ReadState::Reading;
    stopWatching();
    if (!reading)
        return;
    m_state = ReadState::Stopped;
    emit itemsChanged();
}

void FileList::readNews()
{
    if (!m_read->ended()) {
        if (m_refreshing)
            return;
        std::vector<std::string> names = m_read->filesFrom(m_taken);
        if (names.empty())
            return;
        m_taken += names.size();
        // The names that came so far, filtered as they come; the selection stays on its file.
        const QString selected = List(m_listIndex);
        m_listing->append(names);
        m_listing->filter(m_filePattern);
        m_listIndex = IndexOf(selected);
        dropSelection();
        emit itemsChanged();
        emit listIndexChanged();
        return;
    }
    const std::shared_ptr<FolderRead> read = m_read;
    const bool refreshing = m_refreshing;
    stopWatching();
    try {
        std::unique_ptr<FileListing> listing = read->takeFiles();
        m_stamp = read->stamp();
        m_state = ReadState::Done;
        showListing(std::move(listing));
    } catch (const RunTimeError&) {
        if (refreshing)
            return;
        m_state = ReadState::Failed;
        emit itemsChanged();
    }
}

void FileList::showListing(std::unique_ptr<FileListing> listing)
{
    m_listing = std::move(listing);
    m_listing->filter(m_filePattern);
    m_listIndex = -1;
    dropSelection();
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
    dropSelection();
    m_anchor = m_listIndex;
    emit listIndexChanged();
    emit selectionChanged();
    raise(Click);
}

bool FileList::Selected(int index) const
{
    if (m_selection.empty())
        return index >= 0 && index == m_listIndex;
    return std::binary_search(m_selection.begin(), m_selection.end(), index);
}

std::vector<int> FileList::SelectedIndexes() const
{
    if (m_selection.empty())
        return m_listIndex >= 0 ? std::vector<int>{m_listIndex} : std::vector<int>();
    return m_selection;
}

void FileList::toggleSelected(int index)
{
    if (index < 0 || index >= ListCount())
        return;
    std::vector<int> selection = SelectedIndexes();
    const auto at = std::lower_bound(selection.begin(), selection.end(), index);
    if (at != selection.end() && *at == index)
        selection.erase(at);
    else
        selection.insert(at, index);
    // Nothing left selected is no current entry either.
    m_listIndex = selection.empty() ? -1 : index;
    m_anchor = index;
    m_selection = std::move(selection);
    emit listIndexChanged();
    emit selectionChanged();
    raise(Click);
}

void FileList::selectRangeTo(int index)
{
    if (index < 0 || index >= ListCount())
        return;
    const int anchor = m_anchor >= 0 && m_anchor < ListCount() ? m_anchor : index;
    m_selection.clear();
    for (int i = std::min(anchor, index); i <= std::max(anchor, index); ++i)
        m_selection.push_back(i);
    m_anchor = anchor;
    m_listIndex = index;
    emit listIndexChanged();
    emit selectionChanged();
    raise(Click);
}

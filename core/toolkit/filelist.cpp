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
#include <limits>
#include <numeric>

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
    arrangeRows(false);
    emit itemsChanged();
    readDetails();
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
        arrangeRows(false);
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
    // Details read before are of another folder, or older than this read.
    forgetDetails();
    arrangeRows(false);
    emit itemsChanged();
    sortWhenIdle();
    readDetails();
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
    return m_listing->shownText(shownRow(index));
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
        if (m_listing->shownName(shownRow(row)) == wanted)
            return row;
    for (int row = 0; row < m_listing->shownCount(); ++row)
        if (m_listing->shownText(shownRow(row)) == name) // a name that is not UTF-8 on disk
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

void FileList::setDetails(bool on)
{
    if (on == m_details)
        return;
    m_details = on;
    if (!on)
        forgetDetails();
    arrangeRows(true);
    emit itemsChanged();
    emit listIndexChanged();
    emit selectionChanged();
    readDetails();
}

void FileList::sortBy(FileColumns::Column column)
{
    m_sortDescending = column == m_sortColumn && !m_sortDescending;
    m_sortColumn = column;
    arrangeRows(true);
    emit itemsChanged();
    emit listIndexChanged();
    emit selectionChanged();
    readDetails();
}

void FileList::setSwedish(bool swedish)
{
    if (swedish == m_swedish)
        return;
    m_swedish = swedish;
    emit detailsChanged();
}

void FileList::setVisibleRows(int first, int last)
{
    m_firstVisible = first;
    m_lastVisible = last;
    readDetails();
}

const FileDetails* FileList::detailsOf(int index) const
{
    if (!m_listing || index < 0 || index >= ListCount())
        return nullptr;
    const auto found = m_known.find(m_listing->shownName(shownRow(index)));
    return found == m_known.end() ? nullptr : &found->second;
}

QString FileList::SizeText(int index) const
{
    const FileDetails* details = detailsOf(index);
    if (!details || details->kind != FileDetails::Kind::File)
        return {};
    return FileColumns::SizeText(details->size, m_swedish);
}

QString FileList::ModifiedText(int index) const
{
    const FileDetails* details = detailsOf(index);
    if (!details || details->kind == FileDetails::Kind::Gone)
        return {};
    return FileColumns::ModifiedText(details->modified, m_swedish);
}

bool FileList::everyRowRead() const
{
    for (int row = 0; row < m_listing->shownCount(); ++row)
        if (!m_known.contains(m_listing->shownName(row)))
            return false;
    return true;
}

void FileList::arrangeRows(bool keepSelection)
{
    // The selection by the listing's rows, to find it again in the new order.
    std::vector<int> selected;
    int current = -1;
    int anchor = -1;
    if (keepSelection) {
        for (int index : SelectedIndexes())
            selected.push_back(shownRow(index));
        current = m_listIndex >= 0 ? shownRow(m_listIndex) : -1;
        anchor = m_anchor >= 0 && m_anchor < ListCount() ? shownRow(m_anchor) : -1;
    }
    m_rows.clear();
    const int count = m_listing ? m_listing->shownCount() : 0;
    const bool byName = m_sortColumn == FileColumns::Column::Name;
    if (m_details && count > 1 && (m_sortDescending || !byName) && (byName || everyRowRead())) {
        m_rows.resize(static_cast<size_t>(count));
        std::iota(m_rows.begin(), m_rows.end(), 0);
        if (!byName) {
            // What is no file's size, or has no time, comes first; equal ones stay in name order.
            std::vector<int64_t> keys(m_rows.size());
            for (int row = 0; row < count; ++row) {
                const FileDetails& details = m_known.find(m_listing->shownName(row))->second;
                const bool sized = details.kind == FileDetails::Kind::File;
                const bool dated = details.kind != FileDetails::Kind::Gone;
                keys[static_cast<size_t>(row)] =
                    m_sortColumn == FileColumns::Column::Size
                        ? (sized ? static_cast<int64_t>(
                                       std::min<uint64_t>(details.size, std::numeric_limits<int64_t>::max()))
                                 : -1)
                        : (dated ? details.modified : std::numeric_limits<int64_t>::min());
            }
            std::stable_sort(m_rows.begin(), m_rows.end(),
                             [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
        }
        if (m_sortDescending)
            std::reverse(m_rows.begin(), m_rows.end());
    }
    if (!keepSelection)
        return;
    std::vector<int> indexOfRow(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        indexOfRow[static_cast<size_t>(shownRow(index))] = index;
    const auto indexOf = [&](int row) { return row >= 0 && row < count ? indexOfRow[size_t(row)] : -1; };
    m_listIndex = indexOf(current);
    m_anchor = indexOf(anchor);
    m_selection.clear();
    if (selected.size() > 1) {
        for (int row : selected)
            m_selection.push_back(indexOf(row));
        std::sort(m_selection.begin(), m_selection.end());
    }
}

void FileList::readDetails()
{
    if (!m_details || !m_listing || m_path.isEmpty())
        return;
    const int count = ListCount();
    const int first = std::clamp(m_firstVisible, 0, count);
    const int last = std::min(m_lastVisible, count - 1);
    const bool forSort = m_sortColumn != FileColumns::Column::Name && m_rows.empty();
    if (m_detailsRead) {
        // One read at a time: a read of rows scrolled away stops, and its news bring the next.
        const bool shown = first <= last && m_readFirst <= last && first <= m_readLast;
        if (!(m_readAll ? forSort : shown))
            m_detailsRead->stop();
        return;
    }
    std::vector<std::string> names;
    const auto ask = [&](int index) {
        const std::string_view name = m_listing->shownName(shownRow(index));
        if (!m_known.contains(name))
            names.emplace_back(name);
    };
    for (int index = first; index <= last; ++index)
        ask(index);
    if (forSort) {
        for (int index = 0; index < count; ++index)
            if (index < first || index > last)
                ask(index);
    }
    if (names.empty())
        return;
    Workers& workers = Parent().host().workers();
    // A read of this folder from an earlier visit that is still stuck is waited for, not doubled.
    std::shared_ptr<FileDetailsRead> read = workers.running<FileDetailsRead>(FileDetailsRead::KeyOf(m_path));
    const bool stuck = read != nullptr;
    if (!stuck)
        read = std::make_shared<FileDetailsRead>(m_path, std::move(names));
    m_detailsRead = read;
    m_readFirst = stuck ? 0 : first;
    m_readLast = stuck ? -1 : last;
    m_readAll = !stuck && forSort;
    m_detailsWatch = read->watch([this] { detailsNews(); });
    if (stuck)
        read->stop();
    else
        workers.start(read);
    // Workers that ran it at once bring no news.
    if (read->ended())
        detailsNews();
}

void FileList::detailsNews()
{
    if (!m_detailsRead)
        return;
    const std::shared_ptr<FileDetailsRead> read = m_detailsRead;
    // Ended first: what was read before the end is all handed over by then.
    const bool ended = read->ended();
    std::vector<std::pair<std::string, FileDetails>> arrived = read->takeRead();
    if (ended) {
        m_detailsWatch.reset();
        m_detailsRead.reset();
    }
    if (read->folder() == m_path) {
        for (auto& [name, details] : arrived)
            m_known.insert_or_assign(std::move(name), details);
    }
    if (!arrived.empty()) {
        if (m_details && m_sortColumn != FileColumns::Column::Name && m_rows.empty() && everyRowRead()) {
            arrangeRows(true);
            emit itemsChanged();
            emit listIndexChanged();
            emit selectionChanged();
        } else {
            emit detailsChanged();
        }
    }
    if (ended)
        readDetails();
}

void FileList::forgetDetails()
{
    m_known.clear();
    if (m_detailsRead)
        m_detailsRead->stop();
    m_detailsWatch.reset();
    m_detailsRead.reset();
}

// The folder tree model: reads the subfolders of the open folder and derives its ancestors from
// the path itself.

#include "core/toolkit/folderlist.h"

#include "core/system/filelisting.h"
#include "core/system/filename.h"
#include "core/system/folderread.h"
#include "core/system/host.h"
#include "core/system/runtimeerror.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/form.h"

#include <QDir>
#include <string>

namespace {

QString childPath(const QString& folder, const QString& name)
{
    if (folder == QLatin1String("/"))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

FolderList::FolderList(Form& form, const QString& name) : Control(form, name) {}

FolderList::~FolderList() = default;

QString FolderList::AbsolutePath(const QString& path, const QString& base)
{
    QString full = path;
    if (!path.startsWith(QLatin1Char('/')))
        full = (base.isEmpty() ? QDir::currentPath() : base) + QLatin1Char('/') + path;
    QStringList parts;
    for (const QString& part : full.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

void FolderList::setPath(const QString& path)
{
    if (path.isEmpty())
        throw RunTimeError(ErrNo::PathNotFound, path);
    if (path.contains(QChar(0)))
        throw RunTimeError(ErrNo::InvalidArgument, path);
    const QString folder = AbsolutePath(path, m_path);
    if (folder == m_path)
        return;
    Workers& workers = Parent().host().workers();
    std::shared_ptr<FolderRead> read = FolderRead::Start(workers, folder, m_showHidden);
    std::unique_ptr<FileListing> subfolders;
    if (workers.wait(*read, Workers::ShortWaitMilliseconds)) {
        // Read first: a folder that cannot be shown leaves everything as it was.
        subfolders = read->takeFolders();
        subfolders->sort();
        StopReading();
        m_lastRead = folder;
    } else {
        // A slow disk: the tree follows the user at once and fills in as the names come.
        watchRead(read, false);
        subfolders = FileListing::Empty();
    }
    show(folder, std::move(subfolders));
    if (m_files)
        m_files->offerRead(read);
    raise(Change);
    // Only the change handler's own setPath may take it: a later one reads the disk again.
    if (m_files)
        m_files->offerRead(nullptr);
}

void FolderList::show(const QString& folder, std::unique_ptr<FileListing> subfolders)
{
    m_path = folder;
    m_ancestors = QStringList{QStringLiteral("/")};
    for (qsizetype slash = folder.indexOf(QLatin1Char('/'), 1); slash > 0;
         slash = folder.indexOf(QLatin1Char('/'), slash + 1))
        m_ancestors.append(folder.left(slash));
    if (folder != QLatin1String("/"))
        m_ancestors.append(folder);
    m_subfolders = std::move(subfolders);
    m_listIndex = -1;
    if (!Reading())
        m_silent = false;
    emit itemsChanged();
    emit listIndexChanged();
}

void FolderList::StopReading()
{
    // No itemsChanged here: it would have the folder watched, and a folder that does not answer
    // would hold the window up in the lookup. A note stays true for the folder it is about.
    m_readWatch.reset();
    m_read.reset();
    m_refreshing = false;
}

void FolderList::watchRead(std::shared_ptr<FolderRead> read, bool refreshing)
{
    StopReading();
    m_silent = false;
    m_read = std::move(read);
    m_refreshing = refreshing;
    m_taken = 0;
    m_readWatch = m_read->watch([this] { readNews(); });
    Parent().host().StartTimer(Workers::NoAnswerMilliseconds,
                               [this, alive = std::weak_ptr<int>(m_alive), read = std::weak_ptr(m_read)] {
                                   const std::shared_ptr<FolderRead> waited = read.lock();
                                   if (alive.expired() || !waited || waited != m_read || m_taken > 0)
                                       return;
                                   m_silent = true;
                                   emit itemsChanged();
                               });
}

void FolderList::readNews()
{
    if (!m_read->ended()) {
        if (m_refreshing)
            return;
        std::vector<std::string> names = m_read->foldersFrom(m_taken);
        if (names.empty())
            return;
        // The subfolders that came so far; the highlight stays on its folder.
        m_taken += names.size();
        m_silent = false;
        const QString highlighted = m_listIndex >= 0 ? List(m_listIndex) : QString();
        m_subfolders->append(names);
        m_subfolders->sort();
        m_listIndex = -1;
        for (int i = 0; !highlighted.isEmpty() && i < ListCount(); ++i)
            if (List(i) == highlighted)
                m_listIndex = i;
        emit itemsChanged();
        emit listIndexChanged();
        return;
    }
    const std::shared_ptr<FolderRead> read = std::move(m_read);
    const bool refreshing = m_refreshing;
    StopReading();
    m_silent = false;
    std::unique_ptr<FileListing> listing;
    try {
        listing = read->takeFolders();
        listing->sort();
    } catch (const RunTimeError& failure) {
        // Gone or unreadable by now: a refresh keeps the list it had, an open says so.
        emit itemsChanged();
        if (!refreshing && ReadFailed)
            ReadFailed(failure.Number());
        return;
    }
    if (refreshing) {
        showRefreshed(std::move(listing));
        return;
    }
    m_lastRead = m_path;
    showRefreshed(std::move(listing));
}

int FolderList::ListCount() const
{
    return m_subfolders ? m_subfolders->count() : 0;
}

QString FolderList::List(int index) const
{
    if (index >= 0) {
        if (index >= ListCount())
            return {};
        return childPath(m_path, FileNameFromBytes(m_subfolders->name(index)));
    }
    const qsizetype fromEnd = -qsizetype(index);
    return fromEnd <= m_ancestors.size() ? m_ancestors.at(m_ancestors.size() - fromEnd) : QString();
}

void FolderList::setListIndex(int index)
{
    m_listIndex = (index >= -AncestorCount() && index < ListCount()) ? index : -1;
    emit listIndexChanged();
    raise(Click);
}

void FolderList::Refresh()
{
    if (m_path.isEmpty() || Reading())
        return;
    Workers& workers = Parent().host().workers();
    std::shared_ptr<FolderRead> read = FolderRead::Start(workers, m_path, m_showHidden);
    if (!workers.wait(*read, Workers::ShortWaitMilliseconds)) {
        watchRead(read, true);
        return;
    }
    try {
        auto listing = read->takeFolders();
        listing->sort();
        showRefreshed(std::move(listing));
    } catch (const RunTimeError&) {
        // The open folder has gone or become unreadable: the old list is the best we have.
    }
}

void FolderList::setShowHidden(bool show)
{
    if (show == m_showHidden)
        return;
    m_showHidden = show;
    // A read still running has the other kind of names.
    StopReading();
    Refresh();
}

void FolderList::showRefreshed(std::unique_ptr<FileListing> listing)
{
    const std::string highlighted =
        m_listIndex >= 0 ? std::string(m_subfolders->name(m_listIndex)) : std::string();
    // The highlight stays on the subfolder it was on while that one is still there.
    if (m_listIndex >= 0) {
        m_listIndex = -1;
        for (int i = 0; i < listing->count(); ++i) {
            if (listing->name(i) == highlighted) {
                m_listIndex = i;
                break;
            }
        }
    }
    m_subfolders = std::move(listing);
    emit itemsChanged();
    emit listIndexChanged();
}

// The folder tree model: reads the subfolders of the open folder and derives its ancestors from
// the path itself.

#include "platform/folderlist.h"

#include "platform/filelisting.h"
#include "platform/runtimeerror.h"

#include <QDir>
#include <limits>

namespace {

// Indexes are 16-bit; a folder with more subfolders shows the first ones in sorted order.
constexpr int kMaxSubfolders = std::numeric_limits<int16_t>::max();

QString childPath(const QString& folder, const QString& name)
{
    if (folder == QLatin1String("/"))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

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
    // Read first: a folder that cannot be shown leaves everything as it was.
    const FileListing listing(folder, FileListing::Kind::Folders);

    m_path = folder;
    m_ancestors = QStringList{QStringLiteral("/")};
    for (qsizetype slash = folder.indexOf(QLatin1Char('/'), 1); slash > 0;
         slash = folder.indexOf(QLatin1Char('/'), slash + 1))
        m_ancestors.append(folder.left(slash));
    if (folder != QLatin1String("/"))
        m_ancestors.append(folder);
    show(listing);
    m_listIndex = -1;
    emit itemsChanged();
    emit listIndexChanged();
    raise(Change);
}

void FolderList::show(const FileListing& listing)
{
    m_subfolders.clear();
    const int count = std::min(listing.count(), kMaxSubfolders);
    m_subfolders.reserve(count);
    for (int i = 0; i < count; ++i)
        m_subfolders.append(FileListing::decodeName(listing.name(i)));
}

QString FolderList::List(int16_t index) const
{
    if (index >= 0)
        return index < ListCount() ? childPath(m_path, m_subfolders.at(index)) : QString();
    const qsizetype fromEnd = -qsizetype(index);
    return fromEnd <= m_ancestors.size() ? m_ancestors.at(m_ancestors.size() - fromEnd) : QString();
}

void FolderList::setListIndex(int16_t index)
{
    m_listIndex = (index >= -AncestorCount() && index < ListCount()) ? index : int16_t(-1);
    emit listIndexChanged();
    raise(Click);
}

void FolderList::Refresh()
{
    if (m_path.isEmpty())
        return;
    try {
        const FileListing listing(m_path, FileListing::Kind::Folders);
        const QString highlighted = m_listIndex >= 0 ? m_subfolders.at(m_listIndex) : QString();
        show(listing);
        // The highlight stays on the subfolder it was on while that one is still there.
        if (m_listIndex >= 0) {
            const qsizetype at = m_subfolders.indexOf(highlighted);
            m_listIndex = static_cast<int16_t>(at);
        }
        emit itemsChanged();
        emit listIndexChanged();
    } catch (const RunTimeError&) {
        // The open folder has gone or become unreadable: the old list is the best we have.
    }
}

// Icons for the rows of the file and folder lists.

#include "shell/widgets/fileicons.h"

#include <QApplication>

void FileIcons::loadStandardIcons()
{
    // The style reads its pictures from files, some milliseconds that the first paint of the
    // window need not wait for.
    if (m_loaded)
        return;
    m_loaded = true;
    const QStyle& style = m_style ? *m_style : *QApplication::style();
    m_file = style.standardIcon(QStyle::SP_FileIcon);
    m_folder = themed(QStringLiteral("folder"), style.standardIcon(QStyle::SP_DirClosedIcon));
    m_openFolder = themed(QStringLiteral("folder-open"), style.standardIcon(QStyle::SP_DirOpenIcon));
}

const QIcon& FileIcons::folder()
{
    loadStandardIcons();
    return m_folder;
}

const QIcon& FileIcons::openFolder()
{
    loadStandardIcons();
    return m_openFolder;
}

QIcon FileIcons::themed(const QString& name, const QIcon& fallback)
{
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : fallback;
}

QIcon FileIcons::forFile(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // Names without a suffix ("Makefile", "README") have types of their own; they are rare
    // enough to look up each time.
    if (dot <= 0)
        return forMimeType(m_types.mimeTypeForFile(name, QMimeDatabase::MatchExtension));
    const QString suffix = name.mid(dot);
    const auto found = m_bySuffix.constFind(suffix);
    if (found != m_bySuffix.constEnd())
        return *found;
    QIcon icon = forMimeType(m_types.mimeTypeForFile(name, QMimeDatabase::MatchExtension));
    m_bySuffix.insert(suffix, icon);
    return icon;
}

QIcon FileIcons::forMimeType(const QMimeType& type)
{
    loadStandardIcons();
    const auto found = m_byType.constFind(type.name());
    if (found != m_byType.constEnd())
        return *found;
    QIcon icon = m_file;
    for (const QString& name : {type.iconName(), type.genericIconName()}) {
        if (QIcon::hasThemeIcon(name)) {
            icon = QIcon::fromTheme(name);
            break;
        }
    }
    m_byType.insert(type.name(), icon);
    return icon;
}

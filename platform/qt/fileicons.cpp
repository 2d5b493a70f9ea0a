// File and folder icons from the icon theme, looked up by the MIME type of a name's suffix.
#include "platform/qt/fileicons.h"

#include <QStyle>

FileIcons::FileIcons(const QStyle& style)
    : m_file(style.standardIcon(QStyle::SP_FileIcon)),
      m_folder(themed(QStringLiteral("folder"), style.standardIcon(QStyle::SP_DirClosedIcon))),
      m_openFolder(themed(QStringLiteral("folder-open"), style.standardIcon(QStyle::SP_DirOpenIcon)))
{}

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
    const QIcon icon = forMimeType(m_types.mimeTypeForFile(name, QMimeDatabase::MatchExtension));
    m_bySuffix.insert(suffix, icon);
    return icon;
}

QIcon FileIcons::forMimeType(const QMimeType& type)
{
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

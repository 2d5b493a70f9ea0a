#pragma once
// The icons of files and folders from the desktop's icon theme, with the style's own pictures
// where the theme has none. A file's icon comes from the MIME type its name suggests: nothing is
// opened or examined on disk, and the type is looked up once per name suffix, so that drawing a
// list costs no more than it did with one icon for every file.

#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QPointer>
#include <QStyle>

class FileIcons
{
public:
    /// Reads no picture yet: the lists are empty when the window first paints.
    explicit FileIcons(const QStyle& style) : m_style(&style) {}

    QIcon forFile(const QString& name);
    const QIcon& folder();
    const QIcon& openFolder();

    /// The theme's icon by freedesktop name, else `fallback`.
    static QIcon themed(const QString& name, const QIcon& fallback);

private:
    QIcon forMimeType(const QMimeType& type);
    void loadStandardIcons();

    QPointer<const QStyle> m_style;
    bool m_loaded = false;
    QMimeDatabase m_types;
    QHash<QString, QIcon> m_bySuffix;
    QHash<QString, QIcon> m_byType;
    QIcon m_file;
    QIcon m_folder;
    QIcon m_openFolder;
};

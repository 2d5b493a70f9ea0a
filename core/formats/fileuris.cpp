// Composing and reading the file lists of the clipboard and of drag and drop.
#include "core/formats/fileuris.h"

#include "core/system/filename.h"

#include <QByteArrayList>

namespace FileUris {

QByteArray Url(const QString& path)
{
    return "file://" + FileNameToBytes(path).toPercentEncoding("/");
}

QString PathOf(const QByteArray& url)
{
    QByteArray rest = url.trimmed();
    if (!rest.startsWith("file:"))
        return {};
    rest = rest.mid(5);
    if (rest.startsWith("//")) {
        const qsizetype slash = rest.indexOf('/', 2);
        const QByteArray host = rest.mid(2, slash < 0 ? -1 : slash - 2);
        if (slash < 0 || !(host.isEmpty() || host == "localhost"))
            return {};
        rest = rest.mid(slash);
    }
    if (!rest.startsWith('/'))
        return {};
    const QByteArray bytes = QByteArray::fromPercentEncoding(rest);
    return FileNameFromBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
}

QByteArray ComposeUriList(const QStringList& paths)
{
    QByteArray text;
    for (const QString& path : paths)
        text += Url(path) + "\r\n";
    return text;
}

QByteArray ComposeCopiedFiles(const QStringList& paths, bool cut)
{
    QByteArray text = cut ? "cut\n" : "copy\n";
    for (const QString& path : paths)
        text += Url(path) + "\n";
    return text;
}

QStringList ReadUriList(const QByteArray& bytes)
{
    QStringList paths;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        if (const QString path = PathOf(line); !path.isEmpty())
            paths << path;
    }
    return paths;
}

QStringList ReadCopiedFiles(const QByteArray& bytes, bool& cut)
{
    const qsizetype firstEnd = bytes.indexOf('\n');
    const QByteArray action = bytes.left(firstEnd < 0 ? bytes.size() : firstEnd).trimmed();
    cut = action == "cut";
    if (!cut && action != "copy")
        return {};
    return firstEnd < 0 ? QStringList() : ReadUriList(bytes.mid(firstEnd + 1));
}

} // namespace FileUris

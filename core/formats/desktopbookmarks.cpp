// Parsers and append-only writers of the GTK bookmarks file and the KDE places file.

#include "core/formats/desktopbookmarks.h"

#include "core/formats/favofile.h"
#include "core/system/atomicfile.h"
#include "core/system/desktopfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace DesktopBookmarks {

namespace {

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

QString parentOf(const QString& folder)
{
    return QFileInfo(folder).path();
}

BookmarkFile fromRead(const RegularFileRead& read, BookmarkFile (*parse)(const QByteArray&))
{
    BookmarkFile result;
    switch (read.status) {
    case RegularFileRead::Ok:
        return parse(read.bytes);
    case RegularFileRead::Missing:
        return result;
    case RegularFileRead::NotRegular:
        result.status = BookmarkFile::NotRegular;
        return result;
    case RegularFileRead::TooLarge:
        result.status = BookmarkFile::TooLarge;
        return result;
    case RegularFileRead::Failed:
        break;
    }
    result.status = BookmarkFile::Unreadable;
    result.error = read.error;
    return result;
}

BookmarkFile readFile(const QString& path, BookmarkFile (*parse)(const QByteArray&))
{
    return fromRead(ReadRegularFile(path, MaxBytes), parse);
}

// The bookmark element of one favorite, indented as KDE writes it.
void writeXbelBookmark(QXmlStreamWriter& xml, const Bookmark& bookmark, bool atLineStart)
{
    xml.writeCharacters(atLineStart ? QStringLiteral(" ") : QStringLiteral("\n "));
    xml.writeStartElement(QStringLiteral("bookmark"));
    xml.writeAttribute(QStringLiteral("href"), QString::fromLatin1(FileUri(bookmark.path)));
    xml.writeCharacters(QStringLiteral("\n  "));
    xml.writeTextElement(QStringLiteral("title"), bookmark.title);
    if (!bookmark.filter.isEmpty()) {
        xml.writeCharacters(QStringLiteral("\n  "));
        xml.writeStartElement(QStringLiteral("info"));
        xml.writeCharacters(QStringLiteral("\n   "));
        xml.writeStartElement(QStringLiteral("metadata"));
        xml.writeAttribute(QStringLiteral("owner"), XbelOwner);
        xml.writeTextElement(QStringLiteral("filter"), bookmark.filter);
        xml.writeEndElement();
        xml.writeCharacters(QStringLiteral("\n  "));
        xml.writeEndElement();
    }
    xml.writeCharacters(QStringLiteral("\n "));
    xml.writeEndElement();
}

QString xmlError(const QXmlStreamReader& xml)
{
    return QStringLiteral("%1 (%2:%3)").arg(xml.errorString()).arg(xml.lineNumber()).arg(xml.columnNumber());
}

} // namespace

bool BookmarkFile::contains(const QString& path) const
{
    const QString clean = QDir::cleanPath(path);
    for (const Bookmark& folder : folders) {
        if (QDir::cleanPath(folder.path) == clean)
            return true;
    }
    return false;
}

QString GtkPath()
{
    return parentOf(DesktopFolders::Config()) + QStringLiteral("/gtk-3.0/bookmarks");
}

QString XbelPath()
{
    return parentOf(DesktopFolders::Data()) + QStringLiteral("/user-places.xbel");
}

std::optional<QString> LocalPath(const QByteArray& uri, bool* malformed, bool* undecodable)
{
    if (malformed)
        *malformed = false;
    if (undecodable)
        *undecodable = false;
    const QUrl url = QUrl::fromEncoded(uri, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        if (malformed)
            *malformed = true;
        return std::nullopt;
    }
    if (url.scheme() != QLatin1String("file") || url.hasQuery() || url.hasFragment() ||
        !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
        return std::nullopt;
    // QUrl would turn bytes that are not UTF-8 into replacement characters: a different path.
    const QByteArray raw = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    std::optional<QString> path = decodeUtf8(raw);
    if (!path) {
        if (undecodable)
            *undecodable = true;
        return std::nullopt;
    }
    if (!path->startsWith(u'/'))
        return std::nullopt;
    return QDir::cleanPath(*path);
}

QByteArray FileUri(const QString& path)
{
    return QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded);
}

BookmarkFile ParseGtk(const QByteArray& bytes)
{
    BookmarkFile result;
    result.status = BookmarkFile::Ok;
    result.bytes = bytes;
    for (const QByteArray& rawLine : bytes.split('\n')) {
        const QByteArray line = rawLine.endsWith('\r') ? rawLine.chopped(1) : rawLine;
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype space = line.indexOf(' ');
        const QByteArray uri = space < 0 ? line : line.left(space);
        bool malformed = false;
        bool undecodable = false;
        const std::optional<QString> path = LocalPath(uri, &malformed, &undecodable);
        if (malformed) {
            result.status = BookmarkFile::Malformed;
            result.error = QString::fromUtf8(uri.left(80));
            result.folders.clear();
            return result;
        }
        if (undecodable) {
            ++result.undecodable;
            continue;
        }
        if (!path) {
            ++result.otherEntries;
            continue;
        }
        Bookmark bookmark{*path, {}, {}};
        if (space >= 0) {
            const std::optional<QString> label = decodeUtf8(line.mid(space + 1));
            if (label)
                bookmark.title = *label;
            else
                ++result.undecodable;
        }
        result.folders.append(bookmark);
    }
    return result;
}

BookmarkFile ParseXbel(const QByteArray& bytes)
{
    BookmarkFile result;
    result.bytes = bytes;
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("xbel")) {
        result.status = BookmarkFile::Malformed;
        result.error = xml.hasError() ? xmlError(xml) : QStringLiteral("no <xbel> element");
        return result;
    }
    // A bookmark's title and our filter are its direct children; folders may nest bookmarks.
    std::optional<Bookmark> current;
    bool local = false;
    int depthInBookmark = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (current)
                ++depthInBookmark;
            if (xml.name() == QLatin1String("bookmark") && !current) {
                bool undecodable = false;
                const std::optional<QString> path =
                    LocalPath(xml.attributes().value(QLatin1String("href")).toUtf8(), nullptr, &undecodable);
                current = Bookmark{path.value_or(QString()), {}, {}};
                local = path.has_value();
                depthInBookmark = 0;
                if (undecodable)
                    ++result.undecodable;
            } else if (current && depthInBookmark == 1 && xml.name() == QLatin1String("title")) {
                current->title = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                --depthInBookmark;
            } else if (current && xml.name() == QLatin1String("metadata") &&
                       xml.attributes().value(QLatin1String("owner")) == XbelOwner) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("filter"))
                        current->filter = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    else
                        xml.skipCurrentElement();
                }
                --depthInBookmark;
            }
        } else if (xml.isEndElement() && current) {
            if (depthInBookmark-- > 0)
                continue;
            if (local)
                result.folders.append(*current);
            else
                ++result.otherEntries;
            current.reset();
        }
    }
    if (xml.hasError()) {
        result.status = BookmarkFile::Malformed;
        result.error = xmlError(xml);
        result.folders.clear();
        return result;
    }
    result.status = BookmarkFile::Ok;
    return result;
}

BookmarkFile ReadGtk(const QString& path)
{
    return readFile(path, &ParseGtk);
}

BookmarkFile ReadXbel(const QString& path)
{
    return readFile(path, &ParseXbel);
}

QByteArray AppendGtk(const QByteArray& existing, const QList<Bookmark>& added)
{
    QByteArray bytes = existing;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    for (const Bookmark& bookmark : added) {
        bytes += FileUri(bookmark.path);
        // A line break in a label would start a line of its own.
        QString label = bookmark.title;
        label.replace(u'\n', u' ').replace(u'\r', u' ');
        if (!label.isEmpty())
            bytes += ' ' + label.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

std::optional<QByteArray> AppendXbel(const QByteArray& existing, const QList<Bookmark>& added)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    if (existing.trimmed().isEmpty()) {
        writer.writeStartDocument();
        writer.writeCharacters(QStringLiteral("\n"));
        writer.writeDTD(QStringLiteral("<!DOCTYPE xbel>"));
        writer.writeCharacters(QStringLiteral("\n"));
        writer.writeStartElement(QStringLiteral("xbel"));
        writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
        for (const Bookmark& bookmark : added)
            writeXbelBookmark(writer, bookmark, false);
        writer.writeCharacters(QStringLiteral("\n"));
        writer.writeEndElement();
        writer.writeEndDocument();
        return out;
    }
    // Every token of the user's file is copied as read; ours go in just before </xbel>.
    QXmlStreamReader reader(existing);
    int depth = 0;
    bool sawRoot = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            break;
        if (reader.isStartElement()) {
            if (depth == 0) {
                if (reader.name() != QLatin1String("xbel"))
                    return std::nullopt;
                sawRoot = true;
            }
            ++depth;
        } else if (reader.isEndElement() && --depth == 0) {
            for (const Bookmark& bookmark : added)
                writeXbelBookmark(writer, bookmark, out.endsWith('\n'));
            writer.writeCharacters(QStringLiteral("\n"));
        }
        writer.writeCurrentToken(reader);
        // The reader reports no white space outside the root element.
        if (reader.isDTD())
            writer.writeCharacters(QStringLiteral("\n"));
    }
    if (reader.hasError() || !sawRoot)
        return std::nullopt;
    if (!out.endsWith('\n'))
        out += '\n';
    return out;
}

ExportResult Export(Format format, const QString& path, const QList<Bookmark>& folders)
{
    ExportResult result;
    const auto parse = format == Format::Gtk ? ParseGtk : ParseXbel;
    // Decided from the file as it is under the lock: a bookmark the file manager added a moment
    // ago stays.
    const LockedWrite written =
        UpdateFileLocked(path, MaxBytes, [&](const RegularFileRead& now) -> std::optional<QByteArray> {
            const BookmarkFile file = fromRead(now, parse);
            result.status = file.status;
            if (file.status != BookmarkFile::Ok && file.status != BookmarkFile::Missing) {
                result.error = file.error;
                return std::nullopt;
            }
            QList<Bookmark> added;
            for (const Bookmark& folder : folders) {
                const QString clean = QDir::cleanPath(folder.path);
                bool already = file.contains(clean);
                for (const Bookmark& b : added)
                    already = already || b.path == clean;
                if (already) {
                    ++result.present;
                    continue;
                }
                added.append({clean, folder.title, folder.filter});
            }
            if (added.isEmpty())
                return std::nullopt;
            std::optional<QByteArray> bytes =
                format == Format::Gtk ? AppendGtk(file.bytes, added) : AppendXbel(file.bytes, added);
            if (!bytes) {
                result.status = BookmarkFile::Malformed;
                result.error = QStringLiteral("not XBEL");
                return std::nullopt;
            }
            const QString bak = path + QStringLiteral(".bak");
            if (file.undecodable > 0) {
                const LockedWrite backup = WriteFileLocked(bak, file.bytes, MaxBytes);
                if (!backup.ok()) {
                    result.error = backup.error;
                    return std::nullopt;
                }
                result.backup = true;
            } else if (format == Format::Xbel && file.status == BookmarkFile::Ok && !QFileInfo::exists(bak)) {
                // The whole file is written anew; the user's own version is kept once, before
                // the first rewrite, and never written over by a later one.
                const AtomicWriteResult backup = WriteNewFile(bak, file.bytes);
                if (!backup.ok) {
                    result.error = backup.error;
                    return std::nullopt;
                }
                result.backup = true;
            }
            result.added = int(added.size());
            return bytes;
        });
    switch (written.status) {
    case LockedWrite::Written:
    case LockedWrite::Unchanged:
        break;
    case LockedWrite::NotRegular:
        result.status = BookmarkFile::NotRegular;
        break;
    case LockedWrite::TooLarge:
        result.status = BookmarkFile::TooLarge;
        break;
    case LockedWrite::ReadFailed:
        result.status = BookmarkFile::Unreadable;
        result.error = written.error;
        break;
    case LockedWrite::Locked:
    case LockedWrite::WriteFailed:
        result.added = 0;
        result.backup = false;
        result.error = written.error;
        break;
    }
    return result;
}

} // namespace DesktopBookmarks

// Reading and writing a favorites file whole, with the loader's rules and the saver's writer.

#include "core/formats/favoritesio.h"

#include <QFile>
#include <QFileInfo>

QList<FavoritesEntry> FavoritesFileContent::shownEntries(const QString& homeFolder) const
{
    if ((status == Ok || status == Missing) && entries.isEmpty())
        return {{QStringLiteral("Home"), homeFolder, {}}};
    return entries;
}

namespace FavoritesIo {

QString FilePath(const QString& dataFolder, int16_t n)
{
    return dataFolder + u'/' + FavoFileName(n);
}

FavoritesFileContent Read(const QString& path)
{
    FavoritesFileContent content;
    QString source = path;
    if (!QFileInfo::exists(source)) {
        source = LegacyFavoFilePath(path);
        if (!QFileInfo(source).isFile())
            return content;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        content.status = FavoritesFileContent::Unreadable;
        content.error = file.errorString();
        return content;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.status = FavoritesFileContent::Unreadable;
        content.error = file.errorString();
        return content;
    }
    const QStringList lines = SplitFavoLines(DecodeFavoText(bytes));
    content.status = FavoritesFileContent::Ok;
    if (lines.isEmpty())
        return content;
    content.swedish = IsSwedishHeader(lines.first());
    content.entries.reserve(lines.size() - 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        ParsedFavoLine parsed = ParseFavoLine(lines.at(i));
        if (parsed.outcome != ParsedFavoLine::Entry) {
            content.status = FavoritesFileContent::Faulty;
            content.faultyLine = int(i + 1);
            return content;
        }
        content.entries.append(std::move(parsed.entry));
    }
    return content;
}

QByteArray Compose(bool swedish, const QList<FavoritesEntry>& entries)
{
    QStringList lines{swedish ? FavoHeaderSwedish : FavoHeaderEnglish};
    lines.reserve(entries.size() + 1);
    for (const FavoritesEntry& entry : entries)
        lines.append(ComposeFavoLine(entry));
    return EncodeFavoLines(lines);
}

FavoWriteResult Write(const QString& path, bool swedish, const QList<FavoritesEntry>& entries)
{
    return WriteFavoFileBytes(path, Compose(swedish, entries));
}

bool IsSeparator(const FavoritesEntry& entry)
{
    return entry.path == QLatin1String("-");
}

} // namespace FavoritesIo

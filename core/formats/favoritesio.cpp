// Reading and changing a favorites file whole, with the loader's rules and the locked writer.

#include "core/formats/favoritesio.h"

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

FavoritesFileContent Parse(const QString& path, const RegularFileRead& read)
{
    FavoritesFileContent content;
    RegularFileRead legacy;
    const RegularFileRead* source = &read;
    if (read.status == RegularFileRead::Missing) {
        legacy = ReadRegularFile(LegacyFavoFilePath(path), MaxFavoFileBytes);
        source = &legacy;
    }
    switch (source->status) {
    case RegularFileRead::Ok:
        break;
    case RegularFileRead::Missing:
        return content;
    case RegularFileRead::NotRegular:
        content.status = FavoritesFileContent::NotRegular;
        return content;
    case RegularFileRead::TooLarge:
        content.status = FavoritesFileContent::TooLarge;
        return content;
    case RegularFileRead::Failed:
        content.status = FavoritesFileContent::Unreadable;
        content.error = source->error;
        return content;
    }
    content.status = FavoritesFileContent::Ok;
    if (source->bytes.isEmpty())
        return content;
    ParsedFavoFile parsed = ParseFavoFile(source->bytes);
    content.swedish = parsed.swedish;
    content.entries = std::move(parsed.entries);
    // The loader works with a list cut at its limit; the file keeps the rest.
    if (parsed.stop == ParsedFavoEntries::DataError || parsed.stop == ParsedFavoEntries::TooLong) {
        content.status = FavoritesFileContent::Faulty;
        content.faultyLine = int(parsed.stopLine + 1);
    }
    return content;
}

FavoritesFileContent Read(const QString& path)
{
    return Parse(path, ReadRegularFile(path, MaxFavoFileBytes));
}

LockedWrite Update(const QString& path, const ContentChange& change, int waitMs)
{
    return UpdateFileLocked(
        path, MaxFavoFileBytes,
        [&](const RegularFileRead& now) -> std::optional<QByteArray> {
            const FavoritesFileContent content = Parse(path, now);
            const std::optional<QList<FavoritesEntry>> entries = change(content);
            if (!entries)
                return std::nullopt;
            return ComposeFavoFile(content.swedish, *entries);
        },
        waitMs);
}

bool IsSeparator(const FavoritesEntry& entry)
{
    return entry.path == QLatin1String("-");
}

} // namespace FavoritesIo

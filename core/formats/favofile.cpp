// The favorites data file format.

#include "core/formats/favofile.h"

#include "core/system/filename.h"

#include <QStringDecoder>
#include <utility>

namespace {

// Windows-1252 where it differs from Latin-1. The five unassigned bytes keep their C1 code,
// as the system's own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

QString FavoFileName(int16_t n)
{
    return n > 1 ? QStringLiteral("FavoDirs%1.dat").arg(n) : QStringLiteral("FavoDirs.dat");
}

QString LegacyFavoFilePath(const QString& favoFilePath)
{
    QString legacy = favoFilePath;
    if (legacy.endsWith(QLatin1String(".dat")))
        legacy.replace(legacy.size() - 3, 3, QStringLiteral("txt"));
    return legacy;
}

bool IsSwedishHeader(const QString& header)
{
    return header.contains(QLatin1String("Fyll"), Qt::CaseSensitive);
}

QString DecodeFavoText(const QByteArray& bytes)
{
    // The writer marks a file that holds folder names which are not UTF-8 with a byte-order
    // mark; their bytes then come back exactly, where the rule below would read the whole file
    // as Windows-1252.
    if (bytes.startsWith(kUtf8Bom))
        return FileNameFromBytes(std::string_view(bytes.constData(), size_t(bytes.size())).substr(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}

QStringList SplitFavoLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QByteArray EncodeFavoLines(const QStringList& lines)
{
    const QString text = lines.join(QLatin1String("\r\n"));
    if (FileNameHasRawBytes(text))
        return kUtf8Bom + FileNameToBytes(text);
    return text.toUtf8();
}

QByteArray DefaultFavoFileBytes(const QString& homeFolder, bool swedish)
{
    return EncodeFavoLines({swedish ? FavoHeaderSwedish : FavoHeaderDefault,
                            ComposeFavoLine(QStringLiteral("Home"), homeFolder, {})});
}

bool LocaleIsSwedish(const std::function<QString(const QString&)>& environment)
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment(QString::fromLatin1(name));
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("sv"));
    }
    return false;
}

ParsedFavoLine ParseFavoLine(const QString& line)
{
    ParsedFavoLine parsed;
    QString rest = line;
    qsizetype pair = line.lastIndexOf(QLatin1String("**"));
    if (pair >= 0) {
        while (pair > 0 && line.at(pair - 1) == u'*')
            --pair;
        if (pair + 1 > MaxFavoLinePosition) {
            parsed.outcome = ParsedFavoLine::TooLong;
            return parsed;
        }
        parsed.entry.filter = line.mid(pair + 2);
        rest.truncate(pair);
    }
    const qsizetype star = rest.indexOf(u'*');
    if (star < 0) {
        parsed.outcome = ParsedFavoLine::DataError;
        parsed.entry.filter.clear();
        return parsed;
    }
    if (star + 1 > MaxFavoLinePosition) {
        parsed.outcome = ParsedFavoLine::TooLong;
        parsed.entry.filter.clear();
        return parsed;
    }
    parsed.outcome = ParsedFavoLine::Entry;
    parsed.entry.name = rest.left(star);
    parsed.entry.path = rest.mid(star + 1);
    return parsed;
}

QString ComposeFavoLine(const QString& name, const QString& path, const QString& filter)
{
    QString line = name + u'*' + path;
    // Without a "**" of its own, a "**" inside the path (or one formed by the separator and a
    // leading "*" of the path) would be read as the filter's mark.
    if (!filter.isEmpty() || path.contains(QLatin1String("**")) || path.startsWith(u'*'))
        line += QLatin1String("**") + filter;
    return line;
}

ParsedFavoEntries ParseFavoEntries(const QStringList& lines, qsizetype first)
{
    ParsedFavoEntries parsed;
    for (qsizetype i = first; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.isEmpty())
            continue;
        if (parsed.entries.size() >= MaxFavorites) {
            parsed.stop = ParsedFavoEntries::TooMany;
            parsed.stopLine = i;
            return parsed;
        }
        ParsedFavoLine entry = ParseFavoLine(line);
        if (entry.outcome != ParsedFavoLine::Entry) {
            parsed.stop = entry.outcome == ParsedFavoLine::TooLong ? ParsedFavoEntries::TooLong
                                                                   : ParsedFavoEntries::DataError;
            parsed.stopLine = i;
            return parsed;
        }
        parsed.entries.append(std::move(entry.entry));
    }
    return parsed;
}

ParsedFavoFile ParseFavoFile(const QByteArray& bytes)
{
    ParsedFavoFile file;
    const QStringList lines = SplitFavoLines(DecodeFavoText(bytes));
    if (lines.isEmpty()) {
        file.stop = ParsedFavoEntries::DataError;
        return file;
    }
    file.swedish = IsSwedishHeader(lines.first());
    static_cast<ParsedFavoEntries&>(file) = ParseFavoEntries(lines, 1);
    return file;
}

QByteArray ComposeFavoFile(bool swedish, const QList<FavoritesEntry>& entries)
{
    QStringList lines{swedish ? FavoHeaderSwedish : FavoHeaderEnglish};
    lines.reserve(entries.size() + 1);
    for (const FavoritesEntry& entry : entries)
        lines.append(ComposeFavoLine(entry));
    return EncodeFavoLines(lines);
}

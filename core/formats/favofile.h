#pragma once
// The favorites data file on its own: file names, header lines, text decoding, the line syntax
// both ways. Files are read and written through core/system (one bounded reader, one locked
// writer); MainForm's loader and saver are built on top of this.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

/// One favorite: the triple held at one index of the three favorites lists.
struct FavoritesEntry
{
    QString name;
    QString path;
    QString filter;

    friend bool operator==(const FavoritesEntry&, const FavoritesEntry&) = default;
};

/// Header written by the saver while the interface is English.
inline const QString FavoHeaderEnglish =
    QStringLiteral("Enter below: [Folder Shortcut name][*][Full path][**][File filter] without brackets "
                   "(** & File filter are optional) - don't remove this line !");
/// Header written by the saver while the interface is Swedish.
inline const QString FavoHeaderSwedish =
    QStringLiteral("Fyll i nedan: [Folder Genvägsnamn][*][Full sökväg][**][Filfilter] utan paranteser "
                   "(** & Filfilter är valfritt) - Ta inte bort denna rad !");
/// Header of the default file that the loader writes when there is no usable data file.
inline const QString FavoHeaderDefault = QStringLiteral(
    "Enter below: [Folder Shortcut name][*][Full path] without brackets - don't remove this line !");

/// Character positions in a line are 16-bit, as in every release of the file format; a line
/// that needs a larger one is refused rather than read differently.
constexpr qsizetype MaxFavoLinePosition = 32767;

/// The list's count is 16-bit: the most favorites one file can hold.
constexpr qsizetype MaxFavorites = 32767;

/// The largest data file that is read: 32,767 favorites of 2 KiB each, far beyond any list a
/// person keeps, and still small enough to hold in memory without trouble.
constexpr qint64 MaxFavoFileBytes = qint64(MaxFavorites) * 2048;

/// "FavoDirs.dat" for file 1, "FavoDirs2.dat" .. "FavoDirs5.dat" for the others.
QString FavoFileName(int16_t n);
/// The earlier release's name of the same file: the extension "txt" in place of "dat".
QString LegacyFavoFilePath(const QString& favoFilePath);

/// The header selects Swedish when it holds "Fyll" anywhere, in exactly that case.
bool IsSwedishHeader(const QString& header);

/// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped), else Windows-1252.
QString DecodeFavoText(const QByteArray& bytes);

/// Lines as read: CR LF, CR alone and LF alone each end a line; the last line may lack a line
/// end, and a line end after it adds no empty line.
QStringList SplitFavoLines(const QString& text);

/// Joins lines with CR LF, the last one without a line end, as UTF-8.
QByteArray EncodeFavoLines(const QStringList& lines);

/// The default file: its header, then one favorite "Home" for the user's home folder. A Swedish
/// default file carries the saver's Swedish header, so that it loads in Swedish.
QByteArray DefaultFavoFileBytes(const QString& homeFolder, bool swedish = false);

/// Whether the user's locale asks for Swedish: the first of LC_ALL, LC_MESSAGES and LANG that is
/// set (not empty) starts with "sv", as the C library picks the language of messages.
bool LocaleIsSwedish(const std::function<QString(const QString&)>& environment);

/// How one line after the header reads. Empty lines are skipped by the reader before this.
struct ParsedFavoLine
{
    enum Outcome
    {
        Entry,
        DataError, ///< no "*" left once the filter is cut off
        TooLong,   ///< a separator beyond MaxFavoLinePosition
    };
    Outcome outcome = DataError;
    FavoritesEntry entry;
};

/// The filter follows the last "**" (or, when that pair ends a longer run of asterisks, the
/// run's first two asterisks, so that a filter starting with "*" reads back as written); the
/// first "*" of the rest separates name and path. Nothing is trimmed.
ParsedFavoLine ParseFavoLine(const QString& line);

/// Name "*" path, then "**" filter when there is a filter, or when the path holds "**" or starts
/// with "*" (the "**" with an empty filter then keeps the path whole): every entry the reader
/// gives reads back the same from the line written for it.
QString ComposeFavoLine(const QString& name, const QString& path, const QString& filter);
inline QString ComposeFavoLine(const FavoritesEntry& entry)
{
    return ComposeFavoLine(entry.name, entry.path, entry.filter);
}

/// The entries of the lines from `first` on, as the loader reads them: empty lines skipped, the
/// reading stopped at the first line that is not an entry or at the list's limit.
struct ParsedFavoEntries
{
    enum Stop
    {
        None,      ///< every line was read
        DataError, ///< a line without "*" (or, for a whole file, no header line at all)
        TooLong,   ///< a line whose separators lie beyond MaxFavoLinePosition
        TooMany,   ///< more entries than MaxFavorites
    };
    QList<FavoritesEntry> entries;
    Stop stop = None;
    qsizetype stopLine = -1; ///< the index in the lines of the line the reading stopped at
};
ParsedFavoEntries ParseFavoEntries(const QStringList& lines, qsizetype first);

/// A whole data file read without recovery: its language and entries.
struct ParsedFavoFile : ParsedFavoEntries
{
    bool swedish = false;
};
ParsedFavoFile ParseFavoFile(const QByteArray& bytes);

/// The data file the saver writes: the header of the language, then one line per entry. An
/// empty list is the header alone.
QByteArray ComposeFavoFile(bool swedish, const QList<FavoritesEntry>& entries);

// The favorites file format on its own: line syntax both ways, decoding and line ends, and the
// merge of two changed lists.

#include "core/formats/favofile.h"
#include "core/formats/favoritesmerge.h"

#include <gtest/gtest.h>

namespace {

std::string show(const QString& text)
{
    return text.toStdString();
}

TEST(FavoFileFormat, FileNamesAndTheLanguageOfTheHeader)
{
    EXPECT_EQ(FavoFileName(1), QStringLiteral("FavoDirs.dat"));
    EXPECT_EQ(FavoFileName(2), QStringLiteral("FavoDirs2.dat"));
    EXPECT_EQ(LegacyFavoFilePath(QStringLiteral("/d/Wayfolder/FavoDirs3.dat")),
              QStringLiteral("/d/Wayfolder/FavoDirs3.txt"));
    // Swedish is the exact word anywhere in the header.
    EXPECT_TRUE(IsSwedishHeader(QStringLiteral("xxFyllxx")));
    EXPECT_FALSE(IsSwedishHeader(QStringLiteral("fyll i nedan")) || IsSwedishHeader(FavoHeaderEnglish) ||
                 IsSwedishHeader(FavoHeaderDefault));
}

struct LineRow
{
    const char16_t* line;
    ParsedFavoLine::Outcome outcome;
    const char16_t* name;
    const char16_t* path;
    const char16_t* filter;
};

TEST(FavoFileFormat, LinesReadAsTheLoaderReadsThem)
{
    using P = ParsedFavoLine;
    const LineRow rows[] = {
        {u"Projects*D:\\Work\\Projects", P::Entry, u"Projects", u"D:\\Work\\Projects", u""},
        {u"Docs*C:\\Docs**report", P::Entry, u"Docs", u"C:\\Docs", u"report"},
        {u"-*-", P::Entry, u"-", u"-", u""},
        {u"A*B*C", P::Entry, u"A", u"B*C", u""},
        {u"Name*C:\\X**a**b", P::Entry, u"Name", u"C:\\X**a", u"b"},
        // A filter that begins with "*" comes back as written.
        {u"Docs*/docs***.txt", P::Entry, u"Docs", u"/docs", u"*.txt"},
        {u"Docs*C:\\Docs***.txt", P::Entry, u"Docs", u"C:\\Docs", u"*.txt"},
        {u"Docs*/docs****", P::Entry, u"Docs", u"/docs", u"**"},
        {u"Name*C:\\X**", P::Entry, u"Name", u"C:\\X", u""},
        {u"Name*", P::Entry, u"Name", u"", u""},
        {u"*C:\\", P::Entry, u"", u"C:\\", u""},
        {u" a * /b c ** f ", P::Entry, u" a ", u" /b c ", u" f "},
        {u"Fil*/hem/åäö***.pdf", P::Entry, u"Fil", u"/hem/åäö", u"*.pdf"},
        {u"Name**flt", P::DataError, u"", u"", u""},
        {u"   ", P::DataError, u"", u"", u""},
        {u"no separator", P::DataError, u"", u"", u""},
    };
    for (const LineRow& row : rows) {
        const QString line = QString::fromUtf16(row.line);
        SCOPED_TRACE("line \"" + show(line) + "\"");
        const ParsedFavoLine parsed = ParseFavoLine(line);
        EXPECT_EQ(parsed.outcome, row.outcome);
        if (row.outcome != P::Entry)
            continue;
        EXPECT_EQ(show(parsed.entry.name), show(QString::fromUtf16(row.name)));
        EXPECT_EQ(show(parsed.entry.path), show(QString::fromUtf16(row.path)));
        EXPECT_EQ(show(parsed.entry.filter), show(QString::fromUtf16(row.filter)));
    }
}

TEST(FavoFileFormat, SeparatorBeyondSixteenBitPositionIsRefused)
{
    const QString longName(MaxFavoLinePosition, u'n');
    EXPECT_EQ(ParseFavoLine(longName + QStringLiteral("*/p")).outcome, ParsedFavoLine::TooLong);
    EXPECT_EQ(ParseFavoLine(QStringLiteral("n*/") + longName + QStringLiteral("**f")).outcome,
              ParsedFavoLine::TooLong);
    // The last position that still fits.
    const QString fits(MaxFavoLinePosition - 1, u'n');
    EXPECT_EQ(ParseFavoLine(fits + QStringLiteral("*/p")).outcome, ParsedFavoLine::Entry);
    // No separator at all is a data error however long the line is.
    EXPECT_EQ(ParseFavoLine(longName + longName).outcome, ParsedFavoLine::DataError);
}

// Every line of up to seven characters over "N", "a" and "*" that the reader takes as an entry
// reads back as the same entry from the line the writer composes for it, and so does the whole
// list as a file.
TEST(FavoFileFormat, EveryAcceptedLineShapeReadsBackAsLoaded)
{
    const QChar alphabet[] = {u'N', u'a', u'*'};
    QList<FavoritesEntry> all;
    for (int length = 1; length <= 7; ++length) {
        int combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= 3;
        for (int n = 0; n < combinations; ++n) {
            QString line;
            for (int i = 0, rest = n; i < length; ++i, rest /= 3)
                line += alphabet[rest % 3];
            const ParsedFavoLine loaded = ParseFavoLine(line);
            if (loaded.outcome != ParsedFavoLine::Entry)
                continue;
            const QString written = ComposeFavoLine(loaded.entry);
            const ParsedFavoLine reloaded = ParseFavoLine(written);
            ASSERT_TRUE(reloaded.outcome == ParsedFavoLine::Entry && reloaded.entry == loaded.entry)
                << "line " << show(line) << " written as " << show(written);
            all.append(loaded.entry);
        }
    }
    const ParsedFavoFile file = ParseFavoFile(ComposeFavoFile(false, all));
    EXPECT_EQ(file.stop, ParsedFavoEntries::None);
    EXPECT_TRUE(file.entries == all);
}

TEST(FavoFileFormat, EveryKindOfLineEndEndsALine)
{
    // clang-format off
    struct Row { const char* name; QByteArray bytes; QStringList lines; };
    // clang-format on
    const QStringList abc{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    const Row rows[] = {
        {"CR LF", "a\r\nb\r\nc", abc},
        {"LF only", "a\nb\nc", abc},
        {"CR only", "a\rb\rc", abc},
        {"line end after the last line", "a\r\nb\r\nc\r\n", abc},
        {"blank lines kept", "a\r\n\r\nb\n\nc", {"a", "", "b", "", "c"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"empty file", "", {}},
        {"one line end", "\r\n", {""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SplitFavoLines(DecodeFavoText(row.bytes)), row.lines);
    }
}

TEST(FavoFileFormat, DecodesUtf8WhenValidElseWindows1252)
{
    // clang-format off
    struct Row { const char* name; QByteArray bytes; QString text; };
    const Row rows[] = {
        {"UTF-8 Swedish letters", "\xC3\xA5\xC3\xA4\xC3\xB6\xC3\x85\xC3\x84\xC3\x96", QStringLiteral("åäöÅÄÖ")},
        {"UTF-8 byte-order mark dropped", "\xEF\xBB\xBFh\xC3\xA5", QStringLiteral("hå")},
        {"Windows-1252 Swedish letters", "\xE5\xE4\xF6\xC5\xC4\xD6", QStringLiteral("åäöÅÄÖ")},
        {"Windows-1252 euro and quotes", "\x80 \x93x\x94 \x85", QStringLiteral("€ “x” …")},
        {"Windows-1252 unassigned bytes", "\x81\x8D\x8F\x90\x9D", QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")},
        {"Windows-1252 last of the table", "\x9F\xFF", QStringLiteral("Ÿÿ")},
        // One invalid byte makes the whole file Windows-1252, valid-looking pairs included.
        {"mixed falls back entirely", "\xC3\xA5 \xE5", QStringLiteral("Ã¥ å")},
        {"truncated UTF-8 sequence", "a\xC3", QStringLiteral("aÃ")},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(show(DecodeFavoText(row.bytes)), show(row.text));
    }
}

// The merge of the window's list with another program's change to the same file.
// One letter per entry; an apostrophe marks a changed version of the same favorite.
QList<FavoritesEntry> list(const char* letters)
{
    QList<FavoritesEntry> entries;
    for (const QString& name : QString::fromLatin1(letters).split(u' ', Qt::SkipEmptyParts))
        entries.append({name, QStringLiteral("/") + name.left(1), {}});
    return entries;
}

TEST(FavoritesMerge, EachSidesAdditionsAndRemovalsSurviveAndBothChangesAreKept)
{
    // clang-format off
    struct Row { const char* what; const char *base, *mine, *theirs, *merged; };
    const Row rows[] = {
        {"nothing changed",            "a b c", "a b c",   "a b c",   "a b c"},
        {"only mine changed",          "a b c", "a c d",   "a b c",   "a c d"},
        {"only theirs changed",        "a b c", "a b c",   "a c d",   "a c d"},
        {"both added, in their places","a b c", "a b c m", "a t b c", "a t b c m"},
        {"both removed the same",      "a b c", "a c",     "a c",     "a c"},
        {"removed on either side",     "a b c", "a c",     "a b",     "a"},
        {"both added the same",        "a",     "a x",     "a x",     "a x"},
        {"changed on both sides",      "a b c", "a b' c",  "a b\" c", "a b' b\" c"},
        {"changed here, removed there","a b c", "a b' c",  "a c",     "a b' c"},
        {"additions at the start",     "a b",   "m a b",   "t a b",   "m t a b"},
        {"a run of theirs in order",   "a b",   "a b",     "a x y z b","a x y z b"},
        {"no base: the union",         "",      "a b",     "a c",     "a b c"},
        {"a duplicate added there",    "a b",   "a b",     "a b a",   "a b a"},
        {"theirs emptied, mine grew",  "a b",   "a b m",   "",        "m"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QStringList names;
        for (const FavoritesEntry& entry : MergeFavorites(list(row.base), list(row.mine), list(row.theirs)))
            names << entry.name;
        EXPECT_EQ(names.join(u' '), QString::fromLatin1(row.merged));
    }
}

} // namespace

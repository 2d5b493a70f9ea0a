// The file-name filter: wildcards, pattern lists, case and non-ASCII names.

#include "core/system/filepattern.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Row
{
    const char* pattern;
    const char* name; // UTF-8
    bool matches;
};

const Row kRows[] = {
    // Everything.
    {"*.*", "README", true},
    {"*", "README", true},
    {"", "anything", true},
    {" ; ;", "anything", true},
    // Star.
    {"*.txt", "notes.txt", true},
    {"*.txt", "notes.txt.bak", false},
    {"*.txt", "txt", false},
    {"*.txt", ".txt", true},
    {"txt*", "txt.notes", true},
    {"*ab*", "xaab", true}, // needs the star to give back a character
    {"a*b*c", "aXbYcZ", false},
    {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
    // Question mark: exactly one character, also a character of several bytes.
    {"a?c", "abc", true},
    {"a?c", "ac", false},
    {"a?c", "abbc", false},
    {"a?c", "aÅc", true},
    {"a??c", "aÅc", false},
    // Case.
    {"*.TXT", "notes.txt", true},
    {"Abc", "aBC", true},
    {"abc", "abcd", false},
    // Lists.
    {"*.txt;*.doc", "x.md", false},
    {" *.txt ; *.DOC ", "x.doc", true},
    {"*.txt;;*.md", "r.md", true},
    // Other characters are literal.
    {"[ab]", "a", false},
    {"a.b", "aXb", false},
    // Letters beyond ASCII fold too, composed or not.
    {"*åtgärd*", "ÅTGÄRD.txt", true},
    {"å*", "A\xCC\x8Atgärd", true}, // Å written as A and a combining ring
    {"ö*", "äpple", false},
    {"Ÿ*", "ÿ.txt", true},
    {"Μ*", "µm", true},             // Greek capital mu and the micro sign
    {"*.txt", "bad\xFF.txt", true}, // not UTF-8 at all
};

} // namespace

TEST(FilePatternTest, MatchesTheTable)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string("pattern \"") + row.pattern + "\", name \"" + row.name + "\"");
        const FilePattern pattern(QString::fromUtf8(row.pattern));
        EXPECT_EQ(pattern.matches(row.name), row.matches);
        // A listing folds each name once and matches the folded form: both ways must agree.
        std::string folded;
        FilePattern::appendFolded(folded, row.name);
        EXPECT_EQ(pattern.matchesFolded(folded), row.matches);
    }
}

TEST(FilePatternTest, KnowsWhenItMatchesEverything)
{
    EXPECT_TRUE(FilePattern().matchesEverything());
    EXPECT_TRUE(FilePattern(QStringLiteral("*.*")).matchesEverything());
    EXPECT_TRUE(FilePattern(QStringLiteral(" ; ")).matchesEverything());
    EXPECT_TRUE(FilePattern(QStringLiteral("*.txt;*")).matchesEverything());
    EXPECT_FALSE(FilePattern(QStringLiteral("*.txt")).matchesEverything());
    EXPECT_FALSE(FilePattern(QStringLiteral("*.")).matchesEverything());
}

TEST(FilePatternTest, ByteFoldingOfLatinLettersAgreesWithUnicodeFolding)
{
    for (char16_t c = 0xA0; c <= 0xFF; ++c) {
        const QString letter = QString(QChar(c)) + QStringLiteral("x");
        SCOPED_TRACE(letter.toStdString());
        std::string folded;
        FilePattern::appendFolded(folded, letter.toUtf8().toStdString());
        EXPECT_EQ(folded, letter.toCaseFolded().toUtf8().toStdString());
    }
}

TEST(FilePatternTest, EightBytesAtOnceFoldAsEachByteAlone)
{
    // Every byte value in every lane, beside neighbours that would expose a carry between lanes.
    for (unsigned value = 0; value < 256; ++value) {
        for (unsigned lane = 0; lane < 8; ++lane) {
            for (const uint64_t around : {uint64_t{0}, ~uint64_t{0}, 0x5A415B40C39E9F97u}) {
                uint64_t bytes = around & ~(uint64_t{0xFF} << (8 * lane));
                bytes |= uint64_t{value} << (8 * lane);
                uint64_t expected = 0;
                for (unsigned i = 0; i < 8; ++i) {
                    const auto byte = static_cast<unsigned char>(bytes >> (8 * i));
                    expected |= uint64_t{FilePattern::foldByte(byte)} << (8 * i);
                }
                ASSERT_EQ(FilePattern::foldBytes(bytes), expected) << "byte " << value << " in lane " << lane;
            }
        }
    }
}

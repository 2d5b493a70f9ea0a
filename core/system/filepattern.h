#pragma once
// A file-name filter as the user types it: one or more wildcard patterns separated by ";",
// matched case-insensitively against UTF-8 file names.

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// "*" stands for any run of characters and "?" for exactly one; every other character is
/// literal. Blanks around each pattern are dropped and empty patterns are ignored. "*.*" and an
/// empty text match every name, also names without a dot, as users of the classic file dialogs
/// expect.
class FilePattern
{
public:
    /// Matches every name.
    FilePattern() = default;
    explicit FilePattern(const QString& text);

    const QString& text() const { return m_text; }
    bool matchesEverything() const { return m_everything; }

    /// Whether a file name (raw UTF-8 bytes) matches any of the patterns. Allocates nothing for
    /// names in ASCII and the Latin-1 letters.
    bool matches(std::string_view utf8Name) const;
    /// Same as matches() for a name that has already gone through appendFolded(); lets a
    /// listing fold each name once and filter it many times.
    bool matchesFolded(std::string_view foldedName) const;

    /// Same as matches() for a name that isByteFoldable() has passed.
    bool matchesByteFoldable(std::string_view utf8Name) const;

    /// Whether a name folds byte by byte: it holds only ASCII and the Latin-1 letters, as most
    /// file names in Western languages do.
    static bool isByteFoldable(std::string_view utf8Name);
    /// One byte of such a name, folded.
    static unsigned char foldByte(unsigned char c);
    /// Eight bytes of such a name at once, in any byte order; zero bytes stay zero.
    static uint64_t foldBytes(uint64_t bytes);

    /// Appends the case-folded form of a UTF-8 name: ASCII and Latin-1 letters lowered byte by
    /// byte, names with other characters composed (NFC) and folded through Unicode case folding.
    static void appendFolded(std::string& out, std::string_view utf8Name);

private:
    QString m_text;
    std::vector<std::string> m_patterns; // case-folded
    bool m_everything = true;
};

// Wildcard matching of file names: an iterative glob over UTF-8 bytes with one backtrack point,
// so a pattern full of stars never recurses or blows up.

#include "core/system/filepattern.h"

#include <QStringList>
#include <array>
#include <cstring>

namespace {

// Folds a name byte by byte when it passes isByteFoldable(): ASCII capitals, and the second byte
// of the Latin-1 capitals U+00C0..U+00DE (except U+00D7), whose UTF-8 form is C3 80..9E.
constexpr std::array<unsigned char, 256> makeByteFold()
{
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) {
        int folded = i;
        if ((i >= 'A' && i <= 'Z') || (i >= 0x80 && i <= 0x9E && i != 0x97))
            folded = i + 0x20;
        table[i] = static_cast<unsigned char>(folded);
    }
    return table;
}

constexpr std::array<unsigned char, 256> kByteFold = makeByteFold();

// Steps over one character: a UTF-8 lead byte and its continuation bytes.
size_t nextCharacter(std::string_view text, size_t at)
{
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

// `fold` maps each name byte before it is compared; the pattern is folded already.
template <typename Fold> bool glob(std::string_view pattern, std::string_view name, Fold fold)
{
    constexpr size_t kNone = std::string_view::npos;
    size_t p = 0;
    size_t n = 0;
    size_t starP = kNone; // pattern position just after the last "*"
    size_t starN = 0;     // name position that "*" has swallowed up to
    while (n < name.size()) {
        if (p < pattern.size()) {
            const char c = pattern[p];
            if (c == '*') {
                starP = ++p;
                starN = n;
                continue;
            }
            if (c == '?') {
                ++p;
                n = nextCharacter(name, n);
                continue;
            }
            if (c == static_cast<char>(fold(static_cast<unsigned char>(name[n])))) {
                ++p;
                ++n;
                continue;
            }
        }
        if (starP == kNone)
            return false;
        // Let the last "*" swallow one more character and try the rest again from there.
        starN = nextCharacter(name, starN);
        n = starN;
        p = starP;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

FilePattern::FilePattern(const QString& text) : m_text(text)
{
    m_everything = false;
    const QStringList parts = text.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*")) {
            m_everything = true;
            break;
        }
        std::string folded;
        appendFolded(folded, pattern.toUtf8().toStdString());
        m_patterns.push_back(std::move(folded));
    }
    if (m_patterns.empty())
        m_everything = true;
    if (m_everything)
        m_patterns.clear();
}

bool FilePattern::matches(std::string_view utf8Name) const
{
    if (m_everything)
        return true;
    if (isByteFoldable(utf8Name))
        return matchesByteFoldable(utf8Name);
    std::string folded;
    appendFolded(folded, utf8Name);
    return matchesFolded(folded);
}

bool FilePattern::matchesByteFoldable(std::string_view utf8Name) const
{
    if (m_everything)
        return true;
    const auto fold = [](unsigned char c) { return kByteFold[c]; };
    for (const std::string& pattern : m_patterns) {
        if (glob(pattern, utf8Name, fold))
            return true;
    }
    return false;
}

bool FilePattern::matchesFolded(std::string_view foldedName) const
{
    if (m_everything)
        return true;
    const auto same = [](unsigned char c) { return c; };
    for (const std::string& pattern : m_patterns) {
        if (glob(pattern, foldedName, same))
            return true;
    }
    return false;
}

// ASCII and the Latin-1 letters (Swedish, German, French...) in UTF-8. These are already composed
// and fold one to one, and in them every byte from 0x80 follows a C3 lead, so the table above
// folds them exactly as Unicode case folding would.
bool FilePattern::isByteFoldable(std::string_view text)
{
    // Eight ASCII bytes at a time first: most names are plain ASCII.
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t bytes;
        std::memcpy(&bytes, text.data() + i, 8);
        if ((bytes & 0x8080808080808080u) != 0)
            break;
    }
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80)
            continue;
        if (c != 0xC3 || i + 1 == text.size() || (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80)
            return false;
        ++i;
    }
    return true;
}

unsigned char FilePattern::foldByte(unsigned char c)
{
    return kByteFold[c];
}

uint64_t FilePattern::foldBytes(uint64_t bytes)
{
    // The table above, eight lanes at a time: a lane gains 0x20 when it holds A-Z, or a byte in
    // 0x80..0x9E other than 0x97. Each sum stays inside its lane.
    constexpr uint64_t kLanes = 0x0101010101010101u;
    constexpr uint64_t kHigh = 0x80 * kLanes;
    const uint64_t low7 = bytes & ~kHigh;
    const uint64_t atLeastA = low7 + (0x80 - 'A') * kLanes;
    const uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kLanes;
    const uint64_t capital = atLeastA & ~pastZ & ~bytes & kHigh;
    const uint64_t past9E = low7 + (0x80 - 0x1F) * kLanes;
    const uint64_t not97 = ((low7 ^ (0x17 * kLanes)) + 0x7F * kLanes) & kHigh;
    const uint64_t latinCapital = bytes & kHigh & ~past9E & not97;
    return bytes | ((capital | latinCapital) >> 2);
}

void FilePattern::appendFolded(std::string& out, std::string_view utf8Name)
{
    if (isByteFoldable(utf8Name)) {
        const size_t start = out.size();
        out.resize(start + utf8Name.size());
        char* to = out.data() + start;
        for (const char c : utf8Name)
            *to++ = static_cast<char>(kByteFold[static_cast<unsigned char>(c)]);
        return;
    }
    const QString name = QString::fromUtf8(utf8Name.data(), static_cast<qsizetype>(utf8Name.size()));
    const QByteArray folded = name.normalized(QString::NormalizationForm_C).toCaseFolded().toUtf8();
    out.append(folded.constData(), static_cast<size_t>(folded.size()));
}

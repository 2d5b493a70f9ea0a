// One pass of readdir over a folder (the file type comes from d_type; only links and entries of
// unknown type cost a stat), and the radix sort and filtering of the names read.

#include "core/system/filelisting.h"

#include "core/system/filename.h"
#include "core/system/memoryreuse.h"
#include "core/system/runtimeerror.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <numeric>
#include <sys/stat.h>

namespace {

enum class EntryType
{
    Other,
    File,
    Folder
};

EntryType typeOf(int dirFd, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_REG:
        return EntryType::File;
    case DT_DIR:
        return EntryType::Folder;
    case DT_LNK:
    case DT_UNKNOWN: {
        // Follows a link: a link counts as what it points to, a dangling one as nothing.
        struct stat st;
        if (fstatat(dirFd, entry.d_name, &st, 0) != 0)
            return EntryType::Other;
        if (S_ISREG(st.st_mode))
            return EntryType::File;
        return S_ISDIR(st.st_mode) ? EntryType::Folder : EntryType::Other;
    }
    default:
        return EntryType::Other;
    }
}

int compareBytes(std::string_view a, std::string_view b)
{
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// A key's first sixteen bytes, folded, next to its entry number: most comparisons are two
// integer compares that never touch the names.
struct SortItem
{
    uint64_t high;
    uint64_t low;
    uint32_t entry;
};

constexpr size_t kInline = 16;

unsigned byteOf(const SortItem& item, size_t at)
{
    const uint64_t word = at < 8 ? item.high : item.low;
    return static_cast<unsigned>(word >> (56 - 8 * (at % 8))) & 0xFFu;
}

// Most significant byte first, in place, over the inline sixteen bytes: a counting pass and a
// permutation per byte that splits a group, where a comparison sort spends some twenty
// compares per item. Groups that are small, or that share all sixteen bytes, go to `less`.
template <typename Less> void radixSort(SortItem* items, size_t n, size_t at, const Less& less)
{
    static constexpr size_t kSmall = 48;
    if (n <= kSmall) {
        std::sort(items, items + n, less);
        return;
    }
    std::array<uint32_t, 257> start{};
    for (;;) {
        if (at >= kInline) {
            std::sort(items, items + n, less);
            return;
        }
        start.fill(0);
        for (size_t i = 0; i < n; ++i)
            ++start[byteOf(items[i], at) + 1];
        if (std::find(start.begin(), start.end(), n) == start.end())
            break;
        // One byte value for all: skip every byte the whole group shares.
        uint64_t high = 0;
        uint64_t low = 0;
        for (size_t i = 1; i < n; ++i) {
            high |= items[i].high ^ items[0].high;
            low |= items[i].low ^ items[0].low;
        }
        at = high != 0  ? size_t(std::countl_zero(high)) / 8
             : low != 0 ? 8 + size_t(std::countl_zero(low)) / 8
                        : kInline;
    }
    for (size_t b = 1; b < start.size(); ++b)
        start[b] += start[b - 1];
    std::array<uint32_t, 256> next{};
    std::copy(start.begin(), start.end() - 1, next.begin());
    for (unsigned b = 0; b < 256; ++b) {
        while (next[b] < start[b + 1]) {
            SortItem item = items[next[b]];
            for (unsigned home = byteOf(item, at); home != b; home = byteOf(item, at))
                std::swap(item, items[next[home]++]);
            items[next[b]++] = item;
        }
    }
    for (size_t b = 0; b < 256; ++b) {
        const size_t size = start[b + 1] - start[b];
        if (size > 1)
            radixSort(items + start[b], size, at + 1, less);
    }
}

// Zero bytes after the last name, so that reading a name eight bytes at a time never leaves
// the buffer.
constexpr size_t kReadAhead = 7;

// Eight key bytes from `at`, folded, as one big-endian number, zero-padded: names never hold a
// zero byte, so comparing these numbers orders as comparing the bytes. `readAhead`: the bytes
// sit in a buffer that may be read up to kReadAhead bytes past them.
uint64_t keyWord(std::string_view bytes, bool foldEachByte, bool readAhead, size_t at)
{
    if (at >= bytes.size())
        return 0;
    const size_t length = std::min<size_t>(8, bytes.size() - at);
    uint64_t word = 0;
    if (readAhead) {
        std::memcpy(&word, bytes.data() + at, 8);
        if constexpr (std::endian::native == std::endian::little) {
            if (length < 8)
                word &= ~uint64_t{0} >> (64 - 8 * length);
        } else {
            if (length < 8)
                word &= ~uint64_t{0} << (64 - 8 * length);
        }
    } else {
        std::memcpy(&word, bytes.data() + at, length);
    }
    if (foldEachByte)
        word = FilePattern::foldBytes(word);
    if constexpr (std::endian::native == std::endian::little)
        word = __builtin_bswap64(word);
    return word;
}

unsigned char keyByte(std::string_view bytes, bool foldEachByte, size_t at)
{
    const auto c = static_cast<unsigned char>(bytes[at]);
    return foldEachByte ? FilePattern::foldByte(c) : c;
}

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

FileListing::Contents FileListing::read(const QString& folder, const Progress& progress, bool withHidden,
                                        FolderStamp* stamp)
{
    Contents contents{std::unique_ptr<FileListing>(new FileListing),
                      std::unique_ptr<FileListing>(new FileListing)};
    const QByteArray path = FileNameToBytes(folder);
    std::unique_ptr<DIR, DirCloser> dir(opendir(path.constData()));
    if (!dir) {
        const int err = errno;
        throw RunTimeError(FolderErrorNumber(err), folder);
    }
    const int fd = dirfd(dir.get());
    // A folder's own size tells roughly how many bytes its names take (exactly on some file
    // systems, with per-entry overhead on others). Room for them up front spares the copies of
    // growing; only what is written is ever touched. Folders are usually the few.
    struct stat folderStat;
    const bool stated = fstat(fd, &folderStat) == 0;
    if (stated && folderStat.st_size > 0)
        contents.files->reserve(static_cast<size_t>(folderStat.st_size));
    if (stamp)
        *stamp = stated ? FolderStamp::Of(folderStat) : FolderStamp();
    dirent* entry;
    unsigned seen = 0;
    for (errno = 0; (entry = readdir(dir.get())) != nullptr; errno = 0) {
        // Told every 64 entries: often enough to show a slow folder as it comes, too seldom to cost.
        if (progress && (++seen & 63u) == 0) {
            progress(contents);
            errno = 0;
        }
        if (entry->d_name[0] == '.' && (!withHidden || entry->d_name[1] == '\0' ||
                                        (entry->d_name[1] == '.' && entry->d_name[2] == '\0')))
            continue;
        switch (typeOf(fd, *entry)) {
        case EntryType::File:
            contents.files->add(entry->d_name);
            break;
        case EntryType::Folder:
            contents.folders->add(entry->d_name);
            break;
        case EntryType::Other:
            break;
        }
    }
    if (const int err = errno; err != 0)
        throw RunTimeError(FolderErrorNumber(err), folder);
    contents.files->m_names.append(kReadAhead, '\0');
    contents.folders->m_names.append(kReadAhead, '\0');
    return contents;
}

FileListing::FileListing(const QString& folder, Kind kind)
{
    Contents contents = read(folder);
    *this = std::move(kind == Kind::Files ? *contents.files : *contents.folders);
}

void FileListing::reserve(size_t nameBytes)
{
    // Capped: a network file system may report anything, and a larger block would not be
    // reused at the next folder change.
    nameBytes = std::min(nameBytes, kLargestReusedBlock);
    m_names.reserve(nameBytes);
    // No name takes less than about sixteen bytes of its folder.
    m_nameAt.reserve(nameBytes / 16);
}

std::unique_ptr<FileListing> FileListing::Empty()
{
    std::unique_ptr<FileListing> empty(new FileListing);
    empty->m_names.append(kReadAhead, '\0');
    return empty;
}

void FileListing::append(const std::vector<std::string>& names)
{
    if (names.empty())
        return;
    m_names.resize(m_names.size() - kReadAhead);
    for (const std::string& name : names)
        add(name);
    m_names.append(kReadAhead, '\0');
    m_sorted = false;
    std::vector<uint32_t>().swap(m_order);
    m_all = false;
    m_shown.clear();
}

void FileListing::add(std::string_view name)
{
    m_names.append(name);
    m_nameAt.push_back(static_cast<uint32_t>(m_names.size()));
    if (FilePattern::isByteFoldable(name)) {
        if (!m_foldedAt.empty())
            m_foldedAt.push_back({0, 0});
        return;
    }
    if (m_foldedAt.empty())
        m_foldedAt.resize(m_nameAt.size() - 2, {0, 0});
    const auto at = static_cast<uint32_t>(m_folded.size());
    FilePattern::appendFolded(m_folded, name);
    m_foldedAt.push_back({at, static_cast<uint32_t>(m_folded.size() - at)});
}

FileListing::Key FileListing::keyOf(uint32_t entry) const
{
    if (!m_foldedAt.empty() && m_foldedAt[entry].size != 0)
        return {{m_folded.data() + m_foldedAt[entry].at, m_foldedAt[entry].size}, false};
    return {nameOf(entry), true};
}

bool FileListing::matches(const FilePattern& pattern, uint32_t entry) const
{
    const Key key = keyOf(entry);
    return key.foldEachByte ? pattern.matchesByteFoldable(key.bytes) : pattern.matchesFolded(key.bytes);
}

QString FileListing::shownText(int row) const
{
    return FileNameFromBytes(shownName(row));
}

void FileListing::sortEntries(std::vector<uint32_t>& entries) const
{
    // Every item is written below: no need to zero a million of them first.
    const auto items = std::make_unique_for_overwrite<SortItem[]>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Key key = keyOf(entries[i]);
        // Names fold byte by byte and are padded; the folded forms kept aside are not.
        const bool readAhead = key.foldEachByte;
        items[i] = {keyWord(key.bytes, key.foldEachByte, readAhead, 0),
                    keyWord(key.bytes, key.foldEachByte, readAhead, 8), entries[i]};
    }
    const auto less = [this](const SortItem& a, const SortItem& b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        const Key keyA = keyOf(a.entry);
        const Key keyB = keyOf(b.entry);
        const size_t common = std::min(keyA.bytes.size(), keyB.bytes.size());
        for (size_t i = kInline; i < common; ++i) {
            const unsigned char byteA = keyByte(keyA.bytes, keyA.foldEachByte, i);
            const unsigned char byteB = keyByte(keyB.bytes, keyB.foldEachByte, i);
            if (byteA != byteB)
                return byteA < byteB;
        }
        if (keyA.bytes.size() != keyB.bytes.size())
            return keyA.bytes.size() < keyB.bytes.size();
        return compareBytes(nameOf(a.entry), nameOf(b.entry)) < 0;
    };
    radixSort(items.get(), entries.size(), 0, less);
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i] = items[i].entry;
}

void FileListing::sort()
{
    if (m_sorted)
        return;
    std::vector<uint32_t> order(static_cast<size_t>(count()));
    std::iota(order.begin(), order.end(), 0u);
    sortEntries(order);
    m_order = std::move(order);
    m_sorted = true;
}

void FileListing::layOutSorted()
{
    sort();
    if (m_order.empty())
        return;
    const auto entries = static_cast<uint32_t>(count());
    std::string names;
    names.reserve(m_names.size());
    std::vector<uint32_t> nameAt;
    nameAt.reserve(entries + 1);
    nameAt.push_back(0);
    std::string folded;
    std::vector<Folded> foldedAt;
    if (!m_foldedAt.empty()) {
        folded.reserve(m_folded.size());
        foldedAt.reserve(entries);
    }
    for (const uint32_t entry : m_order) {
        names.append(nameOf(entry));
        nameAt.push_back(static_cast<uint32_t>(names.size()));
        if (!m_foldedAt.empty()) {
            const Folded was = m_foldedAt[entry];
            foldedAt.push_back({static_cast<uint32_t>(folded.size()), was.size});
            folded.append(m_folded, was.at, was.size);
        }
    }
    names.append(kReadAhead, '\0');
    m_names = std::move(names);
    m_nameAt = std::move(nameAt);
    m_folded = std::move(folded);
    m_foldedAt = std::move(foldedAt);

    if (!m_all && !m_shown.empty()) {
        // The view stays as it was; its entries only get their new numbers.
        std::vector<uint32_t> position(entries);
        for (uint32_t i = 0; i < entries; ++i)
            position[m_order[i]] = i;
        for (uint32_t& entry : m_shown)
            entry = position[entry];
    }
    std::vector<uint32_t>().swap(m_order);
}

void FileListing::filter(const FilePattern& pattern)
{
    if (pattern.matchesEverything()) {
        sort();
        m_all = true;
        std::vector<uint32_t>().swap(m_shown);
        return;
    }
    m_all = false;
    m_shown.clear();
    const auto entries = static_cast<uint32_t>(count());
    if (m_sorted) {
        // In sorted order, front to back through the names.
        layOutSorted();
        for (uint32_t entry = 0; entry < entries; ++entry) {
            if (matches(pattern, entry))
                m_shown.push_back(entry);
        }
        return;
    }
    for (uint32_t entry = 0; entry < entries; ++entry) {
        if (matches(pattern, entry))
            m_shown.push_back(entry);
    }
    sortEntries(m_shown);
}

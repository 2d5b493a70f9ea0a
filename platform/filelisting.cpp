// One pass of readdir over a folder; the file type comes from d_type, and only links and
// entries of unknown type cost a stat.

#include "platform/filelisting.h"

#include "platform/filename.h"
#include "platform/runtimeerror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
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

// Eight key bytes from `at` as one big-endian number, zero-padded: names never hold a zero
// byte, so comparing these numbers orders as comparing the bytes.
uint64_t keyWord(std::string_view key, size_t at)
{
    uint64_t word = 0;
    for (size_t i = at; i < at + 8; ++i)
        word = (word << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return word;
}

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

FileListing::Contents FileListing::read(const QString& folder)
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
    contents.files->m_names.reserve(size_t{16} * 1024);
    contents.files->m_keys.reserve(size_t{16} * 1024);
    dirent* entry;
    for (errno = 0; (entry = readdir(dir.get())) != nullptr; errno = 0) {
        if (entry->d_name[0] == '.')
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
    return contents;
}

FileListing::FileListing(const QString& folder, Kind kind)
{
    Contents contents = read(folder);
    *this = std::move(kind == Kind::Files ? *contents.files : *contents.folders);
}

void FileListing::add(std::string_view name)
{
    m_names.append(name);
    m_nameAt.push_back(static_cast<uint32_t>(m_names.size()));
    FilePattern::appendFolded(m_keys, name);
    m_keyAt.push_back(static_cast<uint32_t>(m_keys.size()));
}

QString FileListing::shownText(int row) const
{
    return FileNameFromBytes(shownName(row));
}

void FileListing::sortEntries(std::vector<uint32_t>& entries) const
{
    // The first sixteen key bytes sit next to the entry number, so most comparisons are two
    // integer compares without touching the name buffers.
    static constexpr size_t kInline = 16;
    struct Item
    {
        uint64_t high;
        uint64_t low;
        uint32_t entry;
    };
    std::vector<Item> items(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string_view key = keyOf(entries[i]);
        items[i] = {keyWord(key, 0), keyWord(key, 8), entries[i]};
    }
    std::sort(items.begin(), items.end(), [this](const Item& a, const Item& b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        const std::string_view keyA = keyOf(a.entry);
        const std::string_view keyB = keyOf(b.entry);
        int c = compareBytes(keyA.substr(std::min(keyA.size(), kInline)),
                             keyB.substr(std::min(keyB.size(), kInline)));
        if (c == 0)
            c = compareBytes(nameOf(a.entry), nameOf(b.entry));
        return c < 0;
    });
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i] = items[i].entry;
}

void FileListing::sortAll()
{
    if (m_sorted)
        return;
    const auto entries = static_cast<uint32_t>(count());
    std::vector<uint32_t> order(entries);
    for (uint32_t i = 0; i < entries; ++i)
        order[i] = i;
    sortEntries(order);

    // Both buffers again, in sorted order: a filter then reads them front to back.
    std::string names;
    names.reserve(m_names.size());
    std::vector<uint32_t> nameAt;
    nameAt.reserve(entries + 1);
    nameAt.push_back(0);
    std::string keys;
    keys.reserve(m_keys.size());
    std::vector<uint32_t> keyAt;
    keyAt.reserve(entries + 1);
    keyAt.push_back(0);
    for (const uint32_t entry : order) {
        names.append(nameOf(entry));
        nameAt.push_back(static_cast<uint32_t>(names.size()));
        keys.append(keyOf(entry));
        keyAt.push_back(static_cast<uint32_t>(keys.size()));
    }
    m_names = std::move(names);
    m_nameAt = std::move(nameAt);
    m_keys = std::move(keys);
    m_keyAt = std::move(keyAt);

    if (!m_all && !m_shown.empty()) {
        // The view was sorted already; it only gets the entries' new numbers.
        std::vector<uint32_t> position(entries);
        for (uint32_t i = 0; i < entries; ++i)
            position[order[i]] = i;
        for (uint32_t& entry : m_shown)
            entry = position[entry];
    }
    m_sorted = true;
}

void FileListing::filter(const FilePattern& pattern)
{
    if (pattern.matchesEverything()) {
        sortAll();
        m_all = true;
        std::vector<uint32_t>().swap(m_shown);
        return;
    }
    m_all = false;
    m_shown.clear();
    const auto entries = static_cast<uint32_t>(count());
    for (uint32_t entry = 0; entry < entries; ++entry) {
        if (pattern.matchesFolded(keyOf(entry)))
            m_shown.push_back(entry);
    }
    if (!m_sorted)
        sortEntries(m_shown);
}

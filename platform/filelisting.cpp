// One pass of readdir over a folder; the file type comes from d_type, and only links and
// entries of unknown type cost a stat.

#include "platform/filelisting.h"

#include "browse/filepattern.h"
#include "platform/runtimeerror.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

bool wanted(int dirFd, const dirent& entry, FileListing::Kind kind)
{
    switch (entry.d_type) {
    case DT_REG:
        return kind == FileListing::Kind::Files;
    case DT_DIR:
        return kind == FileListing::Kind::Folders;
    case DT_LNK:
    case DT_UNKNOWN: {
        // Follows a link: a link counts as what it points to, a dangling one as nothing.
        struct stat st;
        if (fstatat(dirFd, entry.d_name, &st, 0) != 0)
            return false;
        return kind == FileListing::Kind::Files ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
    }
    default:
        return false;
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

} // namespace

FileListing::FileListing(const QString& folder, Kind kind)
{
    const QByteArray path = QFile::encodeName(folder);
    std::unique_ptr<DIR, DirCloser> dir(opendir(path.constData()));
    if (!dir) {
        const int err = errno;
        throw RunTimeError(FolderErrorNumber(err), folder);
    }
    const int fd = dirfd(dir.get());
    m_names.reserve(size_t{16} * 1024);
    m_keys.reserve(size_t{16} * 1024);
    dirent* entry;
    for (errno = 0; (entry = readdir(dir.get())) != nullptr; errno = 0) {
        if (entry->d_name[0] == '.' || !wanted(fd, *entry, kind))
            continue;
        const std::string_view name(entry->d_name);
        m_names.append(name);
        m_nameAt.push_back(static_cast<uint32_t>(m_names.size()));
        FilePattern::appendFolded(m_keys, name);
        m_keyAt.push_back(static_cast<uint32_t>(m_keys.size()));
    }
    if (const int err = errno; err != 0)
        throw RunTimeError(FolderErrorNumber(err), folder);
    sort();
}

void FileListing::sort()
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
    const auto entries = static_cast<uint32_t>(m_nameAt.size() - 1);
    std::vector<Item> items(entries);
    for (uint32_t i = 0; i < entries; ++i) {
        const std::string_view key = keyOf(i);
        items[i] = {keyWord(key, 0), keyWord(key, 8), i};
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
    m_sorted.resize(entries);
    for (uint32_t i = 0; i < entries; ++i)
        m_sorted[i] = items[i].entry;
    m_shown = m_sorted;
}

void FileListing::filter(const FilePattern& pattern)
{
    if (pattern.matchesEverything()) {
        m_shown = m_sorted;
        return;
    }
    m_shown.clear();
    m_shown.reserve(m_sorted.size());
    for (const uint32_t entry : m_sorted) {
        if (pattern.matchesFolded(keyOf(entry)))
            m_shown.push_back(entry);
    }
}

QString FileListing::decodeName(std::string_view name)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(name.data(), static_cast<qsizetype>(name.size())));
    if (!utf8.hasError())
        return text;
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

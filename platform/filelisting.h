#pragma once
// The entries of one folder read once from disk, kept compactly and sorted, and the view of
// them that a pattern lets through. Filtering again never touches the disk.

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class FilePattern;

class FileListing
{
public:
    enum class Kind
    {
        Files,  // regular files and links to them
        Folders // folders and links to them
    };

    /// Reads the visible (not hidden) entries of one kind from a folder, sorted by case-folded
    /// name with ties in byte order. Throws RunTimeError when the folder cannot be read.
    FileListing(const QString& folder, Kind kind);

    /// Entries read, in sorted order.
    int count() const { return static_cast<int>(m_sorted.size()); }
    std::string_view name(int sortedIndex) const { return nameOf(m_sorted[sortedIndex]); }

    /// Keeps the entries that match; the view stays in sorted order.
    void filter(const FilePattern& pattern);
    int shownCount() const { return static_cast<int>(m_shown.size()); }
    std::string_view shownName(int row) const { return nameOf(m_shown[row]); }
    QString shownText(int row) const { return decodeName(shownName(row)); }

    /// A name from disk as text: UTF-8, or the file-system decoding when the bytes are not UTF-8.
    static QString decodeName(std::string_view name);

private:
    std::string_view nameOf(uint32_t entry) const
    {
        return {m_names.data() + m_nameAt[entry], m_nameAt[entry + 1] - m_nameAt[entry]};
    }
    std::string_view keyOf(uint32_t entry) const
    {
        return {m_keys.data() + m_keyAt[entry], m_keyAt[entry + 1] - m_keyAt[entry]};
    }
    void sort();

    // Every name in one buffer, and its case-folded sort key in another; entry i spans
    // [at[i], at[i + 1]).
    std::string m_names;
    std::vector<uint32_t> m_nameAt{0};
    std::string m_keys;
    std::vector<uint32_t> m_keyAt{0};
    std::vector<uint32_t> m_sorted; // entries in display order
    std::vector<uint32_t> m_shown;  // the entries of m_sorted that the pattern lets through
};

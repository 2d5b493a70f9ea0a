#pragma once
// The entries of one folder read once from disk, kept compactly, and the view of them that a
// pattern lets through. Filtering again never touches the disk.

#include "platform/filepattern.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class FileListing
{
public:
    enum class Kind
    {
        Files,  // regular files and links to them
        Folders // folders and links to them
    };

    /// Both kinds from one pass over a folder.
    struct Contents
    {
        std::unique_ptr<FileListing> files;
        std::unique_ptr<FileListing> folders;
    };

    /// Reads the visible (not hidden) files and folders of a folder in one pass of readdir.
    /// Throws RunTimeError when the folder cannot be read.
    static Contents read(const QString& folder);
    /// Reads the visible entries of one kind.
    FileListing(const QString& folder, Kind kind);

    /// Entries read.
    int count() const { return static_cast<int>(m_nameAt.size() - 1); }
    /// Name of the entry at a position in sorted order (case-folded, ties in byte order);
    /// only once sortAll has run.
    std::string_view name(int sortedIndex) const { return nameOf(static_cast<uint32_t>(sortedIndex)); }

    /// Keeps the entries that match; the view is in sorted order. Before the whole listing is
    /// sorted, only the matches are sorted.
    void filter(const FilePattern& pattern);
    int shownCount() const { return m_all ? count() : static_cast<int>(m_shown.size()); }
    std::string_view shownName(int row) const
    {
        return nameOf(m_all ? static_cast<uint32_t>(row) : m_shown[static_cast<size_t>(row)]);
    }
    QString shownText(int row) const;

    /// Sorts the whole listing and lays its names out in sorted order, so that filtering
    /// streams through memory. Keeps the view as it is; does nothing the second time.
    void sortAll();
    bool isSorted() const { return m_sorted; }

private:
    FileListing() = default;
    std::string_view nameOf(uint32_t entry) const
    {
        return {m_names.data() + m_nameAt[entry], m_nameAt[entry + 1] - m_nameAt[entry]};
    }
    std::string_view keyOf(uint32_t entry) const
    {
        return {m_keys.data() + m_keyAt[entry], m_keyAt[entry + 1] - m_keyAt[entry]};
    }
    void add(std::string_view name);
    void sortEntries(std::vector<uint32_t>& entries) const;

    // Every name in one buffer, and its case-folded sort key in another; entry i spans
    // [at[i], at[i + 1]). In readdir order until sortAll lays them out in sorted order.
    std::string m_names;
    std::vector<uint32_t> m_nameAt{0};
    std::string m_keys;
    std::vector<uint32_t> m_keyAt{0};
    bool m_sorted = false;
    bool m_all = false;            // the view is every entry (only once sorted)
    std::vector<uint32_t> m_shown; // the entries the pattern lets through, in sorted order
};

#pragma once
// The entries of one folder read once from disk, kept compactly, and the view of them that a
// pattern lets through. Filtering again never touches the disk.

#include "core/system/filepattern.h"
#include "core/system/folderstamp.h"

#include <QString>
#include <cstdint>
#include <functional>
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

    /// Called now and then during a read with what has been read so far, in read order.
    using Progress = std::function<void(const Contents& soFar)>;
    /// Reads the files and folders of a folder in one pass of readdir, hidden ones (names
    /// starting with ".") only when asked. Throws RunTimeError when the folder cannot be read.
    /// `stamp`, when given, gets the folder's stamp from the same open, before any entry is read.
    static Contents read(const QString& folder, const Progress& progress = {}, bool withHidden = false,
                         FolderStamp* stamp = nullptr);
    /// A listing of no entries, to append to.
    static std::unique_ptr<FileListing> Empty();
    /// Reads the visible entries of one kind.
    FileListing(const QString& folder, Kind kind);

    /// Entries read.
    int count() const { return static_cast<int>(m_nameAt.size() - 1); }
    /// Name of an entry in the order read; only before layOutSorted.
    std::string_view readName(int entry) const { return nameOf(static_cast<uint32_t>(entry)); }
    /// Adds names that arrived later; the listing is unsorted and unfiltered again.
    void append(const std::vector<std::string>& names);
    /// Name of the entry at a position in sorted order (case-folded, ties in byte order);
    /// only once sort() has run.
    std::string_view name(int sortedIndex) const
    {
        return nameOf(entryAt(static_cast<uint32_t>(sortedIndex)));
    }

    /// Keeps the entries that match; the view is in sorted order. Before the whole listing is
    /// sorted, only the matches are sorted.
    void filter(const FilePattern& pattern);
    int shownCount() const { return m_all ? count() : static_cast<int>(m_shown.size()); }
    std::string_view shownName(int row) const
    {
        return nameOf(m_all ? entryAt(static_cast<uint32_t>(row)) : m_shown[static_cast<size_t>(row)]);
    }
    QString shownText(int row) const;

    /// Puts the whole listing in sorted order; the names stay where they were read. Does nothing
    /// the second time.
    void sort();
    bool isSorted() const { return m_sorted; }
    /// Sorts, then copies the names into sorted order, so that filtering streams through memory.
    /// Keeps the view as it is.
    void layOutSorted();
    bool isLaidOut() const { return m_sorted && m_order.empty(); }

private:
    // How an entry's name compares and matches: folded byte by byte, or through its Unicode
    // case folding kept aside.
    struct Key
    {
        std::string_view bytes;
        bool foldEachByte;
    };

    FileListing() = default;
    std::string_view nameOf(uint32_t entry) const
    {
        return {m_names.data() + m_nameAt[entry], m_nameAt[entry + 1] - m_nameAt[entry]};
    }
    Key keyOf(uint32_t entry) const;
    bool matches(const FilePattern& pattern, uint32_t entry) const;
    uint32_t entryAt(uint32_t position) const { return m_order.empty() ? position : m_order[position]; }
    void reserve(size_t nameBytes);
    void add(std::string_view name);
    void sortEntries(std::vector<uint32_t>& entries) const;

    // Every name in one buffer; entry i spans [m_nameAt[i], m_nameAt[i + 1]). In readdir order
    // until layOutSorted.
    std::string m_names;
    std::vector<uint32_t> m_nameAt{0};
    // The Unicode case folding of names outside ASCII and Latin-1, by entry: empty until such a
    // name turns up, and a size of zero for the names that fold byte by byte.
    struct Folded
    {
        uint32_t at;
        uint32_t size;
    };
    std::string m_folded;
    std::vector<Folded> m_foldedAt;
    bool m_sorted = false;
    std::vector<uint32_t> m_order; // the entry at each sorted position; empty once laid out
    bool m_all = false;            // the view is every entry (only once sorted)
    std::vector<uint32_t> m_shown; // the entries the pattern lets through, in sorted order
};

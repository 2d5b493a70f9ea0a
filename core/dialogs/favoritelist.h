#pragma once
// The favorites as three parallel list boxes (names shown, paths and filters hidden) that must
// always change together. Every edit of the list goes through this class, which also keeps the
// count within the list box's 16-bit limit.

#include "core/formats/favofile.h"

#include <QList>
#include <cstdint>

class ListBox;

class FavoritesList
{
public:
    FavoritesList(ListBox& names, ListBox& paths, ListBox& filters);

    int16_t count() const;
    bool isFull() const { return count() >= MaxFavorites; }
    FavoritesEntry at(int16_t index) const;
    QList<FavoritesEntry> entries() const;

    /// Inserts before `index`, or appends when `index` is -1 or the count; false when full.
    bool insert(int16_t index, const FavoritesEntry& entry);
    bool append(const FavoritesEntry& entry) { return insert(-1, entry); }
    /// Appends as many as the list has room for, in one step; how many were appended.
    qsizetype append(const QList<FavoritesEntry>& entries);
    void remove(int16_t index);
    void replace(int16_t index, const FavoritesEntry& entry);
    /// Moves the entry `from` so that it ends at `to`; the others keep their order.
    void move(int16_t from, int16_t to);
    void clear();
    /// Replaces the whole list; at most MaxFavorites entries are taken.
    void assign(const QList<FavoritesEntry>& entries);

private:
    ListBox& m_names;
    ListBox& m_paths;
    ListBox& m_filters;
};

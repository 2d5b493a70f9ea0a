// The three favorites list boxes kept in step.

#include "core/dialogs/favoritelist.h"

#include "core/toolkit/listbox.h"

#include <algorithm>

FavoritesList::FavoritesList(ListBox& names, ListBox& paths, ListBox& filters)
    : m_names(names), m_paths(paths), m_filters(filters)
{}

int16_t FavoritesList::count() const
{
    return m_names.ListCount();
}

FavoritesEntry FavoritesList::at(int16_t index) const
{
    return {m_names.List(index), m_paths.List(index), m_filters.List(index)};
}

QList<FavoritesEntry> FavoritesList::entries() const
{
    QList<FavoritesEntry> result;
    result.reserve(count());
    for (int16_t i = 0; i < count(); ++i)
        result.append(at(i));
    return result;
}

bool FavoritesList::insert(int16_t index, const FavoritesEntry& entry)
{
    if (isFull())
        return false;
    // The hidden lists first: a handler woken by the visible list sees the entry whole.
    m_filters.AddItem(entry.filter, index);
    m_paths.AddItem(entry.path, index);
    m_names.AddItem(entry.name, index);
    return true;
}

qsizetype FavoritesList::append(const QList<FavoritesEntry>& entries)
{
    const qsizetype taken = std::min<qsizetype>(entries.size(), MaxFavorites - count());
    if (taken <= 0)
        return 0;
    QStringList names, paths, filters;
    for (qsizetype i = 0; i < taken; ++i) {
        names.append(entries.at(i).name);
        paths.append(entries.at(i).path);
        filters.append(entries.at(i).filter);
    }
    // The same order as insert: the visible list last.
    m_filters.AddItems(filters);
    m_paths.AddItems(paths);
    m_names.AddItems(names);
    return taken;
}

void FavoritesList::remove(int16_t index)
{
    if (index < 0 || index >= count())
        return;
    m_names.RemoveItem(index);
    m_paths.RemoveItem(index);
    m_filters.RemoveItem(index);
}

void FavoritesList::replace(int16_t index, const FavoritesEntry& entry)
{
    if (index < 0 || index >= count())
        return;
    const auto set = [index](ListBox& list, const QString& text) {
        list.RemoveItem(index);
        list.AddItem(text, index);
    };
    set(m_names, entry.name);
    set(m_paths, entry.path);
    set(m_filters, entry.filter);
}

void FavoritesList::move(int16_t from, int16_t to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    const FavoritesEntry entry = at(from);
    remove(from);
    // Room for one was just made, so the insert cannot fail at the limit.
    insert(to, entry);
}

void FavoritesList::clear()
{
    m_names.Clear();
    m_paths.Clear();
    m_filters.Clear();
}

void FavoritesList::assign(const QList<FavoritesEntry>& entries)
{
    clear();
    for (const FavoritesEntry& entry : entries) {
        if (!append(entry))
            break;
    }
}

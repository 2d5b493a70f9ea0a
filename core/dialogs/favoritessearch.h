#pragma once
// Finding favorites by name and path across the five favorites files. The texts are folded once
// when a file is set, so a keystroke only compares.

#include "core/formats/favofile.h"

#include <QList>
#include <array>
#include <cstdint>

struct FavoriteHit
{
    int16_t set = 0;   ///< favorites file 1..5
    int16_t index = 0; ///< entry in that file, counting separators as the list does
};

class FavoritesSearch
{
public:
    /// The entries of favorites file `set` (1..5), separators included.
    void setFile(int16_t set, const QList<FavoritesEntry>& entries);

    /// Favorites whose name, path or folder name contains `query`, ignoring case: names that
    /// start with it first, then folder names that do, then the rest, each in file order. At most
    /// `limit`; `total` receives how many matched in all.
    QList<FavoriteHit> find(const QString& query, qsizetype limit, qsizetype* total = nullptr) const;

    const FavoritesEntry& entry(const FavoriteHit& hit) const;

private:
    struct Item
    {
        FavoritesEntry entry;
        QString name;   // folded
        QString path;   // folded
        QString folder; // folded last component
    };
    std::array<QList<Item>, 5> m_files;
};

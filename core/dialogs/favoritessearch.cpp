// Finding favorites by name and path across the five favorites files, with the texts folded once per file.
#include "core/dialogs/favoritessearch.h"

#include "core/formats/favoritesio.h"

namespace {

QString lastComponent(const QString& path)
{
    QStringView view(path);
    while (view.size() > 1 && view.endsWith(u'/'))
        view.chop(1);
    const qsizetype slash = view.lastIndexOf(u'/');
    return (slash >= 0 && view.size() > 1 ? view.mid(slash + 1) : view).toString();
}

} // namespace

void FavoritesSearch::setFile(int16_t set, const QList<FavoritesEntry>& entries)
{
    QList<Item>& items = m_files.at(size_t(set - 1));
    items.clear();
    items.reserve(entries.size());
    for (const FavoritesEntry& entry : entries)
        items.append({entry, entry.name.toCaseFolded(), entry.path.toCaseFolded(),
                      lastComponent(entry.path).toCaseFolded()});
}

QList<FavoriteHit> FavoritesSearch::find(const QString& query, qsizetype limit, qsizetype* total) const
{
    const QString folded = query.trimmed().toCaseFolded();
    std::array<QList<FavoriteHit>, 3> ranks;
    qsizetype count = 0;
    if (!folded.isEmpty()) {
        for (int16_t set = 1; set <= 5; ++set) {
            const QList<Item>& items = m_files.at(size_t(set - 1));
            for (qsizetype i = 0; i < items.size(); ++i) {
                const Item& item = items.at(i);
                if (FavoritesIo::IsSeparator(item.entry))
                    continue;
                int rank = -1;
                if (item.name.startsWith(folded))
                    rank = 0;
                else if (item.folder.startsWith(folded))
                    rank = 1;
                else if (item.name.contains(folded) || item.path.contains(folded))
                    rank = 2;
                if (rank < 0)
                    continue;
                ++count;
                if (ranks[size_t(rank)].size() < limit)
                    ranks[size_t(rank)].append({set, int16_t(i)});
            }
        }
    }
    if (total)
        *total = count;
    QList<FavoriteHit> hits;
    for (const QList<FavoriteHit>& rank : ranks) {
        for (const FavoriteHit& hit : rank) {
            if (hits.size() >= limit)
                return hits;
            hits.append(hit);
        }
    }
    return hits;
}

const FavoritesEntry& FavoritesSearch::entry(const FavoriteHit& hit) const
{
    return m_files.at(size_t(hit.set - 1)).at(hit.index).entry;
}

// A three-way merge of favorites lists, by whole entries.

#include "core/formats/favoritesmerge.h"

#include <QHash>
#include <QList>
#include <algorithm>

namespace {

using Counts = QHash<QString, qsizetype>;

// One key per entry: the line the file holds for it, which tells entries apart exactly.
QString keyOf(const FavoritesEntry& entry)
{
    return ComposeFavoLine(entry);
}

Counts countsOf(const QList<FavoritesEntry>& entries)
{
    Counts counts;
    for (const FavoritesEntry& entry : entries)
        ++counts[keyOf(entry)];
    return counts;
}

// How often an entry ends up in the result: each side's change against the base applies; the
// same change made on both sides applies once.
qsizetype mergedCount(qsizetype base, qsizetype mine, qsizetype theirs)
{
    const qsizetype a = mine - base;
    const qsizetype b = theirs - base;
    qsizetype change = a + b;
    if (a > 0 && b > 0)
        change = std::max(a, b);
    else if (a < 0 && b < 0)
        change = std::min(a, b);
    return std::max<qsizetype>(0, base + change);
}

} // namespace

QList<FavoritesEntry> MergeFavorites(const QList<FavoritesEntry>& base, const QList<FavoritesEntry>& mine,
                                     const QList<FavoritesEntry>& theirs)
{
    const Counts inBase = countsOf(base);
    const Counts inMine = countsOf(mine);
    const Counts inTheirs = countsOf(theirs);
    Counts wanted;
    for (const Counts* side : {&inBase, &inMine, &inTheirs}) {
        for (auto it = side->cbegin(); it != side->cend(); ++it)
            wanted.insert(it.key(), mergedCount(inBase.value(it.key()), inMine.value(it.key()),
                                                inTheirs.value(it.key())));
    }

    // Mine, less what is to go: the later copies of an entry go first.
    QList<FavoritesEntry> merged;
    Counts kept;
    for (const FavoritesEntry& entry : mine) {
        const QString key = keyOf(entry);
        if (kept.value(key) < wanted.value(key)) {
            ++kept[key];
            merged.append(entry);
        }
    }
    // Then theirs' additions, each just before the entry that follows it in theirs (at the end
    // when none does), so a changed entry follows this list's version of it. Walked from the
    // end: slot p is before merged[p], slot merged.size() the end.
    QHash<QString, QList<qsizetype>> positions;
    for (qsizetype p = 0; p < merged.size(); ++p)
        positions[keyOf(merged.at(p))].append(p);
    QList<QList<FavoritesEntry>> before(merged.size() + 1);
    Counts seenFromEnd;
    qsizetype slot = merged.size();
    for (auto it = theirs.crbegin(); it != theirs.crend(); ++it) {
        const QString key = keyOf(*it);
        if (kept.value(key) < wanted.value(key)) {
            ++kept[key];
            before[slot].prepend(*it);
            continue;
        }
        const qsizetype fromEnd = seenFromEnd[key]++;
        const auto at = positions.constFind(key);
        if (at != positions.cend() && fromEnd < at->size())
            slot = at->at(at->size() - 1 - fromEnd);
    }
    QList<FavoritesEntry> result;
    for (qsizetype p = 0; p < merged.size(); ++p) {
        result.append(before.at(p));
        result.append(merged.at(p));
    }
    result.append(before.at(merged.size()));
    return result;
}

// The merge of the window's list with another program's change to the same file.

#include "core/formats/favoritesmerge.h"

#include <gtest/gtest.h>

namespace {

// One letter per entry; an apostrophe marks a changed version of the same favorite.
QList<FavoritesEntry> list(const char* letters)
{
    QList<FavoritesEntry> entries;
    for (const QString& name : QString::fromLatin1(letters).split(u' ', Qt::SkipEmptyParts))
        entries.append({name, QStringLiteral("/") + name.left(1), {}});
    return entries;
}

TEST(FavoritesMerge, EachSidesAdditionsAndRemovalsSurviveAndBothChangesAreKept)
{
    // clang-format off
    struct Row { const char* what; const char *base, *mine, *theirs, *merged; };
    const Row rows[] = {
        {"nothing changed",            "a b c", "a b c",   "a b c",   "a b c"},
        {"only mine changed",          "a b c", "a c d",   "a b c",   "a c d"},
        {"only theirs changed",        "a b c", "a b c",   "a c d",   "a c d"},
        {"both added, in their places","a b c", "a b c m", "a t b c", "a t b c m"},
        {"both removed the same",      "a b c", "a c",     "a c",     "a c"},
        {"removed on either side",     "a b c", "a c",     "a b",     "a"},
        {"both added the same",        "a",     "a x",     "a x",     "a x"},
        {"changed on both sides",      "a b c", "a b' c",  "a b\" c", "a b' b\" c"},
        {"changed here, removed there","a b c", "a b' c",  "a c",     "a b' c"},
        {"additions at the start",     "a b",   "m a b",   "t a b",   "m t a b"},
        {"a run of theirs in order",   "a b",   "a b",     "a x y z b","a x y z b"},
        {"no base: the union",         "",      "a b",     "a c",     "a b c"},
        {"a duplicate added there",    "a b",   "a b",     "a b a",   "a b a"},
        {"theirs emptied, mine grew",  "a b",   "a b m",   "",        "m"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QStringList names;
        for (const FavoritesEntry& entry : MergeFavorites(list(row.base), list(row.mine), list(row.theirs)))
            names << entry.name;
        EXPECT_EQ(names.join(u' '), QString::fromLatin1(row.merged));
    }
}

} // namespace

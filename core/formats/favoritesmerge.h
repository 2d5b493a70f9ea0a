#pragma once
// Two lists that grew apart from one loaded version, joined without losing either side's work:
// what the window holds and what another program wrote to the file meanwhile.

#include "core/formats/favofile.h"

#include <QList>

/// Entries are compared whole (name, path and filter). An entry added on either side is kept,
/// one removed on either side is removed, and an entry changed on both sides keeps both
/// versions (each side's change is a removal of the old entry and an addition of its own). The
/// order is `mine`'s, with the entries only `theirs` added placed before their successor there.
QList<FavoritesEntry> MergeFavorites(const QList<FavoritesEntry>& base, const QList<FavoritesEntry>& mine,
                                     const QList<FavoritesEntry>& theirs);

#pragma once
// Every door that adds a favorite (the dialogs, Import, the command line) stores only what the
// favorites file reads back as written: a "*" in a name, a "**" in a path or filter, or a line
// break would split or shift the fields at the next load and break the favorite, and a tab would
// make the command line's name<TAB>path<TAB>filter lines ambiguous.

#include "core/formats/favofile.h"
#include "core/toolkit/bilingual.h"

class Module1;

namespace StorableFavoriteText {
inline constexpr Bilingual Title{u"Invalid Favorite", u"Ogiltig Favorit"};
inline constexpr Bilingual Prompt{
    u"The name, path or filter contains characters that the Favorites file cannot store:\n"
    u"a \"*\" in the name, \"**\" in the path or filter, or a tab or line break.",
    u"Namnet, sökvägen eller filtret innehåller tecken som Favoritfilen inte kan lagra:\n"
    u"en \"*\" i namnet, \"**\" i sökvägen eller filtret, eller en tabb eller radbrytning."};
} // namespace StorableFavoriteText

/// True when the entry, written as one line of the favorites file, reads back as the same entry.
bool IsStorableFavorite(const FavoritesEntry& entry);

/// Tells the user why an entry cannot be stored; true when it can.
bool AcceptStorableFavorite(Module1& module, const FavoritesEntry& entry);

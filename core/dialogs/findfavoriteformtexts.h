#pragma once
// Every text of the find-favorite dialog, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FindFavoriteText {
inline constexpr Bilingual Menu{u"Fi&nd Favorite…", u"Sö&k Favorit…"};
inline constexpr Bilingual Caption{u"Find Favorite", u"Sök Favorit"};
inline constexpr Bilingual Search{u"Find:", u"Sök:"};
inline constexpr Bilingual Open{u"&Open", u"&Öppna"};
inline constexpr Bilingual Cancel{u"&Cancel", u"&Avbryt"};
inline constexpr Bilingual InFile{u"   [FF", u"   [FF"};
inline constexpr Bilingual MoreHits1{u"… and ", u"… och "};
inline constexpr Bilingual MoreHits2{u" more: type more letters", u" till: skriv fler bokstäver"};
inline constexpr Bilingual GoneTitle{u"Find Favorite", u"Sök Favorit"};
inline constexpr Bilingual Gone1{u"The favorite \"", u"Favoriten \""};
inline constexpr Bilingual Gone2{u"\" is no longer in favorites file ",
                                 u"\" finns inte längre i favoritfil "};
} // namespace FindFavoriteText

#pragma once
// Every text that the edit-favorite dialog shows, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace RenameDirFormText {
inline constexpr Bilingual Caption{u"Edit Favorite", u"Redigera Favorit"};
inline constexpr Bilingual FilterOnlyCaption{u"Edit Filter", u"Redigera Filter"};
inline constexpr Bilingual Label1{u"Current Favorite  Name: ", u"Nuvarande Favoritnamn: "};
inline constexpr Bilingual Label2{u"New Favorite Name: ", u"Nytt Favoritnamn: "};
inline constexpr Bilingual Label3{u"Current Favorite  Path: ", u"Nuvarande Favoritsökväg: "};
inline constexpr Bilingual Label4{u"New Favorite Path: ", u"Ny Favoritsökväg: "};
inline constexpr Bilingual Label5{u"Current File Filter: ", u"Nuvarande Filfilter: "};
inline constexpr Bilingual Label6{u"New File Filter: ", u"Nytt Filfilter: "};
inline constexpr Bilingual Save{u"&OK", u"&OK"};
inline constexpr Bilingual Cancel{u"&Cancel", u"&Avbryt"};
} // namespace RenameDirFormText

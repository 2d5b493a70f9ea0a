#pragma once
// Every text that the add-folder dialog shows, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace AddDirFormText {
inline constexpr Bilingual Caption{u"Add Current Folder", u"Lägg till vald Folder"};
inline constexpr Bilingual Label1{u"Path:", u"Sökväg"};
inline constexpr Bilingual Label2{u"Favorite Name:", u"Favoritnamn:"};
inline constexpr Bilingual Label3{u"File Filter:", u"Filfilter:"};
inline constexpr Bilingual Save{u"&Save", u"&Spara"};
inline constexpr Bilingual Cancel{u"&Cancel", u"&Avbryt"};

inline constexpr Bilingual KeepFilterTitle{u"File Filter", u"Filfilter"};
inline constexpr Bilingual KeepFilterPrompt{u"Are you sure you want to keep the File Filter ?",
                                            u"Är du säker på att du vill behålla Filfiltret ?"};
} // namespace AddDirFormText

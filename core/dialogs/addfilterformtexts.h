#pragma once
// Every text that the copy-path and add-filter dialog shows, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace AddFilterFormText {
inline constexpr Bilingual Caption{u"Copy Path / Add Filter", u"Kopiera sökväg / Lägg till Filter"};
inline constexpr Bilingual Label1{u"Selected File  Name: ", u"Valt Filnamn: "};
inline constexpr Bilingual Label2{u"Filter Setting: ", u"Filter:"};
inline constexpr Bilingual CopyPath{u"Copy &Path to Clipboard", u"&Kopiera Sökväg till Urklipp"};
inline constexpr Bilingual Save{u"&Add", u"&Lägg till"};
inline constexpr Bilingual Cancel{u"&Cancel", u"&Avbryt"};

inline constexpr Bilingual ActiveFilterTitle{u"Add Filter Warning", u"Lägg till Filter varning"};
inline constexpr Bilingual ActiveFilterPrompt{u"There is already an active Filter !",
                                              u"Det finns redan ett aktivt Filter !"};
} // namespace AddFilterFormText

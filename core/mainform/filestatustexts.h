#pragma once
// Every text of the file list's status line, in English and Swedish. %1 is the number shown,
// %2 the number in the folder.

#include "core/toolkit/bilingual.h"

namespace FileStatusText {
inline constexpr Bilingual EmptyFolder{u"Empty folder", u"Tom mapp"};
inline constexpr Bilingual OneFile{u"1 file", u"1 fil"};
inline constexpr Bilingual Files{u"%2 files", u"%2 filer"};
inline constexpr Bilingual ShownOfOne{u"%1 of 1 file shown", u"%1 av 1 fil visas"};
inline constexpr Bilingual ShownOf{u"%1 of %2 files shown", u"%1 av %2 filer visas"};
inline constexpr Bilingual FilterBefore{u" (filter: ", u" (filter: "};
inline constexpr QStringView FilterAfter = u")";
} // namespace FileStatusText

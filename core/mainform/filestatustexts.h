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
// While a folder is read in the background; %1 is a number of files, %3 the folder.
inline constexpr Bilingual Reading{u"Reading\u2026 %1 files", u"L\u00e4ser\u2026 %1 filer"};
inline constexpr Bilingual NotAnswering{u"%3 is not answering", u"%3 svarar inte"};
inline constexpr Bilingual ReadFailed{u"%3 could not be read", u"%3 kunde inte l\u00e4sas"};
inline constexpr Bilingual ReadStopped{u"Reading stopped: %1 files",
                                       u"L\u00e4sningen avbr\u00f6ts: %1 filer"};
} // namespace FileStatusText

#pragma once
// Paste, drop and their progress and outcome, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FileTransferText {

inline constexpr Bilingual Paste{u"&Paste", u"Klistra &in"};
inline constexpr Bilingual CancelCopy{u"Cancel Cop&ying", u"Avbryt kop&iering"};

inline constexpr Bilingual CopyTitle{u"Copy", u"Kopiera"};
inline constexpr Bilingual MoveTitle{u"Move", u"Flytta"};
/// "Copying 3 of 120 files…"
inline constexpr Bilingual Copying{u"Copying ", u"Kopierar "};
inline constexpr Bilingual Moving{u"Moving ", u"Flyttar "};
inline constexpr Bilingual Of{u" of ", u" av "};
/// The noun after a count: "1 file", "3 files".
inline constexpr Bilingual OneFile{u" file", u" fil"};
inline constexpr Bilingual Files{u" files", u" filer"};
inline constexpr Bilingual Busy{u"… (Escape cancels)", u"… (Esc avbryter)"};
/// "Copied 120 files."
inline constexpr Bilingual Copied{u"Copied ", u"Kopierade "};
inline constexpr Bilingual Moved{u"Moved ", u"Flyttade "};
inline constexpr Bilingual Done{u".", u"."};
/// "Copying cancelled after 3 of 120 files; nothing half-written was left."
inline constexpr Bilingual CopyCancelled{u"Copying cancelled after ", u"Kopieringen avbröts efter "};
inline constexpr Bilingual MoveCancelled{u"Moving cancelled after ", u"Flyttningen avbröts efter "};
inline constexpr Bilingual NothingLeft{u"; nothing half-written was left.",
                                       u"; inget halvskrivet lämnades kvar."};

inline constexpr Bilingual Quote{u"\"", u"\""};
inline constexpr Bilingual NotCopied{u"\" could not be copied:\n", u"\" kunde inte kopieras:\n"};
inline constexpr Bilingual NotMoved{u"\" could not be moved:\n", u"\" kunde inte flyttas:\n"};
inline constexpr Bilingual NoSpace1{u"There is not enough space in \"", u"Det finns inte plats nog i \""};
inline constexpr Bilingual NoSpace2{u"\" for \"", u"\" för \""};
inline constexpr Bilingual NoSpace3{u"\".", u"\"."};
inline constexpr Bilingual Tally1{u"\n\n", u"\n\n"};
/// "…\n\nMoved 3 of 120 files; nothing half-written was left, and nothing …"
inline constexpr Bilingual NothingLostInMove{
    u"; nothing half-written was left, and nothing was deleted that was not copied whole.",
    u"; inget halvskrivet lämnades kvar, och inget raderades som inte kopierats helt."};
/// A move across volumes whose source could not be deleted: a copy, said as such.
inline constexpr Bilingual NotRemoved{u"\" was copied but could not be removed from where it was:\n",
                                      u"\" kopierades men kunde inte tas bort där den låg:\n"};
inline constexpr Bilingual StillThere{u"\n\nIt is still there as well.", u"\n\nDen finns kvar även där."};
inline constexpr Bilingual Unreadable{u"\" could not be read:\n", u"\" kunde inte läsas:\n"};
inline constexpr Bilingual IntoItself1{u"The folder \"", u"Mappen \""};
inline constexpr Bilingual IntoItself2{u"\" cannot be put into itself.", u"\" kan inte läggas i sig själv."};
inline constexpr Bilingual AnotherRunning{
    u"Another copy is still running. Wait for it, or cancel it with Escape.",
    u"En annan kopiering pågår. Vänta tills den är klar eller avbryt den med Esc."};

} // namespace FileTransferText

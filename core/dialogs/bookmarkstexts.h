#pragma once
// Every text of the desktop-bookmarks import and export, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace BookmarksText {
// Menu captions.
inline constexpr Bilingual ImportMenu{u"I&mport Desktop Bookmarks…", u"I&mportera skrivbordets bokmärken…"};
inline constexpr Bilingual ExportMenu{u"E&xport to Desktop Bookmarks…",
                                      u"E&xportera till skrivbordets bokmärken…"};

// The import dialog.
inline constexpr Bilingual Caption{u"Import Desktop Bookmarks", u"Importera skrivbordets bokmärken"};
inline constexpr Bilingual Found{u"Folders in the desktop's bookmarks (checked ones are added):",
                                 u"Foldrar i skrivbordets bokmärken (de markerade läggs till):"};
inline constexpr Bilingual Import{u"&Add", u"&Lägg till"};
inline constexpr Bilingual Cancel{u"&Cancel", u"&Avbryt"};
inline constexpr Bilingual AlreadyThere{u"   (already in the list)", u"   (finns redan i listan)"};
inline constexpr Bilingual FilterMark{u"   filter: ", u"   filter: "};

// Messages.
inline constexpr Bilingual Title{u"Desktop Bookmarks", u"Skrivbordets bokmärken"};
inline constexpr Bilingual NothingFound{u"No folders were found in the desktop's bookmarks:\n",
                                        u"Inga foldrar hittades i skrivbordets bokmärken:\n"};
inline constexpr Bilingual Malformed1{u"The file \"", u"Filen \""};
inline constexpr Bilingual Malformed2{u"\" is not a valid bookmarks file and was left untouched:\n",
                                      u"\" är inte en giltig bokmärkesfil och lämnades orörd:\n"};
inline constexpr Bilingual Unreadable2{u"\" could not be read and was left untouched:\n",
                                       u"\" kunde inte läsas och lämnades orörd:\n"};
inline constexpr Bilingual NotAFile2{u"\" is not a regular file (it may be a pipe, a device or a "
                                     u"folder).\nIt was not read and was left untouched.",
                                     u"\" är inte en vanlig fil (det kan vara en pipe, en enhet eller en "
                                     u"mapp).\nDen har inte lästs och lämnades orörd."};
inline constexpr Bilingual TooLarge2{
    u"\" is larger than a bookmarks file can be; it was not read and was left untouched.",
    u"\" är större än en bokmärkesfil kan vara; den har inte lästs och lämnades orörd."};
inline constexpr Bilingual SaveFailed2{u"\" could not be saved and was left as it was:\n",
                                       u"\" kunde inte sparas och lämnades som den var:\n"};
inline constexpr Bilingual Skipped{
    u" folder(s) could not be added: their name or path cannot be stored in "
    u"the Favorites file.",
    u" folder(s) kunde inte läggas till: namnet eller sökvägen kan inte lagras "
    u"i Favoritfilen."};
inline constexpr Bilingual NothingToExport{u"The list holds no folders to export.",
                                           u"Listan innehåller inga foldrar att exportera."};
inline constexpr Bilingual LeftOut{u" folder(s) of the list no longer exist and are left out.",
                                   u" folder(s) i listan finns inte längre och utelämnas."};
inline constexpr Bilingual ExportAsk1{u"Add the ", u"Lägg till listans "};
inline constexpr Bilingual ExportAsk2{u" folder(s) of this list to the desktop's bookmarks?\n\n",
                                      u" folder(s) i skrivbordets bokmärken?\n\n"};
inline constexpr Bilingual ExportAsk3{
    u"\n\nFolders already there are skipped; no bookmark is removed or moved.",
    u"\n\nFoldrar som redan finns hoppas över; inget bokmärke tas bort eller "
    u"flyttas."};
inline constexpr Bilingual Added{u" added, ", u" tillagda, "};
inline constexpr Bilingual Present{u" already there", u" fanns redan"};
inline constexpr Bilingual Backup{u"\nA copy of the file as it was is kept as ",
                                  u"\nEn kopia av filen som den var "
                                  u"finns som "};
} // namespace BookmarksText

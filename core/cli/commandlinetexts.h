#pragma once
// Every text the command line prints, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace CommandLineText {

inline constexpr Bilingual Usage{u"Usage: ", u"Användning: "};
inline constexpr Bilingual OptionsWord{u"[options]", u"[flaggor]"};
inline constexpr Bilingual Summary{u"A file manager built around a list of favorite folders.",
                                   u"En filhanterare byggd kring en lista med favoritfoldrar."};
inline constexpr Bilingual OptionsHeading{u"Options:", u"Flaggor:"};
inline constexpr Bilingual ArgumentsHeading{u"Arguments:", u"Argument:"};

inline constexpr Bilingual HelpOption{u"Shows this help and exits.", u"Visar denna hjälp och avslutar."};
inline constexpr Bilingual VersionOption{u"Shows the version and exits.", u"Visar versionen och avslutar."};

inline constexpr Bilingual FolderArgument{u"folder", u"folder"};
inline constexpr Bilingual FolderDescription{
    u"A folder, a file or a file:// URL to open at start, for this run only. A file opens its folder "
    u"with the file selected.",
    u"En folder, en fil eller en file://-URL som öppnas vid start, bara denna gång. En fil öppnar sin "
    u"folder med filen vald."};

inline constexpr Bilingual FavoritesHeading{u"Favorites (no window):", u"Favoriter (utan fönster):"};
inline constexpr Bilingual NameWord{u"NAME", u"NAMN"};
inline constexpr Bilingual FolderWord{u"FOLDER", u"FOLDER"};
inline constexpr Bilingual ListCommand{
    u"Prints the favorites as name, path and filter separated by tabs.",
    u"Skriver ut favoriterna som namn, sökväg och filter åtskilda av tabbar."};
inline constexpr Bilingual PathCommand{
    u"Prints the path of the favorite of that name (exact, else a unique prefix in any case).",
    u"Skriver ut sökvägen till favoriten med det namnet (exakt, annars ett unikt prefix i valfri "
    u"skiftläge)."};
inline constexpr Bilingual AddCommand{u"Appends the folder to the favorites.",
                                      u"Lägger till foldern sist bland favoriterna."};
inline constexpr Bilingual FilterWord{u"FILTER", u"FILTER"};
inline constexpr Bilingual NumberWord{u"N", u"N"};
inline constexpr Bilingual NameOption{u"With --add: the favorite's name (default: the folder's name).",
                                      u"Med --add: favoritens namn (standard: folderns namn)."};
inline constexpr Bilingual FilterOption{u"With --add: the favorite's file filter.",
                                        u"Med --add: favoritens filfilter."};
inline constexpr Bilingual SetCommand{u"Works on favorites file N (1 to 5) instead of the start file.",
                                      u"Arbetar med favoritfil N (1 till 5) i stället för startfilen."};

inline constexpr Bilingual UnknownOption{u"Unknown option: ", u"Okänd flagga: "};
inline constexpr Bilingual TooManyArguments{u"Only one folder can be given: ", u"Bara en folder kan anges: "};
inline constexpr Bilingual NotLocalUrl{u"Only local folders and file:// URLs can be opened: ",
                                       u"Bara lokala foldrar och file://-URL:er kan öppnas: "};

} // namespace CommandLineText

#pragma once
// The texts about the favorites data file itself: files that are not files, lists beyond the
// limit, and files changed by somebody else. "%1" is the file's path (or
// the only number), "%2" a number.

#include "core/toolkit/bilingual.h"

namespace FavoDataFileText {

inline constexpr Bilingual NotAFile{
    u"%1 is not a regular file (it may be a pipe, a device or a folder).\n"
    u"It was not read, and the Favorites List will not be saved over it.",
    u"%1 är inte en vanlig fil (det kan vara en pipe, en enhet eller en mapp).\n"
    u"Den har inte lästs, och Favoritlistan sparas inte över den."};
inline constexpr Bilingual FileTooLarge{u"%1 is larger than %2 MB, more than a Favorites file can hold.\n"
                                        u"It was not read, and the Favorites List will not be saved over it.",
                                        u"%1 är större än %2 MB, mer än en Favoritfil kan rymma.\n"
                                        u"Den har inte lästs, och Favoritlistan sparas inte över den."};
inline constexpr Bilingual TooManyTitle{u"Favorites List Full", u"Favoritlistan full"};
inline constexpr Bilingual TooMany{
    u"%1 holds more favorites than the list can hold. Only the first %2 were read.\n"
    u"Before the list is saved, the whole file is kept as %1.bak.",
    u"%1 innehåller fler favoriter än listan kan rymma. Bara de första %2 har lästs.\n"
    u"Innan listan sparas behålls hela filen som %1.bak."};
inline constexpr Bilingual ListFull{
    u"The Favorites List already holds %1 favorites, the most it can hold.\n"
    u"Remove a favorite before you add, insert or move one.",
    u"Favoritlistan innehåller redan %1 favoriter, det största antal den kan rymma.\n"
    u"Ta bort en favorit innan du lägger till, infogar eller flyttar en."};
inline constexpr Bilingual ImportFull{
    u"The Favorites List is full: it holds %1 favorites, the most it can hold.\n"
    u"%2 of the chosen folders were added; the other %3 were left out.",
    u"Favoritlistan är full: den innehåller %1 favoriter, det största antal den kan rymma.\n"
    u"%2 av de valda foldrarna lades till; de övriga %3 utelämnades."};
inline constexpr Bilingual ListTooLarge{u"The list is larger than %1 MB.", u"Listan är större än %1 MB."};
inline constexpr Bilingual ChangedTitle{u"Favorites File Changed", u"Favoritfilen ändrad"};
inline constexpr Bilingual MergeAsk{
    u"%1 was changed by another window or program after this list was loaded or saved.\n\n"
    u"Yes: merge the two lists. Favorites added or removed on either side stay added or removed,\n"
    u"and the version on disk is kept as a copy beside it.\n"
    u"No: choose between overwriting it with this list and reloading it.\n"
    u"Cancel: do neither for now.",
    u"%1 har ändrats av ett annat fönster eller program efter att listan lästes in eller sparades.\n\n"
    u"Ja: slå ihop de två listorna. Favoriter som lagts till eller tagits bort på endera sidan förblir\n"
    u"tillagda eller borttagna, och versionen på disken behålls som en kopia bredvid den.\n"
    u"Nej: välj mellan att skriva över den med denna lista och att läsa in den igen.\n"
    u"Avbryt: gör ingetdera just nu."};
inline constexpr Bilingual MergedAtEnd{
    u"When Wayfolder ended last time, %1 had been changed by another window or program.\n"
    u"The two lists were merged and saved; the version that was on disk is kept as\n%2",
    u"När Wayfolder avslutades förra gången hade %1 ändrats av ett annat fönster eller program.\n"
    u"De två listorna slogs ihop och sparades; versionen som fanns på disken finns kvar som\n%2"};
inline constexpr Bilingual Changed{
    u"%1 was changed by another window or program after this list was loaded or saved.\n\n"
    u"Yes: overwrite it with this list.\n"
    u"No: reload it and drop the changes made here.\n"
    u"Cancel: do neither for now.",
    u"%1 har ändrats av ett annat fönster eller program efter att listan lästes in eller sparades.\n\n"
    u"Ja: skriv över den med denna lista.\n"
    u"Nej: läs in den igen och släng ändringarna som gjorts här.\n"
    u"Avbryt: gör ingetdera just nu."};

} // namespace FavoDataFileText

#pragma once
// The messages about loading, saving and editing the favorites file, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FavoritesText {

inline constexpr Bilingual DataErrorTitle{u"Data File Error", u"Datafil Fel"};
inline constexpr Bilingual DataError{u"FavoDirs.dat file contains invalid data e.g. line missing * .\n"
                                     u"Select Edit Favorite Folders and correct data !",
                                     u"FavoDirs.dat fil innehåller felaktig data, t.ex. * saknas.\n"
                                     u"Välj Redigera Favorit Foldrar datafil och korrigera data !"};
inline constexpr Bilingual SaveError1{u"The Favorites List file ", u"Favoritlistfilen "};
inline constexpr Bilingual SaveError2{u" could not be saved.", u" kunde inte sparas."};
inline constexpr Bilingual BackupError{u"The backup copy could not be written: ",
                                       u"Säkerhetskopian kunde inte skrivas: "};
inline constexpr Bilingual BackupReadError{u"The file could not be read to keep a backup copy of it: ",
                                           u"Filen kunde inte läsas för att spara en säkerhetskopia: "};

inline constexpr Bilingual ChangeFavoFileTitle{u"Change Favorites file", u"Byta Favoritfil"};
inline constexpr Bilingual ChangeFavoFile{
    u"Do you want to save all changes done to the current Favorites file ?",
    u"Vill du spara alla ändringar gjorda i nuvarande Favoritfil ?"};
inline constexpr Bilingual UndoTitle{u"Undo", u"Ångra"};
inline constexpr Bilingual Undo{u"Undo all changes ?", u"Ångra alla ändringar ?"};
inline constexpr Bilingual EditFavoFileTitle{u"Edit Favorites Folders data file",
                                             u"Redigera Favorit Folder datafil"};
inline constexpr Bilingual SaveBeforeEdit{
    u"Do you want save previous changes before editing the Favorites file ?",
    u"Vill du spara tidigare gjorda ändringar innan du redigerar Favoritfilen ?"};
inline constexpr Bilingual RefreshAfterEdit{
    u"If changes were made to the Favorite Folder datafile the Favorites List must be refreshed .\n\n"
    u"Do you want to refresh now ?",
    u"Om ändringar gjorts i Favorit Folder datafil behöver Favoritlistan uppdateras .\n\n"
    u"Vill du uppdatera nu ?"};
inline constexpr Bilingual FavoFileErrorTitle{u"Favorites List File Error", u"Favoritlistfil Fel"};
inline constexpr Bilingual NoEditor{
    u"The Favorites List file can't be opened since the program Notepad can't be found.",
    u"Favoritlistfilen kan inte öppnas eftersom programmet Anteckningar inte kan hittas."};

} // namespace FavoritesText

#pragma once
// The file actions' menu and messages, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FileActionsText {

inline constexpr Bilingual Menu{u"Fi&les", u"Fi&ler"};
inline constexpr Bilingual NewFolder{u"&New Folder...", u"&Ny mapp..."};
inline constexpr Bilingual Rename{u"&Rename...", u"&Byt namn..."};
inline constexpr Bilingual Trash{u"Move to &Trash", u"Flytta till &papperskorgen"};
inline constexpr Bilingual Delete{u"&Delete Permanently...", u"&Radera permanent..."};
inline constexpr Bilingual ShowHidden{u"Show &Hidden Files", u"Visa &dolda filer"};
inline constexpr Bilingual Back{u"B&ack", u"B&akåt"};
inline constexpr Bilingual Forward{u"&Forward", u"&Framåt"};

inline constexpr Bilingual Copy{u"&Copy", u"&Kopiera"};
inline constexpr Bilingual Cut{u"Cu&t", u"Klipp &ut"};
inline constexpr Bilingual Location{u"&Location...", u"&Plats..."};
inline constexpr Bilingual LocationTitle{u"Location", u"Plats"};
inline constexpr Bilingual LocationMissing1{u"There is no folder \"", u"Det finns ingen mapp \""};
inline constexpr Bilingual LocationMissing2{u"\".", u"\"."};

inline constexpr Bilingual NewFolderTitle{u"New Folder", u"Ny mapp"};
inline constexpr Bilingual NewFolderPrompt{u"Name of the new folder:", u"Namn på den nya mappen:"};
/// The proposed name of a new folder.
inline constexpr Bilingual NewFolderName{u"New Folder", u"Ny mapp"};
inline constexpr Bilingual RenameTitle{u"Rename", u"Byt namn"};
inline constexpr Bilingual NameEmpty{u"Please type a name.", u"Skriv ett namn."};
inline constexpr Bilingual NameSlash{u"A name cannot hold \"/\".", u"Ett namn kan inte innehålla \"/\"."};
inline constexpr Bilingual NameExists1{u"There is already a file or folder named \"",
                                       u"Det finns redan en fil eller mapp med namnet \""};
inline constexpr Bilingual NameExists2{u"\".", u"\"."};
inline constexpr Bilingual Failed1{u"\"", u"\""};
inline constexpr Bilingual Failed2{u"\" could not be changed:\n", u"\" kunde inte ändras:\n"};
inline constexpr Bilingual TrashFailed{u"\" could not be moved to the trash:\n",
                                       u"\" kunde inte flyttas till papperskorgen:\n"};
inline constexpr Bilingual DeleteTitle{u"Delete Permanently", u"Radera permanent"};
inline constexpr Bilingual DeleteOne1{u"Delete \"", u"Radera \""};
inline constexpr Bilingual DeleteOne2{u"\" permanently?\nIt cannot be brought back.",
                                      u"\" permanent?\nDet går inte att ångra."};
inline constexpr Bilingual DeleteMany1{u"Delete ", u"Radera "};
inline constexpr Bilingual DeleteMany2{u" items permanently?\nThey cannot be brought back.",
                                       u" poster permanent?\nDet går inte att ångra."};
inline constexpr Bilingual DeleteFailed{u"\" could not be deleted:\n", u"\" kunde inte raderas:\n"};
inline constexpr Bilingual NoAnswer{
    u"The folder did not answer in time. Refresh the list to see whether the change was made.",
    u"Mappen svarade inte i tid. Uppdatera listan för att se om ändringen gjordes."};

} // namespace FileActionsText

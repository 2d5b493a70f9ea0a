#pragma once
// Every text that the main window shows, in English and Swedish.

#include "ui/bilingual.h"

namespace MainFormText {

inline constexpr QStringView AppTitle = u"Wayfolder";
inline constexpr Bilingual ActiveFavoFile{u"    [Active Favorite File:  FF", u"    [Aktiv Favoritfil:  FF"};

// Captions.
inline constexpr Bilingual File{u"&File", u"&Arkiv"};
inline constexpr Bilingual FavoFile{u"Favorite File &", u"Favorit-fil &"};
inline constexpr Bilingual StartPosition{u"&Use Start Position saved on Exit",
                                         u"&Använd Start Position sparad vid Exit"};
inline constexpr Bilingual DefaultPath{u"Startup Folder && Filter", u"&StartFolder && Filter"};
inline constexpr Bilingual NoDefaultPath{u"&Don't Use Saved Folder && Filter",
                                         u"Använd &inte StartFolder && Filter"};
inline constexpr Bilingual UseCurrentPath{u"Use &Saved Folder && Filter", u"&Använd sparad Folder && Filter"};
inline constexpr Bilingual SavePath{u"Save &Current Folder && Filter", u"&Spara nuvarande Folder && Filter"};
inline constexpr Bilingual UseExitPath{u"Use &Exit Folder && Filter",
                                       u"Använd Folder && Filter som är aktiv vid &Exit"};
inline constexpr Bilingual GoToSavedPath{u"&Go To Saved Folder", u"&Gå till sparad Folder"};
inline constexpr Bilingual Language{u"S&venska", u"&English"};
inline constexpr Bilingual ChangeDrive{u"&Change Drive", u"&Byt Disk"};
inline constexpr Bilingual FavoDirs{u"Fa&vorite Folders", u"&Favorit-Foldrar"};
inline constexpr Bilingual OpenFolder{u"&Open Current Folder with Windows Explorer",
                                      u"&Öppna vald Folder med Explorer"};
inline constexpr Bilingual AddDir{u"&Add Current Folder to Favorites List",
                                  u"&Lägg till vald Folder till Favoritlistan"};
inline constexpr Bilingual AddSeparator{u"&Insert Separator after selected Favorite",
                                        u"&Infoga avgränsare efter vald Favorit"};
inline constexpr Bilingual RemoveFolder{u"&Remove selected Favorite from the list",
                                        u"&Ta bort vald Favorit från listan"};
inline constexpr Bilingual RenameFolder{u"&Edit selected Favorite", u"&Redigera vald Favorit"};
inline constexpr Bilingual UndoChanges{u"&Undo Changes", u"&Ångra ändringar"};
inline constexpr Bilingual EditFavoFile{u"Edit &Favorite Folders Datafile", u"Redigera &Favorit-Datafil"};
inline constexpr Bilingual SaveFavoFile{u"&Save Favorite Folders Datafile", u"&Spara Favorit-Datafil"};
inline constexpr Bilingual RefreshFolderList{u"Refresh F&older List", u"Uppdatera F&older-listan"};
inline constexpr Bilingual RefreshFilesList{u"Refresh F&iles List", u"Uppdatera F&il-listan"};
inline constexpr Bilingual About{u"&About", u"&Om"};
inline constexpr Bilingual Favorites{u"Favorites", u"Favoriter"};
inline constexpr Bilingual Folders{u"Folders", u"Foldrar"};
inline constexpr Bilingual FilesFilter{u"Files / Filter", u"Filer / Filter"};
inline constexpr Bilingual GotoSavedButton{u"&Go To Saved", u"&Gå till sparad"};
inline constexpr Bilingual OpenExplorerButton{u"&Open with Explorer", u"&Öppna med Explorer"};
inline constexpr Bilingual RefreshFolderButton{u"&Refresh", u"&Uppdatera"};
inline constexpr Bilingual RefreshFileButton{u"R&efresh", u"U&ppdatera"};

// Captions that are the same in both languages.
inline constexpr QStringView Exit = u"E&xit";
inline constexpr QStringView FF = u"FF&";
inline constexpr QStringView Separator = u"-";

// Messages.
inline constexpr Bilingual PathErrorTitle{u"Path Error", u"Sökvägsfel"};
inline constexpr Bilingual StartFolderMissing1{u"The Startup folder ", u"StartFolder  "};
inline constexpr Bilingual StartFolderMissing2{u"  can't be found.\nWill start with  ",
                                               u"  kan inte hittas.\nStartar med  "};
inline constexpr Bilingual StartFolderMissing3{u"  instead.", u"  i stället."};

inline constexpr Bilingual FilterWarningTitle{u"Filter WARNING", u"Filter VARNING"};
inline constexpr Bilingual FilterWarning{u"Be aware of that you have an active file filter entry !\n"
                                         u"Do you want to keep it ?\n"
                                         u"\n"
                                         u"This message is shown only once for each filter setting.",
                                         u"Notera att du har ett aktivt filfilter !\n"
                                         u"Vill du behålla det ?\n"
                                         u"\n"
                                         u"Detta meddelande visas endast en gång per filtertext."};

inline constexpr Bilingual OpenFolderErrorTitle{u"Open Folder Error", u"Öppna Folder Fel"};
inline constexpr Bilingual FolderMissing1{u"The folder \"", u"Foldern \""};
inline constexpr Bilingual FolderMissing2{u"\" does not exist.\n\nDo you want to refresh the list ?",
                                          u"\" finns inte.\n\nVill du uppdatera listan ?"};
inline constexpr Bilingual OpenFileErrorTitle{u"Open File Error", u"Öppna Fil Fel"};
inline constexpr Bilingual FileMissing1{u"The file \"", u"Filen \""};
inline constexpr Bilingual FileMissing2{u"\" does not exist.\n\nDo you want to refresh the list ?",
                                        u"\" finns inte.\n\nVill du uppdatera listan ?"};

inline constexpr Bilingual DriveErrorTitle{u"Drive Error", u"Diskfel"};
inline constexpr Bilingual DriveNotReady1{u"Drive ", u"Disk "};
inline constexpr Bilingual DriveNotReady2{u" is not ready.", u" är ej redo."};
inline constexpr Bilingual AccessDenied1{u"Access denied to \"", u"Tillgång till \""};
inline constexpr Bilingual AccessDenied2{u"\" .", u"\" nekad."};
inline constexpr Bilingual FolderNotExist1{u"The Folder \"", u"Foldern \""};
inline constexpr Bilingual FolderNotExist2{u"\" does not exist.", u"\" existerar inte."};
inline constexpr Bilingual RemoveOrEdit{
    u"\n\nSelect <Yes> to remove it from the Favorites List\nor <No> to Edit the Favorite.",
    u"\n\nVälj <Ja> om du vill ta bort den från Favoritlistan\neller <Nej> för att redigera Favorit."};
inline constexpr Bilingual ErrorTitle{u"Error", u"Fel"};
inline constexpr Bilingual UnknownError{u"Unknown Error", u"Okänt Fel"};

inline constexpr Bilingual RemoveItemErrorTitle{u"Remove Item Error", u"Ta bort post fel"};
inline constexpr Bilingual RemoveItemError{
    u"You can't remove all Folders from the Favorites List.\nThe list must contain at least one Item.",
    u"Du kan inte ta bort alla poster från Favoritlistan.\nListan måste innehålla minst en post."};
inline constexpr Bilingual RemoveItemTitle{u"Remove Item", u"Ta bort post"};
inline constexpr Bilingual RemoveItem1{u"Remove the item \"", u"Ta bort post \""};
inline constexpr Bilingual RemoveItem2{u"\" from the Favorites List ?", u"\" från Favoritlistan ?"};
inline constexpr Bilingual InsertSeparatorTitle{u"Insert Separator", u"Infoga Avgränsare"};
inline constexpr Bilingual InsertSeparator1{u"Insert a separator after the item \"",
                                            u"Infoga en avgränsare efter post \""};
inline constexpr Bilingual InsertSeparator2{u"\" ?", u"\" ?"};

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

// A refresh of a folder deleted since it was opened: its path, then the folder shown instead.
inline constexpr Bilingual FolderGoneTitle{u"Folder Missing", u"Folder saknas"};
inline constexpr Bilingual FolderGone1{u"The folder ", u"Foldern "};
inline constexpr Bilingual FolderGone2{u" no longer exists.\nShowing ", u" finns inte längre.\nVisar "};
inline constexpr Bilingual FolderGone3{u" instead.", u" i stället."};

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

inline constexpr Bilingual StartFolderTitle{u"Startup Folder & Filter", u"StartFolder & Filter"};
inline constexpr Bilingual StartFolderSaved{u"Current Folder and Filter Saved as Startup",
                                            u"Nuvarande folder och filter sparade som StartFolder"};
inline constexpr Bilingual SavedFolderMissing1{u"The saved folder ", u"Sparad folder "};
inline constexpr Bilingual SavedFolderMissing2{u"  can't be found.", u"  kan inte hittas."};

} // namespace MainFormText

#pragma once
// The main window's captions, and the messages that several of its parts share, in English and
// Swedish. Each part's own messages live next to its code.

#include "core/dialogs/module1.h"
#include "core/toolkit/bilingual.h"

namespace MainFormText {

inline constexpr QStringView AppTitle = Module1::AppTitle;
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

// Messages that several parts of the main window show.
inline constexpr Bilingual PathErrorTitle{u"Path Error", u"Sökvägsfel"};
inline constexpr Bilingual FolderNotExist1{u"The Folder \"", u"Foldern \""};
inline constexpr Bilingual FolderNotExist2{u"\" does not exist.", u"\" existerar inte."};
inline constexpr Bilingual ErrorTitle{u"Error", u"Fel"};
inline constexpr Bilingual UnknownError{u"Unknown Error", u"Okänt Fel"};

} // namespace MainFormText

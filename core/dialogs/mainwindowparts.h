#pragma once
// What the dialogs see of the main window: the panes they read or move, the favorites they edit
// and the two menu items an edit enables. The main window hands this over, so no dialog depends
// on the main window's class or reaches past what it needs.

#include "core/dialogs/favoritelist.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"
#include "core/toolkit/listbox.h"
#include "core/toolkit/menuitem.h"
#include "core/toolkit/textbox.h"

#include <cstdint>
#include <functional>

struct MainWindowParts
{
    /// The window a dialog centres itself over.
    Form& Window;
    FolderList& DirList;
    ::FileList& FileList;
    TextBox& FileFind;
    ListBox& FavoDirList;
    ListBox& FavoDirPath;
    ListBox& FavoFileFilter;
    /// Every edit of the three favorites lists goes through this.
    FavoritesList& Favorites;
    MenuItem& Menu_UndoChanges;
    MenuItem& Menu_SaveFavoFile;
    /// The favorites file (1 to 5) the lists hold.
    const int16_t& CurFavoFile;
    /// Tells that the favorites list is full; true when it is and no entry may be added.
    std::function<bool()> refuseWhenFavoritesFull;
};

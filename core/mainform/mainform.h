#pragma once
// The main window: favorites, folder tree and file list side by side, the button row, the menu
// bar, and the state that ties them together. Its handlers live beside this header, one file per
// part (mainform_<part>.cpp); this header is the one place that lists them all.

#include "core/dialogs/favoritelist.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/formats/favofile.h"
#include "core/mainform/favodatafile.h"
#include "core/mainform/typeahead.h"
#include "core/system/settingsfile.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/listbox.h"
#include "core/toolkit/menuitem.h"
#include "core/toolkit/textbox.h"

#include <array>
#include <cstdint>
#include <memory>

class FavoriteCheck;
class FileTransfer;
class Module1;
namespace DesktopBookmarks {
struct Bookmark;
}
class PaneWatch;

class MainForm : public Form
{
    Q_OBJECT

public:
    explicit MainForm(Module1& module);
    ~MainForm() override;

    Module1& module() const { return m_module; }

    /// Client area as designed, in twips: the window's default size.
    static constexpr int ClientWidth = 12810;
    static constexpr int ClientHeight = 5670;
    /// What the borders, title bar and menu bar add to the client area in Height; the width
    /// gains FrameWidth as on every form.
    static constexpr int FrameHeight = FrameTop + MenuBarHeight + FrameSide;

    // The favorites: three parallel lists, only the names visible.
    ListBox FavoDirList;
    ListBox FavoDirPath;
    ListBox FavoFileFilter;
    /// Every edit of the three lists above goes through this.
    FavoritesList Favorites{FavoDirList, FavoDirPath, FavoFileFilter};
    /// The active data file on disk.
    FavoDataFile FavoData{host()};

    FolderList DirList;
    ::FileList FileList;
    TextBox FileFind;

    Label Label1;
    Label Label2;
    Label Label3;
    /// The file list's counts and filter, under the filter box.
    Label Label_FileStatus{*this, QStringLiteral("Label_FileStatus")};

    CommandButton Command_GotoSavedPath;
    CommandButton Command_UpOneLevel;
    CommandButton Command_RefreshFolderList;
    CommandButton Command_OpenExplorer;
    CommandButton Command_RefreshFileList;
    CommandButton Command_Exit;

    MenuItem Menu_File;
    std::array<MenuItem, 5> Menu_FavoFileItems;
    MenuItem Menu_Sep1;
    MenuItem Menu_StartPosition;
    MenuItem Menu_DefaultPath;
    MenuItem Menu_NoDefaultPath;
    MenuItem Menu_Sep2;
    MenuItem Menu_UseCurrentPath;
    MenuItem Menu_SavePath;
    MenuItem Menu_UseExitPath;
    MenuItem Menu_Sep3;
    MenuItem Menu_GoToSavedPath;
    MenuItem Menu_Language;
    MenuItem Menu_Sep4;
    MenuItem Menu_Exit;
    MenuItem Menu_ChangeDrive;
    MenuItem Menu_FavoDirs;
    MenuItem Menu_OpenFolder;
    MenuItem Menu_Sep5;
    MenuItem Menu_AddDir;
    MenuItem Menu_AddSeparator;
    MenuItem Menu_RemoveFolder;
    MenuItem Menu_RenameFolder;
    MenuItem Menu_UndoChanges;
    MenuItem Menu_Sep6;
    MenuItem Menu_EditFavoFile;
    MenuItem Menu_SaveFavoFile;
    MenuItem Menu_Sep7;
    MenuItem Menu_RefreshFolderList;
    MenuItem Menu_RefreshFilesList;
    std::array<MenuItem, 5> Menu_FFItems;
    MenuItem Menu_About;
    // The favorites beyond one file (mainform_travel.cpp): the search across all five files and the
    // desktop's bookmarks, at the end of the favorites menu.
    MenuItem Menu_Sep8{QStringLiteral("Menu_Sep8")};
    MenuItem Menu_FindFavorite{QStringLiteral("Menu_FindFavorite")};
    MenuItem Menu_ImportBookmarks{QStringLiteral("Menu_ImportBookmarks")};
    MenuItem Menu_ExportBookmarks{QStringLiteral("Menu_ExportBookmarks")};
    // The file actions (fileactions/): a menu of their own after the described ones.
    MenuItem Menu_Files{QStringLiteral("Menu_Files")};
    MenuItem Menu_NewFolder{QStringLiteral("Menu_NewFolder")};
    MenuItem Menu_RenameFile{QStringLiteral("Menu_RenameFile")};
    MenuItem Menu_TrashFiles{QStringLiteral("Menu_TrashFiles")};
    MenuItem Menu_DeleteFiles{QStringLiteral("Menu_DeleteFiles")};
    MenuItem Menu_Sep9{QStringLiteral("Menu_Sep9")};
    MenuItem Menu_ShowHidden{QStringLiteral("Menu_ShowHidden")};
    MenuItem Menu_Sep10{QStringLiteral("Menu_Sep10")};
    MenuItem Menu_Back{QStringLiteral("Menu_Back")};
    MenuItem Menu_Forward{QStringLiteral("Menu_Forward")};
    MenuItem Menu_Location{QStringLiteral("Menu_Location")};
    MenuItem Menu_Sep11{QStringLiteral("Menu_Sep11")};
    MenuItem Menu_CopyFiles{QStringLiteral("Menu_CopyFiles")};
    MenuItem Menu_CutFiles{QStringLiteral("Menu_CutFiles")};
    MenuItem Menu_PasteFiles{QStringLiteral("Menu_PasteFiles")};
    MenuItem Menu_CancelCopy{QStringLiteral("Menu_CancelCopy")};
    // The details columns of the file list (mainform_details.cpp), last in the files menu.
    MenuItem Menu_Sep12{QStringLiteral("Menu_Sep12")};
    MenuItem Menu_Details{QStringLiteral("Menu_Details")};
    /// The location field: shown over the top of the tree while a path is typed.
    TextBox Text_Location{*this, QStringLiteral("Text_Location")};

    /// The control arrays, indices 1 to 5.
    MenuItem& Menu_FavoFile(int16_t Index) { return Menu_FavoFileItems.at(Index - 1); }
    MenuItem& Menu_FF(int16_t Index) { return Menu_FFItems.at(Index - 1); }

    /// The menu bar in order.
    const std::vector<MenuItem*>& MenuBar() const { return m_menuBar; }

    // Start and end (mainform.cpp, mainform_settingsfile.cpp).
    void Command_Exit_Click();
    void Menu_Exit_Click();
    /// Closing through the window system.
    void QueryClose();
    /// The desktop session ends, or a signal asks the program to end: the same saving as Exit.
    void SessionEnd();

    // Captions and language (mainformcaptions.cpp).
    void Menu_Language_Click();

    // Startup folder, filter and window position (mainform_startfolder.cpp).
    void Menu_StartPosition_Click();
    void Menu_NoDefaultPath_Click();
    void Menu_UseCurrentPath_Click();
    void Menu_SavePath_Click();
    void Menu_UseExitPath_Click();
    void Menu_GoToSavedPath_Click();
    void Command_GotoSavedPath_Click();

    // Saving and switching favorites files (mainform_filecommands.cpp, mainform_loadsave.cpp).
    void Menu_FavoFile_Click(int16_t Index);
    void Menu_FF_Click(int16_t Index);
    void Menu_SaveFavoFile_Click();
    void Menu_UndoChanges_Click();
    void Menu_EditFavoFile_Click();

    // Change drive (mainform_open.cpp).
    void Menu_ChangeDrive_Click();

    // Folder and file panes (mainform_panes.cpp).
    void DirList_Change();
    void DirList_GotFocus();
    void DirList_KeyDown(int16_t& KeyCode, int16_t Shift);
    void DirList_KeyPress(int16_t& KeyAscii);
    void DirList_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    /// A folder opened on a slow disk could not be read after all: back where the window was,
    /// with the message a failure at once gives.
    void DirList_ReadFailed(int16_t errorNumber);
    void FileFind_Change();
    void FileFind_DblClick();
    void FileFind_GotFocus();
    void FileFind_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void FileList_DblClick();
    void FileList_GotFocus();
    void FileList_KeyDown(int16_t& KeyCode, int16_t Shift);
    void FileList_KeyPress(int16_t& KeyAscii);
    void FileList_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Command_UpOneLevel_Click();
    void Command_RefreshFolderList_Click();
    void Menu_RefreshFolderList_Click();
    void Command_RefreshFileList_Click();
    void Menu_RefreshFilesList_Click();

    // Opening folders and files (mainform_open.cpp).
    void Command_OpenExplorer_Click();
    void Menu_OpenFolder_Click();

    // Favorites pane (mainform_favorites.cpp).
    void FavoDirList_Click();
    void FavoDirList_GotFocus();
    void FavoDirList_KeyDown(int16_t& KeyCode, int16_t Shift);
    void FavoDirList_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void FavoDirList_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void Menu_FavoDirs_Click();
    void Menu_RemoveFolder_Click();
    void Menu_AddSeparator_Click();
    void Menu_AddDir_Click();
    void Menu_RenameFolder_Click();
    /// Type-ahead: letters highlight the next favorite whose name starts with them; Enter opens it.
    void FavoDirList_KeyPress(int16_t& KeyAscii);

    // Finding a favorite in all five files, and the desktop's bookmarks (mainform_travel.cpp).
    void Menu_FindFavorite_Click();
    void Menu_ImportBookmarks_Click();
    void Menu_ExportBookmarks_Click();
    /// Switches to favorites file `set` (asking to save first, as switching does) and opens its
    /// favorite `entry`, looked for at `index` first; false when the user cancelled or it is gone.
    bool OpenFavoriteInFile(int16_t set, const FavoritesEntry& entry, int16_t index);

    // About box (mainform_about.cpp).
    void Menu_About_Click();

    // File actions (fileactions/).
    void Menu_NewFolder_Click();
    void Menu_RenameFile_Click();
    void Menu_TrashFiles_Click();
    void Menu_DeleteFiles_Click();
    void Menu_ShowHidden_Click();
    /// Puts the chosen files on the clipboard for other programs to paste (or move, when cut).
    void Menu_CopyFiles_Click();
    void Menu_CutFiles_Click();
    /// Copies (or moves, when they were cut) the files on the clipboard into the open folder.
    void Menu_PasteFiles_Click();
    /// Stops the copy or move that runs, leaving nothing half-written.
    void Menu_CancelCopy_Click();
    /// How files dropped on a pane go: as the keys held say, or by volume as desktops do.
    enum class DropMode
    {
        ByVolume,
        Copy, ///< Ctrl held
        Move, ///< Shift held
    };
    /// Files dropped from this or another program on `target` (a folder of the tree, or the
    /// open folder when dropped on the file list).
    void FilesDropped(const QStringList& paths, const QString& target, DropMode mode);
    /// What a drag of the selected files out of the file list carries; empty without a selection.
    std::vector<std::pair<QString, QByteArray>> FileDragData() const;
    /// Back and forward through the folders opened in this run, however each was reached.
    void Menu_Back_Click();
    void Menu_Forward_Click();
    /// Opens the location field with the open folder's path selected.
    void Menu_Location_Click();
    /// Shows or hides the size and date columns of the file list.
    void Menu_Details_Click();
    void Text_Location_Change();
    void Text_Location_KeyPress(int16_t& KeyAscii);
    /// The folder a typed location names: "~" for the home folder, else absolute, or relative
    /// to the open folder.
    static QString LocationPath(const QString& typed, const QString& home, const QString& base);
    /// The subfolders that complete a typed location, as typed ("~" kept), each ending in "/".
    static QStringList LocationCompletions(const QString& typed, const QString& home, const QString& base,
                                           bool hidden);

    // Main window state, read by the handlers and by tests.
    // The favorites file on show.
    int16_t CurFavoFile = 1;
    QString FavoFilePath;
    // The start-up settings as read at load and changed by the menus; written back at exit.
    bool UseSavedStartPosition = false;
    int16_t StartPosX = 0;
    int16_t StartPosY = 0;
    /// The outer size read at load (the default when none was stored); written back when it changed.
    int StartWidth = 0;
    int StartHeight = 0;
    int16_t StartFolderMode = 0;
    bool StartFolderModeChanged = false;
    QString DefaultPath;
    QString DefaultFilter;
    // The favorites pane between one event and the next.
    bool FilterWarningPending = false;
    bool SkipFavoMouseUp = false;
    /// The favorite that type-ahead highlighted without opening it; -1 for none.
    int16_t TypeAheadIndex = -1;

    /// A folder or file named on the command line, opened at the first activation in place of the
    /// startup folder for this run only; a file is selected in its folder.
    QString CommandLinePath;

    /// Captions every control in the language of the module.
    void SetCaptions();
    /// Tells that the favorites list is full; true when it is and no entry may be added.
    bool refuseWhenFavoritesFull();

    // Following the disk (mainform_follow.cpp).
    PaneWatch& paneWatch() const { return *m_paneWatch; }

    /// What the dialogs see of this window.
    MainWindowParts& dialogParts() { return m_dialogParts; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

private:
    // State only the handlers use.
    int16_t StartFavoFile = 1;
    QString LoadedDefaultPath;
    QString LoadedDefaultFilter;
    bool KeepFavoSelection = false;
    int16_t FavoDownIndex = 0;
    bool FirstActivationDone = false;

    void LoadFavoFile();
    void SaveFavoFile();
    void RemoveSelectedFavorite();
    void MarkFavoFileMenus();
    void OpenSelectedFile();
    /// The active data file changed on disk: reloaded quietly while the list has no unsaved edits.
    void FavoData_Changed();
    /// Shows the file list's counts in the status line.
    void UpdateFileStatus();

    void buildMenus();
    void buildFavoritesExtras();
    void buildFileActions();
    void setFileActionsCaptions();
    /// Notes the open folder in the back and forward history when it changed.
    void noteVisit();
    /// Opens the folder `step` places away in the history, skipping those gone since.
    void travelHistory(int step);
    std::vector<QString> m_visited;
    size_t m_visitAt = 0;
    bool m_travelling = false;
    /// The hidden-files choice as read at load; written back when it changed.
    bool m_loadedShowHidden = false;
    Control* m_beforeLocation = nullptr;
    void closeLocation();
    /// Runs a change of the disk off the window's thread, waiting at most the no-answer time;
    /// its errno, or nothing after telling that the folder did not answer.
    std::optional<int> changeOnDisk(const QString& key, std::function<int()> change);
    /// Tells why `name` cannot be used, or why changing it failed (`error` non-zero); true when
    /// it did.
    bool refuseName(const QString& name, int error, const QString& title);
    /// The in-place rename of row `index` of the file list or the tree ended with `text`.
    void renameRow(bool inTree, int index, const QString& text);
    /// What the file actions act on: the highlighted subfolder when the tree has the focus,
    /// else the selected files.
    QStringList chosenPaths(bool& inTree) const;
    /// Trashes or deletes the chosen paths, telling each failure, and shows the panes anew.
    void removeChosen(bool forGood);
    // Paste and drop (mainform_paste.cpp).
    void buildPaste();
    void setPasteCaptions();
    /// The panes show what a copy or move placed in `target`, selected when it is the open folder.
    void showTransferred(const QString& target, const QStringList& placed);
    std::unique_ptr<FileTransfer> m_fileTransfer;
    /// What the last copy or move says in the status line, beside the counts: its progress while
    /// it runs, then how it ended, until another folder is opened.
    QString transferNote();
    QString m_transferNote;
    QString m_transferNoteFolder;
    void setFavoritesExtrasCaptions();
    void buildDetails();
    void setDetailsCaptions();
    /// The details choice as read at load; written back when it changed.
    bool m_loadedDetails = false;
    void placeControls();
    void connectEvents();
    void buildAppVersion();
    void placeWindow();
    bool positionOnScreen(int left, int top) const;
    /// Opens a start-up folder in the tree; false when it cannot be shown.
    bool openStartFolder(const QString& path);
    /// Opens `CommandLinePath`; false, after a message, when it cannot be shown.
    bool openCommandLinePath();
    /// Asks, then adds `folders` to the desktop's bookmarks; `leftOut` of the list's folders no
    /// longer exist and are not among them.
    void exportBookmarks(const QList<DesktopBookmarks::Bookmark>& folders, qsizetype leftOut);
    /// When the open folder no longer exists: opens its nearest existing ancestor and says so.
    bool leaveVanishedFolder();
    void writeSettingsAtExit();
    /// Writes one setting at exit; the first failure is kept to be told once.
    void saveSetting(const QString& key, const QString& value);
    /// Tells why the settings file was not read (at the start) or not written (at exit).
    void reportSettingsProblem(const SettingsFileProblem& problem, bool saving);
    /// Every edit of the favorites ends here: the list differs from its file.
    void markFavoritesChanged();
    enum class FavoSaveOutcome
    {
        Saved,
        Failed,    ///< reported; the list stays changed
        Cancelled, ///< the user kept both the file and the list as they are
        Reloaded,  ///< the user took the file's version, dropping the edits
    };
    FavoSaveOutcome saveFavorites();
    /// What to write when another program changed the file since this run read or wrote it:
    /// the merged list (a session end never asks), this list, or nothing when the user chose to
    /// reload or cancel. `outcome` then says which.
    std::optional<QByteArray> resolveChangedFile(const QByteArray& onDisk, FavoSaveOutcome& outcome);
    /// Merges this list with the file's `onDisk` version, shows the result and keeps `onDisk`
    /// as a copy beside the file; the copy's path, or nothing when it could not be written.
    std::optional<QString> mergeWithFile(const QByteArray& onDisk);
    /// Tells, once, that the last session end merged the list with another program's change.
    void reportMergeAtLastEnd();
    /// The favorites' part of closing the window; false when the user cancelled the save.
    bool saveFavoritesBeforeExit();
    bool m_favoritesSavedForExit = false;
    /// The session is ending: nothing may wait for an answer.
    bool m_sessionEnding = false;
    /// Shows the one-time filter warning; No clears the filter.
    void showFilterWarning();
    /// Tells why a favorite's folder cannot be opened and offers to remove or edit it.
    void reportFavoriteFailure(int16_t errorNumber);
    /// Why a folder cannot be opened: title and prompt; false for an error without its own text.
    bool folderFailureText(const QString& path, int16_t errorNumber, QString& title, QString& prompt) const;
    /// Asks whether to save unsaved changes first; false when the user cancels or the save failed.
    bool saveChangesFirst(const QString& prompt, const QString& title);
    /// The message for a folder or file that vanished; true when the user wants the pane re-read.
    bool askRefresh(const QString& title, const QString& prompt);

    /// Connects the status line, the folder watch and the favorites check to the controls.
    void connectFollowers();
    // The background read whose two-second timer runs, and the one that did not answer in it.
    int m_timedRead = 0;
    int m_silentRead = 0;

    Module1& m_module;
    std::vector<MenuItem*> m_menuBar;
    SettingsFileProblem m_settingsReadProblem;
    SettingsFileProblem m_settingsSaveProblem;
    std::unique_ptr<PaneWatch> m_paneWatch;
    std::unique_ptr<FavoriteCheck> m_favoriteCheck;
    TypeAhead m_typeAhead;
    MainWindowParts m_dialogParts{*this,
                                  DirList,
                                  FileList,
                                  FileFind,
                                  FavoDirList,
                                  FavoDirPath,
                                  FavoFileFilter,
                                  Favorites,
                                  Menu_UndoChanges,
                                  Menu_SaveFavoFile,
                                  CurFavoFile,
                                  [this] { return refuseWhenFavoritesFull(); }};
};

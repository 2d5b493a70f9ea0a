// The main window's captions in the current language, and the language switch.

#include "core/dialogs/module1.h"
#include "core/mainform/browsetexts.h"
#include "core/mainform/favoritecheck.h"
#include "core/mainform/mainform.h"
#include "core/mainform/mainformtexts.h"

void MainForm::SetCaptions()
{
    namespace T = MainFormText;
    const bool sv = m_module.SwedishLanguage;
    const QString& suffix = sv ? m_module.CaptionSuffixSwedish : m_module.CaptionSuffixEnglish;

    Menu_File.setCaption(T::File.text(sv));
    for (int16_t i = 1; i <= 5; ++i)
        Menu_FavoFile(i).setCaption(T::FavoFile.text(sv) + QString::number(i));
    const std::pair<MenuItem*, const Bilingual*> menus[] = {
        {&Menu_StartPosition, &T::StartPosition},
        {&Menu_DefaultPath, &T::DefaultPath},
        {&Menu_NoDefaultPath, &T::NoDefaultPath},
        {&Menu_UseCurrentPath, &T::UseCurrentPath},
        {&Menu_SavePath, &T::SavePath},
        {&Menu_UseExitPath, &T::UseExitPath},
        {&Menu_GoToSavedPath, &T::GoToSavedPath},
        {&Menu_Language, &T::Language},
        {&Menu_ChangeDrive, &T::ChangeDrive},
        {&Menu_FavoDirs, &T::FavoDirs},
        {&Menu_OpenFolder, &T::OpenFolder},
        {&Menu_AddDir, &T::AddDir},
        {&Menu_AddSeparator, &T::AddSeparator},
        {&Menu_RemoveFolder, &T::RemoveFolder},
        {&Menu_RenameFolder, &T::RenameFolder},
        {&Menu_UndoChanges, &T::UndoChanges},
        {&Menu_EditFavoFile, &T::EditFavoFile},
        {&Menu_SaveFavoFile, &T::SaveFavoFile},
        {&Menu_RefreshFolderList, &T::RefreshFolderList},
        {&Menu_RefreshFilesList, &T::RefreshFilesList},
        {&Menu_About, &T::About},
    };
    for (const auto& [item, text] : menus)
        item->setCaption(text->text(sv));

    Label1.setCaption(T::Favorites.text(sv));
    Label2.setCaption(T::Folders.text(sv));
    Label3.setCaption(T::FilesFilter.text(sv));
    Command_GotoSavedPath.setCaption(T::GotoSavedButton.text(sv));
    Command_OpenExplorer.setCaption(T::OpenExplorerButton.text(sv));
    Command_RefreshFolderList.setCaption(T::RefreshFolderButton.text(sv));
    Command_RefreshFileList.setCaption(T::RefreshFileButton.text(sv));
    DirList.NotAnsweringNote = BrowseText::NotAnswering.text(sv);
    UpdateFileStatus();
    if (m_favoriteCheck)
        m_favoriteCheck->showNotes();
    setFavoritesExtrasCaptions();
    setFileActionsCaptions();
    setDetailsCaptions();
    // The title last: the window renames what a screen reader reads from the labels when it changes.
    setCaption(T::AppTitle.toString() + QStringLiteral(", v") + m_module.AppVersion + suffix +
               T::ActiveFavoFile.text(sv) + QString::number(CurFavoFile) + QLatin1Char(']'));
}

void MainForm::Menu_Language_Click()
{
    m_module.SwedishLanguage = Menu_Language.Caption() == MainFormText::Language.english;
    SetCaptions();
    Menu_UndoChanges.setEnabled(true);
    Menu_SaveFavoFile.setEnabled(true);
}

// The favorites pane of the main window: opening a favorite with its filter, what happens when
// its folder cannot be shown, drag reorder, removing, separators and the favorites menu.

#include "core/dialogs/adddirform.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/renamedirform.h"
#include "core/mainform/favoedittexts.h"
#include "core/mainform/favoritecheck.h"
#include "core/mainform/favoritechecktexts.h"
#include "core/mainform/mainform.h"
#include "core/mainform/mainformtexts.h"
#include "core/system/host.h"
#include "core/system/runtimeerror.h"
#include "core/system/volumes.h"

#include <QDir>

namespace {

const QString SeparatorPath = QStringLiteral("-");

} // namespace

void MainForm::FavoDirList_Click()
{
    // Whatever type-ahead highlighted is now chosen or replaced.
    TypeAheadIndex = -1;
    const int16_t i = FavoDirList.ListIndex();
    if (i == -1)
        return;
    if (FavoDirPath.List(i) == SeparatorPath)
        return;
    if (m_favoriteCheck && m_favoriteCheck->state(FavoDirPath.List(i)) == Host::FolderState::NoAnswer) {
        namespace T = FavoriteCheckText;
        const bool sv = m_module.SwedishLanguage;
        if (m_module.ShowMessBox(T::AskOpen1.text(sv) + FavoDirPath.List(i) + T::AskOpen2.text(sv),
                                 MsgStyle::YesNo, T::AskOpenTitle.text(sv)) == MsgAnswer::No) {
            // Stays where it is; the mouse-up after the question moves nothing.
            SkipFavoMouseUp = true;
            FavoDirList.setListIndex(-1);
            return;
        }
    }
    try {
        KeepFavoSelection = true;
        FileFind.setText(FavoFileFilter.List(i));
        FilterWarningPending = false;
        QString path = FavoDirPath.List(i);
        // A relative path means the same folder at every click, whatever the tree shows now.
        if (!path.isEmpty() && !path.startsWith(u'/'))
            path = FolderList::AbsolutePath(path, host().HomeFolder());
        // The tree reports no change for the folder it shows, so run the change handling here.
        if (!path.isEmpty() && DirList.Path() == QDir::cleanPath(path))
            DirList_Change();
        else
            DirList.setPath(path);
        if (!FileFind.Text().isEmpty())
            FilterWarningPending = true;
    } catch (const RunTimeError& error) {
        // The folder change that would have consumed it never came.
        KeepFavoSelection = false;
        if (error.Number() == ErrNo::InvalidArgument)
            return;
        reportFavoriteFailure(error.Number());
        SkipFavoMouseUp = true;
    }
}

bool MainForm::folderFailureText(const QString& path, int16_t errorNumber, QString& title,
                                 QString& prompt) const
{
    namespace T = FavoEditText;
    const bool sv = m_module.SwedishLanguage;
    switch (errorNumber) {
    case ErrNo::DeviceUnavailable:
        title = T::DriveErrorTitle.text(sv);
        prompt = T::DriveNotReady1.text(sv) + Volumes::MountPointOf(path) + T::DriveNotReady2.text(sv);
        return true;
    case ErrNo::PathFileAccess:
    case ErrNo::PermissionDenied:
        title = MainFormText::PathErrorTitle.text(sv);
        prompt = T::AccessDenied1.text(sv) + path + T::AccessDenied2.text(sv);
        return true;
    case ErrNo::PathNotFound:
        title = MainFormText::PathErrorTitle.text(sv);
        prompt = MainFormText::FolderNotExist1.text(sv) + path + MainFormText::FolderNotExist2.text(sv);
        return true;
    default:
        title = MainFormText::ErrorTitle.text(sv);
        prompt = MainFormText::UnknownError.text(sv);
        return false;
    }
}

void MainForm::reportFavoriteFailure(int16_t errorNumber)
{
    QString title;
    QString prompt;
    if (!folderFailureText(FavoDirPath.List(FavoDirList.ListIndex()), errorNumber, title, prompt)) {
        m_module.ShowMessBox(prompt, MsgStyle::OKOnly, title);
        return;
    }
    const int16_t answer = m_module.ShowMessBox(
        prompt + FavoEditText::RemoveOrEdit.text(m_module.SwedishLanguage), MsgStyle::YesNoCancel, title);
    if (answer == MsgAnswer::Yes) {
        RemoveSelectedFavorite();
    } else if (answer == MsgAnswer::No) {
        m_module.EditFilterOnly = false;
        m_module.renameDirForm().ShowModal();
    }
}

void MainForm::FavoDirList_GotFocus()
{
    Command_OpenExplorer.setEnabled(false);
}

void MainForm::FavoDirList_KeyDown(int16_t& KeyCode, int16_t Shift)
{
    if (KeyCode == KeyCode::Space) {
        if (Shift == 0)
            DirList.SetFocus();
        else
            FileList.SetFocus();
    } else if (KeyCode == KeyCode::Delete) {
        RemoveSelectedFavorite();
    }
}

void MainForm::FavoDirList_MouseDown(int16_t Button, int16_t, float, float)
{
    // A press on the row that type-ahead highlighted chooses it, as a press on any other row does.
    if (Button == MouseButton::Left && TypeAheadIndex >= 0 && TypeAheadIndex == FavoDirList.ListIndex())
        FavoDirList.setListIndex(TypeAheadIndex);
    FavoDownIndex = FavoDirList.ListIndex();
    if (Button == MouseButton::Right)
        host().PopupMenu(*this, Menu_FavoDirs);
}

void MainForm::FavoDirList_MouseUp(int16_t, int16_t, float, float)
{
    if (SkipFavoMouseUp) {
        SkipFavoMouseUp = false;
        return;
    }
    const int16_t from = FavoDownIndex;
    const int16_t to = FavoDirList.ListIndex();
    if (to == from || to == -1)
        return;
    // A press below the last entry, with nothing selected, picked up no entry to move.
    if (from < 0 || from >= Favorites.count())
        return;
    if (refuseWhenFavoritesFull())
        return;

    Favorites.move(from, to);
    FavoDirList.setListIndex(to);
    markFavoritesChanged();
}

void MainForm::RemoveSelectedFavorite()
{
    namespace T = FavoEditText;
    const bool sv = m_module.SwedishLanguage;
    int16_t i = FavoDirList.ListIndex();
    if (i == -1)
        return;
    if (FavoDirList.ListCount() == 1) {
        m_module.ShowMessBox(T::RemoveItemError.text(sv), MsgStyle::OKOnly, T::RemoveItemErrorTitle.text(sv));
        return;
    }
    const QString name = FavoDirList.List(i);
    if (m_module.ShowMessBox(T::RemoveItem1.text(sv) + name + T::RemoveItem2.text(sv), MsgStyle::OKCancel,
                             T::RemoveItemTitle.text(sv)) == MsgAnswer::Cancel)
        return;
    Favorites.remove(i);
    if (i > FavoDirList.ListCount() - 1)
        i = int16_t(FavoDirList.ListCount() - 1);
    FavoDirList.setListIndex(i);
    markFavoritesChanged();
}

void MainForm::Menu_AddSeparator_Click()
{
    namespace T = FavoEditText;
    const bool sv = m_module.SwedishLanguage;
    const int16_t i = FavoDirList.ListIndex();
    if (i == -1)
        return;
    if (refuseWhenFavoritesFull())
        return;
    const QString name = FavoDirList.List(i);
    if (m_module.ShowMessBox(T::InsertSeparator1.text(sv) + name + T::InsertSeparator2.text(sv),
                             MsgStyle::OKCancel, T::InsertSeparatorTitle.text(sv)) == MsgAnswer::Cancel)
        return;
    Favorites.insert(int16_t(i + 1), {SeparatorPath, SeparatorPath, QString()});
    markFavoritesChanged();
}

void MainForm::Menu_RemoveFolder_Click()
{
    RemoveSelectedFavorite();
}

void MainForm::Menu_FavoDirs_Click()
{
    const bool inFavorites = ActiveControl() == &FavoDirList;
    Menu_OpenFolder.setEnabled(!inFavorites);
    Menu_AddDir.setEnabled(!inFavorites);
    Menu_AddSeparator.setEnabled(inFavorites);
    Menu_RemoveFolder.setEnabled(inFavorites);
    Menu_RenameFolder.setEnabled(inFavorites);
}

void MainForm::Menu_AddDir_Click()
{
    if (refuseWhenFavoritesFull())
        return;
    m_module.addDirForm().ShowModal();
}

void MainForm::Menu_RenameFolder_Click()
{
    if (FavoDirList.ListIndex() == -1)
        return;
    m_module.EditFilterOnly = false;
    m_module.renameDirForm().ShowModal();
}

void MainForm::markFavoritesChanged()
{
    m_module.FavoListChanged = true;
    Menu_UndoChanges.setEnabled(true);
    Menu_SaveFavoFile.setEnabled(true);
}

// The folder tree, the file list and the filter box of the main window: the folder change that
// every other way of moving ends in, the filter, the refresh and up buttons, keys and mouse.

#include "core/dialogs/addfilterform.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/renamedirform.h"
#include "core/mainform/browsetexts.h"
#include "core/mainform/mainform.h"
#include "core/system/host.h"
#include "core/system/pathcheck.h"
#include "core/system/runtimeerror.h"

#include <algorithm>

void MainForm::DirList_Change()
{
    FileList.setPath(DirList.Path());
    if (StartFolderMode > 0) {
        const bool away = FileList.Path() != DefaultPath;
        Command_GotoSavedPath.setEnabled(away);
        Menu_GoToSavedPath.setEnabled(away);
    }
    if (KeepFavoSelection)
        KeepFavoSelection = false;
    else
        FavoDirList.setListIndex(-1);
    if (FilterWarningPending) {
        showFilterWarning();
        FilterWarningPending = false;
    }
    Command_UpOneLevel.setEnabled(DirList.Path() != QLatin1String("/"));
}

void MainForm::DirList_ReadFailed(int16_t errorNumber)
{
    const QString failed = DirList.Path();
    const int16_t favorite = FavoDirList.ListIndex();
    QString favoritePath = favorite >= 0 ? FavoDirPath.List(favorite) : QString();
    if (!favoritePath.isEmpty() && !favoritePath.startsWith(u'/'))
        favoritePath = FolderList::AbsolutePath(favoritePath, host().HomeFolder());
    const bool fromFavorite = !favoritePath.isEmpty() && FolderList::AbsolutePath(favoritePath, {}) == failed;
    // Where a failure at once would have left the window: the folder shown before, the favorite
    // still chosen, no filter warning for a folder that never showed.
    FilterWarningPending = false;
    if (!DirList.LastRead().isEmpty() && DirList.LastRead() != failed) {
        KeepFavoSelection = fromFavorite;
        try {
            DirList.setPath(DirList.LastRead());
        } catch (const RunTimeError&) {
            KeepFavoSelection = false;
        }
    }
    if (fromFavorite) {
        reportFavoriteFailure(errorNumber);
        return;
    }
    QString title;
    QString prompt;
    folderFailureText(failed, errorNumber, title, prompt);
    m_module.ShowMessBox(prompt, MsgStyle::OKOnly, title);
}

void MainForm::showFilterWarning()
{
    const bool sv = m_module.SwedishLanguage;
    const int16_t answer = m_module.ShowMessBox(BrowseText::FilterWarning.text(sv), MsgStyle::YesNo,
                                                BrowseText::FilterWarningTitle.text(sv));
    if (answer == MsgAnswer::No)
        FileFind.setText(QString());
}

void MainForm::DirList_GotFocus()
{
    Command_OpenExplorer.setEnabled(true);
}

void MainForm::DirList_KeyDown(int16_t& KeyCode, int16_t Shift)
{
    if (KeyCode == KeyCode::Space) {
        if (Shift == 0)
            FileList.SetFocus();
        else
            FavoDirList.SetFocus();
    } else if (KeyCode == KeyCode::Insert) {
        Menu_AddDir_Click();
    }
}

void MainForm::DirList_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii != KeyCode::Enter)
        return;
    // The highlighted folder may have vanished since the tree was read: show the tree anew.
    try {
        DirList.setPath(DirList.List(DirList.ListIndex()));
    } catch (const RunTimeError&) {
        DirList.Refresh();
    }
}

void MainForm::DirList_MouseDown(int16_t Button, int16_t, float, float)
{
    if (Button == MouseButton::Right)
        host().PopupMenu(*this, Menu_FavoDirs);
}

void MainForm::FileFind_Change()
{
    QString pattern;
    if (FileFind.Text().isEmpty()) {
        pattern = QStringLiteral("*.*");
        FilterWarningPending = false;
    } else {
        pattern = FileFind.Text().contains(QLatin1Char('*'))
                      ? FileFind.Text()
                      : QLatin1Char('*') + FileFind.Text() + QLatin1Char('*');
        FilterWarningPending = true;
    }
    FileList.setPattern(pattern);
}

void MainForm::FileFind_DblClick()
{
    FileFind.setText(QString());
}

void MainForm::FileFind_GotFocus()
{
    Command_OpenExplorer.setEnabled(false);
}

void MainForm::FileFind_MouseDown(int16_t Button, int16_t, float, float)
{
    if (Button != MouseButton::Right || FavoDirList.ListIndex() == -1)
        return;
    FileFind.setEnabled(false);
    FileFind.setEnabled(true);
    m_module.EditFilterOnly = true;
    m_module.renameDirForm().ShowModal();
    m_module.EditFilterOnly = false;
}

void MainForm::FileList_DblClick()
{
    OpenSelectedFile();
}

void MainForm::FileList_GotFocus()
{
    Command_OpenExplorer.setEnabled(false);
}

void MainForm::FileList_KeyDown(int16_t& KeyCode, int16_t Shift)
{
    if (KeyCode == KeyCode::Escape) {
        // Gives up a folder that is slow to answer; the names that came stay.
        DirList.StopReading();
        FileList.StopReading();
        return;
    }
    if (KeyCode != KeyCode::Space)
        return;
    if (Shift == 0)
        FavoDirList.SetFocus();
    else
        DirList.SetFocus();
}

void MainForm::FileList_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii == KeyCode::Enter)
        OpenSelectedFile();
}

void MainForm::FileList_MouseDown(int16_t Button, int16_t, float, float)
{
    if (Button == MouseButton::Right && FileList.ListIndex() > -1)
        m_module.addFilterForm().ShowModal();
}

void MainForm::Command_UpOneLevel_Click()
{
    try {
        const QString path = DirList.Path();
        DirList.setPath(path.left(path.lastIndexOf(QLatin1Char('/')) + 1));
    } catch (const RunTimeError&) {
        Command_UpOneLevel.setEnabled(false);
    }
    DirList.SetFocus();
}

bool MainForm::leaveVanishedFolder()
{
    const QString gone = DirList.Path();
    if (gone.isEmpty() || PathCheck::MayBeFolder(PathCheck::At(host().workers(), gone)))
        return false;
    // The nearest ancestor that is still there; the root always is.
    QString ancestor = gone;
    do {
        ancestor = ancestor.left(std::max<qsizetype>(ancestor.lastIndexOf(u'/'), 1));
    } while (ancestor != QLatin1String("/") &&
             PathCheck::At(host().workers(), ancestor) != PathCheck::Found::Folder);
    try {
        DirList.setPath(ancestor);
    } catch (const RunTimeError&) {
        return false;
    }
    const bool sv = m_module.SwedishLanguage;
    m_module.ShowMessBox(BrowseText::FolderGone1.text(sv) + gone + BrowseText::FolderGone2.text(sv) +
                             DirList.Path() + BrowseText::FolderGone3.text(sv),
                         MsgStyle::OKOnly, BrowseText::FolderGoneTitle.text(sv));
    return true;
}

void MainForm::Command_RefreshFolderList_Click()
{
    if (!leaveVanishedFolder())
        DirList.Refresh();
}

void MainForm::Menu_RefreshFolderList_Click()
{
    Command_RefreshFolderList_Click();
}

void MainForm::Command_RefreshFileList_Click()
{
    if (!leaveVanishedFolder())
        FileList.Refresh();
}

void MainForm::Menu_RefreshFilesList_Click()
{
    Command_RefreshFileList_Click();
}

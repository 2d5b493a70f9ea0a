// Where the program starts: the window position item, the three startup-folder modes, saving
// the open folder and filter, going to the saved folder, and the folder named on the command line.

#include "core/dialogs/module1.h"
#include "core/mainform/mainform.h"
#include "core/mainform/mainformtexts.h"
#include "core/mainform/startfoldertexts.h"
#include "core/system/host.h"
#include "core/system/pathcheck.h"
#include "core/toolkit/plaintext.h"

#include <QFileInfo>

void MainForm::Menu_StartPosition_Click()
{
    Menu_StartPosition.setChecked(!Menu_StartPosition.Checked());
}

void MainForm::Menu_NoDefaultPath_Click()
{
    Menu_UseCurrentPath.setChecked(false);
    Menu_UseExitPath.setChecked(false);
    Menu_NoDefaultPath.setChecked(true);
    Menu_SavePath.setEnabled(false);
    Menu_GoToSavedPath.setEnabled(false);
    Command_GotoSavedPath.setEnabled(false);
    StartFolderModeChanged = true;
    StartFolderMode = 0;
}

void MainForm::Menu_UseCurrentPath_Click()
{
    Menu_UseCurrentPath.setChecked(true);
    Menu_UseExitPath.setChecked(false);
    Menu_NoDefaultPath.setChecked(false);
    Menu_SavePath.setEnabled(true);
    Menu_GoToSavedPath.setEnabled(true);
    Command_GotoSavedPath.setEnabled(true);
    StartFolderMode = 1;
    Menu_SavePath_Click();
    const bool sv = m_module.SwedishLanguage;
    m_module.ShowMessBox(StartFolderText::StartFolderSaved.text(sv), MsgStyle::OKOnly,
                         StartFolderText::StartFolderTitle.text(sv));
    StartFolderModeChanged = true;
}

void MainForm::Menu_SavePath_Click()
{
    DefaultPath = DirList.List(DirList.ListIndex());
    DefaultFilter = FileFind.Text();
    Command_GotoSavedPath.setEnabled(true);
    Menu_GoToSavedPath.setEnabled(true);
}

void MainForm::Menu_UseExitPath_Click()
{
    Menu_UseCurrentPath.setChecked(false);
    Menu_UseExitPath.setChecked(true);
    Menu_NoDefaultPath.setChecked(false);
    Menu_SavePath.setEnabled(false);
    Menu_GoToSavedPath.setEnabled(false);
    Command_GotoSavedPath.setEnabled(false);
    StartFolderMode = 2;
    StartFolderModeChanged = true;
}

void MainForm::Menu_GoToSavedPath_Click()
{
    if (PathCheck::MayBeFolder(PathCheck::At(host().workers(), DefaultPath)) &&
        openStartFolder(DefaultPath)) {
        FileFind.setText(DefaultFilter);
        return;
    }
    const bool sv = m_module.SwedishLanguage;
    m_module.ShowMessBox(StartFolderText::SavedFolderMissing1.text(sv) + PlainText(DefaultPath) +
                             StartFolderText::SavedFolderMissing2.text(sv),
                         MsgStyle::OKOnly, MainFormText::PathErrorTitle.text(sv));
    Command_GotoSavedPath.setEnabled(false);
    Menu_GoToSavedPath.setEnabled(false);
}

void MainForm::Command_GotoSavedPath_Click()
{
    Menu_GoToSavedPath_Click();
}

bool MainForm::openCommandLinePath()
{
    // Checked from the path's bytes: QFileInfo cannot find a name that is not UTF-8.
    const QFileInfo info(CommandLinePath);
    const PathCheck::Found found = PathCheck::At(host().workers(), CommandLinePath);
    const bool isFile = found == PathCheck::Found::File;
    const QString folder = isFile ? info.absolutePath() : CommandLinePath;
    if ((isFile || PathCheck::MayBeFolder(found)) && openStartFolder(folder)) {
        // The folder as it is, not through the first favorite's filter, so a named file shows.
        FileFind.setText(QString());
        if (isFile) {
            for (int i = 0; i < FileList.ListCount(); ++i) {
                if (FileList.List(i) == info.fileName()) {
                    FileList.setListIndex(i);
                    FileList.SetFocus();
                    break;
                }
            }
        }
        return true;
    }
    const bool sv = m_module.SwedishLanguage;
    m_module.ShowMessBox(MainFormText::FolderNotExist1.text(sv) + folder +
                             MainFormText::FolderNotExist2.text(sv),
                         MsgStyle::OKOnly, MainFormText::PathErrorTitle.text(sv));
    return false;
}

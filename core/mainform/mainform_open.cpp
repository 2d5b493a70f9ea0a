// Handing things over to the desktop: the highlighted folder to its file manager, the selected
// file to its associated program; both checked first, with the offer to re-read a stale pane.

#include "core/dialogs/changedriveform.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/openwithform.h"
#include "core/mainform/browsetexts.h"
#include "core/mainform/mainform.h"
#include "core/system/filename.h"
#include "core/system/host.h"
#include "core/system/pathcheck.h"

#include <QFileInfo>

namespace {

bool isHidden(const QString& path)
{
    return QFileInfo(path).fileName().startsWith(QLatin1Char('.'));
}

} // namespace

void MainForm::Command_OpenExplorer_Click()
{
    const QString folder = DirList.ListIndex() != -1 ? DirList.List(DirList.ListIndex()) : DirList.Path();
    if (PathCheck::MayBeFolder(PathCheck::At(host().workers(), folder))) {
        Module1& module = m_module;
        host().ShellOpenChecked(FileNameForOpener(folder),
                                [&module, folder] { OpenWithForm::OfferFor(module, folder); });
    } else {
        const bool sv = m_module.SwedishLanguage;
        if (askRefresh(BrowseText::OpenFolderErrorTitle.text(sv), BrowseText::FolderMissing1.text(sv) +
                                                                      FileNameForDisplay(folder) +
                                                                      BrowseText::FolderMissing2.text(sv)))
            Command_RefreshFolderList_Click();
    }
    DirList.SetFocus();
}

void MainForm::Menu_OpenFolder_Click()
{
    Command_OpenExplorer_Click();
}

void MainForm::OpenSelectedFile()
{
    if (FileList.ListIndex() < 0)
        return;
    QString path = FileList.Path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    const QString name = FileList.List(FileList.ListIndex());
    path += name;

    const PathCheck::Found found = PathCheck::At(host().workers(), path);
    if ((found == PathCheck::Found::File || found == PathCheck::Found::NoAnswer) && !isHidden(path)) {
        // The opener's verdict comes later; the offer needs nothing of this window but the module.
        Module1& module = m_module;
        host().ShellOpenChecked(FileNameForOpener(path),
                                [&module, path] { OpenWithForm::OfferFor(module, path); });
        return;
    }
    const bool sv = m_module.SwedishLanguage;
    if (askRefresh(BrowseText::OpenFileErrorTitle.text(sv), BrowseText::FileMissing1.text(sv) +
                                                                FileNameForDisplay(name) +
                                                                BrowseText::FileMissing2.text(sv)))
        Command_RefreshFileList_Click();
}

bool MainForm::askRefresh(const QString& title, const QString& prompt)
{
    return m_module.ShowMessBox(prompt, MsgStyle::YesNo, title) == MsgAnswer::Yes;
}

void MainForm::Menu_ChangeDrive_Click()
{
    m_module.changeDriveForm().ShowModal();
}

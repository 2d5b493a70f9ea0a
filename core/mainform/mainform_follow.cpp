// What keeps the main window in step with the disk: the file list's status line, the watch on
// the open folder, and the check for favorites whose folder is gone.

#include "core/dialogs/module1.h"
#include "core/mainform/favoritecheck.h"
#include "core/mainform/filestatus.h"
#include "core/mainform/mainform.h"
#include "core/mainform/panewatch.h"

namespace {

// Under the filter box, in the strip the designed client area leaves below it.
constexpr int StatusTop = 5475;
constexpr int StatusHeight = 195;

} // namespace

void MainForm::connectFollowers()
{
    Label_FileStatus.Move(FileFind.Left(), StatusTop, FileFind.Width(), StatusHeight);
    Label_FileStatus.setTabIndex(8);
    // Every read, re-read and filter of the list ends in itemsChanged: one place to count.
    connect(&FileList, &::FileList::itemsChanged, this, &MainForm::UpdateFileStatus);

    m_paneWatch = std::make_unique<PaneWatch>(*this);
    connect(&DirList, &FolderList::itemsChanged, this, [this] { m_paneWatch->follow(); });

    m_favoriteCheck = std::make_unique<FavoriteCheck>(*this);
}

void MainForm::UpdateFileStatus()
{
    Label_FileStatus.setCaption(FileStatus::Text(
        FileList.Listed(), FileList.ListCount(), FileList.TotalCount(),
        FileList.Pattern() != QLatin1String("*.*"), FileList.Pattern(), m_module.SwedishLanguage));
}

// What keeps the main window in step with the disk: the file list's status line, the watch on
// the open folder, and the check for favorites whose folder is gone.

#include "core/dialogs/module1.h"
#include "core/mainform/favoritecheck.h"
#include "core/mainform/filestatus.h"
#include "core/mainform/mainform.h"
#include "core/mainform/panewatch.h"
#include "core/system/host.h"

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
    using State = ::FileList::ReadState;
    using FileStatus::ReadNote;
    const bool sv = m_module.SwedishLanguage;
    const int read = FileList.ReadNumber();
    switch (FileList.State()) {
    case State::Reading: {
        // A read that brought nothing within the time says so, and the rest keeps working.
        if (m_timedRead != read) {
            m_timedRead = read;
            host().StartTimer(Workers::NoAnswerMilliseconds, [this, read] {
                if (FileList.State() == State::Reading && FileList.ReadNumber() == read) {
                    m_silentRead = read;
                    UpdateFileStatus();
                }
            });
        }
        const bool silent = m_silentRead == read && FileList.TotalCount() == 0;
        Label_FileStatus.setCaption(FileStatus::ReadText(silent ? ReadNote::NotAnswering : ReadNote::Reading,
                                                         FileList.TotalCount(), FileList.Path(), sv));
        return;
    }
    case State::Failed:
        Label_FileStatus.setCaption(FileStatus::ReadText(ReadNote::Failed, 0, FileList.Path(), sv));
        return;
    case State::Stopped:
        Label_FileStatus.setCaption(
            FileStatus::ReadText(ReadNote::Stopped, FileList.TotalCount(), FileList.Path(), sv));
        return;
    case State::Done:
        break;
    }
    const QString counts = FileStatus::Text(FileList.Listed(), FileList.ListCount(), FileList.TotalCount(),
                                            FileList.Pattern() != QLatin1String("*.*"), FileList.Pattern(),
                                            m_module.SwedishLanguage);
    const QString note = transferNote();
    Label_FileStatus.setCaption(note.isEmpty() ? counts : note + QStringLiteral("   ") + counts);
}

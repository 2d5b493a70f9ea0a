// Paste, drop and the drag of files out of the file list: what goes where, through the copy engine.

#include "core/dialogs/module1.h"
#include "core/formats/fileuris.h"
#include "core/mainform/filetransfer.h"
#include "core/mainform/filetransfertexts.h"
#include "core/mainform/mainform.h"
#include "core/system/fileops.h"
#include "core/system/host.h"

void MainForm::buildPaste()
{
    m_fileTransfer = std::make_unique<FileTransfer>(
        m_module, FileTransfer::Calls{[this](const QString& text) {
                                          m_transferNote = text;
                                          m_transferNoteFolder = FileList.Path();
                                          UpdateFileStatus();
                                      },
                                      [this](const QString& target, const QStringList& placed) {
                                          showTransferred(target, placed);
                                      },
                                      [this](bool running) { Menu_CancelCopy.setEnabled(running); }});
    Menu_PasteFiles.Click = [this] { Menu_PasteFiles_Click(); };
    Menu_CancelCopy.Click = [this] { Menu_CancelCopy_Click(); };
    Menu_CancelCopy.setEnabled(false);
}

QString MainForm::transferNote()
{
    if (m_fileTransfer && !m_fileTransfer->running() && FileList.Path() != m_transferNoteFolder)
        m_transferNote.clear();
    return m_transferNote;
}

void MainForm::setPasteCaptions()
{
    const bool sv = m_module.SwedishLanguage;
    Menu_PasteFiles.setCaption(FileTransferText::Paste.text(sv));
    Menu_CancelCopy.setCaption(FileTransferText::CancelCopy.text(sv));
}

void MainForm::Menu_PasteFiles_Click()
{
    const QString target = DirList.Path();
    if (target.isEmpty())
        return;
    // The file managers' own format first: only it tells a cut from a copy.
    bool cut = false;
    QStringList paths =
        FileUris::ReadCopiedFiles(host().ClipboardData(QString::fromLatin1(FileUris::CopiedFilesType)), cut);
    if (paths.isEmpty()) {
        cut = false;
        paths = FileUris::ReadUriList(host().ClipboardData(QString::fromLatin1(FileUris::UriListType)));
    }
    if (paths.isEmpty())
        return;
    // What was cut is gone from where it was once moved: it cannot be pasted a second time.
    std::function<void()> moved;
    if (cut)
        moved = [this] { host().ClipboardClear(); };
    m_fileTransfer->start(paths, target, cut ? FileTransfer::Kind::Move : FileTransfer::Kind::Copy,
                          std::move(moved));
}

void MainForm::Menu_CancelCopy_Click()
{
    m_fileTransfer->cancel();
}

void MainForm::FilesDropped(const QStringList& paths, const QString& target, DropMode mode)
{
    const FileTransfer::Kind kind = mode == DropMode::Copy   ? FileTransfer::Kind::Copy
                                    : mode == DropMode::Move ? FileTransfer::Kind::Move
                                                             : FileTransfer::Kind::ByVolume;
    m_fileTransfer->start(paths, target.isEmpty() ? DirList.Path() : target, kind);
}

std::vector<std::pair<QString, QByteArray>> MainForm::FileDragData() const
{
    QStringList paths;
    for (const int index : FileList.SelectedIndexes())
        paths << FileOps::Join(FileList.Path(), FileList.List(index));
    if (paths.isEmpty())
        return {};
    return {{QString::fromLatin1(FileUris::UriListType), FileUris::ComposeUriList(paths)},
            {QString::fromLatin1(FileUris::CopiedFilesType), FileUris::ComposeCopiedFiles(paths, false)}};
}

void MainForm::showTransferred(const QString& target, const QStringList& placed)
{
    DirList.Refresh();
    FileList.Refresh();
    if (target != FileList.Path())
        return;
    for (const QString& name : placed) {
        const int index = FileList.IndexOf(name);
        if (index >= 0) {
            FileList.setListIndex(index);
            break;
        }
    }
}

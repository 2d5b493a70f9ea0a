// Drops on the panes and drags out of the file list, handed to the main window's core.
#include "shell/windows/filedrops.h"

#include "core/formats/fileuris.h"
#include "core/mainform/mainform.h"
#include "shell/widgets/eventguard.h"

#include <QDrag>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>

FileDrops::FileDrops(MainForm& form, QWidget& fileList, QWidget& folderTree, QObject* parent)
    : QObject(parent), m_form(form), m_fileList(qobject_cast<QListView*>(&fileList)),
      m_folderTree(qobject_cast<QListView*>(&folderTree))
{
    // Installed after the lists' own filters, so this one sees their events first.
    for (QListView* view : {m_fileList, m_folderTree}) {
        if (!view)
            continue;
        view->setAcceptDrops(true);
        view->viewport()->setAcceptDrops(true);
        view->viewport()->installEventFilter(this);
    }
}

QStringList FileDrops::PathsOf(const QMimeData& data)
{
    bool cut = false;
    QStringList paths =
        FileUris::ReadCopiedFiles(data.data(QString::fromLatin1(FileUris::CopiedFilesType)), cut);
    if (paths.isEmpty())
        paths = FileUris::ReadUriList(data.data(QString::fromLatin1(FileUris::UriListType)));
    return paths;
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    const bool onTree = m_folderTree && watched == m_folderTree->viewport();
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDragMoveEvent&>(*event);
        if (!drag.mimeData() || PathsOf(*drag.mimeData()).isEmpty())
            return false;
        // Shift moves; otherwise the pointer shows a copy, the core choosing by volume on the drop.
        drag.setDropAction(drag.modifiers() & Qt::ShiftModifier ? Qt::MoveAction : Qt::CopyAction);
        drag.accept();
        return true;
    }
    case QEvent::Drop:
        return drop(static_cast<QDropEvent&>(*event), onTree);
    case QEvent::MouseButtonPress:
        m_leftHeld = !onTree && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return false;
    case QEvent::MouseButtonRelease:
        m_leftHeld = false;
        return false;
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (onTree || !m_leftHeld || !(mouse.buttons() & Qt::LeftButton) ||
            m_fileList->viewport()->rect().contains(mouse.position().toPoint()))
            return false;
        m_leftHeld = false;
        dragOut();
        return true;
    }
    default:
        return false;
    }
}

bool FileDrops::drop(QDropEvent& event, bool onTree)
{
    if (!event.mimeData())
        return false;
    const QStringList paths = PathsOf(*event.mimeData());
    if (paths.isEmpty())
        return false;
    QString target = m_form.DirList.Path();
    if (onTree) {
        const QModelIndex index = m_folderTree->indexAt(event.position().toPoint());
        if (index.isValid())
            target = m_form.DirList.List(index.row() - m_form.DirList.AncestorCount());
    }
    const Qt::KeyboardModifiers keys = event.modifiers();
    const MainForm::DropMode mode = keys & Qt::ControlModifier ? MainForm::DropMode::Copy
                                    : keys & Qt::ShiftModifier ? MainForm::DropMode::Move
                                                               : MainForm::DropMode::ByVolume;
    event.setDropAction(mode == MainForm::DropMode::Move ? Qt::MoveAction : Qt::CopyAction);
    event.accept();
    // The drop's source waits for this event to return: the work starts from the event loop.
    QMetaObject::invokeMethod(
        this,
        [this, paths, target, mode] {
            EventGuard::run("drop", [&] { m_form.FilesDropped(paths, target, mode); });
        },
        Qt::QueuedConnection);
    return true;
}

void FileDrops::dragOut()
{
    const auto formats = m_form.FileDragData();
    if (formats.empty())
        return;
    auto* data = new QMimeData;
    for (const auto& [type, bytes] : formats)
        data->setData(type, bytes);
    auto* drag = new QDrag(m_fileList);
    drag->setMimeData(data);
    // Whatever the target does (copy or move), it does it itself: nothing is deleted here.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

#pragma once
// Drag and drop of files on the main window's panes: files dropped on the file list go into the
// open folder, on a folder of the tree into that folder; a drag that leaves the file list with
// the button held carries its selected files to other programs. Inside the file list the held
// button keeps choosing rows, as the list always did. The core decides what a drop does.

#include <QObject>
#include <QPoint>

class MainForm;
class QDropEvent;
class QListView;
class QMimeData;
class QWidget;

class FileDrops : public QObject
{
    Q_OBJECT

public:
    FileDrops(MainForm& form, QWidget& fileList, QWidget& folderTree, QObject* parent);

    /// The local files that dropped data names: the file managers' format first, else a URI list.
    static QStringList PathsOf(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool drop(QDropEvent& event, bool onTree);
    void dragOut();

    MainForm& m_form;
    QListView* m_fileList;
    QListView* m_folderTree;
    bool m_leftHeld = false;
};

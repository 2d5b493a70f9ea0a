#pragma once
// A FileList shown as a QListView: a click or the arrow keys set ListIndex; a double click
// raises DblClick. The rows are read from the control as they are drawn, so a folder of a
// hundred thousand files costs no widget item per file; each row's icon follows its name's type.

#include "shell/widgets/listviewbinding.h"

#include "shell/widgets/fileicons.h"

class ControlListView;
class FileDetailsColumns;
class FileList;

class FileListBinding : public ListViewBinding
{
    Q_OBJECT

public:
    FileListBinding(FileList& list, ControlListView& view, const TwipsScale& scale);

protected:
    int currentRow() const override;
    void selectRow(int row) override;
    void doubleClicked(int row) override;
    int rowCount() const override;
    QVariant rowData(int row, int role) const override;
    QString contentKey() const override;
    bool selectWithModifiers(int row, Qt::KeyboardModifiers modifiers) override;
    int nameRight() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FileList& m_list;
    // Looked up while rows are drawn, which is const work for the view.
    mutable FileIcons m_icons;
    FileDetailsColumns* m_details;
};

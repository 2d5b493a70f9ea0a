#pragma once
// A FolderList shown as a QListView: the open folder's ancestors from the root down, the open
// folder and its subfolders, each by its name and indented by its depth. A click or the arrow
// keys move the highlight (ListIndex); a double click opens the folder, as the classic folder
// control does by itself. Enter reaches the program as KeyPress 13.

#include "shell/widgets/listviewbinding.h"

#include "shell/widgets/fileicons.h"

class FolderList;

class FolderListBinding : public ListViewBinding
{
    Q_OBJECT

public:
    FolderListBinding(FolderList& list, QListView& view, const TwipsScale& scale);

    /// The name the tree shows for a folder path: its last component, "/" for the root.
    static QString displayName(const QString& path);

    /// Rows are indented by this role's value, in steps.
    static constexpr int DepthRole = Qt::UserRole + 1;

protected:
    int currentRow() const override;
    int rowOf(int index) const override;
    void selectRow(int row) override;
    void doubleClicked(int row) override;
    int rowCount() const override;
    QVariant rowData(int row, int role) const override;
    QString contentKey() const override;

private:
    int listIndex(int row) const;

    FolderList& m_list;
    mutable FileIcons m_icons;
};

#pragma once
// A ListBox shown as a QListView: a click, the arrow keys or a drag with the button held set
// ListIndex; a double click raises DblClick.

#include "shell/widgets/listviewbinding.h"

class ListBox;

class ListBoxBinding : public ListViewBinding
{
    Q_OBJECT

public:
    ListBoxBinding(ListBox& list, QListView& view, const TwipsScale& scale);

protected:
    int currentRow() const override;
    void selectRow(int row) override;
    void doubleClicked(int row) override;
    int rowCount() const override;
    QVariant rowData(int row, int role) const override;

private:
    ListBox& m_list;
};

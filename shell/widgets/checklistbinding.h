#pragma once
// A CheckList as a QListWidget of checkable rows. The list is short (folders found in the
// desktop's bookmarks), so a widget item per row costs nothing worth a model.

#include "shell/widgets/controlbinding.h"

class CheckList;
class QListWidget;

class CheckListBinding : public ControlBinding
{
    Q_OBJECT

public:
    CheckListBinding(CheckList& list, QListWidget& view, const TwipsScale& scale);

private:
    void rebuild();
    void showCheck(int index);

    CheckList& m_list;
    QListWidget& m_view;
    bool m_showing = false;
};

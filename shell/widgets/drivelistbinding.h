#pragma once
// A DriveList shown as a QComboBox of the mounted volumes; choosing one sets ListIndex.

#include "shell/widgets/controlbinding.h"

class DriveList;
class QComboBox;

class DriveListBinding : public ControlBinding
{
    Q_OBJECT

public:
    DriveListBinding(DriveList& list, QComboBox& widget, const TwipsScale& scale);

private:
    void showItems();
    void showCurrent();

    DriveList& m_list;
    QComboBox& m_widget;
};

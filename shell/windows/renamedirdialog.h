#pragma once
// The window of the edit-favorite dialog: the current name, path and filter as display fields
// beside the boxes for the new ones.

#include "shell/windows/formdialog.h"

class RenameDirForm;

class RenameDirDialog : public FormDialog
{
    Q_OBJECT

public:
    RenameDirDialog(RenameDirForm& form, const TwipsScale& scale, QWidget* parent);
};

#pragma once
// The window of the add-folder dialog: the path as a display field, the name and filter boxes
// and the two buttons where the form put them.

#include "shell/windows/formdialog.h"

class AddDirForm;

class AddDirDialog : public FormDialog
{
    Q_OBJECT

public:
    AddDirDialog(AddDirForm& form, const TwipsScale& scale, QWidget* parent);
};

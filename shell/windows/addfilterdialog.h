#pragma once
// The window of the copy-path and add-filter dialog: the file name as a display field, the
// filter box and the three buttons.

#include "shell/windows/formdialog.h"

class AddFilterForm;

class AddFilterDialog : public FormDialog
{
    Q_OBJECT

public:
    AddFilterDialog(AddFilterForm& form, const TwipsScale& scale, QWidget* parent);
};

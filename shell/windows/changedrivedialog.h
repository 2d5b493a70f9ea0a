#pragma once
// The Change Drive window: Escape closes it as its Cancel button does, as every other dialog of
// the program can be left with Escape.

#include "shell/windows/formdialog.h"

class ChangeDriveForm;

class ChangeDriveDialog : public FormDialog
{
    Q_OBJECT

public:
    ChangeDriveDialog(ChangeDriveForm& form, const TwipsScale& scale, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ChangeDriveForm& m_form;
};

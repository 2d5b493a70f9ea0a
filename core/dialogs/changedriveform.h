#pragma once
// The dialog that moves the folder tree to the root of another mounted volume.

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/drivelist.h"
#include "core/toolkit/form.h"

class Module1;

class ChangeDriveForm : public Form
{
    Q_OBJECT

public:
    explicit ChangeDriveForm(Module1& module);

    DriveList Drives;
    CommandButton Command_OK;
    CommandButton Command_Cancel;

    /// Mount point of the volume the tree showed when the dialog opened.
    QString StartDrive;

    void Drives_Change();
    void Command_OK_Click();
    void Command_Cancel_Click();

protected:
    void Form_Load() override;

private:
    Module1& m_module;
};

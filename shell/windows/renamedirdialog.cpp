// Builds the edit-favorite dialog's widgets from the form.
#include "shell/windows/renamedirdialog.h"

#include "core/dialogs/renamedirform.h"
#include "shell/widgets/dialogfields.h"

RenameDirDialog::RenameDirDialog(RenameDirForm& form, const TwipsScale& scale, QWidget* parent)
    : FormDialog(form, scale, parent)
{
    for (Label* field : {&form.Label_FavoName, &form.Label_FavoPath, &form.Label_FileFilter})
        addDisplayField(view(), *field, *this);
    for (Label* caption :
         {&form.Label1, &form.Label2, &form.Label3, &form.Label4, &form.Label5, &form.Label6})
        addFieldCaption(view(), *caption, *this);
    view().addRemaining(*this);
    finish();
}

// Builds the add-folder dialog's widgets from the form.
#include "shell/windows/adddirdialog.h"

#include "core/dialogs/adddirform.h"
#include "shell/widgets/dialogfields.h"

AddDirDialog::AddDirDialog(AddDirForm& form, const TwipsScale& scale, QWidget* parent)
    : FormDialog(form, scale, parent)
{
    addDisplayField(view(), form.Label_Path, *this);
    for (Label* caption : {&form.Label1, &form.Label2, &form.Label3})
        addFieldCaption(view(), *caption, *this);
    view().addRemaining(*this);
    finish();
}

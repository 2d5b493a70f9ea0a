// Builds the copy-path and add-filter dialog's widgets from the form.
#include "shell/windows/addfilterdialog.h"

#include "core/dialogs/addfilterform.h"
#include "shell/widgets/dialogfields.h"

AddFilterDialog::AddFilterDialog(AddFilterForm& form, const TwipsScale& scale, QWidget* parent)
    : FormDialog(form, scale, parent)
{
    addDisplayField(view(), form.Label_FileName, *this);
    for (Label* caption : {&form.Label1, &form.Label2})
        addFieldCaption(view(), *caption, *this);
    view().addRemaining(*this);
    finish();
}

// The message box's window, whose close control answers through CloseByWindowSystem.
#include "shell/windows/messboxdialog.h"

#include "core/dialogs/messbox.h"
#include "shell/widgets/formview.h"

MessBoxDialog::MessBoxDialog(MessBox& box, const TwipsScale& scale, QWidget* parent)
    : FormDialog(box, scale, parent), m_box(box)
{
    // The rule and the prompt are placed relative to the panel that holds them.
    QWidget* panel = view().add(box.Frame_Msg, *this);
    view().add(box.Line_Msg, *panel);
    view().add(box.Label_Msg, *panel);
    view().addRemaining(*this);
    finish();
}

void MessBoxDialog::closeByWindowSystem()
{
    m_box.CloseByWindowSystem();
}

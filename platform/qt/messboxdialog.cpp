// The message box's window, whose close control answers through CloseByWindowSystem.
#include "platform/qt/messboxdialog.h"

#include "platform/qt/formview.h"
#include "ui/messbox.h"

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

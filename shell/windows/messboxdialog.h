#pragma once
// The message box's window: the white prompt panel with its rule along the top and the prompt
// inside, the buttons below it, all where the MessBox form's layout put them. No button is a
// default: Enter or Space presses the focused one, Escape goes to its KeyDown handler, and the
// window system's close control answers through CloseByWindowSystem.

#include "shell/windows/formdialog.h"

class MessBox;

class MessBoxDialog : public FormDialog
{
    Q_OBJECT

public:
    MessBoxDialog(MessBox& box, const TwipsScale& scale, QWidget* parent);

protected:
    void closeByWindowSystem() override;

private:
    MessBox& m_box;
};

// The main window's About menu: the About box, modal over the main window.
#include "core/dialogs/aboutform.h"
#include "core/dialogs/module1.h"
#include "core/mainform/mainform.h"

void MainForm::Menu_About_Click()
{
    m_module.aboutForm().ShowModal();
}

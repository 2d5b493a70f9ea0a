// The main window's About menu: the About box, modal over the main window.
#include "about/aboutform.h"
#include "app/mainform.h"
#include "app/module1.h"

void MainForm::Menu_About_Click()
{
    m_module.aboutForm().ShowModal();
}

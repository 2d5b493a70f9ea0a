// The file list's details view: a checked item at the end of the files menu, kept in the settings.

#include "core/dialogs/module1.h"
#include "core/mainform/detailstexts.h"
#include "core/mainform/mainform.h"

void MainForm::buildDetails()
{
    Menu_Sep12.setCaption(QStringLiteral("-"));
    Menu_Files.addItem(Menu_Sep12);
    Menu_Files.addItem(Menu_Details);
    Menu_Details.Click = [this] { Menu_Details_Click(); };
    setDetailsCaptions();
}

void MainForm::setDetailsCaptions()
{
    const bool sv = m_module.SwedishLanguage;
    Menu_Details.setCaption(DetailsText::Menu.text(sv));
    FileList.setSwedish(sv);
}

void MainForm::Menu_Details_Click()
{
    const bool on = !Menu_Details.Checked();
    Menu_Details.setChecked(on);
    FileList.setDetails(on);
}

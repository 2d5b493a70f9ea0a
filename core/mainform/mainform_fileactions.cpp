// The file actions of the main window: hidden files, back and forward through the folders
// visited, and the actions on the files and folders themselves.

#include "core/dialogs/module1.h"
#include "core/formats/startsettings.h"
#include "core/mainform/fileactionstexts.h"
#include "core/mainform/mainform.h"
#include "core/system/host.h"
#include "core/system/runtimeerror.h"

void MainForm::buildFileActions()
{
    Menu_Sep9.setCaption(QStringLiteral("-"));
    Menu_Sep10.setCaption(QStringLiteral("-"));
    for (MenuItem* item : {&Menu_ShowHidden, &Menu_Sep10, &Menu_Back, &Menu_Forward})
        Menu_Files.addItem(*item);
    m_menuBar.push_back(&Menu_Files);
    Menu_ShowHidden.Click = [this] { Menu_ShowHidden_Click(); };
    Menu_Back.Click = [this] { Menu_Back_Click(); };
    Menu_Forward.Click = [this] { Menu_Forward_Click(); };
    Menu_Back.setEnabled(false);
    Menu_Forward.setEnabled(false);
    connect(&DirList, &FolderList::itemsChanged, this, [this] { noteVisit(); });
    setFileActionsCaptions();
}

void MainForm::setFileActionsCaptions()
{
    namespace T = FileActionsText;
    const bool sv = m_module.SwedishLanguage;
    const std::pair<MenuItem*, const Bilingual*> menus[] = {
        {&Menu_Files, &T::Menu},       {&Menu_NewFolder, &T::NewFolder}, {&Menu_RenameFile, &T::Rename},
        {&Menu_TrashFiles, &T::Trash}, {&Menu_DeleteFiles, &T::Delete},  {&Menu_ShowHidden, &T::ShowHidden},
        {&Menu_Back, &T::Back},        {&Menu_Forward, &T::Forward},
    };
    for (const auto& [item, text] : menus)
        item->setCaption(text->text(sv));
}

void MainForm::Menu_ShowHidden_Click()
{
    const bool show = !Menu_ShowHidden.Checked();
    Menu_ShowHidden.setChecked(show);
    DirList.setShowHidden(show);
    FileList.setShowHidden(show);
}

void MainForm::noteVisit()
{
    const QString& folder = DirList.Path();
    if (folder.isEmpty() || m_travelling || (!m_visited.empty() && m_visited[m_visitAt] == folder))
        return;
    // A new way from here forgets where Forward led.
    if (!m_visited.empty())
        m_visited.resize(m_visitAt + 1);
    m_visited.push_back(folder);
    m_visitAt = m_visited.size() - 1;
    Menu_Back.setEnabled(m_visitAt > 0);
    Menu_Forward.setEnabled(false);
}

void MainForm::travelHistory(int step)
{
    m_travelling = true;
    for (auto at = qsizetype(m_visitAt) + step; at >= 0 && at < qsizetype(m_visited.size()); at += step) {
        // A step that would stay where it is (the folder between was skipped) goes on.
        if (m_visited[size_t(at)] == DirList.Path())
            continue;
        try {
            DirList.setPath(m_visited[size_t(at)]);
            m_visitAt = size_t(at);
            break;
        } catch (const RunTimeError&) {
            // Gone or unreadable since: the next one in that direction.
        }
    }
    m_travelling = false;
    Menu_Back.setEnabled(m_visitAt > 0);
    Menu_Forward.setEnabled(m_visitAt + 1 < m_visited.size());
}

void MainForm::Menu_Back_Click()
{
    travelHistory(-1);
}

void MainForm::Menu_Forward_Click()
{
    travelHistory(+1);
}

// The copy-path and add-filter dialog: the selected file's name as the proposed filter, its full
// path for the clipboard, and the warning when a filter is active already.
#include "core/dialogs/addfilterform.h"

#include "core/dialogs/addfilterformtexts.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/system/host.h"

AddFilterForm::AddFilterForm(Module1& module)
    : Form(module.host(), QStringLiteral("AddFilterForm")), Label1(*this, controlName("Label1")),
      Label_FileName(*this, controlName("Label_FileName")), Label2(*this, controlName("Label2")),
      Text_NewFilterName(*this, controlName("Text_NewFilterName")),
      Command_CopyPath(*this, controlName("Command_CopyPath")),
      Command_Save(*this, controlName("Command_Save")), Command_Cancel(*this, controlName("Command_Cancel")),
      m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);

    Label1.Move(780, 180, 1515, 195);
    Label1.setTabIndex(4);
    Label_FileName.Move(2400, 120, 3075, 315);
    Label_FileName.setTabIndex(3);
    Label2.Move(1320, 600, 960, 195);
    Label2.setTabIndex(5);
    Text_NewFilterName.Move(2400, 540, 3075, 315);
    Text_NewFilterName.setTabIndex(0);
    Command_CopyPath.Move(120, 960, 2175, 315);
    Command_CopyPath.setTabIndex(6);
    Command_Save.Move(2430, 960, 1455, 315);
    Command_Save.setTabIndex(1);
    Command_Cancel.Move(4020, 960, 1455, 315);
    Command_Cancel.setTabIndex(2);

    Text_NewFilterName.Change = [this] { Text_NewFilterName_Change(); };
    Text_NewFilterName.DblClick = [this] { Text_NewFilterName_DblClick(); };
    Text_NewFilterName.KeyPress = [this](int16_t& keyAscii) { Text_NewFilterName_KeyPress(keyAscii); };
    Command_CopyPath.Click = [this] { Command_CopyPath_Click(); };
    Command_Save.Click = [this] { Command_Save_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };

    restoreDesignState();
}

MainWindowParts& AddFilterForm::mainWindow() const
{
    return m_module.mainWindow();
}

void AddFilterForm::restoreDesignState()
{
    setCaption(AddFilterFormText::Caption.english.toString());
    Label1.setCaption(AddFilterFormText::Label1.english.toString());
    Label2.setCaption(AddFilterFormText::Label2.english.toString());
    Command_CopyPath.setCaption(AddFilterFormText::CopyPath.english.toString());
    Command_Save.setCaption(AddFilterFormText::Save.english.toString());
    Command_Cancel.setCaption(AddFilterFormText::Cancel.english.toString());
    Label_FileName.setCaption(QString());
    Text_NewFilterName.setText(QString());
    Text_NewFilterName.setEnabled(true);
    Text_NewFilterName.setFontItalic(false);
    Command_Save.setEnabled(false);
}

void AddFilterForm::Form_Load()
{
    restoreDesignState();
    m_activated = false;
    const MainWindowParts& main = mainWindow();
    if (main.FileList.ListIndex() < 0) {
        // Nothing selected: there is no file to work on.
        Unload();
        return;
    }

    if (m_module.SwedishLanguage) {
        setCaption(AddFilterFormText::Caption.swedish.toString());
        Label1.setCaption(AddFilterFormText::Label1.swedish.toString());
        Label2.setCaption(AddFilterFormText::Label2.swedish.toString());
        Command_Cancel.setCaption(AddFilterFormText::Cancel.swedish.toString());
        Command_Save.setCaption(AddFilterFormText::Save.swedish.toString());
        Command_CopyPath.setCaption(AddFilterFormText::CopyPath.swedish.toString());
    }

    Label_FileName.setCaption(main.FileList.List(main.FileList.ListIndex()));
    Text_NewFilterName.setText(Label_FileName.Caption());
    Text_NewFilterName.SetFocus();
}

void AddFilterForm::Form_Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (mainWindow().FileFind.Text().isEmpty())
        return;
    const bool swedish = m_module.SwedishLanguage;
    if (m_module.ShowMessBox(AddFilterFormText::ActiveFilterPrompt.text(swedish), MsgStyle::OKCancel,
                             AddFilterFormText::ActiveFilterTitle.text(swedish)) == MsgAnswer::Cancel)
        Unload();
}

void AddFilterForm::Command_CopyPath_Click()
{
    QString path = mainWindow().DirList.Path();
    if (!path.endsWith(u'/'))
        path += u'/';
    path += Label_FileName.Caption();
    host().ClipboardSetText(path);
    Unload();
}

void AddFilterForm::Command_Save_Click()
{
    mainWindow().FileFind.setText(Text_NewFilterName.Text());
    Unload();
}

void AddFilterForm::Command_Cancel_Click()
{
    Unload();
}

void AddFilterForm::Text_NewFilterName_Change()
{
    Command_Save.setEnabled(!Text_NewFilterName.Text().isEmpty());
}

void AddFilterForm::Text_NewFilterName_DblClick()
{
    Text_NewFilterName.setText(QString());
}

void AddFilterForm::Text_NewFilterName_KeyPress(int16_t& KeyAscii)
{
    // Enter does only what the Add button would do: never with an empty filter.
    if (KeyAscii == KeyCode::Enter && Command_Save.Enabled())
        Command_Save_Click();
    else if (KeyAscii == KeyCode::Escape)
        Unload();
}

// The edit-favorite dialog: both modes, and the entry replaced in place in all three lists.
#include "core/dialogs/renamedirform.h"

#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/renamedirformtexts.h"
#include "core/dialogs/storablefavorite.h"

#include <utility>

RenameDirForm::RenameDirForm(Module1& module)
    : Form(module.host(), QStringLiteral("RenameDirForm")), Label1(*this, controlName("Label1")),
      Label_FavoName(*this, controlName("Label_FavoName")), Label2(*this, controlName("Label2")),
      Text_NewFavoName(*this, controlName("Text_NewFavoName")), Label3(*this, controlName("Label3")),
      Label_FavoPath(*this, controlName("Label_FavoPath")), Label4(*this, controlName("Label4")),
      Text_NewFavoPath(*this, controlName("Text_NewFavoPath")), Label5(*this, controlName("Label5")),
      Label_FileFilter(*this, controlName("Label_FileFilter")), Label6(*this, controlName("Label6")),
      Text_NewFileFilter(*this, controlName("Text_NewFileFilter")),
      Command_Save(*this, controlName("Command_Save")), Command_Cancel(*this, controlName("Command_Cancel")),
      m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);

    Label1.Move(330, 180, 1725, 195);
    Label1.setTabIndex(6);
    Label_FavoName.Move(2160, 120, 3075, 315);
    Label_FavoName.setTabIndex(5);
    Label2.Move(540, 600, 1500, 195);
    Label2.setTabIndex(7);
    Text_NewFavoName.Move(2160, 540, 3075, 315);
    Text_NewFavoName.setTabIndex(0);
    Label3.Move(450, 1140, 1635, 195);
    Label3.setTabIndex(9);
    Label_FavoPath.Move(2190, 1080, 3075, 315);
    Label_FavoPath.setTabIndex(10);
    Label4.Move(660, 1560, 1410, 195);
    Label4.setTabIndex(8);
    Text_NewFavoPath.Move(2190, 1500, 3075, 315);
    Text_NewFavoPath.setTabIndex(1);
    Label5.Move(825, 2100, 1260, 195);
    Label5.setTabIndex(12);
    Label_FileFilter.Move(2190, 2040, 3075, 315);
    Label_FileFilter.setTabIndex(13);
    Label6.Move(990, 2520, 1080, 195);
    Label6.setTabIndex(11);
    Text_NewFileFilter.Move(2190, 2400, 3075, 315);
    Text_NewFileFilter.setTabIndex(2);
    Command_Save.Move(2160, 2880, 1455, 315);
    Command_Save.setTabIndex(3);
    Command_Cancel.Move(3840, 2880, 1455, 315);
    Command_Cancel.setTabIndex(4);

    Text_NewFavoName.Change = [this] { Text_NewFavoName_Change(); };
    Text_NewFavoPath.Change = [this] { Text_NewFavoPath_Change(); };
    Text_NewFileFilter.Change = [this] { Text_NewFileFilter_Change(); };
    Text_NewFavoName.DblClick = [this] { Text_NewFavoName_DblClick(); };
    Text_NewFavoPath.DblClick = [this] { Text_NewFavoPath_DblClick(); };
    Text_NewFileFilter.DblClick = [this] { Text_NewFileFilter_DblClick(); };
    Text_NewFavoName.KeyPress = [this](int16_t& keyAscii) { Text_NewFavoName_KeyPress(keyAscii); };
    Text_NewFavoPath.KeyPress = [this](int16_t& keyAscii) { Text_NewFavoPath_KeyPress(keyAscii); };
    Text_NewFileFilter.KeyPress = [this](int16_t& keyAscii) { Text_NewFileFilter_KeyPress(keyAscii); };
    Command_Save.Click = [this] { Command_Save_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };

    restoreDesignState();
}

MainWindowParts& RenameDirForm::mainWindow() const
{
    return m_module.mainWindow();
}

void RenameDirForm::restoreDesignState()
{
    setCaption(RenameDirFormText::Caption.english.toString());
    Label1.setCaption(RenameDirFormText::Label1.english.toString());
    Label2.setCaption(RenameDirFormText::Label2.english.toString());
    Label3.setCaption(RenameDirFormText::Label3.english.toString());
    Label4.setCaption(RenameDirFormText::Label4.english.toString());
    Label5.setCaption(RenameDirFormText::Label5.english.toString());
    Label6.setCaption(RenameDirFormText::Label6.english.toString());
    Command_Save.setCaption(RenameDirFormText::Save.english.toString());
    Command_Cancel.setCaption(RenameDirFormText::Cancel.english.toString());
    for (Label* field : {&Label_FavoName, &Label_FavoPath, &Label_FileFilter})
        field->setCaption(QString());
    for (TextBox* box : {&Text_NewFavoName, &Text_NewFavoPath, &Text_NewFileFilter}) {
        box->setText(QString());
        box->setEnabled(true);
        box->setFontItalic(false);
    }
    Command_Save.setEnabled(false);
}

void RenameDirForm::Form_Load()
{
    restoreDesignState();
    m_selectAfterClose = -1;
    const MainWindowParts& main = mainWindow();
    FavoIndex = main.FavoDirList.ListIndex();
    if (FavoIndex < 0 || FavoIndex >= main.FavoDirList.ListCount()) {
        // Nothing selected: there is no entry to edit.
        Unload();
        return;
    }

    const bool swedish = m_module.SwedishLanguage;
    if (swedish) {
        setCaption(RenameDirFormText::Caption.swedish.toString());
        Label1.setCaption(RenameDirFormText::Label1.swedish.toString());
        Label2.setCaption(RenameDirFormText::Label2.swedish.toString());
        Label3.setCaption(RenameDirFormText::Label3.swedish.toString());
        Label4.setCaption(RenameDirFormText::Label4.swedish.toString());
        Label5.setCaption(RenameDirFormText::Label5.swedish.toString());
        Label6.setCaption(RenameDirFormText::Label6.swedish.toString());
        Command_Cancel.setCaption(RenameDirFormText::Cancel.swedish.toString());
    }

    Label_FavoName.setCaption(main.FavoDirList.List(FavoIndex));
    Text_NewFavoName.setText(Label_FavoName.Caption());
    Label_FavoPath.setCaption(main.FavoDirPath.List(FavoIndex));
    Text_NewFavoPath.setText(Label_FavoPath.Caption());
    Label_FileFilter.setCaption(main.FavoFileFilter.List(FavoIndex));

    if (m_module.EditFilterOnly) {
        setCaption(RenameDirFormText::FilterOnlyCaption.text(swedish));
        for (TextBox* box : {&Text_NewFavoName, &Text_NewFavoPath}) {
            box->setEnabled(false);
            box->setFontItalic(true);
        }
        Text_NewFileFilter.setText(main.FileFind.Text());
        Command_Save.setEnabled(true);
        Text_NewFileFilter.SetFocus();
    } else {
        Text_NewFileFilter.setText(Label_FileFilter.Caption());
        // Unchanged values are not worth a save: the button waits for an edit.
        Command_Save.setEnabled(false);
        Text_NewFavoName.SetFocus();
    }
}

void RenameDirForm::ShowModal()
{
    Form::ShowModal();
    const int16_t index = std::exchange(m_selectAfterClose, int16_t(-1));
    if (index >= 0)
        mainWindow().FavoDirList.setListIndex(index);
}

void RenameDirForm::Command_Save_Click()
{
    const FavoritesEntry entry{Text_NewFavoName.Text(), Text_NewFavoPath.Text(), Text_NewFileFilter.Text()};
    if (!AcceptStorableFavorite(m_module, entry))
        return;

    MainWindowParts& main = mainWindow();
    const int16_t i = FavoIndex;
    main.Favorites.replace(i, entry);
    m_module.FavoListChanged = true;
    main.Menu_UndoChanges.setEnabled(true);
    main.Menu_SaveFavoFile.setEnabled(true);
    m_selectAfterClose = i;
    Unload();
}

void RenameDirForm::Command_Cancel_Click()
{
    Unload();
}

bool RenameDirForm::saveAllowed() const
{
    return !Text_NewFavoName.Text().isEmpty() && !Text_NewFavoPath.Text().isEmpty();
}

void RenameDirForm::updateSave()
{
    Command_Save.setEnabled(saveAllowed());
}

void RenameDirForm::Text_NewFavoName_Change()
{
    updateSave();
}

void RenameDirForm::Text_NewFavoPath_Change()
{
    updateSave();
}

void RenameDirForm::Text_NewFileFilter_Change()
{
    updateSave();
}

void RenameDirForm::Text_NewFavoName_DblClick()
{
    Text_NewFavoName.setText(QString());
}

void RenameDirForm::Text_NewFavoPath_DblClick()
{
    Text_NewFavoPath.setText(QString());
}

void RenameDirForm::Text_NewFileFilter_DblClick()
{
    Text_NewFileFilter.setText(QString());
}

void RenameDirForm::keyPress(int16_t KeyAscii)
{
    // Enter saves even the unchanged values, which the button waits for an edit to offer, but
    // never what Save itself would refuse.
    if (KeyAscii == KeyCode::Enter && saveAllowed())
        Command_Save_Click();
    else if (KeyAscii == KeyCode::Escape)
        Unload();
}

void RenameDirForm::Text_NewFavoName_KeyPress(int16_t& KeyAscii)
{
    keyPress(KeyAscii);
}

void RenameDirForm::Text_NewFavoPath_KeyPress(int16_t& KeyAscii)
{
    keyPress(KeyAscii);
}

void RenameDirForm::Text_NewFileFilter_KeyPress(int16_t& KeyAscii)
{
    keyPress(KeyAscii);
}

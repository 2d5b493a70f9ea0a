#pragma once
// The dialog that edits the selected favorite in place: name, path and filter, or only the
// filter, taken from the main window's filter box.

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/textbox.h"

#include <cstdint>

struct MainWindowParts;
class Module1;

/// Module1::EditFilterOnly, read at load, chooses the mode. With no favorite selected the dialog
/// unloads itself at load and never shows.
class RenameDirForm : public Form
{
    Q_OBJECT

public:
    explicit RenameDirForm(Module1& module);

    /// Client area in twips; Width and Height of the form add the window frame.
    static constexpr int ClientWidth = 5400;
    static constexpr int ClientHeight = 3315;

    Label Label1;
    /// Display fields: the entry as it is now.
    Label Label_FavoName;
    Label Label2;
    TextBox Text_NewFavoName;
    Label Label3;
    Label Label_FavoPath;
    Label Label4;
    TextBox Text_NewFavoPath;
    Label Label5;
    Label Label_FileFilter;
    Label Label6;
    TextBox Text_NewFileFilter;
    CommandButton Command_Save;
    CommandButton Command_Cancel;

    /// Index of the edited entry in the three favorites lists, taken at load.
    int16_t FavoIndex = -1;

    /// Shows the dialog; once it has closed after Save, selects the edited entry again, so the
    /// main window opens its folder with its filter and any message appears over the main window.
    void ShowModal() override;

    void Command_Save_Click();
    void Command_Cancel_Click();
    void Text_NewFavoName_Change();
    void Text_NewFavoPath_Change();
    void Text_NewFileFilter_Change();
    void Text_NewFavoName_DblClick();
    void Text_NewFavoPath_DblClick();
    void Text_NewFileFilter_DblClick();
    void Text_NewFavoName_KeyPress(int16_t& KeyAscii);
    void Text_NewFavoPath_KeyPress(int16_t& KeyAscii);
    void Text_NewFileFilter_KeyPress(int16_t& KeyAscii);

protected:
    void Form_Load() override;

private:
    void restoreDesignState();
    bool saveAllowed() const;
    void updateSave();
    void keyPress(int16_t KeyAscii);
    MainWindowParts& mainWindow() const;

    Module1& m_module;
    /// The entry to select once the dialog has closed; -1 when Save did not run.
    int16_t m_selectAfterClose = -1;
};

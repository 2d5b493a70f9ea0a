#pragma once
// The dialog for the file selected in the main window's file pane: copy its full path to the
// clipboard, or make its name (as edited) the main window's filter.

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/textbox.h"

#include <cstdint>

struct MainWindowParts;
class Module1;

/// With no file selected the dialog unloads itself at load and never shows.
class AddFilterForm : public Form
{
    Q_OBJECT

public:
    explicit AddFilterForm(Module1& module);

    /// Client area in twips; Width and Height of the form add the window frame.
    static constexpr int ClientWidth = 5670;
    static constexpr int ClientHeight = 1410;

    Label Label1;
    /// Display field: the selected file's name.
    Label Label_FileName;
    Label Label2;
    TextBox Text_NewFilterName;
    CommandButton Command_CopyPath;
    CommandButton Command_Save;
    CommandButton Command_Cancel;

    void Command_CopyPath_Click();
    void Command_Save_Click();
    void Command_Cancel_Click();
    void Text_NewFilterName_Change();
    void Text_NewFilterName_DblClick();
    void Text_NewFilterName_KeyPress(int16_t& KeyAscii);

protected:
    void Form_Load() override;
    /// Warns once per opening when a filter is active; Cancel closes the dialog.
    void Form_Activate() override;

private:
    void restoreDesignState();
    MainWindowParts& mainWindow() const;

    Module1& m_module;
    /// The window becomes active again after the warning closes; it must not warn twice.
    bool m_activated = false;
};

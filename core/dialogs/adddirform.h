#pragma once
// The dialog that adds a folder of the main window's folder pane as a new favorite, with a
// proposed name and the main window's current filter.

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/textbox.h"

#include <cstdint>

struct MainWindowParts;
class Module1;

class AddDirForm : public Form
{
    Q_OBJECT

public:
    explicit AddDirForm(Module1& module);

    /// Client area in twips; Width and Height of the form add the window frame.
    static constexpr int ClientWidth = 7050;
    static constexpr int ClientHeight = 1860;

    Label Label1;
    /// Display field: the folder that Save stores.
    Label Label_Path;
    Label Label2;
    TextBox Text_FavoName;
    Label Label3;
    TextBox Text_FileFilter;
    CommandButton Command_Save;
    CommandButton Command_Cancel;

    /// The last component of a folder path; the root "/" keeps its own name.
    static QString ProposedName(const QString& folder);

    void Command_Save_Click();
    void Command_Cancel_Click();
    void Text_FavoName_Change();
    void Text_FavoName_DblClick();
    void Text_FavoName_KeyPress(int16_t& KeyAscii);
    void Text_FileFilter_DblClick();
    void Text_FileFilter_KeyPress(int16_t& KeyAscii);

protected:
    void Form_Load() override;

private:
    void restoreDesignState();
    MainWindowParts& mainWindow() const;

    Module1& m_module;
};

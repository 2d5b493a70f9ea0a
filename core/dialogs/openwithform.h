#pragma once
// "Open With…": when the desktop's opener could not open a file or web address, the programs
// whose desktop entries declare its MIME type, then every other program of the desktop's menus
// that takes a file or an address, with their icons, a box that narrows the list by name, and a
// field for any other command. The chosen program is started with an argument list, never
// through a shell.

#include "core/system/desktopentries.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/listbox.h"
#include "core/toolkit/textbox.h"

#include <vector>

class Module1;

class OpenWithForm : public Form
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 6000;
    static constexpr int ClientHeight = 4470;

    OpenWithForm(Module1& module, QString target);

    /// Tells that the desktop could not open `target` and, when the user wants it, shows the
    /// dialog. The opener's verdict arrives later, so this only needs the module.
    static void OfferFor(Module1& module, const QString& target);

    /// The MIME types to look for, the most exact first: a file's type (by name and content)
    /// and the types it derives from; a URL's scheme handler, and HTML for a web page.
    static QStringList MimeTypesOf(const QString& target);

    Label Label_Prompt;
    TextBox Text_Search;
    ListBox List_Programs;
    Label Label_Command;
    TextBox Text_Command;
    CommandButton Command_Open;
    CommandButton Command_Cancel;

    void Text_Search_Change();
    void List_Programs_Click();
    void List_Programs_DblClick();
    void Text_Command_Change();
    void Text_Command_KeyPress(int16_t& KeyAscii);
    void Command_Open_Click();
    void Command_Cancel_Click();

protected:
    void Form_Load() override;

private:
    Module1& m_module;
    QString m_target;
    /// The programs for the target's type first, then the others.
    std::vector<DesktopEntries::Entry> m_programs;
    /// The programs the list shows, as indexes into m_programs.
    std::vector<size_t> m_shown;
};

#pragma once
// The small dialog that asks for one name, such as that of a new folder, with a proposal whose
// part before any extension is selected.

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/textbox.h"

#include <optional>

class Module1;

class NameForm : public Form
{
    Q_OBJECT

public:
    explicit NameForm(Module1& module);

    static constexpr int ClientWidth = 5400;
    static constexpr int ClientHeight = 1320;

    Label Label_Prompt;
    TextBox Text_Name;
    CommandButton Command_OK;
    CommandButton Command_Cancel;

    /// Shows the dialog with `proposal`; the name typed, or nothing when cancelled.
    std::optional<QString> Ask(const QString& title, const QString& prompt, const QString& proposal);

    void Command_OK_Click();
    void Command_Cancel_Click();

private:
    Module1& m_module;
    bool m_accepted = false;
};

/// How many characters of a file name a rename selects: the name before its extension, or all
/// of it when there is none (or the name only starts with a dot).
int NameStemLength(const QString& name);

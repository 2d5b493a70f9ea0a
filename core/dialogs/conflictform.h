#pragma once
// The question asked when a pasted or dropped file's name is taken in the target folder:
// Replace, Skip or Keep Both, for this name or for all the others too; Cancel stops it all.

#include "core/system/filecopy.h"
#include "core/toolkit/checklist.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"

#include <optional>

class Module1;

class ConflictForm : public Form
{
    Q_OBJECT

public:
    explicit ConflictForm(Module1& module);

    static constexpr int ClientWidth = 6600;
    static constexpr int ClientHeight = 1980;

    Label Label_Prompt;
    /// One entry, shown only when other names are taken too: its check applies the answer to all.
    CheckList List_ApplyToAll;
    CommandButton Command_Replace;
    CommandButton Command_Skip;
    CommandButton Command_KeepBoth;
    CommandButton Command_Cancel;

    struct Choice
    {
        FileCopy::Answer answer = FileCopy::Answer::KeepBoth;
        bool toAll = false;
    };
    /// Asks about `name` (a folder when `folder`) in `target`, with `others` taken names still to
    /// come; nothing when the user cancelled.
    std::optional<Choice> Ask(const QString& name, bool folder, const QString& target, int others);

    void Command_Click(FileCopy::Answer answer);
    void Command_Cancel_Click();

private:
    Module1& m_module;
    std::optional<Choice> m_choice;
};

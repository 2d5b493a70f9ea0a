// The taken-name question: three answers, one check box for the rest, and Cancel.
#include "core/dialogs/conflictform.h"

#include "core/dialogs/conflictformtexts.h"
#include "core/dialogs/module1.h"
#include "core/system/filename.h"
#include "core/system/host.h"

ConflictForm::ConflictForm(Module1& module)
    : Form(module.host(), QStringLiteral("ConflictForm")), Label_Prompt(*this, controlName("Label_Prompt")),
      List_ApplyToAll(*this, controlName("List_ApplyToAll")),
      Command_Replace(*this, controlName("Command_Replace")),
      Command_Skip(*this, controlName("Command_Skip")),
      Command_KeepBoth(*this, controlName("Command_KeepBoth")),
      Command_Cancel(*this, controlName("Command_Cancel")), m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);
    Label_Prompt.Move(180, 120, 6240, 735);
    Label_Prompt.setTabIndex(5);
    List_ApplyToAll.Move(180, 960, 6240, 315);
    List_ApplyToAll.setTabIndex(4);
    const std::pair<CommandButton*, FileCopy::Answer> answers[] = {
        {&Command_Replace, FileCopy::Answer::Replace},
        {&Command_Skip, FileCopy::Answer::Skip},
        {&Command_KeepBoth, FileCopy::Answer::KeepBoth},
    };
    int left = 180;
    int16_t tab = 0;
    for (const auto& [button, answer] : answers) {
        button->Move(left, 1500, 1500, 315);
        button->setTabIndex(tab++);
        button->Click = [this, answer = answer] { Command_Click(answer); };
        left += 1580;
    }
    Command_KeepBoth.setDefault(true);
    Command_Cancel.Move(4920, 1500, 1500, 315);
    Command_Cancel.setTabIndex(3);
    Command_Cancel.setCancel(true);
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
}

std::optional<ConflictForm::Choice> ConflictForm::Ask(const QString& name, bool folder, const QString& target,
                                                      int others)
{
    namespace T = ConflictFormText;
    const bool sv = m_module.SwedishLanguage;
    setCaption(T::Title.text(sv));
    Label_Prompt.setCaption(T::Prompt1.text(sv) + FileNameForDisplay(name) + T::FilePrompt2.text(sv) +
                            FileNameForDisplay(target) +
                            (folder ? T::FolderPrompt3 : T::FilePrompt3).text(sv));
    for (const auto& [button, text] : {std::pair{&Command_Replace, &T::Replace},
                                       {&Command_Skip, &T::Skip},
                                       {&Command_KeepBoth, &T::KeepBoth},
                                       {&Command_Cancel, &T::Cancel}})
        button->setCaption(text->text(sv));
    List_ApplyToAll.Clear();
    if (others > 0)
        List_ApplyToAll.AddItem(T::ApplyToAll1.text(sv) + QString::number(others) + T::ApplyToAll2.text(sv),
                                false);
    List_ApplyToAll.setVisible(others > 0);
    m_choice.reset();
    Load();
    Command_KeepBoth.SetFocus();
    host().ShowModal(*this);
    if (IsLoaded())
        Unload();
    return m_choice;
}

void ConflictForm::Command_Click(FileCopy::Answer answer)
{
    m_choice = Choice{answer, List_ApplyToAll.ListCount() > 0 && List_ApplyToAll.Checked(0)};
    Unload();
}

void ConflictForm::Command_Cancel_Click()
{
    Unload();
}

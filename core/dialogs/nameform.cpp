// The name dialog: a prompt, one box and two buttons; the caller checks the name.
#include "core/dialogs/nameform.h"

#include "core/dialogs/module1.h"
#include "core/dialogs/nameformtexts.h"
#include "core/system/host.h"

NameForm::NameForm(Module1& module)
    : Form(module.host(), QStringLiteral("NameForm")), Label_Prompt(*this, controlName("Label_Prompt")),
      Text_Name(*this, controlName("Text_Name")), Command_OK(*this, controlName("Command_OK")),
      Command_Cancel(*this, controlName("Command_Cancel")), m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);
    Label_Prompt.Move(180, 120, 5040, 255);
    Label_Prompt.setTabIndex(3);
    Text_Name.Move(180, 420, 5040, 315);
    Text_Name.setTabIndex(0);
    Command_OK.Move(2280, 870, 1380, 315);
    Command_OK.setTabIndex(1);
    Command_OK.setDefault(true);
    Command_Cancel.Move(3840, 870, 1380, 315);
    Command_Cancel.setTabIndex(2);
    Command_Cancel.setCancel(true);
    Command_OK.Click = [this] { Command_OK_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
}

std::optional<QString> NameForm::Ask(const QString& title, const QString& prompt, const QString& proposal)
{
    const bool sv = m_module.SwedishLanguage;
    setCaption(title);
    Label_Prompt.setCaption(prompt);
    Command_OK.setCaption(NameFormText::OK.text(sv));
    Command_Cancel.setCaption(NameFormText::Cancel.text(sv));
    Text_Name.setText(proposal);
    Text_Name.setSelLength(-1);
    Text_Name.setSelLength(NameStemLength(proposal));
    m_accepted = false;
    Load();
    Text_Name.SetFocus();
    host().ShowModal(*this);
    if (IsLoaded())
        Unload();
    return m_accepted ? std::optional<QString>(Text_Name.Text()) : std::nullopt;
}

void NameForm::Command_OK_Click()
{
    m_accepted = true;
    Unload();
}

void NameForm::Command_Cancel_Click()
{
    Unload();
}

int NameStemLength(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return int(dot > 0 ? dot : name.size());
}

// The "Open With…" dialog: the programs that declare the file's MIME type, and starting the chosen command.
#include "core/dialogs/openwithform.h"

#include "core/dialogs/module1.h"
#include "core/dialogs/openwithtexts.h"
#include "core/system/host.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

namespace {

QString displayName(const QString& target)
{
    return target.startsWith(QLatin1Char('/')) ? QFileInfo(target).fileName() : target;
}

} // namespace

OpenWithForm::OpenWithForm(Module1& module, QString target)
    : Form(module.host(), QStringLiteral("OpenWithForm")),
      Label_Prompt(*this, QStringLiteral("Label_Prompt")),
      List_Programs(*this, QStringLiteral("List_Programs")),
      Label_Command(*this, QStringLiteral("Label_Command")),
      Text_Command(*this, QStringLiteral("Text_Command")),
      Command_Open(*this, QStringLiteral("Command_Open")),
      Command_Cancel(*this, QStringLiteral("Command_Cancel")), m_module(module), m_target(std::move(target))
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);
    Label_Prompt.Move(120, 120, 5760, 195);
    Label_Prompt.setTabIndex(4);
    List_Programs.Move(120, 390, 5760, 2400);
    List_Programs.setTabIndex(0);
    Label_Command.Move(120, 2910, 5760, 195);
    Label_Command.setTabIndex(5);
    Text_Command.Move(120, 3150, 5760, 315);
    Text_Command.setTabIndex(1);
    Command_Open.Move(3030, 3600, 1365, 315);
    Command_Open.setTabIndex(2);
    Command_Open.setDefault(true);
    Command_Cancel.Move(4515, 3600, 1365, 315);
    Command_Cancel.setTabIndex(3);
    Command_Cancel.setCancel(true);

    List_Programs.Click = [this] { List_Programs_Click(); };
    List_Programs.DblClick = [this] { List_Programs_DblClick(); };
    Text_Command.Change = [this] { Text_Command_Change(); };
    Text_Command.KeyPress = [this](int16_t& keyAscii) { Text_Command_KeyPress(keyAscii); };
    Command_Open.Click = [this] { Command_Open_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
}

void OpenWithForm::OfferFor(Module1& module, const QString& target)
{
    const bool sv = module.SwedishLanguage;
    const int16_t answer = module.ShowMessBox(OpenWithText::Failed1.text(sv) + displayName(target) +
                                                  OpenWithText::Failed2.text(sv),
                                              MsgStyle::YesNo, OpenWithText::FailedTitle.text(sv));
    if (answer != MsgAnswer::Yes)
        return;
    OpenWithForm form(module, target);
    form.ShowModal();
}

QStringList OpenWithForm::MimeTypesOf(const QString& target)
{
    if (!target.startsWith(QLatin1Char('/'))) {
        const QString scheme = QUrl(target).scheme().toLower();
        QStringList types{QStringLiteral("x-scheme-handler/") + scheme};
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
            types << QStringLiteral("text/html");
        return types;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(target);
    return QStringList{type.name()} + type.allAncestors();
}

void OpenWithForm::Form_Load()
{
    namespace T = OpenWithText;
    const bool sv = m_module.SwedishLanguage;
    setCaption(T::Caption.text(sv));
    Label_Command.setCaption(T::CommandLabel.text(sv));
    Command_Open.setCaption(T::Open.text(sv));
    Command_Cancel.setCaption(T::Cancel.text(sv));

    m_programs = DesktopEntries::ApplicationsFor(MimeTypesOf(m_target), sv);
    List_Programs.Clear();
    for (const DesktopEntries::Entry& entry : m_programs)
        List_Programs.AddItem(entry.name);
    Label_Prompt.setCaption((m_programs.empty() ? T::NoPrograms : T::Prompt).text(sv) + QLatin1Char('"') +
                            displayName(m_target) + QStringLiteral("\":"));
    Text_Command.setText(QString());
    Command_Open.setEnabled(false);
    if (m_programs.empty())
        Text_Command.SetFocus();
    else
        List_Programs.SetFocus();
}

void OpenWithForm::List_Programs_Click()
{
    const int16_t index = List_Programs.ListIndex();
    if (index >= 0 && size_t(index) < m_programs.size())
        Text_Command.setText(m_programs[size_t(index)].exec);
}

void OpenWithForm::List_Programs_DblClick()
{
    if (List_Programs.ListIndex() >= 0)
        Command_Open_Click();
}

void OpenWithForm::Text_Command_Change()
{
    Command_Open.setEnabled(!Text_Command.Text().trimmed().isEmpty());
}

void OpenWithForm::Text_Command_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii != KeyCode::Enter)
        return;
    KeyAscii = 0;
    if (Command_Open.Enabled())
        Command_Open_Click();
}

void OpenWithForm::Command_Open_Click()
{
    namespace T = OpenWithText;
    const QString typed = Text_Command.Text().trimmed();
    if (typed.isEmpty())
        return;
    const bool sv = m_module.SwedishLanguage;
    const DesktopEntries::Command command = DesktopEntries::FromExecLine(typed, m_target);
    const QString program = typed.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    if (command.unsafe) {
        m_module.ShowMessBox(T::Unsafe.text(sv), MsgStyle::OKOnly, T::ErrorTitle.text(sv));
        return;
    }
    if (command.program.isEmpty()) {
        m_module.ShowMessBox(T::NotFound1.text(sv) + program + T::NotFound2.text(sv), MsgStyle::OKOnly,
                             T::ErrorTitle.text(sv));
        return;
    }
    if (!host().StartProcess(command.program, command.arguments)) {
        m_module.ShowMessBox(T::NotStarted1.text(sv) + command.program + T::NotStarted2.text(sv),
                             MsgStyle::OKOnly, T::ErrorTitle.text(sv));
        return;
    }
    Unload();
}

void OpenWithForm::Command_Cancel_Click()
{
    Unload();
}

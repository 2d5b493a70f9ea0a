// The "Open With…" dialog: the programs for the file's type, the others that take files, a search
// over them, and starting the chosen command.
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
      Label_Prompt(*this, QStringLiteral("Label_Prompt")), Text_Search(*this, QStringLiteral("Text_Search")),
      List_Programs(*this, QStringLiteral("List_Programs")),
      Label_Command(*this, QStringLiteral("Label_Command")),
      Text_Command(*this, QStringLiteral("Text_Command")),
      Command_Open(*this, QStringLiteral("Command_Open")),
      Command_Cancel(*this, QStringLiteral("Command_Cancel")), m_module(module), m_target(std::move(target))
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);
    Label_Prompt.Move(120, 120, 5760, 195);
    Label_Prompt.setTabIndex(5);
    Text_Search.Move(120, 390, 5760, 315);
    Text_Search.setTabIndex(0);
    List_Programs.Move(120, 825, 5760, 2400);
    List_Programs.setTabIndex(1);
    Label_Command.Move(120, 3345, 5760, 195);
    Label_Command.setTabIndex(6);
    Text_Command.Move(120, 3585, 5760, 315);
    Text_Command.setTabIndex(2);
    Command_Open.Move(3030, 4035, 1365, 315);
    Command_Open.setTabIndex(3);
    Command_Open.setDefault(true);
    Command_Cancel.Move(4515, 4035, 1365, 315);
    Command_Cancel.setTabIndex(4);
    Command_Cancel.setCancel(true);

    Text_Search.Change = [this] { Text_Search_Change(); };
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
    const bool recommended = !m_programs.empty();
    QStringList ids;
    for (const DesktopEntries::Entry& entry : m_programs)
        ids << entry.id;
    // A web address needs a program that takes one; a file can go to either kind.
    const auto takes =
        m_target.startsWith(u'/') ? DesktopEntries::Takes::Files : DesktopEntries::Takes::Addresses;
    for (DesktopEntries::Entry& entry : DesktopEntries::ApplicationsTaking(takes, ids, sv))
        m_programs.push_back(std::move(entry));
    Label_Prompt.setCaption((recommended ? T::Prompt : T::NoPrograms).text(sv) + QLatin1Char('"') +
                            displayName(m_target) +
                            (recommended ? QStringLiteral("\":") : T::NoProgramsEnd.text(sv)));
    Text_Command.setText(QString());
    Command_Open.setEnabled(false);
    Text_Search.setText(QString());
    Text_Search_Change();
    if (m_programs.empty())
        Text_Command.SetFocus();
    else
        Text_Search.SetFocus();
}

void OpenWithForm::Text_Search_Change()
{
    const QString wanted = Text_Search.Text().trimmed();
    m_shown.clear();
    List_Programs.Clear();
    for (size_t i = 0; i < m_programs.size(); ++i) {
        const DesktopEntries::Entry& entry = m_programs[i];
        if (!entry.name.contains(wanted, Qt::CaseInsensitive))
            continue;
        m_shown.push_back(i);
        List_Programs.AddItem(entry.name);
        List_Programs.setItemIcon(int16_t(List_Programs.ListCount() - 1), entry.icon);
    }
}

void OpenWithForm::List_Programs_Click()
{
    const int16_t index = List_Programs.ListIndex();
    if (index >= 0 && size_t(index) < m_shown.size())
        Text_Command.setText(m_programs[m_shown[size_t(index)]].exec);
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

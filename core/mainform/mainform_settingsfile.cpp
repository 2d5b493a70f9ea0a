// The settings file's troubles told to the user, and the end of the session: the same saving as
// Exit when the desktop or a signal ends the program.

#include "core/mainform/mainform.h"

#include "core/dialogs/module1.h"
#include "core/mainform/settingsfiletexts.h"
#include "core/system/host.h"

namespace {

QString whyText(const SettingsFileProblem& problem, bool sv)
{
    namespace T = SettingsFileText;
    switch (problem.kind) {
    case SettingsFileProblem::NotRegularFile:
        return T::NotRegularFile.text(sv);
    case SettingsFileProblem::TooLarge:
        return T::TooLarge1.text(sv) + QString::number(SettingsFile::MaxBytes) + T::TooLarge2.text(sv);
    case SettingsFileProblem::None:
    case SettingsFileProblem::ReadFailed:
    case SettingsFileProblem::WriteFailed:
        break;
    }
    return problem.reason;
}

} // namespace

void MainForm::reportSettingsProblem(const SettingsFileProblem& problem, bool saving)
{
    namespace T = SettingsFileText;
    if (problem.kind == SettingsFileProblem::None)
        return;
    const bool sv = m_module.SwedishLanguage;
    const QString prompt =
        saving ? T::NotSaved1.text(sv) + problem.path + T::NotSaved2.text(sv) + whyText(problem, sv)
               : T::NotRead1.text(sv) + problem.path + T::NotRead2.text(sv) + whyText(problem, sv) +
                     T::NotRead3.text(sv);
    m_module.ShowMessBox(prompt, MsgStyle::OKOnly, T::Title.text(sv));
}

void MainForm::saveSetting(const QString& key, const QString& value)
{
    host().SaveSetting(key, value);
    const SettingsFileProblem problem = host().SettingsProblem();
    if (problem.kind != SettingsFileProblem::None && m_settingsSaveProblem.kind == SettingsFileProblem::None)
        m_settingsSaveProblem = problem;
}

void MainForm::SessionEnd()
{
    m_sessionEnding = true;
    Unload();
}

#pragma once
// The application-wide variables and the one instance of each window, created on first use.

#include <QString>
#include <cstdint>
#include <memory>

class AboutForm;
class AddDirForm;
class AddFilterForm;
class ChangeDriveForm;
class Host;
class Form;
class MainForm;
class MessBox;
struct MainWindowParts;
class RenameDirForm;

/// Answers of ShowMessBox.
namespace MsgAnswer {
constexpr int16_t OK = 1;
constexpr int16_t Cancel = 2;
constexpr int16_t Abort = 3;
constexpr int16_t Retry = 4;
constexpr int16_t Ignore = 5;
constexpr int16_t Yes = 6;
constexpr int16_t No = 7;
} // namespace MsgAnswer

/// Button sets of the ShowMessBox style code.
namespace MsgStyle {
constexpr int16_t OKOnly = 0;
constexpr int16_t OKCancel = 1;
constexpr int16_t AbortRetryIgnore = 2;
constexpr int16_t YesNoCancel = 3;
constexpr int16_t YesNo = 4;
constexpr int16_t RetryCancel = 5;
} // namespace MsgStyle

class Module1
{
public:
    explicit Module1(Host& host);
    ~Module1();
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    Host& host() const { return m_host; }

    /// The program's name, in the title of its windows.
    static constexpr QStringView AppTitle = u"Wayfolder";

    bool FavoListChanged = false;
    bool SwedishLanguage = false;
    bool EditFilterOnly = false;
    QString CaptionSuffixEnglish;
    QString CaptionSuffixSwedish;
    QString AppVersion;

    QString MessPrompt;
    int16_t MessButtons = 0;
    QString MessTitle;
    int16_t MessAnswer = 0;

    /// The one way a message is shown: the program's own box, labelled in the current language.
    int16_t ShowMessBox(const QString& prompt, int16_t style, const QString& title);

    /// The main window, made on first use; defined with it, in core/mainform/.
    MainForm& mainForm();
    /// What the dialogs may see of the main window.
    MainWindowParts& mainWindow();
    MessBox& messBox();
    AddDirForm& addDirForm();
    RenameDirForm& renameDirForm();
    AddFilterForm& addFilterForm();
    AboutForm& aboutForm();
    ChangeDriveForm& changeDriveForm();

private:
    Host& m_host;
    // Held by its base so that the dialogs' room needs no definition of the main window.
    std::unique_ptr<Form> m_mainForm;
    std::unique_ptr<MessBox> m_messBox;
    std::unique_ptr<AddDirForm> m_addDirForm;
    std::unique_ptr<RenameDirForm> m_renameDirForm;
    std::unique_ptr<AddFilterForm> m_addFilterForm;
    std::unique_ptr<AboutForm> m_aboutForm;
    std::unique_ptr<ChangeDriveForm> m_changeDriveForm;
};

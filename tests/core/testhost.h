#pragma once
// The scripted host: real settings file and folders under the test's temporary XDG tree;
// modal forms, message boxes, outside programs and the clipboard answered by the test's script.

#include "platform/host.h"
#include "platform/settingsfile.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class MessBox;

class TestHost : public Host
{
public:
    TestHost();

    // What the program did, for assertions.
    struct Message
    {
        QString title;
        QString prompt;
        int16_t style = 0;
        QString answer; // caption of the button the script pressed
    };
    std::vector<Message> messages;
    std::vector<std::pair<QString, QString>> settingWrites;
    std::vector<std::pair<QString, QStringList>> startedProcesses;
    std::vector<QString> shellOpened;
    /// What the scripted web serves: URL to file content. A URL missing here fails as a server
    /// without the file would; one mapped to nothing reports success without writing a file.
    std::map<QString, std::optional<QByteArray>> web;
    std::vector<QString> downloads;
    QString clipboard;
    std::vector<QString> popups;
    int enterKeys = 0;

    /// A modal form is answered by the next script registered for its name; an unexpected form
    /// fails the test, and so does a form still loaded after its script ran.
    using Script = std::function<void(Form&)>;
    void onModal(const QString& formName, Script script);
    /// Answers the next message box by pressing the button with this caption.
    void answer(const QString& caption);
    /// Answers the next message box with the window system's close control.
    void answerByClosing();
    bool scriptsDone() const { return m_scripts.empty(); }

    /// Metrics of the auto-sized label: every character this wide, lines this high (twips).
    int charWidth = 90;
    int lineHeight = 195;
    bool processesStart = true;

    QString GetSetting(const QString& key, const QString& defaultValue) override;
    void SaveSetting(const QString& key, const QString& value) override;
    SettingsFileProblem SettingsProblem() override { return m_settings.Problem(); }
    QString DataFolder() override;
    QString CacheFolder() override;
    QString HomeFolder() override;
    bool StartProcess(const QString& program, const QStringList& arguments) override;
    bool ShellOpen(const QString& target) override;
    int Download(const QString& url, const QString& localPath) override;
    void ClipboardSetText(const QString& text) override;
    void ShowModal(Form& form) override;
    void PopupMenu(Form& form, MenuItem& menu) override;
    int ScreenWidth() override { return 1920 * 15; }
    int ScreenHeight() override { return 1080 * 15; }
    QSize MeasureText(const QString& text) override;
    void SendEnter() override;
    void DoEvents() override {}

private:
    SettingsFile m_settings;
    std::deque<std::pair<QString, Script>> m_scripts;
    Form* m_modalForm = nullptr;
};

#pragma once
// The scripted host: real settings file and folders under the test's temporary XDG tree;
// modal forms, message boxes, outside programs and the clipboard answered by the test's script.

#include "core/system/desktopfolders.h"
#include "core/system/host.h"
#include "core/system/settingsfile.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class MessBox;

/// Workers for tests, without threads: every job runs at once on the test's thread, except the
/// jobs on a folder the test holds, which wait, like a share that does not answer, until the
/// test releases them. Their news wait for deliver().
class TestWorkers : public Workers
{
public:
    TestWorkers();
    /// Jobs on this folder or below it wait from now on.
    void hold(const QString& folder);
    /// Runs the waiting jobs on the folder, then delivers all news.
    void release(const QString& folder);
    /// Runs the news posted so far, in order.
    void deliver();
    /// Jobs started so far, by key.
    std::map<QString, int> started;
    bool wait(WorkerJob& job, int) override { return job.ended(); }

protected:
    void launch(std::shared_ptr<WorkerJob> job) override;

private:
    bool held(const QString& key) const;
    QStringList m_held;
    std::vector<std::shared_ptr<WorkerJob>> m_waiting;
    std::vector<std::function<void()>> m_news;
};

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

    QString GetSetting(const QString& key, const QString& defaultValue) override
    {
        return m_settings.Get(key, defaultValue);
    }
    void SaveSetting(const QString& key, const QString& value) override;
    SettingsFileProblem SettingsProblem() override { return m_settings.Problem(); }
    QString DataFolder() override { return DesktopFolders::Data(); }
    QString CacheFolder() override { return DesktopFolders::Cache(); }
    QString HomeFolder() override { return DesktopFolders::Home(); }
    bool StartProcess(const QString& program, const QStringList& arguments) override;
    bool ShellOpen(const QString& target) override;
    int Download(const QString& url, const QString& localPath) override;
    QString DownloadWriteError() override { return m_downloadWriteError; }
    void ClipboardSetText(const QString& text) override { clipboard = text; }
    void ClipboardSetData(const std::vector<std::pair<QString, QByteArray>>& formats) override
    {
        clipboardData = formats;
    }
    std::vector<std::pair<QString, QByteArray>> clipboardData;
    QByteArray ClipboardData(const QString& type) override
    {
        for (const auto& [held, bytes] : clipboardData)
            if (held == type)
                return bytes;
        return {};
    }
    void ClipboardClear() override { clipboardData.clear(); }
    void ShowModal(Form& form) override;
    void PopupMenu(Form& form, MenuItem& menu) override;
    int ScreenWidth() override { return 1920 * 15; }
    int ScreenHeight() override { return 1080 * 15; }
    /// The screens' usable areas; one full-HD screen unless a test sets others.
    std::vector<QRect> screens{QRect(0, 0, 1920 * 15, 1080 * 15)};
    std::vector<QRect> ScreenAreas() override { return screens; }
    QSize MeasureText(const QString& text) override;
    void SendEnter() override;
    void DoEvents() override {}
    TestWorkers testWorkers;
    Workers& workers() override { return testWorkers; }
    void WatchFile(const QString& path, std::function<void()> changed) override;

    /// The watched files and what a change of each calls.
    std::map<QString, std::function<void()>> watches;
    /// Tells the program, as the real watcher would, that the file at `path` changed.
    void fileChanged(const QString& path);

    /// The scripted environment; a name missing here is not set.
    std::map<QString, QString> environment;
    QString Environment(const QString& name) override;

    /// The folders watched now, and a change the watcher would report for one of them.
    QStringList watched;
    void WatchFolders(const QStringList& folders, std::function<void(const QString&)> changed) override;
    void folderChanged(const QString& folder);

    /// Timers wait for the test: runTimers runs every one due by then, as the event loop would.
    struct Timer
    {
        int milliseconds = 0;
        std::function<void()> callback;
    };
    std::vector<Timer> timers;
    void StartTimer(int milliseconds, std::function<void()> callback) override;
    /// Runs the timers started so far (and none they start); returns how many ran.
    int runTimers();

    /// Opens whose verdict the test gives with finishOpen (ShellOpenChecked); opens also land
    /// in shellOpened.
    std::vector<std::function<void()>> pendingOpenFailures;
    void ShellOpenChecked(const QString& target, std::function<void()> failed) override;
    /// The oldest pending open fails (or succeeds) now.
    void finishOpen(bool ok);

    /// Folder checks wait for the test, which answers them with answerChecks.
    struct FolderCheck
    {
        QStringList folders;
        int timeout = 0;
        std::function<void(const std::vector<FolderState>&)> done;
    };
    std::vector<FolderCheck> folderChecks;
    void CheckFolders(const QStringList& folders, int timeoutMilliseconds,
                      std::function<void(const std::vector<FolderState>&)> done) override;
    /// Answers check `index` from the real disk, except the folders named in `noAnswer`.
    void answerCheck(size_t index, const QStringList& noAnswer = {});

private:
    SettingsFile m_settings;
    std::deque<std::pair<QString, Script>> m_scripts;
    Form* m_modalForm = nullptr;
    QString m_downloadWriteError;
    std::function<void(const QString&)> m_watchChanged;
};

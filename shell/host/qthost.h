#pragma once
// The real Host: the settings file and XDG folders of the desktop, programs started without a
// shell, the system clipboard, modal forms as Qt dialogs, pop-up menus, screen and font metrics.

#include "core/system/host.h"
#include "core/system/settingsfile.h"
#include "shell/host/desktopfollower.h"
#include "shell/host/downloader.h"
#include "shell/host/filewatcher.h"
#include "shell/host/threadworkers.h"
#include "shell/widgets/twips.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

class FormDialog;
class QWidget;

class QtHost : public Host
{
public:
    /// Builds the dialog that shows a form; the host owns it until the form has unloaded.
    using ViewFactory = std::function<FormDialog*(Form& form, const TwipsScale& scale, QWidget* parent)>;

    /// Needs a QApplication; the twips scale is taken from its screen and font now.
    QtHost();
    ~QtHost() override;

    /// The view of the forms of this name; a form without one gets a dialog of its controls.
    void registerView(const QString& formName, ViewFactory factory);

    const TwipsScale& scale() const { return m_scale; }
    /// Where the dialogs learn the program's language for their tooltips; English without one.
    void setSwedishLanguage(std::function<bool()> swedish) { m_swedish = std::move(swedish); }
    /// The download client behind Download: its time limit and size cap.
    Downloader& downloader() { return m_downloader; }

    QString GetSetting(const QString& key, const QString& defaultValue) override;
    void SaveSetting(const QString& key, const QString& value) override;
    SettingsFileProblem SettingsProblem() override { return m_settings.Problem(); }
    QString DataFolder() override;
    QString CacheFolder() override;
    QString HomeFolder() override;
    bool StartProcess(const QString& program, const QStringList& arguments) override;
    bool ShellOpen(const QString& target) override;
    int Download(const QString& url, const QString& localPath) override;
    QString DownloadWriteError() override { return m_downloadWriteError; }
    void ClipboardSetText(const QString& text) override;
    void ClipboardSetData(const std::vector<std::pair<QString, QByteArray>>& formats) override;
    QByteArray ClipboardData(const QString& type) override;
    void ClipboardClear() override;
    void ShowModal(Form& form) override;
    void PopupMenu(Form& form, MenuItem& menu) override;
    int ScreenWidth() override;
    int ScreenHeight() override;
    std::vector<QRect> ScreenAreas() override;
    QSize MeasureText(const QString& text) override;
    void SendEnter() override;
    void DoEvents() override;
    void WatchFile(const QString& path, std::function<void()> changed) override;
    Workers& workers() override { return m_workers; }

    void WatchFolders(const QStringList& folders, std::function<void(const QString&)> changed) override;
    void StartTimer(int milliseconds, std::function<void()> callback) override;
    void ShellOpenChecked(const QString& target, std::function<void()> failed) override;
    void CheckFolders(const QStringList& folders, int timeoutMilliseconds,
                      std::function<void(const std::vector<FolderState>&)> done) override;
    /// The watcher, timers, opener and folder checks behind the four calls above.
    DesktopFollower& follower() { return *m_follower; }

private:
    TwipsScale m_scale;
    SettingsFile m_settings;
    std::map<QString, ViewFactory> m_views;
    Downloader m_downloader;
    std::function<bool()> m_swedish;
    QString m_downloadWriteError;
    ThreadWorkers m_workers;
    std::unique_ptr<DesktopFollower> m_follower;
    FileWatcher m_fileWatcher;
};

#pragma once
// The real Host: the settings file and XDG folders of the desktop, programs started without a
// shell, the system clipboard, modal forms as Qt dialogs, pop-up menus, screen and font metrics.

#include "platform/host.h"
#include "platform/qt/downloader.h"
#include "platform/qt/twips.h"
#include "platform/settingsfile.h"

#include <QString>
#include <functional>
#include <map>

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
    void ClipboardSetText(const QString& text) override;
    void ShowModal(Form& form) override;
    void PopupMenu(Form& form, MenuItem& menu) override;
    int ScreenWidth() override;
    int ScreenHeight() override;
    QSize MeasureText(const QString& text) override;
    void SendEnter() override;
    void DoEvents() override;

private:
    TwipsScale m_scale;
    SettingsFile m_settings;
    std::map<QString, ViewFactory> m_views;
    Downloader m_downloader;
};

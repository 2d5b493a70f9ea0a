#pragma once
// A Host for work without any window: the command line and the benchmarks. It reads the user's
// settings file and the XDG folders as the program does, and never writes a setting, starts a
// program, opens a dialog or touches the network: every such service does nothing and says so.

#include "core/system/desktopfolders.h"
#include "core/system/host.h"
#include "core/system/settingsfile.h"

class WindowlessHost : public Host
{
public:
    WindowlessHost() : m_settings(DesktopFolders::SettingsFile()) {}

    QString GetSetting(const QString& key, const QString& defaultValue) override
    {
        return m_settings.Get(key, defaultValue);
    }
    void SaveSetting(const QString&, const QString&) override {}
    QString DataFolder() override { return DesktopFolders::Data(); }
    QString CacheFolder() override { return DesktopFolders::Cache(); }
    QString HomeFolder() override { return DesktopFolders::Home(); }
    bool StartProcess(const QString&, const QStringList&) override { return false; }
    bool ShellOpen(const QString&) override { return false; }
    int Download(const QString&, const QString&) override { return 1; }
    void ClipboardSetText(const QString&) override {}
    void ShowModal(Form&) override {}
    void PopupMenu(Form&, MenuItem&) override {}
    int ScreenWidth() override { return 0; }
    int ScreenHeight() override { return 0; }
    QSize MeasureText(const QString&) override { return {}; }
    void SendEnter() override {}
    void DoEvents() override {}

private:
    SettingsFile m_settings;
};

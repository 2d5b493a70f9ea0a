#pragma once
// Everything outside the program: settings store, folders, other programs, the network, the
// clipboard, modal display, pop-up menus, screen and text metrics. QtHost implements it for
// real; tests implement it with a scripted host.

#include "platform/settingsfile.h"

#include <QSize>
#include <QString>
#include <QStringList>

class Form;
class MenuItem;

class Host
{
public:
    virtual ~Host() = default;

    /// The [Settings] section of the per-user settings store.
    virtual QString GetSetting(const QString& key, const QString& defaultValue) = 0;
    virtual void SaveSetting(const QString& key, const QString& value) = 0;
    /// What kept the last GetSetting or SaveSetting from the store; kind None when nothing did.
    /// A store that could not be read is never written over.
    virtual SettingsFileProblem SettingsProblem() { return {}; }

    /// The program's data folder ($XDG_DATA_HOME/Wayfolder); it may not exist yet.
    virtual QString DataFolder() = 0;
    /// The program's cache folder ($XDG_CACHE_HOME/Wayfolder); it may not exist yet.
    virtual QString CacheFolder() = 0;
    /// The user's home folder: the default favorite and the fall-back startup folder.
    virtual QString HomeFolder() = 0;

    /// Starts a program with an argument list, never through a shell; false when it could not start.
    virtual bool StartProcess(const QString& program, const QStringList& arguments) = 0;
    /// Opens a file, folder, web page or mailto address with the desktop's associated program.
    virtual bool ShellOpen(const QString& target) = 0;
    /// Downloads a URL into a local file, replacing it only when the whole download succeeded;
    /// 0 on success, non-zero on any failure (no answer in time, an error status, too large).
    virtual int Download(const QString& url, const QString& localPath) = 0;

    virtual void ClipboardSetText(const QString& text) = 0;

    /// Shows a loaded form modally; returns once the form has unloaded itself.
    virtual void ShowModal(Form& form) = 0;
    /// Shows a menu as a pop-up at the pointer; returns once it has closed and its item ran.
    virtual void PopupMenu(Form& form, MenuItem& menu) = 0;

    /// Screen size in twips.
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    /// Size in twips of a text in the window font, as an auto-sized label shows it.
    virtual QSize MeasureText(const QString& text) = 0;

    /// Sends an Enter keystroke to the focused control without waiting for it.
    virtual void SendEnter() = 0;
    /// Lets pending window events run.
    virtual void DoEvents() = 0;
};

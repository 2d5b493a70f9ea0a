#pragma once
// Everything outside the program: settings store, folders, other programs, the network, the
// clipboard, modal display, pop-up menus, screen and text metrics. QtHost implements it for
// real; tests implement it with a scripted host.

#include "core/system/settingsfile.h"
#include "core/system/workers.h"

#include <QFileInfo>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

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
    /// What Download returns when the whole answer arrived but the local file could not be written.
    static constexpr int DownloadNotWritten = 5;
    /// Why the last Download could not write its local file, in the system's words.
    virtual QString DownloadWriteError() { return {}; }

    virtual void ClipboardSetText(const QString& text) = 0;
    /// Puts data of several types (a MIME type and its bytes each) on the clipboard at once.
    virtual void ClipboardSetData(const std::vector<std::pair<QString, QByteArray>>& /*formats*/) {}
    /// The clipboard's data of a MIME type; empty when it holds none of that type.
    virtual QByteArray ClipboardData(const QString& /*type*/) { return {}; }
    /// Empties the clipboard, as after pasting what was cut.
    virtual void ClipboardClear() {}

    /// Shows a loaded form modally; returns once the form has unloaded itself.
    virtual void ShowModal(Form& form) = 0;
    /// Shows a menu as a pop-up at the pointer; returns once it has closed and its item ran.
    virtual void PopupMenu(Form& form, MenuItem& menu) = 0;

    /// Screen size in twips.
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    /// The area a window may use on every screen, in twips of the whole desktop; a window is
    /// reachable when its title bar lies on any of them.
    virtual std::vector<QRect> ScreenAreas() { return {QRect(0, 0, ScreenWidth(), ScreenHeight())}; }
    /// Size in twips of a text in the window font, as an auto-sized label shows it.
    virtual QSize MeasureText(const QString& text) = 0;

    /// Sends an Enter keystroke to the focused control without waiting for it.
    virtual void SendEnter() = 0;
    /// Lets pending window events run.
    virtual void DoEvents() = 0;

    // Services that the Linux build adds. Each has a plain default so that a host which does
    // not need one (a benchmark, a command-line run) stays small.

    /// A variable of the program's environment; empty when it is not set.
    virtual QString Environment(const QString& name)
    {
        return qEnvironmentVariable(name.toLocal8Bit().constData());
    }

    /// Watches these folders (replacing the folders watched before; none stops watching) for
    /// entries that appear, vanish or are renamed, and for the folder itself going away.
    /// `changed` runs on the window's thread with the folder concerned, once per event.
    // Callbacks here are taken by value because the real host keeps them for later.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void WatchFolders(const QStringList& /*folders*/, std::function<void(const QString&)> /*changed*/)
    {}

    /// Runs `callback` once on the window's thread after `milliseconds`, from the event loop.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void StartTimer(int milliseconds, std::function<void()> callback)
    {
        (void)milliseconds;
        callback();
    }

    /// Like ShellOpen, and also waits (without blocking) for the opener's verdict: `failed` runs
    /// on the window's thread when it could not start or reported that it could not open the
    /// target. It never runs when the opener succeeded.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void ShellOpenChecked(const QString& target, std::function<void()> failed)
    {
        if (!ShellOpen(target))
            failed();
    }

    /// Where reads that may block on a slow disk run. The default runs them at once on the
    /// caller's thread, for hosts without an event loop.
    virtual Workers& workers()
    {
        static InlineWorkers inlineWorkers;
        return inlineWorkers;
    }

    /// What a check found at a folder.
    enum class FolderState
    {
        Present,
        Missing,  ///< nothing, or not a folder
        NoAnswer, ///< the file system did not answer in time (a hung network mount)
    };
    /// Checks folders off the window's thread; `done` runs on the window's thread with one state
    /// per folder, in order, at the latest `timeoutMilliseconds` after the call.
    virtual void CheckFolders(const QStringList& folders, int timeoutMilliseconds,
                              // NOLINTNEXTLINE(performance-unnecessary-value-param)
                              std::function<void(const std::vector<FolderState>&)> done)
    {
        (void)timeoutMilliseconds;
        std::vector<FolderState> states;
        for (const QString& folder : folders)
            states.push_back(QFileInfo(folder).isDir() ? FolderState::Present : FolderState::Missing);
        done(states);
    }

    /// Calls `changed` from the event loop after the file at `path` was written, replaced,
    /// created or removed: once for changes that come close together, and never while a modal
    /// form is showing. An empty `changed` stops watching `path`. Without a watcher, never calls.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void WatchFile(const QString& /*path*/, std::function<void()> /*changed*/) {}
};

#pragma once
// A whole program in a temporary home: the real main window and module on the scripted host.

#include "core/dialogs/module1.h"
#include "core/formats/favofile.h"
#include "core/mainform/mainform.h"
#include "tempfolder.h"
#include "testhost.h"

#include <functional>

/// One run of the program in a home that outlives it, for what must survive a restart.
struct AppRun
{
    TestHost host;
    Module1 module{host};
    MainForm& form = module.mainForm();

    /// Loads the main window and runs its first activation, as the program start does.
    void start()
    {
        form.Load();
        form.Activate();
    }
    void exit() { form.Unload(); }
    /// Reloads the active favorites file through Undo; its question is answered and left out of
    /// `messages`, which then hold only what the load itself said.
    void reload()
    {
        const size_t asked = host.messages.size();
        host.answer(QStringLiteral("OK"));
        form.Menu_UndoChanges_Click();
        if (host.messages.size() > asked)
            host.messages.erase(host.messages.begin() + qsizetype(asked));
    }
};

struct TempHome
{
    TempFolder tmp;
};

/// One run of the program in a home of its own, made before the run and removed after it.
struct AppFixture : TempHome, AppRun
{
    QString favoFile(const QString& name = QStringLiteral("FavoDirs.dat")) const
    {
        return tmp.dataFolder() + QLatin1Char('/') + name;
    }
    void writeFavoFile(const QByteArray& bytes, const QString& name = QStringLiteral("FavoDirs.dat")) const
    {
        tmp.writeFile(QStringLiteral("home/.local/share/Wayfolder/") + name, bytes);
    }
    QByteArray readFavoFile(const QString& name = QStringLiteral("FavoDirs.dat")) const
    {
        return tmp.readFile(QStringLiteral("home/.local/share/Wayfolder/") + name);
    }
    void writeSettings(const QByteArray& iniBody) const
    {
        tmp.writeFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"), "[Settings]\n" + iniBody);
    }

    FavoritesEntry entry(int16_t i) const
    {
        return {form.FavoDirList.List(i), form.FavoDirPath.List(i), form.FavoFileFilter.List(i)};
    }
    void addEntry(const FavoritesEntry& e)
    {
        form.FavoDirList.AddItem(e.name);
        form.FavoDirPath.AddItem(e.path);
        form.FavoFileFilter.AddItem(e.filter);
    }
    /// Selects the file list's row of this name; false when no row has it.
    bool selectFile(const QString& name)
    {
        const int row = int(files().indexOf(name));
        if (row >= 0)
            form.FileList.setListIndex(row);
        return row >= 0;
    }
    QStringList files() const
    {
        QStringList result;
        for (int i = 0; i < form.FileList.ListCount(); ++i)
            result << form.FileList.List(i);
        return result;
    }
    /// Answers the next showing of dialog `D` with `script`.
    template <class D> void onDialog(const QString& name, std::function<void(D&)> script)
    {
        host.onModal(name, [script = std::move(script)](Form& f) { script(static_cast<D&>(f)); });
    }
};

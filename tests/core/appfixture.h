#pragma once
// A whole program in a temporary home: the real main window and module on the scripted host.

#include "app/mainform.h"
#include "app/module1.h"
#include "tempfolder.h"
#include "testhost.h"

/// One run of the program in a home that outlives it, for what must survive a restart.
struct AppRun
{
    TestHost host;
    Module1 module{host};
    MainForm& form = module.mainForm();

    void start()
    {
        form.Load();
        form.Activate();
    }
    void exit() { form.Unload(); }
};

struct AppFixture
{
    TempFolder tmp;
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
};

// The file actions of the main window on real folders: hidden files, back and forward.

#include "appfixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct FileActions : AppFixture
{
    QString work = tmp.makeFolder("home/work");

    FileActions()
    {
        for (const char* folder : {"Letters", "Letters/Old", ".config", "Zeta"})
            tmp.makeFolder(QStringLiteral("home/work/") + folder);
        for (const char* name : {"report.txt", ".profile", "notes.txt"})
            tmp.writeFile(QStringLiteral("home/work/") + name, "x");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
    }

    QStringList folders() const
    {
        QStringList result;
        for (int i = 0; i < form.DirList.ListCount(); ++i)
            result << QFileInfo(form.DirList.List(i)).fileName();
        return result;
    }
};

} // namespace

TEST(FileActions, HiddenNamesFollowTheToggleAndItsStoredChoice)
{
    struct Row
    {
        const char* stored; // the settings line, empty for none
        bool toggle;
        QStringList files;
        QStringList folders;
        const char* savedAtExit; // nullptr when nothing may be written
    };
    // clang-format off
    const Row rows[] = {
        {"",                        false, {"notes.txt", "report.txt"},             {"Letters", "Zeta"},            nullptr},
        {"",                        true,  {".profile", "notes.txt", "report.txt"}, {".config", "Letters", "Zeta"}, "ShowHiddenFiles=True"},
        {"ShowHiddenFiles=True\n",  false, {".profile", "notes.txt", "report.txt"}, {".config", "Letters", "Zeta"}, nullptr},
        {"ShowHiddenFiles=True\n",  true,  {"notes.txt", "report.txt"},             {"Letters", "Zeta"},            "ShowHiddenFiles=False"},
        {"ShowHiddenFiles=junk\n",  false, {"notes.txt", "report.txt"},             {"Letters", "Zeta"},            nullptr},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        FileActions app;
        app.writeSettings(row.stored);
        app.start();
        app.form.FavoDirList.setListIndex(0);
        if (row.toggle)
            app.form.Menu_ShowHidden.RaiseClick();
        EXPECT_EQ(app.files(), row.files);
        EXPECT_EQ(app.folders(), row.folders);
        // The status line counts what is shown, not what the folder holds.
        EXPECT_EQ(app.form.FileList.TotalCount(), row.files.size());
        EXPECT_TRUE(app.form.Label_FileStatus.Caption().contains(QString::number(row.files.size())));
        app.exit();
        const QByteArray ini = app.tmp.readFile("home/.config/Wayfolder/Wayfolder.ini");
        const QByteArray expected =
            row.savedAtExit ? QByteArray(row.savedAtExit) : QByteArray(row.stored).trimmed();
        EXPECT_EQ(ini.count("ShowHiddenFiles"), expected.count("ShowHiddenFiles")) << ini.constData();
        EXPECT_TRUE(ini.contains(expected)) << ini.constData();
    }
}

TEST(FileActions, BackAndForwardWalkTheFoldersVisitedHoweverReached)
{
    FileActions app;
    app.start();
    MainForm& f = app.form;
    const QString w = app.work;
    ASSERT_EQ(f.DirList.Path(), w);    // the first favorite
    f.DirList.setPath(w + "/Letters"); // the tree
    f.DirList.setPath(w + "/Letters/Old");
    f.Command_UpOneLevel_Click(); // up
    f.DirList.setPath(w + "/Zeta");
    f.FavoDirList.setListIndex(0);                // a favorite
    QDir(w + "/Letters/Old").removeRecursively(); // gone since: skipped
    struct Step
    {
        MenuItem* item;
        QString folder;
        bool back;
        bool forward;
    };
    // clang-format off
    const Step steps[] = {
        {&f.Menu_Back,    w + "/Zeta",    true,  true},
        {&f.Menu_Back,    w + "/Letters", true,  true},
        {&f.Menu_Back,    w,              false, true},
        {&f.Menu_Forward, w + "/Letters", true,  true},
        {&f.Menu_Forward, w + "/Zeta",    true,  true},
        {&f.Menu_Forward, w,              true,  false},
        {&f.Menu_Back,    w + "/Zeta",    true,  true},
    };
    // clang-format on
    for (const Step& step : steps) {
        SCOPED_TRACE(step.folder.toStdString());
        step.item->RaiseClick();
        EXPECT_EQ(f.DirList.Path().toStdString(), step.folder.toStdString());
        EXPECT_EQ(f.FileList.Path().toStdString(), step.folder.toStdString());
        EXPECT_EQ(f.Menu_Back.Enabled(), step.back);
        EXPECT_EQ(f.Menu_Forward.Enabled(), step.forward);
    }
    // A new way from the middle forgets what lay ahead.
    f.DirList.setPath(w + "/Letters");
    EXPECT_FALSE(f.Menu_Forward.Enabled());
    f.Menu_Back.RaiseClick();
    EXPECT_EQ(f.DirList.Path().toStdString(), (w + "/Zeta").toStdString());
}

// The file actions of the main window on real folders: hidden files, back and forward, new
// folder, rename, trash, copy and cut; paste and drop: the clipboard's formats, the taken-name
// question, a cut's clipboard, a drop's choice between copy and move, a copy that waits on a slow
// disk, a full disk and a read-only folder.

#include "appfixture.h"
#include "core/dialogs/conflictform.h"
#include "core/dialogs/nameform.h"
#include "core/formats/fileuris.h"
#include "core/system/filename.h"
#include "core/system/trash.h"
#include "filesizelimit.h"
#include "readonlyfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

    // QDir cannot remove what it cannot name.
    ~FileActions() { std::filesystem::remove_all(work.toStdString()); }

    /// A name that is not UTF-8, as the list shows it; made as a file when asked.
    QString rawName(const QByteArray& name, bool make) const
    {
        if (make)
            ::close(::open((work.toUtf8() + '/' + name).constData(), O_CREAT | O_WRONLY, 0644));
        return FileNameFromBytes(std::string_view(name.constData(), size_t(name.size())));
    }
    bool there(const QString& name) const
    {
        return ::access(FileNameToBytes(work + "/" + name).constData(), F_OK) == 0;
    }

    QStringList folders() const
    {
        QStringList result;
        for (int i = 0; i < form.DirList.ListCount(); ++i)
            result << QFileInfo(form.DirList.List(i)).fileName();
        return result;
    }
    /// Focuses the tree or the file list and highlights `name` there.
    void pick(bool inTree, const QString& name)
    {
        (inTree ? static_cast<Control&>(form.DirList) : form.FileList).SetFocus();
        if (inTree)
            form.DirList.setListIndex(int(folders().indexOf(name)));
        else
            form.FileList.setListIndex(form.FileList.IndexOf(name));
    }
};

using FileCopy::Answer;

struct Paste : AppFixture
{
    QString work = tmp.makeFolder("home/work");
    QString from = tmp.makeFolder("home/from");

    Paste()
    {
        for (const auto& [name, bytes] : {std::pair{"work/a.txt", "A"},
                                          {"work/b.txt", "oldB"},
                                          {"from/a.txt", "new"},
                                          {"from/b.txt", "B"},
                                          {"from/c.txt", "C"}})
            tmp.writeFile(QStringLiteral("home/") + name, bytes);
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
        start();
        form.DirList.setPath(work);
    }

    /// "name=content" of each file in a folder, sorted.
    static QString contents(const QString& folder)
    {
        QStringList lines;
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
            QFile file(folder + "/" + name);
            file.open(QIODevice::ReadOnly);
            lines << name + "=" + QString::fromUtf8(file.readAll());
        }
        return lines.join(' ');
    }
    void clip(const char* format, const QStringList& names, bool cut = false)
    {
        QStringList paths;
        for (const QString& name : names)
            paths << (name.startsWith('/') ? name : from + "/" + name);
        const QString type = QString::fromLatin1(format);
        host.clipboardData = {{type, type == FileUris::UriListType
                                         ? FileUris::ComposeUriList(paths)
                                         : FileUris::ComposeCopiedFiles(paths, cut)}};
    }
    /// Answers the next taken-name questions in order; `cancel` ends with Cancel.
    void answer(const std::vector<std::pair<Answer, bool>>& answers, bool cancel = false)
    {
        for (const auto& [choice, toAll] : answers)
            onDialog<ConflictForm>("ConflictForm", [choice = choice, toAll = toAll](ConflictForm& ask) {
                if (toAll)
                    ask.List_ApplyToAll.setChecked(0, true);
                ask.Command_Click(choice);
            });
        if (cancel)
            onDialog<ConflictForm>("ConflictForm",
                                   [](ConflictForm& ask) { ask.Command_Cancel.RaiseClick(); });
    }
};

} // namespace

TEST(FileActions, HiddenNamesAndDetailsFollowTheirTogglesAndStoredChoices)
{
    struct Row
    {
        MenuItem MainForm::*menu;
        const char* stored; // the setting's value, nullptr for none
        bool toggle;
        bool on;
        const char* savedAtExit; // nullptr when nothing may be written
    };
    // clang-format off
    const Row rows[] = {
        {&MainForm::Menu_ShowHidden, nullptr, false, false, nullptr},
        {&MainForm::Menu_ShowHidden, nullptr, true,  true,  "True"},
        {&MainForm::Menu_ShowHidden, "True",  false, true,  nullptr},
        {&MainForm::Menu_ShowHidden, "True",  true,  false, "False"},
        {&MainForm::Menu_ShowHidden, "junk",  false, false, nullptr},
        {&MainForm::Menu_Details,    nullptr, false, false, nullptr},
        {&MainForm::Menu_Details,    nullptr, true,  true,  "True"},
        {&MainForm::Menu_Details,    "True",  false, true,  nullptr},
        {&MainForm::Menu_Details,    "True",  true,  false, "False"},
        {&MainForm::Menu_Details,    "junk",  false, false, nullptr},
    };
    // clang-format on
    for (const Row& row : rows) {
        const bool hidden = row.menu == &MainForm::Menu_ShowHidden;
        const QByteArray key = hidden ? "ShowHiddenFiles=" : "ShowDetails=";
        SCOPED_TRACE(key.toStdString() + (row.stored ? row.stored : "(none)"));
        FileActions app;
        app.writeSettings(row.stored ? key + row.stored + "\n" : QByteArray());
        app.start();
        app.form.FavoDirList.setListIndex(0);
        if (row.toggle)
            (app.form.*row.menu).RaiseClick();
        EXPECT_EQ((app.form.*row.menu).Checked(), row.on);
        EXPECT_EQ(app.form.FileList.Details(), row.on && !hidden);
        const bool all = row.on && hidden;
        EXPECT_EQ(app.files(), QStringList({".profile", "notes.txt", "report.txt"}).mid(all ? 0 : 1));
        EXPECT_EQ(app.folders(), QStringList({".config", "Letters", "Zeta"}).mid(all ? 0 : 1));
        // The status line counts what is shown, not what the folder holds.
        EXPECT_EQ(app.form.FileList.TotalCount(), app.files().size());
        EXPECT_TRUE(app.form.Label_FileStatus.Caption().contains(QString::number(app.files().size())));
        app.exit();
        const QByteArray ini = app.tmp.readFile("home/.config/Wayfolder/Wayfolder.ini");
        const char* saved = row.savedAtExit ? row.savedAtExit : row.stored;
        EXPECT_EQ(ini.count(key), saved ? 1 : 0) << ini.constData();
        EXPECT_TRUE(!saved || ini.contains(key + saved)) << ini.constData();
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

TEST(FileActions, NewFolderAsksUntilTheNameCanBeMadeAndHighlightsIt)
{
    struct Row
    {
        QStringList typed; // each answer in turn; "<cancel>" cancels
        const char* made;  // nullptr when nothing may be made
        int messages;
    };
    // clang-format off
    const Row rows[] = {
        {{"<proposal>"},           "<proposal>", 0},
        {{"", "Sub"},              "Sub",        1},
        {{"a/b", "<cancel>"},      nullptr,      1},
        {{"Letters", "Zeta", "Z2"}, "Z2",        2},
        {{".", "<cancel>"},        nullptr,      1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.join('|').toStdString());
        FileActions app;
        app.start();
        const QStringList before = app.folders();
        QString proposal;
        for (const QString& typed : row.typed) {
            app.onDialog<NameForm>("NameForm", [&, typed](NameForm& f) {
                if (proposal.isEmpty()) {
                    proposal = f.Text_Name.Text();
                    EXPECT_EQ(f.Text_Name.SelLength(), proposal.size()); // all of it, ready to be typed over
                }
                if (typed == "<cancel>")
                    return f.Command_Cancel_Click();
                f.Text_Name.setText(typed == "<proposal>" ? proposal : typed);
                f.Command_OK_Click();
            });
            if (typed != row.typed.last())
                app.host.answer("OK");
        }
        app.form.Menu_NewFolder.RaiseClick();
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_EQ(int(app.host.messages.size()), row.messages);
        const QString made = QString(row.made) == "<proposal>" ? proposal : QString(row.made);
        EXPECT_EQ(app.folders().size(), before.size() + (row.made ? 1 : 0));
        if (row.made) {
            EXPECT_TRUE(QFileInfo(app.work + '/' + made).isDir());
            EXPECT_EQ(app.form.DirList.List(app.form.DirList.ListIndex()), app.work + '/' + made);
            EXPECT_EQ(app.form.ActiveControl(), &app.form.DirList);
        }
    }
}

TEST(FileActions, RenameInPlaceNeverReplacesAndReopensAfterARefusal)
{
    struct Row
    {
        bool inTree;
        const char* from;
        const char* to;
        int selected;      // characters selected when the box opens
        const char* after; // the name there afterwards; nullptr when refused
    };
    // clang-format off
    const Row rows[] = {
        {false, "report.txt",  "summary.txt", 6,  "summary.txt"},
        {false, "report.txt",  "notes.txt",   6,  nullptr},
        {false, "report.txt",  "",            6,  nullptr},
        {false, "report.txt",  "a/b",         6,  nullptr},
        {false, "report.txt",  "report.txt",  6,  "report.txt"},
        {false, "<raw>",       "plain.txt",   4,  "plain.txt"},
        {false, "report.txt",  "<raw>",       6,  "<raw>"},
        {true,  "Letters",     "Mail",        7,  "Mail"},
        {true,  "Letters",     "Zeta",        7,  nullptr},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " -> " + row.to);
        FileActions app;
        app.tmp.writeFile("home/work/report.txt", "report");
        app.tmp.writeFile("home/work/notes.txt", "notes");
        const QString raw = app.rawName("caf\xe9.txt", QString(row.from) == "<raw>");
        const QString from = QString(row.from) == "<raw>" ? raw : QString(row.from);
        const QString to = QString(row.to) == "<raw>" ? raw : QString(row.to);
        app.start();
        MainForm& f = app.form;
        RowEdit& edit = row.inTree ? f.DirList.NameEdit : f.FileList.NameEdit;
        app.pick(row.inTree, from);
        f.Menu_RenameFile.RaiseClick();
        ASSERT_TRUE(edit.Active());
        EXPECT_EQ(edit.Text(), from);
        EXPECT_EQ(edit.SelectLength(), row.selected);
        if (!row.after)
            app.host.answer("OK");
        edit.Finish(to);
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_EQ(edit.Active(), row.after == nullptr); // refused: the box is back, with the text typed
        if (row.after) {
            const QString after = QString(row.after) == "<raw>" ? raw : QString(row.after);
            EXPECT_TRUE(app.there(after));
            EXPECT_EQ(app.there(from), from == after);
            const QString shown = row.inTree ? QFileInfo(f.DirList.List(f.DirList.ListIndex())).fileName()
                                             : f.FileList.List(f.FileList.ListIndex());
            EXPECT_EQ(shown, after);
        } else {
            EXPECT_EQ(edit.Text(), to);
            edit.Cancel();
            EXPECT_TRUE(app.there(from));
        }
        // Never replaced: what was there keeps its content.
        EXPECT_EQ(app.tmp.readFile("home/work/notes.txt"), "notes");
    }
}

TEST(FileActions, DeleteMovesToTheTrashWithItsOriginAndShiftDeleteAsksFirst)
{
    struct Row
    {
        QByteArray name; // raw bytes on disk
        bool inTree;
        bool forGood;
        const char* answer;   // to the question, nullptr when none is asked
        QByteArray trashName; // under Trash/files; empty when nothing may go there
        QByteArray infoPath;  // after "/home/work/"
    };
    // clang-format off
    const Row rows[] = {
        {"report.txt",     false, false, nullptr, "report.txt",       "report.txt"},
        {"caf\xe9 #1.txt", false, false, nullptr, "caf\\xE9 #1.txt",  "caf%E9%20%231.txt"},
        {"Letters",        true,  false, nullptr, "Letters",          "Letters"},
        {"report.txt",     false, true,  "No",    "",                 ""},
        {"report.txt",     false, true,  "Yes",   "",                 ""},
        {"Letters",        true,  true,  "Yes",   "",                 ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.infoPath.toStdString() + (row.forGood ? " for good" : ""));
        FileActions app;
        const QString name = app.rawName(row.name, !row.inTree);
        const QString trash = app.tmp.path("home/.local/share/Trash");
        app.tmp.writeFile("home/.local/share/Trash/files/report.txt", "earlier"); // taken: the next name
        app.start();
        MainForm& f = app.form;
        app.pick(row.inTree, name);
        if (row.answer)
            app.host.answer(row.answer);
        (row.forGood ? f.Menu_DeleteFiles : f.Menu_TrashFiles).RaiseClick();
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_EQ(app.host.messages.size(), row.answer ? 1u : 0u);
        const bool kept = QByteArray(row.answer) == "No";
        EXPECT_EQ(app.there(name), kept);
        EXPECT_EQ(row.inTree ? app.folders().contains(name) : f.FileList.IndexOf(name) >= 0, kept);
        const QStringList inTrash = QDir(trash + "/files").entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        EXPECT_EQ(inTrash.size(), row.trashName.isEmpty() ? 1 : 2) << inTrash.join(' ').toStdString();
        if (row.trashName.isEmpty())
            continue;
        const QString trashName = row.trashName == "report.txt" ? "report.txt.2" : QString(row.trashName);
        EXPECT_TRUE(inTrash.contains(trashName)) << inTrash.join(' ').toStdString();
        const QByteArray info = app.tmp.readFile("home/.local/share/Trash/info/" + trashName + ".trashinfo");
        const QByteArray expected =
            "[Trash Info]\nPath=" + app.work.toUtf8() + "/" + row.infoPath + "\nDeletionDate=";
        EXPECT_TRUE(info.startsWith(expected)) << info.constData();
        EXPECT_TRUE(
            QDateTime::fromString(QString(info.mid(expected.size()).trimmed()), Qt::ISODate).isValid());
    }
}

TEST(FileActions, AnotherVolumeTrashesIntoItsOwnTopFolder)
{
    // /dev/shm is a volume of its own wherever it exists.
    struct stat shm, tmp;
    if (::stat("/dev/shm", &shm) != 0 || ::stat(QDir::tempPath().toUtf8().constData(), &tmp) != 0 ||
        shm.st_dev == tmp.st_dev)
        GTEST_SKIP() << "no second volume";
    const QString own = "/dev/shm/.Trash-" + QString::number(::getuid());
    const bool ownExisted = QFileInfo::exists(own);
    QTemporaryDir folder("/dev/shm/wayfolder-XXXXXX");
    const QString file = folder.path() + "/away\xc3\xa9.txt";
    QFile(file).open(QIODevice::WriteOnly);
    const QString homeTrash = QDir::tempPath() + "/wayfolder-home-trash-" + QString::number(::getpid());
    EXPECT_EQ(Trash::MoveToTrash(file, homeTrash), 0);
    EXPECT_FALSE(QFileInfo::exists(homeTrash)); // never made for a file it does not take
    const QString trashed = own + "/files/away\xc3\xa9.txt";
    EXPECT_TRUE(QFileInfo::exists(trashed));
    const QString info = own + "/info/away\xc3\xa9.txt.trashinfo";
    QFile infoFile(info);
    ASSERT_TRUE(infoFile.open(QIODevice::ReadOnly));
    // Relative to the volume's top, which may be mounted elsewhere next time.
    EXPECT_TRUE(infoFile.readAll().contains("\nPath=" + QFileInfo(folder.path()).fileName().toUtf8() +
                                            "/away%C3%A9.txt\n"));
    QFile::remove(trashed);
    QFile::remove(info);
    if (!ownExisted)
        QDir(own).removeRecursively();
}

TEST(FileActions, TheLocationFieldOpensATypedPathCompletesFolderNamesAndEscapeReturns)
{
    struct Row
    {
        const char* typed;
        int16_t key;
        const char* opened;      // below the temporary folder; nullptr: stays where it was
        QStringList completions; // after typing, "~" standing for the home folder
        bool messages;
    };
    // clang-format off
    const Row rows[] = {
        {"~/work/Letters",  KeyCode::Enter,  "home/work/Letters", {"~/work/Letters/"},                         false},
        {"~/work/l",        KeyCode::Escape, nullptr,             {"~/work/Letters/"},        false},
        {"~/work/",         KeyCode::Escape, nullptr,             {"~/work/Letters/", "~/work/Zeta/"}, false},
        {"~/work/.c",       KeyCode::Escape, nullptr,             {"~/work/.config/"},        false},
        {"<tmp>/home/work/Zeta/", KeyCode::Enter, "home/work/Zeta", {},                      false},
        {"Letters/Old",     KeyCode::Enter,  "home/work/Letters/Old", {"Letters/Old/"},                     false},
        {"~/nowhere",       KeyCode::Enter,  nullptr,             {},                         true},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        FileActions app;
        app.start();
        MainForm& f = app.form;
        f.FileList.SetFocus();
        f.Menu_Location.RaiseClick();
        ASSERT_TRUE(f.Text_Location.Visible());
        EXPECT_EQ(f.ActiveControl(), &f.Text_Location);
        EXPECT_EQ(f.Text_Location.Text(), app.work);
        EXPECT_EQ(f.Text_Location.SelLength(), app.work.size());
        f.Text_Location.setText(QString(row.typed).replace("<tmp>", app.tmp.path()));
        QStringList completions = f.Text_Location.Completions();
        completions.replaceInStrings(app.tmp.home(), "~");
        EXPECT_EQ(completions, row.completions);
        if (row.messages)
            app.host.answer("OK");
        int16_t key = row.key;
        f.Text_Location_KeyPress(key);
        EXPECT_EQ(app.host.messages.size(), row.messages ? 1u : 0u);
        EXPECT_EQ(f.DirList.Path(), row.opened ? app.tmp.path(row.opened) : app.work);
        if (row.messages) { // still typing; Escape then returns
            EXPECT_TRUE(f.Text_Location.Visible());
            key = KeyCode::Escape;
            f.Text_Location_KeyPress(key);
        }
        EXPECT_FALSE(f.Text_Location.Visible());
        EXPECT_EQ(f.ActiveControl(), row.opened ? static_cast<Control*>(&f.DirList) : &f.FileList);
    }
}

TEST(FileActions, ManySelectedFilesAreTrashedTogetherAndAPlainChoiceSelectsOne)
{
    FileActions app;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        app.tmp.writeFile(QStringLiteral("home/work/") + name, "x");
    app.start();
    ::FileList& list = app.form.FileList; // a b c d notes report
    struct Step
    {
        char how; // '=' plain, '^' Ctrl, '+' Shift
        int index;
        std::vector<int> selected;
        int current;
    };
    // clang-format off
    const Step steps[] = {
        {'=', 1, {1},             1},
        {'+', 3, {1, 2, 3},       3},
        {'^', 2, {1, 3},          2},
        {'^', 5, {1, 3, 5},       5},
        {'+', 0, {0, 1, 2, 3, 4, 5}, 0}, // from the last Ctrl-click
        {'=', 4, {4},             4},
        {'^', 4, {},              -1},
        {'+', 2, {2, 3, 4},       2},  // from the entry Ctrl last touched
        {'^', 3, {2, 4},          3},
        {'^', 0, {0, 2, 4},       0},
    };
    // clang-format on
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(1, step.how) + std::to_string(step.index));
        if (step.how == '=')
            list.setListIndex(step.index);
        else if (step.how == '^')
            list.toggleSelected(step.index);
        else
            list.selectRangeTo(step.index);
        EXPECT_EQ(list.SelectedIndexes(), step.selected);
        EXPECT_EQ(list.ListIndex(), step.current);
    }
    list.SetFocus();
    app.form.Menu_TrashFiles.RaiseClick();
    EXPECT_EQ(app.files(), QStringList({"b.txt", "d.txt", "report.txt"}));
    EXPECT_EQ(QDir(app.tmp.path("home/.local/share/Trash/files")).entryList(QDir::Files),
              QStringList({"a.txt", "c.txt", "notes.txt"}));
    // The list changed: one selected again, where the first one was.
    EXPECT_EQ(list.SelectedIndexes(), std::vector<int>({0}));
}

TEST(FileActions, CopyAndCutPutBothFileListFormatsOnTheClipboardInRawBytes)
{
    struct Row
    {
        QByteArray name;
        QByteArray url; // after the work folder's URL
    };
    // clang-format off
    const Row rows[] = {
        {"caf\xe9 #1.txt",      "/caf%E9%20%231.txt"},
        {"report.txt",          "/report.txt"},
        {"\xc3\x85r 100%.txt",  "/%C3%85r%20100%25.txt"},
    }; // in the list's order
    // clang-format on
    for (const bool cut : {false, true}) {
        FileActions app;
        QStringList names;
        for (const Row& row : rows)
            names << app.rawName(row.name, row.name != "report.txt");
        app.start();
        MainForm& f = app.form;
        app.pick(false, names[0]);
        for (qsizetype i = 1; i < names.size(); ++i)
            f.FileList.toggleSelected(f.FileList.IndexOf(names[i]));
        (cut ? f.Menu_CutFiles : f.Menu_CopyFiles).RaiseClick();
        ASSERT_EQ(app.host.clipboardData.size(), 2u);
        std::map<QString, QByteArray> data(app.host.clipboardData.begin(), app.host.clipboardData.end());
        QByteArray uriList, copied = cut ? "cut\n" : "copy\n";
        QStringList paths;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QByteArray url = "file://" + app.work.toUtf8() + rows[i].url;
            uriList += url + "\r\n";
            copied += url + "\n";
            paths << app.work + "/" + names[i];
        }
        EXPECT_EQ(data["text/uri-list"], uriList);
        EXPECT_EQ(data["x-special/gnome-copied-files"], copied);
        // What other programs put there reads back to the very same files.
        bool readCut = !cut;
        EXPECT_EQ(FileUris::ReadUriList(data["text/uri-list"]), paths);
        EXPECT_EQ(FileUris::ReadCopiedFiles(data["x-special/gnome-copied-files"], readCut), paths);
        EXPECT_EQ(readCut, cut);
    }
    // Other programs' variants: a host of localhost, comments, no line end at the last, other schemes.
    bool cut = false;
    EXPECT_EQ(FileUris::ReadCopiedFiles("cut\nfile://localhost/a%20b\n# note\nhttp://x/y\nfile:///c", cut),
              QStringList({"/a b", "/c"}));
    EXPECT_TRUE(cut);
    EXPECT_EQ(FileUris::ReadCopiedFiles("move\nfile:///a", cut), QStringList());
    EXPECT_EQ(FileUris::ReadUriList("file://otherhost/a\r\nfile:/b\r\n"), QStringList({"/b"}));
}

TEST(Paste, ClipboardFormatsAnswersAndACutsClipboard)
{
    const char* Gnome = FileUris::CopiedFilesType;
    const char* Uris = FileUris::UriListType;
    struct Row
    {
        const char* format;
        bool cut;
        QStringList names;
        std::vector<std::pair<Answer, bool>> answers;
        bool cancel;
        const char* work;
        const char* from;
        bool clipboardKept;
    };
    // clang-format off
    const Row rows[] = {
        {Uris, false, {"c.txt"}, {}, false, "a.txt=A b.txt=oldB c.txt=C", "a.txt=new b.txt=B c.txt=C", true},
        {Gnome, false, {"a.txt", "b.txt"}, {{Answer::KeepBoth, true}}, false, "a (2).txt=new a.txt=A b (2).txt=B b.txt=oldB", "a.txt=new b.txt=B c.txt=C", true},
        {Gnome, true, {"a.txt", "b.txt", "c.txt"}, {{Answer::Replace, false}, {Answer::Skip, false}}, false, "a.txt=new b.txt=oldB c.txt=C", "b.txt=B", false},
        {Gnome, true, {"a.txt", "b.txt"}, {{Answer::Skip, true}}, false, "a.txt=A b.txt=oldB", "a.txt=new b.txt=B c.txt=C", false},
        {Gnome, true, {"a.txt", "c.txt"}, {}, true, "a.txt=A b.txt=oldB", "a.txt=new b.txt=B c.txt=C", true},
        {Gnome, false, {"/no/such/file"}, {}, false, "a.txt=A b.txt=oldB", "a.txt=new b.txt=B c.txt=C", true},
    };
    // clang-format on
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(i);
        Paste app;
        app.clip(row.format, row.names, row.cut);
        app.answer(row.answers, row.cancel);
        if (row.names.front().startsWith('/'))
            app.host.answer("OK");
        app.form.Menu_PasteFiles.RaiseClick();
        EXPECT_TRUE(app.host.scriptsDone());
        EXPECT_EQ(Paste::contents(app.work), row.work);
        EXPECT_EQ(Paste::contents(app.from), row.from);
        EXPECT_EQ(app.host.clipboardData.empty(), !row.clipboardKept);
        EXPECT_EQ(app.host.messages.size(), row.names.front().startsWith('/') ? 1u : 0u);
        EXPECT_FALSE(app.form.Menu_CancelCopy.Enabled());
    }
}

TEST(Paste, OntoItselfAndIntoItself)
{
    Paste app;
    // A copy beside itself, never over itself.
    app.clip(FileUris::CopiedFilesType, {app.work + "/a.txt"});
    app.form.Menu_PasteFiles.RaiseClick();
    EXPECT_EQ(Paste::contents(app.work), "a (2).txt=A a.txt=A b.txt=oldB");
    EXPECT_EQ(app.form.FileList.List(app.form.FileList.ListIndex()), "a (2).txt");
    // The open folder pasted into itself is refused, in both languages.
    for (const bool swedish : {false, true}) {
        app.module.SwedishLanguage = swedish;
        app.clip(FileUris::CopiedFilesType, {app.work}, true);
        app.host.answer("OK");
        app.form.Menu_PasteFiles.RaiseClick();
        ASSERT_EQ(app.host.messages.size(), swedish ? 2u : 1u);
        EXPECT_TRUE(app.host.messages.back().prompt.contains(app.work));
    }
    EXPECT_NE(app.host.messages[0].prompt, app.host.messages[1].prompt);
    EXPECT_EQ(QDir(app.work).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 3);
}

TEST(Paste, DropsMoveOnOneVolumeAndCopyAcrossUnlessAKeySaysOtherwise)
{
    QTemporaryDir shm(QStringLiteral("/dev/shm/wayfolder-test-XXXXXX"));
    struct Row
    {
        bool away; // the source on another volume
        MainForm::DropMode mode;
        bool sourceStays;
    };
    // clang-format off
    const Row rows[] = {
        {false, MainForm::DropMode::ByVolume, false},
        {true,  MainForm::DropMode::ByVolume, true},
        {false, MainForm::DropMode::Copy,     true},
        {true,  MainForm::DropMode::Move,     false},
    };
    // clang-format on
    for (const Row& row : rows) {
        Paste app;
        const QString source = (row.away ? shm.path() : app.from) + "/d.txt";
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("D") == 1);
        file.close();
        app.form.FilesDropped({source}, app.work + "/", row.mode);
        EXPECT_EQ(Paste::contents(app.work), "a.txt=A b.txt=oldB d.txt=D");
        EXPECT_EQ(QFile::exists(source), row.sourceStays);
        QFile::remove(source);
    }
}

TEST(Paste, ASlowCopyRunsAloneCanBeCancelledAndAFullDiskLeavesNothingHalfWritten)
{
    Paste app;
    app.host.testWorkers.hold(app.work);
    app.clip(FileUris::UriListType, {"c.txt"});
    app.form.Menu_PasteFiles.RaiseClick();
    EXPECT_TRUE(app.form.Menu_CancelCopy.Enabled());
    // A second paste waits for the first rather than running beside it.
    app.host.answer("OK");
    app.form.Menu_PasteFiles.RaiseClick();
    EXPECT_EQ(app.host.messages.size(), 1u);
    app.form.Menu_CancelCopy.RaiseClick();
    app.host.testWorkers.release(app.work);
    EXPECT_FALSE(app.form.Menu_CancelCopy.Enabled());
    EXPECT_EQ(Paste::contents(app.work), "a.txt=A b.txt=oldB");

    // The slow copy, let go, ends with its count in the status line.
    app.host.testWorkers.hold(app.work);
    app.form.Menu_PasteFiles.RaiseClick();
    app.host.testWorkers.release(app.work);
    EXPECT_EQ(Paste::contents(app.work), "a.txt=A b.txt=oldB c.txt=C");
    const QString done = app.form.Label_FileStatus.Caption();
    const QString note = done.section("   ", 0, 0);
    EXPECT_EQ(note, "Copied 1 file.");
    EXPECT_TRUE(done.endsWith(" 3 files")) << done.toStdString();
    // The note outlives the re-reads the copy causes, not the folder.
    app.form.FileList.Refresh();
    EXPECT_EQ(app.form.Label_FileStatus.Caption(), done);
    app.form.DirList.setPath(app.from);
    EXPECT_FALSE(app.form.Label_FileStatus.Caption().contains(note));
    app.form.DirList.setPath(app.work);

    app.tmp.writeFile("home/from/big", QByteArray(200000, 'x'));
    app.clip(FileUris::UriListType, {"big"});
    {
        const FileSizeLimit limit(100000);
        app.host.answer("OK");
        app.form.Menu_PasteFiles.RaiseClick();
    }
    ASSERT_EQ(app.host.messages.size(), 2u);
    EXPECT_TRUE(app.host.messages.back().prompt.contains("big"));
    EXPECT_EQ(QDir(app.work).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).size(), 3);
}

TEST(Paste, AReadOnlyFolderRefusesWithAMessageAndAMoveOutOfItSaysWhatStayed)
{
    Paste app;
    const QString locked = app.tmp.makeFolder("home/locked");
    const ReadOnlyFolder readOnly(locked.toUtf8(), [&] { app.tmp.writeFile("home/locked/kept.txt", "K"); });
    if (readOnly.failed())
        GTEST_SKIP() << "cannot make a read-only folder here: mounting a tmpfs needs CAP_SYS_ADMIN for root";
    const auto inLocked = [&] {
        return QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    };
    // Paste, New Folder and Delete in the read-only folder: each says why, nothing changes there.
    app.form.DirList.setPath(locked);
    app.clip(FileUris::CopiedFilesType, {"c.txt"});
    app.host.answer("OK");
    app.form.Menu_PasteFiles.RaiseClick();
    app.onDialog<NameForm>("NameForm", [](NameForm& f) { f.Command_OK_Click(); });
    app.host.answer("OK");
    app.onDialog<NameForm>("NameForm", [](NameForm& f) { f.Command_Cancel_Click(); });
    app.form.Menu_NewFolder.RaiseClick();
    app.form.FileList.SetFocus();
    app.form.FileList.setListIndex(0);
    app.host.answer("OK");
    app.form.Menu_TrashFiles.RaiseClick();
    EXPECT_TRUE(app.host.scriptsDone());
    EXPECT_EQ(app.host.messages.size(), 3u);
    EXPECT_EQ(inLocked(), QStringList{"kept.txt"});

    // A cut out of it fails, or across volumes copies and says the original could not be removed.
    app.form.DirList.setPath(app.work);
    app.clip(FileUris::CopiedFilesType, {locked + "/kept.txt"}, true);
    app.host.answer("OK");
    app.form.Menu_PasteFiles.RaiseClick();
    EXPECT_TRUE(app.host.scriptsDone());
    ASSERT_EQ(app.host.messages.size(), 4u);
    EXPECT_TRUE(app.host.messages.back().prompt.contains("kept.txt"));
    EXPECT_EQ(Paste::contents(app.work),
              readOnly.ownVolume() ? "a.txt=A b.txt=oldB kept.txt=K" : "a.txt=A b.txt=oldB");
    EXPECT_EQ(inLocked(), QStringList{"kept.txt"});
}

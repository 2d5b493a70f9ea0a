// Paste and drop in the main window on real folders: the clipboard's formats, the taken-name
// question, a cut's clipboard, a drop's choice between copy and move, a copy that waits on a slow
// disk, and a full disk.

#include "appfixture.h"
#include "core/dialogs/conflictform.h"
#include "core/dialogs/nameform.h"
#include "core/formats/fileuris.h"
#include "filesizelimit.h"
#include "readonlyfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using FileCopy::Answer;

struct Paste : AppFixture
{
    QString work = tmp.makeFolder("home/work");
    QString from = tmp.makeFolder("home/from");

    Paste()
    {
        tmp.writeFile("home/work/a.txt", "A");
        tmp.writeFile("home/work/b.txt", "oldB");
        tmp.writeFile("home/from/a.txt", "new");
        tmp.writeFile("home/from/b.txt", "B");
        tmp.writeFile("home/from/c.txt", "C");
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

#pragma once
// The dialog that offers the folders of the desktop's bookmarks, each with a check box, and
// appends the checked ones to the favorites list as an unsaved edit.

#include "core/formats/desktopbookmarks.h"
#include "core/toolkit/checklist.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"

class Module1;

class ImportBookmarksForm : public Form
{
    Q_OBJECT

public:
    explicit ImportBookmarksForm(Module1& module);

    static constexpr int ClientWidth = 7050;
    static constexpr int ClientHeight = 4260;

    Label Label_Found;
    CheckList List_Folders;
    CommandButton Command_Import;
    CommandButton Command_Cancel;

    /// The folders to offer, set before the form is shown.
    QList<DesktopBookmarks::Bookmark> Folders;
    /// How many checked folders could not be stored in the favorites file and were left out.
    int Skipped = 0;
    /// How many were appended, and how many the full list left out.
    int Added = 0;
    int LeftOut = 0;

    void List_Folders_ItemCheck(int index);
    void Command_Import_Click();
    void Command_Cancel_Click();

protected:
    void Form_Load() override;

private:
    Module1& m_module;
};

/// The folders of both bookmark files, each once (the KDE file adds its filter to a GTK entry),
/// and a message for each file that could not be read.
struct FoundBookmarks
{
    QList<DesktopBookmarks::Bookmark> folders;
    QStringList problems;
};
FoundBookmarks CollectDesktopBookmarks(bool swedish);

/// What to tell about a bookmarks file that could not be used; nothing when it could.
std::optional<QString> BookmarkFileProblem(const QString& path, DesktopBookmarks::BookmarkFile::Status status,
                                           const QString& error, bool sv);

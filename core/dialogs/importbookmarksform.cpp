// The import dialog: one check box per folder, those already in the list unchecked and marked.
#include "core/dialogs/importbookmarksform.h"

#include "core/dialogs/adddirform.h"
#include "core/dialogs/bookmarkstexts.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/storablefavorite.h"

#include <QDir>

namespace {

bool inFavorites(const MainWindowParts& main, const QString& path)
{
    const QString clean = QDir::cleanPath(path);
    for (const QString& favorite : main.FavoDirPath.Items()) {
        if (QDir::cleanPath(favorite) == clean)
            return true;
    }
    return false;
}

QString problem(const QString& path, const DesktopBookmarks::BookmarkFile& file, bool sv)
{
    namespace T = BookmarksText;
    const Bilingual& why =
        file.status == DesktopBookmarks::BookmarkFile::Malformed ? T::Malformed2 : T::Unreadable2;
    return T::Malformed1.text(sv) + path + why.text(sv) + file.error;
}

} // namespace

FoundBookmarks CollectDesktopBookmarks(bool swedish)
{
    using namespace DesktopBookmarks;
    FoundBookmarks found;
    const std::pair<QString, BookmarkFile> files[] = {{GtkPath(), ReadGtk(GtkPath())},
                                                      {XbelPath(), ReadXbel(XbelPath())}};
    for (const auto& [path, file] : files) {
        if (file.status == BookmarkFile::Malformed || file.status == BookmarkFile::Unreadable) {
            found.problems.append(problem(path, file, swedish));
            continue;
        }
        for (const Bookmark& folder : file.folders) {
            auto same = std::find_if(found.folders.begin(), found.folders.end(),
                                     [&folder](const Bookmark& b) { return b.path == folder.path; });
            if (same == found.folders.end()) {
                found.folders.append(folder);
                continue;
            }
            if (same->title.isEmpty())
                same->title = folder.title;
            if (same->filter.isEmpty())
                same->filter = folder.filter;
        }
    }
    return found;
}

ImportBookmarksForm::ImportBookmarksForm(Module1& module)
    : Form(module.host(), QStringLiteral("ImportBookmarksForm")),
      Label_Found(*this, controlName("Label_Found")), List_Folders(*this, controlName("List_Folders")),
      Command_Import(*this, controlName("Command_Import")),
      Command_Cancel(*this, controlName("Command_Cancel")), m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);
    Label_Found.Move(120, 120, 6810, 195);
    List_Folders.Move(120, 380, 6810, 3300);
    List_Folders.setTabIndex(0);
    Command_Import.Move(3720, 3840, 1455, 315);
    Command_Import.setTabIndex(1);
    Command_Cancel.Move(5400, 3840, 1455, 315);
    Command_Cancel.setTabIndex(2);
    Command_Import.setDefault(true);
    Command_Cancel.setCancel(true);

    List_Folders.ItemCheck = [this](int index) { List_Folders_ItemCheck(index); };
    Command_Import.Click = [this] { Command_Import_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
}

void ImportBookmarksForm::Form_Load()
{
    namespace T = BookmarksText;
    const bool sv = m_module.SwedishLanguage;
    setCaption(T::Caption.text(sv));
    Label_Found.setCaption(T::Found.text(sv));
    Command_Import.setCaption(T::Import.text(sv));
    Command_Cancel.setCaption(T::Cancel.text(sv));
    Skipped = 0;

    const MainWindowParts& main = m_module.mainWindow();
    List_Folders.Clear();
    for (const DesktopBookmarks::Bookmark& folder : Folders) {
        const bool present = inFavorites(main, folder.path);
        QString text = (folder.title.isEmpty() ? AddDirForm::ProposedName(folder.path) : folder.title) +
                       QStringLiteral("   ") + folder.path;
        if (!folder.filter.isEmpty())
            text += T::FilterMark.text(sv) + folder.filter;
        if (present)
            text += T::AlreadyThere.text(sv);
        List_Folders.AddItem(text, !present);
    }
    List_Folders_ItemCheck(-1);
    List_Folders.SetFocus();
}

void ImportBookmarksForm::List_Folders_ItemCheck(int)
{
    bool any = false;
    for (int i = 0; i < List_Folders.ListCount(); ++i)
        any = any || List_Folders.Checked(i);
    Command_Import.setEnabled(any);
}

void ImportBookmarksForm::Command_Import_Click()
{
    MainWindowParts& main = m_module.mainWindow();
    int added = 0;
    for (int i = 0; i < List_Folders.ListCount() && i < Folders.size(); ++i) {
        if (!List_Folders.Checked(i))
            continue;
        const DesktopBookmarks::Bookmark& folder = Folders.at(i);
        FavoritesEntry entry{folder.title.isEmpty() ? AddDirForm::ProposedName(folder.path) : folder.title,
                             folder.path, folder.filter};
        // A title that the file cannot hold gives way to the folder's own name.
        if (!IsStorableFavorite(entry))
            entry.name = AddDirForm::ProposedName(folder.path);
        if (!IsStorableFavorite(entry)) {
            ++Skipped;
            continue;
        }
        main.FavoDirList.AddItem(entry.name);
        main.FavoDirPath.AddItem(entry.path);
        main.FavoFileFilter.AddItem(entry.filter);
        ++added;
    }
    if (added > 0) {
        m_module.FavoListChanged = true;
        main.Menu_UndoChanges.setEnabled(true);
        main.Menu_SaveFavoFile.setEnabled(true);
    }
    Unload();
}

void ImportBookmarksForm::Command_Cancel_Click()
{
    Unload();
}

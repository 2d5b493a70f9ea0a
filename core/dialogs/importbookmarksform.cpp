// The import dialog: one check box per folder, those already in the list unchecked and marked.
#include "core/dialogs/importbookmarksform.h"

#include "core/dialogs/adddirform.h"
#include "core/dialogs/bookmarkstexts.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/storablefavorite.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <vector>

namespace {

// Looked up once per bookmark: a list of tens of thousands is compared in one pass.
QSet<QString> favoriteFolders(const MainWindowParts& main)
{
    QSet<QString> folders;
    for (const QString& favorite : main.FavoDirPath.Items())
        folders.insert(QDir::cleanPath(favorite));
    return folders;
}

} // namespace

std::optional<QString> BookmarkFileProblem(const QString& path, DesktopBookmarks::BookmarkFile::Status status,
                                           const QString& error, bool sv)
{
    namespace T = BookmarksText;
    using F = DesktopBookmarks::BookmarkFile;
    switch (status) {
    case F::Ok:
    case F::Missing:
        return std::nullopt;
    case F::Malformed:
        return T::Malformed1.text(sv) + path + T::Malformed2.text(sv) + error;
    case F::Unreadable:
        return T::Malformed1.text(sv) + path + T::Unreadable2.text(sv) + error;
    case F::NotRegular:
        return T::Malformed1.text(sv) + path + T::NotAFile2.text(sv);
    case F::TooLarge:
        return T::Malformed1.text(sv) + path + T::TooLarge2.text(sv);
    }
    return std::nullopt;
}

FoundBookmarks CollectDesktopBookmarks(bool swedish)
{
    using namespace DesktopBookmarks;
    FoundBookmarks found;
    const std::pair<QString, BookmarkFile> files[] = {{GtkPath(), ReadGtk(GtkPath())},
                                                      {XbelPath(), ReadXbel(XbelPath())}};
    QHash<QString, qsizetype> seen;
    for (const auto& [path, file] : files) {
        if (const std::optional<QString> problem =
                BookmarkFileProblem(path, file.status, file.error, swedish)) {
            found.problems.append(*problem);
            continue;
        }
        for (const Bookmark& folder : file.folders) {
            const auto known = seen.constFind(folder.path);
            if (known == seen.cend()) {
                seen.insert(folder.path, found.folders.size());
                found.folders.append(folder);
                continue;
            }
            Bookmark* same = &found.folders[*known];
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
    Added = 0;
    LeftOut = 0;

    const QSet<QString> inFavorites = favoriteFolders(m_module.mainWindow());
    List_Folders.Clear();
    QStringList texts;
    std::vector<bool> checked;
    texts.reserve(Folders.size());
    checked.reserve(size_t(Folders.size()));
    for (const DesktopBookmarks::Bookmark& folder : Folders) {
        const bool present = inFavorites.contains(QDir::cleanPath(folder.path));
        QString text = (folder.title.isEmpty() ? AddDirForm::ProposedName(folder.path) : folder.title) +
                       QStringLiteral("   ") + folder.path;
        if (!folder.filter.isEmpty())
            text += T::FilterMark.text(sv) + folder.filter;
        if (present)
            text += T::AlreadyThere.text(sv);
        texts.append(text);
        checked.push_back(!present);
    }
    List_Folders.AddItems(texts, checked);
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
    QList<FavoritesEntry> chosen;
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
        chosen.append(entry);
    }
    const qsizetype added = main.Favorites.append(chosen);
    LeftOut = int(chosen.size() - added);
    Added = int(added);
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

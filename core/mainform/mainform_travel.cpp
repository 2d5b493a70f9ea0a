// The favorites beyond the one open file: type-ahead in the list, finding a favorite in all five
// files, and the desktop's bookmarks both ways.

#include "core/dialogs/bookmarkstexts.h"
#include "core/dialogs/favodatafiletexts.h"
#include "core/dialogs/findfavoriteform.h"
#include "core/dialogs/findfavoriteformtexts.h"
#include "core/dialogs/importbookmarksform.h"
#include "core/dialogs/module1.h"
#include "core/formats/desktopbookmarks.h"
#include "core/formats/favoritesio.h"
#include "core/mainform/favoritecheck.h"
#include "core/mainform/mainform.h"
#include "core/mainform/mainformtexts.h"
#include "core/system/host.h"

#include <QDir>
#include <algorithm>
#include <chrono>

namespace {

qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

void MainForm::buildFavoritesExtras()
{
    Menu_Sep8.setCaption(MainFormText::Separator.toString());
    for (MenuItem* item : {&Menu_Sep8, &Menu_FindFavorite, &Menu_ImportBookmarks, &Menu_ExportBookmarks})
        Menu_FavoDirs.addItem(*item);
    Menu_FindFavorite.Click = [this] { Menu_FindFavorite_Click(); };
    Menu_ImportBookmarks.Click = [this] { Menu_ImportBookmarks_Click(); };
    Menu_ExportBookmarks.Click = [this] { Menu_ExportBookmarks_Click(); };
    FavoDirList.KeyPress = [this](int16_t& keyAscii) { FavoDirList_KeyPress(keyAscii); };
    setFavoritesExtrasCaptions();
}

void MainForm::setFavoritesExtrasCaptions()
{
    const bool sv = m_module.SwedishLanguage;
    Menu_FindFavorite.setCaption(FindFavoriteText::Menu.text(sv));
    Menu_ImportBookmarks.setCaption(BookmarksText::ImportMenu.text(sv));
    Menu_ExportBookmarks.setCaption(BookmarksText::ExportMenu.text(sv));
}

void MainForm::FavoDirList_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii == KeyCode::Enter) {
        // Opens what the typing highlighted; Enter on an opened favorite does nothing, as before.
        if (TypeAheadIndex >= 0 && TypeAheadIndex == FavoDirList.ListIndex())
            FavoDirList.setListIndex(TypeAheadIndex);
        m_typeAhead.reset();
        return;
    }
    // Space, Escape, Backspace and control characters end the typing (Space also moves the focus).
    if (KeyAscii <= KeyCode::Space) {
        m_typeAhead.reset();
        return;
    }
    const int found =
        m_typeAhead.next(FavoDirList.Items(), FavoDirList.ListIndex(), QChar(char16_t(KeyAscii)), nowMs(),
                         [this](int i) { return FavoDirPath.List(int16_t(i)) == u"-"; });
    if (found < 0)
        return;
    FavoDirList.Highlight(int16_t(found));
    TypeAheadIndex = int16_t(found);
}

void MainForm::Menu_FindFavorite_Click()
{
    FindFavoriteForm find(m_module);
    find.ShowModal();
    if (find.Chosen)
        OpenFavoriteInFile(find.Chosen->set, find.ChosenEntry, find.Chosen->index);
}

bool MainForm::OpenFavoriteInFile(int16_t set, const FavoritesEntry& entry, int16_t index)
{
    if (set != CurFavoFile) {
        Menu_FavoFile_Click(set);
        if (CurFavoFile != set)
            return false;
    }
    const auto matches = [this, &entry](int16_t i) {
        return FavoDirList.List(i) == entry.name && FavoDirPath.List(i) == entry.path;
    };
    int16_t found = -1;
    if (index >= 0 && index < FavoDirList.ListCount() && matches(index)) {
        found = index;
    } else {
        for (int16_t i = 0; i < FavoDirList.ListCount() && found < 0; ++i) {
            if (matches(i))
                found = i;
        }
    }
    if (found < 0) {
        namespace T = FindFavoriteText;
        const bool sv = m_module.SwedishLanguage;
        m_module.ShowMessBox(T::Gone1.text(sv) + entry.name + T::Gone2.text(sv) + QString::number(set) + u'.',
                             MsgStyle::OKOnly, T::GoneTitle.text(sv));
        return false;
    }
    FavoDirList.SetFocus();
    FavoDirList.setListIndex(found);
    return true;
}

void MainForm::Menu_ImportBookmarks_Click()
{
    namespace T = BookmarksText;
    const bool sv = m_module.SwedishLanguage;
    const FoundBookmarks found = CollectDesktopBookmarks(sv);
    for (const QString& problem : found.problems)
        m_module.ShowMessBox(problem, MsgStyle::OKOnly, T::Title.text(sv));
    if (found.folders.isEmpty()) {
        m_module.ShowMessBox(T::NothingFound.text(sv) + DesktopBookmarks::GtkPath() + u'\n' +
                                 DesktopBookmarks::XbelPath(),
                             MsgStyle::OKOnly, T::Title.text(sv));
        return;
    }
    ImportBookmarksForm form(m_module);
    form.Folders = found.folders;
    form.ShowModal();
    if (form.Skipped > 0)
        m_module.ShowMessBox(QString::number(form.Skipped) + T::Skipped.text(sv), MsgStyle::OKOnly,
                             T::Title.text(sv));
    if (form.LeftOut > 0)
        m_module.ShowMessBox(
            FavoDataFileText::ImportFull.text(sv).arg(MaxFavorites).arg(form.Added).arg(form.LeftOut),
            MsgStyle::OKOnly, FavoDataFileText::TooManyTitle.text(sv));
}

void MainForm::Menu_ExportBookmarks_Click()
{
    namespace T = BookmarksText;
    using namespace DesktopBookmarks;
    const bool sv = m_module.SwedishLanguage;
    QList<Bookmark> folders;
    for (int16_t i = 0; i < FavoDirList.ListCount(); ++i) {
        const FavoritesEntry entry{FavoDirList.List(i), FavoDirPath.List(i), FavoFileFilter.List(i)};
        // Separators and paths that are not absolute have no place among the desktop's folders.
        if (FavoritesIo::IsSeparator(entry) || !QDir::isAbsolutePath(entry.path))
            continue;
        const QString path = QDir::cleanPath(entry.path);
        // A folder listed twice is one bookmark, under its first name.
        if (std::none_of(folders.begin(), folders.end(),
                         [&path](const Bookmark& b) { return b.path == path; }))
            folders.append({path, entry.name, entry.filter});
    }
    if (folders.isEmpty()) {
        m_module.ShowMessBox(T::NothingToExport.text(sv), MsgStyle::OKOnly, T::Title.text(sv));
        return;
    }
    // A folder that is gone would be a dead bookmark in every file manager of the desktop. The
    // check runs off the window's thread; a folder that does not answer in time is kept.
    QStringList paths;
    for (const Bookmark& folder : folders)
        paths << folder.path;
    host().CheckFolders(paths, FavoriteCheck::TimeoutMilliseconds,
                        [this, folders](const std::vector<Host::FolderState>& states) {
                            if (!IsLoaded())
                                return;
                            QList<Bookmark> present;
                            for (qsizetype i = 0; i < folders.size(); ++i)
                                if (size_t(i) >= states.size() ||
                                    states[size_t(i)] != Host::FolderState::Missing)
                                    present.append(folders.at(i));
                            exportBookmarks(present, folders.size() - present.size());
                        });
}

void MainForm::exportBookmarks(const QList<DesktopBookmarks::Bookmark>& folders, qsizetype leftOut)
{
    namespace T = BookmarksText;
    using namespace DesktopBookmarks;
    const bool sv = m_module.SwedishLanguage;
    const QString leftOutText =
        leftOut > 0 ? QStringLiteral("\n\n") + QString::number(leftOut) + T::LeftOut.text(sv) : QString();
    if (folders.isEmpty()) {
        m_module.ShowMessBox(T::NothingToExport.text(sv) + leftOutText, MsgStyle::OKOnly, T::Title.text(sv));
        return;
    }
    const std::pair<Format, QString> files[] = {{Format::Gtk, GtkPath()}, {Format::Xbel, XbelPath()}};
    if (m_module.ShowMessBox(T::ExportAsk1.text(sv) + QString::number(folders.size()) +
                                 T::ExportAsk2.text(sv) + files[0].second + u'\n' + files[1].second +
                                 leftOutText + T::ExportAsk3.text(sv),
                             MsgStyle::OKCancel, T::Title.text(sv)) == MsgAnswer::Cancel)
        return;

    QStringList report;
    for (const auto& [format, path] : files) {
        const ExportResult result = Export(format, path, folders);
        if (const std::optional<QString> problem =
                BookmarkFileProblem(path, result.status, result.error, sv)) {
            report.append(*problem);
            continue;
        }
        if (!result.error.isEmpty()) {
            report.append(T::Malformed1.text(sv) + path + T::SaveFailed2.text(sv) + result.error);
            continue;
        }
        QString line = path + QStringLiteral(": ") + QString::number(result.added) + T::Added.text(sv) +
                       QString::number(result.present) + T::Present.text(sv);
        if (result.backup)
            line += T::Backup.text(sv) + path + QStringLiteral(".bak");
        report.append(line);
    }
    m_module.ShowMessBox(report.join(QStringLiteral("\n\n")), MsgStyle::OKOnly, T::Title.text(sv));
}

// The file actions of the main window: hidden files, back and forward through the folders
// visited, and the actions on the files and folders themselves.

#include "core/dialogs/module1.h"
#include "core/dialogs/nameform.h"
#include "core/formats/fileuris.h"
#include "core/formats/startsettings.h"
#include "core/mainform/fileactionstexts.h"
#include "core/mainform/mainform.h"
#include "core/system/filelisting.h"
#include "core/system/filename.h"
#include "core/system/fileops.h"
#include "core/system/host.h"
#include "core/system/runtimeerror.h"
#include "core/system/trash.h"

void MainForm::buildFileActions()
{
    Menu_Sep9.setCaption(QStringLiteral("-"));
    Menu_Sep10.setCaption(QStringLiteral("-"));
    Menu_Sep11.setCaption(QStringLiteral("-"));
    for (MenuItem* item :
         {&Menu_NewFolder, &Menu_RenameFile, &Menu_TrashFiles, &Menu_DeleteFiles, &Menu_Sep11,
          &Menu_CopyFiles, &Menu_CutFiles, &Menu_PasteFiles, &Menu_CancelCopy, &Menu_Sep9, &Menu_ShowHidden,
          &Menu_Sep10, &Menu_Back, &Menu_Forward, &Menu_Location})
        Menu_Files.addItem(*item);
    m_menuBar.push_back(&Menu_Files);
    Menu_NewFolder.Click = [this] { Menu_NewFolder_Click(); };
    Menu_RenameFile.Click = [this] { Menu_RenameFile_Click(); };
    FileList.NameEdit.Done = [this](int index, const QString& text) { renameRow(false, index, text); };
    DirList.NameEdit.Done = [this](int index, const QString& text) { renameRow(true, index, text); };
    Menu_TrashFiles.Click = [this] { Menu_TrashFiles_Click(); };
    Menu_DeleteFiles.Click = [this] { Menu_DeleteFiles_Click(); };
    Menu_ShowHidden.Click = [this] { Menu_ShowHidden_Click(); };
    Menu_Location.Click = [this] { Menu_Location_Click(); };
    Menu_CopyFiles.Click = [this] { Menu_CopyFiles_Click(); };
    Menu_CutFiles.Click = [this] { Menu_CutFiles_Click(); };
    Text_Location.Move(DirList.Left(), DirList.Top(), DirList.Width(), 315);
    Text_Location.setVisible(false);
    Text_Location.setTabIndex(15);
    Text_Location.Change = [this] { Text_Location_Change(); };
    Text_Location.KeyPress = [this](int16_t& keyAscii) { Text_Location_KeyPress(keyAscii); };
    // Leaving the field any other way is Escape.
    connect(this, &Form::focusChanged, this, [this](Control* control) {
        if (control != &Text_Location && Text_Location.Visible())
            Text_Location.setVisible(false);
    });
    Menu_Back.Click = [this] { Menu_Back_Click(); };
    Menu_Forward.Click = [this] { Menu_Forward_Click(); };
    Menu_Back.setEnabled(false);
    Menu_Forward.setEnabled(false);
    connect(&DirList, &FolderList::itemsChanged, this, [this] { noteVisit(); });
    buildPaste();
    setFileActionsCaptions();
}

void MainForm::setFileActionsCaptions()
{
    namespace T = FileActionsText;
    const bool sv = m_module.SwedishLanguage;
    const std::pair<MenuItem*, const Bilingual*> menus[] = {
        {&Menu_Files, &T::Menu},       {&Menu_NewFolder, &T::NewFolder}, {&Menu_RenameFile, &T::Rename},
        {&Menu_TrashFiles, &T::Trash}, {&Menu_DeleteFiles, &T::Delete},  {&Menu_ShowHidden, &T::ShowHidden},
        {&Menu_Back, &T::Back},        {&Menu_Forward, &T::Forward},     {&Menu_Location, &T::Location},
        {&Menu_CopyFiles, &T::Copy},   {&Menu_CutFiles, &T::Cut},
    };
    for (const auto& [item, text] : menus)
        item->setCaption(text->text(sv));
    setPasteCaptions();
}

void MainForm::Menu_ShowHidden_Click()
{
    const bool show = !Menu_ShowHidden.Checked();
    Menu_ShowHidden.setChecked(show);
    DirList.setShowHidden(show);
    FileList.setShowHidden(show);
}

void MainForm::noteVisit()
{
    const QString& folder = DirList.Path();
    if (folder.isEmpty() || m_travelling || (!m_visited.empty() && m_visited[m_visitAt] == folder))
        return;
    // A new way from here forgets where Forward led.
    if (!m_visited.empty())
        m_visited.resize(m_visitAt + 1);
    m_visited.push_back(folder);
    m_visitAt = m_visited.size() - 1;
    Menu_Back.setEnabled(m_visitAt > 0);
    Menu_Forward.setEnabled(false);
}

void MainForm::travelHistory(int step)
{
    m_travelling = true;
    for (auto at = qsizetype(m_visitAt) + step; at >= 0 && at < qsizetype(m_visited.size()); at += step) {
        // A step that would stay where it is (the folder between was skipped) goes on.
        if (m_visited[size_t(at)] == DirList.Path())
            continue;
        try {
            DirList.setPath(m_visited[size_t(at)]);
            m_visitAt = size_t(at);
            break;
        } catch (const RunTimeError&) {
            // Gone or unreadable since: the next one in that direction.
        }
    }
    m_travelling = false;
    Menu_Back.setEnabled(m_visitAt > 0);
    Menu_Forward.setEnabled(m_visitAt + 1 < m_visited.size());
}

void MainForm::Menu_Back_Click()
{
    travelHistory(-1);
}

void MainForm::Menu_Forward_Click()
{
    travelHistory(+1);
}

std::optional<int> MainForm::changeOnDisk(const QString& key, std::function<int()> change)
{
    const std::optional<int> error =
        host().workers().ask<int>(key, std::move(change), Workers::NoAnswerMilliseconds);
    if (!error) {
        const bool sv = m_module.SwedishLanguage;
        m_module.ShowMessBox(FileActionsText::NoAnswer.text(sv), MsgStyle::OKOnly,
                             FileActionsText::Menu.text(sv).remove(QLatin1Char('&')));
    }
    return error;
}

bool MainForm::refuseName(const QString& name, int error, const QString& title)
{
    namespace T = FileActionsText;
    const bool sv = m_module.SwedishLanguage;
    QString prompt;
    switch (FileOps::CheckName(name)) {
    case FileOps::NameFault::Empty:
        prompt = T::NameEmpty.text(sv);
        break;
    case FileOps::NameFault::Slash:
        prompt = T::NameSlash.text(sv);
        break;
    case FileOps::NameFault::None:
        if (error == EEXIST)
            prompt = T::NameExists1.text(sv) + FileNameForDisplay(name) + T::NameExists2.text(sv);
        else if (error != 0)
            prompt = T::Failed1.text(sv) + FileNameForDisplay(name) + T::Failed2.text(sv) +
                     FileOps::ErrorText(error);
        break;
    }
    if (prompt.isEmpty())
        return false;
    m_module.ShowMessBox(prompt, MsgStyle::OKOnly, title);
    return true;
}

void MainForm::Menu_NewFolder_Click()
{
    namespace T = FileActionsText;
    const bool sv = m_module.SwedishLanguage;
    const QString folder = DirList.Path();
    if (folder.isEmpty())
        return;
    QString name = T::NewFolderName.text(sv);
    for (;;) {
        NameForm ask(m_module);
        const std::optional<QString> typed =
            ask.Ask(T::NewFolderTitle.text(sv), T::NewFolderPrompt.text(sv), name);
        if (!typed)
            return;
        name = *typed;
        if (refuseName(name, 0, T::NewFolderTitle.text(sv)))
            continue;
        const std::optional<int> error =
            changeOnDisk(QStringLiteral("mkdir:") + FileOps::Join(folder, name),
                         [folder, name] { return FileOps::MakeFolder(folder, name); });
        if (!error)
            return;
        if (refuseName(name, *error, T::NewFolderTitle.text(sv)))
            continue;
        break;
    }
    // The tree shows the new folder highlighted; the file list stays on the open folder's files.
    DirList.Refresh();
    const QString created = FileOps::Join(folder, name);
    for (int i = 0; i < DirList.ListCount(); ++i) {
        if (DirList.List(i) == created) {
            DirList.setListIndex(i);
            break;
        }
    }
    DirList.SetFocus();
}

void MainForm::Menu_RenameFile_Click()
{
    if (ActiveControl() == &DirList) {
        const int index = DirList.ListIndex();
        if (index >= 0) {
            const QString name = QFileInfo(DirList.List(index)).fileName();
            DirList.NameEdit.Begin(index, name, int(name.size()));
        }
        return;
    }
    const int index = FileList.ListIndex();
    if (index < 0)
        return;
    const QString name = FileList.List(index);
    FileList.SetFocus();
    FileList.NameEdit.Begin(index, name, NameStemLength(name));
}

void MainForm::renameRow(bool inTree, int index, const QString& text)
{
    const QString oldPath =
        inTree ? DirList.List(index) : FileOps::Join(FileList.Path(), FileList.List(index));
    const QString folder = inTree ? DirList.Path() : FileList.Path();
    const QString oldName = QFileInfo(oldPath).fileName();
    if (oldPath.isEmpty() || text == oldName)
        return;
    const QString title = FileActionsText::RenameTitle.text(m_module.SwedishLanguage);
    RowEdit& edit = inTree ? DirList.NameEdit : FileList.NameEdit;
    std::optional<int> error = 0;
    if (FileOps::CheckName(text) == FileOps::NameFault::None)
        error = changeOnDisk(QStringLiteral("rename:") + oldPath, [folder, oldName, text] {
            return FileOps::RenameNoReplace(folder, oldName, text);
        });
    if (!error)
        return;
    if (refuseName(text, *error, title)) {
        // Back to the box with what was typed, to correct it or leave with Escape.
        edit.Begin(index, text, NameStemLength(text));
        return;
    }
    if (inTree) {
        DirList.Refresh();
        const QString renamed = FileOps::Join(folder, text);
        for (int i = 0; i < DirList.ListCount(); ++i)
            if (DirList.List(i) == renamed)
                DirList.setListIndex(i);
        return;
    }
    FileList.Refresh();
    FileList.setListIndex(FileList.IndexOf(text));
}

QStringList MainForm::chosenPaths(bool& inTree) const
{
    inTree = ActiveControl() == &DirList;
    if (inTree)
        return DirList.ListIndex() >= 0 ? QStringList{DirList.List(DirList.ListIndex())} : QStringList();
    QStringList paths;
    for (const int index : FileList.SelectedIndexes())
        paths << FileOps::Join(FileList.Path(), FileList.List(index));
    return paths;
}

void MainForm::Menu_TrashFiles_Click()
{
    removeChosen(false);
}

void MainForm::Menu_DeleteFiles_Click()
{
    removeChosen(true);
}

void MainForm::removeChosen(bool forGood)
{
    namespace T = FileActionsText;
    const bool sv = m_module.SwedishLanguage;
    bool inTree = false;
    const QStringList paths = chosenPaths(inTree);
    if (paths.isEmpty())
        return;
    if (forGood) {
        const QString prompt =
            paths.size() == 1
                ? T::DeleteOne1.text(sv) + FileNameForDisplay(QFileInfo(paths.front()).fileName()) +
                      T::DeleteOne2.text(sv)
                : T::DeleteMany1.text(sv) + QString::number(paths.size()) + T::DeleteMany2.text(sv);
        if (m_module.ShowMessBox(prompt, MsgStyle::YesNo, T::DeleteTitle.text(sv)) != MsgAnswer::Yes)
            return;
    }
    // The trash of the user's data folder, the parent of the program's own.
    const QString homeTrash = Trash::HomeTrash(QFileInfo(host().DataFolder()).path());
    const int index = inTree ? DirList.ListIndex() : FileList.SelectedIndexes().front();
    for (const QString& path : paths) {
        const std::optional<int> error = changeOnDisk(
            (forGood ? QStringLiteral("delete:") : QStringLiteral("trash:")) + path,
            [path, homeTrash, forGood] {
                return forGood ? Trash::DeleteForGood(path) : Trash::MoveToTrash(path, homeTrash);
            });
        if (!error)
            break;
        if (*error != 0) {
            const QString title = (forGood ? T::DeleteTitle : T::Trash).text(sv).remove(QLatin1Char('&'));
            m_module.ShowMessBox(T::Failed1.text(sv) + FileNameForDisplay(QFileInfo(path).fileName()) +
                                     (forGood ? T::DeleteFailed : T::TrashFailed).text(sv) +
                                     FileOps::ErrorText(*error),
                                 MsgStyle::OKOnly, title);
        }
    }
    // The highlight stays where it was, on what moved up into the gap.
    if (inTree) {
        DirList.Refresh();
        DirList.setListIndex(std::min(index, DirList.ListCount() - 1));
        return;
    }
    FileList.Refresh();
    FileList.setListIndex(std::min(index, FileList.ListCount() - 1));
}

QString MainForm::LocationPath(const QString& typed, const QString& home, const QString& base)
{
    QString path = typed.trimmed();
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = home + path.mid(1);
    return FolderList::AbsolutePath(path, base);
}

QStringList MainForm::LocationCompletions(const QString& typed, const QString& home, const QString& base,
                                          bool hidden)
{
    const qsizetype slash = typed.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    const QString typedFolder = typed.left(slash + 1);
    const QString start = typed.mid(slash + 1);
    QStringList found;
    try {
        const FileListing::Contents contents = FileListing::read(
            LocationPath(typedFolder, home, base), {}, hidden || start.startsWith(QLatin1Char('.')));
        contents.folders->sort();
        for (int i = 0; i < contents.folders->count() && found.size() < 100; ++i) {
            const QString name = FileNameFromBytes(contents.folders->name(i));
            if (name.startsWith(start, Qt::CaseInsensitive))
                found << typedFolder + name + QLatin1Char('/');
        }
    } catch (const RunTimeError&) {
        // Nothing to offer under a folder that cannot be read.
    }
    return found;
}

void MainForm::Menu_Location_Click()
{
    if (!Text_Location.Visible())
        m_beforeLocation = ActiveControl();
    Text_Location.setText(DirList.Path());
    Text_Location.setSelLength(-1);
    Text_Location.setSelLength(int(Text_Location.Text().size()));
    Text_Location.setVisible(true);
    Text_Location.SetFocus();
}

void MainForm::Text_Location_Change()
{
    if (!Text_Location.Visible())
        return;
    const QString typed = Text_Location.Text();
    const QString home = host().HomeFolder();
    const QString base = DirList.Path();
    const bool hidden = Menu_ShowHidden.Checked();
    // A slow share offers nothing rather than holding the typing up.
    Text_Location.setCompletions(host()
                                     .workers()
                                     .ask<QStringList>(QStringLiteral("complete:") + typed,
                                                       [typed, home, base, hidden] {
                                                           return LocationCompletions(typed, home, base,
                                                                                      hidden);
                                                       })
                                     .value_or(QStringList()));
}

void MainForm::closeLocation()
{
    Text_Location.setVisible(false);
    Text_Location.setCompletions({});
    Control* back = m_beforeLocation ? m_beforeLocation : &DirList;
    m_beforeLocation = nullptr;
    back->SetFocus();
}

void MainForm::Text_Location_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii == KeyCode::Escape) {
        closeLocation();
        return;
    }
    if (KeyAscii != KeyCode::Enter)
        return;
    const QString folder = LocationPath(Text_Location.Text(), host().HomeFolder(), DirList.Path());
    try {
        DirList.setPath(folder);
    } catch (const RunTimeError&) {
        namespace T = FileActionsText;
        const bool sv = m_module.SwedishLanguage;
        m_module.ShowMessBox(T::LocationMissing1.text(sv) + FileNameForDisplay(folder) +
                                 T::LocationMissing2.text(sv),
                             MsgStyle::OKOnly, T::LocationTitle.text(sv));
        Text_Location.SetFocus();
        return;
    }
    m_beforeLocation = &DirList;
    closeLocation();
}

void MainForm::Menu_CopyFiles_Click()
{
    bool inTree = false;
    const QStringList paths = chosenPaths(inTree);
    if (!paths.isEmpty())
        host().ClipboardSetData(
            {{QString::fromLatin1(FileUris::UriListType), FileUris::ComposeUriList(paths)},
             {QString::fromLatin1(FileUris::CopiedFilesType), FileUris::ComposeCopiedFiles(paths, false)}});
}

void MainForm::Menu_CutFiles_Click()
{
    bool inTree = false;
    const QStringList paths = chosenPaths(inTree);
    if (!paths.isEmpty())
        host().ClipboardSetData(
            {{QString::fromLatin1(FileUris::UriListType), FileUris::ComposeUriList(paths)},
             {QString::fromLatin1(FileUris::CopiedFilesType), FileUris::ComposeCopiedFiles(paths, true)}});
}

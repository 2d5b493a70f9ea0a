// The user's commands around the favorites files: save now, undo by reloading, switch between
// the five files, and edit the active file in the desktop's text editor.

#include "core/dialogs/module1.h"
#include "core/mainform/favoritestexts.h"
#include "core/mainform/mainform.h"
#include "core/system/host.h"
#include "core/system/texteditor.h"

void MainForm::Menu_FavoFile_Click(int16_t Index)
{
    if (Index == CurFavoFile)
        return;
    const bool sv = m_module.SwedishLanguage;
    if (!saveChangesFirst(FavoritesText::ChangeFavoFile.text(sv),
                          FavoritesText::ChangeFavoFileTitle.text(sv)))
        return;
    CurFavoFile = Index;
    MarkFavoFileMenus();
    LoadFavoFile();
}

void MainForm::Menu_FF_Click(int16_t Index)
{
    Menu_FavoFile_Click(Index);
}

void MainForm::Menu_SaveFavoFile_Click()
{
    SaveFavoFile();
}

void MainForm::Menu_UndoChanges_Click()
{
    const bool sv = m_module.SwedishLanguage;
    if (m_module.ShowMessBox(FavoritesText::Undo.text(sv), MsgStyle::OKCancel,
                             FavoritesText::UndoTitle.text(sv)) != MsgAnswer::Cancel)
        LoadFavoFile();
}

void MainForm::Menu_EditFavoFile_Click()
{
    namespace T = FavoritesText;
    const bool sv = m_module.SwedishLanguage;
    if (!saveChangesFirst(T::SaveBeforeEdit.text(sv), T::EditFavoFileTitle.text(sv)))
        return;

    const TextEditor::Command editor = TextEditor::Find(FavoFilePath);
    if (editor.program.isEmpty() || !host().StartProcess(editor.program, editor.arguments)) {
        m_module.ShowMessBox(T::NoEditor.text(sv), MsgStyle::OKOnly, T::FavoFileErrorTitle.text(sv));
        return;
    }
    if (m_module.ShowMessBox(T::RefreshAfterEdit.text(sv), MsgStyle::YesNo, T::EditFavoFileTitle.text(sv)) !=
        MsgAnswer::No)
        LoadFavoFile();
}

bool MainForm::saveChangesFirst(const QString& prompt, const QString& title)
{
    if (!m_module.FavoListChanged)
        return true;
    const int16_t answer = m_module.ShowMessBox(prompt, MsgStyle::YesNoCancel, title);
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer == MsgAnswer::Yes) {
        SaveFavoFile();
        // A save that failed has said so; going on would drop the changes it could not write.
        return !m_module.FavoListChanged;
    }
    return true;
}

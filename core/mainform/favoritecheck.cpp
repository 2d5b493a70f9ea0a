// The check for missing favorites: scheduling it, asking the host about each folder, dimming those gone.
#include "core/mainform/favoritecheck.h"

#include "core/dialogs/module1.h"
#include "core/mainform/favoritechecktexts.h"
#include "core/mainform/mainform.h"

FavoriteCheck::FavoriteCheck(MainForm& form) : m_form(form)
{
    QObject::connect(&form.FavoDirPath, &ListBox::itemsChanged, &form.FavoDirPath, [this] { schedule(); });
}

void FavoriteCheck::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    m_form.host().StartTimer(0, [this] {
        m_scheduled = false;
        run();
    });
}

void FavoriteCheck::run()
{
    QStringList folders;
    for (const QString& path : m_form.FavoDirPath.Items()) {
        // Separators and entries without a path name no folder.
        if (!path.isEmpty() && path != QLatin1String("-") && !folders.contains(path))
            folders << path;
    }
    // An answer to an older check describes a list that has changed since: it is dropped.
    const unsigned generation = ++m_generation;
    m_form.host().CheckFolders(folders, TimeoutMilliseconds,
                               [this, generation, folders](const std::vector<Host::FolderState>& states) {
                                   if (generation != m_generation)
                                       return;
                                   m_states.clear();
                                   for (qsizetype i = 0; i < folders.size() && size_t(i) < states.size(); ++i)
                                       m_states.insert(folders.at(i), states[size_t(i)]);
                                   showNotes();
                               });
}

void FavoriteCheck::showNotes()
{
    const bool sv = m_form.module().SwedishLanguage;
    ListBox& names = m_form.FavoDirList;
    for (int16_t i = 0; i < names.ListCount(); ++i) {
        const QString path = m_form.FavoDirPath.List(i);
        QString note;
        switch (m_states.value(path, Host::FolderState::Present)) {
        case Host::FolderState::Present:
            break;
        case Host::FolderState::Missing:
            note = FavoriteCheckText::Missing.text(sv) + path;
            break;
        case Host::FolderState::NoAnswer:
            note = FavoriteCheckText::NoAnswer.text(sv) + path;
            break;
        }
        names.setItemNote(i, note);
    }
}

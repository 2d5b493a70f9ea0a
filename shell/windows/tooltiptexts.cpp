// The tooltips and accessible names of every window's controls in both languages, and setting
// them on a form's widgets.
#include "shell/windows/tooltiptexts.h"

#include "core/toolkit/bilingual.h"
#include "core/toolkit/control.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "shell/widgets/formview.h"

#include <QWidget>

namespace {

struct Row
{
    QStringView form;
    QStringView control;
    Bilingual text;
};

// clang-format off
constexpr Row Rows[] = {
    {u"MainForm", u"FavoDirList", {u"Favorite folders: a click opens one, a right click edits the list",
                                   u"Favoritmappar: ett klick öppnar en, högerklick redigerar listan"}},
    {u"MainForm", u"DirList", {u"Folder tree: a double click or Enter opens a folder",
                               u"Mappträd: dubbelklick eller Enter öppnar en mapp"}},
    {u"MainForm", u"FileList", {u"Files in the open folder: a double click or Enter opens one",
                                u"Filer i den öppna mappen: dubbelklick eller Enter öppnar en"}},
    {u"MainForm", u"FileFind", {u"Filter for the file list, for example *.txt (Ctrl+F)",
                                u"Filter för fillistan, till exempel *.txt (Ctrl+F)"}},
    {u"MainForm", u"Command_GotoSavedPath", {u"Go to the saved start folder",
                                             u"Gå till den sparade startmappen"}},
    {u"MainForm", u"Command_UpOneLevel", {u"Up one level (Alt+Up, Backspace)",
                                          u"Upp en nivå (Alt+Uppil, Backsteg)"}},
    {u"MainForm", u"Command_RefreshFolderList", {u"Read the folder tree again (Shift+F5)",
                                                 u"Läs in mappträdet igen (Skift+F5)"}},
    {u"MainForm", u"Command_OpenExplorer", {u"Open the folder in the desktop's file manager",
                                            u"Öppna mappen i skrivbordets filhanterare"}},
    {u"MainForm", u"Command_RefreshFileList", {u"Read the file list again (F5)",
                                               u"Läs in fillistan igen (F5)"}},
    {u"MainForm", u"Command_Exit", {u"Close the program (Ctrl+Q)", u"Stäng programmet (Ctrl+Q)"}},

    {u"AddDirForm", u"Text_FavoName", {u"The name the favorites list shows", u"Namnet som favoritlistan visar"}},
    {u"AddDirForm", u"Text_FileFilter", {u"A file filter to apply with the folder, for example *.txt; may be empty",
                                         u"Ett filfilter som används med mappen, till exempel *.txt; får vara tomt"}},
    {u"AddDirForm", u"Command_Save", {u"Add the favorite", u"Lägg till favoriten"}},
    {u"AddDirForm", u"Command_Cancel", {u"Close without adding", u"Stäng utan att lägga till"}},

    {u"RenameDirForm", u"Text_NewFavoName", {u"The name the favorites list shows", u"Namnet som favoritlistan visar"}},
    {u"RenameDirForm", u"Text_NewFavoPath", {u"The folder the favorite opens", u"Mappen som favoriten öppnar"}},
    {u"RenameDirForm", u"Text_NewFileFilter", {u"A file filter to apply with the folder, for example *.txt; may be empty",
                                               u"Ett filfilter som används med mappen, till exempel *.txt; får vara tomt"}},
    {u"RenameDirForm", u"Command_Save", {u"Store the changes", u"Spara ändringarna"}},
    {u"RenameDirForm", u"Command_Cancel", {u"Close without changing the favorite", u"Stäng utan att ändra favoriten"}},

    {u"AddFilterForm", u"Text_NewFilterName", {u"The filter for the file list, for example *.txt",
                                               u"Filtret för fillistan, till exempel *.txt"}},
    {u"AddFilterForm", u"Command_CopyPath", {u"Copy the file's full path to the clipboard",
                                             u"Kopiera filens hela sökväg till urklipp"}},
    {u"AddFilterForm", u"Command_Save", {u"Use the filter", u"Använd filtret"}},
    {u"AddFilterForm", u"Command_Cancel", {u"Close without changing the filter", u"Stäng utan att ändra filtret"}},

    {u"ChangeDriveForm", u"Drives", {u"The mounted volumes", u"De monterade volymerna"}},
    {u"ChangeDriveForm", u"Command_OK", {u"Show the chosen volume in the folder tree",
                                         u"Visa den valda volymen i mappträdet"}},
    {u"ChangeDriveForm", u"Command_Cancel", {u"Close without changing the volume (Esc)",
                                             u"Stäng utan att byta volym (Esc)"}},

    {u"OpenWithForm", u"Text_Search", {u"Type part of a program's name to narrow the list",
                                        u"Skriv en del av ett programs namn för att korta listan"}},

    {u"AboutForm", u"CheckUpdate", {u"Look for a newer version on the program's homepage",
                                    u"Sök efter en nyare version på programmets hemsida"}},
    {u"AboutForm", u"cmdOK", {u"Close this window (Esc)", u"Stäng fönstret (Esc)"}},
};

// A control that shows no text of its own is named for a screen reader by the label beside it,
// or, where there is none, by a name of its own. Buttons are named by their captions.
struct NameRow
{
    QStringView form;
    QStringView control;
    QStringView label;
    Bilingual name;
};

constexpr NameRow Names[] = {
    {u"MainForm", u"FavoDirList", u"Label1", {}},
    {u"MainForm", u"DirList", u"Label2", {}},
    {u"MainForm", u"FileList", u"Label3", {}},
    {u"MainForm", u"FileFind", {}, {u"File filter", u"Filfilter"}},
    {u"MainForm", u"Command_UpOneLevel", {}, {u"Up one level", u"Upp en nivå"}},
    {u"AddDirForm", u"Text_FavoName", u"Label2", {}},
    {u"AddDirForm", u"Text_FileFilter", u"Label3", {}},
    {u"RenameDirForm", u"Text_NewFavoName", u"Label2", {}},
    {u"RenameDirForm", u"Text_NewFavoPath", u"Label4", {}},
    {u"RenameDirForm", u"Text_NewFileFilter", u"Label6", {}},
    {u"AddFilterForm", u"Text_NewFilterName", u"Label2", {}},
    {u"FindFavoriteForm", u"Text_Search", u"Label_Search", {}},
    {u"FindFavoriteForm", u"List_Hits", {}, {u"Favorites found", u"Hittade favoriter"}},
    {u"ImportBookmarksForm", u"List_Folders", u"Label_Found", {}},
    {u"OpenWithForm", u"Text_Search", {}, {u"Search programs", u"Sök program"}},
    {u"OpenWithForm", u"List_Programs", u"Label_Prompt", {}},
    {u"OpenWithForm", u"Text_Command", u"Label_Command", {}},
};
// clang-format on

/// A label's caption as a name: no access-key mark, no colon, no runs of spaces.
QString NameFromCaption(QString caption)
{
    caption.remove(u'&');
    caption = caption.simplified();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

QString AccessibleName(const Form& form, const Control& control, bool swedish)
{
    for (const NameRow& row : Names) {
        if (row.form != form.Name() || row.control != control.Name())
            continue;
        if (row.label.isEmpty())
            return row.name.text(swedish);
        for (const Control* candidate : form.Controls()) {
            const auto* label = qobject_cast<const Label*>(candidate);
            if (label && label->Name() == row.label)
                return NameFromCaption(label->Caption());
        }
    }
    return {};
}

} // namespace

namespace ToolTipTexts {

QString For(const QString& formName, const QString& controlName, bool swedish)
{
    for (const Row& row : Rows) {
        if (row.form == formName && row.control == controlName)
            return row.text.text(swedish);
    }
    return {};
}

void Apply(const FormView& view, bool swedish)
{
    for (const Control* control : view.form().Controls()) {
        QWidget* widget = view.widgetFor(control);
        if (!widget)
            continue;
        const QString tip = For(view.form().Name(), control->Name(), swedish);
        widget->setToolTip(tip);
        widget->setAccessibleDescription(tip);
        const QString name = AccessibleName(view.form(), *control, swedish);
        if (!name.isEmpty())
            widget->setAccessibleName(name);
    }
}

} // namespace ToolTipTexts

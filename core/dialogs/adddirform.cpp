// The add-folder dialog: which folder it stores, the proposed name, and the new entry appended
// to the favorites.
#include "core/dialogs/adddirform.h"

#include "core/dialogs/adddirformtexts.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/storablefavorite.h"

AddDirForm::AddDirForm(Module1& module)
    : Form(module.host(), QStringLiteral("AddDirForm")), Label1(*this, controlName("Label1")),
      Label_Path(*this, controlName("Label_Path")), Label2(*this, controlName("Label2")),
      Text_FavoName(*this, controlName("Text_FavoName")), Label3(*this, controlName("Label3")),
      Text_FileFilter(*this, controlName("Text_FileFilter")),
      Command_Save(*this, controlName("Command_Save")), Command_Cancel(*this, controlName("Command_Cancel")),
      m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);

    Label1.Move(345, 180, 375, 195);
    Label1.setTabIndex(5);
    Label_Path.Move(840, 120, 6075, 315);
    Label_Path.setTabIndex(4);
    Label2.Move(540, 600, 1080, 195);
    Label2.setTabIndex(6);
    Text_FavoName.Move(1740, 540, 5175, 315);
    Text_FavoName.setTabIndex(0);
    Label3.Move(960, 1020, 660, 195);
    Label3.setTabIndex(7);
    Text_FileFilter.Move(1740, 960, 5175, 315);
    Text_FileFilter.setTabIndex(1);
    Command_Save.Move(3720, 1440, 1455, 315);
    Command_Save.setTabIndex(2);
    Command_Cancel.Move(5400, 1440, 1455, 315);
    Command_Cancel.setTabIndex(3);

    Text_FavoName.Change = [this] { Text_FavoName_Change(); };
    Text_FavoName.DblClick = [this] { Text_FavoName_DblClick(); };
    Text_FavoName.KeyPress = [this](int16_t& keyAscii) { Text_FavoName_KeyPress(keyAscii); };
    Text_FileFilter.DblClick = [this] { Text_FileFilter_DblClick(); };
    Text_FileFilter.KeyPress = [this](int16_t& keyAscii) { Text_FileFilter_KeyPress(keyAscii); };
    Command_Save.Click = [this] { Command_Save_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };

    restoreDesignState();
}

MainWindowParts& AddDirForm::mainWindow() const
{
    return m_module.mainWindow();
}

void AddDirForm::restoreDesignState()
{
    setCaption(AddDirFormText::Caption.english.toString());
    Label1.setCaption(AddDirFormText::Label1.english.toString());
    Label2.setCaption(AddDirFormText::Label2.english.toString());
    Label3.setCaption(AddDirFormText::Label3.english.toString());
    Command_Save.setCaption(AddDirFormText::Save.english.toString());
    Command_Cancel.setCaption(AddDirFormText::Cancel.english.toString());
    Label_Path.setCaption(QString());
    // Emptied first so that the proposals below always raise Change, even when they repeat the
    // texts of the last opening.
    Text_FavoName.setText(QString());
    Text_FileFilter.setText(QString());
    for (TextBox* box : {&Text_FavoName, &Text_FileFilter}) {
        box->setEnabled(true);
        box->setFontItalic(false);
    }
    Command_Save.setEnabled(false);
}

QString AddDirForm::ProposedName(const QString& folder)
{
    QString text = folder;
    qsizetype slash = text.lastIndexOf(u'/');
    if (slash >= 0 && slash == text.size() - 1) {
        if (text.size() == 1)
            return text;
        text.chop(1);
        slash = text.lastIndexOf(u'/');
    }
    return slash >= 0 ? text.mid(slash + 1) : text;
}

void AddDirForm::Form_Load()
{
    restoreDesignState();
    const bool swedish = m_module.SwedishLanguage;
    if (swedish) {
        setCaption(AddDirFormText::Caption.swedish.toString());
        Label1.setCaption(AddDirFormText::Label1.swedish.toString());
        Label2.setCaption(AddDirFormText::Label2.swedish.toString());
        Label3.setCaption(AddDirFormText::Label3.swedish.toString());
        Command_Cancel.setCaption(AddDirFormText::Cancel.swedish.toString());
        Command_Save.setCaption(AddDirFormText::Save.swedish.toString());
    }

    MainWindowParts& main = mainWindow();
    QString folder;
    if (main.DirList.ListIndex() != -1) {
        // A highlighted but unopened folder: the filter of the open one does not belong to it.
        folder = main.DirList.List(main.DirList.ListIndex());
        main.FileFind.setText(QString());
    } else {
        folder = main.DirList.Path();
    }
    Label_Path.setCaption(folder);
    Text_FavoName.setText(ProposedName(folder));
    Text_FileFilter.setText(main.FileFind.Text());
    Text_FavoName.SetFocus();
}

void AddDirForm::Command_Save_Click()
{
    MainWindowParts& main = mainWindow();
    if (!AcceptStorableFavorite(m_module,
                                {Text_FavoName.Text(), Label_Path.Caption(), Text_FileFilter.Text()}))
        return;

    const bool swedish = m_module.SwedishLanguage;
    if (!Text_FileFilter.Text().isEmpty() &&
        m_module.ShowMessBox(AddDirFormText::KeepFilterPrompt.text(swedish), MsgStyle::YesNo,
                             AddDirFormText::KeepFilterTitle.text(swedish)) == MsgAnswer::No)
        Text_FileFilter.setText(QString());

    if (main.refuseWhenFavoritesFull()) {
        Unload();
        return;
    }
    main.Favorites.append({Text_FavoName.Text(), Label_Path.Caption(), Text_FileFilter.Text()});
    if (Text_FileFilter.Text() != main.FileFind.Text())
        main.FileFind.setText(Text_FileFilter.Text());
    main.FavoDirList.setListIndex(static_cast<int16_t>(main.FavoDirList.ListCount() - 1));
    m_module.FavoListChanged = true;
    main.Menu_UndoChanges.setEnabled(true);
    main.Menu_SaveFavoFile.setEnabled(true);
    Unload();
}

void AddDirForm::Command_Cancel_Click()
{
    Unload();
}

void AddDirForm::Text_FavoName_Change()
{
    Command_Save.setEnabled(!Text_FavoName.Text().isEmpty());
}

void AddDirForm::Text_FavoName_DblClick()
{
    Text_FavoName.setText(QString());
}

void AddDirForm::Text_FavoName_KeyPress(int16_t& KeyAscii)
{
    // Enter does only what the Save button would do: never with an empty name.
    if (KeyAscii == KeyCode::Enter && Command_Save.Enabled())
        Command_Save_Click();
    else if (KeyAscii == KeyCode::Escape)
        Unload();
}

void AddDirForm::Text_FileFilter_DblClick()
{
    Text_FileFilter.setText(QString());
}

void AddDirForm::Text_FileFilter_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii == KeyCode::Escape)
        Unload();
}

// The main window's controls and menus as designed, and its start and end: reading the
// settings at load, loading the favorites at the first activation, writing back at unload.

#include "core/mainform/mainform.h"

#include "core/dialogs/module1.h"
#include "core/formats/startsettings.h"
#include "core/mainform/favoritecheck.h"
#include "core/mainform/filetransfer.h"
#include "core/mainform/mainformtexts.h"
#include "core/mainform/panewatch.h"
#include "core/mainform/startfoldertexts.h"
#include "core/system/host.h"
#include "core/system/numbertext.h"
#include "core/system/pathcheck.h"
#include "core/system/runtimeerror.h"
#include "core/toolkit/plaintext.h"

#include <cmath>

namespace {

// The version numbers come from the project's version in CMakeLists.txt.
constexpr int VersionMajor = WAYFOLDER_VERSION_MAJOR;
constexpr int VersionMinor = WAYFOLDER_VERSION_MINOR;
constexpr int VersionRevision = WAYFOLDER_VERSION_REVISION;
const QString CaptionSuffix = QStringLiteral(" - Feb 2025 / ZQ");

// A saved position must leave this much of the title bar on the screen to be used.
constexpr int VisibleStrip = 600;

} // namespace

MainForm& Module1::mainForm()
{
    if (!m_mainForm)
        m_mainForm = std::make_unique<MainForm>(*this);
    return static_cast<MainForm&>(*m_mainForm);
}

MainWindowParts& Module1::mainWindow()
{
    return mainForm().dialogParts();
}

MainForm::MainForm(Module1& module)
    : Form(module.host(), QStringLiteral("MainForm")), FavoDirList(*this, controlName("FavoDirList")),
      FavoDirPath(*this, controlName("FavoDirPath")), FavoFileFilter(*this, controlName("FavoFileFilter")),
      DirList(*this, controlName("DirList")), FileList(*this, controlName("FileList")),
      FileFind(*this, controlName("FileFind")), Label1(*this, controlName("Label1")),
      Label2(*this, controlName("Label2")), Label3(*this, controlName("Label3")),
      Command_GotoSavedPath(*this, controlName("Command_GotoSavedPath")),
      Command_UpOneLevel(*this, controlName("Command_UpOneLevel")),
      Command_RefreshFolderList(*this, controlName("Command_RefreshFolderList")),
      Command_OpenExplorer(*this, controlName("Command_OpenExplorer")),
      Command_RefreshFileList(*this, controlName("Command_RefreshFileList")),
      Command_Exit(*this, controlName("Command_Exit")), Menu_File(controlName("Menu_File")),
      Menu_FavoFileItems{{MenuItem(controlName("Menu_FavoFile1")), MenuItem(controlName("Menu_FavoFile2")),
                          MenuItem(controlName("Menu_FavoFile3")), MenuItem(controlName("Menu_FavoFile4")),
                          MenuItem(controlName("Menu_FavoFile5"))}},
      Menu_Sep1(controlName("Menu_Sep1")), Menu_StartPosition(controlName("Menu_StartPosition")),
      Menu_DefaultPath(controlName("Menu_DefaultPath")),
      Menu_NoDefaultPath(controlName("Menu_NoDefaultPath")), Menu_Sep2(controlName("Menu_Sep2")),
      Menu_UseCurrentPath(controlName("Menu_UseCurrentPath")), Menu_SavePath(controlName("Menu_SavePath")),
      Menu_UseExitPath(controlName("Menu_UseExitPath")), Menu_Sep3(controlName("Menu_Sep3")),
      Menu_GoToSavedPath(controlName("Menu_GoToSavedPath")), Menu_Language(controlName("Menu_Language")),
      Menu_Sep4(controlName("Menu_Sep4")), Menu_Exit(controlName("Menu_Exit")),
      Menu_ChangeDrive(controlName("Menu_ChangeDrive")), Menu_FavoDirs(controlName("Menu_FavoDirs")),
      Menu_OpenFolder(controlName("Menu_OpenFolder")), Menu_Sep5(controlName("Menu_Sep5")),
      Menu_AddDir(controlName("Menu_AddDir")), Menu_AddSeparator(controlName("Menu_AddSeparator")),
      Menu_RemoveFolder(controlName("Menu_RemoveFolder")),
      Menu_RenameFolder(controlName("Menu_RenameFolder")), Menu_UndoChanges(controlName("Menu_UndoChanges")),
      Menu_Sep6(controlName("Menu_Sep6")), Menu_EditFavoFile(controlName("Menu_EditFavoFile")),
      Menu_SaveFavoFile(controlName("Menu_SaveFavoFile")), Menu_Sep7(controlName("Menu_Sep7")),
      Menu_RefreshFolderList(controlName("Menu_RefreshFolderList")),
      Menu_RefreshFilesList(controlName("Menu_RefreshFilesList")),
      Menu_FFItems{{MenuItem(controlName("Menu_FF1")), MenuItem(controlName("Menu_FF2")),
                    MenuItem(controlName("Menu_FF3")), MenuItem(controlName("Menu_FF4")),
                    MenuItem(controlName("Menu_FF5"))}},
      Menu_About(controlName("Menu_About")), m_module(module)
{
    setWidth(ClientWidth + FrameWidth);
    setHeight(ClientHeight + FrameHeight);
    placeControls();
    buildMenus();
    connectEvents();
    connectFollowers();
    FavoData.watch([this] { FavoData_Changed(); });
    buildFavoritesExtras();
    buildFileActions();
    buildDetails();
}

MainForm::~MainForm() = default;

void MainForm::placeControls()
{
    FavoDirList.Move(180, 480, 2115, 4980);
    FavoDirList.setTabIndex(0);
    FavoDirPath.setVisible(false);
    FavoFileFilter.setVisible(false);
    DirList.Move(2460, 480, 4995, 5040);
    DirList.setTabIndex(1);
    FileFind.Move(7620, 5160, 4995, 315);
    FileFind.setTabIndex(2);
    FileList.Move(7620, 480, 4995, 4575);
    FileList.setTabIndex(3);
    // A folder change reads the folder once, for the tree and the file list alike.
    DirList.feedFiles(&FileList);

    Label1.Move(180, 240, 645, 195);
    Label1.setTabIndex(5);
    Label1.setCaption(MainFormText::Favorites.english.toString());
    Label2.Move(2460, 240, 510, 195);
    Label2.setTabIndex(6);
    Label2.setCaption(MainFormText::Folders.english.toString());
    Label3.Move(7620, 240, 810, 195);
    Label3.setTabIndex(7);
    Label3.setCaption(MainFormText::FilesFilter.english.toString());

    Command_OpenExplorer.Move(5760, 120, 1695, 300);
    Command_OpenExplorer.setTabIndex(9);
    Command_OpenExplorer.setCaption(QStringLiteral("Open with Explorer"));
    Command_UpOneLevel.Move(3120, 120, 375, 300);
    Command_UpOneLevel.setTabIndex(10);
    Command_UpOneLevel.setPicture(QStringLiteral("uponelevel"));
    Command_GotoSavedPath.Move(1020, 120, 1215, 300);
    Command_GotoSavedPath.setTabIndex(11);
    Command_GotoSavedPath.setCaption(QStringLiteral("Goto Saved"));
    Command_RefreshFileList.Move(8640, 120, 975, 300);
    Command_RefreshFileList.setTabIndex(12);
    Command_RefreshFileList.setCaption(MainFormText::RefreshFileButton.english.toString());
    Command_Exit.Move(11580, 120, 975, 300);
    Command_Exit.setTabIndex(13);
    Command_Exit.setCaption(MainFormText::Exit.toString());
    Command_RefreshFolderList.Move(3840, 120, 975, 300);
    Command_RefreshFolderList.setTabIndex(14);
    Command_RefreshFolderList.setCaption(MainFormText::RefreshFolderButton.english.toString());
}

void MainForm::buildMenus()
{
    for (MenuItem* separator :
         {&Menu_Sep1, &Menu_Sep2, &Menu_Sep3, &Menu_Sep4, &Menu_Sep5, &Menu_Sep6, &Menu_Sep7})
        separator->setCaption(MainFormText::Separator.toString());
    Menu_Exit.setCaption(MainFormText::Exit.toString());
    for (int16_t i = 1; i <= 5; ++i)
        Menu_FF(i).setCaption(MainFormText::FF.toString() + QString::number(i));

    for (int16_t i = 1; i <= 5; ++i)
        Menu_File.addItem(Menu_FavoFile(i));
    for (MenuItem* item :
         {&Menu_Sep1, &Menu_StartPosition, &Menu_DefaultPath, &Menu_Language, &Menu_Sep4, &Menu_Exit})
        Menu_File.addItem(*item);
    for (MenuItem* item : {&Menu_NoDefaultPath, &Menu_Sep2, &Menu_UseCurrentPath, &Menu_SavePath,
                           &Menu_UseExitPath, &Menu_Sep3, &Menu_GoToSavedPath})
        Menu_DefaultPath.addItem(*item);
    for (MenuItem* item : {&Menu_OpenFolder, &Menu_Sep5, &Menu_AddDir, &Menu_AddSeparator, &Menu_RemoveFolder,
                           &Menu_RenameFolder, &Menu_UndoChanges, &Menu_Sep6, &Menu_EditFavoFile,
                           &Menu_SaveFavoFile, &Menu_Sep7, &Menu_RefreshFolderList, &Menu_RefreshFilesList})
        Menu_FavoDirs.addItem(*item);

    m_menuBar = {&Menu_File, &Menu_ChangeDrive, &Menu_FavoDirs};
    for (int16_t i = 1; i <= 5; ++i)
        m_menuBar.push_back(&Menu_FF(i));
    m_menuBar.push_back(&Menu_About);

    Menu_SavePath.setEnabled(false);
    Menu_UndoChanges.setEnabled(false);
    Menu_SaveFavoFile.setEnabled(false);

    // Until the favorites are loaded the window shows the English captions.
    SetCaptions();
}

void MainForm::connectEvents()
{
    using namespace std::placeholders;

    FavoDirList.Click = [this] { FavoDirList_Click(); };
    FavoDirList.GotFocus = [this] { FavoDirList_GotFocus(); };
    FavoDirList.KeyDown = std::bind(&MainForm::FavoDirList_KeyDown, this, _1, _2);
    FavoDirList.MouseDown = std::bind(&MainForm::FavoDirList_MouseDown, this, _1, _2, _3, _4);
    FavoDirList.MouseUp = std::bind(&MainForm::FavoDirList_MouseUp, this, _1, _2, _3, _4);

    DirList.Change = [this] { DirList_Change(); };
    DirList.GotFocus = [this] { DirList_GotFocus(); };
    DirList.KeyDown = std::bind(&MainForm::DirList_KeyDown, this, _1, _2);
    DirList.KeyPress = std::bind(&MainForm::DirList_KeyPress, this, _1);
    DirList.MouseDown = std::bind(&MainForm::DirList_MouseDown, this, _1, _2, _3, _4);
    DirList.ReadFailed = [this](int16_t errorNumber) { DirList_ReadFailed(errorNumber); };

    FileFind.Change = [this] { FileFind_Change(); };
    FileFind.DblClick = [this] { FileFind_DblClick(); };
    FileFind.GotFocus = [this] { FileFind_GotFocus(); };
    FileFind.MouseDown = std::bind(&MainForm::FileFind_MouseDown, this, _1, _2, _3, _4);

    FileList.DblClick = [this] { FileList_DblClick(); };
    FileList.GotFocus = [this] { FileList_GotFocus(); };
    FileList.KeyDown = std::bind(&MainForm::FileList_KeyDown, this, _1, _2);
    FileList.KeyPress = std::bind(&MainForm::FileList_KeyPress, this, _1);
    FileList.MouseDown = std::bind(&MainForm::FileList_MouseDown, this, _1, _2, _3, _4);

    Command_UpOneLevel.Click = [this] { Command_UpOneLevel_Click(); };
    Command_RefreshFolderList.Click = [this] { Command_RefreshFolderList_Click(); };
    Command_RefreshFileList.Click = [this] { Command_RefreshFileList_Click(); };
    Command_OpenExplorer.Click = [this] { Command_OpenExplorer_Click(); };
    Command_Exit.Click = [this] { Command_Exit_Click(); };

    Menu_StartPosition.Click = [this] { Menu_StartPosition_Click(); };
    Menu_NoDefaultPath.Click = [this] { Menu_NoDefaultPath_Click(); };
    Menu_UseCurrentPath.Click = [this] { Menu_UseCurrentPath_Click(); };
    Menu_SavePath.Click = [this] { Menu_SavePath_Click(); };
    Menu_UseExitPath.Click = [this] { Menu_UseExitPath_Click(); };
    Menu_GoToSavedPath.Click = [this] { Menu_GoToSavedPath_Click(); };
    Command_GotoSavedPath.Click = [this] { Command_GotoSavedPath_Click(); };
    for (int16_t i = 1; i <= 5; ++i) {
        Menu_FavoFile(i).Click = [this, i] { Menu_FavoFile_Click(i); };
        Menu_FF(i).Click = [this, i] { Menu_FF_Click(i); };
    }
    Menu_SaveFavoFile.Click = [this] { Menu_SaveFavoFile_Click(); };
    Menu_UndoChanges.Click = [this] { Menu_UndoChanges_Click(); };
    Menu_EditFavoFile.Click = [this] { Menu_EditFavoFile_Click(); };
    Menu_ChangeDrive.Click = [this] { Menu_ChangeDrive_Click(); };
    Menu_Language.Click = [this] { Menu_Language_Click(); };
    Menu_Exit.Click = [this] { Menu_Exit_Click(); };
    Menu_FavoDirs.Click = [this] { Menu_FavoDirs_Click(); };
    Menu_OpenFolder.Click = [this] { Menu_OpenFolder_Click(); };
    Menu_AddDir.Click = [this] { Menu_AddDir_Click(); };
    Menu_AddSeparator.Click = [this] { Menu_AddSeparator_Click(); };
    Menu_RemoveFolder.Click = [this] { Menu_RemoveFolder_Click(); };
    Menu_RenameFolder.Click = [this] { Menu_RenameFolder_Click(); };
    Menu_RefreshFolderList.Click = [this] { Menu_RefreshFolderList_Click(); };
    Menu_RefreshFilesList.Click = [this] { Menu_RefreshFilesList_Click(); };
    Menu_About.Click = [this] { Menu_About_Click(); };
}

void MainForm::Form_Load()
{
    buildAppVersion();
    m_module.CaptionSuffixEnglish = CaptionSuffix;
    m_module.CaptionSuffixSwedish = CaptionSuffix;

    UseSavedStartPosition = StartSettings::ReadUseSavedStartPosition(host());
    Menu_StartPosition.setChecked(UseSavedStartPosition);
    placeWindow();

    StartFolderMode = StartSettings::ReadStartFolderMode(host());
    switch (StartFolderMode) {
    case 0:
        Menu_NoDefaultPath.setChecked(true);
        Menu_GoToSavedPath.setEnabled(false);
        Command_GotoSavedPath.setEnabled(false);
        break;
    case 1:
        Menu_UseCurrentPath.setChecked(true);
        Menu_SavePath.setEnabled(true);
        break;
    case 2:
        Menu_UseExitPath.setChecked(true);
        break;
    }
    if (StartFolderMode != 0) {
        DefaultPath = StartSettings::ReadText(host(), StartSettings::DefaultPath);
        LoadedDefaultPath = DefaultPath;
        DefaultFilter = StartSettings::ReadText(host(), StartSettings::DefaultFilter);
        LoadedDefaultFilter = DefaultFilter;
    }

    m_loadedShowHidden = StartSettings::ReadFlag(host(), StartSettings::ShowHiddenFiles);
    Menu_ShowHidden.setChecked(m_loadedShowHidden);
    DirList.setShowHidden(m_loadedShowHidden);
    FileList.setShowHidden(m_loadedShowHidden);
    m_loadedDetails = StartSettings::ReadFlag(host(), StartSettings::ShowDetails);
    Menu_Details.setChecked(m_loadedDetails);
    FileList.setDetails(m_loadedDetails);

    StartFavoFile = StartSettings::ReadFavoFile(host());
    CurFavoFile = StartFavoFile;
    Menu_FavoFile(CurFavoFile).setChecked(true);
    Menu_FF(CurFavoFile).setEnabled(false);
    // Told once the favorites have set the language.
    m_settingsReadProblem = host().SettingsProblem();
}

void MainForm::buildAppVersion()
{
    QString version = QString::number(VersionMajor) + QLatin1Char('.') + QString::number(VersionMinor) +
                      QString::number(VersionRevision);
    if (version.endsWith(QLatin1Char('0')))
        version.chop(1);
    m_module.AppVersion = version;
}

void MainForm::placeWindow()
{
    if (UseSavedStartPosition) {
        const std::optional<int> width = StartSettings::ReadSize(host(), StartSettings::StartWidth);
        const std::optional<int> height = StartSettings::ReadSize(host(), StartSettings::StartHeight);
        if (width && height) {
            setWidth(*width);
            setHeight(*height);
        }
    }
    StartWidth = Width();
    StartHeight = Height();
    if (UseSavedStartPosition) {
        const std::optional<int16_t> x = StartSettings::ReadPosition(host(), StartSettings::StartPosX);
        const std::optional<int16_t> y = StartSettings::ReadPosition(host(), StartSettings::StartPosY);
        StartPosX = x.value_or(0);
        StartPosY = y.value_or(0);
        if (x && y && positionOnScreen(*x, *y)) {
            Move(*x, *y, Width(), Height());
            return;
        }
    }
    const float left = float(host().ScreenWidth()) / 2 - float(Width()) / 2;
    const float top = float(host().ScreenHeight()) / 2 - float(Height()) / 2;
    Move(int(std::lround(left)), int(std::lround(top)), Width(), Height());
}

bool MainForm::positionOnScreen(int left, int top) const
{
    // Enough of the title bar to take hold of, on any screen.
    for (const QRect& area : host().ScreenAreas()) {
        const int right = area.x() + area.width();
        const int bottom = area.y() + area.height();
        if (left + Width() >= area.x() + VisibleStrip && left <= right - VisibleStrip && top >= area.y() &&
            top <= bottom - VisibleStrip)
            return true;
    }
    return false;
}

void MainForm::Form_Activate()
{
    if (FirstActivationDone)
        return;
    FirstActivationDone = true;

    LoadFavoFile();
    reportSettingsProblem(m_settingsReadProblem, false);
    reportMergeAtLastEnd();

    if (!CommandLinePath.isEmpty() && openCommandLinePath())
        return;
    if (StartFolderMode > 0) {
        if (PathCheck::MayBeFolder(PathCheck::At(host().workers(), DefaultPath)) &&
            openStartFolder(DefaultPath)) {
            FileFind.setText(DefaultFilter);
            return;
        }
        const bool sv = m_module.SwedishLanguage;
        m_module.ShowMessBox(StartFolderText::StartFolderMissing1.text(sv) + PlainText(DefaultPath) +
                                 StartFolderText::StartFolderMissing2.text(sv) + host().HomeFolder() +
                                 StartFolderText::StartFolderMissing3.text(sv),
                             MsgStyle::OKOnly, MainFormText::PathErrorTitle.text(sv));
        Command_GotoSavedPath.setEnabled(false);
        Menu_GoToSavedPath.setEnabled(false);
        // Unlike a start in the saved folder this keeps the first favorite's filter warning
        // due, so that leaving that favorite's folder shows it.
        DirList.SetFocus();
        try {
            DirList.setPath(host().HomeFolder());
        } catch (const RunTimeError&) {
        }
    }
}

bool MainForm::openStartFolder(const QString& path)
{
    FilterWarningPending = false;
    DirList.SetFocus();
    try {
        DirList.setPath(path);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

void MainForm::Form_Unload()
{
    writeSettingsAtExit();
    if (m_module.FavoListChanged && !m_favoritesSavedForExit)
        SaveFavoFile();
    m_favoritesSavedForExit = false;
}

void MainForm::writeSettingsAtExit()
{
    namespace Key = StartSettings;
    m_settingsSaveProblem = {};

    if (Menu_StartPosition.Checked() != UseSavedStartPosition)
        saveSetting(Key::UseSavedStartPosition, Key::FlagText(Menu_StartPosition.Checked()));
    // A minimised window reports a position that means nothing; keep the stored one.
    if (Menu_StartPosition.Checked() && !Minimized()) {
        if (Left() != StartPosX && NumberText::ToInt16(Left()))
            saveSetting(Key::StartPosX, Key::IntText(Left()));
        if (Top() != StartPosY && NumberText::ToInt16(Top()))
            saveSetting(Key::StartPosY, Key::IntText(Top()));
        if (Width() != StartWidth)
            saveSetting(Key::StartWidth, Key::IntText(Width()));
        if (Height() != StartHeight)
            saveSetting(Key::StartHeight, Key::IntText(Height()));
    }

    if (Menu_ShowHidden.Checked() != m_loadedShowHidden)
        saveSetting(Key::ShowHiddenFiles, Key::FlagText(Menu_ShowHidden.Checked()));
    if (Menu_Details.Checked() != m_loadedDetails)
        saveSetting(Key::ShowDetails, Key::FlagText(Menu_Details.Checked()));

    if (CurFavoFile != StartFavoFile)
        saveSetting(Key::DefaultFavoFile, Key::IntText(CurFavoFile));

    if (StartFolderMode >= 1) {
        QString modeText = QStringLiteral("1");
        if (StartFolderMode == 2) {
            DefaultPath = DirList.List(DirList.ListIndex());
            DefaultFilter = FileFind.Text();
            modeText = QStringLiteral("2");
        }
        if (DefaultPath != LoadedDefaultPath)
            saveSetting(Key::DefaultPath, DefaultPath);
        if (DefaultFilter != LoadedDefaultFilter)
            saveSetting(Key::DefaultFilter, DefaultFilter);
        if (StartFolderModeChanged)
            saveSetting(Key::UseDefaultPath, modeText);
    } else if (StartFolderModeChanged) {
        saveSetting(Key::UseDefaultPath, QStringLiteral("0"));
    }
    // A setting that could not be written is said, not lost silently.
    reportSettingsProblem(m_settingsSaveProblem, true);
}

void MainForm::Command_Exit_Click()
{
    if (saveFavoritesBeforeExit())
        Unload();
}

void MainForm::Menu_Exit_Click()
{
    if (saveFavoritesBeforeExit())
        Unload();
}

void MainForm::QueryClose()
{
    if (saveFavoritesBeforeExit())
        Unload();
}

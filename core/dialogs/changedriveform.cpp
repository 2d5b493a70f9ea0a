// The Change Drive dialog: its layout, the volume list at load, and moving the folder tree to the chosen one.
#include "core/dialogs/changedriveform.h"

#include "core/dialogs/changedrivetexts.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/system/runtimeerror.h"

#include <QLocale>

namespace {
constexpr int ClientWidth = 4710;
constexpr int ClientHeight = 1050;
} // namespace

ChangeDriveForm::ChangeDriveForm(Module1& module)
    : Form(module.host(), QStringLiteral("ChangeDriveForm")), Drives(*this, QStringLiteral("Drives")),
      Command_OK(*this, QStringLiteral("Command_OK")),
      Command_Cancel(*this, QStringLiteral("Command_Cancel")), m_module(module)
{
    setWidth(ClientWidth + FrameWidth);
    setHeight(ClientHeight + FrameHeight);
    Drives.Move(120, 120, 4455, 315);
    Drives.setTabIndex(0);
    Command_OK.Move(1440, 600, 1455, 315);
    Command_OK.setTabIndex(2);
    Command_Cancel.Move(3120, 600, 1455, 315);
    Command_Cancel.setTabIndex(1);

    Drives.Change = [this] { Drives_Change(); };
    Command_OK.Click = [this] { Command_OK_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
}

void ChangeDriveForm::Form_Load()
{
    const bool sv = m_module.SwedishLanguage;
    setCaption(ChangeDriveText::Caption.text(sv));
    Command_OK.setCaption(ChangeDriveText::OK.toString());
    Command_Cancel.setCaption(ChangeDriveText::Cancel.text(sv));
    Drives.NotAnsweringNote = ChangeDriveText::NotAnswering.text(sv);
    Drives.SizeText = [sv](const Volumes::Space& space) {
        // Sizes as disk makers count them (1 GB = 10^9 bytes), in the form's language.
        const QLocale locale = sv ? QLocale(QLocale::Swedish, QLocale::Sweden) : QLocale(QLocale::English);
        return ChangeDriveText::Space.text(sv).arg(
            locale.formattedDataSize(space.free, 1, QLocale::DataSizeSIFormat),
            locale.formattedDataSize(space.total, 1, QLocale::DataSizeSIFormat));
    };
    Drives.Refresh();
    Drives.CheckVolumes();
    Drives.SetFocus();

    StartDrive.clear();
    try {
        Drives.setDrive(m_module.mainWindow().DirList.Path());
        StartDrive = Drives.Drive();
    } catch (const RunTimeError&) {
        // The tree's volume is not one a user would pick: every listed volume is another one.
    }
    Command_OK.setEnabled(false);
}

void ChangeDriveForm::Drives_Change()
{
    Command_OK.setEnabled(Drives.Drive() != StartDrive);
}

void ChangeDriveForm::Command_OK_Click()
{
    try {
        m_module.mainWindow().DirList.setPath(Drives.Drive());
    } catch (const RunTimeError&) {
        const bool sv = m_module.SwedishLanguage;
        m_module.ShowMessBox(ChangeDriveText::NotReady1.text(sv) + Drives.Drive() +
                                 ChangeDriveText::NotReady2.text(sv),
                             MsgStyle::OKOnly, ChangeDriveText::DiskErrorTitle.text(sv));
        return;
    }
    Unload();
}

void ChangeDriveForm::Command_Cancel_Click()
{
    Unload();
}

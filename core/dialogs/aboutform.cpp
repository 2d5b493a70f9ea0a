// The About box: captions at each load, the e-mail link, and the update check against the
// version file on the program's web server.
#include "core/dialogs/aboutform.h"

#include "core/dialogs/abouttexts.h"
#include "core/dialogs/mainwindowparts.h"
#include "core/dialogs/module1.h"
#include "core/dialogs/openwithform.h"
#include "core/formats/versionfile.h"
#include "core/system/host.h"
#include "core/system/regularfile.h"
#include "core/toolkit/plaintext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef WAYFOLDER_WEB_SERVER
#error "WAYFOLDER_WEB_SERVER is set by the build"
#endif
#ifndef WAYFOLDER_AUTHOR_EMAIL
#error "WAYFOLDER_AUTHOR_EMAIL is set by the build"
#endif

namespace {

QString appTitle()
{
    return Module1::AppTitle.toString();
}

} // namespace

AboutForm::AboutForm(Module1& module)
    : Form(module.host(), QStringLiteral("AboutForm")), picIcon(*this, controlName("picIcon")),
      lblTitle(*this, controlName("lblTitle")), lblVersion(*this, controlName("lblVersion")),
      lblDescription(*this, controlName("lblDescription")), lblEmail(*this, controlName("lblEmail")),
      Line1(*this, controlName("Line1")), CheckUpdate(*this, controlName("CheckUpdate")),
      cmdOK(*this, controlName("cmdOK")), m_module(module)
{
    setWidth(ClientWidth + 2 * FrameSide);
    setHeight(ClientHeight + FrameTop + FrameSide);

    picIcon.Move(240, 240, 540, 540);
    picIcon.setTabIndex(1);
    lblTitle.Move(1050, 240, 7125, 240);
    lblTitle.setTabIndex(3);
    lblVersion.Move(1050, 540, 7125, 225);
    lblVersion.setTabIndex(4);
    lblDescription.Move(1050, 960, 7125, 3615);
    lblDescription.setTabIndex(2);
    lblEmail.Move(1050, 4680, 1245, 225);
    lblEmail.setTabIndex(6);
    Line1.setEnds(90, 5040, 8220, 5040);
    CheckUpdate.Move(120, 5220, 2055, 345);
    CheckUpdate.setTabIndex(5);
    cmdOK.Move(6960, 5220, 1260, 345);
    cmdOK.setTabIndex(0);
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);

    lblEmail.Click = [this] { lblEmail_Click(); };
    CheckUpdate.Click = [this] { CheckUpdate_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };

    restoreDesignState();
}

QString AboutForm::BuiltInWebServer()
{
    QString server = QStringLiteral(WAYFOLDER_WEB_SERVER);
    // The paths below the server begin with their own "/".
    while (server.endsWith(u'/'))
        server.chop(1);
    return server;
}

QString AboutForm::AuthorEmail()
{
    return QStringLiteral(WAYFOLDER_AUTHOR_EMAIL);
}

void AboutForm::restoreDesignState()
{
    setCaption(AboutFormText::DesignCaption.toString());
    lblTitle.setCaption(AboutFormText::DesignTitle.toString());
    lblVersion.setCaption(AboutFormText::DesignVersion.toString());
    lblDescription.setCaption(AboutFormText::DesignDescription.toString());
    lblEmail.setCaption(AuthorEmail());
    CheckUpdate.setCaption(AboutFormText::CheckUpdate.english.toString());
    cmdOK.setCaption(AboutFormText::Close.english.toString());
}

void AboutForm::Form_Load()
{
    restoreDesignState();
    const MainWindowParts& main = m_module.mainWindow();
    setLeft(main.Window.Left() + (main.Window.Width() - Width()) / 2);
    setTop(main.Window.Top() + (main.Window.Height() - Height()) / 2);

    const bool sv = m_module.SwedishLanguage;
    setCaption(AboutFormText::CaptionPrefix.text(sv) + appTitle());
    lblVersion.setCaption(AboutFormText::VersionPrefix.toString() + QString::number(WAYFOLDER_VERSION_MAJOR) +
                          u'.' + QString::number(WAYFOLDER_VERSION_MINOR) + u'.' +
                          QString::number(WAYFOLDER_VERSION_REVISION));
    lblTitle.setCaption(appTitle());
    lblDescription.setCaption(AboutFormText::Description.text(sv));
    if (sv) {
        CheckUpdate.setCaption(AboutFormText::CheckUpdate.swedish.toString());
        cmdOK.setCaption(AboutFormText::Close.swedish.toString());
    }
    cmdOK.SetFocus();
}

void AboutForm::cmdOK_Click()
{
    Unload();
}

void AboutForm::lblEmail_Click()
{
    OpenEmail(AuthorEmail(), appTitle());
}

QString AboutForm::MailtoAddress(const QString& EmailAddress, const QString& Subject, const QString& Body)
{
    const QString prefix = QStringLiteral("mailto:");
    QString address = EmailAddress;
    if (address.left(prefix.size()).toLower() != prefix)
        address.prepend(prefix);
    if (!Subject.isEmpty())
        address += QStringLiteral("?subject=") + Subject;
    if (!Body.isEmpty())
        address += (Subject.isEmpty() ? u'?' : u'&') + QStringLiteral("body=") + Body;
    return address;
}

bool AboutForm::OpenEmail(const QString& EmailAddress, const QString& Subject, const QString& Body)
{
    return host().ShellOpen(MailtoAddress(EmailAddress, Subject, Body));
}

void AboutForm::CheckUpdate_Click()
{
    const QString folder = host().CacheFolder();
    if (!QFileInfo(folder).isDir())
        QDir().mkpath(folder); // a folder that cannot be made fails the download below
    const QString localFile = folder + u'/' + AboutFormText::VersionFileName.toString();
    const QString homePage = WebServer + AboutFormText::HomePagePath.toString();
    const int result = host().Download(WebServer + AboutFormText::VersionFilePath.toString(), localFile);

    const bool sv = m_module.SwedishLanguage;
    const QString title = AboutFormText::TitlePrefix.text(sv) + m_module.AppVersion;

    if (result == Host::DownloadNotWritten) {
        offerHomePage(AboutFormText::LocalCopyNotWritten1.text(sv) + localFile +
                          AboutFormText::LocalCopyNotWritten2.text(sv) + host().DownloadWriteError(),
                      title, homePage);
        return;
    }
    if (result != 0) {
        offerHomePage(AboutFormText::WebFileNotFound.text(sv), title, homePage);
        return;
    }
    // The version file is small; anything else standing there is not read.
    const RegularFileRead read = ReadRegularFile(localFile, qint64{1024} * 1024);
    if (read.status != RegularFileRead::Ok) {
        offerHomePage(AboutFormText::DownloadedFileNotFound.text(sv), title, homePage);
        return;
    }
    const QByteArray& bytes = read.bytes;

    const std::optional<QString> item = VersionFile::FindProgramItem(bytes, appTitle());
    if (!item) {
        offerHomePage(AboutFormText::ProgramDataNotFound.text(sv), title, homePage);
        return;
    }
    const QString newest = VersionFile::NewestVersionText(*item);
    if (!VersionFile::IsNewer(newest, m_module.AppVersion)) {
        m_module.ShowMessBox(AboutFormText::LatestVersion.text(sv), MsgStyle::OKOnly, title);
        return;
    }
    offerHomePage(AboutFormText::NewerVersionBefore.text(sv) + PlainText(newest) +
                      AboutFormText::NewerVersionAfter.text(sv),
                  title, homePage);
}

void AboutForm::offerHomePage(const QString& message, const QString& title, const QString& homePage)
{
    const QString prompt =
        message + QStringLiteral("\n\n") + AboutFormText::GotoHomePage.text(m_module.SwedishLanguage);
    if (m_module.ShowMessBox(prompt, MsgStyle::YesNo, title) != MsgAnswer::No) {
        // Without a browser the opener fails after this box may have closed: the offer is the module's.
        Module1& module = m_module;
        host().ShellOpenChecked(homePage, [&module, homePage] { OpenWithForm::OfferFor(module, homePage); });
    }
}

// The real Host: settings, XDG folders, processes, opener, download, clipboard, dialogs and screen metrics.
#include "shell/host/qthost.h"

#include "core/dialogs/aboutform.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/addfilterform.h"
#include "core/dialogs/changedriveform.h"
#include "core/dialogs/messbox.h"
#include "core/dialogs/renamedirform.h"
#include "core/system/desktopfolders.h"
#include "core/system/filename.h"
#include "core/toolkit/form.h"
#include "core/toolkit/menuitem.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/menubinding.h"
#include "shell/windows/aboutdialog.h"
#include "shell/windows/adddirdialog.h"
#include "shell/windows/addfilterdialog.h"
#include "shell/windows/changedrivedialog.h"
#include "shell/windows/messboxdialog.h"
#include "shell/windows/renamedirdialog.h"
#include "shell/windows/tooltiptexts.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <memory>
#include <utility>

QtHost::QtHost()
    : m_scale(TwipsScale::fromApplication()), m_settings(DesktopFolders::SettingsFile()),
      m_follower(std::make_unique<DesktopFollower>(&m_workers))
{
    // The pictures live in this static library; nothing else would pull them into the program.
    Q_INIT_RESOURCE(resources);
    registerView(QStringLiteral("MessBox"), [](Form& form, const TwipsScale& scale, QWidget* parent) {
        return new MessBoxDialog(static_cast<MessBox&>(form), scale, parent);
    });
    registerView(QStringLiteral("AboutForm"), [](Form& form, const TwipsScale& scale, QWidget* parent) {
        return new AboutDialog(static_cast<AboutForm&>(form), scale, parent);
    });
    registerView(QStringLiteral("AddDirForm"), [](Form& form, const TwipsScale& scale, QWidget* parent) {
        return new AddDirDialog(static_cast<AddDirForm&>(form), scale, parent);
    });
    registerView(QStringLiteral("RenameDirForm"), [](Form& form, const TwipsScale& scale, QWidget* parent) {
        return new RenameDirDialog(static_cast<RenameDirForm&>(form), scale, parent);
    });
    registerView(QStringLiteral("ChangeDriveForm"), [](Form& form, const TwipsScale& scale, QWidget* parent) {
        return new ChangeDriveDialog(static_cast<ChangeDriveForm&>(form), scale, parent);
    });
    registerView(QStringLiteral("AddFilterForm"), [](Form& form, const TwipsScale& scale, QWidget* parent) {
        return new AddFilterDialog(static_cast<AddFilterForm&>(form), scale, parent);
    });
}

QtHost::~QtHost() = default;

void QtHost::registerView(const QString& formName, ViewFactory factory)
{
    m_views[formName] = std::move(factory);
}

QString QtHost::GetSetting(const QString& key, const QString& defaultValue)
{
    return m_settings.Get(key, defaultValue);
}

void QtHost::SaveSetting(const QString& key, const QString& value)
{
    m_settings.Save(key, value);
}

QString QtHost::DataFolder()
{
    return DesktopFolders::Data();
}

QString QtHost::CacheFolder()
{
    return DesktopFolders::Cache();
}

QString QtHost::HomeFolder()
{
    return DesktopFolders::Home();
}

bool QtHost::StartProcess(const QString& program, const QStringList& arguments)
{
    // startDetached reports a missing program only after forking; look for it first.
    QString found;
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo file(program);
        if (file.isFile() && file.isExecutable())
            found = program;
    } else {
        found = QStandardPaths::findExecutable(program);
    }
    if (found.isEmpty())
        return false;
    return QProcess::startDetached(found, arguments);
}

bool QtHost::ShellOpen(const QString& target)
{
    return StartProcess(QStringLiteral("xdg-open"), {target});
}

int QtHost::Download(const QString& url, const QString& localPath)
{
    static_assert(int(Downloader::Result::NotWritten) == DownloadNotWritten);
    m_downloadWriteError.clear();
    return int(m_downloader.download(QUrl(url), localPath, &m_downloadWriteError));
}

void QtHost::ClipboardSetData(const std::vector<std::pair<QString, QByteArray>>& formats)
{
    auto* data = new QMimeData;
    for (const auto& [type, bytes] : formats)
        data->setData(type, bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

QByteArray QtHost::ClipboardData(const QString& type)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->data(type) : QByteArray();
}

void QtHost::ClipboardClear()
{
    QGuiApplication::clipboard()->clear();
}

void QtHost::ClipboardSetText(const QString& text)
{
    if (!FileNameHasRawBytes(text)) {
        QGuiApplication::clipboard()->setText(text);
        return;
    }
    // A path with bytes that are not UTF-8: as text it would be damaged, so the clipboard gets
    // its very bytes, and a file URL for programs that take one.
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), FileNameToBytes(text));
    data->setData(QStringLiteral("text/uri-list"), FileNameForOpener(text).toLatin1() + "\r\n");
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtHost::ShowModal(Form& form)
{
    if (!form.IsLoaded())
        return;
    QWidget* owner = QApplication::activeWindow();
    const auto view = m_views.find(form.Name());
    std::unique_ptr<FormDialog> dialog(view != m_views.end() ? view->second(form, m_scale, owner)
                                                             : FormDialog::generic(form, m_scale, owner));
    ToolTipTexts::Apply(dialog->view(), m_swedish && m_swedish());
    dialog->centreOver(owner);
    // The form may have unloaded while its view was built.
    if (form.IsLoaded())
        dialog->exec();
}

void QtHost::PopupMenu(Form&, MenuItem& menu)
{
    EventGuard::run("menu Click", [&] { menu.RaiseClick(); });
    QMenu popup;
    for (MenuItem* item : menu.Items())
        new MenuBinding(*item, popup, MenuBinding::Choice::Return);
    MenuItem* chosen = MenuBinding::itemFor(popup.exec(QCursor::pos()));
    if (chosen)
        EventGuard::run("menu Click", [&] { chosen->RaiseClick(); });
}

int QtHost::ScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? m_scale.toTwips(screen->availableGeometry().width()) : 0;
}

int QtHost::ScreenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? m_scale.toTwips(screen->availableGeometry().height()) : 0;
}

std::vector<QRect> QtHost::ScreenAreas()
{
    std::vector<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.emplace_back(m_scale.toTwips(area.x()), m_scale.toTwips(area.y()),
                           m_scale.toTwips(area.width()), m_scale.toTwips(area.height()));
    }
    return areas;
}

QSize QtHost::MeasureText(const QString& text)
{
    // The label's own measure of its text, so that the size the form computes is the size shown;
    // every line counts a full line spacing, which makes one line 195 twips in the design font.
    const QFontMetrics metrics(QApplication::font("QLabel"));
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    const int width = metrics.size(0, text).width();
    return {m_scale.toTwipsCeil(width), m_scale.toTwipsCeil(lines * metrics.lineSpacing())};
}

void QtHost::SendEnter()
{
    QWidget* target = QApplication::focusWidget();
    // Without an active window (no window manager yet) the modal window's focus still counts.
    if (!target && QApplication::activeModalWidget())
        target = QApplication::activeModalWidget()->focusWidget();
    if (!target)
        return;
    // Posted, so that the handler that asked for it finishes before the key arrives.
    const QString enter(QLatin1Char('\r'));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, enter));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, enter));
}

void QtHost::DoEvents()
{
    QCoreApplication::processEvents();
}

void QtHost::WatchFolders(const QStringList& folders, std::function<void(const QString&)> changed)
{
    m_follower->watchFolders(folders, std::move(changed));
}

void QtHost::StartTimer(int milliseconds, std::function<void()> callback)
{
    m_follower->startTimer(milliseconds, std::move(callback));
}

void QtHost::ShellOpenChecked(const QString& target, std::function<void()> failed)
{
    m_follower->startChecked(QStringLiteral("xdg-open"), {target}, std::move(failed));
}

void QtHost::CheckFolders(const QStringList& folders, int timeoutMilliseconds,
                          std::function<void(const std::vector<FolderState>&)> done)
{
    m_follower->checkFolders(folders, timeoutMilliseconds, std::move(done));
}

void QtHost::WatchFile(const QString& path, std::function<void()> changed)
{
    m_fileWatcher.watch(path, std::move(changed));
}

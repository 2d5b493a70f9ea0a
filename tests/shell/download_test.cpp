// The update check over the real network code against a small server on 127.0.0.1: what the
// version file says, every way a download fails, and a window that stays painted while it waits.

#include "core/dialogs/aboutform.h"
#include "core/dialogs/messbox.h"
#include "core/dialogs/module1.h"
#include "core/tempfolder.h"
#include "localwebserver.h"
#include "qtinput.h"
#include "shell/host/downloader.h"
#include "shell/host/qthost.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using R = Downloader::Result;

// Names the result in a failure message.
void PrintTo(Downloader::Result result, std::ostream* out)
{
    static const char* const names[] = {"Ok", "Failed", "TimedOut", "TooLarge", "Refused", "NotWritten"};
    *out << names[int(result)];
}

namespace {

// The real host, with message boxes answered by caption and the desktop's opener recorded.
class AnsweringHost : public QtHost
{
public:
    QStringList messages; // "title | prompt | buttons from left to right"
    QStringList shellOpened;
    QString answer = QStringLiteral("No");

    void ShowModal(Form& form) override
    {
        if (form.Name() != u"MessBox") {
            QtHost::ShowModal(form);
            return;
        }
        auto& box = static_cast<MessBox&>(form);
        QStringList buttons;
        int16_t pressed = -1;
        for (int16_t i = 2; i >= 0; --i) {
            if (!box.Button(i).Visible())
                continue;
            buttons.append(box.Button(i).Caption());
            if (box.Button(i).Caption() == answer)
                pressed = i;
        }
        messages.append(box.Caption() + " | " + box.Label_Msg.Caption() + " | " + buttons.join(u' '));
        if (pressed < 0)
            box.CloseByWindowSystem();
        else
            box.Button_Click(pressed);
    }
    bool ShellOpen(const QString& target) override
    {
        shellOpened.append(target);
        return true;
    }
    void ShellOpenChecked(const QString& target, std::function<void()>) override { ShellOpen(target); }
};

const QString Question = QStringLiteral("\n\nGoto the Program Homepage for info ?");

class UpdateCheckOverHttp : public testing::Test
{
protected:
    TempFolder tmp;
    AnsweringHost host;
    Module1 module{host};
    LocalWebServer server;
    AboutForm& about = module.aboutForm();

    UpdateCheckOverHttp()
    {
        module.AppVersion = QStringLiteral("2.7"); // as the main window's load sets it
        about.WebServer = server.base();
        host.downloader().setTimeLimit(1500ms);
    }
};

} // namespace

// What each version file and answer shows is the core's; here the real download reaches the
// cache and the home page on the same server.
TEST_F(UpdateCheckOverHttp, ReportsWhatTheServersVersionFileSaysAndYesOpensTheHomePage)
{
    server.serveFile("/dl/swv.txt", "x,Wayfolder:9.9");
    host.answer = QStringLiteral("Yes");
    about.CheckUpdate_Click();
    EXPECT_EQ(host.messages, QStringList{"Current Version: 2.7 | A newer version  ( 9.9 )  is available." +
                                         Question + " | Yes No"});
    EXPECT_EQ(server.requests, QList<QByteArray>{"/dl/swv.txt"});
    EXPECT_EQ(host.shellOpened, QStringList{server.url(QStringLiteral("/dl/Wayfolder.htm"))});
    EXPECT_EQ(tmp.readFile(QStringLiteral("home/.cache/Wayfolder/versions.txt")), "x,Wayfolder:9.9");
}

TEST_F(UpdateCheckOverHttp, SilentServerIsGivenUpAfterTheTimeLimitWhileTheWindowStaysPainted)
{
    // A window that repaints on every tick of a timer: both only happen while events are served.
    struct PaintCounter : QWidget
    {
        int paints = 0;
        void paintEvent(QPaintEvent*) override { ++paints; }
    } window;
    window.resize(200, 100);
    window.show();
    int ticks = 0;
    int busyTicks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        if (cursor && cursor->shape() == Qt::BusyCursor)
            ++busyTicks;
        window.update();
    });
    ticker.start(20);
    server.neverAnswer("/dl/swv.txt");

    QElapsedTimer clock;
    clock.start();
    const int paintsBefore = window.paints;
    about.CheckUpdate_Click();
    const qint64 elapsed = clock.elapsed();

    EXPECT_GE(elapsed, 1300); // a coarse timer may fire a little early
    EXPECT_LT(elapsed, 5000);
    EXPECT_EQ(host.messages,
              QStringList{"Current Version: 2.7 | Web Datafile not found." + Question + " | Yes No"});
    EXPECT_EQ(server.requests, QList<QByteArray>{"/dl/swv.txt"});
    // The timer ran all along, under a busy pointer, and the window was painted.
    EXPECT_GE(ticks, 20);
    EXPECT_EQ(busyTicks, ticks);
    EXPECT_GT(window.paints, paintsBefore + 10);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

namespace {

class DownloaderTest : public testing::Test
{
protected:
    TempFolder tmp;
    Downloader downloader;
    QString target = tmp.path(QStringLiteral("versions.txt"));

    DownloaderTest()
    {
        downloader.setTimeLimit(1500ms);
        tmp.writeFile(QStringLiteral("versions.txt"), "earlier copy");
    }
    QByteArray written() const { return tmp.readFile(QStringLiteral("versions.txt")); }
};

} // namespace

TEST_F(DownloaderTest, WritesTheWholeAnswerOrKeepsTheEarlierCopyAndAnswersAtOnce)
{
    const QByteArray earlier("earlier copy");
    const QByteArray overCap(Downloader::DefaultSizeCap + 1, 'a');
    const QString closedPort = LocalWebServer().url(QStringLiteral("/f"));
    // What the file holds afterwards; the address is the server's /f when empty.
    // clang-format off
    struct Row { const char* name; std::function<void(LocalWebServer&)> serve; R result; QByteArray file; QString url = {}; const char* to = "versions.txt"; };
    const Row rows[] = {
        {"200 with a body", [](LocalWebServer& s) { s.serveFile("/f", "Wayfolder:3"); }, R::Ok, "Wayfolder:3"},
        {"404", [](LocalWebServer&) {}, R::Failed, earlier},
        {"undeclared length over the cap", [&](LocalWebServer& s) { s.serveRaw("/f", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + overCap + overCap); }, R::TooLarge, earlier},
        {"redirect to a local file not followed", [](LocalWebServer& s) { s.serveRaw("/f", "HTTP/1.1 302 Found\r\nLocation: file:///etc/hostname\r\nContent-Length: 0\r\n\r\n"); }, R::Failed, earlier},
        {"a file address", {}, R::Refused, earlier, "file:///etc/hostname"},
        {"an ftp address", {}, R::Refused, earlier, "ftp://127.0.0.1/x"},
        {"no address", {}, R::Refused, earlier, "?"},
        {"a closed port, refused at once", {}, R::Failed, earlier, closedPort},
        {"an unwritable target", [](LocalWebServer& s) { s.serveFile("/f", "Wayfolder:3"); }, R::NotWritten, earlier, {}, "no/such/folder/f"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tmp.writeFile(QStringLiteral("versions.txt"), earlier);
        LocalWebServer server;
        if (row.serve)
            row.serve(server);
        const QString url = row.url == u"?"     ? QString()
                            : row.url.isEmpty() ? server.url(QStringLiteral("/f"))
                                                : row.url;
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(downloader.download(QUrl(url), tmp.path(QString::fromLatin1(row.to))), row.result);
        EXPECT_LT(clock.elapsed(), 1400); // well before the time limit
        EXPECT_EQ(written(), row.file);
    }
}

namespace {

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

int socketCount()
{
    int sockets = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot))
        sockets += fd.symLinkTarget().contains(QLatin1String("socket:")) ? 1 : 0;
    return sockets;
}

} // namespace

TEST_F(DownloaderTest, HeaderThatNeverEndsIsGivenUpInTimeAndLeavesNothingRunning)
{
    // Whatever the first download starts for good (TLS and the like) is part of the baseline.
    {
        LocalWebServer server;
        server.serveFile("/f", "Wayfolder:3");
        ASSERT_EQ(downloader.download(QUrl(server.url(QStringLiteral("/f"))), target), R::Ok);
    }
    QByteArray manyLines = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < 10000; ++i)
        manyLines += "X-Line: " + QByteArray::number(i) + "\r\n";
    manyLines += "Content-Length: 3\r\n\r\nabc";
    // clang-format off
    struct Row { const char* name; std::function<void(LocalWebServer&)> serve; R result; };
    const Row rows[] = {
        {"endless header", [](LocalWebServer& s) { s.endlessHeader("/f"); }, R::TooLarge},
        {"header trickled one byte a second", [](LocalWebServer& s) { s.serveRaw("/f", "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabc", 1000ms); }, R::TimedOut},
        {"10,000 header lines", [&](LocalWebServer& s) { s.serveRaw("/f", manyLines); }, R::TooLarge},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int threads = threadCount();
        const int sockets = socketCount();
        QElapsedTimer clock;
        {
            LocalWebServer server;
            row.serve(server);
            clock.start();
            EXPECT_EQ(downloader.download(QUrl(server.url(QStringLiteral("/f"))), target), row.result);
            EXPECT_LT(clock.elapsed(), downloader.timeLimit().count() + 300);
            EXPECT_EQ(server.requests, QList<QByteArray>{"/f"});
        }
        EXPECT_EQ(written(), "Wayfolder:3");
        // Nothing keeps reading: no thread and no socket is left once the server is gone.
        EXPECT_TRUE(
            QtInput::waitFor([&] { return threadCount() <= threads && socketCount() <= sockets; }, 2000))
            << threadCount() << " threads (" << threads << " before), " << socketCount() << " sockets ("
            << sockets << " before)";
    }
}

TEST_F(DownloaderTest, HttpsIsDownloadedAndNeverRedirectedToPlainHttp)
{
    if (!QSslSocket::supportsSsl())
        GTEST_SKIP() << "no TLS backend";
    LocalWebServer plain;
    plain.serveFile("/f", "Wayfolder:9.9");
    LocalWebServer secure(true);
    secure.serveFile("/f", "Wayfolder:3");
    secure.serveRaw("/up", "HTTP/1.1 302 Found\r\nLocation: /f\r\nContent-Length: 0\r\n\r\n");
    secure.serveRaw("/down", "HTTP/1.1 302 Found\r\nLocation: " + plain.url(QStringLiteral("/f")).toLatin1() +
                                 "\r\nContent-Length: 0\r\n\r\n");

    // Without trust in its certificate the server is refused.
    EXPECT_EQ(downloader.download(QUrl(secure.url(QStringLiteral("/f"))), target), R::Failed);
    EXPECT_EQ(written(), "earlier copy");

    const QSslConfiguration untrusting = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = untrusting;
    trusting.addCaCertificate(LocalWebServer::certificate());
    QSslConfiguration::setDefaultConfiguration(trusting);
    EXPECT_EQ(downloader.download(QUrl(secure.url(QStringLiteral("/f"))), target), R::Ok);
    EXPECT_EQ(written(), "Wayfolder:3");
    EXPECT_EQ(downloader.download(QUrl(secure.url(QStringLiteral("/up"))), target), R::Ok);

    tmp.writeFile(QStringLiteral("versions.txt"), "earlier copy");
    EXPECT_EQ(downloader.download(QUrl(secure.url(QStringLiteral("/down"))), target), R::Refused);
    EXPECT_EQ(written(), "earlier copy");
    EXPECT_TRUE(plain.requests.isEmpty());
    QSslConfiguration::setDefaultConfiguration(untrusting);
}

#include "platform/qt/downloader.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <memory>

namespace {

// The busy pointer for as long as the download runs, however it ends.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool writeWhole(const QString& localPath, const QByteArray& bytes)
{
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() can report success after a short write; check each step.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

Downloader::Result Downloader::download(const QUrl& url, const QString& localPath) const
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"https" && scheme != u"http"))
        return Result::Refused;

    BusyCursor busy;
    QNetworkAccessManager manager;
    // Follows redirects, but never from https to http.
    manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setMaximumRedirectsAllowed(5);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    Result failure = Result::Ok;
    QByteArray body;
    const auto fail = [&](Result why) {
        if (failure == Result::Ok)
            failure = why;
        reply->abort();
    };
    const auto take = [&] {
        body += reply->read(m_sizeCap + 1 - body.size());
        if (body.size() > m_sizeCap)
            fail(Result::TooLarge);
    };

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64, qint64 total) {
        // A declared length over the cap is refused before its body arrives.
        if (total > m_sizeCap)
            fail(Result::TooLarge);
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] { fail(Result::TimedOut); });
    limit.start(m_timeLimit);
    // Paint and timer events go on; input waits, so that nothing in the window runs twice
    // or closes under the download.
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    limit.stop();

    if (failure != Result::Ok)
        return failure;
    if (reply->error() == QNetworkReply::InsecureRedirectError)
        return Result::Refused;
    if (reply->error() != QNetworkReply::NoError)
        return Result::Failed;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299)
        return Result::Failed;
    take();
    if (failure != Result::Ok)
        return failure;
    return writeWhole(localPath, body) ? Result::Ok : Result::NotWritten;
}

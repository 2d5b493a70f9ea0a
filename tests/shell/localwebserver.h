#pragma once
// A small HTTP(S) server on 127.0.0.1 for the download tests: canned answers by path, whole, one
// byte at a time, never, or a header without end; a 404 for every other path. It runs in the
// test's own event loop, so a download that waits in a nested loop is still served.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <chrono>
#include <map>
#include <memory>

class QTcpServer;

class LocalWebServer : public QObject
{
public:
    explicit LocalWebServer(bool https = false);
    ~LocalWebServer() override;

    /// The certificate the HTTPS server presents: self-signed for 127.0.0.1.
    static QSslCertificate certificate();

    /// "http://127.0.0.1:<port>" or "https://…", without a trailing slash.
    QString base() const;
    QString url(const QString& path) const { return base() + path; }

    /// A 200 answer with this body and its length.
    void serveFile(const QByteArray& path, const QByteArray& body);
    /// Exactly these bytes as the answer, one per `interval` when one is given; the connection
    /// is closed after them.
    void serveRaw(const QByteArray& path, const QByteArray& response,
                  std::chrono::milliseconds interval = {});
    /// Reads the request and never answers.
    void neverAnswer(const QByteArray& path) { m_answers[path] = {{}, {}, How::Never}; }
    /// A status line, then header lines without end, as fast as the client takes them.
    void endlessHeader(const QByteArray& path) { m_answers[path] = {{}, {}, How::Endless}; }

    /// The paths requested, in order.
    QList<QByteArray> requests;

private:
    enum class How
    {
        Whole,
        Trickle,
        Never,
        Endless
    };
    struct Answer
    {
        QByteArray bytes;
        std::chrono::milliseconds interval;
        How how;
    };
    void accept();

    std::unique_ptr<QTcpServer> m_server;
    bool m_https;
    std::map<QByteArray, Answer> m_answers;
};

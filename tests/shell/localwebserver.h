#pragma once
// A small HTTP(S) server on 127.0.0.1 for the download tests: canned answers by path, paths that
// accept the request and never answer, and a 404 for every other path. It runs in the test's own
// event loop, so a download that waits in a nested loop is still served.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <chrono>
#include <map>
#include <memory>
#include <set>

class QTcpServer;
class QTcpSocket;

class LocalWebServer : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Http,
        Https
    };
    explicit LocalWebServer(Kind kind = Kind::Http);
    ~LocalWebServer() override;

    /// The certificate the HTTPS server presents: self-signed for 127.0.0.1.
    static QSslCertificate certificate();

    /// "http://127.0.0.1:<port>" or "https://…", without a trailing slash.
    QString base() const;
    QString url(const QString& path) const { return base() + path; }

    /// A 200 answer with this body and its length.
    void serveFile(const QByteArray& path, const QByteArray& body);
    /// Exactly these bytes as the answer; the connection is closed after them.
    void serveRaw(const QByteArray& path, const QByteArray& response);
    /// Reads the request and never answers.
    void neverAnswer(const QByteArray& path);
    /// A status line, then header lines without end, as fast as the client takes them.
    void endlessHeader(const QByteArray& path);
    /// These bytes one at a time, one per interval.
    void trickle(const QByteArray& path, const QByteArray& response, std::chrono::milliseconds interval);

    /// The paths requested, in order.
    QList<QByteArray> requests;

private:
    void accept();

    std::unique_ptr<QTcpServer> m_server;
    Kind m_kind;
    std::map<QByteArray, QByteArray> m_answers;
    std::set<QByteArray> m_silent;
    std::set<QByteArray> m_endless;
    std::map<QByteArray, std::pair<QByteArray, std::chrono::milliseconds>> m_trickles;
};

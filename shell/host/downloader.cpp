// One small HTTP(S) GET on the user-interface thread: a socket of our own, read in a nested event
// loop, so that one deadline covers the whole request (connection, TLS, header, redirects, body),
// the header is capped like the body, and an abort closes the socket at once. The network
// manager's own thread could not promise that: a header that never ended kept it reading after
// the check had given up, and tearing it down froze the window.

#include "shell/host/downloader.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSslSocket>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

namespace {

constexpr int MaxRedirects = 5;
// A chunk-size line is a few hex digits and perhaps an extension; more is no HTTP.
constexpr qsizetype MaxChunkLine = 1024;

// The busy pointer for as long as the download runs, however it ends.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool writeWhole(const QString& localPath, const QByteArray& bytes, QString* error)
{
    QSaveFile file(localPath);
    // commit() can report success after a short write; check each step.
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    if (ok && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool isWebScheme(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (scheme == u"https" || scheme == u"http");
}

/// The answer to one GET, read until the status and header say enough.
struct Answer
{
    int status = 0;
    QByteArray location;
    QByteArray body;
};

/// One GET over one connection. Ends at the deadline at the latest; the socket is closed and
/// gone when `run` returns.
class Exchange
{
public:
    Exchange(const QUrl& url, qint64 sizeCap, qint64 headerCap)
        : m_url(url), m_sizeCap(sizeCap), m_headerCap(headerCap)
    {}

    Downloader::Result run(const QDeadlineTimer& deadline, Answer& answer)
    {
        auto socket = std::make_unique<QSslSocket>();
        m_socket = socket.get();
        // Bytes are taken as they come; the socket never holds much more than one read.
        socket->setReadBufferSize(qint64{64} * 1024);
        QObject::connect(m_socket, &QSslSocket::connected, &m_loop, [this] {
            if (!m_secure)
                sendRequest();
        });
        QObject::connect(m_socket, &QSslSocket::encrypted, &m_loop, [this] { sendRequest(); });
        QObject::connect(m_socket, &QSslSocket::readyRead, &m_loop, [this] { receive(); });
        QObject::connect(m_socket, &QSslSocket::disconnected, &m_loop, [this] { closed(); });
        QObject::connect(m_socket, &QSslSocket::errorOccurred, &m_loop,
                         [this](QAbstractSocket::SocketError e) {
                             if (e == QAbstractSocket::RemoteHostClosedError)
                                 closed();
                             else
                                 finish(Downloader::Result::Failed);
                         });
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &m_loop, [this] { finish(Downloader::Result::TimedOut); });
        limit.start(std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0)));

        m_secure = m_url.scheme().toLower() == u"https";
        if (m_secure)
            m_socket->connectToHostEncrypted(m_url.host(), quint16(m_url.port(443)));
        else
            m_socket->connectToHost(m_url.host(), quint16(m_url.port(80)));
        // Paint and timer events go on; input waits, so that nothing in the window runs twice
        // or closes under the download.
        if (!m_result)
            m_loop.exec(QEventLoop::ExcludeUserInputEvents);
        limit.stop();

        socket->disconnect();
        socket->abort();
        m_socket = nullptr;
        if (*m_result == Downloader::Result::Ok)
            answer = std::move(m_answer);
        return *m_result;
    }

private:
    void finish(Downloader::Result result)
    {
        if (m_result)
            return;
        m_result = result;
        m_loop.quit();
    }

    void sendRequest()
    {
        QByteArray target = m_url.path(QUrl::FullyEncoded).toLatin1();
        if (target.isEmpty())
            target = "/";
        if (m_url.hasQuery())
            target += '?' + m_url.query(QUrl::FullyEncoded).toLatin1();
        const QByteArray host = m_url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
        m_socket->write("GET " + target + " HTTP/1.1\r\nHost: " + host +
                        "\r\nUser-Agent: Wayfolder\r\nAccept: */*\r\nAccept-Encoding: identity\r\n"
                        "Connection: close\r\n\r\n");
    }

    void receive()
    {
        while (!m_result && m_socket->bytesAvailable() > 0) {
            m_buffer += m_socket->read(qint64{64} * 1024);
            if (!m_headerDone)
                readHeader();
            if (m_headerDone && !m_result)
                readBody();
        }
    }

    void readHeader()
    {
        for (;;) {
            qsizetype end = m_buffer.indexOf("\r\n\r\n");
            qsizetype skip = 4;
            if (const qsizetype bare = m_buffer.indexOf("\n\n"); bare >= 0 && (end < 0 || bare < end)) {
                end = bare;
                skip = 2;
            }
            if (end < 0) {
                if (m_headerBytes + m_buffer.size() > m_headerCap)
                    finish(Downloader::Result::TooLarge);
                return;
            }
            m_headerBytes += end + skip;
            if (m_headerBytes > m_headerCap)
                return finish(Downloader::Result::TooLarge);
            const QList<QByteArray> lines = m_buffer.left(end).split('\n');
            m_buffer.remove(0, end + skip);
            if (!parseHeader(lines))
                return finish(Downloader::Result::Failed);
            // An interim answer (100 Continue and the like) is followed by the real one.
            if (m_answer.status >= 200)
                break;
        }
        m_headerDone = true;
        // A redirect or an error says all it has to say in its header.
        if (m_answer.status < 200 || m_answer.status > 299)
            return finish(Downloader::Result::Ok);
        if (m_length > m_sizeCap)
            return finish(Downloader::Result::TooLarge);
    }

    bool parseHeader(const QList<QByteArray>& lines)
    {
        const QList<QByteArray> status = lines.value(0).trimmed().split(' ');
        bool ok = false;
        m_answer.status = status.value(1).toInt(&ok);
        if (!status.value(0).startsWith("HTTP/1.") || !ok || m_answer.status < 100 || m_answer.status > 999)
            return false;
        m_length = -1;
        m_chunked = false;
        m_answer.location.clear();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray& line = lines[i];
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-length") {
                const qint64 length = value.toLongLong(&ok);
                if (!ok || length < 0 || (m_length >= 0 && length != m_length))
                    return false;
                m_length = length;
            } else if (name == "transfer-encoding") {
                m_chunked = value.toLower().endsWith("chunked");
            } else if (name == "location") {
                m_answer.location = value;
            }
        }
        return true;
    }

    void readBody()
    {
        if (!m_chunked) {
            m_answer.body += m_buffer;
            m_buffer.clear();
            if (m_answer.body.size() > m_sizeCap)
                return finish(Downloader::Result::TooLarge);
            if (m_length >= 0 && m_answer.body.size() >= m_length) {
                m_answer.body.truncate(m_length);
                finish(Downloader::Result::Ok);
            }
            return;
        }
        for (;;) {
            if (m_chunkLeft > 0) {
                const qsizetype take = std::min<qsizetype>(m_chunkLeft, m_buffer.size());
                m_answer.body += m_buffer.left(take);
                m_buffer.remove(0, take);
                m_chunkLeft -= take;
                if (m_chunkLeft > 0)
                    return;
                m_chunkEnd = true;
            }
            const qsizetype lineEnd = m_buffer.indexOf('\n');
            if (lineEnd < 0) {
                if (m_buffer.size() > MaxChunkLine)
                    finish(Downloader::Result::Failed);
                return;
            }
            const QByteArray line = m_buffer.left(lineEnd).trimmed();
            m_buffer.remove(0, lineEnd + 1);
            if (m_chunkEnd) {
                // The line end after a chunk's data.
                m_chunkEnd = false;
                if (!line.isEmpty())
                    return finish(Downloader::Result::Failed);
                continue;
            }
            bool ok = false;
            const qint64 size = line.left(line.indexOf(';')).trimmed().toLongLong(&ok, 16);
            if (!ok || size < 0)
                return finish(Downloader::Result::Failed);
            if (size == 0)
                return finish(Downloader::Result::Ok);
            if (m_answer.body.size() + size > m_sizeCap)
                return finish(Downloader::Result::TooLarge);
            m_chunkLeft = size;
        }
    }

    void closed()
    {
        if (m_result)
            return;
        receive();
        if (m_result)
            return;
        // Only an answer without a declared length ends with the connection.
        const bool whole = m_headerDone && !m_chunked && m_length < 0;
        finish(whole ? Downloader::Result::Ok : Downloader::Result::Failed);
    }

    const QUrl m_url;
    const qint64 m_sizeCap;
    const qint64 m_headerCap;
    QEventLoop m_loop;
    QSslSocket* m_socket = nullptr;
    bool m_secure = false;
    std::optional<Downloader::Result> m_result;

    QByteArray m_buffer;
    qint64 m_headerBytes = 0;
    bool m_headerDone = false;
    qint64 m_length = -1;
    bool m_chunked = false;
    qint64 m_chunkLeft = 0;
    bool m_chunkEnd = false;
    Answer m_answer;
};

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

Downloader::Result Downloader::download(const QUrl& url, const QString& localPath, QString* writeError) const
{
    if (!isWebScheme(url))
        return Result::Refused;

    BusyCursor busy;
    const QDeadlineTimer deadline(m_timeLimit.count());
    QUrl current = url;
    for (int redirects = 0;; ++redirects) {
        Answer answer;
        const Result result = Exchange(current, DefaultSizeCap, DefaultHeaderCap).run(deadline, answer);
        if (result != Result::Ok)
            return result;
        if (isRedirect(answer.status) && !answer.location.isEmpty()) {
            const QUrl next = current.resolved(QUrl::fromEncoded(answer.location));
            if (redirects == MaxRedirects || !isWebScheme(next))
                return Result::Failed;
            // Never from https to http.
            if (current.scheme().toLower() == u"https" && next.scheme().toLower() != u"https")
                return Result::Refused;
            current = next;
            continue;
        }
        if (answer.status < 200 || answer.status > 299)
            return Result::Failed;
        return writeWhole(localPath, answer.body, writeError) ? Result::Ok : Result::NotWritten;
    }
}

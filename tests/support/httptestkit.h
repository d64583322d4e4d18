// For in-process tests of the welcome page's requests: a small HTTP server on 127.0.0.1
// that answers per path (status, body, Location) and can speak TLS with a throw-away
// self-signed certificate.
#ifndef HTTPTESTKIT_H
#define HTTPTESTKIT_H

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSet>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QUrl>

class HttpTestServer : public QTcpServer
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray location;      // sent as "Location:" when not empty
        QByteArray headers = {};  // more header lines, each with its line end
        QByteArray raw = {};      // when not empty, the whole answer as sent, head and body
    };

    static Answer ok(const QByteArray& body) { return {200, body, {}}; }
    static Answer status(int code) { return {code, "status", {}}; }
    static Answer redirect(int code, const QByteArray& location) { return {code, {}, location}; }
    static Answer gzip(int code) { return {code, QByteArray(1000, 'z'), {}, "Content-Encoding: gzip\r\n"}; }
    static Answer whole(const QByteArray& raw) { return {200, {}, {}, {}, raw}; }

    // Listens on a free loopback port; with tls, on HTTPS with a self-signed certificate.
    bool start(bool tls = false)
    {
        useTls = tls;
        return (!tls || makeCertificate()) && listen(QHostAddress::LocalHost, 0);
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QString("%1://127.0.0.1:%2%3").arg(useTls ? "https" : "http").arg(serverPort()).arg(path));
    }

    // Answers for a path; unknown paths get 404.
    void setAnswer(const QString& path, const Answer& answer) { answers[path] = answer; }
    int requestsFor(const QString& path) const { return requests.count(path); }

    QStringList requests;  // request paths, oldest first

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QSslSocket* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        if (useTls) {
            socket->setLocalCertificate(certificate);
            socket->setPrivateKey(key);
            socket->startServerEncryption();
        }
        QObject::connect(socket, &QSslSocket::readyRead, this, [this, socket] { serve(socket); });
        QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void serve(QSslSocket* socket)
    {
        QByteArray& buffer = pending[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QString path = buffer.left(buffer.indexOf("\r\n")).split(' ').value(1);
        pending.remove(socket);
        requests.append(path);
        const Answer answer = answers.value(path, status(404));
        if (!answer.raw.isEmpty()) {
            socket->write(answer.raw);
            socket->disconnectFromHost();
            return;
        }
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) +
                           " Test\r\nContent-Length: " + QByteArray::number(answer.body.size()) +
                           "\r\nConnection: close\r\n";
        if (!answer.location.isEmpty())
            reply += "Location: " + answer.location + "\r\n";
        socket->write(reply + answer.headers + "\r\n" + answer.body);
        socket->disconnectFromHost();
    }

    bool makeCertificate()
    {
        const QString keyFile = dir.filePath("key.pem");
        const QString certFile = dir.filePath("cert.pem");
        QProcess openssl;
        openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                                  "-keyout", keyFile, "-out", certFile, "-days", "1", "-subj", "/CN=untrusted.test"});
        if (!dir.isValid() || !openssl.waitForFinished(30000) || openssl.exitCode() != 0)
            return false;
        QFile keyIn(keyFile);
        keyIn.open(QIODevice::ReadOnly);
        certificate = QSslCertificate::fromPath(certFile).value(0);
        key = QSslKey(&keyIn, QSsl::Ec, QSsl::Pem);
        return !certificate.isNull() && !key.isNull();
    }

    bool useTls = false;
    QMap<QString, Answer> answers;
    QMap<QSslSocket*, QByteArray> pending;
    QTemporaryDir dir;
    QSslCertificate certificate;
    QSslKey key;
};

// Whether this process holds UDP port 5978 (another program holding it does not count).
inline bool dcpPortHeld()
{
    QSet<QString> inodes;
    for (const char* table : {"/proc/net/udp", "/proc/net/udp6"}) {
        QFile file(table);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> f = line.simplified().split(' ');
            if (f.size() > 9 && f[1].endsWith(":175A"))
                inodes.insert(QString::fromLatin1(f[9]));
        }
    }
    const QDir fds("/proc/self/fd");
    for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot))
        if (inodes.contains(QFileInfo(fds.filePath(fd)).symLinkTarget().section('[', 1).section(']', 0, 0)))
            return true;
    return false;
}

// Whether any program holds UDP port 5978.
inline bool dcpPortBusy()
{
    QUdpSocket probe;
    return !probe.bind(QHostAddress::Any, 5978);
}

#endif  // HTTPTESTKIT_H

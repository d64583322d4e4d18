// A small HTTP server on 127.0.0.1 for in-process tests of the welcome page's requests:
// answers per path (status, body, Location), can stay silent, and can speak TLS with a
// throw-away self-signed certificate.
#ifndef HTTPTESTKIT_H
#define HTTPTESTKIT_H

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>

class HttpTestServer : public QTcpServer
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray extraHeaders;  // whole lines, each ending in "\r\n"
        bool silent = false;      // read the request, never answer
    };

    static Answer ok(const QByteArray& body) { return {200, body, {}, false}; }
    static Answer status(int code) { return {code, "status", {}, false}; }
    static Answer redirect(int code, const QByteArray& location)
    {
        return {code, {}, "Location: " + location + "\r\n", false};
    }
    static Answer silence() { return {200, {}, {}, true}; }

    // Listens on a free loopback port; with tls, on HTTPS with a self-signed certificate.
    bool start(bool tls = false)
    {
        if (tls && !makeCertificate())
            return false;
        useTls = tls;
        return listen(QHostAddress::LocalHost, 0);
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QString("%1://127.0.0.1:%2%3").arg(useTls ? "https" : "http").arg(serverPort()).arg(path));
    }

    // Answers for a path; unknown paths get 404.
    void setAnswer(const QString& path, const Answer& answer) { answers[path] = answer; }

    int requestsFor(const QString& path) const { return requests.count(path); }

    QStringList requests;  // request paths, oldest first
    QString error;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QTcpSocket* socket = nullptr;
        if (useTls) {
            QSslSocket* tlsSocket = new QSslSocket(this);
            tlsSocket->setSocketDescriptor(descriptor);
            tlsSocket->setLocalCertificate(certificate);
            tlsSocket->setPrivateKey(key);
            tlsSocket->startServerEncryption();
            socket = tlsSocket;
        } else {
            socket = new QTcpSocket(this);
            socket->setSocketDescriptor(descriptor);
        }
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& buffer = pending[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
        pending.remove(socket);
        const QString path = requestLine.value(1);
        requests.append(path);
        const Answer answer = answers.value(path, status(404));
        if (answer.silent)
            return;
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Test\r\n" +
                           "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n" +
                           "Connection: close\r\n" + answer.extraHeaders + "\r\n" + answer.body;
        socket->write(reply);
        socket->disconnectFromHost();
    }

    bool makeCertificate()
    {
        if (!dir.isValid()) {
            error = "no temporary folder";
            return false;
        }
        const QString keyFile = dir.filePath("key.pem");
        const QString certFile = dir.filePath("cert.pem");
        QProcess openssl;
        openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", keyFile, "-out",
                                  certFile, "-days", "1", "-subj", "/CN=untrusted.test"});
        const bool made = openssl.waitForFinished(30000) && openssl.exitCode() == 0;
        QFile certIn(certFile);
        QFile keyIn(keyFile);
        if (!made || !certIn.open(QIODevice::ReadOnly) || !keyIn.open(QIODevice::ReadOnly)) {
            error = "openssl could not make a certificate";
            return false;
        }
        certificate = QSslCertificate(&certIn, QSsl::Pem);
        key = QSslKey(&keyIn, QSsl::Rsa, QSsl::Pem);
        return !certificate.isNull() && !key.isNull();
    }

    bool useTls = false;
    QMap<QString, Answer> answers;
    QMap<QTcpSocket*, QByteArray> pending;
    QTemporaryDir dir;
    QSslCertificate certificate;
    QSslKey key;
};

#endif // HTTPTESTKIT_H

// DCPUtils: the local listener that receives the OAuth redirect of the cloud sign-in and sign-up.
#include "protocol/dcputils.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "base/globals.h"
#include "base/log.h"
#include "protocol/logsummary.h"

namespace {

// A redirect request line longer than this is not a browser's redirect.
constexpr int kMaxRedirectRequest = 16 * 1024;
const char kRedirectBufferProperty[] = "redirectRequest";
// A browser opens a handful of connections and sends its request at once.
constexpr int kMaxRedirectConnections = 8;
constexpr int kRedirectIdleMs = 5000;
constexpr int kRedirectLogPrefix = 512;

// Redirect data for the log, the access token's value masked.
QString withTokenMasked(const QByteArray& data)
{
    QString text = QString::fromLatin1(data);
    static const QRegularExpression token(QStringLiteral("(access_token=)([^&\\s]*)"));
    QRegularExpressionMatch match;
    int from = 0;
    while ((match = token.match(text, from)).hasMatch()) {
        const QString masked = match.captured(1) + maskSecret(match.captured(2));
        text.replace(match.capturedStart(), match.capturedLength(), masked);
        from = match.capturedStart() + masked.size();
    }
    return text;
}

} // namespace

// ---------------------------------------------------------------------------
// OAuth redirect listener

bool DCPUtils::openTCPSocketRecv(int port)
{
    if (!tcpServer.listen(QHostAddress::LocalHost, quint16(port))) {
        WLOG << "TCP Server is not Listening ...";
        return false;
    }
    WLOG << QString("Tcp Server is Listening Port %1 ...").arg(tcpServer.serverPort());
    connect(&tcpServer, &QTcpServer::newConnection, this, &DCPUtils::acceptConnection);
    return true;
}

void DCPUtils::expectRedirect(bool waiting)
{
    redirectExpected = waiting;
}

void DCPUtils::setDeviceConnectionMode(bool on)
{
    deviceConnectionMode = on;
}

bool DCPUtils::isRedirectPeerAllowed(const QHostAddress& peer)
{
    bool isIPv4 = false;
    const quint32 v4 = peer.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(v4).isLoopback() : peer.isLoopback();
}

void DCPUtils::acceptConnection()
{
    while (QTcpSocket* socket = tcpServer.nextPendingConnection()) {
        if (!isRedirectPeerAllowed(socket->peerAddress())) {
            LogSummary::note(QStringLiteral("acceptConnection refused a peer that is not this machine"));
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // The oldest connection makes room: a browser's fresh redirect always gets in.
        redirectSockets.removeAll(nullptr);
        if (redirectSockets.size() >= kMaxRedirectConnections) {
            LogSummary::note(QStringLiteral("acceptConnection closed the oldest open connection"));
            QTcpSocket* oldest = redirectSockets.takeFirst();
            oldest->abort();
            oldest->deleteLater();
        }
        redirectSockets.append(socket);
        tcpSocket = socket;
        LogSummary::note(QStringLiteral("acceptConnection ----> a connection from this machine"));
        connect(socket, &QTcpSocket::readyRead, this, &DCPUtils::handleOpenapiResponse);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // A request not complete by then is not a browser's redirect.
        QTimer::singleShot(kRedirectIdleMs, socket, [socket] {
            LogSummary::note(QStringLiteral("Redirect connection idle, closed"));
            socket->abort();
            socket->deleteLater();
        });
    }
}

void DCPUtils::handleOpenapiResponse()
{
    QTcpSocket* socket = qobject_cast<QTcpSocket*>(sender());
    if (!socket)
        socket = tcpSocket;
    if (!socket || !socket->isValid())
        return;

    QByteArray buffer = socket->property(kRedirectBufferProperty).toByteArray() + socket->readAll();
    const int lineEnd = buffer.indexOf('\n');
    if (lineEnd < 0) {
        if (buffer.size() > kMaxRedirectRequest) {
            LogSummary::note(QStringLiteral("Redirect request line too long, connection closed"));
            socket->abort();
            socket->deleteLater();
        } else {
            socket->setProperty(kRedirectBufferProperty, buffer);
        }
        return;
    }
    socket->setProperty(kRedirectBufferProperty, QVariant());
    socket->disconnect(this);
    QByteArray requestLine = buffer.left(lineEnd);
    if (requestLine.endsWith('\r'))
        requestLine.chop(1);
    handleRedirectRequest(socket, requestLine);
}

void DCPUtils::handleRedirectRequest(QTcpSocket* socket, const QByteArray& requestLine)
{
    const bool signIn = requestLine.contains("state=tolmwizard_signin");
    const bool signUp = !signIn && requestLine.contains("state=tolmwizard_signup");
    if (!redirectExpected || (!signIn && !signUp)) {
        LogSummary::note(redirectExpected ? QStringLiteral("Not Handled in OpenAPI Recieved Data!!")
                                          : QStringLiteral("Redirect ignored: no sign-in or sign-up is waiting for one"));
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }

    WLOG << "[DCPUtils][handleOpenapiResponse()] Recieved TCP Content : "
         << withTokenMasked(requestLine).left(kRedirectLogPrefix);
    static const char page[] = "<html><body><p>Done. You can return to the setup wizard.</p></body></html>";
    socket->write(QByteArray("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: ")
                  + QByteArray::number(int(sizeof(page) - 1)) + "\r\nConnection: close\r\n\r\n" + page);
    socket->disconnectFromHost();

    emit redirectReceived();
    const int queryStart = requestLine.indexOf('?');
    int queryEnd = requestLine.indexOf(" HTTP", queryStart);
    if (queryEnd < 0)
        queryEnd = requestLine.size();
    const QByteArray query = queryStart < 0 ? QByteArray() : requestLine.mid(queryStart + 1, queryEnd - queryStart - 1);
    QString accessToken;
    QString targetSite;
    for (const QByteArray& item : query.split('&')) {
        const QList<QByteArray> parts = item.split('=');
        const QString value = parts.size() > 1 ? QString::fromLatin1(parts.at(1)) : QString();
        if (parts.at(0) == "access_token")
            accessToken = value;
        else if (parts.at(0) == "target_site")
            targetSite = value;
    }
    if (signIn)
        emit gotOpenAPISignIn(accessToken, targetSite);
    else
        emit gotOpenAPISignUp(accessToken);
}

// DCPUtils: the OAuth redirect of the cloud sign-in and sign-up, taken from the cloud views, and the local
// listener on its address, which takes nothing.
#include "protocol/dcputils.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "base/globals.h"
#include "base/log.h"
#include "base/logsummary.h"

namespace {

// A request whose head (request line and headers) is longer than this is not a browser's.
constexpr int kMaxRedirectRequest = 16 * 1024;
// A browser opens a handful of connections and sends its request at once.
constexpr int kMaxRedirectConnections = 8;
constexpr int kRedirectIdleMs = 5000;
constexpr int kRedirectLogPrefix = 512;

// Redirect data for the log, the access token's value and the suffix of a state of this program masked: a
// flow's state still waiting is what keeps another program's token out of it.
QString withTokenMasked(const QByteArray& data)
{
    QString text = QString::fromLatin1(data);
    static const QRegularExpression token(QStringLiteral("(access_token=|state=tolmwizard_sign(?:in|up))([^&\\s]*)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch match;
    int from = 0;
    while ((match = token.match(text, from)).hasMatch()) {
        const QString masked = match.captured(1) + maskSecret(match.captured(2));
        text.replace(match.capturedStart(), match.capturedLength(), masked);
        from = match.capturedStart() + masked.size();
    }
    return text;
}

// Requests to the listener a local process can repeat at will: the first few are logged in full.
constexpr int kRedirectRequestsInFull = 4;

}  // namespace

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

void DCPUtils::expectRedirect(RedirectFlow flow, const QByteArray& state)
{
    (flow == RedirectFlow::SignIn ? signInState : signUpState) = state;
}

void DCPUtils::expectNoRedirect()
{
    signInState.clear();
    signUpState.clear();
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
        redirectSockets.removeAll(nullptr);
        if (redirectSockets.size() >= kMaxRedirectConnections) {
            // Requests already sent are served first; then the oldest idle connection makes room,
            // so a flood of idle connections never pushes out a browser's request.
            for (const QPointer<QTcpSocket>& open : QList<QPointer<QTcpSocket>>(redirectSockets))
                if (open && open->waitForReadyRead(0))
                    continue;  // readRedirectSocket ran through readyRead
            redirectSockets.removeAll(nullptr);
        }
        if (redirectSockets.size() >= kMaxRedirectConnections) {
            LogSummary::note(QStringLiteral("acceptConnection closed the oldest idle connection"));
            QTcpSocket* oldest = redirectSockets.takeFirst();
            oldest->abort();
            oldest->deleteLater();
        }
        redirectSockets.append(socket);
        redirectHeads.insert(socket, RequestHead(kMaxRedirectRequest));
        connect(socket, &QObject::destroyed, this, [this, socket] { redirectHeads.remove(socket); });
        socket->setReadBufferSize(kMaxRedirectRequest + 1);
        tcpSocket = socket;
        LogSummary::note(QStringLiteral("acceptConnection ----> a connection from this machine"));
        connect(socket, &QTcpSocket::readyRead, this, &DCPUtils::handleOpenapiResponse);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // A request whose head is not complete by then is not a browser's.
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
    if (socket)
        readRedirectSocket(socket);
}

void DCPUtils::readRedirectSocket(QTcpSocket* socket)
{
    const auto head = redirectHeads.find(socket);
    if (!socket->isValid() || head == redirectHeads.end())
        return;
    const RequestHead::Status status = head->add(socket->readAll());
    if (status == RequestHead::Status::TooLong) {
        LogSummary::note(QStringLiteral("Redirect request too long, connection closed"));
        redirectSockets.removeAll(socket);
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (status == RequestHead::Status::Incomplete)
        return;
    const QByteArray requestLine = head->requestLine().trimmed();  // not its headers
    redirectHeads.erase(head);
    socket->disconnect(this);
    redirectSockets.removeAll(socket);
    // Sign-ins and sign-ups complete only in the cloud page's own views; whatever comes here, from a
    // browser or any other local process, takes nothing and is sent back to the wizard.
    if (LogSummary::firstInFull(QStringLiteral("Redirect listener sent the person back to the wizard, nothing taken"),
                                kRedirectRequestsInFull)) {
        WLOG << "[DCPUtils][handleOpenapiResponse()] Recieved TCP Content : "
             << withTokenMasked(requestLine.left(kRedirectLogPrefix))
             << "-- nothing taken, the person is sent back to the wizard";
    }
    const QByteArray page =
        QByteArrayLiteral("<html><body><p>Nothing to do here. Please return to the setup wizard and sign in or sign up "
                          "there.</p></body></html>");
    socket->write(QByteArray("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
                             "Content-Length: ") +
                  QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
    socket->disconnectFromHost();
}

bool DCPUtils::takeRedirect(const QByteArray& query, const QByteArray& received)
{
    QByteArrayList states;
    QString accessToken;
    QString targetSite;
    for (const QByteArray& item : query.split('&')) {
        const int eq = item.indexOf('=');
        const QByteArray key = eq < 0 ? item : item.left(eq);
        const QByteArray value = eq < 0 ? QByteArray() : item.mid(eq + 1);
        if (key == "state")
            states.append(value);
        else if (key == "access_token")
            accessToken = QString::fromLatin1(value);
        else if (key == "target_site")
            targetSite = QString::fromLatin1(value);
    }
    // Exactly the state a waiting flow sent, and only once.
    const QByteArray state = states.size() == 1 ? states.first() : QByteArray();
    const bool signIn = !state.isEmpty() && state == signInState;
    const bool signUp = !signIn && !state.isEmpty() && state == signUpState;
    if (!signIn && !signUp) {
        LogSummary::note(signInState.isEmpty() && signUpState.isEmpty()
                             ? QStringLiteral("Redirect ignored: no sign-in or sign-up is waiting for one")
                             : QStringLiteral("Not Handled in OpenAPI Recieved Data!!"));
        return false;
    }
    (signIn ? signInState : signUpState).clear();

    WLOG << "[DCPUtils][handleOpenapiResponse()] Recieved web view Content : "
         << withTokenMasked(received.left(kRedirectLogPrefix));
    emit redirectReceived();
    if (signIn)
        emit gotOpenAPISignIn(accessToken, targetSite);
    else
        emit gotOpenAPISignUp(accessToken);
    return true;
}

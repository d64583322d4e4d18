#include "cgitarget.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

#include "base/replylimits.h"
#include "protocol/dcputils.h"

namespace {

// Qt keeps some answers open after the camera has closed the connection (a chunked body whose chunk size is no
// number): the reply then waits for its limits (ReplyLimits::kCgi, 15 s without progress; tst_cameracgi waits one
// out). Here a reply still open this long after the camera closed is ended as those limits end it; any reply must
// then be taken and released.
constexpr int kHeldMs = 100;
constexpr int kReleasedWithinMs = 10000;
// A logged line: its label and what it quotes of the answer, each character at most as an escape of 10.
constexpr int kLineChars = 256 + 10 * ReplyLimits::kAnswerLogBytes;

// The camera: answers each request, once its head has come, with the input's bytes and closes.
class Camera : public QTcpServer
{
    Q_OBJECT
public:
    Camera()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                auto head = std::make_shared<QByteArray>();
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
                    if (head->contains("\r\n\r\n"))
                        return;  // answered already
                    *head += socket->readAll();
                    if (!head->contains("\r\n\r\n"))
                        return;
                    ++asked;
                    socket->write(answer);
                    connect(socket, &QTcpSocket::disconnected, this, [this] { emit closed(); });
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QByteArray answer;
    int asked = 0;
signals:
    // A connection closed once the answer was written.
    void closed();
};

QStringList* gLines = nullptr;
QtMessageHandler gPrevious = nullptr;

void recordLine(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (gLines)
        gLines->append(message);
}

}  // namespace

QString cgiAnswerFault(const uint8_t* data, size_t size)
{
    static DCPUtils* dcp = new DCPUtils;
    static Camera* camera = new Camera;
    if (!camera->isListening())
        return QStringLiteral("no loopback port to serve the answer on");
    camera->answer = QByteArray(reinterpret_cast<const char*>(data), int(size));
    camera->asked = 0;

    QStringList lines;
    gLines = &lines;
    gPrevious = qInstallMessageHandler(recordLine);
    // The program's lines, whatever a caller's filter rules say of debug lines.
    QLoggingCategory* program = QLoggingCategory::defaultCategory();
    const bool debugOn = program->isDebugEnabled();
    program->setEnabled(QtDebugMsg, true);
    QPointer<QNetworkReply> reply =
        dcp->networkManager->get(QNetworkRequest(QUrl(QString("http://127.0.0.1:%1/cgi").arg(camera->serverPort()))));
    {
        QEventLoop loop;
        QTimer held;
        held.setSingleShot(true);
        QObject::connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
        QObject::connect(camera, &Camera::closed, &held, [&held] { held.start(kHeldMs); });
        QObject::connect(&held, &QTimer::timeout, &loop, [&reply] {
            if (reply && !reply->isFinished())
                reply->abort();
        });
        QTimer::singleShot(kReleasedWithinMs, &loop, &QEventLoop::quit);
        if (reply)
            loop.exec();
    }
    program->setEnabled(QtDebugMsg, debugOn);
    qInstallMessageHandler(gPrevious);
    gLines = nullptr;

    if (reply) {
        delete reply;
        return QStringLiteral("the answer not taken and released (asked %1 times)").arg(camera->asked);
    }
    // The callback reads the answer, or the first challenge of the manager's life ends it unread.
    int callbacks = 0;
    for (const QString& line : lines) {
        if (line.contains(QLatin1String("[CGI] callback http status code")) ||
            line.contains(QLatin1String("check request auth required!")))
            ++callbacks;
        if (line.size() > kLineChars)
            return QStringLiteral("a line of %1 characters logged: %2").arg(line.size()).arg(line.left(200));
    }
    if (callbacks != 1)
        return QStringLiteral("the answer taken %1 times").arg(callbacks);
    return QString();
}

#include "cgitarget.moc"

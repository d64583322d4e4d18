#include <QtTest>

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>

#include "base/replylimits.h"

namespace {
// Answers every request with the given head, then streams body bytes without an end.
class StreamServer : public QTcpServer
{
public:
    QByteArray head;
    qint64 bodyBytes = 0;  // sent after the head; -1 never answers

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->readAll().contains("\r\n\r\n") || bodyBytes < 0)
                return;
            socket->write(head + "\r\n");
            const QByteArray chunk(64 * 1024, 'x');
            for (qint64 sent = 0; sent < bodyBytes; sent += chunk.size())
                socket->write(chunk.left(int(qMin<qint64>(chunk.size(), bodyBytes - sent))));
        });
    }
};
}  // namespace

class TestReplyLimits : public QObject
{
    Q_OBJECT
private slots:
    void bounded_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("bodyBytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("tooLarge");
        QTest::addColumn<int>("error");

        const qint64 max = 100000;
        QTest::newRow("exactly the limit") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n") << max << true
                                           << false << int(QNetworkReply::NoError);
        QTest::newRow("one byte over, announced")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100001\r\n") << max + 1 << false << true
            << int(QNetworkReply::OperationCanceledError);
        QTest::newRow("huge announced, little sent")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1073741824\r\n") << qint64(10) << false << true
            << int(QNetworkReply::OperationCanceledError);
        QTest::newRow("no length, streams past the limit")
            << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n") << qint64(8 * 1024 * 1024) << false << true
            << int(QNetworkReply::OperationCanceledError);
        QTest::newRow("silent peer reaches the transfer limit")
            << QByteArray() << qint64(-1) << false << false << int(QNetworkReply::OperationCanceledError);
    }

    void bounded()
    {
        QFETCH(QByteArray, head);
        QFETCH(qint64, bodyBytes);
        QFETCH(bool, ok);
        QFETCH(bool, tooLarge);
        QFETCH(int, error);

        StreamServer server;
        server.head = head;
        server.bodyBytes = bodyBytes;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));

        // The manager gives the request its transfer limit and the reply its size limit.
        ReplyLimits::BoundedManager manager(100000, nullptr, bodyBytes < 0 ? 500 : ReplyLimits::kTransferMs);
        QNetworkReply* reply =
            manager.get(QNetworkRequest(QUrl(QString("http://127.0.0.1:%1/").arg(server.serverPort()))));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(5000));

        QCOMPARE(reply->error() == QNetworkReply::NoError, ok);
        QCOMPARE(int(reply->error()), error);
        QCOMPARE(ReplyLimits::tooLarge(reply), tooLarge);
        QVERIFY(reply->bytesAvailable() <= 100000 + 64 * 1024);
        if (ok)
            QCOMPARE(reply->readAll().size(), 100000);
        delete reply;
    }
};

QTEST_GUILESS_MAIN(TestReplyLimits)
#include "tst_replylimits.moc"

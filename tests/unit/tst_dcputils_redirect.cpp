// The local OAuth redirect listener: requests from a browser on 127.0.0.1, in one or
// several writes, on one of several connections; its limits and the loopback-only peer rule.

#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>
#include <vector>

#include "protocol/dcputils.h"
#include "testsupport.h"

namespace {

QByteArray httpGet(const QByteArray& query)
{
    return "GET /?" + query + " HTTP/1.1\r\nHost: 127.0.0.1:5979\r\n\r\n";
}

} // namespace

class TestDcpRedirect : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { dcp.expectRedirect(true); }
    void request_data();
    void request();
    void requestOnFirstOfTwoConnections();
    void logBoundedAndMasked();
    void connectionLimits();
    void listensOnLoopbackOnly();
    void peerRule_data();
    void peerRule();

private:
    std::unique_ptr<QTcpSocket> connected();
    DCPUtils dcp;
    quint16 port = 0;
};

void TestDcpRedirect::initTestCase()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    port = probe.serverPort();
    probe.close();
    QVERIFY(dcp.openTCPSocketRecv(port));
}

std::unique_ptr<QTcpSocket> TestDcpRedirect::connected()
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    socket->waitForConnected(2000);
    return socket;
}

void TestDcpRedirect::request_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QString>("signal"); // "in:token|site", "up:token" or empty
    QTest::addColumn<bool>("waiting");

    QTest::newRow("sign-in") << QByteArrayList{httpGet("state=tolmwizard_signin&access_token=A&target_site=B")}
                             << "in:A|B" << true;
    QTest::newRow("sign-up") << QByteArrayList{httpGet("state=tolmwizard_signup&access_token=T0k")} << "up:T0k" << true;
    QTest::newRow("split request line")
        << QByteArrayList{"GET /?state=tolmwizard_si", "gnin&access_token=A&target_site=B HT", "TP/1.1\r\n\r\n"}
        << "in:A|B" << true;
    QTest::newRow("other data") << QByteArrayList{"GET /favicon.ico HTTP/1.1\r\n\r\n"} << "" << true;
    QTest::newRow("no flow waiting") << QByteArrayList{httpGet("state=tolmwizard_signin&access_token=A")} << ""
                                     << false;
}

void TestDcpRedirect::request()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QString, signal);
    QFETCH(bool, waiting);
    dcp.expectRedirect(waiting);
    QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
    QSignalSpy up(&dcp, &DCPUtils::gotOpenAPISignUp);
    QSignalSpy busy(&dcp, &DCPUtils::redirectReceived);

    auto browser = connected();
    for (const QByteArray& chunk : chunks) {
        browser->write(chunk);
        browser->flush();
        QTest::qWait(50);
    }
    // The listener answers and closes.
    QTRY_COMPARE_WITH_TIMEOUT(browser->state(), QAbstractSocket::UnconnectedState, 2000);
    const QByteArray answer = browser->readAll();
    QVERIFY2(answer.startsWith(signal.isEmpty() ? "HTTP/1.1 404" : "HTTP/1.1 200"), answer.constData());

    QStringList got;
    for (const QList<QVariant>& args : in)
        got << "in:" + args.at(0).toString() + "|" + args.at(1).toString();
    for (const QList<QVariant>& args : up)
        got << "up:" + args.at(0).toString();
    QCOMPARE(got, signal.isEmpty() ? QStringList() : QStringList{signal});
    QCOMPARE(busy.count(), signal.isEmpty() ? 0 : 1);
}

void TestDcpRedirect::requestOnFirstOfTwoConnections()
{
    QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
    auto first = connected();
    auto spare = connected();
    QTest::qWait(50);
    first->write(httpGet("state=tolmwizard_signin&access_token=first&target_site=S"));
    QTRY_COMPARE_WITH_TIMEOUT(in.count(), 1, 2000);
    QCOMPARE(in.at(0).at(0).toString(), QString("first"));
    QTRY_COMPARE_WITH_TIMEOUT(first->state(), QAbstractSocket::UnconnectedState, 2000);
    QCOMPARE(spare->state(), QAbstractSocket::ConnectedState);
}

void TestDcpRedirect::logBoundedAndMasked()
{
    LogRecorder log;
    auto browser = connected();
    for (const QByteArray& chunk : {QByteArray("GET /?state=tolmwizard_signin&access_tok"),
                                    QByteArray("en=SECRET") + QByteArray(4000, 'S') + "&target_site=B HTTP/1.1\r\n"}) {
        browser->write(chunk);
        browser->flush();
        QTest::qWait(50);
    }
    auto endless = connected();
    endless->write(QByteArray(20000, 'x'));
    QTRY_COMPARE_WITH_TIMEOUT(endless->state(), QAbstractSocket::UnconnectedState, 3000);
    QVERIFY2(!log.contains("SECRET"), qPrintable(log.all()));
    QVERIFY(log.all().size() < 4000);
}

void TestDcpRedirect::connectionLimits()
{
    // Idle connections beyond a handful close, the oldest first; a fresh redirect still gets in.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 20; ++i)
        idle.push_back(connected());
    QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
    auto browser = connected();
    browser->write(httpGet("state=tolmwizard_signin&access_token=A"));
    QTRY_COMPARE_WITH_TIMEOUT(in.count(), 1, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(idle.front()->state(), QAbstractSocket::UnconnectedState, 2000);
    // The rest close after a few seconds without a request.
    QTRY_COMPARE_WITH_TIMEOUT(idle.back()->state(), QAbstractSocket::UnconnectedState, 8000);
}

void TestDcpRedirect::listensOnLoopbackOnly()
{
    // This machine's own other address stays on this machine, yet is not the loopback one.
    QHostAddress own;
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            own = address;
    if (own.isNull())
        QSKIP("no address other than loopback");
    QTcpSocket socket;
    socket.connectToHost(own, port);
    QVERIFY(!socket.waitForConnected(2000));
}

void TestDcpRedirect::peerRule_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("IPv4 loopback") << "127.8.9.10" << true;
    QTest::newRow("IPv6 loopback") << "::1" << true;
    QTest::newRow("mapped IPv4 loopback") << "::ffff:127.0.0.1" << true;
    QTest::newRow("LAN host") << "192.168.0.5" << false;
    QTest::newRow("mapped LAN host") << "::ffff:192.168.0.5" << false;
}

void TestDcpRedirect::peerRule()
{
    QFETCH(QString, peer);
    QTEST(DCPUtils::isRedirectPeerAllowed(QHostAddress(peer)), "allowed");
}

QTEST_MAIN(TestDcpRedirect)
#include "tst_dcputils_redirect.moc"

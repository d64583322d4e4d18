// The local OAuth redirect listener: requests from a browser on 127.0.0.1, in one or
// several writes, on one of several connections, and the loopback-only peer rule.

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "dcputils.h"
#include "globals.h"
#include "mainpage.h"
#include "testsupport.h"

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

QByteArray httpGet(const QByteArray& query)
{
    return "GET /" + query + " HTTP/1.1\r\nHost: 127.0.0.1:5979\r\nUser-Agent: test\r\n\r\n";
}

} // namespace

class TestDcpRedirect : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void request_data();
    void request();
    void requestOnFirstOfTwoConnections();
    void lateConnectionAccepted();
    void busyOverlayWithoutMainWindow();
    void peerRule_data();
    void peerRule();

private:
    // Connects, writes the chunks (each flushed and given time to arrive), and returns the answer.
    QByteArray exchange(const QList<QByteArray>& chunks);
    DCPUtils dcp;
    quint16 port = 0;
};

void TestDcpRedirect::initTestCase()
{
    createWizardForTests();
    port = freePort();
    QVERIFY(dcp.openTCPSocketRecv(port));
}

QByteArray TestDcpRedirect::exchange(const QList<QByteArray>& chunks)
{
    QTcpSocket browser;
    browser.connectToHost(QHostAddress::LocalHost, port);
    if (!browser.waitForConnected(2000))
        return "<no connection>";
    for (const QByteArray& chunk : chunks) {
        browser.write(chunk);
        browser.flush();
        QTest::qWait(50);
    }
    QByteArray answer;
    QElapsedTimer waited;
    waited.start();
    while (browser.state() != QAbstractSocket::UnconnectedState && waited.elapsed() < 2000) {
        QTest::qWait(10);
        answer += browser.readAll();
    }
    return answer + browser.readAll();
}

void TestDcpRedirect::request_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QString>("signIn");
    QTest::addColumn<QString>("signUp");
    QTest::addColumn<QByteArray>("status");

    using Chunks = QList<QByteArray>;
    QTest::newRow("sign-in") << Chunks{httpGet("?state=tolmwizard_signin&access_token=A&target_site=B")} << "A|B" << ""
                             << QByteArray("HTTP/1.1 200");
    QTest::newRow("sign-in, items in other order")
        << Chunks{httpGet("?target_site=B&access_token=A&state=tolmwizard_signin")} << "A|B" << ""
        << QByteArray("HTTP/1.1 200");
    QTest::newRow("sign-in without site") << Chunks{httpGet("?state=tolmwizard_signin&access_token=A")} << "A|" << ""
                                          << QByteArray("HTTP/1.1 200");
    QTest::newRow("sign-up") << Chunks{httpGet("?state=tolmwizard_signup&access_token=T0k")} << "" << "T0k"
                             << QByteArray("HTTP/1.1 200");
    QTest::newRow("split request line")
        << Chunks{"GET /?state=tolmwizard_si", "gnin&access_token=A&target_site=B HT", "TP/1.1\r\nHost: x\r\n\r\n"}
        << "A|B" << "" << QByteArray("HTTP/1.1 200");
    QTest::newRow("other data") << Chunks{httpGet("favicon.ico")} << "" << "" << QByteArray("HTTP/1.1 404");
    QTest::newRow("state only in a later header")
        << Chunks{"GET /favicon.ico HTTP/1.1\r\nReferer: http://x/?state=tolmwizard_signin\r\n\r\n"} << "" << ""
        << QByteArray("HTTP/1.1 404");
}

void TestDcpRedirect::request()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QString, signIn);
    QFETCH(QString, signUp);
    QFETCH(QByteArray, status);
    gMainpage->hideBusy();
    QSignalSpy in(&dcp, SIGNAL(gotOpenAPISignIn(QString, QString)));
    QSignalSpy up(&dcp, SIGNAL(gotOpenAPISignUp(QString)));

    const QByteArray answer = exchange(chunks);

    QVERIFY2(answer.startsWith(status), answer.constData());
    QCOMPARE(in.count(), signIn.isEmpty() ? 0 : 1);
    if (!signIn.isEmpty())
        QCOMPARE(in.at(0).at(0).toString() + "|" + in.at(0).at(1).toString(), signIn);
    QCOMPARE(up.count(), signUp.isEmpty() ? 0 : 1);
    if (!signUp.isEmpty())
        QCOMPARE(up.at(0).at(0).toString(), signUp);
    QCOMPARE(!gMainpage->loadingMaskLabel->isHidden(), !signIn.isEmpty() || !signUp.isEmpty());
}

void TestDcpRedirect::requestOnFirstOfTwoConnections()
{
    QSignalSpy in(&dcp, SIGNAL(gotOpenAPISignIn(QString, QString)));
    QTcpSocket first, spare;
    first.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(first.waitForConnected(2000));
    QTest::qWait(50);
    spare.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(spare.waitForConnected(2000));
    QTest::qWait(50);

    first.write(httpGet("?state=tolmwizard_signin&access_token=first&target_site=S"));
    QTRY_COMPARE_WITH_TIMEOUT(in.count(), 1, 2000);
    QCOMPARE(in.at(0).at(0).toString(), QString("first"));
    QTRY_COMPARE_WITH_TIMEOUT(first.state(), QAbstractSocket::UnconnectedState, 2000);
    QCOMPARE(spare.state(), QAbstractSocket::ConnectedState);
}

void TestDcpRedirect::lateConnectionAccepted()
{
    QSignalSpy up(&dcp, SIGNAL(gotOpenAPISignUp(QString)));
    for (const char* token : {"one", "two", "three"})
        QVERIFY(exchange({httpGet(QByteArray("?state=tolmwizard_signup&access_token=") + token)})
                    .startsWith("HTTP/1.1 200"));
    QCOMPARE(up.count(), 3);
    QCOMPARE(up.at(2).at(0).toString(), QString("three"));
}

void TestDcpRedirect::busyOverlayWithoutMainWindow()
{
    Mainpage* saved = gMainpage;
    gMainpage = nullptr;
    QSignalSpy in(&dcp, SIGNAL(gotOpenAPISignIn(QString, QString)));
    exchange({httpGet("?state=tolmwizard_signin&access_token=A&target_site=B")});
    gMainpage = saved;
    QCOMPARE(in.count(), 1);
}

void TestDcpRedirect::peerRule_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("IPv4 loopback") << "127.0.0.1" << true;
    QTest::newRow("other IPv4 loopback") << "127.8.9.10" << true;
    QTest::newRow("IPv6 loopback") << "::1" << true;
    QTest::newRow("mapped IPv4 loopback") << "::ffff:127.0.0.1" << true;
    QTest::newRow("LAN host") << "192.168.0.5" << false;
    QTest::newRow("mapped LAN host") << "::ffff:192.168.0.5" << false;
    QTest::newRow("link-local IPv6") << "fe80::1" << false;
    QTest::newRow("any address") << "0.0.0.0" << false;
    QTest::newRow("no address") << "" << false;
}

void TestDcpRedirect::peerRule()
{
    QFETCH(QString, peer);
    QTEST(DCPUtils::isRedirectPeerAllowed(QHostAddress(peer)), "allowed");
}

QTEST_MAIN(TestDcpRedirect)
#include "tst_dcputils_redirect.moc"

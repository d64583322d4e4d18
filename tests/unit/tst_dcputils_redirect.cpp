// The local OAuth redirect listener: requests from a browser on 127.0.0.1, in one or
// several writes, on one of several connections; its limits, and no peer but this machine's loopback.

#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

#include "protocol/dcputils.h"
#include "protocol/logsummary.h"
#include "testsupport.h"

namespace {

QByteArray httpGet(const QByteArray& query, const QByteArray& headers = {})
{
    return "GET /?" + query + " HTTP/1.1\r\nHost: 127.0.0.1:5979\r\n" + headers + "\r\n";
}

// The states the two waiting flows sent.
const QByteArray kSignIn = "tolmwizard_signin5f0c9a2e";
const QByteArray kSignUp = "tolmwizard_signup77d1b3c4";
// The listener closes a connection whose request is not complete after 5 s.
const int kIdleCloseMs = 5000;
const char kIdleClosed[] = "Redirect connection idle, closed";

}  // namespace

class TestDcpRedirect : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
        probe.close();
        QVERIFY(dcp.openTCPSocketRecv(port));
    }

    void init()
    {
        dcp.expectRedirect(DCPUtils::RedirectFlow::SignIn, kSignIn);
        dcp.expectRedirect(DCPUtils::RedirectFlow::SignUp, kSignUp);
    }

    void request_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QString>("signal");  // "in:token|site", "up:token", empty, or "closed" without an answer
        QTest::addColumn<bool>("waiting");
        auto row = [](const char* name, const QByteArrayList& chunks, const char* signal, bool waiting = true) {
            QTest::newRow(name) << chunks << QString(signal) << waiting;
        };
        row("sign-in", {httpGet("state=" + kSignIn + "&access_token=SECRET1&target_site=B")}, "in:SECRET1|B");
        row("sign-up", {httpGet("access_token=SECRET2&state=" + kSignUp)}, "up:SECRET2");
        // The token split over two reads is masked in the log all the same.
        row("split request line",
            {"GET /?state=" + kSignIn + "&access_tok", "en=SECRET3&target_site=B HT", "TP/1.1\r\n\r\n"},
            "in:SECRET3|B");
        // Another process knows the fixed prefix, not the suffix.
        row("prefix only", {httpGet("access_token=SECRET5&state=tolmwizard_signin")}, "");
        row("state and more", {httpGet("access_token=SECRET6&state=" + kSignIn + "x")}, "");
        row("two states", {httpGet("state=x&access_token=SECRET7&state=" + kSignIn)}, "");
        row("no flow waiting", {httpGet("state=" + kSignIn + "&access_token=SECRET4")}, "", false);
        row("no state, no flow waiting", {httpGet("access_token=SECRET8&target_site=B")}, "", false);
        row("empty state, no flow waiting", {httpGet("state=&access_token=SECRET9")}, "", false);
        row("endless line", {QByteArray(20000, 'x')}, "closed");
        // A script's request (a WebSocket, a fetch) with the waiting state gets nothing, takes nothing.
        const QByteArray query = "state=" + kSignIn + "&access_token=SECRETS";
        row("WebSocket handshake",
            {httpGet(query, "Upgrade: websocket\r\nConnection: Upgrade\r\nOrigin: https://api.olvaris.invalid\r\n")},
            "closed");
        row("upgrade, lower case", {httpGet(query, "upgrade: websocket\r\n")}, "closed");
        row("ORIGIN, upper case", {httpGet(query, "ORIGIN: null\r\n")}, "closed");
        row("Upgrade split across reads",
            {"GET /?" + query + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpg", "rade: websocket\r\n", "\r\n"}, "closed");
        const QByteArray pad = QByteArray(500, 'x').replace("x", "X-Pad: 0123456789\r\n");
        row("headers over the limit", {"GET /?" + query + " HTTP/1.1\r\n" + pad, pad + "\r\n"}, "closed");
    }

    void request()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QString, signal);
        QFETCH(bool, waiting);
        if (!waiting)
            dcp.expectNoRedirect();
        QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
        QSignalSpy up(&dcp, &DCPUtils::gotOpenAPISignUp);
        QSignalSpy busy(&dcp, &DCPUtils::redirectReceived);
        LogSummary::flush();
        LogRecorder log;

        auto browser = connected(chunks);
        // The listener answers and closes, each connection of the row at once: none waits for the idle limit.
        QTRY_COMPARE_WITH_TIMEOUT(browser->state(), QAbstractSocket::UnconnectedState, beyondDeadline(kIdleCloseMs));
        const QByteArray answer = browser->readAll();
        QVERIFY2(answer.startsWith(signal == "closed" ? ""
                                   : signal.isEmpty() ? "HTTP/1.1 404"
                                                      : "HTTP/1.1 200"),
                 answer.constData());
        if (signal == "closed")
            signal.clear();
        QStringList got;
        for (const QList<QVariant>& args : in)
            got << "in:" + args.at(0).toString() + "|" + args.at(1).toString();
        for (const QList<QVariant>& args : up)
            got << "up:" + args.at(0).toString();
        QCOMPARE(got, signal.isEmpty() ? QStringList() : QStringList{signal});
        QCOMPARE(busy.count(), signal.isEmpty() ? 0 : 1);
        // Once: the same request again changes nothing.
        auto again = connected(chunks);
        QTRY_COMPARE_WITH_TIMEOUT(again->state(), QAbstractSocket::UnconnectedState, beyondDeadline(kIdleCloseMs));
        QCOMPARE(in.count() + up.count(), got.size());
        if (answer.isEmpty() && waiting) {  // closed without an answer: the flow still waits
            auto browser = connected({httpGet("state=" + kSignIn + "&access_token=AFTER&target_site=B")});
            QTRY_COMPARE_WITH_TIMEOUT(in.count(), 1, beyondDeadline(kIdleCloseMs));
            QCOMPARE(in.first().first().toString(), QString("AFTER"));
        }
        LogSummary::flush();
        QVERIFY2(!log.contains(kIdleClosed), qPrintable(log.all()));
        QVERIFY2(!log.contains("SECRET") && log.all().size() < 8000, qPrintable(log.all()));  // masked and bounded
    }

    void connectionLimits()
    {
        // A redirect already sent survives a flood of idle connections that arrives before it is read;
        // idle connections beyond a handful close, the oldest first, the rest after a few seconds.
        LogRecorder log;
        QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
        auto browser = connected();
        browser->write(httpGet("state=" + kSignIn + "&access_token=first&target_site=S"));
        browser->flush();
        QList<int> closed;  // in the order they closed; outlives the sockets
        std::vector<std::unique_ptr<QTcpSocket>> idle;
        for (int i = 0; i < 20; ++i) {
            idle.push_back(connected());
            connect(idle.back().get(), &QTcpSocket::disconnected, [&closed, i] { closed << i; });
        }
        QTRY_COMPARE_WITH_TIMEOUT(in.count(), 1, beyondDeadline(kIdleCloseMs));
        QCOMPARE(in.at(0).at(0).toString(), QString("first"));
        QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 20, beyondDeadline(kIdleCloseMs));
        // The twelve oldest went as the others came, before any reached the idle limit.
        QList<int> first = closed.mid(0, 12);
        std::sort(first.begin(), first.end());
        QCOMPARE(first, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        // Connections are counted in the log, not written one by one.
        LogSummary::flush();
        QVERIFY2(log.all().size() < 1500, qPrintable(log.all()));
    }

    void peerRule()
    {
        for (const char* peer : {"127.0.0.1", "127.9.8.7", "::1", "::ffff:127.0.0.1"})
            QVERIFY2(DCPUtils::isRedirectPeerAllowed(QHostAddress(peer)), peer);
        for (const char* peer : {"10.0.0.1", "::ffff:10.0.0.1", "0.0.0.0", "fe80::1", "::"})
            QVERIFY2(!DCPUtils::isRedirectPeerAllowed(QHostAddress(peer)), peer);
    }

    void listensOnLoopbackOnly()
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

private:
    // A browser connection that sends the chunks, one write each.
    std::unique_ptr<QTcpSocket> connected(const QByteArrayList& chunks = {})
    {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, port);
        socket->waitForConnected(2000);
        for (const QByteArray& chunk : chunks) {
            socket->write(chunk);
            socket->flush();
            QTest::qWait(50);
        }
        return socket;
    }
    DCPUtils dcp;
    quint16 port = 0;
};

QTEST_MAIN(TestDcpRedirect)
#include "tst_dcputils_redirect.moc"

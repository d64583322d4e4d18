// The local listener on the OAuth redirect address: requests from a browser or any other process on
// 127.0.0.1, in one or several writes, on one of several connections, complete no flow; its limits,
// and no peer but this machine's loopback.

#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/logsummary.h"
#include "protocol/dcputils.h"
#include "protocol/requesthead.h"
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
// The longest request head it reads.
const int kHeadBound = 16 * 1024;
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

    // Whatever the listener is sent, by a browser or any other local process, in any form a request
    // head takes: no flow completes, and a whole head gets the page that sends the person back.
    void request_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<bool>("answered");  // false: closed without an answer
        auto row = [](const char* name, const QByteArrayList& chunks, bool answered = true) {
            QTest::newRow(name) << chunks << answered;
        };
        const QByteArray in = "state=" + kSignIn, up = "state=" + kSignUp;
        // The first four requests of the run are logged in full: the rows that vary the token come first.
        row("sign-in", {httpGet(in + "&access_token=SECRET1&target_site=B")});
        row("sign-up", {httpGet("access_token=SECRET2&" + up)});
        row("token in other case, twice", {httpGet(in + "&Access_Token=SECRETC&target_site=B&ACCESS_TOKEN=SECRETD")});
        row("split request line", {"GET /?" + in + "&access_tok", "en=SECRET3&target_site=B HT", "TP/1.1\r\n\r\n"});
        row("LF line ends", {"GET /?" + in + "&access_token=SECRET4 HTTP/1.1\nHost: 127.0.0.1:5979\n\n"});
        row("LF lines, CRLF blank line", {"GET /?" + up + "&access_token=SECRETE HTTP/1.1\nHost: 127.0.0.1\n\r\n"});
        row("Host not first, header case",
            {"GET /?" + up +
             "&access_token=SECRET5 HTTP/1.1\r\nuser-agent: x\r\nACCEPT: */*\r\nhOST: 127.0.0.1\r\n\r\n"});
        row("repeated state", {httpGet(in + "&access_token=SECRET6&" + in)});
        row("token first", {httpGet("access_token=SECRET7&" + in + "&target_site=B")});
        row("token last", {httpGet(up + "&target_site=B&access_token=SECRET8")});
        row("absolute-form target",
            {"GET http://127.0.0.1:5979/?" + in + "&access_token=SECRET9 HTTP/1.1\r\nHost: 127.0.0.1:5979\r\n\r\n"});
        row("HTTP/1.0, no headers", {"GET /?" + up + "&access_token=SECRETA HTTP/1.0\r\n\r\n"});
        row("form sent", {"POST / HTTP/1.1\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n" + in +
                          "&access_token=SECRETB"});
        // A script's request (a WebSocket, a fetch) gets the same page, takes nothing.
        const QByteArray query = in + "&access_token=SECRETS";
        row("WebSocket handshake",
            {httpGet(query, "Upgrade: websocket\r\nConnection: Upgrade\r\nOrigin: https://api.olvaris.invalid\r\n")});
        row("Upgrade split across reads",
            {"GET /?" + query + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpg", "rade: websocket\r\n", "\r\n"});
        // A byte of body more: all the listener reads before it answers, so nothing is left unread at its close.
        const QByteArray post = "POST /?" + in + "&access_token=SECRETF HTTP/1.1\r\nX-Pad: ", end = "\r\n\r\n";
        row("head at the bound, a body after it",
            {post + QByteArray(kHeadBound - post.size() - end.size(), 'x') + end + "x"});
        row("head a byte over the bound", {post + QByteArray(kHeadBound + 1 - post.size() - end.size(), 'x') + end},
            false);
        row("endless line", {QByteArray(20000, 'x')}, false);
        const QByteArray pad = QByteArray(500, 'x').replace("x", "X-Pad: 0123456789\r\n");
        row("headers over the limit", {"GET /?" + query + " HTTP/1.1\r\n" + pad, pad + "\r\n"}, false);
    }

    void request()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(bool, answered);
        QSignalSpy in(&dcp, &DCPUtils::gotOpenAPISignIn);
        QSignalSpy up(&dcp, &DCPUtils::gotOpenAPISignUp);
        QSignalSpy busy(&dcp, &DCPUtils::redirectReceived);
        LogSummary::flush();
        LogRecorder log;

        auto browser = connected(chunks);
        // The listener answers and closes, each connection of the row at once: none waits for the idle limit.
        QTRY_COMPARE_WITH_TIMEOUT(browser->state(), QAbstractSocket::UnconnectedState, beyondDeadline(kIdleCloseMs));
        const QByteArray answer = browser->readAll();
        if (answered) {
            QVERIFY2(answer.startsWith("HTTP/1.1 200") && answer.contains("Please return to the setup wizard"),
                     answer.constData());
            QVERIFY2(!answer.contains("SECRET") && !answer.contains("tolmwizard_sign"), answer.constData());
        } else {
            QCOMPARE(answer, QByteArray());
        }
        QCOMPARE(in.count() + up.count() + busy.count(), 0);
        LogSummary::flush();
        QVERIFY2(!log.contains(kIdleClosed), qPrintable(log.all()));
        QVERIFY2(!log.contains("SECRET") && log.unmasked().isEmpty() && log.all().size() < 8000,
                 qPrintable(log.all()));  // masked and bounded
        // The waiting flows still complete by the views' road, each once.
        QVERIFY(dcp.takeRedirect("access_token=VIEW1&target_site=S&state=" + kSignIn, "view"));
        QVERIFY(dcp.takeRedirect("state=" + kSignUp + "&access_token=VIEW2", "view"));
        QCOMPARE(in.count() + up.count(), 2);
        QCOMPARE(in.first(), (QList<QVariant>{"VIEW1", "S"}));
        QCOMPARE(up.first(), QList<QVariant>{"VIEW2"});

        // Sent a byte at a time, the head is looked at once, each byte as it comes: the listener's work grows
        // as its length does, to the same verdict.
        RequestHead head(kHeadBound);
        const QByteArray request = chunks.join();
        RequestHead::Status status = RequestHead::Status::Incomplete;
        int given = 0;
        while (status == RequestHead::Status::Incomplete && given < request.size())
            status = head.add(request.mid(given++, 1));
        QCOMPARE(status, answered ? RequestHead::Status::Complete : RequestHead::Status::TooLong);
        QCOMPARE(head.looked(), given);
    }

    void answersCounted()
    {
        // A local process repeating requests: the first few are logged, the rest counted.
        LogRecorder log;
        for (int i = 0; i < 20; ++i) {
            auto browser = connected({httpGet("state=" + kSignIn + "&access_token=SECRET")});
            QTRY_COMPARE_WITH_TIMEOUT(browser->state(), QAbstractSocket::UnconnectedState,
                                      beyondDeadline(kIdleCloseMs));
        }
        LogSummary::flush();
        QVERIFY2(log.count({"Recieved TCP Content"}) <= 4, qPrintable(log.all()));
        QVERIFY2(log.contains("nothing taken x"), qPrintable(log.all()));
    }

    void connectionLimits()
    {
        // A request already sent is answered despite a flood of idle connections that arrives before
        // it is read; idle connections beyond a handful close, the oldest first, the rest after a few seconds.
        LogRecorder log;
        auto browser = connected();
        browser->write(httpGet("state=" + kSignIn + "&access_token=first&target_site=S"));
        browser->flush();
        QList<int> closed;  // in the order they closed; outlives the sockets
        std::vector<std::unique_ptr<QTcpSocket>> idle;
        for (int i = 0; i < 20; ++i) {
            idle.push_back(connected());
            connect(idle.back().get(), &QTcpSocket::disconnected, [&closed, i] { closed << i; });
        }
        QTRY_COMPARE_WITH_TIMEOUT(browser->state(), QAbstractSocket::UnconnectedState, beyondDeadline(kIdleCloseMs));
        QVERIFY(browser->readAll().contains("Please return to the setup wizard"));
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

// The cloud account interface as plain functions.
#include <QtTest>

#include "base/log.h"
#include "cloud/cloudapi.h"
#include "cloud/cloudrouterules.h"
#include "protocol/ipcamera.h"

using namespace CloudApi;

Q_DECLARE_METATYPE(CloudApi::Action)

class TestCloudApi : public QObject
{
    Q_OBJECT
private slots:
    // Signature computed apart from the product: MD5 of path, client id, grant text, time stamp,
    // secret. The address reaches the network as written: nothing encoded or dropped.
    void appCredentialSignature()
    {
        const QString expected = "http://127.0.0.1:8443/oauth/access_token?client_id=7f4c1e92ab0d4c63b8e5a2f9d61c0b47"
                                 "&grant_type=app_credential&timestamp=1700000000&sig=b3bc9284d402dfc5c6c9841e38698ef2";
        QCOMPARE(appCredentialAddress("http://127.0.0.1:8443", "1700000000"), expected);
        QCOMPARE(toUrl(expected).toString(QUrl::FullyEncoded), expected);
    }

    // The address as 12 upper-case hexadecimal digits, whatever form the camera wrote it in.
    void deviceAddBody_data()
    {
        QTest::addColumn<QString>("mac");
        QTest::newRow("colons, lower case") << "00:11:22:aa:bb:cc";
        QTest::newRow("colons, upper case") << "00:11:22:AA:BB:CC";
        QTest::newRow("dashes, upper case") << "00-11-22-AA-BB-CC";
        QTest::newRow("dashes, lower case") << "00-11-22-aa-bb-cc";
        QTest::newRow("no separator, mixed case") << "001122aaBBcc";
    }
    void deviceAddBody()
    {
        QFETCH(QString, mac);
        IPCamera camera;
        camera.MAC = mac;
        camera.olvarisNo = "n\xe9";
        camera.dfp = "a\"b";
        QCOMPARE(
            CloudApi::deviceAddBody(camera),
            QByteArray("{\"data\":{\"mac\":\"001122AABBCC\",\"olvaris_id\":\"n\xc3\xa9\",\"session_id\":\"a\\\"b\"}}"));
    }

    // Replies are UTF-8 JSON up to a zero byte; anything else is no reply.
    void readingReplies()
    {
        QJsonDocument doc;
        QVERIFY(!parseBody("<html>", &doc));
        QVERIFY(parseBody(R"({"error":{"timestamp":1700000123}})", &doc));
        QCOMPARE(errorTimestamp(doc), QString("1700000123"));
        QVERIFY(parseBody("{\"error\":{\"message\":\"\xd0\x9e\xd0\xb9\"}}", &doc));
        QCOMPARE(errorMessage(doc), QString::fromUtf8("\xd0\x9e\xd0\xb9"));
        QVERIFY(parseBody(QByteArray("{\"data\":{\"email\":\"\xe7\x8e\x8b@x.test\"}}") + '\0' + "junk", &doc));
        QCOMPARE(accountEmail(doc), QString::fromUtf8("\xe7\x8e\x8b@x.test"));
    }

    void judgement_data()
    {
        QTest::addColumn<bool>("signIn");
        QTest::addColumn<int>("step");
        // f: the flow's own request, e: the same with an empty body, p: the page, n: a later navigation of the
        // page, r: a page resource
        QTest::addColumn<char>("kind");
        // 1000 + status: the reply reports an error; 2000: cancelled by the engine, 3000: ended by the
        // limits (its deadline), both without a status; -1: TLS failed
        QTest::addColumn<int>("status");
        QTest::addColumn<Action>("action");
        QTest::newRow("in: page untrusted") << true << 0 << 'p' << -1 << Action::Untrusted;
        QTest::newRow("in: missing picture") << true << 0 << 'r' << 1404 << Action::Ignore;
        QTest::newRow("in: late resource at device add") << true << 1 << 'r' << 200 << Action::Ignore;
        QTest::newRow("in: device add 201") << true << 1 << 'f' << 201 << Action::Failure;
        QTest::newRow("in: device add 200") << true << 1 << 'f' << 200 << Action::DeviceAdded;
        QTest::newRow("in: device add 200, empty") << true << 1 << 'e' << 200 << Action::Failure;
        QTest::newRow("in: device add refused") << true << 1 << 'f' << 1400 << Action::ServiceError;
        QTest::newRow("in: account 204") << true << 2 << 'f' << 204 << Action::Failure;
        QTest::newRow("up: time stamp 400") << false << 0 << 'f' << 1400 << Action::TimeStamp;
        QTest::newRow("up: stale time accepted") << false << 0 << 'f' << 200 << Action::Failure;
        QTest::newRow("up: page failed") << false << 2 << 'p' << 1502 << Action::Failure;
        QTest::newRow("up: account refused") << false << 4 << 'f' << 1400 << Action::ServiceError;
        QTest::newRow("in: page cancelled by the engine") << true << 0 << 'p' << 2000 << Action::Ignore;
        QTest::newRow("in: page ended by its deadline") << true << 0 << 'p' << 3000 << Action::Failure;
        QTest::newRow("up: page cancelled by the engine") << false << 2 << 'p' << 2000 << Action::Ignore;
        QTest::newRow("up: page ended by its deadline") << false << 2 << 'p' << 3000 << Action::Failure;
        QTest::newRow("in: sign-in form refused (compressed)") << true << 0 << 'n' << 1200 << Action::Failure;
        QTest::newRow("in: sign-in form ended by its deadline") << true << 0 << 'n' << 3000 << Action::Failure;
        QTest::newRow("in: sign-in form's 302") << true << 0 << 'n' << 302 << Action::Ignore;
        QTest::newRow("up: later page failed") << false << 2 << 'n' << 1502 << Action::Failure;
    }

    void judgement()
    {
        QFETCH(bool, signIn);
        QFETCH(int, step);
        QFETCH(int, status);
        QFETCH(char, kind);
        ReplyFacts reply;
        reply.flowRequest = kind == 'f' || kind == 'e';
        reply.mainDocument = kind == 'p';
        reply.pageNavigation = kind == 'p' || kind == 'n';
        reply.untrusted = status < 0;
        reply.error = status < 0 || status >= 1000;
        reply.cancelled = status >= 2000;
        reply.stoppedByLimits = status >= 3000;
        reply.status = status % 1000;
        reply.bodyEmpty = kind == 'e';
        QTEST(signIn ? judgeSignIn(step, reply) : judgeSignUp(step, reply), "action");
    }

    // OAuth state: each flow sends its own, the fixed prefix and a suffix no other program can
    // guess; the log shows neither the suffix nor a token.
    void oauthState()
    {
        const QString first = newState(Flow::SignIn);
        const QString suffix = first.mid(QString("tolmwizard_signin").size());
        QVERIFY(first.startsWith("tolmwizard_signin") && newState(Flow::SignUp).startsWith("tolmwizard_signup"));
        QVERIFY(suffix.size() >= 32 && first != newState(Flow::SignIn));
        const QString pages[] = {signInPageAddress("https://api.olvaris.invalid", "en_GB", first),
                                 signUpPageAddress("https://api.olvaris.invalid", "A1", "en_GB", first)};
        for (const QString& page : pages) {
            QCOMPARE(QUrlQuery(toUrl(page)).queryItemValue("state"), first);
            QVERIFY(!withTokensMasked(page).contains(suffix));
        }
    }

    // The log shows none of a secret's characters, whatever they are, and the text around it as it was.
    void masks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("logged");
        QTest::newRow("a page's address")
            << "https://a.invalid/x?access_token=Teve09&state=tolmwizard_signin09afAF&lang=en"
            << "https://a.invalid/x?access_token=********&state=tolmwizard_signin********&lang=en";
        QTest::newRow("quoted, a token of punctuation")
            << "\"/?state=tolmwizard_signup0f&access_token=U-1.b_2~%2F\" x"
            << "\"/?state=tolmwizard_signup********&access_token=********\" x";
        QTest::newRow("another program's state") << "state=other1&access_token=T1 x"
                                                 << "state=other1&access_token=******** x";
    }
    void masks()
    {
        QFETCH(QString, text);
        QTEST(withTokensMasked(text), "logged");
        QCOMPARE(maskSecret(text), QString("********"));  // a password or a key, whatever it holds
    }

    void roads()
    {
        QCOMPARE(CloudRoute::roadFor("1", "0"), CloudRoute::Road::WiFi);
        QCOMPARE(CloudRoute::roadFor("1", "1"), CloudRoute::Road::Completion);
    }

    // A page's link goes to the system browser only to the Internet, over http or https: never to
    // this machine (the redirect listener) or the local network, in any notation the browser takes.
    void links_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opens");
        const QString opening = "https://www.olvaris.invalid/apps http://www.example.com:5979/?access_token=T "
                                "HTTPS://Help.Example.ORG/x http://8.8.8.8/ http://[2001:db8::1]/ "
                                "https://127.0.0.1.example.com/ http://localhost.example.com/ http://172.32.0.1/ "
                                "http://100.128.0.1/";
        const QString refused =
            "file:///etc/passwd ms-settings:network javascript:alert(1) http:127.0.0.1:5979/ "
            "http://127.0.0.1:5979/?access_token=T&state=S HTTP://127.0.0.1:5979/ http://127.1:5979/ "
            "http://2130706433:5979/ http://0x7f.1/ http://0177.0.0.1/ http://0x7f000001/ http://127.0.0.1./ "
            "http://127.1./ http://[::1]:5979/ http://[::ffff:127.0.0.1]:5979/ http://[::ffff:7f00:1]/ "
            "http://[0:0:0:0:0:0:0:1]/ http://localhost:5979/ http://LOCALHOST./ http://wizard.localhost/ "
            "http://camera.local/ http://intranet/ http://0.0.0.0:5979/ http://0/ http://[::]/ "
            "http://cloud@127.0.0.1:5979/ http://cloud:pw@www.example.com/ http://%31%32%37.0.0.1/ "
            "http://10.1.2.3/ http://172.20.0.1/ http://192.168.1.1/ http://100.64.0.1/ http://169.254.1.1/ "
            "http://[fe80::1]/ http://[fd00::1]/ http://[64:ff9b::7f00:1]/ http://100.127.255.254/";
        for (const QString& url : opening.split(' '))
            QTest::newRow(qPrintable(url)) << url << true;
        for (const QString& url : refused.split(' '))
            QTest::newRow(qPrintable(url)) << url << false;
    }

    void links()
    {
        QFETCH(QString, url);
        QTEST(mayOpenExternally(QUrl(url)), "opens");
    }

    // The register bit's wait: the limit first, then a confirmation from the camera's own reply,
    // then a request on even ticks. Both flows done: the one whose redirect came last completes.
    void registerTicks()
    {
        using T = RegisterTick;
        IPCamera camera;
        QList<int> requests;
        for (int c = 0; registerTick(c, false, camera) != T::TimeOut; ++c)
            if (registerTick(c, false, camera) == T::Request)
                requests.append(c);
        QCOMPARE(requests, (QList<int>{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28}));
        camera.bRegisted = "1";
        QCOMPARE(registerTick(29, true, camera), T::Wait);  // the bit of an earlier reply
        camera.dcpStatus = IPCamera::GOT_REGISTER_INFO;
        QCOMPARE(registerTick(29, true, camera), T::Confirm);
        QCOMPARE(registerTick(30, true, camera), T::TimeOut);
        camera.bRegisted = "0";
        QCOMPARE(registerTick(29, true, camera), T::Wait);
        QCOMPARE(completedFlow(3, 5, Flow::SignUp), Flow::SignUp);
        QCOMPARE(completedFlow(3, 4, Flow::SignUp), Flow::SignIn);
    }

    // Long e-mail addresses: at spaces where there are some, hard where there are none.
    void wrapLines()
    {
        QCOMPARE(CloudApi::wrapLines("abcd efghij klmnopqr stuvwxyzab cdefghijkl", 22),
                 QString("abcd efghij klmnopqr\nstuvwxyzab cdefghijkl"));
        QCOMPARE(CloudApi::wrapLines("abcde " + QString(60, 'x'), 22),
                 "abcde\n" + QString(22, 'x') + "\n" + QString(22, 'x') + "\n" + QString(16, 'x'));
    }
};

QTEST_GUILESS_MAIN(TestCloudApi)
#include "tst_cloudapi.moc"

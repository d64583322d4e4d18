// The cloud account interface as plain functions: addresses and signature, body, reply
// reading, the flows' reply judgement, the register-bit wait, the road and the wrapping.
#include <QtTest>

#include "cloud/cloudapi.h"
#include "cloud/cloudroute.h"
#include "protocol/ipcamera.h"

using namespace CloudApi;

Q_DECLARE_METATYPE(CloudApi::Action)

class TestCloudApi : public QObject
{
    Q_OBJECT
private slots:
    void addresses_data();
    void addresses();
    void deviceAddBody();
    void readingReplies_data();
    void readingReplies();
    void judgement_data();
    void judgement();
    void registerWait();
    void roadAndLinks();
    void wrapLines_data();
    void wrapLines();
};

void TestCloudApi::addresses_data()
{
    const QString site = "https://api.olvaris.invalid";
    const QString redirect = "redirect_uri=http%3A%2F%2F127.0.0.1%3A5979&";
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    // Signatures computed apart from the product: MD5 of path, client id, grant text, time stamp, secret.
    QTest::newRow("stale time stamp") << appCredentialAddress(site, staleTimestamp())
                                      << site
            + "/oauth/access_token?client_id=7f4c1e92ab0d4c63b8e5a2f9d61c0b47&"
              "grant_type=app_credential&timestamp=1407134889"
              "&sig=f4468a405478007bd2328716dbec3310";
    QTest::newRow("service time, other site") << appCredentialAddress("http://127.0.0.1:8443", "1700000000")
                                              << "http://127.0.0.1:8443/oauth/access_token?client_id="
                                                 "7f4c1e92ab0d4c63b8e5a2f9d61c0b47&grant_type=app_credential"
                                                 "&timestamp=1700000000&sig=b3bc9284d402dfc5c6c9841e38698ef2";
    QTest::newRow("sign-up page") << signUpPageAddress(site, "APP", "en_GB")
                                  << site + "/me/user/add_dialog?access_token=APP&" + redirect
            + "&dtype=wizard&state=tolmwizard_signup&lang=en_GB";
    QTest::newRow("sign-in page") << signInPageAddress(site, "pt_BR")
                                  << site + "/oauth/authorize?client_id=7f4c1e92ab0d4c63b8e5a2f9d61c0b47&" + redirect
            + "response_type=token&scope=basic&dtype=wizard&state=tolmwizard_signin"
              "&lang=pt_BR";
    QTest::newRow("device add") << deviceAddAddress(site, "T.1") << site + "/me/device/add?access_token=T.1";
    QTest::newRow("user info") << userInfoAddress(site, "T.1") << site + "/me/user/info?access_token=T.1";
}

void TestCloudApi::addresses()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    QCOMPARE(address, expected);
    // It reaches the network as written: nothing encoded or dropped.
    QCOMPARE(toUrl(address).toString(QUrl::FullyEncoded), expected);
}

void TestCloudApi::deviceAddBody()
{
    IPCamera camera;
    camera.MAC = "00:11:22:aa:bb:cc";
    QCOMPARE(CloudApi::deviceAddBody(camera),
        QByteArray(R"({"data":{"mac":"001122AABBCC","olvaris_id":"","session_id":""}})"));
    camera.olvarisNo = "n\xe9";
    camera.dfp = "a\"b";
    QCOMPARE(CloudApi::deviceAddBody(camera),
        QByteArray("{\"data\":{\"mac\":\"001122AABBCC\",\"olvaris_id\":\"n\xc3\xa9\",\"session_id\":\"a\\\"b\"}}"));
}

void TestCloudApi::readingReplies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<QString>("timestamp");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("email");
    QTest::newRow("time stamp") << QByteArray(R"({"error":{"timestamp":1700000123}})") << true << "1700000123"
                                << ""
                                << "";
    QTest::newRow("array") << QByteArray("[1]") << true << ""
                           << ""
                           << "";
    QTest::newRow("not JSON") << QByteArray("<html>") << false << ""
                              << ""
                              << "";
    QTest::newRow("non-Latin message") << QByteArray("{\"error\":{\"message\":\"\xd0\x9e\xd0\xb9\"}}") << true << "0"
                                       << QString::fromUtf8("\xd0\x9e\xd0\xb9") << "";
    QTest::newRow("non-Latin e-mail, zero byte after")
        << QByteArray("{\"data\":{\"email\":\"\xe7\x8e\x8b@x.test\"}}") + QByteArray(1, '\0') + "junk" << true << "0"
        << "" << QString::fromUtf8("\xe7\x8e\x8b@x.test");
}

void TestCloudApi::readingReplies()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, parses);
    QJsonDocument document;
    QCOMPARE(parseBody(body, &document), parses);
    if (parses) {
        QTEST(errorTimestamp(document), "timestamp");
        QTEST(errorMessage(document), "message");
        QTEST(accountEmail(document), "email");
    }
}

void TestCloudApi::judgement_data()
{
    QTest::addColumn<bool>("signIn");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("flowRequest");
    QTest::addColumn<bool>("mainDocument");
    QTest::addColumn<int>("status"); // 1000 + status: the reply reports an error; -1: TLS failed
    QTest::addColumn<Action>("action");
    QTest::newRow("in: page 302") << true << 0 << false << true << 302 << Action::PageReached;
    QTest::newRow("in: page untrusted") << true << 0 << false << true << -1 << Action::Untrusted;
    QTest::newRow("in: missing picture") << true << 0 << false << false << 1404 << Action::Ignore;
    QTest::newRow("in: late resource at device add") << true << 1 << false << false << 200 << Action::Ignore;
    QTest::newRow("in: device add 201") << true << 1 << true << false << 201 << Action::Failure;
    QTest::newRow("in: device add refused") << true << 1 << true << false << 1400 << Action::ServiceError;
    QTest::newRow("in: device add 403") << true << 1 << true << false << 1403 << Action::Failure;
    QTest::newRow("in: account 204") << true << 2 << true << false << 204 << Action::Failure;
    QTest::newRow("up: time stamp 400") << false << 0 << true << false << 1400 << Action::TimeStamp;
    QTest::newRow("up: stale time accepted") << false << 0 << true << false << 200 << Action::Failure;
    QTest::newRow("up: page 200") << false << 2 << false << true << 200 << Action::PageReached;
    QTest::newRow("up: page failed") << false << 2 << false << true << 1502 << Action::Failure;
    QTest::newRow("up: missing picture") << false << 2 << false << false << 1404 << Action::Ignore;
    QTest::newRow("up: late resource at device add") << false << 3 << false << false << 200 << Action::Ignore;
    QTest::newRow("up: device add 201") << false << 3 << true << false << 201 << Action::Failure;
    QTest::newRow("up: account refused") << false << 4 << true << false << 1400 << Action::ServiceError;
}

void TestCloudApi::judgement()
{
    QFETCH(bool, signIn);
    QFETCH(int, step);
    QFETCH(int, status);
    ReplyFacts reply;
    QFETCH(bool, flowRequest);
    QFETCH(bool, mainDocument);
    reply.flowRequest = flowRequest;
    reply.mainDocument = mainDocument;
    reply.untrusted = status < 0;
    reply.error = status < 0 || status >= 1000;
    reply.status = status % 1000;
    reply.bodyEmpty = false;
    QTEST(signIn ? judgeSignIn(step, reply) : judgeSignUp(step, reply), "action");
}

void TestCloudApi::registerWait()
{
    IPCamera camera;
    QList<int> requests;
    for (int c = 0; registerTick(c, false, camera) != RegisterTick::TimeOut; ++c)
        if (registerTick(c, false, camera) == RegisterTick::Request)
            requests.append(c + 1);
    QCOMPARE(requests, (QList<int> { 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29 }));
    camera.bRegisted = "1";
    camera.dcpStatus = IPCamera::GOT_REGISTER_INFO;
    QCOMPARE(registerTick(3, true, camera), RegisterTick::Confirm);
    camera.dcpStatus = IPCamera::WAIT_REGISTER_INFO;
    QCOMPARE(registerTick(2, true, camera), RegisterTick::Wait);
    // Both flows done: the one whose redirect came last completes.
    QCOMPARE(completedFlow(3, 5, Flow::SignUp), Flow::SignUp);
    QCOMPARE(completedFlow(3, 4, Flow::SignUp), Flow::SignIn);
}

void TestCloudApi::roadAndLinks()
{
    using CloudRoute::Road;
    QCOMPARE(CloudRoute::roadFor("1", "0"), Road::WiFi);
    for (const auto& [wifi, ap] : { std::pair { "1", "1" }, { "0", "0" }, { "0", "1" }, { "", "" } })
        QCOMPARE(CloudRoute::roadFor(wifi, ap), Road::Completion);
    QVERIFY(mayOpenExternally(QUrl("https://www.olvaris.invalid/apps")));
    for (const char* url : { "file:///etc/passwd", "ms-settings:network", "javascript:alert(1)" })
        QVERIFY2(!mayOpenExternally(QUrl(url)), url);
}

void TestCloudApi::wrapLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("short") << "abcdefghij@example.tes"
                           << "abcdefghij@example.tes";
    QTest::newRow("hard") << QString(50, 'a') << QString(22, 'a') + "\n" + QString(22, 'a') + "\n" + QString(6, 'a');
    QTest::newRow("at spaces") << "abcd efghij klmnopqr stuvwxyzab cdefghijkl"
                               << "abcd efghij klmnopqr\nstuvwxyzab cdefghijkl";
    QTest::newRow("long word after a short one") << "abcde "
            + QString(60, 'x') << "abcde\n" + QString(22, 'x') + "\n" + QString(22, 'x') + "\n" + QString(16, 'x');
}

void TestCloudApi::wrapLines()
{
    QFETCH(QString, text);
    QTEST(CloudApi::wrapLines(text, 22), "wrapped");
}

QTEST_GUILESS_MAIN(TestCloudApi)
#include "tst_cloudapi.moc"

// The cloud account interface as plain functions: addresses, signature, body, reply
// reading, the two flows' reply judgement, the register-bit wait and the routing rule.
#include <QtTest>

#include "cloud/cloudapi.h"
#include "cloud/cloudroute.h"
#include "protocol/ipcamera.h"

using namespace CloudApi;

Q_DECLARE_METATYPE(CloudApi::Action)
Q_DECLARE_METATYPE(CloudApi::ReplyFacts)
Q_DECLARE_METATYPE(CloudApi::Flow)
Q_DECLARE_METATYPE(CloudRoute::Road)

namespace {

const QString kSite = "https://api.olvaris.invalid";

ReplyFacts facts(bool flow, bool main, bool error, int status, bool bodyEmpty = false, bool untrusted = false)
{
    ReplyFacts f;
    f.flowRequest = flow;
    f.mainDocument = main;
    f.error = error;
    f.status = status;
    f.bodyEmpty = bodyEmpty;
    f.untrusted = untrusted;
    return f;
}

} // namespace

class TestCloudApi : public QObject
{
    Q_OBJECT
private slots:
    void addresses_data();
    void addresses();
    void deviceAddBody_data();
    void deviceAddBody();
    void readingReplies_data();
    void readingReplies();
    void tokensMaskedInLog();
    void externalLinks_data();
    void externalLinks();
    void signIn_data();
    void signIn();
    void signUp_data();
    void signUp();
    void registerWaitWithoutAnswer();
    void registerWaitConfirmed();
    void completedFlow_data();
    void completedFlow();
    void road_data();
    void road();
    void wrapLines_data();
    void wrapLines();
};

void TestCloudApi::addresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected");
    // Signatures computed apart from the product: MD5 of path, client id, grant text, time stamp, secret.
    QTest::newRow("R1 stale time stamp")
        << appCredentialAddress(kSite, staleTimestamp())
        << kSite + "/oauth/access_token?client_id=7f4c1e92ab0d4c63b8e5a2f9d61c0b47&grant_type=app_credential"
                   "&timestamp=1407134889&sig=f4468a405478007bd2328716dbec3310";
    QTest::newRow("R2 the service's time, another site")
        << appCredentialAddress("http://127.0.0.1:8443", "1700000000")
        << "http://127.0.0.1:8443/oauth/access_token?client_id=7f4c1e92ab0d4c63b8e5a2f9d61c0b47"
           "&grant_type=app_credential&timestamp=1700000000&sig=b3bc9284d402dfc5c6c9841e38698ef2";
    QTest::newRow("R3 doubled & before dtype")
        << signUpPageAddress(kSite, "APP", "en_GB")
        << kSite + "/me/user/add_dialog?access_token=APP&redirect_uri=http%3A%2F%2F127.0.0.1%3A5979&"
                   "&dtype=wizard&state=tolmwizard_signup&lang=en_GB";
    QTest::newRow("R4 single separators")
        << signInPageAddress(kSite, "pt_BR")
        << kSite + "/oauth/authorize?client_id=7f4c1e92ab0d4c63b8e5a2f9d61c0b47&redirect_uri=http%3A%2F%2F127.0.0.1"
                   "%3A5979&response_type=token&scope=basic&dtype=wizard&state=tolmwizard_signin&lang=pt_BR";
    QTest::newRow("R5") << deviceAddAddress(kSite, "T.1") << kSite + "/me/device/add?access_token=T.1";
    QTest::newRow("R6") << userInfoAddress(kSite, "T.1") << kSite + "/me/user/info?access_token=T.1";
    QTest::newRow("default site has a scheme") << defaultSite() << "https://api.olvaris.invalid";
}

void TestCloudApi::addresses()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    QCOMPARE(address, expected);
    // The address reaches the network as written: nothing encoded or dropped.
    QCOMPARE(toUrl(address).toString(QUrl::FullyEncoded), expected);
}

void TestCloudApi::deviceAddBody_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QByteArray>("olvarisNo");
    QTest::addColumn<QByteArray>("dfp");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("lower-case MAC, values")
        << "00:11:22:aa:bb:cc" << QByteArray("4711") << QByteArray("s1")
        << QByteArray(R"({"data":{"mac":"001122AABBCC","olvaris_id":"4711","session_id":"s1"}})");
    QTest::newRow("empty values kept") << "00:11:22:AA:BB:CC" << QByteArray() << QByteArray()
                                       << QByteArray(R"({"data":{"mac":"001122AABBCC","olvaris_id":"","session_id":""}})");
    QTest::newRow("Latin-1 and quotes") << "00:11:22:AA:BB:CC" << QByteArray("n\xe9") << QByteArray("a\"b")
                                        << QByteArray("{\"data\":{\"mac\":\"001122AABBCC\",\"olvaris_id\":\"n\xc3\xa9\","
                                                      "\"session_id\":\"a\\\"b\"}}");
}

void TestCloudApi::deviceAddBody()
{
    QFETCH(QString, mac);
    QFETCH(QByteArray, olvarisNo);
    QFETCH(QByteArray, dfp);
    QFETCH(QByteArray, body);
    IPCamera camera;
    camera.MAC = mac;
    camera.olvarisNo = olvarisNo;
    camera.dfp = dfp;
    QCOMPARE(CloudApi::deviceAddBody(camera), body);
}

void TestCloudApi::readingReplies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<QString>("timestamp");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("email");
    QTest::newRow("time stamp") << QByteArray(R"({"error":{"timestamp":1700000123}})") << true << "1700000123"
                                << "" << "";
    QTest::newRow("time stamp as text") << QByteArray(R"({"error":{"timestamp":"17"}})") << true << "0" << ""
                                        << "";
    QTest::newRow("no time stamp") << QByteArray(R"({"error":{}})") << true << "0" << "" << "";
    QTest::newRow("array") << QByteArray("[1]") << true << "" << "" << "";
    QTest::newRow("not JSON") << QByteArray("<html>") << false << "" << "" << "";
    QTest::newRow("non-Latin message")
        << QByteArray("{\"error\":{\"message\":\"\xd0\x9e\xd1\x88\xd0\xb8\xd0\xb1\xd0\xba\xd0\xb0\"}}") << true << "0"
        << QString::fromUtf8("\xd0\x9e\xd1\x88\xd0\xb8\xd0\xb1\xd0\xba\xd0\xb0") << "";
    QTest::newRow("non-Latin e-mail, zero byte after")
        << QByteArray("{\"data\":{\"email\":\"\xe7\x8e\x8b@example.test\"}}\0junk", 46) << true << "0" << ""
        << QString::fromUtf8("\xe7\x8e\x8b@example.test");
    QTest::newRow("message not in an object") << QByteArray(R"({"error":"nope"})") << true << "0" << "" << "";
}

void TestCloudApi::readingReplies()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, parses);
    QFETCH(QString, timestamp);
    QFETCH(QString, message);
    QFETCH(QString, email);
    QJsonDocument document;
    QCOMPARE(parseBody(body, &document), parses);
    if (!parses)
        return;
    QCOMPARE(errorTimestamp(document), timestamp);
    QCOMPARE(errorMessage(document), message);
    QCOMPARE(accountEmail(document), email);
}

void TestCloudApi::tokensMaskedInLog()
{
    const QString logged = withTokensMasked(deviceAddAddress(kSite, "SECRET1") + " "
                                            + "http://127.0.0.1:5979/?access_token=SECRET2&state=tolmwizard_signin");
    QVERIFY2(!logged.contains("SECRET"), qPrintable(logged));
    QVERIFY(logged.contains("state=tolmwizard_signin"));
}

void TestCloudApi::externalLinks_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << "https://www.olvaris.invalid/apps" << true;
    QTest::newRow("http") << "http://www.olvaris.invalid/" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("custom scheme") << "ms-settings:network" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
}

void TestCloudApi::externalLinks()
{
    QFETCH(QString, url);
    QFETCH(bool, opened);
    QCOMPARE(mayOpenExternally(QUrl(url)), opened);
}

void TestCloudApi::signIn_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<ReplyFacts>("reply");
    QTest::addColumn<Action>("action");
    QTest::newRow("page 302") << 0 << facts(false, true, false, 302) << Action::PageReached;
    QTest::newRow("page 200 without redirect") << 0 << facts(false, true, false, 200) << Action::Ignore;
    QTest::newRow("page failed") << 0 << facts(false, true, true, 500) << Action::Failure;
    QTest::newRow("page untrusted") << 0 << facts(false, true, true, 0, true, true) << Action::Untrusted;
    QTest::newRow("missing picture") << 0 << facts(false, false, true, 404) << Action::Ignore;
    QTest::newRow("late page resource at device add") << 1 << facts(false, false, false, 200) << Action::Ignore;
    QTest::newRow("device added") << 1 << facts(true, false, false, 200) << Action::DeviceAdded;
    QTest::newRow("device add 200 empty body") << 1 << facts(true, false, false, 200, true) << Action::Failure;
    QTest::newRow("device add 201") << 1 << facts(true, false, false, 201) << Action::Failure;
    QTest::newRow("device add refused") << 1 << facts(true, false, true, 400) << Action::ServiceError;
    QTest::newRow("device add 403") << 1 << facts(true, false, true, 403) << Action::Failure;
    QTest::newRow("account 200") << 2 << facts(true, false, false, 200) << Action::AccountKnown;
    QTest::newRow("account 204") << 2 << facts(true, false, false, 204) << Action::Failure;
    QTest::newRow("account refused") << 2 << facts(true, false, true, 400) << Action::ServiceError;
    QTest::newRow("done") << 3 << facts(false, false, false, 200) << Action::Ignore;
}

void TestCloudApi::signIn()
{
    QFETCH(int, step);
    QFETCH(ReplyFacts, reply);
    QFETCH(Action, action);
    QCOMPARE(judgeSignIn(step, reply), action);
}

void TestCloudApi::signUp_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<ReplyFacts>("reply");
    QTest::addColumn<Action>("action");
    QTest::newRow("time stamp 400") << 0 << facts(true, false, true, 400) << Action::TimeStamp;
    QTest::newRow("stale time stamp accepted") << 0 << facts(true, false, false, 200) << Action::Failure;
    QTest::newRow("time stamp 500") << 0 << facts(true, false, true, 500) << Action::Failure;
    QTest::newRow("app token") << 1 << facts(true, false, false, 200) << Action::AppToken;
    QTest::newRow("app token refused") << 1 << facts(true, false, true, 400) << Action::Failure;
    QTest::newRow("page") << 2 << facts(false, true, false, 200) << Action::PageReached;
    QTest::newRow("page failed") << 2 << facts(false, true, true, 502) << Action::Failure;
    QTest::newRow("missing picture") << 2 << facts(false, false, true, 404) << Action::Ignore;
    QTest::newRow("late resource at device add") << 3 << facts(false, false, false, 200) << Action::Ignore;
    QTest::newRow("device added") << 3 << facts(true, false, false, 200) << Action::DeviceAdded;
    QTest::newRow("device add 201") << 3 << facts(true, false, false, 201) << Action::Failure;
    QTest::newRow("device add refused") << 3 << facts(true, false, true, 400) << Action::ServiceError;
    QTest::newRow("device add 403") << 3 << facts(true, false, true, 403) << Action::Failure;
    QTest::newRow("device add untrusted") << 3 << facts(true, false, true, 0, true, true) << Action::Untrusted;
    QTest::newRow("account 200") << 4 << facts(true, false, false, 200) << Action::AccountKnown;
    QTest::newRow("account refused") << 4 << facts(true, false, true, 400) << Action::ServiceError;
    QTest::newRow("done") << 5 << facts(false, false, false, 200) << Action::Ignore;
}

void TestCloudApi::signUp()
{
    QFETCH(int, step);
    QFETCH(ReplyFacts, reply);
    QFETCH(Action, action);
    QCOMPARE(judgeSignUp(step, reply), action);
}

void TestCloudApi::registerWaitWithoutAnswer()
{
    IPCamera camera;
    QList<int> requests;
    for (int c = 0; c < kRegisterTickLimit; ++c) {
        const RegisterTick tick = registerTick(c, false, camera);
        QVERIFY(tick == RegisterTick::Request || tick == RegisterTick::Wait);
        if (tick == RegisterTick::Request)
            requests.append(c + 1);
    }
    QCOMPARE(requests, (QList<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29}));
    QCOMPARE(registerTick(kRegisterTickLimit, false, camera), RegisterTick::TimeOut);
}

void TestCloudApi::registerWaitConfirmed()
{
    IPCamera camera;
    camera.bRegisted = "1";
    camera.dcpStatus = IPCamera::GOT_REGISTER_INFO;
    QCOMPARE(registerTick(3, true, camera), RegisterTick::Confirm);
    // A flag left over while the camera is back in another state: no request, no confirmation.
    camera.dcpStatus = IPCamera::WAIT_REGISTER_INFO;
    QCOMPARE(registerTick(2, true, camera), RegisterTick::Wait);
}

void TestCloudApi::completedFlow_data()
{
    QTest::addColumn<int>("signIn");
    QTest::addColumn<int>("signUp");
    QTest::addColumn<Flow>("last");
    QTest::addColumn<Flow>("flow");
    QTest::newRow("sign-in") << 3 << 0 << Flow::SignIn << Flow::SignIn;
    QTest::newRow("sign-up") << 1 << 5 << Flow::SignUp << Flow::SignUp;
    QTest::newRow("both, sign-up last") << 3 << 5 << Flow::SignUp << Flow::SignUp;
    QTest::newRow("both, sign-in last") << 3 << 5 << Flow::SignIn << Flow::SignIn;
    QTest::newRow("neither") << 2 << 4 << Flow::SignUp << Flow::None;
}

void TestCloudApi::completedFlow()
{
    QFETCH(int, signIn);
    QFETCH(int, signUp);
    QFETCH(Flow, last);
    QFETCH(Flow, flow);
    QCOMPARE(CloudApi::completedFlow(signIn, signUp, last), flow);
}

void TestCloudApi::road_data()
{
    QTest::addColumn<QString>("wifi");
    QTest::addColumn<QString>("ap");
    QTest::addColumn<CloudRoute::Road>("road");
    QTest::newRow("Wi-Fi only") << "1" << "0" << CloudRoute::Road::WiFi;
    QTest::newRow("Wi-Fi and access point") << "1" << "1" << CloudRoute::Road::Completion;
    QTest::newRow("wired") << "0" << "0" << CloudRoute::Road::Completion;
    QTest::newRow("unknown model") << "" << "" << CloudRoute::Road::Completion;
}

void TestCloudApi::road()
{
    QFETCH(QString, wifi);
    QFETCH(QString, ap);
    QFETCH(CloudRoute::Road, road);
    QCOMPARE(CloudRoute::roadFor(wifi, ap), road);
}

void TestCloudApi::wrapLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("short") << "ann@example.test" << "ann@example.test";
    QTest::newRow("exactly the length") << "abcdefghij@example.tes" << "abcdefghij@example.tes";
    QTest::newRow("hard breaks") << QString(50, 'a') << QString(22, 'a') + "\n" + QString(22, 'a') + "\n" + QString(6, 'a');
    QTest::newRow("at spaces") << "abcd efghij klmnopqr stuvwxyzab cdefghijkl"
                               << "abcd efghij klmnopqr\nstuvwxyzab cdefghijkl";
    QTest::newRow("long word after a short one") << "abcde " + QString(60, 'x')
                                                 << "abcde\n" + QString(22, 'x') + "\n" + QString(22, 'x') + "\n"
                                                        + QString(16, 'x');
}

void TestCloudApi::wrapLines()
{
    QFETCH(QString, text);
    QFETCH(QString, wrapped);
    QCOMPARE(CloudApi::wrapLines(text, 22), wrapped);
}

QTEST_GUILESS_MAIN(TestCloudApi)
#include "tst_cloudapi.moc"

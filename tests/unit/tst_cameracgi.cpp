#include <QtTest>

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "httptestkit.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/wallclock.h"
#include "shell/endpoints.h"
#include "shell/globals.h"
#include "shell/log.h"
#include "testsupport.h"

namespace {
const QString kCameraPassword = "s3cret";
const QString kHost = Endpoints::kTimeServerHost;
} // namespace

class TestCameraCgi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(server.start(), qPrintable(server.error)); }
    void init();
    void cleanup();
    void requestTexts_data();
    void requestTexts() { QFETCH(QString, request); QTEST(request, "expected"); }
    void addressAndCredentials_data();
    void addressAndCredentials();
    void clockReachesCamera();
    void requestNeedsChosenCamera();
    void callbackLogsAndReleases_data();
    void callbackLogsAndReleases();

private:
    CamCgiServer server{kCameraPassword};
    DCPUtils* dcp = nullptr;
};

void TestCameraCgi::init()
{
    // The first reading is a second before midnight, every later one after it: a request
    // must take its date and time from one reading.
    auto readings = std::make_shared<int>(0);
    WallClock::setClockForTests([readings] {
        return QDateTime(QDate(2026, 2, 3), QTime(23, 59, 59)).addSecs((*readings)++ ? 1 : 0);
    });
    dcp = new DCPUtils;
}

void TestCameraCgi::cleanup()
{
    delete dcp;
    WallClock::setClockForTests(nullptr);
    IPCameraList.clear();
    IPCameraIdx = -1;
    CGIProtocolMap.clear();
}

void TestCameraCgi::requestTexts_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("expected");
    using namespace CameraCgi;
    const QDateTime now(QDate(2026, 2, 3), QTime(14, 5, 9));
    const QString dt = "date=2026-02-03&time=14:05:09";
    const QString t4x = "/datetime.cgi?&Date=2026-02-03&Time=14:05:09&DateTimeMode=";
    CGIProtocolMap.insert("CAM-K", "1");
    QTest::newRow("mode 0: catalogue dialect") << clockDialect(0, QByteArray("CAM-K\0", 6)) << "1";
    QTest::newRow("mode 0: model not in catalogue") << clockDialect(0, "CAM-X") << "";
    QTest::newRow("mode 3: T4X") << clockDialect(3, "CAM-K") << "0";
    QTest::newRow("KORVA time server") << korvaClockRequest(94, "CAM", now)
                                       << "/config/datetime.cgi?method=1&timeserver=" + kHost + "&timezone=94";
    QTest::newRow("KORVA manual, method 2 model") << korvaClockRequest(-1, "VKC-4720", now)
                                                  << "/config/datetime.cgi?method=2&" + dt;
    QTest::newRow("KORVA manual, model case differs") << korvaClockRequest(-1, "vkc-4710", now)
                                                      << "/config/datetime.cgi?timezone=0&method=0&" + dt;
    QTest::newRow("T4X time server") << t4xClockRequest(0, now)
                                     << t4x + "0&TimeServerIPAddress=" + kHost + "&TimeZoneIndex=0&ConfigReboot=No";
    QTest::newRow("T4X manual") << t4xClockRequest(-1, now) << t4x + "1&TimeZoneIndex=0&ConfigReboot=No";
    QTest::newRow("wireless") << wirelessRequest("WEPKey1=abcde") << "/wireless.cgi?WEPKey1=abcde&ConfigReboot=No";
}

void TestCameraCgi::addressAndCredentials_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("httpsPort");
    QTest::addColumn<QByteArray>("credentials");
    QTest::addColumn<QString>("url"); // empty: refused
    const QString ip = "192.168.0.20", plain = "https://" + ip;
    auto row = [](const char* name, const QString& address, const char* version, const char* stored,
                  const char* port, const char* credentials, const QString& url) {
        QTest::newRow(name) << address << QByteArray(version) << QByteArray(stored) << QByteArray(port)
                            << QByteArray(credentials) << url;
    };
    row("1.1: stored bytes, port ignored", ip, "1.1", "YWJj", "443", "admin:YWJj", plain);
    row("no version: stored bytes, port ignored", ip, "", "abc", "8443", "admin:abc", plain);
    row("2.0: decoded, no port", ip, "2.0", "YWJj", "", "admin:abc", plain);
    row("2.3: empty password, port", ip, "2.3", "", "8443", "admin:", plain + ":8443");
    row("host name", "evil.example#", "1.0", "abc", "", "admin:abc", "");
    row("address with port", ip + ":8443", "1.0", "abc", "", "admin:abc", "");
    row("octet over 255", "192.168.0.256", "1.0", "abc", "", "admin:abc", "");
    row("three octets", "192.168.0", "1.0", "abc", "", "admin:abc", "");
    row("port not a number", ip, "2.0", "YWJj", "443@evil", "admin:abc", "");
    row("port out of range", ip, "2.0", "YWJj", "70000", "admin:abc", "");
}

void TestCameraCgi::addressAndCredentials()
{
    IPCamera camera;
    QFETCH(QString, address);
    camera.IPAddr = address;
    QFETCH(QByteArray, dcpVersion);
    camera.DCPVersion = dcpVersion;
    QFETCH(QByteArray, stored);
    camera.password = stored;
    QFETCH(QByteArray, httpsPort);
    camera.networkconf.Https_port = httpsPort;
    QFETCH(QByteArray, credentials);
    QCOMPARE(CameraCgi::basicCredentials(camera), credentials.toBase64());
    QTEST(CameraCgi::baseUrlWithPort(camera), "url");
}

void TestCameraCgi::clockReachesCamera()
{
    IPCamera camera;
    camera.IPAddr = server.address();
    camera.networkconf.Https_port = server.httpsPort();
    camera.modelName = "CAM-T";
    camera.DCPVersion = "2.0";
    camera.password = kCameraPassword.toUtf8().toBase64();
    IPCameraList = {camera};
    IPCameraIdx = 0;
    CGIProtocolMap.insert("CAM-T", "2");

    LogRecorder log;
    const int before = server.records().size();
    dcp->CGISyncTime(83, 0);
    QVERIFY(server.waitForRecords(before + 1));
    const QJsonObject record = server.records().last();
    QCOMPARE(record.value("path").toString(), QString("/datetime.cgi"));
    QCOMPARE(record.value("query").toString(), "&Date=2026-02-03&Time=23:59:59&DateTimeMode=0&TimeServerIPAddress="
                                                   + kHost + "&TimeZoneIndex=84&ConfigReboot=No");
    QVERIFY(record.value("password_ok").toBool());
    QTRY_COMPARE(log.matching("[CGI] callback 200 OK").size(), 1);
    // Neither the password nor its Base64 forms are logged; the credential line keeps its label.
    const QString basic = QString::fromLatin1(CameraCgi::basicCredentials(camera));
    for (const QString& secret : {kCameraPassword, QString::fromLatin1(camera.password), basic})
        QVERIFY2(log.matching(secret).isEmpty(), qPrintable(log.all()));
    QCOMPARE(log.count({" Basic ", maskSecret(basic)}), 1);
}

void TestCameraCgi::requestNeedsChosenCamera()
{
    // No camera at the index, or one without a plain IPv4 address: logged, nothing sent.
    IPCameraList = {IPCamera()};
    IPCameraList[0].IPAddr = server.address() + ":" + server.httpsPort() + "#";
    const int before = server.records().size();
    for (int chosen : {-1, 1, 0}) {
        IPCameraIdx = chosen;
        LogRecorder log;
        dcp->CGISyncTime(5, 0);
        dcp->CGISyncTime_KORVA(3);
        dcp->CGISyncTime_T4X(3);
        dcp->TdbSetWirelessKey("a=1");
        QCOMPARE(log.matching(chosen == 0 ? "Camera CGI request refused" : "No camera chosen").size(), 4);
    }
    QTest::qWait(300);
    QCOMPARE(server.records().size(), before);
}

void TestCameraCgi::callbackLogsAndReleases_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");
    const QString status = "[CGI] callback http status code : ";
    const QString body = "[CGI] callback http return value : ";
    QTest::newRow("200, body up to its zero byte")
        << 200 << QByteArray("ab\0cd", 5) << QStringList{status + "\"200\"", body + "\"ab\"", "[CGI] callback 200 OK"};
    QTest::newRow("302 not followed") << 302 << QByteArray()
                                      << QStringList{status + "\"302\"", body + "\"\"", "[CGI] callback Error Code : 0"};
}

void TestCameraCgi::callbackLogsAndReleases()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    HttpTestServer http;
    QVERIFY(http.start());
    http.setAnswer("/cgi", status == 200 ? HttpTestServer::ok(body) : HttpTestServer::redirect(302, "/elsewhere"));
    LogRecorder log;
    QPointer<QNetworkReply> reply = dcp->networkManager->get(QNetworkRequest(http.url("/cgi")));
    QTRY_COMPARE_WITH_TIMEOUT(log.matching(expected.first()).size(), 1, 10000);
    for (const QString& line : expected)
        QVERIFY2(log.matching(line).size() == 1, qPrintable(line + " in\n" + log.all()));
    QTRY_VERIFY(reply.isNull()); // released
}

QTEST_GUILESS_MAIN(TestCameraCgi)
#include "tst_cameracgi.moc"

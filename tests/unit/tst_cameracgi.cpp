#include <QtTest>

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>

#include "cameracgi.h"
#include "dcputils.h"
#include "endpoints.h"
#include "globals.h"
#include "log.h"
#include "testsupport.h"
#include "wallclock.h"

namespace {

const QString kCameraPassword = "s3cret";
const QDateTime kNow(QDate(2026, 2, 3), QTime(14, 5, 9));
const QString kHost = Endpoints::kTimeServerHost;

IPCamera cameraRecord(const QString& address, const QByteArray& model, const QByteArray& dcpVersion,
                      const QByteArray& password)
{
    IPCamera camera;
    camera.IPAddr = address;
    camera.modelName = model;
    camera.DCPVersion = dcpVersion;
    camera.password = password;
    return camera;
}

void chooseCamera(const IPCamera& camera)
{
    IPCameraList = {camera};
    IPCameraIdx = 0;
}

// Answers every HTTP request on 127.0.0.1 with one fixed response, then closes.
class CannedHttpServer : public QObject
{
public:
    explicit CannedHttpServer(const QByteArray& response)
        : response(response)
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }
    QUrl url() const { return QUrl(QString("http://127.0.0.1:%1/cgi").arg(server.serverPort())); }

private:
    void answer(QTcpSocket* socket)
    {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer server;
    QByteArray response;
};

} // namespace

class TestCameraCgi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clockRequests_data();
    void clockRequests();
    void credentials_data();
    void credentials();
    void baseUrlWithPort_data();
    void baseUrlWithPort();

    void clockReachesCamera_data();
    void clockReachesCamera();
    void dateAndTimeFromOneReading_data();
    void dateAndTimeFromOneReading();
    void wirelessReachesCamera_data();
    void wirelessReachesCamera();
    void credentialReachesCamera_data();
    void credentialReachesCamera();
    void secretsMaskedInLog_data();
    void secretsMaskedInLog();
    void requestNeedsChosenCamera_data();
    void requestNeedsChosenCamera();
    void secondChallengeReachesNoSlot();

    void callbackLogsAndReleases_data();
    void callbackLogsAndReleases();

private:
    // Runs request and waits for the simulator's record of it and for the logged reply.
    QJsonObject recordOf(const std::function<void()>& request, LogRecorder& log);

    CamCgiServer server{kCameraPassword};
    DCPUtils* dcp = nullptr;
};

void TestCameraCgi::initTestCase()
{
    QVERIFY2(server.start(), qPrintable(server.error));
}

void TestCameraCgi::init()
{
    WallClock::setClockForTests([] { return kNow; });
    dcp = new DCPUtils;
}

void TestCameraCgi::cleanup()
{
    delete dcp;
    dcp = nullptr;
    WallClock::setClockForTests(nullptr);
    IPCameraList.clear();
    IPCameraIdx = -1;
    CGIProtocolMap.clear();
}

QJsonObject TestCameraCgi::recordOf(const std::function<void()>& request, LogRecorder& log)
{
    // A reply has been handled once its status line is logged, or its challenge refused.
    const auto handled = [&log] {
        return log.matching("[CGI] callback http status code :").size()
               + log.matching("check request auth required!").size();
    };
    const int before = server.records().size();
    const int handledBefore = handled();
    request();
    if (!server.waitForRecords(before + 1))
        return QJsonObject();
    QElapsedTimer clock;
    clock.start();
    while (handled() == handledBefore && clock.elapsed() < 10000)
        QTest::qWait(20);
    return server.records().last();
}

void TestCameraCgi::clockRequests_data()
{
    QTest::addColumn<bool>("korva");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("request");

    const QString date = "2026-02-03";
    const QString time = "14:05:09";
    for (const char* model : {"VKC-3100", "VKC-4710", "VKC-4720"})
        QTest::addRow("KORVA manual %s", model)
            << true << -1 << model << "/config/datetime.cgi?method=2&date=" + date + "&time=" + time;
    QTest::newRow("KORVA manual model case differs") << true << -1 << "vkc-4710"
                                                     << "/config/datetime.cgi?timezone=0&method=0&date=" + date
                                                            + "&time=" + time;
    QTest::newRow("T4X zone 0") << false << 0 << "CAM-T"
                                << "/datetime.cgi?&Date=" + date + "&Time=" + time
                                       + "&DateTimeMode=0&TimeServerIPAddress=" + kHost
                                       + "&TimeZoneIndex=0&ConfigReboot=No";
    QTest::newRow("T4X manual") << false << -1 << "VKC-4710"
                                << "/datetime.cgi?&Date=" + date + "&Time=" + time
                                       + "&DateTimeMode=1&TimeZoneIndex=0&ConfigReboot=No";
}

void TestCameraCgi::clockRequests()
{
    QFETCH(bool, korva);
    QFETCH(int, zone);
    QFETCH(QString, model);
    QFETCH(QString, request);

    QCOMPARE(korva ? CameraCgi::korvaClockRequest(zone, model, kNow) : CameraCgi::t4xClockRequest(zone, kNow),
             request);
}

void TestCameraCgi::credentials_data()
{
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("credentials");

    QTest::newRow("1.1 stored bytes") << QByteArray("1.1") << QByteArray("abc") << QByteArray("admin:abc");
    QTest::newRow("empty version stored bytes") << QByteArray() << QByteArray("YWJj") << QByteArray("admin:YWJj");
    QTest::newRow("10.0 compares below 2.0") << QByteArray("10.0") << QByteArray("YWJj")
                                             << QByteArray("admin:YWJj");
    QTest::newRow("2.0 decoded") << QByteArray("2.0") << QByteArray("YWJj") << QByteArray("admin:abc");
    QTest::newRow("new empty password") << QByteArray("2.0") << QByteArray() << QByteArray("admin:");
    QTest::newRow("password with colon") << QByteArray("2.0") << QByteArray("YTpi") << QByteArray("admin:a:b");
}

void TestCameraCgi::credentials()
{
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, credentials);

    const IPCamera camera = cameraRecord("192.168.0.20", "CAM", dcpVersion, stored);
    QCOMPARE(CameraCgi::credentials(camera), credentials);
    QCOMPARE(CameraCgi::basicCredentials(camera), credentials.toBase64());
}

void TestCameraCgi::baseUrlWithPort_data()
{
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("httpsPort");
    QTest::addColumn<QString>("url");

    QTest::newRow("old camera, port ignored") << QByteArray("1.1") << QByteArray("443") << "https://192.168.0.20";
    QTest::newRow("no version, port ignored") << QByteArray() << QByteArray("8443") << "https://192.168.0.20";
    QTest::newRow("10.0, port ignored") << QByteArray("10.0") << QByteArray("8443") << "https://192.168.0.20";
    QTest::newRow("new camera, no port") << QByteArray("2.0") << QByteArray() << "https://192.168.0.20";
    QTest::newRow("new camera, 443") << QByteArray("2.0") << QByteArray("443") << "https://192.168.0.20:443";
    QTest::newRow("2.3, 8443") << QByteArray("2.3") << QByteArray("8443") << "https://192.168.0.20:8443";
}

void TestCameraCgi::baseUrlWithPort()
{
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QByteArray, httpsPort);
    QFETCH(QString, url);

    IPCamera camera = cameraRecord("192.168.0.20", "CAM", dcpVersion, QByteArray());
    camera.networkconf.Https_port = httpsPort;
    QCOMPARE(CameraCgi::baseUrlWithPort(camera), url);
}

void TestCameraCgi::clockReachesCamera_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QString>("dialect"); // catalogue value; "-" leaves the model out
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("urlLabel");

    const QString dt = "&Date=2026-02-03&Time=14:05:09";
    const QString t4xManual = dt + "&DateTimeMode=1&TimeZoneIndex=0&ConfigReboot=No";
    QTest::newRow("position 0, forced KORVA") << QByteArray("CAM-T") << "2" << 0 << 1 << "/config/datetime.cgi"
                                              << "method=1&timeserver=" + kHost + "&timezone=1" << " url = ";
    QTest::newRow("position 93, KORVA model") << QByteArray("CAM-K") << "1" << 93 << 0 << "/config/datetime.cgi"
                                              << "method=1&timeserver=" + kHost + "&timezone=94" << " url = ";
    QTest::newRow("position 83, T4X model")
        << QByteArray("CAM-T") << "2" << 83 << 0 << "/datetime.cgi"
        << dt + "&DateTimeMode=0&TimeServerIPAddress=" + kHost + "&TimeZoneIndex=84&ConfigReboot=No" << "url = ";
    QTest::newRow("empty combo box sends zone 0") << QByteArray("CAM-K") << "1" << -1 << 0 << "/config/datetime.cgi"
                                                  << "method=1&timeserver=" + kHost + "&timezone=0" << " url = ";
    QTest::newRow("local-only KORVA VKC-4710") << QByteArray("VKC-4710") << "-" << -2 << 1 << "/config/datetime.cgi"
                                               << "method=2&date=2026-02-03&time=14:05:09" << " url = ";
    QTest::newRow("local-only KORVA other") << QByteArray("CAM-X") << "-" << -2 << 1 << "/config/datetime.cgi"
                                            << "timezone=0&method=0&date=2026-02-03&time=14:05:09" << " url = ";
    QTest::newRow("local-only T4X") << QByteArray("CAM-K") << "1" << -2 << 2 << "/datetime.cgi" << t4xManual
                                    << "url = ";
    QTest::newRow("mode 3 is T4X") << QByteArray("CAM-K") << "1" << -2 << 3 << "/datetime.cgi" << t4xManual
                                   << "url = ";
    QTest::newRow("model not in catalogue is T4X") << QByteArray("CAM-X") << "-" << -2 << 0 << "/datetime.cgi"
                                                   << t4xManual << "url = ";
}

void TestCameraCgi::clockReachesCamera()
{
    QFETCH(QByteArray, model);
    QFETCH(QString, dialect);
    QFETCH(int, position);
    QFETCH(int, mode);
    QFETCH(QString, path);
    QFETCH(QString, query);
    QFETCH(QString, urlLabel);

    chooseCamera(cameraRecord(server.address(), model, "2.0", kCameraPassword.toUtf8().toBase64()));
    if (dialect != "-")
        CGIProtocolMap.insert(QString::fromLatin1(model), dialect);

    LogRecorder log;
    const QJsonObject record = recordOf([&] { dcp->CGISyncTime(position, mode); }, log);
    QCOMPARE(record.value("method").toString(), QString("GET"));
    QCOMPARE(record.value("path").toString(), path);
    QCOMPARE(record.value("query").toString(), query);
    QCOMPARE(record.value("user").toString(), QString("admin"));
    QVERIFY(record.value("password_ok").toBool());
    // KORVA labels the address " url = ", T4X "url = ".
    QCOMPARE(log.matching("] " + urlLabel + " \"https://" + server.address() + path + "?" + query + "\"").size(), 1);
    QTRY_COMPARE(log.matching("[CGI] callback 200 OK").size(), 1);
}

void TestCameraCgi::dateAndTimeFromOneReading_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("query");

    QTest::newRow("KORVA") << 1 << "timezone=0&method=0&date=2026-02-03&time=23:59:59";
    QTest::newRow("T4X") << 2 << "&Date=2026-02-03&Time=23:59:59&DateTimeMode=1&TimeZoneIndex=0&ConfigReboot=No";
}

void TestCameraCgi::dateAndTimeFromOneReading()
{
    QFETCH(int, mode);
    QFETCH(QString, query);

    // Every further reading of the clock is already past midnight.
    int readings = 0;
    WallClock::setClockForTests([&readings] {
        return QDateTime(QDate(2026, 2, 3), QTime(23, 59, 59)).addSecs(readings++ ? 1 : 0);
    });
    chooseCamera(cameraRecord(server.address(), "CAM-X", "2.0", kCameraPassword.toUtf8().toBase64()));
    LogRecorder log;
    const QJsonObject record = recordOf([&] { dcp->CGISyncTime(-2, mode); }, log);
    QCOMPARE(record.value("query").toString(), query);
}

void TestCameraCgi::wirelessReachesCamera_data()
{
    QTest::addColumn<QString>("params"); // "-": the Latin-1 key format request
    QTest::addColumn<QString>("query");

    QTest::newRow("key format") << "-" << "WEPKeyFormat=0&ConfigReboot=No";
    QTest::newRow("caller's params") << "WEPKey1=abcde&WEPKeyIndex=1" << "WEPKey1=abcde&WEPKeyIndex=1&ConfigReboot=No";
    QTest::newRow("empty params") << "" << "&ConfigReboot=No";
}

void TestCameraCgi::wirelessReachesCamera()
{
    QFETCH(QString, params);
    QFETCH(QString, query);

    chooseCamera(cameraRecord(server.address(), "CAM-T", "1.1", kCameraPassword.toUtf8()));
    LogRecorder log;
    const QJsonObject record = recordOf(
        [&] {
            if (params == "-")
                dcp->TdbSetWirelessKeytoLatin1();
            else
                dcp->TdbSetWirelessKey(params);
        },
        log);
    QCOMPARE(record.value("path").toString(), QString("/wireless.cgi"));
    QCOMPARE(record.value("query").toString(), query);
    QVERIFY(record.value("password_ok").toBool());
}

void TestCameraCgi::credentialReachesCamera_data()
{
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("accepted");

    const QByteArray plain = kCameraPassword.toUtf8();
    QTest::newRow("old camera, stored bytes") << QByteArray("1.1") << plain << true;
    QTest::newRow("new camera, decoded") << QByteArray("2.0") << plain.toBase64() << true;
    QTest::newRow("new camera given plain text") << QByteArray("2.0") << plain << false;
    QTest::newRow("old camera given Base64") << QByteArray("1.1") << plain.toBase64() << false;
    QTest::newRow("wrong password") << QByteArray("2.0") << QByteArray("wrong").toBase64() << false;
}

void TestCameraCgi::credentialReachesCamera()
{
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QByteArray, stored);
    QFETCH(bool, accepted);

    chooseCamera(cameraRecord(server.address(), "CAM-T", dcpVersion, stored));
    LogRecorder log;
    const QJsonObject record = recordOf([&] { dcp->CGISyncTime(-2, 2); }, log);
    QCOMPARE(record.value("user").toString(), QString("admin"));
    QCOMPARE(record.value("password_ok").toBool(), accepted);
    QCOMPARE(record.value("status").toInt(), accepted ? 200 : 401);
    if (accepted) {
        QTRY_COMPARE(log.matching("[CGI] callback 200 OK").size(), 1);
    } else {
        QCOMPARE(log.matching("check request auth required!").size(), 1);
        QCOMPARE(log.matching("[CGI] callback 200 OK").size(), 0);
    }
}

void TestCameraCgi::secretsMaskedInLog_data()
{
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("old camera") << QByteArray("1.1") << kCameraPassword.toUtf8();
    QTest::newRow("new camera") << QByteArray("2.0") << kCameraPassword.toUtf8().toBase64();
}

void TestCameraCgi::secretsMaskedInLog()
{
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QByteArray, stored);

    chooseCamera(cameraRecord(server.address(), "CAM-T", dcpVersion, stored));
    LogRecorder log;
    recordOf([&] { dcp->TdbSetWirelessKeytoLatin1(); }, log);
    const QString basic = QString::fromLatin1(("admin:" + kCameraPassword.toUtf8()).toBase64());
    for (const QString& secret : {kCameraPassword, QString::fromLatin1(stored), basic})
        QCOMPARE(log.matching(secret), QStringList());
    const QStringList basicLines = log.matching(" Basic ");
    QCOMPARE(basicLines.size(), 1);
    QVERIFY2(basicLines.first().contains(maskSecret(basic)), qPrintable(basicLines.first()));
}

void TestCameraCgi::requestNeedsChosenCamera_data()
{
    QTest::addColumn<int>("cameras");
    QTest::addColumn<int>("chosen");

    QTest::newRow("empty list, none chosen") << 0 << -1;
    QTest::newRow("none chosen") << 1 << -1;
    QTest::newRow("index past the end") << 1 << 1;
    QTest::newRow("negative index") << 2 << -7;
}

void TestCameraCgi::requestNeedsChosenCamera()
{
    QFETCH(int, cameras);
    QFETCH(int, chosen);

    for (int i = 0; i < cameras; ++i)
        IPCameraList.append(cameraRecord(server.address(), "CAM-K", "2.0", QByteArray()));
    IPCameraIdx = chosen;
    CGIProtocolMap.insert("CAM-K", "1");
    const int before = server.records().size();

    LogRecorder log;
    dcp->CGISyncTime(5, 0);
    dcp->CGISyncTime_KORVA(3);
    dcp->CGISyncTime_T4X(3);
    dcp->TdbSetWirelessKeytoLatin1();
    dcp->TdbSetWirelessKey("a=1");
    QCOMPARE(log.matching("No camera chosen").size(), 5);
    QCOMPARE(log.matching(" Basic ").size(), 0);
    QTest::qWait(300);
    QCOMPARE(server.records().size(), before);
}

void TestCameraCgi::secondChallengeReachesNoSlot()
{
    chooseCamera(cameraRecord(server.address(), "CAM-T", "2.0", QByteArray("wrong").toBase64()));
    LogRecorder log;

    const int before = server.records().size();
    dcp->TdbSetWirelessKeytoLatin1();
    QVERIFY(server.waitForRecords(before + 1));
    QTRY_COMPARE(log.matching("check request auth required!").size(), 1);
    QCOMPARE(log.matching("str_authenticator = ").size(), 1);

    const int callbacks = log.matching("[CGI] callback http status code :").size();
    dcp->TdbSetWirelessKeytoLatin1();
    QVERIFY(server.waitForRecords(before + 2));
    QTRY_COMPARE(log.matching("[CGI] callback http status code :").size(), callbacks + 1);
    QCOMPARE(log.matching("check request auth required!").size(), 1);
    QCOMPARE(log.matching(QString("Error Code : %1").arg(int(QNetworkReply::AuthenticationRequiredError))).size(),
             callbacks + 1);
    QCOMPARE(server.records().at(before + 1).value("status").toInt(), 401);
}

void TestCameraCgi::callbackLogsAndReleases_data()
{
    QTest::addColumn<QByteArray>("response"); // empty: nothing listens
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");

    const QString status = "[CGI] callback http status code : ";
    const QString body = "[CGI] callback http return value : ";
    QTest::newRow("200") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello")
                         << QStringList{status + "\"200\"", body + "\"hello\"", "[CGI] callback 200 OK"}
                         << QStringList{"[CGI] callback Error Code :"};
    QTest::newRow("302 not followed")
        << QByteArray("HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\n"
                      "Content-Length: 5\r\nConnection: close\r\n\r\nmoved")
        << QStringList{status + "\"302\"", body + "\"moved\"", "[CGI] callback Error Code : 0"}
        << QStringList{"[CGI] callback 200 OK"};
    QTest::newRow("body with a zero byte")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\n") + QByteArray("ab\0cd", 5)
        << QStringList{body + "\"ab\"", "[CGI] callback 200 OK"} << QStringList{"cd\""};
    QTest::newRow("404 is a network error")
        << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\nConnection: close\r\n\r\ngone")
        << QStringList{status + "\"404\"", QString("Error Code : %1").arg(int(QNetworkReply::ContentNotFoundError))}
        << QStringList{body};
    QTest::newRow("refused connection")
        << QByteArray()
        << QStringList{status + "\"\"", QString("Error Code : %1").arg(int(QNetworkReply::ConnectionRefusedError))}
        << QStringList{body};
}

void TestCameraCgi::callbackLogsAndReleases()
{
    QFETCH(QByteArray, response);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);

    QUrl url;
    CannedHttpServer canned(response);
    if (response.isEmpty()) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        url = QUrl(QString("http://127.0.0.1:%1/cgi").arg(closed.serverPort()));
    } else {
        url = canned.url();
    }

    LogRecorder log;
    QPointer<QNetworkReply> reply = dcp->networkManager->get(QNetworkRequest(url));
    QTRY_COMPARE_WITH_TIMEOUT(log.matching("[CGI] callback http status code :").size(), 1, 10000);
    for (const QString& line : expected)
        QVERIFY2(log.matching(line).size() == 1, qPrintable(line + " in\n" + log.lines.join('\n')));
    for (const QString& line : absent)
        QVERIFY2(log.matching(line).isEmpty(), qPrintable(line + " in\n" + log.lines.join('\n')));
    QTRY_VERIFY(reply.isNull());
}

QTEST_GUILESS_MAIN(TestCameraCgi)
#include "tst_cameracgi.moc"

// Camera CGI requests and the camera clock: query texts, address and credential rules, requests
// to the simulated camera, the chosen-camera guard, reply release, zone lists and the PC's offset;
// the firewall rule.

#include <QNetworkReply>
#include <QSysInfo>
#include <QtTest>

#include <time.h>

#include "base/endpoints.h"
#include "base/globals.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "httptestkit.h"
#include "platform/firewall.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "protocol/ipv4.h"
#include "protocol/timezones.h"
#include "protocol/wallclock.h"
#include "setup/timezonepick.h"
#include "testsupport.h"

namespace {
const QString kCameraPassword = "s3cret";
const QString kHost = Endpoints::kTimeServerHost;
}  // namespace

class TestCameraCgi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(server.start(), qPrintable(server.error));
        // The firewall rule must name the running program, not a file in the current folder.
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

    void init()
    {
        // The first reading is a second before midnight, every later one after it: a request
        // must take its date and time from one reading.
        auto readings = std::make_shared<int>(0);
        WallClock::setClockForTests(
            [readings] { return QDateTime(QDate(2026, 2, 3), QTime(23, 59, 59)).addSecs((*readings)++ ? 1 : 0); });
        dcp = new DCPUtils;
    }

    void cleanup()
    {
        delete dcp;
        WallClock::setClockForTests(nullptr);
        Platform::setWindowsVersionForTests(nullptr);
        IPCameraList.clear();
        CGIProtocolMap.clear();
    }

    void requestTexts()
    {
        using namespace CameraCgi;
        const QDateTime now(QDate(2026, 2, 3), QTime(14, 5, 9));
        const QString dt = "date=2026-02-03&time=14:05:09", korva = "/config/datetime.cgi?method=1&timeserver=" + kHost;
        const QString t4x = "/datetime.cgi?&Date=2026-02-03&Time=14:05:09&DateTimeMode=";
        CGIProtocolMap.insert("CAM-K", "1");
        QCOMPARE(clockDialect(0, QByteArray("CAM-K\0", 6)), QString("1"));  // the catalogue's dialect
        QCOMPARE(clockDialect(0, "CAM-X"), QString());                      // not in the catalogue
        QCOMPARE(clockDialect(2, "CAM-K"), QString("2"));
        QCOMPARE(korvaClockRequest(0, "CAM", now), korva + "&timezone=0");
        QCOMPARE(korvaClockRequest(94, "CAM", now), korva + "&timezone=94");
        QCOMPARE(korvaClockRequest(-1, "VKC-4720", now), "/config/datetime.cgi?method=2&" + dt);  // a method 2 model
        QCOMPARE(korvaClockRequest(-1, "vkc-4710", now), "/config/datetime.cgi?timezone=0&method=0&" + dt);
        QCOMPARE(t4xClockRequest(0, now), t4x + "0&TimeServerIPAddress=" + kHost + "&TimeZoneIndex=0&ConfigReboot=No");
        QCOMPARE(t4xClockRequest(-1, now), t4x + "1&TimeZoneIndex=0&ConfigReboot=No");
        QCOMPARE(wirelessRequest("WEPKey1=abcde"), QString("/wireless.cgi?WEPKey1=abcde&ConfigReboot=No"));
    }

    void addressAndCredentials_data()
    {
        QTest::addColumn<QStringList>("camera");  // address, DCP version, stored password, HTTPS port
        QTest::addColumn<QString>("credentials");
        QTest::addColumn<QString>("url");  // empty: refused
        const QString ip = "192.168.0.20", plain = "https://" + ip;
        auto row = [](const char* name, const QStringList& camera, const char* credentials, const QString& url) {
            QTest::newRow(name) << camera << QString(credentials) << url;
        };
        row("1.1: stored bytes, port ignored", {ip, "1.1", "YWJj", "443"}, "admin:YWJj", plain);
        row("no version: stored bytes, port ignored", {ip, "", "abc", "8443"}, "admin:abc", plain);
        row("2.0: decoded, no port", {ip, "2.0", "YWJj", ""}, "admin:abc", plain);
        row("2.3: empty password, port", {ip, "2.3", "", "8443"}, "admin:", plain + ":8443");
        row("host name", {"evil.example#", "1.0", "abc", ""}, "admin:abc", "");
        row("address with port", {ip + ":8443", "1.0", "abc", ""}, "admin:abc", "");
        row("octet 255, port 65535", {"10.0.255.1", "2.0", "YWJj", "65535"}, "admin:abc", "https://10.0.255.1:65535");
        row("port 65536", {ip, "2.0", "YWJj", "65536"}, "admin:abc", "");
        row("port 0", {ip, "2.0", "YWJj", "0"}, "admin:abc", "");
        row("port not a number", {ip, "2.0", "YWJj", "443@evil"}, "admin:abc", "");
        row("port with a sign", {ip, "2.0", "YWJj", "+443"}, "admin:abc", "");
        row("port with a space", {ip, "2.0", "YWJj", " 443"}, "admin:abc", "");
    }

    // IPv4 parsing: what passes is what every reader takes as the same four decimal numbers.
    void dottedIPv4_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        for (const char* good : {"0.0.0.0", "255.255.255.255", "10.254.0.33", "1.20.199.250"})
            QTest::newRow(good) << QString(good) << true;
        for (const char* bad :
             {"1.2.3.256", "0", "00.1.2.3", "012.254.000.041", "1.2.3.012", " 1.2.3.4", "1.2.3.4 ", "1.2.3.4\n",
              "1.2.3", "1.2.3.4.5", "1..3.4", "+1.2.3.4", "1.2.3.-4", "0x1.2.3.4", "1.2.3.4:80", "1.2.3.1000", ""})
            QTest::newRow(qPrintable("refused: [" + QString(bad).toHtmlEscaped() + "]")) << QString(bad) << false;
        QTest::newRow("refused: other digits") << QString::fromUtf8("1.2.3.\xd9\xa3") << false;
    }

    void dottedIPv4()
    {
        QFETCH(QString, text);
        QTEST(isDottedIPv4(text), "valid");
    }

    void addressAndCredentials()
    {
        QFETCH(QStringList, camera);
        QFETCH(QString, credentials);
        IPCamera c;
        c.IPAddr = camera[0];
        c.DCPVersion = camera[1].toLatin1();
        c.password = camera[2].toLatin1();
        c.networkconf.Https_port = camera[3].toLatin1();
        QCOMPARE(CameraCgi::basicCredentials(c), credentials.toLatin1().toBase64());
        QTEST(CameraCgi::baseUrlWithPort(c), "url");
    }

    void clockReachesCamera_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("right password") << kCameraPassword;
        QTest::newRow("wrong password, KORVA: 401, logged, the next request goes on") << "not-it";
    }

    void clockReachesCamera()
    {
        QFETCH(QString, password);
        IPCamera camera;
        camera.IPAddr = server.address();
        camera.networkconf.Https_port = server.httpsPort();
        camera.modelName = "CAM-T";
        camera.DCPVersion = "2.0";
        camera.password = password.toUtf8().toBase64();
        IPCameraList = {camera};
        IPCameraIdx = 0;
        const bool right = password == kCameraPassword;
        CGIProtocolMap.insert("CAM-T", right ? "2" : "1");

        LogRecorder log;
        const int before = server.records().size();
        dcp->CGISyncTime(83, 0);
        QVERIFY(server.waitForRecords(before + 1));
        dcp->TdbSetWirelessKeytoLatin1();
        QVERIFY(server.waitForRecords(before + 2));
        const QJsonObject record = server.records().at(before);
        QCOMPARE(record.value("path").toString() + "?" + record.value("query").toString(),
                 right ? "/datetime.cgi?&Date=2026-02-03&Time=23:59:59&DateTimeMode=0&TimeServerIPAddress=" + kHost +
                             "&TimeZoneIndex=84&ConfigReboot=No"
                       : "/config/datetime.cgi?method=1&timeserver=" + kHost + "&timezone=84");
        QCOMPARE(server.records().at(before + 1).value("path").toString(), QString("/wireless.cgi"));
        QCOMPARE(record.value("status").toInt(), right ? 200 : 401);
        QTRY_COMPARE_WITH_TIMEOUT(log.matching(right ? "[CGI] callback 200 OK" : "check request auth required!").size(),
                                  right ? 2 : 1, beyondDeadline(ReplyLimits::kCgi.deadlineMs));
        // Neither the password nor its Base64 forms are logged; the credential line keeps its label.
        const QString basic = QString::fromLatin1(CameraCgi::basicCredentials(camera));
        for (const QString& secret : {password, QString::fromLatin1(camera.password), basic})
            QVERIFY2(log.matching(secret).isEmpty(), qPrintable(log.all()));
        QCOMPARE(log.count({" Basic ", maskSecret(basic)}), 2);
    }

    void requestNeedsChosenCamera()
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
        QVERIFY(dcp->networkManager->findChildren<QNetworkReply*>().isEmpty());
        QCOMPARE(server.records().size(), before);
    }

    // Every framing of an HTTP answer: the body logged up to its zero byte, and bounded, however it comes.
    void callbackLogsAndReleases_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("logged");  // each once
        const QStringList ok{"[CGI] callback 200 OK", "return value : \"ab\""};
        const QStringList tooLarge{"[CGI] answer dropped \"(larger than the size limit)\""};
        const QByteArray over(ReplyLimits::kCgiBytes + 1, 'x'), ab("ab\0cd", 5), h("HTTP/1.1 200 OK\r\n");
        auto row = [](const char* name, const QByteArray& answer, const QStringList& logged) {
            QTest::newRow(name) << answer << logged;
        };
        row("length", h + "Content-Length: 5\r\n\r\n" + ab, ok);
        row("chunked", h + "Transfer-Encoding: chunked\r\n\r\n2\r\nab\r\n3;x=y\r\n" + ab.mid(2) + "\r\n0\r\n\r\n", ok);
        row("closed at its end, HTTP/1.0", "HTTP/1.0 200 OK\r\n\r\n" + ab, ok);
        row("LF line ends", "HTTP/1.1 200 OK\nContent-Length: 5\n\n" + ab, ok);
        row("header names in other case and order",
            h + "CONTENT-TYPE: text/plain\r\ncontent-length: 5\r\ncontent-encoding: IDENTITY\r\n\r\n" + ab, ok);
        row("302 not followed", "HTTP/1.1 302 Found\r\nLocation: https://other.test/\r\nContent-Length: 2\r\n\r\nab",
            {"[CGI] callback Error Code : 0", "return value : \"ab\""});
        row("compressed", h + "Content-Encoding: gzip\r\nContent-Length: 2\r\n\r\nab",
            {"compressed answer refused: camera CGI, gzip"});
        row("a long body: its first bytes", h + "\r\n" + over.left(ReplyLimits::kAnswerLogBytes + 1),
            {'"' + QString(ReplyLimits::kAnswerLogBytes, 'x') + '"'});
        row("over the limit by its length",
            h + "Content-Length: " + QByteArray::number(over.size()) + "\r\n\r\n" + over, tooLarge);
        const QByteArray chunk = QByteArray::number(over.size(), 16) + "\r\n" + over + "\r\n0\r\n\r\n";
        row("over the limit, chunked", h + "Transfer-Encoding: chunked\r\n\r\n" + chunk, tooLarge);
        row("over the limit, closed at its end", h + "Connection: close\r\n\r\n" + over, tooLarge);
        // An error, whichever Qt sees first: the camera closing (2) or, when it waits on after the close, the
        // transfer limit, 15 s without progress (5). "] Error Code" is the error's line, not the "callback" one.
        row("a chunk size that is no number", h + "Transfer-Encoding: chunked\r\n\r\nx\r\n",
            {"[CGI] callback http status code : \"200\"", "] Error Code : "});
    }

    void callbackLogsAndReleases()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, logged);
        HttpTestServer http;
        QVERIFY(http.start());
        http.setAnswer("/cgi", HttpTestServer::whole(answer));
        LogRecorder log;
        QPointer<QNetworkReply> reply = dcp->networkManager->get(QNetworkRequest(http.url("/cgi")));
        QTRY_VERIFY_WITH_TIMEOUT(reply.isNull(), beyondDeadline(ReplyLimits::kCgi.deadlineMs));  // released
        for (const QString& line : logged)
            QVERIFY2(log.count({line}) == 1, qPrintable(line + "\n" + log.all()));
    }

    // A label's position is the zone number the camera gets: the out-of-order entries stay put.
    // Every label carries exactly one of the 26 offset texts, followed by ":", the one it states.
    void zoneLists_data()
    {
        QTest::addColumn<QStringList>("zones");
        QTest::addColumn<QStringList>("pinned");  // "number=label", the last label last
        QTest::newRow("KORVA") << TimeZones::korvaZoneList()
                               << QStringList{"41=(GMT+3:00) Minsk, Kaliningrad", "55=(GMT+6:00) Yekaterinburg",
                                              "84=(GMT-4:30) Caracas", "94=(GMT+4:00) Port Louis"};
        QTest::newRow("T4X") << TimeZones::t4xZoneList()
                             << QStringList{"17=(GMT-4:30) Caracas", "84=(GMT+13:00) Nukualofa"};
    }

    void zoneLists()
    {
        QFETCH(QStringList, zones);
        QFETCH(QStringList, pinned);
        QCOMPARE(zones.size(), pinned.last().section('=', 0, 0).toInt());
        QCOMPARE(zones.first(), QString("(GMT-12:00) International Date Line West"));
        QCOMPARE(QStringList(zones).removeDuplicates(), 0);
        for (const QString& pin : pinned)
            QCOMPARE(zones.value(pin.section('=', 0, 0).toInt() - 1), pin.section('=', 1));
        // Each label an entry of the setup page's list, tagged with its own hours.
        static const QRegularExpression form("^\\(GMT([+-](?:[0-9]|1[0-3])):(00|30|45)\\) (\\w+)");
        const QList<TimeZonePick::Entry> entries = TimeZonePick::entries(zones, TimeZones::gmtOffsetList());
        QCOMPARE(entries.size(), zones.size());
        for (int i = 0; i < zones.size(); ++i) {
            QCOMPARE(entries[i].label, zones[i]);
            QCOMPARE(entries[i].offset, form.match(zones[i]).captured(1));
        }
        // The PC at each offset from -12 to +14: a place no label names gets the first zone of its hours (none
        // at +14); the place the last zone of those hours names first gets the first zone of them naming it.
        for (int hours = -12; hours <= 14; ++hours) {
            const QString offset = (hours < 0 ? "" : "+") + QString::number(hours);
            int first = -1, last = -1;
            for (int i = 0; i < zones.size(); ++i) {
                if (form.match(zones[i]).captured(1) != offset)
                    continue;
                first = first < 0 ? i : first;
                last = i;
            }
            const TimeZonePick::Choice unnamed = TimeZonePick::preselect(entries, offset, "Etc/Nowhere");
            QVERIFY2(unnamed.index == first && !unnamed.byPlace, qPrintable(offset));
            if (last < 0)
                continue;
            const QString place = form.match(zones[last]).captured(3);
            int naming = first;
            while (form.match(zones[naming]).captured(1) != offset || !zones[naming].contains(place))
                ++naming;
            const TimeZonePick::Choice named = TimeZonePick::preselect(entries, offset, "Region/" + place);
            QVERIFY2(named.index == naming && named.byPlace, qPrintable(offset + " " + place));
        }
    }

    void offsetOfPcZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("offset");
        const QDate winter(2026, 2, 3);
        QTest::newRow("UTC") << QByteArray("UTC") << winter << "+0";
        QTest::newRow("Shanghai +8") << QByteArray("Asia/Shanghai") << winter << "+8";
        QTest::newRow("Kolkata +5:30") << QByteArray("Asia/Kolkata") << winter << "+5";
        QTest::newRow("St Johns -3:30") << QByteArray("America/St_Johns") << winter << "-3";
        QTest::newRow("Berlin summer +2") << QByteArray("Europe/Berlin") << QDate(2026, 7, 15) << "+2";
    }

    void offsetOfPcZone()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, date);
        qputenv("TZ", zone);
        tzset();
        // The wall clock is read in the zone just set.
        const QDateTime local(date, QTime(12, 0), Qt::LocalTime);
        WallClock::setClockForTests([local] { return local; });
        DCPUtils dcp;
        QTEST(dcp.getTimeZoneOffset(), "offset");
    }

    void rulesRunNetsh_data()
    {
        QTest::addColumn<int>("version");  // -1: this system's own
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("arguments");  // split at "|"; {path} is the program's path; empty: nothing runs
        const int xp = QSysInfo::WV_XP, win7 = QSysInfo::WV_WINDOWS7;
        QTest::newRow("XP add") << xp << true << "firewall|add|allowedprogram|{path}|Olvaris Wizard|ENABLE";
        QTest::newRow("XP delete") << xp << false << "firewall|delete|allowedprogram|{path}";
        QTest::newRow("Windows 7 add") << win7 << true
                                       << "advfirewall|firewall|add|rule|name=Olvaris Wizard|dir=in|action=allow"
                                          "|program={path}|enable=yes";
        QTest::newRow("Windows 7 delete") << win7 << false << "advfirewall|firewall|delete|rule|name=Olvaris Wizard";
        QTest::newRow("2003 add") << int(QSysInfo::WV_2003) << true << "";
        QTest::newRow("this system add") << -1 << true << "";
    }

    void rulesRunNetsh()
    {
        QFETCH(int, version);
        QFETCH(bool, add);
        QFETCH(QString, arguments);
        if (version >= 0)
            Platform::setWindowsVersionForTests([version] { return version; });
        ProcessRecorder processes;
        LogRecorder log;
        DCPUtils dcp;
        add ? dcp.addFireWallRule() : dcp.deleteFireWallRule();

        // Unsupported versions run nothing; only the add says so.
        QCOMPARE(log.matching("Not support Window OS \"\"").size(), arguments.isEmpty() && add ? 1 : 0);
        QCOMPARE(processes.calls.size(), arguments.isEmpty() ? 0 : 1);
        if (arguments.isEmpty())
            return;
        const Platform::ProcessCall call = processes.calls.first();
        QCOMPARE(call.program, QString("netsh"));
        QCOMPARE(call.arguments, arguments.replace("{path}", Platform::firewallProgramPath()).split('|'));
        QCOMPARE(Platform::firewallProgramPath(), QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
    }

    void pathWithSpaceStaysOneArgument()
    {
        ProcessRecorder processes;
        Platform::runFirewallCommand(Platform::firewallAddCommand(QSysInfo::WV_VISTA, "D:\\My Tools\\Setup.exe"));
        QCOMPARE(processes.calls.value(0).arguments.value(7), QString("program=D:\\My Tools\\Setup.exe"));
    }

private:
    CamCgiServer server{kCameraPassword};
    DCPUtils* dcp = nullptr;
};

QTEST_GUILESS_MAIN(TestCameraCgi)
#include "tst_cameracgi.moc"

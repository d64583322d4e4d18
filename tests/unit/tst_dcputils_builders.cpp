// The request builders: exact texts with their signatures, the states they set, and the
// PC interface they send from. Every request goes from 127.0.0.x to 127.0.0.1.

#include <QtTest>

#include "base/endpoints.h"
#include "dcptestkit.h"
#include "protocol/dcputils.h"
#include "protocol/wallclock.h"
#include "testsupport.h"

using namespace dcptest;

namespace {

const QByteArray kHead = "M=AA:BB:CC:DD:EE:FF;D=VKC-3100";
const QByteArray kUnsigned = "<none>";
const QStringList kBuilders = {"info",           "set password",       "get network", "ap search",
                               "check password", "set first password", "ping",        "restart",
                               "clock",          "zone clock"};

void send(DCPUtils& dcp, const QString& b, int idx)
{
    switch (kBuilders.indexOf(b)) {
    case 0:
        dcp.dcpClass02_GetOlvarisInfo(idx, 0);
        break;
    case 1:
        dcp.dcpClass02_SetRegistered(idx, "n3w:pw", "1");
        break;
    case 2:
        dcp.dcpClass03_GetNetworkSetup(idx);
        break;
    case 3:
        dcp.dcpClass04_GetAPSearch(idx);
        break;
    case 4:
        dcp.dcpClass07_CheckPassword(idx, "", QByteArray("typed").toBase64());
        break;
    case 5:
        dcp.dcpClass07_CheckPassword(idx, ";P=Zmlyc3Q=", "");
        break;
    case 6:
        dcp.dcpClass08S_PingDevice(idx);
        break;
    case 7:
        dcp.dcpClass09_RestartHttpSrv(idx, ";L=1;N=1");
        break;
    case 8:
        dcp.DCPSyncTime(idx);
        break;
    case 9:
        dcp.Class10SyncTime(idx, "");
        break;
    default:
        QFAIL("unknown builder");
    }
}

}  // namespace

class TestDcpBuilders : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetGlobals();
        // The clock's country number comes from the locale (Germany: 82). Its first reading is a
        // second before midnight, every later one after it: date and time come from one reading.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto readings = std::make_shared<int>(0);
        WallClock::setClockForTests(
            [readings] { return QDateTime(QDate(2026, 2, 3), QTime(23, 59, 59)).addSecs((*readings)++ ? 1 : 0); });
    }

    void messageText_data()
    {
        QTest::addColumn<QString>("builder");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("before");  // "status known": password state "1" and WAIT_PASSWD; "agent restarted"
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("signingPassword");
        QTest::addColumn<int>("state");

        const QByteArray v2 = "2.0", pw = "abc123", t = ";T=82-2026-02-03-23-59-59", typed = "typed";
        auto row = [](const char* name, const char* builder, const QByteArray& version, const char* before,
                      const QByteArray& body, const QByteArray& signingPassword, int state) {
            QTest::newRow(name) << QString(builder) << version << QString(before) << body << signingPassword << state;
        };
        const QByteArray restart = "killall quorvex && rm -rf /tmp/provision.conf && echo reboot_quorvex";
        row("info", "info", v2, "", "2;" + kHead, pw, 2);
        row("set password", "set password", v2, "", "2;" + kHead + ";P=bjN3OnB3;G=1", pw, 23);
        row("get network", "get network", v2, "", "3;" + kHead, pw, 3);
        row("ap search", "ap search", v2, "", "4;" + kHead, pw, 4);
        // Class 7 signs with the password it is given, not the record's.
        row("password status query", "check password", v2, "", "7;" + kHead, typed, 19);
        row("password check, status known", "check password", v2, "status known", "7;" + kHead, typed, 7);
        row("set first password", "set first password", v2, "", "7;" + kHead + ";P=Zmlyc3Q=", QByteArray(), 19);
        row("agent restart command", "ping", v2, "", "S;" + kHead + ";C=" + restart.toBase64(), pw, 8);
        row("provision file query", "ping", v2, "agent restarted",
            "S;" + kHead + ";C=" + QByteArray("ls /tmp/provision.conf").toBase64(), pw, 8);
        row("old camera ping", "ping", "1.0", "", "8;" + kHead + ";C=3;U=" + QByteArray(Endpoints::kCloudSiteHost),
            kUnsigned, 8);
        row("restart", "restart", v2, "", "9;" + kHead + ";L=1;N=1", pw, 9);
        // The version test is byte-wise: "10.0" sorts below "2.0".
        row("version 10.0", "get network", "10.0", "", "3;" + kHead, kUnsigned, 3);
        row("clock", "clock", v2, "", "2;" + kHead + t, pw, 0);
        row("clock, password up to its zero byte", "clock", v2, "zero byte", "2;" + kHead + t, pw, 0);
        row("class 10 clock, no zone", "zone clock", v2, "", "10;" + kHead + ";T=99:82:2026:02:03:23:59:59", pw, 0);
        // A camera that names itself with dashes in lower case is framed to the same six bytes.
        row("address with dashes", "get network", v2, "aa-bb-cc-dd-ee-ff", "3;M=aa-bb-cc-dd-ee-ff;D=VKC-3100", pw, 3);
    }

    void messageText()
    {
        QFETCH(QString, builder);
        QFETCH(QByteArray, version);
        QFETCH(QString, before);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, signingPassword);
        QFETCH(int, state);

        const QByteArray stored = before == "zero byte" ? QByteArray("abc123\0cd", 9) : QByteArray("abc123");
        const int idx = addCamera(version, stored.toBase64(), before.contains('-') ? before : kCamMac);
        IPCamera& camera = IPCameraList[idx];
        camera.remote = "1";
        camera.apSearchReplyCount = 5;
        if (before == "status known") {
            camera.bPassword = "1";
            camera.dcpStatus = IPCamera::WAIT_PASSWD;
        }
        quorvex_cmd_state = before == "agent restarted" ? 1 : 0;
        DCPUtils dcp;
        dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
        LogRecorder log;
        send(dcp, builder, idx);

        QCOMPARE(receiver.nextText(),
                 signingPassword == kUnsigned ? body : body + ";X=" + md5Hex(body + signingPassword));
        QCOMPARE(receiver.lastDatagram().mid(2, 12), mac6(kCamMac) + mac6(kPcMac));
        QCOMPARE(camera.dcpStatus, state);
        const char cls = body.at(0);
        QCOMPARE(camera.bPassword, QByteArray(cls != '7' ? "" : before.isEmpty() ? "0" : "1"));
        QCOMPARE(camera.remote, QByteArray(cls == '2' && state ? "0" : "1"));
        QCOMPARE(camera.apSearchReplyCount, cls == '4' ? 0 : 5);
        QVERIFY2(!log.contains("abc123") && !log.contains("typed"), qPrintable(log.all()));  // no password in the log
    }

    void sendingInterface_data()
    {
        QTest::addColumn<QStringList>("hostMacs");
        QTest::addColumn<QStringList>("hostIps");
        QTest::addColumn<QString>("sender");  // empty: nothing sent

        // The camera was found through "02:ab:00:00:00:0c"; the table holds the letters in either case.
        const QString pc = "02:AB:00:00:00:0C";
        QTest::newRow("first match wins") << QStringList{"02:00:00:00:00:09", pc, pc.toLower()}
                                          << QStringList{"127.0.0.2", "127.0.0.3", "127.0.0.4"} << "127.0.0.3";
        QTest::newRow("IPv6 entry passed over")
            << QStringList{pc, pc} << QStringList{"::1", "127.0.0.6"} << "127.0.0.6";
        QTest::newRow("last slot") << QStringList{"", "", "", "", "", "", "", "", "", pc}
                                   << QStringList{"", "", "", "", "", "", "", "", "", "127.0.0.8"} << "127.0.0.8";
        QTest::newRow("table written with dashes")
            << QStringList{"02-ab-00-00-00-0c"} << QStringList{"127.0.0.5"} << "127.0.0.5";
        QTest::newRow("no match: bind fails") << QStringList{"02:00:00:00:00:09"} << QStringList{"127.0.0.1"} << "";
    }

    void sendingInterface()
    {
        QFETCH(QStringList, hostMacs);
        QFETCH(QStringList, hostIps);
        QFETCH(QString, sender);
        for (int i = 0; i < kHostAddressSlots; ++i) {
            gHostMacs[i] = hostMacs.value(i);
            gHostIps[i] = hostIps.value(i);
        }
        addCamera("1.0");
        IPCameraList[0].MACHost = "02:ab:00:00:00:0c";
        DCPUtils dcp;
        dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
        dcp.dcpClass03_GetNetworkSetup(0);
        QCOMPARE(receiver.nextText(200), sender.isEmpty() ? QByteArray() : "3;" + kHead);
        if (!sender.isEmpty())
            QCOMPARE(receiver.lastSender(), QHostAddress(sender));
    }

private:
    LoopbackReceiver receiver;
};

QTEST_GUILESS_MAIN(TestDcpBuilders)
#include "tst_dcputils_builders.moc"

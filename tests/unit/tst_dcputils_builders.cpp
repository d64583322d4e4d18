// The request builders: exact message texts with their signatures, the wait states and
// side fields they set, and the choice of the PC interface they send from. Every request
// goes from 127.0.0.x to a receiver on 127.0.0.1.

#include <QtTest>

#include "dcptestkit.h"
#include "dcputils.h"
#include "endpoints.h"

using namespace dcptest;

namespace {

const QByteArray kHead = "M=AA:BB:CC:DD:EE:FF;D=VKC-3100";
const QByteArray kNoSignature = "<none>";
const QByteArray kRestartAgent = "killall quorvex && rm -rf /tmp/provision.conf && echo reboot_quorvex";
const QByteArray kProvisionQuery = "ls /tmp/provision.conf";

} // namespace

class TestDcpBuilders : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void messageText_data();
    void messageText();
    void frameAddresses();
    void passwordStatusQuery_data();
    void passwordStatusQuery();
    void sendingInterface_data();
    void sendingInterface();
    void unknownCameraSendsNothing_data();
    void unknownCameraSendsNothing();

private:
    void send(DCPUtils& dcp, const QString& builder, int idx);
    LoopbackReceiver receiver;
};

void TestDcpBuilders::init()
{
    resetGlobals();
}

void TestDcpBuilders::send(DCPUtils& dcp, const QString& builder, int idx)
{
    dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    if (builder == "info")
        dcp.dcpClass02_GetOlvarisInfo(idx, 0);
    else if (builder == "cloud info")
        dcp.dcpClass02_GetOlvarisInfo(idx, 1);
    else if (builder == "set password")
        dcp.dcpClass02_SetRegistered(idx, "n3w:pw", "");
    else if (builder == "register bit")
        dcp.dcpClass02_SetRegistered(idx, "", "1");
    else if (builder == "get network")
        dcp.dcpClass03_GetNetworkSetup(idx);
    else if (builder == "set network")
        dcp.dcpClass03_SetNetworkSetup(idx, ";0=1;6=0");
    else if (builder == "ap search")
        dcp.dcpClass04_GetAPSearch(idx);
    else if (builder == "check password")
        dcp.dcpClass07_CheckPassword(idx, "", QByteArray("typed").toBase64());
    else if (builder == "set first password")
        dcp.dcpClass07_CheckPassword(idx, ";P=" + QByteArray("first").toBase64(), "");
    else if (builder == "ping")
        dcp.dcpClass08S_PingDevice(idx);
    else if (builder == "restart")
        dcp.dcpClass09_RestartHttpSrv(idx, ";L=1;N=1");
    else
        QFAIL("unknown builder");
}

void TestDcpBuilders::messageText_data()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("cmdState");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("signingPassword");
    QTest::addColumn<int>("state");

    const QByteArray v2 = "2.0";
    QTest::newRow("info") << "info" << v2 << 0 << "2;" + kHead << QByteArray("abc123") << 2;
    QTest::newRow("cloud info") << "cloud info" << v2 << 0 << "2;" + kHead << QByteArray("abc123") << 21;
    QTest::newRow("set password") << "set password" << v2 << 0
                                  << "2;" + kHead + ";P=" + QByteArray("n3w:pw").toBase64() << QByteArray("abc123")
                                  << 23;
    QTest::newRow("register bit") << "register bit" << v2 << 0 << "2;" + kHead + ";G=1" << QByteArray("abc123") << 23;
    QTest::newRow("get network") << "get network" << v2 << 0 << "3;" + kHead << QByteArray("abc123") << 3;
    QTest::newRow("set network") << "set network" << v2 << 0 << "3;" + kHead + ";0=1;6=0" << QByteArray("abc123")
                                 << 3;
    QTest::newRow("ap search") << "ap search" << v2 << 0 << "4;" + kHead << QByteArray("abc123") << 4;
    // Class 7 signs with the password it is given, not the record's.
    QTest::newRow("check password") << "check password" << v2 << 0 << "7;" + kHead << QByteArray("typed") << 19;
    QTest::newRow("set first password") << "set first password" << v2 << 0
                                        << "7;" + kHead + ";P=" + QByteArray("first").toBase64() << QByteArray()
                                        << 19;
    QTest::newRow("agent restart command") << "ping" << v2 << 0 << "S;" + kHead + ";C=" + kRestartAgent.toBase64()
                                           << QByteArray("abc123") << 8;
    QTest::newRow("provision file query") << "ping" << v2 << 1 << "S;" + kHead + ";C=" + kProvisionQuery.toBase64()
                                          << QByteArray("abc123") << 8;
    QTest::newRow("old camera ping") << "ping" << QByteArray("1.0") << 0
                                     << "8;" + kHead + ";C=3;U=" + QByteArray(Endpoints::kCloudSiteHost)
                                     << kNoSignature << 8;
    QTest::newRow("restart") << "restart" << v2 << 0 << "9;" + kHead + ";L=1;N=1" << QByteArray("abc123") << 9;
    // The version test is byte-wise.
    QTest::newRow("version 1.9") << "get network" << QByteArray("1.9") << 0 << "3;" + kHead << kNoSignature << 3;
    QTest::newRow("no version") << "get network" << QByteArray() << 0 << "3;" + kHead << kNoSignature << 3;
    QTest::newRow("version 10.0") << "get network" << QByteArray("10.0") << 0 << "3;" + kHead << kNoSignature << 3;
    QTest::newRow("version 3") << "get network" << QByteArray("3") << 0 << "3;" + kHead << QByteArray("abc123") << 3;
    QTest::newRow("version 2.3") << "get network" << QByteArray("2.3") << 0 << "3;" + kHead << QByteArray("abc123")
                                 << 3;
}

void TestDcpBuilders::messageText()
{
    QFETCH(QString, builder);
    QFETCH(QByteArray, version);
    QFETCH(int, cmdState);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, signingPassword);
    QFETCH(int, state);

    quorvex_cmd_state = cmdState;
    const int idx = addCamera(version, QByteArray("abc123").toBase64());
    IPCameraList[idx].remote = "1";
    IPCameraList[idx].apSearchReplyCount = 5;
    DCPUtils dcp;
    send(dcp, builder, idx);

    const QByteArray expected =
        signingPassword == kNoSignature ? body : body + ";X=" + md5Hex(body + signingPassword);
    QCOMPARE(receiver.nextText(), expected);
    QCOMPARE(IPCameraList[idx].dcpStatus, state);
    if (builder.startsWith("info") || builder.startsWith("cloud") || builder == "set password"
        || builder == "register bit")
        QCOMPARE(IPCameraList[idx].remote, QByteArray("0"));
    if (builder == "ap search")
        QCOMPARE(IPCameraList[idx].apSearchReplyCount, 0);
    QCOMPARE(quorvex_cmd_state, cmdState);
}

void TestDcpBuilders::frameAddresses()
{
    addCamera("2.0");
    DCPUtils dcp;
    dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    dcp.dcpClass03_GetNetworkSetup(0);
    const QByteArray datagram = receiver.next();
    QVERIFY(datagram.size() > 14);
    QCOMPARE(datagram.mid(2, 6), mac6(kCamMac));
    QCOMPARE(datagram.mid(8, 6), mac6(kPcMac));

    dcp.dcpClass01_Scan(kPcMac, kPcIp, "ALL", "FF:FF:FF:FF:FF:FF");
    const QByteArray scan = receiver.next();
    QCOMPARE(scan.mid(2, 6), QByteArray(6, '\xff'));
    QCOMPARE(scan.mid(8, 6), mac6(kPcMac));
}

void TestDcpBuilders::passwordStatusQuery_data()
{
    QTest::addColumn<QByteArray>("bPassword");
    QTest::addColumn<int>("stateBefore");
    QTest::addColumn<QByteArray>("bPasswordAfter");
    QTest::addColumn<int>("stateAfter");
    QTest::newRow("status unknown: query") << QByteArray() << 0 << QByteArray("0") << 19;
    QTest::newRow("status known, password check") << QByteArray("0") << 7 << QByteArray("0") << 7;
    QTest::newRow("status known, new password road") << QByteArray("1") << 7 << QByteArray("1") << 7;
}

void TestDcpBuilders::passwordStatusQuery()
{
    QFETCH(QByteArray, bPassword);
    QFETCH(int, stateBefore);
    addCamera("2.0");
    IPCameraList[0].bPassword = bPassword;
    IPCameraList[0].dcpStatus = stateBefore;
    DCPUtils dcp;
    send(dcp, "check password", 0);
    QVERIFY(!receiver.nextText().isEmpty());
    QTEST(IPCameraList[0].bPassword, "bPasswordAfter");
    QTEST(IPCameraList[0].dcpStatus, "stateAfter");
}

void TestDcpBuilders::sendingInterface_data()
{
    QTest::addColumn<QStringList>("hostMacs");
    QTest::addColumn<QStringList>("hostIps");
    QTest::addColumn<QString>("expectedSender");

    const QString pc = kPcMac.toUpper();
    QTest::newRow("first match") << QStringList{pc} << QStringList{"127.0.0.1"} << "127.0.0.1";
    QTest::newRow("letter case ignored") << QStringList{kPcMac.toLower()} << QStringList{"127.0.0.1"} << "127.0.0.1";
    QTest::newRow("other interface first") << QStringList{"02:00:00:00:00:09", pc}
                                           << QStringList{"127.0.0.2", "127.0.0.3"} << "127.0.0.3";
    QTest::newRow("two matches, first wins") << QStringList{pc, pc} << QStringList{"127.0.0.4", "127.0.0.5"}
                                             << "127.0.0.4";
    QTest::newRow("IPv6 entry passed over") << QStringList{pc, pc} << QStringList{"::1", "127.0.0.6"} << "127.0.0.6";
    QTest::newRow("entry over 20 characters passed over")
        << QStringList{pc, pc} << QStringList{"fe80::1:2:3:4:5:6%lo", "127.0.0.7"} << "127.0.0.7";
    QTest::newRow("last slot") << QStringList{"", "", "", "", "", "", "", "", "", pc}
                               << QStringList{"", "", "", "", "", "", "", "", "", "127.0.0.8"} << "127.0.0.8";
    QTest::newRow("no match: bind fails") << QStringList{"02:00:00:00:00:09"} << QStringList{"127.0.0.1"} << "";
    QTest::newRow("empty tables") << QStringList() << QStringList() << "";
}

void TestDcpBuilders::sendingInterface()
{
    QFETCH(QStringList, hostMacs);
    QFETCH(QStringList, hostIps);
    QFETCH(QString, expectedSender);
    for (int i = 0; i < kHostAddressSlots; ++i) {
        gHostMacs[i] = hostMacs.value(i);
        gHostIps[i] = hostIps.value(i);
    }
    addCamera("1.0");
    IPCameraList[0].MACHost = kPcMac.toUpper();
    DCPUtils dcp;
    send(dcp, "get network", 0);
    if (expectedSender.isEmpty()) {
        QVERIFY(receiver.quiet(200));
    } else {
        QCOMPARE(receiver.nextText(), "3;" + kHead);
        QCOMPARE(receiver.lastSender(), QHostAddress(expectedSender));
    }
}

void TestDcpBuilders::unknownCameraSendsNothing_data()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<int>("idx");
    for (const char* builder : {"info", "register bit", "get network", "set network", "ap search", "check password",
                                "ping", "restart"}) {
        QTest::addRow("%s, index -1", builder) << QString(builder) << -1;
        QTest::addRow("%s, index past the end", builder) << QString(builder) << 1;
    }
}

void TestDcpBuilders::unknownCameraSendsNothing()
{
    QFETCH(QString, builder);
    QFETCH(int, idx);
    addCamera("2.0");
    DCPUtils dcp;
    send(dcp, builder, idx);
    QVERIFY(receiver.quiet());
    QCOMPARE(IPCameraList[0].dcpStatus, 0);
}

QTEST_GUILESS_MAIN(TestDcpBuilders)
#include "tst_dcputils_builders.moc"

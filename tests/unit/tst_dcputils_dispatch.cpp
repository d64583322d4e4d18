// The receive path of the DCP core: frame checks, the destination filter, and class 1
// discovery replies (accept, refresh, reject). Datagrams are fed with handleDatagram.

#include <QSignalSpy>
#include <QtTest>

#include "dcptestkit.h"
#include "dcputils.h"
#include "testsupport.h"
#include "wifi/devicewifichangepage.h"

using namespace dcptest;

namespace {

QByteArray scanReply(const QString& mac, const QByteArray& model = "VKC-3100", const QByteArray& extra = QByteArray())
{
    return "1;M=" + mac.toLatin1() + ";D=" + model + ";N=Y2FtMQ;I=192.168.0.20;P=2.0;G=0" + extra;
}

} // namespace

class TestDcpDispatch : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void receiveFilter_data();
    void receiveFilter();
    void scanAcceptance_data();
    void scanAcceptance();
    void noScanSentRejectsReplies();
    void duplicateReplyRefreshes();
    void wifiPageVisibleGivesConnectionReady();

private:
    // A scan from 127.0.0.1 whose request lands in `receiver`.
    void scan(DCPUtils& dcp, const QString& destMac = QStringLiteral("FF:FF:FF:FF:FF:FF"));
    LoopbackReceiver receiver;
};

void TestDcpDispatch::init()
{
    resetGlobals();
}

void TestDcpDispatch::scan(DCPUtils& dcp, const QString& destMac)
{
    dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    dcp.dcpClass01_Scan(kPcMac, kPcIp, supportType, destMac);
    QCOMPARE(receiver.nextText(), "1;M=" + destMac.toLatin1() + ";D=" + supportType.toLatin1());
}

void TestDcpDispatch::receiveFilter_data()
{
    QTest::addColumn<QStringList>("hostMacs");
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("taken");

    const QStringList host{kPcMac.toUpper()};
    const QByteArray reply = scanReply(kCamMac);
    const QByteArray good = replyDatagram(reply);
    QTest::newRow("addressed to this PC") << host << good << true;
    QTest::newRow("host list in lower case") << QStringList{kPcMac.toLower()} << good << true;
    QTest::newRow("second host address") << QStringList{"02:00:00:00:00:99", kPcMac} << good << true;
    QTest::newRow("another host") << host << replyDatagram(reply, "02:00:00:00:00:02") << false;
    QTest::newRow("own broadcast heard back") << host << replyDatagram(reply, "FF:FF:FF:FF:FF:FF") << false;
    QTest::newRow("empty host list") << QStringList() << good << false;
    QTest::newRow("shorter than header") << host << good.left(13) << false;
    QTest::newRow("length beyond datagram") << host << good.left(good.size() - 1) << false;
    QTest::newRow("zero length") << host << QByteArray(2, '\0') + good.mid(2) << false;
    QTest::newRow("plain Base64 payload")
        << host
        << dcpFrame(mac6(kPcMac), mac6(kCamMac), (QByteArray::number(reply.size()) + ',' + reply).toBase64())
        << false;
    QTest::newRow("not Base64")
        << host << dcpFrame(mac6(kPcMac), mac6(kCamMac), "!!!!" + dcpEncode(reply)) << false;
    QTest::newRow("bad length prefix")
        << host << dcpFrame(mac6(kPcMac), mac6(kCamMac), dcpEncode("x," + reply)) << false;
    QTest::newRow("truncated text")
        << host << dcpFrame(mac6(kPcMac), mac6(kCamMac), dcpEncode("200," + reply)) << false;
    QTest::newRow("unknown class") << host << replyDatagram("5" + reply.mid(1)) << false;
}

void TestDcpDispatch::receiveFilter()
{
    QFETCH(QStringList, hostMacs);
    QFETCH(QByteArray, datagram);
    QFETCH(bool, taken);

    DCPUtils dcp;
    scan(dcp);
    hostMacAddrList = hostMacs;
    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    dcp.handleDatagram(datagram);

    QCOMPARE(found.count(), taken ? 1 : 0);
    QCOMPARE(IPCameraList.size(), taken ? 1 : 0);
    if (taken) {
        QCOMPARE(found.at(0).at(0).toInt(), 0);
        QCOMPARE(IPCameraList[0].MACHost, kPcMac.toLower());
    }
}

void TestDcpDispatch::scanAcceptance_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("apMode");
    QTest::addColumn<QString>("scanDest");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("accepted");

    const QString all = "ALL";
    const QString bcast = "FF:FF:FF:FF:FF:FF";
    QTest::newRow("any camera model") << all << false << bcast << scanReply(kCamMac) << true;
    QTest::newRow("model without VKC") << all << false << bcast << scanReply(kCamMac, "XYZ-100") << false;
    QTest::newRow("VKC not at the start") << all << false << bcast << scanReply(kCamMac, "X-VKC") << false;
    QTest::newRow("other model than filter") << "VKC-9000" << false << bcast << scanReply(kCamMac) << false;
    QTest::newRow("model equal to filter") << "VKC-3100" << false << bcast << scanReply(kCamMac) << true;
    QTest::newRow("access-point road takes any VKC") << "VKC-9000" << true << bcast << scanReply(kCamMac) << true;
    QTest::newRow("addressed scan, other camera")
        << all << false << kCamMac << scanReply("11:22:33:44:55:66") << false;
    QTest::newRow("addressed scan, its camera in other case")
        << all << false << kCamMac << scanReply(kCamMac.toLower()) << true;
    QTest::newRow("reply without M") << all << false << bcast << QByteArray("1;D=VKC-3100;P=2.0") << false;
    QTest::newRow("empty M") << all << false << bcast << QByteArray("1;M=;D=VKC-3100;P=2.0") << false;
}

void TestDcpDispatch::scanAcceptance()
{
    QFETCH(QString, filter);
    QFETCH(bool, apMode);
    QFETCH(QString, scanDest);
    QFETCH(QByteArray, reply);
    QFETCH(bool, accepted);

    supportType = filter;
    isAPModeFlow = apMode;
    DCPUtils dcp;
    scan(dcp, scanDest);
    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    QCOMPARE(dcp.handleScanResponse(reply, kPcMac.toLower()), accepted ? 0 : -1);
    QCOMPARE(IPCameraList.size(), accepted ? 1 : 0);

    // The same reply through the dispatcher emits exactly when accepted.
    dcp.handleDatagram(replyDatagram(reply));
    QCOMPARE(found.count(), accepted ? 1 : 0);
    QCOMPARE(IPCameraList.size(), accepted ? 1 : 0);
}

void TestDcpDispatch::noScanSentRejectsReplies()
{
    DCPUtils dcp;
    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));
    QCOMPARE(found.count(), 0);
    QVERIFY(IPCameraList.isEmpty());
}

void TestDcpDispatch::duplicateReplyRefreshes()
{
    DCPUtils dcp;
    scan(dcp);
    dcp.handleDatagram(replyDatagram(scanReply("11:22:33:44:55:66")));
    dcp.handleDatagram(replyDatagram(scanReply(kCamMac, "VKC-3100", ";F=1.0;H=A")));
    QCOMPARE(IPCameraList.size(), 2);

    IPCamera& camera = IPCameraList[1];
    camera.dcpStatus = IPCamera::GOT_PWD;
    camera.password = "cHc=";
    camera.bPassword = "0";
    camera.networkconf.Https_port = "443";
    camera.APConfig.numAP = 3;

    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    const QByteArray again = "1;M=" + kCamMac.toLower().toLatin1()
                             + ";D=VKC-3200;I=10.0.0.9;P=2.3;G=1;F=9.9;H=Z;X=ffff";
    dcp.handleDatagram(replyDatagram(again, kPcMac, kCamMac));

    QCOMPARE(found.count(), 1);
    QCOMPARE(found.at(0).at(0).toInt(), 1);
    QCOMPARE(IPCameraList.size(), 2);
    const IPCamera& kept = IPCameraList[1];
    // The eight discovery fields are replaced, an absent name included.
    QCOMPARE(kept.modelName, QByteArray("VKC-3200"));
    QCOMPARE(kept.IPAddr, QString("10.0.0.9"));
    QCOMPARE(kept.DCPVersion, QByteArray("2.3"));
    QCOMPARE(kept.bRegisted, QByteArray("1"));
    QVERIFY(kept.Name.isEmpty());
    // Identity, state, secrets and member records are kept.
    QCOMPARE(kept.MAC, kCamMac);
    QCOMPARE(kept.MACHost, kPcMac.toLower());
    QCOMPARE(kept.dcpStatus, int(IPCamera::GOT_PWD));
    QCOMPARE(kept.password, QByteArray("cHc="));
    QCOMPARE(kept.bPassword, QByteArray("0"));
    QCOMPARE(kept.FirmwareVersion, QByteArray("1.0"));
    QCOMPARE(kept.HardwareVersion, QByteArray("A"));
    QVERIFY(kept.PWD_MD5.isEmpty());
    QCOMPARE(kept.networkconf.Https_port, QByteArray("443"));
    QCOMPARE(kept.APConfig.numAP, 3);
}

void TestDcpDispatch::wifiPageVisibleGivesConnectionReady()
{
    createWizardForTests();
    QVERIFY(gDeviceWiFiChangePage);
    DCPUtils dcp;
    scan(dcp);
    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    QSignalSpy ready(&dcp, SIGNAL(deviceConnnectionReady(int)));

    gDeviceWiFiChangePage->show();
    dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));
    gDeviceWiFiChangePage->hide();
    dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));

    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.at(0).at(0).toInt(), 0);
    QCOMPARE(found.count(), 1);
}

QTEST_MAIN(TestDcpDispatch)
#include "tst_dcputils_dispatch.moc"

// The receive path: the codec, frame checks, the destination filter and class 1 discovery replies.

#include <QSignalSpy>
#include <QtTest>

#include "dcptestkit.h"
#include "protocol/dcputils.h"
#include "testsupport.h"

using namespace dcptest;

namespace {

const QString kBroadcast = QStringLiteral("FF:FF:FF:FF:FF:FF");

QByteArray scanReply(const QString& mac, const QByteArray& model = "VKC-3100")
{
    return "1;M=" + mac.toLatin1() + ";D=" + model + ";N=Y2FtMQ;I=192.168.0.20;P=2.0;G=0";
}

} // namespace

class TestDcpDispatch : public QObject
{
    Q_OBJECT
private slots:
    void init() { resetGlobals(); }

    void roundTrip()
    {
        // Every byte value, and the lengths that need two pads and one.
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        for (const QByteArray& plain : {QByteArray("1"), QByteArray("1;"), all}) {
            const QByteArray encoded = dcpEncode(plain);
            QVERIFY2(encoded != plain.toBase64(), "the substitution was not applied");
            QByteArray back;
            QVERIFY(dcpDecode(encoded, &back));
            QCOMPARE(back, plain);
        }
    }

    void frameLayout()
    {
        const QByteArray camera("\xaa\xbb\xcc\xdd\xee\xff", 6), pc("\x02\x00\x00\x00\x00\x01", 6), encoded(300, 'A');
        // Length 300 big-endian, camera address, PC address, text.
        QCOMPARE(dcpFrame(camera, pc, encoded), "\x01\x2c" + camera + pc + encoded);
        // The length prefix of the text counts bytes: "é" is two.
        QCOMPARE(dcpMessageText("1", "FF:FF:FF:FF:FF:FF", QString::fromUtf8("VKC-\xc3\xa9"), ";0=1"),
                 QByteArray("34,1;M=FF:FF:FF:FF:FF:FF;D=VKC-\xc3\xa9;0=1"));
    }

    void receiveFilter_data()
    {
        QTest::addColumn<QStringList>("hostMacs");
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("taken");

        const QStringList host{kPcMac.toUpper()};
        const QByteArray reply = scanReply(kCamMac), good = replyDatagram(reply);
        auto framed = [](const QByteArray& encoded) { return dcpFrame(mac6(kPcMac), mac6(kCamMac), encoded); };
        QTest::newRow("addressed to this PC") << host << good << true;
        QTest::newRow("host list in lower case") << QStringList{"02:ab:cd:00:00:01"}
                                                 << replyDatagram(reply, "02:AB:CD:00:00:01") << true;
        QTest::newRow("trailing bytes ignored") << host << good + "junk" << true;
        QTest::newRow("another host") << host << replyDatagram(reply, "02:00:00:00:00:02") << false;
        QTest::newRow("own broadcast heard back") << host << replyDatagram(reply, kBroadcast) << false;
        QTest::newRow("shorter than header") << host << good.left(13) << false;
        QTest::newRow("length beyond datagram") << host << good.left(good.size() - 1) << false;
        QTest::newRow("not the alphabet") << host << framed("!!!!" + dcpEncode(reply)) << false;
        QTest::newRow("bad length prefix") << host << framed(dcpEncode("x," + reply)) << false;
        QTest::newRow("no class separator") << host << framed(dcpEncode("9,123456789")) << false;
        QTest::newRow("truncated text") << host << framed(dcpEncode("200," + reply)) << false;
        QTest::newRow("unknown class") << host << replyDatagram("5" + reply.mid(1)) << false;
    }

    void receiveFilter()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, taken);
        DCPUtils dcp;
        scan(dcp);
        QFETCH(QStringList, hostMacs);
        hostMacAddrList = hostMacs;
        QSignalSpy found(&dcp, &DCPUtils::foundDevice);
        dcp.handleDatagram(datagram);
        QCOMPARE(found.count(), taken ? 1 : 0);
        QCOMPARE(IPCameraList.size(), taken ? 1 : 0);
        if (taken)
            QCOMPARE(IPCameraList[0].MACHost, macToText(datagram.mid(2, 6)));
    }

    void scanAcceptance_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("apMode");
        QTest::addColumn<QString>("scanDest"); // empty: no scan sent
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("any camera model") << "ALL" << false << kBroadcast << scanReply(kCamMac) << true;
        QTest::newRow("no scan sent") << "ALL" << false << "" << scanReply(kCamMac) << false;
        QTest::newRow("VKC not at the start") << "ALL" << false << kBroadcast << scanReply(kCamMac, "X-VKC") << false;
        QTest::newRow("other model than filter") << "VKC-9000" << false << kBroadcast << scanReply(kCamMac) << false;
        QTest::newRow("access-point road takes any VKC") << "VKC-9000" << true << kBroadcast << scanReply(kCamMac) << true;
        QTest::newRow("addressed scan, other camera") << "ALL" << false << kCamMac << scanReply("11:22:33:44:55:66")
                                                      << false;
        QTest::newRow("addressed scan, its camera in other case")
            << "ALL" << false << kCamMac << scanReply(kCamMac.toLower()) << true;
        QTest::newRow("empty M") << "ALL" << false << kBroadcast << QByteArray("1;M=;D=VKC-3100;P=2.0") << false;
    }

    void scanAcceptance()
    {
        QFETCH(QString, scanDest);
        QFETCH(QByteArray, reply);
        QFETCH(bool, accepted);
        QFETCH(QString, filter);
        QFETCH(bool, apMode);
        supportType = filter;
        isAPModeFlow = apMode;
        DCPUtils dcp;
        if (!scanDest.isEmpty())
            scan(dcp, scanDest);
        QSignalSpy found(&dcp, &DCPUtils::foundDevice);
        dcp.handleDatagram(replyDatagram(reply));
        QCOMPARE(found.count(), accepted ? 1 : 0);
        QCOMPARE(IPCameraList.size(), accepted ? 1 : 0);
    }

    void duplicateReplyRefreshes()
    {
        DCPUtils dcp;
        scan(dcp);
        dcp.handleDatagram(replyDatagram(scanReply("11:22:33:44:55:66")));
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac) + ";F=1.0"));
        IPCamera& camera = IPCameraList[1];
        camera.dcpStatus = IPCamera::GOT_PWD;
        camera.password = "cHc=";
        camera.networkconf.Https_port = "443";
        camera.APConfig.numAP = 3;

        QSignalSpy found(&dcp, &DCPUtils::foundDevice);
        dcp.handleDatagram(replyDatagram("1;M=" + kCamMac.toLower().toLatin1() + ";D=VKC-3200;I=10.0.0.9;P=2.3;G=1;F=9.9;X=ff"));
        QCOMPARE(found.count(), 1);
        QCOMPARE(found.at(0).at(0).toInt(), 1);
        QCOMPARE(IPCameraList.size(), 2);
        // The discovery fields are replaced, an absent name included; the rest is kept.
        const IPCamera& c = IPCameraList[1];
        QCOMPARE(QByteArrayList({c.modelName, c.IPAddr.toLatin1(), c.DCPVersion, c.bRegisted, c.Name, c.MAC.toLatin1(),
                                 QByteArray::number(c.dcpStatus), c.password, c.FirmwareVersion, c.PWD_MD5,
                                 c.networkconf.Https_port, QByteArray::number(c.APConfig.numAP)}).join('|'),
                 "VKC-3200|10.0.0.9|2.3|1||" + kCamMac.toLatin1() + "|16|cHc=|1.0||443|3");
    }

    void connectionModeGivesConnectionReady()
    {
        DCPUtils dcp;
        scan(dcp);
        QSignalSpy found(&dcp, &DCPUtils::foundDevice);
        QSignalSpy ready(&dcp, &DCPUtils::deviceConnnectionReady);
        dcp.setDeviceConnectionMode(true);
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));
        dcp.setDeviceConnectionMode(false);
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));
        QCOMPARE(ready.count(), 1);
        QCOMPARE(found.count(), 1);
    }

    void droppedDatagramsSummarised()
    {
        DCPUtils dcp;
        LogRecorder log;
        for (int i = 0; i < 500; ++i) {
            dcp.handleDatagram(replyDatagram(scanReply(kCamMac)).left(13));
            dcp.handleDatagram(replyDatagram("5;M=x"));
        }
        QVERIFY2(log.matching("dropped").isEmpty(), qPrintable(log.all()));
        QTRY_COMPARE_WITH_TIMEOUT(log.matching("dropped").size(), 2, 3000); // one line per cause, with the count
        QCOMPARE(log.count({"shorter than its header", "500"}), 1);
        QCOMPARE(log.count({"unknown class", "500"}), 1);
    }

private:
    void scan(DCPUtils& dcp, const QString& destMac = kBroadcast)
    {
        dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
        dcp.dcpClass01_Scan(kPcMac, kPcIp, supportType, destMac);
        QVERIFY(!receiver.nextText().isEmpty());
    }
    LoopbackReceiver receiver;
};


QTEST_MAIN(TestDcpDispatch)
#include "tst_dcputils_dispatch.moc"

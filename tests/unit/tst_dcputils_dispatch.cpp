// The receive path: the codec, frame checks, the destination filter and class 1 discovery replies.

#include <QSignalSpy>
#include <QtTest>

#include <numeric>

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
        QByteArray all(256, 0);
        std::iota(all.begin(), all.end(), 0);
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
        QTest::addColumn<QString>("setup"); // items: "no scan", "scan to <mac>", "hosts <mac>", "filter <model>", "ap road"
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("taken");
        const QByteArray reply = scanReply(kCamMac), good = replyDatagram(reply);
        auto framed = [](const QByteArray& encoded) { return dcpFrame(mac6(kPcMac), mac6(kCamMac), encoded); };
        auto row = [](const char* name, const QString& setup, const QByteArray& datagram, bool taken) {
            QTest::newRow(name) << setup << datagram << taken;
        };
        row("addressed to this PC", "", good, true);
        row("host list in lower case", "hosts 02:ab:cd:00:00:01", replyDatagram(reply, "02:AB:CD:00:00:01"), true);
        row("trailing bytes ignored", "", good + "junk", true);
        row("another host", "", replyDatagram(reply, "02:00:00:00:00:02"), false);
        row("own broadcast heard back", "", replyDatagram(reply, kBroadcast), false);
        row("shorter than header", "", good.left(13), false);
        row("length beyond datagram", "", good.left(good.size() - 1), false);
        row("not the alphabet", "", framed("!!!!" + dcpEncode(reply)), false);
        row("bad length prefix", "", framed(dcpEncode("x," + reply)), false);
        row("truncated text", "", framed(dcpEncode("200," + reply)), false);
        row("unknown class", "", replyDatagram("5" + reply.mid(1)), false);
        row("no scan sent", "no scan", good, false);
        row("VKC not at the start", "", replyDatagram(scanReply(kCamMac, "X-VKC")), false);
        row("other model than filter", "filter VKC-9000", good, false);
        row("access-point road takes any VKC", "filter VKC-9000, ap road", good, true);
        row("addressed scan, other camera", "scan to " + kCamMac, replyDatagram(scanReply("11:22:33:44:55:66")), false);
        row("addressed scan, its camera in other case", "scan to " + kCamMac,
            replyDatagram(scanReply(kCamMac.toLower())), true);
        row("empty M", "", replyDatagram("1;M=;D=VKC-3100;P=2.0"), false);
    }

    void receiveFilter()
    {
        QFETCH(QString, setup);
        QFETCH(QByteArray, datagram);
        QFETCH(bool, taken);
        for (const QString& item : setup.split(", ", Qt::SkipEmptyParts)) {
            if (item.startsWith("filter "))
                supportType = item.mid(7);
            isAPModeFlow = isAPModeFlow || item == "ap road";
        }
        DCPUtils dcp;
        if (setup != "no scan")
            scan(dcp, setup.startsWith("scan to ") ? setup.mid(8) : kBroadcast);
        if (setup.startsWith("hosts "))
            hostMacAddrList = QStringList{setup.mid(6)};
        QSignalSpy found(&dcp, &DCPUtils::foundDevice);
        dcp.handleDatagram(datagram);
        QCOMPARE(found.count(), taken ? 1 : 0);
        QCOMPARE(IPCameraList.size(), taken ? 1 : 0);
        if (taken)
            QCOMPARE(IPCameraList[0].MACHost, macToText(datagram.mid(2, 6)));
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

// The receive path: the codec, frame checks, the destination filter, class 1 discovery replies, and
// the reply state machines (a camera in a start state receives replies: new state, signal, a field).

#include <QSignalSpy>
#include <QtTest>

#include <numeric>

#include "base/logsummary.h"
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

const QByteArray kM = "M=AA:BB:CC:DD:EE:FF";

QByteArray field(const IPCamera& c, const QString& name)
{
    const QHash<QString, QByteArray> fields{{"password", c.password},
                                            {"bPassword", c.bPassword},
                                            {"remote", c.remote},
                                            {"bRegisted", c.bRegisted},
                                            {"bPing", c.bPing},
                                            {"bRestart", c.bRestart},
                                            {"IPAddr", c.IPAddr.toLatin1()},
                                            {"Https_port", c.networkconf.Https_port},
                                            {"numAP", QByteArray::number(c.APConfig.numAP)},
                                            {"MAC", c.MAC.toLatin1()},
                                            {"modelName", c.modelName},
                                            {"MAC+model", c.MAC.toLatin1() + ' ' + c.modelName}};
    return fields.value(name, "<unknown field>");
}

}  // namespace

class TestDcpDispatch : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        LogSummary::flush();
        resetGlobals();
        core = new DCPUtils;
        core->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
        const QMetaObject& meta = DCPUtils::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                spies << new QSignalSpy(core, "2" + meta.method(i).methodSignature());
    }

    void cleanup()
    {
        qDeleteAll(spies);
        spies.clear();
        delete core;
    }

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

    // Each limit of the frame, the message text and the address text from both sides.
    void codecLimits()
    {
        const QByteArray text = "5,1;M=x", datagram = dcpFrame(mac6(kCamMac), mac6(kPcMac), dcpEncode(text));
        QByteArray a, b, encoded, cls, content;
        const QByteArray one = dcpFrame(mac6(kCamMac), mac6(kPcMac), "x");
        QVERIFY(dcpUnframe(one, &a, &b, &encoded) && encoded == "x" &&
                !dcpUnframe(one.left(kDcpHeaderSize), &a, &b, &encoded));
        QVERIFY(dcpUnframe(datagram + "xy", &a, &b, &encoded) && encoded == dcpEncode(text));
        QVERIFY(!dcpUnframe(datagram.left(datagram.size() - 1), &a, &b, &encoded));
        const QByteArray longText = "S;" + QByteArray(99998, 'x');
        QVERIFY(dcpParseMessage("99999,S;" + longText.mid(2, 99997), &cls, &content) && content.size() == 99999);
        QVERIFY(!dcpParseMessage("100000," + longText, &cls, &content));
        QVERIFY(dcpParseMessage("5,1;M=x", &cls, &content) && cls == "1" && content == "1;M=x");
        QVERIFY(!dcpParseMessage("6,1;M=x", &cls, &content));
        QVERIFY(dcpParseMessage("12345,abc;" + QByteArray(12341, 'x'), &cls, &content) && cls == "abc");
        QVERIFY(!dcpParseMessage("12345,abcd;" + QByteArray(12340, 'x'), &cls, &content));
        QVERIFY(!dcpParseMessage("4,;M=x", &cls, &content));  // no class
        QVERIFY(!dcpParseMessage(",1;M=x", &cls, &content));  // no length
        QVERIFY(macFromText("aa-bb-cc-dd-ee-FF", &a) && a == QByteArray("\xaa\xbb\xcc\xdd\xee\xff", 6));
        QVERIFY(macFromText("01:23:45:67:89:af", &a) && macFromText("AB:CD:EF:ab:cd:ef", &b) &&
                a + b == QByteArray("\x01\x23\x45\x67\x89\xaf\xab\xcd\xef\xab\xcd\xef", 12));
        QVERIFY(!macFromText("aa:bb:cc:dd:ee:ff:", &a) && !macFromText("aa:bb:cc:dd:ee:fg", &a));
    }

    // Two texts name one address whatever the separator and case; a text that is no address names
    // none, even one that upper-cases into an address's form. A record's key agrees.
    void sameAddress_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        auto row = [](const char* name, const QString& a, const QString& b, bool same) {
            QTest::newRow(name) << a << b << same;
        };
        row("colons, either case", "aa:bb:cc:dd:ee:ff", "AA:BB:CC:DD:EE:FF", true);
        row("dashes and colons mixed", "AA-bb:CC-dd:EE-ff", "aa:bb:cc:dd:ee:ff", true);
        row("last digit differs", "AA:BB:CC:DD:EE:FF", "AA-BB-CC-DD-EE-FE", false);
        row("first digit differs", "AA:BB:CC:DD:EE:FF", "BA:BB:CC:DD:EE:FF", false);
        row("twelve digits, no address", "AABBCCDDEEFF", "AA:BB:CC:DD:EE:FF", false);
        row("ligature upper-cased into an address", QString::fromUtf8("\xef\xac\x80:00:00:00:00:00"),
            "FF:00:00:00:00:00", false);
        row("other text, either case", "aa:bb:cc:dd:ee:fg", "AA:BB:CC:DD:EE:FG", true);
    }
    void sameAddress()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(sameMac(a, b), same);
        QCOMPARE(sameMac(b, a), same);
        IPCamera camera;
        camera.MAC = a;
        QCOMPARE(camera.macKey() == canonicalMac(b), same);
    }

    // Further new cameras are dropped once the list holds 1024; a known one is still refreshed.
    void cameraListBound()
    {
        DCPUtils dcp;
        scan(dcp);
        for (int i = 0; i < 1023; ++i)
            addCamera("2.0", QByteArray(),
                      macToText(QByteArray::fromHex(QByteArray::number(0x020000000000LL + i, 16))));
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));
        QCOMPARE(IPCameraList.size(), 1024);
        dcp.handleDatagram(replyDatagram(scanReply("11:22:33:44:55:66")));
        QCOMPARE(IPCameraList.size(), 1024);
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac).replace("192.168.0.20", "10.0.0.9")));
        QCOMPARE(IPCameraList.last().IPAddr, QString("10.0.0.9"));  // a full list still refreshes
    }

    void receiveFilter_data()
    {
        QTest::addColumn<QString>(
            "setup");  // items: "no scan", "scan to <mac>", "hosts <mac>", "filter <model>", "ap road"
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
        // A camera may write its address with dashes, in either case, as requests can be framed to it.
        row("M with dashes", "", replyDatagram(scanReply("AA-BB-CC-DD-EE-FF")), true);
        row("M with dashes in lower case", "", replyDatagram(scanReply("aa-bb-cc-dd-ee-ff")), true);
        row("addressed scan, its camera with dashes", "scan to AA-BB-CC-DD-EE-FF",
            replyDatagram(scanReply("AA-BB-CC-DD-EE-FF")), true);
        row("addressed scan with colons, its camera with dashes", "scan to AA:BB:CC:DD:EE:FF",
            replyDatagram(scanReply("aa-bb-cc-dd-ee-ff")), true);
        row("address not plain IPv4", "", replyDatagram(scanReply(kCamMac).replace("192.168.0.20", "012.254.0.1")),
            false);
        // The forms the format allows; the unpadded row's 67 bytes of text need padding.
        const QByteArray m = "M=" + kCamMac.toLatin1(), model = "D=VKC-3100";
        row("M last", "", replyDatagram("1;" + model + ";I=192.168.0.20;P=2.0;" + m), true);
        row("a short item first", "", replyDatagram("1;G=0;" + m + ";" + model), true);
        row("empty items, a trailing ;", "", replyDatagram("1;;" + m + ";;" + model + ";"), true);
        row("keys as words", "", replyDatagram("1;MAC=" + kCamMac.toLatin1() + ";DEV=VKC-3100"), true);
        row("keys in lower case", "", replyDatagram("1;m=" + kCamMac.toLatin1() + ";d=VKC-3100"), false);
        row("model twice, the later counts", "", replyDatagram("1;" + m + ";" + model + ";D=X-1"), false);
        row("prefix with leading zeros", "", replyDatagram(reply, kPcMac, kCamMac, 2), true);
        row("Base64 without padding", "", replyDatagram(reply + ";", kPcMac, kCamMac, 0, true), true);
        row("text past the prefix ignored", "", framed(dcpEncode("32,1;" + m + ";" + model + ";D=X-1")), true);
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

    // Every malformed field of a scan reply's datagram is refused: the frame's length field, the
    // text's length prefix, the class and the items.
    void malformedFieldsRefused_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        const QByteArray reply = scanReply(kCamMac), good = replyDatagram(reply);
        auto framed = [](const QByteArray& plain) { return dcpFrame(mac6(kPcMac), mac6(kCamMac), dcpEncode(plain)); };
        auto prefixed = [&framed](const QByteArray& content) {
            return framed(QByteArray::number(content.size()) + ',' + content);
        };
        QByteArray zeroLength = good;
        zeroLength[0] = zeroLength[1] = '\0';
        QTest::newRow("frame length zero") << zeroLength;
        QTest::newRow("header only") << good.left(kDcpHeaderSize);
        QTest::newRow("prefix with a sign") << framed("+" + QByteArray::number(reply.size()) + "," + reply);
        QTest::newRow("prefix with a blank") << framed(" " + QByteArray::number(reply.size()) + "," + reply);
        QTest::newRow("prefix empty") << framed("," + reply);
        QTest::newRow("prefix of six digits")
            << framed("0" + QByteArray::number(reply.size()).rightJustified(5, '0') + "," + reply);
        QTest::newRow("prefix one byte long") << framed(QByteArray::number(reply.size() + 1) + "," + reply);
        QTest::newRow("no comma") << framed(QByteArray::number(reply.size()) + reply);
        QTest::newRow("class empty") << prefixed(reply.mid(1));
        QTest::newRow("class beyond its window") << prefixed("1xxxxxxxxx" + reply.mid(1));
        QTest::newRow("class with a letter") << prefixed("1a" + reply.mid(1));
        QTest::newRow("M without its value") << prefixed("1;M;D=VKC-3100;P=2.0");
        QTest::newRow("D empty") << prefixed("1;M=AA:BB:CC:DD:EE:FF;D=;I=192.168.0.20;P=2.0");
        QTest::newRow("I with five parts") << prefixed("1;M=AA:BB:CC:DD:EE:FF;D=VKC-3100;I=192.168.0.20.1;P=2.0");
        QTest::newRow("M not hexadecimal") << prefixed("1;M=AA:BB:CC:DD:EE:GG;D=VKC-3100;I=192.168.0.20;P=2.0");
        QTest::newRow("M of seven bytes") << prefixed("1;M=AA:BB:CC:DD:EE:FF:01;D=VKC-3100;I=192.168.0.20;P=2.0");
        QTest::newRow("M with dots") << prefixed("1;M=AA.BB.CC.DD.EE.FF;D=VKC-3100;I=192.168.0.20;P=2.0");
        QTest::newRow("M with a letter as its first separator")
            << prefixed("1;M=AAxBB:CC:DD:EE:FF;D=VKC-3100;I=192.168.0.20;P=2.0");
        QTest::newRow("M with dashes, one pair short")
            << prefixed("1;M=AA-BB-CC-DD-EE-F;D=VKC-3100;I=192.168.0.20;P=2.0");
    }
    void malformedFieldsRefused()
    {
        QFETCH(QByteArray, datagram);
        DCPUtils dcp;
        scan(dcp);
        QSignalSpy found(&dcp, &DCPUtils::foundDevice);
        dcp.handleDatagram(datagram);
        QCOMPARE(found.count(), 0);
        QCOMPARE(IPCameraList.size(), 0);
        // The well-formed reply is still taken after it.
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));
        QCOMPARE(found.count(), 1);
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
        scan(dcp);
        dcp.handleDatagram(
            replyDatagram("1;M=" + kCamMac.toLower().toLatin1() + ";D=VKC-3200;I=10.0.0.9;P=2.3;G=1;F=9.9;X=ff"));
        QCOMPARE(found.count(), 1);
        QCOMPARE(found.at(0).at(0).toInt(), 1);
        QCOMPARE(IPCameraList.size(), 2);
        // The discovery fields are replaced, an absent name included; the rest is kept, the model too.
        const IPCamera& c = IPCameraList[1];
        auto record = [&c] {
            return QByteArrayList({c.modelName, c.IPAddr.toLatin1(), c.DCPVersion, c.bRegisted, c.Name,
                                   c.MAC.toLatin1(), QByteArray::number(c.dcpStatus), c.password, c.FirmwareVersion,
                                   c.PWD_MD5, c.networkconf.Https_port, QByteArray::number(c.APConfig.numAP)})
                .join('|');
        };
        const QByteArray refreshed = "VKC-3100|10.0.0.9|2.3|1||" + kCamMac.toLatin1() + "|16|cHc=|1.0||443|3";
        QCOMPARE(record(), refreshed);

        // The first M names the camera: a reply listing another camera's MAC last makes its own record.
        dcp.handleDatagram(replyDatagram("1;M=22:22:22:22:22:22;D=VKC-1;I=10.0.0.8;M=" + kCamMac.toLatin1()));
        QCOMPARE(IPCameraList.size(), 3);
        QCOMPARE(record(), refreshed);
        // Once the scan is closed, a scan reply moves no camera.
        QTest::qWait(4100);
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac).replace("192.168.0.20", "10.9.9.9")));
        QCOMPARE(record(), refreshed);
        QCOMPARE(found.count(), 2);
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
        QCOMPARE(found.count(), 0);  // announced once per scan
        scan(dcp);
        dcp.handleDatagram(replyDatagram(scanReply(kCamMac)));
        QCOMPARE(ready.count(), 1);
        QCOMPARE(found.count(), 1);
    }

    // Log bounds: what the network can repeat at will is counted, one line a second, not a line each.
    void floodsAreCounted()
    {
        addCamera("2.0");
        scan(*core);
        QByteArray unknownItems;  // a 44 KB reply of unknown items
        while (unknownItems.size() < 44000)
            unknownItems += ";q=1";
        const QByteArrayList floods{replyDatagram(scanReply(kCamMac)).left(13),
                                    replyDatagram("5;M=x"),
                                    replyDatagram(scanReply(kCamMac) + unknownItems),
                                    replyDatagram("2;" + kM + ";R=1"),
                                    replyDatagram("7;" + kM + ";R=1"),
                                    replyDatagram("7;" + kM + ";D=VKC"),
                                    replyDatagram("3;" + kM + ";R=1;23=10.9.9.9"),
                                    replyDatagram("8;" + kM + ";R=1"),
                                    replyDatagram("4;" + kM + ";A=2;E=0;L=x"),
                                    replyDatagram("2;R=1")};
        LogRecorder log;
        for (int i = 0; i < 300; ++i) {
            // The scan stays open (4 s) however long the flood takes.
            core->dcpClass01_Scan(kPcMac, kPcIp, supportType, kBroadcast);
            for (const QByteArray& datagram : floods)
                core->handleDatagram(datagram);
        }
        while (!receiver.quiet(0)) {
        }
        // A reply the camera was asked for, with 11,000 unknown items.
        IPCameraList[0].dcpStatus = IPCamera::WAIT_INFO;
        core->handleDatagram(replyDatagram("2;" + kM + ";R=1" + unknownItems));
        // A summary comes within the longest interval, 8 s.
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("Counted, not logged one by one"), beyondDeadline(8000));
        QVERIFY2(log.lines.size() <= 3 && log.all().size() < 2500, qPrintable(log.all()));
        QVERIFY2(
            log.count({"or its length field x300", "unknown class dropped x300", "parsing no such parameter x3300000",
                       "no such parameter: x11000", "no request waits for this reply, not handled x300"}) == 1,
            qPrintable(log.all()));
    }

    void summariesThinOutUnderAFlood()
    {
        // A kind noted every 50 ms: the first summary a second after the first event, the next one
        // two seconds after the event that followed it, every event counted.
        LogRecorder log;
        QElapsedTimer clock;
        clock.start();
        QList<qint64> summaries;  // when each was seen, at or after its time
        int notes = 0;
        while (summaries.size() < 2 && !clock.hasExpired(beyondDeadline(3000))) {
            LogSummary::note("flood");
            ++notes;
            QTest::qWait(50);
            if (log.matching("Counted, not logged one by one").size() > summaries.size())
                summaries << clock.elapsed();
        }
        LogSummary::note("flood");
        ++notes;
        LogSummary::flush();
        const QStringList lines = log.matching("Counted, not logged one by one");
        QCOMPARE(lines.size(), 3);  // two summaries and the flush
        // A coarse timer may fire 5 % early.
        QVERIFY2(summaries[0] >= 950 && summaries[1] - summaries[0] >= 1900, qPrintable(log.all()));
        int counted = 0;
        for (const QString& line : lines)
            counted += line.section(" x", 1).section('"', 0, 0).toInt();
        QCOMPARE(counted, notes);
    }

    void reply_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("stateBefore");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("stateAfter");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QString>("check");  // field=value after the replies ("|" between them); "sent": request class

        // The camera's M item follows the class unless the items start with "!".
        auto row = [](const char* name, const char* version, int before, const QByteArray& items, int after,
                      const char* signal, const char* check) {
            const QByteArray content = items.startsWith('!') ? items.mid(1) : items.left(1) + ";" + kM + items.mid(1);
            QTest::newRow(name) << QByteArray(version) << before << content << after << signal << check;
        };
        const char *v1 = "1.0", *v2 = "2.0";
        row("2: info", v2, 2, "2;R=0;P=czNjcmV0", 11, "gotPassword(0)", "password=s3cret");
        row("2: cloud info", v2, 21, "2;R=1;W=portal", 22, "gotOlvarisInfo(0)", "remote=1");
        row("2: register bit set", v2, 23, "2;R=1;G=1", 24, "gotRegisterInfo(0)", "bRegisted=1");
        row("2: old camera, bit cleared", v1, 23, "2;R=0;G=0", 24, "gotRegisterInfo(0)", "remote=1");
        row("2: new camera, bit cleared: web server restart", v2, 23, "2;R=1;G=0", 23, "", "sent=9;");
        row("2: reply without R", v2, 2, "2;P=czNjcmV0", 2, "", "password=");
        row("2: lower-case MAC", v2, 2, "!2;M=aa:bb:cc:dd:ee:ff;R=1;P=czNjcmV0", 11, "gotPassword(0)",
            "password=s3cret");
        row("2: MAC with dashes", v2, 2, "!2;M=aa-bb-cc-dd-ee-ff;R=1;P=czNjcmV0", 11, "gotPassword(0)",
            "password=s3cret");
        row("3: old camera", v1, 3, "3;51=443", 12, "gotNetworkConfig(0)", "Https_port=443");
        row("3: new camera without R=1", v2, 3, "3;R=0;51=443", 3, "", "Https_port=");
        row("3: address from item 23", v2, 3, "3;R=1;23=10.0.0.7", 12, "gotNetworkConfig(0)", "IPAddr=10.0.0.7");
        row("3: empty item 23 keeps address", v2, 3, "3;R=1;23=", 12, "gotNetworkConfig(0)", "IPAddr=192.168.0.20");
        row("4: not waiting", v1, 0, "4,x;0;aG9tZQ==;x;AES;4;11", 0, "", "numAP=0");
        row("4: old format, one network", v1, 4, "4,x;0;aG9tZQ==;x;AES;4;11", 13, "gotAPnetwork()", "numAP=1");
        row("4: new format, unpaged", v2, 4, "4;L=aG9tZQ==,11,4,AES,0", 13, "gotAPnetwork()", "numAP=1");
        // The repeated first page is refused; the late repeat finds the camera no longer waiting.
        QByteArray paged = "!";
        for (const char* page : {"0;L=Zmlyc3Q=", "0;L=Zmlyc3Q=", "1;L=c2Vjb25k", "1;L=c2Vjb25k"})
            paged += "4;" + kM + ";A=2;E=" + page + ",11,4,AES,0&;X=00|";
        row("4: paged survey completes once", "2.3", 4, paged.chopped(1), 13, "gotAPnetwork()", "numAP=2");
        row("7: old camera, any result", v1, 7, "7;R=0", 16, "checkPasswordMatching(0)", "bPassword=0");
        row("7: status query", v2, 19, "7;R=1", 20, "gotPasswordInitStatus(0)", "bPassword=1");
        // R=1 ending the text counts; the password sent ("typed!") becomes the camera's.
        row("7: check matches", v2, 7, "7;R=1", 16, "checkPasswordMatching(0)", "password=dHlwZWQh");
        row("7: check fails", v2, 7, "7;R=0;", 7, "checkPasswordMisMatching(-1)", "password=");
        row("7: check matches, MAC with dashes", v2, 7, "!7;M=AA-BB-CC-DD-EE-FF;R=1", 16, "checkPasswordMatching(0)",
            "password=dHlwZWQh");
        row("7: request heard back", v2, 7, "7;D=VKC-3100;X=00", 7, "", "bPassword=");
        row("8: ping", v1, 8, "8;R=1", 17, "gotPingRsp()", "bPing=1");
        row("8: no M", v1, 8, "!8;R=1", 8, "", "bPing=");
        row("S: command", v2, 8, "S;R=reboot_quorvex", 17, "gotPingRsp()", "bPing=0");
        row("9: restart, no signal", v2, 9, "9;R=1", 18, "", "bRestart=1");

        // Unasked replies change nothing: another class is taken only from a camera waiting for it,
        // the record's MAC and model stay those of the scan reply that made it.
        row("3: not waiting, address kept", v2, 12, "3;R=1;23=10.9.9.9", 12, "", "IPAddr=192.168.0.20");
        row("3: address not plain IPv4", v2, 3, "3;R=1;23=012.254.000.041", 3, "", "IPAddr=192.168.0.20");
        row("7: not waiting", v1, 0, "7;R=1", 0, "", "bPassword=");
        row("8: not waiting", v1, 3, "8;R=1", 3, "", "bPing=");
        row("S: waiting for another class", v2, 7, "S;R=reboot_quorvex", 7, "", "bPing=");
        row("2: D does not change the model", v2, 2, "2;R=1;D=firefox", 11, "gotPassword(0)", "modelName=VKC-3100");
        // Replies of every other class from a camera that asked for something else, or nothing.
        row("2: not waiting", v2, 0, "2;R=1;G=1;P=czNjcmV0", 0, "", "bRegisted=");
        row("2: waiting for a password check", v2, 7, "2;R=1;G=1", 7, "", "bRegisted=");
        row("3: waiting for the survey", v2, 4, "3;R=1;23=10.0.0.7", 4, "", "IPAddr=192.168.0.20");
        row("4: waiting for the network", v2, 3, "4;L=aG9tZQ==,11,4,AES,0", 3, "", "numAP=0");
        row("7: waiting for the register bit", v2, 23, "7;R=1", 23, "", "bPassword=");
        row("9: not waiting", v2, 0, "9;R=1", 0, "", "bRestart=");
        row("9: waiting for a ping", v2, 8, "9;R=1", 8, "", "bRestart=");
        row("S: not waiting", v2, 0, "S;R=reboot_quorvex", 0, "", "bPing=");
        row("8: neither M nor D renames", v1, 8, "8;R=1;M=11:22:33:44:55:66;D=firefox", 17, "gotPingRsp()",
            "MAC+model=AA:BB:CC:DD:EE:FF VKC-3100");
        row("2: M after a value ending in M=", v2, 2, "!2;R=1;P=czM=;" + kM, 11, "gotPassword(0)", "password=s3");
        row("2: register bit before M", v2, 23, "!2;G=1;R=1;" + kM, 24, "gotRegisterInfo(0)", "bRegisted=1");
        row("2: M longer than an address", v2, 2, "!2;" + kM + "0;R=1;P=czM=", 2, "", "password=");
        row("7: R first", v2, 7, "!7;R=1;" + kM, 16, "checkPasswordMatching(0)", "password=dHlwZWQh");
        row("3: empty items, a trailing ;", v2, 3, "3;;R=1;23=10.0.0.7;", 12, "gotNetworkConfig(0)", "IPAddr=10.0.0.7");
        row("8: m in lower case names no camera", v1, 8, "!8;m=aa:bb:cc:dd:ee:ff;R=1", 8, "", "bPing=");
        row("4: old format, a trailing ,", v1, 4, "4,x;0;aG9tZQ==;x;AES;4;11,", 13, "gotAPnetwork()", "numAP=1");
        row("4: list before the page items", "2.3", 4, "4;L=aG9tZQ==,11,4,AES,0;A=1;E=0", 13, "gotAPnetwork()",
            "numAP=1");
    }

    void reply()
    {
        QFETCH(QByteArray, version);
        QFETCH(int, stateBefore);
        QFETCH(QByteArray, content);
        QFETCH(QString, signal);
        QFETCH(QString, check);
        addCamera(version);
        if (stateBefore == IPCamera::WAIT_PASSWD) {
            core->dcpClass07_CheckPassword(0, QByteArray(), QByteArray("typed!").toBase64());
            receiver.nextText();
            IPCameraList[0].bPassword.clear();
        }
        IPCameraList[0].dcpStatus = stateBefore;

        for (const QByteArray& part : content.split('|'))
            core->handleDatagram(replyDatagram(part));

        QTEST(IPCameraList[0].dcpStatus, "stateAfter");
        QCOMPARE(emitted(), signal.isEmpty() ? QStringList() : QStringList{signal});
        const QString name = check.section('=', 0, 0);
        const QByteArray value = name == "sent" ? receiver.nextText(200).left(2) : field(IPCameraList[0], name);
        QCOMPARE(name + "=" + value, check);
        QCOMPARE(IPCameraList.size(), 1);
    }

private:
    // Every emission of the core's signals as "name(arg)", in declaration order.
    QStringList emitted() const
    {
        QStringList out;
        for (const QSignalSpy* spy : spies)
            for (const QList<QVariant>& args : *spy)
                out << QString(spy->signal()).section('(', 0, 0) + "(" + args.value(0).toString() + ")";
        return out;
    }

    void scan(DCPUtils& dcp, const QString& destMac = kBroadcast)
    {
        dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
        dcp.dcpClass01_Scan(kPcMac, kPcIp, supportType, destMac);
        QVERIFY(!receiver.nextText().isEmpty());
    }
    LoopbackReceiver receiver;
    DCPUtils* core = nullptr;  // the one the reply tables feed
    QList<QSignalSpy*> spies;
};

QTEST_MAIN(TestDcpDispatch)
#include "tst_dcputils_dispatch.moc"

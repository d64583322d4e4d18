// Discovery over a real network: run by dcp_discovery.test.py in the lab's PC namespace
// while camsim plays the cameras of DCPLAB_CAMERAS (its JSON file) on the other side of
// the veth. Broadcasts only after runningInsideLab() has confirmed the namespace.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <functional>

#include "protocol/dcpcodec.h"
#include "protocol/dcputils.h"
#include "shell/globals.h"
#include "labguard.h"

namespace {

struct Expected
{
    QString mac;
    QByteArray dcpVersion;
    bool hasPassword;
    QByteArray password;
};

// What the program knows of a camera, for before/after comparisons.
QStringList snapshot()
{
    QStringList out;
    for (const IPCamera& c : IPCameraList)
        out << QStringList{c.MAC, c.MACHost, QString::fromLatin1(c.modelName), QString::fromLatin1(c.Name), c.IPAddr,
                           QString::fromLatin1(c.DCPVersion), QString::number(c.dcpStatus),
                           QString::fromLatin1(c.bPassword), QString::fromLatin1(c.password)}
                   .join('|');
    return out;
}

int indexOf(const QString& mac)
{
    for (int i = 0; i < IPCameraList.size(); ++i)
        if (sameMac(IPCameraList[i].MAC, mac))
            return i;
    return -1;
}

} // namespace

class TestDcpLab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void scanFindsEveryCamera();
    void passwordStateOfEachCamera();
    void secondScanRefreshes();
    void malformedFloodLeavesListIntact();

private:
    void scan();
    DCPUtils dcp;
    QList<Expected> cameras;
    QString pcMac;
    QString pcIp;
};

void TestDcpLab::initTestCase()
{
    QString why;
    QVERIFY2(runningInsideLab(&why), qPrintable("refusing to broadcast outside the lab: " + why));

    QFile file(qEnvironmentVariable("DCPLAB_CAMERAS"));
    QVERIFY2(file.open(QIODevice::ReadOnly), "DCPLAB_CAMERAS must name camsim's camera list");
    for (const QJsonValue& v : QJsonDocument::fromJson(file.readAll()).object().value("cameras").toArray()) {
        const QJsonObject o = v.toObject();
        const QByteArray password = o.value("password").toString().toLatin1();
        cameras.append({o.value("mac").toString(), o.value("dcpVersion").toString("2.0").toLatin1(),
                        !password.isEmpty(), password});
    }
    QCOMPARE(cameras.size(), 3);

    pcMac = qEnvironmentVariable("LAB_PC_MAC");
    pcIp = qEnvironmentVariable("LAB_PC_IP");
    QVERIFY(!pcMac.isEmpty() && !pcIp.isEmpty());
    hostMacAddrList = QStringList{pcMac.toUpper()};
    gHostIps[0] = pcIp;
    gHostMacs[0] = pcMac.toUpper();
    supportType = QStringLiteral("ALL");
    QVERIFY(dcp.openUDPSocketRecv(5978));
}

void TestDcpLab::scan()
{
    dcp.dcpClass01_Scan(pcMac.toUpper(), pcIp, supportType, QStringLiteral("FF:FF:FF:FF:FF:FF"));
}

void TestDcpLab::scanFindsEveryCamera()
{
    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    scan();
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), cameras.size(), 5000);
    QTest::qWait(300); // our own broadcast, looped back, must not add anything
    QCOMPARE(IPCameraList.size(), cameras.size());
    for (const Expected& expected : cameras) {
        const int idx = indexOf(expected.mac);
        QVERIFY2(idx >= 0, qPrintable(expected.mac));
        QCOMPARE(IPCameraList[idx].DCPVersion, expected.dcpVersion);
        QCOMPARE(IPCameraList[idx].MACHost, pcMac.toLower());
        QCOMPARE(IPCameraList[idx].dcpStatus, 0);
    }
}

void TestDcpLab::passwordStateOfEachCamera()
{
    QCOMPARE(IPCameraList.size(), cameras.size());
    QSignalSpy initStatus(&dcp, SIGNAL(gotPasswordInitStatus(int)));
    QSignalSpy info(&dcp, SIGNAL(gotPassword(int)));
    int newCameras = 0;
    for (const Expected& expected : cameras) {
        const int idx = indexOf(expected.mac);
        if (isNewDcp(expected.dcpVersion)) {
            ++newCameras;
            dcp.dcpClass07_CheckPassword(idx, QByteArray(), QByteArray());
            QCOMPARE(IPCameraList[idx].dcpStatus, int(IPCamera::WAIT_PWD_STATUS));
        } else {
            dcp.dcpClass02_GetOlvarisInfo(idx, 0);
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(initStatus.count() + info.count(), cameras.size(), 5000);
    QCOMPARE(initStatus.count(), newCameras);

    for (const Expected& expected : cameras) {
        const IPCamera& camera = IPCameraList[indexOf(expected.mac)];
        if (isNewDcp(expected.dcpVersion)) {
            QCOMPARE(camera.dcpStatus, int(IPCamera::GOT_PWD_STATUS));
            // "1": no password yet, the new-password road.
            QCOMPARE(camera.bPassword, QByteArray(expected.hasPassword ? "0" : "1"));
        } else {
            QCOMPARE(camera.dcpStatus, int(IPCamera::GOT_INFO));
            QCOMPARE(camera.password, expected.password);
        }
    }
}

void TestDcpLab::secondScanRefreshes()
{
    const QStringList before = snapshot();
    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    scan();
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), cameras.size(), 5000);
    QTest::qWait(300);
    QCOMPARE(snapshot(), before);
    QList<int> indexes;
    for (const QList<QVariant>& args : found)
        indexes << args.at(0).toInt();
    std::sort(indexes.begin(), indexes.end());
    QCOMPARE(indexes, (QList<int>{0, 1, 2}));
}

void TestDcpLab::malformedFloodLeavesListIntact()
{
    const QStringList before = snapshot();
    QUdpSocket flood;
    QVERIFY(flood.bind(QHostAddress(pcIp), 0));
    QByteArray pc;
    QVERIFY(macFromText(pcMac, &pc));
    QRandomGenerator random(5978);
    auto noise = [&random](int size) {
        QByteArray bytes(size, '\0');
        for (char& b : bytes)
            b = char(random.bounded(256));
        return bytes;
    };
    auto framed = [&pc](const QByteArray& encoded) { return dcpFrame(pc, QByteArray(6, '\x5a'), encoded); };

    const QList<std::function<QByteArray()>> kinds = {
        [&] { return noise(random.bounded(40)); },
        [&] { return QByteArray("\xff\xff", 2) + pc + noise(200); },
        [&] { return framed("!!not the encoding!!"); },
        [&] { return framed(noise(64).toBase64()); },
        [&] { return framed(dcpEncode("99999," + noise(30))); },
        [&] { return framed(dcpEncode("20,7;" + noise(8))); },
        // Well formed, but from a model the wizard does not take, and from a camera it does not know.
        [&] { return framed(dcpEncode(dcpMessageText("1", "00:00:5E:00:53:01", "NOTVKC", ";I=10.0.0.1;P=2.0"))); },
        [&] { return framed(dcpEncode(dcpMessageText("7", "00:00:5E:00:53:02", "VKC-1", ";R=1"))); },
        [&] { return framed(dcpEncode(noise(100))); },
    };
    int sent = 0;
    for (int round = 0; round < 300; ++round) {
        for (const auto& kind : kinds) {
            if (flood.writeDatagram(kind(), QHostAddress(pcIp), 5978) >= 0)
                ++sent;
        }
        if (round % 20 == 0)
            QTest::qWait(5);
    }
    QVERIFY(sent > 2000);
    QTest::qWait(500);
    QCOMPARE(snapshot(), before);

    // Still answering: a scan after the flood refreshes the same three cameras.
    QSignalSpy found(&dcp, SIGNAL(foundDevice(int)));
    scan();
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), cameras.size(), 5000);
    QCOMPARE(IPCameraList.size(), cameras.size());
}

QTEST_GUILESS_MAIN(TestDcpLab)
#include "tst_dcplab.moc"

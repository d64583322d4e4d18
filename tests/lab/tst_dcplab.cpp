// Discovery over a real network: run by dcp_discovery.test.py in the lab's PC namespace
// while camsim plays the cameras of DCPLAB_CAMERAS (its JSON file) on the other side of
// the veth. Broadcasts only after runningInsideLab() has confirmed the namespace.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

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

QTEST_GUILESS_MAIN(TestDcpLab)
#include "tst_dcplab.moc"

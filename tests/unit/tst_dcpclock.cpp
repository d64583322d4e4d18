#include <QtTest>

#include <QCryptographicHash>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include "dcpcodec.h"
#include "dcputils.h"
#include "globals.h"
#include "testsupport.h"
#include "wallclock.h"

namespace {

const QDateTime kNow(QDate(2026, 2, 3), QTime(14, 5, 9));
const QString kCameraMac = "00:11:22:33:44:55";
const QString kModel = "CAM-1";

struct Sent
{
    QHostAddress sender;
    QByteArray content; // "2;M=...;T=...;X=..."
};

} // namespace

class TestDcpClock : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void timeValueAndSignature_data();
    void timeValueAndSignature();
    void dateAndTimeFromOneReading();
    void sendingInterface_data();
    void sendingInterface();
    void unknownCameraSendsNothing();

private:
    void addCamera(const QByteArray& dcpVersion, const QByteArray& password64, const QString& macHost);
    bool receive(Sent* sent);

    QUdpSocket receiver;
    DCPUtils* dcp = nullptr;
};

void TestDcpClock::init()
{
    QVERIFY(receiver.bind(QHostAddress(QHostAddress::LocalHost), 0));
    dcp = new DCPUtils;
    dcp->setDatagramTarget(QHostAddress::LocalHost, receiver.localPort());
    WallClock::setClockForTests([] { return kNow; });
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    gHostMacs[0] = "AA:BB:CC:DD:EE:01";
    gHostIps[0] = "127.0.0.1";
}

void TestDcpClock::cleanup()
{
    delete dcp;
    dcp = nullptr;
    receiver.close();
    WallClock::setClockForTests(nullptr);
    QLocale::setDefault(QLocale::system());
    for (int i = 0; i < kHostAddressSlots; ++i) {
        gHostMacs[i].clear();
        gHostIps[i].clear();
    }
    IPCameraList.clear();
}

void TestDcpClock::addCamera(const QByteArray& dcpVersion, const QByteArray& password64, const QString& macHost)
{
    IPCamera camera;
    camera.MAC = kCameraMac;
    camera.MACHost = macHost;
    camera.modelName = kModel.toLatin1();
    camera.DCPVersion = dcpVersion;
    camera.password = password64;
    IPCameraList.append(camera);
}

bool TestDcpClock::receive(Sent* sent)
{
    if (!receiver.hasPendingDatagrams() && !receiver.waitForReadyRead(3000))
        return false;
    const QNetworkDatagram datagram = receiver.receiveDatagram();
    QByteArray dest, src, encoded, plain, cls;
    if (!dcpUnframe(datagram.data(), &dest, &src, &encoded) || !dcpDecode(encoded, &plain)
        || !dcpParseMessage(plain, &cls, &sent->content))
        return false;
    sent->sender = datagram.senderAddress();
    return true;
}

void TestDcpClock::timeValueAndSignature_data()
{
    QTest::addColumn<int>("requestClass");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("country");
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("timeValue");
    QTest::addColumn<QString>("logLine");

    const int us = QLocale::UnitedStates;
    const QByteArray pw = "s3cret";
    QTest::newRow("class 2, old protocol") << 2 << "" << us << QByteArray("1.2") << pw
                                           << "225-2026-02-03-14-05-09" << "\"225-2026-02-03-14-05-09\"";
    QTest::newRow("class 2, no version") << 2 << "" << us << QByteArray() << pw << "225-2026-02-03-14-05-09"
                                         << "\"225-2026-02-03-14-05-09\"";
    QTest::newRow("class 2, signed") << 2 << "" << us << QByteArray("2.0") << pw << "225-2026-02-03-14-05-09"
                                     << "\"225-2026-02-03-14-05-09\"";
    QTest::newRow("class 2, other country") << 2 << "" << int(QLocale::Germany) << QByteArray("2.3") << pw
                                            << QString("%1-2026-02-03-14-05-09").arg(int(QLocale::Germany))
                                            << "-2026-02-03-14-05-09\"";
    QTest::newRow("class 10, no zone") << 10 << "" << us << QByteArray("1.2") << pw
                                       << "99:225:2026:02:03:14:05:09"
                                       << " DCP 2 set time =  \"99:225:2026:02:03:14:05:09\"";
    QTest::newRow("class 10, zone 8, signed") << 10 << "8" << us << QByteArray("2.0") << pw
                                              << "8:225:2026:02:03:14:05:09" << " DCP 2 set time = ";
    QTest::newRow("empty password still signs") << 10 << "" << us << QByteArray("2.0") << QByteArray()
                                                 << "99:225:2026:02:03:14:05:09" << " DCP 2 set time = ";
    QTest::newRow("password up to its zero byte") << 2 << "" << us << QByteArray("2.0")
                                                  << QByteArray("ab\0cd", 5) << "225-2026-02-03-14-05-09"
                                                  << "\"225-2026-02-03-14-05-09\"";
}

void TestDcpClock::timeValueAndSignature()
{
    QFETCH(int, requestClass);
    QFETCH(QString, zone);
    QFETCH(int, country);
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QByteArray, password);
    QFETCH(QString, timeValue);
    QFETCH(QString, logLine);

    QLocale::setDefault(QLocale(QLocale::AnyLanguage, QLocale::Country(country)));
    addCamera(dcpVersion, password.toBase64(), "aa:bb:cc:dd:ee:01");
    LogRecorder log;
    if (requestClass == 2)
        dcp->DCPSyncTime(0);
    else
        dcp->Class10SyncTime(0, zone);

    Sent sent;
    QVERIFY(receive(&sent));
    const QByteArray unsigned_ = QByteArray::number(requestClass) + ";M=" + kCameraMac.toLatin1() + ";D="
                                 + kModel.toLatin1() + ";T=" + timeValue.toUtf8();
    const bool signs = isNewDcp(dcpVersion);
    if (signs) {
        const QByteArray secret = QByteArray(password.constData()); // up to the first zero byte
        const QByteArray digest = QCryptographicHash::hash(unsigned_ + secret, QCryptographicHash::Md5).toHex();
        QCOMPARE(sent.content, unsigned_ + ";X=" + digest);
    } else {
        QCOMPARE(sent.content, unsigned_);
    }
    QCOMPARE(log.matching(logLine).size(), 1);
    const QStringList signatureLog = log.matching("before MD5 = ");
    QCOMPARE(signatureLog.size(), signs ? 1 : 0);
    if (signs)
        QVERIFY2(signatureLog.first().contains(QString::fromUtf8(unsigned_)), qPrintable(signatureLog.first()));
    if (!password.isEmpty())
        QCOMPARE(log.matching(QString::fromLatin1(password.constData())), QStringList());
}

void TestDcpClock::dateAndTimeFromOneReading()
{
    // Every further reading of the clock is already past midnight.
    int readings = 0;
    WallClock::setClockForTests([&readings] {
        return QDateTime(QDate(2026, 2, 3), QTime(23, 59, 59)).addSecs(readings++ ? 1 : 0);
    });
    addCamera("1.0", QByteArray(), "aa:bb:cc:dd:ee:01");
    dcp->DCPSyncTime(0);
    Sent sent;
    QVERIFY(receive(&sent));
    QVERIFY2(sent.content.endsWith(";T=225-2026-02-03-23-59-59"), sent.content.constData());
}

void TestDcpClock::sendingInterface_data()
{
    QTest::addColumn<QString>("macHost");
    QTest::addColumn<QStringList>("hostMacs");
    QTest::addColumn<QStringList>("hostIps");
    QTest::addColumn<QString>("sender");

    QTest::newRow("letter case ignored") << "aa:bb:cc:dd:ee:02" << QStringList{"AA:BB:CC:DD:EE:01", "AA:BB:CC:DD:EE:02"}
                                         << QStringList{"127.0.0.1", "127.0.0.2"} << "127.0.0.2";
    QTest::newRow("first match wins") << "AA:BB:CC:DD:EE:01" << QStringList{"aa:bb:cc:dd:ee:01", "aa:bb:cc:dd:ee:01"}
                                      << QStringList{"127.0.0.3", "127.0.0.2"} << "127.0.0.3";
    QTest::newRow("address text over 20 characters skipped")
        << "aa:bb:cc:dd:ee:01" << QStringList{"AA:BB:CC:DD:EE:01", "AA:BB:CC:DD:EE:01"}
        << QStringList{"0000:0000:0000:0000:0000:0000:0000:0001", "127.0.0.2"} << "127.0.0.2";
}

void TestDcpClock::sendingInterface()
{
    QFETCH(QString, macHost);
    QFETCH(QStringList, hostMacs);
    QFETCH(QStringList, hostIps);
    QFETCH(QString, sender);

    for (int i = 0; i < hostMacs.size(); ++i) {
        gHostMacs[i] = hostMacs.at(i);
        gHostIps[i] = hostIps.at(i);
    }
    addCamera("2.0", "YWJj", macHost);
    dcp->Class10SyncTime(0, "1");

    Sent sent;
    QVERIFY(receive(&sent));
    QCOMPARE(sent.sender, QHostAddress(sender));
}

void TestDcpClock::unknownCameraSendsNothing()
{
    addCamera("2.0", "YWJj", "aa:bb:cc:dd:ee:01");
    dcp->DCPSyncTime(1);
    dcp->Class10SyncTime(-1, "");
    QVERIFY(!receiver.waitForReadyRead(300));
}

QTEST_GUILESS_MAIN(TestDcpClock)
#include "tst_dcpclock.moc"

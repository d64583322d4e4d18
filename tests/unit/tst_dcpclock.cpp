#include <QtTest>

#include "dcptestkit.h"
#include "protocol/dcputils.h"
#include "testsupport.h"
#include "protocol/wallclock.h"

using namespace dcptest;

class TestDcpClock : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void timeValueAndSignature_data();
    void timeValueAndSignature();
};

void TestDcpClock::init()
{
    resetGlobals();
    // The country number comes from the locale (Germany: 82).
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The first reading is a second before midnight, every later one after it: the request
    // must take its date and time from one reading.
    auto readings = std::make_shared<int>(0);
    WallClock::setClockForTests([readings] {
        return QDateTime(QDate(2026, 2, 3), QTime(23, 59, 59)).addSecs((*readings)++ ? 1 : 0);
    });
}

void TestDcpClock::cleanup()
{
    WallClock::setClockForTests(nullptr);
    QLocale::setDefault(QLocale::system());
    resetGlobals();
}

void TestDcpClock::timeValueAndSignature_data()
{
    QTest::addColumn<QString>("zone"); // null: the class 2 request
    QTest::addColumn<QByteArray>("dcpVersion");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("timeValue");

    QTest::newRow("class 2, old protocol unsigned") << QString() << QByteArray("1.2") << QByteArray("s3cret")
                                                    << "82-2026-02-03-23-59-59";
    QTest::newRow("class 2, signed") << QString() << QByteArray("2.3") << QByteArray("s3cret")
                                     << "82-2026-02-03-23-59-59";
    QTest::newRow("class 10, zone 8, signed") << "8" << QByteArray("2.0") << QByteArray("s3cret")
                                              << "8:82:2026:02:03:23:59:59";
    QTest::newRow("class 10, no zone, empty password signed") << "" << QByteArray("2.0") << QByteArray()
                                                              << "99:82:2026:02:03:23:59:59";
    QTest::newRow("password up to its zero byte") << QString() << QByteArray("2.0") << QByteArray("zq9\0cd", 6)
                                                  << "82-2026-02-03-23-59-59";
}

void TestDcpClock::timeValueAndSignature()
{
    QFETCH(QString, zone);
    QFETCH(QByteArray, dcpVersion);
    QFETCH(QByteArray, password);
    QFETCH(QString, timeValue);

    addCamera(dcpVersion, password.toBase64());
    LoopbackReceiver receiver;
    DCPUtils dcp;
    dcp.setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    LogRecorder log;
    if (zone.isNull())
        dcp.DCPSyncTime(0);
    else
        dcp.Class10SyncTime(0, zone);

    const QByteArray unsignedText = QByteArray(zone.isNull() ? "2" : "10") + ";M=" + kCamMac.toLatin1()
                                    + ";D=VKC-3100;T=" + timeValue.toUtf8();
    const bool signs = isNewDcp(dcpVersion);
    const QByteArray secret(password.constData()); // up to the first zero byte
    QCOMPARE(receiver.nextText(), signs ? unsignedText + ";X=" + md5Hex(unsignedText + secret) : unsignedText);

    // The signed text is logged with the password masked.
    QCOMPARE(log.count({"before MD5 = ", QString::fromUtf8(unsignedText)}), signs ? 1 : 0);
    if (!secret.isEmpty())
        QVERIFY2(log.matching(QString::fromLatin1(secret)).isEmpty(), qPrintable(log.all()));
}

QTEST_GUILESS_MAIN(TestDcpClock)
#include "tst_dcpclock.moc"

#include <QtTest>

#include <time.h>

#include "dcputils.h"
#include "globals.h"
#include "testsupport.h"
#include "timezones.h"
#include "wallclock.h"

namespace {

// The hours a label states: "(GMT+5:45) Kathmandu" gives "+5"; empty when malformed.
QString statedHours(const QString& label)
{
    static const QRegularExpression form("^\\(GMT([+-](?:[0-9]|1[0-3])):(00|30|45)\\) \\S");
    const QRegularExpressionMatch match = form.match(label);
    return match.hasMatch() ? match.captured(1) : QString();
}

void setTimeZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

} // namespace

class TestTimeZones : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void listBounds_data();
    void listBounds();
    void everyLabelCarriesOneOffset_data();
    void everyLabelCarriesOneOffset();
    void numberingKeepsListedOrder_data();
    void numberingKeepsListedOrder();
    void gmtOffsetList();
    void offsetOfPcZone_data();
    void offsetOfPcZone();
    void offsetOnRealClock_data();
    void offsetOnRealClock();
    void listByDialect_data();
    void listByDialect();

private:
    QByteArray savedTz;
    bool hadTz = false;
};

void TestTimeZones::initTestCase()
{
    hadTz = qEnvironmentVariableIsSet("TZ");
    savedTz = qgetenv("TZ");
}

void TestTimeZones::cleanup()
{
    WallClock::setClockForTests(nullptr);
    if (hadTz)
        setTimeZone(savedTz);
    else {
        qunsetenv("TZ");
        tzset();
    }
    IPCameraList.clear();
    IPCameraIdx = -1;
    CGIProtocolMap.clear();
}

void TestTimeZones::listBounds_data()
{
    QTest::addColumn<QStringList>("zones");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("KORVA") << TimeZones::korvaZoneList() << 94 << "(GMT-12:00) International Date Line West"
                           << "(GMT+4:00) Port Louis";
    QTest::newRow("T4X") << TimeZones::t4xZoneList() << 84 << "(GMT-12:00) International Date Line West"
                         << "(GMT+13:00) Nukualofa";
}

void TestTimeZones::listBounds()
{
    QFETCH(QStringList, zones);
    QFETCH(int, size);
    QFETCH(QString, first);
    QFETCH(QString, last);

    QCOMPARE(zones.size(), size);
    QCOMPARE(zones.first(), first);
    QCOMPARE(zones.last(), last);
    QCOMPARE(zones.removeDuplicates(), 0);
}

void TestTimeZones::everyLabelCarriesOneOffset_data()
{
    QTest::addColumn<QString>("label");
    const QStringList korva = TimeZones::korvaZoneList();
    for (int i = 0; i < korva.size(); ++i)
        QTest::addRow("KORVA %d", i + 1) << korva.at(i);
    const QStringList t4x = TimeZones::t4xZoneList();
    for (int i = 0; i < t4x.size(); ++i)
        QTest::addRow("T4X %d", i + 1) << t4x.at(i);
}

void TestTimeZones::everyLabelCarriesOneOffset()
{
    QFETCH(QString, label);

    const QString hours = statedHours(label);
    QVERIFY2(!hours.isEmpty(), qPrintable("not a zone label: " + label));
    QStringList found;
    for (const QString& offset : TimeZones::gmtOffsetList())
        if (label.contains(offset + ":"))
            found << offset;
    QCOMPARE(found, QStringList{hours});
}

void TestTimeZones::numberingKeepsListedOrder_data()
{
    QTest::addColumn<QStringList>("zones");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("label");

    const QStringList korva = TimeZones::korvaZoneList();
    const QStringList t4x = TimeZones::t4xZoneList();
    QTest::newRow("KORVA 41 among +2") << korva << 41 << "(GMT+3:00) Minsk, Kaliningrad";
    QTest::newRow("KORVA 55 before +5") << korva << 55 << "(GMT+6:00) Yekaterinburg";
    QTest::newRow("KORVA 83 last sorted") << korva << 83 << "(GMT+13:00) Nukualofa";
    QTest::newRow("KORVA 84 appended") << korva << 84 << "(GMT-4:30) Caracas";
    QTest::newRow("T4X 17") << t4x << 17 << "(GMT-4:30) Caracas";
    QTest::newRow("T4X 44") << t4x << 44 << "(GMT+2:00) Minsk";
    QTest::newRow("T4X 83") << t4x << 83 << "(GMT+12:00) Fiji, Kamchatka, Marshall Is.";
}

void TestTimeZones::numberingKeepsListedOrder()
{
    QFETCH(QStringList, zones);
    QFETCH(int, number);
    QFETCH(QString, label);

    QCOMPARE(zones.at(number - 1), label);
}

void TestTimeZones::gmtOffsetList()
{
    LogRecorder log;
    DCPUtils dcp;
    const QStringList offsets = dcp.getGMTOffset();
    QCOMPARE(offsets.size(), 26);
    for (int i = 0; i < offsets.size(); ++i)
        QCOMPARE(offsets.at(i), TimeZones::hourOffsetText(qint64(i - 12) * 3600));
    QCOMPARE(log.matching("getGMTOffset finished").size(), 1);
}

void TestTimeZones::offsetOfPcZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("wallClock");
    QTest::addColumn<QString>("offset");

    const QDate winter(2026, 2, 3);
    const QDate summer(2026, 7, 15);
    const QTime noon(12, 0);
    QTest::newRow("UTC") << QByteArray("UTC") << QDateTime(winter, noon) << "+0";
    QTest::newRow("Shanghai +8") << QByteArray("Asia/Shanghai") << QDateTime(winter, noon) << "+8";
    QTest::newRow("New York winter -5") << QByteArray("America/New_York") << QDateTime(winter, noon) << "-5";
    QTest::newRow("New York summer -4") << QByteArray("America/New_York") << QDateTime(summer, noon) << "-4";
    QTest::newRow("Kolkata +5:30") << QByteArray("Asia/Kolkata") << QDateTime(winter, noon) << "+5";
    QTest::newRow("Kathmandu +5:45") << QByteArray("Asia/Kathmandu") << QDateTime(winter, noon) << "+5";
    QTest::newRow("St Johns -3:30") << QByteArray("America/St_Johns") << QDateTime(winter, noon) << "-3";
    QTest::newRow("Berlin winter +1") << QByteArray("Europe/Berlin") << QDateTime(winter, noon) << "+1";
    QTest::newRow("Berlin summer +2") << QByteArray("Europe/Berlin") << QDateTime(summer, noon) << "+2";
    QTest::newRow("Kiribati +14") << QByteArray("Pacific/Kiritimati") << QDateTime(winter, noon) << "+14";
    QTest::newRow("Berlin just before midnight") << QByteArray("Europe/Berlin")
                                                 << QDateTime(winter, QTime(23, 59, 59)) << "+1";
}

void TestTimeZones::offsetOfPcZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, wallClock);
    QFETCH(QString, offset);

    setTimeZone(zone);
    // The wall clock is read in the zone just set.
    const QDateTime local(wallClock.date(), wallClock.time(), Qt::LocalTime);
    WallClock::setClockForTests([local] { return local; });
    DCPUtils dcp;
    QCOMPARE(dcp.getTimeZoneOffset(), offset);
}

void TestTimeZones::offsetOnRealClock_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("offset");

    // Zones without daylight saving, so the answer holds on any day.
    QTest::newRow("UTC") << QByteArray("UTC") << "+0";
    QTest::newRow("Kolkata") << QByteArray("Asia/Kolkata") << "+5";
    QTest::newRow("Honolulu") << QByteArray("Pacific/Honolulu") << "-10";
}

void TestTimeZones::offsetOnRealClock()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, offset);

    setTimeZone(zone);
    LogRecorder log;
    DCPUtils dcp;
    QCOMPARE(dcp.getTimeZoneOffset(), offset);
    QCOMPARE(log.matching("QStringarg(offset) ").size(), 1);
    QVERIFY(log.matching("QStringarg(offset) ").first().contains("\"" + offset + "\""));
}

void TestTimeZones::listByDialect_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QString>("catalogueModel");
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("logLine");

    QTest::newRow("KORVA model") << QByteArray("CAM-K") << "CAM-K" << "1" << 0 << 94
                                 << "Generating KORVA Timezone List...";
    QTest::newRow("model padded with zero bytes") << QByteArray("CAM-K\0\0", 7) << "CAM-K" << "1" << 0 << 94
                                                  << "Generating KORVA Timezone List...";
    QTest::newRow("T4X model") << QByteArray("CAM-T") << "CAM-T" << "2" << 0 << 84
                               << "Generating T4X Timezone List.";
    QTest::newRow("dialect not exactly 1") << QByteArray("CAM-T") << "CAM-T" << "1 " << 0 << 84
                                           << "Generating T4X Timezone List.";
    QTest::newRow("model not in catalogue") << QByteArray("CAM-X") << "CAM-K" << "1" << 0 << 84
                                            << "Generating T4X Timezone List.";
    QTest::newRow("no camera chosen") << QByteArray("CAM-K") << "CAM-K" << "1" << -1 << 84
                                      << "No camera chosen";
    QTest::newRow("index past the list") << QByteArray("CAM-K") << "CAM-K" << "1" << 3 << 84
                                         << "No camera chosen";
}

void TestTimeZones::listByDialect()
{
    QFETCH(QByteArray, model);
    QFETCH(QString, catalogueModel);
    QFETCH(QString, dialect);
    QFETCH(int, chosen);
    QFETCH(int, size);
    QFETCH(QString, logLine);

    IPCamera camera;
    camera.modelName = model;
    IPCameraList.append(camera);
    IPCameraIdx = chosen;
    CGIProtocolMap.insert(catalogueModel, dialect);

    LogRecorder log;
    DCPUtils dcp;
    const QStringList zones = dcp.getTimeZoneList();
    QCOMPARE(zones.size(), size);
    QCOMPARE(log.matching(logLine).size(), 1);
    QCOMPARE(log.matching("getTimeZoneList finished").size(), 1);
}

QTEST_GUILESS_MAIN(TestTimeZones)
#include "tst_timezones.moc"

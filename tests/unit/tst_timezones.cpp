#include <QtTest>

#include <time.h>

#include "protocol/dcputils.h"
#include "protocol/timezones.h"
#include "protocol/wallclock.h"

class TestTimeZones : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { WallClock::setClockForTests(nullptr); }
    void zoneLists_data();
    void zoneLists();
    void offsetOfPcZone_data();
    void offsetOfPcZone();
};

// A label's position is the zone number the camera gets: the out-of-order entries stay put.
void TestTimeZones::zoneLists_data()
{
    QTest::addColumn<QStringList>("zones");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QList<int>>("pinnedNumbers");
    QTest::addColumn<QStringList>("pinnedLabels");
    QTest::newRow("KORVA") << TimeZones::korvaZoneList() << 94 << "(GMT+4:00) Port Louis" << QList<int>{41, 55, 84}
                           << QStringList{"(GMT+3:00) Minsk, Kaliningrad", "(GMT+6:00) Yekaterinburg",
                                          "(GMT-4:30) Caracas"};
    QTest::newRow("T4X") << TimeZones::t4xZoneList() << 84 << "(GMT+13:00) Nukualofa" << QList<int>{17}
                         << QStringList{"(GMT-4:30) Caracas"};
}

void TestTimeZones::zoneLists()
{
    QFETCH(QStringList, zones);
    QFETCH(QList<int>, pinnedNumbers);
    QFETCH(QStringList, pinnedLabels);
    QTEST(zones.size(), "size");
    QCOMPARE(zones.first(), QString("(GMT-12:00) International Date Line West"));
    QTEST(zones.last(), "last");
    QCOMPARE(QStringList(zones).removeDuplicates(), 0);
    for (int i = 0; i < pinnedNumbers.size(); ++i)
        QCOMPARE(zones.at(pinnedNumbers.at(i) - 1), pinnedLabels.at(i));

    // Every label carries exactly one of the 26 offset texts, followed by ":", the one it states.
    static const QRegularExpression form("^\\(GMT([+-](?:[0-9]|1[0-3])):(00|30|45)\\) \\S");
    QCOMPARE(TimeZones::gmtOffsetList().size(), 26);
    for (const QString& label : zones) {
        QStringList found;
        for (const QString& offset : TimeZones::gmtOffsetList())
            if (label.contains(offset + ":"))
                found << offset;
        QVERIFY2(found == QStringList{form.match(label).captured(1)}, qPrintable(label));
    }
}

void TestTimeZones::offsetOfPcZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("offset");
    const QDate winter(2026, 2, 3);
    QTest::newRow("UTC") << QByteArray("UTC") << winter << "+0";
    QTest::newRow("Shanghai +8") << QByteArray("Asia/Shanghai") << winter << "+8";
    QTest::newRow("Kolkata +5:30") << QByteArray("Asia/Kolkata") << winter << "+5";
    QTest::newRow("St Johns -3:30") << QByteArray("America/St_Johns") << winter << "-3";
    QTest::newRow("Berlin summer +2") << QByteArray("Europe/Berlin") << QDate(2026, 7, 15) << "+2";
}

void TestTimeZones::offsetOfPcZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    qputenv("TZ", zone);
    tzset();
    // The wall clock is read in the zone just set.
    const QDateTime local(date, QTime(12, 0), Qt::LocalTime);
    WallClock::setClockForTests([local] { return local; });
    DCPUtils dcp;
    QTEST(dcp.getTimeZoneOffset(), "offset");
}

QTEST_GUILESS_MAIN(TestTimeZones)
#include "tst_timezones.moc"

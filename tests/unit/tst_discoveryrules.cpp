// Rules of the discovery page without widgets: which interfaces a scan goes out from, where a
// camera's row goes, how its name is shown, which request asks for its password state, and
// which time zone the setup page preselects.

#include <QtTest>

#include "ipcamera.h"
#include "setup/cameratable.h"
#include "setup/hostinterfaces.h"
#include "setup/passwordlayout.h"
#include "setup/timezonepick.h"
#include "timezones.h"

using HostInterfaces::Interface;
using Flags = QNetworkInterface::InterfaceFlags;

Q_DECLARE_METATYPE(QList<Interface>)

namespace {

const Flags kScan = QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::CanBroadcast
                    | QNetworkInterface::CanMulticast;

Interface iface(const QString& mac, Flags flags, const QStringList& addresses)
{
    Interface entry{mac, flags, {}};
    for (const QString& address : addresses)
        entry.addresses.append(address.isEmpty() ? QHostAddress() : QHostAddress(address));
    return entry;
}

IPCamera camera(const QByteArray& version, int status, const QByteArray& bPassword = QByteArray(),
                const QByteArray& registered = "0", const QByteArray& password = QByteArray())
{
    IPCamera c;
    c.DCPVersion = version;
    c.dcpStatus = status;
    c.bPassword = bPassword;
    c.bRegisted = registered;
    c.password = password;
    return c;
}

} // namespace

class TestDiscoveryRules : public QObject
{
    Q_OBJECT
private slots:
    void scanSources_data();
    void scanSources();
    void unregisteredRowsIgnoreCase();
    void shownName_data();
    void shownName();
    void passwordQuery_data();
    void passwordQuery();
    void needsNewPassword_data();
    void needsNewPassword();
    void zoneEntries();
    void preselect_data();
    void preselect();
};

void TestDiscoveryRules::scanSources_data()
{
    QTest::addColumn<QList<Interface>>("interfaces");
    QTest::addColumn<QStringList>("expected"); // "mac ip"

    const QString mac = "02:00:00:00:00:01";
    const QString longV6 = "fe80::1234:5678:9abc:def0"; // 25 characters
    QTest::newRow("one adapter, IPv4 and long link-local IPv6")
        << QList<Interface>{iface(mac, kScan, {"10.0.0.5", longV6})} << QStringList{mac + " 10.0.0.5"};
    QTest::newRow("short IPv6 passes") << QList<Interface>{iface(mac, kScan, {"fe80::1"})}
                                       << QStringList{mac + " fe80::1"};
    QTest::newRow("null address skipped") << QList<Interface>{iface(mac, kScan, {"", "10.0.0.5"})}
                                          << QStringList{mac + " 10.0.0.5"};
    QTest::newRow("loopback") << QList<Interface>{iface(mac, kScan | QNetworkInterface::IsLoopBack, {"127.0.0.1"})}
                              << QStringList();
    QTest::newRow("point-to-point VPN")
        << QList<Interface>{iface(mac, kScan | QNetworkInterface::IsPointToPoint, {"10.8.0.2"})} << QStringList();
    QTest::newRow("up but not running")
        << QList<Interface>{iface(mac, kScan & ~Flags(QNetworkInterface::IsRunning), {"10.0.0.5"})} << QStringList();
    QTest::newRow("no multicast")
        << QList<Interface>{iface(mac, kScan & ~Flags(QNetworkInterface::CanMulticast), {"10.0.0.5"})}
        << QStringList();
    QTest::newRow("no hardware address") << QList<Interface>{iface("", kScan, {"10.0.0.5"})} << QStringList();
    QTest::newRow("two adapters in system order")
        << QList<Interface>{iface("02:00:00:00:00:02", kScan, {"192.168.1.4"}), iface(mac, kScan, {"10.0.0.5", "10.0.0.6"})}
        << QStringList{"02:00:00:00:00:02 192.168.1.4", mac + " 10.0.0.5", mac + " 10.0.0.6"};
}

void TestDiscoveryRules::scanSources()
{
    QFETCH(QList<Interface>, interfaces);
    QFETCH(QStringList, expected);
    QStringList got;
    for (const HostInterfaces::ScanSource& source : HostInterfaces::scanSources(interfaces))
        got << source.hardwareAddress + " " + source.address;
    QCOMPARE(got, expected);
}

void TestDiscoveryRules::unregisteredRowsIgnoreCase()
{
    IPCamera a = camera("2.0", 20);
    a.MAC = "AA:BB:CC:00:00:01";
    IPCamera r = camera("2.0", 20, "0", "1");
    r.MAC = "AA:BB:CC:00:00:02";
    const QList<IPCamera> list{a, r};
    QCOMPARE(CameraTable::unregisteredRows({"aa:bb:cc:00:00:01", "AA:BB:CC:00:00:02"}, list), 1);
    QVERIFY(CameraTable::isListed({"aa:bb:cc:00:00:01"}, "AA:BB:CC:00:00:01"));
    QVERIFY(!CameraTable::isListed({"aa:bb:cc:00:00:01"}, "AA:BB:CC:00:00:02"));
    QCOMPARE(CameraTable::cameraWithMac(list, "aa:bb:cc:00:00:02"), 1);
    QCOMPARE(CameraTable::cameraWithMac(list, "aa:bb:cc:00:00:03"), -1);
}

void TestDiscoveryRules::shownName_data()
{
    QTest::addColumn<QByteArray>("base64");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("shown");
    const auto b64 = [](const QByteArray& bytes) { return bytes.toBase64(); };
    QTest::newRow("short") << b64("Door") << "Door" << "Door";
    QTest::newRow("12 characters whole") << b64("FrontDoor-12") << "FrontDoor-12" << "FrontDoor-12";
    QTest::newRow("13 characters cut") << b64("FrontDoor-123") << "FrontDoor-123" << "FrontDoor-1...";
    QTest::newRow("up to the zero byte") << b64(QByteArray("Yard\0junk", 9)) << "Yard" << "Yard";
    QTest::newRow("accents survive") << b64("Café Über") << QString::fromUtf8("Café Über")
                                     << QString::fromUtf8("Café Über");
    QTest::newRow("non-Latin-1 survives, cut by characters")
        << b64("玄関のカメラ一号機ですよね")
        << QString::fromUtf8("玄関のカメラ一号機ですよね") << QString::fromUtf8("玄関のカメラ一号機です...");
    QTest::newRow("empty") << QByteArray() << QString() << QString();
}

void TestDiscoveryRules::shownName()
{
    QFETCH(QByteArray, base64);
    QFETCH(QString, full);
    QFETCH(QString, shown);
    QCOMPARE(CameraTable::decodedName(base64), full);
    QCOMPARE(CameraTable::shownName(base64), shown);
}

namespace {

// A camera record in a table row: version, status, bPassword, bRegisted, password.
void addCameraColumns()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("bPassword");
    QTest::addColumn<QByteArray>("registered");
    QTest::addColumn<QByteArray>("password");
}

IPCamera fetchCamera()
{
    QFETCH(QByteArray, version);
    QFETCH(int, status);
    QFETCH(QByteArray, bPassword);
    QFETCH(QByteArray, registered);
    QFETCH(QByteArray, password);
    return camera(version, status, bPassword, registered, password);
}

} // namespace

void TestDiscoveryRules::passwordQuery_data()
{
    using Q = CameraTable::PasswordQuery;
    addCameraColumns();
    QTest::addColumn<int>("query");
    QTest::newRow("new camera, state unknown") << QByteArray("2.0") << 0 << QByteArray() << QByteArray("0")
                                               << QByteArray() << int(Q::CheckPassword);
    QTest::newRow("new camera, query unanswered") << QByteArray("2.3") << 19 << QByteArray("0") << QByteArray("0")
                                                  << QByteArray() << int(Q::CheckPassword);
    QTest::newRow("new camera, state known") << QByteArray("2.0") << 20 << QByteArray("0") << QByteArray("0")
                                             << QByteArray() << int(Q::None);
    QTest::newRow("new camera, no password yet") << QByteArray("2.1") << 7 << QByteArray("1") << QByteArray("0")
                                                 << QByteArray() << int(Q::None);
    QTest::newRow("old camera") << QByteArray("1.0") << 0 << QByteArray() << QByteArray("0") << QByteArray()
                                << int(Q::GetInfo);
    QTest::newRow("old camera, info known") << QByteArray("1.0") << 11 << QByteArray() << QByteArray("0")
                                            << QByteArray() << int(Q::None);
    QTest::newRow("version 10.0 is old") << QByteArray("10.0") << 0 << QByteArray() << QByteArray("0")
                                         << QByteArray() << int(Q::GetInfo);
    QTest::newRow("no version is old") << QByteArray() << 0 << QByteArray() << QByteArray("0") << QByteArray()
                                       << int(Q::GetInfo);
}

void TestDiscoveryRules::passwordQuery()
{
    QFETCH(int, query);
    QCOMPARE(int(CameraTable::passwordQuery(fetchCamera())), query);
}

void TestDiscoveryRules::needsNewPassword_data()
{
    addCameraColumns();
    QTest::addColumn<bool>("newPassword");
    QTest::newRow("registered") << QByteArray("2.0") << 20 << QByteArray("1") << QByteArray("1") << QByteArray()
                                << false;
    QTest::newRow("old, password known") << QByteArray("1.0") << 11 << QByteArray() << QByteArray("0")
                                         << QByteArray("secret") << false;
    QTest::newRow("old, no password") << QByteArray("1.0") << 11 << QByteArray() << QByteArray("0") << QByteArray()
                                      << true;
    QTest::newRow("10.0 counts as old") << QByteArray("10.0") << 11 << QByteArray("0") << QByteArray("0")
                                        << QByteArray() << true;
    QTest::newRow("new, has a password") << QByteArray("2.0") << 20 << QByteArray("0") << QByteArray("0")
                                         << QByteArray() << false;
    QTest::newRow("new, none yet, password stored") << QByteArray("2.0") << 20 << QByteArray("1") << QByteArray("0")
                                                    << QByteArray("c2VjcmV0") << false;
    QTest::newRow("new, none yet") << QByteArray("2.0") << 20 << QByteArray("1") << QByteArray("0") << QByteArray()
                                   << true;
}

void TestDiscoveryRules::needsNewPassword()
{
    QFETCH(bool, newPassword);
    QCOMPARE(PasswordLayout::needsNewPassword(fetchCamera()), newPassword);
}

void TestDiscoveryRules::zoneEntries()
{
    const QList<TimeZonePick::Entry> korva =
        TimeZonePick::entries(TimeZones::korvaZoneList(), TimeZones::gmtOffsetList());
    QCOMPARE(korva.size(), TimeZones::korvaZoneList().size());
    for (const TimeZonePick::Entry& entry : korva)
        QVERIFY2(entry.label.startsWith("(GMT" + entry.offset + ":"), qPrintable(entry.label + " " + entry.offset));
    QCOMPARE(TimeZonePick::entries({"no hour here"}, TimeZones::gmtOffsetList()).size(), 0);
}

void TestDiscoveryRules::preselect_data()
{
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("zoneId");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("byPlace");
    QTest::newRow("Berlin in winter") << "+1" << "Europe/Berlin"
                                      << "(GMT+1:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna" << true;
    QTest::newRow("Berlin in summer falls back") << "+2" << "Europe/Berlin"
                                                 << "(GMT+2:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius" << false;
    QTest::newRow("New_York has no label") << "-5" << "America/New_York" << "(GMT-5:00) Bogota, Lima, Quito" << false;
    QTest::newRow("+1 is found in +10, the place decides") << "+10" << "Australia/Brisbane"
                                                           << "(GMT+10:00) Brisbane" << true;
    QTest::newRow("UTC has no place") << "+0" << "UTC"
                                      << "(GMT+0:00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London" << false;
    QTest::newRow("offset written 0") << "0" << "Atlantic/Reykjavik" << "(GMT+0:00) Monrovia, Reykjavik" << true;
    QTest::newRow("offset 0, unknown place") << "0" << "Africa/Abidjan"
                                             << "(GMT+0:00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"
                                             << false;
    QTest::newRow("empty second part") << "+1" << "Europe/" << "(GMT+1:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague"
                                       << false;
    QTest::newRow("no such offset") << "+14" << "Pacific/Kiritimati" << QString() << false;
}

void TestDiscoveryRules::preselect()
{
    QFETCH(QString, offset);
    QFETCH(QString, zoneId);
    QFETCH(QString, label);
    QFETCH(bool, byPlace);
    const QList<TimeZonePick::Entry> list =
        TimeZonePick::entries(TimeZones::korvaZoneList(), TimeZones::gmtOffsetList());
    const TimeZonePick::Choice choice = TimeZonePick::preselect(list, offset, zoneId);
    QCOMPARE(choice.index >= 0 ? list.at(choice.index).label : QString(), label);
    QCOMPARE(choice.byPlace, byPlace);
}

QTEST_APPLESS_MAIN(TestDiscoveryRules)
#include "tst_discoveryrules.moc"

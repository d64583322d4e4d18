// The discovery page against the DCP core: camera replies are fed to handleDatagram, the
// page's requests go to a loopback receiver, and scan passes go out from fabricated
// interfaces on 127.0.0.x, so nothing leaves this machine.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <ctime>

#include "dcptestkit.h"
#include "dcputils.h"
#include "guide/cameraconnectionpage.h"
#include "mainpage.h"
#include "messageboxpage.h"
#include "setup/devicesetuppage.h"
#include "setup/discoverypage.h"
#include "setup/hostinterfaces.h"
#include "testsupport.h"
#include "wallclock.h"

using namespace dcptest;

namespace {

struct Cam
{
    QString mac;
    QByteArray model;
    QByteArray version;    // "" leaves item P out
    QByteArray registered; // item G
    QByteArray name;
};

const Cam kA{"00:11:22:AA:BB:0A", "VKC-1420", "2.0", "0", "Door"};
const Cam kB{"00:11:22:AA:BB:0B", "VKC-2000", "2.3", "0", "Yard"};
const Cam kR{"00:11:22:AA:BB:0C", "VKC-3100", "2.0", "1", "Roof"};
const Cam kOld{"00:11:22:AA:BB:0D", "VKC-2000", "1.0", "0", "Garage"};

QByteArray scanReply(const Cam& c, const QString& mac)
{
    QByteArray reply = "1;M=" + mac.toLatin1() + ";D=" + c.model + ";N=" + c.name.toBase64() + ";I=10.0.0."
                       + QByteArray::number(mac.right(2).toInt(nullptr, 16)) + ";G=" + c.registered;
    if (!c.version.isEmpty())
        reply += ";P=" + c.version;
    return reply;
}

// The camera's answer to the password-state query: class 7 from a new camera (R=1: no password
// yet), class 2 from an old one (P: its password, when it has one).
QByteArray stateReply(const Cam& c, bool hasPassword)
{
    const QByteArray head = ";M=" + c.mac.toLatin1() + ";D=" + c.model;
    if (isNewDcp(c.version))
        return "7" + head + ";R=" + (hasPassword ? "0" : "1");
    return "2" + head + ";R=1;G=" + c.registered + (hasPassword ? ";P=" + QByteArray("oldpass").toBase64() : "");
}

void deliver()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void feed(const QByteArray& content, const QString& source)
{
    gDCPUtils->handleDatagram(replyDatagram(content, kPcMac, source));
    deliver();
}

QTableWidget* table()
{
    return gDiscoveryPage->ui->discoveryCameraTb_TableWidget;
}

Ui_DeviceSetupPage* setup()
{
    return gDeviceSetupPage->ui;
}

QStringList tableMacs()
{
    QStringList macs;
    for (int row = 0; row < table()->rowCount(); ++row)
        macs << table()->item(row, 4)->text();
    return macs;
}

bool showsIcon(const QTableWidgetItem* item, const char* path)
{
    return item && item->icon().pixmap(20).toImage() == QIcon(path).pixmap(20).toImage();
}

HostInterfaces::Interface loopbackInterface(int addresses)
{
    HostInterfaces::Interface entry{kPcMac,
                                    QNetworkInterface::IsUp | QNetworkInterface::IsRunning
                                        | QNetworkInterface::CanBroadcast | QNetworkInterface::CanMulticast,
                                    {}};
    for (int i = 1; i <= addresses; ++i)
        entry.addresses.append(QHostAddress(QString("127.0.0.%1").arg(i)));
    return entry;
}

void setZone(const QByteArray& tz)
{
    qputenv("TZ", tz);
    tzset();
}

} // namespace

Q_DECLARE_METATYPE(Cam)
Q_DECLARE_METATYPE(QList<Cam>)

class TestDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void scanSchedule_data();
    void scanSchedule();
    void secondScanRestartsTheCount();
    void moreThanTenAddresses();
    void tableOrder_data();
    void tableOrder();
    void oneRowPerMac_data();
    void oneRowPerMac();
    void listingWaitsForPasswordState_data();
    void listingWaitsForPasswordState();
    void indexWithoutCameraAddsNoRow();
    void nonAsciiNameInCell();
    void selectionByMac_data();
    void selectionByMac();
    void clickWithoutRecord();
    void passwordRowsForChoice_data();
    void passwordRowsForChoice();
    void handOver_data();
    void handOver();
    void zoneListHeldOnce();
    void nextWithoutChoice_data();
    void nextWithoutChoice();
    void backClearsEverything();
    void scanButton();
    void popups_data();
    void popups();

private:
    // Lists the cameras: scan replies in the given order, then their password-state answers.
    void listCameras(const QList<Cam>& cameras, bool hasPassword = false);
    // Drives the scan timer by hand: the ticks (1-based) on which a pass went out.
    QList<int> driveTicks(int ticks);
    QStringList drain();

    LoopbackReceiver receiver;
    int addressCount = 1;
};

void TestDiscovery::initTestCase()
{
    createWizardForTests();
    HostInterfaces::setSourceForTests([this] { return QList<HostInterfaces::Interface>{loopbackInterface(addressCount)}; });
    gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    QVERIFY(!QIcon(":/images/radio_check.png").pixmap(20).isNull()); // the marks are told apart by picture
}

void TestDiscovery::cleanupTestCase()
{
    HostInterfaces::setSourceForTests(nullptr);
    WallClock::setClockForTests(nullptr);
}

void TestDiscovery::init()
{
    resetGlobals();
    isLocalView = false;
    addressCount = 1;
    gDiscoveryPage->checkDeviceDiscoveryTimer->stop();
    gDiscoveryPage->waitDiscoveryNumber = 0;
    table()->setRowCount(0);
    gDCPUtils->dcpClass01_Scan(kPcMac, kPcIp, "ALL", "FF:FF:FF:FF:FF:FF"); // replies are taken after a scan
    drain();
}

QStringList TestDiscovery::drain()
{
    QStringList texts;
    for (QByteArray text = receiver.nextText(50); !text.isEmpty(); text = receiver.nextText(50))
        texts << QString::fromLatin1(text);
    return texts;
}

void TestDiscovery::listCameras(const QList<Cam>& cameras, bool hasPassword)
{
    for (const Cam& c : cameras)
        feed(scanReply(c, c.mac), c.mac);
    for (const Cam& c : cameras)
        feed(stateReply(c, hasPassword), c.mac);
}

QList<int> TestDiscovery::driveTicks(int ticks)
{
    QList<int> passes;
    for (int tick = 1; tick <= ticks; ++tick) {
        gDiscoveryPage->checkDeviceDiscovery();
        if (!drain().isEmpty())
            passes << tick;
    }
    return passes;
}

// --- Scan loop -------------------------------------------------------------------------------

void TestDiscovery::scanSchedule_data()
{
    QTest::addColumn<bool>("cameraListed");
    QTest::newRow("nothing found") << false;
    QTest::newRow("a camera listed") << true;
}

void TestDiscovery::scanSchedule()
{
    QFETCH(bool, cameraListed);
    gDiscoveryPage->scanDevices();
    QVERIFY(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QCOMPARE(gDiscoveryPage->checkDeviceDiscoveryTimer->interval(), 1000);
    QVERIFY(!gMainpage->loadingImageLabel->isHidden());
    QVERIFY(gMainpage->loadingMaskLabel->isHidden()); // the table stays clickable
    if (cameraListed) {
        listCameras({kOld});
        drain();
    }

    QCOMPARE(driveTicks(20), (QList<int>{1, 6, 11, 16}));
    QVERIFY(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QVERIFY(gDiscoveryPage->ui->discoveryNotFound_Label->isHidden());

    // The timeout tick stops the scan, shows the result and still sends a last pass.
    QCOMPARE(driveTicks(1), QList<int>{1});
    QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QCOMPARE(gDiscoveryPage->waitDiscoveryNumber, 1);
    QVERIFY(gMainpage->loadingImageLabel->isHidden());
    QCOMPARE(gDiscoveryPage->ui->discoveryNotFound_Label->isHidden(), cameraListed);
    if (!cameraListed)
        QCOMPARE(gDiscoveryPage->ui->discoveryNotFound_Label->geometry(), QRect(192, 218, 421, 41));
}

void TestDiscovery::secondScanRestartsTheCount()
{
    gDiscoveryPage->scanDevices();
    QCOMPARE(driveTicks(3), QList<int>{1});
    gDiscoveryPage->scanDevices();
    QCOMPARE(gDiscoveryPage->waitDiscoveryNumber, 0);
    QCOMPARE(driveTicks(1), QList<int>{1});
    gDiscoveryPage->checkDeviceDiscoveryTimer->stop();
}

void TestDiscovery::moreThanTenAddresses()
{
    addressCount = 12;
    for (int i = 0; i < kHostAddressSlots; ++i)
        gHostIps[i].clear();
    gDiscoveryPage->checkDeviceDiscovery();

    QSet<QString> senders;
    for (QByteArray datagram = receiver.next(200); !datagram.isEmpty(); datagram = receiver.next(200))
        senders << receiver.lastSender().toString();
    QCOMPARE(senders.size(), 12); // every address is scanned from
    for (int i = 0; i < kHostAddressSlots; ++i) {
        QCOMPARE(gHostIps[i], QString("127.0.0.%1").arg(i + 1));
        QCOMPARE(gHostMacs[i], kPcMac);
    }
}

// --- Camera table ----------------------------------------------------------------------------

void TestDiscovery::tableOrder_data()
{
    QTest::addColumn<QList<Cam>>("found");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("registered found first") << QList<Cam>{kR, kA, kB} << QStringList{kA.mac, kB.mac, kR.mac};
    QTest::newRow("unregistered found last") << QList<Cam>{kR, kA} << QStringList{kA.mac, kR.mac};
    QTest::newRow("old and new protocols") << QList<Cam>{kOld, kR, kB} << QStringList{kOld.mac, kB.mac, kR.mac};
    QTest::newRow("unregistered keep their order") << QList<Cam>{kB, kOld, kA}
                                                   << QStringList{kB.mac, kOld.mac, kA.mac};
}

void TestDiscovery::tableOrder()
{
    QFETCH(QList<Cam>, found);
    QFETCH(QStringList, rows);
    for (const Cam& c : found)
        feed(scanReply(c, c.mac), c.mac);
    QCOMPARE(table()->rowCount(), 0); // no row before the password state is known

    // Every camera was asked for its password state, by the request of its protocol.
    const QStringList asked = drain();
    for (const Cam& c : found) {
        const QString query = (isNewDcp(c.version) ? "7;M=" : "2;M=") + c.mac;
        QVERIFY2(std::any_of(asked.begin(), asked.end(), [&](const QString& t) { return t.startsWith(query); }),
                 qPrintable(query + " not in " + asked.join(" | ")));
    }

    for (const Cam& c : found)
        feed(stateReply(c, false), c.mac);
    QCOMPARE(tableMacs(), rows);
    for (int row = 0; row < rows.size(); ++row) {
        const Cam& c = *std::find_if(found.begin(), found.end(), [&](const Cam& f) { return f.mac == rows[row]; });
        QVERIFY(showsIcon(table()->item(row, 0), ":/images/radio_uncheck.png"));
        QCOMPARE(table()->item(row, 2) != nullptr, c.registered != "1"); // the "new" mark
        QCOMPARE(table()->item(row, 3)->text(), QString::fromLatin1(c.name));
        QCOMPARE(table()->item(row, 5)->toolTip(), "Model Name : " + QString::fromLatin1(c.model));
        QCOMPARE(table()->rowHeight(row), 40);
    }
}

void TestDiscovery::oneRowPerMac_data()
{
    QTest::addColumn<QString>("again");
    QTest::addColumn<bool>("viaCore");
    QTest::newRow("same answer again") << kA.mac << true;
    QTest::newRow("answer in lower case") << kA.mac.toLower() << true;
    QTest::newRow("second record in lower case") << kA.mac.toLower() << false;
}

void TestDiscovery::oneRowPerMac()
{
    QFETCH(QString, again);
    QFETCH(bool, viaCore);
    listCameras({kA});
    QCOMPARE(table()->rowCount(), 1);

    LogRecorder log;
    if (viaCore) {
        feed(scanReply(kA, again), kA.mac);
        feed(stateReply(kA, false), kA.mac);
    } else {
        IPCamera copy = IPCameraList.first();
        copy.MAC = again;
        IPCameraList.append(copy);
        gDiscoveryPage->updateDeviceTableList(IPCameraList.size() - 1);
    }
    QCOMPARE(table()->rowCount(), 1);
    QVERIFY(!log.matching("Duplicate IPCamera, don't insert to the DeviceTableList!!").isEmpty());
}

void TestDiscovery::listingWaitsForPasswordState_data()
{
    QTest::addColumn<Cam>("camera");
    QTest::addColumn<bool>("accessPointRoad");
    QTest::addColumn<bool>("busyPictureStays");
    QTest::newRow("new protocol") << kA << false << false;
    QTest::newRow("new protocol, access-point road") << kA << true << true;
    QTest::newRow("old protocol") << kOld << false << true;
}

void TestDiscovery::listingWaitsForPasswordState()
{
    QFETCH(Cam, camera);
    QFETCH(bool, accessPointRoad);
    QFETCH(bool, busyPictureStays);
    isAPModeFlow = accessPointRoad;
    gDiscoveryPage->scanDevices();
    gDiscoveryPage->checkDeviceDiscoveryTimer->stop();

    feed(scanReply(camera, camera.mac), camera.mac);
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(IPCameraList.first().dcpStatus,
             int(isNewDcp(camera.version) ? IPCamera::WAIT_PWD_STATUS : IPCamera::WAIT_INFO));
    feed(stateReply(camera, false), camera.mac);
    QCOMPARE(table()->rowCount(), 1);
    QCOMPARE(!gMainpage->loadingImageLabel->isHidden(), busyPictureStays);
    gDiscoveryPage->pressBackButton();
}

void TestDiscovery::indexWithoutCameraAddsNoRow()
{
    // A queued answer that arrives after the list was emptied.
    emit gDCPUtils->foundDevice(0);
    emit gDCPUtils->gotPasswordInitStatus(3);
    deliver();
    gDiscoveryPage->updateDeviceTableList(-1);
    QCOMPARE(table()->rowCount(), 0);
}

void TestDiscovery::nonAsciiNameInCell()
{
    Cam camera = kA;
    camera.name = "Küche 門";
    listCameras({camera});
    QCOMPARE(table()->item(0, 3)->text(), QString::fromUtf8("Küche 門"));
}

// --- Choice and hand-over --------------------------------------------------------------------

void TestDiscovery::selectionByMac_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("lowerCaseCell");
    QTest::addColumn<int>("chosen"); // position in IPCameraList, found in the order R, A, B
    QTest::newRow("first row by its mark") << 0 << 0 << false << 1;
    QTest::newRow("registered row by its name") << 2 << 3 << false << 0;
    QTest::newRow("middle row by its address") << 1 << 5 << false << 2;
    QTest::newRow("lower-case MAC in the cell") << 1 << 4 << true << 2;
}

void TestDiscovery::selectionByMac()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, lowerCaseCell);
    QFETCH(int, chosen);
    listCameras({kR, kA, kB});
    QCOMPARE(tableMacs(), (QStringList{kA.mac, kB.mac, kR.mac}));
    if (lowerCaseCell)
        table()->item(row, 4)->setText(table()->item(row, 4)->text().toLower());
    gDiscoveryPage->ui->discoveryInputPassword_LineEdit->setText("typed");

    LogRecorder log;
    emit table()->cellClicked(row, column);
    QCOMPARE(IPCameraIdx, chosen);
    QVERIFY(!log.matching(QString("00 IPCamera List Idx : %1").arg(chosen)).isEmpty());
    QVERIFY(gDiscoveryPage->ui->discoveryNext_Button->isEnabled());
    QVERIFY(gDiscoveryPage->ui->discoveryNext_Button->styleSheet().contains("btn_blue.png"));
    QVERIFY(gDiscoveryPage->ui->discoveryInputPassword_LineEdit->text().isEmpty());
    for (int r = 0; r < table()->rowCount(); ++r)
        QVERIFY(showsIcon(table()->item(r, 0), r == row ? ":/images/radio_check.png" : ":/images/radio_uncheck.png"));
}

void TestDiscovery::clickWithoutRecord()
{
    listCameras({kA});
    IPCameraList.clear(); // the row outlived its record
    const QString caption = setup()->dsetupCameraPasscode_Label->text();
    emit table()->cellClicked(0, 3);
    QCOMPARE(IPCameraIdx, -1);
    QVERIFY(gDiscoveryPage->ui->discoveryNext_Button->isEnabled());
    QCOMPARE(setup()->dsetupCameraPasscode_Label->text(), caption);
}

void TestDiscovery::passwordRowsForChoice_data()
{
    QTest::addColumn<Cam>("camera");
    QTest::addColumn<bool>("hasPassword");
    QTest::addColumn<bool>("newPassword");
    QTest::newRow("new camera without password") << kA << false << true;
    QTest::newRow("new camera with password") << kA << true << false;
    QTest::newRow("registered camera without password") << kR << false << false;
    QTest::newRow("old camera without password") << kOld << false << true;
    QTest::newRow("old camera with password") << kOld << true << false;
}

void TestDiscovery::passwordRowsForChoice()
{
    QFETCH(Cam, camera);
    QFETCH(bool, hasPassword);
    QFETCH(bool, newPassword);
    listCameras({camera}, hasPassword);
    emit table()->cellClicked(0, 0);

    Ui_DeviceSetupPage* s = setup();
    QCOMPARE(s->dsetupCameraPasscode_Label->text(), QString(newPassword ? "Camera Password :" : "Current Password :"));
    QVERIFY(!s->dsetupCameraPasscode_LineEdit->isHidden());
    QCOMPARE(s->dsetupRetypePasscode_LineEdit->isHidden(), !newPassword);
    QCOMPARE(s->dsetupRetypePasscode_Label->isHidden(), !newPassword);
    QCOMPARE(s->dsetupForgotPassword_Label->isHidden(), newPassword);
    QCOMPARE(s->dsetupPasswordErrorHint_Label->isHidden(), !newPassword);
    QCOMPARE(s->dsetupTimeSettings_GroupBox->geometry(), newPassword ? QRect(0, 295, 800, 150) : QRect(0, 255, 800, 150));
    QCOMPARE(s->dsetupDSTSwitch_GroupBox->geometry(),
             newPassword ? QRect(442, 255, 261, 41) : QRect(442, 215, 261, 41));
    QCOMPARE(s->dsetupTimeZone_Label->geometry(), newPassword ? QRect(50, 225, 140, 20) : QRect(50, 175, 140, 20));
    QCOMPARE(s->dsetupTimeZoneComboBox_comboBox->geometry(),
             newPassword ? QRect(210, 224, 233, 27) : QRect(210, 173, 233, 27));
    QCOMPARE(s->dsetupDSTCheckBox_CheckBox->geometry(),
             newPassword ? QRect(210, 260, 233, 27) : QRect(210, 222, 233, 27));
}

void TestDiscovery::handOver_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QString>("logged");
    const QDate winter(2024, 1, 15);
    const QDate summer(2024, 7, 15);
    QTest::newRow("Berlin in winter") << QByteArray("Europe/Berlin") << winter << "1"
                                      << "(GMT+1:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna" << "Adding idx: ";
    QTest::newRow("Berlin in summer") << QByteArray("Europe/Berlin") << summer << "1"
                                      << "(GMT+2:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius"
                                      << "Adding tmpIndex: ";
    QTest::newRow("New York") << QByteArray("America/New_York") << winter << "1" << "(GMT-5:00) Bogota, Lima, Quito"
                              << "Adding tmpIndex: ";
    QTest::newRow("Brisbane") << QByteArray("Australia/Brisbane") << winter << "1" << "(GMT+10:00) Brisbane"
                              << "Adding idx: ";
    QTest::newRow("UTC") << QByteArray("UTC") << winter << "1"
                         << "(GMT+0:00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London" << "Adding tmpIndex: ";
    QTest::newRow("UTC, T4X list") << QByteArray("UTC") << winter << "" << "(GMT+0:00) Casablanca Monrovia, Reykjavik"
                                   << "Adding tmpIndex: ";
    QTest::newRow("New York, T4X list") << QByteArray("America/New_York") << winter << ""
                                        << "(GMT-5:00) Bogota, Lima, Quito, Rio Branco" << "Adding tmpIndex: ";
}

void TestDiscovery::handOver()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, dialect);
    QFETCH(QString, preselected);
    QFETCH(QString, logged);

    const QByteArray oldZone = qgetenv("TZ");
    setZone(zone);
    WallClock::setClockForTests([date] { return QDateTime(date, QTime(12, 0)); });
    Cam camera = kA;
    camera.name = "Café-1";
    CGIProtocolMap[QString::fromLatin1(camera.model)] = dialect;
    gDiscoveryPage->scanDevices(); // a scan still under way
    listCameras({camera});
    emit table()->cellClicked(0, 3);
    setup()->dsetupDSTCheckBox_CheckBox->setChecked(true);
    setup()->dsetupDSTAuto_RadioButton->setChecked(false);
    setup()->dsetupDSTSwitch_GroupBox->show();

    LogRecorder log;
    gDiscoveryPage->ui->discoveryNext_Button->click();
    WallClock::setClockForTests(nullptr);
    setZone(oldZone);

    QComboBox* zones = setup()->dsetupTimeZoneComboBox_comboBox;
    QCOMPARE(zones->currentText(), preselected);
    QCOMPARE(zones->count(), dialect == "1" ? 94 : 84);
    QVERIFY2(!log.matching(logged).isEmpty(), qPrintable(log.lines.join('\n').right(2000)));
    QCOMPARE(setup()->dsetupCameraModelVaule_Label->text(), QString::fromLatin1(camera.model));
    QCOMPARE(setup()->dsetupCameraName_LineEdit->text(), QString::fromUtf8("Café-1"));
    QVERIFY(setup()->dsetupTiltle_Label->text().contains("Give Your Camera a Name and<br>Password"));
    QVERIFY(!setup()->dsetupDSTCheckBox_CheckBox->isChecked());
    QVERIFY(setup()->dsetupDSTAuto_RadioButton->isChecked());
    QVERIFY(setup()->dsetupDSTSwitch_GroupBox->isHidden());
    QVERIFY(setup()->dsetupTimeSettings_GroupBox->isHidden());
    QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QCOMPARE(gDiscoveryPage->waitDiscoveryNumber, 0);
    QVERIFY(gDiscoveryPage->isHidden());
    QVERIFY(!gDeviceSetupPage->isHidden());
    QCOMPARE(gMainpage->ui->mainProgress_Label->styleSheet(), QString("background-image: url(:/images/step_02.png)"));
    QCOMPARE(gMainpage->ui->mainProgressContent_Label->text(), QString("Set up and secure your camera"));
    CGIProtocolMap.clear();
}

void TestDiscovery::zoneListHeldOnce()
{
    listCameras({kA, kB});
    CGIProtocolMap = {{"VKC-1420", "1"}, {"VKC-2000", "0"}};
    for (int row : {0, 0, 1}) {
        emit table()->cellClicked(row, 0);
        gDiscoveryPage->pressNextButton();
        QCOMPARE(setup()->dsetupTimeZoneComboBox_comboBox->count(), row == 0 ? 94 : 84);
        QCOMPARE(setup()->dsetupTimeZoneComboBox_comboBox->itemData(0).toString(), QString("-12"));
    }
    CGIProtocolMap.clear();
}

void TestDiscovery::nextWithoutChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("no choice yet") << -1;
    QTest::newRow("list emptied since") << 2;
}

void TestDiscovery::nextWithoutChoice()
{
    QFETCH(int, index);
    IPCameraIdx = index;
    gDeviceSetupPage->hide();
    gMainpage->showPage(nullptr, gDiscoveryPage);
    LogRecorder log;
    gDiscoveryPage->pressNextButton();
    QVERIFY(log.lines.isEmpty());
    QVERIFY(!gDiscoveryPage->isHidden());
    QVERIFY(gDeviceSetupPage->isHidden());
}

void TestDiscovery::backClearsEverything()
{
    gDiscoveryPage->scanDevices();
    listCameras({kR, kA, kB});
    supportType = "VKC-2000";
    emit table()->cellClicked(1, 0);
    QCOMPARE(IPCameraIdx, 2);
    setup()->dsetupCGIIamge_Label->setText("picture");
    setup()->dsetupCGIIamge_Label->show();

    LogRecorder log;
    gDiscoveryPage->ui->discoveryPrev_Button->click();
    QCOMPARE(log.matching("removeRow ---------------").size(), 3);
    QCOMPARE(table()->rowCount(), 0);
    QVERIFY(IPCameraList.isEmpty());
    QCOMPARE(supportType, QString(""));
    QCOMPARE(IPCameraIdx, 2);
    QVERIFY(!gDiscoveryPage->ui->discoveryNext_Button->isEnabled());
    QVERIFY(gDiscoveryPage->ui->discoveryNext_Button->styleSheet().contains("btn_blue_disable.png"));
    QVERIFY(gDiscoveryPage->ui->discoveryInputPassword_LineEdit->isHidden());
    QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QVERIFY(gMainpage->loadingImageLabel->isHidden());
    QVERIFY(setup()->dsetupCGIIamge_Label->isHidden());
    QVERIFY(setup()->dsetupCGIIamge_Label->text().isEmpty());
    QCOMPARE(gMainpage->ui->mainProgress_Label->styleSheet(), QString("background-image: url(:/images/step_01.png)"));
    QCOMPARE(gMainpage->ui->mainProgressContent_Label->text(), QString("Let's connect the camera to your network"));
    QVERIFY(gDiscoveryPage->isHidden());
    QVERIFY(!gCameraConnectionPage->isHidden());
}

void TestDiscovery::scanButton()
{
    listCameras({kA});
    emit table()->cellClicked(0, 0);
    gDiscoveryPage->ui->discoveryRefresh_Button->click();
    QCOMPARE(table()->rowCount(), 0);
    QVERIFY(IPCameraList.isEmpty());
    QVERIFY(!gDiscoveryPage->ui->discoveryNext_Button->isEnabled());
    QVERIFY(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QCOMPARE(gDiscoveryPage->waitDiscoveryNumber, 0);
    gDiscoveryPage->checkDeviceDiscoveryTimer->stop();
}

void TestDiscovery::popups_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("picture");
    QTest::newRow("camera not found") << "popupCameraNotFound" << "pressMsgCameraNotFoundCloseButton"
                                      << "CameraNotFoundWarning" << 250 << false;
    QTest::newRow("what is a MAC") << "popupWhatIsMAC" << "pressMsgCloseButton" << "whatIsMACWarning" << 400 << true;
}

void TestDiscovery::popups()
{
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(QString, name);
    QFETCH(int, height);
    QFETCH(bool, picture);

    QVERIFY(QMetaObject::invokeMethod(gDiscoveryPage, open.toLatin1()));
    MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>(name);
    QVERIFY(popup);
    QCOMPARE(popup->geometry(), QRect((800 - 618) / 2, (650 - height) / 2, 618, height));
    QVERIFY(!gMainpage->lockScreenLabel->isHidden());
    QCOMPARE(!popup->ui->msgBoxImageLabel->isHidden(), picture);
    QCOMPARE(popup->ui->msgBoxRightBtn_Button->geometry(), QRect(480, height - 50, 111, 24));

    popup->ui->msgBoxRightBtn_Button->click();
    QVERIFY(!gMainpage->findChild<MessageBoxPage*>(name));
    QVERIFY(gMainpage->lockScreenLabel->isHidden());

    // Closing again, with the popup gone, still takes the dimming away.
    gMainpage->lockScreenLabel->show();
    QVERIFY(QMetaObject::invokeMethod(gDiscoveryPage, close.toLatin1()));
    QVERIFY(gMainpage->lockScreenLabel->isHidden());
}

QTEST_MAIN(TestDiscovery)
#include "tst_discovery.moc"

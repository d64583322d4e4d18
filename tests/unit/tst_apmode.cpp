// The access-point road: its rules as tables, and its four pages driven tick by tick.
// Requests go to a loopback receiver, camera replies are fed to the DCP core, the CGI
// request reaches the camera simulator on 127.0.0.1; nothing leaves this machine.

#include <QtTest>

#include "apmode/apmodedevicetorouter.h"
#include "apmode/apmodehosttodevice.h"
#include "apmode/apmodehosttodevicepasswordverify.h"
#include "apmode/apmodehosttorouter.h"
#include "apmode/apmoderules.h"
#include "dcptestkit.h"
#include "guide/cameraconnectionpage.h"
#include "protocol/dcputils.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"

using namespace dcptest;
using APModeRules::FindVerdict;

namespace {

const char* const kAP = "10.255.255.1";

struct Cam
{
    QByteArray model;
    QString ip;
    int status;
};

IPCamera record(const Cam& c)
{
    IPCamera camera;
    camera.MAC = kCamMac;
    camera.MACHost = kPcMac;
    camera.modelName = c.model;
    camera.IPAddr = c.ip;
    camera.dcpStatus = c.status;
    camera.DCPVersion = "2.0";
    return camera;
}

IPCamera& addCam(const Cam& c, const QByteArray& version = "2.0", const QByteArray& bPassword = "0",
                 const QByteArray& password = QByteArray())
{
    IPCameraList.append(record(c));
    IPCamera& camera = IPCameraList.last();
    camera.DCPVersion = version;
    camera.bPassword = bPassword;
    camera.password = password;
    return camera;
}

void deliver()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

MessageBoxPage* popup(const char* name)
{
    return gMainpage->findChild<MessageBoxPage*>(name);
}

void closeEverything()
{
    for (QWidget* w : gMainpage->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->objectName().endsWith("Warning") || w->objectName().endsWith("MsgBox"))
            delete w;
}

// Two access points: an open one and a secured one.
void giveAccessPoints(IPCamera& camera, int count = 2)
{
    APSearchResult& list = camera.APConfig;
    list = APSearchResult();
    for (int i = 0; i < count; ++i) {
        list.AP_Column1 << "Unknown";
        list.AP_Column2 << "40";
        list.AP_SSID << (i == 0 ? QByteArray("Cafe") : "Home" + QByteArray::number(i));
        list.AP_Column4 << "Unknown";
        list.AP_SecMethod << (i == 0 ? "0" : "3");
        list.AP_AuthMode << (i == 0 ? "0" : "4");
        list.AP_Mode << "1";
    }
    list.numAP = count;
}

// The page's survey as the camera answers it: asked on entry, then complete.
void survey(APModeDeviceToRouter* page)
{
    page->enter();
    page->checkAPListSiteSurvey();
    giveAccessPoints(IPCameraList[0]);
    IPCameraList[0].dcpStatus = IPCamera::GOT_AP;
    page->checkAPListSiteSurvey();
}

} // namespace

Q_DECLARE_METATYPE(Cam)
Q_DECLARE_METATYPE(QList<Cam>)
Q_DECLARE_METATYPE(FindVerdict)

class TestAPMode : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void classify_data();
    void classify();
    void passwordRule_data();
    void passwordRule();
    void agentVersion_data();
    void agentVersion();
    void accessPointOffRequest_data();
    void accessPointOffRequest();
    void rediscovery_data();
    void rediscovery();

    void searchTimesOutAndRetries();
    void handOver_data();
    void handOver();
    void localOnlyWaitsForPasswordState();
    void resetHintStartsOver();

    void passwordCheckedByCamera();
    void confirmationBeatsLimit();
    void passwordVersions_data();
    void passwordVersions();
    void emptyListNeverCrashes();

    void surveyPaging_data();
    void surveyPaging();
    void connectionCadenceAndRetry();
    void confirmedConnectionSwitchesAccessPointOff();
    void emptyInputRefused();
    void keyReadFromItsOwnBox();

    void rediscoveryFindsCamera();
    void rediscoveryEscalates();
    void secondVisitStartsClean();

private:
    // Ticks a slot n times and returns the class-c requests it sent.
    int ticks(int n, const std::function<void()>& tick, char cls);
    // The last class-c request sent so far.
    QByteArray lastSent(char cls);

    LoopbackReceiver receiver;
};

void TestAPMode::initTestCase()
{
    createWizardForTests();
    gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
}

void TestAPMode::init()
{
    resetGlobals();
    isLocalView = false;
    supportType = "VKC-1420";
    tryDiscoveryNum = 0;
    while (!receiver.quiet(0)) {
    }
}

void TestAPMode::cleanup()
{
    closeEverything();
    for (QTimer* t : {gAPModeHostToDevice->checkAPModeDiscoveryTimer,
                      gAPModeHostToDevicePasswordVerify->checkAPModePasswordTimer,
                      gAPModeDeviceToRouter->checkAPListSiteSurveyTimer,
                      gAPModeDeviceToRouter->checkAPClientAutoConnectTimer,
                      gAPModeDeviceToRouter->checkAPClientManualConnectTimer,
                      gAPModeHostToRouter->recheckWizardInternetTimer,
                      gAPModeHostToRouter->checkAPClientModeDiscoveryTimer, gDiscoveryPage->checkDeviceDiscoveryTimer})
        t->stop();
    gMainpage->hideBusy();
}

int TestAPMode::ticks(int n, const std::function<void()>& tick, char cls)
{
    int sent = 0;
    for (int i = 0; i < n; ++i) {
        tick();
        QByteArray text;
        while (!(text = receiver.nextText(0)).isEmpty())
            sent += text.startsWith(cls) ? 1 : 0;
    }
    return sent;
}

QByteArray TestAPMode::lastSent(char cls)
{
    QByteArray last, text;
    while (!(text = receiver.nextText(200)).isEmpty())
        if (text.startsWith(cls))
            last = text;
    return last;
}

// ---------------------------------------------------------------------------
// Rules

void TestAPMode::classify_data()
{
    QTest::addColumn<QList<Cam>>("cameras");
    QTest::addColumn<bool>("localView");
    QTest::addColumn<FindVerdict>("verdict");
    const Cam ok{"VKC-1420", kAP, 20};
    QTest::newRow("nothing yet") << QList<Cam>{} << false << FindVerdict::KeepWaiting;
    QTest::newRow("accepted") << QList<Cam>{ok} << false << FindVerdict::Accept;
    QTest::newRow("password state not yet known") << QList<Cam>{{"VKC-1420", kAP, 19}} << false
                                                   << FindVerdict::KeepWaiting;
    QTest::newRow("on the home network") << QList<Cam>{{"VKC-1420", "192.168.1.9", 20}} << false
                                         << FindVerdict::NotInAccessPointMode;
    QTest::newRow("other model at the access point") << QList<Cam>{{"VKC-2000", kAP, 11}} << false
                                                     << FindVerdict::WrongModel;
    QTest::newRow("other model elsewhere") << QList<Cam>{{"VKC-2000", "192.168.1.9", 20}} << false
                                           << FindVerdict::KeepWaiting;
    QTest::newRow("two cameras") << QList<Cam>{ok, {"VKC-2000", "192.168.1.9", 20}} << false
                                 << FindVerdict::MoreThanOne;
    QTest::newRow("local: any model") << QList<Cam>{{"VKC-2000", kAP, 20}} << true << FindVerdict::Accept;
    QTest::newRow("local: state not yet known") << QList<Cam>{{"VKC-2000", kAP, 0}} << true
                                                << FindVerdict::KeepWaiting;
    QTest::newRow("local: elsewhere") << QList<Cam>{{"VKC-2000", "192.168.1.9", 0}} << true
                                      << FindVerdict::NotInAccessPointMode;
}

void TestAPMode::classify()
{
    QFETCH(QList<Cam>, cameras);
    QFETCH(bool, localView);
    QFETCH(FindVerdict, verdict);
    QList<IPCamera> list;
    for (const Cam& c : cameras)
        list.append(record(c));
    QCOMPARE(APModeRules::classifyFoundCameras(list, localView ? "ALL" : "VKC-1420", localView), verdict);
}

void TestAPMode::passwordRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("alphanumeric");
    QTest::addColumn<bool>("fits");
    QTest::newRow("six marks") << "!#$%&~" << false << true;
    QTest::newRow("thirty") << QString(30, 'a') << false << true;
    QTest::newRow("five") << "abcde" << false << false;
    QTest::newRow("thirty-one") << QString(31, 'a') << false << false;
    QTest::newRow("space") << "abc def" << false << false;
    QTest::newRow("tab") << "abc\tdef" << false << false;
    QTest::newRow("non-ASCII letter") << "abcdéf" << false << false;
    QTest::newRow("alphanumeric") << "abc123" << true << true;
    QTest::newRow("alphanumeric refuses marks") << "abc12!" << true << false;
}

void TestAPMode::passwordRule()
{
    QFETCH(QString, text);
    QFETCH(bool, alphanumeric);
    QFETCH(bool, fits);
    QCOMPARE(APModeRules::passwordFitsRule(text, alphanumeric), fits);
    QCOMPARE(QString(APModeRules::passwordRuleHint(alphanumeric)).contains("alphanumeric"), alphanumeric);
}

void TestAPMode::agentVersion_data()
{
    QTest::addColumn<QByteArray>("agent");
    QTest::addColumn<bool>("straightOn");
    QTest::newRow("b83") << QByteArray("2.0.17-b83") << true;
    QTest::newRow("b9") << QByteArray("2.0.17-b9") << true;
    QTest::newRow("2.0.2") << QByteArray("2.0.2") << true;
    QTest::newRow("b82") << QByteArray("2.0.17-b82") << false;
    QTest::newRow("2.0.17") << QByteArray("2.0.17") << false;
    QTest::newRow("2.0.100") << QByteArray("2.0.100") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestAPMode::agentVersion()
{
    QFETCH(QByteArray, agent);
    QFETCH(bool, straightOn);
    QCOMPARE(APModeRules::agentSwitchesAccessPointOff(agent), straightOn);
}

void TestAPMode::accessPointOffRequest_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("port");
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("credentials");
    const QString t4x = "/wireless.cgi?WirelessDisable=0&WirelessMode=0&ConfigReboot=No";
    QTest::newRow("korva, port") << QByteArray("2.0") << QByteArray("8443") << "1" << QByteArray("cGFzczE=")
                                 << "https://10.255.255.1:8443/config/wireless_ap.cgi?enable=off"
                                 << QByteArray("admin:pass1");
    QTest::newRow("t4x, no port") << QByteArray("2.3") << QByteArray() << "0" << QByteArray("cGFzczE=")
                                  << "https://10.255.255.1" + t4x << QByteArray("admin:pass1");
    QTest::newRow("no dialect") << QByteArray("2.0") << QByteArray() << "" << QByteArray("cGFzczE=")
                                << "https://10.255.255.1" + t4x << QByteArray("admin:pass1");
    QTest::newRow("old camera: no port, raw password") << QByteArray("1.9") << QByteArray("8443") << "1"
                                                        << QByteArray("pass1")
                                                        << "https://10.255.255.1/config/wireless_ap.cgi?enable=off"
                                                        << QByteArray("admin:pass1");
}

void TestAPMode::accessPointOffRequest()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, port);
    QFETCH(QString, dialect);
    QFETCH(QByteArray, password);
    QFETCH(QString, url);
    QFETCH(QByteArray, credentials);
    IPCamera camera = record({"VKC-1420", kAP, 0});
    camera.DCPVersion = version;
    camera.networkconf.Https_port = port;
    camera.password = password;
    const QNetworkRequest request = APModeRules::accessPointOffRequest(camera, dialect);
    QCOMPARE(request.url().toString(QUrl::FullyEncoded), url);
    QCOMPARE(request.rawHeader("Authorization"), "Basic " + credentials.toBase64());
}

void TestAPMode::rediscovery_data()
{
    QTest::addColumn<Cam>("camera");
    QTest::addColumn<bool>("localView");
    QTest::addColumn<bool>("passes");
    QTest::newRow("home address") << Cam{"VKC-1420", "192.168.1.9", 20} << false << true;
    QTest::newRow("still on its access point") << Cam{"VKC-1420", kAP, 20} << false << false;
    QTest::newRow("factory address") << Cam{"VKC-1420", "192.168.0.20", 20} << false << false;
    QTest::newRow("other model") << Cam{"VKC-2000", "192.168.1.9", 20} << false << false;
    QTest::newRow("password state unknown") << Cam{"VKC-1420", "192.168.1.9", 11} << false << false;
    QTest::newRow("local: any model") << Cam{"VKC-2000", "192.168.1.9", 20} << true << true;
}

void TestAPMode::rediscovery()
{
    QFETCH(Cam, camera);
    QFETCH(bool, localView);
    QFETCH(bool, passes);
    QCOMPARE(APModeRules::passesRediscovery(record(camera), "VKC-1420", localView), passes);
}

// ---------------------------------------------------------------------------
// Finding the camera on its access point

void TestAPMode::searchTimesOutAndRetries()
{
    APModeHostToDevice* page = gAPModeHostToDevice;
    page->pressNextButton();
    page->waitAPModeDiscoveryNumber = 30;
    page->checkAPModeDiscovery();
    QVERIFY(popup("APModeDiscoveryFailedWarning"));
    QVERIFY(!page->checkAPModeDiscoveryTimer->isActive());
    QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QVERIFY(!gMainpage->isBusy());

    addCam({"VKC-1420", "192.168.1.9", 20});
    popup("APModeDiscoveryFailedWarning")->ui->msgBoxRightBtn_Button->click();
    QVERIFY(!popup("APModeDiscoveryFailedWarning"));
    QVERIFY(IPCameraList.isEmpty());
    QCOMPARE(page->waitAPModeDiscoveryNumber, 0);
    QVERIFY(page->checkAPModeDiscoveryTimer->isActive());
}

void TestAPMode::handOver_data()
{
    QTest::addColumn<QByteArray>("bPassword");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<bool>("toRouterPage");
    QTest::newRow("no password yet") << QByteArray("1") << QByteArray() << true;
    QTest::newRow("has a password") << QByteArray("0") << QByteArray() << false;
    QTest::newRow("flag with a stored password") << QByteArray("1") << QByteArray("cHc=") << false;
}

void TestAPMode::handOver()
{
    QFETCH(QByteArray, bPassword);
    QFETCH(QByteArray, password);
    QFETCH(bool, toRouterPage);
    gMainpage->showPage(nullptr, gAPModeHostToDevice);
    gAPModeHostToDevice->pressNextButton();
    addCam({"VKC-1420", kAP, 20}, "2.0", bPassword, password);
    gAPModeHostToDevice->checkAPModeDiscovery();
    QVERIFY(gAPModeHostToDevice->isHidden());
    QCOMPARE(!gAPModeDeviceToRouter->isHidden(), toRouterPage);
    QCOMPARE(!gAPModeHostToDevicePasswordVerify->isHidden(), !toRouterPage);
    QCOMPARE(gAPModeDeviceToRouter->checkAPListSiteSurveyTimer->isActive(), toRouterPage);
    QCOMPARE(gMainpage->isBusy(), toRouterPage);
    QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    gAPModeDeviceToRouter->hide();
    gAPModeHostToDevicePasswordVerify->hide();
}

void TestAPMode::localOnlyWaitsForPasswordState()
{
    isLocalView = true;
    supportType = "ALL";
    gMainpage->showPage(nullptr, gAPModeHostToDevicePasswordVerify);
    gAPModeHostToDevice->pressNextButton();
    IPCamera& camera = addCam({"VKC-2000", kAP, 19});
    gAPModeHostToDevice->checkAPModeDiscovery();
    QVERIFY(!popup("CameraModelNotMatchWarning"));
    QVERIFY(gAPModeHostToDevice->checkAPModeDiscoveryTimer->isActive());
    camera.dcpStatus = IPCamera::GOT_PWD_STATUS;
    gAPModeHostToDevice->checkAPModeDiscovery();
    QVERIFY(!gAPModeHostToDevicePasswordVerify->isHidden());
    gAPModeHostToDevicePasswordVerify->hide();
}

void TestAPMode::resetHintStartsOver()
{
    gMainpage->showPage(nullptr, gAPModeHostToDevice);
    gCameraConnectionPage->ui->cconnection_ComboBox->addItem("VKC-1420");
    gCameraConnectionPage->ui->cconnection_ComboBox->setCurrentIndex(
        gCameraConnectionPage->ui->cconnection_ComboBox->count() - 1);
    gAPModeHostToDevice->pressNextButton();
    addCam({"VKC-1420", "192.168.1.9", 20});
    gAPModeHostToDevice->checkAPModeDiscovery();
    MessageBoxPage* notAP = popup("NotAPModeFailedWarning");
    QVERIFY(notAP);
    QCOMPARE(notAP->ui->msgBoxRightBtn_Button->text(), QString("Reset"));
    notAP->ui->msgBoxRightBtn_Button->click();
    QVERIFY(popup("resetYourCameraWarning"));
    popup("resetYourCameraWarning")->ui->msgBoxRightBtn_Button->click();
    QVERIFY(!popup("resetYourCameraWarning"));
    QVERIFY(!gCameraConnectionPage->isHidden());
    QVERIFY(gAPModeHostToDevice->isHidden());
    QCOMPARE(gCameraConnectionPage->ui->cconnection_ComboBox->currentIndex(), 0);
    QVERIFY(gMainpage->ui->mainProgress_Label->styleSheet().contains("step_01"));
    gCameraConnectionPage->hide();
}

// ---------------------------------------------------------------------------
// Password check

void TestAPMode::passwordCheckedByCamera()
{
    APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
    isAPModeFlow = true;
    gMainpage->showPage(nullptr, page);
    page->enter();
    addCam({"VKC-1420", kAP, 20}, "2.0", "0");
    page->ui->apH2DPVCameraPasscode_LineEdit->setText("secret1");
    page->pressNextButton();
    page->checkAPModePasswordResult();
    const QByteArray head = "7;M=" + kCamMac.toLatin1() + ";D=VKC-1420";
    QCOMPARE(receiver.nextText(), head + ";X=" + md5Hex(head + "secret1"));

    gDCPUtils->handleDatagram(replyDatagram(head + ";R=1;"));
    deliver();
    page->checkAPModePasswordResult();
    QVERIFY(!gAPModeDeviceToRouter->isHidden());
    QCOMPARE(IPCameraList[0].password, QByteArray("secret1").toBase64());
    gAPModeDeviceToRouter->hide();
}

void TestAPMode::confirmationBeatsLimit()
{
    APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
    gMainpage->showPage(nullptr, page);
    addCam({"VKC-1420", kAP, 16}, "2.0", "0");
    page->passwordMatched = true;
    page->waitPasswordNumber = 30;
    page->checkAPModePasswordTimer->start(1000);
    page->checkAPModePasswordResult();
    QVERIFY(!popup("APModePasswordErrorMsgBox"));
    QVERIFY(!gAPModeDeviceToRouter->isHidden());
    gAPModeDeviceToRouter->hide();

    // Without a confirmation the limit opens the error popup; OK makes the field ready again.
    gMainpage->showPage(nullptr, page);
    page->ui->apH2DPVCameraPasscode_LineEdit->setText("secret1");
    page->pressNextButton();
    page->waitPasswordNumber = 30;
    page->checkAPModePasswordResult();
    QVERIFY(popup("APModePasswordErrorMsgBox"));
    QVERIFY(!page->ui->apH2DPVCameraPasscode_LineEdit->isEnabled());
    popup("APModePasswordErrorMsgBox")->ui->msgBoxRightBtn_Button->click();
    QVERIFY(page->ui->apH2DPVCameraPasscode_LineEdit->isEnabled());
    QVERIFY(page->ui->apH2DPVCameraPasscode_LineEdit->text().isEmpty());
    page->hide();
}

void TestAPMode::passwordVersions_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("asksCamera");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("2.1") << QByteArray("2.1") << QByteArray() << true << false;
    QTest::newRow("1.9, same password") << QByteArray("1.9") << QByteArray("secret1") << false << true;
    QTest::newRow("empty version, other password") << QByteArray() << QByteArray("other1") << false << false;
    QTest::newRow("10.0 sorts before 2.0") << QByteArray("10.0") << QByteArray("secret1") << false << true;
}

void TestAPMode::passwordVersions()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, stored);
    QFETCH(bool, asksCamera);
    QFETCH(bool, handsOver);
    APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
    gMainpage->showPage(nullptr, page);
    addCam({"VKC-1420", kAP, 20}, version, "0", stored);
    page->ui->apH2DPVCameraPasscode_LineEdit->setText("secret1");
    page->pressNextButton();
    QCOMPARE(ticks(1, [page] { page->checkAPModePasswordResult(); }, '7') == 1, asksCamera);
    QCOMPARE(!gAPModeDeviceToRouter->isHidden(), handsOver);
    QCOMPARE(bool(popup("APModePasswordErrorMsgBox")), !asksCamera && !handsOver);
    gAPModeDeviceToRouter->hide();
    page->hide();
}

void TestAPMode::emptyListNeverCrashes()
{
    APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
    page->passwordLineEditFinished();
    page->pressNextButton();
    QVERIFY(popup("APModePasswordErrorMsgBox"));
    page->sendPasswordCfg();
    page->checkAPModePasswordTimer->start(1000);
    page->checkAPModePasswordResult();
    QVERIFY(!page->checkAPModePasswordTimer->isActive());

    APModeDeviceToRouter* wifi = gAPModeDeviceToRouter;
    wifi->enter();
    wifi->checkAPListSiteSurvey();
    QVERIFY(!wifi->checkAPListSiteSurveyTimer->isActive());
    wifi->pressNextButton();
    wifi->checkAPClientAutoConnection();
    wifi->checkdAPClientManualConnection();
    wifi->sendEnableAPClientModeCGI();
    wifi->pressRescanButton();
    gAPModeHostToDevice->checkAPModeDiscovery();
}

// ---------------------------------------------------------------------------
// Camera to home Wi-Fi

void TestAPMode::surveyPaging_data()
{
    QTest::addColumn<int>("collected");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("rows");
    QTest::newRow("more than ten, never complete") << 11 << 0 << 11;
    QTest::newRow("ten, never complete") << 10 << 7 << 0;
}

void TestAPMode::surveyPaging()
{
    QFETCH(int, collected);
    QFETCH(int, requests);
    QFETCH(int, rows);
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    IPCamera& camera = addCam({"VKC-1420", kAP, 20});
    giveAccessPoints(camera, collected);
    page->enter();
    // The camera's reply parser is not fed: each re-ask drops what was collected.
    const int sent = ticks(31, [&] {
        if (!page->checkAPListSiteSurveyTimer->isActive())
            return;
        if (IPCameraList[0].APConfig.numAP == 0)
            giveAccessPoints(IPCameraList[0], collected);
        page->checkAPListSiteSurvey();
    }, '4');
    QCOMPARE(sent, requests);
    QCOMPARE(page->ui->apD2RSiteSurveyList_ListWidget->count(), rows);
    QVERIFY(!page->checkAPListSiteSurveyTimer->isActive());
    QVERIFY(page->ui->apD2RManual_PushButton->isEnabled());
    QVERIFY(!popup("APModeToAPClientModeFailedWarning"));
}

void TestAPMode::connectionCadenceAndRetry()
{
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    addCam({"VKC-1420", kAP, 20});
    survey(page);
    page->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(0);
    page->pressNextButton();
    QVERIFY(page->checkAPClientAutoConnectTimer->isActive());
    QVERIFY(!gMainpage->findChild<QWidget*>("APModeInputWirelessPasswordAutoWarning"));

    auto tick = [page] { page->checkAPClientAutoConnection(); };
    QCOMPARE(ticks(60, tick, '3'), 30);
    QCOMPARE(ticks(1, tick, '3'), 0);
    QVERIFY(popup("APModeToAPClientModeFailedWarning"));
    QVERIFY(!page->checkAPClientAutoConnectTimer->isActive());

    popup("APModeToAPClientModeFailedWarning")->ui->msgBoxRightBtn_Button->click();
    QVERIFY(page->checkAPClientAutoConnectTimer->isActive());
    QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
    QCOMPARE(page->waitAPClientAutoConnectNumber, 0);
}

void TestAPMode::confirmedConnectionSwitchesAccessPointOff()
{
    CamCgiServer cgi("pass1");
    QVERIFY2(cgi.start(), qPrintable(cgi.error));
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    IPCamera& camera = addCam({"VKC-1420", kAP, 20}, "2.0", "0", QByteArray("pass1").toBase64());
    giveAccessPoints(camera);
    camera.IPAddr = cgi.address();
    camera.networkconf.Https_port = cgi.httpsPort();
    camera.AgentVersion = "2.0.17-b83";
    CGIProtocolMap.insert("VKC-1420", "1");
    gMainpage->showPage(nullptr, page);
    for (int pass = 0; pass < 2; ++pass) {
        survey(page);
        page->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(0);
        page->pressNextButton();
        auto tick = [page] { page->checkAPClientAutoConnection(); };
        // A second pass in one run asks the camera again, from a clean state.
        QCOMPARE(ticks(1, tick, '3'), 1);
            IPCameraList[0].dcpStatus = IPCamera::GOT_NETWORK_SETUP;
        QCOMPARE(ticks(1, tick, '3'), 0);
        QVERIFY(!gAPModeHostToRouter->isHidden());
        QCOMPARE(gAPModeHostToRouter->ui->apH2RSameNetworkName_Label->text(), QString("Cafe"));
        QVERIFY(cgi.waitForRecords(pass + 1));
        gMainpage->showPage(gAPModeHostToRouter, page);
    }
    const QJsonObject request = cgi.records().last();
    QCOMPARE(request.value("path").toString(), QString("/config/wireless_ap.cgi"));
    QCOMPARE(request.value("query").toString(), QString("enable=off"));
    QCOMPARE(request.value("password_ok").toBool(), true);
    CGIProtocolMap.remove("VKC-1420");
    page->hide();
}

void TestAPMode::emptyInputRefused()
{
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    addCam({"VKC-1420", kAP, 20});
    page->enter();
    page->pressManualButton();
    QWidget* box = gMainpage->findChild<QWidget*>("ManualInputWirelessNetworkWarning");
    QVERIFY(box);
    QComboBox* security = box->findChild<QComboBox*>("WirelessManualSecurity_ComboBox");
    QLineEdit* ssid = box->findChild<QLineEdit*>("WirelessManualName_LineEdit");
    QPushButton* connectButton = box->findChild<QPushButton*>("WirelessManualConnect_Button");

    security->setCurrentIndex(4);
    connectButton->click();
    QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
    QVERIFY(box->findChild<QLabel*>("WirelessManualAPNameError_Label")->text().contains("SSID"));
    QVERIFY(box->findChild<QLabel*>("WirelessManualAPPasswordError_Label")->text().contains("password"));

    // An open network needs no key.
    ssid->setText("Home");
    security->setCurrentIndex(0);
    connectButton->click();
    QVERIFY(page->checkAPClientManualConnectTimer->isActive());
    QVERIFY(box->isHidden());
    page->checkdAPClientManualConnection();
    QVERIFY(lastSent('3').contains(";9=1;10=0;11=" + QByteArray("Home").toBase64() + ";14=0;15=0;18=;X="));
}

void TestAPMode::keyReadFromItsOwnBox()
{
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    addCam({"VKC-1420", kAP, 20});
    survey(page);
    // Another box's field of the same name comes first among the main window's children.
    QWidget decoy(gMainpage);
    decoy.setObjectName("otherMsgBox");
    QLineEdit other(&decoy);
    other.setObjectName("WirelessAutoPassword_LineEdit");
    other.setText("not-this");

    page->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(1);
    page->pressNextButton();
    QWidget* box = gMainpage->findChild<QWidget*>("APModeInputWirelessPasswordAutoWarning");
    QVERIFY(box);
    box->findChild<QPushButton*>("WirelessAutoConnect_Button")->click();
    QVERIFY(!page->checkAPClientAutoConnectTimer->isActive());
    box->findChild<QLineEdit*>("WirelessAutoPassword_LineEdit")->setText("homekey1");
    box->findChild<QPushButton*>("WirelessAutoConnect_Button")->click();
    QVERIFY(page->checkAPClientAutoConnectTimer->isActive());
    page->checkAPClientAutoConnection();
    QVERIFY(lastSent('3').contains(";18=" + QByteArray("homekey1").toBase64()));
}

// ---------------------------------------------------------------------------
// Computer back to home Wi-Fi

void TestAPMode::rediscoveryFindsCamera()
{
    APModeHostToRouter* page = gAPModeHostToRouter;
    gMainpage->showPage(nullptr, page);
    page->enter();
    gInternetReachable = true;
    isAPModeFlow = true;
    page->recheckInternetRequest();
    QVERIFY(page->checkAPClientModeDiscoveryTimer->isActive());
    QVERIFY(!isAPModeFlow);

    addCam({"VKC-2000", "192.168.1.8", 20});
    IPCamera& found = addCam({"VKC-1420", "192.168.1.9", 20});
    found.MAC = "00:11:22:33:44:55";
    page->checkAPClientModeDiscovery();
    QVERIFY(!gDiscoveryPage->isHidden());
    QVERIFY(page->isHidden());
    QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    QVERIFY(gMainpage->ui->mainProgress_Label->styleSheet().contains("step_01"));
    QCOMPARE(gDiscoveryPage->ui->discoveryCameraTb_TableWidget->rowCount(), 1);
    gDiscoveryPage->hide();
}

void TestAPMode::rediscoveryEscalates()
{
    APModeHostToRouter* page = gAPModeHostToRouter;
    auto timeout = [page] {
        page->waitAPClientModeDiscoveryNumber = 60;
        page->checkAPClientModeDiscovery();
    };
    struct Step
    {
        const char* opens;
        bool retry;
    };
    // Retry, Retry, then the reset popup; its close button leads to the reset hint.
    for (const Step& step : {Step{"APClientModeDiscoveryFailedWarning", true},
                             Step{"APClientModeDiscoveryFailedWarning", true},
                             Step{"APClientModeDiscoveryResetFailedWarning", false}}) {
        timeout();
        MessageBoxPage* box = popup(step.opens);
        QVERIFY2(box, step.opens);
        if (step.retry)
            box->ui->msgBoxRightBtn_Button->click();
        else
            box->ui->msgBoxClose_Button->click();
    }
    QVERIFY(popup("resetYourCameraWarning"));
    QCOMPARE(tryDiscoveryNum, 0);
    popup("resetYourCameraWarning")->ui->msgBoxLeftBtn_Button->click();

    // "Close" on the first popup starts the count again.
    tryDiscoveryNum = 1;
    timeout();
    popup("APClientModeDiscoveryFailedWarning")->ui->msgBoxLeftBtn_Button->click();
    QCOMPARE(tryDiscoveryNum, 0);
}

void TestAPMode::secondVisitStartsClean()
{
    APModeHostToRouter* page = gAPModeHostToRouter;
    isLocalView = true;
    page->gotAPClientModeCamera = true;
    page->waitAPClientModeDiscoveryNumber = 37;
    page->waitWizardInternetNumber = 5;
    page->pressNextButton();
    QCOMPARE(page->waitAPClientModeDiscoveryNumber, 0);
    QCOMPARE(page->waitWizardInternetNumber, 0);
    QVERIFY(!page->gotAPClientModeCamera);
    page->checkAPClientModeDiscovery();
    QVERIFY(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
}

QTEST_MAIN(TestAPMode)
#include "tst_apmode.moc"

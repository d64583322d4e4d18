// The access-point road: its rules as tables, and the page behaviour the end-to-end run
// cannot reach cheaply (limits, stale state, missing rows). Requests go to a loopback
// receiver; nothing leaves this machine.

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "apmode/apmodedevicetorouter.h"
#include "apmode/apmodehosttodevice.h"
#include "apmode/apmodehosttodevicepasswordverify.h"
#include "apmode/apmodehosttorouter.h"
#include "apmode/apmoderules.h"
#include "dcptestkit.h"
#include "protocol/dcputils.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"

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

IPCamera record(const Cam& c, const QByteArray& version = "2.0")
{
    IPCamera camera;
    camera.MAC = kCamMac;
    camera.MACHost = kPcMac;
    camera.modelName = c.model;
    camera.IPAddr = c.ip;
    camera.dcpStatus = c.status;
    camera.DCPVersion = version;
    return camera;
}

IPCamera& addCam(const QByteArray& version = "2.0", const QByteArray& bPassword = "0",
                 const QByteArray& password = QByteArray(), const Cam& c = {"VKC-1420", kAP, 20})
{
    IPCameraList.append(record(c, version));
    IPCameraList.last().bPassword = bPassword;
    IPCameraList.last().password = password;
    return IPCameraList.last();
}

MessageBoxPage* popup(const char* name)
{
    return gMainpage->findChild<MessageBoxPage*>(name);
}

// An open network (row 0) and a secured one (row 1), or `count` rows.
void giveAccessPoints(IPCamera& camera, int count = 2)
{
    APSearchResult& list = camera.APConfig;
    list = APSearchResult();
    for (int i = 0; i < count; ++i) {
        list.AP_SSID << "Net" + QByteArray::number(i);
        list.AP_SecMethod << (i == 0 ? "0" : "3");
        list.AP_AuthMode << (i == 0 ? "0" : "4");
        list.AP_Mode << "1";
    }
    list.numAP = count;
}

// The survey as the camera answers it: asked on entry, then complete.
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

    void handOver_data();
    void handOver();
    void confirmationBeatsLimit();
    void passwordVersions_data();
    void passwordVersions();
    void emptyListNeverCrashes();
    void surveyPaging_data();
    void surveyPaging();
    void connectionCadenceAndRetry();
    void emptyInputRefused();
    void keyReadFromItsOwnBox();
    void secondPassStartsClean();
    void rediscoveryEscalates();

private:
    // Runs tick n times; the class-c requests it sent.
    int ticks(int n, const std::function<void()>& tick, char cls);
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
    for (QWidget* w : gMainpage->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->objectName().endsWith("Warning") || w->objectName().endsWith("MsgBox"))
            delete w;
    for (QTimer* t : gMainpage->findChildren<QTimer*>())
        if (t != gMainpage->loadingTimer)
            t->stop();
    for (QWidget* page : {static_cast<QWidget*>(gAPModeHostToDevice), static_cast<QWidget*>(gDiscoveryPage),
                          static_cast<QWidget*>(gAPModeHostToDevicePasswordVerify),
                          static_cast<QWidget*>(gAPModeDeviceToRouter), static_cast<QWidget*>(gAPModeHostToRouter)}) {
        for (QTimer* t : page->findChildren<QTimer*>())
            t->stop();
        page->hide();
    }
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
    const Cam home{"VKC-1420", "192.168.1.9", 20};
    const Cam otherHome{"VKC-2000", "192.168.1.9", 20};
    QTest::newRow("nothing yet") << QList<Cam>{} << false << FindVerdict::KeepWaiting;
    QTest::newRow("accepted") << QList<Cam>{ok} << false << FindVerdict::Accept;
    QTest::newRow("state not yet known") << QList<Cam>{{"VKC-1420", kAP, 19}} << false << FindVerdict::KeepWaiting;
    QTest::newRow("on the home network") << QList<Cam>{home} << false << FindVerdict::NotInAccessPointMode;
    QTest::newRow("other model at the AP") << QList<Cam>{{"VKC-2000", kAP, 11}} << false << FindVerdict::WrongModel;
    QTest::newRow("other model elsewhere") << QList<Cam>{otherHome} << false << FindVerdict::KeepWaiting;
    QTest::newRow("two cameras") << QList<Cam>{ok, otherHome} << false << FindVerdict::MoreThanOne;
    QTest::newRow("local: any model") << QList<Cam>{{"VKC-2000", kAP, 20}} << true << FindVerdict::Accept;
    QTest::newRow("local: state unknown") << QList<Cam>{{"VKC-2000", kAP, 0}} << true << FindVerdict::KeepWaiting;
    QTest::newRow("local: elsewhere") << QList<Cam>{otherHome} << true << FindVerdict::NotInAccessPointMode;
}

void TestAPMode::classify()
{
    QFETCH(QList<Cam>, cameras);
    QFETCH(bool, localView);
    QList<IPCamera> list;
    for (const Cam& c : cameras)
        list.append(record(c));
    QTEST(APModeRules::classifyFoundCameras(list, localView ? "ALL" : "VKC-1420", localView), "verdict");
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
    QTEST(APModeRules::passwordFitsRule(text, alphanumeric), "fits");
    QCOMPARE(QString(APModeRules::passwordRuleHint(alphanumeric)).contains("alphanumeric"), alphanumeric);
}

void TestAPMode::agentVersion_data()
{
    QTest::addColumn<QByteArray>("agent");
    QTest::addColumn<bool>("straightOn");
    for (const char* v : {"2.0.17-b83", "2.0.17-b9", "2.0.2"})
        QTest::newRow(v) << QByteArray(v) << true;
    for (const char* v : {"2.0.17-b82", "2.0.17", "2.0.100", ""})
        QTest::newRow(v) << QByteArray(v) << false;
}

void TestAPMode::agentVersion()
{
    QFETCH(QByteArray, agent);
    QTEST(APModeRules::agentSwitchesAccessPointOff(agent), "straightOn");
}

void TestAPMode::accessPointOffRequest_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("url");
    const QString korva = "/config/wireless_ap.cgi?enable=off";
    const QString t4x = "/wireless.cgi?WirelessDisable=0&WirelessMode=0&ConfigReboot=No";
    QTest::newRow("korva, port") << kAP << QByteArray("2.0") << "1" << QByteArray("cGFzczE=")
                                 << "https://10.255.255.1:8443" + korva;
    QTest::newRow("no dialect") << kAP << QByteArray("2.3") << "" << QByteArray("cGFzczE=")
                                << "https://10.255.255.1:8443" + t4x;
    QTest::newRow("old camera: no port, raw password") << kAP << QByteArray("1.9") << "1" << QByteArray("pass1")
                                                        << "https://10.255.255.1" + korva;
    QTest::newRow("address not IPv4: no request") << "cam/x@evil" << QByteArray("2.0") << "1"
                                                  << QByteArray("cGFzczE=") << QString();
}

void TestAPMode::accessPointOffRequest()
{
    QFETCH(QString, ip);
    QFETCH(QByteArray, version);
    QFETCH(QString, dialect);
    QFETCH(QByteArray, password);
    IPCamera camera = record({"VKC-1420", ip, 0}, version);
    camera.networkconf.Https_port = "8443";
    camera.password = password;
    const QNetworkRequest request = APModeRules::accessPointOffRequest(camera, dialect);
    QTEST(request.url().toString(QUrl::FullyEncoded), "url");
    QCOMPARE(request.rawHeader("Authorization"),
             request.url().isEmpty() ? QByteArray() : "Basic " + QByteArray("admin:pass1").toBase64());
}

void TestAPMode::rediscovery_data()
{
    QTest::addColumn<Cam>("camera");
    QTest::addColumn<bool>("localView");
    QTest::addColumn<bool>("passes");
    QTest::newRow("home address") << Cam{"VKC-1420", "192.168.1.9", 20} << false << true;
    QTest::newRow("still on its AP") << Cam{"VKC-1420", kAP, 20} << false << false;
    QTest::newRow("factory address") << Cam{"VKC-1420", "192.168.0.20", 20} << false << false;
    QTest::newRow("other model") << Cam{"VKC-2000", "192.168.1.9", 20} << false << false;
    QTest::newRow("state unknown") << Cam{"VKC-1420", "192.168.1.9", 11} << false << false;
    QTest::newRow("local: any model") << Cam{"VKC-2000", "192.168.1.9", 20} << true << true;
}

void TestAPMode::rediscovery()
{
    QFETCH(Cam, camera);
    QFETCH(bool, localView);
    QTEST(APModeRules::passesRediscovery(record(camera), "VKC-1420", localView), "passes");
}

// ---------------------------------------------------------------------------
// Pages

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
    addCam("2.0", bPassword, password);
    gAPModeHostToDevice->checkAPModeDiscovery();
    QVERIFY(gAPModeHostToDevice->isHidden());
    QCOMPARE(gAPModeDeviceToRouter->isHidden(), !toRouterPage);
    QCOMPARE(gAPModeHostToDevicePasswordVerify->isHidden(), toRouterPage);
    QCOMPARE(gAPModeDeviceToRouter->checkAPListSiteSurveyTimer->isActive(), toRouterPage);
    QCOMPARE(gMainpage->isBusy(), toRouterPage);
}


void TestAPMode::confirmationBeatsLimit()
{
    APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
    addCam();
    page->passwordMatched = true;
    page->waitPasswordNumber = 30;
    page->checkAPModePasswordResult();
    QVERIFY(!popup("APModePasswordErrorMsgBox"));
    QVERIFY(!gAPModeDeviceToRouter->isHidden());
}

void TestAPMode::passwordVersions_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("asksCamera");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("2.1") << QByteArray("2.1") << QByteArray() << true << false;
    QTest::newRow("1.9, same password") << QByteArray("1.9") << QByteArray("secret1") << false << true;
    QTest::newRow("no version, other password") << QByteArray() << QByteArray("other1") << false << false;
    QTest::newRow("10.0 sorts before 2.0") << QByteArray("10.0") << QByteArray("secret1") << false << true;
}

void TestAPMode::passwordVersions()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, stored);
    QFETCH(bool, asksCamera);
    QFETCH(bool, handsOver);
    APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
    addCam(version, "0", stored);
    page->ui->apH2DPVCameraPasscode_LineEdit->setText("secret1");
    page->pressNextButton();
    QCOMPARE(ticks(1, [page] { page->checkAPModePasswordResult(); }, '7') == 1, asksCamera);
    QCOMPARE(!gAPModeDeviceToRouter->isHidden(), handsOver);
    QCOMPARE(bool(popup("APModePasswordErrorMsgBox")), !asksCamera && !handsOver);
}

void TestAPMode::emptyListNeverCrashes()
{
    APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
    page->passwordLineEditFinished();
    page->pressNextButton();
    page->sendPasswordCfg();
    page->checkAPModePasswordResult();
    APModeDeviceToRouter* wifi = gAPModeDeviceToRouter;
    wifi->enter();
    wifi->checkAPListSiteSurvey();
    QVERIFY(!wifi->checkAPListSiteSurveyTimer->isActive());
    wifi->pressNextButton();
    wifi->checkAPClientAutoConnection();
    wifi->checkdAPClientManualConnection();
    wifi->sendEnableAPClientModeCGI();
    gAPModeHostToDevice->checkAPModeDiscovery();
}

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
    QFETCH(int, rows);
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    giveAccessPoints(addCam(), collected);
    page->enter();
    // The reply parser is not fed: each re-ask drops what was collected and it comes again.
    const int sent = ticks(31, [&] {
        if (!page->checkAPListSiteSurveyTimer->isActive())
            return;
        if (IPCameraList[0].APConfig.numAP == 0)
            giveAccessPoints(IPCameraList[0], collected);
        page->checkAPListSiteSurvey();
    }, '4');
    QTEST(sent, "requests");
    QCOMPARE(page->ui->apD2RSiteSurveyList_ListWidget->count(), rows);
    QVERIFY(page->ui->apD2RManual_PushButton->isEnabled());
    QVERIFY(!popup("APModeToAPClientModeFailedWarning"));
}

void TestAPMode::connectionCadenceAndRetry()
{
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    addCam();
    survey(page);
    page->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(0);
    page->pressNextButton();
    QVERIFY(!gMainpage->findChild<QWidget*>("APModeInputWirelessPasswordAutoWarning"));
    auto tick = [page] { page->checkAPClientAutoConnection(); };
    QCOMPARE(ticks(60, tick, '3'), 30);
    QCOMPARE(ticks(1, tick, '3'), 0);
    QVERIFY(!page->checkAPClientAutoConnectTimer->isActive());
    popup("APModeToAPClientModeFailedWarning")->ui->msgBoxRightBtn_Button->click();
    QVERIFY(page->checkAPClientAutoConnectTimer->isActive());
    QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
}

void TestAPMode::emptyInputRefused()
{
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    addCam();
    page->pressManualButton();
    QWidget* box = gMainpage->findChild<QWidget*>("ManualInputWirelessNetworkWarning");
    QComboBox* security = box->findChild<QComboBox*>("WirelessManualSecurity_ComboBox");
    QPushButton* connectButton = box->findChild<QPushButton*>("WirelessManualConnect_Button");
    security->setCurrentIndex(4);
    connectButton->click();
    QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
    QVERIFY(box->findChild<QLabel*>("WirelessManualAPNameError_Label")->text().contains("SSID"));
    QVERIFY(box->findChild<QLabel*>("WirelessManualAPPasswordError_Label")->text().contains("password"));
    // With security "None" no key is needed.
    box->findChild<QLineEdit*>("WirelessManualName_LineEdit")->setText("Home");
    security->setCurrentIndex(0);
    connectButton->click();
    page->checkdAPClientManualConnection();
    QVERIFY(lastSent('3').contains(";9=1;10=0;11=" + QByteArray("Home").toBase64() + ";14=0;15=0;18=;X="));
}

void TestAPMode::keyReadFromItsOwnBox()
{
    APModeDeviceToRouter* page = gAPModeDeviceToRouter;
    addCam();
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
    box->findChild<QPushButton*>("WirelessAutoConnect_Button")->click();
    QVERIFY(!page->checkAPClientAutoConnectTimer->isActive());
    box->findChild<QLineEdit*>("WirelessAutoPassword_LineEdit")->setText("homekey1");
    box->findChild<QPushButton*>("WirelessAutoConnect_Button")->click();
    page->checkAPClientAutoConnection();
    QVERIFY(lastSent('3').contains(";18=" + QByteArray("homekey1").toBase64()));
}

void TestAPMode::secondPassStartsClean()
{
    // What a finished first pass leaves behind.
    APModeDeviceToRouter* wifi = gAPModeDeviceToRouter;
    wifi->gotAPModeSiteSurvey = wifi->gotAPClientAutoConnect = true;
    wifi->waitAPClientAutoConnectNumber = 7;
    APModeHostToRouter* home = gAPModeHostToRouter;
    home->gotAPClientModeCamera = true;
    home->waitAPClientModeDiscoveryNumber = 37;

    addCam("2.0", "0", QByteArray(), {"VKC-1420", "127.0.0.1", 20});
    QCOMPARE(ticks(1, [wifi] { survey(wifi); }, '4'), 1);
    wifi->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(0);
    IPCameraList[0].dcpStatus = IPCamera::GOT_NETWORK_SETUP; // a confirmation of long ago
    wifi->pressNextButton();
    QCOMPARE(ticks(1, [wifi] { wifi->checkAPClientAutoConnection(); }, '3'), 1);

    isLocalView = true;
    home->pressNextButton();
    QCOMPARE(home->waitAPClientModeDiscoveryNumber, 0);
    home->checkAPClientModeDiscovery();
    QVERIFY(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
}

void TestAPMode::rediscoveryEscalates()
{
    APModeHostToRouter* page = gAPModeHostToRouter;
    auto timeout = [page](const char* opens) {
        page->waitAPClientModeDiscoveryNumber = 60;
        page->checkAPClientModeDiscovery();
        return popup(opens);
    };
    // Retry, Retry, then the reset popup, whose close button leads to the reset hint.
    timeout("APClientModeDiscoveryFailedWarning")->ui->msgBoxRightBtn_Button->click();
    timeout("APClientModeDiscoveryFailedWarning")->ui->msgBoxRightBtn_Button->click();
    timeout("APClientModeDiscoveryResetFailedWarning")->ui->msgBoxClose_Button->click();
    QVERIFY(popup("resetYourCameraWarning"));
    QCOMPARE(tryDiscoveryNum, 0);
    // "Close" on the first popup starts the count again.
    tryDiscoveryNum = 1;
    timeout("APClientModeDiscoveryFailedWarning")->ui->msgBoxLeftBtn_Button->click();
    QCOMPARE(tryDiscoveryNum, 0);
}

QTEST_MAIN(TestAPMode)
#include "tst_apmode.moc"

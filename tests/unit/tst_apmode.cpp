// The access-point road: its rules as tables, and what the end-to-end run cannot reach cheaply
// (limits, stale state, missing rows). Requests go to a loopback receiver.

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
#include "testsupport.h"

using namespace dcptest;
using FV = APModeRules::FindVerdict;
struct Found
{
    QByteArray model;
    const char* ip;
    int status;
    bool local, second; // local-only mode; another camera at home besides
    FV verdict;
    bool rediscovered;
};
Q_DECLARE_METATYPE(Found)

namespace {

const char *const kAP = "10.255.255.1", *const kHome = "192.168.1.9";
const QByteArray kModel = "VKC-1420", kOther = "VKC-2000";

IPCamera& addCam(const QByteArray& model = kModel, const QString& ip = kAP, int status = IPCamera::GOT_PWD_STATUS)
{
    IPCamera c;
    c.MAC = kCamMac;
    c.MACHost = kPcMac;
    c.modelName = model;
    c.IPAddr = ip;
    c.dcpStatus = status;
    c.DCPVersion = "2.0";
    IPCameraList.append(c);
    return IPCameraList.last();
}

Ui_MessageBoxPage* popup(const char* name)
{
    MessageBoxPage* page = gMainpage->findChild<MessageBoxPage*>(name);
    return page ? page->ui : nullptr;
}

template <class T> T* in(const char* box, const char* name)
{
    return gMainpage->findChild<QWidget*>(box)->findChild<T*>(name);
}

// The survey as the camera answers it: asked on entry, then an open and a secured network.
void survey(APModeDeviceToRouter* page)
{
    page->enter();
    page->checkAPListSiteSurvey();
    APSearchResult& list = IPCameraList[0].APConfig;
    list.AP_SSID = {"Open", "Home"};
    list.AP_SecMethod = {"0", "3"};
    list.AP_AuthMode = {"0", "4"};
    list.AP_Mode = {"1", "1"};
    list.numAP = 2;
    IPCameraList[0].dcpStatus = IPCamera::GOT_AP;
    page->checkAPListSiteSurvey();
}

} // namespace

class TestAPMode : public QObject
{
    Q_OBJECT
    LoopbackReceiver receiver;
    QByteArray lastSent;

    // Runs tick n times; how many class-cls requests it sent (the last one in lastSent).
    int ticks(int n, const std::function<void()>& tick, char cls)
    {
        int sent = 0;
        for (int i = 0; i < n; ++i) {
            tick();
            for (QByteArray text; !(text = receiver.nextText(0)).isEmpty();)
                if (text.startsWith(cls))
                    ++sent, lastSent = text;
        }
        return sent;
    }

private slots:
    void initTestCase()
    {
        createWizardForTests();
        gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    }
    void init()
    {
        resetGlobals();
        isLocalView = false;
        supportType = kModel;
        tryDiscoveryNum = 0;
        while (!receiver.quiet(0)) {
        }
    }
    void cleanup()
    {
        for (QWidget* w : gMainpage->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->objectName().endsWith("Warning") || w->objectName().endsWith("MsgBox"))
                delete w;
        for (QWidget* page : QList<QWidget*>{gAPModeHostToDevice, gDiscoveryPage, gAPModeHostToDevicePasswordVerify,
                                             gAPModeDeviceToRouter, gAPModeHostToRouter}) {
            for (QTimer* t : page->findChildren<QTimer*>())
                t->stop();
            page->hide();
        }
        gMainpage->hideBusy();
    }

    // The finding tick's verdict, and whether the rediscovery on the home network takes the camera.
    void findAndRediscover_data()
    {
        QTest::addColumn<Found>("c");
        QTest::newRow("on its AP") << Found{kModel, kAP, 20, false, false, FV::Accept, false};
        QTest::newRow("state not yet known") << Found{kModel, kAP, 19, false, false, FV::KeepWaiting, false};
        QTest::newRow("at home") << Found{kModel, kHome, 20, false, false, FV::NotInAccessPointMode, true};
        QTest::newRow("home, state unknown") << Found{kModel, kHome, 11, false, false, FV::NotInAccessPointMode, false};
        QTest::newRow("factory address")
            << Found{kModel, "192.168.0.20", 20, false, false, FV::NotInAccessPointMode, false};
        QTest::newRow("other model at AP") << Found{kOther, kAP, 11, false, false, FV::WrongModel, false};
        QTest::newRow("other model at home") << Found{kOther, kHome, 20, false, false, FV::KeepWaiting, false};
        QTest::newRow("two cameras") << Found{kModel, kAP, 20, false, true, FV::MoreThanOne, false};
        QTest::newRow("local: any model") << Found{kOther, kAP, 20, true, false, FV::Accept, false};
        QTest::newRow("local: state unknown") << Found{kOther, kAP, 0, true, false, FV::KeepWaiting, false};
        QTest::newRow("local: home") << Found{kOther, kHome, 20, true, false, FV::NotInAccessPointMode, true};
    }
    void findAndRediscover()
    {
        QFETCH(Found, c);
        addCam(c.model, c.ip, c.status);
        QCOMPARE(APModeRules::passesRediscovery(IPCameraList[0], kModel, c.local), c.rediscovered);
        if (c.second)
            addCam(kOther, kHome);
        QCOMPARE(APModeRules::classifyFoundCameras(IPCameraList, c.local ? "ALL" : kModel, c.local), c.verdict);
    }

    void passwordRule()
    {
        QVERIFY(APModeRules::passwordFitsRule("!#$%&~", false));
        for (const QString& text : {QString("abcde"), QString(31, 'a'), QString("abc def"), QString("abcdéf")})
            QVERIFY2(!APModeRules::passwordFitsRule(text, false), qPrintable(text));
        QVERIFY(!APModeRules::passwordFitsRule("abc12!", true));
    }

    // Plain string ordering, as everywhere in the wizard.
    void agentVersion()
    {
        for (const char* v : {"2.0.17-b83", "2.0.17-b9", "2.0.2"})
            QVERIFY2(APModeRules::agentSwitchesAccessPointOff(v), v);
        for (const char* v : {"2.0.17-b82", "2.0.17", "2.0.100", ""})
            QVERIFY2(!APModeRules::agentSwitchesAccessPointOff(v), v);
    }

    void accessPointOffRequest_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("dialect");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QString>("url");
        const QString korva = "/config/wireless_ap.cgi?enable=off", b64 = "cGFzczE=";
        QTest::newRow("korva, port") << kAP << QByteArray("2.0") << "1" << b64.toLatin1()
                                     << "https://10.255.255.1:8443" + korva;
        QTest::newRow("old: no port, raw password") << kAP << QByteArray("1.9") << "1" << QByteArray("pass1")
                                                    << "https://10.255.255.1" + korva;
        QTest::newRow("not IPv4: no request") << "cam/x@evil" << QByteArray("2.0") << "1" << b64.toLatin1() << "";
    }
    void accessPointOffRequest()
    {
        QFETCH(QString, ip);
        QFETCH(QByteArray, version);
        QFETCH(QString, dialect);
        QFETCH(QByteArray, password);
        IPCamera& camera = addCam(kModel, ip);
        camera.DCPVersion = version;
        camera.password = password;
        camera.networkconf.Https_port = "8443";
        const QNetworkRequest request = APModeRules::accessPointOffRequest(camera, dialect);
        QTEST(request.url().toString(QUrl::FullyEncoded), "url");
        QCOMPARE(request.rawHeader("Authorization"),
                 request.url().isEmpty() ? QByteArray() : "Basic " + QByteArray("admin:pass1").toBase64());
    }

    // A confirmation that arrived in time is never reported as a wrong password.
    void confirmationBeatsLimit()
    {
        addCam();
        gAPModeHostToDevicePasswordVerify->passwordMatched = true;
        gAPModeHostToDevicePasswordVerify->waitPasswordNumber = 30;
        gAPModeHostToDevicePasswordVerify->checkAPModePasswordResult();
        QVERIFY(!popup("APModePasswordErrorMsgBox"));
        QVERIFY(!gAPModeDeviceToRouter->isHidden());
    }

    // Back empties the camera list while the timers may still tick.
    void emptyListNeverCrashes()
    {
        APModeHostToDevicePasswordVerify* password = gAPModeHostToDevicePasswordVerify;
        password->passwordLineEditFinished();
        password->pressNextButton();
        password->sendPasswordCfg();
        password->checkAPModePasswordResult();
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

    // The key comes from the page's own box and is never empty; requests on even ticks, the
    // timeout popup at 60 and its Retry on the same road.
    void connection()
    {
        APModeDeviceToRouter* page = gAPModeDeviceToRouter;
        addCam();
        survey(page);
        QWidget decoy(gMainpage); // a field of the same name, first among the window's children
        QLineEdit other(&decoy);
        other.setObjectName("WirelessAutoPassword_LineEdit");
        page->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(1);
        page->pressNextButton();
        const char* box = "APModeInputWirelessPasswordAutoWarning";
        in<QPushButton>(box, "WirelessAutoConnect_Button")->click();
        QVERIFY(!page->checkAPClientAutoConnectTimer->isActive());
        in<QLineEdit>(box, "WirelessAutoPassword_LineEdit")->setText("homekey1");
        in<QPushButton>(box, "WirelessAutoConnect_Button")->click();
        auto tick = [page] { page->checkAPClientAutoConnection(); };
        QCOMPARE(ticks(60, tick, '3'), 30);
        QVERIFY(lastSent.contains(";18=" + QByteArray("homekey1").toBase64() + ";X="));
        QCOMPARE(ticks(1, tick, '3'), 0);
        popup("APModeToAPClientModeFailedWarning")->msgBoxRightBtn_Button->click();
        QVERIFY(page->checkAPClientAutoConnectTimer->isActive() && !page->checkAPClientManualConnectTimer->isActive());
    }

    // The camera would switch its access point off and be lost until reset.
    void emptyInputRefused()
    {
        APModeDeviceToRouter* page = gAPModeDeviceToRouter;
        addCam();
        page->pressManualButton();
        const char* box = "ManualInputWirelessNetworkWarning";
        QPushButton* connectButton = in<QPushButton>(box, "WirelessManualConnect_Button");
        connectButton->click(); // no SSID
        QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
        in<QLineEdit>(box, "WirelessManualName_LineEdit")->setText("Home");
        in<QComboBox>(box, "WirelessManualSecurity_ComboBox")->setCurrentIndex(4);
        connectButton->click(); // secured, no key
        QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
        in<QComboBox>(box, "WirelessManualSecurity_ComboBox")->setCurrentIndex(0);
        connectButton->click();
        QCOMPARE(ticks(1, [page] { page->checkdAPClientManualConnection(); }, '3'), 1);
        QVERIFY(lastSent.contains(";9=1;10=0;11=" + QByteArray("Home").toBase64() + ";14=0;15=0;18=;X="));
    }

    void secondPassStartsClean()
    {
        // What a finished first pass leaves behind.
        APModeDeviceToRouter* wifi = gAPModeDeviceToRouter;
        wifi->gotAPModeSiteSurvey = wifi->gotAPClientAutoConnect = true;
        wifi->waitAPClientAutoConnectNumber = 7;
        APModeHostToRouter* home = gAPModeHostToRouter;
        home->gotAPClientModeCamera = true;
        home->waitAPClientModeDiscoveryNumber = 37;

        addCam(kModel, "127.0.0.1");
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

    void rediscoveryEscalates()
    {
        APModeHostToRouter* page = gAPModeHostToRouter;
        auto timeout = [page](const char* opens) {
            page->waitAPClientModeDiscoveryNumber = 60;
            page->checkAPClientModeDiscovery();
            return popup(opens);
        };
        // Retry, Retry, then the reset popup, whose close button leads to the reset hint.
        timeout("APClientModeDiscoveryFailedWarning")->msgBoxRightBtn_Button->click();
        timeout("APClientModeDiscoveryFailedWarning")->msgBoxRightBtn_Button->click();
        timeout("APClientModeDiscoveryResetFailedWarning")->msgBoxClose_Button->click();
        QVERIFY(popup("resetYourCameraWarning") && tryDiscoveryNum == 0);
        // "Close" on the first popup starts the count again.
        tryDiscoveryNum = 1;
        timeout("APClientModeDiscoveryFailedWarning")->msgBoxLeftBtn_Button->click();
        QCOMPARE(tryDiscoveryNum, 0);
    }
};

QTEST_MAIN(TestAPMode)
#include "tst_apmode.moc"

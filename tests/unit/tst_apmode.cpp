// The access-point road's rules, and what the end-to-end run cannot reach (limits, stale state, no rows).

#include <QComboBox>
#include <QLineEdit>
#include <QNetworkReply>
#include <QtTest>

#include "apmode/apmodedevicetorouter.h"
#include "apmode/apmodehosttodevice.h"
#include "apmode/apmodehosttodevicepasswordverify.h"
#include "apmode/apmodehosttorouter.h"
#include "apmode/apmoderules.h"
#include "dcptestkit.h"
#include "guide/cameraconnectionpage.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"
#include "wifi/wirelessmessagebox.h"

using namespace dcptest;
using FV = APModeRules::FindVerdict;
struct Found
{
    QByteArray model;
    const char* ip;
    int status;
    bool local, second, rediscovered;  // local-only mode; another camera at home besides; expected
    FV verdict;
};
Q_DECLARE_METATYPE(Found)

namespace {

const char *const kAP = "10.255.255.1", *const kHome = "192.168.1.9";
const QByteArray kModel = "VKC-1420", kOther = "VKC-2000";

IPCamera& addCam(const QByteArray& model = kModel, const QString& ip = kAP, int status = IPCamera::GOT_PWD_STATUS)
{
    IPCamera& c = IPCameraList[addCamera("2.0", QByteArray(), kCamMac, model)];
    c.IPAddr = ip;
    c.dcpStatus = status;
    return c;
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

}  // namespace

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
    void cleanupTestCase() { Mainpage::endWizard(); }
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
    }

    // The finding tick's verdict, and whether the rediscovery on the home network takes the camera.
    void findAndRediscover_data()
    {
        QTest::addColumn<Found>("c");
        QTest::newRow("on its AP") << Found{kModel, kAP, 20, false, false, false, FV::Accept};
        QTest::newRow("state not yet known") << Found{kModel, kAP, 19, false, false, false, FV::KeepWaiting};
        QTest::newRow("at home") << Found{kModel, kHome, 20, false, false, true, FV::NotInAccessPointMode};
        QTest::newRow("home, state unknown") << Found{kModel, kHome, 11, false, false, false, FV::NotInAccessPointMode};
        QTest::newRow("factory address") << Found{kModel, "192.168.0.20",          20, false, false,
                                                  false,  FV::NotInAccessPointMode};
        QTest::newRow("other model at AP") << Found{kOther, kAP, 11, false, false, false, FV::WrongModel};
        QTest::newRow("other model at home") << Found{kOther, kHome, 20, false, false, false, FV::KeepWaiting};
        QTest::newRow("two cameras") << Found{kModel, kAP, 20, false, true, false, FV::MoreThanOne};
        QTest::newRow("local: any model") << Found{kOther, kAP, 20, true, false, false, FV::Accept};
        QTest::newRow("local: state unknown") << Found{kOther, kAP, 0, true, false, false, FV::KeepWaiting};
        QTest::newRow("local: home") << Found{kOther, kHome, 20, true, false, true, FV::NotInAccessPointMode};
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

    // Dialect path, port from DCP 2.0 on, decoded password; no request to an address that is not IPv4.
    void accessPointOffRequest()
    {
        const QString ap = "https://10.255.255.1", korva = "/config/wireless_ap.cgi?enable=off";
        using Row = std::tuple<QString, QByteArray, QByteArray, QString>;  // address, DCP, password, URL
        for (const auto& [ip, version, password, url] :
             {Row{kAP, "2.0", "cGFzczE=", ap + ":8443" + korva}, Row{kAP, "1.9", "pass1", ap + korva},
              Row{"cam/x@evil", "2.0", "cGFzczE=", ""}}) {
            IPCamera& camera = addCam(kModel, ip);
            camera.DCPVersion = version;
            camera.password = password;
            camera.networkconf.Https_port = "8443";
            const QNetworkRequest request = APModeRules::accessPointOffRequest(camera, "1");
            QCOMPARE(request.url().toString(QUrl::FullyEncoded), url);
            QCOMPARE(request.rawHeader("Authorization"),
                     url.isEmpty() ? QByteArray() : "Basic " + QByteArray("admin:pass1").toBase64());
        }
    }

    // The request's credentials stay out of the log (a camera on this machine: nothing leaves it).
    void accessPointOffLog()
    {
        addCam(kModel, "127.0.0.1").password = "cGFzczE=";
        LogRecorder log;
        gAPModeDeviceToRouter->sendEnableAPClientModeCGI();
        QVERIFY(log.contains("https://127.0.0.1"));
        QVERIFY2(!log.contains(CameraCgi::basicCredentials(IPCameraList[0])), qPrintable(log.all()));
    }

    // Back empties the camera list while the timers may still tick.
    void emptyListNeverCrashes()
    {
        gAPModeHostToDevicePasswordVerify->checkAPModePasswordResult();
        gAPModeDeviceToRouter->checkAPListSiteSurvey();
        gAPModeDeviceToRouter->pressNextButton();
        gAPModeDeviceToRouter->checkAPClientAutoConnection();
        gAPModeDeviceToRouter->checkdAPClientManualConnection();
        gAPModeDeviceToRouter->sendEnableAPClientModeCGI();
        gAPModeHostToDevice->checkAPModeDiscovery();
    }

    // The key comes from the page's own box and is never empty; requests on even ticks, the
    // timeout popup at 60 and its Retry on the same road.
    void connection()
    {
        APModeDeviceToRouter* page = gAPModeDeviceToRouter;
        addCam();
        survey(page);
        QWidget decoy(gMainpage);  // a field of the same name, first among the window's children
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
        LogRecorder log;
        QCOMPARE(ticks(60, tick, '3'), 30);
        QVERIFY2(!log.contains("homekey1"), qPrintable(log.all()));
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
        connectButton->click();  // no SSID
        QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
        in<QLineEdit>(box, "WirelessManualName_LineEdit")->setText("Home");
        in<QComboBox>(box, "WirelessManualSecurity_ComboBox")->setCurrentIndex(4);
        connectButton->click();  // secured, no key
        QVERIFY(!page->checkAPClientManualConnectTimer->isActive());
        in<QComboBox>(box, "WirelessManualSecurity_ComboBox")->setCurrentIndex(0);
        connectButton->click();
        QCOMPARE(ticks(
                     1, [page] { page->checkdAPClientManualConnection(); }, '3'),
                 1);
        QVERIFY(lastSent.contains(";9=1;10=0;11=" + QByteArray("Home").toBase64() + ";14=0;15=0;18=;X="));
    }

    // A confirmation that has arrived is taken at the limit tick, not reported as a wrong password.
    void confirmationBeforeLimit()
    {
        addCam();
        APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
        page->waitPasswordNumber = 30;
        page->passwordMatched = true;
        isAPModeFlow = false;
        page->checkAPModePasswordResult();
        QVERIFY(isAPModeFlow);
        QVERIFY(!popup("APModePasswordErrorMsgBox"));
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
        QCOMPARE(ticks(
                     1, [wifi] { survey(wifi); }, '4'),
                 1);
        wifi->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(0);
        IPCameraList[0].dcpStatus = IPCamera::GOT_NETWORK_SETUP;  // a confirmation of long ago
        wifi->pressNextButton();
        QCOMPARE(ticks(
                     1, [wifi] { wifi->checkAPClientAutoConnection(); }, '3'),
                 1);

        isLocalView = true;
        home->pressNextButton();
        QCOMPARE(home->waitAPClientModeDiscoveryNumber, 0);
        home->checkAPClientModeDiscovery();
        QVERIFY(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
    }

    // Each timed check from a few ticks before its limit: the ticks a request goes out on, the
    // popup of the limit tick (none before it), and a count that starts again from 0.
    void limits_data()
    {
        QTest::addColumn<int>("check");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("popup");  // empty: Enter Manually becomes enabled instead
        QTest::addColumn<QString>("sends");
        QTest::newRow("camera search") << 0 << 19 << 30 << "APModeDiscoveryFailedWarning"
                                       << "20";
        QTest::newRow("password check") << 1 << 27 << 30 << "APModePasswordErrorMsgBox"
                                        << "28";
        QTest::newRow("site survey") << 2 << 24 << 30 << ""
                                     << "25 30";
        QTest::newRow("Internet recheck") << 3 << 8 << 10 << "APClientModeInternetFailedWarning"
                                          << "8";
        QTest::newRow("rediscovery") << 4 << 49 << 60 << "APClientModeDiscoveryFailedWarning"
                                     << "50";
    }
    void limits()
    {
        QFETCH(int, check);
        QFETCH(int, from);
        QFETCH(int, limit);
        QFETCH(QString, popup);
        if (check > 0)  // the search would take it as a camera at home
            addCam(kModel, kHome, 0).bPassword = "1";
        gInternetReachable = gAPModeHostToDevicePasswordVerify->passwordMatched = false;
        gAPModeDeviceToRouter->enter();
        int* counters[] = {
            &gAPModeHostToDevice->waitAPModeDiscoveryNumber, &gAPModeHostToDevicePasswordVerify->waitPasswordNumber,
            &gAPModeDeviceToRouter->waitAPListSiteSurveyNumber, &gAPModeHostToRouter->waitWizardInternetNumber,
            &gAPModeHostToRouter->waitAPClientModeDiscoveryNumber};
        const std::function<void()> tick[] = {[] { gAPModeHostToDevice->checkAPModeDiscovery(); },
                                              [] { gAPModeHostToDevicePasswordVerify->checkAPModePasswordResult(); },
                                              [] { gAPModeDeviceToRouter->checkAPListSiteSurvey(); },
                                              [] { gAPModeHostToRouter->recheckInternetRequest(); },
                                              [] { gAPModeHostToRouter->checkAPClientModeDiscovery(); }};
        gAPModeHostToRouter->wizardInternetUrl = QUrl("http://127.0.0.1:9/");  // the probe stays here
        auto probes = [] { return gWelcomePage->tolmwizardNetworkManager->findChildren<QNetworkReply*>().size(); };
        QPushButton* manual = gAPModeDeviceToRouter->ui->apD2RManual_PushButton;
        QStringList sends;
        for (int n = from; n <= limit; ++n) {
            const int probesBefore = probes();
            *counters[check] = n;
            QVERIFY2(popup.isEmpty() ? !manual->isEnabled() : !gMainpage->findChild<MessageBoxPage*>(popup),
                     qPrintable(QString("before tick %1").arg(n)));
            QTimer* scan = gDiscoveryPage->checkDeviceDiscoveryTimer;
            if (ticks(1, tick[check], "x74xx"[check]) > 0 || scan->isActive() || probes() > probesBefore)
                sends << QString::number(n);
            scan->stop();
        }
        QTEST(sends.join(' '), "sends");
        QVERIFY(popup.isEmpty() ? manual->isEnabled() : gMainpage->findChild<MessageBoxPage*>(popup) != nullptr);
        QCOMPARE(*counters[check], 0);
    }

    // What the search finds, the popup it opens and where each of the popup's buttons leads:
    // "search" (a new search from tick 0 with an empty list), "stopped" (no search, overlay down),
    // "reset" (the reset hint), "password" / "wifi" (the page handed over to).
    void searchOutcomes_data()
    {
        QTest::addColumn<QString>("found");  // none, home, other, two, new (no password yet), secured
        QTest::addColumn<QString>("popup");
        QTest::addColumn<QString>("press");  // left, right, close
        QTest::addColumn<QString>("after");
        auto row = [](const char* name, const char* found, const char* popup, const char* press, const char* after) {
            QTest::newRow(name) << found << popup << press << after;
        };
        row("nothing found, Retry", "none", "APModeDiscoveryFailedWarning", "right", "search");
        row("nothing found, Close", "none", "APModeDiscoveryFailedWarning", "left", "stopped");
        row("at home, Close", "home", "NotAPModeFailedWarning", "left", "stopped");
        row("at home, Reset", "home", "NotAPModeFailedWarning", "right", "stopped reset");
        row("other model, OK", "other", "CameraModelNotMatchWarning", "right", "stopped");
        row("two cameras, OK", "two", "APModeRemoveEthernetCableWarning", "right", "search");
        row("two cameras, closed", "two", "APModeRemoveEthernetCableWarning", "close", "stopped");
        row("camera without password", "new", "", "", "wifi");
        row("camera with a password", "secured", "", "", "password");
    }
    void searchOutcomes()
    {
        QFETCH(QString, found);
        QFETCH(QString, popup);
        QFETCH(QString, press);
        APModeHostToDevice* page = gAPModeHostToDevice;
        gMainpage->showPage(nullptr, page);
        page->ui->apH2DNext_PushButton->click();
        QVERIFY(gMainpage->isBusy() && page->checkAPModeDiscoveryTimer->isActive());
        if (found == "home" || found == "two")
            addCam(kModel, found == "home" ? kHome : kAP);
        if (found == "other" || found == "two")
            addCam(kOther, found == "two" ? kHome : kAP, IPCamera::GOT_INFO);
        if (found == "new" || found == "secured")
            addCam().bPassword = found == "new" ? "1" : "0";
        page->waitAPModeDiscoveryNumber = found == "none" ? 30 : 3;
        page->checkAPModeDiscovery();
        for (const char* name : {"APModeDiscoveryFailedWarning", "NotAPModeFailedWarning", "CameraModelNotMatchWarning",
                                 "APModeRemoveEthernetCableWarning"})
            QCOMPARE(::popup(name) != nullptr, popup == name);
        if (!popup.isEmpty()) {
            QVERIFY(!page->checkAPModeDiscoveryTimer->isActive());
            Ui_MessageBoxPage* box = ::popup(qPrintable(popup));
            (press == "left"    ? box->msgBoxLeftBtn_Button
             : press == "right" ? box->msgBoxRightBtn_Button
                                : box->msgBoxClose_Button)
                ->click();
            QVERIFY(!::popup(qPrintable(popup)));
        }
        QFETCH(QString, after);
        QCOMPARE(::popup("resetYourCameraWarning") != nullptr, after.contains("reset"));
        QCOMPARE(!gAPModeHostToDevicePasswordVerify->isHidden(), after == "password");
        QCOMPARE(!gAPModeDeviceToRouter->isHidden(), after == "wifi");
        QCOMPARE(!page->isHidden(), after != "password" && after != "wifi");
        QVERIFY(isAPModeFlow);
        if (after == "search") {
            QVERIFY(page->checkAPModeDiscoveryTimer->isActive() && gMainpage->isBusy());
            QCOMPARE(page->waitAPModeDiscoveryNumber, 0);
            QVERIFY(IPCameraList.isEmpty());
        } else if (after.startsWith("stopped")) {
            QVERIFY(!page->checkAPModeDiscoveryTimer->isActive() && !gMainpage->isBusy());
            QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
        } else {
            QVERIFY(!page->checkAPModeDiscoveryTimer->isActive());
        }
        gMainpage->hideBusy();
        frameWidget("lockScreenLabel")->hide();
    }

    // Each page of the road entered again while the waits of an earlier visit still run, and
    // each Back: the waits stopped or started afresh, the lists emptied, the page reached.
    void reentryAndBack_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("reached");
        QTest::newRow("search page, Next again") << "h2d next"
                                                 << "h2d";
        QTest::newRow("search page, Back") << "h2d back"
                                           << "guide";
        QTest::newRow("password page entered again") << "pv enter"
                                                     << "pv";
        QTest::newRow("password page, Back") << "pv back"
                                             << "h2d";
        QTest::newRow("Wi-Fi page entered again") << "d2r enter"
                                                  << "d2r";
        QTest::newRow("Wi-Fi page, Back") << "d2r back"
                                          << "h2d";
        QTest::newRow("home page entered again") << "h2r enter"
                                                 << "h2r";
    }
    void reentryAndBack()
    {
        QFETCH(QString, action);
        QFETCH(QString, reached);
        APModeHostToDevice* h2d = gAPModeHostToDevice;
        APModeHostToDevicePasswordVerify* pv = gAPModeHostToDevicePasswordVerify;
        APModeDeviceToRouter* d2r = gAPModeDeviceToRouter;
        APModeHostToRouter* h2r = gAPModeHostToRouter;
        addCam();
        // An earlier visit's waits, mid-way.
        h2d->checkAPModeDiscoveryTimer->start(1000), h2d->waitAPModeDiscoveryNumber = 7;
        gDiscoveryPage->checkDeviceDiscoveryTimer->start(1000);
        pv->checkAPModePasswordTimer->start(1000), pv->waitPasswordNumber = 7, pv->passwordMatched = true;
        survey(d2r);
        d2r->ui->apD2RSiteSurveyList_ListWidget->setCurrentRow(0);
        emit d2r->ui->apD2RSiteSurveyList_ListWidget->itemClicked(d2r->ui->apD2RSiteSurveyList_ListWidget->item(0));
        d2r->checkAPClientAutoConnectTimer->start(1000), d2r->waitAPClientAutoConnectNumber = 7;
        d2r->checkAPClientManualConnectTimer->start(1000), d2r->waitAPClientManualConnectNumber = 7;
        h2r->recheckWizardInternetTimer->start(1000), h2r->waitWizardInternetNumber = 7;
        h2r->checkAPClientModeDiscoveryTimer->start(1000), h2r->waitAPClientModeDiscoveryNumber = 7;
        h2r->gotAPClientModeCamera = true;
        gCameraConnectionPage->hide();
        QWidget* pages[] = {h2d, pv, d2r, h2r};
        const QString which = action.section(' ', 0, 0);
        QWidget* page = pages[QStringList{"h2d", "pv", "d2r", "h2r"}.indexOf(which)];
        for (QWidget* other : pages)
            other->hide();
        gMainpage->showPage(nullptr, static_cast<WizardPage*>(page));

        if (action == "h2d next")
            h2d->ui->apH2DNext_PushButton->click();
        else if (action == "h2d back")
            h2d->ui->apH2DPrev_PushButton->click();
        else if (action == "pv back")
            pv->ui->apH2DPVPrev_PushButton->click();
        else if (action == "d2r back")
            d2r->ui->apD2RPrev_PushButton->click();
        else
            static_cast<WizardPage*>(page)->enter();

        QWidget* shown = reached == "guide" ? static_cast<QWidget*>(gCameraConnectionPage)
                                            : pages[QStringList{"h2d", "pv", "d2r", "h2r"}.indexOf(reached)];
        QVERIFY(!shown->isHidden());
        for (QWidget* other : pages)
            QCOMPARE(!other->isHidden(), other == shown);
        if (which == "h2d") {
            QCOMPARE(h2d->checkAPModeDiscoveryTimer->isActive(), action == "h2d next");
            QCOMPARE(h2d->waitAPModeDiscoveryNumber, 0);
            QVERIFY(IPCameraList.isEmpty());
        }
        if (action == "h2d back")
            QVERIFY(!gDiscoveryPage->checkDeviceDiscoveryTimer->isActive());
        if (which == "pv") {
            QCOMPARE(pv->checkAPModePasswordTimer->isActive(), action == "pv back");  // the next entry stops it
            QCOMPARE(IPCameraList.isEmpty(), action == "pv back");
            QVERIFY(pv->ui->apH2DPVCameraPasscode_LineEdit->isEnabled());
        }
        if (action == "pv enter")
            QVERIFY(pv->waitPasswordNumber == 0 && !pv->passwordMatched);
        if (which == "d2r") {
            QCOMPARE(d2r->ui->apD2RSiteSurveyList_ListWidget->count(), 0);
            QCOMPARE(d2r->waitAPListSiteSurveyNumber, 0);
            QCOMPARE(IPCameraList.isEmpty(), action == "d2r back");
        }
        if (action == "d2r enter") {
            QVERIFY(!d2r->checkAPClientAutoConnectTimer->isActive() &&
                    !d2r->checkAPClientManualConnectTimer->isActive());
            QCOMPARE(d2r->waitAPClientAutoConnectNumber + d2r->waitAPClientManualConnectNumber, 0);
            QVERIFY(!d2r->ui->apD2RNext_PushButton->isEnabled() && !d2r->ui->apD2RManual_PushButton->isEnabled());
            QVERIFY(d2r->checkAPListSiteSurveyTimer->isActive());
        }
        if (which == "h2r") {
            QVERIFY(!h2r->recheckWizardInternetTimer->isActive() && !h2r->checkAPClientModeDiscoveryTimer->isActive());
            QCOMPARE(h2r->waitWizardInternetNumber + h2r->waitAPClientModeDiscoveryNumber, 0);
            QVERIFY(!h2r->gotAPClientModeCamera);
        }
        gCameraConnectionPage->hide();
        gDiscoveryPage->checkDeviceDiscoveryTimer->stop();
        gMainpage->hideBusy();
    }

    // The camera's answer to the home Wi-Fi settings on each road: the page it leads to (through
    // the switch-off popup for an agent that cannot switch its access point off itself), the
    // network name shown there, the entry box; and the failure popup's buttons.
    void connectionOutcomes_data()
    {
        QTest::addColumn<QString>("road");     // list, manual
        QTest::addColumn<QString>("outcome");  // a new agent, an old agent, no answer
        QTest::addColumn<QString>("press");    // the failure popup's button
        QTest::addColumn<QString>("after");    // home, stay, "retry <road>"
        QTest::newRow("list, new agent") << "list"
                                         << "2.0.17-b83"
                                         << ""
                                         << "home";
        QTest::newRow("manual, new agent") << "manual"
                                           << "2.1.0"
                                           << ""
                                           << "home";
        QTest::newRow("list, old agent") << "list"
                                         << "2.0.17-b82"
                                         << ""
                                         << "home";
        QTest::newRow("list, no answer, Retry") << "list"
                                                << "none"
                                                << "right"
                                                << "retry list";
        QTest::newRow("manual, no answer, Retry") << "manual"
                                                  << "none"
                                                  << "right"
                                                  << "retry manual";
        QTest::newRow("manual, no answer, Close") << "manual"
                                                  << "none"
                                                  << "left"
                                                  << "stay";
        QTest::newRow("list, no answer, closed") << "list"
                                                 << "none"
                                                 << "close"
                                                 << "stay";
    }
    void connectionOutcomes()
    {
        QFETCH(QString, road);
        QFETCH(QString, outcome);
        QFETCH(QString, press);
        QFETCH(QString, after);
        APModeDeviceToRouter* page = gAPModeDeviceToRouter;
        gAPModeHostToRouter->hide();
        gMainpage->showPage(nullptr, page);
        addCam(kModel, "127.0.0.1").AgentVersion = outcome.toLatin1();  // the switch-off request stays here
        survey(page);
        const char* box =
            road == "list" ? "APModeInputWirelessPasswordAutoWarning" : "ManualInputWirelessNetworkWarning";
        if (road == "list") {
            QListWidget* list = page->ui->apD2RSiteSurveyList_ListWidget;
            list->setCurrentRow(1);
            emit list->itemClicked(list->item(1));
            page->ui->apD2RNext_PushButton->click();
            QVERIFY(gMainpage->findChild<QWidget*>(box));
            in<QLineEdit>(box, "WirelessAutoPassword_LineEdit")->setText("homekey1");
            in<QPushButton>(box, "WirelessAutoConnect_Button")->click();
        } else {
            page->ui->apD2RManual_PushButton->click();
            QVERIFY(gMainpage->findChild<QWidget*>(box));
            in<QLineEdit>(box, "WirelessManualName_LineEdit")->setText("Typed");
            in<QComboBox>(box, "WirelessManualSecurity_ComboBox")->setCurrentIndex(0);
            in<QPushButton>(box, "WirelessManualConnect_Button")->click();
        }
        QTimer* timers[] = {page->checkAPClientAutoConnectTimer, page->checkAPClientManualConnectTimer};
        QTimer* timer = timers[road == "list" ? 0 : 1];
        QVERIFY(timer->isActive() && gMainpage->isBusy());
        if (outcome == "none") {
            (road == "list" ? page->waitAPClientAutoConnectNumber : page->waitAPClientManualConnectNumber) = 60;
        } else {
            IPCameraList[0].dcpStatus = IPCamera::GOT_NETWORK_SETUP;
        }
        road == "list" ? page->checkAPClientAutoConnection() : page->checkdAPClientManualConnection();
        QVERIFY(!timer->isActive() && !gMainpage->isBusy());
        const bool oldAgent = outcome == "2.0.17-b82";
        QCOMPARE(popup("TurnOffAPSwitchWarning") != nullptr, oldAgent);
        QCOMPARE(popup("APModeToAPClientModeFailedWarning") != nullptr, outcome == "none");
        if (oldAgent) {
            QVERIFY(gAPModeHostToRouter->isHidden());
            popup("TurnOffAPSwitchWarning")->msgBoxRightBtn_Button->click();
        }
        if (outcome == "none") {
            Ui_MessageBoxPage* failed = popup("APModeToAPClientModeFailedWarning");
            (press == "right"  ? failed->msgBoxRightBtn_Button
             : press == "left" ? failed->msgBoxLeftBtn_Button
                               : failed->msgBoxClose_Button)
                ->click();
            QVERIFY(!popup("APModeToAPClientModeFailedWarning"));
        }
        QCOMPARE(!gAPModeHostToRouter->isHidden(), after == "home");
        QCOMPARE(!page->isHidden(), after != "home");
        if (after == "home")
            QCOMPARE(gAPModeHostToRouter->ui->apH2RSameNetworkName_Label->text(), road == "list" ? "Home" : "Typed");
        QCOMPARE(WirelessMessageBox::find(gMainpage, box) != nullptr, after.startsWith("retry"));
        QCOMPARE(page->checkAPClientAutoConnectTimer->isActive(), after == "retry list");
        QCOMPARE(page->checkAPClientManualConnectTimer->isActive(), after == "retry manual");
        QCOMPARE(page->waitAPClientAutoConnectNumber + page->waitAPClientManualConnectNumber, after == "home" ? 1 : 0);
        QCOMPARE(gMainpage->isBusy(), after.startsWith("retry"));
        for (QNetworkReply* reply : gDCPUtils->networkManager->findChildren<QNetworkReply*>())
            reply->abort();
        gMainpage->hideBusy();
    }

    // The home Wi-Fi page: what Next starts by mode, what the Internet recheck and the search
    // find, the popups they open and where the popups' buttons lead.
    void homeOutcomes_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("popup");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("after");  // "internet", "search", "discovery", "none"
        auto row = [](const char* name, const char* step, const char* popup, const char* press, const char* after) {
            QTest::newRow(name) << step << popup << press << after;
        };
        row("Next", "next", "", "", "internet");
        row("Next, local-only", "next local", "", "", "search");
        row("Internet back", "internet ok", "", "", "search");
        row("no Internet, Retry", "internet none", "APClientModeInternetFailedWarning", "right", "internet");
        row("no Internet, Close", "internet none", "APClientModeInternetFailedWarning", "left", "none");
        row("camera found", "search found", "", "", "discovery");
        row("camera not found, Retry", "search none", "APClientModeDiscoveryFailedWarning", "right", "search");
        row("camera not found, Close", "search none", "APClientModeDiscoveryFailedWarning", "left", "none");
    }
    void homeOutcomes()
    {
        QFETCH(QString, step);
        QFETCH(QString, popup);
        const QByteArray name = popup.toLatin1();
        QFETCH(QString, press);
        QFETCH(QString, after);
        APModeHostToRouter* page = gAPModeHostToRouter;
        gDiscoveryPage->hide();
        gMainpage->enterPage(nullptr, page);
        gMainpage->setStep(2, "home");
        page->wizardInternetUrl = QUrl("http://127.0.0.1:9/");  // a probe stays here
        isAPModeFlow = true;
        isLocalView = step.endsWith("local");
        gInternetReachable = step == "internet ok";
        gMainpage->showBusy();  // the page waits under the busy overlay
        if (step.startsWith("next"))
            gMainpage->hideBusy();
        if (step.startsWith("next")) {
            page->ui->apH2RNext_PushButton->click();
        } else if (step.startsWith("internet")) {
            page->recheckWizardInternetTimer->start(1000);
            page->waitWizardInternetNumber = gInternetReachable ? 3 : 10;
            page->recheckInternetRequest();
        } else {
            page->checkAPClientModeDiscoveryTimer->start(1000);
            tryDiscoveryNum = 1;  // one retry before
            if (step == "search found")
                addCam(kModel, kHome, IPCamera::GOT_PWD_STATUS).bPassword = "0";
            else
                addCam(kOther, kHome);  // another model: not the camera looked for
            page->waitAPClientModeDiscoveryNumber = step == "search found" ? 3 : 60;
            page->checkAPClientModeDiscovery();
        }
        if (!popup.isEmpty()) {
            QVERIFY(::popup(name));
            QVERIFY(!page->recheckWizardInternetTimer->isActive() &&
                    !page->checkAPClientModeDiscoveryTimer->isActive());
            QVERIFY(!gMainpage->isBusy());
            (press == "right" ? ::popup(name)->msgBoxRightBtn_Button : ::popup(name)->msgBoxLeftBtn_Button)->click();
            QVERIFY(!::popup(name));
        }
        QCOMPARE(page->recheckWizardInternetTimer->isActive(), after == "internet");
        QCOMPARE(page->checkAPClientModeDiscoveryTimer->isActive(), after == "search");
        QCOMPARE(gMainpage->isBusy(), after == "internet" || after == "search");
        QCOMPARE(!gDiscoveryPage->isHidden(), after == "discovery");
        QCOMPARE(!page->isHidden(), after != "discovery");
        if ((after == "search" || after == "discovery") && popup.isEmpty())
            QVERIFY(!isAPModeFlow);  // a retry keeps the flag its timeout set
        if (after == "discovery") {
            QCOMPARE(gDiscoveryPage->ui->discoveryCameraTb_TableWidget->rowCount(), 1);
            QVERIFY(frameWidget("mainProgress_Label")->styleSheet().contains("step_01"));
        }
        if (step == "search none")
            QCOMPARE(tryDiscoveryNum, press == "right" ? 2 : 0);
        if (step == "search none" && press == "right")
            QVERIFY(IPCameraList.isEmpty());
        gDiscoveryPage->ui->discoveryCameraTb_TableWidget->setRowCount(0);
        for (QNetworkReply* reply : gWelcomePage->tolmwizardNetworkManager->findChildren<QNetworkReply*>())
            reply->abort();
        gMainpage->hideBusy();
        isLocalView = false;
    }

    // The password page's Next by the form of the password, the camera's protocol and its answer:
    // the page reached or the error popup, whose OK empties and frees the field.
    void passwordOutcomes_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");  // new cameras: "match", "none"
        QTest::addColumn<bool>("handedOver");
        QTest::newRow("too short") << QByteArray("2.0") << "pw1"
                                   << "" << false;
        QTest::newRow("old camera, right") << QByteArray("1.0") << "pass12"
                                           << "" << true;
        QTest::newRow("old camera, wrong") << QByteArray("1.0") << "pass13"
                                           << "" << false;
        QTest::newRow("new camera, confirmed") << QByteArray("2.0") << "pass12"
                                               << "match" << true;
        QTest::newRow("new camera, refused") << QByteArray("2.0") << "pass13"
                                             << "refused" << false;
    }
    void passwordOutcomes()
    {
        QFETCH(QByteArray, version);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(bool, handedOver);
        APModeHostToDevicePasswordVerify* page = gAPModeHostToDevicePasswordVerify;
        gAPModeDeviceToRouter->hide();
        IPCamera& camera = addCam(kModel, "127.0.0.1");
        camera.DCPVersion = version;
        camera.password = version == "1.0" ? "pass12" : QByteArray("pass12").toBase64();
        gMainpage->enterPage(nullptr, page);
        QLineEdit* field = page->ui->apH2DPVCameraPasscode_LineEdit;
        field->setText(typed);
        page->ui->apH2DPVNext_PushButton->click();
        const bool wellFormed = typed.size() >= 6;
        QCOMPARE(page->checkAPModePasswordTimer->isActive(), wellFormed);
        QVERIFY(!field->isEnabled());  // until the check ends or the popup is closed
        if (wellFormed) {
            QCOMPARE(ticks(
                         1, [page] { page->checkAPModePasswordResult(); }, '7'),
                     version == "2.0" ? 1 : 0);
            if (answer == "match")
                page->checkAPModePasswordSuccess(0);
            else if (answer == "refused")
                page->checkAPModePasswordFailed(0);
            if (!answer.isEmpty())
                page->checkAPModePasswordResult();
        }
        QCOMPARE(!gAPModeDeviceToRouter->isHidden(), handedOver);
        QCOMPARE(!page->isHidden(), !handedOver);
        const bool refused = !wellFormed || (version == "1.0" && !handedOver);
        QCOMPARE(popup("APModePasswordErrorMsgBox") != nullptr, refused);
        // The check runs on to its limit when refused, and ends once the password is taken or refused.
        QCOMPARE(page->checkAPModePasswordTimer->isActive(), answer == "refused");
        if (refused) {
            QVERIFY(!page->checkAPModePasswordTimer->isActive() && !gMainpage->isBusy());
            popup("APModePasswordErrorMsgBox")->msgBoxRightBtn_Button->click();
            QVERIFY(field->isEnabled() && field->text().isEmpty());
        }
        gMainpage->hideBusy();
    }

    // A camera at home stops the search; local-only starts the next search from 0, the other
    // roads go on from where they were. A camera with no password skips the password page.
    void notInAccessPointMode()
    {
        for (bool local : {false, true}) {
            isLocalView = local;
            IPCameraList.clear();
            addCam(kModel, kHome);
            gAPModeHostToDevice->waitAPModeDiscoveryNumber = 7;
            gAPModeHostToDevice->checkAPModeDiscovery();
            QVERIFY(popup("NotAPModeFailedWarning"));
            QCOMPARE(gAPModeHostToDevice->waitAPModeDiscoveryNumber, local ? 0 : 7);
            cleanup();
        }
        for (const char* password : {"1", "0"}) {
            IPCameraList.clear();
            addCam().bPassword = password;
            gAPModeHostToDevice->checkAPModeDiscovery();
            QCOMPARE(!gAPModeDeviceToRouter->isHidden(), *password == '1');
            QCOMPARE(!gAPModeHostToDevicePasswordVerify->isHidden(), *password == '0');
            cleanup();
        }
    }

    // More than ten networks on a survey tick count as the whole list; ten are asked for again.
    void partialSurvey()
    {
        for (int found : {10, 11}) {
            IPCameraList.clear();
            addCam();
            gAPModeDeviceToRouter->enter();
            APSearchResult& list = IPCameraList[0].APConfig;
            for (int i = 0; i < found; ++i)
                list.AP_SSID << "n" + QByteArray::number(i), list.AP_SecMethod << "0", list.AP_AuthMode << "0",
                    list.AP_Mode << "1";
            list.numAP = found;
            IPCameraList[0].dcpStatus = IPCamera::WAIT_AP;
            QCOMPARE(ticks(
                         1, [] { gAPModeDeviceToRouter->checkAPListSiteSurvey(); }, '4'),
                     found > 10 ? 0 : 1);
            QCOMPARE(gAPModeDeviceToRouter->ui->apD2RSiteSurveyList_ListWidget->count(), found > 10 ? found : 0);
            cleanup();
        }
    }

    // Retry, Retry, then the reset popup, whose close button leads to the reset hint; the count starts again.
    void rediscoveryEscalates()
    {
        for (const char* opens : {"APClientModeDiscoveryFailedWarning", "APClientModeDiscoveryFailedWarning",
                                  "APClientModeDiscoveryResetFailedWarning"}) {
            gAPModeHostToRouter->waitAPClientModeDiscoveryNumber = 60;
            gAPModeHostToRouter->checkAPClientModeDiscovery();
            QVERIFY2(popup(opens), opens);
            (tryDiscoveryNum < 2 ? popup(opens)->msgBoxRightBtn_Button : popup(opens)->msgBoxClose_Button)->click();
        }
        QVERIFY(popup("resetYourCameraWarning") && tryDiscoveryNum == 0);
    }
};

QTEST_MAIN(TestAPMode)
#include "tst_apmode.moc"

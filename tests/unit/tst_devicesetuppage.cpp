// The setup page against the DCP core, a loopback receiver, camcgi and a local HTTPS portal.

#include <QtTest>

#include <QAuthenticator>
#include <QBuffer>
#include <QNetworkReply>
#include <QTranslator>
#include <QWebView>

#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudservicespage.h"
#include "cloud/cloudwebpage.h"
#include "cloud/devicesetupcompletepage.h"
#include "dcptestkit.h"
#include "guide/cameraconnectionpage.h"
#include "httptestkit.h"
#include "protocol/dcputils.h"
#include "setup/confignetworkmessagebox.h"
#include "setup/devicesetuppage.h"
#include "setup/devicesetuppage_p.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"
#include "wifi/devicewifichangepage.h"

using namespace dcptest;

namespace {
const QByteArray kPassword = "secret1";
DeviceSetupPage* page()
{
    return gDeviceSetupPage;
}
IPCamera& camera()
{
    return IPCameraList[IPCameraIdx];
}
bool popupOpen(const QString& name)
{
    return gMainpage->findChild<QWidget*>(name) != nullptr;
}
// The new cloud page's web views when its "02" line is logged.
QStringList viewsAtTwo;
QtMessageHandler nextHandler = nullptr;
void noteViewsAtTwo(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains("02 CloudServicesPage Constructor"))
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* view = qobject_cast<QWebView*>(widget); view && qobject_cast<CloudServicesPage*>(view->window()))
                viewsAtTwo << view->objectName() + (qobject_cast<CloudWebPage*>(view->page()) ? " set up" : " bare");
    nextHandler(type, context, message);
}
using Tick = void (DeviceSetupPage::*)();
const Tick kTicks[] = {&DeviceSetupPage::checkPasswordResult,           &DeviceSetupPage::checkNetworkCfg,
                       &DeviceSetupPage::checkInternetStatus,           &DeviceSetupPage::checkOlvarisInfo,
                       &DeviceSetupPage::checkConfigNetworkConnection,  &DeviceSetupPage::checkRestartNetworkConnection,
                       &DeviceSetupPage::checkOpenAPIUriInfoConnection, &DeviceSetupPage::pressNextButton};
}  // namespace

class TestDeviceSetupPage : public QObject
{
    Q_OBJECT
    LoopbackReceiver receiver;
    CamCgiServer cgi{QString::fromLatin1(kPassword)};

    // Datagrams of class cls since the last look; all are drained (a timer may fire under load).
    int countSent(const QByteArray& cls = "")
    {
        int count = 0;
        for (QByteArray text = receiver.nextText(20); !text.isEmpty(); text = receiver.nextText(20))
            count += text.startsWith(cls + ";") || cls.isEmpty();
        return count;
    }

private slots:
    void initTestCase()
    {
        createWizardForTests();
        gDCPUtils->setDatagramTarget(QHostAddress(QHostAddress::LocalHost), receiver.port());
        QVERIFY2(cgi.start(), qPrintable(cgi.error));
    }
    void cleanupTestCase() { Mainpage::endWizard(); }

    void init()
    {
        resetGlobals();
        isLocalView = false;
        IPCameraIdx = addCamera("2.0", kPassword.toBase64());
        camera().IPAddr = cgi.address();
        camera().networkconf.Https_port = cgi.httpsPort();
        page()->setPasswordLineEditStatus();
        page()->ui->dsetupCameraPasscode_LineEdit->setText(QString::fromLatin1(kPassword));
        gMainpage->showPage(nullptr, page());
    }

    void cleanup()
    {
        gDiscoveryPage->checkDeviceDiscoveryTimer->stop();
        page()->checkGetDeviceImageTimer->stop();
        gMainpage->hideScanPicture();
        gCameraConnectionPage->hide();
        gDiscoveryPage->hide();
        page()->setInputWidgetsEnabled(true);
        page()->resetCheckingParameters();
        qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
        qDeleteAll(gMainpage->findChildren<ConfigNetworkMessageBox*>());
        SupportAPModeMap.clear();
        SupportWiFiMap.clear();
        tryInternetNum = 0;
        QCoreApplication::processEvents();
        countSent();
    }

    void checkLimits_data()
    {
        QTest::addColumn<int>("check");  // index into kTicks
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("retries");  // of an access-point model; -1 any other model
        QTest::newRow("password") << 0 << 30 << 15 << -1;
        QTest::newRow("new password") << 0 << 30 << 15 << -2;
        QTest::newRow("network settings") << 1 << 30 << 15 << -1;
        QTest::newRow("network settings, access-point model") << 1 << 30 << 15 << 0;
        QTest::newRow("Internet") << 2 << 60 << 30 << -1;
        QTest::newRow("Internet, access-point model after a retry") << 2 << 60 << 30 << 1;
        QTest::newRow("cloud information") << 3 << 30 << 15 << -1;
        QTest::newRow("manual settings") << 4 << 60 << 12 << -1;
        QTest::newRow("restart") << 5 << 30 << 6 << -1;
    }

    // A camera that never answers: requests on the schedule, the popup at the limit, and nothing
    // sent on or after the limit tick (no agent restart, no password set after "Error").
    void checkLimits()
    {
        QFETCH(int, check);
        QFETCH(int, limit);
        QFETCH(int, requests);
        QFETCH(int, retries);
        const QByteArray cls = QList<QByteArray>{"7", "3", "S", "2", "3", "9"}.at(check);
        const QString popup = check == 0    ? "PasswordErrorMsgBox"
                              : retries < 0 ? "ConfigNetworkWarning"
                              : retries     ? "APClientModeInternetResetFailedWarning"
                                            : "APClientModeInternetFailed";
        if (retries >= 0)
            SupportAPModeMap["VKC-3100"] = "1", tryInternetNum = retries;
        if (retries == -2) {  // a camera without a password: the password is set, typed twice
            camera().password.clear();
            camera().bPassword = "1";
            page()->setPasswordLineEditStatus();
            page()->ui->dsetupRetypePasscode_LineEdit->setText(QString::fromLatin1(kPassword));
        }
        gMainpage->showBusy();
        LogRecorder log;
        int sent = 0;
        for (int n = 0; n < limit; ++n) {
            (page()->*kTicks[check])();
            sent += countSent(cls);
        }
        QCOMPARE(sent, requests);
        QVERIFY(!popupOpen(popup));
        (page()->*kTicks[check])();
        QCOMPARE(countSent(cls), 0);
        QVERIFY(popupOpen(popup));
        QVERIFY(!gMainpage->isBusy());
        QVERIFY2(!log.contains(kPassword) && !log.contains(kPassword.toBase64()), qPrintable(log.all()));
        if (retries == 0) {  // Retry counts, and the next failure offers Reset
            gMainpage->findChild<MessageBoxPage*>(popup)->ui->msgBoxRightBtn_Button->click();
            QCOMPARE(tryInternetNum, 1);
        }
    }

    // Local-only: the dialect is unknown, so both are sent; then the Wi-Fi page, inputs unlocked.
    void localOnlyRouting()
    {
        isLocalView = true;
        SupportWiFiMap["VKC-3100"] = "1";
        SupportAPModeMap["VKC-3100"] = "0";
        camera().dcpStatus = IPCamera::GOT_NETWORK_SETUP;
        page()->networkCfgOK = true;
        page()->setInputWidgetsEnabled(false);
        const int before = cgi.records().size();
        page()->checkNetworkCfg();
        QVERIFY(!gDeviceWiFiChangePage->isHidden());
        QVERIFY(page()->ui->dsetupCameraName_LineEdit->isEnabled());
        QCOMPARE(dWiFiBackToPage, 2);
        gDeviceWiFiChangePage->hide();
        // The requests fly together and reach the simulator in any order; snapshots do not count.
        auto sent = [&] {
            QStringList got;
            for (const QJsonObject& record : cgi.records().mid(before))
                if (!record["path"].toString().startsWith("/image"))
                    got << record["path"].toString() + (record["password_ok"].toBool() ? "" : " (no password)");
            got.sort();
            return got.join(',');
        };
        QTRY_COMPARE_WITH_TIMEOUT(sent(),
                                  QString("/config/camera_info.cgi,/config/datetime.cgi,/config/datetime.cgi,"
                                          "/datetime.cgi,/datetime.cgi,/system.cgi"),
                                  beyondDeadline(ReplyLimits::kCgi.deadlineMs));
    }

    // Where the passed network check leads, by the register bit, the mode and the model: the page,
    // the Wi-Fi page's Back target, the shortcut box, the step banner and the inputs.
    void routeAfterNetworkCheck_data()
    {
        QTest::addColumn<QByteArray>("registered");
        QTest::addColumn<bool>("local");
        QTest::addColumn<QString>("model");  // the Wi-Fi and access-point values
        QTest::addColumn<QString>("reached");
        QTest::newRow("registered") << QByteArray("1") << false << "1,0"
                                    << "already step_03";
        QTest::newRow("registered, local-only") << QByteArray("1") << true << "1,0"
                                                << "already step_03";
        QTest::newRow("cloud mode: the Internet check") << QByteArray("0") << false << "1,0"
                                                        << "internet";
        QTest::newRow("local-only, Wi-Fi model") << QByteArray("0") << true << "1,0"
                                                 << "wifi back=2 step_04";
        QTest::newRow("local-only, access-point model") << QByteArray("0") << true << "1,1"
                                                        << "done shortcut";
        QTest::newRow("local-only, wired model") << QByteArray("") << true << "0,0"
                                                 << "done shortcut";
    }
    void routeAfterNetworkCheck()
    {
        QFETCH(QByteArray, registered);
        QFETCH(bool, local);
        QFETCH(QString, model);
        QFETCH(QString, reached);
        isLocalView = local;
        camera().bRegisted = registered;
        SupportWiFiMap["VKC-3100"] = model.section(',', 0, 0);
        SupportAPModeMap["VKC-3100"] = model.section(',', 1, 1);
        camera().dcpStatus = IPCamera::GOT_NETWORK_SETUP;
        page()->networkCfgOK = true;
        dWiFiBackToPage = 0;
        gDeviceSetupCompletePage->setShortcutOfferVisible(false);
        page()->setInputWidgetsEnabled(false);
        gMainpage->showBusy();
        for (QWidget* next :
             {static_cast<QWidget*>(gAlreadyRegisteredPage), static_cast<QWidget*>(gDeviceWiFiChangePage),
              static_cast<QWidget*>(gDeviceSetupCompletePage)})
            next->hide();
        page()->checkNetworkCfgTimer->start(1000);
        page()->checkNetworkCfg();
        QVERIFY(!page()->checkNetworkCfgTimer->isActive());
        const QString first = reached.section(' ', 0, 0);
        QCOMPARE(!page()->isHidden(), first == "internet");
        QCOMPARE(page()->checkInternetTimer->isActive(), first == "internet");
        QCOMPARE(!gAlreadyRegisteredPage->isHidden(), first == "already");
        QCOMPARE(!gDeviceWiFiChangePage->isHidden(), first == "wifi");
        QCOMPARE(!gDeviceSetupCompletePage->isHidden(), first == "done");
        QCOMPARE(dWiFiBackToPage, reached.contains("back=2") ? 2 : 0);
        QCOMPARE(gDeviceSetupCompletePage->ui->DSCPShortcutCheck_CheckBox->isVisibleTo(gDeviceSetupCompletePage),
                 reached.contains("shortcut"));
        QCOMPARE(page()->ui->dsetupCameraName_LineEdit->isEnabled(), first != "internet");
        if (reached.contains("step_"))
            QVERIFY(frameWidget("mainProgress_Label")->styleSheet().contains(reached.section(' ', -1)));
        if (first == "done")
            QVERIFY(frameWidget("mainProgress_Label")->isHidden());
        QCOMPARE(gMainpage->isBusy(), first == "internet" || first == "wifi");
        for (QWidget* next :
             {static_cast<QWidget*>(gAlreadyRegisteredPage), static_cast<QWidget*>(gDeviceWiFiChangePage),
              static_cast<QWidget*>(gDeviceSetupCompletePage)})
            next->hide();
        gDeviceWiFiChangePage->checkdWiFiAPListSiteSurveyTimer->stop();
        gDeviceSetupCompletePage->getImageTimer->stop();
        gMainpage->hideBusy();
        QCoreApplication::processEvents();
        isLocalView = false;
    }

    // A failed check's popup by model and retries, and where each of its buttons leads: the
    // checks start again (password check), stop with the inputs free, or the guide is shown.
    void failurePopupButtons_data()
    {
        QTest::addColumn<QString>("ap");  // the model's access-point value
        QTest::addColumn<int>("retries");
        QTest::addColumn<QString>("popup");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("after");  // "again" / "stopped" / "guide"; "local"; "tries=n"
        auto row = [](const char* name, const char* ap, int retries, const char* popup, const char* button,
                      const char* after) { QTest::newRow(name) << ap << retries << popup << button << after; };
        const char *once = "APClientModeInternetFailed", *reset = "APClientModeInternetResetFailedWarning";
        row("access-point model, Retry", "1", 0, once, "msgBoxRightBtn_Button", "again tries=1");
        row("access-point model, Close", "1", 0, once, "msgBoxLeftBtn_Button", "stopped tries=0");
        row("access-point model, closed", "1", 0, once, "msgBoxClose_Button", "stopped tries=0");
        row("after a retry, Retry", "1", 1, reset, "msgBoxRightBtn_Button", "again tries=2");
        row("after a retry, Reset", "1", 1, reset, "msgBoxLeftBtn_Button", "guide tries=0");
        row("after a retry, Local View", "1", 1, reset, "msgBoxLocalView_Button", "again local tries=1");
        row("after a retry, closed", "1", 1, reset, "msgBoxClose_Button", "stopped tries=0");
        row("wired model, Cancel", "0", 0, "ConfigNetworkWarning", "CfgNetMsgBoxDHCPCancel_Button", "stopped tries=0");
        row("wired model, Local Only", "0", 0, "ConfigNetworkWarning", "CfgNetMsgBoxDHCPLocalOnly_Button",
            "again local tries=0");
        row("wired model, Connect", "0", 0, "ConfigNetworkWarning", "CfgNetMsgBoxDHCPConnect_Button", "manual tries=0");
        row("model without a value after a retry", "", 1, "ConfigNetworkWarning", "ConfigNetworkMsgBoxClose_Button",
            "stopped tries=1");
    }
    void failurePopupButtons()
    {
        QFETCH(QString, ap);
        QFETCH(int, retries);
        QFETCH(QString, popup);
        QFETCH(QString, button);
        QFETCH(QString, after);
        SupportAPModeMap["VKC-3100"] = ap;
        tryInternetNum = retries;
        gCameraConnectionPage->hide();
        page()->setInputWidgetsEnabled(false);
        gMainpage->showBusy();
        page()->checkInternetTimer->start(1000);
        page()->waitInternetNumber = 60;
        page()->checkInternetStatus();
        QVERIFY(!page()->checkInternetTimer->isActive());
        QVERIFY(!gMainpage->isBusy());
        for (const char* name :
             {"APClientModeInternetFailed", "APClientModeInternetResetFailedWarning", "ConfigNetworkWarning"})
            QCOMPARE(popupOpen(name), popup == name);
        QPushButton* press = gMainpage->findChild<QWidget*>(popup)->findChild<QPushButton*>(button);
        QVERIFY(press);
        press->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!popupOpen(popup));
        QVERIFY(frameWidget("lockScreenLabel")->isHidden());
        QCOMPARE(tryInternetNum, after.section("tries=", 1).toInt());
        QCOMPARE(isLocalView, after.contains("local"));
        QCOMPARE(page()->checkPasswordTimer->isActive(), after.startsWith("again"));
        QCOMPARE(page()->checkConfigNetworkTimer->isActive(), after.startsWith("manual"));
        QCOMPARE(gMainpage->isBusy(), after.startsWith("again") || after.startsWith("manual"));
        QCOMPARE(!gCameraConnectionPage->isHidden(), after.startsWith("guide"));
        QCOMPARE(!page()->isHidden(), !after.startsWith("guide"));
        if (after.startsWith("stopped") || after.startsWith("guide"))
            QVERIFY(page()->ui->dsetupCameraPasscode_LineEdit->isEnabled());
        gMainpage->hideBusy();
        isLocalView = false;
    }

    // The manual network box: the group each tab shows, and what Connect does on it with the
    // fields given (a settings wait of that type, or the fields' errors and no wait).
    void manualBoxTabs_data()
    {
        QTest::addColumn<QString>("tabs");        // tabs clicked in order
        QTest::addColumn<QStringList>("fields");  // PPPoE: account, password; static: address, mask, gateway, DNS, DNS
        QTest::addColumn<int>("started");         // the type started, -1 none
        QTest::addColumn<int>("errors");          // error labels shown
        const QStringList good{"192.168.1.9", "255.255.255.0", "192.168.1.1", "192.168.1.1", "8.8.8.8"};
        QTest::newRow("DHCP") << "" << QStringList() << 0 << 0;
        QTest::newRow("PPPoE") << "PPPoE" << QStringList{"user", "secret1"} << 1 << 0;
        QTest::newRow("PPPoE, empty") << "PPPoE" << QStringList{"", ""} << -1 << 2;
        QTest::newRow("PPPoE, no password") << "PPPoE" << QStringList{"user", ""} << -1 << 1;
        QTest::newRow("PPPoE, password outside Latin-1") << "PPPoE" << QStringList{"user", "пароль"} << -1 << 1;
        QTest::newRow("static") << "StaticIP" << good << 2 << 0;
        QStringList badGateway = good;
        badGateway[2] = "192.168.1";
        QTest::newRow("static, bad gateway") << "StaticIP" << badGateway << -1 << 1;
        QTest::newRow("static, then DHCP") << "StaticIP DHCP" << QStringList() << 0 << 0;
        QTest::newRow("PPPoE, then static") << "PPPoE StaticIP" << good << 2 << 0;
    }
    void manualBoxTabs()
    {
        QFETCH(QString, tabs);
        QFETCH(QStringList, fields);
        QFETCH(int, started);
        QFETCH(int, errors);
        page()->popupConfigNetworkWarning();
        auto* box = gMainpage->findChild<ConfigNetworkMessageBox*>("ConfigNetworkWarning");
        QVERIFY(box);
        Ui_ConfigNetworkMessageBox* form = box->ui;
        QString shown = "DHCP";
        for (const QString& tab : tabs.split(' ', Qt::SkipEmptyParts)) {
            box->findChild<QPushButton*>("CfgNetMsgBox" + tab + "_PushButton")->click();
            shown = tab;
        }
        const QMap<QString, QWidget*> groups{{"DHCP", form->CfgNetMsgBoxDHCP_GroupBox},
                                             {"PPPoE", form->CfgNetMsgBoxPPPoE_GroupBox},
                                             {"StaticIP", form->CfgNetMsgBoxStaticIP_GroupBox}};
        for (auto it = groups.cbegin(); it != groups.cend(); ++it)
            QCOMPARE(it.value()->isVisibleTo(box), it.key() == shown);
        const QList<QLineEdit*> edits =
            shown == "PPPoE"
                ? QList<QLineEdit*>{form->CfgNetMsgBoxPPPoEAccount_LineEdit, form->CfgNetMsgBoxPPPoEPassword_LineEdit}
                : QList<QLineEdit*>{form->CfgNetMsgBoxStaticIPIPAddr_LineEdit,
                                    form->CfgNetMsgBoxStaticIPSubnet_LineEdit,
                                    form->CfgNetMsgBoxStaticIPGateway_LineEdit, form->CfgNetMsgBoxStaticIPPDNS_LineEdit,
                                    form->CfgNetMsgBoxStaticIPSDNS_LineEdit};
        for (int i = 0; i < fields.size(); ++i)
            edits[i]->setText(fields[i]);
        DeviceSetupShared::configNetworkType = -1;
        QTranslator german;  // the password's error in the page's own words
        const bool translated = QByteArray(QTest::currentDataTag()).contains("Latin-1");
        if (translated) {
            QVERIFY(german.load(qEnvironmentVariable("BUILD_DIR") + "/lang/de.qm"));
            QCoreApplication::installTranslator(&german);
        }
        box->findChild<QPushButton*>("CfgNetMsgBox" + shown + "Connect_Button")->click();
        if (shown == "PPPoE") {  // and as the fields check themselves when left
            emit form->CfgNetMsgBoxPPPoEAccount_LineEdit->editingFinished();
            emit form->CfgNetMsgBoxPPPoEPassword_LineEdit->editingFinished();
        }
        const char* latin1 = "Please use only Western European characters";
        const QString said = form->cPPPoePasswordError_Label->text();
        QVERIFY(!translated ||
                (said.contains(QCoreApplication::translate("DeviceSetupPage", latin1)) && !said.contains(latin1)));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(page()->checkConfigNetworkTimer->isActive(), started >= 0);
        if (started >= 0)
            QCOMPARE(DeviceSetupShared::configNetworkType, started);
        QCOMPARE(popupOpen("ConfigNetworkWarning"), started < 0);
        int shownErrors = 0;
        for (QLabel* label : groups[shown]->findChildren<QLabel*>())
            shownErrors += label->objectName().endsWith("Error_Label") && label->isVisibleTo(box);
        QCOMPARE(shownErrors, errors);
        page()->checkConfigNetworkTimer->stop();
        gMainpage->hideBusy();
    }

    // Next on the password step by the password's form and the camera: the request it sends, the
    // network check that follows, or the error popup, whose OK empties the fields and frees them.
    void passwordStep_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("stored");  // the record's password field ("-": none, a new one is set)
        QTest::addColumn<QString>("typed");      // "password|retype"
        QTest::addColumn<QString>("outcome");    // "sent <class> <item>" then "network"; "popup"
        QTest::newRow("new camera, its password") << QByteArray("2.0") << kPassword.toBase64() << "secret1"
                                                  << "sent 7 ;X= network";
        QTest::newRow("new camera, a new password") << QByteArray("2.0") << QByteArray("-") << "secret1|secret1"
                                                    << "sent 7 ;P= network";
        QTest::newRow("new password retyped otherwise") << QByteArray("2.0") << QByteArray("-") << "secret1|secret2"
                                                        << "popup";
        QTest::newRow("too short") << QByteArray("2.0") << kPassword.toBase64() << "abc"
                                   << "popup";
        QTest::newRow("old camera, right") << QByteArray("1.0") << kPassword << "secret1"
                                           << "network";
        QTest::newRow("old camera, wrong") << QByteArray("1.0") << kPassword << "secret2"
                                           << "popup";
        QTest::newRow("old camera, a new password") << QByteArray("1.0") << QByteArray("-") << "secret1|secret1"
                                                    << "sent 2 ;P=c2VjcmV0MQ== network";
    }
    void passwordStep()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        camera().DCPVersion = version;
        camera().password = stored == "-" ? QByteArray() : stored;
        camera().bPassword = stored == "-" ? "1" : "0";
        page()->setPasswordLineEditStatus();
        QCOMPARE(page()->ui->dsetupRetypePasscode_LineEdit->isHidden(), !typed.contains('|'));
        page()->ui->dsetupCameraPasscode_LineEdit->setText(typed.section('|', 0, 0));
        page()->ui->dsetupRetypePasscode_LineEdit->setText(typed.section('|', 1, 1));
        page()->ui->dsetupNext_Button->click();
        QByteArray sent, first;
        for (int n = 0; n < 2 && page()->checkPasswordTimer->isActive(); ++n) {
            page()->checkPasswordResult();
            for (QByteArray text = receiver.nextText(50); !text.isEmpty(); text = receiver.nextText(50))
                sent += text.left(1) + " ", first = first.isEmpty() ? text : first;
            if (sent.startsWith("7"))  // the camera confirms
                camera().dcpStatus = IPCamera::GOT_PWD, page()->checkPasswordSuccess(IPCameraIdx);
            if (sent.startsWith("2"))
                page()->checkPasswordSuccess(IPCameraIdx);
        }
        if (outcome.startsWith("sent")) {
            QCOMPARE(QString::fromLatin1(sent).section(' ', 0, 0), outcome.section(' ', 1, 1));
            QVERIFY2(first.contains(outcome.section(' ', 2, 2).toLatin1()), first.constData());
        } else {
            QVERIFY2(sent.isEmpty(), sent.constData());
        }
        QCOMPARE(page()->checkNetworkCfgTimer->isActive(), outcome.endsWith("network"));
        QCOMPARE(popupOpen("PasswordErrorMsgBox"), outcome == "popup");
        if (outcome == "popup") {
            QVERIFY(!page()->checkPasswordTimer->isActive() && !gMainpage->isBusy());
            gMainpage->findChild<MessageBoxPage*>("PasswordErrorMsgBox")->ui->msgBoxRightBtn_Button->click();
            QVERIFY(page()->ui->dsetupCameraPasscode_LineEdit->text().isEmpty());
            QVERIFY(page()->ui->dsetupRetypePasscode_LineEdit->text().isEmpty());
            QVERIFY(page()->ui->dsetupCameraPasscode_LineEdit->isEnabled());
        }
        gMainpage->hideBusy();
    }

    // A second Connect (after a timeout) counts from its first tick again.
    void manualConnectCountsAfresh()
    {
        page()->waitConfigNetworkNumber = 7;
        page()->pressConfigNetworkDHCPConnectButton();
        QVERIFY(page()->checkConfigNetworkTimer->isActive());
        QCOMPARE(page()->waitConfigNetworkNumber, 0);
    }

    // The cloud portal is an Internet host: its certificate is verified.
    void openApiPortalVerified()
    {
        HttpTestServer portal;
        QVERIFY(portal.start(true));
        portal.setAnswer("/cam/openapi/?url", HttpTestServer::ok("https://api.olvaris.invalid/"));
        camera().portal = portal.url("/cam/").toString().toLatin1();
        page()->checkOpenAPIUriInfoConnection();
        QTRY_VERIFY_WITH_TIMEOUT(page()->openAPIUriInfoNAM->findChildren<QNetworkReply*>().isEmpty(),
                                 beyondDeadline(ReplyLimits::kOpenApi.deadlineMs));
        QCOMPARE(portal.requestsFor("/cam/openapi/?url"), 0);
        QVERIFY(!page()->openAPIUriInfoOK);
    }

    void missingCloudPageFails()
    {
        CloudServicesPage* saved = gCloudServicesPage;
        gCloudServicesPage = nullptr;
        page()->openAPIUriInfoOK = true;
        page()->checkOpenAPIUriInfoConnection();
        gCloudServicesPage = saved;
        QVERIFY(popupOpen("ConfigNetworkWarning"));
    }

    // The connection guide empties the list and leaves IPCameraIdx: a check then stops quietly.
    void staleCameraIndexStopsTheChecks()
    {
        page()->checkNetworkCfgTimer->start(1000);
        gMainpage->showBusy();
        IPCameraList.clear();
        for (Tick tick : kTicks)
            (page()->*tick)();
        QVERIFY(!page()->checkNetworkCfgTimer->isActive());
        QVERIFY(!gMainpage->isBusy());
        QCOMPARE(countSent(), 0);
    }

    void startOverUnlocksInputs()
    {
        page()->setInputWidgetsEnabled(false);
        page()->pressMsgStartOverButton();
        QVERIFY(page()->ui->dsetupCameraPasscode_LineEdit->isEnabled());
        gCameraConnectionPage->hide();
    }

    // Back, the reset hint's Start Over and Close, and a second visit through the camera table's
    // Next: the page reached, the fields emptied or kept, the inputs, the checks and the snapshot.
    void waysOut_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("reached");  // discovery, guide, stay
        QTest::addColumn<QString>("kept");     // "password", "camera", "checks", "dsttime", "dstbox"
        QTest::newRow("Back") << "back"
                              << "discovery"
                              << "dstbox";
        QTest::newRow("Start Over") << "startover"
                                    << "guide"
                                    << "camera dstbox";
        QTest::newRow("reset hint closed") << "close"
                                           << "stay"
                                           << "password camera checks dsttime dstbox";
        QTest::newRow("second visit") << "again"
                                      << "stay"
                                      << "password camera dsttime";
    }
    void waysOut()
    {
        QFETCH(QString, press);
        QFETCH(QString, reached);
        QFETCH(QString, kept);
        Ui_DeviceSetupPage* form = page()->ui;
        camera().bPassword = "1";
        camera().password.clear();
        camera().Name = QByteArray("Door").toBase64();
        page()->setPasswordLineEditStatus();
        form->dsetupRetypePasscode_LineEdit->setText(QString::fromLatin1(kPassword));
        form->dsetupCameraName_LineEdit->setText("typed");
        form->dsetupStartHour_QTimeEdit->setTime(QTime(5, 0));
        form->dsetupDSTCheckBox_CheckBox->setChecked(true);
        page()->setInputWidgetsEnabled(false);
        for (QTimer* timer : {page()->checkInternetTimer, page()->checkConfigNetworkTimer,
                              page()->checkOpenAPIUriInfoTimer, page()->checkGetDeviceImageTimer})
            timer->start(1000);
        form->dsetupCGIIamge_Label->show();
        gDiscoveryPage->hide();
        gCameraConnectionPage->hide();
        ModelRouteMap = {{"Choose your model", "0"}, {"VKC-3100", "1"}};
        gMainpage->enterPage(nullptr, gCameraConnectionPage);
        gCameraConnectionPage->ui->cconnection_ComboBox->setCurrentIndex(1);
        gMainpage->showPage(gCameraConnectionPage, page());
        gMainpage->setStep(2, "setup");

        if (press == "back") {
            form->dsetupBack_Button->click();
        } else if (press == "again") {
            gDiscoveryPage->pressNextButton();
        } else {
            emit form->dsetupForgotPassword_Label->linkActivated("reset");
            MessageBoxPage* popup = gMainpage->findChild<MessageBoxPage*>("resetYourCameraWarning");
            QVERIFY(popup);
            (press == "close" ? popup->ui->msgBoxLeftBtn_Button : popup->ui->msgBoxRightBtn_Button)->click();
            QVERIFY(!popupOpen("resetYourCameraWarning"));
            QVERIFY(frameWidget("lockScreenLabel")->isHidden());
        }
        QCOMPARE(!page()->isHidden(), reached == "stay");
        QCOMPARE(!gDiscoveryPage->isHidden(), reached == "discovery");
        QCOMPARE(!gCameraConnectionPage->isHidden(), reached == "guide");
        QCOMPARE(gDiscoveryPage->checkDeviceDiscoveryTimer->isActive(), reached == "discovery");
        if (reached == "guide")
            QCOMPARE(gCameraConnectionPage->ui->cconnection_ComboBox->currentIndex(), 0);
        if (reached != "stay")
            QVERIFY(!frameWidget("mainProgress_Label")->isHidden() &&
                    frameWidget("mainProgress_Label")->styleSheet().contains("step_01"));

        const bool password = kept.contains("password");
        QCOMPARE(form->dsetupCameraPasscode_LineEdit->text().isEmpty(), !password);
        QCOMPARE(form->dsetupRetypePasscode_LineEdit->text().isEmpty(), !password);
        QCOMPARE(form->dsetupRetypePasscode_LineEdit->isHidden(), !password);
        if (press != "again") {
            QCOMPARE(form->dsetupCameraPasscode_LineEdit->isEnabled(), press != "close");
            QCOMPARE(form->dsetupTimeZoneComboBox_comboBox->isEnabled(), press != "close");
        }
        QCOMPARE(IPCameraList.isEmpty(), !kept.contains("camera"));
        const bool checks = kept.contains("checks");
        for (QTimer* timer :
             {page()->checkInternetTimer, page()->checkConfigNetworkTimer, page()->checkOpenAPIUriInfoTimer})
            QVERIFY(press == "again" || timer->isActive() == checks);  // the way back to the table stops them
        QCOMPARE(page()->checkGetDeviceImageTimer->isActive(), reached == "stay");
        QCOMPARE(form->dsetupCGIIamge_Label->isHidden(), reached != "stay");
        QCOMPARE(form->dsetupStartHour_QTimeEdit->time() == QTime(5, 0), kept.contains("dsttime"));
        QCOMPARE(form->dsetupDSTCheckBox_CheckBox->isChecked(), kept.contains("dstbox"));
        if (press == "again")
            QCOMPARE(form->dsetupCameraName_LineEdit->text(), QString("Door"));
    }

    // A language change puts the offset, week and day lists back to their first entries and keeps
    // the months and hours; the day, month and hour names are the language's, the request takes
    // their positions and values. The captions take the room their words need, none over another; a
    // refused name's error the room its lines need, the rows under it lowered as far, clear of the
    // buttons, and back once it goes.
    void languageChangeResetsDaylightSaving_data()
    {
        QTest::addColumn<QString>("file");  // the translation installed; none: English
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<QString>("clock");  // March, 2 o'clock
        QTest::newRow("English") << ""
                                 << "Sun"
                                 << "Mar 02 AM";
        QTest::newRow("German") << "de.qm"
                                << "So"
                                << "März 02:00";
        QTest::newRow("Italian, a caption wrapped") << "it.qm"
                                                    << "Dom"
                                                    << "mar 02:00";
        QTest::newRow("Japanese, taller letters") << "ja.qm"
                                                  << "日曜"
                                                  << "3月 02:00";
        QTest::newRow("Danish, the offset's caption as wide as its room") << "da.qm"
                                                                          << "Søn"
                                                                          << "mar. 02.00";
    }

    void languageChangeResetsDaylightSaving()
    {
        QFETCH(QString, file);
        QFETCH(QString, firstDay);
        QFETCH(QString, clock);
        Ui_DeviceSetupPage* form = page()->ui;
        const QList<QComboBox*> lists = {form->dsetupDSTHourOffset_ComboBox, form->dsetupStartWeek_ComboBox,
                                         form->dsetupEndWeek_ComboBox, form->dsetupStartDate_ComboBox,
                                         form->dsetupEndDate_ComboBox};
        for (QComboBox* list : lists)
            list->setCurrentIndex(3);
        for (QDateTimeEdit* field : {form->dsetupStartMonth_QDateEdit, form->dsetupEndMonth_QDateEdit})
            field->setDate(QDate(2000, 3, 1));
        for (QDateTimeEdit* field : {form->dsetupStartHour_QTimeEdit, form->dsetupEndHour_QTimeEdit})
            field->setTime(QTime(2, 0));
        QTranslator translator;
        if (!file.isEmpty()) {
            QVERIFY(translator.load(qEnvironmentVariable("BUILD_DIR") + "/lang/" + file));
            QCoreApplication::installTranslator(&translator);
        }
        gCurrentLanguage = file.isEmpty() ? "en" : file.chopped(3);
        page()->retranslate();
        QCOMPARE(form->dsetupStartMonth_QDateEdit->text() + " " + form->dsetupStartHour_QTimeEdit->text(), clock);
        QCOMPARE(form->dsetupEndMonth_QDateEdit->text() + " " + form->dsetupEndHour_QTimeEdit->text(), clock);
        const QString query = page()->getTimeSavingSettings();
        QVERIFY2(query.contains("&DSTStartMonth=2&") && query.contains("&DSTStartTime=2&"), qPrintable(query));
        QList<QWidget*> captions = {form->dsetupDSTAuto_RadioButton, form->dsetupDSTManual_RadioButton};
        for (QWidget* choice : captions)
            QVERIFY2(choice->width() >= choice->sizeHint().width(), qPrintable(choice->objectName()));
        for (QLabel* caption : form->dsetupTimeSettings_GroupBox->findChildren<QLabel*>()) {
            QVERIFY2(caption->height() >= WizardPage::textHeight(caption) &&
                         (caption->wordWrap() || caption->width() >= WizardPage::textWidth(caption)),
                     qPrintable(caption->text()));
            captions << caption;
        }
        for (QWidget* one : captions)
            for (QWidget* other : captions)
                QVERIFY2(one == other || one->parent() != other->parent() ||
                             !one->geometry().intersects(other->geometry()),
                         qPrintable(one->objectName() + " " + other->objectName()));
        QCOMPARE(form->dsetupDSTDateLabel_Label->wordWrap(), file == "it.qm");
        const QList<QPair<QLabel*, QWidget*>> beside = {
            {form->dsetupDSTHourOffsetLabel_Label, form->dsetupDSTHourOffset_ComboBox},
            {form->dsetupDSTStartLabel_Label, form->dsetupStartMonth_QDateEdit},
            {form->dsetupDSTEndLabel_Label, form->dsetupEndMonth_QDateEdit}};
        for (const auto& [caption, field] : beside) {  // its letters end 8 px before its field, nearer nor farther
            const int end = caption->x() + caption->fontMetrics().tightBoundingRect(caption->text()).right() + 1;
            QVERIFY2(end + 8 == field->x() && caption->geometry().right() < field->x(),
                     qPrintable(QString("%1 ends at %2").arg(caption->text()).arg(end)));
        }
        for (const QString& name : {QStringLiteral("bad name"), QStringLiteral("Door")}) {
            form->dsetupCameraName_LineEdit->setText(name);
            page()->cameraNameLineEditFinished();
            const QRect error = form->dsetupError_Label->geometry();
            const int drop = form->dsetupCameraPasscode_LineEdit->y() - 124;
            QCOMPARE(drop > 0, name == "bad name");
            QVERIFY(form->dsetupError_Label->isHidden() ||
                    (error.height() >= WizardPage::textHeight(form->dsetupError_Label) && error.bottom() < 124 + drop));
            QCOMPARE(form->dsetupTimeZoneComboBox_comboBox->y(), 173 + drop);
            QVERIFY(form->dsetupTimeSettings_GroupBox->geometry().bottom() < form->dsetupNext_Button->y());
        }
        // A new password's hint beside its field: its lines end above those of the password's error under the field.
        camera().password.clear();
        camera().bPassword = "1";
        page()->setPasswordLineEditStatus();
        const QLabel* hint = form->dsetupPasswordErrorHint_Label;
        const QLabel* error = form->dsetupPasswordError_Label;
        const int hintEnd = hint->y() + (hint->height() + WizardPage::textHeight(hint)) / 2;
        const int errorTop = error->y() + (error->height() - WizardPage::textHeight(error)) / 2;
        QVERIFY2(hint->height() >= WizardPage::textHeight(hint) && hintEnd <= errorTop,
                 qPrintable(QString("the hint ends at %1, the error begins at %2").arg(hintEnd).arg(errorTop)));
        QCoreApplication::removeTranslator(&translator);
        gCurrentLanguage = "en";
        const QString firstShown = form->dsetupStartDate_ComboBox->itemText(0);
        page()->retranslate();
        for (QComboBox* list : lists)
            QVERIFY2(list->currentIndex() == 0, qPrintable(list->objectName()));
        QCOMPARE(firstShown, firstDay);
        QCOMPARE(form->dsetupStartMonth_QDateEdit->date(), QDate(2000, 3, 1));
        QCOMPARE(form->dsetupStartHour_QTimeEdit->time(), QTime(2, 0));
        form->dsetupStartDate_ComboBox->setCurrentIndex(6);
        QVERIFY(page()->getTimeSavingSettings().contains("&DSTStartDay=6&"));
    }

    // The preview's snapshot: a JPEG of the camera's answered 200 is shown, nothing else is; one that comes while
    // one decodes is dropped.
    void previewSnapshot_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("answers");  // at once
        QBuffer jpeg;
        QVERIFY(jpeg.open(QIODevice::WriteOnly) && QImage::fromData(blankPng(4, 4)).save(&jpeg, "JPEG"));
        QTest::newRow("a JPEG") << 200 << jpeg.data() << 1;
        QTest::newRow("two at once") << 200 << jpeg.data() << 2;
        QTest::newRow("not a picture") << 200 << QByteArray("<html>") << 0;
        QTest::newRow("a PNG") << 200 << blankPng(4, 4) << 0;
        QTest::newRow("a JPEG of an error") << 500 << jpeg.data() << 0;
    }
    void previewSnapshot()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, answers);
        HttpTestServer camera;
        QVERIFY(camera.start());
        camera.setAnswer("/snapshot", {status, body, {}});
        QNetworkAccessManager manager;
        QList<QNetworkReply*> replies;
        for (int i = 0; i < qMax(1, answers); ++i)
            replies << manager.get(QNetworkRequest(camera.url("/snapshot")));
        for (QNetworkReply* reply : replies)
            QTRY_VERIFY(reply->isFinished());
        page()->ui->dsetupCGIIamge_Label->hide();
        page()->getDeviceImageOK = answers == 0;
        LogRecorder log;
        for (QNetworkReply* reply : replies)
            page()->getImagefinishedSlot(reply);
        QTRY_VERIFY(!page()->previewDecoder->busy());
        QCOMPARE(page()->getDeviceImageOK, answers > 0);
        QCOMPARE(page()->ui->dsetupCGIIamge_Label->isHidden(), answers == 0);
        QCOMPARE(log.count({"] Success"}), qMin(1, answers));
    }

    // Lines the log must carry, in this order, none with the camera's password.
    void logLines_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("lines");
        const QStringList nine = {
            "DSTOffset :",   "DSTStartMonth :", "DSTEndMonth :",  "DSTStartWeek :", "DSTEndWeek :",
            "DSTStartDay :", "DSTEndDay :",     "DSTStartTime :", "DSTEndTime :"};
        QTest::newRow("camera name") << "camera name"
                                     << QStringList{"url = ", "] content =  \"CameraName=", "Auth Basic "};
        QTest::newRow("daylight saving") << "daylight saving"
                                         << nine + QStringList{"time saving content = ", "url = ",
                                                               "] content =  \"DSTEnable=1&DSTOffset=", "Auth Basic "};
        // The items as the list shows them, beside the values sent.
        QTest::newRow("daylight saving in German")
            << "daylight saving de.qm" << QStringList{"DSTStartDay : \"So\"  ,  \"0\"", "DSTEndDay : \"So\"  ,  \"0\""};
        QTest::newRow("daylight saving off")
            << "daylight saving off"
            << QStringList{"time saving content = ", "url = ", "] content =  \"DSTEnable=0\"", "Auth Basic "};
        QTest::newRow("camera restarted") << "camera restarted" << QStringList{" waitRestartNetworkNumber : 3"};
        QTest::newRow("local-only summary") << "local-only summary" << QStringList{"device_icon path :"};
        QTest::newRow("discovery row") << "discovery row" << QStringList{"path xxxxxxxxxxxx :"};
        QTest::newRow("cloud page") << "cloud page"
                                    << QStringList{
                                           "00 CloudServicesPage Constructor", "01 CloudServicesPage Constructor",
                                           "02 CloudServicesPage Constructor", "03 CloudServicesPage Constructor",
                                           "04 CloudServicesPage Constructor"};
    }

    void logLines()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, lines);
        LogRecorder log;
        QTranslator translator;
        if (action == "camera name") {
            page()->sendSetDeviceNameCGI(2);
        } else if (action.endsWith(".qm")) {
            QVERIFY(translator.load(qEnvironmentVariable("BUILD_DIR") + "/lang/" + action.section(' ', -1)));
            QCoreApplication::installTranslator(&translator);
            page()->retranslate();
            page()->sendSetDSTCGI(2, 1);
            QCoreApplication::removeTranslator(&translator);
            page()->retranslate();
        } else if (action.startsWith("daylight saving")) {
            page()->sendSetDSTCGI(2, action.endsWith("off") ? 0 : 1);
        } else if (action == "camera restarted") {
            camera().dcpStatus = IPCamera::GOT_RESTART;
            page()->waitRestartNetworkNumber = 3;
            page()->checkRestartNetworkConnection();
        } else if (action == "local-only summary") {
            isLocalView = true;
            page()->setupCompleteInfo();
        } else if (action == "discovery row") {
            camera().dcpStatus = IPCamera::GOT_PWD_STATUS;
            gDiscoveryPage->updateDeviceTableList(IPCameraIdx);
            gDiscoveryPage->clearCameraTable();
        } else {
            viewsAtTwo.clear();
            nextHandler = qInstallMessageHandler(noteViewsAtTwo);
            delete new CloudServicesPage;
            qInstallMessageHandler(nextHandler);
            viewsAtTwo.sort();
            // "02" comes between the two views' set-up.
            QCOMPARE(viewsAtTwo, QStringList({"cloudServiceSignIn_WebView set up", "cloudServiceSignUp_WebView bare"}));
        }
        int at = 0;
        for (const QString& line : lines) {
            while (at < log.lines.size() && !log.lines.at(at).contains(line))
                ++at;
            QVERIFY2(at < log.lines.size(), qPrintable(line + " not in, or before what precedes it, in\n" + log.all()));
            ++at;
        }
        QVERIFY2(!log.contains(kPassword) && !log.contains(kPassword.toBase64()), qPrintable(log.all()));
    }

    // The password in the form the record holds (Base64 from 2.0 on), once per reply; the reply
    // answered lives on.
    void cameraCredentials()
    {
        for (const QByteArray& version : {QByteArray("2.0"), QByteArray("1.0")}) {
            camera().DCPVersion = version;
            camera().password = version == "2.0" ? kPassword.toBase64() : kPassword;
            QNetworkAccessManager manager;
            QPointer<QNetworkReply> reply = manager.get(QNetworkRequest(QUrl("http://127.0.0.1:9/")));
            QAuthenticator first, second;
            page()->slotAuthenticationRequired(reply, &first);
            page()->slotAuthenticationRequired(reply, &second);
            QCOMPARE(first.user(), QString("admin"));
            QCOMPARE(first.password(), QString::fromLatin1(kPassword));
            QVERIFY(second.user().isEmpty());
            QCoreApplication::sendPostedEvents();
            QVERIFY(reply);
            delete reply;
        }
    }
};

QTEST_MAIN(TestDeviceSetupPage)
#include "tst_devicesetuppage.moc"

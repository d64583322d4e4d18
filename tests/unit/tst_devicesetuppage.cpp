// The setup page against the DCP core and loopback servers: its requests go to a loopback
// receiver, the camera's CGI is the camcgi simulator on 127.0.0.1, and the OpenAPI address
// is a local HTTP(S) stand-in. Nothing leaves this machine.

#include <QtTest>

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "dcptestkit.h"
#include "httptestkit.h"
#include "cloud/alreadyregisteredpage.h"
#include "cloud/devicesetupcompletepage.h"
#include "guide/cameraconnectionpage.h"
#include "protocol/dcputils.h"
#include "setup/confignetworkmessagebox.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"
#include "wifi/devicewifichangepage.h"

using namespace dcptest;

namespace {

const QByteArray kPassword = "secret1";

DeviceSetupPage* page() { return gDeviceSetupPage; }
IPCamera& camera() { return IPCameraList[IPCameraIdx]; }
bool popupOpen(const char* name) { return gMainpage->findChild<QWidget*>(name) != nullptr; }

void deliver()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class TestDeviceSetupPage : public QObject
{
    Q_OBJECT
    LoopbackReceiver receiver;
    CamCgiServer cgi{QString::fromLatin1(kPassword)};


    // The requests of class cls sent since the last look.
    int countSent(const QByteArray& cls)
    {
        int count = 0;
        for (QByteArray text = receiver.nextText(20); !text.isEmpty(); text = receiver.nextText(20))
            count += text.startsWith(cls + ";");
        return count;
    }

private slots:
    void initTestCase()
    {
        createWizardForTests();
        gDCPUtils->setDatagramTarget(QHostAddress(QHostAddress::LocalHost), receiver.port());
        QVERIFY2(cgi.start(), qPrintable(cgi.error));
    }

    void init()
    {
        resetGlobals();
        isLocalView = false;
        tryInternetNum = 0;
        IPCameraIdx = addCamera("2.0", kPassword.toBase64());
        camera().IPAddr = cgi.address();
        camera().networkconf.Https_port = cgi.httpsPort();
        page()->setPasswordLineEditStatus();
        page()->ui->dsetupCameraPasscode_LineEdit->setText(QString::fromLatin1(kPassword));
        page()->resetCheckingParameters();
        gMainpage->showPage(nullptr, page());
    }

    void cleanup()
    {
        page()->resetCheckingParameters();
        qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
        qDeleteAll(gMainpage->findChildren<ConfigNetworkMessageBox*>());
        SupportAPModeMap.clear();
        SupportWiFiMap.clear();
        CGIProtocolMap.clear();
        deliver();
        receiver.quiet(50);
    }

    void checkLimits_data()
    {
        QTest::addColumn<QByteArray>("cls");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("popup");
        QTest::newRow("password") << QByteArray("7") << 30 << 15 << "PasswordErrorMsgBox";
        QTest::newRow("network settings") << QByteArray("3") << 30 << 15 << "ConfigNetworkWarning";
        QTest::newRow("Internet") << QByteArray("S") << 60 << 30 << "ConfigNetworkWarning";
        QTest::newRow("cloud information") << QByteArray("2") << 30 << 15 << "ConfigNetworkWarning";
        QTest::newRow("manual settings") << QByteArray("3") << 60 << 12 << "ConfigNetworkWarning";
        QTest::newRow("restart, AP model") << QByteArray("9") << 30 << 6 << "APClientModeInternetFailed";
        QTest::newRow("cloud information, AP model retried")
            << QByteArray("2") << 30 << 15 << "APClientModeInternetResetFailedWarning";
    }

    // A camera that never answers: requests on the schedule, the popup at the limit, and no
    // request on or after the limit tick (in particular no agent restart and no password set).
    void checkLimits()
    {
        QFETCH(QByteArray, cls);
        QFETCH(int, limit);
        QFETCH(int, requests);
        QFETCH(QString, popup);
        const bool apModel = QByteArray(QTest::currentDataTag()).contains("AP model");
        SupportAPModeMap["VKC-3100"] = apModel ? "1" : "0";
        tryInternetNum = QByteArray(QTest::currentDataTag()).contains("retried") ? 1 : 0;
        const QMap<QByteArray, void (DeviceSetupPage::*)()> ticks = {
            {"7", &DeviceSetupPage::checkPasswordResult},   {"S", &DeviceSetupPage::checkInternetStatus},
            {"2", &DeviceSetupPage::checkOlvarisInfo},       {"9", &DeviceSetupPage::checkRestartNetworkConnection}};
        void (DeviceSetupPage::*tickSlot)() = ticks.value(cls, &DeviceSetupPage::checkNetworkCfg);
        if (limit == 60 && cls == "3")
            tickSlot = &DeviceSetupPage::checkConfigNetworkConnection;
        gMainpage->showBusy();
        int sent = 0;
        for (int n = 0; n < limit; ++n) {
            (page()->*tickSlot)();
            sent += countSent(cls);
        }
        QCOMPARE(sent, requests);
        QVERIFY(!popupOpen(qPrintable(popup)));
        (page()->*tickSlot)();
        QCOMPARE(countSent(cls), 0);
        QVERIFY(popupOpen(qPrintable(popup)));
        QVERIFY(!gMainpage->isBusy());
    }

    void routing_data()
    {
        QTest::addColumn<QByteArray>("registered");
        QTest::addColumn<bool>("localView");
        QTest::addColumn<QString>("wifi");
        QTest::addColumn<QString>("apMode");
        QTest::addColumn<QString>("paths"); // the CGI requests, in the order sent
        QTest::addColumn<QString>("shown"); // the page shown next, or "" when the page stays
        const QString normal = "/system.cgi,/datetime.cgi,/datetime.cgi";
        const QString both = "/config/camera_info.cgi,/system.cgi,/config/datetime.cgi,/datetime.cgi,"
                             "/config/datetime.cgi,/datetime.cgi";
        QTest::newRow("normal") << QByteArray("0") << false << "1" << "0" << normal << "";
        QTest::newRow("registered") << QByteArray("1") << false << "1" << "0" << normal << "AlreadyRegisteredPage";
        QTest::newRow("local, Wi-Fi") << QByteArray("0") << true << "1" << "0" << both << "DeviceWiFiChangePage";
        QTest::newRow("local, Wi-Fi and AP") << QByteArray("0") << true << "1" << "1" << both
                                             << "DeviceSetupCompletePage";
    }

    void routing()
    {
        QFETCH(QByteArray, registered);
        QFETCH(bool, localView);
        QFETCH(QString, wifi);
        QFETCH(QString, apMode);
        QFETCH(QString, paths);
        QFETCH(QString, shown);
        isLocalView = localView;
        SupportWiFiMap["VKC-3100"] = wifi;
        SupportAPModeMap["VKC-3100"] = apMode;
        camera().bRegisted = registered;
        camera().dcpStatus = IPCamera::GOT_NETWORK_SETUP;
        page()->networkCfgOK = true;
        page()->setInputWidgetsEnabled(false);
        const int before = cgi.records().size();
        page()->checkNetworkCfg();

        QStringList want = paths.split(',');
        QVERIFY(cgi.waitForRecords(before + want.size()));
        QTest::qWait(200);
        gDeviceSetupCompletePage->getImageTimer->stop();
        // Requests of one pass fly together: the order in which they arrive is not theirs.
        QStringList got;
        for (const QJsonObject& record : cgi.records().mid(before)) {
            if (record["path"].toString().startsWith("/image"))
                continue;
            got << record["path"].toString();
            QVERIFY(record["password_ok"].toBool());
        }
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        QCOMPARE(got, want);

        if (shown.isEmpty()) {
            QVERIFY(page()->checkInternetTimer->isActive());
            QVERIFY(!page()->isHidden());
        } else {
            QVERIFY(page()->isHidden());
            const QMap<QString, QWidget*> pages = {{"AlreadyRegisteredPage", gAlreadyRegisteredPage},
                                                   {"DeviceWiFiChangePage", gDeviceWiFiChangePage},
                                                   {"DeviceSetupCompletePage", gDeviceSetupCompletePage}};
            QWidget* next = pages.value(shown);
            QVERIFY2(!next->isHidden(), qPrintable(shown));
            QVERIFY(page()->ui->dsetupCameraName_LineEdit->isEnabled());
            next->hide();
        }
        if (shown == "DeviceWiFiChangePage")
            QCOMPARE(dWiFiBackToPage, 2);
    }

    void manualStaticSettings()
    {
        page()->popupConfigNetworkWarning();
        ConfigNetworkMessageBox* box = gMainpage->findChild<ConfigNetworkMessageBox*>("ConfigNetworkWarning");
        QVERIFY(box);
        Ui_ConfigNetworkMessageBox* form = box->ui;
        form->CfgNetMsgBoxStaticIPIPAddr_LineEdit->setText("10.254.0.50");
        form->CfgNetMsgBoxStaticIPSubnet_LineEdit->setText("255.255.255.0");
        form->CfgNetMsgBoxStaticIPGateway_LineEdit->setText("10.254.0.1;0=1");
        form->CfgNetMsgBoxStaticIPPDNS_LineEdit->setText("8.8.8.8");
        form->CfgNetMsgBoxStaticIPConnect_Button->click();
        QVERIFY(!form->cNetworkGatewayError_Label->isHidden());
        QVERIFY(form->cNetworkSDNSError_Label->isHidden());
        QVERIFY(!page()->checkConfigNetworkTimer->isActive());

        // An earlier run left its count behind: a new Connect counts from its first tick again.
        page()->waitConfigNetworkNumber = 7;
        form->CfgNetMsgBoxStaticIPGateway_LineEdit->setText("10.254.0.1");
        form->CfgNetMsgBoxStaticIPConnect_Button->click();
        deliver();
        QVERIFY(!gMainpage->findChild<ConfigNetworkMessageBox*>("ConfigNetworkWarning"));
        QVERIFY(page()->checkConfigNetworkTimer->isActive());
        QCOMPARE(page()->waitConfigNetworkNumber, 0);
        page()->checkConfigNetworkTimer->stop();
        page()->checkConfigNetworkConnection();
        const QByteArray text = receiver.nextText(500);
        QVERIFY2(text.startsWith("3;") && text.contains(";0=0;1=10.254.0.50;2=255.255.255.0;3=10.254.0.1;4=8.8.8.8;6=0;"),
                 text.constData());
    }

    void openApiAnswer_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("passes");
        QTest::newRow("empty body") << false << QByteArray() << false;
        QTest::newRow("untrusted certificate") << true << QByteArray("https://api.olvaris.invalid/") << false;
    }

    // The cloud portal is verified like every Internet host and must name an http(s) site.
    void openApiAnswer()
    {
        QFETCH(bool, tls);
        QFETCH(QByteArray, body);
        QFETCH(bool, passes);
        HttpTestServer portal;
        QVERIFY(portal.start(tls));
        portal.setAnswer("/cam/openapi/?url", HttpTestServer::ok(body));
        camera().portal = portal.url("/cam/").toString().toLatin1();
        page()->checkOpenAPIUriInfoConnection();
        QTRY_VERIFY(page()->openAPIUriInfoNAM->findChildren<QNetworkReply*>().isEmpty());
        deliver();
        QCOMPARE(portal.requestsFor("/cam/openapi/?url"), tls ? 0 : 1);
        QCOMPARE(page()->openAPIUriInfoOK, passes);
    }

    void missingCloudPageFails()
    {
        CloudServicesPage* saved = gCloudServicesPage;
        gCloudServicesPage = nullptr;
        page()->openAPIUriInfoOK = true;
        page()->waitOpenAPIUriInfoNumber = 3;
        page()->checkOpenAPIUriInfoConnection();
        gCloudServicesPage = saved;
        QVERIFY(popupOpen("ConfigNetworkWarning"));
        QVERIFY(!page()->checkOpenAPIUriInfoTimer->isActive());
    }

    // The connection guide empties the list and leaves IPCameraIdx: a check then stops quietly.
    void staleCameraIndexStopsTheChecks()
    {
        page()->checkNetworkCfgTimer->start(1000);
        gMainpage->showBusy();
        IPCameraList.clear();
        for (auto tick : {&DeviceSetupPage::checkPasswordResult, &DeviceSetupPage::checkNetworkCfg,
                          &DeviceSetupPage::checkInternetStatus, &DeviceSetupPage::checkOlvarisInfo,
                          &DeviceSetupPage::checkOpenAPIUriInfoConnection,
                          &DeviceSetupPage::checkConfigNetworkConnection,
                          &DeviceSetupPage::checkRestartNetworkConnection, &DeviceSetupPage::pressNextButton})
            (page()->*tick)();
        QVERIFY(!page()->checkNetworkCfgTimer->isActive());
        QVERIFY(!gMainpage->isBusy());
        QVERIFY(receiver.quiet());
    }

    void startOverUnlocksInputs()
    {
        page()->setInputWidgetsEnabled(false);
        page()->checkInternetTimer->start(1000);
        page()->popupResetHint();
        page()->pressMsgStartOverButton();
        QVERIFY(!popupOpen("resetYourCameraWarning"));
        QVERIFY(page()->ui->dsetupCameraPasscode_LineEdit->isEnabled());
        QVERIFY(page()->ui->dsetupDSTManual_RadioButton->isEnabled());
        QVERIFY(!page()->checkInternetTimer->isActive());
        QVERIFY(!gCameraConnectionPage->isHidden());
        QCOMPARE(IPCameraList.size(), 1);
        gCameraConnectionPage->hide();
    }

    void cameraCredentials_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("2.0 holds Base64") << QByteArray("2.0") << kPassword.toBase64();
        QTest::newRow("1.0 holds the password") << QByteArray("1.0") << kPassword;
    }

    // The camera's password in the form the record holds, once per reply, and the reply lives on.
    void cameraCredentials()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, stored);
        camera().DCPVersion = version;
        camera().password = stored;
        QNetworkAccessManager manager;
        QPointer<QNetworkReply> reply = manager.get(QNetworkRequest(QUrl("http://127.0.0.1:9/")));
        QAuthenticator first, second;
        page()->slotAuthenticationRequired(reply, &first);
        page()->slotAuthenticationRequired(reply, &second);
        QCOMPARE(first.user(), QString("admin"));
        QCOMPARE(first.password(), QString::fromLatin1(kPassword));
        QVERIFY(second.user().isEmpty());
        deliver();
        QVERIFY(reply);
        reply->abort();
        delete reply;
    }
};

QTEST_MAIN(TestDeviceSetupPage)
#include "tst_devicesetuppage.moc"

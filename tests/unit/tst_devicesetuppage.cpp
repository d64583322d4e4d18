// The setup page against the DCP core, a loopback receiver, camcgi and a local HTTPS portal.

#include <QtTest>

#include <QAuthenticator>
#include <QNetworkReply>
#include <QTranslator>

#include "cloud/cloudservicespage.h"
#include "dcptestkit.h"
#include "guide/cameraconnectionpage.h"
#include "httptestkit.h"
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
                                  15000);
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
        QTRY_VERIFY_WITH_TIMEOUT(page()->openAPIUriInfoNAM->findChildren<QNetworkReply*>().isEmpty(), 15000);
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

    // A language change puts the offset, week and day lists back to their first entries and keeps
    // the months and hours; the day names are the language's, the request takes their positions.
    void languageChangeResetsDaylightSaving_data()
    {
        QTest::addColumn<QString>("file");  // the translation installed; none: English
        QTest::addColumn<QString>("firstDay");
        QTest::newRow("English") << ""
                                 << "Sun";
        QTest::newRow("German") << "de.qm"
                                << "So";
    }

    void languageChangeResetsDaylightSaving()
    {
        QFETCH(QString, file);
        QFETCH(QString, firstDay);
        Ui_DeviceSetupPage* form = page()->ui;
        const QList<QComboBox*> lists = {form->dsetupDSTHourOffset_ComboBox, form->dsetupStartWeek_ComboBox,
                                         form->dsetupEndWeek_ComboBox, form->dsetupStartDate_ComboBox,
                                         form->dsetupEndDate_ComboBox};
        for (QComboBox* list : lists)
            list->setCurrentIndex(3);
        form->dsetupStartMonth_QDateEdit->setDate(QDate(2000, 3, 1));
        form->dsetupStartHour_QTimeEdit->setTime(QTime(2, 0));
        QTranslator translator;
        if (!file.isEmpty()) {
            QVERIFY(translator.load(qEnvironmentVariable("BUILD_DIR") + "/lang/" + file));
            QCoreApplication::installTranslator(&translator);
        }
        page()->retranslate();
        QCoreApplication::removeTranslator(&translator);
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

    // Lines the log must carry, none with the camera's password.
    void logLines_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("daylight saving") << "daylight saving"
                                         << QStringList{"DSTOffset :",   "DSTStartMonth :",
                                                        "DSTEndMonth :", "DSTStartWeek :",
                                                        "DSTEndWeek :",  "DSTStartDay :",
                                                        "DSTEndDay :",   "DSTStartTime :",
                                                        "DSTEndTime :",  "] content =  \"DSTEnable=1&DSTOffset=0"};
        QTest::newRow("daylight saving off") << "daylight saving off" << QStringList{"] content =  \"DSTEnable=0\""};
        QTest::newRow("camera restarted") << "camera restarted" << QStringList{" waitRestartNetworkNumber : 3"};
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
        if (action.startsWith("daylight saving")) {
            page()->sendSetDSTCGI(2, action.endsWith("off") ? 0 : 1);
        } else if (action == "camera restarted") {
            camera().dcpStatus = IPCamera::GOT_RESTART;
            page()->waitRestartNetworkNumber = 3;
            page()->checkRestartNetworkConnection();
        } else {
            delete new CloudServicesPage;
        }
        for (const QString& line : lines)
            QVERIFY2(log.contains(line), qPrintable(line + " not in\n" + log.all()));
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

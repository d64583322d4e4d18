// The Wi-Fi page against the DCP core: its requests go to a loopback receiver, the camera's
// answers are states set on its record, timer slots are driven by direct calls, and scan
// passes go out from fabricated interfaces on 127.0.0.x. The portal is a loopback stub.

#include <QtTest>

#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudservicespage.h"
#include "cloud/devicesetupcompletepage.h"
#include "dcptestkit.h"
#include "httptestkit.h"
#include "protocol/dcputils.h"
#include "setup/devicesetuppage.h"
#include "setup/hostinterfaces.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "welcome/welcomepage.h"
#include "wifi/devicewifichangepage.h"
#include "wifi/wirelessmessagebox.h"
#include "wifi/wpspictures.h"

using namespace dcptest;

class TestWifiPage : public QObject
{
    Q_OBJECT
    LoopbackReceiver receiver;

    DeviceWiFiChangePage* page() { return gDeviceWiFiChangePage; }
    IPCamera& camera() { return IPCameraList[IPCameraIdx]; }

    // The camera's site survey answer ("Cafe" is open, the others WPA2), taken by the page's next tick.
    void answerSurvey(const QList<QByteArray>& ssids)
    {
        QByteArray text = "4;M=" + kCamMac.toLatin1() + ";D=VKC-3100";
        for (const QByteArray& ssid : ssids)
            text += ",u;-1;" + ssid.toBase64() + (ssid == "Cafe" ? ";u;0;0;0" : ";u;3;4;0");
        camera().APConfig.setAPConfig(text, "1.0");
        camera().dcpStatus = IPCamera::GOT_AP;
        page()->waitdWiFiAPListSiteSurveyNumber = 1;  // past a request tick
        page()->checkdWiFiAPListSiteSurvey();
    }

private slots:
    void initTestCase()
    {
        createWizardForTests();
        gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
        HostInterfaces::setSourceForTests([] {
            HostInterfaces::Interface loopback = loopbackInterface(0, QNetworkInterface::IsLoopBack);
            loopback.addresses = {QHostAddress("127.0.1.1")};
            return QList<HostInterfaces::Interface>{loopback, loopbackInterface(12)};
        });
    }
    void cleanupTestCase() { Mainpage::endWizard(); }

    void init()
    {
        resetGlobals();
        IPCameraIdx = addCamera("1.0");
        page()->resetBackParameters();
        page()->checkdWiFiAPListSiteSurveyTimer->stop();
        WiFiRetryConuter = 0;
        gDeviceSetupCompletePage->getImageTimer->stop();
        gMainpage->showPage(gDeviceSetupCompletePage, page());
        while (!receiver.quiet(10)) {
        }
    }

    void cleanup()
    {
        qDeleteAll(gMainpage->findChildren<MessageBoxPage*>());
        qDeleteAll(gMainpage->findChildren<WirelessMessageBox*>());
        frameWidget("lockScreenLabel")->hide();
        gMainpage->hideBusy();
        page()->resetChcekingParameters();
        page()->pressWiFiButton();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void wpsPictures()
    {
        // C: eight steps over two entries, D: nine.
        const QMap<QString, QStringList> types{{"VKC-1_A", {"Ethernet,e1", "WPS,a1,,a3"}},
                                               {"VKC-1_B", {"WPS,b1,b2"}},
                                               {"VKC-1_C", {"WPS,1,2,3,4,5", "WPS,6,7,8"}},
                                               {"VKC-1_D", {"WPS,1,2,3,4,5", "WPS,6,7,8,9"}}};
        auto files = [&types](bool local, const QString& combo) {
            return WpsPictures::files(local, "VKC-1", combo, {{"VKC-1", "A,B"}}, types, "/p/");
        };
        QCOMPARE(files(true, "B"), (QStringList{":/images/wa10", ":/images/wb10", ":/images/wc10", ":/images/wd10"}));
        QCOMPARE(files(false, "B"), (QStringList{"/p/b1", "/p/b2"}));
        QCOMPARE(files(false, ""), (QStringList{"/p/a1", "", "/p/a3"}));  // the first version; a step kept
        const QStringList eight{"/p/1", "/p/2", "/p/3", "/p/4", "/p/5", "/p/6", "/p/7", "/p/8"};
        QCOMPARE(files(false, "C"), eight);
        QCOMPARE(files(false, "D"), eight);
    }

    // The page's buttons after each step: "enter" (from the setup page), "survey" (the answer
    // arrives), "pick" (a network clicked), "wps" and "wifi" (the tabs), "rescan", "back=n" (Back
    // on road n, with a Wi-Fi settings wait running). The state: Next, Enter Manually, the tab
    // shown, the survey list, the survey wait, the busy overlay, the page on screen.
    void buttonsAfterEachStep_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        QTest::newRow("entry") << "enter"
                               << "N- M- wifi L0 S+ wifipage";
        QTest::newRow("survey answered") << "enter|survey"
                                         << "N- M+ wifi L2 S- wifipage";
        QTest::newRow("network picked") << "enter|survey|pick"
                                        << "N+ M+ wifi L2 S- wifipage";
        QTest::newRow("WPS tab") << "enter|survey|wps"
                                 << "N+ M+ wps L2 S- wifipage";
        QTest::newRow("back to the Wi-Fi tab, nothing picked") << "enter|survey|wps|wifi"
                                                               << "N- M+ wifi L2 S- wifipage";
        QTest::newRow("back to the Wi-Fi tab, a network picked") << "enter|survey|pick|wps|wifi"
                                                                 << "N+ M+ wifi L2 S- wifipage";
        QTest::newRow("rescan") << "enter|survey|pick|rescan"
                                << "N- M- wifi L0 S+ B wifipage";
        QTest::newRow("second entry") << "enter|survey|pick|enter"
                                      << "N+ M- wifi L2 S+ wifipage";
        QTest::newRow("Back, cloud road") << "enter|survey|pick|back=1"
                                          << "N- M- wifi L0 S- B cloudcheck wifipage";
        QTest::newRow("Back, setup road") << "enter|survey|pick|back=2"
                                          << "N- M- wifi L0 S- setup";
        QTest::newRow("Back, already registered") << "enter|survey|pick|back=3"
                                                  << "N- M- wifi L0 S- already";
    }
    void buttonsAfterEachStep()
    {
        QFETCH(QString, steps);
        Ui_DeviceWiFiChangePage* form = page()->ui;
        for (QWidget* other : {static_cast<QWidget*>(gDeviceSetupPage), static_cast<QWidget*>(gAlreadyRegisteredPage)})
            other->hide();
        isLocalView = true;
        gMainpage->hideBusy();
        for (const QString& step : steps.split('|')) {
            if (step == "enter") {
                dWiFiBackToPage = 2;
                page()->enter();
            } else if (step == "survey") {
                answerSurvey({"Home", "Cafe"});
            } else if (step == "pick") {
                form->dwifiSiteSurveyList_ListWidget->setCurrentRow(0);
                emit form->dwifiSiteSurveyList_ListWidget->itemClicked(form->dwifiSiteSurveyList_ListWidget->item(0));
            } else if (step == "wps") {
                form->dwifiWPS_PushButton->click();
            } else if (step == "wifi") {
                form->dwifiWiFi_PushButton->click();
            } else if (step == "rescan") {
                form->dwifiReScan_PushButton->click();
            } else if (step.startsWith("back=")) {
                dWiFiBackToPage = step.mid(5).toInt();
                page()->checkdAutoConnectTimer->start(1000);
                page()->waitdWiFiAutoConnectNumber = 9;
                form->dwifiPrev_Button->click();
                QVERIFY(!page()->checkdAutoConnectTimer->isActive());
                QCOMPARE(page()->waitdWiFiAutoConnectNumber, 0);
                QVERIFY(!isLocalView);
            }
        }
        QStringList state{form->dwifiConnect_Button->isEnabled() ? "N+" : "N-",
                          form->dwifiManual_PushButton->isEnabled() ? "M+" : "M-"};
        const bool wifiTab = form->dwifiWiFi_GroupBox->isVisibleTo(page());
        QCOMPARE(form->dwifiWPS_GroupBox->isVisibleTo(page()), !wifiTab);
        QCOMPARE(form->whatIsWPS_PushButton->isVisibleTo(page()), !wifiTab);
        state << (wifiTab ? "wifi" : "wps") << "L" + QString::number(form->dwifiSiteSurveyList_ListWidget->count())
              << (page()->checkdWiFiAPListSiteSurveyTimer->isActive() ? "S+" : "S-");
        if (gMainpage->isBusy())
            state << "B";
        if (page()->checkOlvarisInfoWiFiTimer->isActive())
            state << "cloudcheck";
        for (auto [name, shown] : {std::pair<const char*, QWidget*>{"wifipage", page()},
                                   {"setup", gDeviceSetupPage},
                                   {"already", gAlreadyRegisteredPage}})
            if (!shown->isHidden())
                state << name;
        QTEST(state.join(' '), "state");
        if (steps.endsWith("back=2"))
            QVERIFY(frameWidget("mainProgress_Label")->styleSheet().contains("step_02"));
        page()->checkOlvarisInfoWiFiTimer->stop();
        page()->checkdWiFiAPListSiteSurveyTimer->stop();
        gMainpage->hideBusy();
        form->dwifiWiFi_PushButton->click();
        gMainpage->showPage(gDeviceSetupPage, page());
        gAlreadyRegisteredPage->hide();
    }

    // A request at counters 0, 10, 20 and 30, then "Enter Manually"; the answer's rows in the
    // camera's order, duplicates kept, each cut at a zero byte.
    void surveySchedule()
    {
        for (int tick = 0; tick <= 30; ++tick) {
            page()->checkdWiFiAPListSiteSurvey();
            QCOMPARE(receiver.nextText(tick % 10 == 0 ? 1000 : 20).startsWith("4;"), tick % 10 == 0);
        }
        QVERIFY(page()->ui->dwifiManual_PushButton->isEnabled());
        answerSurvey({"Home", "Home", QByteArray("Ab\0cd", 5)});
        QCOMPARE(page()->ui->dwifiSiteSurveyList_ListWidget->count(), 3);
        QCOMPARE(page()->ui->dwifiSiteSurveyList_ListWidget->item(2)->text(), QString("Ab"));
    }

    // State 12 left by an earlier class 3 exchange: the wait sends the settings first.
    void staleStateIsNotSuccess()
    {
        answerSurvey({"Home", "Cafe"});
        camera().dcpStatus = IPCamera::GOT_NETWORK_SETUP;
        page()->ui->dwifiSiteSurveyList_ListWidget->setCurrentRow(1);
        page()->pressNextButton();  // an open network: no password box
        page()->checkdWiFiAutoConnection();
        QVERIFY(receiver.nextText().endsWith(";9=1;10=0;11=Q2FmZQ==;14=0;15=0;18="));
    }

    // The waits after the settings went out, from a few ticks before their limits: a request on
    // every fifth count, the popup on the limit tick and not before.
    void limits_data()
    {
        QTest::addColumn<int>("check");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("popup");  // none: the wait just stops
        QTest::addColumn<QString>("sends");
        QTest::newRow("settings") << 0 << 60 << "WiFiConfigFailedWarning"
                                  << "55";
        QTest::newRow("restart") << 1 << 30 << "WiFiConfigFailedWarning"
                                 << "25";
        QTest::newRow("camera on Wi-Fi") << 2 << 30 << "plugInEthernetCableWarning"
                                         << "25";
        QTest::newRow("cloud information, Back") << 3 << 30 << ""
                                                 << "24 26 28";
    }
    void limits()
    {
        QFETCH(int, check);
        QFETCH(int, limit);
        QFETCH(QString, popup);
        int* counters[] = {&page()->waitdWiFiAutoConnectNumber, &page()->waitRestartNetworkNumber,
                           &page()->waitdWiFiNetworkNumber, &page()->waitOlvarisInfoWiFiNumber};
        const std::function<void()> ticks[] = {
            [this] { page()->checkdWiFiAutoConnection(); }, [this] { page()->checkRestartNetworkConnection(); },
            [this] { page()->checkdWiFiNetworkConnection(); }, [this] { page()->checkOlvarisInfo(); }};
        page()->checkOlvarisInfoWiFiTimer->start(1000);
        QStringList sends;
        for (int n = limit - 6; n <= limit; ++n) {
            QVERIFY(popup.isEmpty() ? page()->checkOlvarisInfoWiFiTimer->isActive()
                                    : !gMainpage->findChild<MessageBoxPage*>(popup));
            *counters[check] = n;
            ticks[check]();
            if (!receiver.nextText(n % (check < 3 ? 5 : 2) ? 20 : 1000).isEmpty())
                sends << QString::number(n);
        }
        QTEST(sends.join(' '), "sends");
        QVERIFY(popup.isEmpty() ? !page()->checkOlvarisInfoWiFiTimer->isActive()
                                : gMainpage->findChild<MessageBoxPage*>(popup) != nullptr);
    }

    // Each wait after the settings went out: the popup its end opens and where the popup's
    // buttons lead (the wait that runs next, the completion page, or no wait at all).
    void settingsWaitPopups_data()
    {
        QTest::addColumn<QString>("wait");  // auto, manual, restart, network
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("popup");
        QTest::addColumn<QString>("press");  // right, close
        QTest::addColumn<QString>("after");  // the wait running afterwards, "done", or "none"
        auto row = [](const char* name, const char* wait, bool answered, const char* popup, const char* press,
                      const char* after) { QTest::newRow(name) << wait << answered << popup << press << after; };
        row("list road unconfirmed, OK", "auto", false, "WiFiConfigFailedWarning", "right", "auto");
        row("manual road unconfirmed, OK", "manual", false, "WiFiConfigFailedWarning", "right", "manual");
        row("settings unconfirmed, closed", "auto", false, "WiFiConfigFailedWarning", "close", "none");
        row("settings confirmed", "auto", true, "", "", "restart");
        row("restart unconfirmed, OK", "restart", false, "WiFiConfigFailedWarning", "right", "auto");
        row("restart confirmed, OK", "restart", true, "removeEthernetCableWarning", "right", "network");
        row("restart confirmed, closed", "restart", true, "removeEthernetCableWarning", "close", "none");
        row("camera not on Wi-Fi, OK", "network", false, "plugInEthernetCableWarning", "right", "none");
        row("camera not on Wi-Fi, closed", "network", false, "plugInEthernetCableWarning", "close", "none");
        row("camera on Wi-Fi", "network", true, "", "", "done");
    }
    void settingsWaitPopups()
    {
        QFETCH(QString, wait);
        QFETCH(bool, answered);
        QFETCH(QString, popup);
        QFETCH(QString, press);
        QFETCH(QString, after);
        const QStringList waits{"auto", "manual", "restart", "network"};
        QTimer* timers[] = {page()->checkdAutoConnectTimer, page()->checkdWiFiManualConnectTimer,
                            page()->checkRestartNetworkTimer, page()->checkdWiFiNetworkTimer};
        int* counters[] = {&page()->waitdWiFiAutoConnectNumber, &page()->waitdWiFiManualConnectNumber,
                           &page()->waitRestartNetworkNumber, &page()->waitdWiFiNetworkNumber};
        const std::function<void()> ticks[] = {
            [this] { page()->checkdWiFiAutoConnection(); }, [this] { page()->checkdWiFiManualConnection(); },
            [this] { page()->checkRestartNetworkConnection(); }, [this] { page()->checkdWiFiNetworkConnection(); }};
        const int limits[] = {60, 60, 30, 30};
        const int w = waits.indexOf(wait);
        answerSurvey({"Cafe"});
        page()->ui->dwifiSiteSurveyList_ListWidget->setCurrentRow(0);
        if (wait == "restart")
            page()->waitdWiFiAutoConnectNumber = 12;  // the list road's settings were confirmed at tick 11
        camera().dcpStatus = !answered           ? 0
                             : wait == "restart" ? int(IPCamera::GOT_RESTART)
                                                 : int(IPCamera::GOT_NETWORK_SETUP);
        camera().IPAddr = "192.168.1.33";
        gMainpage->showBusy();
        timers[w]->start(1000);
        *counters[w] = answered ? 3 : limits[w];
        ticks[w]();
        QVERIFY(!timers[w]->isActive());
        for (const char* name : {"WiFiConfigFailedWarning", "removeEthernetCableWarning", "plugInEthernetCableWarning"})
            QCOMPARE(gMainpage->findChild<MessageBoxPage*>(name) != nullptr, popup == name);
        if (!popup.isEmpty()) {
            QVERIFY(!gMainpage->isBusy());
            MessageBoxPage* box = gMainpage->findChild<MessageBoxPage*>(popup);
            (press == "right" ? box->ui->msgBoxRightBtn_Button : box->ui->msgBoxClose_Button)->click();
            QVERIFY(!gMainpage->findChild<MessageBoxPage*>(popup));
        }
        for (int i = 0; i < 4; ++i)
            QCOMPARE(timers[i]->isActive(), waits[i] == after);
        if (waits.contains(after)) {
            QCOMPARE(*counters[waits.indexOf(after)], 0);
            QVERIFY(gMainpage->isBusy());
        }
        if (after == "auto" || after == "manual")
            QCOMPARE(camera().dcpStatus, 0);  // a confirmation of before does not count
        QCOMPARE(!gDeviceSetupCompletePage->isHidden(), after == "done");
        QCOMPARE(!page()->isHidden(), after != "done");
        if (after == "none")
            QVERIFY(!gMainpage->isBusy());
        for (QTimer* timer : timers)
            timer->stop();
        gDeviceSetupCompletePage->getImageTimer->stop();
        gMainpage->hideBusy();
    }

    // The entry boxes' Connect and Cancel: the wait started, or the errors shown and no wait.
    void entryBoxes_data()
    {
        QTest::addColumn<QString>("box");        // auto, manual
        QTest::addColumn<QStringList>("typed");  // auto: key; manual: SSID, key
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("after");  // "wait", "errors n", "closed"
        QTest::newRow("list network, key") << "auto" << QStringList{"k"} << "connect"
                                           << "wait";
        QTest::newRow("list network, no key") << "auto" << QStringList{""} << "connect"
                                              << "errors 1";
        QTest::newRow("list network, Cancel") << "auto" << QStringList{"key12345"} << "cancel"
                                              << "closed";
        QTest::newRow("typed network") << "manual" << QStringList{"Home", "key12345"} << "connect"
                                       << "wait";
        QTest::newRow("typed network, no name") << "manual" << QStringList{"", "key12345"} << "connect"
                                                << "errors 1";
        QTest::newRow("typed network, nothing") << "manual" << QStringList{"", ""} << "connect"
                                                << "errors 2";
        QTest::newRow("typed network, no key") << "manual" << QStringList{"Home", ""} << "connect"
                                               << "errors 1";
        QTest::newRow("typed network, Cancel") << "manual" << QStringList{"Home", "key12345"} << "cancel"
                                               << "closed";
    }
    void entryBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, typed);
        QFETCH(QString, press);
        QFETCH(QString, after);
        answerSurvey({"Home"});
        Ui_DeviceWiFiChangePage* form = page()->ui;
        const bool autoBox = box == "auto";
        if (autoBox) {
            form->dwifiSiteSurveyList_ListWidget->setCurrentRow(0);
            emit form->dwifiSiteSurveyList_ListWidget->itemClicked(form->dwifiSiteSurveyList_ListWidget->item(0));
            form->dwifiConnect_Button->click();
        } else {
            form->dwifiManual_PushButton->click();
        }
        const QString name = autoBox ? "InputWirelessAutoPasswordWarning" : "InputWirelessManualPasswordWarning";
        WirelessMessageBox* entry = WirelessMessageBox::find(gMainpage, name);
        QVERIFY(entry);
        QVERIFY(!page()->checkdAutoConnectTimer->isActive() && !page()->checkdWiFiManualConnectTimer->isActive());
        Ui_WirelessMessageBox* boxForm = entry->ui;
        if (autoBox) {
            QCOMPARE(boxForm->WirelessAutoName_Label->text(), QString("Home"));
            boxForm->WirelessAutoPassword_LineEdit->setText(typed[0]);
        } else {
            boxForm->WirelessManualName_LineEdit->setText(typed[0]);
            boxForm->WirelessManualPassword_LineEdit->setText(typed[1]);
        }
        (press == "cancel" ? (autoBox ? boxForm->WirelessAutoCancel_Button : boxForm->WirelessManualCancel_Button)
                           : (autoBox ? boxForm->WirelessAutoConnect_Button : boxForm->WirelessManualConnect_Button))
            ->click();
        QCOMPARE(page()->checkdAutoConnectTimer->isActive(), after == "wait" && autoBox);
        QCOMPARE(page()->checkdWiFiManualConnectTimer->isActive(), after == "wait" && !autoBox);
        QCOMPARE(gMainpage->isBusy(), after == "wait");
        QCOMPARE(WirelessMessageBox::find(gMainpage, name) != nullptr, after != "closed");
        QCOMPARE(entry->isVisible() || !entry->isHidden(), after.startsWith("errors"));
        QCOMPARE(frameWidget("lockScreenLabel")->isHidden(), !after.startsWith("errors"));
        int errors = 0;
        for (QLabel* label : entry->findChildren<QLabel*>())
            errors += label->objectName().contains("Error") && label->isVisibleTo(entry);
        if (after != "closed")
            QCOMPARE(errors, after.startsWith("errors") ? after.section(' ', 1).toInt() : 0);
    }

    void fourthPlugInOkLeaves()
    {
        for (int attempt = 0; attempt < 4; ++attempt) {
            page()->popupPlugInEthernetCable();
            page()->pressMsgPlugInEthernetCableOKButton();
            QCOMPARE(!page()->isHidden(), attempt < 3);
        }
        QVERIFY(!gDeviceSetupCompletePage->isHidden());
    }

    // Only a reply from the chosen camera to this search counts; the limit's popup follows the road.
    void rediscovery_data()
    {
        QTest::addColumn<QString>("reply");  // from the chosen camera, from it before the search, from another one
        QTest::addColumn<QString>("popup");  // none: the completion page
        QTest::newRow("wps, camera answers") << "camera"
                                             << "";
        QTest::newRow("wps, stale reply only") << "stale"
                                               << "WPSConfigFailedWarning";
        QTest::newRow("wps, another camera") << "other"
                                             << "WPSConfigFailedWarning";
        QTest::newRow("no thanks, no reply") << ""
                                             << "InternetCheckFailedWarning";
    }

    void rediscovery()
    {
        QFETCH(QString, reply);
        QFETCH(QString, popup);
        const int other = addCamera("1.0", QByteArray(), "00:11:22:33:44:55");
        if (reply == "stale")
            page()->updateConnnectionReadyEmit(IPCameraIdx);
        if (popup.startsWith("Internet")) {
            page()->pressSkipButton();
        } else {
            page()->pressWPSButton();
            page()->pressNextButton();
        }
        page()->checkDeviceConnection();
        QCOMPARE(receiver.nextText(), QByteArray("1;M=" + kCamMac.toLatin1() + ";D=VKC-3100"));
        if (reply == "camera" || reply == "other")
            page()->updateConnnectionReadyEmit(reply == "camera" ? IPCameraIdx : other);
        for (int n = 1; n <= 20 && page()->checkDeviceConnectionTimer->isActive(); ++n)
            page()->checkDeviceConnection();
        QCOMPARE(!gDeviceSetupCompletePage->isHidden(), popup.isEmpty());
        for (const char* name : {"WPSConfigFailedWarning", "InternetCheckFailedWarning"})
            QCOMPARE(gMainpage->findChild<MessageBoxPage*>(name) != nullptr, popup == name);
        QCOMPARE(gHostIps[9], QString("127.0.0.10"));  // not the loopback's; of twelve addresses, ten recorded
    }

    // A scan answer counts while the page is the current one, whether the window is minimized or
    // not; on another page it is a discovery answer.
    void answersCountWhileCurrent_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("counts");
        QTest::newRow("shown") << "shown" << true;
        QTest::newRow("minimized") << "minimized" << true;
        QTest::newRow("restored") << "restored" << true;
        QTest::newRow("another page") << "another page" << false;
    }

    void answersCountWhileCurrent()
    {
        QFETCH(QString, window);
        QFETCH(bool, counts);
        gMainpage->show();
        if (window == "another page")
            gMainpage->showPage(page(), gDeviceSetupCompletePage);
        else if (window != "shown")
            gMainpage->showMinimized();
        if (window == "restored")
            gMainpage->showNormal();
        QSignalSpy ready(gDCPUtils, &DCPUtils::deviceConnnectionReady);
        QSignalSpy found(gDCPUtils, &DCPUtils::foundDevice);
        page()->pressSkipButton();
        page()->checkDeviceConnection();  // the first scan pass
        QVERIFY(!receiver.nextText().isEmpty());
        gDCPUtils->handleDatagram(replyDatagram("1;M=" + kCamMac.toLatin1() + ";D=VKC-3100;I=192.168.0.20;P=2.0"));
        QCOMPARE(ready.count(), counts ? 1 : 0);
        QCOMPARE(found.count(), counts ? 0 : 1);
        QTRY_COMPARE(page()->gotDeviceConnection, counts);
        gMainpage->showNormal();
        gMainpage->hide();
    }

    // A cloud page that fails to load during the cloud re-check opens no popup and ends that
    // check; a wait the person starts afterwards runs on.
    void failedCloudLoadIsQuiet_data()
    {
        QTest::addColumn<bool>("wps");  // the later wait: the WPS search, else the Wi-Fi settings
        QTest::newRow("WPS search") << true;
        QTest::newRow("Wi-Fi settings") << false;
    }

    void failedCloudLoadIsQuiet()
    {
        QFETCH(bool, wps);
        if (!gCloudServicesPage)
            gCloudServicesPage = new CloudServicesPage;
        LogRecorder log;
        gMainpage->showBusy();
        page()->checkOpenAPIUriInfoTimer->start(1000);
        page()->gotOpenAPIUriInfo = true;
        openAPISiteFound = "https://127.0.0.1:9/";  // not the cloud service: its loads are refused
        page()->checkOpenAPIUriInfoConnection();
        // Both loads fail, the sign-in page's and the sign-up's first request.
        QTRY_VERIFY_WITH_TIMEOUT(log.contains("[SignIn] Fail :") && log.contains("[SignUp] Fail :"),
                                 beyondDeadline(ReplyLimits::kCloudPage.deadlineMs));
        QVERIFY(!gMainpage->findChild<MessageBoxPage*>("cloudServiceFailedWarning"));

        if (wps) {
            page()->pressWPSButton();
        } else {
            answerSurvey({"Cafe"});
            page()->ui->dwifiSiteSurveyList_ListWidget->setCurrentRow(0);
        }
        page()->pressNextButton();
        QTimer* later = wps ? page()->checkDeviceConnectionTimer : page()->checkdAutoConnectTimer;
        for (int n = 0; n <= 30 && page()->checkOpenAPIUriInfoTimer->isActive(); ++n)
            page()->checkOpenAPIUriInfoConnection();
        QVERIFY(later->isActive());
        QVERIFY(gMainpage->isBusy());
        QVERIFY(!gMainpage->findChild<MessageBoxPage*>("cloudServiceFailedWarning"));
        gMainpage->hideBusy();
    }

    // Back to the cloud step drops an answer asked for before it; no camera chosen is no crash.
    void backToCloudStep()
    {
        answerSurvey({"Home"});
        page()->gotOlvarisInfoWiFi = true;
        dWiFiBackToPage = 1;
        IPCameraIdx = -1;
        page()->pressBackButton();
        QVERIFY(!page()->gotOlvarisInfoWiFi);
        QCOMPARE(page()->ui->dwifiSiteSurveyList_ListWidget->count(), 0);
        page()->checkOlvarisInfo();
        QVERIFY(!page()->checkOlvarisInfoWiFiTimer->isActive());
    }

    // A portal that is not the cloud service over https gets no request: the check stops.
    void openApiOnlyFromTheCloud()
    {
        HttpTestServer plain, tls;
        QVERIFY(plain.start() && tls.start(true));
        for (HttpTestServer* server : {&plain, &tls}) {
            page()->resetChcekingParameters();
            camera().portal = server->url("/").toString().toLatin1();
            page()->checkOpenAPIUriInfoTimer->start(1000);
            page()->checkOpenAPIUriInfoConnection();
            QVERIFY(!page()->checkOpenAPIUriInfoTimer->isActive());
        }
        QVERIFY(page()->openAPIUriNetworkManager->findChildren<QNetworkReply*>().isEmpty());
        QCOMPARE(plain.requests + tls.requests, QStringList());
        QVERIFY(!page()->gotOpenAPIUriInfo);
    }

    // Back on the cloud page, the sign-up page's buttons are read as the setup page reads them.
    void cloudPageShownReadsItsElements()
    {
        if (!gCloudServicesPage)
            gCloudServicesPage = new CloudServicesPage;
        gCloudServicesPage->ui->cloudServiceSignUp_WebView->setHtml("<button value='Sign up'>Sign up</button>");
        page()->gotOpenAPIUriInfo = true;
        waitWiFiLoadingFinished = 1;
        signUpPageReached = signInPageReached = true;
        LogRecorder log;
        page()->checkOpenAPIUriInfoConnection();
        QVERIFY(log.contains(" ***** get value :"));
        QVERIFY(!page()->checkOpenAPIUriInfoTimer->isActive());
    }
};

QTEST_MAIN(TestWifiPage)
#include "tst_wifipage.moc"
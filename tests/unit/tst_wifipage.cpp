// The Wi-Fi page against the DCP core: its requests go to a loopback receiver, the camera's
// answers are states set on its record, timer slots are driven by direct calls, and scan
// passes go out from fabricated interfaces on 127.0.0.x. The portal is a loopback stub.

#include <QtTest>

#include "cloud/devicesetupcompletepage.h"
#include "dcptestkit.h"
#include "httptestkit.h"
#include "protocol/dcputils.h"
#include "setup/hostinterfaces.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "testsupport.h"
#include "wifi/devicewifichangepage.h"
#include "wifi/wirelessmessagebox.h"
#include "wifi/wpspictures.h"

using namespace dcptest;

namespace {

DeviceWiFiChangePage* page()
{
    return gDeviceWiFiChangePage;
}

IPCamera& camera()
{
    return IPCameraList[IPCameraIdx];
}

bool popupOpen(const char* name)
{
    return gMainpage->findChild<MessageBoxPage*>(name) != nullptr;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Rows: "Home" (WPA2), "Cafe" (open).
void listNetworks()
{
    APSearchResult& list = camera().APConfig;
    for (const char* ssid : {"Home", "Cafe"}) {
        list.AP_Column1.append("Unknown");
        list.AP_Column2.append("-40");
        list.AP_SSID.append(ssid);
        list.AP_Column4.append("Unknown");
        list.AP_SecMethod.append(qstrcmp(ssid, "Cafe") ? "3" : "0");
        list.AP_AuthMode.append(qstrcmp(ssid, "Cafe") ? "4" : "0");
        list.AP_Mode.append("0");
        page()->ui->dwifiSiteSurveyList_ListWidget->addItem(ssid);
    }
    list.numAP = 2;
}

using Answers = QMap<QString, HttpTestServer::Answer>;

} // namespace

Q_DECLARE_METATYPE(Answers)

class TestWifiPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wpsPictures_data();
    void wpsPictures();
    void surveySchedule();
    void staleStateIsNotSuccess_data();
    void staleStateIsNotSuccess();
    void fourthPlugInOkLeaves();
    void rediscovery_data();
    void rediscovery();
    void scanPassRecordsTenAddresses();
    void backRoads_data();
    void backRoads();
    void openApiRedirects_data();
    void openApiRedirects();

private:
    LoopbackReceiver receiver;
    int addressCount = 1;
};

void TestWifiPage::initTestCase()
{
    createWizardForTests();
    gDCPUtils->setDatagramTarget(QHostAddress::LocalHost, receiver.port());
    HostInterfaces::setSourceForTests([this] {
        HostInterfaces::Interface entry{kPcMac,
                                        QNetworkInterface::IsUp | QNetworkInterface::IsRunning
                                            | QNetworkInterface::CanBroadcast | QNetworkInterface::CanMulticast,
                                        {}};
        for (int i = 1; i <= addressCount; ++i)
            entry.addresses.append(QHostAddress(QString("127.0.0.%1").arg(i)));
        HostInterfaces::Interface loopback{kPcMac, entry.flags | QNetworkInterface::IsLoopBack,
                                           {QHostAddress("127.0.1.1")}};
        return QList<HostInterfaces::Interface>{loopback, entry};
    });
}

void TestWifiPage::init()
{
    resetGlobals();
    IPCameraIdx = addCamera("1.0");
    addressCount = 1;
    page()->resetBackParameters();
    page()->checkdWiFiAPListSiteSurveyTimer->stop();
    dWiFiBackToPage = 2;
    WiFiRetryConuter = 0;
    gDeviceSetupCompletePage->getImageTimer->stop();
    gMainpage->showPage(gDeviceSetupCompletePage, page());
    while (!receiver.quiet(10)) {
    }
}

void TestWifiPage::cleanup()
{
    for (MessageBoxPage* popup : gMainpage->findChildren<MessageBoxPage*>())
        delete popup;
    for (const char* box : {"InputWirelessAutoPasswordWarning", "InputWirelessManualPasswordWarning"})
        WirelessMessageBox::closeByName(gMainpage, box);
    page()->resetChcekingParameters();
    page()->pressWiFiButton();
    settle();
}

void TestWifiPage::wpsPictures_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("local-only") << true << "" << "VKC-1"
                                << QStringList{":/images/wa10", ":/images/wb10", ":/images/wc10", ":/images/wd10"};
    QTest::newRow("combo version") << false << "B" << "VKC-1" << QStringList{"/p/b1", "/p/b2"};
    QTest::newRow("first listed version") << false << "" << "VKC-1" << QStringList{"/p/a1", "", "/p/a3"};
    QTest::newRow("model not listed") << false << "" << "VKC-9" << QStringList{};
}

void TestWifiPage::wpsPictures()
{
    QFETCH(bool, local);
    QFETCH(QString, combo);
    QFETCH(QString, model);
    QFETCH(QStringList, files);
    const QMap<QString, QString> versions{{"VKC-1", "A,B"}};
    const QMap<QString, QStringList> types{{"VKC-1_A", {"Ethernet,e1", "WPS,a1,,a3"}},
                                           {"VKC-1_B", {"WPS,b1,b2"}},
                                           {"VKC-9_", {"WPS,x"}}};
    QCOMPARE(WpsPictures::files(local, model, combo, versions, types, "/p/"),
             model == "VKC-9" ? QStringList{"/p/x"} : files);
}

void TestWifiPage::surveySchedule()
{
    int requests = 0;
    for (int tick = 0; tick <= 30; ++tick) {
        page()->checkdWiFiAPListSiteSurvey();
        const QByteArray text = receiver.nextText(tick % 10 == 0 ? 1000 : 20);
        QCOMPARE(text.startsWith("4;"), tick % 10 == 0);
        requests += !text.isEmpty();
    }
    QCOMPARE(requests, 4);
    QVERIFY(page()->ui->dwifiManual_PushButton->isEnabled());
    QCOMPARE(page()->ui->dwifiSiteSurveyList_ListWidget->count(), 0);

    page()->pressRescanButton();
    page()->checkdWiFiAPListSiteSurvey();
    camera().APConfig.setAPConfig("4;M=" + kCamMac.toLatin1() + ";D=VKC-3100,u;-1;" + QByteArray("Home").toBase64()
                                      + ";u;3;4;0,u;-2;" + QByteArray("Home").toBase64() + ";u;3;4;0,u;-3;"
                                      + QByteArray("Ab\0cd", 5).toBase64() + ";u;0;0;0",
                                  "1.0");
    camera().dcpStatus = IPCamera::GOT_AP;
    page()->checkdWiFiAPListSiteSurvey();
    QVERIFY(!page()->checkdWiFiAPListSiteSurveyTimer->isActive());
    QStringList rows;
    for (int i = 0; i < page()->ui->dwifiSiteSurveyList_ListWidget->count(); ++i)
        rows << page()->ui->dwifiSiteSurveyList_ListWidget->item(i)->text();
    QCOMPARE(rows, (QStringList{"Home", "Home", "Ab"}));
}

void TestWifiPage::staleStateIsNotSuccess_data()
{
    QTest::addColumn<bool>("manual");
    QTest::newRow("open network from the list") << false;
    QTest::newRow("manual entry") << true;
}

void TestWifiPage::staleStateIsNotSuccess()
{
    QFETCH(bool, manual);
    listNetworks();
    camera().dcpStatus = IPCamera::GOT_NETWORK_SETUP;  // left by an earlier class 3 exchange
    if (manual) {
        page()->pressManualButton();
        WirelessMessageBox* box = WirelessMessageBox::find(gMainpage, "InputWirelessManualPasswordWarning");
        box->ui->WirelessManualName_LineEdit->setText(QString::fromUtf8("門"));
        box->ui->WirelessManualPassword_LineEdit->setText("0123456789");
        box->ui->WirelessManualSecurity_ComboBox->setCurrentIndex(1);
        box->ui->WirelessManualConnect_Button->click();
        page()->checkdWiFiManualConnection();
    } else {
        page()->ui->dwifiSiteSurveyList_ListWidget->setCurrentRow(1);
        page()->pressNextButton();
        page()->checkdWiFiAutoConnection();
    }
    QVERIFY(!page()->checkRestartNetworkTimer->isActive());
    QCOMPARE(receiver.nextText().split(';').mid(3).join(';'),
             manual ? QByteArray("9=1;10=0;11=6ZaA;14=1;15=0;18=MDEyMzQ1Njc4OQ==")
                    : QByteArray("9=1;10=0;11=Q2FmZQ==;14=0;15=0;18="));
}

void TestWifiPage::fourthPlugInOkLeaves()
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        page()->popupPlugInEthernetCable();
        page()->pressMsgPlugInEthernetCableOKButton();
        QCOMPARE(!page()->isHidden(), attempt < 3);
    }
    QVERIFY(!gDeviceSetupCompletePage->isHidden());
}

void TestWifiPage::rediscovery_data()
{
    QTest::addColumn<bool>("wps");
    QTest::addColumn<QString>("replyMac"); // empty: no reply
    QTest::addColumn<bool>("staleReply");  // a reply before the search starts
    QTest::addColumn<QString>("popup");

    QTest::newRow("wps, camera answers") << true << kCamMac << false << "";
    QTest::newRow("wps, stale reply only") << true << "" << true << "WPSConfigFailedWarning";
    QTest::newRow("wps, another camera") << true << "00:11:22:33:44:55" << false << "WPSConfigFailedWarning";
    QTest::newRow("no thanks, no reply") << false << "" << false << "InternetCheckFailedWarning";
}

void TestWifiPage::rediscovery()
{
    QFETCH(bool, wps);
    QFETCH(QString, replyMac);
    QFETCH(bool, staleReply);
    QFETCH(QString, popup);
    addCamera("1.0", QByteArray(), "00:11:22:33:44:55");
    if (staleReply)
        page()->updateConnnectionReadyEmit(IPCameraIdx);
    if (wps) {
        page()->pressWPSButton();
        page()->pressNextButton();
    } else {
        page()->pressSkipButton();
    }
    page()->checkDeviceConnection();
    QCOMPARE(receiver.nextText(), QByteArray("1;M=" + kCamMac.toLatin1() + ";D=VKC-3100"));
    if (!replyMac.isEmpty())
        page()->updateConnnectionReadyEmit(replyMac == kCamMac ? IPCameraIdx : 1);
    for (int n = 1; n <= 20 && page()->checkDeviceConnectionTimer->isActive(); ++n)
        page()->checkDeviceConnection();
    QCOMPARE(!gDeviceSetupCompletePage->isHidden(), popup.isEmpty());
    QCOMPARE(popupOpen("WPSConfigFailedWarning"), popup == "WPSConfigFailedWarning");
    QCOMPARE(popupOpen("InternetCheckFailedWarning"), popup == "InternetCheckFailedWarning");
    QVERIFY(!page()->gotDeviceConnection);
}

void TestWifiPage::scanPassRecordsTenAddresses()
{
    addressCount = 12;
    page()->pressSkipButton();
    page()->checkDeviceConnection();
    QSet<QHostAddress> senders;
    while (!receiver.next(200).isEmpty())
        senders.insert(receiver.lastSender());
    QCOMPARE(senders.size(), 12);  // every address but the loopback interface's
    QCOMPARE(gHostIps[9], QString("127.0.0.10"));
    QCOMPARE(gHostMacs[0], kPcMac);
}

void TestWifiPage::backRoads_data()
{
    QTest::addColumn<int>("road");
    QTest::addColumn<bool>("staysShown");
    QTest::newRow("cloud step") << 1 << true;
    QTest::newRow("setup page") << 2 << false;
    QTest::newRow("already registered") << 3 << false;
    QTest::newRow("unknown") << 7 << true;
}

void TestWifiPage::backRoads()
{
    QFETCH(int, road);
    QFETCH(bool, staysShown);
    listNetworks();
    page()->checkdWiFiAPListSiteSurveyTimer->start(1000);
    page()->checkdAutoConnectTimer->start(1000);
    page()->gotOlvarisInfoWiFi = true;  // an answer the setup page asked for
    dWiFiBackToPage = road;
    page()->pressBackButton();
    QCOMPARE(!page()->isHidden(), staysShown);
    QCOMPARE(page()->checkOlvarisInfoWiFiTimer->isActive(), road == 1);
    QVERIFY(page()->checkdWiFiAPListSiteSurveyTimer->isActive());
    QVERIFY(!page()->checkdAutoConnectTimer->isActive());
    QVERIFY(!page()->gotOlvarisInfoWiFi);
    QCOMPARE(camera().APConfig.numAP, 0);
    QCOMPARE(page()->ui->dwifiSiteSurveyList_ListWidget->count(), 0);
    QVERIFY(!page()->ui->dwifiConnect_Button->isEnabled());
    page()->checkdWiFiAPListSiteSurveyTimer->stop();
    page()->checkOlvarisInfoWiFiTimer->stop();
}

void TestWifiPage::openApiRedirects_data()
{
    QTest::addColumn<bool>("tls");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("site"); // null: none found

    const QString portal = "/openapi/?url";
    QTest::newRow("relative 301 twice, then 200")
        << false
        << Answers{{portal, HttpTestServer::redirect(301, "/a/")},
                            {"/a/", HttpTestServer::redirect(301, "b/")},
                            {"/a/b/", HttpTestServer::ok(QByteArray("https://api.site/\0x", 19))}}
        << QStringList{portal, "/a/", "/a/b/"} << "https://api.site/";
    QTest::newRow("302 goes back to the portal")
        << false << Answers{{portal, HttpTestServer::redirect(302, "/a/")}, {"/a/", HttpTestServer::ok("x")}}
        << QStringList{portal, portal} << QString();
    QTest::newRow("200 naming no site") << false << Answers{{portal, HttpTestServer::ok("")}}
                                        << QStringList{portal} << QString();
    QTest::newRow("asks for credentials") << false << Answers{{portal, HttpTestServer::status(401)}}
                                          << QStringList{portal} << QString();
    QTest::newRow("untrusted certificate") << true << Answers{{portal, HttpTestServer::ok("s")}}
                                           << QStringList{} << QString();
}

void TestWifiPage::openApiRedirects()
{
    QFETCH(bool, tls);
    QFETCH(Answers, answers);
    QFETCH(QStringList, paths);
    QFETCH(QString, site);
    HttpTestServer portal;
    QVERIFY(portal.start(tls));
    for (auto it = answers.cbegin(); it != answers.cend(); ++it)
        portal.setAnswer(it.key(), it.value());
    camera().portal = portal.url("/").toString().toLatin1();
    openAPISiteFound = "unset";
    const int requests = tls ? 1 : int(paths.size());
    for (int i = 0; i < requests; ++i) {
        page()->checkOpenAPIUriInfoConnection();
        QTRY_VERIFY(page()->openAPIUriNetworkManager->findChildren<QNetworkReply*>().isEmpty());
        ++page()->waitOpenAPIUriInfoNumber; // an odd tick
    }
    QCOMPARE(portal.requests, paths);
    QCOMPARE(page()->gotOpenAPIUriInfo, !site.isNull());
    if (!site.isNull())
        QCOMPARE(openAPISiteFound, site);
    page()->checkOpenAPIUriInfoTimer->stop();
}

QTEST_MAIN(TestWifiPage)
#include "tst_wifipage.moc"

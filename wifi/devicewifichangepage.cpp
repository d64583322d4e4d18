#include "wifi/devicewifichangepage.h"

#include <QAuthenticator>
#include <QFile>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudservicespage.h"
#include "cloud/devicesetupcompletepage.h"
#include "guide/cameraconnectionpage.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "setup/devicesetuppage.h"
#include "setup/hostinterfaces.h"
#include "setup/setupchecks.h"
#include "base/globals.h"
#include "protocol/ipcamera.h"
#include "base/log.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "welcome/welcomepage.h"
#include "wifi/wifisettings.h"
#include "wifi/wirelessmessagebox.h"
#include "wifi/wirelessrules.h"
#include "wifi/wpspictures.h"

int gWiFiConnectChoice = 0;
int WiFiRetryConuter = 0;
int dWiFiBackToPage = 0;
int waitWiFiLoadingFinished = 0;
bool openAPIUrlRedirected = false;
QUrl openAPIRedirectUrl;
QString openAPISiteFound;

namespace {

constexpr int kSurveyLimit = 30;
constexpr int kSurveyEvery = 10;
constexpr int kSettingsLimit = 60;
constexpr int kRestartLimit = 30;
constexpr int kNetworkLimit = 30;
constexpr int kWaitEvery = 5;
constexpr int kDeviceLimit = 20;
constexpr int kCloudLimit = 30;
constexpr int kRetries = 2; // the OK after this many retries leaves the Wi-Fi road
// Content height of the 250-high popups: two wrapped lines of their texts, above the OK button.
constexpr int kTwoLines = 90;

const char* const kAutoBox = "InputWirelessAutoPasswordWarning";
const char* const kManualBox = "InputWirelessManualPasswordWarning";
const char* const kConfigFailed = "WiFiConfigFailedWarning";
const char* const kRemoveCable = "removeEthernetCableWarning";
const char* const kPlugInCable = "plugInEthernetCableWarning";
const char* const kWpsFailed = "WPSConfigFailedWarning";
const char* const kInternetFailed = "InternetCheckFailedWarning";
const char* const kWhatIsWps = "whatIsWPSWarning";


QString tabStyle(const char* picture, const char* hover, const char* color)
{
    return QString("QPushButton{background-image: url(:/images/%1.png);font-family:Verdana;font:12px;color:%3;"
                   "border: 0px;} QPushButton:hover{background-image:url(:/images/%2.png)}")
        .arg(picture, hover, color);
}

void clearAccessPoints(IPCamera* camera)
{
    if (!camera)
        return;
    camera->APConfig.numAP = 0;
    camera->APConfig.All_APListNum = 0;
    camera->APConfig.Now_APListNum.clear();
}

QByteArray upToZero(const QByteArray& bytes)
{
    const int zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

QLineEdit* lineEditIn(WirelessMessageBox* box, const char* name)
{
    return box ? box->findChild<QLineEdit*>(name) : nullptr;
}

QString textOf(QLineEdit* edit)
{
    return edit ? edit->text() : QString();
}

// "Could Not Connect ..." popups with one OK button: 618 wide, content at (80, 100).
void openOkPopup(DeviceWiFiChangePage* page, const char* name, int height, const QString& title, int titleWidth,
                 const QString& text, int contentHeight, const QString& picture, void (DeviceWiFiChangePage::*close)(),
                 void (DeviceWiFiChangePage::*ok)())
{
    WLOG << "open msgbox ...";
    PopupBuilder popup = MessageBoxPage::build(gMainpage, name, 618, height);
    popup.title(title, {80, 50, titleWidth, 30})
        .content(MessageBoxPage::richText(text), {80, 100, 480, contentHeight});
    if (!picture.isEmpty())
        popup.picture(picture, {420, 100, 168, 167});
    popup.rightButton(DeviceWiFiChangePage::tr("OK"), ButtonStyle::Blue, {480, height - 50}, page, ok)
        .closeButton(page, close)
        .open();
}

} // namespace

DeviceWiFiChangePage::DeviceWiFiChangePage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_DeviceWiFiChangePage)
{
    WLOG << "DeviceWiFiChangePage Constructor Initializing ...";
    ui->setupUi(this);
    ui->dwifiWiFi_GroupBox->show();
    ui->dwifiWPS_GroupBox->hide();
    ui->whatIsWPS_PushButton->hide();
    ui->dwifiConnect_Button->setEnabled(false);
    setTabStyles(true);

    QString scrollbar;
    QFile qss(":/style_scrollbar.qss");
    if (qss.open(QIODevice::ReadOnly))
        scrollbar = QString::fromLatin1(qss.readAll());
    else
        WLOG << "Error Opening Stylesheet File ";
    ui->dwifiSiteSurveyList_ListWidget->setStyleSheet(scrollbar);
    for (QPlainTextEdit* tip : {ui->WPS_ToolTips01, ui->WPS_ToolTips02, ui->WPS_ToolTips03, ui->WPS_ToolTips04})
        tip->setStyleSheet(scrollbar);

    connect(ui->whatIsWPS_PushButton, &QPushButton::clicked, this, &DeviceWiFiChangePage::popupWhatIsWPS);
    connect(ui->dwifiWiFi_PushButton, &QPushButton::clicked, this, &DeviceWiFiChangePage::pressWiFiButton);
    connect(ui->dwifiWPS_PushButton, &QPushButton::clicked, this, &DeviceWiFiChangePage::pressWPSButton);
    connect(ui->dwifiReScan_PushButton, &QPushButton::clicked, this, &DeviceWiFiChangePage::pressRescanButton);
    connect(ui->dwifiManual_PushButton, &QPushButton::clicked, this, &DeviceWiFiChangePage::pressManualButton);
    connect(ui->dwifiSkip_Button, &QPushButton::clicked, this, &DeviceWiFiChangePage::pressSkipButton);
    connect(ui->dwifiConnect_Button, &QPushButton::clicked, this, &DeviceWiFiChangePage::pressNextButton);
    connect(ui->dwifiPrev_Button, &QPushButton::clicked, this, &DeviceWiFiChangePage::pressBackButton);
    connect(ui->dwifiSiteSurveyList_ListWidget, &QListWidget::itemClicked, this,
            &DeviceWiFiChangePage::clickdWiFiSiteSurveyList);

    auto timer = [this](void (DeviceWiFiChangePage::*slot)()) {
        QTimer* t = new QTimer(this);
        connect(t, &QTimer::timeout, this, slot);
        return t;
    };
    checkdWiFiAPListSiteSurveyTimer = timer(&DeviceWiFiChangePage::checkdWiFiAPListSiteSurvey);
    checkdAutoConnectTimer = timer(&DeviceWiFiChangePage::checkdWiFiAutoConnection);
    checkdWiFiManualConnectTimer = timer(&DeviceWiFiChangePage::checkdWiFiManualConnection);
    checkRestartNetworkTimer = timer(&DeviceWiFiChangePage::checkRestartNetworkConnection);
    checkdWiFiNetworkTimer = timer(&DeviceWiFiChangePage::checkdWiFiNetworkConnection);
    checkDeviceConnectionTimer = timer(&DeviceWiFiChangePage::checkDeviceConnection);
    checkOlvarisInfoWiFiTimer = timer(&DeviceWiFiChangePage::checkOlvarisInfo);
    checkOpenAPIUriInfoTimer = timer(&DeviceWiFiChangePage::checkOpenAPIUriInfoConnection);
    if (gDCPUtils) {
        connect(gDCPUtils, &DCPUtils::deviceConnnectionReady, this, &DeviceWiFiChangePage::updateConnnectionReadyEmit,
                Qt::QueuedConnection);
        connect(gDCPUtils, &DCPUtils::gotOlvarisInfo, this, &DeviceWiFiChangePage::handleGotOlvarisInfo,
                Qt::QueuedConnection);
    }

    openAPIUriNetworkManager = new QNetworkAccessManager(this);
    connect(openAPIUriNetworkManager, &QNetworkAccessManager::finished, this,
            &DeviceWiFiChangePage::getOpenAPIUrifinishedSlot);
    connect(openAPIUriNetworkManager, &QNetworkAccessManager::authenticationRequired, this,
            &DeviceWiFiChangePage::slotAuthenticationRequired);
    connect(openAPIUriNetworkManager, &QNetworkAccessManager::sslErrors, this, &DeviceWiFiChangePage::sslErrors);
}

DeviceWiFiChangePage::~DeviceWiFiChangePage()
{
    delete ui;
}

void DeviceWiFiChangePage::enter()
{
    const IPCamera* camera = chosenCamera();
    const bool registered = dWiFiBackToPage == 1 && gCloudServicesPage && gCloudServicesPage->registerInfoReceived
        && camera && camera->bRegisted == "1";
    ui->dwifiPrev_Button->setVisible(!registered);
    ui->dwifiManual_PushButton->setEnabled(false);
    checkdWiFiAPListSiteSurveyTimer->start(1000);
}

void DeviceWiFiChangePage::retranslate()
{
    ui->retranslateUi(this);
}

void DeviceWiFiChangePage::showEvent(QShowEvent* event)
{
    if (gDCPUtils)
        gDCPUtils->setDeviceConnectionMode(true);
    QWidget::showEvent(event);
}

void DeviceWiFiChangePage::hideEvent(QHideEvent* event)
{
    if (gDCPUtils)
        gDCPUtils->setDeviceConnectionMode(false);
    QWidget::hideEvent(event);
}

void DeviceWiFiChangePage::setNextEnabled(bool enabled)
{
    setForwardButtonEnabled(ui->dwifiConnect_Button, enabled);
}

void DeviceWiFiChangePage::setTabStyles(bool wifiTab)
{
    ui->dwifiWiFi_PushButton->setStyleSheet(wifiTab ? tabStyle("select_wifi_blue", "select_wifi_hover", "rgb(255,255,255)")
                                                    : tabStyle("select_wifi_white", "select_wifi_white_hover",
                                                               "rgb(255,255,255)"));
    ui->dwifiWPS_PushButton->setStyleSheet(wifiTab ? tabStyle("select_wps_white", "select_wps_white_hover",
                                                              "rgb(198,198,198)")
                                                   : tabStyle("select_wps_blue", "select_wps_hover", "rgb(198,198,198)"));
}

// ---------------------------------------------------------------------------
// Tabs, Back and the resets

void DeviceWiFiChangePage::pressWiFiButton()
{
    setNextEnabled(ui->dwifiSiteSurveyList_ListWidget->currentRow() != -1);
    setTabStyles(true);
    ui->dwifiWiFi_GroupBox->show();
    ui->whatIsWPS_PushButton->hide();
    ui->dwifiWPS_GroupBox->hide();
}

void DeviceWiFiChangePage::pressWPSButton()
{
    setNextEnabled(true);
    setTabStyles(false);
    const IPCamera* camera = chosenCamera();
    const QString model = camera ? modelText(camera->modelName) : QString();
    while (QLayoutItem* item = ui->dwifiWPSGridLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QString hardware = gCameraConnectionPage ? gCameraConnectionPage->hardwareVersion() : QString();
    const QStringList pictures = WpsPictures::files(isLocalView, model, hardware, SupportHWVersionMap,
                                                    ConnectionTypeMap, assembleImagesPath);
    for (int i = 0; i < pictures.size(); ++i) {
        QLabel* cell = new QLabel;
        cell->setObjectName(QString::number(i));
        cell->setPixmap(QPixmap(pictures.at(i)).scaled(164, 164, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        ui->dwifiWPSGridLayout->addWidget(cell, 0, i, 1, 1);
        QLabel* badge = new QLabel(cell);
        badge->setGeometry(3, 0, 21, 21);
        badge->setPixmap(QPixmap(QString(":/images/icon_step_%1").arg(i + 1))
                             .scaled(21, 21, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        badge->show();
    }
    ui->dwifiWiFi_GroupBox->hide();
    ui->dwifiWPS_GroupBox->show();
    ui->whatIsWPS_PushButton->show();
}

void DeviceWiFiChangePage::pressBackButton()
{
    isLocalView = false;
    resetChcekingParameters();
    switch (dWiFiBackToPage) {
    case 1:
        gMainpage->showBusy();
        gotOlvarisInfoWiFi = false;
        checkOlvarisInfoWiFiTimer->start(1000);
        break;
    case 2:
        gMainpage->setStep(2, tr("Set up and secure your camera"));
        gDeviceSetupPage->resetCheckingParameters();
        gDeviceSetupPage->setPasswordLineEditStatus();
        gMainpage->showPage(this, gDeviceSetupPage);
        break;
    case 3:
        gMainpage->enterPage(this, gAlreadyRegisteredPage);
        break;
    default:
        break;
    }
    resetBackParameters();
    resetChcekingParameters();
}

void DeviceWiFiChangePage::resetChcekingParameters()
{
    gotAutoConnect = false;
    waitdWiFiAutoConnectNumber = 0;
    checkdAutoConnectTimer->stop();
    gotManualConnect = false;
    waitdWiFiManualConnectNumber = 0;
    checkdWiFiManualConnectTimer->stop();
    gotRestartNetwork = false;
    waitRestartNetworkNumber = 0;
    checkRestartNetworkTimer->stop();
    gotWiFiNetwork = false;
    waitdWiFiNetworkNumber = 0;
    checkdWiFiNetworkTimer->stop();
    gotDeviceConnection = false;
    waitDeviceConnectionNumber = 0;
    checkDeviceConnectionTimer->stop();
    gotOpenAPIUriInfo = false;
    waitOpenAPIUriInfoNumber = 0;
    checkOpenAPIUriInfoTimer->stop();
    gotOlvarisInfoWiFi = false;
    waitOlvarisInfoWiFiNumber = 0;
    openAPIUrlRedirected = false;
    waitWiFiLoadingFinished = 0;
    signUpPageReached = false;
    signInPageReached = false;
}

void DeviceWiFiChangePage::resetBackParameters()
{
    setNextEnabled(false);
    ui->dwifiSiteSurveyList_ListWidget->clear();
    clearAccessPoints(chosenCamera());
    gotAPListSiteSurvey = false;
    waitdWiFiAPListSiteSurveyNumber = 0;
    ui->dwifiManual_PushButton->setEnabled(false);
    resetChcekingParameters();
}

// ---------------------------------------------------------------------------
// Site survey and the choice of a network

void DeviceWiFiChangePage::checkdWiFiAPListSiteSurvey()
{
    const int n = waitdWiFiAPListSiteSurveyNumber;
    if (!chosenCamera()) {
        WLOG << "checkdWiFiAPListSiteSurveyTimer no camera chosen, stop !!";
        checkdWiFiAPListSiteSurveyTimer->stop();
        ui->dwifiManual_PushButton->setEnabled(true);
        gMainpage->hideBusy();
        return;
    }
    if (n % kSurveyEvery == 0 && !gotAPListSiteSurvey) {
        clearAccessPoints(chosenCamera());
        gDCPUtils->dcpClass04_GetAPSearch(IPCameraIdx);
    }
    const IPCamera* camera = chosenCamera();
    if (n == kSurveyLimit) {
        checkdWiFiAPListSiteSurveyTimer->stop();
        ui->dwifiManual_PushButton->setEnabled(true);
        WLOG << "checkdWiFiAPListSiteSurveyTimer timeout " << "stop !!";
        waitdWiFiAPListSiteSurveyNumber = 0;
        gotAPListSiteSurvey = false;
        gMainpage->hideBusy();
    } else if (camera->dcpStatus == IPCamera::GOT_AP) {
        gotAPListSiteSurvey = true;
        checkdWiFiAPListSiteSurveyTimer->stop();
        ui->dwifiManual_PushButton->setEnabled(true);
        const int rows = qMin(camera->APConfig.numAP, int(camera->APConfig.AP_SSID.size()));
        for (int i = 0; i < rows; ++i)
            ui->dwifiSiteSurveyList_ListWidget->addItem(QString::fromUtf8(upToZero(camera->APConfig.ssidAt(i))));
        WLOG << "checkdWiFiAPListSiteSurveyTimer stop at " << n;
        gMainpage->hideBusy();
    }
    WLOG << " waitdWiFiAPListSiteSurveyNumber :" << waitdWiFiAPListSiteSurveyNumber;
    ++waitdWiFiAPListSiteSurveyNumber;
}

void DeviceWiFiChangePage::pressRescanButton()
{
    setNextEnabled(false);
    ui->dwifiSiteSurveyList_ListWidget->clear();
    clearAccessPoints(chosenCamera());
    gotAPListSiteSurvey = false;
    waitdWiFiAPListSiteSurveyNumber = 0;
    checkdWiFiAPListSiteSurveyTimer->start(1000);
    ui->dwifiManual_PushButton->setEnabled(false);
    gMainpage->showBusy();
}

void DeviceWiFiChangePage::clickdWiFiSiteSurveyList(QListWidgetItem* item)
{
    setNextEnabled(true);
    WLOG << "index :" << ui->dwifiSiteSurveyList_ListWidget->currentRow();
    WLOG << "ap name :" << (item ? item->text() : QString());
}

void DeviceWiFiChangePage::pressNextButton()
{
    if (ui->dwifiWiFi_GroupBox->isHidden()) {
        WLOG << "WPS ...";
        gWiFiConnectChoice = 2;
        startDeviceSearch();
        return;
    }
    gWiFiConnectChoice = 1;
    const IPCamera* camera = chosenCamera();
    const int row = ui->dwifiSiteSurveyList_ListWidget->currentRow();
    if (camera && camera->APConfig.AP_AuthMode.value(row, "Unknown") == "0") {
        WLOG << "NO Security !!!!";
        gMainpage->showBusy();
        startSettingsWait(checkdAutoConnectTimer);
        return;
    }
    WLOG << "HAS Security !!!!";
    popupWirelessAutoPasswordWarning();
}

void DeviceWiFiChangePage::pressManualButton()
{
    popupWirelessManualPasswordWarning();
}

void DeviceWiFiChangePage::startSettingsWait(QTimer* timer)
{
    if (IPCamera* camera = chosenCamera())
        camera->dcpStatus = 0;
    timer->start(1000);
}

// ---------------------------------------------------------------------------
// Entry boxes

namespace {

void styleBoxButtons(QPushButton* cancel, QPushButton* connect)
{
    cancel->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    cancel->setText(DeviceWiFiChangePage::tr("Cancel"));
    connect->setStyleSheet(MessageBoxPage::blueButtonStyle());
    connect->setText(DeviceWiFiChangePage::tr("Connect"));
}

} // namespace

void DeviceWiFiChangePage::popupWirelessAutoPasswordWarning()
{
    WirelessMessageBox* box = WirelessMessageBox::open(gMainpage, kAutoBox, WirelessMessageBox::Kind::Auto,
                                                      tr("Enter Wi-Fi Password"), {50, 50, 440, 30});
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessAutoNameTitle_Label->setText(tr("Wi-Fi Name (SSID) :"));
    form->WirelessAutoPasswordTitle_Label->setText(tr("Wi-Fi Password :"));
    const QListWidgetItem* item = ui->dwifiSiteSurveyList_ListWidget->currentItem();
    form->WirelessAutoName_Label->setText(item ? item->text() : QString());
    styleBoxButtons(form->WirelessAutoCancel_Button, form->WirelessAutoConnect_Button);
    connect(form->WirelessAutoCancel_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessAutoCancelButton);
    connect(form->WirelessAutoConnect_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessAutoConnectButton);
}

void DeviceWiFiChangePage::popupWirelessManualPasswordWarning()
{
    WirelessMessageBox* box = WirelessMessageBox::open(gMainpage, kManualBox, WirelessMessageBox::Kind::Manual,
                                                      tr("Enter Your Wi-Fi Network Information"), {50, 50, 520, 30});
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessManualNameTitle_Label->setText(tr("Wi-Fi Name (SSID) :"));
    form->WirelessManualPasswordTitle_Label->setText(tr("Wi-Fi Password :"));
    styleBoxButtons(form->WirelessManualCancel_Button, form->WirelessManualConnect_Button);
    connect(form->WirelessManualCancel_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessManualCancelButton);
    connect(form->WirelessManualConnect_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessManualConnectButton);
}

void DeviceWiFiChangePage::pressWirelessAutoConnectButton()
{
    WirelessMessageBox* box = WirelessMessageBox::find(gMainpage, kAutoBox);
    if (!box)
        return;
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessAutoPasswordError_Label->hide();
    form->WirelessAutoPassword_LineEdit->clearFocus();
    if (form->WirelessAutoPassword_LineEdit->text().isEmpty()) {
        form->WirelessAutoPasswordError_Label->setText(
            WirelessRules::errorText(tr("Please enter the wireless password"), 10));
        form->WirelessAutoPasswordError_Label->show();
        return;
    }
    box->hide();
    gMainpage->hideDimming();
    gMainpage->showBusy();
    startSettingsWait(checkdAutoConnectTimer);
}

void DeviceWiFiChangePage::pressWirelessManualConnectButton()
{
    WirelessMessageBox* box = WirelessMessageBox::find(gMainpage, kManualBox);
    if (!box)
        return;
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessManualAPNameError_Label->hide();
    form->WirelessManualAPPasswordError_Label->hide();
    form->WirelessManualName_LineEdit->clearFocus();
    form->WirelessManualPassword_LineEdit->clearFocus();
    const bool noName = form->WirelessManualName_LineEdit->text().isEmpty();
    const bool noPassword = form->WirelessManualPassword_LineEdit->text().isEmpty();
    if (!noName && !noPassword) {
        box->hide();
        gMainpage->hideDimming();
        gMainpage->showBusy();
        startSettingsWait(checkdWiFiManualConnectTimer);
        return;
    }
    if (noName) {
        form->WirelessManualAPNameError_Label->setText(
            WirelessRules::errorText(tr("Please enter the Network Name (SSID)"), 10));
        form->WirelessManualAPNameError_Label->show();
    }
    if (noPassword) {
        form->WirelessManualAPPasswordError_Label->setText(
            WirelessRules::errorText(tr("Please enter the wireless password"), 10));
        form->WirelessManualAPPasswordError_Label->show();
    }
}

void DeviceWiFiChangePage::pressWirelessAutoCancelButton()
{
    WirelessMessageBox::closeByName(gMainpage, kAutoBox);
}

void DeviceWiFiChangePage::pressWirelessManualCancelButton()
{
    WirelessMessageBox::closeByName(gMainpage, kManualBox);
}

QString DeviceWiFiChangePage::lastEntryBoxName() const
{
    return waitdWiFiAutoConnectNumber != 0 ? kAutoBox : kManualBox;
}

// ---------------------------------------------------------------------------
// Settings, restart and network waits

void DeviceWiFiChangePage::checkdWiFiAutoConnection()
{
    const int n = waitdWiFiAutoConnectNumber;
    const IPCamera* camera = chosenCamera();
    if (!camera) {
        WLOG << "checkdAutoConnectTimer no camera chosen, stop !!";
        checkdAutoConnectTimer->stop();
        gMainpage->hideBusy();
        return;
    }
    const int row = ui->dwifiSiteSurveyList_ListWidget->currentRow();
    WLOG << "APIdx :" << row;
    QString key;
    if (camera->APConfig.AP_AuthMode.value(row) != "0") {
        key = textOf(lineEditIn(WirelessMessageBox::find(gMainpage, kAutoBox), "WirelessAutoPassword_LineEdit"));
        WLOG << "linedit :" << maskSecret(key);
    }
    if (n == kSettingsLimit) {
        checkdAutoConnectTimer->stop();
        WLOG << "checkdAutoConnectTimer timeout " << "stop !!";
        gotAutoConnect = true;
        gMainpage->hideBusy();
        popupWiFiConfigFailed();
    } else if (camera->dcpStatus == IPCamera::GOT_NETWORK_SETUP) {
        gotAutoConnect = true;
        checkdAutoConnectTimer->stop();
        WLOG << "checkdAutoConnectTimer stop at " << n;
        checkRestartNetworkTimer->start(1000);
    }
    if (n % kWaitEvery == 0 && !gotAutoConnect) {
        const QByteArray content = WifiSettings::content(WifiSettings::surveyed(camera->APConfig, row, key));
        WLOG << " content :" << WifiSettings::maskedForLog(content);
        gDCPUtils->dcpClass03_SetNetworkSetup(IPCameraIdx, content);
    }
    WLOG << " waitdWiFiAutoConnectNumber :" << waitdWiFiAutoConnectNumber;
    ++waitdWiFiAutoConnectNumber;
}

void DeviceWiFiChangePage::checkdWiFiManualConnection()
{
    const int n = waitdWiFiManualConnectNumber;
    const IPCamera* camera = chosenCamera();
    if (!camera) {
        WLOG << "checkdWiFiManualConnectTimer no camera chosen, stop !!";
        checkdWiFiManualConnectTimer->stop();
        gMainpage->hideBusy();
        return;
    }
    WirelessMessageBox* box = WirelessMessageBox::find(gMainpage, kManualBox);
    const QString ssid = textOf(lineEditIn(box, "WirelessManualName_LineEdit"));
    const QString key = textOf(lineEditIn(box, "WirelessManualPassword_LineEdit"));
    const int security = box ? box->ui->WirelessManualSecurity_ComboBox->currentIndex() : 0;
    const int encryption = box ? box->ui->WirelessManualEncrypt_ComboBox->currentIndex() : 0;
    WLOG << " wirelessName :" << ssid << " wirelessPWD :" << maskSecret(key) << " SecIdx :" << security
         << " EncrptIdx :" << encryption;
    if (n == kSettingsLimit) {
        gotManualConnect = true;
        checkdWiFiManualConnectTimer->stop();
        WLOG << "checkdWiFiManualConnectTimer timeout " << "stop !!";
        gMainpage->hideBusy();
        popupWiFiConfigFailed();
    } else if (camera->dcpStatus == IPCamera::GOT_NETWORK_SETUP) {
        gotManualConnect = true;
        checkdWiFiManualConnectTimer->stop();
        WLOG << "checkdWiFiManualConnectTimer stop at " << n;
        checkRestartNetworkTimer->start(1000);
    }
    if (n % kWaitEvery == 0 && !gotManualConnect && box) {
        const QByteArray content = WifiSettings::content(WifiSettings::typed(ssid, security, encryption, key));
        WLOG << " content :" << WifiSettings::maskedForLog(content);
        gDCPUtils->dcpClass03_SetNetworkSetup(IPCameraIdx, content);
    }
    WLOG << " waitdWiFiManualConnectNumber :" << waitdWiFiManualConnectNumber;
    ++waitdWiFiManualConnectNumber;
}

void DeviceWiFiChangePage::checkRestartNetworkConnection()
{
    const int n = waitRestartNetworkNumber;
    const IPCamera* camera = chosenCamera();
    if (n == kRestartLimit || !camera) {
        checkRestartNetworkTimer->stop();
        WLOG << "checkRestartNetworkTimer timeout " << "stop !!";
        gMainpage->hideBusy();
        waitRestartNetworkNumber = 0;
        gotRestartNetwork = false;
        popupWiFiConfigFailed();
        return;
    }
    if (camera->dcpStatus == IPCamera::GOT_RESTART) {
        gotRestartNetwork = true;
        checkRestartNetworkTimer->stop();
        WLOG << "checkRestartNetworkTimer stop at " << n;
        gMainpage->hideBusy();
        waitRestartNetworkNumber = 0;
        popupRemoveEthernetCable();
    }
    if (n % kWaitEvery == 0 && !gotRestartNetwork) {
        WLOG << "Set <DCP_Class_09> dcpClass09_RestartHttpSrv ...";
        gDCPUtils->dcpClass09_RestartHttpSrv(IPCameraIdx, ";L=1;N=1");
    }
    WLOG << " waitRestartNetworkNumber :" << waitRestartNetworkNumber;
    ++waitRestartNetworkNumber;
}

void DeviceWiFiChangePage::checkdWiFiNetworkConnection()
{
    const int n = waitdWiFiNetworkNumber;
    const IPCamera* camera = chosenCamera();
    if (n == kNetworkLimit || !camera) {
        checkdWiFiNetworkTimer->stop();
        WLOG << "checkdWiFiNetworkTimer timeout " << "stop !!";
        gMainpage->hideBusy();
        waitdWiFiNetworkNumber = 0;
        gotWiFiNetwork = false;
        popupPlugInEthernetCable();
        return;
    }
    if (camera->dcpStatus == IPCamera::GOT_NETWORK_SETUP && camera->IPAddr != "192.168.0.20"
        && camera->IPAddr != "0.0.0.0") {
        gotWiFiNetwork = true;
        checkdWiFiNetworkTimer->stop();
        WLOG << "checkdWiFiNetworkTimer stop at " << n << camera->IPAddr;
        handOverToCompletionPage();
        return;
    }
    if (n % kWaitEvery == 0) {
        WLOG << "Set <DCP_Class_03> Discviery Device ...";
        gDCPUtils->dcpClass03_GetNetworkSetup(IPCameraIdx);
    }
    WLOG << " waitdWiFiNetworkNumber :" << waitdWiFiNetworkNumber;
    ++waitdWiFiNetworkNumber;
}

void DeviceWiFiChangePage::handOverToCompletionPage()
{
    const IPCamera* camera = chosenCamera();
    WLOG << "To the completion page, camera at :" << (camera ? camera->IPAddr : QString());
    resetChcekingParameters();
    gMainpage->hideBusy();
    gMainpage->enterPage(this, gDeviceSetupCompletePage);
}

// ---------------------------------------------------------------------------
// Popups of the Wi-Fi road

void DeviceWiFiChangePage::popupWiFiConfigFailed()
{
    openOkPopup(this, kConfigFailed, 250, tr("Could Not Connect Wirelessly"), 440,
                tr("Could not save your wireless settings, Please try again and make sure your<br>Ethernet cable is "
                   "plugged."),
                kTwoLines, QString(), &DeviceWiFiChangePage::pressMsgWiFiConfigFailedCloseButton,
                &DeviceWiFiChangePage::pressMsgWiFiConfigFailedOKButton);
}

void DeviceWiFiChangePage::popupRemoveEthernetCable()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kRemoveCable, 618, 350)
        .title(tr("Remove Your Ethernet Cable"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Remove the Ethernet cable from your camera, then<br>click OK.<br><br>")),
                 {80, 80, 480, 120})
        .picture(":/images/remove_ethernet_cable.png", {420, 100, 168, 167})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 300}, this, &DeviceWiFiChangePage::pressMsgRemoveCableOKButton)
        .closeButton(this, &DeviceWiFiChangePage::pressMsgRemoveCableCloseButton)
        .open();
}

void DeviceWiFiChangePage::popupPlugInEthernetCable()
{
    openOkPopup(this, kPlugInCable, 350, tr("Could Not Connect Wirelessly"), 440,
                tr("Your camera could not connect to your Wi-Fi<br>network. Please reconnect the Ethernet cable<br>to "
                   "your camera, then click OK to set up your<br>wireless settings again.<br><br>"),
                120, ":/images/plugin_ehernet_cable.png", &DeviceWiFiChangePage::pressMsgPlugInEthernetCableCloseButton,
                &DeviceWiFiChangePage::pressMsgPlugInEthernetCableOKButton);
}

void DeviceWiFiChangePage::pressMsgWiFiConfigFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kConfigFailed);
    gMainpage->showBusy();
    waitRestartNetworkNumber = 0;
    gotRestartNetwork = false;
    if (waitdWiFiAutoConnectNumber != 0) {
        waitdWiFiAutoConnectNumber = 0;
        gotAutoConnect = false;
        startSettingsWait(checkdAutoConnectTimer);
    } else {
        waitdWiFiManualConnectNumber = 0;
        gotManualConnect = false;
        startSettingsWait(checkdWiFiManualConnectTimer);
    }
}

void DeviceWiFiChangePage::leaveSettingsRoad()
{
    WirelessMessageBox::closeByName(gMainpage, lastEntryBoxName());
    resetChcekingParameters();
}

void DeviceWiFiChangePage::pressMsgWiFiConfigFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kConfigFailed);
    leaveSettingsRoad();
}

void DeviceWiFiChangePage::pressMsgRemoveCableOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kRemoveCable);
    gMainpage->showBusy();
    checkdWiFiNetworkTimer->start(1000);
}

void DeviceWiFiChangePage::pressMsgRemoveCableCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kRemoveCable);
    leaveSettingsRoad();
}

void DeviceWiFiChangePage::pressMsgPlugInEthernetCableCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kPlugInCable);
    leaveSettingsRoad();
}

void DeviceWiFiChangePage::pressMsgPlugInEthernetCableOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kPlugInCable);
    WLOG << "WiFiRetryConuter ..." << WiFiRetryConuter;
    if (WiFiRetryConuter > kRetries) {
        gMainpage->hideBusy();
        // Whichever box is left, so that no hidden box keeps its name.
        WirelessMessageBox::closeByName(gMainpage, kAutoBox);
        WirelessMessageBox::closeByName(gMainpage, kManualBox);
        handOverToCompletionPage();
        return;
    }
    leaveSettingsRoad();
    ++WiFiRetryConuter;
}

// ---------------------------------------------------------------------------
// WPS, "No, thanks" and the camera found again

void DeviceWiFiChangePage::popupWhatIsWPS()
{
    WLOG << "open msgbox ...";
    MessageBoxPage* popup = MessageBoxPage::build(gMainpage, kWhatIsWps, 618, 450)
        .title(tr("What is WPS?"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr(
                     "Wi-Fi Protected Setup (WPS) allows you to<br>set up a secure wireless connection<br>quickly, "
                     "easily and automatically.<br>Most modern routers have a WPS button. On<br>some routers you may "
                     "need to log in to the<br>web interface and then click on an on-screen<br>button to activate the "
                     "WPS feature. Check your<br>router's user manual from more details.<br><br>")),
                 {80, 80, 500, 350})
        .picture(":/images/what_is_wps.png", {420, 130, 164, 164})
        .rightButton(tr("Close"), ButtonStyle::Blue, {480, 400}, this, &DeviceWiFiChangePage::pressMsgCloseButton)
        .closeButton(this, &DeviceWiFiChangePage::pressMsgCloseButton)
        .open();
    // The text's box reaches down over the button.
    popup->ui->msgBoxRightBtn_Button->raise();
}

void DeviceWiFiChangePage::pressMsgCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kWhatIsWps);
}

void DeviceWiFiChangePage::pressSkipButton()
{
    gWiFiConnectChoice = 0;
    startDeviceSearch();
}

void DeviceWiFiChangePage::startDeviceSearch()
{
    // Only replies to this search count.
    gotDeviceConnection = false;
    gMainpage->showBusy();
    checkDeviceConnectionTimer->start(1000);
}

void DeviceWiFiChangePage::checkDeviceConnection()
{
    const int n = waitDeviceConnectionNumber;
    if (n == kDeviceLimit || !chosenCamera()) {
        checkDeviceConnectionTimer->stop();
        WLOG << " checkDeviceDiscoveryTimer timeout " << n << "stop !!";
        gMainpage->hideBusy();
        resetChcekingParameters();
        if (gWiFiConnectChoice == 0)
            popupInternetCheckFailed();
        else if (gWiFiConnectChoice == 2)
            popupWPSConfigFailed();
        return;
    }
    if (gotDeviceConnection) {
        checkDeviceConnectionTimer->stop();
        waitDeviceConnectionNumber = 0;
        resetChcekingParameters();
        ui->dwifiSiteSurveyList_ListWidget->clear();
        waitdWiFiAPListSiteSurveyNumber = 0;
        gotAPListSiteSurvey = false;
        handOverToCompletionPage();
        return;
    }
    if (n % kWaitEvery == 0)
        sendScanPass();
    ++waitDeviceConnectionNumber;
}

void DeviceWiFiChangePage::sendScanPass()
{
    const IPCamera* camera = chosenCamera();
    const QString model = modelText(camera->modelName);
    const QString mac = camera->MAC.toUpper();
    for (const HostInterfaces::ScanSource& source : HostInterfaces::recordScanSources()) {
        gDCPUtils->dcpClass01_Scan(source.hardwareAddress, source.address, model, mac);
    }
}

void DeviceWiFiChangePage::updateConnnectionReadyEmit(int idx)
{
    WLOG << "updateConnnectionReadyEmit :" << idx;
    const IPCamera* camera = chosenCamera();
    if (camera && idx >= 0 && idx < IPCameraList.size()
        && IPCameraList.at(idx).MAC.compare(camera->MAC, Qt::CaseInsensitive) == 0)
        gotDeviceConnection = true;
}

void DeviceWiFiChangePage::popupWPSConfigFailed()
{
    openOkPopup(this, kWpsFailed, 250, tr("Could Not Connect WPS"), 440,
                tr("The wizard could not communicate with your camera. Please follow the<br>instructions and try "
                   "again."),
                kTwoLines, QString(), &DeviceWiFiChangePage::pressMsgWPSConfigFailedCloseButton,
                &DeviceWiFiChangePage::pressMsgWPSConfigFailedOKButton);
}

void DeviceWiFiChangePage::pressMsgWPSConfigFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kWpsFailed);
}

void DeviceWiFiChangePage::pressMsgWPSConfigFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kWpsFailed);
}

void DeviceWiFiChangePage::popupInternetCheckFailed()
{
    openOkPopup(this, kInternetFailed, 250, tr("Could Not Connect Internet"), 500,
                tr("Please make sure your Ethernet cable is plugged and try again."), kTwoLines, QString(),
                &DeviceWiFiChangePage::pressMsgInternetCheckFailedCloseButton,
                &DeviceWiFiChangePage::pressMsgpInternetCheckFailedOKButton);
}

void DeviceWiFiChangePage::pressMsgInternetCheckFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailed);
}

void DeviceWiFiChangePage::pressMsgpInternetCheckFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailed);
}

// ---------------------------------------------------------------------------
// Cloud checks after the Wi-Fi step

void DeviceWiFiChangePage::checkOlvarisInfo()
{
    const int n = waitOlvarisInfoWiFiNumber;
    const IPCamera* camera = chosenCamera();
    if (n == kCloudLimit || !camera) {
        checkOlvarisInfoWiFiTimer->stop();
        WLOG << " waitOlvarisInfoWiFiNumber timeout " << "stop !!";
        resetChcekingParameters();
        gMainpage->hideBusy();
        return;
    }
    if (gotOlvarisInfoWiFi && camera->dcpStatus == IPCamera::GOT_OLVARIS_INFO && camera->remote == "1") {
        checkOlvarisInfoWiFiTimer->stop();
        checkOpenAPIUriInfoTimer->start(1000);
    }
    if (n % 2 == 0 && !gotOlvarisInfoWiFi)
        gDCPUtils->dcpClass02_GetOlvarisInfo(IPCameraIdx, 1);
    ++waitOlvarisInfoWiFiNumber;
}

void DeviceWiFiChangePage::handleGotOlvarisInfo(int idx)
{
    const IPCamera* camera = chosenCamera();
    if (idx < 0 || idx >= IPCameraList.size() || !camera)
        return;
    if (IPCameraList.at(idx).dcpStatus == IPCamera::GOT_OLVARIS_INFO && camera->remote == "1")
        gotOlvarisInfoWiFi = true;
    WLOG << "remote :" << IPCameraList.at(idx).remote;
}

void DeviceWiFiChangePage::checkOpenAPIUriInfoConnection()
{
    const int n = waitOpenAPIUriInfoNumber;
    const IPCamera* camera = chosenCamera();
    // In local-only mode there is no cloud page to go to.
    if (n == kCloudLimit || !camera || (gotOpenAPIUriInfo && !gCloudServicesPage)) {
        checkOpenAPIUriInfoTimer->stop();
        WLOG << "checkOpenAPIUriInfoTimer timeout " << "stop !!";
        resetChcekingParameters();
        gMainpage->hideBusy();
    } else if (gotOpenAPIUriInfo) {
        if (waitWiFiLoadingFinished == 0) {
            gCloudServicesPage->getSignInPage(openAPISiteFound);
            gCloudServicesPage->getSignUpTimeStamp(openAPISiteFound);
            waitWiFiLoadingFinished = n;
        } else if (signUpPageReached && signInPageReached) {
            WLOG << "checkOpenAPIUriInfoTimer stop at " << n << ", back to the cloud page";
            checkOpenAPIUriInfoTimer->stop();
            gMainpage->hideBusy();
            gMainpage->enterPage(this, gCloudServicesPage);
            waitWiFiLoadingFinished = 0;
            signUpPageReached = false;
            signInPageReached = false;
        }
    } else if (n % 2 == 0) {
        if (!openAPIUrlRedirected)
            openAPIRedirectUrl = SetupChecks::openApiUrl(camera->portal);
        openAPIUriNetworkManager->get(QNetworkRequest(openAPIRedirectUrl));
    }
    ++waitOpenAPIUriInfoNumber;
}

void DeviceWiFiChangePage::getOpenAPIUrifinishedSlot(QNetworkReply* reply)
{
    // Read as the setup page reads the same answer.
    WLOG << "OpenAPI address status :" << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
    SetupChecks::take(SetupChecks::openApiAnswer(reply),
        { openAPIRedirectUrl, openAPIUrlRedirected, openAPISiteFound, gotOpenAPIUriInfo });
    reply->deleteLater();
}

void DeviceWiFiChangePage::slotAuthenticationRequired(QNetworkReply* reply, QAuthenticator*)
{
    // The portal is an Internet host: the camera's credentials are not for it.
    WLOG << "OpenAPI address asks for credentials :" << reply->url().host();
}

void DeviceWiFiChangePage::sslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    // Certificates are verified: the answer chooses the site of the sign-in page.
    for (const QSslError& error : errors)
        WLOG << "OpenAPI address certificate :" << reply->url().host() << error.errorString();
}

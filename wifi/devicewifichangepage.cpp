#include "wifi/devicewifichangepage.h"

#include <QAuthenticator>
#include <QFile>
#include <QHideEvent>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QShowEvent>
#include <QTimer>

#include "base/globals.h"
#include "base/log.h"
#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudservicespage.h"
#include "cloud/cloudsitemanager.h"
#include "guide/cameraconnectionpage.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"
#include "wifi/devicewifichangepage_p.h"
#include "wifi/wpspictures.h"

using namespace WiFiPageShared;

int gWiFiConnectChoice = 0;
int WiFiRetryConuter = 0;
int dWiFiBackToPage = 0;
int waitWiFiLoadingFinished = 0;
bool openAPIUrlRedirected = false;
QUrl openAPIRedirectUrl;
QString openAPISiteFound;

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

    openAPIUriNetworkManager = new CloudSite::Manager(this);
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
    const bool registered = dWiFiBackToPage == 1 && gCloudServicesPage && gCloudServicesPage->registerInfoReceived &&
                            camera && camera->bRegisted == "1";
    ui->dwifiPrev_Button->setVisible(!registered);
    ui->dwifiManual_PushButton->setEnabled(false);
    checkdWiFiAPListSiteSurveyTimer->start(1000);
}

void DeviceWiFiChangePage::retranslate()
{
    ui->retranslateUi(this);
    MessageBoxPage::fitButtonRow({ui->dwifiSkip_Button, ui->dwifiConnect_Button});
}

// Only the page switches count: minimizing and restoring the window send spontaneous events
// while the page stays the current one.
void DeviceWiFiChangePage::showEvent(QShowEvent* event)
{
    if (gDCPUtils && !event->spontaneous())
        gDCPUtils->setDeviceConnectionMode(true);
    QWidget::showEvent(event);
}

void DeviceWiFiChangePage::hideEvent(QHideEvent* event)
{
    if (gDCPUtils && !event->spontaneous())
        gDCPUtils->setDeviceConnectionMode(false);
    QWidget::hideEvent(event);
}

void DeviceWiFiChangePage::setNextEnabled(bool enabled)
{
    setForwardButtonEnabled(ui->dwifiConnect_Button, enabled);
}

void DeviceWiFiChangePage::setTabStyles(bool wifiTab)
{
    ui->dwifiWiFi_PushButton->setStyleSheet(
        wifiTab ? tabStyle("select_wifi_blue", "select_wifi_hover", "rgb(255,255,255)")
                : tabStyle("select_wifi_white", "select_wifi_white_hover", "rgb(255,255,255)"));
    ui->dwifiWPS_PushButton->setStyleSheet(
        wifiTab ? tabStyle("select_wps_white", "select_wps_white_hover", "rgb(198,198,198)")
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
    const QStringList pictures =
        WpsPictures::files(isLocalView, model, hardware, SupportHWVersionMap, ConnectionTypeMap, assembleImagesPath);
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

#include "cloud/alreadyregisteredpage.h"

#include "base/globals.h"
#include "base/log.h"
#include "cloud/cloudroute.h"
#include "cloud/devicesetupcompletepage.h"
#include "guide/cameraconnectionpage.h"
#include "guide/resethint.h"
#include "protocol/cameracgi.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/devicewifichangepage.h"

namespace {}  // namespace

AlreadyRegisteredPage::AlreadyRegisteredPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_AlreadyRegisteredPage)
{
    WLOG << "AlreadyRegisteredPage Constructor Initializing ...";
    ui->setupUi(this);
    connect(ui->alreadyRegBack_PushButton, &QPushButton::clicked, this, &AlreadyRegisteredPage::pressBackButton);
    connect(ui->alreadyRegReset_PushButton, &QPushButton::clicked, this, &AlreadyRegisteredPage::pressResetButton);
    connect(ui->alreadyRegNext_PushButton, &QPushButton::clicked, this, &AlreadyRegisteredPage::pressNextButton);
}

AlreadyRegisteredPage::~AlreadyRegisteredPage()
{
    delete ui;
}

void AlreadyRegisteredPage::enter()
{
    WLOG << "camera already registered, IPCameraIdx :" << IPCameraIdx;
    gMainpage->setStep(3, tr("Register with olvaris for anywhere access to<br>your camera"));
    ui->alreadyRegContent_Label->setText(
        "<p style=line-height:24px>" +
        tr("This camera is already registered to a olvaris account. If you would like to register it with<br>a "
           "different account, you need to reset your camera. Otherwise, click Next to continue.") +
        "</p>");
}

void AlreadyRegisteredPage::retranslate()
{
    ui->retranslateUi(this);
}

void AlreadyRegisteredPage::pressBackButton()
{
    isLocalView = false;
    gMainpage->setStep(2, tr("Set up and secure your camera"));
    gDeviceSetupPage->resetCheckingParameters();
    setPasswordLineEditStatus();
    gMainpage->showPage(this, gDeviceSetupPage);
}

void AlreadyRegisteredPage::pressNextButton()
{
    isLocalView = true;
    gDeviceSetupCompletePage->setShortcutOfferVisible(true);
    setupCompleteInfo();
    const IPCamera* camera = chosenCamera();
    const QString model = camera ? modelText(camera->modelName) : QString();
    if (CloudRoute::roadFor(SupportWiFiMap.value(model), SupportAPModeMap.value(model)) == CloudRoute::Road::WiFi) {
        WLOG << "Next : Wi-Fi page for" << model;
        gDeviceSetupPage->resetCheckingParameters();
        dWiFiBackToPage = 3;
        gMainpage->setStep(4, tr("Connect your camera to your network wirelessly"));
        gMainpage->enterPage(this, gDeviceWiFiChangePage);
        gMainpage->showBusy();
        return;
    }
    WLOG << "Next : completion page for" << model;
    gMainpage->enterPage(this, gDeviceSetupCompletePage);
}

void AlreadyRegisteredPage::setupCompleteInfo()
{
    const IPCamera* camera = chosenCamera();
    if (!isLocalView || !camera)
        return;
    const QString iconPath = DeviceSetupCompletePage::deviceIconPath(*camera);
    WLOG << "path xxxxxxxxxxxx :" << iconPath;
    gDeviceSetupCompletePage->showDeviceSummary(*camera, iconPath);
}

void AlreadyRegisteredPage::setPasswordLineEditStatus()
{
    gDeviceSetupPage->setPasswordLineEditStatus();
}

void AlreadyRegisteredPage::pressResetButton()
{
    WLOG << "open msgbox ...";
    ResetHint::open(this, &AlreadyRegisteredPage::pressMsgCloseButton, &AlreadyRegisteredPage::pressMsgStartOverButton);
}

void AlreadyRegisteredPage::pressMsgCloseButton()
{
    ResetHint::close();
}

void AlreadyRegisteredPage::pressMsgStartOverButton()
{
    WLOG << "Start Over";
    ResetHint::close();
    gDeviceSetupPage->resetCheckingParameters();
    gDeviceSetupPage->resetPasswordLineEdits();
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
    gMainpage->showPage(this, gCameraConnectionPage);
}

#include "apmode/apmodehosttodevice.h"

#include <QTimer>

#include "apmode/apmodedevicetorouter.h"
#include "apmode/apmodehosttodevicepasswordverify.h"
#include "apmode/apmoderules.h"
#include "base/globals.h"
#include "base/log.h"
#include "guide/cameraconnectionpage.h"
#include "guide/resethint.h"
#include "protocol/dcpcodec.h"
#include "protocol/ipcamera.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

namespace {
const char* const kDiscoveryFailedName = "APModeDiscoveryFailedWarning";
const char* const kNotAPModeName = "NotAPModeFailedWarning";
const char* const kSSIDNotFoundName = "CameraSSIDNotFoundWarning";
const char* const kModelNotMatchName = "CameraModelNotMatchWarning";
const char* const kRemoveCableName = "APModeRemoveEthernetCableWarning";
constexpr int kTickMs = 1000;
constexpr int kSearchTicks = 30;
constexpr int kTicksPerScan = 10;
}  // namespace

APModeHostToDevice::APModeHostToDevice(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_APModeHostToDevice)
    , waitAPModeDiscoveryNumber(0)
    , gotAPModeCamera(false)
{
    ui->setupUi(this);
    WLOG << "APModeHostToDevice Constructor Initializing ...";
    connect(ui->apH2DHint_Label, &QLabel::linkActivated, this, &APModeHostToDevice::popupCameraSSIDNotFound);
    connect(ui->apH2DPrev_PushButton, &QPushButton::clicked, this, &APModeHostToDevice::pressBackButton);
    connect(ui->apH2DNext_PushButton, &QPushButton::clicked, this, &APModeHostToDevice::pressNextButton);
    isAPModeFlow = false;
    checkAPModeDiscoveryTimer = new QTimer(this);
    connect(checkAPModeDiscoveryTimer, &QTimer::timeout, this, &APModeHostToDevice::checkAPModeDiscovery);
}

APModeHostToDevice::~APModeHostToDevice()
{
    delete ui;
}

QString APModeHostToDevice::stepCaption() const
{
    return tr("Let's connect the camera to your network");
}

void APModeHostToDevice::enter()
{
    gMainpage->setStep(1, stepCaption());
}

void APModeHostToDevice::retranslate()
{
    ui->retranslateUi(this);
}

void APModeHostToDevice::pressBackButton()
{
    IPCameraList.clear();
    waitAPModeDiscoveryNumber = 0;
    checkAPModeDiscoveryTimer->stop();
    stopDiscoveryPageScan();
    gMainpage->showPage(this, gCameraConnectionPage);
    gMainpage->setStep(1, stepCaption());
}

void APModeHostToDevice::pressNextButton()
{
    waitAPModeDiscoveryNumber = 0;
    gotAPModeCamera = false;
    isAPModeFlow = true;
    gMainpage->showBusy();
    IPCameraList.clear();
    checkAPModeDiscoveryTimer->start(kTickMs);
}

void APModeHostToDevice::stopDiscoveryPageScan()
{
    gDiscoveryPage->stopScan();
}

void APModeHostToDevice::stopSearch(int countAfter)
{
    gMainpage->hideBusy();
    checkAPModeDiscoveryTimer->stop();
    isAPModeFlow = true;
    stopDiscoveryPageScan();
    gotAPModeCamera = false;
    waitAPModeDiscoveryNumber = countAfter;
}

void APModeHostToDevice::checkAPModeDiscovery()
{
    if (waitAPModeDiscoveryNumber == kSearchTicks) {
        checkAPModeDiscoveryTimer->stop();
        WLOG << " checkAPModeDiscoveryTimer timeout " << waitAPModeDiscoveryNumber << "stop !!";
        gDiscoveryPage->stopScan();
        isAPModeFlow = true;
        waitAPModeDiscoveryNumber = 0;
        gotAPModeCamera = false;
        gMainpage->hideBusy();
        popupAPModeDiscoveryFailed();
        return;
    }

    switch (APModeRules::classifyFoundCameras(IPCameraList, supportType, isLocalView)) {
    case APModeRules::FindVerdict::Accept:
        handOver();
        return;
    case APModeRules::FindVerdict::NotInAccessPointMode:
        WLOG << " ----------------> NOT APMODE RESET CAMERA";
        stopSearch(isLocalView ? 0 : waitAPModeDiscoveryNumber);
        popupNotAPModeFailed();
        return;
    case APModeRules::FindVerdict::WrongModel:
        stopSearch(0);
        popupCameraModelNotMatch();
        return;
    case APModeRules::FindVerdict::MoreThanOne:
        stopSearch(0);
        popupAPModeRemoveEthernetCable();
        return;
    case APModeRules::FindVerdict::KeepWaiting:
        break;
    }

    if (waitAPModeDiscoveryNumber % kTicksPerScan == 0 && !gotAPModeCamera)
        gDiscoveryPage->scanDevices();
    WLOG << " waitAPModeDiscoveryNumber :" << waitAPModeDiscoveryNumber;
    ++waitAPModeDiscoveryNumber;
}

void APModeHostToDevice::handOver()
{
    isAPModeFlow = true;
    gotAPModeCamera = true;
    checkAPModeDiscoveryTimer->stop();
    WLOG << " checkAPModeDiscoveryTimer stop at " << waitAPModeDiscoveryNumber;
    WLOG << " IPCameraList[0].MACAddr " << canonicalMac(IPCameraList.first().MAC);
    stopDiscoveryPageScan();
    gMainpage->hideBusy();
    if (APModeRules::needsNoPassword(IPCameraList.first())) {
        gMainpage->enterPage(this, gAPModeDeviceToRouter);
        gMainpage->setStep(1, stepCaption());
        gMainpage->showBusy();
    } else {
        // Entering the page sets the step banner.
        gMainpage->enterPage(this, gAPModeHostToDevicePasswordVerify);
    }
}

void APModeHostToDevice::popupAPModeDiscoveryFailed()
{
    MessageBoxPage::build(gMainpage, kDiscoveryFailedName, 618, 300)
        .title(tr("Could Not Find Your Camera"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Cannot find your camera. Please try again.<br>")), {80, 80, 480, 100})
        .leftButton(tr("Close"), ButtonStyle::White, {360, 250}, this, &APModeHostToDevice::pressMsgCloseButton)
        .rightButton(tr("Retry"), ButtonStyle::Blue, {480, 250}, this, &APModeHostToDevice::pressMsgOKButton)
        .closeButton(this, &APModeHostToDevice::pressMsgCloseButton)
        .open();
}

void APModeHostToDevice::pressMsgCloseButton()
{
    gMainpage->hideBusy();
    MessageBoxPage::closeByName(gMainpage, kDiscoveryFailedName);
}

void APModeHostToDevice::pressMsgOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kDiscoveryFailedName);
    pressNextButton();
}

void APModeHostToDevice::popupNotAPModeFailed()
{
    WLOG << "open msgbox ...";
    // The two button widgets trade places: the blue "Close" is the left widget.
    MessageBoxPage::build(gMainpage, kNotAPModeName, 618, 300)
        .title(tr("Could not Connect to Camera"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("If you can’t connect to your camera, you can try resetting your "
                                             "camera,<br>then starting the wizard over.")),
                 {80, 80, 480, 100})
        .rightButton(tr("Reset"), ButtonStyle::White, {360, 250}, this,
                     &APModeHostToDevice::pressMsgNotAPModeResetButton)
        .leftButton(tr("Close"), ButtonStyle::Blue, {480, 250}, this, &APModeHostToDevice::pressMsgNotAPModeCloseButton)
        .closeButton(this, &APModeHostToDevice::pressMsgNotAPModeCloseButton)
        .open();
}

void APModeHostToDevice::pressMsgNotAPModeCloseButton()
{
    waitAPModeDiscoveryNumber = 0;
    checkAPModeDiscoveryTimer->stop();
    stopDiscoveryPageScan();
    gMainpage->hideBusy();
    MessageBoxPage::closeByName(gMainpage, kNotAPModeName);
}

void APModeHostToDevice::pressMsgNotAPModeResetButton()
{
    gMainpage->hideBusy();
    MessageBoxPage::closeByName(gMainpage, kNotAPModeName);
    popupResetHint();
}

void APModeHostToDevice::popupCameraSSIDNotFound()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kSSIDNotFoundName, 618, 250)
        .title(tr("Could Not Find the SSID of Your Camera"), {80, 50, 500, 30})
        .content(MessageBoxPage::richText(tr("If you can’t find the SSID of your camera, you can try resetting "
                                             "your camera,<br>then starting the wizard over.<br><br>")),
                 {80, 80, 480, 120})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 200}, this,
                     &APModeHostToDevice::pressMsgCameraSSIDNotFoundCloseButton)
        .closeButton(this, &APModeHostToDevice::pressMsgCameraSSIDNotFoundCloseButton)
        .open();
}

void APModeHostToDevice::pressMsgCameraSSIDNotFoundCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kSSIDNotFoundName);
}

void APModeHostToDevice::popupResetHint()
{
    WLOG << "open msgbox ...";
    ResetHint::open(this, &APModeHostToDevice::pressMsgResetCloseButton,
                    &APModeHostToDevice::pressMsgResetStartOverButton);
}

void APModeHostToDevice::pressMsgResetStartOverButton()
{
    ResetHint::startOver(this, stepCaption());
}

void APModeHostToDevice::pressMsgResetCloseButton()
{
    ResetHint::close();
}

void APModeHostToDevice::popupCameraModelNotMatch()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kModelNotMatchName, 618, 250)
        .title(tr("Could Not Find Your Camera"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Cannot find your camera. Please go back to the previous page and "
                                             "select<br>your camera model again.<br><br>")),
                 {80, 80, 480, 120})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 200}, this,
                     &APModeHostToDevice::pressMsgModelNotMatchCloseButton)
        .closeButton(this, &APModeHostToDevice::pressMsgModelNotMatchCloseButton)
        .open();
}

void APModeHostToDevice::pressMsgModelNotMatchCloseButton()
{
    gMainpage->hideBusy();
    MessageBoxPage::closeByName(gMainpage, kModelNotMatchName);
}

void APModeHostToDevice::popupAPModeRemoveEthernetCable()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kRemoveCableName, 618, 350)
        .title(tr("Remove Your Ethernet Cable"), {80, 50, 440, 30})
        .flowingContent(tr("Remove the Ethernet cable from your camera, then<br>click OK.<br><br>"),
                        {80, 80, 324, 120})  // beside the picture
        .picture(":/images/remove_ethernet_cable.png", {420, 100, 168, 167})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 300}, this,
                     &APModeHostToDevice::pressMsgAPModeRemoveCableOKButton)
        .closeButton(this, &APModeHostToDevice::pressMsgAPModeRemoveCableCloseButton)
        .open();
}

void APModeHostToDevice::pressMsgAPModeRemoveCableOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kRemoveCableName);
    pressNextButton();
}

void APModeHostToDevice::pressMsgAPModeRemoveCableCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kRemoveCableName);
    gMainpage->hideBusy();
    waitAPModeDiscoveryNumber = 0;
    gotAPModeCamera = false;
    isAPModeFlow = true;
    IPCameraList.clear();
}

#include "apmode/apmodehosttorouter.h"

#include <algorithm>

#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkRequest>
#include <QTimer>

#include "apmode/apmoderules.h"
#include "base/endpoints.h"
#include "base/globals.h"
#include "base/log.h"
#include "guide/resethint.h"
#include "protocol/dcpcodec.h"
#include "protocol/ipcamera.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "welcome/welcomepage.h"

int tryDiscoveryNum = 0;

namespace {
const char* const kInternetFailedName = "APClientModeInternetFailedWarning";
const char* const kDiscoveryFailedName = "APClientModeDiscoveryFailedWarning";
const char* const kDiscoveryResetFailedName = "APClientModeDiscoveryResetFailedWarning";
constexpr int kTickMs = 1000;
constexpr int kInternetTicks = 10;
constexpr int kDiscoveryTicks = 60;
constexpr int kTicksPerScan = 10;
constexpr int kSentenceWidth = 361;  // the form's places of the sentence and the network's name
constexpr int kNameX = 410;
}  // namespace

APModeHostToRouter::APModeHostToRouter(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_APModeHostToRouter)
    , wizardInternetUrl(QString::fromLatin1(Endpoints::kHomeNetworkProbeUrl))
    , waitWizardInternetNumber(0)
    , waitAPClientModeDiscoveryNumber(0)
    , gotAPClientModeCamera(false)
{
    ui->setupUi(this);
    // The network name comes from the camera's survey: shown as it stands, never as markup.
    ui->apH2RSameNetworkName_Label->setTextFormat(Qt::PlainText);
    WLOG << "APModeHostToRouter Constructor Initializing ...";
    ui->apH2RPrev_PushButton->hide();
    connect(ui->apH2RNext_PushButton, &QPushButton::clicked, this, &APModeHostToRouter::pressNextButton);
    recheckWizardInternetTimer = new QTimer(this);
    connect(recheckWizardInternetTimer, &QTimer::timeout, this, &APModeHostToRouter::recheckInternetRequest);
    tryDiscoveryNum = 0;
    checkAPClientModeDiscoveryTimer = new QTimer(this);
    connect(checkAPClientModeDiscoveryTimer, &QTimer::timeout, this, &APModeHostToRouter::checkAPClientModeDiscovery);
}

APModeHostToRouter::~APModeHostToRouter()
{
    delete ui;
}

void APModeHostToRouter::enter()
{
    recheckWizardInternetTimer->stop();
    checkAPClientModeDiscoveryTimer->stop();
    waitWizardInternetNumber = 0;
    waitAPClientModeDiscoveryNumber = 0;
    gotAPClientModeCamera = false;
}

void APModeHostToRouter::retranslate()
{
    ui->retranslateUi(this);
    if (!networkName.isEmpty())
        ui->apH2RSameNetworkName_Label->setText(networkName);
    placeNetworkName();
}

void APModeHostToRouter::setNetworkName(const QString& name)
{
    networkName = name;
    ui->apH2RSameNetworkName_Label->setText(name);
}

// The network's name stands after the sentence however long the language makes it, and
// where the form puts it when the sentence leaves room.
void APModeHostToRouter::placeNetworkName()
{
    QLabel* sentence = ui->apH2RContentDetail_Label;
    QLabel* name = ui->apH2RSameNetworkName_Label;
    const int textWidth = sentence->fontMetrics().horizontalAdvance(sentence->text());
    sentence->resize(std::max(kSentenceWidth, sentence->sizeHint().width()), sentence->height());
    const int right = name->geometry().right();
    const int end = sentence->x() + textWidth;
    const int x = end > kNameX ? end + 6 : kNameX;
    name->setGeometry(x, name->y(), right - x + 1, name->height());
    for (QLabel* label : {sentence, name, ui->apH2RContentDetail_Label_2})
        growToText(label);
}

void APModeHostToRouter::pressBackButton()
{}

void APModeHostToRouter::emptyDiscoveryTable()
{
    gDiscoveryPage->clearCameraTable();
}

void APModeHostToRouter::pressNextButton()
{
    emptyDiscoveryTable();
    IPCameraList.clear();
    checkType = 2;
    gInternetReachable = false;
    gMainpage->showBusy();
    // A visit after an earlier find starts its counts and scans afresh.
    waitWizardInternetNumber = 0;
    waitAPClientModeDiscoveryNumber = 0;
    gotAPClientModeCamera = false;
    hostMacAddrList.clear();
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces())
        if (!nic.hardwareAddress().isEmpty())
            hostMacAddrList.append(nic.hardwareAddress());
    if (!isLocalView) {
        recheckWizardInternetTimer->start(kTickMs);
    } else {
        isAPModeFlow = false;
        checkAPClientModeDiscoveryTimer->start(kTickMs);
    }
}

void APModeHostToRouter::recheckInternetRequest()
{
    if (waitWizardInternetNumber == kInternetTicks) {
        recheckWizardInternetTimer->stop();
        WLOG << "recheckWizardInternetTimer timeout " << waitWizardInternetNumber << "stop !!";
        checkType = 2;
        waitWizardInternetNumber = 0;
        gInternetReachable = false;
        gMainpage->hideBusy();
        popupAPClientModeInternetFailed();
        return;
    }
    if (gInternetReachable) {
        recheckWizardInternetTimer->stop();
        WLOG << "recheckWizardInternet pass ";
        isAPModeFlow = false;
        checkAPClientModeDiscoveryTimer->start(kTickMs);
    } else if (waitWizardInternetNumber % 2 == 0) {
        gWelcomePage->probeInternet(wizardInternetUrl);
    }
    ++waitWizardInternetNumber;
}

void APModeHostToRouter::checkAPClientModeDiscovery()
{
    if (waitAPClientModeDiscoveryNumber == kDiscoveryTicks) {
        checkAPClientModeDiscoveryTimer->stop();
        WLOG << " checkAPClientModeDiscoveryTimer timeout " << waitAPClientModeDiscoveryNumber << "stop !!";
        gDiscoveryPage->stopScan();
        gInternetReachable = false;
        isAPModeFlow = true;
        waitWizardInternetNumber = 0;
        waitAPClientModeDiscoveryNumber = 0;
        gotAPClientModeCamera = false;
        gMainpage->hideBusy();
        if (APModeRules::rediscoveryPopupFor(tryDiscoveryNum) == APModeRules::RediscoveryPopup::Reset)
            popupAPClientModeDiscoveryResetFailed();
        else
            popupAPClientModeDiscoveryFailed();
        return;
    }

    const QList<IPCamera> cameras = IPCameraList;
    for (int i = 0; i < cameras.size(); ++i) {
        if (!APModeRules::passesRediscovery(cameras.at(i), supportType, isLocalView)) {
            emptyDiscoveryTable();
            if (isLocalView)
                gMainpage->showBusy();
            continue;
        }
        WLOG << " found APClient Mode Camera :" << supportType;
        WLOG << " APClient Mode Camera MACAddr :" << canonicalMac(cameras.at(i).MAC);
        cameraFound(i);
        break;
    }

    if (waitAPClientModeDiscoveryNumber % kTicksPerScan == 0 && !gotAPClientModeCamera)
        gDiscoveryPage->scanDevices();
    ++waitAPClientModeDiscoveryNumber;
}

void APModeHostToRouter::cameraFound(int index)
{
    isAPModeFlow = false;
    gotAPClientModeCamera = true;
    checkAPClientModeDiscoveryTimer->stop();
    gDiscoveryPage->stopScan();
    gMainpage->hideBusy();
    gMainpage->showPage(this, gDiscoveryPage);
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
    // The camera found has its row, whatever the walk emptied before it.
    gDiscoveryPage->updateDeviceTableList(index);
}

void APModeHostToRouter::popupAPClientModeInternetFailed()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kInternetFailedName, 618, 300)
        .title(tr("No Internet Connection"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Your computer needs to be connected to the Internet.<br>You can click "
                                             "<b>Retry</b> to try again.")),
                 {80, 80, 480, 100})
        .leftButton(tr("Close"), ButtonStyle::White, {360, 250}, this,
                    &APModeHostToRouter::pressMsgInternetFailedCloseButton)
        .rightButton(tr("Retry"), ButtonStyle::Blue, {480, 250}, this,
                     &APModeHostToRouter::pressMsgInternetFailedOKButton)
        .closeButton(this, &APModeHostToRouter::pressMsgInternetFailedCloseButton)
        .open();
}

void APModeHostToRouter::pressMsgInternetFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailedName);
    pressNextButton();
}

void APModeHostToRouter::pressMsgInternetFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailedName);
}

void APModeHostToRouter::popupAPClientModeDiscoveryFailed()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kDiscoveryFailedName, 618, 300)
        .title(tr("Could not connect to Camera"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Please make sure that your computer is connected to the same<br>Wi-Fi "
                                             "network as your camera, then try again.")),
                 {80, 80, 480, 100})
        .leftButton(tr("Close"), ButtonStyle::White, {360, 250}, this,
                    &APModeHostToRouter::pressMsgDiscoveryFailedCloseButton)
        .rightButton(tr("Retry"), ButtonStyle::Blue, {480, 250}, this,
                     &APModeHostToRouter::pressMsgDiscoveryFailedOKButton)
        .closeButton(this, &APModeHostToRouter::pressMsgDiscoveryFailedCloseButton)
        .open();
}

void APModeHostToRouter::retryDiscovery(const char* popupName)
{
    MessageBoxPage::closeByName(gMainpage, popupName);
    ++tryDiscoveryNum;
    gMainpage->showBusy();
    IPCameraList.clear();
    checkAPClientModeDiscoveryTimer->start(kTickMs);
}

void APModeHostToRouter::pressMsgDiscoveryFailedOKButton()
{
    retryDiscovery(kDiscoveryFailedName);
}

void APModeHostToRouter::pressMsgDiscoveryFailedCloseButton()
{
    gMainpage->hideBusy();
    MessageBoxPage::closeByName(gMainpage, kDiscoveryFailedName);
    tryDiscoveryNum = 0;
}

void APModeHostToRouter::popupAPClientModeDiscoveryResetFailed()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kDiscoveryResetFailedName, 618, 300)
        .title(tr("Could not connect to Camera"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(
                     tr("Please make sure that your computer is connected to the same<br>Wi-Fi network as your "
                        "camera.<br>If you still can't connect, you can try resetting your camera, then starting "
                        "the wizard again.")),
                 {80, 80, 480, 100})
        .leftButton(tr("Reset"), ButtonStyle::White, {360, 250}, this,
                    &APModeHostToRouter::pressMsgDiscoveryResetFailedCloseButton)
        .rightButton(tr("Retry"), ButtonStyle::Blue, {480, 250}, this,
                     &APModeHostToRouter::pressMsgDiscoveryResetFailedOKButton)
        .closeButton(this, &APModeHostToRouter::pressMsgDiscoveryResetFailedCloseButton)
        .open();
}

void APModeHostToRouter::pressMsgDiscoveryResetFailedOKButton()
{
    retryDiscovery(kDiscoveryResetFailedName);
}

void APModeHostToRouter::pressMsgDiscoveryResetFailedCloseButton()
{
    tryDiscoveryNum = 0;
    MessageBoxPage::closeByName(gMainpage, kDiscoveryResetFailedName);
    popupResetHint();
}

void APModeHostToRouter::popupResetHint()
{
    WLOG << "open msgbox ...";
    ResetHint::open(this, &APModeHostToRouter::pressMsgResetCloseButton,
                    &APModeHostToRouter::pressMsgResetStartOverButton);
}

void APModeHostToRouter::pressMsgResetStartOverButton()
{
    ResetHint::startOver(this, tr("Let's connect the camera to your network"));
}

void APModeHostToRouter::pressMsgResetCloseButton()
{
    ResetHint::close();
}

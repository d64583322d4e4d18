#include "apmode/apmodedevicetorouter.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QTimer>

#include <algorithm>

#include "apmode/apmodehosttodevice.h"
#include "apmode/apmodehosttorouter.h"
#include "apmode/apmoderules.h"
#include "base/globals.h"
#include "base/log.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/setupchecks.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/wifisettings.h"
#include "wifi/wirelessmessagebox.h"
#include "wifi/wirelessrules.h"

namespace {
const char* const kAutoBoxName = "APModeInputWirelessPasswordAutoWarning";
const char* const kManualBoxName = "ManualInputWirelessNetworkWarning";
const char* const kFailedName = "APModeToAPClientModeFailedWarning";
const char* const kTurnOffName = "TurnOffAPSwitchWarning";
constexpr int kTickMs = 1000;
constexpr int kSurveyTicks = 30;
constexpr int kTicksPerSurvey = 5;
constexpr int kConnectTicks = 60;
// Wi-Fi settings go out every other tick until the camera confirms them.
constexpr SetupChecks::Schedule kConnectWait{kConnectTicks, 2};
constexpr int kMaxPartialList = 10;

WirelessMessageBox* findBox(const char* name)
{
    return WirelessMessageBox::find(gMainpage, name);
}

void closeBox(const char* name)
{
    WirelessMessageBox::closeByName(gMainpage, name);
}

void setBoxButtons(QPushButton* cancel, QPushButton* connect)
{
    cancel->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    cancel->setText(APModeDeviceToRouter::tr("Cancel"));
    connect->setStyleSheet(MessageBoxPage::blueButtonStyle());
    connect->setText(APModeDeviceToRouter::tr("Connect"));
}

void clearSurvey(APSearchResult& list)
{
    list.numAP = 0;
    list.All_APListNum = 0;
    list.Now_APListNum.clear();
}

}  // namespace

APModeDeviceToRouter::APModeDeviceToRouter(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_APModeDeviceToRouter)
{
    WLOG << "APModeDeviceToRouter Constructor Initializing ...";
    ui->setupUi(this);
    ui->apD2RNext_PushButton->setEnabled(false);
    ui->apD2RSiteSurveyList_ListWidget->setContextMenuPolicy(Qt::NoContextMenu);
    QFile sheet(":/style_scrollbar.qss");
    QString sheetText;
    if (sheet.open(QFile::ReadOnly))
        sheetText = QLatin1String(sheet.readAll());
    else
        WLOG << "Error Opening Stylesheet File ";
    ui->apD2RSiteSurveyList_ListWidget->setStyleSheet(sheetText);

    connect(ui->apD2RPrev_PushButton, &QPushButton::clicked, this, &APModeDeviceToRouter::pressBackButton);
    connect(ui->apD2RNext_PushButton, &QPushButton::clicked, this, &APModeDeviceToRouter::pressNextButton);
    connect(ui->apD2RReScan_PushButton, &QPushButton::clicked, this, &APModeDeviceToRouter::pressRescanButton);
    connect(ui->apD2RSiteSurveyList_ListWidget, &QListWidget::itemClicked, this,
            &APModeDeviceToRouter::clickSiteSurveyList);
    connect(ui->apD2RManual_PushButton, &QPushButton::clicked, this, &APModeDeviceToRouter::pressManualButton);

    waitAPListSiteSurveyNumber = 0;
    gotAPModeSiteSurvey = false;
    checkAPListSiteSurveyTimer = new QTimer(this);
    connect(checkAPListSiteSurveyTimer, &QTimer::timeout, this, &APModeDeviceToRouter::checkAPListSiteSurvey);
    waitAPClientAutoConnectNumber = 0;
    gotAPClientAutoConnect = false;
    checkAPClientAutoConnectTimer = new QTimer(this);
    connect(checkAPClientAutoConnectTimer, &QTimer::timeout, this, &APModeDeviceToRouter::checkAPClientAutoConnection);
    waitAPClientManualConnectNumber = 0;
    gotAPClientManualConnect = false;
    checkAPClientManualConnectTimer = new QTimer(this);
    connect(checkAPClientManualConnectTimer, &QTimer::timeout, this,
            &APModeDeviceToRouter::checkdAPClientManualConnection);
}

APModeDeviceToRouter::~APModeDeviceToRouter()
{
    delete ui;
}

void APModeDeviceToRouter::enter()
{
    checkAPClientAutoConnectTimer->stop();
    checkAPClientManualConnectTimer->stop();
    waitAPClientAutoConnectNumber = 0;
    gotAPClientAutoConnect = false;
    waitAPClientManualConnectNumber = 0;
    gotAPClientManualConnect = false;
    waitAPListSiteSurveyNumber = 0;
    gotAPModeSiteSurvey = false;
    ui->apD2RSiteSurveyList_ListWidget->clear();
    setNextEnabled(false);
    ui->apD2RManual_PushButton->setEnabled(false);
    checkAPListSiteSurveyTimer->start(kTickMs);
}

void APModeDeviceToRouter::retranslate()
{
    ui->retranslateUi(this);
    MessageBoxPage::fitButtonRight(ui->apD2RManual_PushButton);
}

void APModeDeviceToRouter::setNextEnabled(bool enabled)
{
    setForwardButtonEnabled(ui->apD2RNext_PushButton, enabled);
}

int APModeDeviceToRouter::chosenRow() const
{
    const int row = ui->apD2RSiteSurveyList_ListWidget->currentRow();
    if (IPCameraList.isEmpty() || row < 0)
        return -1;
    const APSearchResult& list = IPCameraList.first().APConfig;
    const int rows = std::min({list.numAP, int(list.AP_SSID.size()), int(list.AP_AuthMode.size()),
                               int(list.AP_SecMethod.size()), int(list.AP_Mode.size())});
    return row < rows ? row : -1;
}

void APModeDeviceToRouter::checkAPListSiteSurvey()
{
    if (IPCameraList.isEmpty()) {
        // Back has let the camera go.
        checkAPListSiteSurveyTimer->stop();
        waitAPListSiteSurveyNumber = 0;
        gotAPModeSiteSurvey = false;
        return;
    }
    IPCamera& camera = IPCameraList.first();
    APSearchResult& list = camera.APConfig;
    if (waitAPListSiteSurveyNumber % kTicksPerSurvey == 0 && !gotAPModeSiteSurvey) {
        if (list.numAP > kMaxPartialList) {
            camera.dcpStatus = IPCamera::GOT_AP;
            WLOG << " numAP :" << list.numAP << " All_APListNum :" << list.All_APListNum
                 << " Now_APListNum :" << list.Now_APListNum;
        } else {
            clearSurvey(list);
            gDCPUtils->dcpClass04_GetAPSearch(0);
        }
    }
    if (waitAPListSiteSurveyNumber == kSurveyTicks) {
        checkAPListSiteSurveyTimer->stop();
        ui->apD2RManual_PushButton->setEnabled(true);
        WLOG << " checkAPListSiteSurveyTimer timeout " << waitAPListSiteSurveyNumber << "stop !!";
        waitAPListSiteSurveyNumber = 0;
        gotAPModeSiteSurvey = false;
        gMainpage->hideBusy();
        return;
    }
    if (IPCameraList.first().dcpStatus == IPCamera::GOT_AP) {
        gotAPModeSiteSurvey = true;
        checkAPListSiteSurveyTimer->stop();
        ui->apD2RManual_PushButton->setEnabled(true);
        const APSearchResult& found = IPCameraList.first().APConfig;
        for (int i = 0; i < found.numAP && i < found.AP_SSID.size(); ++i) {
            const QString ssid = QString::fromUtf8(found.ssidAt(i).constData());
            WLOG << " SSID :" << ssid;
            ui->apD2RSiteSurveyList_ListWidget->addItem(new QListWidgetItem(ssid));
        }
        gMainpage->hideBusy();
    }
    WLOG << " waitAPListSiteSurveyNumber :" << waitAPListSiteSurveyNumber;
    ++waitAPListSiteSurveyNumber;
}

void APModeDeviceToRouter::clickSiteSurveyList(QListWidgetItem* item)
{
    setNextEnabled(true);
    WLOG << " row :" << ui->apD2RSiteSurveyList_ListWidget->currentRow() << (item ? item->text() : QString());
}

void APModeDeviceToRouter::pressNextButton()
{
    WLOG << " IPCameraList.size() :" << IPCameraList.size();
    const int row = chosenRow();
    if (row < 0)
        return;
    if (IPCameraList.first().APConfig.AP_AuthMode.at(row) == "0") {
        startConnection(checkAPClientAutoConnectTimer);
    } else {
        popupAPModeInputWirelessPasswordAutoWarning();
    }
}

void APModeDeviceToRouter::pressManualButton()
{
    WLOG << "Press Manual";
    popupAPModeInputWirelessPasswordManualWarning();
}

void APModeDeviceToRouter::pressRescanButton()
{
    setNextEnabled(false);
    ui->apD2RSiteSurveyList_ListWidget->clear();
    if (!IPCameraList.isEmpty())
        clearSurvey(IPCameraList.first().APConfig);
    waitAPListSiteSurveyNumber = 0;
    gotAPModeSiteSurvey = false;
    checkAPListSiteSurveyTimer->start(kTickMs);
    ui->apD2RManual_PushButton->setEnabled(false);
    gMainpage->showBusy();
}

void APModeDeviceToRouter::pressBackButton()
{
    IPCameraList.clear();
    ui->apD2RSiteSurveyList_ListWidget->clear();
    waitAPListSiteSurveyNumber = 0;
    gotAPModeSiteSurvey = false;
    gMainpage->enterPage(this, gAPModeHostToDevice);
}

void APModeDeviceToRouter::popupAPModeInputWirelessPasswordAutoWarning()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    WirelessMessageBox* box = WirelessMessageBox::open(gMainpage, kAutoBoxName, WirelessMessageBox::Kind::Auto,
                                                       tr("Enter Wi-Fi Password"), {50, 50, 520, 30});
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessAutoNameTitle_Label->setText(tr("Wi-Fi Name (SSID) :"));
    form->WirelessAutoPasswordTitle_Label->setText(tr("Wi-Fi Password :"));
    form->WirelessAutoName_Label->setText(ui->apD2RSiteSurveyList_ListWidget->item(row)->text());
    setBoxButtons(form->WirelessAutoCancel_Button, form->WirelessAutoConnect_Button);
    connect(form->WirelessAutoCancel_Button, &QPushButton::clicked, this, &APModeDeviceToRouter::pressAutoCancelButton);
    connect(form->WirelessAutoConnect_Button, &QPushButton::clicked, this,
            &APModeDeviceToRouter::pressAutoConnectButton);
}

void APModeDeviceToRouter::popupAPModeInputWirelessPasswordManualWarning()
{
    WirelessMessageBox* box = WirelessMessageBox::open(gMainpage, kManualBoxName, WirelessMessageBox::Kind::Manual,
                                                       tr("Enter Your Wi-Fi Network Information"), {50, 50, 520, 30});
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessManualNameTitle_Label->setText(tr("Wi-Fi Name (SSID) :"));
    form->WirelessManualPasswordTitle_Label->setText(tr("Wi-Fi Password :"));
    setBoxButtons(form->WirelessManualCancel_Button, form->WirelessManualConnect_Button);
    connect(form->WirelessManualCancel_Button, &QPushButton::clicked, this,
            &APModeDeviceToRouter::pressManualCancelButton);
    connect(form->WirelessManualConnect_Button, &QPushButton::clicked, this,
            &APModeDeviceToRouter::pressManualConnectButton);
}

void APModeDeviceToRouter::pressAutoCancelButton()
{
    closeBox(kAutoBoxName);
}

void APModeDeviceToRouter::pressManualCancelButton()
{
    closeBox(kManualBoxName);
}

void APModeDeviceToRouter::pressAutoConnectButton()
{
    WirelessMessageBox* box = findBox(kAutoBoxName);
    if (!box)
        return;
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessAutoPassword_LineEdit->clearFocus();
    if (const char* refusal = APModeRules::keyRefusal(form->WirelessAutoPassword_LineEdit->text(), false)) {
        form->WirelessAutoPasswordError_Label->setText(WirelessRules::errorText(tr(refusal), 10));
        form->WirelessAutoPasswordError_Label->show();
        return;
    }
    form->WirelessAutoPasswordError_Label->hide();
    box->hide();
    startConnection(checkAPClientAutoConnectTimer);
}

void APModeDeviceToRouter::pressManualConnectButton()
{
    WirelessMessageBox* box = findBox(kManualBoxName);
    if (!box)
        return;
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessManualName_LineEdit->clearFocus();
    form->WirelessManualPassword_LineEdit->clearFocus();
    const char* ssidRefusal = APModeRules::ssidRefusal(form->WirelessManualName_LineEdit->text());
    const char* keyRefusal = APModeRules::keyRefusal(form->WirelessManualPassword_LineEdit->text(),
                                                     form->WirelessManualSecurity_ComboBox->currentIndex() == 0);
    if (ssidRefusal) {
        form->WirelessManualAPNameError_Label->setText(WirelessRules::errorText(tr(ssidRefusal), 10));
        form->WirelessManualAPNameError_Label->show();
    }
    if (keyRefusal) {
        form->WirelessManualAPPasswordError_Label->setText(WirelessRules::errorText(tr(keyRefusal), 10));
        form->WirelessManualAPPasswordError_Label->show();
    }
    if (ssidRefusal || keyRefusal)
        return;
    box->hide();
    startConnection(checkAPClientManualConnectTimer);
}

void APModeDeviceToRouter::startConnection(QTimer* timer)
{
    waitAPClientAutoConnectNumber = 0;
    gotAPClientAutoConnect = false;
    waitAPClientManualConnectNumber = 0;
    gotAPClientManualConnect = false;
    // A confirmation left from an earlier exchange must not count for this one.
    if (!IPCameraList.isEmpty())
        IPCameraList.first().dcpStatus = IPCamera::RESET;
    gMainpage->showBusy();
    timer->start(kTickMs);
}

void APModeDeviceToRouter::checkAPClientAutoConnection()
{
    const int row = chosenRow();
    if (row < 0) {
        checkAPClientAutoConnectTimer->stop();
        gMainpage->hideBusy();
        return;
    }
    WLOG << "APIdx :" << row;
    const APSearchResult& list = IPCameraList.first().APConfig;
    QString key;
    if (list.AP_AuthMode.at(row) != "0") {
        WirelessMessageBox* box = findBox(kAutoBoxName);
        key = box ? box->ui->WirelessAutoPassword_LineEdit->text() : QString();
        WLOG << "linedit :" << maskSecret(key);
    }
    const bool confirmed = IPCameraList.first().dcpStatus == IPCamera::GOT_NETWORK_SETUP;
    switch (SetupChecks::tick(kConnectWait, waitAPClientAutoConnectNumber, confirmed, gotAPClientAutoConnect)) {
    case SetupChecks::Tick::Timeout:
        checkAPClientAutoConnectTimer->stop();
        WLOG << " checkAPClientAutoConnectTimer timeout " << waitAPClientAutoConnectNumber << "stop !!";
        gMainpage->hideBusy();
        popupAPModeToAPClientModeFailed();
        return;
    case SetupChecks::Tick::Passed:
        connectionConfirmed(true, ui->apD2RSiteSurveyList_ListWidget->currentItem()->text());
        if (IPCameraList.isEmpty())
            return;
        break;
    case SetupChecks::Tick::Send:
        gDCPUtils->dcpClass03_SetNetworkSetup(0, WifiSettings::content(WifiSettings::surveyed(list, row, key)));
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitAPClientAutoConnectNumber :" << waitAPClientAutoConnectNumber;
    ++waitAPClientAutoConnectNumber;
}

void APModeDeviceToRouter::checkdAPClientManualConnection()
{
    WirelessMessageBox* box = findBox(kManualBoxName);
    if (IPCameraList.isEmpty() || !box) {
        checkAPClientManualConnectTimer->stop();
        gMainpage->hideBusy();
        return;
    }
    Ui_WirelessMessageBox* form = box->ui;
    const QString ssid = form->WirelessManualName_LineEdit->text();
    const QString key = form->WirelessManualPassword_LineEdit->text();
    const int security = form->WirelessManualSecurity_ComboBox->currentIndex();
    const int encryption = form->WirelessManualEncrypt_ComboBox->currentIndex();
    WLOG << " ssid :" << ssid << " password :" << maskSecret(key) << " security :" << security
         << " encrypt :" << encryption;
    const bool confirmed = IPCameraList.first().dcpStatus == IPCamera::GOT_NETWORK_SETUP;
    switch (SetupChecks::tick(kConnectWait, waitAPClientManualConnectNumber, confirmed, gotAPClientManualConnect)) {
    case SetupChecks::Tick::Timeout:
        checkAPClientManualConnectTimer->stop();
        WLOG << " waitAPClientManualConnectNumber timeout " << waitAPClientManualConnectNumber << "stop !!";
        gMainpage->hideBusy();
        popupAPModeToAPClientModeFailed();
        return;
    case SetupChecks::Tick::Passed:
        connectionConfirmed(false, ssid);
        if (IPCameraList.isEmpty())
            return;
        break;
    case SetupChecks::Tick::Send:
        gDCPUtils->dcpClass03_SetNetworkSetup(
            0, WifiSettings::content(WifiSettings::typed(ssid, security, encryption, key)));
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitAPClientManualConnectNumber :" << waitAPClientManualConnectNumber;
    ++waitAPClientManualConnectNumber;
}

void APModeDeviceToRouter::connectionConfirmed(bool autoRoad, const QString& networkName)
{
    if (autoRoad) {
        gotAPClientAutoConnect = true;
        checkAPClientAutoConnectTimer->stop();
        WLOG << " checkAPClientAutoConnectTimer stop at " << waitAPClientAutoConnectNumber;
    } else {
        gotAPClientManualConnect = true;
        checkAPClientManualConnectTimer->stop();
        WLOG << " checkAPClientManualConnectTimer stop at " << waitAPClientManualConnectNumber;
    }
    closeBox(autoRoad ? kAutoBoxName : kManualBoxName);
    gMainpage->hideBusy();
    sendEnableAPClientModeCGI();
    gAPModeHostToRouter->setNetworkName(networkName);
    if (APModeRules::agentSwitchesAccessPointOff(IPCameraList.first().AgentVersion)) {
        WLOG << " AgentVersion >";
        showHostToRouter();
    } else {
        WLOG << " AgentVersion <=";
        popupTurnOffAPSwitchWarning();
    }
}

void APModeDeviceToRouter::sendEnableAPClientModeCGI()
{
    if (IPCameraList.isEmpty())
        return;
    const IPCamera& camera = IPCameraList.first();
    const QString dialect = CameraCgi::catalogueDialect(camera.modelName);
    const QNetworkRequest request = APModeRules::accessPointOffRequest(camera, dialect);
    if (request.url().isEmpty()) {
        WLOG << "Access-point-off request refused: the camera's address" << camera.IPAddr << "or HTTPS port"
             << camera.networkconf.Https_port << "is not a plain IPv4 address and port";
        return;
    }
    WLOG << "url = " << request.url().toString();
    WLOG << " Basic " << maskSecret(QString::fromLatin1(CameraCgi::basicCredentials(camera)));
    gDCPUtils->networkManager->get(request);
}

void APModeDeviceToRouter::showHostToRouter()
{
    gMainpage->hideBusy();
    gMainpage->enterPage(this, gAPModeHostToRouter);
}

void APModeDeviceToRouter::popupTurnOffAPSwitchWarning()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kTurnOffName, 618, 400)
        .title(tr("Turn Off Direct Connect"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Press the Direct button on your camera, and make sure the Cloud<br>"
                                             "button is no longer flashing, then click OK to  continue.")),
                 {80, 80, 480, 60})  // two lines centred below the title; a third makes the popup taller
        .picture(":/images/turn_off_direct_connect.png", {420, 160, 168, 167})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 350}, this,
                     &APModeDeviceToRouter::pressMsgTurnOffAPSwitchOKButton)
        .closeButton(this, &APModeDeviceToRouter::pressMsgTurnOffAPSwitchOKButton)
        .open();
}

void APModeDeviceToRouter::pressMsgTurnOffAPSwitchOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kTurnOffName);
    showHostToRouter();
}

void APModeDeviceToRouter::popupAPModeToAPClientModeFailed()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kFailedName, 618, 250)
        .title(tr("Could not connect to Wireless"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Could not save your wireless settings. Please try<br>again.")),
                 {80, 80, 480, 50})
        .leftButton(tr("Close"), ButtonStyle::White, {360, 200}, this, &APModeDeviceToRouter::pressMsgCloseButton)
        .rightButton(tr("Retry"), ButtonStyle::Blue, {480, 200}, this, &APModeDeviceToRouter::pressMsgOKButton)
        .closeButton(this, &APModeDeviceToRouter::pressMsgCloseButton)
        .open();
}

void APModeDeviceToRouter::pressMsgOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kFailedName);
    gMainpage->showBusy();
    if (waitAPClientAutoConnectNumber != 0) {
        waitAPClientAutoConnectNumber = 0;
        gotAPClientAutoConnect = false;
        checkAPClientAutoConnectTimer->start(kTickMs);
    } else {
        waitAPClientManualConnectNumber = 0;
        gotAPClientManualConnect = false;
        checkAPClientManualConnectTimer->start(kTickMs);
    }
}

void APModeDeviceToRouter::pressMsgCloseButton()
{
    if (waitAPClientAutoConnectNumber != 0) {
        waitAPClientAutoConnectNumber = 0;
        gotAPClientAutoConnect = false;
        closeBox(kAutoBoxName);
    } else {
        waitAPClientManualConnectNumber = 0;
        gotAPClientManualConnect = false;
        closeBox(kManualBoxName);
    }
    MessageBoxPage::closeByName(gMainpage, kFailedName);
}

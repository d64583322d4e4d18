#include "setup/devicesetuppage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimeZone>
#include <QTimer>

#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudservicespage.h"
#include "cloud/devicesetupcompletepage.h"
#include "guide/cameraconnectionpage.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "setup/cameradump.h"
#include "setup/cameratable.h"
#include "setup/confignetworkmessagebox.h"
#include "setup/discoverypage.h"
#include "setup/manualnetwork.h"
#include "setup/passwordlayout.h"
#include "setup/passwordstep.h"
#include "setup/setupcgi.h"
#include "setup/setupchecks.h"
#include "setup/setupinput.h"
#include "setup/timezonepick.h"
#include "base/globals.h"
#include "protocol/ipcamera.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "guide/resethint.h"
#include "welcome/welcomepage.h"
#include "wifi/devicewifichangepage.h"

int tryInternetNum = 0;

namespace {

// The OpenAPI address stage.
QUrl dSetupOpenAPIUrl;
QString dSetupOpenAPISite;
bool urlRedirect = false;
int waitLoadingFinished = 0;

// The manual network settings of the last Connect.
int configNetworkType = ManualNetwork::Dhcp;
ManualNetwork::StaticSettings staticSettings;
QString pppoeAccount;
QByteArray pppoePassword;

// The dialect the snapshot preview asks in: 1 KORVA, 2 T4X.
int dSetupCurrentCGIType = 1;

const char* const kConfigNetworkBox = "ConfigNetworkWarning";
const char* const kPasswordErrorPopup = "PasswordErrorMsgBox";
const char* const kInternetFailedPopup = "APClientModeInternetFailed";
const char* const kInternetResetFailedPopup = "APClientModeInternetResetFailedWarning";
const int kPopupWidth = 618;

QString registerCaption()
{
    return QCoreApplication::translate("DeviceSetupPage", "Register with olvaris for anywhere access to<br>your camera");
}

} // namespace

DeviceSetupPage::DeviceSetupPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_DeviceSetupPage)
{
    WLOG << "DeviceSetupPage Constructor Initializing ...";
    ui->setupUi(this);
    ui->dsetupCameraPasscode_LineEdit->setEchoMode(QLineEdit::Password);
    ui->dsetupRetypePasscode_LineEdit->setEchoMode(QLineEdit::Password);
    ui->dsetupTimeZoneComboBox_comboBox->setStyleSheet("QScrollBar:vertical{background:white;}");

    const QList<QWidget*> hiddenAtStart = {
        ui->dsetupDSTHourOffset_ComboBox, ui->dsetupDSTHourOffsetLabel_Label, ui->dsetupDSTStartLabel_Label,
        ui->dsetupStartMonth_QDateEdit,   ui->dsetupStartDate_ComboBox,       ui->dsetupStartWeek_ComboBox,
        ui->dsetupStartHour_QTimeEdit,    ui->dsetupDSTMonthLabel_Label,      ui->dsetupDSTWeekLabel_Label,
        ui->dsetupDSTDateLabel_Label,     ui->dsetupDSTTimeLabel_Label,       ui->dsetupDSTEndLabel_Label,
        ui->dsetupEndMonth_QDateEdit,     ui->dsetupEndDate_ComboBox,         ui->dsetupEndWeek_ComboBox,
        ui->dsetupEndHour_QTimeEdit,      ui->dsetupCameraModel_Label,        ui->dsetupCameraModelVaule_Label,
        ui->dsetupError_Label,            ui->dsetupPasswordRetypeError_Label, ui->dsetupPasswordErrorHint_Label,
        ui->dsetupDSTSwitch_GroupBox};
    for (QWidget* widget : hiddenAtStart)
        widget->hide();

    // Shown as they stand in every language.
    ui->dsetupDSTAuto_RadioButton->setText("Auto");
    ui->dsetupDSTAuto_RadioButton->setChecked(true);
    ui->dsetupDSTManual_RadioButton->setText("Manual");

    connect(ui->dsetupDSTCheckBox_CheckBox, &QCheckBox::clicked, this,
            &DeviceSetupPage::acceptTimeSavingSettingsCheckBox);
    connect(ui->dsetupDSTAuto_RadioButton, &QRadioButton::clicked, this, &DeviceSetupPage::acceptDSTAuto);
    connect(ui->dsetupDSTManual_RadioButton, &QRadioButton::clicked, this, &DeviceSetupPage::acceptDSTManaul);
    connect(ui->dsetupCameraName_LineEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupPage::cameraNameLineEditFinished);
    connect(ui->dsetupCameraPasscode_LineEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupPage::cameraPasswordLineEditFinished);
    connect(ui->dsetupRetypePasscode_LineEdit, &QLineEdit::editingFinished, this,
            &DeviceSetupPage::cameraPasswordRetypeLineEditFinished);
    connect(ui->dsetupForgotPassword_Label, &QLabel::linkActivated, this, &DeviceSetupPage::popupResetHint);
    connect(ui->dsetupBack_Button, &QPushButton::clicked, this, &DeviceSetupPage::pressBackButton);
    connect(ui->dsetupNext_Button, &QPushButton::clicked, this, &DeviceSetupPage::pressNextButton);

    connect(gDCPUtils, &DCPUtils::gotPasswordInitStatus, this, &DeviceSetupPage::handleDevicePasswordInitStatus,
            Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::checkPasswordMatching, this, &DeviceSetupPage::checkPasswordSuccess,
            Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::checkPasswordMisMatching, this, &DeviceSetupPage::checkPasswordFailed,
            Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::gotNetworkConfig, this, &DeviceSetupPage::handleGotNetworkConfig,
            Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::gotPingRsp, this, &DeviceSetupPage::handleCheckInternetStatus, Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::gotOlvarisInfo, this, &DeviceSetupPage::handleGotOlvarisInfo, Qt::QueuedConnection);

    const QList<QPair<QTimer**, void (DeviceSetupPage::*)()>> checks = {
        {&checkPasswordTimer, &DeviceSetupPage::checkPasswordResult},
        {&checkNetworkCfgTimer, &DeviceSetupPage::checkNetworkCfg},
        {&checkInternetTimer, &DeviceSetupPage::checkInternetStatus},
        {&checkOlvarisInfoTimer, &DeviceSetupPage::checkOlvarisInfo},
        {&checkOpenAPIUriInfoTimer, &DeviceSetupPage::checkOpenAPIUriInfoConnection},
        {&checkConfigNetworkTimer, &DeviceSetupPage::checkConfigNetworkConnection},
        {&checkRestartNetworkTimer, &DeviceSetupPage::checkRestartNetworkConnection},
        {&checkGetDeviceImageTimer, &DeviceSetupPage::checkGetDeviceImageStatus}};
    for (const auto& check : checks) {
        *check.first = new QTimer(this);
        connect(*check.first, &QTimer::timeout, this, check.second);
    }

    // The cloud portal is an Internet host: its certificate is verified and it gets no camera
    // credentials.
    openAPIUriInfoNAM = new QNetworkAccessManager(this);
    connect(openAPIUriInfoNAM, &QNetworkAccessManager::finished, this, &DeviceSetupPage::getOpenAPIUrifinishedSlot);

    tryInternetNum = 0;

    // Cameras present self-signed certificates and ask for their own credentials.
    getdSetupDeviceImageNAM = new ReplyLimits::BoundedManager(ReplyLimits::kSnapshotBytes, this);
    connect(getdSetupDeviceImageNAM, &QNetworkAccessManager::finished, this, &DeviceSetupPage::getImagefinishedSlot);
    connect(getdSetupDeviceImageNAM, &QNetworkAccessManager::authenticationRequired, this,
            &DeviceSetupPage::slotAuthenticationRequired);
    connect(getdSetupDeviceImageNAM, &QNetworkAccessManager::sslErrors, this, &DeviceSetupPage::sslErrors);
}

DeviceSetupPage::~DeviceSetupPage()
{
    delete ui;
}

void DeviceSetupPage::enter()
{
    const IPCamera* camera = chosenCamera();
    if (!camera)
        return;
    ui->dsetupCameraModelVaule_Label->setText(modelText(camera->modelName));
    ui->dsetupCameraName_LineEdit->setText(CameraTable::decodedName(camera->Name));
    ui->dsetupTiltle_Label->setText("<p style=line-height:24px><font face=Verdana color=#00B0D0>"
                                    + tr("Give Your Camera a Name and<br>Password") + "</font></p>");
    fillTimeZoneList();
    gMainpage->setStep(2, tr("Set up and secure your camera"));

    ui->dsetupDSTCheckBox_CheckBox->setChecked(false);
    ui->dsetupTimeSettings_GroupBox->hide();
    ui->dsetupDSTSwitch_GroupBox->hide();
    ui->dsetupDSTAuto_RadioButton->setChecked(true);
}

void DeviceSetupPage::retranslate()
{
    ui->retranslateUi(this);
    ui->dsetupDSTAuto_RadioButton->setText("Auto");
    ui->dsetupDSTManual_RadioButton->setText("Manual");
    ui->dsetupCameraPasscode_Label->setText(isRetypeShown() ? tr("Camera Password :") : tr("Current Password :"));
    if (const IPCamera* camera = chosenCamera()) {
        ui->dsetupCameraModelVaule_Label->setText(modelText(camera->modelName));
        ui->dsetupTiltle_Label->setText("<p style=line-height:24px><font face=Verdana color=#00B0D0>"
                                        + tr("Give Your Camera a Name and<br>Password") + "</font></p>");
    }
}

void DeviceSetupPage::fillTimeZoneList()
{
    const QString offset = gDCPUtils->getTimeZoneOffset();
    const QList<TimeZonePick::Entry> entries =
        TimeZonePick::entries(gDCPUtils->getTimeZoneList(), gDCPUtils->getGMTOffset());

    // The row number is the zone index sent to the camera: the list is held exactly once.
    QComboBox* zones = ui->dsetupTimeZoneComboBox_comboBox;
    zones->clear();
    for (const TimeZonePick::Entry& entry : entries) {
        WLOG << "Adding tStr: " << entry.label << "gmtStr: " << entry.offset;
        zones->addItem(entry.label, entry.offset);
    }

    const QString zoneId = QString::fromLatin1(QTimeZone::systemTimeZoneId());
    const TimeZonePick::Choice choice = TimeZonePick::preselect(entries, offset, zoneId);
    if (choice.byPlace)
        WLOG << "Adding idx: " << choice.index;
    else
        WLOG << "Adding tmpIndex: " << choice.index;
    zones->setCurrentIndex(choice.index);
}

bool DeviceSetupPage::isRetypeShown() const
{
    return !ui->dsetupRetypePasscode_LineEdit->isHidden();
}

// ---------------------------------------------------------------------------
// Input validation

void DeviceSetupPage::cameraNameLineChanged(const QString& text)
{
    ui->dsetupError_Label->setText(SetupInput::isValidCameraName(text) ? "Valid" : "Invalid");
}

void DeviceSetupPage::cameraNameLineEditFinished()
{
    const QString name = ui->dsetupCameraName_LineEdit->text();
    WLOG << "camera name :" << name;
    if (SetupInput::isValidCameraName(name)) {
        ui->dsetupError_Label->setText("Valid");
        ui->dsetupError_Label->hide();
        return;
    }
    ui->dsetupError_Label->setText(SetupInput::errorText(
        tr("Please check your device name, and make sure it is less than 32 characters long, and must<br>contain "
           "only letters and numbers")));
    ui->dsetupError_Label->show();
}

void DeviceSetupPage::cameraPasswordLineEditFinished()
{
    checkPasswordField(ui->dsetupCameraPasscode_LineEdit, ui->dsetupPasswordError_Label);
}

void DeviceSetupPage::cameraPasswordRetypeLineEditFinished()
{
    checkPasswordField(ui->dsetupRetypePasscode_LineEdit, ui->dsetupPasswordRetypeError_Label);
}

void DeviceSetupPage::checkPasswordField(QLineEdit* field, QLabel* errorLabel)
{
    WLOG << field->objectName() << ":" << maskSecret(field->text());
    const IPCamera* camera = chosenCamera();
    const SetupInput::PasswordRule& rule = SetupInput::passwordRule(camera ? *camera : IPCamera());
    if (SetupInput::isValidPassword(field->text(), rule)) {
        errorLabel->setText("Valid");
        errorLabel->hide();
        return;
    }
    errorLabel->setText(SetupInput::errorText(tr(rule.message)));
    errorLabel->show();
}

// ---------------------------------------------------------------------------
// Resets and input state

void DeviceSetupPage::resetCheckingParameters()
{
    for (QTimer* timer : {checkPasswordTimer, checkNetworkCfgTimer, checkInternetTimer, checkOlvarisInfoTimer,
                          checkConfigNetworkTimer, checkRestartNetworkTimer, checkOpenAPIUriInfoTimer})
        timer->stop();
    passwordOK = networkCfgOK = internetOK = olvarisInfoOK = false;
    configNetworkOK = restartNetworkOK = openAPIUriInfoOK = false;
    waitPasswordNumber = waitNetworkCfgNumber = waitInternetNumber = waitOlvarisInfoNumber = 0;
    waitConfigNetworkNumber = waitRestartNetworkNumber = waitOpenAPIUriInfoNumber = 0;
    quorvex_cmd_state = 0;
    prov_config_exist = 0;
    waitLoadingFinished = 0;
    signUpPageReached = false;
    signInPageReached = false;
}

void DeviceSetupPage::resetPasswordLineEdits()
{
    ui->dsetupCameraPasscode_LineEdit->clear();
    ui->dsetupRetypePasscode_LineEdit->clear();
}

void DeviceSetupPage::hidePasswordLineEdits()
{
    for (QWidget* widget :
         {static_cast<QWidget*>(ui->dsetupCameraPasscode_Label), static_cast<QWidget*>(ui->dsetupRetypePasscode_Label),
          static_cast<QWidget*>(ui->dsetupCameraPasscode_LineEdit),
          static_cast<QWidget*>(ui->dsetupRetypePasscode_LineEdit),
          static_cast<QWidget*>(ui->dsetupPasswordError_Label),
          static_cast<QWidget*>(ui->dsetupPasswordRetypeError_Label),
          static_cast<QWidget*>(ui->dsetupForgotPassword_Label), static_cast<QWidget*>(ui->dsetupError_Label)})
        widget->hide();
}

void DeviceSetupPage::setPasswordLineEditStatus()
{
    const IPCamera* camera = chosenCamera();
    if (!camera) {
        WLOG << "No camera chosen (IPCameraIdx :" << IPCameraIdx << "), password rows left as they are";
        return;
    }
    PasswordLayout::apply(ui, PasswordLayout::needsNewPassword(*camera));
}

void DeviceSetupPage::stopCloudInfoCheck()
{
    checkOpenAPIUriInfoTimer->stop();
}

void DeviceSetupPage::setInputWidgetsEnabled(bool enabled)
{
    const QList<QWidget*> inputs = {
        ui->dsetupCameraName_LineEdit,    ui->dsetupCameraPasscode_LineEdit, ui->dsetupRetypePasscode_LineEdit,
        ui->dsetupTimeZoneComboBox_comboBox, ui->dsetupDSTCheckBox_CheckBox, ui->dsetupDSTHourOffset_ComboBox,
        ui->dsetupStartMonth_QDateEdit,   ui->dsetupStartWeek_ComboBox,      ui->dsetupStartDate_ComboBox,
        ui->dsetupStartHour_QTimeEdit,    ui->dsetupEndMonth_QDateEdit,      ui->dsetupEndWeek_ComboBox,
        ui->dsetupEndDate_ComboBox,       ui->dsetupEndHour_QTimeEdit,       ui->dsetupDSTAuto_RadioButton,
        ui->dsetupDSTManual_RadioButton};
    for (QWidget* widget : inputs)
        widget->clearFocus();
    for (QWidget* widget : inputs)
        widget->setEnabled(enabled);
}

void DeviceSetupPage::resetSnapshotPreview()
{
    getdSetupDeviceImageNAM->clearAccessCache();
    checkGetDeviceImageTimer->stop();
    ui->dsetupCGIIamge_Label->clear();
    ui->dsetupCGIIamge_Label->hide();
}

void DeviceSetupPage::restorePage()
{
    gMainpage->hideBusy();
    setInputWidgetsEnabled(true);
    resetCheckingParameters();
}

bool DeviceSetupPage::haveCamera()
{
    if (chosenCamera())
        return true;
    WLOG << "No camera chosen (IPCameraIdx :" << IPCameraIdx << "of" << IPCameraList.size()
         << "cameras); the set-up stops, choose the camera again";
    restorePage();
    return false;
}

void DeviceSetupPage::pressBackButton()
{
    resetDateLightSaving();
    resetPasswordLineEdits();
    setInputWidgetsEnabled(true);
    hidePasswordLineEdits();
    IPCameraList.clear();
    for (QTimer* timer : {checkPasswordTimer, checkNetworkCfgTimer, checkInternetTimer, checkOlvarisInfoTimer})
        timer->stop();
    passwordOK = networkCfgOK = internetOK = olvarisInfoOK = false;
    waitPasswordNumber = waitNetworkCfgNumber = waitInternetNumber = waitOlvarisInfoNumber = 0;
    quorvex_cmd_state = 0;
    prov_config_exist = 0;
    resetSnapshotPreview();
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
    gMainpage->showPage(this, gDiscoveryPage);
    // Empties the table, disables Next and scans again.
    gDiscoveryPage->pressRefreshButton();
}

void DeviceSetupPage::pressMsgStartOverButton()
{
    ResetHint::close();
    resetCheckingParameters();
    resetPasswordLineEdits();
    hidePasswordLineEdits();
    resetDateLightSaving();
    // A check may have locked the inputs; the next visit must find them usable.
    setInputWidgetsEnabled(true);
    resetSnapshotPreview();
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
    gMainpage->enterPage(this, gCameraConnectionPage);
}

void DeviceSetupPage::pressMsgCloseButton()
{
    ResetHint::close();
}

// ---------------------------------------------------------------------------
// Password step

void DeviceSetupPage::pressNextButton()
{
    WLOG << "DeviceSetupPage Next :" << maskSecret(ui->dsetupCameraPasscode_LineEdit->text())
         << maskSecret(ui->dsetupRetypePasscode_LineEdit->text()) << "IPCameraIdx :" << IPCameraIdx
         << "camera name :" << ui->dsetupCameraName_LineEdit->text();
    setInputWidgetsEnabled(false);
    gMainpage->showBusy();
    if (!haveCamera())
        return;

    const bool nameError = !ui->dsetupError_Label->isHidden();
    const PasswordStep::NextCheck check = PasswordStep::checkAtNext(
        ui->dsetupCameraPasscode_LineEdit->text(), ui->dsetupRetypePasscode_LineEdit->text(), isRetypeShown());
    if (check != PasswordStep::NextCheck::Pass) {
        checkPasswordTimer->stop();
        gMainpage->hideBusy();
        if (check == PasswordStep::NextCheck::Mismatch) {
            WLOG << " The passwords you entered do not match. Please try again.";
            popupPasswordErrorMsgBox(QT_TR_NOOP("Password mismatch. Please type in the password again."));
        } else {
            WLOG << "Please check your password, and make sure it is 6-30 alphanumeric characters with no spaces.";
            popupPasswordErrorMsgBox("");
        }
        if (nameError)
            restorePage();
        return;
    }
    if (nameError) {
        restorePage();
        return;
    }
    const IPCamera& camera = IPCameraList.at(IPCameraIdx);
    WLOG << "DeviceSetupPage ----- Pass Password Pre-Checking Handling !!" << camera.DCPVersion << camera.bPassword
         << maskSecret(QString::fromLatin1(camera.password)) << camera.bRegisted << camera.remote;
    resetCheckingParameters();
    checkPasswordTimer->start(1000);
}

void DeviceSetupPage::checkPasswordResult()
{
    if (!haveCamera())
        return;
    const int n = waitPasswordNumber;
    switch (SetupChecks::tick(SetupChecks::kPassword, n, passwordOK, passwordOK)) {
    case SetupChecks::Tick::Timeout:
        checkPasswordTimer->stop();
        WLOG << " checkPasswordTimer timeout " << n << "stop !!";
        resetCheckingParameters();
        gMainpage->hideBusy();
        popupPasswordErrorMsgBox("");
        return;
    case SetupChecks::Tick::Passed:
        checkPasswordTimer->stop();
        WLOG << " checkPasswordTimer stop at " << n;
        setPasswordLineEditStatus();
        checkNetworkCfgTimer->start(1000);
        break;
    case SetupChecks::Tick::Send:
        sendPasswordCfg();
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitPasswordNumber :" << waitPasswordNumber;
    ++waitPasswordNumber;
}

void DeviceSetupPage::sendPasswordCfg()
{
    if (!haveCamera())
        return;
    IPCamera& camera = IPCameraList[IPCameraIdx];
    const QString typed = ui->dsetupCameraPasscode_LineEdit->text();
    const QByteArray password64 = typed.toLatin1().toBase64();
    switch (PasswordStep::request(camera.DCPVersion, isRetypeShown(), camera.password)) {
    case PasswordStep::Request::SetNew:
        WLOG << "This is DCP 2.0 Set Password into Device !!" << maskSecret(typed);
        camera.dcpStatus = IPCamera::WAIT_PASSWD;
        gDCPUtils->dcpClass07_CheckPassword(IPCameraIdx, ";P=" + password64, QByteArray());
        break;
    case PasswordStep::Request::CheckNew:
        WLOG << "This is DCP 2.0 Check Device Password !!" << maskSecret(typed);
        camera.dcpStatus = IPCamera::WAIT_PASSWD;
        gDCPUtils->dcpClass07_CheckPassword(IPCameraIdx, QByteArray(), password64);
        break;
    case PasswordStep::Request::SetOld:
        WLOG << "This is DCP 1.0 Set Password into Device !!" << maskSecret(typed);
        camera.dcpStatus = IPCamera::WAIT_PASSWD;
        gDCPUtils->dcpClass02_SetRegistered(IPCameraIdx, typed, QString());
        break;
    case PasswordStep::Request::CompareLocal:
        WLOG << "This is DCP 1.0 Check Device Password !!";
        if (PasswordStep::matchesStored(typed, camera.password)) {
            WLOG << "Check Device Password Success!!";
            checkPasswordSuccess(IPCameraIdx);
        } else {
            WLOG << "Check Device Password Fail!!";
            checkPasswordTimer->stop();
            gMainpage->hideBusy();
            popupPasswordErrorMsgBox("");
        }
        break;
    }
}

void DeviceSetupPage::checkPasswordSuccess(int index)
{
    WLOG << "checkPasswordSuccess idx :" << index << "networkCfgOK :" << networkCfgOK;
    passwordOK = true;
}

void DeviceSetupPage::checkPasswordFailed(int index)
{
    WLOG << " -----------------  >>  Your password not correct : " << index;
}

void DeviceSetupPage::handleDevicePasswordInitStatus(int index)
{
    if (index >= 0 && index < IPCameraList.size())
        logCameraRecord(index, IPCameraList.at(index));
}

// ---------------------------------------------------------------------------
// Network configuration, Internet, cloud information and OpenAPI address

void DeviceSetupPage::failCheck(const char* configNetworkLog)
{
    resetCheckingParameters();
    gMainpage->hideBusy();
    const IPCamera* camera = chosenCamera();
    const QString apMode = camera ? SupportAPModeMap.value(modelText(camera->modelName)) : QString();
    switch (SetupChecks::failurePopup(apMode, tryInternetNum)) {
    case SetupChecks::FailurePopup::InternetFailed:
        popupAPClientModeInternetFailed();
        break;
    case SetupChecks::FailurePopup::InternetResetFailed:
        popupAPClientModeInternetResetFailed();
        break;
    case SetupChecks::FailurePopup::ConfigNetwork:
        WLOG << configNetworkLog;
        popupConfigNetworkWarning();
        break;
    }
}

void DeviceSetupPage::handleGotNetworkConfig(int index)
{
    WLOG << "01 checkNetworkCfg: camera idx:" << index;
    WLOG << "02 checkNetworkCfg: camera IPCameraIdx:" << IPCameraIdx;
    if (networkCfgOK || index < 0 || index >= IPCameraList.size())
        return;
    IPCamera& camera = IPCameraList[index];
    WLOG << "03 checkNetworkCfg: networkType:" << camera.networkconf.getNetworkType();
    logCameraRecord(index, camera);
    networkCfgOK = true;
    camera.networkconf.RemoteAccess = "0";
    WLOG << "networkCfgOK : " << networkCfgOK;
}

void DeviceSetupPage::checkNetworkCfg()
{
    if (!haveCamera())
        return;
    const IPCamera& camera = IPCameraList.at(IPCameraIdx);
    const int n = waitNetworkCfgNumber;
    const bool received = networkCfgOK && camera.dcpStatus == IPCamera::GOT_NETWORK_SETUP;
    switch (SetupChecks::tick(SetupChecks::kNetworkCfg, n, received, networkCfgOK)) {
    case SetupChecks::Tick::Timeout:
        checkNetworkCfgTimer->stop();
        WLOG << " checkNetworkCfgTimer timeout " << n << "stop !!";
        failCheck("++++++   checkNetworkCfg () popupConfigNetworkWarning()");
        return;
    case SetupChecks::Tick::Passed:
        checkNetworkCfgTimer->stop();
        WLOG << " checkNetworkCfgTimer stop at " << n;
        sendCameraSettings();
        routeAfterNetworkCheck();
        break;
    case SetupChecks::Tick::Send:
        WLOG << " wired ...";
        gDCPUtils->dcpClass03_GetNetworkSetup(IPCameraIdx);
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitNetworkCfgNumber :" << waitNetworkCfgNumber;
    ++waitNetworkCfgNumber;
}

void DeviceSetupPage::sendCameraSettings()
{
    const int dst = ui->dsetupDSTCheckBox_CheckBox->isChecked() ? 1 : 0;
    if (!isLocalView) {
        sendSetDeviceNameCGI(0);
        gDCPUtils->CGISyncTime(ui->dsetupTimeZoneComboBox_comboBox->currentIndex(), 0);
        sendSetDSTCGI(0, dst);
        return;
    }
    // Without a catalogue the dialect is unknown: both are sent, KORVA first.
    sendSetDeviceNameCGI(1);
    sendSetDeviceNameCGI(2);
    gDCPUtils->CGISyncTime(-2, 1);
    gDCPUtils->CGISyncTime(-2, 2);
    sendSetDSTCGI(1, dst);
    sendSetDSTCGI(2, dst);
}

void DeviceSetupPage::routeAfterNetworkCheck()
{
    const IPCamera& camera = IPCameraList.at(IPCameraIdx);
    const QString model = modelText(camera.modelName);
    const SetupChecks::Route route = SetupChecks::routeAfterNetworkCheck(
        camera.bRegisted, isLocalView, SupportWiFiMap.value(model), SupportAPModeMap.value(model));
    static const char* const names[] = {"already registered", "Internet check", "Wi-Fi page", "completion page"};
    WLOG << "After the network check :" << names[int(route)];
    switch (route) {
    case SetupChecks::Route::AlreadyRegistered:
        leavePage();
        gMainpage->setStep(3, registerCaption());
        gMainpage->enterPage(this, gAlreadyRegisteredPage);
        break;
    case SetupChecks::Route::InternetCheck:
        checkInternetTimer->start(1000);
        quorvex_cmd_state = 0;
        prov_config_exist = 0;
        break;
    case SetupChecks::Route::WiFiPage:
        setupCompleteInfo();
        leavePage();
        gMainpage->setStep(4, tr("Connect your camera to your network wirelessly"));
        dWiFiBackToPage = 2;
        resetCheckingParameters();
        gMainpage->enterPage(this, gDeviceWiFiChangePage);
        gMainpage->showBusy();
        break;
    case SetupChecks::Route::CompletePage:
        gDeviceSetupCompletePage->setShortcutOfferVisible(true);
        setupCompleteInfo();
        leavePage();
        gMainpage->hideStep();
        gMainpage->enterPage(this, gDeviceSetupCompletePage);
        break;
    }
}

void DeviceSetupPage::leavePage()
{
    gMainpage->hideBusy();
    setInputWidgetsEnabled(true);
    hide();
    resetSnapshotPreview();
}

void DeviceSetupPage::setupCompleteInfo()
{
    const IPCamera* camera = chosenCamera();
    if (!isLocalView || !camera)
        return;
    gDeviceSetupCompletePage->showDeviceSummary(*camera);
}

void DeviceSetupPage::handleCheckInternetStatus()
{
    const IPCamera* camera = chosenCamera();
    if (!camera)
        return;
    if (camera->bPing == "1")
        internetOK = true;
    WLOG << "[connectPage] [checkNetworkConnection()]: Wget respond: " << camera->bPing;
}

void DeviceSetupPage::checkInternetStatus()
{
    if (!haveCamera())
        return;
    const IPCamera& camera = IPCameraList.at(IPCameraIdx);
    const int n = waitInternetNumber;
    const bool passed = internetOK && camera.dcpStatus == IPCamera::GOT_PING && camera.bPing == "1";
    switch (SetupChecks::tick(SetupChecks::kInternet, n, passed, internetOK)) {
    case SetupChecks::Tick::Timeout:
        checkInternetTimer->stop();
        WLOG << " checkInternetTimer timeout " << n << "stop !!";
        failCheck("++++++   checkInternetStatus () popupConfigNetworkWarning()");
        return;
    case SetupChecks::Tick::Passed:
        checkInternetTimer->stop();
        WLOG << " checkInternetTimer stop at " << n;
        checkOlvarisInfoTimer->start(1000);
        break;
    case SetupChecks::Tick::Send:
        gDCPUtils->dcpClass08S_PingDevice(IPCameraIdx);
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitInternetNumber :" << waitInternetNumber;
    ++waitInternetNumber;
}

void DeviceSetupPage::handleGotOlvarisInfo(int index)
{
    const IPCamera* camera = chosenCamera();
    if (!camera || index < 0 || index >= IPCameraList.size())
        return;
    const IPCamera& answering = IPCameraList.at(index);
    if (answering.dcpStatus == IPCamera::GOT_OLVARIS_INFO && camera->remote == "1")
        olvarisInfoOK = true;
    WLOG << " IPCameraList[" << index << "].remote :" << answering.remote;
}

void DeviceSetupPage::checkOlvarisInfo()
{
    if (!haveCamera())
        return;
    const IPCamera& camera = IPCameraList.at(IPCameraIdx);
    const int n = waitOlvarisInfoNumber;
    const bool passed = olvarisInfoOK && camera.dcpStatus == IPCamera::GOT_OLVARIS_INFO && camera.remote == "1";
    switch (SetupChecks::tick(SetupChecks::kOlvarisInfo, n, passed, olvarisInfoOK)) {
    case SetupChecks::Tick::Timeout:
        checkOlvarisInfoTimer->stop();
        WLOG << " checkOlvarisInfoTimer timeout " << n << "stop !!";
        failCheck("++++++   checkOlvarisInfo () popupConfigNetworkWarning()");
        return;
    case SetupChecks::Tick::Passed:
        checkOlvarisInfoTimer->stop();
        WLOG << " checkOlvarisInfoTimer stop at " << n;
        WLOG << " ========================================>  checkOlvarisInfoTimer QUERY OpenAPI URI:" << camera.portal;
        checkOpenAPIUriInfoTimer->start(1000);
        break;
    case SetupChecks::Tick::Send:
        gDCPUtils->dcpClass02_GetOlvarisInfo(IPCameraIdx, 1);
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitOlvarisInfoNumber :" << waitOlvarisInfoNumber;
    ++waitOlvarisInfoNumber;
}

void DeviceSetupPage::checkOpenAPIUriInfoConnection()
{
    if (!haveCamera())
        return;
    const int n = waitOpenAPIUriInfoNumber;
    switch (SetupChecks::tick(SetupChecks::kOpenAPI, n, openAPIUriInfoOK, openAPIUriInfoOK)) {
    case SetupChecks::Tick::Timeout:
        checkOpenAPIUriInfoTimer->stop();
        getdSetupDeviceImageNAM->clearAccessCache();
        WLOG << "checkOpenAPIUriInfoTimer timeout " << n << "stop !!";
        failCheck("++++++   checkOpenAPIUriInfoConnection() popupConfigNetworkWarning()");
        return;
    case SetupChecks::Tick::Send:
        if (!urlRedirect) {
            dSetupOpenAPIUrl = SetupChecks::openApiUrl(IPCameraList.at(IPCameraIdx).portal);
            WLOG << "no urlRedirect : query [CHECK OPENAPI SITE] [GET] url :" << dSetupOpenAPIUrl;
        } else {
            WLOG << "Url Redirect .........";
            WLOG << "urlRedirect query [CHECK OPENAPI SITE] [GET] url :" << dSetupOpenAPIUrl;
        }
        openAPIUriInfoNAM->get(QNetworkRequest(dSetupOpenAPIUrl));
        break;
    case SetupChecks::Tick::Passed:
        if (!gCloudServicesPage) {
            checkOpenAPIUriInfoTimer->stop();
            WLOG << "The cloud page does not exist (no Internet at start); the cloud step cannot run";
            failCheck("++++++   checkOpenAPIUriInfoConnection() popupConfigNetworkWarning()");
            return;
        }
        if (waitLoadingFinished == 0) {
            WLOG << "[start] waitLoadingFinished :" << waitLoadingFinished;
            gCloudServicesPage->getSignInPage(dSetupOpenAPISite);
            gCloudServicesPage->getSignUpTimeStamp(dSetupOpenAPISite);
            waitLoadingFinished = qMax(n, 1);
            WLOG << "[asign] waitLoadingFinished :" << waitLoadingFinished;
        } else {
            WLOG << "[check] waitLoadingFinished :" << waitLoadingFinished;
            if (signUpPageReached && signInPageReached) {
                handOverToCloudPage();
                return;
            }
        }
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitOpenAPIUriInfoNumber :" << waitOpenAPIUriInfoNumber;
    ++waitOpenAPIUriInfoNumber;
}

void DeviceSetupPage::handOverToCloudPage()
{
    checkOpenAPIUriInfoTimer->stop();
    WLOG << " checkOpenAPIUriInfoTimer stop at " << waitOpenAPIUriInfoNumber << " OpenAPI URI:" << dSetupOpenAPISite;
    leavePage();
    gMainpage->setStep(3, registerCaption());
    gMainpage->enterPage(this, gCloudServicesPage);
    gCloudServicesPage->getElements();
    waitLoadingFinished = 0;
    signUpPageReached = false;
    signInPageReached = false;
}

void DeviceSetupPage::getOpenAPIUrifinishedSlot(QNetworkReply* reply)
{
    WLOG << "check request finished!!";
    WLOG << "getdSetupDeviceImageNAM http status code ="
         << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
    SetupChecks::take(
        SetupChecks::openApiAnswer(reply), { dSetupOpenAPIUrl, urlRedirect, dSetupOpenAPISite, openAPIUriInfoOK });
    reply->deleteLater();
}

// ---------------------------------------------------------------------------
// Failure popups

void DeviceSetupPage::popupPasswordErrorMsgBox(const char* text)
{
    QString content = tr(text);
    if (qstrlen(text) == 0)
        content = isRetypeShown()
                      ? tr("Please check your password, and make sure it is 6-30 alphanumeric characters<br>with no spaces.")
                      : tr("Please check your password, and make sure it is 6-30 with no spaces.");
    MessageBoxPage::build(gMainpage, kPasswordErrorPopup, kPopupWidth, 300)
        .title(tr("Error"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(content), {80, 100, 480, 50})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 250}, this, &DeviceSetupPage::pressMsgPasswordErrorOKButton)
        .closeButton(this, &DeviceSetupPage::pressMsgPasswordErrorOKButton)
        .open();
}

void DeviceSetupPage::pressMsgPasswordErrorOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kPasswordErrorPopup);
    setInputWidgetsEnabled(true);
    resetPasswordLineEdits();
    resetCheckingParameters();
}

void DeviceSetupPage::popupAPClientModeInternetFailed()
{
    MessageBoxPage::build(gMainpage, kInternetFailedPopup, kPopupWidth, 300)
        .title(tr("Could not connect to Internet"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(
                     tr("Could not connect to the Internet. Click Close, check your settings, and try again.<br>")),
                 {80, 80, 480, 100})
        .leftButton(tr("Close"), ButtonStyle::White, {360, 250}, this,
                    &DeviceSetupPage::pressMsgInternetFailedCloseButton)
        .rightButton(tr("Retry"), ButtonStyle::Blue, {480, 250}, this, &DeviceSetupPage::pressMsgInternetFailedOKButton)
        .closeButton(this, &DeviceSetupPage::pressMsgInternetFailedCloseButton)
        .open();
}

void DeviceSetupPage::popupAPClientModeInternetResetFailed()
{
    MessageBoxPage::build(gMainpage, kInternetResetFailedPopup, kPopupWidth, 300)
        .title(tr("Could not connect to Internet"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Could not connect to the Internet. Click Retry to try again.<br>If you "
                                             "still can't connect, you can try resetting your camera, then running "
                                             "the setup wizard again.")),
                 {80, 80, 480, 100})
        .closeButton(this, &DeviceSetupPage::pressMsgInternetResetFailedCloseButton)
        .extraButton("msgBoxLocalView_Button", tr("Local View"), ButtonStyle::White, {240, 250}, this,
                     &DeviceSetupPage::pressMsgInternetResetFailedLocalViewButton)
        .leftButton(tr("Reset"), ButtonStyle::White, {360, 250}, this,
                    &DeviceSetupPage::pressMsgInternetResetFailedResetButton)
        .rightButton(tr("Retry"), ButtonStyle::Blue, {480, 250}, this,
                     &DeviceSetupPage::pressMsgInternetResetFailedOKButton)
        .open();
}

void DeviceSetupPage::pressMsgInternetFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailedPopup);
    tryInternetNum = 0;
    setInputWidgetsEnabled(true);
}

void DeviceSetupPage::pressMsgInternetResetFailedCloseButton()
{
    tryInternetNum = 0;
    MessageBoxPage::closeByName(gMainpage, kInternetResetFailedPopup);
    setInputWidgetsEnabled(true);
}

void DeviceSetupPage::pressMsgInternetResetFailedResetButton()
{
    tryInternetNum = 0;
    MessageBoxPage::closeByName(gMainpage, kInternetResetFailedPopup);
    setInputWidgetsEnabled(true);
    resetSnapshotPreview();
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
    gMainpage->showPage(this, gCameraConnectionPage);
}

void DeviceSetupPage::pressMsgInternetResetFailedLocalViewButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetResetFailedPopup);
    isLocalView = true;
    resetCheckingParameters();
    pressNextButton();
}

void DeviceSetupPage::pressMsgInternetFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailedPopup);
    ++tryInternetNum;
    WLOG << "tryInternetNum in retry :" << tryInternetNum;
    gMainpage->showBusy();
    resetCheckingParameters();
    pressNextButton();
}

void DeviceSetupPage::pressMsgInternetResetFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetResetFailedPopup);
    ++tryInternetNum;
    WLOG << "tryInternetNum in reset :" << tryInternetNum;
    gMainpage->showBusy();
    resetCheckingParameters();
    pressNextButton();
}

void DeviceSetupPage::popupResetHint()
{
    WLOG << "open msgbox ...";
    ResetHint::open(this, &DeviceSetupPage::pressMsgCloseButton, &DeviceSetupPage::pressMsgStartOverButton);
}

// ---------------------------------------------------------------------------
// Manual network box and the settings it sends

void DeviceSetupPage::popupConfigNetworkWarning()
{
    ConfigNetworkMessageBox* box = new ConfigNetworkMessageBox(gMainpage);
    box->setObjectName(kConfigNetworkBox);
    box->setGeometry((gMainpage->width() - kPopupWidth) / 2, (gMainpage->height() - 600) / 2, kPopupWidth, 600);
    box->setFixedHeight(600);
    Ui_ConfigNetworkMessageBox* form = box->ui;
    form->ConfigNetworkMsgBoxBackground_Label->setGeometry(0, 0, kPopupWidth, 600);
    form->ConfigNetworkMsgBoxTitile_Label->setText(tr("Configure Your Internet Connection"));
    form->ConfigNetworkMsgBoxTitile_Label->setAlignment(Qt::AlignLeft);
    form->ConfigNetworkMsgBoxTitile_Label->setGeometry(70, 50, 440, 30);
    form->ConfigNetworkMsgBoxTitile_Label->show();

    const QList<QPair<QPushButton*, void (DeviceSetupPage::*)()>> buttons = {
        {form->ConfigNetworkMsgBoxClose_Button, &DeviceSetupPage::pressConfigNetworkCancelButton},
        {form->CfgNetMsgBoxDHCPCancel_Button, &DeviceSetupPage::pressConfigNetworkCancelButton},
        {form->CfgNetMsgBoxDHCPLocalOnly_Button, &DeviceSetupPage::pressConfigNetworkLocalViewButton},
        {form->CfgNetMsgBoxDHCPConnect_Button, &DeviceSetupPage::pressConfigNetworkDHCPConnectButton},
        {form->CfgNetMsgBoxPPPoECancel_Button, &DeviceSetupPage::pressConfigNetworkCancelButton},
        {form->CfgNetMsgBoxPPPoELocalOnly_Button, &DeviceSetupPage::pressConfigNetworkLocalViewButton},
        {form->CfgNetMsgBoxPPPoEConnect_Button, &DeviceSetupPage::pressConfigNetworkPPPoEConnectButton},
        {form->CfgNetMsgBoxStaticIPCancel_Button, &DeviceSetupPage::pressConfigNetworkCancelButton},
        {form->CfgNetMsgBoxStaticIPLocalOnly_Button, &DeviceSetupPage::pressConfigNetworkLocalViewButton},
        {form->CfgNetMsgBoxStaticIPConnect_Button, &DeviceSetupPage::pressConfigNetworkStaticIPConnectButton}};
    for (const auto& button : buttons) {
        connect(button.first, &QPushButton::clicked, this, button.second);
        button.first->show();
    }
    configNetworkType = ManualNetwork::Dhcp;
    box->show();
    box->raise();
}

void DeviceSetupPage::closeConfigNetworkBox()
{
    ConfigNetworkMessageBox* box = gMainpage->findChild<ConfigNetworkMessageBox*>(kConfigNetworkBox);
    gMainpage->hideDimming();
    if (!box)
        return;
    // Closed from one of its own buttons: it goes once that click has been handled.
    box->setObjectName(QString());
    box->hide();
    box->deleteLater();
}

void DeviceSetupPage::pressConfigNetworkCancelButton()
{
    closeConfigNetworkBox();
    setInputWidgetsEnabled(true);
}

void DeviceSetupPage::pressConfigNetworkLocalViewButton()
{
    closeConfigNetworkBox();
    isLocalView = true;
    resetCheckingParameters();
    pressNextButton();
}

void DeviceSetupPage::startManualConfiguration(int type)
{
    closeConfigNetworkBox();
    gMainpage->showBusy();
    configNetworkType = type;
    // A run after an earlier timeout starts from its first tick too.
    waitConfigNetworkNumber = waitRestartNetworkNumber = 0;
    configNetworkOK = restartNetworkOK = false;
    checkConfigNetworkTimer->start(1000);
}

void DeviceSetupPage::pressConfigNetworkDHCPConnectButton()
{
    startManualConfiguration(ManualNetwork::Dhcp);
}

void DeviceSetupPage::pressConfigNetworkPPPoEConnectButton()
{
    ConfigNetworkMessageBox* box = gMainpage->findChild<ConfigNetworkMessageBox*>(kConfigNetworkBox);
    if (!box)
        return;
    Ui_ConfigNetworkMessageBox* form = box->ui;
    pppoeAccount = form->CfgNetMsgBoxPPPoEAccount_LineEdit->text();
    pppoePassword = form->CfgNetMsgBoxPPPoEPassword_LineEdit->text().toLatin1();
    form->CfgNetMsgBoxPPPoEAccount_LineEdit->clearFocus();
    form->CfgNetMsgBoxPPPoEPassword_LineEdit->clearFocus();
    form->cPPPoeAccountError_Label->hide();
    form->cPPPoePasswordError_Label->hide();
    const char* accountError = ManualNetwork::pppoeFieldError(true, pppoeAccount);
    const char* passwordError = ManualNetwork::pppoeFieldError(false, form->CfgNetMsgBoxPPPoEPassword_LineEdit->text());
    if (!accountError && !passwordError) {
        startManualConfiguration(ManualNetwork::Pppoe);
        return;
    }
    if (accountError)
        ConfigNetworkMessageBox::showFieldError(form->cPPPoeAccountError_Label, tr(accountError));
    if (passwordError)
        ConfigNetworkMessageBox::showFieldError(form->cPPPoePasswordError_Label, tr(passwordError));
}

void DeviceSetupPage::pressConfigNetworkStaticIPConnectButton()
{
    ConfigNetworkMessageBox* box = gMainpage->findChild<ConfigNetworkMessageBox*>(kConfigNetworkBox);
    if (!box)
        return;
    Ui_ConfigNetworkMessageBox* form = box->ui;
    using ManualNetwork::StaticField;
    const QList<std::tuple<QLineEdit*, QLabel*, QString*, StaticField>> fields = {
        {form->CfgNetMsgBoxStaticIPIPAddr_LineEdit, form->cNetworkIPAddrError_Label, &staticSettings.address,
         StaticField::Address},
        {form->CfgNetMsgBoxStaticIPSubnet_LineEdit, form->cNetworkSubnetError_Label, &staticSettings.mask,
         StaticField::Mask},
        {form->CfgNetMsgBoxStaticIPGateway_LineEdit, form->cNetworkGatewayError_Label, &staticSettings.gateway,
         StaticField::Gateway},
        {form->CfgNetMsgBoxStaticIPPDNS_LineEdit, form->cNetworkPDNSError_Label, &staticSettings.primaryDns,
         StaticField::PrimaryDns},
        {form->CfgNetMsgBoxStaticIPSDNS_LineEdit, form->cNetworkSDNSError_Label, &staticSettings.secondaryDns,
         StaticField::SecondaryDns}};
    for (const auto& field : fields)
        *std::get<2>(field) = std::get<0>(field)->text();
    for (const auto& field : fields)
        std::get<0>(field)->clearFocus();
    for (const auto& field : fields)
        std::get<1>(field)->hide();
    bool valid = true;
    for (const auto& field : fields) {
        if (const char* error = ManualNetwork::staticFieldError(std::get<3>(field), *std::get<2>(field))) {
            ConfigNetworkMessageBox::showFieldError(std::get<1>(field), tr(error));
            valid = false;
        }
    }
    if (valid)
        startManualConfiguration(ManualNetwork::Static);
}

QByteArray DeviceSetupPage::manualNetworkParams() const
{
    switch (configNetworkType) {
    case ManualNetwork::Pppoe:
        return ManualNetwork::pppoeParams(pppoeAccount, pppoePassword, IPCameraList.at(IPCameraIdx).DCPVersion);
    case ManualNetwork::Static:
        return ManualNetwork::staticParams(staticSettings);
    default:
        return ManualNetwork::dhcpParams();
    }
}

void DeviceSetupPage::checkConfigNetworkConnection()
{
    if (!haveCamera())
        return;
    const IPCamera& camera = IPCameraList.at(IPCameraIdx);
    const int n = waitConfigNetworkNumber;
    const bool applied = camera.dcpStatus == IPCamera::GOT_NETWORK_SETUP && camera.IPAddr != "192.168.0.20"
                         && camera.IPAddr != "0.0.0.0";
    switch (SetupChecks::tick(SetupChecks::kConfigNetwork, n, applied, configNetworkOK)) {
    case SetupChecks::Tick::Timeout:
        checkConfigNetworkTimer->stop();
        WLOG << " checkConfigNetworkTimer timeout " << n << "stop !!";
        failCheck("++++++   checkConfigNetworkConnection () popupConfigNetworkWarning()");
        return;
    case SetupChecks::Tick::Passed:
        configNetworkOK = true;
        checkConfigNetworkTimer->stop();
        WLOG << " checkConfigNetworkTimer stop at " << n;
        checkRestartNetworkTimer->start(1000);
        break;
    case SetupChecks::Tick::Send: {
        const QByteArray params = manualNetworkParams();
        if (params.isEmpty()) {
            WLOG << "The manual network settings cannot be sent as they stand; enter them again";
            break;
        }
        WLOG << "Set <DCP_Class_03> type :" << configNetworkType
             << (configNetworkType == ManualNetwork::Pppoe ? maskSecret(QString::fromLatin1(params))
                                                           : QString::fromLatin1(params));
        gDCPUtils->dcpClass03_SetNetworkSetup(IPCameraIdx, params);
        break;
    }
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitConfigNetworkNumber :" << waitConfigNetworkNumber;
    ++waitConfigNetworkNumber;
}

void DeviceSetupPage::checkRestartNetworkConnection()
{
    if (!haveCamera())
        return;
    const int n = waitRestartNetworkNumber;
    const bool restarted = IPCameraList.at(IPCameraIdx).dcpStatus == IPCamera::GOT_RESTART;
    switch (SetupChecks::tick(SetupChecks::kRestart, n, restarted, restartNetworkOK)) {
    case SetupChecks::Tick::Timeout:
        checkRestartNetworkTimer->stop();
        WLOG << " checkRestartNetworkTimer timeout " << n << "stop !!";
        failCheck("++++++   checkRestartNetworkConnection () popupConfigNetworkWarning()");
        return;
    case SetupChecks::Tick::Passed:
        restartNetworkOK = true;
        checkRestartNetworkTimer->stop();
        WLOG << " checkRestartNetworkTimer stop at " << n;
        resetCheckingParameters();
        pressNextButton();
        return;
    case SetupChecks::Tick::Send:
        WLOG << "Set <DCP_Class_09> dcpClass09_RestartHttpSrv ...";
        gDCPUtils->dcpClass09_RestartHttpSrv(IPCameraIdx, ManualNetwork::restartParams());
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitRestartNetworkNumber :" << waitRestartNetworkNumber;
    ++waitRestartNetworkNumber;
}

// ---------------------------------------------------------------------------
// Daylight saving

namespace {

QList<QWidget*> manualDstWidgets(Ui_DeviceSetupPage* ui)
{
    return {ui->dsetupTimeSettings_GroupBox,   ui->dsetupDSTStartLabel_Label,     ui->dsetupStartMonth_QDateEdit,
            ui->dsetupStartWeek_ComboBox,      ui->dsetupStartDate_ComboBox,      ui->dsetupStartHour_QTimeEdit,
            ui->dsetupDSTEndLabel_Label,       ui->dsetupEndMonth_QDateEdit,      ui->dsetupEndWeek_ComboBox,
            ui->dsetupEndDate_ComboBox,        ui->dsetupEndHour_QTimeEdit,       ui->dsetupDSTHourOffset_ComboBox,
            ui->dsetupDSTHourOffsetLabel_Label, ui->dsetupDSTMonthLabel_Label,    ui->dsetupDSTWeekLabel_Label,
            ui->dsetupDSTDateLabel_Label,      ui->dsetupDSTTimeLabel_Label};
}

void setVisibleAll(const QList<QWidget*>& widgets, bool visible)
{
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
}

// The chosen camera's dialect by the catalogue.
bool catalogueKorva()
{
    const IPCamera* camera = chosenCamera();
    return camera && SetupCgi::isKorvaRequest(0, camera->modelName);
}

} // namespace

void DeviceSetupPage::resetDateLightSaving()
{
    ui->dsetupTimeZoneComboBox_comboBox->clear();
    ui->dsetupStartMonth_QDateEdit->setDate(QDate(2000, 1, 1));
    ui->dsetupEndMonth_QDateEdit->setDate(QDate(2000, 1, 1));
    for (QTimeEdit* hour : {ui->dsetupStartHour_QTimeEdit, ui->dsetupEndHour_QTimeEdit}) {
        hour->setTime(QTime(0, 0));
        hour->setCurrentSectionIndex(0);
    }
    for (QComboBox* list : {ui->dsetupDSTHourOffset_ComboBox, ui->dsetupStartWeek_ComboBox, ui->dsetupEndWeek_ComboBox,
                            ui->dsetupStartDate_ComboBox, ui->dsetupEndDate_ComboBox})
        list->setCurrentIndex(0);
}

void DeviceSetupPage::acceptTimeSavingSettingsCheckBox()
{
    const bool enabled = ui->dsetupDSTCheckBox_CheckBox->isChecked();
    if (!catalogueKorva()) {
        setVisibleAll(manualDstWidgets(ui), enabled);
        return;
    }
    ui->dsetupDSTSwitch_GroupBox->setVisible(enabled);
    setVisibleAll(manualDstWidgets(ui), enabled && !ui->dsetupDSTAuto_RadioButton->isChecked());
}

void DeviceSetupPage::acceptDSTAuto()
{
    setVisibleAll(manualDstWidgets(ui), !ui->dsetupDSTAuto_RadioButton->isChecked());
}

void DeviceSetupPage::acceptDSTManaul()
{
    setVisibleAll(manualDstWidgets(ui), ui->dsetupDSTManual_RadioButton->isChecked());
}

QString DeviceSetupPage::getOffsetConvert(QString offset)
{
    return SetupCgi::offsetConvert(offset, catalogueKorva());
}

QString DeviceSetupPage::getMonthConvert(QString month)
{
    return SetupCgi::monthConvert(month, catalogueKorva());
}

QString DeviceSetupPage::getWeekConvert(QString week)
{
    return SetupCgi::weekConvert(week, catalogueKorva());
}

QString DeviceSetupPage::getDateConvert(QString date)
{
    return SetupCgi::dateConvert(date);
}

QString DeviceSetupPage::getTimeConvert(QString time)
{
    return SetupCgi::timeConvert(time, catalogueKorva());
}

QString DeviceSetupPage::getTimeSavingSettings()
{
    return SetupCgi::manualDstQuery(catalogueKorva(), dstSettings());
}

// The values come from item indexes and dates, so a translated list never changes them.
SetupCgi::DstSettings DeviceSetupPage::dstSettings() const
{
    SetupCgi::DstSettings settings;
    settings.offsetIndex = ui->dsetupDSTHourOffset_ComboBox->currentIndex();
    settings.startMonth = ui->dsetupStartMonth_QDateEdit->date();
    settings.endMonth = ui->dsetupEndMonth_QDateEdit->date();
    settings.startWeekIndex = ui->dsetupStartWeek_ComboBox->currentIndex();
    settings.endWeekIndex = ui->dsetupEndWeek_ComboBox->currentIndex();
    settings.startDayIndex = ui->dsetupStartDate_ComboBox->currentIndex();
    settings.endDayIndex = ui->dsetupEndDate_ComboBox->currentIndex();
    settings.startHour = ui->dsetupStartHour_QTimeEdit->time();
    settings.endHour = ui->dsetupEndHour_QTimeEdit->time();
    return settings;
}

// ---------------------------------------------------------------------------
// Camera CGI: name, daylight saving, snapshot

namespace {

QNetworkRequest cameraRequest(const IPCamera& camera, const QString& pathAndQuery)
{
    const QString url = CameraCgi::baseUrlWithPort(camera) + pathAndQuery;
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    const QByteArray basic = CameraCgi::basicCredentials(camera);
    WLOG << "url = " << url;
    WLOG << "Auth Basic " << maskSecret(QString::fromLatin1(basic));
    request.setRawHeader("Authorization", "Basic " + basic);
    return request;
}

// The chosen camera when its address and port allow a CGI request, else null (logged).
const IPCamera* cgiCamera()
{
    const IPCamera* camera = chosenCamera();
    if (camera && CameraCgi::baseUrlWithPort(*camera).isEmpty()) {
        WLOG << "The camera's address" << camera->IPAddr << "or HTTPS port" << camera->networkconf.Https_port
             << "is no valid address; no CGI request is sent";
        return nullptr;
    }
    return camera;
}

} // namespace

void DeviceSetupPage::sendSetDeviceNameCGI(int cgi_choose_type)
{
    const IPCamera* camera = cgiCamera();
    if (!camera)
        return;
    const SetupCgi::PostRequest post = SetupCgi::nameRequest(SetupCgi::isKorvaRequest(cgi_choose_type, camera->modelName),
                                                             ui->dsetupCameraName_LineEdit->text());
    WLOG << "content = " << post.body;
    QNetworkRequest request = cameraRequest(*camera, post.pathAndQuery);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    request.setHeader(QNetworkRequest::ContentLengthHeader, post.body.size());
    gDCPUtils->networkManager->post(request, post.body);
}

void DeviceSetupPage::sendSetDSTCGI(int cgi_choose_type, int enable)
{
    const IPCamera* camera = cgiCamera();
    if (!camera)
        return;
    const bool korva = SetupCgi::isKorvaRequest(cgi_choose_type, camera->modelName);
    const QString pathAndQuery =
        SetupCgi::dstRequest(korva, enable == 1, ui->dsetupDSTAuto_RadioButton->isChecked(), dstSettings());
    WLOG << "time saving content = " << pathAndQuery;
    gDCPUtils->networkManager->get(cameraRequest(*camera, pathAndQuery));
}

void DeviceSetupPage::getDeviceImageCGI(int cgi_choose_type)
{
    const IPCamera* camera = cgiCamera();
    if (!camera)
        return;
    const QString dialect = CameraCgi::clockDialect(cgi_choose_type, camera->modelName);
    if (cgi_choose_type >= 0 && cgi_choose_type <= 2)
        dSetupCurrentCGIType = dialect.toInt();
    QNetworkRequest request =
        cameraRequest(*camera, SetupCgi::snapshotPath(dialect));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    getdSetupDeviceImageNAM->get(request);
}

void DeviceSetupPage::checkGetDeviceImageStatus()
{
    const int n = waitGetdSetupDeviceImageNumber;
    if (n % 5 != 0) {
        getDeviceImageCGI(dSetupCurrentCGIType);
    } else if (getDeviceImageOK) {
        WLOG << "checkGetDeviceImageStatus : success";
        WLOG << "==========>> dSetupCurrentCGIType :" << dSetupCurrentCGIType;
    } else {
        WLOG << "checkGetDeviceImageStatus : failed";
        dSetupCurrentCGIType = dSetupCurrentCGIType == 1 ? 2 : 1;
        WLOG << "dSetupCurrentCGIType changed to" << dSetupCurrentCGIType;
    }
    WLOG << " waitGetdSetupDeviceImageNumber :" << n;
    ++waitGetdSetupDeviceImageNumber;
}

void DeviceSetupPage::getImagefinishedSlot(QNetworkReply* reply)
{
    WLOG << "getImagefinishedSlot finished";
    const QString status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
    WLOG << "HTTP Status Code :" << status;
    if (reply->error() != QNetworkReply::NoError) {
        WLOG << "Http Error";
        getDeviceImageOK = false;
    } else {
        const QByteArray bytes = reply->readAll();
        WLOG << "HTTP return bytes.size :" << bytes.size();
        const QImage picture =
            status == "200" ? ReplyLimits::picture(bytes, ReplyLimits::kSnapshotPixels) : QImage();
        if (status != "200") {
            WLOG << "HTTP Status Code Error";
            getDeviceImageOK = false;
        } else if (picture.isNull()) {
            WLOG << "The snapshot is no picture";
            getDeviceImageOK = false;
        } else {
            WLOG << "Success";
            QLabel* label = ui->dsetupCGIIamge_Label;
            label->setPixmap(
                QPixmap::fromImage(picture.scaled(label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
            label->show();
            getDeviceImageOK = true;
        }
    }
    reply->deleteLater();
}

void DeviceSetupPage::sslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    // Only the camera's own manager is connected here: cameras present self-signed certificates.
    Q_UNUSED(errors);
    reply->ignoreSslErrors();
}

void DeviceSetupPage::slotAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    // A second challenge means the credentials were refused: the reply then ends with its error.
    if (reply->property("cameraCredentialsGiven").toBool())
        return;
    const IPCamera* camera = chosenCamera();
    if (!camera)
        return;
    reply->setProperty("cameraCredentialsGiven", true);
    authenticator->setUser("admin");
    authenticator->setPassword(QString::fromLatin1(CameraCgi::password(*camera).constData()));
}

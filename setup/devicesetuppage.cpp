#include "setup/devicesetuppage.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include "protocol/dcputils.h"
#include "shell/globals.h"
#include "shell/log.h"
#include "setup/passwordlayout.h"
#include "setup/setupinput.h"

int tryInternetNum = 0;

namespace {

const IPCamera* chosenCamera()
{
    return IPCameraIdx >= 0 && IPCameraIdx < IPCameraList.size() ? &IPCameraList.at(IPCameraIdx) : nullptr;
}

} // namespace

DeviceSetupPage::DeviceSetupPage(QWidget* parent)
    : QWidget(parent)
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

    checkPasswordTimer = new QTimer(this);
    checkNetworkCfgTimer = new QTimer(this);
    checkInternetTimer = new QTimer(this);
    checkOlvarisInfoTimer = new QTimer(this);

    connect(ui->dsetupDSTCheckBox_CheckBox, SIGNAL(clicked()), this, SLOT(acceptTimeSavingSettingsCheckBox()));
    connect(ui->dsetupDSTAuto_RadioButton, SIGNAL(clicked()), this, SLOT(acceptDSTAuto()));
    connect(ui->dsetupDSTManual_RadioButton, SIGNAL(clicked()), this, SLOT(acceptDSTManaul()));
    connect(ui->dsetupCameraName_LineEdit, SIGNAL(editingFinished()), this, SLOT(cameraNameLineEditFinished()));
    connect(ui->dsetupCameraPasscode_LineEdit, SIGNAL(editingFinished()), this,
            SLOT(cameraPasswordLineEditFinished()));
    connect(ui->dsetupRetypePasscode_LineEdit, SIGNAL(editingFinished()), this,
            SLOT(cameraPasswordRetypeLineEditFinished()));
    connect(ui->dsetupForgotPassword_Label, SIGNAL(linkActivated(QString)), this, SLOT(popupResetHint()));
    connect(ui->dsetupBack_Button, SIGNAL(clicked()), this, SLOT(pressBackButton()));
    connect(ui->dsetupNext_Button, SIGNAL(clicked()), this, SLOT(pressNextButton()));

    connect(gDCPUtils, SIGNAL(gotPasswordInitStatus(int)), this, SLOT(handleDevicePasswordInitStatus(int)),
            Qt::QueuedConnection);
    connect(gDCPUtils, SIGNAL(checkPasswordMatching(int)), this, SLOT(checkPasswordSuccess(int)),
            Qt::QueuedConnection);
    connect(gDCPUtils, SIGNAL(checkPasswordMisMatching(int)), this, SLOT(checkPasswordFailed(int)),
            Qt::QueuedConnection);
    connect(gDCPUtils, SIGNAL(gotNetworkConfig(int)), this, SLOT(handleGotNetworkConfig(int)),
            Qt::QueuedConnection);

    connect(checkPasswordTimer, SIGNAL(timeout()), this, SLOT(checkPasswordResult()));
    connect(checkNetworkCfgTimer, SIGNAL(timeout()), this, SLOT(checkNetworkCfg()));
    connect(checkInternetTimer, SIGNAL(timeout()), this, SLOT(checkInternetStatus()));
    connect(checkOlvarisInfoTimer, SIGNAL(timeout()), this, SLOT(checkOlvarisInfo()));

    connect(gDCPUtils, SIGNAL(gotPingRsp()), this, SLOT(handleCheckInternetStatus()), Qt::QueuedConnection);
    connect(gDCPUtils, SIGNAL(gotOlvarisInfo(int)), this, SLOT(handleGotOlvarisInfo(int)), Qt::QueuedConnection);

    checkOpenAPIUriInfoTimer = new QTimer(this);
    connect(checkOpenAPIUriInfoTimer, SIGNAL(timeout()), this, SLOT(checkOpenAPIUriInfoConnection()));
    checkConfigNetworkTimer = new QTimer(this);
    connect(checkConfigNetworkTimer, SIGNAL(timeout()), this, SLOT(checkConfigNetworkConnection()));
    checkRestartNetworkTimer = new QTimer(this);
    connect(checkRestartNetworkTimer, SIGNAL(timeout()), this, SLOT(checkRestartNetworkConnection()));

    openAPIUriInfoNAM = new QNetworkAccessManager(this);
    connect(openAPIUriInfoNAM, SIGNAL(finished(QNetworkReply*)), this, SLOT(getOpenAPIUrifinishedSlot(QNetworkReply*)));
    connect(openAPIUriInfoNAM, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), this,
            SLOT(slotAuthenticationRequired(QNetworkReply*, QAuthenticator*)));
    connect(openAPIUriInfoNAM, SIGNAL(sslErrors(QNetworkReply*, QList<QSslError>)), this,
            SLOT(sslErrors(QNetworkReply*, QList<QSslError>)));

    tryInternetNum = 0;

    getdSetupDeviceImageNAM = new QNetworkAccessManager(this);
    connect(getdSetupDeviceImageNAM, SIGNAL(finished(QNetworkReply*)), this, SLOT(getImagefinishedSlot(QNetworkReply*)));
    connect(getdSetupDeviceImageNAM, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), this,
            SLOT(slotAuthenticationRequired(QNetworkReply*, QAuthenticator*)));
    connect(getdSetupDeviceImageNAM, SIGNAL(sslErrors(QNetworkReply*, QList<QSslError>)), this,
            SLOT(sslErrors(QNetworkReply*, QList<QSslError>)));

    checkGetDeviceImageTimer = new QTimer(this);
    connect(checkGetDeviceImageTimer, SIGNAL(timeout()), this, SLOT(checkGetDeviceImageStatus()));
}

DeviceSetupPage::~DeviceSetupPage()
{
    delete ui;
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

// ---------------------------------------------------------------------------
// The set-up chain, its popups and the daylight-saving requests: filled by later steps.

void DeviceSetupPage::resetDateLightSaving() {}
void DeviceSetupPage::pressBackButton() {}
void DeviceSetupPage::pressNextButton() {}
void DeviceSetupPage::handleDevicePasswordInitStatus(int) {}
void DeviceSetupPage::checkPasswordSuccess(int) {}
void DeviceSetupPage::checkPasswordFailed(int) {}
void DeviceSetupPage::handleGotNetworkConfig(int) {}
void DeviceSetupPage::checkPasswordResult() {}
void DeviceSetupPage::sendPasswordCfg() {}
void DeviceSetupPage::checkNetworkCfg() {}
void DeviceSetupPage::checkInternetStatus() {}
void DeviceSetupPage::handleCheckInternetStatus() {}
void DeviceSetupPage::checkOlvarisInfo() {}
void DeviceSetupPage::handleGotOlvarisInfo(int) {}
void DeviceSetupPage::checkOpenAPIUriInfoConnection() {}
void DeviceSetupPage::sendSetDeviceNameCGI(int) {}
void DeviceSetupPage::setupCompleteInfo() {}
void DeviceSetupPage::popupPasswordErrorMsgBox(const char*) {}
void DeviceSetupPage::pressMsgPasswordErrorOKButton() {}
void DeviceSetupPage::popupResetHint() {}
void DeviceSetupPage::pressMsgStartOverButton() {}
void DeviceSetupPage::pressMsgCloseButton() {}
void DeviceSetupPage::popupConfigNetworkWarning() {}
void DeviceSetupPage::pressConfigNetworkCancelButton() {}
void DeviceSetupPage::pressConfigNetworkLocalViewButton() {}
void DeviceSetupPage::pressConfigNetworkDHCPConnectButton() {}
void DeviceSetupPage::pressConfigNetworkPPPoEConnectButton() {}
void DeviceSetupPage::pressConfigNetworkStaticIPConnectButton() {}
void DeviceSetupPage::checkConfigNetworkConnection() {}
void DeviceSetupPage::checkRestartNetworkConnection() {}
void DeviceSetupPage::acceptDSTAuto() {}
void DeviceSetupPage::acceptDSTManaul() {}
void DeviceSetupPage::getDeviceImageCGI(int) {}
void DeviceSetupPage::checkGetDeviceImageStatus() {}
void DeviceSetupPage::slotAuthenticationRequired(QNetworkReply*, QAuthenticator*) {}
void DeviceSetupPage::sslErrors(QNetworkReply*, QList<QSslError>) {}
void DeviceSetupPage::popupAPClientModeInternetFailed() {}
void DeviceSetupPage::pressMsgInternetFailedOKButton() {}
void DeviceSetupPage::pressMsgInternetFailedCloseButton() {}
void DeviceSetupPage::popupAPClientModeInternetResetFailed() {}
void DeviceSetupPage::pressMsgInternetResetFailedOKButton() {}
void DeviceSetupPage::pressMsgInternetResetFailedCloseButton() {}
void DeviceSetupPage::pressMsgInternetResetFailedResetButton() {}
void DeviceSetupPage::pressMsgInternetResetFailedLocalViewButton() {}
void DeviceSetupPage::acceptTimeSavingSettingsCheckBox() {}
void DeviceSetupPage::sendSetDSTCGI(int, int) {}

QString DeviceSetupPage::getTimeSavingSettings()
{
    return QString();
}

QString DeviceSetupPage::getOffsetConvert(QString)
{
    return QString();
}

QString DeviceSetupPage::getMonthConvert(QString)
{
    return QString();
}

QString DeviceSetupPage::getWeekConvert(QString)
{
    return QString();
}

QString DeviceSetupPage::getDateConvert(QString)
{
    return QString();
}

QString DeviceSetupPage::getTimeConvert(QString)
{
    return QString();
}

// Replies of the two managers are released even before their handlers are filled.
void DeviceSetupPage::getOpenAPIUrifinishedSlot(QNetworkReply* reply)
{
    reply->deleteLater();
}

void DeviceSetupPage::getImagefinishedSlot(QNetworkReply* reply)
{
    reply->deleteLater();
}

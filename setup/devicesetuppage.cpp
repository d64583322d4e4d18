#include "setup/devicesetuppage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimeZone>
#include <QTimer>

#include "base/globals.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "cloud/cloudservicespage.h"
#include "cloud/cloudsitemanager.h"
#include "guide/cameraconnectionpage.h"
#include "guide/resethint.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/cameratable.h"
#include "setup/clockrules.h"
#include "setup/devicesetuppage_p.h"
#include "setup/discoverypage.h"
#include "setup/passwordlayout.h"
#include "setup/setupinput.h"
#include "setup/timezonepick.h"
#include "shell/mainpage.h"

using namespace DeviceSetupShared;

int tryInternetNum = 0;

DeviceSetupPage::DeviceSetupPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_DeviceSetupPage)
{
    WLOG << "DeviceSetupPage Constructor Initializing ...";
    ui->setupUi(this);
    // The model comes from the camera: shown as it stands, never as markup.
    ui->dsetupCameraModelVaule_Label->setTextFormat(Qt::PlainText);
    ui->dsetupCameraPasscode_LineEdit->setEchoMode(QLineEdit::Password);
    ui->dsetupRetypePasscode_LineEdit->setEchoMode(QLineEdit::Password);
    ui->dsetupTimeZoneComboBox_comboBox->setStyleSheet("QScrollBar:vertical{background:white;}");
    connect(ui->dsetupTimeZoneComboBox_comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { PasswordLayout::fitTimeZoneList(ui); });

    const QList<QWidget*> hiddenAtStart = {ui->dsetupDSTHourOffset_ComboBox,
                                           ui->dsetupDSTHourOffsetLabel_Label,
                                           ui->dsetupDSTStartLabel_Label,
                                           ui->dsetupStartMonth_QDateEdit,
                                           ui->dsetupStartDate_ComboBox,
                                           ui->dsetupStartWeek_ComboBox,
                                           ui->dsetupStartHour_QTimeEdit,
                                           ui->dsetupDSTMonthLabel_Label,
                                           ui->dsetupDSTWeekLabel_Label,
                                           ui->dsetupDSTDateLabel_Label,
                                           ui->dsetupDSTTimeLabel_Label,
                                           ui->dsetupDSTEndLabel_Label,
                                           ui->dsetupEndMonth_QDateEdit,
                                           ui->dsetupEndDate_ComboBox,
                                           ui->dsetupEndWeek_ComboBox,
                                           ui->dsetupEndHour_QTimeEdit,
                                           ui->dsetupCameraModel_Label,
                                           ui->dsetupCameraModelVaule_Label,
                                           ui->dsetupError_Label,
                                           ui->dsetupPasswordRetypeError_Label,
                                           ui->dsetupPasswordErrorHint_Label,
                                           ui->dsetupDSTSwitch_GroupBox};
    for (QWidget* widget : hiddenAtStart)
        widget->hide();

    // In English until the form is translated, which the language set-up at start-up does.
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
    openAPIUriInfoNAM = new CloudSite::Manager(this);
    connect(openAPIUriInfoNAM, &QNetworkAccessManager::finished, this, &DeviceSetupPage::getOpenAPIUrifinishedSlot);

    tryInternetNum = 0;

    // Cameras present self-signed certificates and ask for their own credentials.
    getdSetupDeviceImageNAM = new ReplyLimits::BoundedManager(ReplyLimits::kSnapshot, this);
    previewDecoder = new Platform::PictureDecoder(this);
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
    ui->dsetupTiltle_Label->setText("<p style=line-height:24px><font face=Verdana color=#00B0D0>" +
                                    tr("Give Your Camera a Name and<br>Password") + "</font></p>");
    growToText(ui->dsetupTiltle_Label);
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
    // Months and hours as the language writes them; the values sent stay the fields' dates and times.
    const QLocale clock = ClockRules::clockLocale(gCurrentLanguage);
    for (QDateTimeEdit* field : QList<QDateTimeEdit*>{ui->dsetupStartMonth_QDateEdit, ui->dsetupEndMonth_QDateEdit,
                                                      ui->dsetupStartHour_QTimeEdit, ui->dsetupEndHour_QTimeEdit})
        field->setLocale(clock);
    for (QTimeEdit* hour : {ui->dsetupStartHour_QTimeEdit, ui->dsetupEndHour_QTimeEdit})
        hour->setDisplayFormat(ClockRules::hourFormat(clock));
    // The lists start again at their first entries in the new language.
    for (QComboBox* list : {ui->dsetupDSTHourOffset_ComboBox, ui->dsetupStartWeek_ComboBox, ui->dsetupEndWeek_ComboBox,
                            ui->dsetupStartDate_ComboBox, ui->dsetupEndDate_ComboBox})
        list->setCurrentIndex(0);
    ui->dsetupCameraPasscode_Label->setText(isRetypeShown() ? tr("Camera Password :") : tr("Current Password :"));
    if (const IPCamera* camera = chosenCamera()) {
        ui->dsetupCameraModelVaule_Label->setText(modelText(camera->modelName));
        ui->dsetupTiltle_Label->setText("<p style=line-height:24px><font face=Verdana color=#00B0D0>" +
                                        tr("Give Your Camera a Name and<br>Password") + "</font></p>");
        growToText(ui->dsetupTiltle_Label);
    }
    PasswordLayout::fitCaptions(ui);
    // The name's error is empty again: the rows under it go back to their places.
    PasswordLayout::place(ui, isRetypeShown());
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
    } else {
        ui->dsetupError_Label->setText(SetupInput::errorText(
            tr("Please check your device name, and make sure it is less than 32 characters long, and must<br>contain "
               "only letters and numbers")));
        ui->dsetupError_Label->show();
    }
    PasswordLayout::place(ui, isRetypeShown());
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
        ui->dsetupCameraName_LineEdit,       ui->dsetupCameraPasscode_LineEdit, ui->dsetupRetypePasscode_LineEdit,
        ui->dsetupTimeZoneComboBox_comboBox, ui->dsetupDSTCheckBox_CheckBox,    ui->dsetupDSTHourOffset_ComboBox,
        ui->dsetupStartMonth_QDateEdit,      ui->dsetupStartWeek_ComboBox,      ui->dsetupStartDate_ComboBox,
        ui->dsetupStartHour_QTimeEdit,       ui->dsetupEndMonth_QDateEdit,      ui->dsetupEndWeek_ComboBox,
        ui->dsetupEndDate_ComboBox,          ui->dsetupEndHour_QTimeEdit,       ui->dsetupDSTAuto_RadioButton,
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

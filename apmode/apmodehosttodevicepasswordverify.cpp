#include "apmode/apmodehosttodevicepasswordverify.h"

#include <QTimer>

#include "apmode/apmodedevicetorouter.h"
#include "apmode/apmodehosttodevice.h"
#include "apmode/apmoderules.h"
#include "base/globals.h"
#include "base/log.h"
#include "guide/resethint.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

namespace {
const char* const kPasswordErrorName = "APModePasswordErrorMsgBox";
constexpr int kTickMs = 1000;
constexpr int kCheckTicks = 30;
}  // namespace

APModeHostToDevicePasswordVerify::APModeHostToDevicePasswordVerify(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_APModeHostToDevicePasswordVerify)
    , passwordMatched(false)
    , waitPasswordNumber(0)
{
    ui->setupUi(this);
    WLOG << "APModeHostToDevicePasswordVerify Constructor Initializing ...";
    ui->apH2DPVCameraPasscode_LineEdit->setEchoMode(QLineEdit::Password);
    connect(ui->apH2DPVPrev_PushButton, &QPushButton::clicked, this,
            &APModeHostToDevicePasswordVerify::pressBackButton);
    connect(ui->apH2DPVReset_PushButton, &QPushButton::clicked, this,
            &APModeHostToDevicePasswordVerify::pressResetButton);
    connect(ui->apH2DPVNext_PushButton, &QPushButton::clicked, this,
            &APModeHostToDevicePasswordVerify::pressNextButton);
    connect(ui->apH2DPVCameraPasscode_LineEdit, &QLineEdit::editingFinished, this,
            &APModeHostToDevicePasswordVerify::passwordLineEditFinished);
    connect(gDCPUtils, &DCPUtils::checkPasswordMatching, this,
            &APModeHostToDevicePasswordVerify::checkAPModePasswordSuccess, Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::checkPasswordMisMatching, this,
            &APModeHostToDevicePasswordVerify::checkAPModePasswordFailed, Qt::QueuedConnection);
    checkAPModePasswordTimer = new QTimer(this);
    connect(checkAPModePasswordTimer, &QTimer::timeout, this,
            &APModeHostToDevicePasswordVerify::checkAPModePasswordResult);
}

APModeHostToDevicePasswordVerify::~APModeHostToDevicePasswordVerify()
{
    delete ui;
}

QString APModeHostToDevicePasswordVerify::stepCaption() const
{
    return tr("Let's connect the camera to your network");
}

void APModeHostToDevicePasswordVerify::enter()
{
    // A check left running by an earlier visit must not hand this camera over.
    checkAPModePasswordTimer->stop();
    resetCheckingParameters();
    gMainpage->setStep(1, stepCaption());
}

void APModeHostToDevicePasswordVerify::retranslate()
{
    ui->retranslateUi(this);
}

void APModeHostToDevicePasswordVerify::pressBackButton()
{
    IPCameraList.clear();
    setEnableKeyFocus(true);
    // Entering the page sets the step banner.
    gMainpage->enterPage(this, gAPModeHostToDevice);
}

void APModeHostToDevicePasswordVerify::pressResetButton()
{
    setEnableKeyFocus(true);
    popupResetHint();
}

void APModeHostToDevicePasswordVerify::setEnableKeyFocus(bool enable)
{
    ui->apH2DPVCameraPasscode_LineEdit->clearFocus();
    ui->apH2DPVCameraPasscode_LineEdit->setEnabled(enable);
}

void APModeHostToDevicePasswordVerify::resetCheckingParameters()
{
    passwordMatched = false;
    waitPasswordNumber = 0;
}

bool APModeHostToDevicePasswordVerify::passwordFits() const
{
    if (IPCameraList.isEmpty())
        return false;
    return APModeRules::passwordFitsRule(ui->apH2DPVCameraPasscode_LineEdit->text(),
                                         APModeRules::usesAlphanumericRule(IPCameraList.first()));
}

void APModeHostToDevicePasswordVerify::passwordLineEditFinished()
{
    QLabel* error = ui->apH2DPVPasswordError_Label;
    if (IPCameraList.isEmpty())
        return;
    if (passwordFits()) {
        error->setText("Valid");
        error->hide();
        return;
    }
    const bool alphanumeric = APModeRules::usesAlphanumericRule(IPCameraList.first());
    error->setText("<p style=line-height:10px><font face=Verdana color=#FF0000>" +
                   tr(APModeRules::passwordRuleHint(alphanumeric)) + "</font></p>");
    error->show();
}

void APModeHostToDevicePasswordVerify::pressNextButton()
{
    setEnableKeyFocus(false);
    gMainpage->showBusy();
    if (!passwordFits()) {
        ui->apH2DPVCameraPasscode_LineEdit->clear();
        checkAPModePasswordTimer->stop();
        gMainpage->hideBusy();
        popupAPModePasswordErrorMsgBox();
        return;
    }
    passwordMatched = false;
    waitPasswordNumber = 0;
    checkAPModePasswordTimer->start(kTickMs);
}

void APModeHostToDevicePasswordVerify::checkAPModePasswordResult()
{
    // A confirmation that has arrived is taken before the limit is looked at.
    if (passwordMatched) {
        checkAPModePasswordTimer->stop();
        isAPModeFlow = true;
        handOver();
        ++waitPasswordNumber;
        return;
    }
    if (IPCameraList.isEmpty()) {
        // Back has let the camera go: nothing is left to check.
        checkAPModePasswordTimer->stop();
        resetCheckingParameters();
        return;
    }
    if (waitPasswordNumber == kCheckTicks) {
        checkAPModePasswordTimer->stop();
        WLOG << " checkAPModePasswordTimer timeout " << waitPasswordNumber << "stop !!";
        passwordMatched = false;
        waitPasswordNumber = 0;
        gMainpage->hideBusy();
        popupAPModePasswordErrorMsgBox();
        return;
    }
    if (waitPasswordNumber % 2 == 0)
        sendPasswordCfg();
    ++waitPasswordNumber;
}

void APModeHostToDevicePasswordVerify::sendPasswordCfg()
{
    if (IPCameraList.isEmpty())
        return;
    IPCamera& camera = IPCameraList.first();
    const QString typed = ui->apH2DPVCameraPasscode_LineEdit->text();
    if (isNewDcp(camera.DCPVersion)) {
        camera.dcpStatus = IPCamera::WAIT_PASSWD;
        gDCPUtils->dcpClass07_CheckPassword(0, QByteArray(""), typed.toLatin1().toBase64());
        return;
    }
    checkAPModePasswordTimer->stop();
    if (APModeRules::localPasswordMatches(typed, camera.password)) {
        isAPModeFlow = true;
        handOver();
    } else {
        gMainpage->hideBusy();
        popupAPModePasswordErrorMsgBox();
    }
}

void APModeHostToDevicePasswordVerify::checkAPModePasswordSuccess(int idx)
{
    WLOG << " checkAPModePasswordSuccess : " << idx
         << (idx >= 0 && idx < IPCameraList.size() ? IPCameraList.at(idx).networkType : QByteArray());
    passwordMatched = true;
}

void APModeHostToDevicePasswordVerify::checkAPModePasswordFailed(int idx)
{
    WLOG << " Your password not correct : " << idx;
}

void APModeHostToDevicePasswordVerify::popupAPModePasswordErrorMsgBox()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kPasswordErrorName, 618, 300)
        .title(tr("Error"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Please check your password, and make sure it is 6-30 with no spaces.")),
                 {80, 100, 480, 50})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 250}, this,
                     &APModeHostToDevicePasswordVerify::pressMsgAPModePasswordErrorOKButton)
        .closeButton(this, &APModeHostToDevicePasswordVerify::pressMsgAPModePasswordErrorOKButton)
        .open();
}

void APModeHostToDevicePasswordVerify::pressMsgAPModePasswordErrorOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kPasswordErrorName);
    setEnableKeyFocus(true);
    ui->apH2DPVCameraPasscode_LineEdit->clear();
    passwordMatched = false;
    waitPasswordNumber = 0;
}

void APModeHostToDevicePasswordVerify::popupResetHint()
{
    WLOG << "open msgbox ...";
    ResetHint::open(this, &APModeHostToDevicePasswordVerify::pressMsgResetCloseButton,
                    &APModeHostToDevicePasswordVerify::pressMsgResetStartOverButton);
}

void APModeHostToDevicePasswordVerify::pressMsgResetStartOverButton()
{
    ResetHint::startOver(this, stepCaption());
}

void APModeHostToDevicePasswordVerify::pressMsgResetCloseButton()
{
    ResetHint::close();
}

void APModeHostToDevicePasswordVerify::handOver()
{
    gMainpage->hideBusy();
    gMainpage->enterPage(this, gAPModeDeviceToRouter);
    gMainpage->setStep(1, stepCaption());
    gMainpage->showBusy();
}

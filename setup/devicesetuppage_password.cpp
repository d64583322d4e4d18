#include "setup/devicesetuppage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkReply>

#include "base/globals.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "guide/resethint.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/cameradump.h"
#include "setup/devicesetuppage_p.h"
#include "setup/passwordstep.h"
#include "setup/setupchecks.h"
#include "shell/mainpage.h"

using namespace DeviceSetupShared;

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
    // Only the chosen camera's record: discovery asks every camera on the network.
    if (index >= 0 && index < IPCameraList.size() && index == IPCameraIdx)
        logCameraRecord(index, IPCameraList.at(index));
}

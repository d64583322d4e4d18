#include "setup/devicesetuppage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "base/globals.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudservicespage.h"
#include "cloud/devicesetupcompletepage.h"
#include "guide/cameraconnectionpage.h"
#include "guide/resethint.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/cameradump.h"
#include "setup/devicesetuppage_p.h"
#include "setup/passwordstep.h"
#include "setup/setupchecks.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/devicewifichangepage.h"

using namespace DeviceSetupShared;

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
    const QString iconPath = DeviceSetupCompletePage::deviceIconPath(*camera);
    WLOG << "device_icon path :" << iconPath;
    gDeviceSetupCompletePage->showDeviceSummary(*camera, iconPath);
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
        if (!SetupChecks::askOpenApi(openAPIUriInfoNAM, dSetupOpenAPIUrl)) {
            failCheck("++++++   checkOpenAPIUriInfoConnection() popupConfigNetworkWarning()");
            return;
        }
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
    const SetupChecks::OpenApiAnswer answer = SetupChecks::openApiAnswer(reply);
    SetupChecks::take(answer, {dSetupOpenAPIUrl, urlRedirect, dSetupOpenAPISite, openAPIUriInfoOK});
    reply->deleteLater();
    if (answer.kind == SetupChecks::OpenApiAnswer::Forbidden && checkOpenAPIUriInfoTimer->isActive())
        failCheck("++++++   checkOpenAPIUriInfoConnection() popupConfigNetworkWarning()");
}

// ---------------------------------------------------------------------------
// Failure popups

void DeviceSetupPage::popupPasswordErrorMsgBox(const char* text)
{
    QString content = tr(text);
    if (qstrlen(text) == 0)
        content =
            isRetypeShown()
                ? tr("Please check your password, and make sure it is 6-30 alphanumeric<br>characters with no spaces.")
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

#include "wifi/devicewifichangepage.h"

#include <QAuthenticator>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "base/globals.h"
#include "base/log.h"
#include "cloud/cloudservicespage.h"
#include "protocol/cameracgi.h"
#include "protocol/dcpcodec.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/hostinterfaces.h"
#include "setup/setupchecks.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/devicewifichangepage_p.h"
#include "wifi/wifisettings.h"

using namespace WiFiPageShared;

// ---------------------------------------------------------------------------
// WPS, "No, thanks" and the camera found again

void DeviceWiFiChangePage::popupWhatIsWPS()
{
    WLOG << "open msgbox ...";
    MessageBoxPage* popup =
        MessageBoxPage::build(gMainpage, kWhatIsWps, 618, 450)
            .title(tr("What is WPS?"), {80, 50, 440, 30})
            .content(
                MessageBoxPage::richText(tr(
                    "Wi-Fi Protected Setup (WPS) allows you to<br>set up a secure wireless connection<br>quickly, "
                    "easily and automatically.<br>Most modern routers have a WPS button. On<br>some routers you may "
                    "need to log in to the<br>web interface and then click on an on-screen<br>button to activate the "
                    "WPS feature. Check your<br>router's user manual from more details.<br><br>")),
                {80, 80, 335, 350})  // beside the picture, wrapping where a line is longer
            .picture(":/images/what_is_wps.png", {420, 130, 164, 164})
            .rightButton(tr("Close"), ButtonStyle::Blue, {480, 400}, this, &DeviceWiFiChangePage::pressMsgCloseButton)
            .closeButton(this, &DeviceWiFiChangePage::pressMsgCloseButton)
            .open();
    // The text's box reaches down over the button.
    popup->ui->msgBoxRightBtn_Button->raise();
}

void DeviceWiFiChangePage::pressMsgCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kWhatIsWps);
}

void DeviceWiFiChangePage::pressSkipButton()
{
    gWiFiConnectChoice = 0;
    startDeviceSearch();
}

void DeviceWiFiChangePage::startDeviceSearch()
{
    // Only replies to this search count.
    gotDeviceConnection = false;
    gMainpage->showBusy();
    checkDeviceConnectionTimer->start(1000);
}

void DeviceWiFiChangePage::checkDeviceConnection()
{
    const int n = waitDeviceConnectionNumber;
    if (n == kDeviceLimit || !chosenCamera()) {
        checkDeviceConnectionTimer->stop();
        WLOG << " checkDeviceDiscoveryTimer timeout " << n << "stop !!";
        gMainpage->hideBusy();
        resetChcekingParameters();
        if (gWiFiConnectChoice == 0)
            popupInternetCheckFailed();
        else if (gWiFiConnectChoice == 2)
            popupWPSConfigFailed();
        return;
    }
    if (gotDeviceConnection) {
        checkDeviceConnectionTimer->stop();
        waitDeviceConnectionNumber = 0;
        resetChcekingParameters();
        ui->dwifiSiteSurveyList_ListWidget->clear();
        waitdWiFiAPListSiteSurveyNumber = 0;
        gotAPListSiteSurvey = false;
        handOverToCompletionPage();
        return;
    }
    if (n % kWaitEvery == 0)
        sendScanPass();
    ++waitDeviceConnectionNumber;
}

void DeviceWiFiChangePage::sendScanPass()
{
    const IPCamera* camera = chosenCamera();
    const QString model = modelText(camera->modelName);
    const QString mac = camera->MAC.toUpper();
    for (const HostInterfaces::ScanSource& source : HostInterfaces::recordScanSources()) {
        gDCPUtils->dcpClass01_Scan(source.hardwareAddress, source.address, model, mac);
    }
}

void DeviceWiFiChangePage::updateConnnectionReadyEmit(int idx)
{
    WLOG << "updateConnnectionReadyEmit :" << idx;
    const IPCamera* camera = chosenCamera();
    if (camera && idx >= 0 && idx < IPCameraList.size() && sameMac(IPCameraList.at(idx).MAC, camera->MAC))
        gotDeviceConnection = true;
}

void DeviceWiFiChangePage::popupWPSConfigFailed()
{
    openOkPopup(this, kWpsFailed, 250, tr("Could Not Connect WPS"), 440,
                tr("The wizard could not communicate with your camera. Please follow the<br>instructions and try "
                   "again."),
                kTwoLines, QString(), &DeviceWiFiChangePage::pressMsgWPSConfigFailedCloseButton,
                &DeviceWiFiChangePage::pressMsgWPSConfigFailedOKButton);
}

void DeviceWiFiChangePage::pressMsgWPSConfigFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kWpsFailed);
}

void DeviceWiFiChangePage::pressMsgWPSConfigFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kWpsFailed);
}

void DeviceWiFiChangePage::popupInternetCheckFailed()
{
    openOkPopup(this, kInternetFailed, 250, tr("Could Not Connect Internet"), 500,
                tr("Please make sure your Ethernet cable is plugged and try again."), kTwoLines, QString(),
                &DeviceWiFiChangePage::pressMsgInternetCheckFailedCloseButton,
                &DeviceWiFiChangePage::pressMsgpInternetCheckFailedOKButton);
}

void DeviceWiFiChangePage::pressMsgInternetCheckFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailed);
}

void DeviceWiFiChangePage::pressMsgpInternetCheckFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kInternetFailed);
}

// ---------------------------------------------------------------------------
// Cloud checks after the Wi-Fi step

void DeviceWiFiChangePage::checkOlvarisInfo()
{
    const int n = waitOlvarisInfoWiFiNumber;
    const IPCamera* camera = chosenCamera();
    if (n == kCloudLimit || !camera) {
        checkOlvarisInfoWiFiTimer->stop();
        WLOG << " waitOlvarisInfoWiFiNumber timeout "
             << "stop !!";
        resetChcekingParameters();
        gMainpage->hideBusy();
        return;
    }
    if (gotOlvarisInfoWiFi && camera->dcpStatus == IPCamera::GOT_OLVARIS_INFO && camera->remote == "1") {
        checkOlvarisInfoWiFiTimer->stop();
        checkOpenAPIUriInfoTimer->start(1000);
    }
    if (n % 2 == 0 && !gotOlvarisInfoWiFi)
        gDCPUtils->dcpClass02_GetOlvarisInfo(IPCameraIdx, 1);
    ++waitOlvarisInfoWiFiNumber;
}

void DeviceWiFiChangePage::handleGotOlvarisInfo(int idx)
{
    const IPCamera* camera = chosenCamera();
    if (idx < 0 || idx >= IPCameraList.size() || !camera)
        return;
    if (IPCameraList.at(idx).dcpStatus == IPCamera::GOT_OLVARIS_INFO && camera->remote == "1")
        gotOlvarisInfoWiFi = true;
    WLOG << "remote :" << IPCameraList.at(idx).remote;
}

void DeviceWiFiChangePage::checkOpenAPIUriInfoConnection()
{
    const int n = waitOpenAPIUriInfoNumber;
    const IPCamera* camera = chosenCamera();
    // In local-only mode there is no cloud page to go to.
    if (n == kCloudLimit || !camera || (gotOpenAPIUriInfo && !gCloudServicesPage)) {
        WLOG << "checkOpenAPIUriInfoTimer timeout "
             << "stop !!";
        failOpenApiCheck();
    } else if (gotOpenAPIUriInfo) {
        if (waitWiFiLoadingFinished == 0) {
            gCloudServicesPage->getSignInPage(openAPISiteFound);
            gCloudServicesPage->getSignUpTimeStamp(openAPISiteFound);
            waitWiFiLoadingFinished = n;
        } else if (signUpPageReached && signInPageReached) {
            WLOG << "checkOpenAPIUriInfoTimer stop at " << n << ", back to the cloud page";
            checkOpenAPIUriInfoTimer->stop();
            gMainpage->hideBusy();
            gMainpage->enterPage(this, gCloudServicesPage);
            gCloudServicesPage->getElements();
            waitWiFiLoadingFinished = 0;
            signUpPageReached = false;
            signInPageReached = false;
        }
    } else if (n % 2 == 0) {
        if (!openAPIUrlRedirected)
            openAPIRedirectUrl = SetupChecks::openApiUrl(camera->portal);
        if (!SetupChecks::askOpenApi(openAPIUriNetworkManager, openAPIRedirectUrl))
            failOpenApiCheck();
    }
    ++waitOpenAPIUriInfoNumber;
}

void DeviceWiFiChangePage::endCloudCheck()
{
    if (!checkOpenAPIUriInfoTimer->isActive())
        return;
    WLOG << "the cloud pages did not load, cloud check stopped";
    failOpenApiCheck();
}

void DeviceWiFiChangePage::failOpenApiCheck()
{
    checkOpenAPIUriInfoTimer->stop();
    resetChcekingParameters();
    gMainpage->hideBusy();
}

void DeviceWiFiChangePage::getOpenAPIUrifinishedSlot(QNetworkReply* reply)
{
    // Read as the setup page reads the same answer.
    WLOG << "OpenAPI address status :" << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
    const SetupChecks::OpenApiAnswer answer = SetupChecks::openApiAnswer(reply);
    SetupChecks::take(answer, {openAPIRedirectUrl, openAPIUrlRedirected, openAPISiteFound, gotOpenAPIUriInfo});
    reply->deleteLater();
    if (answer.kind == SetupChecks::OpenApiAnswer::Forbidden && checkOpenAPIUriInfoTimer->isActive())
        failOpenApiCheck();
}

void DeviceWiFiChangePage::slotAuthenticationRequired(QNetworkReply* reply, QAuthenticator*)
{
    // The portal is an Internet host: the camera's credentials are not for it.
    WLOG << "OpenAPI address asks for credentials :" << reply->url().host();
}

void DeviceWiFiChangePage::sslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    // Certificates are verified: the answer chooses the site of the sign-in page.
    for (const QSslError& error : errors)
        WLOG << "OpenAPI address certificate :" << reply->url().host() << error.errorString();
}

#include "wifi/devicewifichangepage.h"

#include <QAuthenticator>
#include <QNetworkReply>

#include "base/globals.h"
#include "base/log.h"
#include "cloud/devicesetupcompletepage.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/setupchecks.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/devicewifichangepage_p.h"
#include "wifi/wifisettings.h"
#include "wifi/wirelessmessagebox.h"

using namespace WiFiPageShared;

// ---------------------------------------------------------------------------
// Settings, restart and network waits

void DeviceWiFiChangePage::checkdWiFiAutoConnection()
{
    const int n = waitdWiFiAutoConnectNumber;
    const IPCamera* camera = chosenCamera();
    if (!camera) {
        WLOG << "checkdAutoConnectTimer no camera chosen, stop !!";
        checkdAutoConnectTimer->stop();
        gMainpage->hideBusy();
        return;
    }
    const int row = ui->dwifiSiteSurveyList_ListWidget->currentRow();
    WLOG << "APIdx :" << row;
    QString key;
    if (camera->APConfig.AP_AuthMode.value(row) != "0") {
        key = textOf(lineEditIn(WirelessMessageBox::find(gMainpage, kAutoBox), "WirelessAutoPassword_LineEdit"));
        WLOG << "linedit :" << maskSecret(key);
    }
    switch (SetupChecks::tick(kSettingsWait, n, camera->dcpStatus == IPCamera::GOT_NETWORK_SETUP, gotAutoConnect)) {
    case SetupChecks::Tick::Timeout:
        checkdAutoConnectTimer->stop();
        WLOG << "checkdAutoConnectTimer timeout "
             << "stop !!";
        gotAutoConnect = true;
        gMainpage->hideBusy();
        popupWiFiConfigFailed();
        break;
    case SetupChecks::Tick::Passed:
        gotAutoConnect = true;
        checkdAutoConnectTimer->stop();
        WLOG << "checkdAutoConnectTimer stop at " << n;
        checkRestartNetworkTimer->start(1000);
        break;
    case SetupChecks::Tick::Send: {
        const QByteArray content = WifiSettings::content(WifiSettings::surveyed(camera->APConfig, row, key));
        WLOG << " content :" << WifiSettings::maskedForLog(content);
        gDCPUtils->dcpClass03_SetNetworkSetup(IPCameraIdx, content);
        break;
    }
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitdWiFiAutoConnectNumber :" << waitdWiFiAutoConnectNumber;
    ++waitdWiFiAutoConnectNumber;
}

void DeviceWiFiChangePage::checkdWiFiManualConnection()
{
    const int n = waitdWiFiManualConnectNumber;
    const IPCamera* camera = chosenCamera();
    if (!camera) {
        WLOG << "checkdWiFiManualConnectTimer no camera chosen, stop !!";
        checkdWiFiManualConnectTimer->stop();
        gMainpage->hideBusy();
        return;
    }
    WirelessMessageBox* box = WirelessMessageBox::find(gMainpage, kManualBox);
    const QString ssid = textOf(lineEditIn(box, "WirelessManualName_LineEdit"));
    const QString key = textOf(lineEditIn(box, "WirelessManualPassword_LineEdit"));
    const int security = box ? box->ui->WirelessManualSecurity_ComboBox->currentIndex() : 0;
    const int encryption = box ? box->ui->WirelessManualEncrypt_ComboBox->currentIndex() : 0;
    WLOG << " wirelessName :" << ssid << " wirelessPWD :" << maskSecret(key) << " SecIdx :" << security
         << " EncrptIdx :" << encryption;
    switch (SetupChecks::tick(kSettingsWait, n, camera->dcpStatus == IPCamera::GOT_NETWORK_SETUP, gotManualConnect)) {
    case SetupChecks::Tick::Timeout:
        gotManualConnect = true;
        checkdWiFiManualConnectTimer->stop();
        WLOG << "checkdWiFiManualConnectTimer timeout "
             << "stop !!";
        gMainpage->hideBusy();
        popupWiFiConfigFailed();
        break;
    case SetupChecks::Tick::Passed:
        gotManualConnect = true;
        checkdWiFiManualConnectTimer->stop();
        WLOG << "checkdWiFiManualConnectTimer stop at " << n;
        checkRestartNetworkTimer->start(1000);
        break;
    case SetupChecks::Tick::Send:
        if (box) {
            const QByteArray content = WifiSettings::content(WifiSettings::typed(ssid, security, encryption, key));
            WLOG << " content :" << WifiSettings::maskedForLog(content);
            gDCPUtils->dcpClass03_SetNetworkSetup(IPCameraIdx, content);
        }
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitdWiFiManualConnectNumber :" << waitdWiFiManualConnectNumber;
    ++waitdWiFiManualConnectNumber;
}

void DeviceWiFiChangePage::checkRestartNetworkConnection()
{
    const int n = waitRestartNetworkNumber;
    const IPCamera* camera = chosenCamera();
    switch (camera ? SetupChecks::tick(kRestartWait, n, camera->dcpStatus == IPCamera::GOT_RESTART, gotRestartNetwork)
                   : SetupChecks::Tick::Timeout) {
    case SetupChecks::Tick::Timeout:
        checkRestartNetworkTimer->stop();
        WLOG << "checkRestartNetworkTimer timeout "
             << "stop !!";
        gMainpage->hideBusy();
        waitRestartNetworkNumber = 0;
        gotRestartNetwork = false;
        popupWiFiConfigFailed();
        return;
    case SetupChecks::Tick::Passed:
        gotRestartNetwork = true;
        checkRestartNetworkTimer->stop();
        WLOG << "checkRestartNetworkTimer stop at " << n;
        gMainpage->hideBusy();
        waitRestartNetworkNumber = 0;
        popupRemoveEthernetCable();
        break;
    case SetupChecks::Tick::Send:
        WLOG << "Set <DCP_Class_09> dcpClass09_RestartHttpSrv ...";
        gDCPUtils->dcpClass09_RestartHttpSrv(IPCameraIdx, ";L=1;N=1");
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitRestartNetworkNumber :" << waitRestartNetworkNumber;
    ++waitRestartNetworkNumber;
}

void DeviceWiFiChangePage::checkdWiFiNetworkConnection()
{
    const int n = waitdWiFiNetworkNumber;
    const IPCamera* camera = chosenCamera();
    const bool moved = camera && camera->dcpStatus == IPCamera::GOT_NETWORK_SETUP && camera->IPAddr != "192.168.0.20" &&
                       camera->IPAddr != "0.0.0.0";
    switch (camera ? SetupChecks::tick(kNetworkWait, n, moved, false) : SetupChecks::Tick::Timeout) {
    case SetupChecks::Tick::Timeout:
        checkdWiFiNetworkTimer->stop();
        WLOG << "checkdWiFiNetworkTimer timeout "
             << "stop !!";
        gMainpage->hideBusy();
        waitdWiFiNetworkNumber = 0;
        gotWiFiNetwork = false;
        popupPlugInEthernetCable();
        return;
    case SetupChecks::Tick::Passed:
        gotWiFiNetwork = true;
        checkdWiFiNetworkTimer->stop();
        WLOG << "checkdWiFiNetworkTimer stop at " << n << camera->IPAddr;
        handOverToCompletionPage();
        return;
    case SetupChecks::Tick::Send:
        WLOG << "Set <DCP_Class_03> Discviery Device ...";
        gDCPUtils->dcpClass03_GetNetworkSetup(IPCameraIdx);
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitdWiFiNetworkNumber :" << waitdWiFiNetworkNumber;
    ++waitdWiFiNetworkNumber;
}

void DeviceWiFiChangePage::handOverToCompletionPage()
{
    const IPCamera* camera = chosenCamera();
    WLOG << "To the completion page, camera at :" << (camera ? camera->IPAddr : QString());
    resetChcekingParameters();
    gMainpage->hideBusy();
    gMainpage->enterPage(this, gDeviceSetupCompletePage);
}

// ---------------------------------------------------------------------------
// Popups of the Wi-Fi road

void DeviceWiFiChangePage::popupWiFiConfigFailed()
{
    openOkPopup(this, kConfigFailed, 250, tr("Could Not Connect Wirelessly"), 440,
                tr("Could not save your wireless settings, Please try again and make sure your<br>Ethernet cable is "
                   "plugged."),
                kTwoLines, QString(), &DeviceWiFiChangePage::pressMsgWiFiConfigFailedCloseButton,
                &DeviceWiFiChangePage::pressMsgWiFiConfigFailedOKButton);
}

void DeviceWiFiChangePage::popupRemoveEthernetCable()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kRemoveCable, 618, 350)
        .title(tr("Remove Your Ethernet Cable"), {80, 50, 440, 30})
        .flowingContent(tr("Remove the Ethernet cable from your camera, then<br>click OK.<br><br>"),
                        {80, 80, 324, 120})  // beside the picture
        .picture(":/images/remove_ethernet_cable.png", {420, 100, 168, 167})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 300}, this, &DeviceWiFiChangePage::pressMsgRemoveCableOKButton)
        .closeButton(this, &DeviceWiFiChangePage::pressMsgRemoveCableCloseButton)
        .open();
}

void DeviceWiFiChangePage::popupPlugInEthernetCable()
{
    openOkPopup(this, kPlugInCable, 350, tr("Could Not Connect Wirelessly"), 440,
                tr("Your camera could not connect to your Wi-Fi<br>network. Please reconnect the Ethernet cable<br>to "
                   "your camera, then click OK to set up your<br>wireless settings again.<br><br>"),
                120, ":/images/plugin_ehernet_cable.png", &DeviceWiFiChangePage::pressMsgPlugInEthernetCableCloseButton,
                &DeviceWiFiChangePage::pressMsgPlugInEthernetCableOKButton);
}

void DeviceWiFiChangePage::pressMsgWiFiConfigFailedOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kConfigFailed);
    gMainpage->showBusy();
    waitRestartNetworkNumber = 0;
    gotRestartNetwork = false;
    if (waitdWiFiAutoConnectNumber != 0) {
        waitdWiFiAutoConnectNumber = 0;
        gotAutoConnect = false;
        startSettingsWait(checkdAutoConnectTimer);
    } else {
        waitdWiFiManualConnectNumber = 0;
        gotManualConnect = false;
        startSettingsWait(checkdWiFiManualConnectTimer);
    }
}

void DeviceWiFiChangePage::leaveSettingsRoad()
{
    WirelessMessageBox::closeByName(gMainpage, lastEntryBoxName());
    resetChcekingParameters();
}

void DeviceWiFiChangePage::pressMsgWiFiConfigFailedCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kConfigFailed);
    leaveSettingsRoad();
}

void DeviceWiFiChangePage::pressMsgRemoveCableOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kRemoveCable);
    gMainpage->showBusy();
    checkdWiFiNetworkTimer->start(1000);
}

void DeviceWiFiChangePage::pressMsgRemoveCableCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kRemoveCable);
    leaveSettingsRoad();
}

void DeviceWiFiChangePage::pressMsgPlugInEthernetCableCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kPlugInCable);
    leaveSettingsRoad();
}

void DeviceWiFiChangePage::pressMsgPlugInEthernetCableOKButton()
{
    MessageBoxPage::closeByName(gMainpage, kPlugInCable);
    WLOG << "WiFiRetryConuter ..." << WiFiRetryConuter;
    if (WiFiRetryConuter > kRetries) {
        gMainpage->hideBusy();
        // Whichever box is left, so that no hidden box keeps its name.
        WirelessMessageBox::closeByName(gMainpage, kAutoBox);
        WirelessMessageBox::closeByName(gMainpage, kManualBox);
        handOverToCompletionPage();
        return;
    }
    leaveSettingsRoad();
    ++WiFiRetryConuter;
}

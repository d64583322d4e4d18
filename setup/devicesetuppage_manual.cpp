#include "setup/devicesetuppage.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QNetworkReply>

#include "base/globals.h"
#include "base/log.h"
#include "guide/resethint.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/confignetworkmessagebox.h"
#include "setup/devicesetuppage_p.h"
#include "setup/manualnetwork.h"
#include "setup/setupchecks.h"
#include "shell/mainpage.h"

using namespace DeviceSetupShared;

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
    for (QLabel* label : {form->ConfigNetworkMsgBoxContent_Label, form->CfgNetMsgBoxCType_Label})
        growToText(label);
    box->show();
    box->raise();
}

void DeviceSetupPage::closeConfigNetworkBox()
{
    ConfigNetworkMessageBox* box = gMainpage->findChild<ConfigNetworkMessageBox*>(kConfigNetworkBox);
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
    pppoePassword = form->CfgNetMsgBoxPPPoEPassword_LineEdit->text();
    form->CfgNetMsgBoxPPPoEAccount_LineEdit->clearFocus();
    form->CfgNetMsgBoxPPPoEPassword_LineEdit->clearFocus();
    form->cPPPoeAccountError_Label->hide();
    form->cPPPoePasswordError_Label->hide();
    const IPCamera* camera = chosenCamera();
    const QByteArray dcpVersion = camera ? camera->DCPVersion : QByteArray();
    const char* accountError = ManualNetwork::pppoeFieldError(true, pppoeAccount, dcpVersion);
    const char* passwordError = ManualNetwork::pppoeFieldError(false, pppoePassword, dcpVersion);
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
    const bool applied = camera.dcpStatus == IPCamera::GOT_NETWORK_SETUP && camera.IPAddr != "192.168.0.20" &&
                         camera.IPAddr != "0.0.0.0";
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
        break;
    case SetupChecks::Tick::Send:
        WLOG << "Set <DCP_Class_09> dcpClass09_RestartHttpSrv ...";
        gDCPUtils->dcpClass09_RestartHttpSrv(IPCameraIdx, ManualNetwork::restartParams());
        break;
    case SetupChecks::Tick::Wait:
        break;
    }
    WLOG << " waitRestartNetworkNumber :" << n;
    ++waitRestartNetworkNumber;
}

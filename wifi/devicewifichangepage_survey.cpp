#include "wifi/devicewifichangepage.h"

#include <QAuthenticator>
#include <QNetworkReply>
#include <QTimer>

#include "base/globals.h"
#include "base/log.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/devicewifichangepage_p.h"
#include "wifi/wifisettings.h"
#include "wifi/wirelessmessagebox.h"
#include "wifi/wirelessrules.h"

using namespace WiFiPageShared;

// ---------------------------------------------------------------------------
// Site survey and the choice of a network

void DeviceWiFiChangePage::checkdWiFiAPListSiteSurvey()
{
    const int n = waitdWiFiAPListSiteSurveyNumber;
    if (!chosenCamera()) {
        WLOG << "checkdWiFiAPListSiteSurveyTimer no camera chosen, stop !!";
        checkdWiFiAPListSiteSurveyTimer->stop();
        ui->dwifiManual_PushButton->setEnabled(true);
        gMainpage->hideBusy();
        return;
    }
    if (n % kSurveyEvery == 0 && !gotAPListSiteSurvey) {
        clearAccessPoints(chosenCamera());
        gDCPUtils->dcpClass04_GetAPSearch(IPCameraIdx);
    }
    const IPCamera* camera = chosenCamera();
    if (n == kSurveyLimit) {
        checkdWiFiAPListSiteSurveyTimer->stop();
        ui->dwifiManual_PushButton->setEnabled(true);
        WLOG << "checkdWiFiAPListSiteSurveyTimer timeout "
             << "stop !!";
        waitdWiFiAPListSiteSurveyNumber = 0;
        gotAPListSiteSurvey = false;
        gMainpage->hideBusy();
    } else if (camera->dcpStatus == IPCamera::GOT_AP) {
        gotAPListSiteSurvey = true;
        checkdWiFiAPListSiteSurveyTimer->stop();
        ui->dwifiManual_PushButton->setEnabled(true);
        const int rows = qMin(camera->APConfig.numAP, int(camera->APConfig.AP_SSID.size()));
        for (int i = 0; i < rows; ++i)
            ui->dwifiSiteSurveyList_ListWidget->addItem(QString::fromUtf8(untilZero(camera->APConfig.ssidAt(i))));
        WLOG << "checkdWiFiAPListSiteSurveyTimer stop at " << n;
        gMainpage->hideBusy();
    }
    WLOG << " waitdWiFiAPListSiteSurveyNumber :" << waitdWiFiAPListSiteSurveyNumber;
    ++waitdWiFiAPListSiteSurveyNumber;
}

void DeviceWiFiChangePage::pressRescanButton()
{
    setNextEnabled(false);
    ui->dwifiSiteSurveyList_ListWidget->clear();
    clearAccessPoints(chosenCamera());
    gotAPListSiteSurvey = false;
    waitdWiFiAPListSiteSurveyNumber = 0;
    checkdWiFiAPListSiteSurveyTimer->start(1000);
    ui->dwifiManual_PushButton->setEnabled(false);
    gMainpage->showBusy();
}

void DeviceWiFiChangePage::clickdWiFiSiteSurveyList(QListWidgetItem* item)
{
    setNextEnabled(true);
    WLOG << "index :" << ui->dwifiSiteSurveyList_ListWidget->currentRow();
    WLOG << "ap name :" << (item ? item->text() : QString());
}

void DeviceWiFiChangePage::pressNextButton()
{
    if (ui->dwifiWiFi_GroupBox->isHidden()) {
        WLOG << "WPS ...";
        gWiFiConnectChoice = 2;
        startDeviceSearch();
        return;
    }
    gWiFiConnectChoice = 1;
    const IPCamera* camera = chosenCamera();
    const int row = ui->dwifiSiteSurveyList_ListWidget->currentRow();
    if (camera && camera->APConfig.AP_AuthMode.value(row, "Unknown") == "0") {
        WLOG << "NO Security !!!!";
        gMainpage->showBusy();
        startSettingsWait(checkdAutoConnectTimer);
        return;
    }
    WLOG << "HAS Security !!!!";
    popupWirelessAutoPasswordWarning();
}

void DeviceWiFiChangePage::pressManualButton()
{
    popupWirelessManualPasswordWarning();
}

void DeviceWiFiChangePage::startSettingsWait(QTimer* timer)
{
    if (IPCamera* camera = chosenCamera())
        camera->dcpStatus = 0;
    timer->start(1000);
}

// ---------------------------------------------------------------------------
// Entry boxes

namespace {

void styleBoxButtons(QPushButton* cancel, QPushButton* connect)
{
    cancel->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    cancel->setText(DeviceWiFiChangePage::tr("Cancel"));
    connect->setStyleSheet(MessageBoxPage::blueButtonStyle());
    connect->setText(DeviceWiFiChangePage::tr("Connect"));
}

}  // namespace

void DeviceWiFiChangePage::popupWirelessAutoPasswordWarning()
{
    WirelessMessageBox* box = WirelessMessageBox::open(gMainpage, kAutoBox, WirelessMessageBox::Kind::Auto,
                                                       tr("Enter Wi-Fi Password"), {50, 50, 520, 30});
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessAutoNameTitle_Label->setText(tr("Wi-Fi Name (SSID) :"));
    form->WirelessAutoPasswordTitle_Label->setText(tr("Wi-Fi Password :"));
    const QListWidgetItem* item = ui->dwifiSiteSurveyList_ListWidget->currentItem();
    form->WirelessAutoName_Label->setText(item ? item->text() : QString());
    styleBoxButtons(form->WirelessAutoCancel_Button, form->WirelessAutoConnect_Button);
    connect(form->WirelessAutoCancel_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessAutoCancelButton);
    connect(form->WirelessAutoConnect_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessAutoConnectButton);
}

void DeviceWiFiChangePage::popupWirelessManualPasswordWarning()
{
    WirelessMessageBox* box = WirelessMessageBox::open(gMainpage, kManualBox, WirelessMessageBox::Kind::Manual,
                                                       tr("Enter Your Wi-Fi Network Information"), {50, 50, 520, 30});
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessManualNameTitle_Label->setText(tr("Wi-Fi Name (SSID) :"));
    form->WirelessManualPasswordTitle_Label->setText(tr("Wi-Fi Password :"));
    styleBoxButtons(form->WirelessManualCancel_Button, form->WirelessManualConnect_Button);
    connect(form->WirelessManualCancel_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessManualCancelButton);
    connect(form->WirelessManualConnect_Button, &QPushButton::clicked, this,
            &DeviceWiFiChangePage::pressWirelessManualConnectButton);
}

void DeviceWiFiChangePage::pressWirelessAutoConnectButton()
{
    WirelessMessageBox* box = WirelessMessageBox::find(gMainpage, kAutoBox);
    if (!box)
        return;
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessAutoPasswordError_Label->hide();
    form->WirelessAutoPassword_LineEdit->clearFocus();
    if (form->WirelessAutoPassword_LineEdit->text().isEmpty()) {
        form->WirelessAutoPasswordError_Label->setText(
            WirelessRules::errorText(tr("Please enter the wireless password"), 10));
        form->WirelessAutoPasswordError_Label->show();
        return;
    }
    box->hide();
    gMainpage->showBusy();
    startSettingsWait(checkdAutoConnectTimer);
}

void DeviceWiFiChangePage::pressWirelessManualConnectButton()
{
    WirelessMessageBox* box = WirelessMessageBox::find(gMainpage, kManualBox);
    if (!box)
        return;
    Ui_WirelessMessageBox* form = box->ui;
    form->WirelessManualAPNameError_Label->hide();
    form->WirelessManualAPPasswordError_Label->hide();
    form->WirelessManualName_LineEdit->clearFocus();
    form->WirelessManualPassword_LineEdit->clearFocus();
    const bool noName = form->WirelessManualName_LineEdit->text().isEmpty();
    const bool noPassword = form->WirelessManualPassword_LineEdit->text().isEmpty();
    if (!noName && !noPassword) {
        box->hide();
        gMainpage->showBusy();
        startSettingsWait(checkdWiFiManualConnectTimer);
        return;
    }
    if (noName) {
        form->WirelessManualAPNameError_Label->setText(
            WirelessRules::errorText(tr("Please enter the Network Name (SSID)"), 10));
        form->WirelessManualAPNameError_Label->show();
    }
    if (noPassword) {
        form->WirelessManualAPPasswordError_Label->setText(
            WirelessRules::errorText(tr("Please enter the wireless password"), 10));
        form->WirelessManualAPPasswordError_Label->show();
    }
}

void DeviceWiFiChangePage::pressWirelessAutoCancelButton()
{
    WirelessMessageBox::closeByName(gMainpage, kAutoBox);
}

void DeviceWiFiChangePage::pressWirelessManualCancelButton()
{
    WirelessMessageBox::closeByName(gMainpage, kManualBox);
}

QString DeviceWiFiChangePage::lastEntryBoxName() const
{
    return waitdWiFiAutoConnectNumber != 0 ? kAutoBox : kManualBox;
}

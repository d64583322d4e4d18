#include "setup/discoverypage.h"

#include <QFile>
#include <QHeaderView>
#include <QTimer>

#include <algorithm>
#include <iterator>

#include "base/globals.h"
#include "base/log.h"
#include "base/logsummary.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/cameradump.h"
#include "setup/cameratable.h"
#include "setup/devicesetuppage.h"
#include "setup/hostinterfaces.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

#include "guide/cameraconnectionpage.h"

namespace {

const char kBroadcastMac[] = "FF:FF:FF:FF:FF:FF";
constexpr int kScanInterval = 1000;
constexpr int kScanTicks = 20;
constexpr int kTicksPerPass = 5;
constexpr int kRowHeight = 40;
const int kColumnWidths[] = {20, 35, 35, 210, 210, 143};
enum Column
{
    MarkColumn,
    PictureColumn,
    NewColumn,
    NameColumn,
    MacColumn,
    AddressColumn
};
// The MAC cell also holds the camera's macKey, made once when the row is added.
constexpr int kMacKeyRole = Qt::UserRole;

constexpr int kPopupWidth = 618;
const char kCameraNotFoundPopup[] = "CameraNotFoundWarning";
const char kWhatIsMacPopup[] = "whatIsMACWarning";

QTableWidgetItem* markItem(bool checked)
{
    return new QTableWidgetItem(QIcon(checked ? ":/images/radio_check.png" : ":/images/radio_uncheck.png"), "");
}

QTableWidgetItem* pictureItem(const QString& path, int width, int height)
{
    auto* item = new QTableWidgetItem;
    const QPixmap picture(path);
    if (!picture.isNull())
        item->setData(Qt::DecorationRole, picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return item;
}

}  // namespace

DiscoveryPage::DiscoveryPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_DiscoveryPage)
    , checkDeviceDiscoveryTimer(nullptr)
    , waitDiscoveryNumber(0)
{
    WLOG << "DiscoveryPage Constructor Initializing ...";
    ui->setupUi(this);
    setUpCameraTable();

    QFile scrollbarStyle(":/style_scrollbar.qss");
    if (!scrollbarStyle.open(QFile::ReadOnly))
        WLOG << "Error Opening Stylesheet File ";
    ui->discoveryCameraTb_TableWidget->setStyleSheet(QString::fromLatin1(scrollbarStyle.readAll()));

    hidePasswordLineEdits();
    ui->discoveryNext_Button->setEnabled(false);
    ui->discoveryNotFound_Label->hide();

    connect(ui->discoveryWhatIsMAC_Label, &QLabel::linkActivated, this, &DiscoveryPage::popupWhatIsMAC);
    connect(ui->discoveryPrev_Button, &QPushButton::clicked, this, &DiscoveryPage::pressBackButton);
    connect(ui->discoveryNext_Button, &QPushButton::clicked, this, &DiscoveryPage::pressNextButton);
    connect(ui->discoveryRefresh_Button, &QPushButton::clicked, this, &DiscoveryPage::pressRefreshButton);
    connect(ui->discoveryHint_Label, &QLabel::linkActivated, this, &DiscoveryPage::popupCameraNotFound);
    connect(gDCPUtils, &DCPUtils::gotPasswordInitStatus, this, &DiscoveryPage::updateDeviceTableList,
            Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::gotPassword, this, &DiscoveryPage::updateDeviceTableList, Qt::QueuedConnection);
    connect(gDCPUtils, &DCPUtils::foundDevice, this, &DiscoveryPage::updateCameraEmit, Qt::QueuedConnection);
    connect(ui->discoveryCameraTb_TableWidget, &QTableWidget::cellClicked, this,
            &DiscoveryPage::showCameraTableCellClicked);

    checkDeviceDiscoveryTimer = new QTimer(this);
    connect(checkDeviceDiscoveryTimer, &QTimer::timeout, this, &DiscoveryPage::checkDeviceDiscovery);
}

DiscoveryPage::~DiscoveryPage()
{
    delete ui;
}

void DiscoveryPage::retranslate()
{
    ui->retranslateUi(this);
}

void DiscoveryPage::setUpCameraTable()
{
    QTableWidget* table = ui->discoveryCameraTb_TableWidget;
    table->setColumnCount(int(std::size(kColumnWidths)));
    table->setRowCount(0);
    table->setFocusPolicy(Qt::NoFocus);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setVisible(false);
    table->setFrameShape(QFrame::NoFrame);
    table->setMouseTracking(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = table->palette();
    palette.setBrush(QPalette::Base, QBrush(QColor(255, 255, 255, 0)));
    table->setPalette(palette);
    table->setShowGrid(false);
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        table->setColumnWidth(column, kColumnWidths[column]);
    table->clear();
}

// ---------------------------------------------------------------------------
// Scan loop

void DiscoveryPage::scanDevices()
{
    ui->discoveryNotFound_Label->hide();
    gDeviceSetupPage->resetCheckingParameters();
    removeAllRows(false);
    waitDiscoveryNumber = 0;
    queriedThisTick.clear();
    checkDeviceDiscoveryTimer->start(kScanInterval);
    // Only the picture: the table stays clickable while the scan runs.
    gMainpage->showScanPicture();
}

void DiscoveryPage::pressRefreshButton()
{
    removeAllRows(false);
    resetPasswordLineEdits();
    hidePasswordLineEdits();
    setNextEnabled(false);
    IPCameraList.clear();
    scanDevices();
}

void DiscoveryPage::checkDeviceDiscovery()
{
    queriedThisTick.clear();
    if (waitDiscoveryNumber == kScanTicks) {
        checkDeviceDiscoveryTimer->stop();
        WLOG << " checkDeviceDiscoveryTimer timeout " << waitDiscoveryNumber << "stop !!";
        waitDiscoveryNumber = 0;
        if (ui->discoveryCameraTb_TableWidget->rowCount() == 0) {
            ui->discoveryNotFound_Label->setGeometry(192, 218, 421, 41);
            growToText(ui->discoveryNotFound_Label);  // its lines wrap in the longer languages
            ui->discoveryNotFound_Label->show();
        } else {
            ui->discoveryNotFound_Label->hide();
        }
        hideScanPicture();
    }
    if (waitDiscoveryNumber % kTicksPerPass == 0)
        sendScanPass();
    WLOG << " waitDiscoveryNumber :" << waitDiscoveryNumber;
    ++waitDiscoveryNumber;
}

void DiscoveryPage::sendScanPass()
{
    for (const HostInterfaces::ScanSource& source : HostInterfaces::recordScanSources()) {
        gDCPUtils->dcpClass01_Scan(source.hardwareAddress, source.address, supportType, kBroadcastMac);
        WLOG << "Send <DCP_Class_01> and broudcast to interface :" << source.address
             << ", set supportType :" << supportType;
    }
}

void DiscoveryPage::scanDevicesPasswordStatus()
{
    // Sends requests only and processes no events: a pass never runs inside another.
    // Each pending camera is asked at most once per scan tick.
    for (int i : CameraTable::camerasToQuery(IPCameraList, queriedThisTick)) {
        const IPCamera& c = IPCameraList.at(i);
        queriedThisTick.insert(c.macKey());
        // Counted: every camera that answers a scan is asked, as many as the network holds.
        if (CameraTable::passwordQuery(c) == CameraTable::PasswordQuery::CheckPassword) {
            LogSummary::note(QStringLiteral("Set <DCP_Class_07> Content ="));
            gDCPUtils->dcpClass07_CheckPassword(i, QByteArray(), QByteArray());
        } else {
            LogSummary::note(QStringLiteral("Set <DCP_Class_02> Content ="));
            gDCPUtils->dcpClass02_GetOlvarisInfo(i, 0);
        }
    }
    const bool allKnown = std::none_of(IPCameraList.cbegin(), IPCameraList.cend(), [](const IPCamera& c) {
        return CameraTable::passwordQuery(c) != CameraTable::PasswordQuery::None;
    });
    LogSummary::note(allKnown ? QStringLiteral(" *************************  gotALLDevicePasswordStatus true ")
                              : QStringLiteral(" *************************  gotALLDevicePasswordStatus false "));
}

// ---------------------------------------------------------------------------
// Camera table

void DiscoveryPage::updateCameraEmit(int index)
{
    // A repeated reply of a listed camera changes nothing here.
    if (index >= 0 && index < IPCameraList.size() && CameraTable::isListed(listedKeys(), IPCameraList.at(index)))
        return;
    LogSummary::note(QStringLiteral("[cameraEmitUpdate()] cameraEmitUpdate Slot Emit Camera"));
    scanDevicesPasswordStatus();
    updateDeviceTableList(index);
}

void DiscoveryPage::updateDeviceTableList(int index)
{
    if (index < 0 || index >= IPCameraList.size()) {
        WLOG << "No camera at index" << index << "in the list of" << IPCameraList.size() << ", no row added";
        return;
    }
    const IPCamera camera = IPCameraList.at(index);
    const int rowCount = ui->discoveryCameraTb_TableWidget->rowCount();
    const QSet<QString>& keys = listedKeys();
    if (CameraTable::isListed(keys, camera)) {
        WLOG << "Duplicate IPCamera, don't insert to the DeviceTableList!!";
        return;
    }
    const int unregistered = CameraTable::unregisteredRows(keys, IPCameraList);

    switch (CameraTable::listing(camera.dcpStatus)) {
    case CameraTable::Listing::NotYet:
        return;
    case CameraTable::Listing::NewProtocol:
        if (!isAPModeFlow)
            hideScanPicture();
        break;
    case CameraTable::Listing::OldProtocol:
        break;
    }

    const int row = CameraTable::insertRow(camera.bRegisted == "1", rowCount, unregistered);
    WLOG << "Got new IPCamera and Update Device Table List in idx :" << row;
    addCameraRow(row, camera);
}

void DiscoveryPage::addCameraRow(int row, const IPCamera& camera)
{
    QTableWidget* table = ui->discoveryCameraTb_TableWidget;
    table->insertRow(row);
    table->setRowHeight(row, kRowHeight);

    QTableWidgetItem* mark = markItem(false);
    mark->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, MarkColumn, mark);

    const QString model = modelText(camera.modelName);
    const QString path = deviceIconsPath + (isLocalView ? QString("xxxxxxxx") : model.toLower()) + ".png";
    WLOG << "path xxxxxxxxxxxx :" << path;
    table->setItem(row, PictureColumn, pictureItem(path, 30, 30));

    if (camera.bRegisted != "1")
        table->setItem(row, NewColumn, pictureItem(":/images/icon_new.png", 25, 11));

    // Camera data is shown as it is, never passed through the translator.
    const QString tip = tr("Model Name :") + " " + model.toUpper();
    const QString texts[] = {CameraTable::shownName(camera.Name), camera.MAC, camera.IPAddr};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QTableWidgetItem(texts[i]);
        item->setToolTip(tip);
        table->setItem(row, NameColumn + i, item);
    }
    table->item(row, MacColumn)->setData(kMacKeyRole, camera.macKey());
    rowKeys.insert(camera.macKey());
}

const QSet<QString>& DiscoveryPage::listedKeys()
{
    // The form is public: where code beyond the page changed the rows, their keys are read anew.
    const QTableWidget* table = ui->discoveryCameraTb_TableWidget;
    if (rowKeys.size() != table->rowCount()) {
        rowKeys.clear();
        for (int row = 0; row < table->rowCount(); ++row)
            if (const QTableWidgetItem* item = table->item(row, MacColumn))
                rowKeys.insert(item->data(kMacKeyRole).toString());
    }
    return rowKeys;
}

void DiscoveryPage::clearCameraTable()
{
    removeAllRows(false);
}

void DiscoveryPage::stopScan()
{
    checkDeviceDiscoveryTimer->stop();
    waitDiscoveryNumber = 0;
}

void DiscoveryPage::removeAllRows(bool logEach)
{
    QTableWidget* table = ui->discoveryCameraTb_TableWidget;
    while (table->rowCount() != 0) {
        table->removeRow(0);
        if (logEach)
            WLOG << "removeRow ---------------";
    }
}

// ---------------------------------------------------------------------------
// Choice and hand-over

void DiscoveryPage::showCameraTableCellClicked(int row, int column)
{
    resetPasswordLineEdits();
    WLOG << "--------------------------------------------------";
    WLOG << "rowSelection :" << row << "columnSelection :" << column;
    setNextEnabled(true);

    QTableWidget* table = ui->discoveryCameraTb_TableWidget;
    table->setItem(row, MarkColumn, markItem(true));
    for (int other = 0; other < table->rowCount(); ++other)
        if (other != row)
            table->setItem(other, MarkColumn, markItem(false));

    const QTableWidgetItem* macItem = table->item(row, MacColumn);
    const int index = macItem ? CameraTable::cameraWithMac(IPCameraList, macItem->text()) : -1;
    if (index >= 0) {
        logCameraRecord(index, IPCameraList.at(index));
        IPCameraIdx = index;
    }
    setPasswordLineEditStatus();
}

void DiscoveryPage::pressNextButton()
{
    if (!chosenCamera())
        return;
    WLOG << "DiscoveryPage Next "
         << "--------------------------------------------------";
    WLOG << "DiscoveryPage Password :" << maskSecret(ui->discoveryInputPassword_LineEdit->text());
    WLOG << "DiscoveryPage Confirm Password :" << maskSecret(ui->discoveryInputPasswordConfirm_LineEdit->text());
    WLOG << "DiscoveryPage IPCameraIdx :" << IPCameraIdx;
    WLOG << "DiscoveryPage discoveryCameraTb_TableWidget.currentRow() :"
         << ui->discoveryCameraTb_TableWidget->currentRow();

    stopScan();
    gMainpage->enterPage(this, gDeviceSetupPage);
}

void DiscoveryPage::pressBackButton()
{
    WLOG << "--------------------------------------------------";
    stopScan();

    gDeviceSetupPage->resetSnapshotPreview();

    removeAllRows(true);
    resetPasswordLineEdits();
    hidePasswordLineEdits();
    setNextEnabled(false);
    IPCameraList.clear();
    supportType = "";

    hide();
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
    hideScanPicture();
    gMainpage->showPage(nullptr, gCameraConnectionPage);
}

// ---------------------------------------------------------------------------
// Password rows

void DiscoveryPage::resetPasswordLineEdits()
{
    ui->discoveryInputPassword_LineEdit->clear();
    ui->discoveryInputPasswordConfirm_LineEdit->clear();
}

void DiscoveryPage::hidePasswordLineEdits()
{
    ui->discoveryPasswordName_Label->hide();
    ui->discoveryPasswordConfirmName_Label->hide();
    ui->discoveryInputPassword_LineEdit->hide();
    ui->discoveryInputPasswordConfirm_LineEdit->hide();
}

// The setup page's own rule and layouts, so that both stay the same.
void DiscoveryPage::setPasswordLineEditStatus()
{
    gDeviceSetupPage->setPasswordLineEditStatus();
}

// ---------------------------------------------------------------------------
// Help popups

PopupBuilder DiscoveryPage::helpPopup(const char* name, int height, const QString& title, const QString& content,
                                      void (DiscoveryPage::*close)())
{
    WLOG << "open msgbox ...";
    PopupBuilder popup = MessageBoxPage::build(gMainpage, name, kPopupWidth, height);
    popup.title(title, {80, 50, 440, 30}, Qt::AlignLeft)
        .content(MessageBoxPage::richText(content), {80, 80, 480, 120})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, height - 50}, this, close)
        .closeButton(this, close);
    return popup;
}

void DiscoveryPage::popupCameraNotFound()
{
    helpPopup(kCameraNotFoundPopup, 250, tr("Could Not Find Your Camera"),
              tr("Click Scan to try searching again, or click Back to check your connection<br>settings.<br><br>"),
              &DiscoveryPage::pressMsgCameraNotFoundCloseButton)
        .open();
}

void DiscoveryPage::popupWhatIsMAC()
{
    helpPopup(kWhatIsMacPopup, 400, tr("What is a MAC ID?"),
              tr("A MAC ID is a unique network identification code for a device.<br>The MAC ID is printed on the label "
                 "attached your device.<br><br>"),
              &DiscoveryPage::pressMsgCloseButton)
        .picture(":/images/macid.png", {80, 170, 413, 138})
        .open();
}

void DiscoveryPage::pressMsgCameraNotFoundCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kCameraNotFoundPopup);
}

void DiscoveryPage::pressMsgCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kWhatIsMacPopup);
}

// ---------------------------------------------------------------------------

void DiscoveryPage::setNextEnabled(bool enabled)
{
    setForwardButtonEnabled(ui->discoveryNext_Button, enabled);
}

void DiscoveryPage::hideScanPicture()
{
    gMainpage->hideScanPicture();
}

#include "guide/cameraconnectionpage.h"

#include <QAbstractItemView>

#include "guide/connectionrules.h"
#include "shell/globals.h"
#include "shell/log.h"
#include "shell/mainpage.h"
#include "guide/stepgrid.h"

#include "apmode/apmodehosttodevice.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "setup/discoverypage.h"
#include "welcome/agreementpage.h"

using ConnectionRules::EntryType;
using ConnectionRules::StepSet;

namespace {
const char* const kStepBanner = "background-image: url(:/images/step_01.png)";

// Step pictures of routes "1" and "5", by entry type.
struct RouteSteps
{
    const char* route;
    const char* word;
    bool poeNote;  // route "1": the PoE note replaces the power step
    int columnSpan;
    const char* countLog;
    const char* badgeLog;
};

const RouteSteps kRouteSteps[] = {
    {"1", "Ethernet", false, 1, "Ethernet &&&&&&& tmp Length", "Ethernet &&&&&&& iconSetpDir "},
    {"1", "POE", true, 1, "PoE &&&&&&& tmp Length", "PoE &&&&&&& iconSetpDir "},
    {"1", "PLC", false, 1, "PLC &&&&&&& tmp Length", "PLC &&&&&&& iconSetpDir "},
    {"5", "APMode", false, 2, "AP Mode &&&&&&& tmp Length", "AP Mode &&&&&&& iconSetpDir "},
};

// Fixed pictures of local-only mode and the number of badges on them.
struct LocalSet
{
    StepSet set;
    const char* pictures[4];
    int badges;
};

const LocalSet kLocalSets[] = {
    {StepSet::Ethernet, {":/images/ia10.png", ":/images/ia10_ib10.png", ":/images/ic10.png", ":/images/id10.png"}, 4},
    {StepSet::PoE, {":/images/ia10.png", ":/images/ia10_ib10.png", ":/images/ic11.png", ":/images/id10.png"}, 4},
    {StepSet::PLC, {":/images/ia41.png", ":/images/ia41_ib20.png", ":/images/ic41.png", ":/images/id40.png"}, 4},
    {StepSet::Direct, {":/images/ia20.png", ":/images/ic20.png", ":/images/id20.png", nullptr}, 3},
    {StepSet::Overview,
     {":/images/ct_ethernet.png", ":/images/ct_poe.png", ":/images/ct_plc.png", ":/images/ct_apmode.png"}, 0},
};

constexpr int kPictureSize = 164;
constexpr int kBadgeSize = 21;
}

CameraConnectionPage::CameraConnectionPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_CameraConnectionPage)
{
    WLOG << "CameraConnectionPage Constructor Initializing ...";
    ui->setupUi(this);
    ui->cconnectionNext_PushButton->setEnabled(false);
    ui->cconnection_ComboBox->view()->setMinimumHeight(280);
    ui->cconnectionHWVersion_ComboBox->hide();
    ui->cconnectionHWVersion_ComboBox->view()->setMinimumHeight(80);

    connect(ui->cconnectionPrev_PushButton, SIGNAL(clicked()), this, SLOT(pressBackButton()));
    connect(ui->cconnectionSkip_PushButton, SIGNAL(clicked()), this, SLOT(pressSkipButton()));
    connect(ui->cconnectionNext_PushButton, SIGNAL(clicked()), this, SLOT(pressNextButton()));
    connect(ui->cconnection_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(gotIndexChanged()));
    // Only a pick by the user rebuilds the panel, never a refill by code.
    connect(ui->cconnectionHWVersion_ComboBox, SIGNAL(activated(int)), this, SLOT(gotHWVersionIndexChanged()));
}

CameraConnectionPage::~CameraConnectionPage()
{
    delete ui;
}

void CameraConnectionPage::setInstructionText()
{
    ui->cconnectionInstrction_Label->setText(isLocalView
                                                 ? tr("Please select your camera connection type :")
                                                 : tr("Please select your camera model for installation instructions :"));
}

void CameraConnectionPage::handOver(QWidget* next)
{
    hide();
    gMainpage->ui->mainProgress_Label->setStyleSheet(kStepBanner);
    gMainpage->ui->mainProgress_Label->show();
    gMainpage->ui->mainProgressContent_Label->setText(tr("Let's connect the camera to your network"));
    gMainpage->ui->mainProgressContent_Label->show();
    gMainpage->showPage(nullptr, next);
}

void CameraConnectionPage::pressBackButton()
{
    hide();
    gMainpage->ui->mainProgress_Label->setStyleSheet(kStepBanner);
    gMainpage->ui->mainProgress_Label->hide();
    gMainpage->ui->mainProgressContent_Label->setText(tr("Let's connect the camera to your network"));
    gMainpage->ui->mainProgressContent_Label->hide();
    gMainpage->showPage(nullptr, gAgreementPage);
}

void CameraConnectionPage::pressSkipButton()
{
    supportType = "ALL";
    isAPModeFlow = false;
    IPCameraList.clear();
    hide();
    ui->cconnection_ComboBox->setCurrentIndex(0);
    ui->cconnectionHWVersion_ComboBox->clear();
    ui->cconnectionHWVersion_ComboBox->hide();
    handOver(gDiscoveryPage);
    gDiscoveryPage->scanDevices();
}

void CameraConnectionPage::pressNextButton()
{
    const QString text = ui->cconnection_ComboBox->currentText();
    WLOG << "<--------------------->" << text;
    const bool known = ModelRouteMap.contains(text);
    const QString route = ModelRouteMap.value(text);
    QString connectionType;
    if (!isLocalView && known && route == QLatin1String("2")) {
        connectionType = gConnectionTypeMoreThanOne->ui->CTypeMoreThanOne_ComboBox->currentText();
        WLOG << "<--------------------->" << connectionType;
    }

    const ConnectionRules::Road road =
        ConnectionRules::nextRoad(isLocalView, text, known, route, connectionType, tr("Direct Connection"));
    if (road == ConnectionRules::Road::Stay)
        return;
    supportType = isLocalView ? QString("ALL") : text;
    IPCameraList.clear();
    isAPModeFlow = road == ConnectionRules::Road::AccessPoint;
    if (isAPModeFlow) {
        handOver(gAPModeHostToDevice);
    } else {
        handOver(gDiscoveryPage);
        gDiscoveryPage->scanDevices();
    }
}

void CameraConnectionPage::removeStepIcon()
{
    WLOG << "del icon start ...";
    QLabel* pictures[] = {gConnectionTypeLocalView->ui->ConnectionType_IMG01,
                          gConnectionTypeLocalView->ui->ConnectionType_IMG02,
                          gConnectionTypeLocalView->ui->ConnectionType_IMG03,
                          gConnectionTypeLocalView->ui->ConnectionType_IMG04};
    for (int n = 1; n <= 4; ++n) {
        const QString number = QString("%1").arg(n, 2, 10, QChar('0'));
        while (QLabel* badge = pictures[n - 1]->findChild<QLabel*>("icon_step" + number)) {
            badge->hide();
            WLOG << QString("del icon%1 ...").arg(number).toUtf8().constData();
            delete badge;
        }
    }
}

void CameraConnectionPage::setNextEnabled(bool enabled)
{
    StepGrid::setNextEnabled(ui->cconnectionNext_PushButton, enabled);
}

void CameraConnectionPage::emptyHost()
{
    while (QLayoutItem* item = ui->cconnectionTypeLayout->takeAt(0)) {
        if (QWidget* panel = item->widget())
            panel->hide();
        delete item;
    }
}

void CameraConnectionPage::hostPanel(QWidget* panel)
{
    ui->cconnectionTypeLayout->addWidget(panel, 0, Qt::Alignment());
    panel->setVisible(true);
}

void CameraConnectionPage::hostDefault(bool versionPicture)
{
    gConnectionTypeDefault->ui->cTypeDefaultImage_Label->setVisible(!versionPicture);
    gConnectionTypeDefault->ui->cTypeHWDefaultImage_Label->setVisible(versionPicture);
    hostPanel(gConnectionTypeDefault);
}

void CameraConnectionPage::gotIndexChanged()
{
    WLOG << "++++++++++++++++++++++++++++++++++ select";
    WLOG << "assembleImagesPath:" << assembleImagesPath;
    WLOG << "01 Got index changed :" << ui->cconnection_ComboBox->currentText();
    WLOG << "02 Got index changed :" << ui->cconnection_ComboBox->currentIndex();
    const QString text = ui->cconnection_ComboBox->currentText();
    WLOG << "03 selectedItem(Device Name) :" << text;
    if (isLocalView) {
        showLocalSet(text);
        return;
    }
    if (!ModelRouteMap.contains(text))
        return;
    emptyHost();
    const QString route = ModelRouteMap.value(text);
    WLOG << "04 mockup :" << route;
    if (route == QLatin1String("1") || route == QLatin1String("2") || route == QLatin1String("5")) {
        showRoute(route, text, true);
        return;
    }

    setNextEnabled(false);
    ui->cconnectionSkip_PushButton->show();
    ui->cconnectionHWVersion_ComboBox->clear();
    ui->cconnectionHWVersion_ComboBox->hide();
    gConnectionTypeOnlyOne->ui->ConnectionTypeToolTips03->hide();
    gConnectionTypeOnlyOne->ui->ConnectionTypeToolTips03_2->hide();
    gConnectionTypeOnlyOne->ui->ConnectionTypeToolTips04->hide();
    supportType = "ALL";
    hostDefault(false);
}

void CameraConnectionPage::gotHWVersionIndexChanged()
{
    WLOG << "select ......... ";
    WLOG << "01 Got index changed :" << ui->cconnectionHWVersion_ComboBox->currentText();
    WLOG << "02 Got index changed :" << ui->cconnectionHWVersion_ComboBox->currentIndex();
    const QString version = ui->cconnectionHWVersion_ComboBox->currentText();
    WLOG << "03 selectedHWVersion(Hardware Version) :" << version;
    if (isLocalView)
        return;

    const QString model = ui->cconnection_ComboBox->currentText();
    if (version == QLatin1String(ConnectionRules::kHWVersionPrompt)) {
        const QString route = ModelRouteMap.value(model);
        WLOG << "deafault H/W Version ";
        emptyHost();
        gConnectionTypeOnlyOne->ui->ConnectionTypeToolTips03->hide();
        gConnectionTypeOnlyOne->ui->ConnectionTypeToolTips03_2->hide();
        gConnectionTypeOnlyOne->ui->ConnectionTypeToolTips04->hide();
        hostDefault(true);
        ui->cconnectionSkip_PushButton->setVisible(route != QLatin1String("5"));
        return;
    }

    if (!ModelRouteMap.contains(model))
        return;
    emptyHost();
    const QString route = ModelRouteMap.value(model);
    WLOG << "04 mockup :" << route;
    if (route == QLatin1String("1") || route == QLatin1String("2") || route == QLatin1String("5"))
        showRoute(route, model, false);
}

void CameraConnectionPage::showRoute(const QString& route, const QString& model, bool fromModelList)
{
    Ui_ConnectionTypeOnlyOne* onlyOne = gConnectionTypeOnlyOne->ui;
    Ui_ConnectionTypeMoreThanOne* moreThanOne = gConnectionTypeMoreThanOne->ui;
    const bool ownPanel = !fromModelList || ConnectionRules::versionCount(SupportHWVersionMap.value(model)) < 2;

    if (route == QLatin1String("1")) {
        setNextEnabled(true);
        ui->cconnectionSkip_PushButton->hide();
        onlyOne->ConnectionTypeToolTips04->show();
        supportType = model;
        StepGrid::clear(onlyOne->gridLayout);
        if (fromModelList)
            fillVersionList({onlyOne->ConnectionTypeToolTips03, onlyOne->ConnectionTypeToolTips03_2,
                             onlyOne->ConnectionTypeToolTips04},
                            true);
        addStepPictures(route, lookUpEntries());
        if (ownPanel)
            hostPanel(gConnectionTypeOnlyOne);
        else
            hostDefault(true);
        return;
    }

    setNextEnabled(route == QLatin1String("5"));
    ui->cconnectionSkip_PushButton->hide();
    onlyOne->ConnectionTypeToolTips03->hide();
    onlyOne->ConnectionTypeToolTips03_2->hide();
    onlyOne->ConnectionTypeToolTips04->hide();
    supportType = model;

    if (route == QLatin1String("2")) {
        // Both runs the list's own handler, nested: it shows Skip and disables Next.
        moreThanOne->CTypeMoreThanOne_ComboBox->clear();
        moreThanOne->CTypeMoreThanOne_ComboBox->addItem(tr("Choose your connection type"), QString());
        StepGrid::clear(moreThanOne->gridLayout);
        if (fromModelList)
            fillVersionList({moreThanOne->ConnectionTypeMoreToolTips01, moreThanOne->ConnectionTypeMoreToolTips02,
                             moreThanOne->ConnectionTypeMoreToolTips03, moreThanOne->ConnectionTypeMoreToolTips03_2,
                             moreThanOne->ConnectionTypeMoreToolTips04},
                            true);
        addConnectionTypeChoice(lookUpEntries());
        moreThanOne->CTypeMoreThanOne_ComboBox->setVisible(ownPanel);
        if (ownPanel)
            hostPanel(gConnectionTypeMoreThanOne);
        else
            hostDefault(true);
        return;
    }

    if (fromModelList)
        fillVersionList({}, false);
    const QStringList entries = lookUpEntries();
    StepGrid::clear(gConnectionTypeAPMode->ui->gridLayout);
    addStepPictures(route, entries);
    if (ownPanel)
        hostPanel(gConnectionTypeAPMode);
    else
        hostDefault(true);
}

void CameraConnectionPage::fillVersionList(const QList<QWidget*>& hiddenWithChoice, bool showSkipWithChoice)
{
    const ConnectionRules::HardwareVersions versions =
        ConnectionRules::hardwareVersions(SupportHWVersionMap.value(supportType));
    QComboBox* list = ui->cconnectionHWVersion_ComboBox;
    list->clear();
    if (!versions.choice) {
        list->addItems(versions.items);
        list->hide();
        return;
    }
    WLOG << "HWVersionList.count() ..." << versions.items.size() - 1;
    for (QWidget* widget : hiddenWithChoice)
        widget->hide();
    list->addItems(versions.items);
    list->show();
    if (showSkipWithChoice)
        ui->cconnectionSkip_PushButton->show();
}

QStringList CameraConnectionPage::lookUpEntries() const
{
    const QString key = supportType + "_" + ui->cconnectionHWVersion_ComboBox->currentText();
    WLOG << "05 supportTypeWithHWType :" << key;
    return ConnectionTypeMap.value(key);
}

void CameraConnectionPage::addStepPictures(const QString& route, const QStringList& entries)
{
    Ui_ConnectionTypeOnlyOne* onlyOne = gConnectionTypeOnlyOne->ui;
    QGridLayout* grid =
        route == QLatin1String("1") ? onlyOne->gridLayout : gConnectionTypeAPMode->ui->gridLayout;
    for (const QString& entry : entries) {
        WLOG << "images ..." << entry;
        const EntryType* type = ConnectionRules::entryType(entry);
        for (const RouteSteps& steps : kRouteSteps) {
            if (route != QLatin1String(steps.route) || !ConnectionRules::isType(type, steps.word))
                continue;
            if (route == QLatin1String("1")) {
                onlyOne->ConnectionTypeToolTips03->setVisible(steps.poeNote);
                onlyOne->ConnectionTypeToolTips03_2->setVisible(!steps.poeNote);
            }
            StepGrid::addSteps(grid, entry.mid(type->headerLength), steps.columnSpan, steps.countLog,
                               steps.badgeLog);
        }
    }
}

void CameraConnectionPage::addConnectionTypeChoice(const QStringList& entries)
{
    Ui_ConnectionTypeMoreThanOne* moreThanOne = gConnectionTypeMoreThanOne->ui;
    int column = 1;
    for (const QString& entry : entries) {
        WLOG << "images ..." << entry;
        if (const EntryType* type = ConnectionRules::entryType(entry)) {
            moreThanOne->CTypeMoreThanOne_ComboBox->addItem(tr(type->itemText), QString());
            StepGrid::addOverview(moreThanOne->gridLayout, column++, type->overview);
        }
    }
}

void CameraConnectionPage::showLocalSet(const QString& text)
{
    const StepSet set = ConnectionRules::chooseSet(
        text, {tr("Ethernet"), tr("POE(Power Over Ethernet)"), tr("PLC(Power Line Communication)"),
               tr("Direct Connection")});
    Ui_ConnectionTypeLocalView* local = gConnectionTypeLocalView->ui;

    removeStepIcon();
    const bool overview = set == StepSet::Overview;
    setNextEnabled(!overview);
    ui->cconnectionSkip_PushButton->setVisible(overview);

    if (overview) {
        local->ConnectionTypeLocalToolTips01->hide();
        local->ConnectionTypeLocalToolTips02->hide();
        local->ConnectionTypeLocalToolTips03->hide();
        local->ConnectionTypeLocalToolTips04->hide();
    } else {
        const bool direct = set == StepSet::Direct;
        local->ConnectionTypeLocalToolTips01->setGeometry(8, 186, 166, 74);
        local->ConnectionTypeLocalToolTips02->setGeometry(183, 180, 166, 74);
        local->ConnectionTypeLocalToolTips03->setGeometry(354, 190, 170, 70);
        local->ConnectionTypeLocalToolTips04->setGeometry(direct ? 358 : 536, 192, 166, 74);
        local->ConnectionTypeLocalToolTips01->show();
        local->ConnectionTypeLocalToolTips02->show();
        local->ConnectionTypeLocalToolTips03->setVisible(!direct);
        local->ConnectionTypeLocalToolTips04->show();
        if (set == StepSet::Ethernet)
            WLOG << "local Ethernet+++++++++++++++++++ ...";
    }
    supportType = "ALL";

    QLabel* pictures[] = {local->ConnectionType_IMG01, local->ConnectionType_IMG02, local->ConnectionType_IMG03,
                          local->ConnectionType_IMG04};
    for (const LocalSet& look : kLocalSets) {
        if (look.set != set)
            continue;
        for (int n = 0; n < 4; ++n) {
            if (look.pictures[n])
                StepGrid::setPicture(pictures[n], look.pictures[n], kPictureSize);
            else
                pictures[n]->clear();
        }
        for (int n = 1; n <= look.badges; ++n) {
            QLabel* badge = new QLabel(pictures[n - 1]);
            badge->setObjectName(QString("icon_step%1").arg(n, 2, 10, QChar('0')));
            StepGrid::setPicture(badge, QString(":/images/icon_step_%1.png").arg(n), kBadgeSize);
            badge->setGeometry(3, 0, kBadgeSize, kBadgeSize);
            badge->show();
        }
    }
    gConnectionTypeLocalView->translateUI();
}

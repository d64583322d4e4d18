#include "guide/cameraconnectionpage.h"

#include <QAbstractItemView>

#include "apmode/apmodehosttodevice.h"
#include "base/globals.h"
#include "base/log.h"
#include "guide/connectionrules.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "setup/discoverypage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "welcome/agreementpage.h"
#include "welcome/catalogue.h"

using ConnectionRules::StepSet;

namespace {
const char* const kModelPrefix = "VKC-";
}

CameraConnectionPage::CameraConnectionPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_CameraConnectionPage)
{
    WLOG << "CameraConnectionPage Constructor Initializing ...";
    ui->setupUi(this);
    ui->cconnectionNext_PushButton->setEnabled(false);
    ui->cconnection_ComboBox->view()->setMinimumHeight(280);
    ui->cconnectionHWVersion_ComboBox->hide();
    ui->cconnectionHWVersion_ComboBox->view()->setMinimumHeight(80);

    connect(ui->cconnectionPrev_PushButton, &QPushButton::clicked, this, &CameraConnectionPage::pressBackButton);
    connect(ui->cconnectionSkip_PushButton, &QPushButton::clicked, this, &CameraConnectionPage::pressSkipButton);
    connect(ui->cconnectionNext_PushButton, &QPushButton::clicked, this, &CameraConnectionPage::pressNextButton);
    connect(ui->cconnection_ComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CameraConnectionPage::gotIndexChanged);
    // Only a pick by the user rebuilds the panel, never a refill by code.
    connect(ui->cconnectionHWVersion_ComboBox, QOverload<int>::of(&QComboBox::activated), this,
            &CameraConnectionPage::gotHWVersionIndexChanged);
}

CameraConnectionPage::~CameraConnectionPage()
{
    delete ui;
}

void CameraConnectionPage::enter()
{
    if (isLocalView) {
        for (QWidget* panel : std::initializer_list<QWidget*>{gConnectionTypeDefault, gConnectionTypeOnlyOne,
                                                              gConnectionTypeMoreThanOne, gConnectionTypeAPMode})
            panel->hide();
        hostPanel(gConnectionTypeLocalView);
        ui->cconnectionHWVersion_ComboBox->hide();
    } else {
        hostDefault(false);
        for (QWidget* panel :
             std::initializer_list<QWidget*>{gConnectionTypeOnlyOne, gConnectionTypeMoreThanOne, gConnectionTypeAPMode})
            panel->hide();
        ui->cconnectionTypeLayout->addWidget(gConnectionTypeLocalView, 0, Qt::Alignment());
        gConnectionTypeLocalView->hide();
    }
    setInstructionText();
    if (isLocalView)
        fillLocalConnectionChoice();
    else
        fillModelChoice();
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
}

void CameraConnectionPage::retranslate()
{
    ui->retranslateUi(this);
    setInstructionText();
    MessageBoxPage::fitButtonRow({ui->cconnectionSkip_PushButton, ui->cconnectionNext_PushButton});
}

void CameraConnectionPage::setInstructionText()
{
    ui->cconnectionInstrction_Label->setText(
        isLocalView ? tr("Please select your camera connection type :")
                    : tr("Please select your camera model for installation instructions :"));
}

QString CameraConnectionPage::model() const
{
    return ui->cconnection_ComboBox->currentText();
}

int CameraConnectionPage::modelIndex() const
{
    return ui->cconnection_ComboBox->currentIndex();
}

QString CameraConnectionPage::hardwareVersion() const
{
    return ui->cconnectionHWVersion_ComboBox->currentText();
}

void CameraConnectionPage::resetModelChoice()
{
    ui->cconnection_ComboBox->setCurrentIndex(0);
}

void CameraConnectionPage::setNextEnabled(bool enabled)
{
    setForwardButtonEnabled(ui->cconnectionNext_PushButton, enabled);
}

void CameraConnectionPage::setSkipVisible(bool visible)
{
    ui->cconnectionSkip_PushButton->setVisible(visible);
}

// Models starting with "VKC-" are appended in key order; any other key (the prompt among
// them) goes to the top and becomes current. The log shows the first of them, as it shows the catalogue.
void CameraConnectionPage::fillModelChoice()
{
    QComboBox* list = ui->cconnection_ComboBox;
    list->clear();
    int logged = 0;
    for (auto route = ModelRouteMap.constBegin(); route != ModelRouteMap.constEnd(); ++route) {
        if (route.key().startsWith(QLatin1String(kModelPrefix))) {
            list->addItem(route.key());
        } else {
            list->insertItem(0, route.key());
            list->setCurrentIndex(0);
        }
        if (logged++ < kLoggedCameras)
            WLOG << loggedValue(route.key()) << " : " << loggedValue(route.value());
    }
    if (ModelRouteMap.size() > kLoggedCameras)
        WLOG << "Models:" << ModelRouteMap.size() << "in the list, the first" << kLoggedCameras << "logged one by one";
}

void CameraConnectionPage::fillLocalConnectionChoice()
{
    QComboBox* list = ui->cconnection_ComboBox;
    list->clear();
    list->addItem(tr("Choose your connection type"));
    list->addItem(tr("Ethernet"));
    list->addItem(tr("POE(Power Over Ethernet)"));
    list->addItem(tr("PLC(Power Line Communication)"));
    list->addItem(tr("Direct Connection"));
}

void CameraConnectionPage::handOver(WizardPage* next)
{
    gMainpage->setStep(1, tr("Let's connect the camera to your network"));
    gMainpage->showPage(this, next);
}

void CameraConnectionPage::pressBackButton()
{
    gMainpage->hideStep();
    gMainpage->showPage(this, gAgreementPage);
}

void CameraConnectionPage::pressSkipButton()
{
    isAPModeFlow = false;
    IPCameraList.clear();
    hide();
    resetModelChoice();
    // After the reset: a catalogue model listed above the prompt takes index 0 and names itself.
    supportType = "ALL";
    ui->cconnectionHWVersion_ComboBox->clear();
    ui->cconnectionHWVersion_ComboBox->hide();
    handOver(gDiscoveryPage);
    gDiscoveryPage->scanDevices();
}

void CameraConnectionPage::pressNextButton()
{
    const QString text = model();
    WLOG << "<--------------------->" << loggedValue(text);
    const bool known = ModelRouteMap.contains(text);
    const QString route = ModelRouteMap.value(text);
    QString connectionType;
    if (!isLocalView && known && route == QLatin1String("2")) {
        connectionType = gConnectionTypeMoreThanOne->connectionType();
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

void CameraConnectionPage::connectPanels()
{
    for (ConnectionPanel* panel : std::initializer_list<ConnectionPanel*>{
             gConnectionTypeOnlyOne, gConnectionTypeMoreThanOne, gConnectionTypeAPMode, gConnectionTypeLocalView})
        connect(panel, &ConnectionPanel::startOverRequested, this, &CameraConnectionPage::startOver);
    connect(gConnectionTypeMoreThanOne, &ConnectionTypeMoreThanOne::connectionTypeChosen, this,
            &CameraConnectionPage::showConnectionType);
}

void CameraConnectionPage::startOver()
{
    gDeviceSetupPage->resetCheckingParameters();
    gDeviceSetupPage->resetPasswordLineEdits();
    resetModelChoice();
}

void CameraConnectionPage::showConnectionType(const QString& type, int index)
{
    const QString text = model();
    WLOG << "03 selected device (Device Model) :" << loggedValue(text);
    const QString route = ModelRouteMap.value(text);
    WLOG << "04 mockValue :" << route;
    if (route != QLatin1String("2"))
        return;
    const bool overview = gConnectionTypeMoreThanOne->showConnectionType(type, index, text, hardwareVersion());
    setSkipVisible(overview);
    setNextEnabled(!overview);
}

void CameraConnectionPage::removeStepIcon()
{
    WLOG << "del icon start ...";
    gConnectionTypeLocalView->removeStepBadges();
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
    gConnectionTypeDefault->showVersionPicture(versionPicture);
    hostPanel(gConnectionTypeDefault);
}

void CameraConnectionPage::gotIndexChanged()
{
    WLOG << "++++++++++++++++++++++++++++++++++ select";
    WLOG << "assembleImagesPath:" << assembleImagesPath;
    WLOG << "01 Got index changed :" << loggedValue(model());
    WLOG << "02 Got index changed :" << modelIndex();
    const QString text = model();
    WLOG << "03 selectedItem(Device Name) :" << loggedValue(text);
    if (isLocalView) {
        showLocalSet(text);
        return;
    }
    showModel(text, true);
}

void CameraConnectionPage::showModel(const QString& model, bool fromModelList)
{
    if (!ModelRouteMap.contains(model))
        return;
    emptyHost();
    const QString route = ModelRouteMap.value(model);
    WLOG << "04 mockup :" << route;
    if (route == QLatin1String("1") || route == QLatin1String("2") || route == QLatin1String("5"))
        showRoute(route, model, fromModelList);
    else if (fromModelList)
        showPrompt();
}

void CameraConnectionPage::showPrompt()
{
    setNextEnabled(false);
    setSkipVisible(true);
    ui->cconnectionHWVersion_ComboBox->clear();
    ui->cconnectionHWVersion_ComboBox->hide();
    gConnectionTypeOnlyOne->hideLastCaptions();
    supportType = "ALL";
    hostDefault(false);
}

void CameraConnectionPage::gotHWVersionIndexChanged()
{
    WLOG << "select ......... ";
    WLOG << "01 Got index changed :" << loggedValue(hardwareVersion());
    WLOG << "02 Got index changed :" << ui->cconnectionHWVersion_ComboBox->currentIndex();
    const QString version = hardwareVersion();
    WLOG << "03 selectedHWVersion(Hardware Version) :" << loggedValue(version);
    if (isLocalView)
        return;

    const QString text = model();
    if (version == QLatin1String(ConnectionRules::kHWVersionPrompt)) {
        const QString route = ModelRouteMap.value(text);
        WLOG << "deafault H/W Version ";
        emptyHost();
        gConnectionTypeOnlyOne->hideLastCaptions();
        hostDefault(true);
        setSkipVisible(route != QLatin1String("5"));
        return;
    }

    showModel(text, false);
}

void CameraConnectionPage::showRoute(const QString& route, const QString& model, bool fromModelList)
{
    const bool ownPanel = !fromModelList || ConnectionRules::versionCount(SupportHWVersionMap.value(model)) < 2;
    QWidget* panel = gConnectionTypeAPMode;
    setNextEnabled(route != QLatin1String("2"));
    setSkipVisible(false);
    if (route == QLatin1String("1"))
        gConnectionTypeOnlyOne->showLedCaption();
    else
        gConnectionTypeOnlyOne->hideLastCaptions();
    supportType = model;

    if (route == QLatin1String("1")) {
        gConnectionTypeOnlyOne->clearSteps();
        if (fromModelList && fillVersionList()) {
            gConnectionTypeOnlyOne->hideLastCaptions();
            setSkipVisible(true);
        }
        gConnectionTypeOnlyOne->addSteps(lookUpEntries());
        panel = gConnectionTypeOnlyOne;
    } else if (route == QLatin1String("2")) {
        // Runs the list's own handler, nested: it shows Skip and disables Next.
        gConnectionTypeMoreThanOne->startChoice(tr("Choose your connection type"));
        gConnectionTypeMoreThanOne->clearSteps();
        if (fromModelList && fillVersionList()) {
            gConnectionTypeMoreThanOne->hideCaptions();
            setSkipVisible(true);
        }
        for (const QString& entry : lookUpEntries()) {
            WLOG << "images ..." << loggedValue(entry);
            if (const ConnectionRules::EntryType* type = ConnectionRules::entryType(entry))
                gConnectionTypeMoreThanOne->addChoice(tr(type->itemText), type->overview);
        }
        gConnectionTypeMoreThanOne->setChoiceVisible(ownPanel);
        panel = gConnectionTypeMoreThanOne;
    } else {
        if (fromModelList)
            fillVersionList();
        const QStringList entries = lookUpEntries();
        gConnectionTypeAPMode->clearSteps();
        gConnectionTypeAPMode->addSteps(entries);
    }
    if (ownPanel)
        hostPanel(panel);
    else
        hostDefault(true);
}

bool CameraConnectionPage::fillVersionList()
{
    const ConnectionRules::HardwareVersions versions =
        ConnectionRules::hardwareVersions(SupportHWVersionMap.value(supportType));
    QComboBox* list = ui->cconnectionHWVersion_ComboBox;
    list->clear();
    if (versions.choice)
        WLOG << "HWVersionList.count() ..." << versions.items.size() - 1;
    list->addItems(versions.items);
    list->setVisible(versions.choice);
    return versions.choice;
}

QStringList CameraConnectionPage::lookUpEntries() const
{
    return ConnectionRules::modelEntries(ConnectionTypeMap, supportType + "_" + hardwareVersion());
}

void CameraConnectionPage::showLocalSet(const QString& text)
{
    const StepSet set =
        ConnectionRules::chooseSet(text, {tr("Ethernet"), tr("POE(Power Over Ethernet)"),
                                          tr("PLC(Power Line Communication)"), tr("Direct Connection")});
    removeStepIcon();
    const bool overview = set == StepSet::Overview;
    setNextEnabled(!overview);
    setSkipVisible(overview);
    gConnectionTypeLocalView->showSet(set);
    supportType = "ALL";
    gConnectionTypeLocalView->translateUI(modelIndex());
}

#include "shell/mainpage.h"

#include "ui_mainpage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "base/endpoints.h"
#include "base/globals.h"
#include "base/languages.h"
#include "base/log.h"
#include "platform/desktop.h"
#include "protocol/dcputils.h"
#include "shell/clickguard.h"
#include "shell/exitpopup.h"
#include "shell/launcher.h"
#include "shell/messageboxpage.h"
#include "shell/popupshade.h"
#include "shell/wizardpage.h"

#include "apmode/apmodedevicetorouter.h"
#include "apmode/apmodehosttodevice.h"
#include "apmode/apmodehosttodevicepasswordverify.h"
#include "apmode/apmodehosttorouter.h"
#include "cloud/alreadyregisteredpage.h"
#include "cloud/cloudservicespage.h"
#include "cloud/devicesetupcompletepage.h"
#include "guide/cameraconnectionpage.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"
#include "setup/devicesetuppage.h"
#include "setup/discoverypage.h"
#include "welcome/agreementpage.h"
#include "welcome/oppspage.h"
#include "welcome/welcomepage.h"
#include "wifi/devicewifichangepage.h"

namespace {
constexpr int kLoadingFrames = 12;
}

Mainpage::Mainpage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_Mainpage)
{
    WLOG << "Mainpage Constructor Initializing ...";
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(800, 650);
    setWindowIcon(QIcon(":/images/icon.ico"));
    // The welcome page shows no step banner; the pages after it do.
    ui->mainProgress_Label->hide();
    ui->mainProgressContent_Label->hide();

    shade = new PopupShade(ui->lockScreenLabel);
    loadingMaskLabel = ui->loadingMaskLabel;
    loadingImageLabel = ui->loadingImageLabel;
    for (QLabel* label : {ui->lockScreenLabel, loadingMaskLabel, loadingImageLabel}) {
        label->hide();
        label->installEventFilter(this);
    }

    loadingTimer = new QTimer(this);
    connect(loadingTimer, &QTimer::timeout, this, &Mainpage::showLoadingImage);
    connect(ui->mainExit_Label, &QLabel::linkActivated, this, &Mainpage::popupExit);
    connect(ui->mainZero_Label, &QLabel::linkActivated, this, &Mainpage::openOlvaris);
    connect(gDCPUtils, &DCPUtils::redirectReceived, this, &Mainpage::showBusy);
    // A click answers only the page or popup it was aimed at, in this window and the Launcher alike.
    qApp->installEventFilter(new ClickGuard(this));
    translateFlush();

    createPages();
    ui->mainlLayout->addWidget(gWelcomePage, 0, Qt::Alignment());
    gWelcomePage->show();
}

Mainpage::~Mainpage()
{
    delete ui;
}

void Mainpage::endWizard()
{
    delete gLauncher;
    if (gMainpage) {
        // The page on screen is this window's child and the connection panel shown the guide's: each goes
        // once, with the first of them to go.
        QList<QPointer<QWidget>> pages{gCloudServicesPage};
        for (WizardPage* page : qAsConst(gMainpage->m_pages))
            pages.append(page);
        for (const QPointer<QWidget>& page : qAsConst(pages))
            delete page.data();
        gCloudServicesPage = nullptr;
        delete gMainpage;
        gMainpage = nullptr;
    }
    delete gDCPUtils;
    gDCPUtils = nullptr;
}

template <class Page> Page* Mainpage::makePage()
{
    Page* page = new Page;
    m_pages.append(page);
    return page;
}

void Mainpage::createPages()
{
    gWelcomePage = makePage<WelcomePage>();
    gOppsPage = makePage<OppsPage>();
    gAgreementPage = makePage<AgreementPage>();
    gCameraConnectionPage = makePage<CameraConnectionPage>();
    gDiscoveryPage = makePage<DiscoveryPage>();
    gDeviceSetupPage = makePage<DeviceSetupPage>();
    gAlreadyRegisteredPage = makePage<AlreadyRegisteredPage>();
    gDeviceWiFiChangePage = makePage<DeviceWiFiChangePage>();
    gDeviceSetupCompletePage = makePage<DeviceSetupCompletePage>();
    gConnectionTypeDefault = makePage<ConnectionTypeDefault>();
    gConnectionTypeOnlyOne = makePage<ConnectionTypeOnlyOne>();
    gConnectionTypeMoreThanOne = makePage<ConnectionTypeMoreThanOne>();
    gConnectionTypeAPMode = makePage<ConnectionTypeAPMode>();
    gConnectionTypeLocalView = makePage<ConnectionTypeLocalView>();
    gAPModeHostToDevice = makePage<APModeHostToDevice>();
    gAPModeHostToDevicePasswordVerify = makePage<APModeHostToDevicePasswordVerify>();
    gAPModeDeviceToRouter = makePage<APModeDeviceToRouter>();
    gAPModeHostToRouter = makePage<APModeHostToRouter>();
    gCameraConnectionPage->connectPanels();
}

void Mainpage::retranslatePages()
{
    for (WizardPage* page : m_pages)
        page->retranslate();
}

void Mainpage::translateAllUI()
{
    gWelcomePage->addLanguagesList();
    gWelcomePage->langComboBoxIndexChanged(languageIndex(gCurrentLanguage));
}

void Mainpage::translateFlush()
{
    ui->mainZero_Label->setText(
        QString("<a href=\"zero\" style=\"color:#999999;text-decoration:none;\">%1</a>").arg(tr("Zero config")));
    ui->mainVersion_Label->setText(
        QString("<font face=Verdana color=#999999>%1 %2</font>").arg(tr("olvaris Setup Wizard"), TolmWizardQtVersion));
    ui->mainExit_Label->setText(
        QString("<a href=\"exit\" style=\"color:#3399cc;text-decoration:none;\">%1</a>").arg(tr("Exit")));
}

void Mainpage::showPage(QWidget* leaving, WizardPage* next)
{
    if (leaving)
        leaving->hide();
    ui->mainlLayout->addWidget(next, 0, Qt::Alignment());
    next->show();
}

void Mainpage::enterPage(QWidget* leaving, WizardPage* next)
{
    showPage(leaving, next);
    next->enter();
}

void Mainpage::setStep(int step, const QString& caption)
{
    ui->mainProgress_Label->setStyleSheet(
        QString("background-image: url(:/images/step_%1.png)").arg(step, 2, 10, QChar('0')));
    ui->mainProgress_Label->show();
    ui->mainProgressContent_Label->setText(caption);
    WizardPage::growToText(ui->mainProgressContent_Label);
    ui->mainProgressContent_Label->show();
}

void Mainpage::hideStep()
{
    ui->mainProgress_Label->hide();
    ui->mainProgressContent_Label->hide();
}

void Mainpage::setFooterLinkVisible(bool visible)
{
    ui->mainZero_Label->setVisible(visible);
}

bool Mainpage::isBusy() const
{
    return !loadingMaskLabel->isHidden();
}

void Mainpage::showBusy()
{
    loadingMaskLabel->show();
    loadingImageLabel->show();
    loadingTimer->start(100);
}

void Mainpage::hideBusy()
{
    loadingMaskLabel->hide();
    loadingImageLabel->hide();
    loadingTimer->stop();
}

void Mainpage::showScanPicture()
{
    loadingImageLabel->show();
    loadingTimer->start(100);
}

void Mainpage::hideScanPicture()
{
    loadingImageLabel->hide();
    loadingTimer->stop();
}

void Mainpage::dimBehind(QWidget* popup)
{
    shade->cover(popup);
}

void Mainpage::showDimming()
{
    shade->hold(true);
}

void Mainpage::hideDimming()
{
    shade->hold(false);
}

void Mainpage::showLoadingImage()
{
    loadingImageLabel->setPixmap(QPixmap(loadingPicture(loadingTick)));
    loadingTick = (loadingTick + 1) % kLoadingFrames;
}

QString Mainpage::loadingPicture(int tick)
{
    return QString(":/images/Loading_icon_%1.png").arg(tick % kLoadingFrames + 1, 2, 10, QChar('0'));
}

void Mainpage::openOlvaris()
{
    Platform::openUrl(QUrl(QString("http://%1/").arg(Endpoints::kCloudSiteHost)));
}

void Mainpage::popupExit()
{
    openExitPopup(this, {tr("Exit"), tr("Do you really want to exit?"), tr("No"), tr("Yes")}, this);
}

void Mainpage::pressMsgExitNoButton()
{
    MessageBoxPage::closeByName(this, kExitPopupName);
}

void Mainpage::pressMsgExitYesButton()
{
    QCoreApplication::exit(0);
}

void Mainpage::closeEvent(QCloseEvent* event)
{
    event->ignore();
    popupExit();
}

bool Mainpage::eventFilter(QObject* watched, QEvent* event)
{
    // Pages added later must not cover the overlay or the dimming label.
    if (event->type() == QEvent::Show)
        static_cast<QWidget*>(watched)->raise();
    return QWidget::eventFilter(watched, event);
}

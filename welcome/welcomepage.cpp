#include "welcome/welcomepage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QTranslator>

#include "protocol/dcputils.h"
#include "shell/endpoints.h"
#include "shell/globals.h"
#include "shell/languages.h"
#include "shell/log.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "platform/installer.h"

#include "apmode/apmodedevicetorouter.h"
#include "apmode/apmodehosttodevice.h"
#include "apmode/apmodehosttodevicepasswordverify.h"
#include "apmode/apmodehosttorouter.h"
#include "cloud/alreadyregisteredpage.h"
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
#include "welcome/catalogue.h"
#include "welcome/oppspage.h"
#include "welcome/spriteclipper.h"
#include "welcome/updatedescription.h"
#include "welcome/version.h"
#include "wifi/devicewifichangepage.h"

bool gWizardUpdateDownloaded = false;
bool gDeviceIconReady = false;
bool gAssembleImageReady = false;
bool gJsonFileReady = false;
bool gInternetReachable = false;
int checkType = 0;
QString TolmWizardFile;
QString TolmWizardUpdateSavePath;
QUrl TolmWizardWindowsUpdateURI;
QString TolmWizardLatestVersion;
CloudServicesPage* gCloudServicesPage = nullptr;

namespace {

constexpr int kTickMs = 1000;
constexpr int kInternetTickLimit = 5;
constexpr int kJsonFileTickLimit = 10;
constexpr quint16 kDCPPort = 5978;
const char* const kBindingFailedPopupName = "dcpBindingFailed";
constexpr int kSpriteTickLimit = 20;
constexpr int kSpriteRequestEvery = 10;
constexpr int kUpdateCheckTickLimit = 30;
constexpr int kDownloadTickLimit = 399;
constexpr int kDownloadRequestEvery = 200;
constexpr int kInstallerRedirectLimit = 10;
const char* const kUpdatePopup = "UpdateWizardMsgBox";
const char* const kStatusPopup = "UpdateWizardStatusMsgBox";
const char* const kPathErrorPopup = "UpdateWizardPathErrorMsgBox";
const char* const kDownloadErrorPopup = "UpdateWizardDownloadErrorMsgBox";

// The cloud service's support page, as a link in the update's error popups.
QString supportLink()
{
    const QString site = QString::fromLatin1(Endpoints::kCloudSiteHost);
    return QString("<a href=https://%1/support><font style='font-size:14px' color=#007b93>%1/support</font></a>")
        .arg(site);
}

// The language names of the language table, for the translation tools.
const char* const kLanguageNames[] = {
    QT_TRANSLATE_NOOP("WelcomePage", "English"),
    QT_TRANSLATE_NOOP("WelcomePage", "French"),
    QT_TRANSLATE_NOOP("WelcomePage", "Russian"),
    QT_TRANSLATE_NOOP("WelcomePage", "Spanish"),
    QT_TRANSLATE_NOOP("WelcomePage", "Portuguese(Portugal)"),
    QT_TRANSLATE_NOOP("WelcomePage", "Portuguese(Brazil)"),
    QT_TRANSLATE_NOOP("WelcomePage", "Japanese"),
    QT_TRANSLATE_NOOP("WelcomePage", "Traditional Chinese"),
    QT_TRANSLATE_NOOP("WelcomePage", "Simplified Chinese"),
    QT_TRANSLATE_NOOP("WelcomePage", "Korean"),
    QT_TRANSLATE_NOOP("WelcomePage", "Czech"),
    QT_TRANSLATE_NOOP("WelcomePage", "Danish"),
    QT_TRANSLATE_NOOP("WelcomePage", "German"),
    QT_TRANSLATE_NOOP("WelcomePage", "Greek"),
    QT_TRANSLATE_NOOP("WelcomePage", "Croatian"),
    QT_TRANSLATE_NOOP("WelcomePage", "Hungarian"),
    QT_TRANSLATE_NOOP("WelcomePage", "Italian"),
    QT_TRANSLATE_NOOP("WelcomePage", "Dutch"),
    QT_TRANSLATE_NOOP("WelcomePage", "Norwegian"),
    QT_TRANSLATE_NOOP("WelcomePage", "Polish"),
    QT_TRANSLATE_NOOP("WelcomePage", "Romanian"),
    QT_TRANSLATE_NOOP("WelcomePage", "Slovenian"),
    QT_TRANSLATE_NOOP("WelcomePage", "Swedish"),
    QT_TRANSLATE_NOOP("WelcomePage", "Finnish"),
};

} // namespace

WelcomePage::WelcomePage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_WelcomePage)
{
    WLOG << "WelcomePage Constructor Initializing ...";
    ui->setupUi(this);
    ui->welcomeStart_Button->setText("Start");
    ui->welcomeLanguageComboBox_ComboBox->setStyleSheet("QScrollBar:vertical{background:white;}");
    ui->welcomeLanguageComboBox_ComboBox->view()->setMinimumHeight(210);
    connect(ui->welcomeStart_Button, SIGNAL(clicked()), this, SLOT(pressstartButton()));
    connect(ui->welcomeLanguageComboBox_ComboBox, SIGNAL(activated(int)), this,
            SLOT(langComboBoxIndexChanged(int)));

    tolmwizardNetworkManager = createManager(SLOT(downloadTolmWizardJSONFinishedSlot(QNetworkReply*)));
    tolmwizardDownloadManager = createManager(SLOT(downloadAssembleImageFinished(QNetworkReply*)));
    tolmwizardDownloadDeviceIconManager = createManager(SLOT(downloadDeviceIconFinished(QNetworkReply*)));

    waitWizardInternetNumber = 0;
    checkType = 0;
    gInternetReachable = false;
    checkWizardInternetTimer = createTimer(SLOT(checkInternetRequest()));
    wizardInternetUrl = QUrl(QString::fromLatin1(Endpoints::kInternetProbeUrl));

    waitWizardJsonFileNumber = 0;
    gJsonFileReady = false;
    checkWizardJsonFileTimer = createTimer(SLOT(checkJsonFileRequest()));
    waitAssembleImageNumber = 0;
    gAssembleImageReady = false;
    checkAssembleImageTimer = createTimer(SLOT(checkAssembleImageRequest()));
    waitDeviceIconNumber = 0;
    gDeviceIconReady = false;
    checkDeviceIconTimer = createTimer(SLOT(checkDeviceIconRequest()));
    waitWizardUpdateNumber = 0;
    gWizardUpdateDownloaded = false;
    checkWizardUpdateTimer = createTimer(SLOT(checkTolmWizardUpdateRequest()));

    waitWizardUpdateUriNumber = 0;
    wizardUpdateFound = false;
    checkWizardUpdateUriTimer = createTimer(SLOT(checkWizardUpdateUriConnection()));

    tolmwizardUpdateUriManager = createManager(SLOT(getWizardUpdateUriFinishedSlot(QNetworkReply*)));
    tolmwizardUpdateManager = createManager(SLOT(downloadWizardUpdateFinished(QNetworkReply*)));
}

WelcomePage::~WelcomePage()
{
    delete ui;
}

QNetworkAccessManager* WelcomePage::createManager(const char* finishedSlot)
{
    QNetworkAccessManager* manager = new QNetworkAccessManager(this);
    connect(manager, SIGNAL(finished(QNetworkReply*)), this, finishedSlot);
    connect(manager, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), this,
            SLOT(checkRequestAuthRequired(QNetworkReply*, QAuthenticator*)));
    connect(manager, SIGNAL(sslErrors(QNetworkReply*, QList<QSslError>)), this,
            SLOT(checkRequestsslErrors(QNetworkReply*, QList<QSslError>)));
    return manager;
}

QTimer* WelcomePage::createTimer(const char* timeoutSlot)
{
    QTimer* timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), this, timeoutSlot);
    return timer;
}

void WelcomePage::checkRequestAuthRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    WLOG << "check request auth required!";
    disconnect(tolmwizardNetworkManager, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), nullptr,
               nullptr);
    WLOG << "str_authenticator = " << static_cast<void*>(authenticator);
    reply->deleteLater();
}

void WelcomePage::checkRequestsslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    WLOG << "check request SSLErrors !";
    disconnect(tolmwizardNetworkManager, SIGNAL(sslErrors(QNetworkReply*, QList<QSslError>)), nullptr, nullptr);
    QStringList texts;
    for (const QSslError& error : errors)
        texts.append(error.errorString());
    WLOG << "errorString :" << texts.join(", ");
    // The catalogue names the update address, and the installer is run later: their
    // certificates must hold. Only the sprite pictures go on regardless.
    const QNetworkAccessManager* manager = reply->manager();
    if (manager == tolmwizardDownloadManager || manager == tolmwizardDownloadDeviceIconManager)
        reply->ignoreSslErrors();
    else
        WLOG << "certificate not trusted, request refused:" << reply->url();
}

void WelcomePage::pressstartButton()
{
    gMainpage->showBusy();
    resetCheckingParameter();
    checkWizardInternetTimer->start(kTickMs);
}

void WelcomePage::resetCheckingParameter()
{
    WLOG << " reset parameters .........  ";
    for (QTimer* timer : {checkWizardInternetTimer, checkWizardJsonFileTimer, checkAssembleImageTimer,
                          checkDeviceIconTimer, checkWizardUpdateTimer, checkWizardUpdateUriTimer})
        timer->stop();
    waitWizardInternetNumber = 0;
    waitWizardJsonFileNumber = 0;
    waitAssembleImageNumber = 0;
    waitDeviceIconNumber = 0;
    waitWizardUpdateNumber = 0;
    waitWizardUpdateUriNumber = 0;
    wizardUpdateFound = false;
    gInternetReachable = false;
    gJsonFileReady = false;
    gAssembleImageReady = false;
    gDeviceIconReady = false;
    gWizardUpdateDownloaded = false;
    checkType = 0;
}

void WelcomePage::checkInternetRequest()
{
    const int n = waitWizardInternetNumber;
    if (isLocalView) {
        gInternetReachable = false;
        checkWizardInternetTimer->stop();
        WLOG << "local view, pass internet checking !!! ";
        checkType = 1;
        checkWizardJsonFileTimer->start(kTickMs);
        checkAssembleImageTimer->stop();
        gAssembleImageReady = false;
        WLOG << "local view, pass get assemble image square checking !!! ";
        bindingDCP();
    } else {
        if (n == kInternetTickLimit) {
            checkWizardInternetTimer->stop();
            tolmwizardNetworkManager->clearAccessCache();
            WLOG << "checkWizardInternetTimer timeout " << n << "stop !!";
            unbindingDCP();
            resetCheckingParameter();
            switchToPage(gOppsPage);
        } else if (gInternetReachable) {
            // The cloud page is created here on the first success and retranslated on
            // every later one, once it exists.
            checkWizardInternetTimer->stop();
            WLOG << "checkWizardInternetTimer stop at " << n;
            checkType = 1;
            checkWizardJsonFileTimer->start(kTickMs);
            checkAssembleImageTimer->start(kTickMs);
            checkDeviceIconTimer->start(kTickMs);
            bindingDCP();
        }
        // The timeout tick has reset the counter: it sends one more probe, whose late
        // answer lets Retry succeed on its first tick.
        if (waitWizardInternetNumber % 2 == 0 && !gInternetReachable) {
            WLOG << "check [Wizard Internet] [GET] url :" << wizardInternetUrl;
            tolmwizardNetworkManager->get(QNetworkRequest(wizardInternetUrl));
        }
    }
    WLOG << "waitWizardInternetNumber :" << waitWizardInternetNumber;
    ++waitWizardInternetNumber;
}

void WelcomePage::downloadTolmWizardJSONFinishedSlot(QNetworkReply* reply)
{
    WLOG << "check request finished!!";
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QString code = status.isValid() ? QString::number(status.toInt()) : QString();
    WLOG << "tolmwizardNetworkManager http QVariant =" << status;
    WLOG << "tolmwizardNetworkManager http status code =" << code;

    if (reply->error() != QNetworkReply::NoError) {
        WLOG << "network error :" << reply->errorString();
        gInternetReachable = false;
        gJsonFileReady = false;
    } else if (code == "200" || code == "301" || code == "302") {
        if (checkType == 0) {
            gInternetReachable = true;
            WLOG << "checkType=0";
        } else if (checkType == 1 && code == "200") {
            if (parseJsonFile(cleanCatalogueBody(reply->readAll()))) {
                gJsonFileReady = true;
                WLOG << "checkType=1";
                // A sprite that came before the catalogue had no names to cut by.
                if (gAssembleImageReady)
                    clipAssembleImagesSquare();
                if (gDeviceIconReady)
                    clipDeviceIconSquare();
            } else {
                switchToPage(gOppsPage);
                checkType = 0;
                WLOG << "checkType=0";
            }
        } else if (checkType == 1) {
            const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
            jsonUrl = reply->url().resolved(target);
            WLOG << " tolmwizard.json redirected :" << jsonUrl;
            gJsonFileReady = false;
        } else if (checkType == 2) {
            gInternetReachable = true;
            gJsonFileReady = true;
            WLOG << "checkType=2";
        }
    }
    reply->deleteLater();
}

void WelcomePage::checkJsonFileRequest()
{
    const int n = waitWizardJsonFileNumber;
    if (isLocalView) {
        WLOG << "local view, pass json file checking !!! ";
        checkWizardJsonFileTimer->stop();
        gJsonFileReady = false;
        switchToPage(gAgreementPage);
    } else {
        if (n == kJsonFileTickLimit) {
            checkWizardJsonFileTimer->stop();
            tolmwizardNetworkManager->clearAccessCache();
            WLOG << "checkWizardJsonFileTimer timeout " << n << "stop !!";
            unbindingDCP();
            resetCheckingParameter();
            switchToPage(gOppsPage);
        } else if (gJsonFileReady) {
            checkWizardJsonFileTimer->stop();
            WLOG << "checkWizardJsonFileTimer stop at " << n;
            WLOG << "TolmWizardQtVersion :" << TolmWizardQtVersion;
            WLOG << "TolmWizardJsonVersion :" << TolmWizardLatestVersion;
            if (isNewerVersion(TolmWizardQtVersion, TolmWizardLatestVersion)) {
                unbindingDCP();
                checkWizardUpdateUriTimer->start(kTickMs);
                WLOG << "Got New Version of Tlom Wizard, Need to be Updated";
            } else {
                switchToPage(gAgreementPage);
            }
        }
        if (waitWizardJsonFileNumber % 2 == 0 && !gJsonFileReady) {
            WLOG << "check [JSON] file [GET] url :" << jsonUrl;
            tolmwizardNetworkManager->get(QNetworkRequest(jsonUrl));
        }
    }
    WLOG << "checkWizardJsonFileTimer :" << n;
    ++waitWizardJsonFileNumber;
}

bool WelcomePage::parseJsonFile(QString json)
{
    ModelRouteMap.clear();
    ModelRouteMap.insert(tr("Choose your model"), "0");
    WLOG << "json :" << json;

    const CatalogueParse parse = parseCatalogue(json);
    if (parse.status == CatalogueParse::Invalid) {
        WLOG << parse.error;
        checkWizardInternetTimer->stop();
        checkWizardJsonFileTimer->stop();
        return false;
    }
    if (parse.status == CatalogueParse::Empty)
        return true;

    const Catalogue& catalogue = parse.catalogue;
    ConnectionTypeMap = catalogue.connectionTypes;
    ConnectionTypeNumberMap = catalogue.connectionTypeNumbers;
    SupportHWVersionMap = catalogue.hardwareVersions;
    SupportWiFiMap = catalogue.supportWiFi;
    SupportAPModeMap = catalogue.supportAPMode;
    CGIProtocolMap = catalogue.cgiProtocols;
    AssembleImagesMap = catalogue.assembleImages;
    DeviceIconsMap = catalogue.deviceIcons;
    for (auto route = catalogue.routes.constBegin(); route != catalogue.routes.constEnd(); ++route)
        ModelRouteMap.insert(route.key(), route.value());

    TolmWizardLatestVersion = catalogue.latestVersion;
    if (!gIsQATest) {
        TolmWizardUpdateUrl = QUrl(catalogue.updateUri, QUrl::TolerantMode);
        TolmWizardWindowsUpdateURI = TolmWizardUpdateUrl;
        WLOG << "TolmWizardUpdateUrl:" << TolmWizardUpdateUrl;
    }

    WLOG << "00 ConnectionTypeMap:" << ConnectionTypeMap;
    WLOG << "01 ConnectionTypeNumberMap:" << ConnectionTypeNumberMap;
    WLOG << "02 SupportWiFiMap:" << SupportWiFiMap;
    WLOG << "03 SupportAPModeMap:" << SupportAPModeMap;
    WLOG << "04 SupportHWVersionMap:" << SupportHWVersionMap;
    WLOG << "05 AssembleImagesMap:" << AssembleImagesMap;
    WLOG << "06 DeviceIconsMap:" << DeviceIconsMap;
    return true;
}

void WelcomePage::bindingDCP()
{
    hostMacAddrList.clear();
    for (const QNetworkInterface& netInterface : QNetworkInterface::allInterfaces()) {
        const QString mac = netInterface.hardwareAddress();
        if (!mac.isEmpty())
            hostMacAddrList.append(mac);
    }
    WLOG << "hostMacAddrList : " << hostMacAddrList;

    // A socket of our own still bound from an earlier chain would make the bind fail.
    gDCPUtils->closeUDPSocketRecv();
    const bool bound = gDCPUtils->openUDPSocketRecv(kDCPPort);
    WLOG << " /* ======== Start UDP Server Port 5978, isBinding = " << (bound ? "true" : "false") << " ======== */";
    if (!bound) {
        resetCheckingParameter();
        gMainpage->hideBusy();
        popupDCPBindingFailed();
    }
}

void WelcomePage::unbindingDCP()
{
    gDCPUtils->closeUDPSocketRecv();
    WLOG << " /* ======== Stop UDP Server Port 5978  ======== */";
}

void WelcomePage::popupDCPBindingFailed()
{
    const int w = 618;
    const int h = 400;
    MessageBoxPage* popup = MessageBoxPage::createCentred(gMainpage, kBindingFailedPopupName, w, h);
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxTitile_Label->setText(tr("Warning"));
    box->msgBoxTitile_Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->msgBoxTitile_Label->setGeometry(80, 50, 440, 30);
    box->msgBoxTitile_Label->show();
    box->msgBoxContent_Label->setGeometry(80, 100, 480, 120);
    box->msgBoxContent_Label->setText(MessageBoxPage::richText(
        tr("You may have a web browser window open or another Setup Wizard<br>may be running. Please close your web "
           "browser and any Setup Wizard<br>that may be running before opening this program.")));
    box->msgBoxContent_Label->show();
    box->msgBoxImageLabel->hide();
    connect(box->msgBoxClose_Button, SIGNAL(clicked()), this, SLOT(pressMsgDCPBindingFailedCloseButton()));
    connect(box->msgBoxRightBtn_Button, SIGNAL(clicked()), this, SLOT(pressMsgDCPBindingFailedCloseButton()));
    box->msgBoxClose_Button->show();
    box->msgBoxRightBtn_Button->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    box->msgBoxRightBtn_Button->setText(tr("Close"));
    box->msgBoxRightBtn_Button->setGeometry(480, 350, 111, 24);
    box->msgBoxRightBtn_Button->show();
    popup->show();
}

void WelcomePage::pressMsgDCPBindingFailedCloseButton()
{
    QCoreApplication::exit(0);
}

void WelcomePage::switchToPage(QWidget* page)
{
    gMainpage->hideBusy();
    if (page == gAgreementPage) {
        gOppsPage->hide();
        gMainpage->ui->mainZero_Label->hide();
    }
    gMainpage->showPage(this, page);
}

void WelcomePage::addLanguagesList()
{
    QComboBox* combo = ui->welcomeLanguageComboBox_ComboBox;
    combo->clear();
    const QVector<Language>& table = languageTable();
    for (const Language& language : table)
        combo->addItem(tr(language.displayName.toUtf8().constData()), language.localeCode);
    // Data 0 in this role clears the item's flags: shown, but not selectable.
    for (int row = 0; row < table.size(); ++row)
        if (!table[row].selectable)
            combo->setItemData(row, 0, Qt::UserRole - 1);
}

void WelcomePage::langComboBoxIndexChanged(int idx)
{
    WLOG << "langComboBoxIndexChanged idx=" << idx;
    const QVector<Language>& table = languageTable();
    const bool known = idx >= 0 && idx < table.size();
    const QString file = known ? table[idx].fileName : QStringLiteral("en.qm");
    gCurrentLanguage = known ? table[idx].shortCode : QStringLiteral("en");
    WLOG << "01 selected_lang =" << file;
    const QString path = languageFolder() + file;
    WLOG << "02 langPath =" << path;

    if (!gTranslator)
        gTranslator = new QTranslator(qApp);
    if (gTranslator->load(path, "lang")) {
        WLOG << "03-01 Tran Start";
    } else {
        WLOG << "03-02 Tran Stop Re-Load en.qm";
        gCurrentLanguage = "en";
        gTranslator->load(languageFolder() + "en.qm", "lang");
    }
    // Installed once: a second install would only stack the same translator again.
    QCoreApplication::removeTranslator(gTranslator);
    QCoreApplication::installTranslator(gTranslator);

    addLanguagesList();
    ui->welcomeLanguageComboBox_ComboBox->setCurrentIndex(idx);
    translateUI();
}

void WelcomePage::clearQComboBoxFocus()
{
    for (QComboBox* box : findChildren<QComboBox*>()) {
        WLOG << " obj->objectName() =================> " << box->objectName();
        box->clearFocus();
    }
}

void WelcomePage::translateUI()
{
    WLOG << " welcome translateUI...";
    ui->welcomeTitle_Label->setText(tr("Welcome"));
    ui->welcomeLanguage_Label->setText(tr("Choose your language :"));
    ui->welcomeStart_Button->setText(tr("Start"));
    gMainpage->setWindowTitle(tr("olvaris Setup Wizard"));
    gMainpage->translateFlush();

    gAgreementPage->ui->agreementContent_TextEdit->setText(gAgreementPage->licenceText());
    gAgreementPage->ui->retranslateUi(gAgreementPage);
    gOppsPage->ui->retranslateUi(gOppsPage);
    gCameraConnectionPage->ui->retranslateUi(gCameraConnectionPage);
    gDiscoveryPage->ui->retranslateUi(gDiscoveryPage);
    gDeviceSetupPage->ui->retranslateUi(gDeviceSetupPage);
    gAlreadyRegisteredPage->ui->retranslateUi(gAlreadyRegisteredPage);
    gDeviceWiFiChangePage->ui->retranslateUi(gDeviceWiFiChangePage);
    gDeviceSetupCompletePage->ui->retranslateUi(gDeviceSetupCompletePage);
    gConnectionTypeDefault->ui->retranslateUi(gConnectionTypeDefault);
    gConnectionTypeOnlyOne->ui->retranslateUi(gConnectionTypeOnlyOne);
    gConnectionTypeMoreThanOne->ui->retranslateUi(gConnectionTypeMoreThanOne);
    gConnectionTypeAPMode->ui->retranslateUi(gConnectionTypeAPMode);
    gConnectionTypeLocalView->ui->retranslateUi(gConnectionTypeLocalView);
    gAPModeHostToDevice->ui->retranslateUi(gAPModeHostToDevice);
    gAPModeHostToDevicePasswordVerify->ui->retranslateUi(gAPModeHostToDevicePasswordVerify);
    gAPModeDeviceToRouter->ui->retranslateUi(gAPModeDeviceToRouter);
    gAPModeHostToRouter->ui->retranslateUi(gAPModeHostToRouter);
}

// ---- Sprites: two one-second waits, their replies and the cuts ----

void WelcomePage::getAssembleImagesSquare()
{
    WLOG << "start download assemble images square...";
    tolmwizardDownloadManager->get(QNetworkRequest(assembleImageSquareUrl));
}

void WelcomePage::getDeviceIconsSquare()
{
    WLOG << "start download device icons square...";
    tolmwizardDownloadDeviceIconManager->get(QNetworkRequest(deviceIconSquareUrl));
}

void WelcomePage::checkAssembleImageRequest()
{
    spriteTick({checkAssembleImageTimer, waitAssembleImageNumber, gAssembleImageReady, tolmwizardDownloadManager,
                assembleImageSquareUrl, "checkAssembleImageTimer", "check Assemble Image url :",
                &WelcomePage::getAssembleImagesSquare});
}

void WelcomePage::checkDeviceIconRequest()
{
    spriteTick({checkDeviceIconTimer, waitDeviceIconNumber, gDeviceIconReady, tolmwizardDownloadDeviceIconManager,
                deviceIconSquareUrl, "checkDeviceIconTimer", "check Device Icon url :",
                &WelcomePage::getDeviceIconsSquare});
}

void WelcomePage::spriteTick(const SpriteWait& wait)
{
    const int n = wait.counter;
    const QString name = QString::fromLatin1(wait.timerName);
    if (isLocalView) {
        wait.timer->stop();
        wait.ready = false;
        WLOG << "local view, pass assemble image checking !!! ";
    } else if (n == kSpriteTickLimit) {
        // Gives up this wait only: the catalogue, the update check and a download run on.
        wait.timer->stop();
        wait.manager->clearAccessCache();
        WLOG << qPrintable(name + " timeout ") << n << "stop !!";
        wait.counter = 0;
        wait.ready = false;
        return;
    } else if (wait.ready) {
        wait.timer->stop();
        wait.manager->clearAccessCache();
        WLOG << qPrintable(name + " stop at ") << n;
    } else if (n % kSpriteRequestEvery == 0) {
        WLOG << wait.resendText << wait.url;
        (this->*wait.request)();
    }
    WLOG << qPrintable(name + " :") << n;
    ++wait.counter;
}

void WelcomePage::downloadAssembleImageFinished(QNetworkReply* data)
{
    handleSpriteReply(data, {SpriteKind::assembleImages(), gAssembleImageReady, assembleImageSquareUrl,
                             "tolmwizardDownloadManager", "assemble_image_square", " Assemble Images Square",
                             &WelcomePage::clipAssembleImagesSquare});
}

void WelcomePage::downloadDeviceIconFinished(QNetworkReply* data)
{
    handleSpriteReply(data, {SpriteKind::deviceIcons(), gDeviceIconReady, deviceIconSquareUrl,
                             "tolmwizardDownloadDeviceIconManager", "device_icons_square", " Device Icons",
                             &WelcomePage::clipDeviceIconSquare});
}

void WelcomePage::handleSpriteReply(QNetworkReply* data, const SpriteReply& sprite)
{
    const QString manager = QString::fromLatin1(sprite.managerName);
    const QString logName = QString::fromLatin1(sprite.logName);
    const QVariant status = data->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QString code = status.isValid() ? QString::number(status.toInt()) : QString();
    WLOG << qPrintable(manager + " HTTP QVariant =") << status;
    WLOG << qPrintable(manager + " HTTP status code =") << code;

    if (data->error() != QNetworkReply::NoError) {
        WLOG << "sprite not downloaded :" << data->errorString();
    } else if (code == "200") {
        const QByteArray body = data->readAll();
        WLOG << qPrintable(QString("start write %1 file ...").arg(sprite.fileLabel));
        QFile file(QDir::tempPath() + "/" + sprite.kind.spriteFile);
        if (!isPictureBody(body)) {
            // An error page served with 200 is no sprite: the wait asks again.
            WLOG << qPrintable(logName + " is not a picture, not written :") << data->url();
        } else if (file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.flush()) {
            file.close();
            WLOG << qPrintable(QString("write %1 file done!").arg(sprite.fileLabel));
            sprite.ready = true;
            (this->*sprite.clip)();
        } else {
            WLOG << "sprite file not written :" << file.fileName() << file.errorString();
        }
    } else if (code == "301" || code == "302") {
        sprite.url = data->url().resolved(data->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        WLOG << qPrintable(logName + " redirected :") << sprite.url;
        sprite.ready = false;
    } else {
        WLOG << qPrintable(logName + " HTTP Error :") << code;
    }
    data->deleteLater();
}

void WelcomePage::clipAssembleImagesSquare()
{
    const QString folder = cutSprite(SpriteKind::assembleImages(), AssembleImagesMap, QDir::tempPath());
    if (!folder.isNull())
        assembleImagesPath = folder;
}

void WelcomePage::clipDeviceIconSquare()
{
    const QString folder = cutSprite(SpriteKind::deviceIcons(), DeviceIconsMap, QDir::tempPath());
    if (!folder.isNull())
        deviceIconsPath = folder;
}

// ---- Self-update: the update check, the offer, the folder, the download and the start ----

void WelcomePage::getUpdateUrl()
{
    if (gIsQATest) {
        TolmWizardUpdateUrl = QUrl(gQATestBaseUrl + "vt_devices.json");
    } else if (!TolmWizardWindowsUpdateURI.isEmpty()) {
        TolmWizardUpdateUrl = TolmWizardWindowsUpdateURI;
        WLOG << "Url Get from Tolmwizard.json";
    } else {
        TolmWizardUpdateUrl = QUrl(QString::fromLatin1(Endpoints::kUpdateCheckUrl));
    }
    WLOG << "Wizard Update Url: " << TolmWizardUpdateUrl;
}

void WelcomePage::checkWizardUpdateUriConnection()
{
    const int n = waitWizardUpdateUriNumber;
    if (n == kUpdateCheckTickLimit) {
        checkWizardUpdateUriTimer->stop();
        tolmwizardUpdateUriManager->clearAccessCache();
        WLOG << "waitWizardUpdateUriNumber timeout " << n << "stop !!";
        resetCheckingParameter();
        gMainpage->hideBusy();
    } else if (wizardUpdateFound) {
        checkWizardUpdateUriTimer->stop();
        resetCheckingParameter();
        gMainpage->hideBusy();
        popupUpdateWizardMsgBox();
    } else if (n % 2 == 0) {
        WLOG << "current TolmWizardUpdateUrl url : ---------------------------------->:" << TolmWizardUpdateUrl;
        tolmwizardUpdateUriManager->get(QNetworkRequest(TolmWizardUpdateUrl));
    }
    WLOG << " waitWizardUpdateUriNumber :" << n;
    ++waitWizardUpdateUriNumber;
}

void WelcomePage::getWizardUpdateUriFinishedSlot(QNetworkReply* data)
{
    WLOG << "check request finished!!";
    const QVariant status = data->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QString code = status.isValid() ? QString::number(status.toInt()) : QString();
    WLOG << "tolmwizardUpdateUriManager http QVariant =" << status;
    WLOG << "tolmwizardUpdateUriManager http status code =" << code;

    if (!checkWizardUpdateUriTimer->isActive()) {
        // The check has ended; a late answer must not move the user on.
        WLOG << "update check over, reply ignored :" << data->url();
    } else if (data->error() != QNetworkReply::NoError) {
        WLOG << "update check failed :" << data->errorString();
        wizardUpdateFound = false;
    } else if (code == "301" || code == "302") {
        TolmWizardUpdateUrl =
            data->url().resolved(data->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        WLOG << " ---------------------------------->redirected: " << TolmWizardUpdateUrl;
        wizardUpdateFound = false;
    } else if (code != "200") {
        wizardUpdateFound = false;
    } else {
        const UpdateOffer offer = readUpdateDescription(data->readAll(), TolmWizardQtVersion);
        if (offer.found) {
            TolmWizardUpdateUrl = offer.installerUrl;
            wizardUpdateFound = true;
        } else {
            wizardUpdateFound = false;
            checkWizardUpdateUriTimer->stop();
            tolmwizardUpdateUriManager->clearAccessCache();
            resetCheckingParameter();
            continueWithoutUpdate();
        }
    }
    data->deleteLater();
}

void WelcomePage::continueWithoutUpdate()
{
    // The version gate released the DCP socket; the camera pages need it bound.
    bindingDCP();
    switchToPage(gAgreementPage);
}

void WelcomePage::openUpdatePopup(const UpdatePopup& texts)
{
    const int w = 618;
    const int h = 300;
    MessageBoxPage* popup = MessageBoxPage::createCentred(gMainpage, texts.name, w, h);
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxTitile_Label->setText(texts.title);
    box->msgBoxTitile_Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->msgBoxTitile_Label->setGeometry(80, 50, 440, 30);
    box->msgBoxTitile_Label->show();
    box->msgBoxContent_Label->setText(MessageBoxPage::richText(texts.sentence));
    box->msgBoxContent_Label->setGeometry(80, 80, 480, 80);
    box->msgBoxContent_Label->setOpenExternalLinks(true);
    box->msgBoxContent_Label->show();
    box->msgBoxImageLabel->hide();
    connect(box->msgBoxClose_Button, SIGNAL(clicked()), this, texts.closeSlot);
    box->msgBoxClose_Button->show();
    box->msgBoxRightBtn_Button->setStyleSheet(MessageBoxPage::blueButtonStyle());
    box->msgBoxRightBtn_Button->setText(texts.rightText);
    box->msgBoxRightBtn_Button->setGeometry(480, 200, 111, 24);
    connect(box->msgBoxRightBtn_Button, SIGNAL(clicked()), this, texts.rightSlot);
    box->msgBoxRightBtn_Button->show();
    if (texts.leftSlot) {
        box->msgBoxLeftBtn_Button->setStyleSheet(MessageBoxPage::whiteButtonStyle());
        box->msgBoxLeftBtn_Button->setText(texts.leftText);
        box->msgBoxLeftBtn_Button->setGeometry(360, 200, 111, 24);
        connect(box->msgBoxLeftBtn_Button, SIGNAL(clicked()), this, texts.leftSlot);
        box->msgBoxLeftBtn_Button->show();
    }
    popup->show();
}

void WelcomePage::popupUpdateWizardMsgBox()
{
    openUpdatePopup({kUpdatePopup, tr("New Version Available"),
                     tr("A new version of the setup wizard is available, please update to the latest version."),
                     tr("Update"), SLOT(pressUpdateButton()), SLOT(pressMsgCancelButton()), QString(), nullptr});
}

void WelcomePage::popupUpdateWizardStatusMsgBox()
{
    openUpdatePopup({kStatusPopup, tr("Download Successful"),
                     tr("The latest Setup Wizard has been downloaded successfully. Please click OK to close this "
                        "wizard and launch the new one."),
                     tr("OK"), SLOT(pressMsgUpdateWizardStatusOKButton()),
                     SLOT(pressMsgUpdateWizardStatusCancelButton()), QString(), nullptr});
}

void WelcomePage::popupUpdateWizardPathErrorMsgBox()
{
    openUpdatePopup({kPathErrorPopup, tr("Download Path Error"),
                     tr("Please select another folder to save to, or click <b>Exit</b> to the close Setup "
                        "Wizard<br>and go to %1 to manually download the latest version of the<br>Setup Wizard.")
                         .arg(supportLink()),
                     tr("OK"), SLOT(pressMsgUpdateWizardPathErrorOKButton()),
                     SLOT(pressMsgUpdateWizardPathErrorCancelButton()), tr("Exit"),
                     SLOT(pressMsgUpdateWizardPathErrorExitButton())});
}

void WelcomePage::popupUpdateWizardDownloadErrorMsgBox()
{
    openUpdatePopup({kDownloadErrorPopup, tr("Download Error"),
                     tr("Please click <b>Retry</b> to download the update again, or go to %1<br>to manually "
                        "download the latest version of the Setup Wizard.<br>")
                         .arg(supportLink()),
                     tr("Retry"), SLOT(pressMsgUpdateWizardDownloadErrorRetryButton()),
                     SLOT(pressMsgUpdateWizardDownloadErrorCancelButton()), tr("Exit"),
                     SLOT(pressMsgUpdateWizardDownloadErrorExitButton())});
}

void WelcomePage::pressMsgCancelButton()
{
    leaveUpdateRoad(kUpdatePopup);
}

void WelcomePage::pressMsgUpdateWizardPathErrorCancelButton()
{
    leaveUpdateRoad(kPathErrorPopup);
}

void WelcomePage::pressMsgUpdateWizardDownloadErrorCancelButton()
{
    leaveUpdateRoad(kDownloadErrorPopup);
}

void WelcomePage::leaveUpdateRoad(const char* popupName)
{
    MessageBoxPage::closeByName(gMainpage, popupName);
    getUpdateUrl();
    // Declining the update goes on with this wizard, as when no newer one exists.
    continueWithoutUpdate();
}

void WelcomePage::pressMsgUpdateWizardStatusCancelButton()
{
    MessageBoxPage::closeByName(gMainpage, kStatusPopup);
}

void WelcomePage::pressMsgUpdateWizardPathErrorExitButton()
{
    QCoreApplication::exit(0);
}

void WelcomePage::pressMsgUpdateWizardDownloadErrorExitButton()
{
    QCoreApplication::exit(0);
}

void WelcomePage::pressUpdateButton()
{
    delete gMainpage->findChild<MessageBoxPage*>(kUpdatePopup);
    waitWizardUpdateNumber = 0;
    chooseInstallerFolder(QDir::currentPath(), false);
}

void WelcomePage::pressMsgUpdateWizardPathErrorOKButton()
{
    delete gMainpage->findChild<MessageBoxPage*>(kPathErrorPopup);
    checkWizardUpdateTimer->stop();
    waitWizardUpdateNumber = 0;
    chooseInstallerFolder(TolmWizardUpdateSavePath, true);
}

QString WelcomePage::installerTarget() const
{
    return TolmWizardUpdateSavePath + "/" + installerFileName(TolmWizardUpdateUrl);
}

void WelcomePage::chooseInstallerFolder(const QString& startFolder, bool removeAnyOldFile)
{
    // A file written before but not readable back must not stop the next wait at once.
    gWizardUpdateDownloaded = false;
    TolmWizardUpdateSavePath = QFileDialog::getExistingDirectory(
        this, QString(), startFolder, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    WLOG << "TolmWizardUpdateSavePath :" << TolmWizardUpdateSavePath;
    if (TolmWizardUpdateSavePath.isEmpty()) {
        gMainpage->lockScreenLabel->hide();
        WLOG << "not download ...";
        getUpdateUrl();
        continueWithoutUpdate();
        return;
    }
    TolmWizardFile = installerTarget();
    WLOG << "TolmWizardFile :" << TolmWizardFile;
    QFile old(TolmWizardFile);
    if (old.exists() && (removeAnyOldFile || TolmWizardFile.contains(".exe"))) {
        WLOG << "file exist and remove ...";
        if (!old.remove()) {
            WLOG << "remove failed ...";
            gMainpage->hideBusy();
            popupUpdateWizardPathErrorMsgBox();
            WLOG << "change directory to :" << TolmWizardUpdateSavePath;
            return;
        }
        WLOG << "remove success ...";
    }
    gMainpage->lockScreenLabel->hide();
    WLOG << "download ...";
    gMainpage->showBusy();
    checkWizardUpdateTimer->start(kTickMs);
}

void WelcomePage::getWizardUpdate()
{
    WLOG << "start download new version of wizard ...";
    QNetworkRequest request(TolmWizardUpdateUrl);
    // Redirects are followed here, never to a less safe scheme; a loop ends as an error.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kInstallerRedirectLimit);
    WLOG << "tolmwizardUpdateManager HTTP TolmWizardUpdateUrl =" << TolmWizardUpdateUrl;
    tolmwizardUpdateManager->get(request);
}

void WelcomePage::checkTolmWizardUpdateRequest()
{
    const int n = waitWizardUpdateNumber;
    if (isLocalView) {
        WLOG << "local view, pass update/download tolm wizard checking !!! ";
        checkWizardUpdateTimer->stop();
        gWizardUpdateDownloaded = false;
    } else if (n == kDownloadTickLimit) {
        checkWizardUpdateTimer->stop();
        tolmwizardUpdateManager->clearAccessCache();
        WLOG << "checkWizardUpdateTimer timeout " << n << "stop !!";
        resetCheckingParameter();
        gMainpage->hideBusy();
        popupUpdateWizardDownloadErrorMsgBox();
    } else if (gWizardUpdateDownloaded) {
        checkWizardUpdateTimer->stop();
        tolmwizardUpdateManager->clearAccessCache();
        WLOG << "checkWizardUpdateTimer stop at " << n;
    } else if (n % kDownloadRequestEvery == 0) {
        WLOG << "download Tlom Wizard url :" << TolmWizardUpdateUrl;
        getWizardUpdate();
    }
    WLOG << "waitWizardUpdateNumber :" << n;
    ++waitWizardUpdateNumber;
}

void WelcomePage::downloadWizardUpdateFinished(QNetworkReply* data)
{
    const QVariant status = data->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    WLOG << "tolmwizardUpdateManager HTTP QVariant =" << status;
    WLOG << "tolmwizardUpdateManager HTTP status code =" << (status.isValid() ? QString::number(status.toInt()) : "");
    data->deleteLater();
    if (!checkWizardUpdateTimer->isActive() || gWizardUpdateDownloaded) {
        WLOG << "download over, reply ignored :" << data->url();
        return;
    }
    // Only a whole 200 answer is an installer: error pages, redirects and cut bodies (the
    // network layer reports those as errors) never reach the disk.
    if (data->error() != QNetworkReply::NoError || status.toInt() != 200) {
        WLOG << "installer not downloaded :" << data->errorString();
        failDownload();
        return;
    }
    const QByteArray body = data->readAll();

    WLOG << "start write new version of wizard file ...";
    TolmWizardFile = installerTarget();
    WLOG << "TolmWizardFile path ..." << TolmWizardFile;
    QSaveFile file(TolmWizardFile);
    if (!file.open(QIODevice::WriteOnly)) {
        WLOG << "installer cannot be written :" << file.errorString();
        gMainpage->hideBusy();
        pressMsgUpdateWizardPathErrorOKButton();
        return;
    }
    if (file.write(body) != body.size() || !file.commit()) {
        // Nothing half written stays behind: the file only appears once all of it is on disk.
        WLOG << "installer not written in full :" << file.errorString();
        checkWizardUpdateTimer->stop();
        gMainpage->hideBusy();
        popupUpdateWizardPathErrorMsgBox();
        return;
    }
    gWizardUpdateDownloaded = true;
    QFile check(TolmWizardFile);
    if (!check.open(QIODevice::ReadOnly)) {
        WLOG << "installer cannot be read back :" << check.errorString();
        gMainpage->hideBusy();
        pressMsgUpdateWizardPathErrorOKButton();
        return;
    }
    WLOG << TolmWizardFile;
    gMainpage->hideBusy();
    popupUpdateWizardStatusMsgBox();
}

void WelcomePage::failDownload()
{
    gMainpage->hideBusy();
    checkWizardUpdateTimer->stop();
    popupUpdateWizardDownloadErrorMsgBox();
}

void WelcomePage::pressMsgUpdateWizardDownloadErrorRetryButton()
{
    MessageBoxPage::closeByName(gMainpage, kDownloadErrorPopup);
    WLOG << "download ...";
    gMainpage->showBusy();
    // After an installer that would not start, the file is fetched afresh.
    gWizardUpdateDownloaded = false;
    waitWizardUpdateNumber = 0;
    checkWizardUpdateTimer->start(kTickMs);
}

void WelcomePage::pressMsgUpdateWizardStatusOKButton()
{
    gMainpage->hide();
    WLOG << "01 OK close msgBox";
    TolmWizardFile = installerTarget();
    WLOG << "open TolmWizardFile path ..." << TolmWizardFile;
    const bool started = Platform::startDownloadedInstaller(TolmWizardFile);
    WLOG << "02 autorun_success" << started;
    if (!started) {
        // Nothing runs the update: stay, and let the user retry or leave.
        MessageBoxPage::closeByName(gMainpage, kStatusPopup);
        gMainpage->show();
        popupUpdateWizardDownloadErrorMsgBox();
        return;
    }
    WLOG << "03 autorun_success close:" << true;
    WLOG << "04 QCoreApplication::exit()";
    QCoreApplication::exit(0);
}

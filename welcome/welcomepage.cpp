#include "welcome/welcomepage.h"

#include <QAbstractItemView>
#include <QAuthenticator>
#include <QComboBox>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QTranslator>

#include "base/endpoints.h"
#include "base/globals.h"
#include "base/languages.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "platform/picturethread.h"
#include "protocol/dcputils.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

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
#include "welcome/catalogue.h"
#include "welcome/oppspage.h"
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

namespace {

constexpr int kInternetTickLimit = 5;
constexpr int kJsonFileTickLimit = 10;
constexpr quint16 kDCPPort = 5978;
const char* const kBindingFailedPopupName = "dcpBindingFailed";
// Reply property: the checkType a request of the check chain was sent under.
const char* const kSentAsCheckType = "sentAsCheckType";

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

}  // namespace

WelcomePage::WelcomePage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_WelcomePage)
{
    WLOG << "WelcomePage Constructor Initializing ...";
    ui->setupUi(this);
    ui->welcomeStart_Button->setText("Start");
    ui->welcomeLanguageComboBox_ComboBox->setStyleSheet("QScrollBar:vertical{background:white;}");
    ui->welcomeLanguageComboBox_ComboBox->view()->setMinimumHeight(210);
    formListWidth = ui->welcomeLanguageComboBox_ComboBox->width();
    connect(ui->welcomeStart_Button, &QPushButton::clicked, this, &WelcomePage::pressstartButton);
    connect(ui->welcomeLanguageComboBox_ComboBox, QOverload<int>::of(&QComboBox::activated), this,
            &WelcomePage::langComboBoxIndexChanged);

    // Each manager carries one kind of answer (the probe's is bounded once more where it is sent).
    tolmwizardNetworkManager = createManager(&WelcomePage::downloadTolmWizardJSONFinishedSlot, ReplyLimits::kCatalogue);
    tolmwizardDownloadManager = createManager(&WelcomePage::downloadAssembleImageFinished, ReplyLimits::kSprite);
    tolmwizardDownloadDeviceIconManager = createManager(&WelcomePage::downloadDeviceIconFinished, ReplyLimits::kSprite);
    spriteDecoder = new Platform::PictureDecoder(this);
    spriteCutter = new Platform::PictureThread(this);

    waitWizardInternetNumber = 0;
    checkType = 0;
    gInternetReachable = false;
    checkWizardInternetTimer = createTimer(&WelcomePage::checkInternetRequest);
    wizardInternetUrl = QUrl(QString::fromLatin1(Endpoints::kInternetProbeUrl));

    waitWizardJsonFileNumber = 0;
    gJsonFileReady = false;
    checkWizardJsonFileTimer = createTimer(&WelcomePage::checkJsonFileRequest);
    waitAssembleImageNumber = 0;
    gAssembleImageReady = false;
    checkAssembleImageTimer = createTimer(&WelcomePage::checkAssembleImageRequest);
    waitDeviceIconNumber = 0;
    gDeviceIconReady = false;
    checkDeviceIconTimer = createTimer(&WelcomePage::checkDeviceIconRequest);
    waitWizardUpdateNumber = 0;
    gWizardUpdateDownloaded = false;
    checkWizardUpdateTimer = createTimer(&WelcomePage::checkTolmWizardUpdateRequest);

    waitWizardUpdateUriNumber = 0;
    wizardUpdateFound = false;
    checkWizardUpdateUriTimer = createTimer(&WelcomePage::checkWizardUpdateUriConnection);

    tolmwizardUpdateUriManager =
        createManager(&WelcomePage::getWizardUpdateUriFinishedSlot, ReplyLimits::kUpdateDescription);
    tolmwizardUpdateManager = createManager(&WelcomePage::downloadWizardUpdateFinished, ReplyLimits::kInstaller);
}

WelcomePage::~WelcomePage()
{
    delete ui;
}

QNetworkAccessManager* WelcomePage::createManager(void (WelcomePage::*finished)(QNetworkReply*),
                                                  const ReplyLimits::Limits& limits)
{
    QNetworkAccessManager* manager = new ReplyLimits::BoundedManager(limits, this);
    connect(manager, &QNetworkAccessManager::finished, this, finished);
    connect(manager, &QNetworkAccessManager::authenticationRequired, this, &WelcomePage::checkRequestAuthRequired);
    connect(manager, &QNetworkAccessManager::sslErrors, this, &WelcomePage::checkRequestsslErrors);
    return manager;
}

QTimer* WelcomePage::createTimer(void (WelcomePage::*tick)())
{
    QTimer* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, tick);
    return timer;
}

QString WelcomePage::replyStatus(QNetworkReply* reply, const QString& logPrefix)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QString code = status.isValid() ? QString::number(status.toInt()) : QString();
    WLOG << qPrintable(logPrefix + " QVariant =") << status;
    WLOG << qPrintable(logPrefix + " status code =") << code;
    return code;
}

void WelcomePage::followRedirect(QNetworkReply* reply, QUrl& url)
{
    const QUrl next =
        redirectTarget(reply->url(), reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
    if (next.isEmpty())
        WLOG << "redirect refused, it leaves https or leads nowhere :" << reply->url();
    else
        url = next;
}

void WelcomePage::checkRequestAuthRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    WLOG << "check request auth required!";
    disconnect(tolmwizardNetworkManager, &QNetworkAccessManager::authenticationRequired, nullptr, nullptr);
    WLOG << "str_authenticator = " << static_cast<void*>(authenticator);
    reply->deleteLater();
}

void WelcomePage::checkRequestsslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    WLOG << "check request SSLErrors !";
    disconnect(tolmwizardNetworkManager, &QNetworkAccessManager::sslErrors, nullptr, nullptr);
    QStringList texts;
    for (const QSslError& error : errors)
        texts.append(error.errorString());
    WLOG << "errorString :" << texts.join(", ");
    // Every Internet host's certificate must hold: nothing is ignored, the request fails.
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
            if (!gCloudServicesPage)
                gCloudServicesPage = new CloudServicesPage;
            gCloudServicesPage->retranslate();
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
            probeInternet(wizardInternetUrl);
        }
    }
    WLOG << "waitWizardInternetNumber :" << waitWizardInternetNumber;
    ++waitWizardInternetNumber;
}

void WelcomePage::downloadTolmWizardJSONFinishedSlot(QNetworkReply* reply)
{
    WLOG << "check request finished!!";
    const QString code = replyStatus(reply, "tolmwizardNetworkManager http");

    const QVariant sentAs = reply->property(kSentAsCheckType);
    if (!sentAs.isValid() || sentAs.toInt() != checkType) {
        // A probe answered after the chain moved on to the catalogue is no catalogue.
        WLOG << "reply to an earlier check, ignored :" << reply->url();
    } else if (reply->error() != QNetworkReply::NoError && !ReplyLimits::statusLineTaken(reply)) {
        WLOG << "network error :" << reply->errorString() << ReplyLimits::stopNote(reply);
        gInternetReachable = false;
        gJsonFileReady = false;
    } else if (code == "200" || code == "301" || code == "302") {
        if (reply->error() != QNetworkReply::NoError)
            WLOG << "probe answered" << ReplyLimits::stopNote(reply);
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
                assembleSprite = deviceIconSprite = QImage();
            } else {
                switchToPage(gOppsPage);
                checkType = 0;
                WLOG << "checkType=0";
            }
        } else if (checkType == 1) {
            followRedirect(reply, jsonUrl);
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

void WelcomePage::restartInternetCheck()
{
    checkWizardInternetTimer->start(kTickMs);
}

QNetworkReply* WelcomePage::sendCheckRequest(const QUrl& url)
{
    QNetworkReply* reply = tolmwizardNetworkManager->get(QNetworkRequest(url));
    reply->setProperty(kSentAsCheckType, checkType);
    return reply;
}

void WelcomePage::probeInternet(const QUrl& url)
{
    ReplyLimits::bound(sendCheckRequest(url), ReplyLimits::kProbe);
}

void WelcomePage::clearAccessCaches()
{
    tolmwizardNetworkManager->clearAccessCache();
    tolmwizardDownloadManager->clearAccessCache();
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
            WLOG << "TolmWizardJsonVersion :" << TolmWizardLatestVersion.left(ReplyLimits::kAnswerLogBytes);
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
            sendCheckRequest(jsonUrl);
        }
    }
    WLOG << "checkWizardJsonFileTimer :" << n;
    ++waitWizardJsonFileNumber;
}

bool WelcomePage::parseJsonFile(QString json)
{
    ModelRouteMap.clear();
    ModelRouteMap.insert(tr("Choose your model"), "0");

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
        WLOG << "TolmWizardUpdateUrl:" << TolmWizardUpdateUrl.toString().left(ReplyLimits::kAnswerLogBytes);
    }

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

void WelcomePage::footerPosition()
{}

void WelcomePage::popupDCPBindingFailed()
{
    MessageBoxPage::build(gMainpage, kBindingFailedPopupName, 618, 400)
        .title(tr("Warning"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("You may have a web browser window open or another Setup Wizard<br>may "
                                             "be running. Please close your web browser and any Setup Wizard<br>that "
                                             "may be running before opening this program.")),
                 {80, 100, 480, 120})
        .closeButton(this, &WelcomePage::pressMsgDCPBindingFailedCloseButton)
        .rightButton(tr("Close"), ButtonStyle::White, {480, 350}, this,
                     &WelcomePage::pressMsgDCPBindingFailedCloseButton)
        .open();
}

void WelcomePage::pressMsgDCPBindingFailedCloseButton()
{
    QCoreApplication::exit(0);
}

void WelcomePage::switchToPage(WizardPage* page)
{
    gMainpage->hideBusy();
    if (page == gAgreementPage)
        gOppsPage->hide();
    gMainpage->enterPage(this, page);
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
    fitLanguageList();
}

// As wide as the longest name needs beside the arrow in this language, never narrower than the form.
void WelcomePage::fitLanguageList()
{
    QComboBox* combo = ui->welcomeLanguageComboBox_ComboBox;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    int widest = 0;
    for (int row = 0; row < combo->count(); ++row)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(row)));
    combo->resize(std::max(formListWidth, widest + combo->width() - field.width()), combo->height());
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

void WelcomePage::retranslate()
{
    ui->welcomeTitle_Label->setText(tr("Welcome"));
    ui->welcomeLanguage_Label->setText(tr("Choose your language :"));
    ui->welcomeStart_Button->setText(tr("Start"));
}

void WelcomePage::translateUI()
{
    WLOG << " welcome translateUI...";
    gMainpage->setWindowTitle(tr("olvaris Setup Wizard"));
    gMainpage->translateFlush();
    gMainpage->retranslatePages();
}

#include "cloud/cloudservicespage.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

#include "base/endpoints.h"
#include "base/globals.h"
#include "base/log.h"
#include "base/logsummary.h"
#include "cloud/cloudroute.h"
#include "cloud/cloudsitemanager.h"
#include "cloud/cloudwebpage.h"
#include "cloud/devicesetupcompletepage.h"
#include "cloud/webviewstyle.h"
#include "platform/desktop.h"
#include "protocol/cameracgi.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

QString OpenAPISite = CloudApi::defaultSite();
QString OpenAPIAccessToken;
QString bindingEmailAccount;
int signInStep = 0;
int signUpStep = 0;
bool signInPageReached = false;
bool signUpPageReached = false;

namespace {

QString tabStyle(bool selected)
{
    return selected ? WizardPage::faceStyle("select_l_blue", "select_l_hover",
                                            "font-family:Verdana;font:12px;color:rgb(255,255,255);")
                    : WizardPage::faceStyle("select_l_white", "select_l_white_hover",
                                            "font-family:Verdana;font:12px;color:rgb(66,66,66);");
}
const char kSelectedLabel[] =
    "QLabel{background-image: url(:/images/select_l_blue_triangle.png);font-family:Verdana;font:12px;"
    "color:rgb(255,255,255);border: 0px;} QLabel:hover{background-image:url(:/images/select_l_hover_triangle.png)}";
const char kUnselectedLabel[] = "QLabel{font-family:Verdana;font:12px;color:rgb(255,255,255);border: 0px;}";
// The most of an address a page sets that the log shows.
constexpr int kLoggedAddress = 512;

}  // namespace

CloudServicesPage::CloudServicesPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_CloudServicesPage)
{
    WLOG << "CloudServicesPage Constructor Initializing ...";
    ui->setupUi(this);
    connect(ui->cloudServicePrev_PushButton, &QPushButton::clicked, this, &CloudServicesPage::pressBackButton);
    connect(ui->cloudServiceSkip_PushButton, &QPushButton::clicked, this, &CloudServicesPage::pressSkipButton);
    connect(ui->cloudServiceSignUp_PushButton, &QPushButton::clicked, this, &CloudServicesPage::pressSignUpButton);
    connect(ui->cloudServiceSignIn_PushButton, &QPushButton::clicked, this, &CloudServicesPage::pressSignInButton);
    WLOG << "00 CloudServicesPage Constructor Initializing ...";
    setTabs(true);
    WLOG << "01 CloudServicesPage Constructor Initializing ...";

    for (QWebView* view : {ui->cloudServiceSignIn_WebView, ui->cloudServiceSignUp_WebView}) {
        auto* page = new CloudWebPage(view);
        view->setPage(page);
        const bool signIn = view == ui->cloudServiceSignIn_WebView;
        connect(page, &CloudWebPage::pageRefused, this,
                [this, signIn] { refusePage(signIn, "the page would leave the cloud service over https", false); });
        connect(page, &CloudWebPage::pageFailed, this, [this, signIn](const QUrl&, bool untrusted) {
            refusePage(signIn, untrusted ? "the page's certificate is not trusted" : "the page did not load",
                       untrusted);
        });
        setUpCloudWebView(view);
        connect(view, &QWebView::linkClicked, this, &CloudServicesPage::linkIsClicked, Qt::DirectConnection);
        connect(view, &QWebView::urlChanged, this, &CloudServicesPage::getUrlChanged);
        if (signIn)
            WLOG << "02 CloudServicesPage Constructor Initializing ...";
    }

    // Both managers verify every certificate (no TLS error is ignored), send only what
    // CloudSite::viewLoad allows and answer the redirect address themselves. The page owns them (a web page
    // does not own its manager): they go after the views, their picture decoders and threads with them.
    signInNetworkManager = new CloudSite::Manager(gDCPUtils, this);
    connect(signInNetworkManager, &QNetworkAccessManager::finished, this, &CloudServicesPage::onSignInFinished);
    connect(signInNetworkManager, &QNetworkAccessManager::sslErrors, this, &CloudServicesPage::sslErrors);
    if (gDCPUtils)
        connect(gDCPUtils, &DCPUtils::gotOpenAPISignIn, this, &CloudServicesPage::setOpenApiSignIn,
                Qt::QueuedConnection);
    WLOG << "03 CloudServicesPage Constructor Initializing ...";
    signUpNetworkManager = new CloudSite::Manager(gDCPUtils, this);
    connect(signUpNetworkManager, &QNetworkAccessManager::finished, this, &CloudServicesPage::onSignUpFinished);
    connect(signUpNetworkManager, &QNetworkAccessManager::sslErrors, this, &CloudServicesPage::sslErrors);
    connect(this, &CloudServicesPage::gotOpenAPISignUpTimeStamp, this, &CloudServicesPage::getSignUpAppToken,
            Qt::QueuedConnection);
    connect(this, &CloudServicesPage::gotOpenAPISignUpAppToken, this, &CloudServicesPage::getSignUpPage,
            Qt::QueuedConnection);
    if (gDCPUtils)
        connect(gDCPUtils, &DCPUtils::gotOpenAPISignUp, this, &CloudServicesPage::setOpenApiSignUp,
                Qt::QueuedConnection);
    WLOG << "04 CloudServicesPage Constructor Initializing ...";

    SetDeviceRegisterBitTureTimer = new QTimer(this);
    connect(SetDeviceRegisterBitTureTimer, &QTimer::timeout, this, &CloudServicesPage::checkSetDeviceRegisterBitTure);
    if (gDCPUtils)
        connect(gDCPUtils, &DCPUtils::gotRegisterInfo, this, &CloudServicesPage::handleGotRegisterInfo,
                Qt::QueuedConnection);
    WLOG << "05 CloudServicesPage Constructor Initializing ...";
}

CloudServicesPage::~CloudServicesPage()
{
    delete ui;
}

void CloudServicesPage::enter()
{
    gMainpage->setStep(3, tr("Register with olvaris for anywhere access to<br>your camera"));
    ui->cloudServiceSignIn_WebView->show();
}

void CloudServicesPage::retranslate()
{
    ui->retranslateUi(this);
    MessageBoxPage::fitButtonRight(ui->cloudServiceSignIn_PushButton);
    MessageBoxPage::fitButtonRow({ui->cloudServiceSkip_PushButton});
}

// ---------------------------------------------------------------------------
// Tabs, Back, links

void CloudServicesPage::setTabs(bool signUpSelected)
{
    ui->cloudServiceSignUp_PushButton->setStyleSheet(tabStyle(signUpSelected));
    ui->cloudServiceSignUpSelect_Label->setStyleSheet(signUpSelected ? kSelectedLabel : kUnselectedLabel);
    ui->cloudServiceSignUpSelect_Label->hide();
    ui->cloudServiceSignIn_PushButton->setStyleSheet(tabStyle(!signUpSelected));
    ui->cloudServiceSignInSelect_Label->setStyleSheet(signUpSelected ? kUnselectedLabel : kSelectedLabel);
    ui->cloudServiceSignInSelect_Label->hide();
}

void CloudServicesPage::pressSignUpButton()
{
    setTabs(true);
    ui->cloudServiceSignUp_WebView->show();
    ui->cloudServiceSignIn_WebView->hide();
    retryFlow(CloudApi::Flow::SignUp);
}

void CloudServicesPage::pressSignInButton()
{
    setTabs(false);
    ui->cloudServiceSignUp_WebView->hide();
    ui->cloudServiceSignIn_WebView->show();
    retryFlow(CloudApi::Flow::SignIn);
}

// A tab whose flow failed shows no page: choosing it tries the flow again, from its first request. A tab whose
// camera is on the account but did not confirm its register bit waits for the camera again: the flow again would
// add the camera to the account a second time.
void CloudServicesPage::retryFlow(CloudApi::Flow flow)
{
    if (unregistered == flow) {
        WLOG << "Register the camera again";
        gMainpage->showBusy();
        startRegisterWait();
    } else if (flow == CloudApi::Flow::SignUp ? signUpFailed : signInFailed) {
        if (flow == CloudApi::Flow::SignUp)
            getSignUpTimeStamp(OpenAPISite);
        else
            getSignInPage(OpenAPISite);
    }
}

void CloudServicesPage::pressBackButton()
{
    isLocalView = false;
    gDCPUtils->expectNoRedirect();
    clearCaches();
    gMainpage->setStep(2, tr("Set up and secure your camera"));
    gDeviceSetupPage->resetCheckingParameters();
    setPasswordLineEditStatus();
    gMainpage->showPage(this, gDeviceSetupPage);
}

void CloudServicesPage::setPasswordLineEditStatus()
{
    gDeviceSetupPage->setPasswordLineEditStatus();
}

void CloudServicesPage::linkIsClicked(const QUrl& url)
{
    // Only links the person activated come here (CloudWebPage), but as often as they click.
    const bool inFull = LogSummary::firstInFull(QStringLiteral("------------- click"), kRepeatedInFull);
    if (inFull)
        WLOG << "------------- click";
    if (CloudApi::mayOpenExternally(url))
        Platform::openUrl(url);
    else if (inFull)
        WLOG << "Link not opened: only http and https links to the Internet go to the browser";
}

void CloudServicesPage::getUrlChanged(const QUrl& url)
{
    if (LogSummary::firstInFull(QStringLiteral("--- url changed"), kRepeatedInFull))
        WLOG << "--- url changed :" << CloudApi::withTokensMasked(url.toString()).left(kLoggedAddress);
}

void CloudServicesPage::getElements()
{
    const QWebElementCollection buttons =
        ui->cloudServiceSignUp_WebView->page()->mainFrame()->findAllElements("button");
    for (const QWebElement& button : buttons)
        WLOG << " ***** get value :" << button.attribute("value");
}

void CloudServicesPage::sslErrors(QNetworkReply* reply, const QList<QSslError>& errors)
{
    // Any request of the views, a picture from another host too.
    if (!LogSummary::firstInFull(QStringLiteral("Cloud service certificate not trusted"), kRepeatedInFull))
        return;
    QStringList texts;
    for (const QSslError& error : errors)
        texts << error.errorString();
    WLOG << "Cloud service certificate not trusted:" << reply->url().host() << texts.join(", ");
}

// ---------------------------------------------------------------------------
// Popups

void CloudServicesPage::popupSignInErrorMsgBox(const QString& errorMsg)
{
    MessageBoxPage::closeByName(gMainpage, "SignInErrorMsgBox");
    MessageBoxPage::build(gMainpage, "SignInErrorMsgBox", 618, 300)
        .title(tr("Error"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(errorMsg.toHtmlEscaped()), {80, 100, 480, 120})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 250}, this, &CloudServicesPage::pressMsgSignInPopupOKButton)
        .closeButton(this, &CloudServicesPage::pressMsgSignInPopupOKButton)
        .open();
}

void CloudServicesPage::pressMsgSignInPopupOKButton()
{
    MessageBoxPage::closeByName(gMainpage, "SignInErrorMsgBox");
    clearCaches();
    getSignInPage(OpenAPISite);
    getSignUpTimeStamp(OpenAPISite);
}

void CloudServicesPage::popupSignUpErrorMsgBox(const QString& errorMsg)
{
    MessageBoxPage::closeByName(gMainpage, "SignUpErrorMsgBox");
    MessageBoxPage::build(gMainpage, "SignUpErrorMsgBox", 618, 300)
        .title(tr("Error"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(errorMsg.toHtmlEscaped()), {80, 100, 480, 120})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 250}, this, &CloudServicesPage::pressMsgSignUpPopupOKButton)
        .closeButton(this, &CloudServicesPage::pressMsgSignUpPopupOKButton)
        .open();
}

void CloudServicesPage::pressMsgSignUpPopupOKButton()
{
    MessageBoxPage::closeByName(gMainpage, "SignUpErrorMsgBox");
    clearCaches();
}

void CloudServicesPage::popupSignUpVerificationMsgBox()
{
    MessageBoxPage::build(gMainpage, "SignUpVerificationMsgBox", 618, 300)
        .title(tr("Verification Required"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("A verification e-mail has been sent to your e-mail address. Please "
                                             "click<br>the link in the e-mail within 7 days to verify your account.")),
                 {80, 80, 480, 140})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 250}, this,
                     &CloudServicesPage::pressMsgSignUpVerificationOKButton)
        .closeButton(this, &CloudServicesPage::pressMsgSignUpVerificationOKButton)
        .open();
}

void CloudServicesPage::pressMsgSignUpVerificationOKButton()
{
    MessageBoxPage::closeByName(gMainpage, "SignUpVerificationMsgBox");
    CloudRoute::apply(CloudRoute::Caller::SignUp, this);
}

void CloudServicesPage::openWarning(const QString& name, const QString& title, const QString& text,
                                    void (CloudServicesPage::*dismiss)())
{
    MessageBoxPage::build(gMainpage, name, 618, 300)
        .title(title, {80, 50, 440, 30})
        .content(MessageBoxPage::richText(text), {80, 100, 480, 120})
        .rightButton(tr("OK"), ButtonStyle::Blue, {480, 250}, this, dismiss)
        .closeButton(this, dismiss)
        .open();
}

void CloudServicesPage::popupCloudFailure(bool untrusted)
{
    const QString name = untrusted ? "untrustedCloudServiceWarning" : "cloudServiceFailedWarning";
    if (gMainpage->findChild<MessageBoxPage*>(name))
        return;
    WLOG << "open msgbox :" << name;
    const QString title = untrusted ? tr("Cloud service not trusted") : tr("Cloud service failed");
    QString text = tr("The olvaris service did not complete the request.<br>Check the Internet connection and try "
                      "again, or continue without cloud services.");
    if (untrusted)
        text = tr("The olvaris service could not prove its identity, so nothing was sent to it.<br>Check the "
                  "computer's date and time and try again, or continue without cloud services.");
    else if (isVisible())  // over this page a tab tries again, over the page that waited for it its Next
        text = tr("The olvaris service did not complete the request.<br>Check the Internet connection, then click "
                  "\"%1\" or \"%2\" to try again, or continue without cloud services.")
                   .arg(tr("Existing Account"), tr("New Account"));
    openWarning(name, title, text, &CloudServicesPage::pressMsgCloudFailureOKButton);
}

void CloudServicesPage::pressMsgCloudFailureOKButton()
{
    MessageBoxPage::closeByName(gMainpage, "untrustedCloudServiceWarning");
    MessageBoxPage::closeByName(gMainpage, "cloudServiceFailedWarning");
}

void CloudServicesPage::popupCameraNotRegistered(bool signUp)
{
    const QString name = "cameraNotRegisteredWarning";
    MessageBoxPage::closeByName(gMainpage, name);
    WLOG << "open msgbox :" << name;
    const QString text = tr("The camera is on your olvaris account, but it did not confirm its registration.<br>Check "
                            "the network connection, then click \"%1\" to try again, or continue without cloud "
                            "services.")
                             .arg(signUp ? tr("New Account") : tr("Existing Account"));
    openWarning(name, tr("Camera not registered"), text, &CloudServicesPage::pressMsgCameraNotRegisteredOKButton);
}

void CloudServicesPage::pressMsgCameraNotRegisteredOKButton()
{
    MessageBoxPage::closeByName(gMainpage, "cameraNotRegisteredWarning");
}

// ---------------------------------------------------------------------------
// Skip

void CloudServicesPage::pressSkipButton()
{
    popupNoCloudService();
}

void CloudServicesPage::popupNoCloudService()
{
    MessageBoxPage::build(gMainpage, "noClouldServiceWarning", 618, 400)
        .title(tr("Cloud Services will not be available"), {80, 50, 440, 30})
        .content(MessageBoxPage::richText(tr("Please note that when skipping this<br>step, you will not be able to "
                                             "use the<br>olvaris service to remotely view<br>camera.")),
                 {80, 80, 480, 200})
        .picture(":/images/local_view_only.png", {360, 120, 242, 177})
        .leftButton(tr("Cancel"), ButtonStyle::White, {360, 350}, this, &CloudServicesPage::pressMsgCancelButton)
        .rightButton(tr("Next"), ButtonStyle::Blue, {480, 350}, this, &CloudServicesPage::pressMsgOKButton)
        .closeButton(this, &CloudServicesPage::pressMsgCancelButton)
        .open();
}

void CloudServicesPage::pressMsgCancelButton()
{
    MessageBoxPage::closeByName(gMainpage, "noClouldServiceWarning");
}

void CloudServicesPage::pressMsgOKButton()
{
    MessageBoxPage::closeByName(gMainpage, "noClouldServiceWarning");
    clearCaches();
    gDCPUtils->expectNoRedirect();
    isLocalView = true;
    setupCompleteInfo();
    CloudRoute::apply(CloudRoute::Caller::Skip, this);
}

// ---------------------------------------------------------------------------
// Register bit

void CloudServicesPage::startRegisterWait()
{
    waitSetDeviceRegisterBitTureNumber = 0;
    registerInfoReceived = false;
    if (IPCamera* camera = chosenCamera())
        camera->remote = "0";
    SetDeviceRegisterBitTureTimer->start(1000);
}

void CloudServicesPage::handleGotRegisterInfo(int idx)
{
    const IPCamera* camera = chosenCamera();
    if (idx < 0 || idx >= IPCameraList.size() || !camera)
        return;
    if (IPCameraList.at(idx).dcpStatus == IPCamera::GOT_REGISTER_INFO && camera->bRegisted == "1")
        registerInfoReceived = true;
}

void CloudServicesPage::checkSetDeviceRegisterBitTure()
{
    const int c = waitSetDeviceRegisterBitTureNumber;
    IPCamera* camera = chosenCamera();
    if (!camera) {
        SetDeviceRegisterBitTureTimer->stop();
        gMainpage->hideBusy();
        return;
    }
    switch (CloudApi::registerTick(c, registerInfoReceived, *camera)) {
    case CloudApi::RegisterTick::TimeOut:
        SetDeviceRegisterBitTureTimer->stop();
        gDCPUtils->dcpClass02_SetRegistered(IPCameraIdx, "", "0");
        WLOG << " waitSetDeviceRegisterBitTureNumber timeout " << c << "stop !!";
        waitSetDeviceRegisterBitTureNumber = 0;
        registerInfoReceived = false;
        gMainpage->hideBusy();
        // The service has the camera on the account: the person is told, and the flow's tab waits again.
        unregistered = CloudApi::completedFlow(signInStep, signUpStep, lastRedirect);
        popupCameraNotRegistered(unregistered == CloudApi::Flow::SignUp);
        return;
    case CloudApi::RegisterTick::Confirm: {
        SetDeviceRegisterBitTureTimer->stop();
        WLOG << " SetDeviceRegisterBitTureTimer stop at " << c;
        WLOG << " bRegisted " << camera->bRegisted;
        const CloudApi::Flow flow = CloudApi::completedFlow(signInStep, signUpStep, lastRedirect);
        signInStep = 0;
        signUpStep = 0;
        gMainpage->hideBusy();
        if (flow == CloudApi::Flow::None)
            break;
        gDCPUtils->expectNoRedirect();
        setupCompleteInfo();
        if (flow == CloudApi::Flow::SignIn) {
            WLOG << " Go to SignIn complete";
            CloudRoute::apply(CloudRoute::Caller::SignIn, this);
        } else {
            WLOG << " Go to SignUp complete";
            hide();
            popupSignUpVerificationMsgBox();
        }
        break;
    }
    case CloudApi::RegisterTick::Request:
        camera->remote = "0";
        gDCPUtils->dcpClass02_SetRegistered(IPCameraIdx, "", "1");
        break;
    case CloudApi::RegisterTick::Wait:
        break;
    }
    WLOG << " waitSetDeviceRegisterBitTureNumber :" << c;
    waitSetDeviceRegisterBitTureNumber = c + 1;
}

// ---------------------------------------------------------------------------
// Completion summary

QString CloudServicesPage::wordWrap(const QString& str, int wrapLength)
{
    const QString wrapped = CloudApi::wrapLines(str, wrapLength);
    WLOG << "original tempStr :" << str.size() << "characters, change tempStr :" << wrapped.count('\n') << "line feeds";
    return wrapped;
}

void CloudServicesPage::setupCompleteInfo()
{
    const IPCamera* camera = chosenCamera();
    if (!camera)
        return;
    if (isLocalView) {
        const QString iconPath = DeviceSetupCompletePage::deviceIconPath(*camera);
        WLOG << "path xxxxxxxxxxxx :" << iconPath;
        gDeviceSetupCompletePage->showDeviceSummary(*camera, iconPath);
        return;
    }
    const QString site = QStringLiteral("https://") + QString::fromLatin1(Endpoints::kCloudSiteHost);
    const QString link = "<span style='font-size:10pt; text-decoration: underline; color:#00b0d0;'>";
    const QString content =
        "<p style=line-height:24px>" + tr("Your") + " <font face=Verdana color=#00b0d0>" +
        modelText(camera->modelName).toHtmlEscaped() + "</font> " + tr("camera is now registered with <br>") +
        tr("olvaris and is ready to use. You can now view your<br>") +
        tr("camera anywhere, anytime through the <a href='%1'>%2olvaris</span></a><span style='font-size:10pt;'><br>")
            .arg(site, link) +
        tr("website, or through one of the <a href='%1/apps'>%2mobile apps</span></a><span "
           "style='font-size:10pt;'>; just<br>")
            .arg(site, link) +
        tr("use the above e-mail address and the password<br>") + tr("you created to log in.<br>") + "</p>";
    gDeviceSetupCompletePage->showAccountSummary(wordWrap(bindingEmailAccount, 22), content);
}

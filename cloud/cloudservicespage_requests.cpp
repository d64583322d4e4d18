#include "cloud/cloudservicespage.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QWebView>

#include "base/globals.h"
#include "base/log.h"
#include "base/logsummary.h"
#include "base/replylimits.h"
#include "cloud/cloudsitemanager.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"
#include "wifi/devicewifichangepage.h"

namespace {

const char kRestProperty[] = "cloudRestRequest";

// The web engine may write an address its own way: compare what the addresses say.
bool sameAddress(const QUrl& a, const QUrl& b)
{
    return a.toEncoded() == b.toEncoded();
}

QString masked(const QByteArray& text)
{
    return CloudApi::withTokensMasked(QString::fromUtf8(text));
}

}  // namespace

// ---------------------------------------------------------------------------
// Requests

void CloudServicesPage::clearCaches()
{
    signUpNetworkManager->clearAccessCache();
    signInNetworkManager->clearAccessCache();
}

QNetworkReply* CloudServicesPage::sendRest(QNetworkAccessManager* manager, const QString& address,
                                           const QByteArray& body)
{
    QNetworkRequest request(CloudApi::toUrl(address));
    QNetworkReply* reply;
    if (body.isNull()) {
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        reply = manager->get(request);
    } else {
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
        reply = manager->post(request, body);
    }
    reply->setProperty(kRestProperty, true);
    ReplyLimits::bound(reply, ReplyLimits::kCloud);
    return reply;
}

void CloudServicesPage::loadPage(QWebView* view, QNetworkAccessManager* manager, const QString& address)
{
    // A page keeps the manager it was given first: set it before the page loads anything
    // of the service, and never replace it.
    if (view->page()->networkAccessManager() != manager)
        view->page()->setNetworkAccessManager(manager);
    const bool signIn = manager == signInNetworkManager;
    gDCPUtils->expectRedirect(signIn ? DCPUtils::RedirectFlow::SignIn : DCPUtils::RedirectFlow::SignUp,
                              (signIn ? signInState : signUpState).toLatin1());
    view->load(CloudApi::toUrl(address));
}

void CloudServicesPage::getSignUpTimeStamp(const QString& site)
{
    signUpStep = 0;
    signUpFailed = false;
    if (unregistered == CloudApi::Flow::SignUp)
        unregistered = CloudApi::Flow::None;
    OpenAPISite = site;
    signUpRequest = sendRest(signUpNetworkManager, CloudApi::appCredentialAddress(site, CloudApi::staleTimestamp()));
    WLOG << "[SignUp] Sending getSignUpTimeStamp MD5 = " << CloudApi::signatureParam(CloudApi::staleTimestamp());
}

void CloudServicesPage::getSignUpAppToken(const QString& timestamp)
{
    WLOG << "[SignUp] Got TimeStamp :" << timestamp;
    signUpStep = 1;
    const QString address = CloudApi::appCredentialAddress(OpenAPISite, timestamp);
    signUpRequest = sendRest(signUpNetworkManager, address);
    WLOG << "[SignUp] Sending getSignUpAppToken MD5 :" << CloudApi::signatureParam(timestamp);
    WLOG << "[SignUp] Sending getSignUpAppToken url :" << address;
}

void CloudServicesPage::getSignUpPage(const QString& apptoken)
{
    signUpNetworkManager->clearAccessCache();
    signUpStep = 2;
    signUpRequest = nullptr;
    signUpState = CloudApi::newState(CloudApi::Flow::SignUp);
    const QString address = CloudApi::signUpPageAddress(OpenAPISite, apptoken, gCurrentLanguage, signUpState);
    signUpPageUrl = CloudApi::toUrl(address);
    loadPage(ui->cloudServiceSignUp_WebView, signUpNetworkManager, address);
}

void CloudServicesPage::getSignInPage(const QString& site)
{
    signInStep = 0;
    signInFailed = false;
    if (unregistered == CloudApi::Flow::SignIn)
        unregistered = CloudApi::Flow::None;
    OpenAPISite = site;
    signInRequest = nullptr;
    signInState = CloudApi::newState(CloudApi::Flow::SignIn);
    const QString address = CloudApi::signInPageAddress(site, gCurrentLanguage, signInState);
    signInPageUrl = CloudApi::toUrl(address);
    loadPage(ui->cloudServiceSignIn_WebView, signInNetworkManager, address);
}

QNetworkReply* CloudServicesPage::postDeviceAdd(QNetworkAccessManager* manager, const QString& accessToken,
                                                const char* logText)
{
    const IPCamera* camera = chosenCamera();
    const QByteArray body = camera ? CloudApi::deviceAddBody(*camera) : QByteArray("{}");
    const QString address = CloudApi::deviceAddAddress(OpenAPISite, accessToken);
    WLOG << logText << body;
    WLOG << "url!!" << CloudApi::withTokensMasked(address);
    return sendRest(manager, address, body);
}

void CloudServicesPage::setOpenApiSignIn(const QString& access_token, const QString& target_site)
{
    ui->cloudServiceSignIn_WebView->clearFocus();
    WLOG << "[OpenAPI][LOCAL][GET] access_token :" << maskSecret(access_token);
    WLOG << "[OpenAPI][LOCAL][GET] target_site :" << target_site;
    OpenAPIAccessToken = access_token;
    signInStep = 1;
    lastRedirect = CloudApi::Flow::SignIn;
    signInRequest = postDeviceAdd(signInNetworkManager, access_token, "content!!");
}

void CloudServicesPage::setOpenApiSignUp(const QString& access_token)
{
    ui->cloudServiceSignUp_WebView->clearFocus();
    WLOG << "[SignUp] Got Access_token :" << maskSecret(access_token);
    OpenAPIAccessToken = access_token;
    signUpStep = 3;
    lastRedirect = CloudApi::Flow::SignUp;
    signUpRequest = postDeviceAdd(signUpNetworkManager, access_token, "[SignUp] Sending AddDevice Content:");
}

void CloudServicesPage::checkOpenApiSignInTokenBindingAccount()
{
    signInStep = 2;
    signInRequest = sendRest(signInNetworkManager, CloudApi::userInfoAddress(OpenAPISite, OpenAPIAccessToken));
}

void CloudServicesPage::checkOpenApiSignUpTokenBindingAccount()
{
    signUpStep = 4;
    signUpRequest = sendRest(signUpNetworkManager, CloudApi::userInfoAddress(OpenAPISite, OpenAPIAccessToken));
}

// ---------------------------------------------------------------------------
// Replies

CloudServicesPage::Judged CloudServicesPage::judge(QNetworkReply* reply, QNetworkReply* flowRequest,
                                                   const QUrl& pageUrl, int step, bool signIn)
{
    CloudApi::ReplyFacts facts;
    facts.flowRequest = reply == flowRequest;
    facts.pageNavigation = reply->property(CloudSite::Manager::kNavigationProperty).toBool();
    // The view's own load of the page: a picture led to its address is not.
    facts.mainDocument = facts.pageNavigation && !pageUrl.isEmpty() && sameAddress(reply->url(), pageUrl);
    facts.error = reply->error() != QNetworkReply::NoError;
    facts.untrusted = reply->error() == QNetworkReply::SslHandshakeFailedError;
    facts.cancelled = reply->error() == QNetworkReply::OperationCanceledError;
    facts.stoppedByLimits = ReplyLimits::stopped(reply) != ReplyLimits::Stop::None;
    facts.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    Judged judged{CloudApi::Action::Ignore, {}};
    // The web engine reads its own replies; only the flow's REST answers are read here.
    if (facts.flowRequest)
        judged.body = reply->readAll();
    facts.bodyEmpty = judged.body.isEmpty();
    judged.action = signIn ? CloudApi::judgeSignIn(step, facts) : CloudApi::judgeSignUp(step, facts);
    return judged;
}

void CloudServicesPage::onSignInFinished(QNetworkReply* reply)
{
    using CloudApi::Action;
    const Judged judged = judge(reply, signInRequest, signInPageUrl, signInStep, true);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (judged.action) {
    case Action::PageReached:
        // The page can load itself again at will.
        if (LogSummary::firstInFull(QStringLiteral("[SignIn][GET] SignInPage Success Code"), kRepeatedInFull))
            WLOG << "[SignIn][GET] SignInPage Success Code :" << status;
        signInPageReached = true;
        break;
    case Action::DeviceAdded:
        WLOG << "[SignIn] AddDevice Compelete";
        WLOG << "[SignIn] AddDevice reply->readAll() :" << masked(judged.body);
        checkOpenApiSignInTokenBindingAccount();
        break;
    case Action::AccountKnown:
        WLOG << "[SignIn] Got QueryTokenAccountInfo";
        accountKnown("[SignIn]", judged.body);
        signInStep = 3;
        startRegisterWait();
        break;
    case Action::ServiceError:
        serviceError("[SignIn]", reply, judged.body, true);
        break;
    case Action::Failure:
    case Action::Untrusted:
        failFlow("[SignIn]", true, reply, judged.body, judged.action == Action::Untrusted);
        break;
    case Action::NotSupported:
        WLOG << "[SignIn] Not Support Cloud Type!!";
        break;
    default:
        break;
    }
    if (reply->property(kRestProperty).toBool())
        reply->deleteLater();
}

void CloudServicesPage::onSignUpFinished(QNetworkReply* reply)
{
    using CloudApi::Action;
    ui->cloudServiceSignUp_WebView->clearFocus();
    const Judged judged = judge(reply, signUpRequest, signUpPageUrl, signUpStep, false);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QJsonDocument document;
    switch (judged.action) {
    case Action::TimeStamp:
        WLOG << "[SignUp][GET] Recieve TimeStamp (OpenAPI SignUp Setp 01)";
        if (CloudApi::parseBody(judged.body, &document)) {
            const QString timestamp = CloudApi::errorTimestamp(document);
            WLOG << "[SignUp] timeStamp:" << timestamp;
            WLOG << "[SignUp] emit gotOpenAPISignUpTimeStamp";
            emit gotOpenAPISignUpTimeStamp(timestamp);
        } else {
            failFlow("[SignUp]", false, reply, judged.body, false);
        }
        break;
    case Action::AppToken:
        WLOG << "[SignUp][GET] Recieve GetAPPToken (OpenAPI SignUp Setp 02)";
        if (CloudApi::parseBody(judged.body, &document) && !CloudApi::appToken(document).isEmpty()) {
            WLOG << "[SignUp] appToken:" << maskSecret(CloudApi::appToken(document));
            WLOG << "[SignUp] emit gotOpenAPISignUpAppToken";
            emit gotOpenAPISignUpAppToken(CloudApi::appToken(document));
        } else {
            failFlow("[SignUp]", false, reply, judged.body, false);
        }
        break;
    case Action::PageReached:
        if (!signUpPageReached)
            WLOG << "[SignUp][GET] SignUpPage Success Code :" << status;
        signUpPageReached = true;
        break;
    case Action::DeviceAdded:
        WLOG << "[SignUp] AddDevice Compelete";
        WLOG << "[SignUp] AddDevice reply->readAll() :" << masked(judged.body);
        checkOpenApiSignUpTokenBindingAccount();
        break;
    case Action::AccountKnown:
        WLOG << "[SignUp] Got QueryTokenAccountInfo";
        accountKnown("[SignUp]", judged.body);
        signUpStep = 5;
        startRegisterWait();
        break;
    case Action::ServiceError:
        serviceError("[SignUp]", reply, judged.body, false);
        break;
    case Action::Failure:
    case Action::Untrusted:
        failFlow("[SignUp]", false, reply, judged.body, judged.action == Action::Untrusted);
        break;
    case Action::NotSupported:
        WLOG << "[SignUp] Not Support Cloud Type!!";
        break;
    default:
        break;
    }
    if (reply->property(kRestProperty).toBool())
        reply->deleteLater();
}

void CloudServicesPage::accountKnown(const char* tag, const QByteArray& body)
{
    // The account's data is personal: its size goes to the log, not its text.
    WLOG << tag << "QueryTokenAccountInfo reply :" << body.size() << "bytes";
    QJsonDocument document;
    if (CloudApi::parseBody(body, &document) && !CloudApi::isBlank(document)) {
        bindingEmailAccount = CloudApi::accountEmail(document);
        WLOG << tag << "bindingEmailAccount :" << bindingEmailAccount.size() << "characters";
    }
}

void CloudServicesPage::serviceError(const char* tag, QNetworkReply* reply, const QByteArray& body, bool signIn)
{
    gMainpage->hideBusy();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    WLOG << tag << "Fail :" << status << CloudApi::withTokensMasked(reply->errorString());
    WLOG << tag << "Fail reply->readAll()" << masked(body);
    QJsonDocument document;
    if (!CloudApi::parseBody(body, &document)) {
        popupCloudFailure(false);
        return;
    }
    const QString message = CloudApi::errorMessage(document);
    WLOG << tag << "errorMsg:" << message;
    if (signIn)
        popupSignInErrorMsgBox(message);
    else
        popupSignUpErrorMsgBox(message);
}

void CloudServicesPage::failFlow(const char* tag, bool signIn, QNetworkReply* reply, const QByteArray& body,
                                 bool untrusted)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    WLOG << tag << "Fail :" << status << CloudApi::withTokensMasked(reply->errorString())
         << ReplyLimits::stopNote(reply);
    WLOG << tag << "Fail reply->readAll()" << masked(body);
    endFlow(signIn, untrusted);
}

void CloudServicesPage::refusePage(bool signIn, const char* why, bool untrusted)
{
    WLOG << (signIn ? "[SignIn]" : "[SignUp]") << "Fail :" << why;
    endFlow(signIn, untrusted);
}

void CloudServicesPage::endFlow(bool signIn, bool untrusted)
{
    (signIn ? signInPageReached : signUpPageReached) = false;
    (signIn ? signInFailed : signUpFailed) = true;
    clearCaches();
    if (untrusted)
        gDCPUtils->expectNoRedirect();
    // Loads asked for by the Wi-Fi page's cloud check fail without a message: that page ends
    // its check, the person stays on it.
    if (gDeviceWiFiChangePage && !gDeviceWiFiChangePage->isHidden()) {
        gDeviceWiFiChangePage->endCloudCheck();
        return;
    }
    gDeviceSetupPage->stopCloudInfoCheck();
    gDeviceSetupPage->setInputWidgetsEnabled(true);
    gMainpage->hideBusy();
    popupCloudFailure(untrusted);
}

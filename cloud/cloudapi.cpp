#include "cloud/cloudapi.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "base/endpoints.h"
#include "cloud/cloudsiterules.h"
#include "protocol/dcpcodec.h"
#include "protocol/ipcamera.h"

namespace {

const QString gOAuthAuthorizePath = QStringLiteral("/oauth/authorize?");
const QString gUserAddDialogPath = QStringLiteral("/me/user/add_dialog?");
const QString gOAuthAccessTokenPath = QStringLiteral("/oauth/access_token?");
const QString gUserInfoPath = QStringLiteral("/me/user/info?");
const QString gOAuthRedirectParam =
    QStringLiteral("redirect_uri=http%3A%2F%2F127.0.0.1%3A") + QString::number(Endpoints::kRedirectPort) + '&';
const QString gOAuthClientIdParam = QStringLiteral("client_id=7f4c1e92ab0d4c63b8e5a2f9d61c0b47&");
const QString gOAuthClientSecret = QStringLiteral("c3a85e10d7f24b9ea61f08c4b2d7e5f6");
const QString kGrantText = QStringLiteral("grant_type=app_credential&timestamp=");

// A JSON string literal, quotes included.
QByteArray jsonString(const QString& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QJsonObject objectOf(const QJsonDocument& document, const char* key)
{
    return document.object().value(QLatin1String(key)).toObject();
}

}  // namespace

namespace CloudApi {

QString defaultSite()
{
    return QStringLiteral("https://") + QString::fromLatin1(Endpoints::kCloudServiceHost);
}

QString staleTimestamp()
{
    return QStringLiteral("1407134889");
}

QString signatureParam(const QString& timestamp)
{
    const QString signedText =
        gOAuthAccessTokenPath + gOAuthClientIdParam + kGrantText + timestamp + gOAuthClientSecret;
    return QStringLiteral("&sig=") +
           QString::fromLatin1(QCryptographicHash::hash(signedText.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString appCredentialAddress(const QString& site, const QString& timestamp)
{
    return site + gOAuthAccessTokenPath + gOAuthClientIdParam + kGrantText + timestamp + signatureParam(timestamp);
}

QString signUpPageAddress(const QString& site, const QString& appToken, const QString& language, const QString& state)
{
    return site + gUserAddDialogPath + "access_token=" + appToken + "&" + gOAuthRedirectParam +
           "&dtype=wizard&state=" + state + "&lang=" + language;
}

QString signInPageAddress(const QString& site, const QString& language, const QString& state)
{
    return site + gOAuthAuthorizePath + gOAuthClientIdParam + gOAuthRedirectParam +
           "response_type=token&scope=basic&dtype=wizard&state=" + state + "&lang=" + language;
}

QString newState(Flow flow)
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray suffix = QByteArray(reinterpret_cast<const char*>(words), sizeof(words)).toHex();
    return QLatin1String(flow == Flow::SignUp ? "tolmwizard_signup" : "tolmwizard_signin") +
           QString::fromLatin1(suffix);
}

QString deviceAddAddress(const QString& site, const QString& accessToken)
{
    return site + "/me/device/add?access_token=" + accessToken;
}

QString userInfoAddress(const QString& site, const QString& accessToken)
{
    return site + gUserInfoPath + "access_token=" + accessToken;
}

QByteArray deviceAddBody(const IPCamera& camera)
{
    // Written by hand: the service expects this key order, QJsonObject sorts its keys.
    return "{\"data\":{\"mac\":" + jsonString(canonicalMac(camera.MAC).remove(':')) +
           ",\"olvaris_id\":" + jsonString(QString::fromLatin1(camera.olvarisNo)) +
           ",\"session_id\":" + jsonString(QString::fromLatin1(camera.dfp)) + "}}";
}

QUrl toUrl(const QString& address)
{
    return QUrl(address, QUrl::TolerantMode);
}

bool parseBody(const QByteArray& body, QJsonDocument* document)
{
    const int zero = body.indexOf('\0');
    QJsonParseError error;
    *document = QJsonDocument::fromJson(zero < 0 ? body : body.left(zero), &error);
    return error.error == QJsonParseError::NoError;
}

bool isBlank(const QJsonDocument& document)
{
    return document.isNull() || document.isEmpty() || !document.isObject();
}

QString errorTimestamp(const QJsonDocument& document)
{
    if (!document.isObject())
        return QString();
    const QJsonValue value = objectOf(document, "error").value("timestamp");
    return QString::number(value.isDouble() ? qint64(value.toDouble()) : 0);
}

QString appToken(const QJsonDocument& document)
{
    return document.object().value("access_token").toString();
}

QString accountEmail(const QJsonDocument& document)
{
    return objectOf(document, "data").value("email").toString();
}

QString errorMessage(const QJsonDocument& document)
{
    return objectOf(document, "error").value("message").toString();
}

QString withTokensMasked(const QString& text)
{
    static const QRegularExpression token(QStringLiteral("(access_token=|state=tolmwizard_sign(?:in|up))[^&\\s\"]*"));
    return QString(text).replace(token, QStringLiteral("\\1********"));
}

bool mayOpenExternally(const QUrl& url)
{
    // The browser resolves a name itself: one that leads to this machine still reaches only the
    // redirect listener, which takes nothing.
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == "http" || scheme == "https") && url.userInfo().isEmpty() &&
           !CloudSite::isLocalHost(url.host(QUrl::FullyEncoded));
}

namespace {

// The web engine cancels its own loads when it moves on; a load the limits ended has failed.
bool cancelledByEngine(const ReplyFacts& reply)
{
    return reply.cancelled && !reply.flowRequest && !reply.stoppedByLimits;
}

// A reply judged as the view's page: the first page, or a later one that failed (the form's
// answer, the page the first one led to), which ends the flow as the first page would.
bool judgedAsPage(const ReplyFacts& reply)
{
    return reply.mainDocument || (reply.pageNavigation && reply.error);
}

}  // namespace

Action judgeSignIn(int step, const ReplyFacts& reply)
{
    if (cancelledByEngine(reply))
        return Action::Ignore;
    if (step == 0) {
        if (!judgedAsPage(reply))
            return Action::Ignore;
        if (reply.untrusted)
            return Action::Untrusted;
        if (reply.error)
            return Action::Failure;
        return reply.status == 302 ? Action::PageReached : Action::Ignore;
    }
    if (!reply.flowRequest)
        return Action::Ignore;
    if (reply.untrusted)
        return Action::Untrusted;
    if (reply.error)
        return reply.status == 400 ? Action::ServiceError : Action::Failure;
    if (step == 1)
        return reply.status == 200 && !reply.bodyEmpty ? Action::DeviceAdded : Action::Failure;
    if (step == 2)
        return reply.status == 200 ? Action::AccountKnown : Action::Failure;
    return Action::NotSupported;
}

Action judgeSignUp(int step, const ReplyFacts& reply)
{
    if (cancelledByEngine(reply))
        return Action::Ignore;
    if (step == 2) {
        if (reply.untrusted)
            return judgedAsPage(reply) ? Action::Untrusted : Action::Ignore;
        if (reply.error)
            return judgedAsPage(reply) ? Action::Failure : Action::Ignore;
        return Action::PageReached;
    }
    if (!reply.flowRequest)
        return Action::Ignore;
    if (reply.untrusted)
        return Action::Untrusted;
    switch (step) {
    case 0:
        if (reply.error)
            return reply.status == 400 ? Action::TimeStamp : Action::Failure;
        return Action::Failure;  // the stale time stamp must be refused
    case 1:
        return reply.error ? Action::Failure : Action::AppToken;
    case 3:
    case 4:
        if (reply.error)
            return reply.status == 400 ? Action::ServiceError : Action::Failure;
        if (reply.status != 200)
            return Action::Failure;
        return step == 3 ? Action::DeviceAdded : Action::AccountKnown;
    default:
        return Action::NotSupported;
    }
}

RegisterTick registerTick(int c, bool infoReceived, const IPCamera& camera)
{
    if (c >= kRegisterTickLimit)
        return RegisterTick::TimeOut;
    if (infoReceived) {
        const bool confirmed = camera.bRegisted == "1" && camera.dcpStatus == IPCamera::GOT_REGISTER_INFO;
        return confirmed ? RegisterTick::Confirm : RegisterTick::Wait;
    }
    return c % 2 == 0 ? RegisterTick::Request : RegisterTick::Wait;
}

Flow completedFlow(int signInStep, int signUpStep, Flow lastRedirect)
{
    const bool signInDone = signInStep == 3;
    const bool signUpDone = signUpStep == 5;
    if (signInDone && signUpDone)
        return lastRedirect == Flow::None ? Flow::SignIn : lastRedirect;
    if (signInDone)
        return Flow::SignIn;
    return signUpDone ? Flow::SignUp : Flow::None;
}

QString wrapLines(const QString& text, int wrapLength)
{
    const int limit = qMax(1, wrapLength);
    QString result = text;
    int lineStart = 0;
    while (result.size() - lineStart > limit) {
        int breakAt = -1;
        for (int i = lineStart + limit; i > lineStart; --i) {
            if (result.at(i) == QLatin1Char(' ')) {
                breakAt = i;
                break;
            }
        }
        if (breakAt >= 0) {
            result[breakAt] = QLatin1Char('\n');
            lineStart = breakAt + 1;
        } else {
            result.insert(lineStart + limit, QLatin1Char('\n'));
            lineStart += limit + 1;
        }
    }
    return result;
}

}  // namespace CloudApi

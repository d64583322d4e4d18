#include "setup/setupchecks.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "base/log.h"
#include "base/replylimits.h"
#include "cloud/cloudrouterules.h"
#include "cloud/cloudsiterules.h"

namespace SetupChecks {

Tick tick(const Schedule& schedule, int n, bool passed, bool answered)
{
    if (n >= schedule.limit)
        return Tick::Timeout;
    if (passed)
        return Tick::Passed;
    if (n % schedule.every == 0 && !answered)
        return Tick::Send;
    return Tick::Wait;
}

FailurePopup failurePopup(const QString& supportAPMode, int tryInternetNum)
{
    if (supportAPMode != QLatin1String("1"))
        return FailurePopup::ConfigNetwork;
    return tryInternetNum > 0 ? FailurePopup::InternetResetFailed : FailurePopup::InternetFailed;
}

Route routeAfterNetworkCheck(const QByteArray& bRegisted, bool localView, const QString& supportWiFi,
                             const QString& supportAPMode)
{
    if (bRegisted == "1")
        return Route::AlreadyRegistered;
    if (!localView)
        return Route::InternetCheck;
    return CloudRoute::roadFor(supportWiFi, supportAPMode) == CloudRoute::Road::WiFi ? Route::WiFiPage
                                                                                     : Route::CompletePage;
}

QUrl openApiUrl(const QByteArray& portal)
{
    return QUrl(QString::fromUtf8(portal.constData()) + "openapi/?url", QUrl::TolerantMode);
}

OpenApiAnswer openApiAnswer(const QUrl& requested, bool networkError, int status, const QUrl& location,
                            const QByteArray& body)
{
    if (networkError)
        return {OpenApiAnswer::NetworkError, QUrl(), QString()};
    if (status == 301 && location.isValid() && !location.isEmpty()) {
        const QUrl target = requested.resolved(location);
        return {CloudSite::isCloudAddress(target) ? OpenApiAnswer::Redirect : OpenApiAnswer::Forbidden, target,
                QString()};
    }
    if (status == 200) {
        const QString site = QString::fromUtf8(body.constData()).trimmed();
        const QUrl url(site, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (url.isValid() && (scheme == "http" || scheme == "https") && !url.host().isEmpty())
            return {CloudSite::isCloudAddress(url) ? OpenApiAnswer::Site : OpenApiAnswer::Forbidden, QUrl(), site};
    }
    return {OpenApiAnswer::Refused, QUrl(), QString()};
}

OpenApiAnswer openApiAnswer(QNetworkReply* reply)
{
    const bool failed = reply->error() != QNetworkReply::NoError;
    const QByteArray body = failed ? QByteArray() : reply->readAll();
    if (failed)
        WLOG << "OpenAPI request failed :" << reply->errorString() << ReplyLimits::stopNote(reply);
    return openApiAnswer(reply->request().url(), failed,
                         reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                         reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl(), body);
}

void take(const OpenApiAnswer& answer, const OpenApiState& state)
{
    switch (answer.kind) {
    case OpenApiAnswer::Redirect:
        WLOG << " ---------------------------------->redirected: " << answer.url;
        state.redirected = true;
        state.redirectUrl = answer.url;
        state.passed = false;
        break;
    case OpenApiAnswer::Site:
        state.site = answer.site;
        WLOG << "http return value :" << state.site;
        state.redirected = false;
        state.passed = true;
        break;
    case OpenApiAnswer::Refused:
        WLOG << "The OpenAPI answer names no http(s) site";
        state.redirected = false;
        state.passed = false;
        break;
    case OpenApiAnswer::Forbidden:
        WLOG << "The OpenAPI answer leads away from the cloud service over https :" << answer.url.host()
             << QUrl(answer.site).host();
        state.redirected = false;
        state.passed = false;
        break;
    case OpenApiAnswer::NetworkError:
        state.passed = false;
        break;
    }
}

QNetworkReply* askOpenApi(QNetworkAccessManager* manager, const QUrl& url)
{
    if (!CloudSite::isCloudAddress(url)) {
        WLOG << "OpenAPI request not sent, not the cloud service over https :" << url.scheme() << url.host();
        return nullptr;
    }
    QNetworkReply* reply = manager->get(QNetworkRequest(url));
    ReplyLimits::bound(reply, ReplyLimits::kOpenApi);
    return reply;
}

}  // namespace SetupChecks

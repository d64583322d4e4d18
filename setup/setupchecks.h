#ifndef SETUPCHECKS_H
#define SETUPCHECKS_H

#include <QByteArray>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// The decisions of the setup page's one-second checks: what one tick does, which popup a
// failure opens, where the camera goes after its network check, and what an OpenAPI
// answer means.
namespace SetupChecks {

struct Schedule
{
    int limit;  // the tick whose counter reaches it times out
    int every;  // requests go out on counters divisible by it
};

constexpr Schedule kPassword{30, 2};
constexpr Schedule kNetworkCfg{30, 2};
constexpr Schedule kInternet{60, 2};
constexpr Schedule kOlvarisInfo{30, 2};
constexpr Schedule kOpenAPI{30, 2};
constexpr Schedule kConfigNetwork{60, 5};
constexpr Schedule kRestart{30, 5};

enum class Tick
{
    Timeout,  // stop, reset every check, open the failure popup; nothing is sent
    Passed,   // the awaited state is there: stop and go on
    Send,     // send the request again
    Wait,     // nothing this tick
};

// One tick with counter n: the limit first, then the awaited state (passed), then a
// request on the schedule while no answer flag (answered) is set.
Tick tick(const Schedule& schedule, int n, bool passed, bool answered);

enum class FailurePopup
{
    InternetFailed,       // "APClientModeInternetFailed": Close, Retry
    InternetResetFailed,  // "APClientModeInternetResetFailedWarning": Local View, Reset, Retry
    ConfigNetwork,        // the manual network box
};

// Access-point models ("1") get the Internet popups, the one with Reset once the user has
// retried; every other model gets the manual network box.
FailurePopup failurePopup(const QString& supportAPMode, int tryInternetNum);

enum class Route
{
    AlreadyRegistered,
    InternetCheck,
    WiFiPage,
    CompletePage,
};

// Where the camera goes once its network settings arrived.
Route routeAfterNetworkCheck(const QByteArray& bRegisted, bool localView, const QString& supportWiFi,
                             const QString& supportAPMode);

// The OpenAPI address request for a camera's portal.
QUrl openApiUrl(const QByteArray& portal);

struct OpenApiAnswer
{
    enum Kind
    {
        Redirect,      // 301 to a cloud address: ask url next
        Site,          // 200 with a cloud address: site
        Refused,       // any other answer, or a 200 whose body is no http(s) address
        Forbidden,     // a redirect or a site that is not the cloud service over https: the check fails
        NetworkError,  // no answer: ask the same address again
    } kind;
    QUrl url;
    QString site;
};

// What the answer to a request for `requested` means; a relative Location is resolved
// against the request.
OpenApiAnswer openApiAnswer(const QUrl& requested, bool networkError, int status, const QUrl& location,
                            const QByteArray& body);
// The same, read from a finished reply.
OpenApiAnswer openApiAnswer(QNetworkReply* reply);

// Sends the OpenAPI request with its transfer and size limits; nullptr, and nothing sent, when
// url is not a cloud address.
QNetworkReply* askOpenApi(QNetworkAccessManager* manager, const QUrl& url);

// Where a page keeps what its OpenAPI requests have learnt.
struct OpenApiState
{
    QUrl& redirectUrl;
    bool& redirected;
    QString& site;
    bool& passed;
};

// Takes an answer into a page's state, logging what it learns or refuses.
void take(const OpenApiAnswer& answer, const OpenApiState& state);

}  // namespace SetupChecks

#endif  // SETUPCHECKS_H

#ifndef CLOUDAPI_H
#define CLOUDAPI_H

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <QUrl>

class IPCamera;

// What the wizard sends to the cloud account service and how it judges the answers.
// Plain functions, no widgets: the cloud page calls them and its tests test them.
namespace CloudApi {

// The service's API site when no setup page has passed one yet.
QString defaultSite();

// "&sig=" + MD5 (lower-case hex) of the signed app-credential text for this time stamp.
QString signatureParam(const QString& timestamp);
// The stale time stamp of the first app-credential request; the service answers with its own.
QString staleTimestamp();

// The requests, built by plain concatenation: nothing is percent-encoded.
QString appCredentialAddress(const QString& site, const QString& timestamp);
// state: the flow's own, from newState.
QString signUpPageAddress(const QString& site, const QString& appToken, const QString& language, const QString& state);
QString signInPageAddress(const QString& site, const QString& language, const QString& state);
QString deviceAddAddress(const QString& site, const QString& accessToken);
QString userInfoAddress(const QString& site, const QString& accessToken);
// {"data":{"mac":...,"olvaris_id":...,"session_id":...}}, compact; "mac" is the 12 upper-case
// hexadecimal digits of the camera's address, whatever separator it was written with.
QByteArray deviceAddBody(const IPCamera& camera);
// An address string as a QUrl, parsed tolerantly.
QUrl toUrl(const QString& address);

// A reply body as JSON, read as UTF-8 up to its first zero byte. False when it does not parse.
bool parseBody(const QByteArray& body, QJsonDocument* document);
// Values read from a parsed, non-empty document; empty when missing or of another type.
QString errorTimestamp(const QJsonDocument& document);  // "error"."timestamp" in decimal, "0" when absent
QString appToken(const QJsonDocument& document);        // "access_token"
QString accountEmail(const QJsonDocument& document);    // "data"."email"
QString errorMessage(const QJsonDocument& document);    // "error"."message"
// True when the document is null, empty, or holds no object.
bool isBlank(const QJsonDocument& document);

// A flow's OAuth state: "tolmwizard_signin" or "tolmwizard_signup" and a random suffix that
// no other program can guess.
enum class Flow;
QString newState(Flow flow);

// Text for the log with every access token's value and every state's suffix masked.
QString withTokensMasked(const QString& text);

// Links from the web views go to the system browser only over http or https, without user
// information, to a host that is neither this machine nor the local network (CloudSite::isLocalHost).
bool mayOpenExternally(const QUrl& url);

// What one reply means to a flow.
struct ReplyFacts
{
    bool flowRequest = false;     // the REST request the flow sent last
    bool mainDocument = false;    // the page the flow loaded into its view
    bool pageNavigation = false;  // a navigation of that view's main frame, the page's form or a later page
    bool error = false;
    bool cancelled = false;        // ended with OperationCanceledError: by the web engine, or
    bool stoppedByLimits = false;  // by the reply limits (its deadline, size or compression)
    bool untrusted = false;        // the TLS handshake failed: the certificate is not trusted
    int status = 0;                // HTTP status, 0 when none
    bool bodyEmpty = true;
};

enum class Action
{
    Ignore,        // another reply (a page resource, a late answer): nothing to do
    NotSupported,  // a reply that fits no step: logged only
    PageReached,   // the flow's web page answered
    TimeStamp,     // sign-up: the service's time arrived
    AppToken,      // sign-up: the app token arrived
    DeviceAdded,   // the camera is on the account: ask for the account
    AccountKnown,  // the account's e-mail arrived: set the register bit
    ServiceError,  // the service refused: its message in the flow's popup
    Failure,       // general failure
    Untrusted,     // general failure, then the certificate popup
};

// Sign-in steps: 0 page shown, 1 device add sent, 2 account information sent, 3 done.
Action judgeSignIn(int step, const ReplyFacts& reply);
// Sign-up steps: 0 time stamp, 1 app token, 2 page shown, 3 device add, 4 account information, 5 done.
Action judgeSignUp(int step, const ReplyFacts& reply);

// One tick of the register-bit wait, with c the tick counter at its start.
enum class RegisterTick
{
    TimeOut,  // take the bit back, stop
    Confirm,  // the camera confirmed: complete the flow
    Request,  // ask the camera to set the bit
    Wait,
};
constexpr int kRegisterTickLimit = 30;
RegisterTick registerTick(int c, bool infoReceived, const IPCamera& camera);

enum class Flow
{
    None,
    SignIn,
    SignUp,
};
// Which flow a confirmed register bit completes: the one whose step says it is done;
// when both are, the one whose redirect came last.
Flow completedFlow(int signInStep, int signUpStep, Flow lastRedirect);

// Breaks text into lines of at most wrapLength characters: at the last space that keeps
// a line within the length (the space becomes the line feed), else hard.
QString wrapLines(const QString& text, int wrapLength);

}  // namespace CloudApi

#endif  // CLOUDAPI_H

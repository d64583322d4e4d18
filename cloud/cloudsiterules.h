#ifndef CLOUDSITERULES_H
#define CLOUDSITERULES_H

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>

#include "base/replylimits.h"

class DCPUtils;
class QNetworkReply;
class QUrl;

// Which addresses the wizard uses for the cloud service, and a network manager that sends
// nothing anywhere else.
namespace CloudSite {

// https on the default port, without user information, on the cloud domain or a host under it.
bool isCloudAddress(const QUrl& url);
// The local redirect listener, where the service's pages send the browser at the end of a flow.
bool isRedirectListener(const QUrl& url);

// What a cloud web view does with an address.
enum class Load
{
    Send,    // over the network
    Answer,  // the redirect address: answered inside the program, no connection
    Refuse,
};
enum class Frame
{
    Main,      // a navigation of the view's main frame, server redirects included
    Sub,       // a navigation of a frame in the page
    Resource,  // a picture, style sheet, script or font of a page, or its XHR
};
// The main frame stays on the cloud service over https or goes to the redirect address; a frame
// loads only from the cloud service (or is blank). Resources may also come from other hosts over
// https on the default port, never from this machine or the local network, nor over http, file
// or another port; data: is harmless.
Load viewLoad(const QUrl& url, Frame frame);

// How a navigation started.
enum class Start
{
    Script,   // a script, a refresh or a server redirect
    Form,     // a form sent
    History,  // back, forward or reload
};
// A navigation's load: the redirect address is answered only for the main frame, led there by
// the page of the cloud service it shows (shown), not by a form or the history.
Load navigationLoad(const QUrl& url, Frame frame, Start start, const QUrl& shown);
// Whether the answer to the main frame's request for requested (status, location) leads to the
// redirect address: a 3xx of the cloud service.
bool redirectsToListener(const QUrl& requested, int status, const QUrl& location);

// request as a web view's manager sends it: to a host other than the cloud service's without
// Referer, which holds the page's address and with it the flow's state and the app token.
QNetworkRequest outgoing(const QNetworkRequest& request);

// Refusals a page can repeat at will: the first few are logged in full, the rest counted under
// what (a fixed text) in LogSummary's lines.
void logRefusal(const char* what, const QUrl& url);

// Sends only to cloud addresses, each request with a transfer limit and a size limit. Any other
// request, a redirect included, finishes at once with ContentAccessDenied and no connection.
// A web view's manager also sends what viewLoad lets a page's resources load, without the page's
// address as Referer to other hosts, and answers the redirect address itself, once, for the main
// frame's navigation the cloud service led there: redirectTarget takes the redirect (its state
// rule), the view gets a short page, and nothing is sent to the local port.
class Manager : public ReplyLimits::BoundedManager
{
    Q_OBJECT
public:
    explicit Manager(QObject* parent = nullptr);
    Manager(DCPUtils* redirectTarget, QObject* parent);

    // frame (the view's main frame) goes to url: a 3xx of it to the redirect address is expected.
    void noteNavigation(QObject* frame, const QUrl& url);
    // The redirect address url is answered once, for a GET of frame.
    void expectRedirect(QObject* frame, const QUrl& url);
    bool expects(QObject* frame, const QUrl& url) const;

    // Set on the reply of the main frame's navigation: a failure of it is the page's.
    static const char kNavigationProperty[];

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* data) override;

private:
    bool takeExpected(QObject* frame, const QUrl& url);

    struct Expected
    {
        QPointer<QObject> frame;
        QByteArray key;
    };
    bool webView = false;
    QPointer<DCPUtils> redirectTarget;
    QPointer<QObject> navigationFrame;
    QByteArray navigationKey;
    QList<Expected> expected;
};

}  // namespace CloudSite

#endif  // CLOUDSITERULES_H

#ifndef CLOUDSITERULES_H
#define CLOUDSITERULES_H

#include <QNetworkAccessManager>
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
    Main,  // the page itself: every navigation of the view's main frame, server redirects included
    Sub,   // a picture, style sheet, script, font or frame of the page
};
// The page stays on the cloud service over https, or goes to the redirect address. Its
// resources may also come from other hosts over https on the default port, never from this
// machine or the local network, nor over http, file or another port; data: is harmless.
Load viewLoad(const QUrl& url, Frame frame);

// Sends only to cloud addresses, each request with a transfer limit and a size limit. Any other
// request, a redirect included, finishes at once with ContentAccessDenied and no connection.
// A web view's manager also sends what viewLoad lets a page's resources load, and answers the
// redirect address itself: redirectTarget takes the redirect (its state rule), the view gets a
// short page, and nothing is sent to the local port.
class Manager : public ReplyLimits::BoundedManager
{
    Q_OBJECT
public:
    explicit Manager(QObject* parent = nullptr);
    Manager(DCPUtils* redirectTarget, QObject* parent);

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* data) override;

private:
    bool webView = false;
    QPointer<DCPUtils> redirectTarget;
};

}  // namespace CloudSite

#endif  // CLOUDSITERULES_H

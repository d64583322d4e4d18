#ifndef CLOUDSITERULES_H
#define CLOUDSITERULES_H

#include <QNetworkAccessManager>

#include "base/replylimits.h"

class QNetworkReply;
class QUrl;

// Which addresses the wizard uses for the cloud service, and a network manager that sends
// nothing anywhere else.
namespace CloudSite {

// https on the default port, without user information, on the cloud domain or a host under it.
bool isCloudAddress(const QUrl& url);
// The local redirect listener, where the service's pages send the browser at the end of a flow.
bool isRedirectListener(const QUrl& url);

// True for a reply of Manager that refused its request.
bool isRefused(const QNetworkReply* reply);

// Sends only to cloud addresses (and, for a web view's manager, to the redirect listener), each
// request with a transfer limit and a size limit. Any other request, a redirect included,
// finishes at once with ContentAccessDenied and no connection.
class Manager : public ReplyLimits::BoundedManager
{
    Q_OBJECT
public:
    explicit Manager(bool redirectListenerAllowed, QObject* parent = nullptr);

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* data) override;

private:
    bool redirectListenerAllowed;
};

}  // namespace CloudSite

#endif  // CLOUDSITERULES_H

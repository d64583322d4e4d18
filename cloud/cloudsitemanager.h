#ifndef CLOUDSITEMANAGER_H
#define CLOUDSITEMANAGER_H

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>

#include "base/replylimits.h"
#include "cloud/cloudsiterules.h"

class DCPUtils;
class QNetworkReply;
class QUrl;

namespace CloudSite {

class ViewPictures;

// Sends only to cloud addresses, each request with a transfer limit and a size limit. Any other
// request, a redirect included, finishes at once with ContentAccessDenied and no connection.
// A web view's manager also sends what viewLoad lets a page's resources load, without the page's
// address as Referer to other hosts (their answers held and judged, and so are those their redirects lead to on the
// service's own host, their pictures held within the view's budget and decoded by a decoder of the view's own, one at
// a time, the parties taking turns, each within what its pictures may cost and all within what the view's may:
// HeldReply, ViewPictures), and answers the redirect
// address itself, once, for the main frame's navigation the cloud service led there: redirectTarget takes the redirect
// (its state rule), the view gets a short page, and nothing is sent to the local port. No request answers an
// authentication challenge (CloudSite::outgoing).
class Manager : public ReplyLimits::BoundedManager
{
    Q_OBJECT
public:
    explicit Manager(QObject* parent = nullptr);
    Manager(DCPUtils* redirectTarget, QObject* parent);

    // The engine starts the load of frame (the view's main frame) for url, with nothing of a page
    // running until it asks for it: the first document request of frame for url before the event
    // loop turns again is the navigation's. A 3xx of it to the redirect address is expected; one to
    // another address is noted for the request the engine makes as it follows the 3xx.
    void noteNavigation(QObject* frame, const QUrl& url);
    // The redirect address url is answered once, for a GET of frame.
    void expectRedirect(QObject* frame, const QUrl& url);
    // Whether url is the redirect address and answered for a GET of frame.
    bool expects(QObject* frame, const QUrl& url) const;

    // Set on the reply of the main frame's navigation alone: a failure of it is the page's.
    static const char kNavigationProperty[];

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* data) override;
    // What is done with request: sent, answered here or refused.
    virtual Load decide(Operation op, const QNetworkRequest& request);

private:
    QNetworkReply* send(Operation op, const QNetworkRequest& request, QIODevice* data);
    // Whether request is the noted navigation's own: its mark is taken.
    bool takeNavigation(const QNetworkRequest& request);
    // The navigation's reply is marked, and a 3xx of it to the redirect address expected.
    void watchNavigation(QNetworkReply* reply, QObject* frame);
    // The redirect address answered (load Answer) or a refusal, without a connection.
    QNetworkReply* answerLocally(Operation op, const QNetworkRequest& request, Load load);
    bool takeExpected(QObject* frame, const QUrl& url);

    struct Expected
    {
        QPointer<QObject> frame;
        QByteArray key;
    };
    bool webView = false;
    ViewPictures* pictures = nullptr;  // a web view's
    QPointer<DCPUtils> redirectTarget;
    QPointer<QObject> navigationFrame;
    QByteArray navigationKey;
    quint64 navigationsNoted = 0;
    QList<Expected> expected;
};

}  // namespace CloudSite

#endif  // CLOUDSITEMANAGER_H

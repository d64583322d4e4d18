#include "cloud/cloudsitemanager.h"

#include <QNetworkReply>
#include <QUrl>

#include <algorithm>

#include "cloud/cloudreplies.h"
#include "cloud/eventorder.h"
#include "cloud/viewpictures.h"
#include "protocol/dcputils.h"

namespace {

// The redirect address as the manager compares it: the engine may add the empty path's "/".
QByteArray redirectKey(const QUrl& url)
{
    const QString path = url.path(QUrl::FullyEncoded);
    return (path.isEmpty() ? QStringLiteral("/") : path).toLatin1() + '?' + url.query(QUrl::FullyEncoded).toLatin1();
}

// How the engine's request for a frame's document begins its Accept header.
const char kDocumentAccept[] = "text/html,";

// The address as the navigation's mark compares it: the engine sends the fragment with some
// requests and not with others.
QByteArray navigationKeyOf(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment).toEncoded();
}

// Redirect addresses a manager expects at once, at most.
constexpr int kMaxExpected = 4;

}  // namespace

namespace CloudSite {

const char Manager::kNavigationProperty[] = "cloudPageNavigation";

Manager::Manager(QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
{}

Manager::Manager(DCPUtils* redirectTarget, QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
    , webView(true)
    , pictures(new ViewPictures(this))
    , redirectTarget(redirectTarget)
{}

void Manager::noteNavigation(QObject* frame, const QUrl& url)
{
    navigationFrame = frame;
    navigationKey = navigationKeyOf(url);
    // After this event a page's scripts may run: a request of theirs never takes the mark.
    const quint64 noted = ++navigationsNoted;
    whenThisEventEnds(this, [this, noted] {
        if (noted == navigationsNoted) {
            navigationFrame = nullptr;
            navigationKey.clear();
        }
    });
}

void Manager::expectRedirect(QObject* frame, const QUrl& url)
{
    if (expected.size() >= kMaxExpected)
        expected.removeFirst();
    expected.append({frame, redirectKey(url)});
}

bool Manager::expects(QObject* frame, const QUrl& url) const
{
    // The key holds the path and query alone.
    if (!isRedirectListener(url))
        return false;
    const QByteArray key = redirectKey(url);
    for (const Expected& e : expected)
        if (e.frame && e.frame == frame && e.key == key)
            return true;
    return false;
}

bool Manager::takeExpected(QObject* frame, const QUrl& url)
{
    if (!expects(frame, url))
        return false;
    const QByteArray key = redirectKey(url);
    expected.erase(std::remove_if(expected.begin(), expected.end(), [&key](const Expected& e) { return e.key == key; }),
                   expected.end());
    return true;
}

QNetworkReply* Manager::createRequest(Operation op, const QNetworkRequest& request, QIODevice* data)
{
    const Load load = decide(op, request);
    return load == Load::Send ? send(op, request, data) : answerLocally(op, request, load);
}

Load Manager::decide(Operation op, const QNetworkRequest& request)
{
    // The page's own navigations are checked before they get here: what comes is the page, a
    // frame, one of their resources or the redirect address.
    const QUrl url = request.url();
    if (!webView)
        return isCloudAddress(url) ? Load::Send : Load::Refuse;
    if (isRedirectListener(url))
        return op == GetOperation && takeExpected(request.originatingObject(), url) ? Load::Answer : Load::Refuse;
    return viewLoad(url, Frame::Resource);
}

QNetworkReply* Manager::send(Operation op, const QNetworkRequest& request, QIODevice* data)
{
    QNetworkReply* reply = ReplyLimits::BoundedManager::createRequest(op, outgoing(request), data);
    if (webView)
        pictures->start();  // while the page loads, ahead of its pictures
    // Another host's answer is held and judged, and so is the service's where another host's redirect led: it counts
    // to the party that redirected, and its picture is decoded by the view's decoder.
    if (webView && (!isCloudAddress(request.url()) || pictures->ledTo(request.url())))
        return new HeldReply(reply, asked(request), ReplyLimits::kCloudPage, pictures, this);
    if (webView && takeNavigation(request))
        watchNavigation(reply, request.originatingObject());
    return reply;
}

bool Manager::takeNavigation(const QNetworkRequest& request)
{
    // The noted navigation's own request is a document load of its frame (the engine asks for
    // documents with this Accept, for pictures and scripts with another one, which their
    // redirects keep), and comes once: a later request for the address is a resource's.
    QObject* frame = request.originatingObject();
    if (!frame || frame != navigationFrame || navigationKeyOf(request.url()) != navigationKey ||
        !request.rawHeader("Accept").startsWith(kDocumentAccept))
        return false;
    navigationFrame = nullptr;
    navigationKey.clear();
    return true;
}

void Manager::watchNavigation(QNetworkReply* reply, QObject* frame)
{
    reply->setProperty(kNavigationProperty, true);
    QPointer<QObject> navigated(frame);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, navigated] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QUrl location = reply->url().resolved(reply->header(QNetworkRequest::LocationHeader).toUrl());
        if (navigated && redirectsToListener(reply->url(), status, location))
            expectRedirect(navigated, location);
    });
    // The engine follows a 3xx in its slot for one of these signals, which runs after this one in
    // the same emission (connected before the engine saw the reply): its request there is the
    // navigation's.
    auto follow = [this, reply, navigated] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // Qt's own reading of the header drops a relative address.
        const QUrl location = QUrl::fromEncoded(reply->rawHeader("Location"));
        if (navigated && status >= 300 && status < 400 && location.isValid())
            noteNavigation(navigated, reply->url().resolved(location));
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, follow);
    connect(reply, &QNetworkReply::readyRead, this, follow);
    connect(reply, &QNetworkReply::finished, this, follow);
}

QNetworkReply* Manager::answerLocally(Operation op, const QNetworkRequest& request, Load load)
{
    const QUrl url = request.url();
    auto* reply = new LocalReply(op, request, this);
    if (load == Load::Refuse) {
        logRefusal(isRedirectListener(url) ? "Redirect address not answered, not the page's own navigation"
                                           : "Not sent, not the cloud service over https",
                   url);
        reply->refuse();
    } else if (redirectTarget &&
               redirectTarget->takeRedirect(url.query(QUrl::FullyEncoded).toLatin1(), url.toEncoded())) {
        reply->answer(200, "OK", kBlankPage);
    } else {
        reply->answer(404, "Not Found", QByteArray());
    }
    return reply;
}

}  // namespace CloudSite

#include "cloud/cloudsiterules.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include "base/endpoints.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "protocol/dcputils.h"
#include "protocol/logsummary.h"

namespace {

// A reply made here, never sent: finished at once (once the caller has connected) with an
// HTTP status and a body, or with an error.
class LocalReply : public QNetworkReply
{
public:
    LocalReply(QNetworkAccessManager::Operation op, const QNetworkRequest& request, QObject* parent)
        : QNetworkReply(parent)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(op);
        open(QIODevice::ReadOnly);
    }
    void refuse()
    {
        setError(ContentAccessDenied, QStringLiteral("Not the cloud service over https"));
        QTimer::singleShot(0, this, [this] {
            setFinished(true);
            emit errorOccurred(ContentAccessDenied);
            emit finished();
        });
    }
    void answer(int status, const QByteArray& reason, const QByteArray& body)
    {
        content = body;
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, status);
        setAttribute(QNetworkRequest::HttpReasonPhraseAttribute, reason);
        setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/html; charset=utf-8"));
        setHeader(QNetworkRequest::ContentLengthHeader, content.size());
        if (status == 404)
            setError(ContentNotFoundError, QString::fromLatin1(reason));
        QTimer::singleShot(0, this, [this] {
            emit metaDataChanged();
            if (error() != NoError)
                emit errorOccurred(error());
            if (!content.isEmpty())
                emit readyRead();
            setFinished(true);
            emit finished();
        });
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return content.size() - offset + QNetworkReply::bytesAvailable(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (offset >= content.size())
            return -1;
        const qint64 n = qMin(maxSize, qint64(content.size() - offset));
        memcpy(data, content.constData() + offset, size_t(n));
        offset += n;
        return n;
    }

private:
    QByteArray content;
    qint64 offset = 0;
};

// A loopback, private, shared, link-local or "this network" IPv4 address.
bool isLocalIPv4(quint32 v4)
{
    const QHostAddress address(v4);
    const bool privateV4 = (v4 >> 24) == 10 || (v4 >> 20) == (172u << 4 | 1) || (v4 >> 16) == (192u << 8 | 168) ||
                           (v4 >> 22) == (100u << 2 | 1) || (v4 >> 24) == 0;
    return !address.isGlobal() || address.isLoopback() || address.isLinkLocal() || privateV4;
}

// The IPv4 address an IPv6 literal carries: IPv4-compatible (::a.b.c.d), mapped (::ffff:a.b.c.d),
// NAT64 (64:ff9b::a.b.c.d) or 6to4 (2002:aabb:ccdd::).
bool embeddedIPv4(const QHostAddress& address, quint32* v4)
{
    const Q_IPV6ADDR a = address.toIPv6Address();
    auto zero = [&a](int from, int to) {
        for (int i = from; i < to; ++i)
            if (a[i])
                return false;
        return true;
    };
    auto at = [&a](int i) { return quint32(a[i]) << 24 | quint32(a[i + 1]) << 16 | quint32(a[i + 2]) << 8 | a[i + 3]; };
    const bool compatible = zero(0, 12);
    const bool mapped = zero(0, 10) && a[10] == 0xff && a[11] == 0xff;
    const bool nat64 = a[0] == 0x00 && a[1] == 0x64 && a[2] == 0xff && a[3] == 0x9b && zero(4, 12);
    if (compatible || mapped || nat64) {
        *v4 = at(12);
        return true;
    }
    if (a[0] == 0x20 && a[1] == 0x02) {
        *v4 = at(2);
        return true;
    }
    return false;
}

// This machine or the local network: a loopback, private, link-local or unspecified address,
// IPv6 forms of such an IPv4 address, "localhost", a ".local" name or a name of one label.
bool isLocalHost(QString host)
{
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    QHostAddress address;
    if (address.setAddress(host)) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return isLocalIPv4(address.toIPv4Address());
        quint32 v4 = 0;
        if (embeddedIPv4(address, &v4) && isLocalIPv4(v4))
            return true;
        return !address.isGlobal() || address.isLoopback() || address.isLinkLocal() || address.isSiteLocal() ||
               address.isUniqueLocalUnicast();
    }
    return host.isEmpty() || !host.contains(QLatin1Char('.')) || host == QLatin1String("localhost") ||
           host.endsWith(QLatin1String(".localhost")) || host.endsWith(QLatin1String(".local"));
}

// The redirect address as the manager compares it: the engine may add the empty path's "/".
QByteArray redirectKey(const QUrl& url)
{
    const QString path = url.path(QUrl::FullyEncoded);
    return (path.isEmpty() ? QStringLiteral("/") : path).toLatin1() + '?' + url.query(QUrl::FullyEncoded).toLatin1();
}

// Redirect addresses a manager expects at once, at most.
constexpr int kMaxExpected = 4;
constexpr int kRefusalsInFull = 8;

}  // namespace

namespace CloudSite {

bool isCloudAddress(const QUrl& url)
{
    if (!url.isValid() || url.scheme() != QLatin1String("https") || !url.userInfo().isEmpty() || url.port(443) != 443)
        return false;
    const QString host = url.host(QUrl::FullyEncoded);  // lower case, international names in ACE form
    const QString domain = QString::fromLatin1(Endpoints::kCloudDomain);
    if (host == domain)
        return true;
    const QString sub = host.left(host.size() - domain.size() - 1);
    return host.endsWith(QLatin1Char('.') + domain) && !sub.isEmpty() && !sub.startsWith(QLatin1Char('.')) &&
           !sub.contains(QLatin1String(".."));
}

bool isRedirectListener(const QUrl& url)
{
    return url.isValid() && url.scheme() == QLatin1String("http") && url.userInfo().isEmpty() &&
           url.host() == QLatin1String("127.0.0.1") && url.port() == 5979;
}

Load viewLoad(const QUrl& url, Frame frame)
{
    if (isCloudAddress(url))
        return Load::Send;
    switch (frame) {
    case Frame::Main:
        return isRedirectListener(url) ? Load::Answer : Load::Refuse;
    case Frame::Sub:
        return url == QUrl(QStringLiteral("about:blank")) ? Load::Send : Load::Refuse;
    case Frame::Resource:
        break;
    }
    if (url.scheme() == QLatin1String("data"))
        return Load::Send;
    const bool elsewhere = url.isValid() && url.scheme() == QLatin1String("https") && url.userInfo().isEmpty() &&
                           url.port(443) == 443 && !isLocalHost(url.host(QUrl::FullyEncoded));
    return elsewhere ? Load::Send : Load::Refuse;
}

Load navigationLoad(const QUrl& url, Frame frame, Start start, const QUrl& shown)
{
    const Load load = viewLoad(url, frame);
    if (load != Load::Answer)
        return load;
    return start == Start::Script && isCloudAddress(shown) ? Load::Answer : Load::Refuse;
}

bool redirectsToListener(const QUrl& requested, int status, const QUrl& location)
{
    return status >= 300 && status < 400 && isCloudAddress(requested) && isRedirectListener(location);
}

QNetworkRequest outgoing(const QNetworkRequest& request)
{
    QNetworkRequest sent(request);
    if (!isCloudAddress(request.url()))
        sent.setRawHeader("Referer", QByteArray());
    return sent;
}

void logRefusal(const char* what, const QUrl& url)
{
    static int inFull = 0;
    if (inFull >= kRefusalsInFull) {
        LogSummary::note(QString::fromLatin1(what));
        return;
    }
    ++inFull;
    WLOG << what << ":" << url.scheme() << url.host() << url.port();
}

const char Manager::kNavigationProperty[] = "cloudPageNavigation";

Manager::Manager(QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
{}

Manager::Manager(DCPUtils* redirectTarget, QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
    , webView(true)
    , redirectTarget(redirectTarget)
{}

void Manager::noteNavigation(QObject* frame, const QUrl& url)
{
    navigationFrame = frame;
    navigationKey = url.toEncoded();
}

void Manager::expectRedirect(QObject* frame, const QUrl& url)
{
    if (expected.size() >= kMaxExpected)
        expected.removeFirst();
    expected.append({frame, redirectKey(url)});
}

bool Manager::expects(QObject* frame, const QUrl& url) const
{
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
    const QUrl url = request.url();
    QObject* frame = request.originatingObject();
    // The page's own navigations are checked before they get here: what comes is the page, a
    // frame, one of their resources or the redirect address.
    Load load = isCloudAddress(url) ? Load::Send : Load::Refuse;
    if (webView && isRedirectListener(url))
        load = op == GetOperation && takeExpected(frame, url) ? Load::Answer : Load::Refuse;
    else if (webView)
        load = viewLoad(url, Frame::Resource);
    if (load == Load::Send) {
        QNetworkReply* reply =
            ReplyLimits::BoundedManager::createRequest(op, webView ? outgoing(request) : request, data);
        if (webView && frame && frame == navigationFrame && url.toEncoded() == navigationKey) {
            reply->setProperty(kNavigationProperty, true);
            QPointer<QObject> navigated(frame);
            connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, navigated] {
                const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                const QUrl location = reply->url().resolved(reply->header(QNetworkRequest::LocationHeader).toUrl());
                if (navigated && redirectsToListener(reply->url(), status, location))
                    expectRedirect(navigated, location);
            });
        }
        return reply;
    }
    auto* reply = new LocalReply(op, request, this);
    if (load == Load::Refuse) {
        logRefusal(isRedirectListener(url) ? "Redirect address not answered, not the page's own navigation"
                                           : "Not sent, not the cloud service over https",
                   url);
        reply->refuse();
    } else if (redirectTarget &&
               redirectTarget->takeRedirect(url.query(QUrl::FullyEncoded).toLatin1(), "web view", url.toEncoded())) {
        reply->answer(200, "OK", DCPUtils::redirectDonePage());
    } else {
        reply->answer(404, "Not Found", QByteArray());
    }
    return reply;
}

}  // namespace CloudSite

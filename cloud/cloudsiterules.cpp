#include "cloud/cloudsiterules.h"

#include <QHostAddress>
#include <QUrl>

#include "base/endpoints.h"
#include "base/log.h"
#include "base/logsummary.h"

namespace {

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

constexpr int kRefusalsInFull = 8;
// The most of a host the log shows: no name that resolves is longer.
constexpr int kLoggedHost = 255;

}  // namespace

namespace CloudSite {

const char kBlankPage[] = "<html><body></body></html>";

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
           url.host() == QLatin1String("127.0.0.1") && url.port() == Endpoints::kRedirectPort;
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

bool redirectFollowed(const QUrl& location)
{
    return location.scheme() == QLatin1String("https") && viewLoad(location, Frame::Resource) == Load::Send;
}

QNetworkRequest outgoing(const QNetworkRequest& request)
{
    QNetworkRequest sent(request);
    // No authentication exchange with anyone, a proxy included: Qt sends nothing it was given
    // for the challenge (nor an NTLM or Negotiate message of its own) and ends the reply.
    sent.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    if (!isCloudAddress(request.url()))
        sent.setRawHeader("Referer", QByteArray());
    return sent;
}

void logRefusal(const QString& what, const QUrl& url)
{
    // Counted per kind: a run of one kind never hides the first of another.
    if (LogSummary::firstInFull(what, kRefusalsInFull))
        WLOG << qPrintable(what) << ":" << url.scheme() << url.host().left(kLoggedHost) << url.port();
}

}  // namespace CloudSite

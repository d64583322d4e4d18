#include "cloud/cloudsiterules.h"

#include <QHostAddress>
#include <QUrl>

#include "base/endpoints.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "protocol/logsummary.h"

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

constexpr int kRefusalsInFull = 8;

// What a picture's header tells.
enum class Header
{
    Size,        // its size: the pixels it declares
    Short,       // ends before the size
    Bad,         // not what its format says
    NotPicture,  // none of the formats the engine decodes
};

// Numbers in a header, read only where the bytes are there.
struct Bytes
{
    const QByteArray& b;
    bool has(qint64 pos, qint64 n) const { return pos >= 0 && n >= 0 && pos + n <= b.size(); }
    quint32 u8(qint64 pos) const { return quint8(b.at(int(pos))); }
    quint32 le16(qint64 pos) const { return u8(pos) | u8(pos + 1) << 8; }
    quint32 be16(qint64 pos) const { return u8(pos) << 8 | u8(pos + 1); }
    quint32 le24(qint64 pos) const { return le16(pos) | u8(pos + 2) << 16; }
    quint32 le32(qint64 pos) const { return le16(pos) | le16(pos + 2) << 16; }
    quint32 be32(qint64 pos) const { return be16(pos) << 16 | be16(pos + 2); }
    bool at(qint64 pos, const char* text) const
    {
        const int n = int(qstrlen(text));
        return has(pos, n) && b.mid(int(pos), n) == QByteArray(text, n);
    }
};

Header sized(qint64 width, qint64 height, qint64* pixels)
{
    // Sides of up to 32 bits: one over the limit alone keeps the product from overflowing.
    constexpr qint64 kMost = ReplyLimits::kViewPicturePixels;
    *pixels = width > kMost || height > kMost ? kMost + 1 : width * height;
    return width > 0 && height > 0 ? Header::Size : Header::Bad;
}

// A PNG's size, its signature at pos: the first chunk is IHDR.
Header pngSize(const Bytes& h, qint64 pos, qint64* pixels)
{
    if (!h.has(pos, 24))
        return Header::Short;
    if (!h.at(pos + 12, "IHDR"))
        return Header::Bad;
    return sized(h.be32(pos + 16), h.be32(pos + 20), pixels);
}

// A BMP's size from its information header at pos; in an icon it holds both masks' height.
Header dibSize(const Bytes& h, qint64 pos, bool inIcon, qint64* pixels)
{
    if (!h.has(pos, 12))
        return Header::Short;
    const quint32 size = h.le32(pos);
    if (size == 12)
        return sized(h.le16(pos + 4), h.le16(pos + 6) / (inIcon ? 2 : 1), pixels);
    if (size < 16)
        return Header::Bad;
    const qint64 width = qint32(h.le32(pos + 4));
    const qint64 height = qAbs(qint64(qint32(h.le32(pos + 8))));  // negative: top-down
    return sized(width, inIcon ? height / 2 : height, pixels);
}

// The screen, or a first frame larger than it (the engine then takes the frame's).
Header gifSize(const Bytes& h, qint64* pixels)
{
    qint64 width = h.le16(6), height = h.le16(8);
    const quint32 flags = h.u8(10);
    qint64 pos = 13 + ((flags & 0x80) ? 3 * (2 << (flags & 7)) : 0);
    for (;;) {
        if (!h.has(pos, 1))
            return Header::Short;
        const quint32 block = h.u8(pos);
        if (block == 0x3b)
            return sized(width, height, pixels);
        if (block == 0x2c) {
            if (!h.has(pos, 10))
                return Header::Short;
            width = qMax(width, qint64(h.le16(pos + 1)) + h.le16(pos + 5));
            height = qMax(height, qint64(h.le16(pos + 3)) + h.le16(pos + 7));
            return sized(width, height, pixels);
        }
        if (block != 0x21)
            return Header::Bad;
        for (pos += 2;; pos += 1 + h.u8(pos)) {  // the extension's blocks, up to an empty one
            if (!h.has(pos, 1))
                return Header::Short;
            if (h.u8(pos) == 0)
                break;
        }
        ++pos;
    }
}

// The first frame's size (SOFn), past the segments before it.
Header jpegSize(const Bytes& h, qint64* pixels)
{
    qint64 pos = 2;
    for (;;) {
        if (!h.has(pos, 2))
            return Header::Short;
        if (h.u8(pos) != 0xff)
            return Header::Bad;
        const quint32 marker = h.u8(pos + 1);
        if (marker == 0xff) {  // fill
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            pos += 2;
            continue;
        }
        if (marker == 0xd9 || marker == 0xda)  // the end or the data before any frame
            return Header::Bad;
        if (!h.has(pos, 4))
            return Header::Short;
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame) {
            if (!h.has(pos, 9))
                return Header::Short;
            return sized(h.be16(pos + 7), h.be16(pos + 5), pixels);
        }
        pos += 2 + h.be16(pos + 2);
    }
}

Header webpSize(const Bytes& h, qint64* pixels)
{
    if (!h.has(0, 30))
        return Header::Short;
    if (h.at(12, "VP8 "))
        return h.u8(23) == 0x9d && h.u8(24) == 0x01 && h.u8(25) == 0x2a
                   ? sized(h.le16(26) & 0x3fff, h.le16(28) & 0x3fff, pixels)
                   : Header::Bad;
    if (h.at(12, "VP8L")) {
        const quint32 bits = h.le32(21);
        return h.u8(20) == 0x2f ? sized((bits & 0x3fff) + 1, ((bits >> 14) & 0x3fff) + 1, pixels) : Header::Bad;
    }
    if (h.at(12, "VP8X"))
        return sized(qint64(h.le24(24)) + 1, qint64(h.le24(27)) + 1, pixels);
    return Header::Bad;
}

// The largest of an icon's pictures, each a PNG or a BMP without its file header.
Header iconSize(const Bytes& h, qint64* pixels)
{
    const qint64 count = h.le16(4);
    if (count == 0)
        return Header::Bad;
    if (!h.has(6, 16 * count))
        return Header::Short;
    *pixels = 0;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 offset = h.le32(6 + 16 * i + 12);
        qint64 one = 0;
        const Header header = !h.has(offset, 8)                   ? Header::Short
                              : h.at(offset, "\x89PNG\r\n\x1a\n") ? pngSize(h, offset, &one)
                                                                  : dibSize(h, offset, true, &one);
        if (header != Header::Size)
            return header;
        *pixels = qMax(*pixels, one);
    }
    return Header::Size;
}

Header pictureHeader(const QByteArray& head, qint64* pixels)
{
    const Bytes h{head};
    if (h.at(0, "\x89PNG\r\n\x1a\n"))
        return pngSize(h, 0, pixels);
    if (h.at(0, "GIF87a") || h.at(0, "GIF89a"))
        return h.has(0, 13) ? gifSize(h, pixels) : Header::Short;
    if (h.at(0, "\xff\xd8\xff"))
        return jpegSize(h, pixels);
    if (h.at(0, "RIFF") && h.at(8, "WEBP"))
        return webpSize(h, pixels);
    if (h.at(0, "BM") && h.has(0, 10) && h.le32(6) == 0)
        return h.has(0, 14) ? dibSize(h, 14, false, pixels) : Header::Short;
    if (h.has(0, 6) && h.le16(0) == 0 && (h.le16(2) == 1 || h.le16(2) == 2))
        return iconSize(h, pixels);
    return Header::NotPicture;
}

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

Picture pictureVerdict(const QByteArray& head, bool complete)
{
    // Every format is told by its first 12 bytes.
    constexpr int kTold = 12;
    if (!complete && head.size() < kTold)
        return Picture::NeedMore;
    qint64 pixels = 0;
    switch (pictureHeader(head, &pixels)) {
    case Header::NotPicture:
        return Picture::Pass;
    case Header::Size:
        return pixels <= ReplyLimits::kViewPicturePixels ? Picture::Pass : Picture::Refuse;
    case Header::Short:
        return complete || head.size() >= ReplyLimits::kViewPictureHeadBytes ? Picture::Refuse : Picture::NeedMore;
    case Header::Bad:
        break;
    }
    return Picture::Refuse;
}

void logRefusal(const char* what, const QUrl& url)
{
    // Counted per kind: a run of one kind never hides the first of another.
    if (LogSummary::firstInFull(QString::fromLatin1(what), kRefusalsInFull))
        WLOG << what << ":" << url.scheme() << url.host() << url.port();
}

}  // namespace CloudSite

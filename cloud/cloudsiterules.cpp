#include "cloud/cloudsiterules.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include "base/endpoints.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "protocol/dcputils.h"

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

// This machine or the local network: a loopback, private, link-local or unspecified address,
// "localhost", a ".local" name or a name of one label.
bool isLocalHost(QString host)
{
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    QHostAddress address;
    if (address.setAddress(host)) {
        bool isIPv4 = false;
        const quint32 v4 = address.toIPv4Address(&isIPv4);
        if (isIPv4)
            address = QHostAddress(v4);
        const bool privateV4 = isIPv4 && ((v4 >> 24) == 10 || (v4 >> 20) == (172u << 4 | 1) ||
                                          (v4 >> 16) == (192u << 8 | 168) || (v4 >> 22) == (100u << 2 | 1));
        return !address.isGlobal() || address.isLoopback() || address.isLinkLocal() || address.isSiteLocal() ||
               address.isUniqueLocalUnicast() || privateV4;
    }
    return host.isEmpty() || !host.contains(QLatin1Char('.')) || host == QLatin1String("localhost") ||
           host.endsWith(QLatin1String(".localhost")) || host.endsWith(QLatin1String(".local"));
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
           url.host() == QLatin1String("127.0.0.1") && url.port() == 5979;
}

Load viewLoad(const QUrl& url, Frame frame)
{
    if (isCloudAddress(url))
        return Load::Send;
    if (frame == Frame::Main)
        return isRedirectListener(url) ? Load::Answer : Load::Refuse;
    if (url.scheme() == QLatin1String("data"))
        return Load::Send;
    const bool elsewhere = url.isValid() && url.scheme() == QLatin1String("https") && url.userInfo().isEmpty() &&
                           url.port(443) == 443 && !isLocalHost(url.host(QUrl::FullyEncoded));
    return elsewhere ? Load::Send : Load::Refuse;
}

Manager::Manager(QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
{}

Manager::Manager(DCPUtils* redirectTarget, QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
    , webView(true)
    , redirectTarget(redirectTarget)
{}

QNetworkReply* Manager::createRequest(Operation op, const QNetworkRequest& request, QIODevice* data)
{
    const QUrl url = request.url();
    // The page's own navigations are checked before they get here (Frame::Main): what comes
    // is the page or one of its resources.
    Load load = isCloudAddress(url) ? Load::Send : Load::Refuse;
    if (webView)
        load = viewLoad(url, Frame::Main) == Load::Answer ? Load::Answer : viewLoad(url, Frame::Sub);
    if (load == Load::Send)
        return ReplyLimits::BoundedManager::createRequest(op, request, data);
    auto* reply = new LocalReply(op, request, this);
    if (load == Load::Refuse) {
        WLOG << "Not sent, not the cloud service over https :" << url.scheme() << url.host() << url.port();
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

#include "cloud/cloudsiterules.h"

#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include "base/endpoints.h"
#include "base/log.h"
#include "base/replylimits.h"

namespace {

const char kRefusedProperty[] = "cloudSiteRefused";

// A reply that never was a request: it finishes with an error once the caller has connected.
class RefusedReply : public QNetworkReply
{
public:
    RefusedReply(QNetworkAccessManager::Operation op, const QNetworkRequest& request, QObject* parent)
        : QNetworkReply(parent)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(op);
        setProperty(kRefusedProperty, true);
        setError(ContentAccessDenied, QStringLiteral("Not the cloud service over https"));
        open(QIODevice::ReadOnly);
        QTimer::singleShot(0, this, [this] {
            setFinished(true);
            emit errorOccurred(ContentAccessDenied);
            emit finished();
        });
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return 0; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
};

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

bool isRefused(const QNetworkReply* reply)
{
    return reply && reply->property(kRefusedProperty).toBool();
}

bool isRedirectListener(const QUrl& url)
{
    return url.isValid() && url.scheme() == QLatin1String("http") && url.userInfo().isEmpty() &&
           url.host() == QLatin1String("127.0.0.1") && url.port() == 5979;
}

Manager::Manager(bool redirectListenerAllowed, QObject* parent)
    : ReplyLimits::BoundedManager(ReplyLimits::kCloudPage, parent)
    , redirectListenerAllowed(redirectListenerAllowed)
{}

QNetworkReply* Manager::createRequest(Operation op, const QNetworkRequest& request, QIODevice* data)
{
    const QUrl url = request.url();
    if (!isCloudAddress(url) && !(redirectListenerAllowed && isRedirectListener(url))) {
        WLOG << "Not sent, not the cloud service over https :" << url.scheme() << url.host() << url.port();
        return new RefusedReply(op, request, this);
    }
    return ReplyLimits::BoundedManager::createRequest(op, request, data);
}

}  // namespace CloudSite

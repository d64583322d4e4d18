#include "cloud/redirectrules.h"

#include <QUrl>

namespace CloudSite {

QString redirectAddress(const QUrl& url)
{
    const QUrl at = url.adjusted(QUrl::RemoveFragment | QUrl::RemoveUserInfo | QUrl::NormalizePathSegments);
    return at.scheme() + QLatin1String("://") + at.host(QUrl::FullyEncoded) + QLatin1Char(':') +
           QString::number(at.port(443)) + at.path(QUrl::FullyDecoded) + QLatin1Char('?') +
           at.query(QUrl::FullyDecoded);
}

}  // namespace CloudSite

#include "platform/desktop.h"

#include <QDesktopServices>

#include "base/log.h"

namespace Platform {

bool openUrl(const QUrl& url)
{
    // A page's link may carry a token or the flow's state in its query, and be of any length.
    constexpr int kLogged = 512;
    WLOG << "open url :" << url.toString(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment).left(kLogged);
    return QDesktopServices::openUrl(url);
}

}  // namespace Platform

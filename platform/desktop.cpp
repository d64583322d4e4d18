#include "platform/desktop.h"

#include "base/log.h"
#include "platform/process.h"

#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
#include <QDesktopServices>
#endif

namespace Platform {

bool openUrl(const QUrl& url)
{
    // A page's link may carry a token or the flow's state in its query, and be of any length.
    constexpr int kLogged = 512;
    WLOG << "open url :" << url.toString(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment).left(kLogged);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The desktop's opener, started as Qt's own Unix services start it, with the person's environment.
    ProcessCall call;
    call.program = "xdg-open";
    call.arguments = QStringList{QString::fromLatin1(url.toEncoded())};
    call.detached = true;
    if (runProcess(call).started)
        return true;
    WLOG << "xdg-open could not be started: install xdg-utils to open manuals and web pages";
    return false;
#else
    return QDesktopServices::openUrl(url);
#endif
}

}  // namespace Platform

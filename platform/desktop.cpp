#include "platform/desktop.h"

#include <QDesktopServices>

#include "shell/log.h"

namespace Platform {

bool openUrl(const QUrl& url)
{
    WLOG << "open url :" << url.toString();
    return QDesktopServices::openUrl(url);
}

} // namespace Platform

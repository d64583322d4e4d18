#include "platform/desktop.h"

#include <QDesktopServices>

#include "base/log.h"

namespace Platform {

bool openUrl(const QUrl& url)
{
    WLOG << "open url :" << url.toString();
    return QDesktopServices::openUrl(url);
}

}  // namespace Platform

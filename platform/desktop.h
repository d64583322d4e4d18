#ifndef PLATFORM_DESKTOP_H
#define PLATFORM_DESKTOP_H

#include <QUrl>

namespace Platform {

// Opens a web page or a local file with the desktop's handler (xdg-open off Windows and macOS),
// which gets the person's environment as every program the wizard starts.
bool openUrl(const QUrl& url);

}  // namespace Platform

#endif  // PLATFORM_DESKTOP_H

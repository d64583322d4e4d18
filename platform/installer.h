#ifndef PLATFORM_INSTALLER_H
#define PLATFORM_INSTALLER_H

#include <QString>

namespace Platform {

// Runs an installer named in config.xml and waits until it ends. Only a file that
// exists (and, off Windows, is executable) is started.
bool runInstallerBlocking(const QString& path);

} // namespace Platform

#endif // PLATFORM_INSTALLER_H

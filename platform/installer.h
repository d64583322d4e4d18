#ifndef PLATFORM_INSTALLER_H
#define PLATFORM_INSTALLER_H

#include <QString>

#include "platform/process.h"

namespace Platform {

// Runs an installer named in config.xml and waits until it ends. Only a file that
// exists (and, off Windows, is executable) is started.
bool runInstallerBlocking(const QString& path);

// How a downloaded installer is started: on Windows the command interpreter runs its
// quoted native path from standard input (1000 ms to start, 2000 ms to finish); elsewhere
// the file itself is started, detached.
enum class InstallerStart
{
    CommandInterpreter,
    Direct
};

ProcessCall downloadedInstallerCall(const QString& path, InstallerStart style);

// Whether a new file can be made in folder (a path, not empty): one is made there and removed again. The folder's
// permissions alone do not tell (a file system mounted read-only, an administrator's rights, access lists).
bool folderTakesFiles(const QString& folder);

// Starts a downloaded installer in this platform's way; off Windows it is made
// executable first. True when it (or, on Windows, the interpreter) started.
bool startDownloadedInstaller(const QString& path);

}  // namespace Platform

#endif  // PLATFORM_INSTALLER_H

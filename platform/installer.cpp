#include "platform/installer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "base/log.h"

namespace Platform {

bool runInstallerBlocking(const QString& path)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile()) {
        WLOG << "installer not found :" << path;
        return false;
    }
#ifndef Q_OS_WIN
    if (!file.isExecutable()) {
        WLOG << "installer is not executable :" << path;
        return false;
    }
#endif
    ProcessCall call;
    call.program = file.absoluteFilePath();
    call.finishWaitMs = -1;
    const ProcessResult result = runProcess(call);
    WLOG << "installer ended :" << path << result.exitCode;
    return result.started;
}

ProcessCall downloadedInstallerCall(const QString& path, InstallerStart style)
{
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    ProcessCall call;
    if (style == InstallerStart::CommandInterpreter) {
        // Quoted, so blanks and "&" or "^" in the folder's name are not read as syntax.
        call.program = "cmd";
        call.standardInput = ("\"" + native + "\"").toLocal8Bit() + "\n";
        call.startWaitMs = 1000;
        call.finishWaitMs = 2000;
    } else {
        call.program = native;
        call.detached = true;
    }
    return call;
}

bool folderTakesFiles(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(".tolmwizard-XXXXXX"));
    if (!probe.open()) {
        WLOG << "folder cannot be written :" << folder << probe.errorString();
        return false;
    }
    return true;
}

bool startDownloadedInstaller(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        WLOG << "installer not found :" << path;
        return false;
    }
#ifdef Q_OS_WIN
    const InstallerStart style = InstallerStart::CommandInterpreter;
#else
    const InstallerStart style = InstallerStart::Direct;
    QFile file(path);
    if (!file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser)) {
        WLOG << "installer cannot be made executable :" << path << file.errorString();
        return false;
    }
#endif
    return runProcess(downloadedInstallerCall(path, style)).started;
}

}  // namespace Platform

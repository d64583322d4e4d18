#include "installer.h"

#include <QFileInfo>

#include "log.h"
#include "process.h"

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

} // namespace Platform

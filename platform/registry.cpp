#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>

#include "base/log.h"
#include "platform/process.h"

namespace Platform {

QStringList compatibilityPersistedArguments(const QString& nativeProgramPath)
{
    return {"ADD",
            "HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Compatibility Assistant\\Persisted",
            "/v",
            nativeProgramPath,
            "/t",
            "REG_DWORD",
            "/d",
            "1",
            "/f"};
}

void registerCompatibilityPersisted()
{
    ProcessCall call;
    call.program = "REG";
    call.arguments = compatibilityPersistedArguments(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
#ifdef Q_OS_WIN
    call.startWaitMs = 3000;
    call.finishWaitMs = 3000;
    const ProcessResult result = runProcess(call);
    WLOG << "REG ADD :" << result.standardOutput << result.standardError;
#else
    WLOG << "REG ADD skipped (not Windows) :" << call.arguments.join(' ');
#endif
}

}  // namespace Platform

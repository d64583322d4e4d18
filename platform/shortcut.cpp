#include "platform/shortcut.h"

#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

#include "platform/process.h"
#include "base/log.h"

namespace Platform {

namespace {

// Writes text in the locale's encoding, line feeds as they are; false on any failure.
bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        WLOG << "file open error!!" << file.errorString();
        return false;
    }
    QTextStream stream(&file);
    stream << text;
    stream.flush();
    const bool written = stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written;
}

} // namespace

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

bool runShortcutScript(const QString& linkPath, const QString& scriptPath, const QString& script)
{
    if (QFile::exists(linkPath)) {
        WLOG << "remove .lnk file !!";
        QFile::remove(linkPath);
    }
    if (QFile::exists(scriptPath)) {
        WLOG << "remove .vbs file !!";
        QFile::remove(scriptPath);
    }
    const bool written = writeText(scriptPath, script);
    WLOG << (written && QFile::exists(scriptPath) ? "create vbscript file success !!" : "create vbscript file fail !!");

    bool ran = false;
    if (written) {
        WLOG << "start procees !!";
        ProcessCall call;
        call.program = "wscript";
        call.arguments = QStringList { scriptPath };
        call.startWaitMs = kShortcutScriptMs;
        call.finishWaitMs = kShortcutScriptMs;
        const ProcessResult result = runProcess(call);
        ran = result.started && result.finished;
        if (!ran)
            WLOG << "wscript did not run to its end within" << kShortcutScriptMs << "ms";
    }
    WLOG << "delete vbscript file !!";
    QFile::remove(scriptPath);
    return ran;
}

bool writeDesktopLauncher(const QString& path, const QString& text)
{
    if (QFile::exists(path)) {
        WLOG << "remove old launcher :" << path;
        QFile::remove(path);
    }
    if (!writeText(path, text)) {
        QFile::remove(path);
        return false;
    }
    QFile::setPermissions(path,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
            | QFileDevice::ReadOther);
    WLOG << "launcher written :" << path;
    return true;
}

} // namespace Platform

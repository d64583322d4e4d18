#include "platform/shortcut.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

#include "base/log.h"
#include "platform/process.h"

namespace Platform {

namespace {

// Other names tried when a launcher's name is taken: "Name (2).desktop" to "Name (20).desktop".
constexpr int kLauncherNames = 20;

// Writes text into the open file in the locale's encoding, line feeds as they are, and closes
// it; false on any failure.
bool writeText(QFile& file, const QString& text)
{
    QTextStream stream(&file);
    stream << text;
    stream.flush();
    const bool written = stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written;
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        WLOG << "file open error!!" << file.errorString();
        return false;
    }
    return writeText(file, text);
}

// path with " (n)" before its suffix from n = 2 on: "D/Cam.desktop", 2 -> "D/Cam (2).desktop".
QString numberedName(const QString& path, int n)
{
    if (n < 2)
        return path;
    const int slash = path.lastIndexOf('/');
    const int dot = path.lastIndexOf('.');
    const int at = dot > slash ? dot : path.size();
    return path.left(at) + QString(" (%1)").arg(n) + path.mid(at);
}

}  // namespace

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

bool runShortcutScript(const QString& linkPath, const QString& scriptPath, const QString& script)
{
    // The link's name is taken by a new empty file of ours, which the script host fills; a file
    // already there is the person's own and stays as it is.
    QFile link(linkPath);
    if (!link.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        WLOG << "a file of the shortcut's name is there or cannot be made, no shortcut :" << linkPath;
        return false;
    }
    link.close();
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
        call.arguments = QStringList{scriptPath};
        call.startWaitMs = kShortcutScriptMs;
        call.finishWaitMs = kShortcutScriptMs;
        const ProcessResult result = runProcess(call);
        ran = result.started && result.finished && result.exitCode == 0;
        if (!result.started || !result.finished)
            WLOG << "wscript did not run to its end within" << kShortcutScriptMs << "ms";
        else if (!ran)
            WLOG << "wscript ended with exit code" << result.exitCode;
    }
    WLOG << "delete vbscript file !!";
    QFile::remove(scriptPath);
    // The script host fills the file; while it is the empty file made above, it is ours and goes.
    const QFileInfo made(linkPath);
    if (made.isFile() && !made.isSymLink() && made.size() == 0) {
        WLOG << "the script host made no shortcut, its empty file is removed :" << linkPath;
        QFile::remove(linkPath);
        return false;
    }
    return ran;
}

QString writeDesktopLauncher(const QString& path, const QString& text)
{
    // Only a new file is written: a file or link of the same name stays, the launcher takes a
    // numbered name beside it.
    QFile file;
    for (int n = 1; n <= kLauncherNames && !file.isOpen(); ++n) {
        file.setFileName(numberedName(path, n));
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    if (!file.isOpen()) {
        WLOG << "no free launcher name beside" << path << ", no shortcut";
        return QString();
    }
    if (!writeText(file, text)) {
        file.remove();
        return QString();
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ReadGroup | QFileDevice::ReadOther);
    WLOG << "launcher written :" << file.fileName();
    return file.fileName();
}

}  // namespace Platform

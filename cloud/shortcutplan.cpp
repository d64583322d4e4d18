#include "cloud/shortcutplan.h"

#include <QDir>
#include <QFileInfo>

#include "protocol/cameracgi.h"
#include "protocol/ipv4.h"

namespace ShortcutPlan {

namespace {

// Characters no file name may hold on Windows, and what would end a quoted script value.
bool holdsForbidden(const QString& text, const QString& forbidden)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || forbidden.contains(c))
            return true;
    return false;
}

// Control, format (bidirectional marks among them) and line or paragraph separators: what
// would hide or reorder a file name, or break a line.
bool holdsInvisible(const QString& text)
{
    for (const uint c : text.toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            break;
        }
    }
    return false;
}

// The device names of Windows, which name no file with or without an extension.
bool isDeviceName(const QString& name)
{
    static const QStringList kDevices = [] {
        QStringList names{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
        for (const QString& port : {QString("COM"), QString("LPT")}) {
            for (int n = 0; n <= 9; ++n)
                names << port + QString::number(n);
            for (const QChar superscript : {QChar(0xb9), QChar(0xb2), QChar(0xb3)})
                names << port + superscript;
        }
        return names;
    }();
    QString stem = name.section('.', 0, 0);
    while (stem.endsWith(' '))
        stem.chop(1);
    return kDevices.contains(stem, Qt::CaseInsensitive);
}

QString iconPath(const QString& appDir)
{
    return appDir + "/images/shortcut.ico";
}

// The refusal, or one for a file that would land outside the desktop folder.
QString placeRefusal(const QString& model, const QString& ip, const QString& desktopDir, const QString& appDir,
                     const QString& path)
{
    const QString why = refusal(model, ip, desktopDir, appDir);
    if (!why.isEmpty())
        return why;
    if (QFileInfo(path).absolutePath() != QDir(desktopDir).absolutePath())
        return "the shortcut would leave the desktop folder";
    return QString();
}

}  // namespace

QString fileName(const QString& model)
{
    int from = 0, to = model.size();
    while (from < to && (model[from].isSpace() || model[from] == '.'))
        ++from;
    while (to > from && (model[to - 1].isSpace() || model[to - 1] == '.'))
        --to;
    return model.mid(from, to - from);
}

QString refusal(const QString& model, const QString& ip, const QString& desktopDir, const QString& appDir)
{
    if (holdsForbidden(model, "<>:\"/\\|?*") || model.contains("..") || holdsInvisible(model))
        return "the model name is not a file name";
    const QString name = fileName(model);
    if (name.isEmpty())
        return "the model name is blank";
    if (isDeviceName(name))
        return "the model name is a Windows device name";
    if (!isDottedIPv4(ip))
        return "the camera address is not a dotted IPv4 address";
    if (desktopDir.isEmpty() || holdsForbidden(desktopDir, "\"") || holdsForbidden(appDir, "\""))
        return "the desktop or program folder cannot be written into a script";
    return QString();
}

Script windowsScript(const QByteArray& modelName, const QString& ip, const QString& desktopDir, const QString& appDir)
{
    const QString model = modelText(modelName);
    Script script;
    script.linkPath = desktopDir + "/" + fileName(model) + ".lnk";
    script.iconPath = iconPath(appDir);
    script.scriptPath = appDir + "//shortcut.vbs";
    script.refusal = placeRefusal(model, ip, desktopDir, appDir, script.linkPath);
    if (!script.refusal.isEmpty())
        return script;
    script.text = "Set oWS = WScript.CreateObject(\"WScript.Shell\")\n"
                  "sLinkFileLocation = \"" +
                  script.linkPath +
                  "\"\n"
                  "browserLink = \"%windir%\\explorer.exe \"\n"
                  "webLink = \"\"\"http://" +
                  ip +
                  "\"\"\"\n"
                  "Set oLink = oWS.CreateShortcut(sLinkFileLocation)\n"
                  "    oLink.TargetPath = browserLink\n"
                  "    oLink.Arguments = webLink\n"
                  "    oLink.IconLocation = \"" +
                  script.iconPath +
                  "\"\n"
                  "    oLink.Save\n"
                  "Wscript.Quit 0\n";
    return script;
}

Launcher desktopLauncher(const QByteArray& modelName, const QString& ip, const QString& desktopDir,
                         const QString& appDir)
{
    const QString model = modelText(modelName);
    const QString name = fileName(model);
    Launcher launcher;
    launcher.path = desktopDir + "/" + name + ".desktop";
    launcher.refusal = placeRefusal(model, ip, desktopDir, appDir, launcher.path);
    if (!launcher.refusal.isEmpty())
        return launcher;
    launcher.text = "[Desktop Entry]\n"
                    "Type=Link\n"
                    "Name=" +
                    name +
                    "\n"
                    "URL=http://" +
                    ip +
                    "\n"
                    "Icon=" +
                    iconPath(appDir) + "\n";
    return launcher;
}

}  // namespace ShortcutPlan

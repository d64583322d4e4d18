#ifndef SHORTCUTPLAN_H
#define SHORTCUTPLAN_H

#include <QByteArray>
#include <QString>

// The desktop shortcut to a camera's web page, planned without touching the disk: where its
// files go and what they hold. Camera data is checked before it reaches a path or a script.
namespace ShortcutPlan {

// The shortcut's file name for a model: without the blanks and dots at either end, which
// Windows drops from a name's end and which hide a file elsewhere.
QString fileName(const QString& model);

// Why this model, address and these folders cannot make a shortcut; empty when they can: a
// model that is blank, names a Windows device (CON, COM1, LPT1.txt, ...) or holds what no file
// name or script line may hold is refused.
QString refusal(const QString& model, const QString& ip, const QString& desktopDir, const QString& appDir);

// Windows: a script for the script host that makes a .lnk starting the file explorer
// with "http://" + the camera's address.
struct Script
{
    QString refusal;     // empty when the shortcut can be made
    QString linkPath;    // desktop + "/" + fileName(model) + ".lnk"
    QString iconPath;    // program folder + "/images/shortcut.ico"
    QString scriptPath;  // program folder + "//shortcut.vbs"
    QString text;        // ten lines, each ended by a line feed
};
Script windowsScript(const QByteArray& modelName, const QString& ip, const QString& desktopDir, const QString& appDir);

// Other desktops: a launcher file that opens "http://" + the camera's address in the browser.
struct Launcher
{
    QString refusal;
    QString path;  // desktop + "/" + fileName(model) + ".desktop"
    QString text;
};
Launcher desktopLauncher(const QByteArray& modelName, const QString& ip, const QString& desktopDir,
                         const QString& appDir);

}  // namespace ShortcutPlan

#endif  // SHORTCUTPLAN_H

#ifndef PLATFORM_SHORTCUT_H
#define PLATFORM_SHORTCUT_H

#include <QString>

namespace Platform {

// The current user's desktop folder, forward slashes and no trailing slash.
QString desktopFolder();

// The script host's time limit.
constexpr int kShortcutScriptMs = 30000;

// Windows: removes an earlier shortcut and script, writes the script, runs it with the script
// host (at most kShortcutScriptMs) and removes it again, also when the host fails. Nothing runs
// when the script could not be written. Returns whether the script host ran to its end.
bool runShortcutScript(const QString& linkPath, const QString& scriptPath, const QString& script);

// Writes a desktop launcher in place of an earlier one, executable so that desktops trust it.
bool writeDesktopLauncher(const QString& path, const QString& text);

} // namespace Platform

#endif // PLATFORM_SHORTCUT_H

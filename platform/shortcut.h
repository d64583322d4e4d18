#ifndef PLATFORM_SHORTCUT_H
#define PLATFORM_SHORTCUT_H

#include <QString>

namespace Platform {

// The current user's desktop folder, forward slashes and no trailing slash.
QString desktopFolder();

// The script host's time limit.
constexpr int kShortcutScriptMs = 30000;

// Windows: takes the shortcut's name with a new empty file (nothing is made when a file of that
// name exists), removes an earlier script, writes the script, runs it with the script host (at
// most kShortcutScriptMs) and removes it again, also when the host fails. The empty file goes too
// when the host leaves it empty; a file that is no longer that one stays. Nothing runs when the
// script could not be written. Returns whether the script host ran to its end without error and
// filled the file.
bool runShortcutScript(const QString& linkPath, const QString& scriptPath, const QString& script);

// Writes a desktop launcher as a new file, executable so that desktops trust it: at path, or when
// that name is taken by any file or link, at the first free numbered name (up to " (20)").
// Returns the path written, empty when none.
QString writeDesktopLauncher(const QString& path, const QString& text);

}  // namespace Platform

#endif  // PLATFORM_SHORTCUT_H

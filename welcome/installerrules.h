#ifndef INSTALLERRULES_H
#define INSTALLERRULES_H

#include <QString>

// What the downloaded newer wizard's installer may be saved as, in a folder the person chose: a plain file name
// that replaces no file the wizard did not write.
namespace InstallerRules {

// Whether name is one of what the wizard ships or writes beside its program, whose file is programName: the
// program and its picture decoder (also as ".exe"), config.xml, the three logs, the folders of the translations,
// the Launcher's installers and manuals, the shortcut's icon and the model pictures, Qt's qt.conf and any
// library (".dll"). Compared without case: the folder may be the program's, on a file system without case.
bool isWizardOwnName(const QString& name, const QString& programName);

// The name the installer is saved under: addressName (the address's last path segment, see installerFileName)
// unless it starts with a dot, holds a character not drawn as itself (a control, C0 or C1, a character that turns the
// text's direction or another format character, a line or paragraph separator, a variation selector) or is one of the
// wizard's own, else kFallbackInstallerName; empty when that is one of the wizard's own too.
QString savedName(const QString& addressName, const QString& programName);

// Whether a file of this name already in the chosen folder is taken for an earlier download and replaced: an
// installer's name alone (".exe" at its end, in any case). Any other file is left alone.
bool replacesOldFile(const QString& name);

}  // namespace InstallerRules

#endif  // INSTALLERRULES_H

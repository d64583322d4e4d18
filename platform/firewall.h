#ifndef PLATFORM_FIREWALL_H
#define PLATFORM_FIREWALL_H

#include <QString>
#include <functional>

#include "platform/process.h"

namespace Platform {

// The rule that lets the wizard receive traffic through the Windows firewall.
constexpr const char* kFirewallRuleName = "Olvaris Wizard";
constexpr int kFirewallCommandWaitMs = 30000;

// The running program's own file, with native separators.
QString firewallProgramPath();

// netsh command lines by QSysInfo::WinVersion value: the XP form, the Vista-and-later form,
// or empty for the versions that have no form (2000, 2003, and every non-Windows system).
QString firewallAddCommand(int windowsVersion, const QString& programPath);
QString firewallDeleteCommand(int windowsVersion, const QString& programPath);

// QSysInfo::windowsVersion(): WV_None off Windows.
int windowsVersion();
// Tests pretend another version; an empty provider restores the real one.
void setWindowsVersionForTests(std::function<int()> provider);

// Runs one command line (split like a shell, quotes kept together), waiting at most
// kFirewallCommandWaitMs; a command still running then is ended.
ProcessResult runFirewallCommand(const QString& commandLine);

}  // namespace Platform

#endif  // PLATFORM_FIREWALL_H

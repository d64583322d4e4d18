#include "platform/firewall.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSysInfo>

namespace Platform {

namespace {

std::function<int()>& testVersion()
{
    static std::function<int()> provider;
    return provider;
}

bool isXp(int version)
{
    return version == QSysInfo::WV_XP;
}

bool isVistaOrLater(int version)
{
    return version >= QSysInfo::WV_VISTA;
}

}  // namespace

QString firewallProgramPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

QString firewallAddCommand(int windowsVersion, const QString& programPath)
{
    if (isXp(windowsVersion))
        return QString("netsh firewall add allowedprogram \"%1\" \"%2\" ENABLE").arg(programPath, kFirewallRuleName);
    if (isVistaOrLater(windowsVersion))
        return QString("netsh advfirewall firewall add rule name=\"%1\" dir=in action=allow program=\"%2\" enable=yes")
            .arg(kFirewallRuleName, programPath);
    return QString();
}

QString firewallDeleteCommand(int windowsVersion, const QString& programPath)
{
    if (isXp(windowsVersion))
        return QString("netsh firewall delete allowedprogram \"%1\"").arg(programPath);
    if (isVistaOrLater(windowsVersion))
        return QString("netsh advfirewall firewall delete rule name=\"%1\"").arg(kFirewallRuleName);
    return QString();
}

int windowsVersion()
{
    if (testVersion())
        return testVersion()();
    return QSysInfo::windowsVersion();
}

void setWindowsVersionForTests(std::function<int()> provider)
{
    testVersion() = std::move(provider);
}

ProcessResult runFirewallCommand(const QString& commandLine)
{
    QStringList words = QProcess::splitCommand(commandLine);
    ProcessCall call;
    if (!words.isEmpty())
        call.program = words.takeFirst();
    call.arguments = words;
    call.startWaitMs = kFirewallCommandWaitMs;
    call.finishWaitMs = kFirewallCommandWaitMs;
    return runProcess(call);
}

}  // namespace Platform

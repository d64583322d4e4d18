#include "labguard.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstring>
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString namespaceOf(const char* link)
{
    return QFile::symLinkTarget(QString::fromLatin1(link));
}

QString driverOf(const char* interfaceName)
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return QString();
    ethtool_drvinfo info;
    std::memset(&info, 0, sizeof info);
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request;
    std::memset(&request, 0, sizeof request);
    std::strncpy(request.ifr_name, interfaceName, IFNAMSIZ - 1);
    request.ifr_data = reinterpret_cast<char*>(&info);
    const bool ok = ioctl(fd, SIOCETHTOOL, &request) == 0;
    close(fd);
    return ok ? QString::fromLatin1(info.driver) : QString();
}

bool sameFile(const QByteArray& a, const QByteArray& b)
{
    struct stat sa, sb;
    return stat(a.constData(), &sa) == 0 && stat(b.constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// `ip netns` keeps a named namespace as a bind mount under /run/netns.
bool inNamedLabNamespace()
{
    const QDir named(QStringLiteral("/run/netns"));
    const QStringList labNamespaces =
        named.entryList({QStringLiteral("wizpc-*"), QStringLiteral("wizcam-*")}, QDir::Files | QDir::System);
    for (const QString& name : labNamespaces)
        if (sameFile(QFile::encodeName(named.filePath(name)), "/proc/self/ns/net"))
            return true;
    return false;
}

bool refuse(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

}  // namespace

bool runningInsideLab(QString* why)
{
    const QString own = namespaceOf("/proc/self/ns/net");
    const QString init = namespaceOf("/proc/1/ns/net");
    if (own.isEmpty())
        return refuse(why, QStringLiteral("cannot read the network namespace of this process"));
    if (own == init)
        return refuse(why, QStringLiteral("this process shares the network namespace of PID 1 (the host network)"));
    // Where PID 1 cannot be inspected, only a namespace that a lab made and named will do.
    if (init.isEmpty() && !inNamedLabNamespace())
        return refuse(why, QStringLiteral("the network namespace of PID 1 is unreadable and this process is not "
                                          "in a lab namespace (/run/netns/wizpc-* or wizcam-*)"));

    struct if_nameindex* interfaces = if_nameindex();
    if (!interfaces)
        return refuse(why, QStringLiteral("cannot list the network interfaces"));
    QStringList names;
    int loopbacks = 0;
    int veths = 0;
    for (struct if_nameindex* i = interfaces; i->if_index != 0; ++i) {
        names << QString::fromLocal8Bit(i->if_name);
        if (qstrcmp(i->if_name, "lo") == 0)
            ++loopbacks;
        else if (driverOf(i->if_name) == QLatin1String("veth"))
            ++veths;
    }
    if_freenameindex(interfaces);
    if (loopbacks != 1 || veths < 1 || names.size() != 1 + veths)
        return refuse(why, QStringLiteral("expected exactly lo and veths, found: ") + names.join(QStringLiteral(", ")));
    return true;
}

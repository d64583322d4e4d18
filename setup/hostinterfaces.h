#ifndef HOSTINTERFACES_H
#define HOSTINTERFACES_H

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QString>

#include <functional>

// The PC's network interfaces as the discovery scan sees them, and the choice of the
// addresses a scan is broadcast from.
namespace HostInterfaces {

struct Interface
{
    QString hardwareAddress;
    QNetworkInterface::InterfaceFlags flags;
    QList<QHostAddress> addresses;
};

// One broadcast of a scan pass: from this address, with this source hardware address.
struct ScanSource
{
    QString hardwareAddress;
    QString address;
};

// Every interface of this PC, in the system's order.
QList<Interface> all();

// Tests fabricate the interface list; an empty function restores the real one.
void setSourceForTests(std::function<QList<Interface>()> source);

// The addresses of interfaces that have a hardware address and are exactly up, running,
// broadcast and multicast capable; only addresses whose text has at most 20 characters.
QList<ScanSource> scanSources(const QList<Interface>& interfaces);

// The scan sources of this PC's interfaces, the first ten recorded in gHostMacs and gHostIps
// (the others are still scanned from, but not recorded).
QList<ScanSource> recordScanSources();

}  // namespace HostInterfaces

#endif  // HOSTINTERFACES_H

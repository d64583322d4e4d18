#include "setup/hostinterfaces.h"

#include "base/globals.h"

namespace HostInterfaces {

namespace {

std::function<QList<Interface>()>& testSource()
{
    static std::function<QList<Interface>()> source;
    return source;
}

constexpr int kMaxAddressText = 20;

const QNetworkInterface::InterfaceFlags kScanFlags = QNetworkInterface::IsUp | QNetworkInterface::IsRunning |
                                                     QNetworkInterface::CanBroadcast | QNetworkInterface::CanMulticast;

}  // namespace

QList<Interface> all()
{
    if (testSource())
        return testSource()();
    QList<Interface> interfaces;
    for (const QNetworkInterface& system : QNetworkInterface::allInterfaces()) {
        Interface entry{system.hardwareAddress(), system.flags(), {}};
        for (const QNetworkAddressEntry& address : system.addressEntries())
            entry.addresses.append(address.ip());
        interfaces.append(entry);
    }
    return interfaces;
}

void setSourceForTests(std::function<QList<Interface>()> source)
{
    testSource() = std::move(source);
}

QList<ScanSource> scanSources(const QList<Interface>& interfaces)
{
    QList<ScanSource> sources;
    for (const Interface& entry : interfaces) {
        if (entry.hardwareAddress.isEmpty() || entry.flags != kScanFlags)
            continue;
        for (const QHostAddress& address : entry.addresses) {
            if (address.isNull() || address.toString().length() > kMaxAddressText)
                continue;
            sources.append({entry.hardwareAddress, address.toString()});
        }
    }
    return sources;
}

QList<ScanSource> recordScanSources()
{
    const QList<ScanSource> sources = scanSources(all());
    for (int i = 0; i < sources.size() && i < kHostAddressSlots; ++i) {
        gHostMacs[i] = sources.at(i).hardwareAddress;
        gHostIps[i] = sources.at(i).address;
    }
    return sources;
}

}  // namespace HostInterfaces

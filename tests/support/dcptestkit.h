#ifndef DCPTESTKIT_H
#define DCPTESTKIT_H

// Shared pieces of the DCP core tests: camera replies as datagrams, cameras in the list,
// and a loopback receiver for the requests the core sends. Nothing here leaves 127.0.0.1.

#include <QCryptographicHash>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include "base/globals.h"
#include "protocol/dcpcodec.h"
#include "protocol/ipcamera.h"
#include "setup/hostinterfaces.h"

namespace dcptest {

// The PC interface every test camera answers to, and the address it sends from.
inline const QString kPcMac = QStringLiteral("02:00:00:00:00:01");
inline const QString kPcIp = QStringLiteral("127.0.0.1");
inline const QString kCamMac = QStringLiteral("AA:BB:CC:DD:EE:FF");

inline QByteArray md5Hex(const QByteArray& text)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex();
}

inline QByteArray mac6(const QString& text)
{
    QByteArray bytes;
    macFromText(text, &bytes);
    return bytes;
}

// A camera's reply as the core receives it: prefixed, encoded and framed to `dest`; a camera may write
// the prefix with leading zeros and the Base64 text without its "=" padding.
inline QByteArray replyDatagram(const QByteArray& content, const QString& dest = kPcMac,
                                const QString& source = kCamMac, int prefixZeros = 0, bool unpadded = false)
{
    QByteArray encoded = dcpEncode(QByteArray(prefixZeros, '0') + QByteArray::number(content.size()) + ',' + content);
    while (unpadded && encoded.endsWith('='))
        encoded.chop(1);
    return dcpFrame(mac6(dest), mac6(source), encoded);
}

inline void resetGlobals()
{
    IPCameraList.clear();
    IPCameraIdx = -1;
    for (int i = 0; i < kHostAddressSlots; ++i) {
        gHostIps[i].clear();
        gHostMacs[i].clear();
    }
    gHostIps[0] = kPcIp;
    gHostMacs[0] = kPcMac.toUpper();
    hostMacAddrList = QStringList{kPcMac.toUpper()};
    supportType = QStringLiteral("ALL");
    isAPModeFlow = false;
    quorvex_cmd_state = 0;
    prov_config_exist = 0;
}

// A camera as discovery would have left it in the list.
inline int addCamera(const QByteArray& version, const QByteArray& password64 = QByteArray(),
                     const QString& mac = kCamMac, const QByteArray& model = "VKC-3100")
{
    IPCamera camera;
    camera.MAC = mac;
    camera.MACHost = kPcMac;
    camera.modelName = model;
    camera.DCPVersion = version;
    camera.password = password64;
    camera.IPAddr = QStringLiteral("192.168.0.20");
    IPCameraList.append(camera);
    return IPCameraList.size() - 1;
}

// A fabricated PC interface with the addresses 127.0.0.1 .. 127.0.0.count: scan passes go out
// from it and stay on this machine. Up, running, broadcast and multicast unless flags say otherwise.
inline HostInterfaces::Interface loopbackInterface(int count, QNetworkInterface::InterfaceFlags extra = {})
{
    const auto flags = QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::CanBroadcast |
                       QNetworkInterface::CanMulticast | extra;
    HostInterfaces::Interface entry{kPcMac, flags, {}};
    for (int i = 1; i <= count; ++i)
        entry.addresses.append(QHostAddress(QString("127.0.0.%1").arg(i)));
    return entry;
}

// Receives on 127.0.0.1 what the core sends once pointed here with setDatagramTarget.
class LoopbackReceiver
{
public:
    LoopbackReceiver() { socket.bind(QHostAddress(QHostAddress::LocalHost), 0); }
    quint16 port() const { return socket.localPort(); }

    // The next datagram, or empty after `timeoutMs`; lastSender() then tells where it came from.
    QByteArray next(int timeoutMs = 1000)
    {
        if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(timeoutMs))
            return last = QByteArray();
        const QNetworkDatagram datagram = socket.receiveDatagram();
        sender = datagram.senderAddress();
        return last = datagram.data();
    }
    QHostAddress lastSender() const { return sender; }
    QByteArray lastDatagram() const { return last; }

    // The next datagram's message text after its length prefix, or empty.
    QByteArray nextText(int timeoutMs = 1000)
    {
        QByteArray dest, src, encoded, plain, cls, content;
        const QByteArray datagram = next(timeoutMs);
        if (datagram.isEmpty() || !dcpUnframe(datagram, &dest, &src, &encoded) || !dcpDecode(encoded, &plain) ||
            !dcpParseMessage(plain, &cls, &content))
            return QByteArray();
        return content;
    }

    bool quiet(int timeoutMs = 100) { return next(timeoutMs).isEmpty(); }

private:
    QUdpSocket socket;
    QHostAddress sender;
    QByteArray last;
};

}  // namespace dcptest

#endif  // DCPTESTKIT_H

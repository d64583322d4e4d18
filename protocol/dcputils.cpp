#include "protocol/dcputils.h"

#include <QAuthenticator>
#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QNetworkDatagram>
#include <QNetworkReply>
#include <QRegularExpression>

#include "base/endpoints.h"
#include "base/globals.h"
#include "base/log.h"
#include "base/logsummary.h"
#include "base/replylimits.h"
#include "protocol/dcpcodec.h"
#include "protocol/ipcamera.h"
#include "protocol/ipv4.h"

namespace {

const char kBroadcastMac[] = "FF:FF:FF:FF:FF:FF";
// Cameras a LAN can plausibly hold; replies of further new cameras are dropped.
constexpr int kMaxCameras = 1024;
// Scan replies are taken for this long after a scan is sent.
constexpr qint64 kScanOpenMs = 4000;
constexpr int kDatagramsPerRead = 64;
// Room in the kernel for the replies of a thousand cameras to one scan while the program is
// busy with the first ones. The system may grant less (Linux: net.core.rmem_max).
constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;

const char kRestartAgentCommand[] = "killall quorvex && rm -rf /tmp/provision.conf && echo reboot_quorvex";
const char kProvisionQueryCommand[] = "ls /tmp/provision.conf";

// The value of the last item with the given key in a ";"-separated reply ("R" in ";R=1").
QByteArray itemValue(const QByteArray& content, const QByteArray& key)
{
    QByteArray value;
    for (const QByteArray& item : content.split(';')) {
        const int eq = item.indexOf('=');
        if (eq >= 0 && item.left(eq) == key)
            value = item.mid(eq + 1);
    }
    return value;
}

bool validIndex(int idx)
{
    return idx >= 0 && idx < IPCameraList.size();
}

}  // namespace

DCPUtils::DCPUtils()
{
    WLOG << "DCPUtils Constructor Initializing ...";
    networkManager = new ReplyLimits::BoundedManager(ReplyLimits::kCgi, this);
    connect(networkManager, &QNetworkAccessManager::finished, this, &DCPUtils::deviceCGICallBack);
    connect(networkManager, &QNetworkAccessManager::sslErrors, this, &DCPUtils::sslErrors);
    connect(networkManager, &QNetworkAccessManager::authenticationRequired, this, &DCPUtils::checkRequestAuthRequired);
}

// Members go in reverse order of declaration: the TCP server with its connections,
// then the UDP socket, then the children (the network manager).
DCPUtils::~DCPUtils() = default;

// ---------------------------------------------------------------------------
// Sockets

bool DCPUtils::openUDPSocketRecv(quint16 port)
{
    if (!udpSocket.bind(QHostAddress::Any, port))
        return false;
    udpSocket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kReceiveBufferBytes);
    WLOG << "DCP socket receive buffer:"
         << udpSocket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt() << "bytes, asked for"
         << kReceiveBufferBytes;
    connect(&udpSocket, &QUdpSocket::readyRead, this, &DCPUtils::handleDCPresponse);
    connect(&udpSocket, &QUdpSocket::errorOccurred, this, &DCPUtils::handleSocketError);
    return true;
}

void DCPUtils::closeUDPSocketRecv()
{
    udpSocket.disconnect(this);
    udpSocket.close();
}

void DCPUtils::handleSocketError(QAbstractSocket::SocketError error)
{
    WLOG << "DCP socket error" << error << udpSocket.errorString();
}

// ---------------------------------------------------------------------------
// Composition and request builders

void DCPUtils::setDatagramTarget(const QHostAddress& address, quint16 port)
{
    datagramTarget = address;
    datagramPort = port;
}

void DCPUtils::composeDCPMessage(QByteArray cls, QString hostMac, QString camMac, QHostAddress from, QString model,
                                 QByteArray params)
{
    QByteArray destMac;
    QByteArray srcMac;
    if (!macFromText(camMac, &destMac) || !macFromText(hostMac, &srcMac)) {
        WLOG << "[DCPUtils][composeDCPMessage()] not a 6-byte hardware address, nothing sent:" << camMac << hostMac;
        return;
    }
    const QByteArray encoded = dcpEncode(dcpMessageText(cls, camMac, model, params));
    if (encoded.size() > kDcpMaxEncodedSize) {
        WLOG << "[DCPUtils][composeDCPMessage()] message too long for one datagram, nothing sent:" << encoded.size();
        return;
    }
    const QByteArray frame = dcpFrame(destMac, srcMac, encoded);

    // Without a matching interface the address stays the broadcast one, which is no
    // interface of this PC (some systems would bind it anyway).
    QUdpSocket sender;
    if (from.isNull() || from == QHostAddress(QHostAddress::Broadcast) || !sender.bind(from, 0)) {
        WLOG << "[DCPUtils][composeDCPMessage()] bind random port fail !";
        return;
    }
    if (sender.writeDatagram(frame, datagramTarget, datagramPort) != frame.size())
        WLOG << "[DCPUtils][composeDCPMessage()] Send fail !";
}

bool DCPUtils::prepareRequest(int idx, const QByteArray& cls, QByteArray* params, QHostAddress* from,
                              const QByteArray* password64, QByteArray* signedText)
{
    if (!validIndex(idx)) {
        WLOG << "DCP class" << cls << "request for camera" << idx << "dropped: no such camera in the list of"
             << IPCameraList.size();
        return false;
    }
    const IPCamera& camera = IPCameraList[idx];

    *from = QHostAddress(QHostAddress::Broadcast);
    for (int i = 0; i < kHostAddressSlots; ++i) {
        if (!sameMac(gHostMacs[i], camera.MACHost) || gHostIps[i].length() > 20)
            continue;
        const QHostAddress address(gHostIps[i]);
        if (address.protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        *from = address;
        break;
    }

    if (!isNewDcp(camera.DCPVersion))
        return true;
    const QByteArray password = untilZero(QByteArray::fromBase64(password64 ? *password64 : camera.password));
    const QByteArray text =
        cls + ";M=" + camera.MAC.toLatin1() + ";D=" + modelText(camera.modelName).toUtf8() + *params + password;
    if (signedText)
        *signedText = text;
    *params += ";X=" + QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex();
    return true;
}

void DCPUtils::sendRequest(int idx, const QByteArray& cls, const QHostAddress& from, const QByteArray& params)
{
    const IPCamera& camera = IPCameraList[idx];
    composeDCPMessage(cls, camera.MACHost, camera.MAC, from, modelText(camera.modelName), params);
}

void DCPUtils::dcpClass01_Scan(QString hostMac, QString hostIp, QString model, QString destMac)
{
    scanClock.start();
    announcedThisScan.clear();
    broadcastScan = sameMac(destMac, QLatin1String(kBroadcastMac));
    scanTargetMac = broadcastScan ? QString() : destMac;
    composeDCPMessage("1", hostMac, destMac, QHostAddress(hostIp), model, QByteArray());
}

void DCPUtils::dcpClass02_GetOlvarisInfo(int idx, int mode)
{
    QByteArray params;
    QHostAddress from;
    if (!prepareRequest(idx, "2", &params, &from))
        return;
    IPCameraList[idx].remote = "0";
    IPCameraList[idx].dcpStatus = mode == 0 ? IPCamera::WAIT_INFO : IPCamera::WAIT_OLVARIS_INFO;
    sendRequest(idx, "2", from, params);
}

void DCPUtils::dcpClass02_SetRegistered(int idx, QString password, QString registerBit)
{
    QByteArray params;
    if (!password.isEmpty())
        params += ";P=" + password.toLatin1().toBase64();
    if (!registerBit.isEmpty()) {
        WLOG << "set register bit to : " << registerBit;
        params += ";G=" + registerBit.toLatin1();
    }
    QHostAddress from;
    if (!prepareRequest(idx, "2", &params, &from))
        return;
    IPCameraList[idx].remote = "0";
    IPCameraList[idx].dcpStatus = IPCamera::WAIT_REGISTER_INFO;
    sendRequest(idx, "2", from, params);
}

void DCPUtils::dcpClass03_GetNetworkSetup(int idx)
{
    dcpClass03_SetNetworkSetup(idx, QByteArray());
}

void DCPUtils::dcpClass03_SetNetworkSetup(int idx, QByteArray params)
{
    QHostAddress from;
    if (!prepareRequest(idx, "3", &params, &from))
        return;
    IPCameraList[idx].dcpStatus = IPCamera::WAIT_NETWORK_SETUP;
    sendRequest(idx, "3", from, params);
}

void DCPUtils::dcpClass04_GetAPSearch(int idx)
{
    QByteArray params;
    QHostAddress from;
    if (!prepareRequest(idx, "4", &params, &from))
        return;
    IPCameraList[idx].apSearchReplyCount = 0;
    IPCameraList[idx].dcpStatus = IPCamera::WAIT_AP;
    sendRequest(idx, "4", from, params);
}

void DCPUtils::dcpClass07_CheckPassword(int idx, QByteArray params, QByteArray password64)
{
    QHostAddress from;
    if (!prepareRequest(idx, "7", &params, &from, &password64))
        return;
    IPCamera& camera = IPCameraList[idx];
    // A request that sets a password (";P=") makes that one the camera's once confirmed.
    const int set = params.indexOf(";P=");
    const QByteArray newPassword64 = set >= 0 ? params.mid(set + 3).split(';').value(0) : QByteArray();
    if (!newPassword64.isEmpty())
        sentPasswords.insert(camera.macKey(), newPassword64);
    else if (!password64.isEmpty())
        sentPasswords.insert(camera.macKey(), password64);
    if (camera.bPassword.isEmpty()) {
        camera.bPassword = "0";
        camera.dcpStatus = IPCamera::WAIT_PWD_STATUS;
    }
    sendRequest(idx, "7", from, params);
}

void DCPUtils::dcpClass08S_PingDevice(int idx)
{
    if (!validIndex(idx)) {
        WLOG << "DCP ping request for camera" << idx << "dropped: no such camera";
        return;
    }
    const bool newProtocol = isNewDcp(IPCameraList[idx].DCPVersion);
    const QByteArray cls = newProtocol ? "S" : "8";
    QByteArray params;
    if (newProtocol) {
        const QByteArray command = quorvex_cmd_state == 0 ? kRestartAgentCommand : kProvisionQueryCommand;
        params = ";C=" + command.toBase64();
    } else {
        params = QByteArray(";C=3;U=") + Endpoints::kCloudSiteHost;
    }
    QHostAddress from;
    if (!prepareRequest(idx, cls, &params, &from))
        return;
    IPCameraList[idx].dcpStatus = IPCamera::WAIT_PING;
    sendRequest(idx, cls, from, params);
}

void DCPUtils::dcpClass09_RestartHttpSrv(int idx, QByteArray params)
{
    QHostAddress from;
    if (!prepareRequest(idx, "9", &params, &from))
        return;
    IPCameraList[idx].dcpStatus = IPCamera::WAIT_RESTART;
    sendRequest(idx, "9", from, params);
}

// ---------------------------------------------------------------------------
// Receiving

void DCPUtils::handleDCPresponse()
{
    // A batch at a time: the signals queued for it are delivered before the socket is read
    // again, so a flood cannot pile up queued signals (the kernel drops what does not fit).
    for (int i = 0; i < kDatagramsPerRead && udpSocket.hasPendingDatagrams(); ++i)
        handleDatagram(udpSocket.receiveDatagram().data());
}

void DCPUtils::handleDatagram(const QByteArray& datagram)
{
    QByteArray destMac;
    QByteArray srcMac;
    QByteArray encoded;
    if (!dcpUnframe(datagram, &destMac, &srcMac, &encoded)) {
        LogSummary::note(QStringLiteral("DCP datagram dropped: shorter than its header or its length field"));
        return;
    }
    const QString destLower = macToText(destMac);
    bool forThisPc = false;
    for (const QString& hostMac : hostMacAddrList)
        forThisPc = forThisPc || sameMac(hostMac, destLower);
    if (!forThisPc)
        return;

    QByteArray plain;
    if (!dcpDecode(encoded, &plain)) {
        LogSummary::note(QStringLiteral("DCP datagram dropped: payload does not decode"));
        return;
    }
    QByteArray cls;
    QByteArray content;
    QString why;
    if (!dcpParseMessage(plain, &cls, &content, &why)) {
        LogSummary::note("DCP datagram dropped: " + why);
        return;
    }
    dispatchReply(cls, content, destLower);
}

void DCPUtils::dispatchReply(const QByteArray& cls, const QByteArray& content, const QString& destLower)
{
    if (cls == "1") {
        const int idx = handleScanResponse(content, destLower);
        if (idx < 0)
            return;
        // A camera is announced once per scan sent; repeats of its reply only refresh it.
        const QString& mac = IPCameraList.at(idx).macKey();
        if (announcedThisScan.contains(mac))
            return;
        announcedThisScan.insert(mac);
        if (deviceConnectionMode)
            emit deviceConnnectionReady(idx);
        else
            emit foundDevice(idx);
    } else if (cls == "2") {
        const int idx = handleOlvarisInfoResponse(content);
        if (idx < 0)
            return;
        switch (IPCameraList[idx].dcpStatus) {
        case IPCamera::GOT_INFO:
            emit gotPassword(idx);
            break;
        case IPCamera::GOT_OLVARIS_INFO:
            emit gotOlvarisInfo(idx);
            break;
        case IPCamera::GOT_REGISTER_INFO:
            emit gotRegisterInfo(idx);
            break;
        default:
            break;
        }
    } else if (cls == "3") {
        const int idx = handleNetConfigResponse(content);
        if (idx >= 0)
            emit gotNetworkConfig(idx);
    } else if (cls == "4") {
        const int idx = handleAPsearchResponse(content);
        if (idx >= 0 && IPCameraList[idx].dcpStatus == IPCamera::GOT_AP)
            emit gotAPnetwork();
    } else if (cls == "7") {
        const int idx = handleCheckPasswordResponse(content);
        if (idx < 0)
            return;
        if (IPCameraList[idx].dcpStatus == IPCamera::GOT_PWD)
            emit checkPasswordMatching(idx);
        else if (IPCameraList[idx].dcpStatus == IPCamera::GOT_PWD_STATUS)
            emit gotPasswordInitStatus(idx);
    } else if (cls == "8") {
        if (handlePingResponse(content) == 0)
            emit gotPingRsp();
    } else if (cls == "S") {
        if (handleCMDResponse(content) == 0)
            emit gotPingRsp();
    } else if (cls == "9") {
        handleRestartResponse(content);
    } else {
        LogSummary::note(QStringLiteral("DCP reply of unknown class dropped"));
    }
}

int DCPUtils::cameraOfReply(const QByteArray& content) const
{
    // The first item after the class that starts with "M=", found without splitting the reply: an "M="
    // inside another item's value ("P=czM=") names no camera.
    const int item = content.indexOf(";M=");
    if (item < 0)
        return -2;
    // The value ends with its item; an old survey reply's first record follows its header items after a ",".
    const int begin = item + 3;
    int end = begin;
    while (end < content.size() && content.at(end) != ';' && content.at(end) != ',')
        ++end;
    if (end == begin)
        return -1;
    // Canonical once per reply; each record keeps its own.
    const QString mac = canonicalMac(QString::fromLatin1(content.constData() + begin, end - begin));
    for (int i = 0; i < IPCameraList.size(); ++i)
        if (IPCameraList.at(i).macKey() == mac)
            return i;
    return -1;
}

bool DCPUtils::scanOpen() const
{
    return scanClock.isValid() && !scanClock.hasExpired(kScanOpenMs);
}

int DCPUtils::handleScanResponse(QByteArray content, QString destLower)
{
    if (!scanOpen()) {
        LogSummary::note(QStringLiteral("Handle <DCP_Class_01> no scan open, reply dropped"));
        return -1;
    }
    IPCamera found(content, destLower);
    found.MACHost = destLower;
    const QString model = modelText(found.modelName);
    if (found.MAC.isEmpty() || (!broadcastScan && !sameMac(found.MAC, scanTargetMac)) ||
        !model.startsWith(QLatin1String("VKC")) ||
        !(supportType == QLatin1String("ALL") || isAPModeFlow || model == supportType))
        return -1;
    if (!isHardwareAddress(found.MAC)) {
        LogSummary::note(QStringLiteral("Handle <DCP_Class_01> M is not a hardware address, reply dropped"));
        return -1;
    }
    if (!found.IPAddr.isEmpty() && !isDottedIPv4(found.IPAddr)) {
        LogSummary::note(QStringLiteral("Handle <DCP_Class_01> address is not plain IPv4, reply dropped"));
        return -1;
    }

    const QString& mac = found.macKey();
    for (int i = 0; i < IPCameraList.size(); ++i) {
        if (IPCameraList.at(i).macKey() == mac) {
            LogSummary::note(
                QStringLiteral("Handle <DCP_Class_01> Duplicate Mac address, just update the information!"));
            IPCameraList[i].refreshFrom(found);
            return i;
        }
    }
    if (IPCameraList.size() >= kMaxCameras) {
        LogSummary::note(QStringLiteral("Handle <DCP_Class_01> camera list full, reply dropped"));
        return -1;
    }
    IPCameraList.append(found);
    return IPCameraList.size() - 1;
}

int DCPUtils::replyCamera(const QByteArray& content, const char* noMacLog, const char* noResultLog) const
{
    const int idx = cameraOfReply(content);
    if (idx == -2)
        LogSummary::note(QString::fromLatin1(noMacLog));
    if (idx < 0)
        return -1;
    if (noResultLog && !content.contains(";R=")) {
        LogSummary::note(QString::fromLatin1(noResultLog));
        return -1;
    }
    return idx;
}

int DCPUtils::handleOlvarisInfoResponse(QByteArray content)
{
    const int idx = replyCamera(content, "DCPUtils::handleOlvarisInfoResponse, bad password msg.",
                                "Handle <DCP_Class_02> : I don't send send password modification cmd :");
    if (idx < 0)
        return -1;
    IPCamera& camera = IPCameraList[idx];
    switch (camera.dcpStatus) {
    case IPCamera::WAIT_INFO:
        camera.dcpStatus = IPCamera::GOT_INFO;
        break;
    case IPCamera::WAIT_OLVARIS_INFO:
        camera.dcpStatus = IPCamera::GOT_OLVARIS_INFO;
        break;
    case IPCamera::WAIT_REGISTER_INFO:
        if (isNewDcp(camera.DCPVersion) && !content.contains(";G=1")) {
            LogSummary::note(QStringLiteral("Set <DCP_Class_09> dcpClass09_RestartHttpSrv ..."));
            dcpClass09_RestartHttpSrv(idx, ";L=1;N=1");
            IPCameraList[idx].dcpStatus = IPCamera::WAIT_REGISTER_INFO;
            return -1;
        }
        camera.dcpStatus = IPCamera::GOT_REGISTER_INFO;
        break;
    default:
        LogSummary::note(QStringLiteral("Handle <DCP_Class_02> no request waits for this reply, not handled"));
        return -1;
    }
    camera.setPassword(content);
    return idx;
}

int DCPUtils::handleNetConfigResponse(QByteArray content)
{
    const int idx = cameraOfReply(content);
    if (idx < 0 || IPCameraList[idx].dcpStatus != IPCamera::WAIT_NETWORK_SETUP) {
        LogSummary::note(QStringLiteral("Handle <DCP_Class_03> no network request waits for this reply"));
        return -1;
    }
    IPCamera& camera = IPCameraList[idx];
    if (isNewDcp(camera.DCPVersion)) {
        if (!content.contains(";R=1")) {
            LogSummary::note(QStringLiteral("Handle <DCP_Class_03> reply without R=1 not taken"));
            return -1;
        }
        const QString address = QString::fromLatin1(itemValue(content, "23"));
        if (!address.isEmpty() && !isDottedIPv4(address)) {
            LogSummary::note(QStringLiteral("Handle <DCP_Class_03> address is not plain IPv4, reply dropped"));
            return -1;
        }
        camera.dcpStatus = IPCamera::GOT_NETWORK_SETUP;
        if (!address.isEmpty())
            camera.IPAddr = address;
    } else {
        camera.dcpStatus = IPCamera::GOT_NETWORK_SETUP;
    }
    camera.networkconf.setNetworkConfig(content);
    return idx;
}

int DCPUtils::handleAPsearchResponse(QByteArray content)
{
    const int idx = cameraOfReply(content);
    if (idx < 0 || IPCameraList[idx].dcpStatus != IPCamera::WAIT_AP) {
        LogSummary::note(QStringLiteral("I don't send AP search cmd"));
        return -1;
    }
    IPCamera& camera = IPCameraList[idx];
    camera.apSearchReplyCount += 1;
    if (camera.APConfig.setAPConfig(content, camera.DCPVersion) != 0)
        return idx;

    const APSearchResult& list = camera.APConfig;
    const char* kind = nullptr;
    if (list.numAP > 0) {
        if (!isNewDcp(camera.DCPVersion))
            kind = "this is DCP 1.0 APsearchResponse";
        else if (list.All_APListNum == 0)
            kind = "this is DCP 2.0~2.3 APsearchResponse";
        else if (list.allPagesReceived())
            kind = "this is DCP 2.3 APsearchResponse";
    }
    if (!kind) {
        LogSummary::note(QStringLiteral("Access-point survey page taken, more to come"));
        return idx;
    }
    WLOG << "IPCameraList[idx].APConfig.numAP = " << list.numAP;
    WLOG << kind;
    camera.dcpStatus = IPCamera::GOT_AP;
    WLOG << "IPCameraList[idx].dcpStatus = IPCamera::GOT_AP;";
    return idx;
}

int DCPUtils::handleCheckPasswordResponse(QByteArray content)
{
    const int idx = replyCamera(content, "DCPUtils::handleCheckPasswordResponse, bad password msg.",
                                "Handle <DCP_Class_07> : Broadcast By Myself :");
    if (idx < 0)
        return -1;
    IPCamera& camera = IPCameraList[idx];
    if (camera.dcpStatus != IPCamera::WAIT_PASSWD && camera.dcpStatus != IPCamera::WAIT_PWD_STATUS) {
        LogSummary::note(QStringLiteral("Handle <DCP_Class_07> no password request waits for this reply"));
        return -1;
    }
    const QByteArray result = itemValue(content, "R");
    if (!isNewDcp(camera.DCPVersion)) {
        camera.dcpStatus = IPCamera::GOT_PWD;
    } else if (camera.dcpStatus == IPCamera::WAIT_PWD_STATUS) {
        camera.dcpStatus = IPCamera::GOT_PWD_STATUS;
    } else if (camera.dcpStatus == IPCamera::WAIT_PASSWD && result == "1") {
        const auto sent = sentPasswords.constFind(camera.macKey());
        if (sent != sentPasswords.constEnd())
            camera.password = *sent;
        else
            WLOG << "Handle <DCP_Class_07> no password was sent to this camera, camera password kept";
        camera.dcpStatus = IPCamera::GOT_PWD;
    } else {
        if (camera.dcpStatus == IPCamera::WAIT_PASSWD && result == "0") {
            LogSummary::note(QStringLiteral("Check Device Password Not Match !!;"));
            emit checkPasswordMisMatching(-1);
        }
        return -1;
    }
    camera.getPasswordResult(content);
    return idx;
}

int DCPUtils::handlePingResponse(QByteArray content)
{
    return handleResultReply(content, "DCPUtils::handlePingResponse, bad password msg.", IPCamera::WAIT_PING,
                             IPCamera::GOT_PING, &IPCamera::getPingResult);
}

int DCPUtils::handleCMDResponse(QByteArray content)
{
    return handleResultReply(content, "DCPUtils::handlePingResponse, bad password msg.", IPCamera::WAIT_PING,
                             IPCamera::GOT_PING, &IPCamera::getCmdResult);
}

int DCPUtils::handleRestartResponse(QByteArray content)
{
    return handleResultReply(content, "DCPUtils::handleRestartResponse, bad password msg.", IPCamera::WAIT_RESTART,
                             IPCamera::GOT_RESTART, &IPCamera::getRestartResult);
}

int DCPUtils::handleResultReply(const QByteArray& content, const char* noMacLog, int waitState, int gotState,
                                void (IPCamera::*parse)(QByteArray))
{
    const int idx = replyCamera(content, noMacLog);
    if (idx < 0)
        return -1;
    if (IPCameraList[idx].dcpStatus != waitState) {
        LogSummary::note(QStringLiteral("DCP ping, command or restart reply that no request waits for dropped"));
        return -1;
    }
    IPCameraList[idx].dcpStatus = gotState;
    (IPCameraList[idx].*parse)(content);
    return 0;
}

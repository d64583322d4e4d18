#include "datagramtarget.h"

#include <QHostAddress>
#include <QSet>

#include "base/globals.h"
#include "protocol/dcpcodec.h"
#include "protocol/dcputils.h"
#include "protocol/ipcamera.h"

namespace {

const char kPcMac[] = "02:00:00:00:00:01";
const int kStates[] = {0, 2, 3, 4, 7, 8, 9, 19, 21, 23};
const char* const kCameraMacs[] = {"AA:BB:CC:DD:EE:01", "AA:BB:CC:DD:EE:02", "aa:bb:cc:dd:ee:03"};
const char* const kVersions[] = {"1.0", "2.0", "2.3"};

DCPUtils* protocolObject()
{
    static DCPUtils* dcp = [] {
        hostMacAddrList = QStringList{QString::fromLatin1(kPcMac)};
        gHostIps[0] = QStringLiteral("127.0.0.1");
        gHostMacs[0] = QString::fromLatin1(kPcMac);
        supportType = QStringLiteral("ALL");
        auto* created = new DCPUtils;
        // Port 9 (discard) on this machine: nothing the core sends leaves it.
        created->setDatagramTarget(QHostAddress(QHostAddress::LocalHost), 9);
        created->dcpClass01_Scan(QString::fromLatin1(kPcMac), QStringLiteral("127.0.0.1"), supportType,
                                 QStringLiteral("FF:FF:FF:FF:FF:FF"));
        return created;
    }();
    return dcp;
}

void resetCameras(uint8_t stateChoice)
{
    IPCameraList.clear();
    quorvex_cmd_state = stateChoice & 1;
    prov_config_exist = 0;
    for (int i = 0; i < 3; ++i) {
        IPCamera camera;
        camera.MAC = QString::fromLatin1(kCameraMacs[i]);
        camera.MACHost = QString::fromLatin1(kPcMac);
        camera.modelName = "VKC-3100";
        camera.DCPVersion = kVersions[i];
        camera.password = i == 2 ? QByteArray("cHc=") : QByteArray();
        camera.bPassword = i == 1 ? QByteArray() : QByteArray("0");
        camera.dcpStatus = kStates[(stateChoice + i) % (sizeof(kStates) / sizeof(kStates[0]))];
        IPCameraList.append(camera);
    }
}

QByteArray framedToPc(const QByteArray& plain)
{
    QByteArray pc;
    macFromText(QString::fromLatin1(kPcMac), &pc);
    return dcpFrame(pc, QByteArray(6, '\xaa'), dcpEncode(plain));
}

QByteArray number(int value)
{
    return QByteArray::number(value);
}

// Each step: an op byte (its kind op % 6, its variant op / 6) and an argument byte; kinds 2, 3
// and 5 then take a length byte and that many bytes. Camera n (argument % 16) answers as
// AA:BB:CC:DD:EE:0n.
void runSequence(DCPUtils* dcp, const QByteArray& steps)
{
    IPCameraList.clear();
    QByteArray last;
    int at = 0;
    auto chunk = [&] {
        const int length = at < steps.size() ? uint8_t(steps.at(at)) : 0;
        const QByteArray bytes = steps.mid(at + 1, length);
        at += 1 + length;
        return bytes;
    };
    while (at + 2 <= steps.size()) {
        const uint8_t op = uint8_t(steps.at(at));
        const uint8_t arg = uint8_t(steps.at(at + 1));
        at += 2;
        const QByteArray mac = "AA:BB:CC:DD:EE:" + QByteArray::number(arg % 16, 16).rightJustified(2, '0').toUpper();
        QByteArray text;
        const int variant = op / 6;
        switch (op % 6) {
        case 0:
            text = "1;M=" + mac + ";D=VKC-3100;N=Y2Ft;I=10.0.0." + number(arg) + ";P=" + (arg & 16 ? "2.3" : "1.0") +
                   ";G=" + (arg & 32 ? "1" : "0");
            break;
        case 1:
            dcp->handleDatagram(last);
            break;
        case 2: {
            // Of variant pages: the page its bytes' first names, its record (from the third
            // byte on) 1 + the second byte times.
            const QByteArray bytes = chunk();
            const QByteArray record = bytes.mid(2);
            QByteArray list;
            for (int i = 0; i <= (bytes.size() > 1 ? uint8_t(bytes.at(1)) : 0); ++i)
                list += record + '&';
            text = "4;M=" + mac + ";A=" + number(variant) + ";E=" + number(bytes.isEmpty() ? 0 : uint8_t(bytes.at(0))) +
                   ";L=" + list + ";X=00";
            break;
        }
        case 3:
            text = chunk();
            break;
        case 4: {
            const int idx = IPCameraList.isEmpty() ? 0 : arg % IPCameraList.size();
            if (variant % 3 == 0)
                dcp->dcpClass04_GetAPSearch(idx);
            else if (variant % 3 == 1)
                dcp->dcpClass07_CheckPassword(idx, QByteArray(), "cHc=");
            else
                dcp->dcpClass02_GetOlvarisInfo(idx, arg & 1);
            break;
        }
        default:
            last = chunk();
            dcp->handleDatagram(last);
            break;
        }
        if (!text.isEmpty()) {
            last = framedToPc(number(text.size()) + ',' + text);
            dcp->handleDatagram(last);
        }
    }
}

void throughCodecAndHandlers(DCPUtils* dcp, const QByteArray& payload)
{
    QByteArray a, b, c;
    dcpUnframe(payload, &a, &b, &c);
    dcpDecode(payload, &a);
    dcpParseMessage(payload, &a, &b);
    macFromText(QString::fromLatin1(payload), &a);
    macToText(payload);

    dcp->handleScanResponse(payload, QString::fromLatin1(kPcMac));
    dcp->handleOlvarisInfoResponse(payload);
    dcp->handleNetConfigResponse(payload);
    dcp->handleAPsearchResponse(payload);
    dcp->handleCheckPasswordResponse(payload);
    dcp->handlePingResponse(payload);
    dcp->handleCMDResponse(payload);
    dcp->handleRestartResponse(payload);
}

}  // namespace

int feedDcpFuzzInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    DCPUtils* dcp = protocolObject();
    if (data[0] == 4) {
        runSequence(dcp, QByteArray(reinterpret_cast<const char*>(data + 1), int(size - 1)));
        return 0;
    }
    resetCameras(data[1]);
    const QByteArray payload(reinterpret_cast<const char*>(data + 2), int(size - 2));
    switch (data[0] % 4) {
    case 0:
        dcp->handleDatagram(payload);
        break;
    case 1:
        dcp->handleDatagram(framedToPc(QByteArray::number(payload.size()) + ',' + payload));
        break;
    case 2:
        dcp->handleDatagram(framedToPc(payload));
        break;
    default:
        throughCodecAndHandlers(dcp, payload);
        break;
    }
    return 0;
}

QString dcpStateFault()
{
    static const QSet<int> states{0, 2, 3, 4, 7, 8, 9, 11, 12, 13, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    if (IPCameraList.size() > 1024)
        return QString("%1 cameras").arg(IPCameraList.size());
    QSet<QString> macs;
    for (const IPCamera& camera : IPCameraList) {
        const APSearchResult& ap = camera.APConfig;
        const int rows = ap.AP_SSID.size();
        if (camera.MAC.isEmpty() || macs.contains(camera.MAC.toUpper()))
            return "camera MAC empty or twice: " + camera.MAC;
        macs.insert(camera.MAC.toUpper());
        if (!states.contains(camera.dcpStatus))
            return QString("state %1").arg(camera.dcpStatus);
        if (ap.numAP != rows || rows > 256 || ap.All_APListNum < 0 || ap.All_APListNum > 64)
            return QString("access points: %1 counted, %2 rows, %3 pages")
                .arg(ap.numAP)
                .arg(rows)
                .arg(ap.All_APListNum);
        for (const QList<QByteArray>* column :
             {&ap.AP_Column1, &ap.AP_Column2, &ap.AP_Column4, &ap.AP_SecMethod, &ap.AP_AuthMode, &ap.AP_Mode})
            if (column->size() != rows)
                return QStringLiteral("access-point columns differ in length");
    }
    return QString();
}

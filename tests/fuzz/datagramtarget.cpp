#include "datagramtarget.h"

#include <QHostAddress>

#include "protocol/dcpcodec.h"
#include "protocol/dcputils.h"
#include "shell/globals.h"

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

} // namespace

int feedDcpFuzzInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    DCPUtils* dcp = protocolObject();
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

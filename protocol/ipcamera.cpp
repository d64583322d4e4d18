#include "protocol/ipcamera.h"

#include <QList>

#include "base/globals.h"
#include "base/log.h"
#include "base/logsummary.h"
#include "protocol/dcpcodec.h"

// The shared list that base/globals.h declares.
QList<IPCamera> IPCameraList;

int quorvex_cmd_state = 0;
int prov_config_exist = 0;

bool isNewDcp(const QByteArray& dcpVersion)
{
    return qstrcmp(dcpVersion, "2.0") >= 0;
}

IPCamera* chosenCamera()
{
    return IPCameraIdx >= 0 && IPCameraIdx < IPCameraList.size() ? &IPCameraList[IPCameraIdx] : nullptr;
}

QByteArray untilZero(const QByteArray& bytes)
{
    const int zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

namespace {

// The items of a reply as lists of "="-separated parts, in order, empty items kept.
QList<QList<QByteArray>> replyItems(const QByteArray& reply)
{
    QList<QList<QByteArray>> items;
    for (const QByteArray& item : reply.split(';'))
        items.append(item.split('='));
    return items;
}

// The key letter of an item; 0 for an item that begins with "=".
char itemKey(const QList<QByteArray>& parts)
{
    return parts.at(0).isEmpty() ? '\0' : parts.at(0).at(0);
}

// Calls take(key, value) for every item with a value; items take does not know are counted
// under unknownLog.
template <class Take> void readItems(const QByteArray& reply, const char* unknownLog, Take take)
{
    for (const QList<QByteArray>& parts : replyItems(reply))
        if (parts.size() >= 2 && !take(itemKey(parts), parts.at(1)))
            LogSummary::note(QString::fromLatin1(unknownLog));
}

// The items of a ping, restart or command reply: X fills the record; M and D are the camera's
// own (the scan reply that made the record set them); the others go to takeOther, which says
// whether it knew them.
template <class TakeOther>
void readResultItems(IPCamera& camera, const QByteArray& reply, const char* unknownLog, TakeOther takeOther)
{
    readItems(reply, unknownLog, [&](char key, const QByteArray& value) {
        if (key == 'X')
            camera.PWD_MD5 = value;
        return key == 'D' || key == 'X' || key == 'M' || takeOther(key, value);
    });
}

// The fields a later scan reply of the same camera refreshes: not its MAC or model.
void copyDiscoveryFields(IPCamera& to, const IPCamera& from)
{
    to.Name = from.Name;
    to.IPAddr = from.IPAddr;
    to.bRegisted = from.bRegisted;
    to.networkSetupType = from.networkSetupType;
    to.networkType = from.networkType;
    to.AgentVersion = from.AgentVersion;
    to.DCPVersion = from.DCPVersion;
}

// QString fields take the value as UTF-8 up to its first zero byte.
QString textValue(const QByteArray& value)
{
    return QString::fromUtf8(untilZero(value));
}

// The output of the Internet-check command: the agent restart is acknowledged first,
// then the provision file reappears. Other output changes nothing.
void takeCommandOutput(const QByteArray& output, QByteArray& bPing)
{
    if (output == "reboot_quorvex") {
        WLOG << "getCmdResult() RECV reboot_quorvex ACK.";
        quorvex_cmd_state = 1;
    } else if (output == "/tmp/provision.conf") {
        WLOG << "getCmdResult() /tmp/provision.conf exist.";
        prov_config_exist = 1;
    } else {
        return;
    }
    WLOG << "quorvex_cmd_state:[" << quorvex_cmd_state << "], prov_config_exist:[" << prov_config_exist << "]";
    if (quorvex_cmd_state == 1) {
        bPing = prov_config_exist == 1 ? "1" : "0";
    } else {
        bPing = "0";
        quorvex_cmd_state = 0;
        prov_config_exist = 0;
    }
}

}  // namespace

QString modelText(const QByteArray& modelName)
{
    return textValue(modelName);
}

IPCamera::IPCamera()
{
    WLOG << "IPCamera Constructor Initializing ...";
}

IPCamera::IPCamera(QByteArray reply, QString hostMac)
{
    bool macSeen = false;
    for (const QList<QByteArray>& parts : replyItems(reply)) {
        if (parts.size() < 2)
            continue;
        const QByteArray& value = parts.at(1);
        switch (itemKey(parts)) {
        case 'C':
            networkSetupType = value;
            break;
        case 'D':
            modelName = value;
            break;
        case 'F':
            FirmwareVersion = value;
            break;
        case 'G':
            bRegisted = value;
            break;
        case 'H':
            HardwareVersion = value;
            break;
        case 'I':
            IPAddr = textValue(value);
            break;
        case 'M':
            // The first M item names the camera, as in every other reply.
            if (!macSeen)
                MAC = textValue(value);
            macSeen = true;
            break;
        case 'N':
            Name = value;
            break;
        case 'P':
            DCPVersion = value;
            break;
        case 'V':
            // "AGENT=VERSION=1.2": the version is the third part; without one the value stays.
            AgentVersion = (value.contains("VERSION") && parts.size() > 2) ? parts.at(2) : value;
            break;
        case 'W':
            networkType = value;
            break;
        case 'X':
            PWD_MD5 = value;
            break;
        default:
            LogSummary::note(QStringLiteral("<DCP_Class_01> IPCamera::IPCamera parsing no such parameter"));
        }
    }
    MACHost = hostMac;
}

IPCamera::IPCamera(const IPCamera& other)
    : QObject()
{
    *this = other;
}

IPCamera& IPCamera::operator=(const IPCamera& other)
{
    if (this == &other)
        return *this;
    MAC = other.MAC;
    MACHost = other.MACHost;
    modelName = other.modelName;
    copyDiscoveryFields(*this, other);
    PWD_MD5 = other.PWD_MD5;
    FirmwareVersion = other.FirmwareVersion;
    HardwareVersion = other.HardwareVersion;
    password = other.password;
    olvarisInfoE = other.olvarisInfoE;
    remote = other.remote;
    supportUPnP = other.supportUPnP;
    url = other.url;
    olvarisNo = other.olvarisNo;
    UPnPDNS = other.UPnPDNS;
    portal = other.portal;
    dfp = other.dfp;
    bPing = other.bPing;
    bRestart = other.bRestart;
    bPassword = other.bPassword;
    src_IPAddr = other.src_IPAddr;
    dcpStatus = other.dcpStatus;
    apSearchReplyCount = other.apSearchReplyCount;
    networkconf = other.networkconf;
    APConfig = other.APConfig;
    macKeyOf = other.macKeyOf;
    macKeyText = other.macKeyText;
    return *this;
}

IPCamera::~IPCamera() = default;

void IPCamera::refreshFrom(IPCamera other)
{
    copyDiscoveryFields(*this, other);
}

const QString& IPCamera::remakeMacKey() const
{
    macKeyOf = MAC;
    macKeyText = canonicalMac(MAC);
    return macKeyText;
}

void IPCamera::setPassword(QByteArray reply)
{
    readItems(reply, "IPCamera::getPassword, no such parameter:", [this](char key, const QByteArray& value) {
        switch (key) {
        case 'C':
            supportUPnP = value;
            break;
        case 'D':
            break;  // the model is the scan reply's
        case 'E':
            olvarisInfoE = value;
            break;
        case 'G':
            bRegisted = value;
            WLOG << "[IPcamera][setPassword()] set register bit: " << bRegisted;
            break;
        case 'M':
            break;  // a reply never changes the record's MAC
        case 'N':
            Name = value;
            break;
        case 'O':
            UPnPDNS = value;
            break;
        case 'P':
            password = QByteArray::fromBase64(value);
            break;
        case 'R':
            remote = value;
            break;
        case 'U': {
            const int dot = value.indexOf('.');
            olvarisNo = dot < 0 ? QByteArray() : value.left(dot);
            url = dot < 0 ? QByteArray() : value.mid(dot + 1);
            break;
        }
        case 'W':
            portal = value;
            break;
        case 'X':
            PWD_MD5 = value;
            break;
        case 'Y':
            dfp = value;
            break;
        default:
            return false;
        }
        return true;
    });
    if (!isNewDcp(DCPVersion))
        remote = "1";
}

void IPCamera::getPasswordResult(QByteArray reply)
{
    LogSummary::note(QStringLiteral("IPCamera::getPasswordResult content"));
    if (!reply.contains(";R="))
        return;
    for (const QList<QByteArray>& parts : replyItems(reply)) {
        if (parts.size() < 2)
            continue;
        const QByteArray& value = parts.at(1);
        switch (itemKey(parts)) {
        case 'D':
        case 'M':
            break;
        case 'R':
            bPassword = value;
            break;
        case 'X':
            PWD_MD5 = value;
            break;
        default:
            LogSummary::note(QStringLiteral("IPCamera::getPasswordResult, no such parameter:"));
        }
    }
}

void IPCamera::getPingResult(QByteArray reply)
{
    readResultItems(*this, reply,
                    "IPCamera::getPingResult, no such parameter:", [this](char key, const QByteArray& value) {
                        if (key == 'C' || key == 'R')
                            bPing = value;
                        return key == 'C' || key == 'R';
                    });
}

void IPCamera::getRestartResult(QByteArray reply)
{
    readResultItems(*this, reply,
                    "IPCamera::getRestartResult, no such parameter:", [this](char key, const QByteArray& value) {
                        if (key == 'R')
                            bRestart = value;
                        return key == 'R' || key == 'L' || key == 'N';
                    });
}

void IPCamera::getCmdResult(QByteArray reply)
{
    readResultItems(*this, reply,
                    "IPCamera::getPingResult, no such parameter:", [this](char key, const QByteArray& value) {
                        if (key == 'R')
                            takeCommandOutput(value, bPing);
                        return key == 'R';
                    });
}

#include "ipcamera.h"

#include "log.h"

int quorvex_cmd_state = 0;
int prov_config_exist = 0;

bool isNewDcp(const QByteArray& dcpVersion)
{
    return qstrcmp(dcpVersion, "2.0") >= 0;
}

IPCamera::IPCamera()
{
    WLOG << "IPCamera Constructor Initializing ...";
}

IPCamera::IPCamera(QByteArray, QString hostMac)
    : MACHost(hostMac)
{
}

IPCamera::IPCamera(const IPCamera& other)
    : QObject()
{
    *this = other;
}

IPCamera& IPCamera::operator=(const IPCamera& other)
{
    MAC = other.MAC;
    MACHost = other.MACHost;
    modelName = other.modelName;
    Name = other.Name;
    PWD_MD5 = other.PWD_MD5;
    IPAddr = other.IPAddr;
    bRegisted = other.bRegisted;
    networkSetupType = other.networkSetupType;
    networkType = other.networkType;
    AgentVersion = other.AgentVersion;
    DCPVersion = other.DCPVersion;
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
    return *this;
}

IPCamera::~IPCamera() = default;

void IPCamera::refreshFrom(IPCamera other)
{
    modelName = other.modelName;
    Name = other.Name;
    IPAddr = other.IPAddr;
    bRegisted = other.bRegisted;
    networkSetupType = other.networkSetupType;
    networkType = other.networkType;
    AgentVersion = other.AgentVersion;
    DCPVersion = other.DCPVersion;
}

void IPCamera::setPassword(QByteArray) {}
void IPCamera::getPasswordResult(QByteArray) {}
void IPCamera::getPingResult(QByteArray) {}
void IPCamera::getRestartResult(QByteArray) {}
void IPCamera::getCmdResult(QByteArray) {}

#include "setup/cameradump.h"

#include "base/log.h"
#include "protocol/dcpcodec.h"
#include "protocol/ipcamera.h"
#include "setup/cameratable.h"

namespace {

QString secret(const QByteArray& value)
{
    return maskSecret(QString::fromLatin1(value));
}

void logNetworkConfig(const networkConfig& n)
{
    const struct
    {
        const char* name;
        QByteArray value;
    } fields[] = {
        {"modelName", n.modelName},
        {"MACAddr", n.MACAddr},
        {"PWD_MD5", secret(n.PWD_MD5).toLatin1()},
        {"RemoteAccess", n.RemoteAccess},
        {"DHCP_enable", n.DHCP_enable},
        {"DHCP_IP", n.DHCP_IP},
        {"DHCP_netmask", n.DHCP_netmask},
        {"DHCP_gateway", n.DHCP_gateway},
        {"DHCP_DNS1", n.DHCP_DNS1},
        {"DHCP_DNS2", n.DHCP_DNS2},
        {"Static_IPAddr", n.Static_IPAddr},
        {"Static_Netmask", n.Static_Netmask},
        {"Static_Gateway", n.Static_Gateway},
        {"Static_DNS1", n.Static_DNS1},
        {"Static_DNS2", n.Static_DNS2},
        {"Tervane15_Email", n.Tervane15_Email},
        {"Tervane15_Remote", n.Tervane15_Remote},
        {"END", n.END},
        {"Https_port", n.Https_port},
        {"HTTP_admin_Password", secret(n.HTTP_admin_Password).toLatin1()},
        {"Http_port", n.Http_port},
        {"PPPoE_enable", n.PPPoE_enable},
        {"PPPoE_IP", n.PPPoE_IP},
        {"PPPoE_password", secret(n.PPPoE_password).toLatin1()},
        {"PPPoE_user", n.PPPoE_user},
        {"Wireless_AuthMode", n.Wireless_AuthMode},
        {"Wireless_channel", n.Wireless_channel},
        {"Wireless_enable", n.Wireless_enable},
        {"Wireless_ESSID", n.Wireless_ESSID},
        {"Wireless_key", secret(n.Wireless_key).toLatin1()},
        {"Wireless_keyformat", n.Wireless_keyformat},
        {"Wireless_KeyLength", n.Wireless_KeyLength},
        {"Wireless_key_Interval", n.Wireless_key_Interval},
        {"Wireless_mode", n.Wireless_mode},
        {"Wireless_SecMethod", n.Wireless_SecMethod},
        {"Wireless_TXRate", n.Wireless_TXRate},
    };
    for (const auto& field : fields)
        WLOG << QString("Check <DCP_Class_03> get %1 :").arg(field.name) << field.value;
}

}  // namespace

void logCameraRecord(int index, const IPCamera& c)
{
    WLOG << "00 IPCamera List Idx :" << index;
    WLOG << "01 IPCamera modelName :" << c.modelName;
    WLOG << "02 IPCamera Name :" << CameraTable::decodedName(c.Name);
    WLOG << "03 IPCamera MAC :" << canonicalMac(c.MAC);
    WLOG << "04 IPCamera DCPVersion :" << c.DCPVersion;
    WLOG << "05 IPCamera dcpStatus :" << c.dcpStatus;
    WLOG << "06 IPCamera password :" << secret(c.password);
    WLOG << "07 IPCamera bPassword :" << c.bPassword;
    WLOG << "08 IPCamera bPing :" << c.bPing;
    WLOG << "09 IPCamera bRegisted :" << c.bRegisted;
    WLOG << "10 IPCamera bRestart :" << c.bRestart;
    WLOG << "11 IPCamera AgentVersion :" << c.AgentVersion;
    WLOG << "12 IPCamera dfp :" << c.dfp;
    WLOG << "13 IPCamera IPAddr :" << c.IPAddr;
    WLOG << "14 IPCamera MACHost :" << c.MACHost;
    WLOG << "15 IPCamera olvarisNo :" << c.olvarisNo;
    WLOG << "17 IPCamera networkSetupType :" << c.networkSetupType;
    WLOG << "18 IPCamera networkType :" << c.networkType;
    WLOG << "20 IPCamera portal :" << c.portal;
    WLOG << "21 IPCamera PWD_MD5 :" << secret(c.PWD_MD5);
    WLOG << "22 IPCamera remote :" << c.remote;
    WLOG << "23 IPCamera src_IPAddr :" << c.src_IPAddr;
    WLOG << "24 IPCamera supportUPnP :" << c.supportUPnP;
    WLOG << "25 IPCamera UPnPDNS :" << c.UPnPDNS;
    WLOG << "26 IPCamera url :" << c.url;
    WLOG << "27 IPCamera FirmwareVersion :" << c.FirmwareVersion;
    WLOG << "28 IPCamera HardwareVersion :" << c.HardwareVersion;
    logNetworkConfig(c.networkconf);
}

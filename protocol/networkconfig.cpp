#include "protocol/networkconfig.h"

#include "base/log.h"
#include "base/logsummary.h"

namespace {

// The field that a numbered key of the class 3 reply fills; null for numbers outside the table.
QByteArray networkConfig::*numberedField(int key)
{
    switch (key) {
    case 0:
        return &networkConfig::DHCP_enable;
    case 1:
        return &networkConfig::Static_IPAddr;
    case 2:
        return &networkConfig::Static_Netmask;
    case 3:
        return &networkConfig::Static_Gateway;
    case 4:
        return &networkConfig::Static_DNS1;
    case 5:
        return &networkConfig::Static_DNS2;
    case 6:
        return &networkConfig::PPPoE_enable;
    case 7:
        return &networkConfig::PPPoE_user;
    case 8:
        return &networkConfig::PPPoE_password;
    case 9:
        return &networkConfig::Wireless_enable;
    case 10:
        return &networkConfig::Wireless_mode;
    case 11:
        return &networkConfig::Wireless_ESSID;
    case 12:
        return &networkConfig::Wireless_channel;
    case 13:
        return &networkConfig::Wireless_TXRate;
    case 14:
        return &networkConfig::Wireless_AuthMode;
    case 15:
        return &networkConfig::Wireless_SecMethod;
    case 16:
        return &networkConfig::Wireless_keyformat;
    case 17:
        return &networkConfig::Wireless_KeyLength;
    case 18:
        return &networkConfig::Wireless_key;
    case 19:
        return &networkConfig::Wireless_key_Interval;
    case 20:
        return &networkConfig::HTTP_admin_Password;
    case 21:
        return &networkConfig::Tervane15_Email;
    case 22:
        return &networkConfig::Tervane15_Remote;
    case 23:
        return &networkConfig::DHCP_IP;
    case 24:
        return &networkConfig::DHCP_netmask;
    case 25:
        return &networkConfig::DHCP_gateway;
    case 26:
        return &networkConfig::DHCP_DNS1;
    case 27:
        return &networkConfig::DHCP_DNS2;
    case 28:
        return &networkConfig::PPPoE_IP;
    case 29:
        return &networkConfig::END;
    case 34:
        return &networkConfig::Wireless_key;
    case 50:
        return &networkConfig::Http_port;
    case 51:
        return &networkConfig::Https_port;
    default:
        return nullptr;
    }
}

}  // namespace

networkConfig::networkConfig() = default;

networkConfig::networkConfig(const networkConfig& other)
    : QObject()
{
    *this = other;
}

networkConfig& networkConfig::operator=(const networkConfig& other)
{
    MACAddr = other.MACAddr;
    modelName = other.modelName;
    RemoteAccess = other.RemoteAccess;
    DHCP_enable = other.DHCP_enable;
    Static_IPAddr = other.Static_IPAddr;
    Static_Netmask = other.Static_Netmask;
    Static_Gateway = other.Static_Gateway;
    Static_DNS1 = other.Static_DNS1;
    Static_DNS2 = other.Static_DNS2;
    PPPoE_enable = other.PPPoE_enable;
    PPPoE_user = other.PPPoE_user;
    PPPoE_password = other.PPPoE_password;
    Wireless_enable = other.Wireless_enable;
    Wireless_mode = other.Wireless_mode;
    Wireless_ESSID = other.Wireless_ESSID;
    Wireless_channel = other.Wireless_channel;
    Wireless_TXRate = other.Wireless_TXRate;
    Wireless_AuthMode = other.Wireless_AuthMode;
    Wireless_SecMethod = other.Wireless_SecMethod;
    Wireless_keyformat = other.Wireless_keyformat;
    Wireless_KeyLength = other.Wireless_KeyLength;
    Wireless_key = other.Wireless_key;
    Wireless_key_Interval = other.Wireless_key_Interval;
    HTTP_admin_Password = other.HTTP_admin_Password;
    Tervane15_Email = other.Tervane15_Email;
    Tervane15_Remote = other.Tervane15_Remote;
    DHCP_IP = other.DHCP_IP;
    DHCP_netmask = other.DHCP_netmask;
    DHCP_gateway = other.DHCP_gateway;
    DHCP_DNS1 = other.DHCP_DNS1;
    DHCP_DNS2 = other.DHCP_DNS2;
    PPPoE_IP = other.PPPoE_IP;
    Http_port = other.Http_port;
    Https_port = other.Https_port;
    END = other.END;
    PWD_MD5 = other.PWD_MD5;
    return *this;
}

// Items are "key=value"; numbered keys fill the settings, M, D and R the identity fields.
// Every item that gets this far marks the camera remote-accessible, so an R item's own
// value lasts only until the next such item.
void networkConfig::setNetworkConfig(QByteArray reply)
{
    for (const QByteArray& item : reply.split(';')) {
        const int eq = item.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = item.left(eq);
        const QByteArray value = item.mid(eq + 1);
        if (key == "X")
            continue;

        bool numbered = false;
        const int number = key.toInt(&numbered);
        if (numbered) {
            if (QByteArray networkConfig::*field = numberedField(number))
                this->*field = value;
            else
                LogSummary::note(QStringLiteral("unknow parameter in network configuration:"));
        }

        RemoteAccess = "1";
        switch (key.isEmpty() ? '\0' : key.at(0)) {
        case 'M':
            MACAddr = value;
            break;
        case 'D':
            modelName = value;
            break;
        case 'R':
            RemoteAccess = value;
            break;
        default:
            break;
        }
    }
    WLOG << "RemoteAccess = " << RemoteAccess;
}

int networkConfig::getNetworkType()
{
    return 0;
}

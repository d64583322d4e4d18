#ifndef NETWORKCONFIG_H
#define NETWORKCONFIG_H

#include <QByteArray>
#include <QObject>

// A camera's network settings, from the class 3 reply.
class networkConfig : public QObject
{
    Q_OBJECT
public:
    networkConfig();
    networkConfig(const networkConfig& other);
    networkConfig& operator=(const networkConfig& other);

    void setNetworkConfig(QByteArray reply);
    int getNetworkType();

    QByteArray MACAddr;
    QByteArray modelName;
    QByteArray RemoteAccess;
    QByteArray DHCP_enable;
    QByteArray Static_IPAddr;
    QByteArray Static_Netmask;
    QByteArray Static_Gateway;
    QByteArray Static_DNS1;
    QByteArray Static_DNS2;
    QByteArray PPPoE_enable;
    QByteArray PPPoE_user;
    QByteArray PPPoE_password;
    QByteArray Wireless_enable;
    QByteArray Wireless_mode;
    QByteArray Wireless_ESSID;
    QByteArray Wireless_channel;
    QByteArray Wireless_TXRate;
    QByteArray Wireless_AuthMode;
    QByteArray Wireless_SecMethod;
    QByteArray Wireless_keyformat;
    QByteArray Wireless_KeyLength;
    QByteArray Wireless_key;
    QByteArray Wireless_key_Interval;
    QByteArray HTTP_admin_Password;
    QByteArray Tervane15_Email;
    QByteArray Tervane15_Remote;
    QByteArray DHCP_IP;
    QByteArray DHCP_netmask;
    QByteArray DHCP_gateway;
    QByteArray DHCP_DNS1;
    QByteArray DHCP_DNS2;
    QByteArray PPPoE_IP;
    QByteArray Http_port;
    QByteArray Https_port;
    QByteArray END;
    QByteArray PWD_MD5;
};

#endif  // NETWORKCONFIG_H

#ifndef IPCAMERA_H
#define IPCAMERA_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include "protocol/apsearchresult.h"
#include "protocol/networkconfig.h"

// One camera as the wizard knows it. Kept by value in IPCameraList.
class IPCamera : public QObject
{
    Q_OBJECT
public:
    enum DcpStatus
    {
        RESET = 0,
        WAIT_INFO = 2,
        WAIT_NETWORK_SETUP = 3,
        WAIT_AP = 4,
        WAIT_PASSWD = 7,
        WAIT_PING = 8,
        WAIT_RESTART = 9,
        GOT_INFO = 11,
        GOT_NETWORK_SETUP = 12,
        GOT_AP = 13,
        GOT_PWD = 16,
        GOT_PING = 17,
        GOT_RESTART = 18,
        WAIT_PWD_STATUS = 19,
        GOT_PWD_STATUS = 20,
        WAIT_OLVARIS_INFO = 21,
        GOT_OLVARIS_INFO = 22,
        WAIT_REGISTER_INFO = 23,
        GOT_REGISTER_INFO = 24
    };

    IPCamera();
    IPCamera(QByteArray reply, QString hostMac);
    IPCamera(const IPCamera& other);
    IPCamera& operator=(const IPCamera& other);
    ~IPCamera() override;

    void refreshFrom(IPCamera other);
    // canonicalMac(MAC), made again only when MAC is no longer the text it was made from (a
    // changed MAC no longer shares that text's data).
    const QString& macKey() const { return macKeyOf.isSharedWith(MAC) ? macKeyText : remakeMacKey(); }

    void setPassword(QByteArray reply);
    void getPasswordResult(QByteArray reply);
    void getPingResult(QByteArray reply);
    void getRestartResult(QByteArray reply);
    void getCmdResult(QByteArray reply);

    QString MAC;
    QString MACHost;
    QByteArray modelName;
    QByteArray Name;
    QByteArray PWD_MD5;
    QString IPAddr;
    QByteArray bRegisted;
    QByteArray networkSetupType;
    QByteArray networkType;
    QByteArray AgentVersion;
    QByteArray DCPVersion;
    QByteArray FirmwareVersion;
    QByteArray HardwareVersion;
    QByteArray password;
    QByteArray olvarisInfoE;
    QByteArray remote;
    QByteArray supportUPnP;
    QByteArray url;
    QByteArray olvarisNo;
    QByteArray UPnPDNS;
    QByteArray portal;
    QByteArray dfp;
    QByteArray bPing;
    QByteArray bRestart;
    QByteArray bPassword;
    QString src_IPAddr;
    int dcpStatus = 0;
    int apSearchReplyCount = 0;
    networkConfig networkconf;
    APSearchResult APConfig;

private:
    const QString& remakeMacKey() const;
    mutable QString macKeyOf;  // the MAC text macKeyText was made from
    mutable QString macKeyText;
};

// The camera's Internet check state, carried from one class S reply to the next.
extern int quorvex_cmd_state;
extern int prov_config_exist;

// True for cameras that speak the new protocol: DCP version "2.0" or later, compared byte-wise.
bool isNewDcp(const QByteArray& dcpVersion);

// The camera the user chose: IPCameraList[IPCameraIdx], or null while the index names none.
IPCamera* chosenCamera();

// Bytes up to the first zero byte.
QByteArray untilZero(const QByteArray& bytes);
// The model name as text, decoded as every text value of a reply: UTF-8 up to the first zero byte.
QString modelText(const QByteArray& modelName);

#endif  // IPCAMERA_H

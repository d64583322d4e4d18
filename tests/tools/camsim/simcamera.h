#ifndef SIMCAMERA_H
#define SIMCAMERA_H

// One simulated camera: what it answers to a DCP request, as a camera would.
//
// Configuration (one object of the "cameras" array of the camsim JSON file):
//
//   key               type      default      meaning
//   mac               string    (required)   hardware address, "00:11:22:AA:BB:CC"
//   model             string    (required)   model, reply item D; the scan filter compares it
//   name              string    ""           camera name in clear; sent Base64-encoded as N
//   dcpVersion        string    "2.0"        reply item P of class 1; below "2.0" (byte-wise,
//                                            as strcmp) the camera neither checks nor sends
//                                            ";X=" signatures; "" omits item P
//   password          string    ""           password in clear; "" = the camera has none
//   registered        string    "0"          cloud register bit, item G (class 1 and 2)
//   ip                string    ""           IPv4 address, item I of class 1
//   agentVersion, firmware, hardware, networkSetupType, networkType
//                     string    ""           class 1 items V, F, H, C, W (omitted when "")
//   remote            string    "1"          class 2 item R (cloud remote access)
//   portal            string    ""           class 2 item W
//   cloudId           string    ""           class 2 item U ("<number>.<url>")
//   dfp               string    ""           class 2 item Y
//   internet          bool      true         class 8 item R is "1"/"0"; class S: whether the
//                                            provision file exists after the agent restart
//   network           object    {}           class 3 items by number, e.g. {"0":"1","23":"10.254.0.20",
//                                            "51":"443"}; a class 3 request with items stores them
//   accessPoints      array     []           site survey (class 4), each
//                                            {"ssid","mode","auth","security","column1","column2","column4"}
//                                            (strings; ssid in clear, sent Base64-encoded)
//   apPageSize        int       10           access points per class 4 datagram (DCP "2.3" and later)
//   apTrailingAmp     bool      true         paged lists end with "&", as cameras send them
//   mute              array     []           request classes this camera never answers, e.g. ["8","S"]
//   wireless          object    none         the camera's Wi-Fi side (wireless.cpp):
//                                            {"ip","interface","ssid","key","failSilentSeconds"}
//   accessPoint       object    none         the camera's own access point (accesspoint.cpp):
//                                            {"interface","ssid","key","homeIp"}
//
// Answers: class 1 (scan) when the model filter D is "ALL", empty or the model; 2 (cloud
// information; P sets the password of an old camera, G the register bit); 3 (network
// settings, R=1); 4 (site survey: one ","-separated datagram below "2.0", one "&"-list from
// "2.0", pages with A= and E= from "2.3"); 7 (R=1 when the signature fits the current
// password, then P sets a new one; R=0 otherwise); 8 (ping); S (shell command); 9 (restart).
// A new-protocol camera drops any other request whose signature does not fit.

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// A decoded request: the content from the class on, with its items.
struct DcpRequest
{
    QByteArray cls;
    QByteArray text;
    QList<QPair<QByteArray, QByteArray>> items;  // after the class item; split at the first "="
    QString frameDest;                           // "aa:bb:cc:dd:ee:ff"

    static DcpRequest parse(const QByteArray& cls, const QByteArray& content, const QString& frameDest);
    QByteArray value(const QByteArray& key) const;  // last item with that key, or empty
    bool has(const QByteArray& key) const;
};

struct AccessPoint
{
    QByteArray ssid, mode, auth, security, column1, column2, column4;
};

class SimCamera
{
public:
    enum class Signature
    {
        NotChecked,
        Good,
        Bad
    };

    static bool fromJson(const QJsonObject& json, SimCamera* camera, QString* error);

    QString mac() const { return m_mac; }
    // Whether the request is meant for this camera (addressing and, for a scan, the model filter).
    bool isAddressedBy(const DcpRequest& request) const;
    // Checks the request's signature, updates the camera and returns its answers as
    // message texts with their length prefix, none when the camera stays silent.
    QList<QByteArray> answer(const DcpRequest& request, Signature* signature);

    // The Wi-Fi side (wireless.cpp). A camera with a "wireless" configuration answers on
    // its cable until a restart (class 9) finds Wi-Fi settings (items 9, 11, 18) for its
    // network: then it answers from its wireless address on the wireless interface. Other
    // Wi-Fi settings leave it silent for failSilentSeconds (it never joined), after which it
    // answers on its cable again. The WPS button joins it at once; pulling the cable
    // silences it until it joins or the cable is plugged in again.
    enum class Link
    {
        Cable,
        Wireless,
        Offline
    };
    Link link() const;
    bool hasWireless() const { return !m_wirelessIp.isEmpty(); }
    QString wirelessInterface() const { return m_wirelessInterface; }
    QByteArray wirelessIp() const { return m_wirelessIp; }
    void pressWps();
    void pullCable();
    void plugCable();  // a silent camera answers on its cable again

    // The access point (accesspoint.cpp). A camera with an "accessPoint" configuration
    // answers on that interface (as "ip", 10.255.255.1 on a real camera) until class 3 Wi-Fi
    // settings (items 9, 11, 18) for its home network arrive; two seconds after answering
    // them it leaves the access point and answers on its cable side from "homeIp".
    bool onAccessPoint() const;
    QString accessPointInterface() const { return m_apInterface; }
    QByteArray accessPointIp() const { return m_apIp; }

private:
    bool signs() const;
    Signature verify(const DcpRequest& request) const;
    QByteArray reply(const QByteArray& cls, const QByteArray& items) const;
    QByteArray scanReply() const;
    QByteArray cloudReply(const DcpRequest& request);
    QByteArray networkReply(const DcpRequest& request);
    QList<QByteArray> surveyReplies() const;
    QByteArray shellOutput(const QByteArray& command) const;

    QString m_mac;
    QByteArray m_model, m_name, m_dcpVersion, m_password, m_registered, m_ip;
    QByteArray m_agentVersion, m_firmware, m_hardware, m_networkSetupType, m_networkType;
    QByteArray m_remote, m_portal, m_cloudId, m_dfp;
    bool m_internet = true;
    QMap<int, QByteArray> m_network;
    QList<AccessPoint> m_accessPoints;
    int m_apPageSize = 10;
    bool m_apTrailingAmp = true;
    QList<QByteArray> m_mute;

    static bool wirelessFromJson(const QJsonObject& json, SimCamera* camera, QString* error);
    void afterRestart();
    void join();
    QByteArray m_wirelessIp, m_wirelessSsid, m_wirelessKey;
    QString m_wirelessInterface;
    int m_failSilentSeconds = 45;
    Link m_link = Link::Cable;
    qint64 m_silentUntil = 0;  // ms since the epoch; 0 = until it joins

    static bool accessPointFromJson(const QJsonObject& json, SimCamera* camera, QString* error);
    void afterNetworkSettings();
    void leaveAccessPointWhenDue();
    QString m_apInterface;
    QByteArray m_apIp, m_apSsid, m_apKey, m_homeIp;
    qint64 m_apLeaveAt = 0;  // ms since the epoch; 0 = still waiting for its settings
};

#endif  // SIMCAMERA_H

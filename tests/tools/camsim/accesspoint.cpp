// The simulated cameras' own access point: answering there until the home network's Wi-Fi
// settings arrive, then leaving it for the home network.

#include <QDateTime>
#include <QJsonObject>
#include <QUdpSocket>

#include <cstdio>
#include <sys/socket.h>

#include "camserver.h"
#include "simcamera.h"

namespace {

// The time a camera takes to switch from its access point to the home network; its answer
// to the settings still goes out on the access point.
constexpr qint64 kLeaveDelayMs = 2000;

}  // namespace

bool SimCamera::accessPointFromJson(const QJsonObject& json, SimCamera* camera, QString* error)
{
    if (!json.contains(QLatin1String("accessPoint")))
        return true;
    const QJsonObject ap = json.value(QLatin1String("accessPoint")).toObject();
    auto text = [&ap](const char* key) { return ap.value(QLatin1String(key)).toString(); };
    camera->m_apInterface = text("interface");
    camera->m_apSsid = text("ssid").toUtf8();
    camera->m_apKey = text("key").toUtf8();
    camera->m_homeIp = text("homeIp").toUtf8();
    camera->m_apIp = camera->m_ip;
    if (camera->m_apInterface.isEmpty() || camera->m_homeIp.isEmpty() || camera->m_apIp.isEmpty()) {
        *error = QStringLiteral("camera %1: \"accessPoint\" needs \"interface\", \"homeIp\" and an \"ip\"")
                     .arg(camera->m_mac);
        return false;
    }
    return true;
}

bool SimCamera::onAccessPoint() const
{
    return !m_apInterface.isEmpty() && (m_apLeaveAt == 0 || QDateTime::currentMSecsSinceEpoch() < m_apLeaveAt);
}

void SimCamera::afterNetworkSettings()
{
    if (m_apInterface.isEmpty() || m_apLeaveAt != 0 || m_network.value(9) != "1")
        return;
    if (QByteArray::fromBase64(m_network.value(11)) == m_apSsid &&
        QByteArray::fromBase64(m_network.value(18)) == m_apKey)
        m_apLeaveAt = QDateTime::currentMSecsSinceEpoch() + kLeaveDelayMs;
}

void SimCamera::leaveAccessPointWhenDue()
{
    if (m_apInterface.isEmpty() || m_apLeaveAt == 0 || onAccessPoint() || m_ip == m_homeIp)
        return;
    m_ip = m_homeIp;
    m_network[23] = m_homeIp;
}

QUdpSocket* CamServer::deviceSocket(const QString& interface, const QByteArray& ip)
{
    if (QUdpSocket* socket = m_wirelessSockets.value(interface))
        return socket;
    QUdpSocket* socket = new QUdpSocket(this);
    const QByteArray device = interface.toUtf8();
    if (!socket->bind(QHostAddress(QString::fromUtf8(ip)), 0) ||
        setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_BINDTODEVICE, device.constData(),
                   socklen_t(device.size())) != 0) {
        std::fprintf(stderr, "camsim: cannot answer on %s from %s\n", device.constData(), ip.constData());
        delete socket;
        return nullptr;
    }
    m_wirelessSockets.insert(interface, socket);
    return socket;
}

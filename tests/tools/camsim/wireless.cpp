// The simulated cameras' Wi-Fi side: joining a network after a restart or a WPS press, and
// answering from the wireless interface once joined.

#include "wireless.h"

#include <QDateTime>
#include <QJsonObject>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>

#include "camserver.h"
#include "simcamera.h"

namespace {

std::atomic<int> wpsPresses{0};
std::atomic<int> cablePulls{0};
std::atomic<int> cablePlugs{0};

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace

bool SimCamera::wirelessFromJson(const QJsonObject& json, SimCamera* camera, QString* error)
{
    if (!json.contains(QLatin1String("wireless")))
        return true;
    const QJsonObject wireless = json.value(QLatin1String("wireless")).toObject();
    auto text = [&wireless](const char* key) { return wireless.value(QLatin1String(key)).toString(); };
    camera->m_wirelessIp = text("ip").toUtf8();
    camera->m_wirelessInterface = text("interface");
    camera->m_wirelessSsid = text("ssid").toUtf8();
    camera->m_wirelessKey = text("key").toUtf8();
    camera->m_failSilentSeconds = wireless.value(QLatin1String("failSilentSeconds")).toInt(45);
    if (camera->m_wirelessIp.isEmpty() || camera->m_wirelessInterface.isEmpty()) {
        *error = QStringLiteral("camera %1: \"wireless\" needs \"ip\" and \"interface\"").arg(camera->m_mac);
        return false;
    }
    return true;
}

SimCamera::Link SimCamera::link() const
{
    if (m_link == Link::Offline && m_silentUntil != 0 && now() >= m_silentUntil)
        return Link::Cable;
    return m_link;
}

void SimCamera::afterRestart()
{
    if (!hasWireless() || m_network.value(9) != "1")
        return;
    const bool fits = QByteArray::fromBase64(m_network.value(11)) == m_wirelessSsid &&
                      QByteArray::fromBase64(m_network.value(18)) == m_wirelessKey;
    if (fits) {
        join();
        return;
    }
    m_link = Link::Offline;
    m_silentUntil = now() + m_failSilentSeconds * 1000;
}

void SimCamera::join()
{
    m_link = Link::Wireless;
    m_silentUntil = 0;
    m_ip = m_wirelessIp;
    m_network[23] = m_wirelessIp;
}

void SimCamera::pressWps()
{
    if (hasWireless())
        join();
}

void SimCamera::pullCable()
{
    if (hasWireless() && link() != Link::Wireless) {
        m_link = Link::Offline;
        m_silentUntil = 0;
    }
}

void SimCamera::plugCable()
{
    if (hasWireless() && link() == Link::Offline)
        m_link = Link::Cable;
}

void CamServer::plugCables()
{
    for (SimCamera& camera : m_cameras)
        camera.plugCable();
}

void CamServer::pressWps()
{
    for (SimCamera& camera : m_cameras)
        camera.pressWps();
}

void CamServer::pullCables()
{
    for (SimCamera& camera : m_cameras)
        camera.pullCable();
}

QUdpSocket* CamServer::socketFor(const SimCamera& camera)
{
    if (camera.onAccessPoint()) {
        QUdpSocket* socket = deviceSocket(camera.accessPointInterface(), camera.accessPointIp());
        return socket ? socket : &m_socket;
    }
    if (camera.link() != SimCamera::Link::Wireless)
        return &m_socket;
    const QString interface = camera.wirelessInterface();
    if (QUdpSocket* socket = m_wirelessSockets.value(interface))
        return socket;
    QUdpSocket* socket = new QUdpSocket(this);
    const QByteArray device = interface.toUtf8();
    if (!socket->bind(QHostAddress(QString::fromUtf8(camera.wirelessIp())), 0) ||
        setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_BINDTODEVICE, device.constData(),
                   socklen_t(device.size())) != 0) {
        std::fprintf(stderr, "camsim: cannot answer on %s from %s\n", device.constData(),
                     camera.wirelessIp().constData());
        delete socket;
        return &m_socket;
    }
    m_wirelessSockets.insert(interface, socket);
    return socket;
}

void watchButtons(CamServer* server)
{
    std::signal(SIGUSR1, [](int) { ++wpsPresses; });
    std::signal(SIGUSR2, [](int) { ++cablePulls; });
    std::signal(SIGHUP, [](int) { ++cablePlugs; });
    QTimer* timer = new QTimer(server);
    QObject::connect(timer, &QTimer::timeout, server, [server] {
        for (; cablePulls > 0; --cablePulls)
            server->pullCables();
        for (; cablePlugs > 0; --cablePlugs)
            server->plugCables();
        for (; wpsPresses > 0; --wpsPresses)
            server->pressWps();
    });
    timer->start(100);
}

#include "camserver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include "protocol/dcpcodec.h"

namespace {

QJsonValue signatureJson(SimCamera::Signature s)
{
    switch (s) {
    case SimCamera::Signature::Good:
        return true;
    case SimCamera::Signature::Bad:
        return false;
    case SimCamera::Signature::NotChecked:
        break;
    }
    return QJsonValue::Null;
}

QString latin1(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

}  // namespace

CamServer::CamServer(const QList<SimCamera>& cameras, quint16 port, QObject* parent)
    : QObject(parent)
    , m_cameras(cameras)
    , m_port(port)
{}

bool CamServer::start(const QString& recordPath, QString* error)
{
    if (!recordPath.isEmpty()) {
        m_record.setFileName(recordPath);
        if (!m_record.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            *error = QStringLiteral("cannot write the record file %1: %2").arg(recordPath, m_record.errorString());
            return false;
        }
    }
    if (!m_socket.bind(QHostAddress::AnyIPv4, m_port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        *error = QStringLiteral("cannot bind UDP port %1: %2").arg(m_port).arg(m_socket.errorString());
        return false;
    }
    // One socket plays every camera and hears all their broadcast answers back: room for a
    // thousand of them, so that a request right after a scan is not lost among them.
    m_socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 8 * 1024 * 1024);
    m_started = QDateTime::currentMSecsSinceEpoch();
    connect(&m_socket, &QUdpSocket::readyRead, this, &CamServer::readPending);
    return true;
}

void CamServer::readPending()
{
    while (m_socket.hasPendingDatagrams()) {
        QByteArray datagram(int(m_socket.pendingDatagramSize()), '\0');
        const qint64 size = m_socket.readDatagram(datagram.data(), datagram.size());
        if (size < 0)
            continue;
        datagram.truncate(int(size));
        handle(datagram);
    }
}

bool CamServer::isOwnAnswer(const QByteArray& srcMac6) const
{
    const QString src = macToText(srcMac6);
    for (const SimCamera& camera : m_cameras)
        if (sameMac(camera.mac(), src))
            return true;
    return false;
}

void CamServer::handle(const QByteArray& datagram)
{
    QByteArray dest6, src6, encoded, plain, cls, content;
    QString why;
    if (!dcpUnframe(datagram, &dest6, &src6, &encoded))
        why = QStringLiteral("bad frame");
    else if (isOwnAnswer(src6))
        return;
    else if (!dcpDecode(encoded, &plain))
        why = QStringLiteral("not in the DCP encoding");
    else
        dcpParseMessage(plain, &cls, &content, &why);
    if (!why.isEmpty()) {
        record({{"error", why}, {"size", datagram.size()}});
        return;
    }

    const DcpRequest request = DcpRequest::parse(cls, content, macToText(dest6));
    QJsonArray answered;
    QJsonValue signature = QJsonValue::Null;
    for (SimCamera& camera : m_cameras) {
        if (!camera.isAddressedBy(request))
            continue;
        SimCamera::Signature verdict = SimCamera::Signature::NotChecked;
        const QList<QByteArray> replies = camera.answer(request, &verdict);
        if (verdict != SimCamera::Signature::NotChecked)
            signature = signatureJson(verdict);
        QByteArray camera6;
        macFromText(camera.mac(), &camera6);
        for (const QByteArray& message : replies)
            socketFor(camera)->writeDatagram(dcpFrame(src6, camera6, dcpEncode(message)), QHostAddress::Broadcast,
                                             m_port);
        if (!replies.isEmpty())
            answered.append(camera.mac());
    }

    QJsonObject params;
    for (const auto& i : request.items)
        params.insert(latin1(i.first), latin1(i.second));
    record({{"class", latin1(cls)},
            {"mac", latin1(request.value("M"))},
            {"from", macToText(src6)},
            {"to", request.frameDest},
            {"text", latin1(content)},
            {"params", params},
            {"signature", signature},
            {"answered", answered}});
}

void CamServer::record(QJsonObject line)
{
    line.insert(QStringLiteral("time"), (QDateTime::currentMSecsSinceEpoch() - m_started) / 1000.0);
    if (m_record.isOpen()) {
        m_record.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
        m_record.flush();
    }
    if (m_limit > 0 && ++m_handled >= m_limit)
        QCoreApplication::quit();
}

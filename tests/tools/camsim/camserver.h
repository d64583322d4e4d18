#ifndef CAMSERVER_H
#define CAMSERVER_H

#include <QFile>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <QUdpSocket>

#include "simcamera.h"

// Receives DCP requests on one UDP port, lets every addressed camera answer and broadcasts
// the answers to 255.255.255.255 on that port, framed to the requesting PC interface.
// Each datagram received (except the cameras' own answers heard back) becomes one JSON
// line in the record file:
//   {"time":s, "class":"7", "mac":"<M item>", "from":"<frame source>", "to":"<frame destination>",
//    "text":"<content>", "params":{"D":...,"X":...}, "signature":true|false|null, "answered":[macs]}
// or, for a datagram that is not a DCP request, {"time":s, "error":"<why>", "size":n}.
class CamServer : public QObject
{
    Q_OBJECT
public:
    CamServer(const QList<SimCamera>& cameras, quint16 port, QObject* parent = nullptr);

    bool start(const QString& recordPath, QString* error);
    // Quits the event loop once this many datagrams have been handled (0: no limit).
    void setDatagramLimit(int limit) { m_limit = limit; }

    // The cameras' Wi-Fi side (wireless.cpp): every camera with one presses its WPS button,
    // loses its cable, or gets it back.
    void pressWps();
    void pullCables();
    void plugCables();

private slots:
    void readPending();

private:
    void handle(const QByteArray& datagram);
    bool isOwnAnswer(const QByteArray& srcMac6) const;
    void record(QJsonObject line);
    // The socket a camera answers from: its wireless interface's once it joined.
    QUdpSocket* socketFor(const SimCamera& camera);
    // A socket bound to ip that sends on interface only (accesspoint.cpp); null on failure.
    QUdpSocket* deviceSocket(const QString& interface, const QByteArray& ip);

    QList<SimCamera> m_cameras;
    quint16 m_port;
    QUdpSocket m_socket;
    QMap<QString, QUdpSocket*> m_wirelessSockets;
    QFile m_record;
    qint64 m_started = 0;
    int m_limit = 0;
    int m_handled = 0;
};

#endif  // CAMSERVER_H

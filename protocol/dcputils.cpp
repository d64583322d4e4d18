#include "dcputils.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "log.h"

DCPUtils::DCPUtils()
{
    WLOG << "DCPUtils Constructor Initializing ...";
    networkManager = new QNetworkAccessManager(this);
    connect(networkManager, SIGNAL(finished(QNetworkReply*)), this, SLOT(deviceCGICallBack(QNetworkReply*)));
    connect(networkManager, SIGNAL(sslErrors(QNetworkReply*, QList<QSslError>)), this,
            SLOT(sslErrors(QNetworkReply*, QList<QSslError>)));
    connect(networkManager, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), this,
            SLOT(checkRequestAuthRequired(QNetworkReply*, QAuthenticator*)));
}

DCPUtils::~DCPUtils() = default;

bool DCPUtils::openUDPSocketRecv(quint16 port)
{
    if (!udpSocket.bind(QHostAddress::Any, port))
        return false;
    connect(&udpSocket, SIGNAL(readyRead()), this, SLOT(handleDCPresponse()));
    connect(&udpSocket, SIGNAL(error(QAbstractSocket::SocketError)), this,
            SLOT(handleSocketError(QAbstractSocket::SocketError)));
    return true;
}

void DCPUtils::closeUDPSocketRecv()
{
    disconnect(&udpSocket, nullptr, this, nullptr);
    udpSocket.close();
}

bool DCPUtils::openTCPSocketRecv(int port)
{
    if (!tcpServer.listen(QHostAddress::Any, quint16(port))) {
        WLOG << "TCP Server is not Listening ...";
        return false;
    }
    WLOG << QString("Tcp Server is Listening Port %1 ...").arg(port);
    connect(&tcpServer, SIGNAL(newConnection()), this, SLOT(acceptConnection()));
    return true;
}

void DCPUtils::composeDCPMessage(QByteArray, QString, QString, QHostAddress, QString, QByteArray) {}
void DCPUtils::dcpClass01_Scan(QString, QString, QString, QString) {}
void DCPUtils::dcpClass02_GetOlvarisInfo(int, int) {}
void DCPUtils::dcpClass02_SetRegistered(int, QString, QString) {}
void DCPUtils::dcpClass03_GetNetworkSetup(int) {}
void DCPUtils::dcpClass03_SetNetworkSetup(int, QByteArray) {}
void DCPUtils::dcpClass04_GetAPSearch(int) {}
void DCPUtils::dcpClass07_CheckPassword(int, QByteArray, QByteArray) {}
void DCPUtils::dcpClass08S_PingDevice(int) {}
void DCPUtils::dcpClass09_RestartHttpSrv(int, QByteArray) {}
void DCPUtils::DCPSyncTime(int) {}
void DCPUtils::Class10SyncTime(int, QString) {}
int DCPUtils::handleScanResponse(QByteArray, QString) { return -1; }
int DCPUtils::handleOlvarisInfoResponse(QByteArray) { return -1; }
int DCPUtils::handleNetConfigResponse(QByteArray) { return -1; }
int DCPUtils::handleAPsearchResponse(QByteArray) { return -1; }
int DCPUtils::handleCheckPasswordResponse(QByteArray) { return -1; }
int DCPUtils::handlePingResponse(QByteArray) { return -1; }
int DCPUtils::handleCMDResponse(QByteArray) { return -1; }
int DCPUtils::handleRestartResponse(QByteArray) { return -1; }
void DCPUtils::setDatagramTarget(const QHostAddress& address, quint16 port)
{
    datagramTarget = address;
    datagramPort = port;
}
void DCPUtils::handleDatagram(const QByteArray&) {}
void DCPUtils::handleDCPresponse() {}
void DCPUtils::handleSocketError(QAbstractSocket::SocketError) {}
void DCPUtils::acceptConnection() {}
void DCPUtils::handleOpenapiResponse() {}

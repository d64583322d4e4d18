#ifndef DCPUTILS_H
#define DCPUTILS_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSslError>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include "protocol/requesthead.h"

class IPCamera;
class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;

// The camera control protocol: request builders, the receive dispatcher and its reply
// handlers, the OAuth redirect and its local listener, and the cameras' HTTPS CGI requests.
class DCPUtils : public QObject
{
    Q_OBJECT
public:
    DCPUtils();
    ~DCPUtils() override;

    QNetworkAccessManager* networkManager;

    // Sockets.
    bool openUDPSocketRecv(quint16 port);
    void closeUDPSocketRecv();
    bool openTCPSocketRecv(int port);

    // Datagram composition and the request builders (one request class each).
    void composeDCPMessage(QByteArray cls, QString hostMac, QString camMac, QHostAddress from, QString model,
                           QByteArray params);
    void dcpClass01_Scan(QString hostMac, QString hostIp, QString model, QString destMac);
    void dcpClass02_GetOlvarisInfo(int idx, int mode);
    void dcpClass02_SetRegistered(int idx, QString password, QString registerBit);
    void dcpClass03_GetNetworkSetup(int idx);
    void dcpClass03_SetNetworkSetup(int idx, QByteArray params);
    void dcpClass04_GetAPSearch(int idx);
    void dcpClass07_CheckPassword(int idx, QByteArray params, QByteArray password64);
    void dcpClass08S_PingDevice(int idx);
    void dcpClass09_RestartHttpSrv(int idx, QByteArray params);
    void DCPSyncTime(int idx);
    void Class10SyncTime(int idx, QString zone);

    // Reply handlers; each returns the camera index (or 0) when handled, -1 otherwise.
    int handleScanResponse(QByteArray content, QString destLower);
    int handleOlvarisInfoResponse(QByteArray content);
    int handleNetConfigResponse(QByteArray content);
    int handleAPsearchResponse(QByteArray content);
    int handleCheckPasswordResponse(QByteArray content);
    int handlePingResponse(QByteArray content);
    int handleCMDResponse(QByteArray content);
    int handleRestartResponse(QByteArray content);

    // Where composed datagrams go: 255.255.255.255:5978 unless a test points them elsewhere.
    void setDatagramTarget(const QHostAddress& address, quint16 port);
    // One received datagram, as handleDCPresponse reads it from the socket.
    void handleDatagram(const QByteArray& datagram);

    // Camera clock and time zones over the camera's HTTPS CGI.
    QString getTimeZoneOffset();
    QStringList getTimeZoneList();
    QStringList getGMTOffset();
    void CGISyncTime(int pos, int mode);
    void CGISyncTime_KORVA(int n);
    void CGISyncTime_T4X(int n);
    void TdbSetWirelessKeytoLatin1();
    void TdbSetWirelessKey(QString params);

    // Firewall rule for the program.
    void addFireWallRule();
    void deleteFireWallRule();

    // The listener on the redirect address admits only peers on this machine. It completes no flow:
    // every request whose head comes whole is answered with a page that sends the person back to the
    // wizard. A redirect is taken only from the cloud views (CloudSite::Manager, takeRedirect).
    static bool isRedirectPeerAllowed(const QHostAddress& peer);
    // A redirect is taken once, when its "state" is exactly the one a waiting sign-in or sign-up
    // sent; an empty state: that flow waits for none.
    enum class RedirectFlow
    {
        SignIn,
        SignUp,
    };
    void expectRedirect(RedirectFlow flow, const QByteArray& state);
    void expectNoRedirect();
    // One redirect's query (the text after "?", as sent), which a cloud view's navigation led to:
    // when it carries exactly the state of a waiting flow, that flow stops waiting, redirectReceived
    // and its gotOpenAPI signal are emitted and true is returned. received names it in the log.
    bool takeRedirect(const QByteArray& query, const QByteArray& received);
    // While on, scan replies emit deviceConnnectionReady instead of foundDevice.
    void setDeviceConnectionMode(bool on);

signals:
    void foundDevice(int idx);
    void deviceConnnectionReady(int idx);
    void gotPassword(int idx);
    void gotPasswordInitStatus(int idx);
    void checkPasswordMatching(int idx);
    void checkPasswordMisMatching(int idx);
    void gotNetworkConfig(int idx);
    void gotAPnetwork();
    void gotPingRsp();
    void gotOlvarisInfo(int idx);
    void gotRegisterInfo(int idx);
    void gotOpenAPISignIn(const QString& access_token, const QString& target_site);
    void gotOpenAPISignUp(const QString& access_token);
    void redirectReceived();

public slots:
    void handleDCPresponse();
    void handleSocketError(QAbstractSocket::SocketError error);
    void acceptConnection();
    void handleOpenapiResponse();
    void deviceCGICallBack(QNetworkReply* reply);
    void sslErrors(QNetworkReply* reply, QList<QSslError> errors);
    void checkRequestAuthRequired(QNetworkReply* reply, QAuthenticator* authenticator);

private:
    QUdpSocket udpSocket;
    // Each open redirect connection's request head as it comes; before the server, whose sockets
    // leave it as they are destroyed.
    QHash<QTcpSocket*, RequestHead> redirectHeads;
    QTcpServer tcpServer;
    QPointer<QTcpSocket> tcpSocket;  // the connection accepted last
    QList<QPointer<QTcpSocket>> redirectSockets;
    QByteArray signInState;  // what the waiting flows sent; empty: none waits
    QByteArray signUpState;
    bool deviceConnectionMode = false;
    // The Base64 password last sent to each camera (by its macKey) in a class 7 request.
    QHash<QString, QByteArray> sentPasswords;

    // Time since the last scan sent; invalid before the first. Scan replies are taken while open.
    QElapsedTimer scanClock;
    QSet<QString> announcedThisScan;  // macKey of each camera announced
    bool broadcastScan = false;
    QString scanTargetMac;
    QHostAddress datagramTarget{QHostAddress::Broadcast};
    quint16 datagramPort = 5978;

    // First steps of every builder but the scan: false (logged) when idx names no camera;
    // otherwise *from becomes the PC interface address that reaches the camera and, for
    // new-protocol cameras, ";X=" and the signature are appended to *params. The signing
    // password is the record's, or fromBase64(*password64) when given. *signedText (when
    // given) receives the signature input, which holds the password in clear.
    bool prepareRequest(int idx, const QByteArray& cls, QByteArray* params, QHostAddress* from,
                        const QByteArray* password64 = nullptr, QByteArray* signedText = nullptr);
    // composeDCPMessage for camera idx: its MACHost, MAC and model.
    void sendRequest(int idx, const QByteArray& cls, const QHostAddress& from, const QByteArray& params);
    // Index of the first camera whose MAC is the value of the reply's first M item; -1 none, -2 no M item.
    int cameraOfReply(const QByteArray& content) const;
    // cameraOfReply, or -1: noMacLog is logged for a reply without an M item, and noResultLog (when
    // given) with the camera's MAC for a reply without ";R=".
    int replyCamera(const QByteArray& content, const char* noMacLog, const char* noResultLog = nullptr) const;
    // The clock requests: ";T=" + value, signed for new cameras, sent to camera idx.
    void sendTimeRequest(int idx, const QByteArray& cls, const QString& value);
    // The ping, command and restart replies: taken only from a camera in waitState, which then
    // gets gotState, and parsed.
    int handleResultReply(const QByteArray& content, const char* noMacLog, int waitState, int gotState,
                          void (IPCamera::*parse)(QByteArray));
    bool scanOpen() const;
    void dispatchReply(const QByteArray& cls, const QByteArray& content, const QString& destLower);
    // Reads what socket has sent; once its head (request line and headers) is complete the socket
    // leaves redirectSockets and gets the page that sends the person back to the wizard.
    void readRedirectSocket(QTcpSocket* socket);
};

#endif  // DCPUTILS_H

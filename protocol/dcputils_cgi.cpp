// DCPUtils: the camera's HTTPS CGI requests (clock, Wi-Fi key) with their reply slots,
// the time-zone texts, the clock over DCP and the firewall rule.
#include "protocol/dcputils.h"

#include <QAuthenticator>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "base/globals.h"
#include "base/log.h"
#include "base/replylimits.h"
#include "platform/firewall.h"
#include "protocol/cameracgi.h"
#include "protocol/ipcamera.h"
#include "protocol/timezones.h"
#include "protocol/wallclock.h"

namespace {

// The camera the user chose, or null (logged) when IPCameraIdx names none.
const IPCamera* chosenCameraOrLog()
{
    const IPCamera* camera = chosenCamera();
    if (!camera)
        WLOG << "No camera chosen (IPCameraIdx :" << IPCameraIdx << "of" << IPCameraList.size()
             << "cameras); choose a camera on the discovery page first";
    return camera;
}

// One CGI request to the camera: GET its base address + pathAndQuery with its Basic credentials.
// The reply reaches deviceCGICallBack through the manager's finished signal.
void sendCameraCgi(QNetworkAccessManager* manager, const IPCamera& camera, const QString& pathAndQuery,
                   const char* urlLabel)
{
    WLOG << "";
    const QString base = CameraCgi::baseUrlWithPort(camera);
    if (base.isEmpty()) {
        WLOG << "Camera CGI request refused: the camera's address" << camera.IPAddr << "or HTTPS port"
             << camera.networkconf.Https_port << "is not a plain IPv4 address and port; scan again";
        return;
    }
    const QString url = base + pathAndQuery;
    WLOG << urlLabel << url;
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    const QByteArray basic = CameraCgi::basicCredentials(camera);
    WLOG << " Basic " << maskSecret(QString::fromLatin1(basic));
    request.setRawHeader("Authorization", "Basic " + basic);
    manager->get(request);
}

// Process output as text, up to its first zero byte.
QString outputText(const QByteArray& output)
{
    return QString::fromLocal8Bit(output.constData());
}

QString countryNumber()
{
    return QString::number(int(QLocale().country()));
}

// The signature input for the log: the signed text with its trailing password masked.
QString maskedSignedText(const QByteArray& signedText, const QByteArray& params)
{
    const int at = signedText.indexOf(params);
    if (at < 0)
        return maskSecret(QString::fromLatin1(signedText));
    const int end = at + params.size();
    return QString::fromLatin1(signedText.left(end)) + maskSecret(QString::fromLatin1(signedText.mid(end)));
}

}  // namespace

QString DCPUtils::getTimeZoneOffset()
{
    const QDateTime now = WallClock::now();
    const QDateTime utc = now.toUTC();
    WLOG << "dt1 " << now;
    WLOG << "dt2 " << utc;
    const QDateTime nowLabelledUtc(now.date(), now.time(), Qt::UTC);
    WLOG << "dt1 UTC" << nowLabelledUtc;
    const QString offset = TimeZones::hourOffsetText(utc.secsTo(nowLabelledUtc));
    WLOG << "QStringarg(offset) " << offset;
    return offset;
}

QStringList DCPUtils::getTimeZoneList()
{
    const IPCamera* camera = chosenCameraOrLog();
    const bool korva = camera && CameraCgi::isKorva(CameraCgi::catalogueDialect(camera->modelName));
    QStringList zones;
    if (korva) {
        WLOG << "Generating KORVA Timezone List...";
        zones = TimeZones::korvaZoneList();
    } else {
        WLOG << "Generating T4X Timezone List.";
        zones = TimeZones::t4xZoneList();
    }
    WLOG << "getTimeZoneList finished";
    return zones;
}

QStringList DCPUtils::getGMTOffset()
{
    WLOG << "getGMTOffset finished";
    return TimeZones::gmtOffsetList();
}

void DCPUtils::CGISyncTime(int pos, int mode)
{
    const IPCamera* camera = chosenCameraOrLog();
    if (!camera)
        return;
    if (CameraCgi::isKorva(CameraCgi::clockDialect(mode, camera->modelName)))
        CGISyncTime_KORVA(pos + 1);
    else
        CGISyncTime_T4X(pos + 1);
}

void DCPUtils::CGISyncTime_KORVA(int n)
{
    const IPCamera* camera = chosenCameraOrLog();
    if (!camera)
        return;
    const QString request = CameraCgi::korvaClockRequest(n, modelText(camera->modelName), WallClock::now());
    sendCameraCgi(networkManager, *camera, request, " url = ");
}

void DCPUtils::CGISyncTime_T4X(int n)
{
    const IPCamera* camera = chosenCameraOrLog();
    if (!camera)
        return;
    sendCameraCgi(networkManager, *camera, CameraCgi::t4xClockRequest(n, WallClock::now()), "url = ");
}

void DCPUtils::TdbSetWirelessKeytoLatin1()
{
    TdbSetWirelessKey("WEPKeyFormat=0");
}

void DCPUtils::TdbSetWirelessKey(QString params)
{
    const IPCamera* camera = chosenCameraOrLog();
    if (!camera)
        return;
    sendCameraCgi(networkManager, *camera, CameraCgi::wirelessRequest(params), "url = ");
}

void DCPUtils::deviceCGICallBack(QNetworkReply* reply)
{
    const QString status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
    WLOG << "[CGI] callback http status code :" << status;
    if (reply->error() != QNetworkReply::NoError) {
        WLOG << "Error Code :" << int(reply->error());
        if (ReplyLimits::stopped(reply) != ReplyLimits::Stop::None)
            WLOG << "[CGI] answer dropped" << ReplyLimits::stopNote(reply);
    } else {
        // Only a prefix of the answer goes into the log.
        WLOG << "[CGI] callback http return value :"
             << QString::fromUtf8(reply->read(ReplyLimits::kAnswerLogBytes).constData());
        if (status == "200")
            WLOG << "[CGI] callback 200 OK";
        else
            WLOG << "[CGI] callback Error Code :" << int(reply->error());
    }
    reply->deleteLater();
}

void DCPUtils::sslErrors(QNetworkReply* reply, QList<QSslError> errors)
{
    // Cameras present self-signed certificates.
    QStringList texts;
    for (const QSslError& error : errors)
        texts << error.errorString();
    WLOG << texts.join(", ");
    reply->ignoreSslErrors();
}

void DCPUtils::checkRequestAuthRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    WLOG << "check request auth required!";
    // Wrong credentials are not retried: later challenges end as authentication errors.
    disconnect(networkManager, &QNetworkAccessManager::authenticationRequired, nullptr, nullptr);
    WLOG << "str_authenticator = " << static_cast<void*>(authenticator);
    reply->deleteLater();
}

void DCPUtils::sendTimeRequest(int idx, const QByteArray& cls, const QString& value)
{
    QByteArray params = ";T=" + value.toUtf8();
    const QByteArray unsignedParams = params;
    QHostAddress from;
    QByteArray signedText;
    if (!prepareRequest(idx, cls, &params, &from, nullptr, &signedText))
        return;
    if (!signedText.isEmpty())
        WLOG << "before MD5 = " << maskedSignedText(signedText, unsignedParams);
    sendRequest(idx, cls, from, params);
}

void DCPUtils::DCPSyncTime(int idx)
{
    const QDateTime now = WallClock::now();
    const QString value = countryNumber() + "-" + now.toString("yyyy-MM-dd-hh-mm-ss");
    WLOG << value;
    sendTimeRequest(idx, "2", value);
}

void DCPUtils::Class10SyncTime(int idx, QString zone)
{
    const QDateTime now = WallClock::now();
    const QString value =
        (zone.isEmpty() ? QString("99") : zone) + ":" + countryNumber() + ":" + now.toString("yyyy:MM:dd:hh:mm:ss");
    WLOG << " DCP 2 set time = " << value;
    sendTimeRequest(idx, "10", value);
}

void DCPUtils::addFireWallRule()
{
    const QString path = Platform::firewallProgramPath();
    WLOG << "addFireWallRule () path:" << path;
    const QString cmd = Platform::firewallAddCommand(Platform::windowsVersion(), path);
    if (cmd.isEmpty()) {
        WLOG << "Not support Window OS" << cmd;
        return;
    }
    WLOG << "addFireWallRule () cmd:" << cmd;
    const Platform::ProcessResult result = Platform::runFirewallCommand(cmd);
    WLOG << "...........addFireWallRule() p_stdout:" << outputText(result.standardOutput);
    WLOG << "...........addFireWallRule() p_stderr:" << outputText(result.standardError);
}

void DCPUtils::deleteFireWallRule()
{
    const int version = Platform::windowsVersion();
    const QString cmd = Platform::firewallDeleteCommand(version, Platform::firewallProgramPath());
    if (cmd.isEmpty())
        return;
    WLOG << "deleteFireWallRule () cmd:" << cmd;
    const Platform::ProcessResult result = Platform::runFirewallCommand(cmd);
    WLOG << "...........deleteFireWallRule() p_stdout:" << outputText(result.standardOutput);
    WLOG << "...........deleteFireWallRule() p_stderr:" << outputText(result.standardError);
}

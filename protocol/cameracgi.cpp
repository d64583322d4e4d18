#include "protocol/cameracgi.h"

#include <QStringList>

#include <algorithm>
#include <cctype>

#include "base/endpoints.h"
#include "base/globals.h"
#include "protocol/ipv4.h"

namespace CameraCgi {

namespace {

QString dateText(const QDateTime& now)
{
    return now.toString("yyyy-MM-dd");
}

QString timeText(const QDateTime& now)
{
    return now.toString("hh:mm:ss");
}

// Models whose manual clock form carries no time zone.
bool isMethod2Model(const QString& model)
{
    return model == "VKC-3100" || model == "VKC-4710" || model == "VKC-4720";
}

}  // namespace

QString catalogueDialect(const QByteArray& modelName)
{
    return CGIProtocolMap.value(modelText(modelName));
}

bool isKorva(const QString& dialect)
{
    return dialect == "1";
}

QString clockDialect(int mode, const QByteArray& modelName)
{
    switch (mode) {
    case 0:
        return catalogueDialect(modelName);
    case 1:
        return "1";
    case 2:
        return "2";
    default:
        return "0";
    }
}

QString baseUrlWithPort(const IPCamera& camera)
{
    if (!isDottedIPv4(camera.IPAddr))
        return QString();
    QString url = "https://" + camera.IPAddr;
    const QByteArray& port = camera.networkconf.Https_port;
    if (isNewDcp(camera.DCPVersion) && !port.isEmpty()) {
        bool number = false;
        const int value = port.toInt(&number);
        if (!number || value < 1 || value > 65535 ||
            !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return QString();
        url += ":" + QString::fromLatin1(port);
    }
    return url;
}

QByteArray password(const IPCamera& camera)
{
    return isNewDcp(camera.DCPVersion) ? QByteArray::fromBase64(camera.password) : camera.password;
}

QByteArray credentials(const IPCamera& camera)
{
    return QByteArray("admin:") + password(camera);
}

QByteArray basicCredentials(const IPCamera& camera)
{
    return credentials(camera).toBase64();
}

QString korvaClockRequest(int zone, const QString& model, const QDateTime& now)
{
    QString request = "/config/datetime.cgi?";
    if (zone >= 0)
        request += QString("method=1&timeserver=%1&timezone=%2").arg(Endpoints::kTimeServerHost).arg(zone);
    else if (isMethod2Model(model))
        request += "method=2&date=" + dateText(now) + "&time=" + timeText(now);
    else
        request += "timezone=0&method=0&date=" + dateText(now) + "&time=" + timeText(now);
    return request;
}

QString t4xClockRequest(int zone, const QDateTime& now)
{
    QString request = "/datetime.cgi?&Date=" + dateText(now) + "&Time=" + timeText(now);
    if (zone < 0)
        request += "&DateTimeMode=1&TimeZoneIndex=0&ConfigReboot=No";
    else
        request += QString("&DateTimeMode=0&TimeServerIPAddress=%1&TimeZoneIndex=%2&ConfigReboot=No")
                       .arg(Endpoints::kTimeServerHost)
                       .arg(zone);
    return request;
}

QString wirelessRequest(const QString& params)
{
    return "/wireless.cgi?" + params + "&ConfigReboot=No";
}

}  // namespace CameraCgi

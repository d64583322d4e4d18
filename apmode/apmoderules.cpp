#include "apmode/apmoderules.h"

#include <QRegExp>
#include <QUrl>

#include "protocol/cameracgi.h"

namespace APModeRules {

namespace {

bool atAccessPointAddress(const IPCamera& camera)
{
    return camera.IPAddr == QLatin1String(kAccessPointAddress);
}

}  // namespace

FindVerdict classifyFoundCameras(const QList<IPCamera>& cameras, const QString& supportType, bool localView)
{
    if (cameras.size() >= 2)
        return FindVerdict::MoreThanOne;
    if (cameras.isEmpty())
        return FindVerdict::KeepWaiting;
    const IPCamera& camera = cameras.first();
    const bool rightModel = localView || modelText(camera.modelName) == supportType;
    const bool stateKnown = camera.dcpStatus == IPCamera::GOT_PWD_STATUS;
    if (atAccessPointAddress(camera)) {
        if (!rightModel)
            return FindVerdict::WrongModel;
        return stateKnown ? FindVerdict::Accept : FindVerdict::KeepWaiting;
    }
    return rightModel ? FindVerdict::NotInAccessPointMode : FindVerdict::KeepWaiting;
}

bool needsNoPassword(const IPCamera& camera)
{
    return camera.bPassword == "1" && camera.password.isEmpty();
}

bool usesAlphanumericRule(const IPCamera& camera)
{
    return needsNoPassword(camera);
}

bool passwordFitsRule(const QString& text, bool alphanumeric)
{
    QRegExp rule(alphanumeric ? "[A-Za-z0-9]{6,30}" : "[!-~]{6,30}");
    return rule.exactMatch(text);
}

const char* passwordRuleHint(bool alphanumeric)
{
    return alphanumeric ? QT_TRANSLATE_NOOP("APModeHostToDevicePasswordVerify",
                                            "Please check that your password is 6-30 alphanumeric characters "
                                            "with no spaces.")
                        : QT_TRANSLATE_NOOP("APModeHostToDevicePasswordVerify",
                                            "Please check that your password is 6-30 characters with no spaces.");
}

bool localPasswordMatches(const QString& typed, const QByteArray& stored)
{
    return typed == QString::fromUtf8(stored.constData());
}

bool agentSwitchesAccessPointOff(const QByteArray& agentVersion)
{
    return QString("2.0.17-b82") < QString::fromLatin1(agentVersion);
}

QString accessPointOffUrl(const IPCamera& camera, const QString& dialect)
{
    const char* path = CameraCgi::isKorva(dialect) ? "/config/wireless_ap.cgi?enable=off"
                                                   : "/wireless.cgi?WirelessDisable=0&WirelessMode=0&ConfigReboot=No";
    const QString base = CameraCgi::baseUrlWithPort(camera);
    return base.isEmpty() ? QString() : base + QLatin1String(path);
}

QNetworkRequest accessPointOffRequest(const IPCamera& camera, const QString& dialect)
{
    const QString url = accessPointOffUrl(camera, dialect);
    if (url.isEmpty())
        return QNetworkRequest();
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Authorization", "Basic " + CameraCgi::basicCredentials(camera));
    return request;
}

bool passesRediscovery(const IPCamera& camera, const QString& supportType, bool localView)
{
    return (localView || modelText(camera.modelName) == supportType) && camera.dcpStatus == IPCamera::GOT_PWD_STATUS &&
           !atAccessPointAddress(camera) && camera.IPAddr != QLatin1String("192.168.0.20");
}

RediscoveryPopup rediscoveryPopupFor(int tryDiscoveryNum)
{
    return tryDiscoveryNum > 1 ? RediscoveryPopup::Reset : RediscoveryPopup::TryAgain;
}

const char* ssidRefusal(const QString& ssid)
{
    return ssid.isEmpty() ? QT_TRANSLATE_NOOP("APModeDeviceToRouter", "Please enter the Network Name (SSID)") : nullptr;
}

const char* keyRefusal(const QString& key, bool openNetwork)
{
    return key.isEmpty() && !openNetwork
               ? QT_TRANSLATE_NOOP("APModeDeviceToRouter", "Please enter the wireless password")
               : nullptr;
}

}  // namespace APModeRules

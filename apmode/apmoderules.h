#ifndef APMODERULES_H
#define APMODERULES_H

#include <QByteArray>
#include <QList>
#include <QNetworkRequest>
#include <QString>

#include "protocol/ipcamera.h"

// The decisions of the access-point pages, as plain functions.
namespace APModeRules {

// The address a camera answers from on its own access point.
inline const char* const kAccessPointAddress = "10.255.255.1";

// What a search tick makes of the cameras found so far.
enum class FindVerdict
{
    KeepWaiting,
    Accept,
    NotInAccessPointMode,  // one camera of the chosen model, at another address
    WrongModel,            // one camera at the access-point address, of another model
    MoreThanOne,
};
FindVerdict classifyFoundCameras(const QList<IPCamera>& cameras, const QString& supportType, bool localView);

// An accepted camera without a password goes straight to the Wi-Fi step.
bool needsNoPassword(const IPCamera& camera);

// The access-point password rule: letters and digits for a camera without a password, else
// printable ASCII without space; 6 to 30 characters.
bool usesAlphanumericRule(const IPCamera& camera);
bool passwordFitsRule(const QString& text, bool alphanumeric);
const char* passwordRuleHint(bool alphanumeric);

// Older cameras (DCP below "2.0") are checked against the password they disclosed.
bool localPasswordMatches(const QString& typed, const QByteArray& stored);

// A camera whose agent version sorts after "2.0.17-b82" switches its access point off over CGI.
// The versions are compared as plain text, character by character: "2.0.9" sorts after it.
bool agentSwitchesAccessPointOff(const QByteArray& agentVersion);

// The CGI request that switches the access point off: address, port rule, dialect path and
// the camera's Basic credentials. Empty (no URL, no credentials) when the camera's address is
// not a plain IPv4 address or its port is not a port number.
QString accessPointOffUrl(const IPCamera& camera, const QString& dialect);
QNetworkRequest accessPointOffRequest(const IPCamera& camera, const QString& dialect);

// The rediscovery on the home network takes a camera with a home address and a known
// password state (and, outside local-only mode, the chosen model).
bool passesRediscovery(const IPCamera& camera, const QString& supportType, bool localView);

// Which popup a rediscovery timeout opens after tryDiscoveryNum retries.
enum class RediscoveryPopup
{
    TryAgain,  // "Close" / "Retry"
    Reset,     // "Reset" / "Retry"
};
RediscoveryPopup rediscoveryPopupFor(int tryDiscoveryNum);

// The Wi-Fi settings the camera must not be given: its access point would go off and the
// camera would be lost until it is reset. Empty when the input may be sent; otherwise the
// untranslated message for the field (context "APModeDeviceToRouter").
const char* ssidRefusal(const QString& ssid);
const char* keyRefusal(const QString& key, bool openNetwork);

}  // namespace APModeRules

#endif  // APMODERULES_H

#include "wifi/wifisettings.h"

#include "protocol/apsearchresult.h"

namespace WifiSettings {

namespace {
const QByteArray kKeyItem = ";18=";
}

QByteArray content(const Network& network)
{
    return ";9=1;10=" + network.mode + ";11=" + network.ssid.toBase64() + ";14=" + network.authMode +
           ";15=" + network.secMethod + kKeyItem + network.key.toBase64();
}

Network surveyed(const APSearchResult& list, int row, const QString& typedKey)
{
    if (row < 0 || row >= list.AP_SSID.size() || row >= list.AP_Mode.size() || row >= list.AP_AuthMode.size() ||
        row >= list.AP_SecMethod.size())
        return Network();
    Network network;
    network.mode = list.AP_Mode.at(row);
    network.ssid = list.AP_SSID.at(row);
    network.authMode = list.AP_AuthMode.at(row);
    network.secMethod = list.AP_SecMethod.at(row);
    if (network.authMode != "0")
        network.key = typedKey.toUtf8();
    return network;
}

Network typed(const QString& ssid, int securityIndex, int encryptionIndex, const QString& key)
{
    return {"0", ssid.toUtf8(), QByteArray::number(securityIndex), QByteArray::number(encryptionIndex), key.toUtf8()};
}

QByteArray maskedForLog(const QByteArray& content)
{
    const int at = content.indexOf(kKeyItem);
    if (at < 0 || at + kKeyItem.size() == content.size())
        return content;
    return content.left(at + kKeyItem.size()) + "********";
}

}  // namespace WifiSettings

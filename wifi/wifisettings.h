#ifndef WIFISETTINGS_H
#define WIFISETTINGS_H

#include <QByteArray>
#include <QString>

class APSearchResult;

// The Wi-Fi part of a class 3 set request, shared by the Wi-Fi page and the access-point road.
namespace WifiSettings {

// One network as it goes to the camera: the values of items 10, 11, 14, 15 and 18.
struct Network
{
    QByteArray mode;       // item 10
    QByteArray ssid;       // item 11, raw bytes
    QByteArray authMode;   // item 14
    QByteArray secMethod;  // item 15
    QByteArray key;        // item 18, raw bytes; empty on an open network
};

// ";9=1;10=<mode>;11=<b64 ssid>;14=<auth>;15=<sec>;18=<b64 key>", standard Base64 with padding.
QByteArray content(const Network& network);

// Row `row` of a camera's survey with the typed key; an open network (auth "0") sends no key.
// A row outside the list gives an empty network.
Network surveyed(const APSearchResult& list, int row, const QString& typedKey);

// A network typed by hand: mode "0", the two combo indexes, SSID and key as UTF-8.
Network typed(const QString& ssid, int securityIndex, int encryptionIndex, const QString& key);

// The content with the key's value masked, for the log.
QByteArray maskedForLog(const QByteArray& content);

}  // namespace WifiSettings

#endif  // WIFISETTINGS_H

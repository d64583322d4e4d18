#include "wifi/wirelessrules.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "base/log.h"

namespace WirelessRules {

namespace {

const char* const kSsidMessage =
    QT_TRANSLATE_NOOP("WirelessMessageBox", "Could not save your wireless settings. Please try again.");
const char* const kWepMessage = QT_TRANSLATE_NOOP(
    "WirelessMessageBox", "Wireless password can only be 5 or 13 ASCII characters, or<br>10 or 26 HEX.");
const char* const kWpaMessage =
    QT_TRANSLATE_NOOP("WirelessMessageBox", "Wireless password only supports 8-63 ASCII characters, or<br>64 HEX.");

bool matchesWhole(const QString& text, const char* pattern)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
    return expression.match(text).hasMatch();
}

Verdict verdict(bool valid, const char* message)
{
    return {valid, valid ? nullptr : message};
}

Verdict wepKey(const QString& key)
{
    const int n = key.length();
    WLOG << "WEP 01 passwordLength" << n;
    if (n == 5 || n == 13) {
        const bool ok = matchesWhole(key, "[!-~]{5,13}");
        if (!ok)
            WLOG << "WEP 02 not [!-~]{5,13}";
        return verdict(ok, kWepMessage);
    }
    if (n == 10 || n == 26) {
        const bool ok = matchesWhole(key, "[0-9A-Fa-f]{10,26}");
        if (!ok)
            WLOG << "WEP 03 not [0-9A-Fa-f]{10,26}";
        return verdict(ok, kWepMessage);
    }
    return verdict(false, kWepMessage);
}

Verdict wpaKey(const QString& key)
{
    const int n = key.length();
    WLOG << "WPA 01 passwordLength" << n;
    if (n == 0) {
        WLOG << "WPA 02 passwordLength==0";
        return verdict(false, kWpaMessage);
    }
    if (n == 64) {
        const bool ok = matchesWhole(key, "[0-9A-Fa-f]{64}");
        if (!ok)
            WLOG << "WPA 03 passwordLength not 64 HEX";
        return verdict(ok, kWpaMessage);
    }
    const bool ok = n >= 8 && n <= 63 && matchesWhole(key, "[!-~]{8,63}");
    if (!ok)
        WLOG << "WPA 04 passwordLength 8-63 ASCII characters, or 64 HEX";
    return verdict(ok, kWpaMessage);
}

}  // namespace

Verdict validateSsid(const QString& ssid)
{
    return verdict(matchesWhole(ssid, "[ -~]{1,32}"), kSsidMessage);
}

Verdict validateWifiKey(const QString& securityText, const QString& key)
{
    if (securityText.contains("WEP"))
        return wepKey(key);
    if (securityText.contains("WPA"))
        return wpaKey(key);
    return verdict(true, nullptr);
}

QString errorText(const QString& message, int lineHeight)
{
    return QString("<p style=line-height:%1px><font face=Verdana color=#FF0000>").arg(lineHeight) + message +
           "</font></p>";
}

}  // namespace WirelessRules

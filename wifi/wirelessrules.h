#ifndef WIRELESSRULES_H
#define WIRELESSRULES_H

#include <QString>

// The checks of the manual Wi-Fi entry, free of widgets. A verdict names the failed rule's
// message (untranslated source text, context "WirelessMessageBox"), or none when it passed.
namespace WirelessRules {

struct Verdict
{
    bool valid;
    const char* message;  // null when valid
};

// 1 to 32 printable ASCII characters, space included.
Verdict validateSsid(const QString& ssid);

// By the security type's text: "WEP" types take 5 or 13 printable characters or 10 or 26
// hex digits; "WPA" types 8 to 63 printable characters or 64 hex digits; others anything.
Verdict validateWifiKey(const QString& securityText, const QString& key);

// The red message under a field: "<p style=line-height:<lineHeight>px>...".
QString errorText(const QString& message, int lineHeight);

}  // namespace WirelessRules

#endif  // WIRELESSRULES_H

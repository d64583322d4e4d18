#ifndef MANUALNETWORK_H
#define MANUALNETWORK_H

#include <QByteArray>
#include <QString>

// The manual network settings: the checks at Connect and the DCP class 3 and 9 parameter
// strings that carry them to the camera.
namespace ManualNetwork {

enum Type
{
    Dhcp = 0,
    Pppoe = 1,
    Static = 2,
};

enum class StaticField
{
    Address,
    Mask,
    Gateway,
    PrimaryDns,
    SecondaryDns,  // may stay empty
};

// The source text (context "DeviceSetupPage") of the error a static field shows at
// Connect, or null when it passes.
const char* staticFieldError(StaticField field, const QString& text);
// The same for the PPPoE account and password: filled, no ";" or "=" in a value that goes out as
// typed (the account for cameras before DCP 2.0; the password is always Base64), and a password
// whose every character Latin-1 holds, the encoding it goes out in.
const char* pppoeFieldError(bool account, const QString& text, const QByteArray& dcpVersion);

struct StaticSettings
{
    QString address, mask, gateway, primaryDns, secondaryDns;
};

// The class 3 "set" parameters. Each returns an empty text when a value would break the
// item list (a value the checks above refuse), so that nothing is sent.
QByteArray dhcpParams();
// The account goes in as typed for old cameras, Base64 of its local 8-bit form for new ones; the
// password as the Base64 of its Latin-1 bytes.
QByteArray pppoeParams(const QString& account, const QString& password, const QByteArray& dcpVersion);
QByteArray staticParams(const StaticSettings& settings);

// The class 9 restart parameters.
QByteArray restartParams();

}  // namespace ManualNetwork

#endif  // MANUALNETWORK_H

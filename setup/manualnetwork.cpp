#include "setup/manualnetwork.h"

#include <QCoreApplication>

#include "protocol/ipcamera.h"
#include "protocol/ipv4.h"

namespace ManualNetwork {

namespace {

bool breaksItems(const QString& value)
{
    return value.contains(';') || value.contains('=');
}

// Latin-1 turns every other character into a question mark.
bool fitsLatin1(const QString& value)
{
    for (const QChar c : value)
        if (c.unicode() > 0xff)
            return false;
    return true;
}

}  // namespace

const char* staticFieldError(StaticField field, const QString& text)
{
    if (field == StaticField::SecondaryDns && text.isEmpty())
        return nullptr;
    if (isDottedIPv4(text))
        return nullptr;
    if (field == StaticField::PrimaryDns)
        return QT_TRANSLATE_NOOP("DeviceSetupPage", "Please enter the IP address of your Primary DNS server");
    return QT_TRANSLATE_NOOP("DeviceSetupPage", "Please enter a valid static IP address");
}

const char* pppoeFieldError(bool account, const QString& text, const QByteArray& dcpVersion)
{
    if (text.isEmpty())
        return account ? QT_TRANSLATE_NOOP("DeviceSetupPage", "Please enter the PPPoE account")
                       : QT_TRANSLATE_NOOP("DeviceSetupPage", "Please enter the PPPoE password");
    if (account && !isNewDcp(dcpVersion) && breaksItems(text))
        return QT_TRANSLATE_NOOP("DeviceSetupPage", "Please remove \";\" and \"=\" from the PPPoE account");
    if (!account && !fitsLatin1(text))
        return QT_TRANSLATE_NOOP("DeviceSetupPage", "Please use only Western European characters");
    return nullptr;
}

QByteArray dhcpParams()
{
    return ";0=1;6=0";
}

QByteArray pppoeParams(const QString& account, const QString& password, const QByteArray& dcpVersion)
{
    // Base64 values cannot break the item list; only an account sent as typed can.
    const bool encoded = isNewDcp(dcpVersion);
    if (account.isEmpty() || (!encoded && breaksItems(account)) || !fitsLatin1(password))
        return QByteArray();
    const QByteArray user = encoded ? account.toLocal8Bit().toBase64() : account.toUtf8();
    return ";0=0;6=1;7=" + user + ";8=" + password.toLatin1().toBase64();
}

QByteArray staticParams(const StaticSettings& settings)
{
    for (const QString* value : {&settings.address, &settings.mask, &settings.gateway, &settings.primaryDns})
        if (!isDottedIPv4(*value))
            return QByteArray();
    if (!settings.secondaryDns.isEmpty() && !isDottedIPv4(settings.secondaryDns))
        return QByteArray();
    QByteArray params = ";0=0;1=" + settings.address.toUtf8() + ";2=" + settings.mask.toUtf8() +
                        ";3=" + settings.gateway.toUtf8() + ";4=" + settings.primaryDns.toUtf8();
    if (!settings.secondaryDns.isEmpty())
        params += ";5=" + settings.secondaryDns.toUtf8();
    return params + ";6=0";
}

QByteArray restartParams()
{
    return ";L=1;N=1";
}

}  // namespace ManualNetwork

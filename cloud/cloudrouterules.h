#ifndef CLOUDROUTERULES_H
#define CLOUDROUTERULES_H

#include <QString>

// Where the wizard goes after the cloud step: the Wi-Fi page for a model that supports
// Wi-Fi but not access-point mode, else the completion page.
namespace CloudRoute {

enum class Road
{
    WiFi,
    Completion,
};

enum class Caller
{
    SignIn,  // the register bit confirmed after a sign-in
    SignUp,  // the verification popup confirmed after a sign-up
    Skip,    // "No, thanks" confirmed
};

Road roadFor(const QString& wifiSupport, const QString& apModeSupport);

struct Plan
{
    Road road;
    bool shortcutOffered;   // the completion page's shortcut box, also when the Wi-Fi page comes first
    bool resetSetupChecks;  // the setup page's checks are reset before the Wi-Fi page
};

Plan planFor(Caller caller, const QString& wifiSupport, const QString& apModeSupport);

}  // namespace CloudRoute

#endif  // CLOUDROUTERULES_H

#ifndef CLOUDROUTE_H
#define CLOUDROUTE_H

#include <QString>

class QWidget;

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
    SignIn, // the register bit confirmed after a sign-in
    SignUp, // the verification popup confirmed after a sign-up
    Skip, // "No, thanks" confirmed
};

Road roadFor(const QString& wifiSupport, const QString& apModeSupport);

// Takes the road for the chosen camera; leaving is the page on screen.
void apply(Caller caller, QWidget* leaving);

} // namespace CloudRoute

#endif // CLOUDROUTE_H

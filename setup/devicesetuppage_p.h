#ifndef SETUP_DEVICESETUPPAGE_P_H
#define SETUP_DEVICESETUPPAGE_P_H

// What the setup page's source files share: the state of its checks and the popups' names.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include "setup/manualnetwork.h"

namespace DeviceSetupShared {

// The OpenAPI address stage.
inline QUrl dSetupOpenAPIUrl;
inline QString dSetupOpenAPISite;
inline bool urlRedirect = false;
inline int waitLoadingFinished = 0;

// The manual network settings of the last Connect.
inline int configNetworkType = ManualNetwork::Dhcp;
inline ManualNetwork::StaticSettings staticSettings;
inline QString pppoeAccount;
inline QString pppoePassword;

// The dialect the snapshot preview asks in: 1 KORVA, 2 T4X.
inline int dSetupCurrentCGIType = 1;

const char* const kConfigNetworkBox = "ConfigNetworkWarning";
const char* const kPasswordErrorPopup = "PasswordErrorMsgBox";
const char* const kInternetFailedPopup = "APClientModeInternetFailed";
const char* const kInternetResetFailedPopup = "APClientModeInternetResetFailedWarning";
const int kPopupWidth = 618;

inline QString registerCaption()
{
    return QCoreApplication::translate("DeviceSetupPage",
                                       "Register with olvaris for anywhere access to<br>your camera");
}

}  // namespace DeviceSetupShared

#endif  // SETUP_DEVICESETUPPAGE_P_H

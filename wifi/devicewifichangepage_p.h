#ifndef WIFI_DEVICEWIFICHANGEPAGE_P_H
#define WIFI_DEVICEWIFICHANGEPAGE_P_H

// What the Wi-Fi page's source files share: its schedules, popup names and small helpers.

#include <QLineEdit>
#include <QString>

#include "base/globals.h"
#include "base/log.h"
#include "protocol/ipcamera.h"
#include "setup/setupchecks.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "wifi/devicewifichangepage.h"
#include "wifi/wirelessmessagebox.h"

namespace WiFiPageShared {

constexpr int kSurveyLimit = 30;
constexpr int kSurveyEvery = 10;
constexpr int kSettingsLimit = 60;
constexpr int kRestartLimit = 30;
constexpr int kNetworkLimit = 30;
constexpr int kWaitEvery = 5;
constexpr int kDeviceLimit = 20;
constexpr int kCloudLimit = 30;
constexpr SetupChecks::Schedule kSettingsWait{kSettingsLimit, kWaitEvery};
constexpr SetupChecks::Schedule kRestartWait{kRestartLimit, kWaitEvery};
constexpr SetupChecks::Schedule kNetworkWait{kNetworkLimit, kWaitEvery};
constexpr int kRetries = 2;  // the OK after this many retries leaves the Wi-Fi road
// Content height of the 250-high popups: two wrapped lines of their texts, above the OK button.
constexpr int kTwoLines = 90;

const char* const kAutoBox = "InputWirelessAutoPasswordWarning";
const char* const kManualBox = "InputWirelessManualPasswordWarning";
const char* const kConfigFailed = "WiFiConfigFailedWarning";
const char* const kRemoveCable = "removeEthernetCableWarning";
const char* const kPlugInCable = "plugInEthernetCableWarning";
const char* const kWpsFailed = "WPSConfigFailedWarning";
const char* const kInternetFailed = "InternetCheckFailedWarning";
const char* const kWhatIsWps = "whatIsWPSWarning";

inline QString tabStyle(const char* picture, const char* hover, const char* color)
{
    return WizardPage::faceStyle(picture, hover, QString("font-family:Verdana;font:12px;color:%1;").arg(color));
}

inline void clearAccessPoints(IPCamera* camera)
{
    if (!camera)
        return;
    camera->APConfig.numAP = 0;
    camera->APConfig.All_APListNum = 0;
    camera->APConfig.Now_APListNum.clear();
}

inline QLineEdit* lineEditIn(WirelessMessageBox* box, const char* name)
{
    return box ? box->findChild<QLineEdit*>(name) : nullptr;
}

inline QString textOf(QLineEdit* edit)
{
    return edit ? edit->text() : QString();
}

// "Could Not Connect ..." popups with one OK button: 618 wide, content at (80, 100).
inline void openOkPopup(DeviceWiFiChangePage* page, const char* name, int height, const QString& title, int titleWidth,
                        const QString& text, int contentHeight, const QString& picture,
                        void (DeviceWiFiChangePage::*close)(), void (DeviceWiFiChangePage::*ok)())
{
    WLOG << "open msgbox ...";
    PopupBuilder popup = MessageBoxPage::build(gMainpage, name, 618, height);
    popup.title(title, {80, 50, titleWidth, 30}).content(MessageBoxPage::richText(text), {80, 100, 480, contentHeight});
    if (!picture.isEmpty())
        popup.picture(picture, {420, 100, 168, 167});
    popup.rightButton(DeviceWiFiChangePage::tr("OK"), ButtonStyle::Blue, {480, height - 50}, page, ok)
        .closeButton(page, close)
        .open();
}

}  // namespace WiFiPageShared

#endif  // WIFI_DEVICEWIFICHANGEPAGE_P_H

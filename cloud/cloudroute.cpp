#include "cloud/cloudroute.h"

#include <QCoreApplication>

#include "base/globals.h"
#include "base/log.h"
#include "cloud/devicesetupcompletepage.h"
#include "protocol/cameracgi.h"
#include "protocol/ipcamera.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"
#include "wifi/devicewifichangepage.h"

namespace CloudRoute {

void apply(Caller caller, QWidget* leaving)
{
    const IPCamera* camera = chosenCamera();
    const QString model = camera ? modelText(camera->modelName) : QString();
    const Plan plan = planFor(caller, SupportWiFiMap.value(model), SupportAPModeMap.value(model));
    gDeviceSetupCompletePage->setShortcutOfferVisible(plan.shortcutOffered);
    if (plan.road == Road::WiFi) {
        WLOG << "After the cloud step: Wi-Fi page for" << model;
        if (plan.resetSetupChecks)
            gDeviceSetupPage->resetCheckingParameters();
        // The Wi-Fi page's enter() starts its site survey (Enter Manually off until it ends)
        // and offers Back by dWiFiBackToPage.
        dWiFiBackToPage = 1;
        gMainpage->setStep(
            4, QCoreApplication::translate("CloudServicesPage", "Connect your camera to your network wirelessly"));
        gMainpage->enterPage(leaving, gDeviceWiFiChangePage);
        gMainpage->showBusy();
        return;
    }
    WLOG << "After the cloud step: completion page for" << model;
    gMainpage->enterPage(leaving, gDeviceSetupCompletePage);
}

}  // namespace CloudRoute

#include "guide/resethint.h"

#include "guide/cameraconnectionpage.h"
#include "setup/devicesetuppage.h"
#include "shell/mainpage.h"

namespace ResetHint {

void close()
{
    MessageBoxPage::closeByName(gMainpage, kPopupName);
}

void startOver(QWidget* leaving, const QString& caption)
{
    close();
    gDeviceSetupPage->resetCheckingParameters();
    gDeviceSetupPage->resetPasswordLineEdits();
    gMainpage->showPage(leaving, gCameraConnectionPage);
    gMainpage->setStep(1, caption);
    gCameraConnectionPage->resetModelChoice();
}

}  // namespace ResetHint

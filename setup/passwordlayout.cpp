#include "setup/passwordlayout.h"

#include <QCoreApplication>

#include "protocol/ipcamera.h"
#include "shell/wizardpage.h"
#include "ui_devicesetuppage.h"

namespace PasswordLayout {

namespace {

struct Layout
{
    const char* caption;
    QRect timeSettings;
    QRect dstSwitch;
    QRect timeZoneLabel;
    QRect timeZoneList;
    QRect dstCheck;
};

const Layout kNewPassword = {QT_TRANSLATE_NOOP("DeviceSetupPage", "Camera Password :"),
                             QRect(0, 295, 800, 150),
                             QRect(442, 255, 261, 41),
                             QRect(50, 225, 140, 20),
                             QRect(210, 224, 233, 27),
                             QRect(210, 260, 233, 27)};
const Layout kCurrentPassword = {QT_TRANSLATE_NOOP("DeviceSetupPage", "Current Password :"),
                                 QRect(0, 255, 800, 150),
                                 QRect(442, 215, 261, 41),
                                 QRect(50, 175, 140, 20),
                                 QRect(210, 173, 233, 27),
                                 QRect(210, 222, 233, 27)};
// The new password's hint beside its field: two lines, taller where a language's letters need it.
const QRect kPasswordHint(448, 123, 581, 30);

}  // namespace

bool needsNewPassword(const IPCamera& camera)
{
    if (camera.bRegisted == "1" || !camera.password.isEmpty())
        return false;
    return !isNewDcp(camera.DCPVersion) || camera.bPassword == "1";
}

void apply(Ui_DeviceSetupPage* form, bool newPassword)
{
    const Layout& layout = newPassword ? kNewPassword : kCurrentPassword;
    form->dsetupCameraPasscode_Label->setText(QCoreApplication::translate("DeviceSetupPage", layout.caption));
    form->dsetupCameraPasscode_Label->show();
    form->dsetupRetypePasscode_Label->setVisible(newPassword);
    form->dsetupCameraPasscode_LineEdit->show();
    form->dsetupRetypePasscode_LineEdit->setVisible(newPassword);
    form->dsetupTimeSettings_GroupBox->setGeometry(layout.timeSettings);
    form->dsetupTimeSettings_GroupBox->show();
    form->dsetupDSTSwitch_GroupBox->setGeometry(layout.dstSwitch);
    form->dsetupForgotPassword_Label->setVisible(!newPassword);
    form->dsetupPasswordErrorHint_Label->setVisible(newPassword);
    form->dsetupPasswordErrorHint_Label->setGeometry(kPasswordHint);
    WizardPage::growToText(form->dsetupPasswordErrorHint_Label);
    form->dsetupTimeZone_Label->setGeometry(layout.timeZoneLabel);
    form->dsetupTimeZoneComboBox_comboBox->setGeometry(layout.timeZoneList);
    form->dsetupDSTCheckBox_CheckBox->setGeometry(layout.dstCheck);
}

}  // namespace PasswordLayout

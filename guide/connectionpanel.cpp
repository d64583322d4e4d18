#include "guide/connectionpanel.h"

#include <QCoreApplication>
#include <QLabel>

#include "guide/cameraconnectionpage.h"
#include "setup/devicesetuppage.h"
#include "shell/globals.h"
#include "shell/log.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

namespace {
const char* const kLedPopup = "whyLedRedWarning";
const char* const kResetPopup = "resetYourCameraWarning";
constexpr int kWidth = 618;
} // namespace

ConnectionPanel::ConnectionPanel(QWidget* parent)
    : QWidget(parent)
{ }

void ConnectionPanel::watchLedLink(QLabel* ledCaption)
{
    connect(ledCaption, &QLabel::linkActivated, this, &ConnectionPanel::popupWhyLedRed);
}

void ConnectionPanel::popupWhyLedRed()
{
    MessageBoxPage::build(gMainpage, kLedPopup, kWidth, 350)
        .title(
            QCoreApplication::translate("LedHints", "Why does the LED stay red?"), { 80, 50, 440, 30 }, Qt::AlignLeft)
        .content(MessageBoxPage::richText(QCoreApplication::translate("LedHints",
                     "Please check for the following:<br>1. Make sure your cables are securely connected.<br>"
                     "2. Try powering off your Vistrel, then turning it on again.<br>"
                     "3. If the LED still stays red, you can try Resetting your Vistrel.<br>"
                     "4. Check to make sure that your modem or router is functioning properly.<br>")),
            { 80, 100, 550, 150 })
        .closeButton(this, &ConnectionPanel::pressMsgCancelButton)
        .leftButton(QCoreApplication::translate("LedHints", "Reset"), ButtonStyle::White, { 360, 300 }, this,
            &ConnectionPanel::pressMsgResetButton)
        .rightButton(QCoreApplication::translate("LedHints", "Close"), ButtonStyle::Blue, { 480, 300 }, this,
            &ConnectionPanel::pressMsgCancelButton)
        .open();
}

void ConnectionPanel::pressMsgCancelButton()
{
    MessageBoxPage::closeByName(gMainpage, kLedPopup);
}

void ConnectionPanel::pressMsgResetButton()
{
    MessageBoxPage::closeByName(gMainpage, kLedPopup);
    popupResetHint();
}

void ConnectionPanel::popupResetHint()
{
    WLOG << "open msgbox ...";
    MessageBoxPage::build(gMainpage, kResetPopup, kWidth, 450)
        .title(QCoreApplication::translate("LedHints", "Reset Your Camera"), { 80, 50, 440, 30 }, Qt::AlignLeft)
        .content(MessageBoxPage::richText(QCoreApplication::translate("LedHints",
                     "Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 "
                     "seconds while the camera is plugged in. After resetting your camera, click the Start Over "
                     "button to start the Setup Wizard again.<br>")),
            { 80, 80, 480, 150 })
        .picture(":/images/reset.png", { 420, 200, 168, 167 })
        .closeButton(this, &ConnectionPanel::pressMsgCloseButton)
        .leftButton(QCoreApplication::translate("LedHints", "Close"), ButtonStyle::White, { 360, 400 }, this,
            &ConnectionPanel::pressMsgCloseButton)
        .rightButton(QCoreApplication::translate("LedHints", "Start Over"), ButtonStyle::Blue, { 480, 400 }, this,
            &ConnectionPanel::pressMsgStartOverButton)
        .open();
}

void ConnectionPanel::pressMsgStartOverButton()
{
    MessageBoxPage::closeByName(gMainpage, kResetPopup);
    gDeviceSetupPage->resetCheckingParameters();
    gDeviceSetupPage->resetPasswordLineEdits();
    gCameraConnectionPage->resetModelChoice();
}

void ConnectionPanel::pressMsgCloseButton()
{
    MessageBoxPage::closeByName(gMainpage, kResetPopup);
}

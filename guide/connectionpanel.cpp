#include "guide/connectionpanel.h"

#include <QCoreApplication>
#include <QLabel>

#include "base/globals.h"
#include "base/log.h"
#include "guide/resethint.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

namespace {
const char* const kLedPopup = "whyLedRedWarning";
constexpr int kWidth = 618;
}  // namespace

ConnectionPanel::ConnectionPanel(QWidget* parent)
    : WizardPage(parent)
{}

void ConnectionPanel::watchLedLink(QLabel* ledCaption)
{
    connect(ledCaption, &QLabel::linkActivated, this, &ConnectionPanel::popupWhyLedRed);
}

void ConnectionPanel::popupWhyLedRed()
{
    MessageBoxPage::build(gMainpage, kLedPopup, kWidth, 350)
        .title(QCoreApplication::translate("LedHints", "Why does the LED stay red?"), {80, 50, 440, 30}, Qt::AlignLeft)
        .content(
            MessageBoxPage::richText(QCoreApplication::translate(
                "LedHints", "Please check for the following:<br>1. Make sure your cables are securely connected.<br>"
                            "2. Try powering off your Vistrel, then turning it on again.<br>"
                            "3. If the LED still stays red, you can try Resetting your Vistrel.<br>"
                            "4. Check to make sure that your modem or router is functioning properly.<br>")),
            {80, 100, 520, 150})
        .closeButton(this, &ConnectionPanel::pressMsgCancelButton)
        .leftButton(QCoreApplication::translate("LedHints", "Reset"), ButtonStyle::White, {360, 300}, this,
                    &ConnectionPanel::pressMsgResetButton)
        .rightButton(QCoreApplication::translate("LedHints", "Close"), ButtonStyle::Blue, {480, 300}, this,
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
    ResetHint::open(this, &ConnectionPanel::pressMsgCloseButton, &ConnectionPanel::pressMsgStartOverButton);
}

void ConnectionPanel::pressMsgStartOverButton()
{
    ResetHint::close();
    emit startOverRequested();
}

void ConnectionPanel::pressMsgCloseButton()
{
    ResetHint::close();
}

#include "guide/ledhints.h"

#include <QCoreApplication>
#include <QPixmap>

#include "shell/globals.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"

#include "guide/cameraconnectionpage.h"
#include "setup/devicesetuppage.h"

namespace LedHints {

namespace {
const char* const kLedPopup = "whyLedRedWarning";
const char* const kResetPopup = "resetYourCameraWarning";
constexpr int kWidth = 618;

MessageBoxPage* createPopup(const char* name, int height, const QString& title)
{
    MessageBoxPage* popup = MessageBoxPage::createCentred(gMainpage, name, kWidth, height);
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxTitile_Label->setText(title);
    box->msgBoxTitile_Label->setAlignment(Qt::AlignLeft);
    box->msgBoxTitile_Label->setGeometry(80, 50, 440, 30);
    box->msgBoxTitile_Label->show();
    return popup;
}

void setButton(QPushButton* button, QObject* panel, const char* slot, const QString& style, const QString& text,
               int x, int y)
{
    QObject::connect(button, SIGNAL(clicked()), panel, slot);
    button->setStyleSheet(style);
    button->setText(text);
    button->setGeometry(x, y, 111, 24);
    button->show();
}
}

void openLedChecklist(QObject* panel)
{
    MessageBoxPage* popup = createPopup(kLedPopup, 350, QCoreApplication::translate("LedHints", "Why does the LED stay red?"));
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxContent_Label->setGeometry(80, 100, 550, 150);
    box->msgBoxContent_Label->setText(MessageBoxPage::richText(QCoreApplication::translate(
        "LedHints",
        "Please check for the following:<br>1. Make sure your cables are securely connected.<br>"
        "2. Try powering off your Vistrel, then turning it on again.<br>"
        "3. If the LED still stays red, you can try Resetting your Vistrel.<br>"
        "4. Check to make sure that your modem or router is functioning properly.<br>")));
    box->msgBoxContent_Label->show();
    box->msgBoxImageLabel->hide();
    QObject::connect(box->msgBoxClose_Button, SIGNAL(clicked()), panel, SLOT(pressMsgCancelButton()));
    box->msgBoxClose_Button->show();
    setButton(box->msgBoxLeftBtn_Button, panel, SLOT(pressMsgResetButton()), MessageBoxPage::whiteButtonStyle(),
              QCoreApplication::translate("LedHints", "Reset"), 360, 300);
    setButton(box->msgBoxRightBtn_Button, panel, SLOT(pressMsgCancelButton()), MessageBoxPage::blueButtonStyle(),
              QCoreApplication::translate("LedHints", "Close"), 480, 300);
    popup->show();
}

void openResetHint(QObject* panel)
{
    MessageBoxPage* popup =
        createPopup(kResetPopup, 450, QCoreApplication::translate("LedHints", "Reset Your Camera"));
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxContent_Label->setGeometry(80, 80, 480, 150);
    box->msgBoxContent_Label->setText(MessageBoxPage::richText(QCoreApplication::translate(
        "LedHints",
        "Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 "
        "seconds while the camera is plugged in. After resetting your camera, click the Start Over button "
        "to start the Setup Wizard again.<br>")));
    box->msgBoxContent_Label->show();
    box->msgBoxImageLabel->setPixmap(
        QPixmap(":/images/reset.png").scaled(168, 167, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    box->msgBoxImageLabel->setGeometry(420, 200, 168, 167);
    box->msgBoxImageLabel->show();
    QObject::connect(box->msgBoxClose_Button, SIGNAL(clicked()), panel, SLOT(pressMsgCloseButton()));
    box->msgBoxClose_Button->show();
    setButton(box->msgBoxLeftBtn_Button, panel, SLOT(pressMsgCloseButton()), MessageBoxPage::whiteButtonStyle(),
              QCoreApplication::translate("LedHints", "Close"), 360, 400);
    setButton(box->msgBoxRightBtn_Button, panel, SLOT(pressMsgStartOverButton()), MessageBoxPage::blueButtonStyle(),
              QCoreApplication::translate("LedHints", "Start Over"), 480, 400);
    popup->show();
}

void closeLedChecklist()
{
    MessageBoxPage::closeByName(gMainpage, kLedPopup);
}

void closeResetHint()
{
    MessageBoxPage::closeByName(gMainpage, kResetPopup);
}

void startOver()
{
    closeResetHint();
    gDeviceSetupPage->resetCheckingParameters();
    gDeviceSetupPage->resetPasswordLineEdits();
    gCameraConnectionPage->ui->cconnection_ComboBox->setCurrentIndex(0);
}

} // namespace LedHints


#include "connectiontypeapmode.h"

#include "ledhints.h"
#include "log.h"

ConnectionTypeAPMode::ConnectionTypeAPMode(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeAPMode)
{
    WLOG << "ConnectionTypeAPMode Constructor Initializing ...";
    ui->setupUi(this);
    connect(ui->ConnectionTypeAPModeToolTips04, SIGNAL(linkActivated(QString)), this, SLOT(popupWhyLedRed()));
}

ConnectionTypeAPMode::~ConnectionTypeAPMode()
{
    delete ui;
}

void ConnectionTypeAPMode::popupWhyLedRed()
{
    LedHints::openLedChecklist(this, hintTexts());
}

void ConnectionTypeAPMode::pressMsgCancelButton()
{
    LedHints::closeLedChecklist();
}

void ConnectionTypeAPMode::pressMsgResetButton()
{
    LedHints::closeLedChecklist();
    popupResetHint();
}

void ConnectionTypeAPMode::popupResetHint()
{
    WLOG << "open msgbox ...";
    LedHints::openResetHint(this, hintTexts());
}

void ConnectionTypeAPMode::pressMsgStartOverButton()
{
    LedHints::startOver();
}

void ConnectionTypeAPMode::pressMsgCloseButton()
{
    LedHints::closeResetHint();
}

HintTexts ConnectionTypeAPMode::hintTexts() const
{
    return {tr("Why does the LED stay red?"),
            tr("Please check for the following:<br>1. Make sure your cables are securely connected.<br>"
               "2. Try powering off your Vistrel, then turning it on again.<br>"
               "3. If the LED still stays red, you can try Resetting your Vistrel.<br>"
               "4. Check to make sure that your modem or router is functioning properly.<br>"),
            tr("Reset"),
            tr("Close"),
            tr("Reset Your Camera"),
            tr("Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 "
               "seconds while the camera is plugged in. After resetting your camera, click the Start Over button "
               "to start the Setup Wizard again.<br>"),
            tr("Start Over")};
}

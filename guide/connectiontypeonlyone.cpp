#include "connectiontypeonlyone.h"

#include "ledhints.h"
#include "log.h"

ConnectionTypeOnlyOne::ConnectionTypeOnlyOne(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeOnlyOne)
{
    WLOG << "ConnectionTypeOnlyOne Constructor Initializing ...";
    ui->setupUi(this);
    ui->ConnectionTypeToolTips03->hide();
    ui->ConnectionTypeToolTips04->hide();
    connect(ui->ConnectionTypeToolTips04, SIGNAL(linkActivated(QString)), this, SLOT(popupWhyLedRed()));
}

ConnectionTypeOnlyOne::~ConnectionTypeOnlyOne()
{
    delete ui;
}

void ConnectionTypeOnlyOne::popupWhyLedRed()
{
    LedHints::openLedChecklist(this, hintTexts());
}

void ConnectionTypeOnlyOne::pressMsgCancelButton()
{
    LedHints::closeLedChecklist();
}

void ConnectionTypeOnlyOne::pressMsgResetButton()
{
    LedHints::closeLedChecklist();
    popupResetHint();
}

void ConnectionTypeOnlyOne::popupResetHint()
{
    WLOG << "open msgbox ...";
    LedHints::openResetHint(this, hintTexts());
}

void ConnectionTypeOnlyOne::pressMsgStartOverButton()
{
    LedHints::startOver();
}

void ConnectionTypeOnlyOne::pressMsgCloseButton()
{
    LedHints::closeResetHint();
}

HintTexts ConnectionTypeOnlyOne::hintTexts() const
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

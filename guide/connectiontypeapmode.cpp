#include "guide/connectiontypeapmode.h"

#include "guide/ledhints.h"
#include "shell/log.h"

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
    LedHints::openLedChecklist(this);
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
    LedHints::openResetHint(this);
}

void ConnectionTypeAPMode::pressMsgStartOverButton()
{
    LedHints::startOver();
}

void ConnectionTypeAPMode::pressMsgCloseButton()
{
    LedHints::closeResetHint();
}

#include "guide/connectiontypeonlyone.h"

#include "guide/ledhints.h"
#include "shell/log.h"

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
    LedHints::openLedChecklist(this);
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
    LedHints::openResetHint(this);
}

void ConnectionTypeOnlyOne::pressMsgStartOverButton()
{
    LedHints::startOver();
}

void ConnectionTypeOnlyOne::pressMsgCloseButton()
{
    LedHints::closeResetHint();
}

#include "connectiontypeapmode.h"

#include "log.h"

ConnectionTypeAPMode::ConnectionTypeAPMode(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeAPMode)
{
    WLOG << "ConnectionTypeAPMode Constructor Initializing ...";
    ui->setupUi(this);
}

ConnectionTypeAPMode::~ConnectionTypeAPMode()
{
    delete ui;
}

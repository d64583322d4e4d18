#include "connectiontypeonlyone.h"

#include "log.h"

ConnectionTypeOnlyOne::ConnectionTypeOnlyOne(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeOnlyOne)
{
    WLOG << "ConnectionTypeOnlyOne Constructor Initializing ...";
    ui->setupUi(this);
}

ConnectionTypeOnlyOne::~ConnectionTypeOnlyOne()
{
    delete ui;
}

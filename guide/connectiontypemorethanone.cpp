#include "connectiontypemorethanone.h"

#include "log.h"

ConnectionTypeMoreThanOne::ConnectionTypeMoreThanOne(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeMoreThanOne)
{
    WLOG << "ConnectionTypeMoreThanOne Constructor Initializing ...";
    ui->setupUi(this);
}

ConnectionTypeMoreThanOne::~ConnectionTypeMoreThanOne()
{
    delete ui;
}

#include "guide/connectiontypedefault.h"

#include "shell/log.h"

ConnectionTypeDefault::ConnectionTypeDefault(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeDefault)
{
    WLOG << "ConnectionTypeDefault Constructor Initializing ...";
    ui->setupUi(this);
}

ConnectionTypeDefault::~ConnectionTypeDefault()
{
    delete ui;
}

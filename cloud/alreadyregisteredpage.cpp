#include "alreadyregisteredpage.h"

#include "log.h"

AlreadyRegisteredPage::AlreadyRegisteredPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_AlreadyRegisteredPage)
{
    WLOG << "AlreadyRegisteredPage Constructor Initializing ...";
    ui->setupUi(this);
}

AlreadyRegisteredPage::~AlreadyRegisteredPage()
{
    delete ui;
}

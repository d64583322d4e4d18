#include "cloud/alreadyregisteredpage.h"

#include "shell/log.h"

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

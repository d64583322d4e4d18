#include "devicesetuppage.h"

#include "log.h"

DeviceSetupPage::DeviceSetupPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_DeviceSetupPage)
{
    WLOG << "DeviceSetupPage Constructor Initializing ...";
    ui->setupUi(this);
}

DeviceSetupPage::~DeviceSetupPage()
{
    delete ui;
}

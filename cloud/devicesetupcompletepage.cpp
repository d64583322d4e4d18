#include "devicesetupcompletepage.h"

#include "log.h"

DeviceSetupCompletePage::DeviceSetupCompletePage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_DeviceSetupCompletePage)
{
    WLOG << "DeviceSetupCompletePage Constructor Initializing ...";
    ui->setupUi(this);
}

DeviceSetupCompletePage::~DeviceSetupCompletePage()
{
    delete ui;
}

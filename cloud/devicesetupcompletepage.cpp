#include "cloud/devicesetupcompletepage.h"

#include "shell/log.h"

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

#include "apmode/apmodehosttodevice.h"

#include "shell/log.h"

APModeHostToDevice::APModeHostToDevice(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_APModeHostToDevice)
{
    WLOG << "APModeHostToDevice Constructor Initializing ...";
    ui->setupUi(this);
}

APModeHostToDevice::~APModeHostToDevice()
{
    delete ui;
}

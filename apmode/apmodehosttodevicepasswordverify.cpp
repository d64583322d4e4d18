#include "apmode/apmodehosttodevicepasswordverify.h"

#include "shell/log.h"

APModeHostToDevicePasswordVerify::APModeHostToDevicePasswordVerify(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_APModeHostToDevicePasswordVerify)
{
    WLOG << "APModeHostToDevicePasswordVerify Constructor Initializing ...";
    ui->setupUi(this);
}

APModeHostToDevicePasswordVerify::~APModeHostToDevicePasswordVerify()
{
    delete ui;
}

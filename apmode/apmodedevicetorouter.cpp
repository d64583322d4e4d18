#include "apmode/apmodedevicetorouter.h"

#include "shell/log.h"

APModeDeviceToRouter::APModeDeviceToRouter(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_APModeDeviceToRouter)
{
    WLOG << "APModeDeviceToRouter Constructor Initializing ...";
    ui->setupUi(this);
}

APModeDeviceToRouter::~APModeDeviceToRouter()
{
    delete ui;
}

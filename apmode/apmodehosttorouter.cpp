#include "apmode/apmodehosttorouter.h"

#include "shell/log.h"

APModeHostToRouter::APModeHostToRouter(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_APModeHostToRouter)
{
    WLOG << "APModeHostToRouter Constructor Initializing ...";
    ui->setupUi(this);
}

APModeHostToRouter::~APModeHostToRouter()
{
    delete ui;
}

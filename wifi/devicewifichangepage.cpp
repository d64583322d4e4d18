#include "wifi/devicewifichangepage.h"

#include "shell/log.h"

int dWiFiBackToPage = 0;

DeviceWiFiChangePage::DeviceWiFiChangePage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_DeviceWiFiChangePage)
{
    WLOG << "DeviceWiFiChangePage Constructor Initializing ...";
    ui->setupUi(this);
}

DeviceWiFiChangePage::~DeviceWiFiChangePage()
{
    delete ui;
}

void DeviceWiFiChangePage::enter()
{ }

#include "cameraconnectionpage.h"

#include "log.h"

CameraConnectionPage::CameraConnectionPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_CameraConnectionPage)
{
    WLOG << "CameraConnectionPage Constructor Initializing ...";
    ui->setupUi(this);
}

CameraConnectionPage::~CameraConnectionPage()
{
    delete ui;
}

#include "discoverypage.h"

#include "log.h"

DiscoveryPage::DiscoveryPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_DiscoveryPage)
{
    WLOG << "DiscoveryPage Constructor Initializing ...";
    ui->setupUi(this);
}

DiscoveryPage::~DiscoveryPage()
{
    delete ui;
}

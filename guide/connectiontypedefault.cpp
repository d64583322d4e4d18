#include "guide/connectiontypedefault.h"

#include "base/log.h"

ConnectionTypeDefault::ConnectionTypeDefault(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_ConnectionTypeDefault)
{
    WLOG << "ConnectionTypeDefault Constructor Initializing ...";
    ui->setupUi(this);
}

ConnectionTypeDefault::~ConnectionTypeDefault()
{
    delete ui;
}

void ConnectionTypeDefault::retranslate()
{
    ui->retranslateUi(this);
}

void ConnectionTypeDefault::showVersionPicture(bool versionPicture)
{
    ui->cTypeDefaultImage_Label->setVisible(!versionPicture);
    ui->cTypeHWDefaultImage_Label->setVisible(versionPicture);
}

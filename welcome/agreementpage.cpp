#include "agreementpage.h"

#include "log.h"

AgreementPage::AgreementPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_AgreementPage)
{
    WLOG << "AgreementPage Constructor Initializing ...";
    ui->setupUi(this);
}

AgreementPage::~AgreementPage()
{
    delete ui;
}

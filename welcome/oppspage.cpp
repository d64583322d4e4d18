#include "oppspage.h"

#include "log.h"

OppsPage::OppsPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_OppsPage)
{
    WLOG << "OppsPage Constructor Initializing ...";
    ui->setupUi(this);
}

OppsPage::~OppsPage()
{
    delete ui;
}

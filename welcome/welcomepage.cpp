#include "welcomepage.h"

#include "log.h"

WelcomePage::WelcomePage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_WelcomePage)
{
    WLOG << "WelcomePage Constructor Initializing ...";
    ui->setupUi(this);
}

WelcomePage::~WelcomePage()
{
    delete ui;
}

void WelcomePage::addLanguagesList() {}

void WelcomePage::langComboBoxIndexChanged(int)
{
    translateUI();
}

void WelcomePage::translateUI()
{
    ui->retranslateUi(this);
}

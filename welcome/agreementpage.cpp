#include "welcome/agreementpage.h"

#include <QFile>

#include "base/globals.h"
#include "base/log.h"
#include "guide/cameraconnectionpage.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "welcome/welcomepage.h"

AgreementPage::AgreementPage(QWidget* parent)
    : WizardPage(parent)
    , ui(new Ui_AgreementPage)
{
    WLOG << "AgreementPage Constructor Initializing ...";
    ui->setupUi(this);
    ui->agreementNext_PushButton->setEnabled(false);
    connect(ui->agreementCheck_CheckBox, &QCheckBox::clicked, this, &AgreementPage::acceptAgreementCheckBox);
    connect(ui->agreementPrev_PushButton, &QPushButton::clicked, this, &AgreementPage::pressBackButton);
    connect(ui->agreementNext_PushButton, &QPushButton::clicked, this, &AgreementPage::pressNextButton);
    ui->agreementContent_TextEdit->setText(licenceText());

    QFile scrollbarStyle(":/style_scrollbar.qss");
    if (!scrollbarStyle.open(QFile::ReadOnly))
        WLOG << "Error Opening Stylesheet File ";
    ui->agreementContent_TextEdit->setStyleSheet(QString::fromLatin1(scrollbarStyle.readAll()));
    ui->agreementCheck_CheckBox->setText(tr("I have read, understand, and agree to the Tervane Terms and Conditions."));
}

AgreementPage::~AgreementPage()
{
    delete ui;
}

void AgreementPage::enter()
{
    gMainpage->setFooterLinkVisible(false);
}

// The form's own rich-text licence comes back with the language's other texts.
void AgreementPage::retranslate()
{
    ui->retranslateUi(this);
    MessageBoxPage::fitButtonRow({ui->agreementPrev_PushButton, ui->agreementNext_PushButton});
}

QString AgreementPage::licenceText() const
{
    return "<p style=line-height:24px><font face=Verdana color=#333333>" + tr("<b>END USER LICENCE AGREEMENT</b><br>") +
           tr("<b>Please read this agreement carefully before you use the olvaris Setup Wizard.</b><br>") +
           tr("This agreement is between you and Tervane. By ticking the box below and clicking I Agree, you accept "
              "its terms.<br><br>"
              "1. Licence. Tervane grants you a personal, non-exclusive, non-transferable licence to install and use "
              "this wizard to set up cameras that you own or are allowed to manage.<br><br>"
              "2. Restrictions. You may not sell, rent, lend or distribute the wizard, nor modify, decompile or "
              "reverse engineer it, except where the law expressly allows it.<br><br>"
              "3. Online services. The wizard contacts Tervane services on the Internet to look for a newer "
              "version, to download device information and to register your camera with olvaris. The olvaris terms "
              "of service and privacy policy apply to that use.<br><br>"
              "4. Updates. When a newer wizard is available, you choose whether to download and install it.<br><br>"
              "5. No warranty. The wizard is provided \"as is\", without warranty of any kind, to the extent the "
              "law permits.<br><br>"
              "6. Liability. Tervane is not liable for indirect or consequential damage arising from the use of the "
              "wizard, to the extent the law permits.<br><br>"
              "7. Termination. This licence ends if you break its terms; you must then delete every copy of the "
              "wizard.") +
           "</font>";
}

void AgreementPage::acceptAgreementCheckBox()
{
    if (ui->agreementCheck_CheckBox->isChecked()) {
        ui->agreementNext_PushButton->setEnabled(true);
        ui->agreementNext_PushButton->setStyleSheet(
            faceStyle("btn_blue", QString(), "font-family:Verdana;color:rgb(255,255,255);"));
    } else {
        ui->agreementNext_PushButton->setEnabled(false);
        ui->agreementNext_PushButton->setStyleSheet(
            faceStyle("btn_blue_disable", QString(), "font-family:Verdana;color:rgb(255,255,255);"));
    }
}

void AgreementPage::pressBackButton()
{
    isLocalView = false;
    gWelcomePage->unbindingDCP();
    ui->agreementCheck_CheckBox->setChecked(false);
    acceptAgreementCheckBox();
    gMainpage->hideStep();
    gMainpage->setFooterLinkVisible(true);
    gMainpage->showPage(this, gWelcomePage);
}

void AgreementPage::pressNextButton()
{
    gMainpage->enterPage(this, gCameraConnectionPage);
}

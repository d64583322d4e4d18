#include "welcome/agreementpage.h"

#include <QComboBox>
#include <QFile>

#include "shell/globals.h"
#include "shell/log.h"
#include "shell/mainpage.h"
#include "welcome/welcomepage.h"

#include "guide/cameraconnectionpage.h"
#include "guide/connectiontypeapmode.h"
#include "guide/connectiontypedefault.h"
#include "guide/connectiontypelocalview.h"
#include "guide/connectiontypemorethanone.h"
#include "guide/connectiontypeonlyone.h"

namespace {

const char* const kModelPrefix = "VKC-";

} // namespace

AgreementPage::AgreementPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_AgreementPage)
{
    WLOG << "AgreementPage Constructor Initializing ...";
    ui->setupUi(this);
    ui->agreementNext_PushButton->setEnabled(false);
    connect(ui->agreementCheck_CheckBox, SIGNAL(clicked()), this, SLOT(acceptAgreementCheckBox()));
    connect(ui->agreementPrev_PushButton, SIGNAL(clicked()), this, SLOT(pressBackButton()));
    connect(ui->agreementNext_PushButton, SIGNAL(clicked()), this, SLOT(pressNextButton()));
    ui->agreementContent_TextEdit->setText(licenceText());

    QFile scrollbarStyle(":/style_scrollbar.qss");
    if (!scrollbarStyle.open(QFile::ReadOnly))
        WLOG << "Error Opening Stylesheet File ";
    ui->agreementContent_TextEdit->setStyleSheet(QString::fromLatin1(scrollbarStyle.readAll()));
    ui->agreementCheck_CheckBox->setText(
        tr("I have read, understand, and agree to the Tervane Terms and Conditions."));
}

AgreementPage::~AgreementPage()
{
    delete ui;
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
            "background-image: url(:/images/btn_blue.png);font-family:Verdana;color:rgb(255,255,255);border: 0px;");
    } else {
        ui->agreementNext_PushButton->setEnabled(false);
        ui->agreementNext_PushButton->setStyleSheet(
            "background-image: url(:/images/btn_blue_disable.png);font-family:Verdana;color:rgb(255,255,255);"
            "border: 0px");
    }
}

void AgreementPage::pressBackButton()
{
    isLocalView = false;
    gWelcomePage->unbindingDCP();
    hide();
    ui->agreementCheck_CheckBox->setChecked(false);
    acceptAgreementCheckBox();
    gMainpage->ui->mainProgress_Label->hide();
    gMainpage->ui->mainProgressContent_Label->hide();
    gMainpage->ui->mainZero_Label->show();
    gMainpage->showPage(nullptr, gWelcomePage);
}

void AgreementPage::pressNextButton()
{
    Ui_CameraConnectionPage* guide = gCameraConnectionPage->ui;
    if (isLocalView) {
        for (QWidget* panel : std::initializer_list<QWidget*>{gConnectionTypeDefault, gConnectionTypeOnlyOne,
                                                               gConnectionTypeMoreThanOne, gConnectionTypeAPMode})
            panel->hide();
        guide->cconnectionTypeLayout->addWidget(gConnectionTypeLocalView, 0, Qt::Alignment());
        guide->cconnectionHWVersion_ComboBox->hide();
        gConnectionTypeLocalView->show();
        gCameraConnectionPage->setInstructionText();
        fillLocalConnectionChoice(guide->cconnection_ComboBox);
    } else {
        gConnectionTypeDefault->ui->cTypeDefaultImage_Label->show();
        gConnectionTypeDefault->ui->cTypeHWDefaultImage_Label->hide();
        guide->cconnectionTypeLayout->addWidget(gConnectionTypeDefault, 0, Qt::Alignment());
        gConnectionTypeDefault->show();
        for (QWidget* panel : std::initializer_list<QWidget*>{gConnectionTypeOnlyOne, gConnectionTypeMoreThanOne,
                                                               gConnectionTypeAPMode})
            panel->hide();
        guide->cconnectionTypeLayout->addWidget(gConnectionTypeLocalView, 0, Qt::Alignment());
        gConnectionTypeLocalView->hide();
        gCameraConnectionPage->setInstructionText();
        fillModelChoice(guide->cconnection_ComboBox, ModelRouteMap);
    }

    hide();
    gMainpage->ui->mainProgress_Label->setStyleSheet("background-image: url(:/images/step_01.png)");
    gMainpage->ui->mainProgress_Label->show();
    gMainpage->ui->mainProgressContent_Label->setText(tr("Let's connect the camera to your network"));
    gMainpage->ui->mainProgressContent_Label->show();
    gMainpage->showPage(nullptr, gCameraConnectionPage);
}

void fillModelChoice(QComboBox* combo, const QMap<QString, QString>& routes)
{
    combo->clear();
    for (auto route = routes.constBegin(); route != routes.constEnd(); ++route) {
        if (route.key().startsWith(QLatin1String(kModelPrefix))) {
            combo->addItem(route.key());
        } else {
            combo->insertItem(0, route.key());
            combo->setCurrentIndex(0);
        }
        WLOG << route.key() << " : " << route.value();
    }
}

void fillLocalConnectionChoice(QComboBox* combo)
{
    combo->clear();
    combo->addItem(AgreementPage::tr("Choose your connection type"));
    combo->addItem(AgreementPage::tr("Ethernet"));
    combo->addItem(AgreementPage::tr("POE(Power Over Ethernet)"));
    combo->addItem(AgreementPage::tr("PLC(Power Line Communication)"));
    combo->addItem(AgreementPage::tr("Direct Connection"));
}

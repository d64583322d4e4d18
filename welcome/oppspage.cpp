#include "welcome/oppspage.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QTimer>

#include "shell/globals.h"
#include "shell/log.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "welcome/welcomepage.h"

namespace {
const char* const kLocalViewPopupName = "useLocalViewWarning";
const char* const kExitPopupName = "exitWarning";
constexpr int kInternetTickMs = 1000;
}

OppsPage::OppsPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_OppsPage)
{
    WLOG << "OppsPage Constructor Initializing ...";
    ui->setupUi(this);
    connect(ui->oppsExit_PushButton, SIGNAL(clicked()), this, SLOT(openExit()));
    connect(ui->oppsLocalView_PushButton, SIGNAL(clicked()), this, SLOT(popupLocalView()));
    connect(ui->oppsRetry_PushButton, SIGNAL(clicked()), this, SLOT(openRetry()));
}

OppsPage::~OppsPage()
{
    delete ui;
}

void OppsPage::openExit()
{
    QCoreApplication::exit(0);
}

void OppsPage::openRetry()
{
    gMainpage->showBusy();
    gWelcomePage->checkWizardInternetTimer->start(kInternetTickMs);
}

void OppsPage::popupLocalView()
{
    const int w = 618;
    const int h = 400;
    MessageBoxPage* popup = MessageBoxPage::createCentred(gMainpage, kLocalViewPopupName, w, h);
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxTitile_Label->setText(tr("Local Viewing Only"));
    box->msgBoxTitile_Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->msgBoxTitile_Label->setGeometry(80, 50, 440, 30);
    box->msgBoxTitile_Label->show();
    box->msgBoxContent_Label->setGeometry(80, 100, 480, 200);
    box->msgBoxContent_Label->setText(MessageBoxPage::richText(
        tr("Please note that when setting this<br> camera up for local viewing only, you will<br> not be able to use "
           "the olvaris service<br> to remotely view camera.<br><br>If you would like to enable these "
           "features,<br>please make sure you are connected to<br>the Internet before running this wizard.")));
    box->msgBoxContent_Label->show();
    box->msgBoxImageLabel->setPixmap(
        QPixmap(":/images/local_view_only.png").scaled(242, 177, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    box->msgBoxImageLabel->setGeometry(360, 120, 242, 177);
    box->msgBoxImageLabel->show();
    connect(box->msgBoxClose_Button, SIGNAL(clicked()), this, SLOT(pressMsgCancelButton()));
    box->msgBoxClose_Button->show();
    connect(box->msgBoxLeftBtn_Button, SIGNAL(clicked()), this, SLOT(pressMsgCancelButton()));
    box->msgBoxLeftBtn_Button->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    box->msgBoxLeftBtn_Button->setText(tr("Cancel"));
    box->msgBoxLeftBtn_Button->setGeometry(360, 350, 111, 24);
    box->msgBoxLeftBtn_Button->show();
    connect(box->msgBoxRightBtn_Button, SIGNAL(clicked()), this, SLOT(pressMsgOKButton()));
    box->msgBoxRightBtn_Button->setStyleSheet(MessageBoxPage::blueButtonStyle());
    box->msgBoxRightBtn_Button->setText(tr("Next"));
    box->msgBoxRightBtn_Button->setGeometry(480, 350, 111, 24);
    box->msgBoxRightBtn_Button->show();
    popup->show();
}

void OppsPage::pressMsgCancelButton()
{
    MessageBoxPage::closeByName(gMainpage, kLocalViewPopupName);
}

void OppsPage::pressMsgOKButton()
{
    isLocalView = true;
    gWelcomePage->tolmwizardNetworkManager->clearAccessCache();
    gWelcomePage->tolmwizardDownloadManager->clearAccessCache();
    WLOG << "isLocalView ...";
    pressMsgCancelButton();
    openRetry();
}

void OppsPage::popupExit()
{
    WLOG << "open msgbox ...";
    const int w = 618;
    const int h = 250;
    MessageBoxPage* popup = MessageBoxPage::createCentred(this, kExitPopupName, w, h);
    Ui_MessageBoxPage* box = popup->ui;
    box->msgBoxTitile_Label->setText(tr("Exit"));
    box->msgBoxTitile_Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->msgBoxTitile_Label->setGeometry(60, 30, 510, 30);
    box->msgBoxTitile_Label->show();
    box->msgBoxContent_Label->setGeometry(60, 60, 500, 100);
    box->msgBoxContent_Label->setText("<p style=line-height:24px><font color=#666666>" +
                                      tr("Do you really want to exit?") + "</font></p>");
    box->msgBoxContent_Label->show();
    box->msgBoxImageLabel->hide();
    connect(box->msgBoxClose_Button, SIGNAL(clicked()), this, SLOT(pressMsgExitNoButton()));
    box->msgBoxClose_Button->show();
    // The blue "No" stands left of the white "Yes".
    connect(box->msgBoxRightBtn_Button, SIGNAL(clicked()), this, SLOT(pressMsgExitNoButton()));
    box->msgBoxRightBtn_Button->setStyleSheet(MessageBoxPage::blueButtonStyle());
    box->msgBoxRightBtn_Button->setText(tr("No"));
    box->msgBoxRightBtn_Button->setGeometry(360, 180, 111, 24);
    box->msgBoxRightBtn_Button->show();
    connect(box->msgBoxLeftBtn_Button, SIGNAL(clicked()), this, SLOT(pressMsgExitYesButton()));
    box->msgBoxLeftBtn_Button->setStyleSheet(MessageBoxPage::whiteButtonStyle());
    box->msgBoxLeftBtn_Button->setText(tr("Yes"));
    box->msgBoxLeftBtn_Button->setGeometry(480, 180, 111, 24);
    box->msgBoxLeftBtn_Button->show();
    popup->show();
}

void OppsPage::pressMsgExitNoButton()
{
    MessageBoxPage::closeByName(this, kExitPopupName);
}

void OppsPage::pressMsgExitYesButton()
{
    QCoreApplication::exit(0);
}

#include "setup/confignetworkmessagebox.h"

#include <QCoreApplication>

#include "base/globals.h"
#include "base/log.h"
#include "protocol/ipv4.h"
#include "setup/manualnetwork.h"
#include "setup/setupinput.h"
#include "shell/mainpage.h"
#include "shell/messageboxpage.h"
#include "shell/wizardpage.h"

namespace {

QString selectedTab()
{
    return WizardPage::faceStyle("select_s_blue", "select_s_hover",
                                 "font-family:Verdana;font:12px;color:rgb(255,255,255);");
}

QString unselectedTab()
{
    return WizardPage::faceStyle("select_s_white", "select_s_white_hover",
                                 "font-family:Verdana;font:12px;color:rgb(66,66,66);");
}

}  // namespace

ConfigNetworkMessageBox::ConfigNetworkMessageBox(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConfigNetworkMessageBox)
{
    WLOG << "ConfigNetworkMessageBox Constructor Initializing ...";
    ui->setupUi(this);
    for (const QList<QPushButton*>& row :
         {QList<QPushButton*>{ui->CfgNetMsgBoxDHCPCancel_Button, ui->CfgNetMsgBoxDHCPLocalOnly_Button,
                              ui->CfgNetMsgBoxDHCPConnect_Button},
          QList<QPushButton*>{ui->CfgNetMsgBoxStaticIPCancel_Button, ui->CfgNetMsgBoxStaticIPLocalOnly_Button,
                              ui->CfgNetMsgBoxStaticIPConnect_Button},
          QList<QPushButton*>{ui->CfgNetMsgBoxPPPoECancel_Button, ui->CfgNetMsgBoxPPPoELocalOnly_Button,
                              ui->CfgNetMsgBoxPPPoEConnect_Button}})
        MessageBoxPage::fitButtonRow(row);
    MessageBoxPage::fitButtonRight(ui->CfgNetMsgBoxStaticIP_PushButton);  // the last tab has room after it
    // A field's caption wider than its label in the language goes over two lines around its middle; the
    // PPPoE tab's hint takes the height its lines need.
    for (QLabel* caption : {ui->CfgNetMsgBoxPPPoEAccountTitle_Label, ui->CfgNetMsgBoxPPPoEPasswordTitle_Label,
                            ui->CfgNetMsgBoxStaticIPIPAddrTitle_Label, ui->CfgNetMsgBoxStaticIPSubnetTitle_Label,
                            ui->CfgNetMsgBoxStaticIPGatewayTitle_Label, ui->CfgNetMsgBoxStaticIPPDNSTitle_Label,
                            ui->CfgNetMsgBoxStaticIPSDNSTitle_Label}) {
        caption->setWordWrap(WizardPage::textWidth(caption) > caption->width());
        WizardPage::growToText(caption);
    }
    WizardPage::growToText(ui->CfgNetMsgBoxDHCPTitle_Label_2);

    connect(ui->CfgNetMsgBoxDHCP_PushButton, &QPushButton::clicked, this, &ConfigNetworkMessageBox::pressDHCPButton);
    connect(ui->CfgNetMsgBoxPPPoE_PushButton, &QPushButton::clicked, this, &ConfigNetworkMessageBox::pressPPPoEButton);
    connect(ui->CfgNetMsgBoxStaticIP_PushButton, &QPushButton::clicked, this,
            &ConfigNetworkMessageBox::pressStaticIPButton);
    connect(ui->CfgNetMsgBoxPPPoEAccount_LineEdit, &QLineEdit::editingFinished, this,
            &ConfigNetworkMessageBox::cameraPPPoEAccountLineEditFinished);
    connect(ui->CfgNetMsgBoxPPPoEPassword_LineEdit, &QLineEdit::editingFinished, this,
            &ConfigNetworkMessageBox::cameraPPPoEPasswordLineEditFinished);
    connect(ui->CfgNetMsgBoxStaticIPIPAddr_LineEdit, &QLineEdit::editingFinished, this,
            &ConfigNetworkMessageBox::cameraIPAddrLineEditFinished);
    connect(ui->CfgNetMsgBoxStaticIPSubnet_LineEdit, &QLineEdit::editingFinished, this,
            &ConfigNetworkMessageBox::cameraSubnetLineEditFinished);
    connect(ui->CfgNetMsgBoxStaticIPGateway_LineEdit, &QLineEdit::editingFinished, this,
            &ConfigNetworkMessageBox::cameraGatewayLineEditFinished);
    connect(ui->CfgNetMsgBoxStaticIPPDNS_LineEdit, &QLineEdit::editingFinished, this,
            &ConfigNetworkMessageBox::cameraPDNSLineEditFinished);
    connect(ui->CfgNetMsgBoxStaticIPSDNS_LineEdit, &QLineEdit::editingFinished, this,
            &ConfigNetworkMessageBox::cameraSDNSLineEditFinished);

    ui->CfgNetMsgBoxDHCP_PushButton->setStyleSheet(selectedTab());
    ui->CfgNetMsgBoxPPPoE_PushButton->setStyleSheet(unselectedTab());
    ui->CfgNetMsgBoxStaticIP_PushButton->setStyleSheet(unselectedTab());
    ui->ConfigNetworkMsgBoxClose_Button->setStyleSheet(
        "QPushButton{background-image: url(:/images/btn_close_blue.png);font-family:Verdana;font:12px;"
        "color:rgb(255,255,255);border: 0px;} QPushButton:hover{background-image:url(:/images/btn_close_hover.png)}");

    ui->CfgNetMsgBoxDHCP_GroupBox->show();
    ui->CfgNetMsgBoxPPPoE_GroupBox->hide();
    ui->CfgNetMsgBoxStaticIP_GroupBox->hide();
    if (gMainpage)
        gMainpage->dimBehind(this);
}

ConfigNetworkMessageBox::~ConfigNetworkMessageBox()
{
    WLOG << "ConfigNetworkMessageBox Destructor Initializing ...";
    delete ui;
}

void ConfigNetworkMessageBox::showFieldError(QLabel* label, const QString& message)
{
    if (message.isEmpty()) {
        label->setText("Valid");
        label->hide();
        return;
    }
    label->setText(SetupInput::errorText(message));
    label->show();
}

void ConfigNetworkMessageBox::selectTab(QPushButton* tab, QWidget* group, int height)
{
    tab->setStyleSheet(selectedTab());
    for (QPushButton* other :
         {ui->CfgNetMsgBoxDHCP_PushButton, ui->CfgNetMsgBoxPPPoE_PushButton, ui->CfgNetMsgBoxStaticIP_PushButton})
        if (other != tab)
            other->setStyleSheet(unselectedTab());
    group->setGeometry(0, 250, 618, height);
    group->show();
    for (QWidget* other :
         {ui->CfgNetMsgBoxDHCP_GroupBox, ui->CfgNetMsgBoxPPPoE_GroupBox, ui->CfgNetMsgBoxStaticIP_GroupBox})
        if (other != group)
            other->hide();
}

void ConfigNetworkMessageBox::pressDHCPButton()
{
    selectTab(ui->CfgNetMsgBoxDHCP_PushButton, ui->CfgNetMsgBoxDHCP_GroupBox, 190);
}

void ConfigNetworkMessageBox::pressPPPoEButton()
{
    selectTab(ui->CfgNetMsgBoxPPPoE_PushButton, ui->CfgNetMsgBoxPPPoE_GroupBox, 220);
}

void ConfigNetworkMessageBox::pressStaticIPButton()
{
    selectTab(ui->CfgNetMsgBoxStaticIP_PushButton, ui->CfgNetMsgBoxStaticIP_GroupBox, 350);
}

void ConfigNetworkMessageBox::checkAddressField(QLineEdit* field, QLabel* errorLabel)
{
    WLOG << field->objectName() << field->text();
    showFieldError(errorLabel, isDottedIPv4(field->text()) ? QString() : tr("Please enter a valid static IP address"));
}

void ConfigNetworkMessageBox::cameraPPPoEAccountLineEditFinished()
{
    showFieldError(ui->cPPPoeAccountError_Label, ui->CfgNetMsgBoxPPPoEAccount_LineEdit->text().isEmpty()
                                                     ? tr("Please enter the PPPoE account")
                                                     : QString());
}

void ConfigNetworkMessageBox::cameraPPPoEPasswordLineEditFinished()
{
    // Connect's rule, whatever the camera: filled, and only characters its Latin-1 can carry.
    const char* error =
        ManualNetwork::pppoeFieldError(false, ui->CfgNetMsgBoxPPPoEPassword_LineEdit->text(), QByteArray());
    showFieldError(ui->cPPPoePasswordError_Label,
                   error ? QCoreApplication::translate("DeviceSetupPage", error) : QString());
}

void ConfigNetworkMessageBox::cameraIPAddrLineEditFinished()
{
    checkAddressField(ui->CfgNetMsgBoxStaticIPIPAddr_LineEdit, ui->cNetworkIPAddrError_Label);
}

void ConfigNetworkMessageBox::cameraSubnetLineEditFinished()
{
    checkAddressField(ui->CfgNetMsgBoxStaticIPSubnet_LineEdit, ui->cNetworkSubnetError_Label);
}

void ConfigNetworkMessageBox::cameraGatewayLineEditFinished()
{
    checkAddressField(ui->CfgNetMsgBoxStaticIPGateway_LineEdit, ui->cNetworkGatewayError_Label);
}

void ConfigNetworkMessageBox::cameraPDNSLineEditFinished()
{
    checkAddressField(ui->CfgNetMsgBoxStaticIPPDNS_LineEdit, ui->cNetworkPDNSError_Label);
}

void ConfigNetworkMessageBox::cameraSDNSLineEditFinished()
{
    checkAddressField(ui->CfgNetMsgBoxStaticIPSDNS_LineEdit, ui->cNetworkSDNSError_Label);
}

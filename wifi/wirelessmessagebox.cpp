#include "wifi/wirelessmessagebox.h"

#include "base/globals.h"
#include "base/log.h"
#include "shell/mainpage.h"
#include "shell/wizardpage.h"
#include "wifi/wirelessrules.h"

namespace {

constexpr int kBoxWidth = 618;
constexpr int kAutoHeight = 270;
constexpr int kManualHeight = 380;
constexpr int kCaptionLeft = 50;  // the fields' captions start there

void showVerdict(QLabel* label, const WirelessRules::Verdict& verdict)
{
    if (verdict.valid) {
        label->setText("Valid");
        label->hide();
        return;
    }
    label->setText(WirelessRules::errorText(WirelessMessageBox::tr(verdict.message), 11));
    // A message wider than its label takes the room to its left, under the field's caption; one of two
    // lines the room under its field.
    const QRect place = label->geometry();
    const int width = std::min(std::max(place.width(), WizardPage::textWidth(label)), place.right() + 1 - kCaptionLeft);
    label->setGeometry(place.right() + 1 - width, place.y(), width,
                       std::max(place.height(), WizardPage::textHeight(label)));
    label->show();
}

}  // namespace

WirelessMessageBox::WirelessMessageBox(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_WirelessMessageBox)
{
    WLOG << "WirelessMessageBox Constructor Initializing ...";
    ui->setupUi(this);
    // The network name comes from the camera's survey: shown as it stands, never as markup.
    ui->WirelessAutoName_Label->setTextFormat(Qt::PlainText);
    ui->WirelessMsgBoxClose_Button->setStyleSheet(
        "QPushButton{background-image: url(:/images/btn_close_blue.png);font-family:Verdana;font:12px;"
        "color:rgb(255,255,255);border: 0px;} QPushButton:hover{background-image:url(:/images/btn_close_hover.png)}");
    connect(ui->WirelessMsgBoxClose_Button, &QPushButton::clicked, this,
            &WirelessMessageBox::pressWirelessMessageBoxCloseButton);
    setWindowIcon(QIcon(":/images/icon.ico"));
    setWindowFlags(Qt::Widget | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);

    ui->WirelessManualSecurity_ComboBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ui->WirelessManualSecurity_ComboBox->addItems(
        {tr("None"), tr("Open(WEP)"), tr("Shared(WEP)"), tr("WPA-PSK"), tr("WPA2-PSK"), tr("WPA or WPA2")});
    ui->WirelessManualEncrypt_ComboBox->addItems(
        {tr("None"), tr("WEP,64bit"), tr("WEP,128bit"), tr("AES"), tr("TKIP"), tr("TKIP or AES")});

    connect(ui->WirelessManualName_LineEdit, &QLineEdit::editingFinished, this,
            &WirelessMessageBox::wirelessManualNameLineEditFinished);
    connect(ui->WirelessManualPassword_LineEdit, &QLineEdit::editingFinished, this,
            &WirelessMessageBox::wirelessManualPasswordLineEditFinished);

    ui->WirelessMsgBoxTitile_Label->hide();
    ui->WirelessAuto_GroupBox->hide();
    ui->WirelessManual_GroupBox->hide();
    if (gMainpage)
        gMainpage->dimBehind(this);
}

WirelessMessageBox::~WirelessMessageBox()
{
    delete ui;
}

WirelessMessageBox* WirelessMessageBox::open(QWidget* parent, const QString& name, Kind kind, const QString& title,
                                             const QRect& titleGeometry)
{
    const bool manual = kind == Kind::Manual;
    const int height = manual ? kManualHeight : kAutoHeight;
    WirelessMessageBox* box = new WirelessMessageBox(parent);
    box->setObjectName(name);
    box->setGeometry((parent->width() - kBoxWidth) / 2, (parent->height() - height) / 2, kBoxWidth, height);
    box->setFixedHeight(height);
    Ui_WirelessMessageBox* ui = box->ui;
    ui->WirelessMsgBoxBackground_Label->setGeometry(0, 0, kBoxWidth, height);
    ui->WirelessMsgBoxBackground_Label->lower();
    ui->WirelessMsgBoxTitile_Label->setText(title);
    ui->WirelessMsgBoxTitile_Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->WirelessMsgBoxTitile_Label->setGeometry(titleGeometry);
    ui->WirelessMsgBoxTitile_Label->show();
    ui->WirelessAutoPassword_LineEdit->setEchoMode(QLineEdit::Password);
    ui->WirelessManualPassword_LineEdit->setEchoMode(QLineEdit::Password);
    if (manual) {
        ui->WirelessManual_GroupBox->setGeometry(0, 90, kBoxWidth, 300);
        ui->WirelessManual_GroupBox->show();
    } else {
        ui->WirelessAuto_GroupBox->setGeometry(0, 90, kBoxWidth, 180);
        ui->WirelessAuto_GroupBox->show();
    }
    box->show();
    box->raise();
    return box;
}

WirelessMessageBox* WirelessMessageBox::find(QWidget* root, const QString& name)
{
    return root && !name.isEmpty() ? root->findChild<WirelessMessageBox*>(name) : nullptr;
}

bool WirelessMessageBox::closeByName(QWidget* root, const QString& name)
{
    WirelessMessageBox* box = find(root, name);
    if (!box)
        return false;
    box->release();
    return true;
}

void WirelessMessageBox::release()
{
    // Its own buttons' signals may still be on the stack: leave the deletion to the event loop.
    hide();
    setObjectName(QString());
    deleteLater();
}

void WirelessMessageBox::pressWirelessMessageBoxCloseButton()
{
    release();
}

void WirelessMessageBox::wirelessManualNameLineEditFinished()
{
    const QString ssid = ui->WirelessManualName_LineEdit->text();
    WLOG << "wirelessName :" << ssid;
    showVerdict(ui->WirelessManualAPNameError_Label, WirelessRules::validateSsid(ssid));
}

void WirelessMessageBox::wirelessManualPasswordLineEditFinished()
{
    showVerdict(ui->WirelessManualAPPasswordError_Label,
                WirelessRules::validateWifiKey(ui->WirelessManualSecurity_ComboBox->currentText(),
                                               ui->WirelessManualPassword_LineEdit->text()));
}

#include "connectiontypelocalview.h"

#include <QFile>

#include "globals.h"
#include "ledhints.h"
#include "log.h"

#include "guide/cameraconnectionpage.h"

namespace {
const char* const kStepTextPrefix = "<p style=\"line-height:14px\"><font face=\"Verdana\" color=\"#333333\">";
const char* const kStepTextSuffix = "</font></p>";
}

ConnectionTypeLocalView::ConnectionTypeLocalView(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeLocalView)
{
    WLOG << "ConnectionTypeLocalView Constructor Initializing ...";
    ui->setupUi(this);
    connect(ui->ConnectionTypeLocalToolTips04, SIGNAL(linkActivated(QString)), this, SLOT(popupWhyLedRed()));
    ui->ConnectionTypeLocalToolTips03->setFrameStyle(0);
    ui->ConnectionTypeLocalToolTips03->hide();
    ui->ConnectionTypeLocalToolTips04->hide();

    QFile style(":/style_scrollbar.qss");
    if (!style.open(QFile::ReadOnly))
        WLOG << "Error Opening Stylesheet File ";
    const QByteArray sheet = style.readAll();
    ui->ConnectionTypeLocalToolTips03->setStyleSheet(QString::fromLatin1(sheet.constData()));
}

ConnectionTypeLocalView::~ConnectionTypeLocalView()
{
    delete ui;
}

void ConnectionTypeLocalView::translateUI()
{
    const int i = gCameraConnectionPage->ui->cconnection_ComboBox->currentIndex();
    WLOG << "LocalView index=" << i;
    if (i >= 1 && i <= 3) {
        ui->ConnectionTypeLocalToolTips03->setText(
            kStepTextPrefix
            + tr("Connect the power adapter to the power connector on the back of the device. Then plug the "
                 "adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) "
                 "connection to connect your camera.")
            + kStepTextSuffix);
        ui->ConnectionTypeLocalToolTips02->setText(tr("<p style=\"line-height:14px\"><font face=\"Verdana\" "
                                                      "color=\"#333333\">Plug in the Ethernet<br><br></font></p>"));
    } else if (i == 4) {
        ui->ConnectionTypeLocalToolTips02->setText(tr("<p style=\"line-height:14px\"><font face=\"Verdana\" "
                                                      "color=\"#333333\">Plug in the Power<br><br></font></p>"));
    }
}

void ConnectionTypeLocalView::popupWhyLedRed()
{
    LedHints::openLedChecklist(this, hintTexts());
}

void ConnectionTypeLocalView::pressMsgCancelButton()
{
    LedHints::closeLedChecklist();
}

void ConnectionTypeLocalView::pressMsgResetButton()
{
    LedHints::closeLedChecklist();
    popupResetHint();
}

void ConnectionTypeLocalView::popupResetHint()
{
    WLOG << "open msgbox ...";
    LedHints::openResetHint(this, hintTexts());
}

void ConnectionTypeLocalView::pressMsgStartOverButton()
{
    LedHints::startOver();
}

void ConnectionTypeLocalView::pressMsgCloseButton()
{
    LedHints::closeResetHint();
}

HintTexts ConnectionTypeLocalView::hintTexts() const
{
    return {tr("Why does the LED stay red?"),
            tr("Please check for the following:<br>1. Make sure your cables are securely connected.<br>"
               "2. Try powering off your Vistrel, then turning it on again.<br>"
               "3. If the LED still stays red, you can try Resetting your Vistrel.<br>"
               "4. Check to make sure that your modem or router is functioning properly.<br>"),
            tr("Reset"),
            tr("Close"),
            tr("Reset Your Camera"),
            tr("Use an unfolded paperclip to press and hold the Reset button on your camera for at least 10 "
               "seconds while the camera is plugged in. After resetting your camera, click the Start Over button "
               "to start the Setup Wizard again.<br>"),
            tr("Start Over")};
}

#include "guide/connectiontypelocalview.h"

#include <QFile>

#include "shell/globals.h"
#include "guide/ledhints.h"
#include "shell/log.h"

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
    LedHints::openLedChecklist(this);
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
    LedHints::openResetHint(this);
}

void ConnectionTypeLocalView::pressMsgStartOverButton()
{
    LedHints::startOver();
}

void ConnectionTypeLocalView::pressMsgCloseButton()
{
    LedHints::closeResetHint();
}

#include "guide/connectiontypelocalview.h"

#include <QFile>

#include "base/log.h"
#include "guide/stepgrid.h"

using ConnectionRules::StepSet;

namespace {
const char* const kStepTextPrefix = "<p style=\"line-height:14px\"><font face=\"Verdana\" color=\"#333333\">";
const char* const kStepTextSuffix = "</font></p>";
constexpr int kPictureSize = 164;
constexpr int kBadgeSize = 21;

// The fixed pictures of a set and the number of badges on them.
struct LocalSet
{
    StepSet set;
    const char* pictures[4];
    int badges;
};

const LocalSet kLocalSets[] = {
    {StepSet::Ethernet, {":/images/ia10.png", ":/images/ia10_ib10.png", ":/images/ic10.png", ":/images/id10.png"}, 4},
    {StepSet::PoE, {":/images/ia10.png", ":/images/ia10_ib10.png", ":/images/ic11.png", ":/images/id10.png"}, 4},
    {StepSet::PLC, {":/images/ia41.png", ":/images/ia41_ib20.png", ":/images/ic41.png", ":/images/id40.png"}, 4},
    {StepSet::Direct, {":/images/ia20.png", ":/images/ic20.png", ":/images/id20.png", nullptr}, 3},
    {StepSet::Overview,
     {":/images/ct_ethernet.png", ":/images/ct_poe.png", ":/images/ct_plc.png", ":/images/ct_apmode.png"},
     0},
};

QString badgeName(int n)
{
    return QString("icon_step%1").arg(n, 2, 10, QChar('0'));
}
}  // namespace

ConnectionTypeLocalView::ConnectionTypeLocalView(QWidget* parent)
    : ConnectionPanel(parent)
    , ui(new Ui_ConnectionTypeLocalView)
{
    WLOG << "ConnectionTypeLocalView Constructor Initializing ...";
    ui->setupUi(this);
    watchLedLink(ui->ConnectionTypeLocalToolTips04);
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

void ConnectionTypeLocalView::retranslate()
{
    ui->retranslateUi(this);
}

void ConnectionTypeLocalView::translateUI(int index)
{
    WLOG << "LocalView index=" << index;
    if (index >= 1 && index <= 3) {
        ui->ConnectionTypeLocalToolTips03->setText(
            kStepTextPrefix +
            tr("Connect the power adapter to the power connector on the back of the device. Then plug the "
               "adapter into a power outlet. Please skip this step if you are using a PoE(Power over Ethernet) "
               "connection to connect your camera.") +
            kStepTextSuffix);
        ui->ConnectionTypeLocalToolTips02->setText(tr("<p style=\"line-height:14px\"><font face=\"Verdana\" "
                                                      "color=\"#333333\">Plug in the Ethernet<br><br></font></p>"));
    } else if (index == 4) {
        ui->ConnectionTypeLocalToolTips02->setText(tr("<p style=\"line-height:14px\"><font face=\"Verdana\" "
                                                      "color=\"#333333\">Plug in the Power<br><br></font></p>"));
    }
}

QLabel* ConnectionTypeLocalView::picture(int n) const
{
    QLabel* const pictures[] = {ui->ConnectionType_IMG01, ui->ConnectionType_IMG02, ui->ConnectionType_IMG03,
                                ui->ConnectionType_IMG04};
    return pictures[n - 1];
}

void ConnectionTypeLocalView::showSet(StepSet set)
{
    if (set == StepSet::Overview) {
        ui->ConnectionTypeLocalToolTips01->hide();
        ui->ConnectionTypeLocalToolTips02->hide();
        ui->ConnectionTypeLocalToolTips03->hide();
        ui->ConnectionTypeLocalToolTips04->hide();
    } else {
        const bool direct = set == StepSet::Direct;
        ui->ConnectionTypeLocalToolTips01->setGeometry(8, 186, 166, 74);
        ui->ConnectionTypeLocalToolTips02->setGeometry(183, 180, 166, 74);
        ui->ConnectionTypeLocalToolTips03->setGeometry(354, 190, 170, 70);
        ui->ConnectionTypeLocalToolTips04->setGeometry(direct ? 358 : 536, 192, 166, 74);
        ui->ConnectionTypeLocalToolTips01->show();
        ui->ConnectionTypeLocalToolTips02->show();
        ui->ConnectionTypeLocalToolTips03->setVisible(!direct);
        ui->ConnectionTypeLocalToolTips04->show();
        if (set == StepSet::Ethernet)
            WLOG << "local Ethernet+++++++++++++++++++ ...";
    }

    for (const LocalSet& look : kLocalSets) {
        if (look.set != set)
            continue;
        for (int n = 1; n <= 4; ++n) {
            if (look.pictures[n - 1])
                StepGrid::setPicture(picture(n), look.pictures[n - 1], kPictureSize);
            else
                picture(n)->clear();
        }
        for (int n = 1; n <= look.badges; ++n) {
            QLabel* badge = new QLabel(picture(n));
            badge->setObjectName(badgeName(n));
            StepGrid::setPicture(badge, QString(":/images/icon_step_%1.png").arg(n), kBadgeSize);
            badge->setGeometry(3, 0, kBadgeSize, kBadgeSize);
            badge->show();
        }
    }
}

void ConnectionTypeLocalView::removeStepBadges()
{
    for (int n = 1; n <= 4; ++n) {
        while (QLabel* badge = picture(n)->findChild<QLabel*>(badgeName(n))) {
            badge->hide();
            WLOG << QString("del icon%1 ...").arg(n, 2, 10, QChar('0')).toUtf8().constData();
            delete badge;
        }
    }
}

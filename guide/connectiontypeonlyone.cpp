#include "guide/connectiontypeonlyone.h"

#include <iterator>

#include "base/log.h"
#include "guide/stepgrid.h"

namespace {
const StepGrid::StepRow kRows[] = {
    {"Ethernet", 1, "Ethernet &&&&&&& tmp Length", "Ethernet &&&&&&& iconSetpDir "},
    {"POE", 1, "PoE &&&&&&& tmp Length", "PoE &&&&&&& iconSetpDir "},
    {"PLC", 1, "PLC &&&&&&& tmp Length", "PLC &&&&&&& iconSetpDir "},
};
}

ConnectionTypeOnlyOne::ConnectionTypeOnlyOne(QWidget* parent)
    : ConnectionPanel(parent)
    , ui(new Ui_ConnectionTypeOnlyOne)
{
    WLOG << "ConnectionTypeOnlyOne Constructor Initializing ...";
    ui->setupUi(this);
    ui->ConnectionTypeToolTips03->hide();
    ui->ConnectionTypeToolTips04->hide();
    watchLedLink(ui->ConnectionTypeToolTips04);
}

ConnectionTypeOnlyOne::~ConnectionTypeOnlyOne()
{
    delete ui;
}

void ConnectionTypeOnlyOne::retranslate()
{
    ui->retranslateUi(this);
}

void ConnectionTypeOnlyOne::showLedCaption()
{
    ui->ConnectionTypeToolTips04->show();
}

void ConnectionTypeOnlyOne::hideLastCaptions()
{
    ui->ConnectionTypeToolTips03->hide();
    ui->ConnectionTypeToolTips03_2->hide();
    ui->ConnectionTypeToolTips04->hide();
}

void ConnectionTypeOnlyOne::clearSteps()
{
    StepGrid::clear(ui->gridLayout);
}

void ConnectionTypeOnlyOne::addSteps(const QStringList& entries)
{
    for (const QString& entry : entries) {
        const StepGrid::StepRow* row = StepGrid::addEntrySteps(ui->gridLayout, entry, kRows, std::size(kRows));
        if (!row)
            continue;
        const bool poe = row == &kRows[1];
        ui->ConnectionTypeToolTips03->setVisible(poe);
        ui->ConnectionTypeToolTips03_2->setVisible(!poe);
    }
}

#include "guide/connectiontypeapmode.h"

#include "base/log.h"
#include "guide/stepgrid.h"

namespace {
const StepGrid::StepRow kAPModeRow = {"APMode", 2, "AP Mode &&&&&&& tmp Length", "AP Mode &&&&&&& iconSetpDir "};
}

ConnectionTypeAPMode::ConnectionTypeAPMode(QWidget* parent)
    : ConnectionPanel(parent)
    , ui(new Ui_ConnectionTypeAPMode)
{
    WLOG << "ConnectionTypeAPMode Constructor Initializing ...";
    ui->setupUi(this);
    watchLedLink(ui->ConnectionTypeAPModeToolTips04);
}

ConnectionTypeAPMode::~ConnectionTypeAPMode()
{
    delete ui;
}

void ConnectionTypeAPMode::retranslate()
{
    ui->retranslateUi(this);
    for (QLabel* caption :
         {ui->ConnectionTypeAPModeToolTips01, ui->ConnectionTypeAPModeToolTips02, ui->ConnectionTypeAPModeToolTips04})
        growToText(caption);
}

void ConnectionTypeAPMode::clearSteps()
{
    StepGrid::clear(ui->gridLayout);
}

void ConnectionTypeAPMode::addSteps(const QStringList& entries)
{
    for (const QString& entry : entries)
        StepGrid::addEntrySteps(ui->gridLayout, entry, &kAPModeRow, 1);
}

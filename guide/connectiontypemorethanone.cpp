#include "guide/connectiontypemorethanone.h"

#include <QAbstractItemView>

#include "guide/connectionrules.h"
#include "shell/globals.h"
#include "guide/ledhints.h"
#include "shell/log.h"
#include "guide/stepgrid.h"

#include "guide/cameraconnectionpage.h"

using ConnectionRules::StepSet;

namespace {
// Visibility and, where set, the place of one caption.
struct Caption
{
    bool shown;
    QRect place;
};

// Captions 01, 02, 03, 03_2 and 04 of a connection type's set.
struct SetLook
{
    StepSet set;
    Caption captions[5];
};

const SetLook kSetLooks[] = {
    {StepSet::Ethernet, {{true, {}}, {true, {}}, {false, {358, 224, 170, 74}}, {true, {358, 210, 170, 74}},
                         {true, {533, 224, 170, 74}}}},
    {StepSet::PoE, {{true, {}}, {true, {}}, {true, {358, 224, 170, 74}}, {false, {358, 210, 170, 74}},
                    {true, {533, 224, 170, 74}}}},
    {StepSet::PLC, {{true, {}}, {true, {}}, {false, {358, 224, 170, 74}}, {true, {358, 210, 170, 74}},
                    {true, {533, 224, 170, 74}}}},
    {StepSet::Direct, {{true, {}}, {false, {}}, {false, {}}, {true, {186, 209, 170, 74}},
                       {true, {366, 224, 170, 74}}}},
};

// The entries a type set builds step pictures from.
struct SetSteps
{
    StepSet set;
    const char* word;
    const char* countLog;
    const char* badgeLog;
};

const SetSteps kSetSteps[] = {
    {StepSet::Ethernet, "Ethernet", "Ethernet &&&&&&& tmp Length", "Ethernet &&&&&&& iconSetpDir "},
    {StepSet::PoE, "POE", "POE &&&&&&& tmp Length", "POE &&&&&&& iconSetpDir "},
    {StepSet::PLC, "PLC", "PLC &&&&&&& tmp Length", "PLC &&&&&&& iconSetpDir "},
};
}

ConnectionTypeMoreThanOne::ConnectionTypeMoreThanOne(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_ConnectionTypeMoreThanOne)
{
    WLOG << "ConnectionTypeMoreThanOne Constructor Initializing ...";
    ui->setupUi(this);
    ui->ConnectionTypeMoreToolTips01->hide();
    ui->ConnectionTypeMoreToolTips02->hide();
    ui->ConnectionTypeMoreToolTips03->hide();
    ui->ConnectionTypeMoreToolTips03_2->hide();
    ui->ConnectionTypeMoreToolTips04->hide();
    ui->CTypeMoreThanOne_ComboBox->view()->setMinimumHeight(80);
    connect(ui->ConnectionTypeMoreToolTips04, SIGNAL(linkActivated(QString)), this, SLOT(popupWhyLedRed()));
    connect(ui->CTypeMoreThanOne_ComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(gotCtypeIndexChanged()));
}

ConnectionTypeMoreThanOne::~ConnectionTypeMoreThanOne()
{
    delete ui;
}

void ConnectionTypeMoreThanOne::gotCtypeIndexChanged()
{
    WLOG << "************************************** select";
    const QString type = ui->CTypeMoreThanOne_ComboBox->currentText();
    WLOG << "01 Got ctype index changed :" << type;
    const int index = ui->CTypeMoreThanOne_ComboBox->currentIndex();
    WLOG << "02 Got ctype index changed :" << index;
    Ui_CameraConnectionPage* page = gCameraConnectionPage->ui;
    const QString model = page->cconnection_ComboBox->currentText();
    WLOG << "03 selected device (Device Model) :" << model;
    const QString route = ModelRouteMap.value(model);
    WLOG << "04 mockValue :" << route;
    if (route != QLatin1String("2"))
        return;

    StepGrid::clear(ui->gridLayout);

    const StepSet set = ConnectionRules::chooseSet(type, {tr("Ethernet"), tr("POE"), tr("PLC"), tr("Direct Connection")});
    QLabel* captions[] = {ui->ConnectionTypeMoreToolTips01, ui->ConnectionTypeMoreToolTips02,
                          ui->ConnectionTypeMoreToolTips03, ui->ConnectionTypeMoreToolTips03_2,
                          ui->ConnectionTypeMoreToolTips04};
    if (set == StepSet::Overview) {
        page->cconnectionSkip_PushButton->show();
        StepGrid::setNextEnabled(page->cconnectionNext_PushButton, false);
        for (QLabel* caption : {captions[0], captions[1], captions[3], captions[2], captions[4]})
            caption->hide();
    } else {
        page->cconnectionSkip_PushButton->hide();
        StepGrid::setNextEnabled(page->cconnectionNext_PushButton, true);
        for (const SetLook& look : kSetLooks) {
            if (look.set != set)
                continue;
            for (int c = 0; c < 5; ++c) {
                if (!look.captions[c].place.isNull())
                    captions[c]->setGeometry(look.captions[c].place);
                captions[c]->setVisible(look.captions[c].shown);
            }
        }
    }

    supportType = model;
    const QString key = supportType + "_" + page->cconnectionHWVersion_ComboBox->currentText();
    WLOG << "05 supportTypeWithHWType :" << key;
    const QStringList entries = ConnectionTypeMap.value(key);

    if (set == StepSet::Overview) {
        int column = 1;
        for (const QString& entry : entries) {
            WLOG << "images ..." << entry;
            if (const ConnectionRules::EntryType* entryType = ConnectionRules::entryType(entry))
                StepGrid::addOverview(ui->gridLayout, column++, entryType->overview);
        }
        return;
    }

    if (set == StepSet::Direct) {
        // List item I stands for entry I - 1.
        for (int p = 1; p <= entries.size(); ++p) {
            const QString& entry = entries.at(p - 1);
            WLOG << "images ..." << entry << "idx: " << p;
            const ConnectionRules::EntryType* entryType = ConnectionRules::entryType(entry);
            if (p != index || !(ConnectionRules::isType(entryType, "APMode") || ConnectionRules::isType(entryType, "WPS")))
                continue;
            const int span = ConnectionRules::pictureNames(entry, entryType->headerLength).size() == 3 ? 2 : 1;
            StepGrid::addSteps(ui->gridLayout, entry.mid(entryType->headerLength), span, "AP Mode &&&&&&& tmp Length",
                               "AP Mode &&&&&&& iconSetpDir ");
        }
        return;
    }

    for (const SetSteps& steps : kSetSteps) {
        if (steps.set != set)
            continue;
        for (const QString& entry : entries) {
            WLOG << "images ..." << entry;
            const ConnectionRules::EntryType* entryType = ConnectionRules::entryType(entry);
            if (ConnectionRules::isType(entryType, steps.word))
                StepGrid::addSteps(ui->gridLayout, entry.mid(entryType->headerLength), 1, steps.countLog,
                                   steps.badgeLog);
        }
    }
}

void ConnectionTypeMoreThanOne::popupWhyLedRed()
{
    LedHints::openLedChecklist(this);
}

void ConnectionTypeMoreThanOne::pressMsgCancelButton()
{
    LedHints::closeLedChecklist();
}

void ConnectionTypeMoreThanOne::pressMsgResetButton()
{
    LedHints::closeLedChecklist();
    popupResetHint();
}

void ConnectionTypeMoreThanOne::popupResetHint()
{
    WLOG << "open msgbox ...";
    LedHints::openResetHint(this);
}

void ConnectionTypeMoreThanOne::pressMsgStartOverButton()
{
    LedHints::startOver();
}

void ConnectionTypeMoreThanOne::pressMsgCloseButton()
{
    LedHints::closeResetHint();
}
